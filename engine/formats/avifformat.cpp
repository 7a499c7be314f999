// AVIF: photographs in the smallest files, lossy or lossless, through libavif.
#include "outputformat.h"

#include <QtGlobal>

#include <utility>

#include "avifcoder.h"
#include "resourcelimits.h"

namespace OutputFormats {

namespace {

using namespace Options;

const Option &quality()
{
    static const Option row
        = number("AVIF", "quality", 60, 0, 100, nullptr, { "avif-quality", "AVIF quality" })
              .labelled(QT_TRANSLATE_NOOP("OptionForm", "Quality"))
              .asQuality();
    return row;
}

const Option &lossless()
{
    static const Option row = flag("AVIF", "lossless", false, nullptr,
        { "avif-lossless", "Write lossless AVIF, every pixel kept." })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Compression"),
                                      QT_TRANSLATE_NOOP("OptionForm", "Lossless"));
    return row;
}

const Option &speed()
{
    static const Option row = number("AVIF", "speed", 6, 0, 10, nullptr,
        { "avif-speed", "AVIF encoder speed: slower for smaller files" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Speed"));
    return row;
}

const Option &chroma()
{
    static const Option row
        = choice("AVIF", "chroma", 0, { "420", "444" }, nullptr,
            { "avif-chroma", "AVIF colour resolution" })
              .labelled(QT_TRANSLATE_NOOP("OptionForm", "Colour Resolution"))
              .showing({ QT_TRANSLATE_NOOP("OptionForm", "4:2:0 (half, as photos)"),
                  QT_TRANSLATE_NOOP("OptionForm", "4:4:4 (full, for sharp colour edges)") });
    return row;
}

#ifndef TARVO_NO_CODECS
AvifCoder::Settings settingsOf(const ConversionSettings &settings)
{
    AvifCoder::Settings avif;
    avif.quality = quality().get(settings).toInt();
    avif.lossless = lossless().get(settings).toBool();
    avif.speed = speed().get(settings).toInt();
    avif.fullChroma = chroma().get(settings).toInt() == 1;
    avif.threads = ResourceLimits::threadsPerWorker();
    return avif;
}
#endif

} // namespace

const OutputFormat &avif()
{
    static const OutputFormat format = {
        "avif",
        "AVIF",
        "AVIF",
        ".avif",
        "image/avif",
        { quality(), lossless(), speed(), chroma() },
        false,
        QT_TRANSLATE_NOOP(
            "GraphicConverter", "AVIF quality: the detail kept; lossless is set on the AVIF page"),
        // The image, its samples and the encoder's YUV planes and frame buffers.
        24,
        nullptr,
        TARVO_CODEC([](Magick::Image &&image, const ConversionSettings &settings) {
            return AvifCoder::encode(std::move(image), settingsOf(settings));
        }),
        OutputFormat::Frames::Animation,
        TARVO_CODEC([](std::vector<Magick::Image> &&frames, const ConversionSettings &settings) {
            return AvifCoder::encodeAnimation(std::move(frames), settingsOf(settings));
        }),
    };
    return format;
}

} // namespace OutputFormats
