#include "options.h"

#include "namepattern.h"
#include "outputformat.h"
#include "resourcelimits.h"

namespace Options {

namespace {

using S = ConversionSettings;

} // namespace

const Option &outputFolder()
{
    static const Option row = [] {
        Option folder = flag<&S::path>("Options", "path", false, "lineEditPath");
        folder.type = Type::Folder;
        folder.defaultValue = QString();
        return folder;
    }();
    return row;
}

namespace {

const Option &background()
{
    static const Option row = [] {
        Option colour
            = flag<&S::backgroundColor>("Global", "backgroundcolor", false, "labelBackgroundColor",
                { "flatten", "Flatten transparent images onto COLOR, a name or #rrggbb" });
        colour.type = Type::Colour;
        colour.defaultValue = QStringLiteral("#ffffff");
        return colour;
    }();
    return row;
}

const Option &namePattern()
{
    static const Option row = [] {
        Option pattern
            = flag<&S::namePattern>("Global", "namepattern", false, "lineEditNamePattern",
                { "name",
                    "Name outputs by PATTERN: {name} (the name without its last extension), "
                    "{base} (up to its first dot, the default), {n} or {n:3} (the position in "
                    "the list), {width}, {height} (the size written), {date} (EXIF date taken, "
                    "else the file's, as YYYY-MM-DD), {folder} (the input's folder name)" });
        pattern.type = Type::Text;
        pattern.defaultValue = QString();
        pattern.problem = NamePattern::problem;
        return pattern;
    }();
    return row;
}

const Option &filesAtOnce()
{
    static const Option row = [] {
        // The window's own: tarvo-convert takes --jobs alone, so a settings file written on a
        // machine with more cores does not change how many files it converts at once.
        const int cores = ResourceLimits::usableCpus();
        Option jobs = number<&S::jobs>("Global", "jobs", cores, 1, cores, "spinBoxJobs");
        jobs.machineBound = true;
        return jobs;
    }();
    return row;
}

QVector<Option> makeTable()
{
    QVector<Option> table = {
        outputFolder(),
        flag<&S::originalDirectory>("Options", "original", false, "checkBoxOriginal"),
        format(),
        generalQuality(),

        flag<&S::stopOnFailure>("Global", "stoponfailure", false, "checkBoxStopOnFailure",
            { "stop-on-error", "Stop after the first file that fails (default: go on).",
                "keep-going",
                "Go on past a file that fails (the default; overrides --settings)." }),
        filesAtOnce(),
        flag<&S::overwrite>("Global", "overwrite", false, "checkBoxOverwrite",
            { "overwrite", "Replace existing files, after a numbered backup copy of each." }),
        flag<&S::filePerFrame>("Global", "fileperframe", false, "checkBoxFilePerFrame",
            { "file-per-frame",
                "Write each frame or page of an animation or multi-page file to a file of its "
                "own: NAME-1, NAME-2..." }),
        flag<&S::skipExisting>("Global", "skipexisting", false, "checkBoxSkipExisting",
            { "skip-existing",
                "Skip an input whose output name is taken already: a job run again converts "
                "only what is missing." }),
        flag<&S::keepTree>("Global", "keeptree", false, "checkBoxKeepTree",
            { "keep-tree",
                "With --output, give each file of a folder its sub-folder under DIR, as it "
                "is under the folder given." }),
        namePattern(),
        flag<&S::keepDates>("Global", "keepdates", false, "checkBoxKeepDates",
            { "keep-dates", "Give each output the modification time of its input." }),
        flag<&S::strip>("Global", "strip", true, "checkBoxStrip",
            { "strip", "Strip profiles and comments (the default; overrides --settings).",
                "keep-profiles",
                "Keep EXIF, ICC and other profiles and comments (default: strip them)." }),
        flag<&S::keepColourProfile>("Global", "keepcolorprofile", false, "checkBoxKeepColorProfile",
            { "keep-color-profile",
                "Keep the ICC colour profile when the rest is stripped (default: turn the "
                "pixels into sRGB and drop it)." }),
        flag<&S::removeLocation>("Global", "removelocation", false, "checkBoxRemoveLocation",
            { "remove-location", "Remove the GPS location from EXIF and XMP that is kept." }),
        background(),
        flag<&S::transparent>("Global", "transparent", false, "checkBoxTransparent",
            { "keep-transparency", "Keep transparency instead of flattening." }),

        flag<&S::resizeEnabled>("Resize", "enabled", false, "checkBoxResizeEnabled"),
        resizeProportion(),
        number<&S::resizePercent>("Resize", "percent", 0, 0, 1000, "spinBoxResizePercent"),
        resizeWidth(),
        resizeHeight(),
        flag<&S::resizeExact>("Resize", "exact", true, "radioButtonResizeExact"),
        flag<&S::resizeBaseWidth>("Resize", "base_width", false, "radioButtonResizeWidth"),
        flag<&S::resizeShrinkOnly>("Resize", "shrinkonly", false, "checkBoxResizeShrinkOnly",
            { "shrink-only",
                "Never enlarge: a picture the resize would make larger keeps its "
                "size (also WxH> in --resize)." }),
        choice<&S::resizeOperator>("Resize", "operator", 0,
            { "balanced", "optimization", "customized" }, "comboBoxResizeOperator",
            { "resize-operator", "How to resize" }),
        choice<&S::resizeFilter>("Resize", "filter", 12,
            { "point", "box", "triangle", "hermite", "hanning", "hamming", "blackman", "gaussian",
                "quadratic", "cubic", "catrom", "mitchell", "lanczos", "bessel", "sinc" },
            "comboBoxResizeFilterType",
            { "resize-filter", "Filter of the customized operator (implies it)" }),
    };
    for (const OutputFormat *outputFormat : OutputFormats::all())
        table += outputFormat->options;
    return table;
}

} // namespace

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

const Option &format()
{
    static const Option row = [] {
        const QStringList names = OutputFormats::names();
        Option formats = choice<&S::format>(
            "Options", "format", 0, names, "comboBoxFormat", { "format", "Output format" });
        // The record keeps the format by name; an index outside the list leaves it empty.
        formats.read = [](const Option &, const S &s) {
            return QVariant(OutputFormats::names().indexOf(s.format));
        };
        formats.write = [](const Option &, S &s, const QVariant &value) {
            s.format = OutputFormats::names().value(value.toInt());
        };
        return formats;
    }();
    return row;
}

const Option &generalQuality()
{
    static const Option row
        = number<&S::quality>("Options", "quality", 75, 1, 100, "spinBoxPDFQuality",
            { "quality", "Quality of PDF output (JPEG output takes --jpeg-quality)" });
    return row;
}

const Option &resizeProportion()
{
    static const Option row = number<&S::resizeProportion>(
        "Resize", "proportion", 0, -10, 10, "spinBoxResizeProportion");
    return row;
}

const Option &resizeWidth()
{
    static const Option row
        = number<&S::resizeWidth>("Resize", "width", 640, 1, 9999, "spinBoxResizeWidth");
    return row;
}

const Option &resizeHeight()
{
    static const Option row
        = number<&S::resizeHeight>("Resize", "height", 480, 1, 9999, "spinBoxResizeHeight");
    return row;
}

} // namespace Options
