#include "imageproperties.h"

#include <QDir>
#include <QFileInfo>

#include <Magick++.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <numeric>
#include <vector>

#include "imagedecoder.h"
#include "imagepipeline.h"
#include "jpegcheck.h"
#include "resourcelimits.h"

namespace {

ImageProperties::ResolutionUnit unitOf(const Magick::Image &image)
{
    switch (image.resolutionUnits()) {
    case MagickLib::PixelsPerInchResolution:
        return ImageProperties::PixelsPerInch;
    case MagickLib::PixelsPerCentimeterResolution:
        return ImageProperties::PixelsPerCentimetre;
    default:
        return ImageProperties::UndefinedUnit;
    }
}

bool holdsRgb(MagickLib::ColorspaceType colorspace)
{
    using namespace MagickLib;
    return IsRGBColorspace(colorspace);
}

bool cancelled(const QAtomicInt *cancel)
{
    return cancel && cancel->loadRelaxed();
}

// Rows fetched at a time: few calls into the pixel cache, and a cancel seen within a blink.
constexpr unsigned band = 64;

#if QuantumDepth <= 16
// Hands the picture's pixels to take, a band of rows at a time, until take returns false or
// *cancel is set; false then.
template <typename Take>
bool forEachBand(const Magick::Image &image, const QAtomicInt *cancel, Take &&take)
{
    const unsigned columns = unsigned(image.columns());
    const unsigned rows = unsigned(image.rows());
    for (unsigned y = 0; y < rows; y += band) {
        if (cancelled(cancel))
            return false;
        const unsigned height = std::min(band, rows - y);
        const MagickLib::PixelPacket *pixels = image.getConstPixels(0, y, columns, height);
        if (!pixels)
            throw std::bad_alloc();
        if (!take(pixels, size_t(columns) * height))
            return false;
    }
    return true;
}

// A bit for each of the 2^24 colours, while every sample fits in 8 bits; -1 when one does
// not (*wide set) or once *cancel is set.
qint64 countEightBitColours(const Magick::Image &image, const QAtomicInt *cancel, bool *wide)
{
    using MagickLib::PixelPacket;
    // A Q16 sample v holds the 8-bit sample v >> 8 exactly when both its bytes are equal.
    const auto eightBits = [](unsigned v) { return QuantumDepth == 8 || (v >> 8) == (v & 0xff); };
    const auto byteOf = [](unsigned v) { return QuantumDepth == 8 ? v : v >> 8; };
    std::vector<std::uint64_t> seen(std::size_t(1) << 18);
    *wide = false;
    const bool narrow = forEachBand(image, cancel, [&](const PixelPacket *pixels, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            const PixelPacket &p = pixels[i];
            if (!eightBits(p.red) || !eightBits(p.green) || !eightBits(p.blue)) {
                *wide = true;
                return false;
            }
            const std::uint32_t key = byteOf(p.red) << 16 | byteOf(p.green) << 8 | byteOf(p.blue);
            seen[key >> 6] |= std::uint64_t(1) << (key & 63);
        }
        return true;
    });
    if (!narrow)
        return -1;
    qint64 colours = 0;
    for (const std::uint64_t word : seen)
        colours += __builtin_popcountll(word);
    return colours;
}

// Spread by red, then sort each red's green and blue: small sorts that stay in the cache, and
// half the memory of sorting whole triples. -1 once *cancel is set.
qint64 countWideColours(const Magick::Image &image, const QAtomicInt *cancel)
{
    using MagickLib::PixelPacket;
    std::vector<std::uint32_t> start(std::size_t(1) << 16 | 1);
    if (!forEachBand(image, cancel, [&](const PixelPacket *pixels, size_t count) {
            for (size_t i = 0; i < count; ++i)
                ++start[pixels[i].red + 1];
            return true;
        }))
        return -1;
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
    std::vector<std::uint32_t> greenBlue(size_t(image.columns()) * image.rows());
    if (!forEachBand(image, cancel, [&](const PixelPacket *pixels, size_t count) {
            for (size_t i = 0; i < count; ++i)
                greenBlue[next[pixels[i].red]++]
                    = std::uint32_t(pixels[i].green) << 16 | pixels[i].blue;
            return true;
        }))
        return -1;
    qint64 colours = 0;
    for (std::size_t red = 0; red + 1 < start.size(); ++red) {
        if (red % 4096 == 0 && cancelled(cancel))
            return -1;
        const auto first = greenBlue.begin() + start[red];
        const auto last = greenBlue.begin() + start[red + 1];
        std::sort(first, last);
        colours += std::unique(first, last) - first;
    }
    return colours;
}
#endif

