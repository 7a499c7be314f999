#include "qtimagebridge.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

#include <Magick++.h>

#include <climits>
#include <cstring>
#include <vector>

#include <zlib.h>

#include "diagnostics.h"
#include "magickpixels.h"
#include "resourcelimits.h"

namespace {

// How a QImage format is handed to ConstituteImage: the QImage is first converted to
// `format`, whose rows are then packed into one buffer of `map` samples of `storage` type.
struct PixelLayout
{
    QImage::Format format;
    const char *map;
    Magick::StorageType storage;
    int bytesPerPixel;
    unsigned int depth;
};

PixelLayout layoutFor(const QImage &image)
{
    // The byte-ordered formats (RGB888, RGBA8888) and the 64-bit ones (whose QRgba64 keeps red,
    // green, blue, alpha in that order of native 16-bit words) read the same on every byte order,
    // unlike the 32-bit ARGB words. Alpha always goes in as "A": ConstituteImage flips it into
    // the library's opacity itself.
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        return { QImage::Format_Grayscale8, "I", Magick::CharPixel, 1, 8 };
    case QImage::Format_Grayscale16:
        return { QImage::Format_Grayscale16, "I", Magick::ShortPixel, 2, 16 };
    // Ten-bit samples would lose two bits in an 8-bit buffer; they fit a 16-bit one exactly.
    case QImage::Format_RGBX64:
    case QImage::Format_BGR30:
    case QImage::Format_RGB30:
        return { QImage::Format_RGBX64, "RGBP", Magick::ShortPixel, 8, 16 };
    // The premultiplied variants are divided back out by the conversion, so a half-transparent
    // pixel keeps its colour instead of arriving darkened.
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_A2BGR30_Premultiplied:
    case QImage::Format_A2RGB30_Premultiplied:
        return { QImage::Format_RGBA64, "RGBA", Magick::ShortPixel, 8, 16 };
    default:
        break;
    }
    // Indexed, mono and every remaining 8-bit or smaller format: expand the palette or the
    // packed samples to 8-bit RGB, keeping alpha only where the image can carry it.
    if (image.hasAlphaChannel())
        return { QImage::Format_RGBA8888, "RGBA", Magick::CharPixel, 4, 8 };
    return { QImage::Format_RGB888, "RGB", Magick::CharPixel, 3, 8 };
}

// Every QImage gets a resolution when it is created, taken from the screen (or a fixed value
// without one), so a plug-in that found none in the file leaves that one behind. Passing it on
// would stamp a density the file never had; only a value the plug-in set differs from it.
bool hasOwnResolution(const QImage &image)
{
    if (image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0)
        return false;
    const QImage fresh(1, 1, QImage::Format_RGB32);
    return image.dotsPerMeterX() != fresh.dotsPerMeterX()
        || image.dotsPerMeterY() != fresh.dotsPerMeterY();
}

quint32 unsignedAt(const QByteArray &bytes, int pos, int size, bool bigEndian)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        const int at = bigEndian ? pos + i : pos + size - 1 - i;
        value = (value << 8) | quint8(bytes.at(at));
    }
    return value;
}

// The picture size from the fixed header of the formats whose plug-ins cannot tell it before
// decoding everything (Targa, PCX, SGI, Sun raster). An invalid size when the header is too
// short or the format is another.
QSize headerSize(const QByteArray &bytes, const QByteArray &format)
{
    if (format == "tga" && bytes.size() >= 18)
        return QSize(int(unsignedAt(bytes, 12, 2, false)), int(unsignedAt(bytes, 14, 2, false)));
    if (format == "pcx" && bytes.size() >= 12) {
        const int left = int(unsignedAt(bytes, 4, 2, false));
        const int top = int(unsignedAt(bytes, 6, 2, false));
        return QSize(int(unsignedAt(bytes, 8, 2, false)) - left + 1,
            int(unsignedAt(bytes, 10, 2, false)) - top + 1);
    }
    if (format == "rgb" && bytes.size() >= 10)
        return QSize(int(unsignedAt(bytes, 6, 2, true)), int(unsignedAt(bytes, 8, 2, true)));
    if (format == "ras" && bytes.size() >= 12) {
        const quint32 width = unsignedAt(bytes, 4, 4, true);
        const quint32 height = unsignedAt(bytes, 8, 4, true);
        // Sides past what a QSize holds are refused as the largest it can.
        return QSize(int(qMin<quint32>(width, INT_MAX)), int(qMin<quint32>(height, INT_MAX)));
    }
    return QSize();
}

