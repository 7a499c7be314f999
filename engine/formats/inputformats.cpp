#include "inputformats.h"

#include <QSet>

#include <algorithm>

#include "avifcoder.h"
#include "outputformat.h"
#include "webpcoder.h"

namespace InputFormats {

namespace {

quint32 at8(const QByteArray &h, int pos)
{
    return pos < h.size() ? quint8(h.at(pos)) : 0;
}

quint32 little16(const QByteArray &h, int pos)
{
    return at8(h, pos) | at8(h, pos + 1) << 8;
}

quint32 little32(const QByteArray &h, int pos)
{
    return little16(h, pos) | little16(h, pos + 2) << 16;
}

quint32 big32(const QByteArray &h, int pos)
{
    return at8(h, pos) << 24 | at8(h, pos + 1) << 16 | at8(h, pos + 2) << 8 | at8(h, pos + 3);
}

bool startsWith(const QByteArray &h, const char *signature, int length)
{
    return h.size() >= length && std::equal(signature, signature + length, h.constData());
}

// RIFF container of the given form ("WEBP", "ACON").
bool riff(const QByteArray &h, const char *form)
{
    return h.startsWith("RIFF") && h.mid(8, 4) == form;
}

// The brands an ISO media file names in its leading "ftyp" box: HEIF and AVIF are told apart
// by them, not by any fixed bytes.
QList<QByteArray> brands(const QByteArray &h)
{
    QList<QByteArray> found;
    if (h.mid(4, 4) != "ftyp")
        return found;
    const int end = int(std::min<quint32>(big32(h, 0), quint32(h.size())));
    found.append(h.mid(8, 4));
    for (int pos = 16; pos + 4 <= end; pos += 4)
        found.append(h.mid(pos, 4));
    return found;
}

bool isAvif(const QByteArray &h)
{
    const QList<QByteArray> b = brands(h);
    return b.contains("avif") || b.contains("avis");
}

bool isHeif(const QByteArray &h)
{
    for (const QByteArray &brand : brands(h)) {
        static const QSet<QByteArray> heif
            = { "heic", "heix", "hevc", "hevx", "heim", "heis", "hevm", "hevs", "mif1", "msf1" };
        if (heif.contains(brand))
            return !isAvif(h);
    }
    return false;
}

// The "mimetype" entry that OpenDocument-style archives store first and uncompressed.
QByteArray zipMimetype(const QByteArray &h)
{
    if (!h.startsWith("PK\x03\x04") || little16(h, 8) != 0)
        return QByteArray();
    const int nameLength = int(little16(h, 26));
    const int extraLength = int(little16(h, 28));
    if (h.mid(30, nameLength) != "mimetype")
        return QByteArray();
    return h.mid(30 + nameLength + extraLength, int(std::min<quint32>(little32(h, 18), 256)));
}

// Targa has no signature: a header whose fields all hold values the format allows. Text never
// passes (its second byte would have to be 0 or 1), nor do the formats with signatures, which
// are tried first.
bool isTarga(const QByteArray &h)
{
    if (h.size() < 18)
        return false;
    const quint32 colourMapType = at8(h, 1);
    const quint32 imageType = at8(h, 2);
    const quint32 depth = at8(h, 16);
    const bool mapped = imageType == 1 || imageType == 9;
    const bool known
        = mapped || imageType == 2 || imageType == 3 || imageType == 10 || imageType == 11;
    if (colourMapType > 1 || !known || (mapped && colourMapType != 1))
        return false;
    if (colourMapType == 1) {
        const quint32 entryBits = at8(h, 7);
        if (little16(h, 5) == 0
            || (entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32))
            return false;
    }
    const bool depthKnown = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
    return depthKnown && (at8(h, 17) & 0x0f) <= depth && little16(h, 12) > 0 && little16(h, 14) > 0;
}

bool isIcon(const QByteArray &h)
{
    return (startsWith(h, "\0\0\1\0", 4) || startsWith(h, "\0\0\2\0", 4)) && little16(h, 4) > 0;
}

bool isPcx(const QByteArray &h)
{
    const quint32 version = at8(h, 1);
    const quint32 bits = at8(h, 3);
    return h.size() >= 128 && at8(h, 0) == 0x0a && version <= 5 && version != 1 && at8(h, 2) <= 1
        && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

bool isPnm(const QByteArray &h)
{
    return h.size() >= 3 && h.at(0) == 'P' && h.at(1) >= '1' && h.at(1) <= '7'
        && QByteArray(" \t\r\n").contains(h.at(2));
}

bool isXbm(const QByteArray &h)
{
    return h.startsWith("#define ") && h.contains("_width");
}

bool isXpm(const QByteArray &h)
{
    return h.trimmed().startsWith("/* XPM */");
}

bool isPostScript(const QByteArray &h)
{
    return h.startsWith("%!") || h.startsWith("\x04%!") || startsWith(h, "\xc5\xd0\xd3\xc6", 4);
}

bool isPdf(const QByteArray &h)
{
    return h.startsWith("%PDF-");
}

// Readers accept junk before the header, and so do the libraries that pass PDF on; asked only
// of what no picture format claims, so a comment in a photo cannot make it a document.
bool hasPdfHeader(const QByteArray &h)
{
    return h.left(1024).contains("%PDF-");
}

bool isSvg(const QByteArray &h)
{
    QByteArray text = h.startsWith("\xef\xbb\xbf") ? h.mid(3) : h;
    text = text.trimmed();
    return text.startsWith('<') && text.toLower().contains("<svg");
}

bool isMetafile(const QByteArray &h)
{
    return startsWith(h, "\xd7\xcd\xc6\x9a", 4) || startsWith(h, "\1\0\x09\0\0\3", 6)
        || startsWith(h, "\2\0\x09\0\0\3", 6) || (little32(h, 0) == 1 && h.mid(40, 4) == " EMF");
}

bool isXps(const QByteArray &h)
{
    return h.startsWith("PK\x03\x04") && h.contains("FixedDoc");
}

const QVector<Format> &table()
{
    using D = Decoder;
    static const QVector<Format> formats = {
        { "JPEG", D::Library, "JPEG", nullptr, { "jpg", "jpeg", "jpe", "jfif" }, { "image/jpeg" },
            [](const QByteArray &h) { return startsWith(h, "\xff\xd8\xff", 3); } },
        { "PNG", D::Library, "PNG", nullptr, { "png" }, { "image/png" },
            [](const QByteArray &h) { return startsWith(h, "\x89PNG\r\n\x1a\n", 8); } },
        { "GIF", D::Library, "GIF", "gif", { "gif" }, { "image/gif" },
            [](const QByteArray &h) { return h.startsWith("GIF87a") || h.startsWith("GIF89a"); },
            false, true, true },
        { "BMP", D::Library, "BMP", "bmp", { "bmp", "dib" }, { "image/bmp" },
            [](const QByteArray &h) { return h.startsWith("BM") && h.size() >= 26; } },
        { "TIFF", D::Library, "TIFF", nullptr, { "tif", "tiff" }, { "image/tiff" },
            [](const QByteArray &h) {
                return startsWith(h, "II*\0", 4) || startsWith(h, "MM\0*", 4)
                    || startsWith(h, "II+\0", 4) || startsWith(h, "MM\0+", 4);
            },
            false, true },
        { "PSD", D::Plugin, "psd", nullptr, { "psd", "psb" }, { "image/vnd.adobe.photoshop" },
            [](const QByteArray &h) { return h.startsWith("8BPS"); } },
        { "JPEG 2000", D::Jpeg2000, "JP2", nullptr, { "jp2", "j2k", "j2c", "jpc", "jpf", "jpx" },
            { "image/jp2", "image/jpx", "image/x-jp2-codestream" },
            [](const QByteArray &h) {
                // The signature box of a JP2 file, or a raw codestream's SOC and SIZ markers.
                return h.startsWith(QByteArray("\0\0\0\x0cjP  \r\n\x87\n", 12))
                    || h.startsWith("\xff\x4f\xff\x51");
            } },
        { "WebP", D::Library, "WEBP", "webp", { "webp" }, { "image/webp" },
            [](const QByteArray &h) { return riff(h, "WEBP"); }, false, true, true,
            TARVO_CODEC(WebpCoder::frameCount), TARVO_CODEC(WebpCoder::decodeAnimation) },
        { "AVIF", D::Plugin, "avif", nullptr, { "avif" }, { "image/avif" }, isAvif, false, true,
            true, TARVO_CODEC(AvifCoder::frameCount), TARVO_CODEC(AvifCoder::decodeAnimation) },
        { "HEIF", D::Library, "HEIC", "heif", { "heic", "heif" }, { "image/heif", "image/heic" },
            isHeif },
        { "JPEG XL", D::Library, "JXL", "jxl", { "jxl" }, { "image/jxl" },
            [](const QByteArray &h) {
                return startsWith(h, "\xff\x0a", 2)
                    || startsWith(h, "\0\0\0\x0cJXL \r\n\x87\n", 12);
            } },
        { "PNM", D::Library, "PNM", nullptr, { "pnm", "pbm", "pgm", "ppm", "pam" },
            { "image/x-portable-bitmap", "image/x-portable-graymap", "image/x-portable-pixmap",
                "image/x-portable-anymap" },
            isPnm },
        { QT_TRANSLATE_NOOP("InputFormats", "Windows icon"), D::Plugin, "ico", nullptr,
            { "ico", "cur" }, { "image/vnd.microsoft.icon", "image/x-win-bitmap" }, isIcon },
        { QT_TRANSLATE_NOOP("InputFormats", "Apple icon"), D::Plugin, "icns", nullptr, { "icns" },
            { "image/x-icns" }, [](const QByteArray &h) { return h.startsWith("icns"); } },
        { "PCX", D::Library, "PCX", "pcx", { "pcx" }, { "image/x-pcx", "image/vnd.zbrush.pcx" },
            isPcx },
        { "SGI", D::Library, "SGI", "rgb", { "sgi", "rgb", "rgba", "bw" }, { "image/x-sgi" },
            [](const QByteArray &h) { return startsWith(h, "\x01\xda", 2) && at8(h, 2) <= 1; } },
        { QT_TRANSLATE_NOOP("InputFormats", "Sun raster"), D::Library, "SUN", "ras",
            { "ras", "sun" }, { "image/x-sun-raster" },
            [](const QByteArray &h) { return startsWith(h, "\x59\xa6\x6a\x95", 4); } },
        { "GIMP", D::Library, "XCF", "xcf", { "xcf" }, { "image/x-xcf" },
            [](const QByteArray &h) { return h.startsWith("gimp xcf "); } },
        { "Krita", D::Plugin, "kra", nullptr, { "kra" }, { "application/x-krita" },
            [](const QByteArray &h) { return zipMimetype(h) == "application/x-krita"; } },
        { "OpenRaster", D::Plugin, "ora", nullptr, { "ora" }, { "image/openraster" },
            [](const QByteArray &h) { return zipMimetype(h) == "image/openraster"; } },
        { "OpenEXR", D::Plugin, "exr", nullptr, { "exr" }, { "image/x-exr" },
            [](const QByteArray &h) { return startsWith(h, "\x76\x2f\x31\x01", 4); } },
        // The plug-in trusts the run lengths in the data: a 100-byte file makes it write far
        // past its line buffer.
        { "Radiance HDR", D::Plugin, "hdr", nullptr, { "hdr" }, { "image/vnd.radiance" },
            [](const QByteArray &h) {
                return h.startsWith("#?RADIANCE") || h.startsWith("#?RGBE");
            },
            true },
        { "DPX", D::Library, "DPX", nullptr, { "dpx" }, { "image/x-dpx" },
            [](const QByteArray &h) { return h.startsWith("SDPX") || h.startsWith("XPDS"); } },
        { "Cineon", D::Library, "CIN", nullptr, { "cin" }, { "image/x-cineon" },
            [](const QByteArray &h) { return startsWith(h, "\x80\x2a\x5f\xd7", 4); } },
        { "FITS", D::Library, "FITS", nullptr, { "fits", "fit", "fts" }, { "image/fits" },
            [](const QByteArray &h) { return h.startsWith("SIMPLE  ="); } },
        { "DICOM", D::Library, "DCM", nullptr, { "dcm" }, { "application/dicom" },
            [](const QByteArray &h) { return h.mid(128, 4) == "DICM"; } },
        { "Softimage", D::Plugin, "pic", nullptr, { "pic" }, { "image/x-softimage-pic" },
            [](const QByteArray &h) { return startsWith(h, "\x53\x80\xf6\x34", 4); } },
        { QT_TRANSLATE_NOOP("InputFormats", "animated cursor"), D::Plugin, "ani", nullptr,
            { "ani" }, { "application/x-navi-animation" },
            [](const QByteArray &h) { return riff(h, "ACON"); } },
        { "XPM", D::Library, "XPM", "xpm", { "xpm" }, { "image/x-xpixmap" }, isXpm },
        { "XBM", D::Library, "XBM", "xbm", { "xbm" }, { "image/x-xbitmap" }, isXbm },
        // Last: it would take any header whose bytes happen to fit.
        { "Targa", D::Plugin, "tga", nullptr, { "tga", "icb", "vda", "vst" }, { "image/x-tga" },
            isTarga },
    };
    return formats;
}

// What the content is when it is no picture but something some library would render: each
// names what it is, since the user may well have taken it for a picture.
struct Document
{
    bool (*matches)(const QByteArray &head);
    const char *refusal;
};

const Document documents[] = {
    { isPostScript, QT_TRANSLATE_NOOP("Reason", "this is a PostScript document, not a picture") },
    { isPdf, QT_TRANSLATE_NOOP("Reason", "this is a PDF document, not a picture") },
    { isXps, QT_TRANSLATE_NOOP("Reason", "this is an XPS document, not a picture") },
    { isSvg, QT_TRANSLATE_NOOP("Reason", "this is an SVG drawing, not a picture") },
    { isMetafile,
        QT_TRANSLATE_NOOP("Reason", "this is a Windows metafile drawing, not a picture") },
};

} // namespace

const QVector<Format> &all()
{
    return table();
}

Verdict identify(const QByteArray &head)
{
    Verdict verdict;
    // Documents first: whatever else their bytes might pass for, a library would hand them to
    // an interpreter.
    for (const Document &document : documents) {
        if (document.matches(head)) {
            verdict.refusal = document.refusal;
            return verdict;
        }
    }
    for (const Format &format : table()) {
        if (format.matches(head)) {
            verdict.format = &format;
            return verdict;
        }
    }
    verdict.refusal = hasPdfHeader(head)
        ? QT_TRANSLATE_NOOP("Reason", "this is a PDF document, not a picture")
        : QT_TRANSLATE_NOOP("Reason", "not a picture this program can read");
    return verdict;
}

QStringList patterns()
{
    QStringList patterns
        = { "*.psd", "*.png", "*.gif", "*.jpg", "*.bmp", "*.tif", "*.tga", "*.jp2" };
    QStringList others;
    for (const Format &format : table()) {
        for (const QString &suffix : format.suffixes)
            others.append(QStringLiteral("*.") + suffix);
    }
    others.sort();
    for (const QString &pattern : qAsConst(others)) {
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return patterns;
}

QString filterPatterns(const Format *format)
{
    QStringList lower;
    if (format) {
        for (const QString &suffix : format->suffixes)
            lower.append(QStringLiteral("*.") + suffix);
    } else {
        lower = patterns();
    }
    // Qt's own picker matches in any case, but the GTK one that Qt uses under GNOME matches
    // case by case: UPPER.JPG from a camera would not be shown there without its own pattern.
    QStringList upper;
    for (const QString &pattern : qAsConst(lower))
        upper.append(pattern.toUpper());
    return (lower + upper).join(QLatin1Char(' '));
}

QStringList mimeTypes()
{
    QStringList types;
    for (const Format &format : all())
        types += format.mimeTypes;
    return types;
}

QList<QByteArray> pluginsFor(const Format *format)
{
    // Readers built into Qt itself, which no plug-in brings.
    static const QSet<QByteArray> builtIn = { "bmp", "xpm", "xbm", "png", "ppm", "pgm", "pbm" };
    QList<QByteArray> plugins;
    for (const Format &each : table()) {
        if (format && &each != format)
            continue;
        for (const char *plugin :
            { each.decoder == Decoder::Plugin ? each.coder : nullptr, each.fallback }) {
            if (plugin && !builtIn.contains(plugin) && !plugins.contains(plugin))
                plugins.append(plugin);
        }
    }
    return plugins;
}

} // namespace InputFormats
