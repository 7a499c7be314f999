#include "cliarguments.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <functional>

#include "filenames.h"
#include "inputformats.h"
#include "outputformat.h"
#include "imagefolders.h"
#include "namepattern.h"
#include "options.h"
#include "outputnaming.h"
#include "presets.h"
#include "resourcelimits.h"
#include "settingsfile.h"

namespace {

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

    QStringList positional() const
    {
        return parser.positionalArguments();
    }

    QString value(const QString &name) const
    {
        return parser.value(name);
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

// "WxH" or "WxH!"; both sides within the ranges the window allows.
bool parseBox(const QString &text, int *width, int *height, bool *exact)
{
    const Options::Option &w = Options::resizeWidth();
    const Options::Option &h = Options::resizeHeight();
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
    return okWidth && okHeight && *width >= w.minimum && *width <= w.maximum && *height >= h.minimum
        && *height <= h.maximum;
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

} // namespace

namespace {

// One option of the command line: what --help says of it and what it does to the result.
// Declarations without a name take no part in parsing; they only apply.
struct Declaration
{
    using Apply = std::function<void(Reader &, CliArguments &)>;
    Declaration(const QString &name, const QString &valueName, const QString &help,
        const Apply &apply, const QString &shortName = QString())
        : name(name)
        , valueName(valueName)
        , help(help)
        , apply(apply)
        , shortName(shortName)
    {
    }

    QString name;
    QString valueName;
    QString help;
    Apply apply;
    QString shortName; // a one-letter name beside the long one
};

// The declarations that a row of the option table gives: its single override, and for a flag
// the override that clears it.
QVector<Declaration> fromOption(const Options::Option &option)
{
    const QString name = QLatin1String(option.cli.name);
    const QString help = QLatin1String(option.cli.help);
    const QString fallback = option.defaultValue.toString();
    switch (option.type) {
    case Options::Type::Number:
        return { { name, QStringLiteral("N"),
            QStringLiteral("%1, %2-%3 (default: %4).")
                .arg(help)
                .arg(option.minimum)
                .arg(option.maximum)
                .arg(fallback),
            [&option, name](Reader &read, CliArguments &result) {
                int value = option.get(result.settings).toInt();
                read.number(name, option.minimum, option.maximum, &value);
                option.set(result.settings, value);
            } } };
    case Options::Type::Choice:
        return { { name, QStringLiteral("NAME"),
            QStringLiteral("%1: %2 (default: %3).")
                .arg(help, option.choices.join(QLatin1Char('|')),
                    option.choices.value(option.defaultValue.toInt())),
            [&option, name](Reader &read, CliArguments &result) {
                int value = option.get(result.settings).toInt();
                read.choice(name, option.choices, &value);
                if (read.has(name))
                    option.set(result.settings, value);
            } } };
    case Options::Type::Colour:
        return { { name, QStringLiteral("COLOR"),
            QStringLiteral("%1 (default: %2).").arg(help, fallback),
            [&option, name](Reader &read, CliArguments &result) {
                if (!read.has(name))
                    return;
                const QColor color(read.value(name));
                if (!color.isValid())
                    read.fail(
                        QStringLiteral("--%1: \"%2\" is not a colour").arg(name, read.value(name)));
                option.set(result.settings, color.name());
            } } };
    case Options::Type::Flag: {
        const QString off = QLatin1String(option.cli.offName);
        const auto apply = [&option, name, off](Reader &read, CliArguments &result) {
            const bool on = !name.isEmpty() && read.has(name);
            const bool cleared = !off.isEmpty() && read.has(off);
            if (on && cleared)
                read.fail(QStringLiteral("--%1 and --%2 contradict each other").arg(off, name));
            if (cleared)
                option.set(result.settings, false);
            if (on)
                option.set(result.settings, true);
        };
        QVector<Declaration> declarations;
        if (!off.isEmpty())
            declarations.append({ off, QString(), QLatin1String(option.cli.offHelp), nullptr });
        if (!name.isEmpty())
            declarations.append({ name, QString(), help, nullptr });
        declarations.last().apply = apply;
        return declarations;
    }
    case Options::Type::Text:
        return { { name, QStringLiteral("PATTERN"), QStringLiteral("%1.").arg(help),
            [&option, name](Reader &read, CliArguments &result) {
                if (!read.has(name))
                    return;
                const QString value = read.value(name);
                const QString fault = option.problem ? option.problem(value) : QString();
                if (!fault.isEmpty())
                    read.fail(QStringLiteral("--%1: \"%2\" %3").arg(name, value, fault));
                option.set(result.settings, value);
            } } };
    case Options::Type::Folder:
        break;
    }
    return {};
}

void applySettingsFile(Reader &read, CliArguments &result)
{
    result.settings = SettingsFile::defaults();
    if (read.has("settings") && read.has("preset"))
        read.fail(QStringLiteral("--settings and --preset contradict each other"));
    if (!read.has("settings") && !read.has("preset"))
        return;
    // A preset is a settings file the window keeps under a name.
    const bool preset = read.has("preset");
    const QString name = read.value("preset");
    if (preset && !Presets::isValidName(name)) {
        read.fail(QStringLiteral("--preset: no such preset \"%1\"").arg(name));
        return;
    }
    const QString file = preset ? Presets::pathOf(name) : read.value("settings");
    QString error;
    result.settings = SettingsFile::check(file, &error);
    if (error == QLatin1String("no such file")) {
        read.fail(preset ? QStringLiteral("--preset: no such preset \"%1\" (%2)")
                               .arg(name, QDir::toNativeSeparators(file))
                         : QStringLiteral("--settings: no such file \"%1\"").arg(file));
        return;
    }
    // Where the file sends the outputs must exist, unless --output sends them elsewhere.
    const QString folder = result.settings.path;
    if (error.isEmpty() && !folder.isEmpty() && !read.has("output") && !QFileInfo(folder).isDir())
        error = QStringLiteral("Options/path: no such folder \"%1\"").arg(folder);
    if (!error.isEmpty()) {
        read.fail(QStringLiteral("--%1 \"%2\": %3")
                      .arg(preset ? QStringLiteral("preset") : QStringLiteral("settings"),
                          preset ? name : file, error));
    }
}

void applyOutput(Reader &read, CliArguments &result)
{
    if (!read.has("output"))
        return;
    if (read.value("output") == OutputNaming::standardStream()) {
        result.settings.path = OutputNaming::standardStream();
        result.settings.originalDirectory = false;
        return;
    }
    const QFileInfo dir(read.value("output"));
    // The last level is made, as for a new folder in a dialog; a mistyped parent is not.
    if (!dir.exists() && !dir.isSymLink() && QFileInfo(dir.absolutePath()).isDir())
        result.folderToMake = QDir::cleanPath(dir.absoluteFilePath());
    else if (!dir.isDir())
        read.fail(QStringLiteral("--output: no such folder \"%1\"").arg(read.value("output")));
    result.settings.path = QDir::cleanPath(dir.absoluteFilePath());
    result.settings.originalDirectory = false;
}

void applyResize(Reader &read, CliArguments &result)
{
    ConversionSettings &s = result.settings;
    if (read.has("resize") && read.has("scale"))
        read.fail(QStringLiteral("--resize and --scale contradict each other"));
    if (!read.has("resize"))
        return;
    QString value = read.value("resize");
    s.resizeEnabled = true;
    s.resizeProportion = 0;
    s.resizePercent = 0;
    if (value.endsWith(QLatin1Char('%'))) {
        bool number = false;
        const int percent = value.chopped(1).toInt(&number);
        if (!number || percent < 1 || percent > 1000)
            read.fail(QStringLiteral("--resize takes a percentage from 1% to 1000%, not \"%1\"")
                          .arg(value));
        s.resizePercent = percent;
        return;
    }
    if (value.endsWith(QLatin1Char('>'))) {
        s.resizeShrinkOnly = true;
        value.chop(1);
    }
    bool exact = false;
    if (!parseBox(value, &s.resizeWidth, &s.resizeHeight, &exact))
        read.fail(QStringLiteral("--resize takes WxH, WxH! or either with a trailing '>' (sides "
                                 "from 1 to 9999), or N%, not \"%1\"")
                      .arg(read.value("resize")));
    s.resizeExact = exact;
    s.resizeBaseWidth = !exact;
}

void applyScale(Reader &read, CliArguments &result)
{
    ConversionSettings &s = result.settings;
    if (!read.has("scale"))
        return;
    const Options::Option &proportion = Options::resizeProportion();
    read.number("scale", proportion.minimum, proportion.maximum, &s.resizeProportion);
    if (s.resizeProportion == 0)
        read.fail(QStringLiteral("--scale takes a factor from -10 to 10 other than 0"));
    s.resizeEnabled = true;
}

// "I/N" with 0 <= I < N.
void applyShard(Reader &read, CliArguments &result)
{
    if (!read.has("shard"))
        return;
    const QStringList parts = read.value("shard").split(QLatin1Char('/'));
    bool okIndex = false;
    bool okCount = false;
    const int index = parts.value(0).toInt(&okIndex);
    const int count = parts.value(1).toInt(&okCount);
    if (parts.size() != 2 || !okIndex || !okCount || count < 1 || count > 100000 || index < 0
        || index >= count) {
        read.fail(QStringLiteral("--shard takes I/N with I from 0 to N-1, such as 0/4, not \"%1\"")
                      .arg(read.value("shard")));
        return;
    }
    result.shard = index;
    result.shards = count;
}

// What standard input and output can carry: one of the two uses of each.
void checkStreams(Reader &read, CliArguments &result)
{
    const QString &dash = OutputNaming::standardStream();
    if (result.settings.path == dash) {
        for (const char *other : { "json", "file-per-frame", "skip-existing", "keep-tree" }) {
            if (read.has(QLatin1String(other)))
                read.fail(QStringLiteral("--output - and --%1 contradict each other").arg(other));
        }
    }
    if (result.filesFrom == dash && read.positional().contains(dash))
        read.fail(QStringLiteral("standard input cannot give both the names of --files-from - "
                                 "and a picture (-)"));
    if (read.positional().contains(dash) && NamePattern::needsPicture(result.settings.namePattern))
        read.fail(QStringLiteral("a picture from standard input (-) can be read only once: "
                                 "--name cannot use {width}, {height} or {date} with it"));
}

// What one option implies for another, once every option has been read.
void applyImplications(Reader &read, CliArguments &result)
{
    ConversionSettings &s = result.settings;
    if (read.has("flatten") && read.has("keep-transparency"))
        read.fail(QStringLiteral("--flatten and --keep-transparency contradict each other"));
    if (read.has("flatten"))
        s.transparent = false;
    if (read.has("resize-filter") && !read.has("resize-operator"))
        s.resizeOperator = 2;
}

// The options in the order of --help and of applying: --settings first, so that the single
// overrides win; the rows of the option table with the options that only the command line has
// placed before the row they belong with; then how the run goes.
QVector<Declaration> declarations(int cores)
{
    QVector<Declaration> list = {
        { "settings", "FILE",
            "Start from the options of a tarvo.ini written by the window; the options "
            "below override single values. The window's files converted at once are not "
            "taken: --jobs says how many.",
            applySettingsFile },
        { "preset", "NAME",
            "Start from a preset saved in the window (~/.config/tarvo/presets/NAME.ini), as "
            "--settings does from a file.",
            nullptr },
    };
    const QVector<QPair<QString, Declaration>> placedBefore = {
        { "overwrite",
            { "output", "DIR",
                "Write every output into DIR, which must exist (default: beside each input).",
                applyOutput } },
        { "resize-operator",
            { "resize", "WxH[!][>]|N%",
                "Fit into WxH keeping the proportions, or exactly WxH with a trailing '!'; "
                "a trailing '>' only ever shrinks; N% scales by a percentage.",
                applyResize } },
        { "resize-operator",
            { "scale", "N",
                "Resize by a factor: N times larger, or 1/N of the size for -N; -10 to 10.",
                applyScale } },
    };
    for (const Options::Option &option : Options::all()) {
        if (!option.cli.name && !option.cli.offName)
            continue;
        for (const auto &entry : placedBefore) {
            if (entry.first == QLatin1String(option.cli.name))
                list.append(entry.second);
        }
        list += fromOption(option);
    }
    list.append({ QString(), QString(), QString(), applyImplications });
    list += {
        { "jobs", "N",
            QStringLiteral("Convert N files at once (default: %1, the number of processors this "
                           "process may use).")
                .arg(cores),
            [cores](Reader &read, CliArguments &result) {
                result.jobs = cores;
                read.number("jobs", 1, 256, &result.jobs);
            } },
        { "memory-limit", "SIZE",
            "Memory the files converting at once may take together, in MiB or with a K, M, G "
            "suffix; a file that needs more than all of it fails (default: three quarters of the "
            "memory, or of the control group's limit).",
            [](Reader &read, CliArguments &result) {
                if (!read.has("memory-limit"))
                    return;
                result.memoryLimit = parseSize(read.value("memory-limit"));
                if (result.memoryLimit == 0)
                    read.fail(QStringLiteral("--memory-limit takes a size of at least 1M, such as "
                                             "512M or 2G, not \"%1\"")
                                  .arg(read.value("memory-limit")));
            } },
        { "recursive", QString(), "Search folders' sub-folders too.",
            [](Reader &read, CliArguments &result) { result.recursive = read.has("recursive"); } },
        { "files-from", "FILE",
            "Convert the files and folders FILE names too, one a line (- for standard input).",
            [](Reader &read, CliArguments &result) {
                if (read.has("files-from"))
                    result.filesFrom = read.value("files-from");
            } },
        { "null", QString(),
            "The names of --files-from end with a NUL, as find -print0 writes them, not a "
            "line's end.",
            [](Reader &read, CliArguments &result) {
                result.nullSeparated = read.has("null");
                if (result.nullSeparated && !read.has("files-from"))
                    read.fail(QStringLiteral("--null belongs with --files-from"));
            },
            QStringLiteral("0") },
        { "shard", "I/N",
            "Convert only share I (from 0) of N of the inputs, chosen by their output names: N "
            "runs with 0/N to N-1/N into one folder give what one run gives.",
            applyShard },
        { "quiet", QString(), "Tell failures only.",
            [](Reader &read, CliArguments &result) {
                if (read.has("quiet") && read.has("verbose"))
                    read.fail(QStringLiteral("--quiet and --verbose contradict each other"));
                if (read.has("quiet"))
                    result.report = CliArguments::Report::Quiet;
                if (read.has("verbose"))
                    result.report = CliArguments::Report::Verbose;
            } },
        { "verbose", QString(), "Tell every file: where it went and what was done.", nullptr },
        { "json", QString(),
            "Write one JSON object a file to standard output (input, output, status, reason, "
            "warnings, bytes, milliseconds), then one with the totals.",
            [](Reader &read, CliArguments &result) { result.json = read.has("json"); } },
        { "dry-run", QString(), "Say where each file would go; convert and write nothing.",
            [](Reader &read, CliArguments &result) { result.dryRun = read.has("dry-run"); } },
        { QString(), QString(), QString(), checkStreams },
    };
    return list;
}

// The list as lines of at most width characters, for a help text read in a terminal.
QString wrapped(const QStringList &words, int width)
{
    QString text;
    int lineLength = 0;
    for (const QString &word : words) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            text += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            text += QLatin1Char(' ');
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text;
}

} // namespace

CliArguments parseCliArguments(const QStringList &arguments)
{
    CliArguments result;
    const QVector<Declaration> options = declarations(ResourceLimits::usableCpus());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts image files to %2, several at once.\n"
        "Folders are searched, in any letter case, for\n%1\n"
        "An existing file is never replaced without --overwrite: the output gets a free name\n"
        "(photo_1.jpg); with --overwrite the replaced file is first kept as photo_backup_N.\n"
        "Exit status: 0 when every file was converted, 1 when any failed, 2 for bad arguments,\n"
        "128+N when signal N ended the run (130 for Ctrl-C, 143 for SIGTERM, 129 for SIGHUP).")
                                         .arg(wrapped(InputFormats::patterns(), 88),
                                             OutputFormats::titles(QStringLiteral("or"))));
    parser.addPositionalArgument(QStringLiteral("FILE|FOLDER"),
        QStringLiteral("Images, or folders of images, to convert."),
        QStringLiteral("FILE|FOLDER..."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    for (const Declaration &option : options) {
        if (!option.name.isEmpty())
            parser.addOption(QCommandLineOption(option.shortName.isEmpty()
                    ? QStringList { option.name }
                    : QStringList { option.shortName, option.name },
                option.help, option.valueName));
    }

    result.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    // Qt adds --help-all beside --help for its own options, which this program has none of.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        result.helpRequested = true;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.versionRequested = true;
        return result;
    }

    Reader read(parser);
    for (const Declaration &option : options) {
        if (option.apply)
            option.apply(read, result);
    }
    result.inputs = parser.positionalArguments();
    // Without a word after the name, a person is asking what to do; a script whose list came
    // out empty (xargs with nothing, an empty --files-from) converts nothing and succeeds.
    if (arguments.size() <= 1)
        read.fail(QStringLiteral("no FILE or FOLDER given (see --help)"));
    result.error = read.error;
    return result;
}

QStringList expandInputs(
    const QStringList &inputs, bool recursive, QStringList *unnamable, QStringList *roots)
{
    QStringList noRoots;
    if (!roots)
        roots = &noRoots;
    QStringList ignored;
    if (!unnamable)
        unnamable = &ignored;
    QStringList files;
    QSet<QString> seen;
    for (const QString &input : inputs) {
        const QFileInfo info(input);
        if (info.isDir()) {
            seen.insert(info.canonicalFilePath());
            ImageFolders::collect(input, recursive, &files, &seen, unnamable);
            while (roots->size() < files.size())
                roots->append(info.absoluteFilePath());
        } else if (info.isFile()) {
            files.append(input);
            roots->append(QString());
        } else if (input != OutputNaming::standardStream()
            && !FileNames::unnamableEntry(input).isEmpty()) {
            unnamable->append(FileNames::unnamableEntry(input));
        } else {
            // Missing, or standard input: the run says what became of it.
            files.append(input);
            roots->append(QString());
        }
    }
    return files;
}

bool readNames(const QString &path, bool nullSeparated, QStringList *names, QString *error)
{
    QFile file;
    const bool opened = path == OutputNaming::standardStream()
        ? file.open(stdin, QIODevice::ReadOnly)
        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        *error
            = QStringLiteral("--files-from: cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray text = file.readAll();
    for (QByteArray name : text.split(nullSeparated ? '\0' : '\n')) {
        if (!nullSeparated && name.endsWith('\r'))
            name.chop(1);
        if (!name.isEmpty())
            names->append(QFile::decodeName(name));
    }
    return true;
}
