// JPEG 2000: written without loss by our own OpenJPEG coder.
#include "outputformat.h"

#include <QtGlobal>

#include <Magick++.h>

#include <utility>

#include "jp2coder.h"

namespace OutputFormats {

const OutputFormat &jp2()
{
    static const OutputFormat format = {
        "jp2",
        "JPEG2000",
        "JPEG 2000",
        ".jp2",
        "image/jp2",
        {},
        false,
        QT_TRANSLATE_NOOP(
            "GraphicConverter", "JPEG2000 has no quality here: it is written without loss"),
        // The image beside one tile's worth of OpenJPEG's buffers (13.6 bytes a pixel on a
        // noisy 6000x4500 JPEG).
        15,
        TARVO_CODEC([](Magick::Image &image, const ConversionSettings &) {
            image.compressType(MagickLib::LosslessJPEGCompression);
        }),
        TARVO_CODEC([](Magick::Image &&image, const ConversionSettings &) {
            return Jp2Coder::encode(std::move(image));
        }),
    };
    return format;
}

} // namespace OutputFormats
