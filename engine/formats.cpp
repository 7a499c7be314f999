#include "formats.h"

#include <QImageReader>
#include <QSet>

#include <Magick++.h>

#include <list>

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

namespace {

// Coders of the image library that read no image file a user would pick: metadata and
// profiles, raw samples that need their size given, pictures the library draws itself,
// addresses, text and markup, scripts, video, fonts, PostScript and PDF (documents, handed to
// an outside interpreter), a screen grab, and other names of formats listed under their suffix.
const QSet<QString> &notImageFiles()
{
    static const QSet<QString> names = { "8bim", "8bimtext", "8bimwtext", "app1", "app1jpeg",
        "exif", "icc", "icm", "iptc", "iptctext", "iptcwtext", "xmp", //
        "b", "c", "g", "k", "m", "o", "r", "y", "cmyk", "cmyka", "gray", "graya", "rgb", "rgba",
        "mono", "uyvy", "yuv", "pal", "map", "matte", //
        "caption", "label", "fractal", "plasma", "gradient", "identity", "image", "null", "xc",
        "tile", "stegano", "histogram", "preview", "info", "cache", "mpc", "vid", //
        "file", "ftp", "http", "https", //
        "txt", "text", "html", "shtml", "brf", "isobrl", "isobrl6", "ubrl", "ubrl6", "uil", "msl",
        "mvg", //
        "mpeg", "mpg", "m2v", "mp4", "avi", "mov", //
        "ttf", "pfa", "pfb", "otf", //
        "ps", "ps2", "ps3", "eps", "eps2", "eps3", "epsf", "epsi", "epi", "ept", "ept2", "ept3",
        "epdf", "pdf", "pcl", "x", //
        "bigtiff", "gif87", "pcds", "png00", "png8", "png24", "png32", "png48", "png64", "bmp2",
        "bmp3", "icon" };
    return names;
}

// Qt's plug-ins name suffixes, not coders; of these only PostScript reaches an interpreter.
const QSet<QString> &notImageSuffixes()
{
    static const QSet<QString> suffixes = { "eps", "epsf", "epsi", "ps", "pdf" };
    return suffixes;
}

QStringList readablePatterns()
{
    // Today's eight first, as users of the picker know them; then every further suffix once.
    QStringList patterns
        = { "*.psd", "*.png", "*.gif", "*.jpg", "*.bmp", "*.tif", "*.tga", "*.jp2" };
    // Our own coders and the other names their files go by.
    QStringList suffixes
        = { "jpeg", "jpe", "jfif", "tiff", "j2k", "j2c", "jpc", "jpf", "jpx", "webp" };

    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        if (!notImageSuffixes().contains(suffix))
            suffixes.append(suffix);
    }
    try {
        Magick::InitializeMagick(nullptr);
        std::list<Magick::CoderInfo> coders;
        Magick::coderInfoList(&coders, Magick::CoderInfo::TrueMatch);
        for (const Magick::CoderInfo &coder : coders) {
            const QString name = QString::fromStdString(coder.name()).toLower();
            if (!notImageFiles().contains(name))
                suffixes.append(name);
        }
    } catch (std::exception &e) {
        // The library's own formats are still read; only its extra names are missing.
        qDebug("Error: cannot list the image library's formats: %s", e.what());
    }

    suffixes.sort();
    for (const QString &suffix : qAsConst(suffixes)) {
        const QString pattern = QStringLiteral("*.") + suffix;
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return patterns;
}

} // namespace

QStringList imagePatterns()
{
    // Asked once: listing the library's coders loads each of them.
    static const QStringList patterns = readablePatterns();
    return patterns;
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
