#include "avifcoder.h"

#include <QScopeGuard>
#include <QtGlobal>

#include <Magick++.h>

#include <avif/avif.h>

#include <limits>
#include <memory>
#include <string>

#include "magickpixels.h"

namespace {

[[noreturn]] void fail(const std::string &message)
{
    throw Magick::ErrorCoder("AVIF: " + message);
}

void check(avifResult result)
{
    if (result != AVIF_RESULT_OK)
        fail(avifResultToString(result));
}

using Picture = std::unique_ptr<avifImage, void (*)(avifImage *)>;
using Encoder = std::unique_ptr<avifEncoder, void (*)(avifEncoder *)>;

// 8-bit RGB into full-range BT.601 YUV, 4:4:4 or 4:2:0 (each chroma sample of the mean of its
// two by two pixels), rounded as the library's own exact conversion rounds, at a twentieth of
// its time. The library's fast way (libyuv) keeps 7 bits of each factor: some 0.7 dB lost.
void toYuv601(const avifRGBImage &rgb, avifImage *picture)
{
    check(avifImageAllocatePlanes(picture, AVIF_PLANES_YUV));
    // The factors in 16 fractional bits, each row summing to 65536 for Y and to 0 for U, V.
    constexpr int yR = 19595, yG = 38470, yB = 7471;
    constexpr int uR = -11059, uG = -21709, uB = 32768;
    constexpr int vR = 32768, vG = -27439, vB = -5329;
    // Sums of 1, 2 or 4 pixels: 16, 17 or 18 bits to shift off.
    const auto chroma = [](int r, int g, int b, int kR, int kG, int kB, int shift) {
        return uint8_t(
            qMin(255, (kR * r + kG * g + kB * b + (128 << shift) + (1 << (shift - 1))) >> shift));
    };
    const uint32_t width = picture->width;
    const uint32_t height = picture->height;
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t *in = rgb.pixels + size_t(y) * rgb.rowBytes;
        uint8_t *luma = picture->yuvPlanes[AVIF_CHAN_Y] + size_t(y) * picture->yuvRowBytes[0];
        for (uint32_t x = 0; x < width; ++x, in += 3)
            luma[x] = uint8_t((yR * in[0] + yG * in[1] + yB * in[2] + 32768) >> 16);
    }
    const uint32_t step = picture->yuvFormat == AVIF_PIXEL_FORMAT_YUV420 ? 2 : 1;
    for (uint32_t y = 0; y < height; y += step) {
        const uint32_t rows = qMin(step, height - y);
        uint8_t *u = picture->yuvPlanes[AVIF_CHAN_U] + size_t(y / step) * picture->yuvRowBytes[1];
        uint8_t *v = picture->yuvPlanes[AVIF_CHAN_V] + size_t(y / step) * picture->yuvRowBytes[2];
        for (uint32_t x = 0; x < width; x += step) {
            const uint32_t columns = qMin(step, width - x);
            int r = 0, g = 0, b = 0;
            for (uint32_t dy = 0; dy < rows; ++dy) {
                const uint8_t *in = rgb.pixels + size_t(y + dy) * rgb.rowBytes + size_t(x) * 3;
                for (uint32_t dx = 0; dx < columns; ++dx, in += 3) {
                    r += in[0];
                    g += in[1];
                    b += in[2];
                }
            }
            const int shift = 16 + int(rows + columns) - 2;
            u[x / step] = chroma(r, g, b, uR, uG, uB, shift);
            v[x / step] = chroma(r, g, b, vR, vG, vB, shift);
        }
    }
}

// The image (taken over) in the encoder's planes.
Picture pictureOf(Magick::Image &&source, const AvifCoder::Settings &settings)
{
    Magick::Image image = std::move(source);
    const uint32_t width = uint32_t(image.columns());
    const uint32_t height = uint32_t(image.rows());
    if (width == 0 || height == 0)
        fail("the image is empty");
    const QByteArray icc = toRgb(image);
    const QByteArray exif = exifTiffOf(image);
    const bool deep = image.depth() > 8;
    const bool alpha = image.matte();

    const avifPixelFormat chroma = settings.lossless || settings.fullChroma
        ? AVIF_PIXEL_FORMAT_YUV444
        : AVIF_PIXEL_FORMAT_YUV420;
    Picture picture(avifImageCreate(width, height, deep ? 10 : 8, chroma), avifImageDestroy);
    if (!picture)
        fail("not enough memory to encode the picture");
    // Without loss the samples go in as they are: no conversion to YUV, which rounds.
    // Otherwise BT.601, as JPEG has it: the one matrix the library converts to YUV through
    // libyuv (some 20 times faster than its own way, which every other matrix takes), and
    // the one decoders assume when none is named.
    picture->matrixCoefficients
        = settings.lossless ? AVIF_MATRIX_COEFFICIENTS_IDENTITY : AVIF_MATRIX_COEFFICIENTS_BT601;
    // Pixels without a profile are sRGB; saying so spares a viewer the guess.
    if (icc.isEmpty()) {
        picture->colorPrimaries = AVIF_COLOR_PRIMARIES_BT709;
        picture->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_SRGB;
    }
    if (!icc.isEmpty())
        avifImageSetProfileICC(
            picture.get(), reinterpret_cast<const uint8_t *>(icc.constData()), size_t(icc.size()));
    if (!exif.isEmpty())
        avifImageSetMetadataExif(picture.get(), reinterpret_cast<const uint8_t *>(exif.constData()),
            size_t(exif.size()));

    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, picture.get());
    rgb.format = alpha ? AVIF_RGB_FORMAT_RGBA : AVIF_RGB_FORMAT_RGB;
    rgb.depth = deep ? 16 : 8;
    rgb.avoidLibYUV = AVIF_TRUE;
    avifRGBImageAllocatePixels(&rgb);
    const auto freePixels = qScopeGuard([&rgb] { avifRGBImageFreePixels(&rgb); });
    // Rows of the library's buffer are as long as ours: one write fills it.
    if (rgb.rowBytes != width * (alpha ? 4 : 3) * (deep ? 2 : 1))
        fail("unexpected row layout");
    image.write(0, 0, width, height, alpha ? "RGBA" : "RGB",
        deep ? Magick::ShortPixel : Magick::CharPixel, rgb.pixels);
    image = Magick::Image();
    if (!deep && !alpha && !settings.lossless)
        toYuv601(rgb, picture.get());
    else
        check(avifImageRGBToYUV(picture.get(), &rgb));
    return picture;
}

