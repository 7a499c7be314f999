#include "cliarguments.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include "filenames.h"
#include "formats.h"
#include "settingsfile.h"

namespace {

// Option values by name, in the order of the window's lists (the index is what is stored).
const QStringList formatNames = Formats::outputFormatNames();
const QStringList imageTypeNames = { "truecolor", "grayscale", "monochrome" };
const QStringList jpegColorspaceNames = { "ycbcr", "rgb", "gray", "cmyk" };
const QStringList jpegCompressionNames = { "jpeg", "lossless" };
const QStringList gifTypeNames = { "optimization", "monochrome" };
const QStringList gifColorspaceNames = { "yuv", "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "ypbpr",
    "ycbcr", "cmyk", "srgb", "hsl", "hwb", "lab", "cineon-log-rgb" };
const QStringList pngColorspaceNames = { "rgb", "gray", "ohta", "xyz", "ycc", "yiq", "yuv", "ypbpr",
    "ycbcr", "cmyk", "srgb", "hsl", "hwb", "lab", "cineon-log-rgb" };
const QStringList pngFilterNames
    = { "none", "sub", "up", "average", "paeth", "adaptive", "minimum-sum" };
const QStringList operatorNames = { "balanced", "optimization", "customized" };
const QStringList filterNames
    = { "point", "box", "triangle", "hermite", "hanning", "hamming", "blackman", "gaussian",
          "quadratic", "cubic", "catrom", "mitchell", "lanczos", "bessel", "sinc" };

QString choices(const QStringList &names)
{
    return names.join(QLatin1Char('|'));
}

// Reads option values one by one and remembers the first problem.
class Reader
{
public:
    explicit Reader(const QCommandLineParser &parser)
        : parser(parser)
    {
    }

    bool has(const QString &name) const
    {
        return parser.isSet(name);
    }

    void number(const QString &name, int minimum, int maximum, int *target)
    {
        if (!parser.isSet(name))
            return;
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < minimum || value > maximum) {
            fail(QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(name)
                     .arg(minimum)
                     .arg(maximum)
                     .arg(parser.value(name)));
            return;
        }
        *target = value;
    }

    void choice(const QString &name, const QStringList &names, int *target)
    {
        if (!parser.isSet(name))
            return;
        const int index = names.indexOf(parser.value(name).toLower());
        if (index < 0) {
            fail(QStringLiteral("--%1 takes one of %2, not \"%3\"")
                     .arg(name, names.join(QStringLiteral(", ")), parser.value(name)));
            return;
        }
        *target = index;
    }

    void fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
    }

    QString error;

private:
    const QCommandLineParser &parser;
};

// "WxH" or "WxH!"; both sides 1 to 9999, as the window allows.
bool parseBox(const QString &text, int *width, int *height, bool *exact)
{
    QString box = text.trimmed();
    *exact = box.endsWith(QLatin1Char('!'));
    if (*exact)
        box.chop(1);
    const QStringList sides = box.split(QLatin1Char('x'));
    if (sides.size() != 2)
        return false;
    bool okWidth = false;
    bool okHeight = false;
    *width = sides[0].toInt(&okWidth);
    *height = sides[1].toInt(&okHeight);
    return okWidth && okHeight && *width >= 1 && *width <= 9999 && *height >= 1 && *height <= 9999;
}

// "512M", "2G", "1.5G" or a number of MiB; 0 when the text is no size of at least 1 MiB.
quint64 parseSize(const QString &text)
{
    QString number = text.trimmed().toUpper();
    int shift = 20;
    const QString units = QStringLiteral("KMGT");
    if (!number.isEmpty() && units.contains(number.back())) {
        shift = 10 * (units.indexOf(number.back()) + 1);
        number.chop(1);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    const double bytes = value * double(quint64(1) << shift);
    if (!ok || !(bytes >= double(1 << 20)) || bytes > 1e18)
        return 0;
    return quint64(bytes);
}

bool firstVisit(const QString &path, QSet<QString> *seen)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    if (seen->contains(real))
        return false;
    seen->insert(real);
    return true;
}

