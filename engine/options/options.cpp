#include "options.h"

#include <QColor>
#include <QThread>

#include <type_traits>

#include "formats.h"

namespace Options {

namespace {

template <auto Field> QVariant get(const ConversionSettings &s)
{
    return QVariant(s.*Field);
}

template <auto Field> void set(ConversionSettings &s, const QVariant &value)
{
    using T = std::decay_t<decltype(s.*Field)>;
    s.*Field = value.value<T>();
}

struct Cli
{
    const char *name = nullptr;
    const char *help = nullptr;
    const char *offName = nullptr;
    const char *offHelp = nullptr;
};

template <auto Field> Option flag(const char *group, const char *key, bool fallback, Cli cli = {})
{
    return { group, key, Type::Flag, fallback, 0, 1, {}, cli.name, cli.offName, cli.help,
        cli.offHelp, get<Field>, set<Field> };
}

template <auto Field>
Option number(
    const char *group, const char *key, int fallback, int minimum, int maximum, Cli cli = {})
{
    return { group, key, Type::Number, fallback, minimum, maximum, {}, cli.name, nullptr, cli.help,
        nullptr, get<Field>, set<Field> };
}

template <auto Field>
Option choice(
    const char *group, const char *key, int fallback, const QStringList &names, Cli cli = {})
{
    return { group, key, Type::Choice, fallback, 0, int(names.size()) - 1, names, cli.name, nullptr,
        cli.help, nullptr, get<Field>, set<Field> };
}

QStringList formatNames()
{
    return Formats::outputFormatNames();
}

const QStringList imageTypeNames = { "truecolor", "grayscale", "monochrome" };
// The two colour space lists differ in where YUV stands.
const QStringList gifColorspaceNames = { "yuv", "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "ypbpr",
    "ycbcr", "cmyk", "srgb", "hsl", "hwb", "lab", "cineon-log-rgb" };
const QStringList pngColorspaceNames = { "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "yuv", "ypbpr",
    "ycbcr", "cmyk", "srgb", "hsl", "hwb", "lab", "cineon-log-rgb" };

using S = ConversionSettings;

QVector<Option> makeTable()
{
    const int cores = qMax(1, QThread::idealThreadCount());
    const QStringList formats = formatNames();
    // The record keeps the format by name; an index outside the list leaves it empty.
    const Option format = { "Options", "format", Type::Choice, 0, 0, int(formats.size()) - 1,
        formats, "format", nullptr, "Output format", nullptr,
        [](const S &s) { return QVariant(formatNames().indexOf(s.format)); },
        [](S &s, const QVariant &value) { s.format = formatNames().value(value.toInt()); } };

    Option dpi = number<&S::jpegDensityX>(
        "JPEG", "dpi", 72, 1, 9999, { "dpi", "Resolution written into JPEG files" });
    // One spin box sets both directions.
    dpi.set = [](S &s, const QVariant &value) { s.jpegDensityX = s.jpegDensityY = value.toInt(); };

    const Option path = { "Options", "path", Type::Folder, QString(), 0, 0, {}, nullptr, nullptr,
        nullptr, nullptr, get<&S::path>, set<&S::path> };
    const Option background
        = { "Global", "backgroundcolor", Type::Colour, QStringLiteral("#ffffff"), 0, 0, {},
              "flatten", nullptr, "Flatten transparent images onto COLOR, a name or #rrggbb",
              nullptr, get<&S::backgroundColor>, set<&S::backgroundColor> };

    return {
        path,
        flag<&S::originalDirectory>("Options", "original", false),
        format,
        number<&S::quality>(
            "Options", "quality", 75, 1, 100, { "quality", "Quality of PDF output (JPEG output takes --jpeg-quality)" }),

        flag<&S::stopOnFailure>("Global", "stoponfailure", false,
            { "stop-on-error", "Stop after the first file that fails (default: go on).",
                "keep-going", "Go on past a file that fails (the default; overrides --settings)." }),
        // The window's own: tarvo-convert takes --jobs alone, so a settings file written on
        // a machine with more cores does not change how many files it converts at once.
        number<&S::jobs>("Global", "jobs", cores, 1, cores),
        flag<&S::overwrite>("Global", "overwrite", false,
            { "overwrite", "Replace existing files, after a numbered backup copy of each." }),
        flag<&S::strip>("Global", "strip", true,
            { "strip", "Strip profiles and comments (the default; overrides --settings).",
                "keep-profiles",
                "Keep EXIF, ICC and other profiles and comments (default: strip them)." }),
        background,
        flag<&S::transparent>("Global", "transparent", false,
            { "keep-transparency", "Keep transparency instead of flattening." }),

        flag<&S::resizeEnabled>("Resize", "enabled", false),
        number<&S::resizeProportion>("Resize", "proportion", 0, -10, 10),
        number<&S::resizeWidth>("Resize", "width", 640, 1, 9999),
        number<&S::resizeHeight>("Resize", "height", 480, 1, 9999),
        flag<&S::resizeExact>("Resize", "exact", true),
        flag<&S::resizeBaseWidth>("Resize", "base_width", false),
        choice<&S::resizeOperator>("Resize", "operator", 0,
            { "balanced", "optimization", "customized" }, { "resize-operator", "How to resize" }),
        choice<&S::resizeFilter>("Resize", "filter", 12,
            { "point", "box", "triangle", "hermite", "hanning", "hamming", "blackman", "gaussian",
                "quadratic", "cubic", "catrom", "mitchell", "lanczos", "bessel", "sinc" },
            { "resize-filter", "Filter of the customized operator (implies it)" }),

        number<&S::jpegQuality>("JPEG", "quality", 75, 1, 100, { "jpeg-quality", "JPEG quality" }),
        dpi,
        flag<&S::jpegProgressive>("JPEG", "progressive", true,
            { "jpeg-progressive", "Write progressive JPEG (overrides --settings).", "jpeg-baseline",
                "Write baseline JPEG (default: progressive)." }),
        flag<&S::jpegHuffman>("JPEG", "huffman", true,
            { nullptr, nullptr, "no-huffman",
                "Keep the standard Huffman tables (default: optimised)." }),
        choice<&S::jpegType>("JPEG", "type", 0, imageTypeNames, { "jpeg-type", "JPEG image type" }),
        choice<&S::jpegColorspace>("JPEG", "colorspace", 0, { "ycbcr", "rgb", "gray", "cmyk" },
            { "jpeg-colorspace", "JPEG colour space" }),
        choice<&S::jpegCompression>("JPEG", "compression", 0, { "jpeg", "lossless" },
            { "jpeg-compression", "JPEG compression" }),

        choice<&S::gifType>(
            "GIF", "type", 0, { "optimization", "monochrome" }, { "gif-type", "GIF image type" }),
        flag<&S::gifInterlace>(
            "GIF", "interlace", false, { "gif-interlace", "Interlace GIF files." }),
        flag<&S::gifDither>(
            "GIF", "dither", false, { "gif-dither", "Dither while reducing GIF colours." }),
        choice<&S::gifQuantizeColorspace>("GIF", "quantizecolorspace", 0, gifColorspaceNames,
            { "gif-colorspace", "Colour space of the GIF colour reduction" }),
        number<&S::gifQuantizeColors>(
            "GIF", "quantizecolors", 256, 1, 256, { "gif-colors", "Most GIF colours" }),
        number<&S::gifQuantizeTreeDepth>("GIF", "quantizetreedepth", 0, 0, 8,
            { "gif-tree-depth", "Depth of the colour reduction tree" }),

        choice<&S::pngType>("PNG", "type", 0, imageTypeNames, { "png-type", "PNG image type" }),
        choice<&S::pngColorspace>(
            "PNG", "colorspace", 0, pngColorspaceNames, { "png-colorspace", "PNG colour space" }),
        flag<&S::pngInterlace>(
            "PNG", "interlace", false, { "png-interlace", "Interlace PNG files." }),
        number<&S::pngLevel>("PNG", "level", 7, 0, 9, { "png-level", "PNG compression level" }),
        choice<&S::pngFilter>("PNG", "filter", 5,
            { "none", "sub", "up", "average", "paeth", "adaptive", "minimum-sum" },
            { "png-filter", "PNG row filter" }),
    };
}

} // namespace

QString Option::settingsKey() const
{
    return QLatin1String(group) + QLatin1Char('/') + QLatin1String(key);
}

QVariant Option::sanitized(const QVariant &stored) const
{
    switch (type) {
    case Type::Flag:
        return stored.toBool();
    case Type::Number:
        return qBound(minimum, stored.toInt(), maximum);
    case Type::Choice: {
        // A combo box refuses an index past its list and is then left without a current item.
        const int index = stored.toInt();
        return (index >= 0 && index < choices.size()) ? index : -1;
    }
    case Type::Colour:
        return QColor(stored.toString()).name();
    case Type::Folder:
        break;
    }
    return stored.toString();
}

const QVector<Option> &all()
{
    static const QVector<Option> table = makeTable();
    return table;
}

const Option *find(const char *group, const char *key)
{
    for (const Option &option : all()) {
        if (qstrcmp(option.group, group) == 0 && qstrcmp(option.key, key) == 0)
            return &option;
    }
    return nullptr;
}

} // namespace Options
