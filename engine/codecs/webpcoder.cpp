#include "webpcoder.h"

#include <Magick++.h>

#include <webp/encode.h>
#include <webp/demux.h>
#include <webp/mux.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "magickpixels.h"

namespace {

[[noreturn]] void fail(const std::string &message)
{
    throw Magick::ErrorCoder("WebP: " + message);
}

const char *encodeError(WebPEncodingError error)
{
    switch (error) {
    case VP8_ENC_ERROR_OUT_OF_MEMORY:
    case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY:
        return "not enough memory to encode the picture";
    case VP8_ENC_ERROR_BAD_DIMENSION:
        return "the picture is larger than WebP allows (16383 pixels a side)";
    case VP8_ENC_ERROR_FILE_TOO_BIG:
        return "the picture is larger than a WebP file can hold (4 GiB)";
    default:
        return "the encoder failed";
    }
}

// Adds the profiles as the container's ICCP and EXIF chunks.
QByteArray withProfiles(const QByteArray &bare, const QByteArray &icc, const QByteArray &exif)
{
    const WebPData image { reinterpret_cast<const uint8_t *>(bare.constData()),
        size_t(bare.size()) };
    std::unique_ptr<WebPMux, void (*)(WebPMux *)> mux(WebPMuxCreate(&image, 0), WebPMuxDelete);
    if (!mux)
        fail("cannot add the profiles");
    const auto add = [&](const char *chunk, const QByteArray &bytes) {
        const WebPData data { reinterpret_cast<const uint8_t *>(bytes.constData()),
            size_t(bytes.size()) };
        if (!bytes.isEmpty() && WebPMuxSetChunk(mux.get(), chunk, &data, 1) != WEBP_MUX_OK)
            fail(std::string("cannot add the ") + chunk + " profile");
    };
    add("ICCP", icc);
    add("EXIF", exif);
    WebPData assembled;
    WebPDataInit(&assembled);
    if (WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK)
        fail("cannot add the profiles");
    const QByteArray file(reinterpret_cast<const char *>(assembled.bytes), int(assembled.size));
    WebPDataClear(&assembled);
    return file;
}

WebPConfig configFor(const WebpCoder::Settings &settings)
{
    WebPConfig config;
    if (!WebPConfigInit(&config))
        fail("the library does not match the one built against");
    config.quality = float(qBound(0, settings.quality, 100));
    config.lossless = settings.lossless ? 1 : 0;
    config.method = qBound(0, settings.method, 6);
    // Lossless keeps every pixel, the colour under a transparent one too.
    config.exact = config.lossless;
    if (!WebPValidateConfig(&config))
        fail("the settings are out of range");
    return config;
}

// The image's pixels as a picture for the encoder (which the caller frees); the image is
// emptied.
void importInto(WebPPicture *picture, Magick::Image &image, bool argb)
{
    const int width = int(image.columns());
    const int height = int(image.rows());
    const bool alpha = image.matte();
    const int channels = alpha ? 4 : 3;
    std::vector<uint8_t> pixels(size_t(width) * size_t(height) * size_t(channels));
    image.write(0, 0, unsigned(width), unsigned(height), alpha ? "RGBA" : "RGB", Magick::CharPixel,
        pixels.data());
    image = Magick::Image();
    if (!WebPPictureInit(picture))
        fail("the library does not match the one built against");
    picture->width = width;
    picture->height = height;
    picture->use_argb = argb;
    const int stride = width * channels;
    const bool imported = alpha ? WebPPictureImportRGBA(picture, pixels.data(), stride)
                                : WebPPictureImportRGB(picture, pixels.data(), stride);
    if (!imported)
        fail(encodeError(VP8_ENC_ERROR_OUT_OF_MEMORY));
}

void checkSize(const Magick::Image &image)
{
    if (image.columns() == 0 || image.rows() == 0)
        fail("the image is empty");
    if (image.columns() > WEBP_MAX_DIMENSION || image.rows() > WEBP_MAX_DIMENSION)
        fail(encodeError(VP8_ENC_ERROR_BAD_DIMENSION));
}

} // namespace