// seen holds the real path of every file and folder met so far: links make a tree a graph,
// and a link back up it would otherwise be followed until the kernel refuses.
void collect(const QDir &dir, bool recursive, QStringList *files, QSet<QString> *seen,
    QStringList *unnamable)
{
    const QStringList patterns = Formats::imagePatterns();
    *unnamable += FileNames::unnamableEntries(dir.absolutePath(), patterns, recursive);
    for (const QString &name :
        dir.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        const QString path = dir.absoluteFilePath(name);
        if (firstVisit(path, seen))
            files->append(path);
    }
    if (!recursive)
        return;
    for (const QString &sub :
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        const QString path = dir.absoluteFilePath(sub);
        if (firstVisit(path, seen))
            collect(QDir(path), true, files, seen, unnamable);
    }
}

} // namespace

CliArguments parseCliArguments(const QStringList &arguments)
{
    CliArguments result;
    const ConversionSettings d = SettingsFile::defaults();
    const int cores = qMax(1, QThread::idealThreadCount());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts image files to JPEG, GIF, PNG, JPEG 2000 or PDF, several at once.\n"
        "Folders are searched for *.jpg *.psd *.png *.gif *.bmp *.tif *.tga *.jp2 (any case).\n"
        "An existing file is never replaced without --overwrite: the output gets a free name\n"
        "(photo_1.jpg); with --overwrite the replaced file is first copied to photo_backup_N.\n"
        "Exit status: 0 when every file was converted, 1 when any failed, 2 for bad arguments."));
    parser.addPositionalArgument(QStringLiteral("FILE|FOLDER"),
        QStringLiteral("Images, or folders of images, to convert."),
        QStringLiteral("FILE|FOLDER..."));
    const auto option = [&parser](const QString &name, const QString &description,
                            const QString &valueName = QString()) {
        parser.addOption(QCommandLineOption(name, description, valueName));
    };
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    option("settings",
        "Start from the options of a tarvo.ini written by the window; the options "
        "below override single values.",
        "FILE");
    option("format", QStringLiteral("Output format: %1 (default: jpeg).").arg(choices(formatNames)),
        "NAME");
    option("quality", "Quality given to the encoder, 1-100 (default: 75).", "N");
    option("output", "Write every output into DIR, which must exist (default: beside each input).",
        "DIR");
    option("overwrite", "Replace existing files, after a numbered backup copy of each.");
    option(
        "keep-profiles", "Keep EXIF, ICC and other profiles and comments (default: strip them).");
    option("strip", "Strip profiles and comments (the default; overrides --settings).");
    option("flatten", "Flatten transparent images onto COLOR, a name or #rrggbb (default: white).",
        "COLOR");
    option("keep-transparency", "Keep transparency instead of flattening.");
    option("resize", "Fit into WxH keeping the proportions, or exactly WxH with a trailing '!'.",
        "WxH[!]");
    option(
        "scale", "Resize by a factor: N times larger, or 1/N of the size for -N; -10 to 10.", "N");
    option("resize-operator",
        QStringLiteral("How to resize: %1 (default: balanced).").arg(choices(operatorNames)),
        "NAME");
    option("resize-filter",
        QStringLiteral("Filter of the customized operator (implies it): %1 (default: lanczos).")
            .arg(choices(filterNames)),
        "NAME");
    option("jpeg-quality", "JPEG quality, 1-100 (default: 75).", "N");
    option("dpi", "Resolution written into JPEG files, 1-9999 (default: 72).", "N");
    option("jpeg-baseline", "Write baseline JPEG (default: progressive).");
    option("jpeg-progressive", "Write progressive JPEG (overrides --settings).");
    option("no-huffman", "Keep the standard Huffman tables (default: optimised).");
    option("jpeg-type",
        QStringLiteral("JPEG image type: %1 (default: truecolor).").arg(choices(imageTypeNames)),
        "NAME");
    option("jpeg-colorspace",
        QStringLiteral("JPEG colour space: %1 (default: ycbcr).").arg(choices(jpegColorspaceNames)),
        "NAME");
    option("jpeg-compression",
        QStringLiteral("JPEG compression: %1 (default: jpeg).").arg(choices(jpegCompressionNames)),
        "NAME");
    option("gif-type",
        QStringLiteral("GIF image type: %1 (default: optimization).").arg(choices(gifTypeNames)),
        "NAME");
    option("gif-interlace", "Interlace GIF files.");
    option("gif-dither", "Dither while reducing GIF colours.");
    option("gif-colorspace",
        QStringLiteral("Colour space of the GIF colour reduction: %1 "
                       "(default: yuv).")
            .arg(choices(gifColorspaceNames)),
        "NAME");
    option("gif-colors", "Most GIF colours, 1-256 (default: 256).", "N");
    option("gif-tree-depth", "Depth of the colour reduction tree, 0-8 (default: 0).", "N");
    option("png-type",
        QStringLiteral("PNG image type: %1 (default: truecolor).").arg(choices(imageTypeNames)),
        "NAME");
    option("png-colorspace",
        QStringLiteral("PNG colour space: %1 (default: rgb).").arg(choices(pngColorspaceNames)),
        "NAME");
    option("png-interlace", "Interlace PNG files.");
    option("png-level", "PNG compression level, 0-9 (default: 7).", "N");
    option("png-filter",
        QStringLiteral("PNG row filter: %1 (default: adaptive).").arg(choices(pngFilterNames)),
        "NAME");
    option("jobs",
        QStringLiteral("Convert N files at once (default: %1, the number of cores).").arg(cores),
        "N");
    option("memory-limit",
        "Memory the files converting at once may take together, in MiB or with a K, M, G "
        "suffix; a file that needs more than all of it fails (default: three quarters of the "
        "memory, or of the control group's limit).",
        "SIZE");
    option("recursive", "Search folders' sub-folders too.");
    option("stop-on-error", "Stop after the first file that fails (default: go on).");

    result.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.helpRequested = true;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.versionRequested = true;
        return result;
    }

    ConversionSettings &s = result.settings;
    s = d;
    Reader read(parser);
    if (read.has("settings")) {
        const QString file = parser.value("settings");
        if (!QFileInfo(file).isFile())
            read.fail(QStringLiteral("--settings: no such file \"%1\"").arg(file));
        else
            s = SettingsFile::read(file);
    }

    int format = formatNames.indexOf(s.format);
    read.choice("format", formatNames, &format);
    if (format >= 0)
        s.format = formatNames.at(format);
    read.number("quality", 1, 100, &s.quality);
    if (read.has("output")) {
        const QFileInfo dir(parser.value("output"));
        if (!dir.isDir())
            read.fail(
                QStringLiteral("--output: no such folder \"%1\"").arg(parser.value("output")));
        s.path = dir.absoluteFilePath();
        s.originalDirectory = false;
    }
    if (read.has("overwrite"))
        s.overwrite = true;
    if (read.has("keep-profiles") && read.has("strip"))
        read.fail(QStringLiteral("--keep-profiles and --strip contradict each other"));
    if (read.has("keep-profiles"))
        s.strip = false;
    if (read.has("strip"))
        s.strip = true;
    if (read.has("flatten") && read.has("keep-transparency"))
        read.fail(QStringLiteral("--flatten and --keep-transparency contradict each other"));
    if (read.has("flatten")) {
        const QColor color(parser.value("flatten"));
        if (!color.isValid())
            read.fail(
                QStringLiteral("--flatten: \"%1\" is not a colour").arg(parser.value("flatten")));
        s.transparent = false;
        s.backgroundColor = color.name();
    }
    if (read.has("keep-transparency"))
        s.transparent = true;

    if (read.has("resize") && read.has("scale"))
        read.fail(QStringLiteral("--resize and --scale contradict each other"));
    if (read.has("resize")) {
        bool exact = false;
        if (!parseBox(parser.value("resize"), &s.resizeWidth, &s.resizeHeight, &exact))
            read.fail(QStringLiteral("--resize takes WxH or WxH! with sides from 1 to 9999, not "
                                     "\"%1\"")
                          .arg(parser.value("resize")));
        s.resizeEnabled = true;
        s.resizeProportion = 0;
        s.resizeExact = exact;
        s.resizeBaseWidth = !exact;
    }
    if (read.has("scale")) {
        read.number("scale", -10, 10, &s.resizeProportion);
        if (s.resizeProportion == 0)
            read.fail(QStringLiteral("--scale takes a factor from -10 to 10 other than 0"));
        s.resizeEnabled = true;
    }
    read.choice("resize-operator", operatorNames, &s.resizeOperator);
    if (read.has("resize-filter")) {
        read.choice("resize-filter", filterNames, &s.resizeFilter);
        if (!read.has("resize-operator"))
            s.resizeOperator = 2;
    }

    read.number("jpeg-quality", 1, 100, &s.jpegQuality);
    read.number("dpi", 1, 9999, &s.jpegDensityX);
    s.jpegDensityY = s.jpegDensityX;
    if (read.has("jpeg-baseline") && read.has("jpeg-progressive"))
        read.fail(QStringLiteral("--jpeg-baseline and --jpeg-progressive contradict each other"));
    if (read.has("jpeg-baseline"))
        s.jpegProgressive = false;
    if (read.has("jpeg-progressive"))
        s.jpegProgressive = true;
    if (read.has("no-huffman"))
        s.jpegHuffman = false;
    read.choice("jpeg-type", imageTypeNames, &s.jpegType);
    read.choice("jpeg-colorspace", jpegColorspaceNames, &s.jpegColorspace);
    read.choice("jpeg-compression", jpegCompressionNames, &s.jpegCompression);

    read.choice("gif-type", gifTypeNames, &s.gifType);
    if (read.has("gif-interlace"))
        s.gifInterlace = true;
    if (read.has("gif-dither"))
        s.gifDither = true;
    read.choice("gif-colorspace", gifColorspaceNames, &s.gifQuantizeColorspace);
    read.number("gif-colors", 1, 256, &s.gifQuantizeColors);
    read.number("gif-tree-depth", 0, 8, &s.gifQuantizeTreeDepth);

    read.choice("png-type", imageTypeNames, &s.pngType);
    read.choice("png-colorspace", pngColorspaceNames, &s.pngColorspace);
    if (read.has("png-interlace"))
        s.pngInterlace = true;
    read.number("png-level", 0, 9, &s.pngLevel);
    read.choice("png-filter", pngFilterNames, &s.pngFilter);

    result.jobs = cores;
    read.number("jobs", 1, 256, &result.jobs);
    if (read.has("memory-limit")) {
        result.memoryLimit = parseSize(parser.value("memory-limit"));
        if (result.memoryLimit == 0)
            read.fail(QStringLiteral("--memory-limit takes a size of at least 1M, such as 512M "
                                     "or 2G, not \"%1\"")
                          .arg(parser.value("memory-limit")));
    }
    result.recursive = read.has("recursive");
    result.stopOnError = read.has("stop-on-error");
    result.inputs = parser.positionalArguments();
    if (result.inputs.isEmpty())
        read.fail(QStringLiteral("no FILE or FOLDER given (see --help)"));
    result.error = read.error;
    return result;
}

QStringList expandInputs(
    const QStringList &inputs, bool recursive, QString *error, QStringList *unnamable)
{
    QStringList ignored;
    if (!unnamable)
        unnamable = &ignored;
    QStringList files;
    QSet<QString> seen;
    for (const QString &input : inputs) {
        const QFileInfo info(input);
        if (info.isDir()) {
            seen.insert(info.canonicalFilePath());
            collect(QDir(input), recursive, &files, &seen, unnamable);
        } else if (info.isFile()) {
            files.append(input);
        } else if (!FileNames::unnamableEntry(input).isEmpty()) {
            unnamable->append(FileNames::unnamableEntry(input));
        } else {
            *error = QStringLiteral("no such file or folder \"%1\"").arg(input);
            return QStringList();
        }
    }
    return files;
}
