// WebP: photographs and pictures with transparency in small files, lossy or lossless.
#include "outputformat.h"

#include <QtGlobal>

#include <utility>

#include "webpcoder.h"

namespace OutputFormats {

namespace {

using namespace Options;

const Option &quality()
{
    static const Option row = number("WebP", "quality", 75, 0, 100, nullptr,
        { "webp-quality", "WebP quality (with --webp-lossless, the effort spent on size)" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Quality"))
                                  .asQuality();
    return row;
}

const Option &lossless()
{
    static const Option row = flag("WebP", "lossless", false, nullptr,
        { "webp-lossless", "Write lossless WebP, every pixel kept." })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Compression"),
                                      QT_TRANSLATE_NOOP("OptionForm", "Lossless"));
    return row;
}

const Option &method()
{
    static const Option row = number("WebP", "method", 4, 0, 6, nullptr,
        { "webp-effort", "WebP effort: slower for smaller files" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Effort"));
    return row;
}

#ifndef TARVO_NO_CODECS
WebpCoder::Settings settingsOf(const ConversionSettings &settings)
{
    WebpCoder::Settings webp;
    webp.quality = quality().get(settings).toInt();
    webp.lossless = lossless().get(settings).toBool();
    webp.method = method().get(settings).toInt();
    return webp;
}
#endif

} // namespace

const OutputFormat &webp()
{
    static const OutputFormat format = {
        "webp",
        "WebP",
        "WebP",
        ".webp",
        "image/webp",
        { quality(), lossless(), method() },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "WebP quality: the detail kept, or for lossless WebP the effort spent on size"),
        // The image, its 8-bit copy and the encoder's YUV planes and tokens.
        20,
        nullptr,
        TARVO_CODEC([](Magick::Image &&image, const ConversionSettings &settings) {
            return WebpCoder::encode(std::move(image), settingsOf(settings));
        }),
        OutputFormat::Frames::Animation,
        TARVO_CODEC([](std::vector<Magick::Image> &&frames, const ConversionSettings &settings) {
            return WebpCoder::encodeAnimation(std::move(frames), settingsOf(settings));
        }),
    };
    return format;
}

} // namespace OutputFormats