namespace WebpCoder {

QByteArray encode(Magick::Image &&source, const Settings &settings)
{
    Magick::Image image = std::move(source);
    checkSize(image);
    const QByteArray icc = toRgb(image);
    const QByteArray exif = profileOf(image, "EXIF");
    const WebPConfig config = configFor(settings);

    WebPPicture picture;
    importInto(&picture, image, config.lossless);
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    const bool encoded = WebPEncode(&config, &picture);
    const WebPEncodingError error = picture.error_code;
    WebPPictureFree(&picture);
    if (!encoded) {
        WebPMemoryWriterClear(&writer);
        fail(encodeError(error));
    }
    const QByteArray bare(reinterpret_cast<const char *>(writer.mem), int(writer.size));
    WebPMemoryWriterClear(&writer);
    if (icc.isEmpty() && exif.isEmpty())
        return bare;
    return withProfiles(bare, icc, exif);
}

QByteArray encodeAnimation(std::vector<Magick::Image> &&frames, const Settings &settings)
{
    if (frames.empty())
        fail("the animation has no frames");
    const Magick::Image &first = frames.front();
    checkSize(first);
    const int width = int(first.columns());
    const int height = int(first.rows());
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options))
        fail("the library does not match the one built against");
    options.anim_params.loop_count = int(first.animationIterations());
    std::unique_ptr<WebPAnimEncoder, void (*)(WebPAnimEncoder *)> encoder(
        WebPAnimEncoderNew(width, height, &options), WebPAnimEncoderDelete);
    if (!encoder)
        fail(encodeError(VP8_ENC_ERROR_OUT_OF_MEMORY));
    const WebPConfig config = configFor(settings);
    int timestamp = 0; // milliseconds
    for (Magick::Image &frame : frames) {
        if (int(frame.columns()) != width || int(frame.rows()) != height)
            fail("the frames of an animation differ in size");
        if (frame.colorSpace() == Magick::CMYKColorspace)
            frame.colorSpace(Magick::RGBColorspace);
        const int delay = int(frame.animationDelay()) * 10;
        WebPPicture picture;
        importInto(&picture, frame, config.lossless);
        const bool added = WebPAnimEncoderAdd(encoder.get(), &picture, timestamp, &config);
        WebPPictureFree(&picture);
        if (!added)
            fail(WebPAnimEncoderGetError(encoder.get()));
        timestamp += delay;
    }
    frames.clear();
    WebPData assembled;
    WebPDataInit(&assembled);
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr)
        || !WebPAnimEncoderAssemble(encoder.get(), &assembled))
        fail(WebPAnimEncoderGetError(encoder.get()));
    const QByteArray file(reinterpret_cast<const char *>(assembled.bytes), int(assembled.size));
    WebPDataClear(&assembled);
    return file;
}

unsigned frameCount(const QByteArray &bytes, quint64 *pixels)
{
    const WebPData data { reinterpret_cast<const uint8_t *>(bytes.constData()),
        size_t(bytes.size()) };
    std::unique_ptr<WebPDemuxer, void (*)(WebPDemuxer *)> demux(WebPDemux(&data), WebPDemuxDelete);
    if (!demux)
        return 1;
    const unsigned count = qMax(1u, WebPDemuxGetI(demux.get(), WEBP_FF_FRAME_COUNT));
    if (pixels)
        *pixels = quint64(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH))
            * WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT) * count;
    return count;
}

std::vector<Magick::Image> decodeAnimation(const QByteArray &bytes, unsigned count)
{
    const WebPData data { reinterpret_cast<const uint8_t *>(bytes.constData()),
        size_t(bytes.size()) };
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        fail("the library does not match the one built against");
    options.color_mode = MODE_RGBA;
    std::unique_ptr<WebPAnimDecoder, void (*)(WebPAnimDecoder *)> decoder(
        WebPAnimDecoderNew(&data, &options), WebPAnimDecoderDelete);
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info))
        fail("the animation cannot be read");
    std::vector<Magick::Image> frames;
    int shown = 0; // milliseconds
    while (frames.size() < count && WebPAnimDecoderHasMoreFrames(decoder.get())) {
        uint8_t *canvas = nullptr;
        int timestamp = 0; // when the frame ends
        if (!WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp))
            fail("a frame of the animation is damaged");
        Magick::Image frame = imageFromPixels(
            info.canvas_width, info.canvas_height, "RGBA", Magick::CharPixel, canvas);
        frame.animationDelay(unsigned(qMax(0, timestamp - shown) + 5) / 10);
        frame.animationIterations(info.loop_count);
        shown = timestamp;
        frames.push_back(frame);
    }
    return frames;
}

} // namespace WebpCoder
