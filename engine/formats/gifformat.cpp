// GIF: up to 256 colours, reduced as its page says.
#include "outputformat.h"

#include <QtGlobal>

#include <Magick++.h>

namespace OutputFormats {

namespace {

using namespace Options;
using S = ConversionSettings;

const Option &quantizeColorspace()
{
    using namespace MagickLib;
    // Its list differs from the PNG page's in where YUV stands.
    static const Option row = choice<&S::gifQuantizeColorspace>("GIF", "quantizecolorspace", 0,
        { "yuv", "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "ypbpr", "ycbcr", "cmyk", "srgb",
            "hsl", "hwb", "lab", "cineon-log-rgb" },
        "comboBoxGIFQuantizeColorspace",
        { "gif-colorspace", "Colour space of the GIF colour reduction" },
        { YUVColorspace, RGBColorspace, GRAYColorspace, OHTAColorspace, XYZColorspace,
            YCCColorspace, YIQColorspace, YPbPrColorspace, Rec601YCbCrColorspace, CMYKColorspace,
            sRGBColorspace, HSLColorspace, HWBColorspace, LABColorspace, CineonLogRGBColorspace });
    return row;
}

#ifndef TARVO_NO_CODECS
void apply(Magick::Image &image, const S &settings)
{
    using namespace MagickLib;
    if (settings.gifInterlace)
        image.interlaceType(LineInterlace);
    image.quantizeDither(settings.gifDither);
    if (settings.gifType == 1)
        image.type(BilevelType);
    const int colorspace = quantizeColorspace().libraryValue(settings.gifQuantizeColorspace);
    if (colorspace >= 0)
        image.quantizeColorSpace(ColorspaceType(colorspace));
    image.quantizeColors(settings.gifQuantizeColors);
    image.quantizeTreeDepth(settings.gifQuantizeTreeDepth);
    image.quantize(false);
    image.page(Magick::Geometry(0, 0, 0, 0, false, false));
}
#endif

} // namespace

const OutputFormat &gif()
{
    static const OutputFormat format = {
        "gif",
        "GIF",
        "GIF",
        ".gif",
        "image/gif",
        { choice<&S::gifType>("GIF", "type", 0, { "optimization", "monochrome" },
              "comboBoxGIFImageType", { "gif-type", "GIF image type" }),
            flag<&S::gifInterlace>("GIF", "interlace", false, "checkBoxGIFInterlace",
                { "gif-interlace", "Interlace GIF files." }),
            flag<&S::gifDither>("GIF", "dither", false, "checkBoxGIFQuantizeDither",
                { "gif-dither", "Dither while reducing GIF colours." }),
            quantizeColorspace(),
            number<&S::gifQuantizeColors>("GIF", "quantizecolors", 256, 1, 256,
                "spinBoxGIFQuantizeColors", { "gif-colors", "Most GIF colours" }),
            number<&S::gifQuantizeTreeDepth>("GIF", "quantizetreedepth", 0, 0, 8,
                "spinBoxGIFQuantizeTreeDepth",
                { "gif-tree-depth", "Depth of the colour reduction tree" }) },
        false,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "GIF has no quality: it keeps up to 256 colours, as set on the GIF page"),
        14, // peak resident memory of 13.4 bytes a pixel on a noisy 6000x4500 JPEG
        TARVO_CODEC(apply),
        nullptr,
        OutputFormat::Frames::Animation,
    };
    return format;
}

} // namespace OutputFormats
