#include "avifcoder.h"

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

} // namespace

namespace AvifCoder {

int quantizerFor(int quality)
{
    return (AVIF_QUANTIZER_WORST_QUALITY * (100 - qBound(0, quality, 100)) + 50) / 100;
}

QByteArray encode(Magick::Image &&source, const Settings &settings)
{
    Magick::Image image = std::move(source);
    const uint32_t width = uint32_t(image.columns());
    const uint32_t height = uint32_t(image.rows());
    if (width == 0 || height == 0)
        fail("the image is empty");
    const QByteArray icc = toRgb(image);
    const bool deep = image.depth() > 8;
    const bool alpha = image.matte();

    const avifPixelFormat chroma = settings.lossless || settings.fullChroma
        ? AVIF_PIXEL_FORMAT_YUV444
        : AVIF_PIXEL_FORMAT_YUV420;
    std::unique_ptr<avifImage, void (*)(avifImage *)> picture(
        avifImageCreate(width, height, deep ? 10 : 8, chroma), avifImageDestroy);
    if (!picture)
        fail("not enough memory to encode the picture");
    // Without loss the samples go in as they are: no conversion to YUV, which rounds.
    if (settings.lossless)
        picture->matrixCoefficients = AVIF_MATRIX_COEFFICIENTS_IDENTITY;
    if (!icc.isEmpty())
        avifImageSetProfileICC(
            picture.get(), reinterpret_cast<const uint8_t *>(icc.constData()), size_t(icc.size()));

    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, picture.get());
    rgb.format = alpha ? AVIF_RGB_FORMAT_RGBA : AVIF_RGB_FORMAT_RGB;
    rgb.depth = deep ? 16 : 8;
    avifRGBImageAllocatePixels(&rgb);
    const auto freePixels = [&rgb] { avifRGBImageFreePixels(&rgb); };
    try {
        // Rows of the library's buffer are as long as ours: one write fills it.
        if (rgb.rowBytes != width * (alpha ? 4 : 3) * (deep ? 2 : 1))
            fail("unexpected row layout");
        image.write(0, 0, width, height, alpha ? "RGBA" : "RGB",
            deep ? Magick::ShortPixel : Magick::CharPixel, rgb.pixels);
        image = Magick::Image();
        check(avifImageRGBToYUV(picture.get(), &rgb));
    } catch (...) {
        freePixels();
        throw;
    }
    freePixels();

    std::unique_ptr<avifEncoder, void (*)(avifEncoder *)> encoder(
        avifEncoderCreate(), avifEncoderDestroy);
    if (!encoder)
        fail("not enough memory to encode the picture");
    encoder->maxThreads = qMax(1, settings.threads);
    encoder->speed = qBound(0, settings.speed, 10);
    const int quantizer
        = settings.lossless ? AVIF_QUANTIZER_LOSSLESS : quantizerFor(settings.quality);
    encoder->minQuantizer = encoder->maxQuantizer = quantizer;
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = quantizer;
    avifRWData output = AVIF_DATA_EMPTY;
    check(avifEncoderWrite(encoder.get(), picture.get(), &output));
    const QByteArray file(reinterpret_cast<const char *>(output.data), int(output.size));
    avifRWDataFree(&output);
    return file;
}

} // namespace AvifCoder
