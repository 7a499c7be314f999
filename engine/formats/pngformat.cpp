// PNG: every pixel kept, compressed as its page says.
#include "outputformat.h"

#include <QtGlobal>

#include <Magick++.h>

namespace OutputFormats {

namespace {

using namespace Options;
using S = ConversionSettings;

const Option &type()
{
    // "TrueColor" leaves the type to the encoder.
    static const Option row = choice<&S::pngType>("PNG", "type", 0,
        { "truecolor", "grayscale", "monochrome" }, "comboBoxPNGImageType",
        { "png-type", "PNG image type" }, { -1, MagickLib::GrayscaleType, MagickLib::BilevelType });
    return row;
}

const Option &colorspace()
{
    using namespace MagickLib;
    static const Option row = choice<&S::pngColorspace>("PNG", "colorspace", 0,
        { "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "yuv", "ypbpr", "ycbcr", "cmyk", "srgb",
            "hsl", "hwb", "lab", "cineon-log-rgb" },
        "comboBoxPNGColorspace", { "png-colorspace", "PNG colour space" },
        { RGBColorspace, Rec601LumaColorspace, OHTAColorspace, XYZColorspace, YCCColorspace,
            YIQColorspace, YUVColorspace, YPbPrColorspace, Rec601YCbCrColorspace, CMYKColorspace,
            sRGBColorspace, HSLColorspace, HWBColorspace, LABColorspace, CineonLogRGBColorspace });
    return row;
}

#ifndef TARVO_NO_CODECS
void apply(Magick::Image &image, const S &settings)
{
    using namespace MagickLib;
    // The library takes the zlib level and the row filter as one number.
    image.quality(settings.pngLevel * 10 + settings.pngFilter);
    if (type().libraryValue(settings.pngType) >= 0)
        image.type(ImageType(type().libraryValue(settings.pngType)));
    if (colorspace().libraryValue(settings.pngColorspace) >= 0)
        image.colorSpace(ColorspaceType(colorspace().libraryValue(settings.pngColorspace)));
    if (settings.pngInterlace)
        image.interlaceType(LineInterlace);
}
#endif

} // namespace

const OutputFormat &png()
{
    static const OutputFormat format = {
        "png",
        "PNG",
        "PNG",
        ".png",
        "image/png",
        { type(), colorspace(),
            flag<&S::pngInterlace>("PNG", "interlace", false, "checkBoxPNGInterlace",
                { "png-interlace", "Interlace PNG files." }),
            number<&S::pngLevel>("PNG", "level", 7, 0, 9, "spinBoxPNGLevel",
                { "png-level", "PNG compression level" }),
            choice<&S::pngFilter>("PNG", "filter", 5,
                { "none", "sub", "up", "average", "paeth", "adaptive", "minimum-sum" },
                "comboBoxPNGFilter", { "png-filter", "PNG row filter" }) },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "PNG has no quality: it keeps every pixel; its compression is set on the PNG page"),
        15, // peak resident memory of 14.4 bytes a pixel on a noisy 6000x4500 JPEG
        TARVO_CODEC(apply),
        nullptr,
    };
    return format;
}

} // namespace OutputFormats
