#include "formats.h"

#include "inputformats.h"

namespace Formats {

const QVector<OutputFormat> &outputFormats()
{
    static const QVector<OutputFormat> formats = {
        { QStringLiteral("jpeg"), QStringLiteral("JPEG"), QStringLiteral(".jpg") },
        { QStringLiteral("gif"), QStringLiteral("GIF"), QStringLiteral(".gif") },
        { QStringLiteral("png"), QStringLiteral("PNG"), QStringLiteral(".png") },
        { QStringLiteral("jp2"), QStringLiteral("JPEG2000"), QStringLiteral(".jp2") },
        { QStringLiteral("pdf"), QStringLiteral("PDF"), QStringLiteral(".pdf") },
    };
    return formats;
}

QStringList outputFormatNames()
{
    QStringList names;
    for (const OutputFormat &format : outputFormats())
        names.append(format.name);
    return names;
}

QString suffixFor(const QString &name)
{
    for (const OutputFormat &format : outputFormats()) {
        if (format.name == name)
            return format.suffix;
    }
    return QString();
}

QStringList imagePatterns()
{
    return InputFormats::patterns();
}

QString imageFilter()
{
    // Qt's own picker matches in any case, but the GTK one that Qt uses under GNOME matches
    // case by case: UPPER.JPG from a camera would not be shown there without its own pattern.
    const QStringList patterns = imagePatterns();
    QStringList upper;
    for (const QString &pattern : patterns)
        upper.append(pattern.toUpper());
    return QStringLiteral("Images (%1 %2)")
        .arg(patterns.join(QLatin1Char(' ')), upper.join(QLatin1Char(' ')));
}

} // namespace Formats
