#include "formats.h"

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
    return { QStringLiteral("*.psd"), QStringLiteral("*.png"), QStringLiteral("*.gif"),
        QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), QStringLiteral("*.tif"),
        QStringLiteral("*.tga"), QStringLiteral("*.jp2") };
}

QString imageFilter()
{
    return QStringLiteral("Images (%1)").arg(imagePatterns().join(QLatin1Char(' ')));
}

} // namespace Formats
