// TIFF: without loss unless JPEG compression is chosen, at the picture's own depth (a 16-bit
// picture stays 16-bit), transparency kept when it is not flattened.
#include "outputformat.h"

#include <QtGlobal>

#include <Magick++.h>

namespace OutputFormats {

namespace {

using namespace Options;

enum Compression { None, Lzw, Deflate, Jpeg, Zstd };

const Option &compression()
{
    static const Option row
        = choice("TIFF", "compression", Lzw, { "none", "lzw", "deflate", "jpeg", "zstd" }, nullptr,
            { "tiff-compression", "TIFF compression" },
            { MagickLib::NoCompression, MagickLib::LZWCompression, MagickLib::ZipCompression,
                MagickLib::JPEGCompression, MagickLib::ZSTDCompression })
              .labelled(QT_TRANSLATE_NOOP("OptionForm", "Compression"))
              .showing({ QT_TRANSLATE_NOOP("OptionForm", "None"), "LZW",
                  QT_TRANSLATE_NOOP("OptionForm", "Deflate (zip)"), "JPEG",
                  QT_TRANSLATE_NOOP("OptionForm", "Zstandard") });
    return row;
}

const Option &predictor()
{
    static const Option row = choice("TIFF", "predictor", 1, { "none", "horizontal" }, nullptr,
        { "tiff-predictor", "Predictor of the lossless compressions" })
                                  .labelled(QT_TRANSLATE_NOOP("OptionForm", "Predictor"))
                                  .showing({ QT_TRANSLATE_NOOP("OptionForm", "None"),
                                      QT_TRANSLATE_NOOP("OptionForm", "Horizontal differencing") });
    return row;
}

const Option &quality()
{
    static const Option row
        = number("TIFF", "quality", 75, 1, 100, nullptr,
            { "tiff-quality", "Quality of JPEG-compressed TIFF" })
              .labelled(QT_TRANSLATE_NOOP("OptionForm", "Quality (JPEG compression)"))
              .asQuality();
    return row;
}

#ifndef TARVO_NO_CODECS
void apply(Magick::Image &image, const ConversionSettings &settings)
{
    const int chosen = compression().get(settings).toInt();
    const int type = compression().libraryValue(chosen);
    if (type >= 0)
        image.compressType(MagickLib::CompressionType(type));
    image.quality(quality().get(settings).toUInt());
    // The predictor only means something to the lossless compressions, and libtiff refuses it
    // for samples under 8 bits, which the writer chooses for a palette of few colours.
    if ((chosen == Lzw || chosen == Deflate || chosen == Zstd)
        && predictor().get(settings).toInt() == 1 && image.classType() == MagickLib::DirectClass)
        image.defineValue("TIFF", "predictor", "2");
    // The writer marks the fourth sample "unspecified", which readers that keep to the format
    // take for data that is not transparency; the library's pixels are not premultiplied.
    if (image.matte())
        image.defineValue("TIFF", "alpha", "unassociated");
}
#endif

} // namespace

const OutputFormat &tiff()
{
    static const OutputFormat format = {
        "tiff",
        "TIFF",
        "TIFF",
        ".tif",
        "image/tiff",
        { compression(), predictor(), quality() },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "TIFF quality: only JPEG compression, chosen on the TIFF page, loses detail"),
        15, // as PNG: the image and a strip's worth of the encoder's buffers
        TARVO_CODEC(apply),
        nullptr,
        OutputFormat::Frames::All,
    };
    return format;
}

} // namespace OutputFormats