Encoder encoderFor(const AvifCoder::Settings &settings)
{
    Encoder encoder(avifEncoderCreate(), avifEncoderDestroy);
    if (!encoder)
        fail("not enough memory to encode the picture");
    encoder->maxThreads = qMax(1, settings.threads);
    encoder->speed = qBound(0, settings.speed, 10);
    const int quantizer
        = settings.lossless ? AVIF_QUANTIZER_LOSSLESS : AvifCoder::quantizerFor(settings.quality);
    encoder->minQuantizer = encoder->maxQuantizer = quantizer;
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = quantizer;
    return encoder;
}

// The encoder's output as ours, its own freed.
QByteArray taken(avifRWData *output)
{
    const QByteArray file(reinterpret_cast<const char *>(output->data), int(output->size));
    avifRWDataFree(output);
    return file;
}

using Decoder = std::unique_ptr<avifDecoder, void (*)(avifDecoder *)>;

// A decoder that has parsed the bytes' headers; nullptr when they are no AVIF it can read.
Decoder parsed(const QByteArray &bytes)
{
    Decoder decoder(avifDecoderCreate(), avifDecoderDestroy);
    if (!decoder)
        fail("not enough memory to read the picture");
    // One core: a worker reading frames shares the machine with the others.
    decoder->maxThreads = 1;
    if (avifDecoderSetIOMemory(decoder.get(), reinterpret_cast<const uint8_t *>(bytes.constData()),
            size_t(bytes.size()))
            != AVIF_RESULT_OK
        || avifDecoderParse(decoder.get()) != AVIF_RESULT_OK)
        return Decoder(nullptr, avifDecoderDestroy);
    return decoder;
}

} // namespace

namespace AvifCoder {

int quantizerFor(int quality)
{
    return (AVIF_QUANTIZER_WORST_QUALITY * (100 - qBound(0, quality, 100)) + 50) / 100;
}

QByteArray encode(Magick::Image &&source, const Settings &settings)
{
    Picture picture = pictureOf(std::move(source), settings);
    const Encoder encoder = encoderFor(settings);
    avifRWData output = AVIF_DATA_EMPTY;
    check(avifEncoderWrite(encoder.get(), picture.get(), &output));
    return taken(&output);
}

QByteArray encodeAnimation(std::vector<Magick::Image> &&frames, const Settings &settings)
{
    if (frames.empty())
        fail("the animation has no frames");
    const Encoder encoder = encoderFor(settings);
    // Delays are kept in hundredths of a second.
    encoder->timescale = 100;
    const size_t width = frames.front().columns();
    const size_t height = frames.front().rows();
    for (Magick::Image &frame : frames) {
        if (frame.columns() != width || frame.rows() != height)
            fail("the frames of an animation differ in size");
        const uint64_t delay = qMax<uint64_t>(frame.animationDelay(), 1);
        Picture picture = pictureOf(std::move(frame), settings);
        check(avifEncoderAddImage(encoder.get(), picture.get(), delay, AVIF_ADD_IMAGE_FLAG_NONE));
    }
    frames.clear();
    avifRWData output = AVIF_DATA_EMPTY;
    check(avifEncoderFinish(encoder.get(), &output));
    return taken(&output);
}

unsigned frameCount(const QByteArray &bytes, quint64 *pixels)
{
    const Decoder decoder = parsed(bytes);
    if (!decoder)
        return 1;
    const unsigned count = unsigned(qMax(1, decoder->imageCount));
    if (pixels)
        *pixels = quint64(decoder->image->width) * decoder->image->height * count;
    return count;
}

std::vector<Magick::Image> decodeAnimation(const QByteArray &bytes, unsigned count)
{
    const Decoder decoder = parsed(bytes);
    if (!decoder)
        fail("the image sequence cannot be read");
    std::vector<Magick::Image> frames;
    while (frames.size() < count) {
        const avifResult next = avifDecoderNextImage(decoder.get());
        if (next == AVIF_RESULT_NO_IMAGES_REMAINING)
            break;
        check(next);
        const avifImage *image = decoder->image;
        avifRGBImage rgb;
        avifRGBImageSetDefaults(&rgb, image);
        rgb.format = AVIF_RGB_FORMAT_RGBA;
        rgb.depth = image->depth > 8 ? 16 : 8;
        avifRGBImageAllocatePixels(&rgb);
        const auto freePixels = qScopeGuard([&rgb] { avifRGBImageFreePixels(&rgb); });
        check(avifImageYUVToRGB(image, &rgb));
        Magick::Image frame = imageFromPixels(image->width, image->height, "RGBA",
            rgb.depth > 8 ? Magick::ShortPixel : Magick::CharPixel, rgb.pixels);
        frame.animationDelay(unsigned(decoder->imageTiming.duration * 100 + 0.5));
        frames.push_back(frame);
    }
    return frames;
}

} // namespace AvifCoder
