// JPEG: photographs, with the quality the window's main control shows and a page of its own.
#include "outputformat.h"

#include <QtGlobal>

#include <Magick++.h>

namespace OutputFormats {

namespace {

using namespace Options;
using S = ConversionSettings;

const Option &quality()
{
    static const Option row = [] {
        Option quality = number<&S::jpegQuality>("JPEG", "quality", 75, 1, 100,
            "spinBoxJPEGQuality", { "jpeg-quality", "JPEG quality" });
        quality.quality = true;
        return quality;
    }();
    return row;
}

const Option &resolution()
{
    static const Option row = [] {
        Option dpi = number<&S::jpegDensityX>("JPEG", "dpi", 72, 1, 9999, "spinBoxJPEGDPI",
            { "dpi", "Resolution written into JPEG files" });
        // One spin box sets both directions.
        dpi.write = [](const Option &, S &s, const QVariant &value) {
            s.jpegDensityX = s.jpegDensityY = value.toInt();
        };
        return dpi;
    }();
    return row;
}

const Option &type()
{
    static const Option row
        = choice<&S::jpegType>("JPEG", "type", 0, { "truecolor", "grayscale", "monochrome" },
            "comboBoxJPEGImageType", { "jpeg-type", "JPEG image type" },
            { MagickLib::OptimizeType, MagickLib::GrayscaleType, MagickLib::BilevelType });
    return row;
}

const Option &colorspace()
{
    static const Option row
        = choice<&S::jpegColorspace>("JPEG", "colorspace", 0, { "ycbcr", "rgb", "gray", "cmyk" },
            "comboBoxJPEGColorspaceType", { "jpeg-colorspace", "JPEG colour space" },
            { MagickLib::Rec601YCbCrColorspace, MagickLib::RGBColorspace,
                MagickLib::Rec601LumaColorspace, MagickLib::CMYKColorspace });
    return row;
}

const Option &compression()
{
    static const Option row
        = choice<&S::jpegCompression>("JPEG", "compression", 0, { "jpeg", "lossless" },
            "comboBoxJPEGCompressionType", { "jpeg-compression", "JPEG compression" },
            { MagickLib::JPEGCompression, MagickLib::LosslessJPEGCompression });
    return row;
}

#ifndef TARVO_NO_CODECS
void apply(Magick::Image &image, const S &settings)
{
    using namespace MagickLib;
    image.quality(settings.jpegQuality);
    // The density is given in dots per inch; left alone, the unit would stay the input's (a PNG
    // or BMP counts per centimetre) and 72 would be written as 183 dpi.
    image.resolutionUnits(PixelsPerInchResolution);
    image.density(
        Magick::Geometry(settings.jpegDensityX, settings.jpegDensityY, 0, 0, false, false));
    if (settings.jpegProgressive)
        image.interlaceType(LineInterlace);
    image.defineValue("jpeg", "optimize-coding", settings.jpegHuffman ? "TRUE" : "FALSE");
    if (type().libraryValue(settings.jpegType) >= 0)
        image.type(ImageType(type().libraryValue(settings.jpegType)));
    if (colorspace().libraryValue(settings.jpegColorspace) >= 0)
        image.colorSpace(ColorspaceType(colorspace().libraryValue(settings.jpegColorspace)));
    if (compression().libraryValue(settings.jpegCompression) >= 0)
        image.compressType(CompressionType(compression().libraryValue(settings.jpegCompression)));
}
#endif

} // namespace

const OutputFormat &jpeg()
{
    static const OutputFormat format = {
        "jpeg",
        "JPEG",
        "JPEG",
        ".jpg",
        "image/jpeg",
        { quality(), resolution(),
            flag<&S::jpegProgressive>("JPEG", "progressive", true, "checkBoxJPEGProgressive",
                { "jpeg-progressive", "Write progressive JPEG (overrides --settings).",
                    "jpeg-baseline", "Write baseline JPEG (default: progressive)." }),
            flag<&S::jpegHuffman>("JPEG", "huffman", true, "checkBoxJPEGHuffman",
                { nullptr, nullptr, "no-huffman",
                    "Keep the standard Huffman tables (default: optimised)." }),
            type(), colorspace(), compression() },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "JPEG quality, the same as on the JPEG page: higher keeps more detail in a larger "
            "file"),
        // Peak resident memory of 12.0 bytes a pixel on a noisy 6000x4500 JPEG; a one-colour
        // 22500x33300 JPEG took 17.6: the optimised type turns it into a palette image beside
        // the original. Rounded up, with that case.
        18,
        TARVO_CODEC(apply),
        nullptr,
    };
    return format;
}

} // namespace OutputFormats
