// JPEG XL: lossy or lossless; a JPEG converted without loss is recompressed as it is, and can
// be given back byte for byte.
#include "outputformat.h"

#include <QtGlobal>

#include <utility>

#include "jxlcoder.h"
#include "resourcelimits.h"

namespace OutputFormats {

namespace {

using namespace Options;

const Option &quality()
{
    static const Option row = number("JXL", "quality", 90, 0, 100, nullptr,
        { "jxl-quality", "JPEG XL quality (90: visually lossless, 100: lossless)" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Quality"))
                                  .asQuality();
    return row;
}

const Option &lossless()
{
    static const Option row
        = flag("JXL", "lossless", false, nullptr,
            { "jxl-lossless",
                "Write lossless JPEG XL; a JPEG is recompressed as it is (djxl gives it back)." })
              .labelled(QT_TRANSLATE_NOOP("OptionForm", "Compression"),
                  QT_TRANSLATE_NOOP("OptionForm", "Lossless (a JPEG is kept as it is)"));
    return row;
}

const Option &effort()
{
    static const Option row = number("JXL", "effort", 7, 1, 9, nullptr,
        { "jxl-effort", "JPEG XL effort: slower for smaller files" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Effort"));
    return row;
}

#ifndef TARVO_NO_CODECS
JxlCoder::Settings settingsOf(const ConversionSettings &settings)
{
    JxlCoder::Settings jxl;
    jxl.quality = quality().get(settings).toInt();
    jxl.lossless = lossless().get(settings).toBool();
    jxl.effort = effort().get(settings).toInt();
    jxl.threads = ResourceLimits::threadsPerWorker();
    return jxl;
}
#endif

} // namespace

const OutputFormat &jxl()
{
    static const OutputFormat format = {
        "jxl",
        "JPEG XL",
        "JPEG XL",
        ".jxl",
        "image/jxl",
        { quality(), lossless(), effort() },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "JPEG XL quality: 90 looks the same as the original, 100 keeps every pixel"),
        // The image, its samples for the encoder and the encoder's own planes.
        24,
        nullptr,
        TARVO_CODEC([](Magick::Image &&image, const ConversionSettings &settings) {
            return JxlCoder::encode(std::move(image), settingsOf(settings));
        }),
        OutputFormat::Frames::First,
        nullptr,
        // A JPEG asked for without loss, and not to be resized: its own data, recompressed.
        TARVO_CODEC([](const QByteArray &head, const ConversionSettings &settings) {
            return lossless().get(settings).toBool() && !settings.resizeEnabled
                && head.startsWith("\xff\xd8\xff");
        }),
        TARVO_CODEC([](const QByteArray &input, const ConversionSettings &settings) {
            return JxlCoder::recompressJpeg(input, settingsOf(settings));
        }),
    };
    return format;
}

} // namespace OutputFormats
