#include "jxlcoder.h"

#include <QtGlobal>

#include <Magick++.h>

#include <jxl/encode.h>
#include <jxl/thread_parallel_runner.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "magickpixels.h"

namespace {

[[noreturn]] void fail(const std::string &message)
{
    throw Magick::ErrorCoder("JPEG XL: " + message);
}

using Encoder = std::unique_ptr<JxlEncoder, void (*)(JxlEncoder *)>;
using Runner = std::unique_ptr<void, void (*)(void *)>;

void check(JxlEncoderStatus status, const char *what)
{
    if (status != JXL_ENC_SUCCESS)
        fail(what);
}

// An encoder that runs on the settings' threads (the runner must outlive it).
Encoder makeEncoder(const JxlCoder::Settings &settings, Runner *runner)
{
    Encoder encoder(JxlEncoderCreate(nullptr), JxlEncoderDestroy);
    if (!encoder)
        fail("not enough memory to encode the picture");
    if (settings.threads > 1) {
        runner->reset(JxlThreadParallelRunnerCreate(nullptr, size_t(settings.threads)));
        if (*runner)
            check(
                JxlEncoderSetParallelRunner(encoder.get(), JxlThreadParallelRunner, runner->get()),
                "cannot use threads");
    }
    return encoder;
}

JxlEncoderFrameSettings *frameSettings(JxlEncoder *encoder, const JxlCoder::Settings &settings)
{
    JxlEncoderFrameSettings *frame = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    if (!frame)
        fail("not enough memory to encode the picture");
    check(JxlEncoderFrameSettingsSetOption(
              frame, JXL_ENC_FRAME_SETTING_EFFORT, qBound(1, settings.effort, 9)),
        "the effort is out of range");
    return frame;
}

// Everything the encoder has made of its closed input.
QByteArray output(JxlEncoder *encoder)
{
    QByteArray out(1 << 16, Qt::Uninitialized);
    size_t used = 0;
    for (;;) {
        auto *next = reinterpret_cast<uint8_t *>(out.data()) + used;
        size_t available = size_t(out.size()) - used;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder, &next, &available);
        used = size_t(out.size()) - available;
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            fail(JxlEncoderGetError(encoder) == JXL_ENC_ERR_OOM
                    ? "not enough memory to encode the picture"
                    : "the encoder failed");
        if (out.size() > std::numeric_limits<int>::max() / 2)
            fail("the encoded picture is too large");
        out.resize(out.size() * 2);
    }
    out.resize(int(used));
    return out;
}

} // namespace

namespace JxlCoder {

float distanceFor(int quality)
{
    if (quality >= 100)
        return 0.0f;
    if (quality >= 30)
        return 0.1f + float(100 - quality) * 0.09f;
    return 6.4f + float(std::pow(2.5, (30 - quality) / 5.0) / 6.25);
}

QByteArray encode(Magick::Image &&source, const Settings &settings)
{
    Magick::Image image = std::move(source);
    if (image.columns() == 0 || image.rows() == 0)
        fail("the image is empty");
    const QByteArray icc = toRgb(image);
    const QByteArray exif = exifTiffOf(image);
    const bool deep = image.depth() > 8;
    const bool alpha = image.matte();
    const bool lossless = settings.lossless || distanceFor(settings.quality) == 0.0f;

    Runner runner(nullptr, JxlThreadParallelRunnerDestroy);
    const Encoder encoder = makeEncoder(settings, &runner);
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(image.columns());
    info.ysize = uint32_t(image.rows());
    info.bits_per_sample = deep ? 16 : 8;
    info.num_color_channels = 3;
    info.num_extra_channels = alpha ? 1 : 0;
    info.alpha_bits = alpha ? info.bits_per_sample : 0;
    // Without loss the samples are kept as they are, so in the picture's own colour space.
    info.uses_original_profile = lossless ? JXL_TRUE : JXL_FALSE;
    check(JxlEncoderSetBasicInfo(encoder.get(), &info), "the picture's size is not allowed");
    if (!icc.isEmpty()) {
        check(JxlEncoderSetICCProfile(encoder.get(),
                  reinterpret_cast<const uint8_t *>(icc.constData()), size_t(icc.size())),
            "the colour profile is not usable");
    } else {
        JxlColorEncoding srgb;
        JxlColorEncodingSetToSRGB(&srgb, JXL_FALSE);
        check(JxlEncoderSetColorEncoding(encoder.get(), &srgb), "cannot set the colours");
    }
    JxlEncoderFrameSettings *frame = frameSettings(encoder.get(), settings);
    if (lossless)
        check(JxlEncoderSetFrameLossless(frame, JXL_TRUE), "cannot encode without loss");
    else
        check(JxlEncoderSetFrameDistance(frame, distanceFor(settings.quality)),
            "the quality is out of range");

    if (!exif.isEmpty()) {
        // The box starts with where the TIFF header lies in it: right after these 4 bytes.
        const QByteArray box = QByteArray(4, '\0') + exif;
        check(JxlEncoderUseBoxes(encoder.get()), "cannot add the EXIF profile");
        check(
            JxlEncoderAddBox(encoder.get(), "Exif",
                reinterpret_cast<const uint8_t *>(box.constData()), size_t(box.size()), JXL_FALSE),
            "cannot add the EXIF profile");
        JxlEncoderCloseBoxes(encoder.get());
    }
    const uint32_t channels = alpha ? 4 : 3;
    const JxlPixelFormat format { channels, deep ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
        JXL_NATIVE_ENDIAN, 0 };
    const size_t samples = size_t(info.xsize) * info.ysize * channels;
    std::vector<uint8_t> pixels(samples * (deep ? 2 : 1));
    image.write(0, 0, info.xsize, info.ysize, alpha ? "RGBA" : "RGB",
        deep ? Magick::ShortPixel : Magick::CharPixel, pixels.data());
    image = Magick::Image();
    check(JxlEncoderAddImageFrame(frame, &format, pixels.data(), pixels.size()),
        "the encoder refused the picture");
    pixels = std::vector<uint8_t>();
    JxlEncoderCloseInput(encoder.get());
    return output(encoder.get());
}

QByteArray recompressJpeg(const QByteArray &jpeg, const Settings &settings)
{
    Runner runner(nullptr, JxlThreadParallelRunnerDestroy);
    const Encoder encoder = makeEncoder(settings, &runner);
    check(JxlEncoderUseContainer(encoder.get(), JXL_TRUE), "cannot make the container");
    check(JxlEncoderStoreJPEGMetadata(encoder.get(), JXL_TRUE), "cannot keep the JPEG whole");
    JxlEncoderFrameSettings *frame = frameSettings(encoder.get(), settings);
    check(JxlEncoderAddJPEGFrame(
              frame, reinterpret_cast<const uint8_t *>(jpeg.constData()), size_t(jpeg.size())),
        "this JPEG cannot be recompressed without loss");
    JxlEncoderCloseInput(encoder.get());
    return output(encoder.get());
}

} // namespace JxlCoder