// Krita and OpenRaster files are ZIP archives whose plug-ins decode the flattened picture they
// hold, "mergedimage.png", whatever its size: a few kilobytes of archive may hold a PNG of
// gigabytes. Its size, from its header chunk, inflated on its own; invalid when there is no
// such entry or its header cannot be read.
QSize archivedPictureSize(const QByteArray &bytes)
{
    static const QByteArray name("mergedimage.png");
    for (int at = bytes.indexOf("PK\x03\x04"); at >= 0 && at + 30 <= bytes.size();
         at = bytes.indexOf("PK\x03\x04", at + 4)) {
        const int method = int(unsignedAt(bytes, at + 8, 2, false));
        const int nameLength = int(unsignedAt(bytes, at + 26, 2, false));
        const int extraLength = int(unsignedAt(bytes, at + 28, 2, false));
        const int data = at + 30 + nameLength + extraLength;
        if (bytes.mid(at + 30, nameLength) != name || data > bytes.size())
            continue;
        // The signature, the header chunk's length and name, and its width and height.
        unsigned char head[24] = {};
        if (method == 0) {
            if (data + 24 > bytes.size())
                return QSize();
            std::memcpy(head, bytes.constData() + data, sizeof head);
        } else if (method == 8) {
            z_stream stream {};
            if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
                return QSize();
            stream.next_in
                = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData() + data));
            stream.avail_in = uInt(bytes.size() - data);
            stream.next_out = head;
            stream.avail_out = sizeof head;
            const int status = inflate(&stream, Z_SYNC_FLUSH);
            const bool whole = stream.avail_out == 0;
            inflateEnd(&stream);
            if (!whole || (status != Z_OK && status != Z_STREAM_END))
                return QSize();
        } else {
            return QSize();
        }
        const QByteArray png(reinterpret_cast<const char *>(head), sizeof head);
        if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
            return QSize();
        const quint32 width = unsignedAt(png, 16, 4, true);
        const quint32 height = unsignedAt(png, 20, 4, true);
        return QSize(int(qMin<quint32>(width, INT_MAX)), int(qMin<quint32>(height, INT_MAX)));
    }
    return QSize();
}

} // namespace

namespace QtImageBridge {

QImage read(
    const QByteArray &bytes, const QByteArray &format, QString *error, QStringList *warnings)
{
    // What the plug-in has to say about the bytes belongs to this file: it becomes a warning
    // of a picture that decodes, and part of the error of one that does not.
    const Diagnostics::QtMessageCapture capture;
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        if (error)
            *error = buffer.errorString();
        return QImage();
    }

    // The caller chose the plug-in from the bytes; no other may try them.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    // The pipeline applies the orientation tag itself; turning here as well would turn twice.
    reader.setAutoTransform(false);

    // The plug-in allocates the whole image at once: refuse what this machine cannot hold. An
    // archive's picture is measured before its plug-in is asked, which would decode it to tell.
    const bool archive = format == "kra" || format == "ora";
    QSize size = archive ? archivedPictureSize(bytes) : reader.size();
    if (!size.isValid() && !archive)
        size = headerSize(bytes, format);
    if (size.isValid())
        // The plug-in's image, perhaps a copy in another format, the packed rows handed to
        // the library and the library's image: up to 8 bytes each at 16 bits a sample.
        ResourceLimits::checkImageSize(
            quint64(size.width()), quint64(size.height()), 4 * ResourceLimits::pixelBytes);

    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (error) {
            *error = reader.errorString();
            if (error->isEmpty())
                *error = QStringLiteral("No Qt image plug-in could decode the data");
            // The plug-ins say what went wrong in their messages, not in the reader's error.
            if (!capture.messages().isEmpty())
                *error
                    += QStringLiteral(" (%1)").arg(capture.messages().join(QStringLiteral("; ")));
        }
        return QImage();
    }
    if (error)
        error->clear();
    if (warnings)
        *warnings += capture.messages();
    return image;
}

Magick::Image toMagick(const QImage &image)
{
    if (image.isNull())
        throw Magick::ErrorCorruptImage("QtImageBridge::toMagick: the image is empty");

    const PixelLayout layout = layoutFor(image);
    const QImage source = image.convertToFormat(layout.format);
    if (source.isNull())
        throw Magick::ErrorCorruptImage("QtImageBridge::toMagick: cannot convert the pixel format");

    // QImage pads each row to 32 bits; ConstituteImage wants the rows back to back.
    const size_t width = size_t(source.width());
    const size_t height = size_t(source.height());
    const size_t rowBytes = width * size_t(layout.bytesPerPixel);
    std::vector<unsigned char> pixels(rowBytes * height);
    for (size_t y = 0; y < height; ++y)
        std::memcpy(pixels.data() + y * rowBytes, source.constScanLine(int(y)), rowBytes);

    Magick::Image result = imageFromPixels(
        unsigned(width), unsigned(height), layout.map, layout.storage, pixels.data());
    result.depth(layout.depth);

    if (hasOwnResolution(image)) {
        result.resolutionUnits(Magick::PixelsPerInchResolution);
        result.xResolution(image.dotsPerMeterX() * 0.0254);
        result.yResolution(image.dotsPerMeterY() * 0.0254);
    }

    const QColorSpace colorSpace = image.colorSpace();
    if (colorSpace.isValid()) {
        const QByteArray icc = colorSpace.iccProfile();
        if (!icc.isEmpty())
            result.iccColorProfile(Magick::Blob(icc.constData(), size_t(icc.size())));
    }
    return result;
}

} // namespace QtImageBridge