// Counts the distinct red, green and blue triples as the library's own count does, in a
// fraction of its time: a bit per colour while every sample fits in 8 bits (most photos),
// else a sort of the samples. Returns -1 once *cancel is set.
qint64 countColours(const Magick::Image &image, const QAtomicInt *cancel)
{
#if QuantumDepth > 16
    return cancelled(cancel) ? -1 : qint64(image.totalColors());
#else
    bool wide = false;
    const qint64 colours = countEightBitColours(image, cancel, &wide);
    return wide ? countWideColours(image, cancel) : colours;
#endif
}

} // namespace

ImageProperties ImageProperties::decode(
    Magick::Blob &blob, const QSize &thumbnailBox, const QAtomicInt *cancel)
{
    ImageProperties properties;
    const auto end = [&](Status status, const QString &reason = QString()) {
        properties = ImageProperties();
        properties.status = status;
        properties.error = reason;
        return properties;
    };
    const auto fail = [&](const QString &reason) { return end(Failed, reason); };
    try {
        if (blob.length() == 0)
            return fail(QStringLiteral("the file is empty."));
        // A JPEG's decoder can give a half, a quarter or an eighth of it at a fraction of the
        // cost: the smallest that is still no smaller than the thumbnail.
        QSize whole;
        const auto scale = [&](unsigned columns, unsigned rows) {
            whole = QSize(int(columns), int(rows));
            const double fit = std::min(
                double(thumbnailBox.width()) / columns, double(thumbnailBox.height()) / rows);
            unsigned denominator = 1;
            while (denominator < 8 && fit * denominator * 2 <= 1)
                denominator *= 2;
            return denominator;
        };
        Magick::Image image = ImageDecoder::decode(blob, nullptr, scale);
        blob = Magick::Blob();
        if (cancelled(cancel))
            return end(Cancelled);
        ImagePipeline::orientUpright(image);

        properties.size = whole.isValid() ? whole : QSize(int(image.columns()), int(image.rows()));
        const Magick::Geometry density = image.density();
        properties.resolution = QSize(int(density.width()), int(density.height()));
        properties.resolutionUnit = unitOf(image);

        image.scale(Magick::Geometry(thumbnailBox.width(), thumbnailBox.height()));
        // Exported as they are, a CMYK picture's samples would pass for red, green, blue and
        // opacity: white paper with red ink would show black with cyan.
        if (!holdsRgb(image.colorSpace()))
            image.colorSpace(MagickLib::RGBColorspace);
        // Bytes in this order whatever the machine's byte order.
        QImage thumbnail(int(image.columns()), int(image.rows()), QImage::Format_RGBA8888);
        if (thumbnail.isNull())
            throw std::bad_alloc();
        image.write(
            0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, thumbnail.bits());
        properties.thumbnail = thumbnail;
        properties.status = Read;
        return properties;
    } catch (Magick::Exception &e) {
        return fail(QString::fromLocal8Bit(e.what()));
    } catch (std::bad_alloc &) {
        return fail(QStringLiteral("not enough memory to show the image"));
    } catch (std::exception &e) {
        return fail(QString::fromLocal8Bit(e.what()));
    }
}

ImageProperties ImageProperties::countColours(Magick::Blob &blob, const QAtomicInt *cancel)
{
    ImageProperties properties;
    properties.status = Failed;
    try {
        // A JPEG is counted as libjpeg hands out its rows, whatever its size; a damaged one
        // the library may still read is left to it.
        const QByteArray bytes
            = QByteArray::fromRawData(static_cast<const char *>(blob.data()), int(blob.length()));
        if (bytes.startsWith("\xff\xd8\xff")) {
            const qint64 colours = JpegCheck::countColours(bytes, cancel);
            if (colours != -2) {
                properties.colours = colours;
                properties.status = colours < 0 ? Cancelled : Read;
                return properties;
            }
        }
        // The decoded picture and, past 8 bits a sample, a sort of its colours: refused before
        // the decoder takes what the budget cannot give, rather than failing on the way.
        const quint64 pixels = ImageDecoder::headerPixels(blob);
        if (pixels * (sizeof(MagickLib::PixelPacket) + 4) > ResourceLimits::memoryBudget()) {
            properties.status = TooLargeToCount;
            return properties;
        }
        Magick::Image image = ImageDecoder::decode(blob);
        blob = Magick::Blob();
        properties.colours = ::countColours(image, cancel);
        properties.status = properties.colours < 0 ? Cancelled : Read;
    } catch (Magick::ErrorResourceLimit &) {
        properties.status = TooLargeToCount;
    } catch (std::bad_alloc &) {
        properties.status = TooLargeToCount;
    } catch (Magick::Exception &e) {
        properties.error = QString::fromLocal8Bit(e.what());
    } catch (std::exception &e) {
        properties.error = QString::fromLocal8Bit(e.what());
    }
    if (properties.status != Read)
        properties.colours = -1;
    return properties;
}
