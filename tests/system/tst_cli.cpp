#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <Magick++.h>

#include <algorithm>
#include <list>

#include "batchconverter.h"
#include "cliarguments.h"
#include "outputformat.h"
#include "graphicconverter.h"
#include "options.h"
#include "outputnaming.h"
#include "presets.h"
#include "resourcelimits.h"
#include "settingsfile.h"
#include "tarvo_version.h"
#include "testsupport.h"

namespace {

QString b(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The record as "field=value" lines, to compare with what a table row expects.
QStringList describe(const ConversionSettings &s)
{
    return {
        "format=" + s.format,
        "path=" + s.path,
        QString("quality=%1").arg(s.quality),
        "overwrite=" + b(s.overwrite),
        "strip=" + b(s.strip),
        "transparent=" + b(s.transparent),
        "background=" + s.backgroundColor,
        QString("jpegQuality=%1").arg(s.jpegQuality),
        QString("dpi=%1x%2").arg(s.jpegDensityX).arg(s.jpegDensityY),
        "progressive=" + b(s.jpegProgressive),
        "huffman=" + b(s.jpegHuffman),
        QString("jpegType=%1").arg(s.jpegType),
        QString("jpegColorspace=%1").arg(s.jpegColorspace),
        QString("gifColorspace=%1").arg(s.gifQuantizeColorspace),
        QString("gifColors=%1").arg(s.gifQuantizeColors),
        QString("pngColorspace=%1").arg(s.pngColorspace),
        QString("pngFilter=%1").arg(s.pngFilter),
        QString("pngLevel=%1").arg(s.pngLevel),
        "resize=" + b(s.resizeEnabled),
        QString("proportion=%1").arg(s.resizeProportion),
        QString("percent=%1").arg(s.resizePercent),
        "shrinkOnly=" + b(s.resizeShrinkOnly),
        QString("box=%1x%2").arg(s.resizeWidth).arg(s.resizeHeight),
        "exact=" + b(s.resizeExact),
        "fit=" + b(s.resizeBaseWidth),
        QString("operator=%1").arg(s.resizeOperator),
        QString("filter=%1").arg(s.resizeFilter),
    };
}

QString writeImage(const QString &path, QSize size)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(90, 160, 40));
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

struct Run
{
    int exitCode;
    QString errors;
    QByteArray output;
};

// Runs the program with input on its standard input (closed after it).
Run runCli(const QStringList &arguments, const QByteArray &input = QByteArray(),
    const QString &program = QStringLiteral(TARVO_CONVERT))
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardError()), process.readAllStandardOutput() };
}

} // namespace

class tst_Cli : public QObject
{
    Q_OBJECT

private slots:
    void languageForPeopleNotForPrograms_data();
    void languageForPeopleNotForPrograms();
    void init();

    void arguments_data();
    void arguments();
    void settingsWrittenByTheWindow();
    void presetIsASettingsFileByName();
    void settingsFileIsCheckedLikeArguments_data();
    void settingsFileIsCheckedLikeArguments();
    void everyTableRowIsAnOverride();
    void folderExpansion();
    void collidingNamesDoNotDependOnJobs_data();
    void collidingNamesDoNotDependOnJobs();
    void backupNamesDoNotDependOnJobs();
    void outputFolderIsMadeOneLevelDeep();
    void keepTreeGivesEachItsSubFolder_data();
    void keepTreeGivesEachItsSubFolder();
    void skipExistingConvertsOnlyWhatIsMissing_data();
    void skipExistingConvertsOnlyWhatIsMissing();
    void anOutputReadLaterInTheRunIsReadWhenWritten();
    void failuresAndExitCodes();
    void badArgumentsConvertNothing();
    void everyMessageNamesItsFile();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void memoryLimitDecidesWhatConverts();
    void streamsAndLists_data();
    void streamsAndLists();
    void reportsForPeopleAndPrograms_data();
    void reportsForPeopleAndPrograms();
    void jobsFollowWhatTheProcessMayUse_data();
    void jobsFollowWhatTheProcessMayUse();
    void shardsJoinNamesThatCanMeet_data();
    void shardsJoinNamesThatCanMeet();
    void shardsThroughParallelGiveOneRun();
    void helpAndVersionOpenNoWindow_data();
    void helpAndVersionOpenNoWindow();

private:
    QScopedPointer<QTemporaryDir> dir;
};

void tst_Cli::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
}

void tst_Cli::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // lines of describe(), or "error:<text>"

    const auto ok = [](const char *name, const QStringList &args, const QStringList &expected) {
        QTest::newRow(name) << args << expected;
    };
    const auto bad = [](const char *name, const QStringList &args, const char *error) {
        QTest::newRow(name) << args << QStringList { QString("error:") + error };
    };

    ok("defaults", {},
        { "format=jpeg", "path=", "quality=75", "strip=true", "transparent=false",
            "background=#ffffff", "progressive=true", "resize=false" });
    ok("format by name, any case", { "--format", "PNG" }, { "format=png" });
    ok("fit into a box", { "--resize", "800x600" },
        { "resize=true", "box=800x600", "fit=true", "exact=false", "proportion=0" });
    ok("exact box", { "--resize", "800x600!" }, { "resize=true", "exact=true", "fit=false" });
    ok("signed factor", { "--scale", "-3" }, { "resize=true", "proportion=-3" });
    ok("percentage", { "--resize", "50%" }, { "resize=true", "percent=50", "proportion=0" });
    ok("fit, only ever shrinking", { "--resize", "800x600>" },
        { "box=800x600", "fit=true", "shrinkOnly=true" });
    ok("only ever shrinking, by its own option", { "--resize", "800x600!", "--shrink-only" },
        { "exact=true", "shrinkOnly=true" });
    ok("flatten onto a named colour", { "--flatten", "red" },
        { "transparent=false", "background=#ff0000" });
    ok("keep transparency and profiles", { "--keep-transparency", "--keep-profiles" },
        { "transparent=true", "strip=false" });
    ok("filter implies the customised operator", { "--resize-filter", "point" },
        { "operator=2", "filter=0" });
    ok("GIF and PNG colour spaces follow their own lists",
        { "--gif-colorspace", "rgb", "--png-colorspace", "yuv" },
        { "gifColorspace=1", "pngColorspace=6" });
    ok("PNG options", { "--png-filter", "paeth", "--png-level", "9" },
        { "pngFilter=4", "pngLevel=9" });
    ok("JPEG options",
        { "--jpeg-quality", "90", "--dpi", "300", "--jpeg-baseline", "--no-huffman", "--jpeg-type",
            "grayscale" },
        { "jpegQuality=90", "dpi=300x300", "progressive=false", "huffman=false", "jpegType=1" });
    bad("nothing at all", {}, "no FILE or FOLDER");
    bad("quiet and verbose", { "--quiet", "--verbose" }, "contradict");
    bad("a shard past the count", { "--shard", "4/4" }, "--shard takes I/N");
    bad("a shard that is no fraction", { "--shard", "1" }, "--shard takes I/N");
    bad("JSON and a picture on standard output", { "--json", "--output", "-" }, "contradict");
    bad("frames to standard output", { "--file-per-frame", "--output", "-" }, "contradict");
    bad("NUL-separated names without a list", { "-0" }, "--null belongs with --files-from");
    ok("a shard", { "--shard", "2/5" }, { "format=jpeg" });
    bad("quality zero", { "--quality", "0" }, "--quality takes a whole number from 1 to 100");
    bad("quality not a number", { "--quality", "best" }, "--quality takes a whole number");
    bad("unknown format", { "--format", "bmp" }, "--format takes one of jpeg, gif");
    bad("box without height", { "--resize", "800" }, "--resize takes WxH");
    bad("box side zero", { "--resize", "0x600" }, "--resize takes WxH");
    bad("percentage zero", { "--resize", "0%" }, "--resize takes a percentage from 1%");
    bad("factor zero", { "--scale", "0" }, "--scale takes a factor");
    bad("factor too large", { "--scale", "11" }, "--scale takes a whole number from -10 to 10");
    bad("box and factor", { "--resize", "10x10", "--scale", "2" }, "contradict");
    bad("flatten and keep", { "--flatten", "red", "--keep-transparency" }, "contradict");
    bad("not a colour", { "--flatten", "reddish" }, "is not a colour");
    bad("missing output folder", { "--output", "/no/such/folder" }, "--output: no such folder");
    bad("missing settings file", { "--settings", "/no/such.ini" }, "--settings: no such file");
    bad("no jobs", { "--jobs", "0" }, "--jobs takes a whole number from 1");
    bad("memory limit not a size", { "--memory-limit", "lots" }, "--memory-limit takes a size");
    bad("memory limit below 1M", { "--memory-limit", "512K" }, "--memory-limit takes a size");
    bad("unknown option", { "--colour", "red" }, "Unknown option");
    bad("name pattern naming a folder", { "--name", "out/{base}" },
        "--name: \"out/{base}\" may not hold \"/\"");
    bad("name pattern going up", { "--name", "..{base}" }, "may not hold");
    bad("name pattern with a field that is none", { "--name", "{n}{ext}" }, "has {ext}, which is");
}

void tst_Cli::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QStringList all = QStringList { "tarvo-convert" } + arguments;
    if (!expected.first().startsWith("error:") || !expected.first().contains("no FILE"))
        all.append("photo.png");
    const CliArguments parsed = parseCliArguments(all);
    if (expected.first().startsWith("error:")) {
        QVERIFY2(parsed.error.contains(expected.first().mid(6)), qPrintable(parsed.error));
        return;
    }
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    const QStringList actual = describe(parsed.settings);
    for (const QString &line : expected)
        QVERIFY2(actual.contains(line), qPrintable(line + " not in " + actual.join(", ")));
    QCOMPARE(parsed.inputs, QStringList { "photo.png" });
    QVERIFY(parsed.jobs >= 1);
}

void tst_Cli::settingsWrittenByTheWindow()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    {
        GraphicConverter window;
        window.findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(2);
        window.findChild<QSpinBox *>("spinBoxQuality")->setValue(42);
        window.findChild<QAbstractButton *>("checkBoxStrip")->setChecked(false);
        window.findChild<QSpinBox *>("spinBoxJPEGDPI")->setValue(300);
        window.findChild<QComboBox *>("comboBoxPNGColorspace")->setCurrentIndex(6);
        window.findChild<QComboBox *>("comboBoxPNGFilter")->setCurrentIndex(2);
        window.findChild<QAbstractButton *>("checkBoxResizeEnabled")->setChecked(true);
        window.findChild<QAbstractButton *>("radioButtonResizeWidth")->setChecked(true);
        window.findChild<QSpinBox *>("spinBoxResizeWidth")->setValue(1280);
        window.close();
    }
    QDir::setCurrent(previous);
    const QString ini = dir->filePath("tarvo.ini");
    QVERIFY(QFileInfo::exists(ini));

    CliArguments parsed = parseCliArguments({ "tarvo-convert", "--settings", ini, "x.png" });
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    const QStringList actual = describe(parsed.settings);
    for (const QString &line : QStringList { "format=png", "quality=42", "strip=false",
             "dpi=300x300", "pngColorspace=6", "pngFilter=2", "resize=true", "fit=true",
             "exact=false", "box=1280x480", "path=" + dir->path() })
        QVERIFY2(actual.contains(line), qPrintable(line + " not in " + actual.join(", ")));

    // A single option overrides the file.
    parsed = parseCliArguments({ "tarvo-convert", "--settings", ini, "--quality", "90", "x.png" });
    QVERIFY(describe(parsed.settings).contains("quality=90"));
    QVERIFY(describe(parsed.settings).contains("format=png"));
}

void tst_Cli::presetIsASettingsFileByName()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
    const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
    ConversionSettings web = SettingsFile::defaults();
    web.format = "png";
    web.strip = false;
    QString error;
    QVERIFY2(Presets::save("for the web", web, &error), qPrintable(error));
    QVERIFY(QFileInfo::exists(dir->filePath("tarvo/presets/for the web.ini")));
    QCOMPARE(Presets::names(), QStringList { "for the web" });

    CliArguments parsed = parseCliArguments(
        { "tarvo-convert", "--preset", "for the web", "--quality", "9", "x.png" });
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    for (const char *line : { "format=png", "strip=false", "quality=9" })
        QVERIFY2(describe(parsed.settings).contains(line), qPrintable(line));
    parsed = parseCliArguments({ "tarvo-convert", "--preset", "print", "x.png" });
    QVERIFY2(
        parsed.error.startsWith("--preset: no such preset \"print\""), qPrintable(parsed.error));
    parsed = parseCliArguments({ "tarvo-convert", "--preset", "../tarvo", "x.png" });
    QVERIFY2(parsed.error.startsWith("--preset: no such preset"), qPrintable(parsed.error));
    parsed = parseCliArguments(
        { "tarvo-convert", "--preset", "for the web", "--settings", "a.ini", "x.png" });
    QVERIFY2(parsed.error.contains("contradict"), qPrintable(parsed.error));
}

void tst_Cli::settingsFileIsCheckedLikeArguments_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("extra"); // further arguments
    QTest::addColumn<QString>("error"); // empty: accepted

    QTest::newRow("format index past the list")
        << QByteArray("[Options]\nformat=99\n") << QStringList()
        << QString("Options/format: \"99\" is not one of 0 (jpeg) to %1 (%2)")
               .arg(OutputFormats::names().size() - 1)
               .arg(OutputFormats::names().last());
    QTest::newRow("colour that is none")
        << QByteArray("[Global]\nbackgroundcolor=reddish\n") << QStringList()
        << "Global/backgroundcolor: \"reddish\" is not a colour";
    QTest::newRow("quality past its range")
        << QByteArray("[JPEG]\nquality=150\n") << QStringList()
        << "JPEG/quality: \"150\" is not a whole number from 1 to 100";
    QTest::newRow("flag neither true nor false")
        << QByteArray("[Global]\nstrip=maybe\n") << QStringList()
        << "Global/strip: \"maybe\" is neither true nor false";
    QTest::newRow("output folder that is not there")
        << QByteArray("[Options]\npath=/no/such/folder\n") << QStringList()
        << "Options/path: no such folder \"/no/such/folder\"";
    QTest::newRow("output folder that is not there, but --output names one")
        << QByteArray("[Options]\npath=/no/such/folder\n") << QStringList { "--output", "/" }
        << QString();
    QTest::newRow("name pattern that names a folder")
        << QByteArray("[Global]\nnamepattern=../{base}\n") << QStringList()
        << "Global/namepattern: \"../{base}\" may not hold \"/\", \"\\\" or \"..\": every "
           "output stays in its folder";
    QTest::newRow("name pattern with a comma, written by hand")
        << QByteArray("[Global]\nnamepattern={n}, {base}\n") << QStringList() << QString();
    QTest::newRow("a larger machine's files at once are the window's own")
        << QByteArray("[Global]\njobs=64\n") << QStringList() << QString();
    QTest::newRow("far larger than any settings file")
        << QByteArray("[Options]\nformat=2\n") + QByteArray(2 << 20, ';') << QStringList()
        << "the file is 2 MiB, far larger than any settings file; it is not read";
}

void tst_Cli::settingsFileIsCheckedLikeArguments()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, extra);
    QFETCH(QString, error);
    const QString file = dir->filePath("tarvo.ini");
    QVERIFY(TestSupport::writeFile(file, ini));
    const CliArguments parsed = parseCliArguments(
        QStringList { "tarvo-convert", "--settings", file } + extra + QStringList { "x.png" });
    if (error.isEmpty()) {
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        return;
    }
    QCOMPARE(parsed.error, QString("--settings \"%1\": %2").arg(file, error));
}

void tst_Cli::everyTableRowIsAnOverride()
{
    // Each row is moved to the end of its range, list or state, away from its default.
    const QString help = parseCliArguments({ "tarvo-convert" }).helpText;
    for (const Options::Option &option : Options::all()) {
        const char *name = option.cli.name ? option.cli.name : option.cli.offName;
        if (!name)
            continue;
        QVERIFY2(help.contains(QString("--") + name), name);
        QString value;
        QVariant expected;
        switch (option.type) {
        case Options::Type::Number:
            value = QString::number(option.maximum - 1);
            expected = option.maximum - 1;
            break;
        case Options::Type::Choice:
            value = option.choices.last().toUpper();
            expected = option.choices.size() - 1;
            break;
        case Options::Type::Colour:
            value = "red";
            expected = "#ff0000";
            break;
        case Options::Type::Flag:
            expected = !option.defaultValue.toBool();
            name = expected.toBool() ? option.cli.name : option.cli.offName;
            QVERIFY2(name, option.key);
            break;
        case Options::Type::Text:
            value = "{n:3}-{name}";
            expected = value;
            break;
        case Options::Type::Folder:
            break;
        }
        QStringList arguments = { "tarvo-convert", QString("--") + name };
        if (!value.isEmpty())
            arguments.append(value);
        const CliArguments parsed = parseCliArguments(arguments + QStringList { "x.png" });
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(QString(name) + '=' + option.get(parsed.settings).toString(),
            QString(name) + '=' + expected.toString());
    }
}

void tst_Cli::folderExpansion()
{
    for (const char *name : { "b.PNG", "A.jpg", "c.jpeg", "d.tif", "e.jpg/inner.png" })
        writeImage(dir->filePath(QString("pics/") + name), QSize(4, 4));
    const QString pics = dir->filePath("pics");
    // A loop back up the tree and a second name of a file: each real file comes once.
    QVERIFY(QFile::link("..", pics + "/e.jpg/up"));
    QVERIFY(QFile::link("A.jpg", pics + "/f.jpg"));
    QCOMPARE(expandInputs({ pics }, false),
        QStringList({ pics + "/A.jpg", pics + "/b.PNG", pics + "/c.jpeg", pics + "/d.tif" }));
    QCOMPARE(expandInputs({ pics }, true),
        QStringList({ pics + "/A.jpg", pics + "/b.PNG", pics + "/c.jpeg", pics + "/d.tif",
            pics + "/e.jpg/inner.png" }));
    QCOMPARE(expandInputs({ pics + "/c.jpeg", pics }, false).first(), pics + "/c.jpeg");
    // A name that names nothing, and standard input, stay for the run to tell of.
    QCOMPARE(expandInputs({ dir->filePath("nothing"), "-" }, false),
        QStringList({ dir->filePath("nothing"), "-" }));
}

void tst_Cli::collidingNamesDoNotDependOnJobs_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("keep: free names in input order") << false;
    QTest::newRow("overwrite: backups in input order") << true;
}

void tst_Cli::collidingNamesDoNotDependOnJobs()
{
    QFETCH(bool, overwrite);
    // Six inputs named alike; each one's width tells which input an output came from.
    QStringList inputs;
    for (int i = 0; i < 6; ++i)
        inputs.append(
            writeImage(dir->filePath(QString("in%1/photo.png").arg(i)), QSize(10 + i, 8)));

    QMap<QString, int> outcome[2];
    for (int jobs : { 1, 2 }) {
        const QString out = dir->filePath(QString("out%1").arg(jobs));
        QVERIFY(QDir().mkpath(out));
        writeImage(out + "/photo.jpg", QSize(99, 8)); // an older file in the way
        ConversionSettings settings = SettingsFile::defaults();
        settings.path = out;
        settings.overwrite = overwrite;
        BatchConverter batch(settings, { jobs, false });
        const auto results = batch.run(inputs, nullptr);
        for (const auto &result : results)
            QCOMPARE(int(result.status), int(ImagePipeline::FileResult::Converted));
        for (const QString &name : QDir(out).entryList(QDir::Files))
            outcome[jobs - 1].insert(name, QImage(out + '/' + name).width());
    }
    QCOMPARE(outcome[1], outcome[0]);
    if (overwrite) {
        QCOMPARE(outcome[0].value("photo.jpg"), 15);
        QCOMPARE(outcome[0].value("photo_backup_1.jpg"), 99);
        QCOMPARE(outcome[0].value("photo_backup_2.jpg"), 10);
        QCOMPARE(outcome[0].size(), 7);
    } else {
        QCOMPARE(outcome[0].value("photo.jpg"), 99);
        QCOMPARE(outcome[0].value("photo_1.jpg"), 10);
        QCOMPARE(outcome[0].value("photo_6.jpg"), 15);
        QCOMPARE(outcome[0].size(), 7);
    }
}

void tst_Cli::keepTreeGivesEachItsSubFolder_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("flat: free names") << QStringList { "--recursive" }
                                      << QStringList { "1.jpg", "1_1.jpg", "1_2.jpg", "top.jpg" };
    QTest::newRow("sub-folders kept") << QStringList { "--recursive",
        "--keep-tree" } << QStringList { "top.jpg", "x/1.jpg", "y/1.jpg", "y/z/1.jpg" };
    QTest::newRow("sub-folders kept, two at once") << QStringList { "--recursive", "--keep-tree",
        "--jobs", "2" } << QStringList { "top.jpg", "x/1.jpg", "y/1.jpg", "y/z/1.jpg" };
}

void tst_Cli::keepTreeGivesEachItsSubFolder()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, outputs);
    for (const char *name : { "a/top.png", "a/x/1.png", "a/y/1.png", "a/y/z/1.png" })
        writeImage(dir->filePath(name), QSize(12, 8));
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    const Run run = runCli(options + QStringList { "--output", out, dir->filePath("a") });
    QCOMPARE(run.exitCode, 0);
    QStringList found;
    QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(out).relativeFilePath(it.next()));
    found.sort();
    QCOMPARE(found, outputs);
}

void tst_Cli::outputFolderIsMadeOneLevelDeep()
{
    const QString input = writeImage(dir->filePath("in.png"), QSize(12, 8));
    const QString out = dir->filePath("new");
    Run run = runCli({ "--output", out, input });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors,
        "Made the folder " + QDir::toNativeSeparators(out) + "\n1 converted, 0 failed\n");
    QVERIFY(QFileInfo::exists(out + "/in.jpg"));
    // A mistyped parent is an error, not a tree of new folders.
    run = runCli({ "--output", dir->filePath("no/such"), input });
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFileInfo::exists(dir->filePath("no")));
}

void tst_Cli::skipExistingConvertsOnlyWhatIsMissing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("again"); // what a second run says
    QTest::addColumn<QString>("resumed"); // and a third, after two outputs were lost
    QTest::addColumn<int>("files"); // in the output folder at the end

    QTest::newRow("skipping") << QStringList { "--skip-existing" }
                              << "0 converted, 4 skipped, 0 failed\n"
                              << "2 converted, 2 skipped, 0 failed\n"
                              << 4;
    QTest::newRow("skipping, two at once")
        << QStringList { "--skip-existing", "--jobs", "2" } << "0 converted, 4 skipped, 0 failed\n"
        << "2 converted, 2 skipped, 0 failed\n"
        << 4;
    const QString renamed = "Outputs under a free name (*_N), the plain one being taken: %1\n";
    QTest::newRow("not skipping: a second set")
        << QStringList() << renamed.arg(4) + "4 converted, 0 failed\n"
        << renamed.arg(2) + "4 converted, 0 failed\n"
        << 10;
}

void tst_Cli::skipExistingConvertsOnlyWhatIsMissing()
{
    QFETCH(QStringList, options);
    QFETCH(QString, again);
    QFETCH(QString, resumed);
    QFETCH(int, files);
    for (const char *name : { "a", "b", "c", "d" })
        writeImage(dir->filePath(QString("in/%1.png").arg(name)), QSize(12, 8));
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    const QStringList arguments = options + QStringList { "--output", out, dir->filePath("in") };

    Run run = runCli(arguments);
    QCOMPARE(run.errors, QString("4 converted, 0 failed\n"));
    const QMap<QString, QByteArray> first = [&out] {
        QMap<QString, QByteArray> found;
        for (const QString &name : QDir(out).entryList(QDir::Files))
            found.insert(name, TestSupport::readFile(out + '/' + name));
        return found;
    }();
    run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, again);
    // As a run ended half-way leaves it: some outputs whole, the others not there.
    QVERIFY(QFile::remove(out + "/b.jpg") && QFile::remove(out + "/d.jpg"));
    run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, resumed);
    QCOMPARE(QDir(out).entryList(QDir::Files).size(), files);
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        QVERIFY2(TestSupport::readFile(out + '/' + it.key()) == it.value(), qPrintable(it.key()));
}

void tst_Cli::backupNamesDoNotDependOnJobs()
{
    // The second input's output is the name the first one's backup would take. The first is
    // large, so with two jobs the second is written long before the first is replaced.
    QStringList inputs = { dir->filePath("in/photo.jpg"), dir->filePath("in/photo_backup_1.jpg") };
    QVERIFY(QDir().mkpath(dir->filePath("in")));
    QImage large(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.setPixel(x, y, qRgb(x * y % 251, x % 253, y % 241));
    QVERIFY(large.save(inputs[0], "JPEG"));
    QImage small(10, 8, QImage::Format_RGB32);
    small.fill(Qt::darkGreen);
    QVERIFY(small.save(inputs[1], "JPEG"));

    QMap<QString, int> outcome[2];
    for (int jobs : { 1, 2 }) {
        const QString out = dir->filePath(QString("out%1").arg(jobs));
        writeImage(out + "/photo.png", QSize(99, 8)); // the only copy of an older picture
        const Run run = runCli({ "--jobs", QString::number(jobs), "--overwrite", "--format", "png",
            "--output", out, inputs[0], inputs[1] });
        QCOMPARE(run.errors,
            QString("Replaced files kept as backups (*_backup_N): 2\n2 converted, 0 failed\n"));
        for (const QString &name : QDir(out).entryList(QDir::Files))
            outcome[jobs - 1].insert(name, QImage(out + '/' + name).width());
    }
    QCOMPARE(outcome[1], outcome[0]);
    QCOMPARE(outcome[0].keys(99), QStringList { "photo_backup_1_backup_1.png" });
}

void tst_Cli::anOutputReadLaterInTheRunIsReadWhenWritten()
{
    // The second input is the first one's output, not yet written when the run starts: one
    // after the other it is converted in turn, and so it must be with two jobs.
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    const QString first = writeImage(dir->filePath("in/photo.png"), QSize(10, 8));
    ConversionSettings settings = SettingsFile::defaults();
    settings.path = out;
    BatchConverter batch(settings, { 2, false });
    for (const auto &result : batch.run({ first, out + "/photo.jpg" }, nullptr))
        QCOMPARE(int(result.status), int(ImagePipeline::FileResult::Converted));
    QCOMPARE(QImage(out + "/photo.jpg").width(), 10);
    QCOMPARE(QImage(out + "/photo_1.jpg").width(), 10);
}

void tst_Cli::failuresAndExitCodes()
{
    const QString good = writeImage(dir->filePath("a.png"), QSize(8, 8));
    const QString bad = dir->filePath("b.png");
    QVERIFY(TestSupport::writeFile(bad, "not an image"));
    const QString later = writeImage(dir->filePath("c.png"), QSize(8, 8));

    Run run = runCli({ "--jobs", "2", good, bad, later });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(QDir::toNativeSeparators(bad) + ": "), qPrintable(run.errors));
    QVERIFY2(run.errors.endsWith("2 converted, 1 failed\n"), qPrintable(run.errors));
    QVERIFY(QFileInfo::exists(dir->filePath("c.jpg")));

    run = runCli({ "--jobs", "1", "--stop-on-error", "--format", "gif", good, bad, later });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.endsWith("1 converted, 1 failed, 1 not started\n"), qPrintable(run.errors));
    QVERIFY(!QFileInfo::exists(dir->filePath("c.gif")));

    // A file the library warns about converts, and the warning is told.
    const QString warned = dir->filePath("editor.bmp");
    QVERIFY(TestSupport::writeFile(warned, TestSupport::bmpFile(8, 8, 24, 124, true)));
    run = runCli({ "--format", "png", "--output", dir->path(), good, warned, later });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors,
        "Warning: " + QDir::toNativeSeparators(warned) + ": invalid chromaticities\n"
            + "Outputs under a free name (*_N), the plain one being taken: 2\n"
            + "3 converted, 0 failed\n");
}

void tst_Cli::badArgumentsConvertNothing()
{
    const QString good = writeImage(dir->filePath("a.png"), QSize(8, 8));
    const Run run = runCli({ "--quality", "0", good });
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.startsWith("tarvo-convert: --quality"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { "a.png" });
}

void tst_Cli::namesThatAreNotUtf8_data()
{
    QTest::addColumn<bool>("named"); // the file given by name rather than its folder
    QTest::newRow("Latin-1 name in a folder") << false;
    QTest::newRow("Latin-1 name given directly") << true;
}

void tst_Cli::namesThatAreNotUtf8()
{
    QFETCH(bool, named);
    // Such a name cannot pass through a QString: the argument goes through the shell's printf
    // and the file is made with the bytes of its name.
    const QString pics = dir->filePath("pics");
    writeImage(pics + "/good.png", QSize(8, 8));
    const QByteArray path = QFile::encodeName(pics) + "/caf\xe9.bmp";
    {
        QFile file;
        FILE *handle = fopen(path.constData(), "wb");
        QVERIFY(handle);
        QVERIFY(file.open(handle, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(&file, "BMP"));
    }
    QProcess process;
    process.start("/bin/sh",
        { "-c",
            named ? "exec \"$0\" \"$(printf \"$1/caf\\351.bmp\")\" \"$1/good.png\""
                  : "exec \"$0\" \"$1\"",
            TARVO_CONVERT, pics });
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(
        errors.contains(QDir::toNativeSeparators(pics) + "/caf\\xe9.bmp: "), qPrintable(errors));
    QVERIFY2(errors.endsWith("1 converted, 1 failed\n"), qPrintable(errors));
    QVERIFY(QFileInfo::exists(pics + "/good.jpg"));
}

void tst_Cli::everyMessageNamesItsFile()
{
    // Broken files whose readers, or the readers tried after them, have things to say.
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 90));
    QVERIFY(picture.save(dir->filePath("a.jpg"), "JPEG"));
    const QByteArray jpeg = TestSupport::readFile(dir->filePath("a.jpg"));
    const QStringList inputs
        = { dir->filePath("zero-width.png"), dir->filePath("cut.jpg"), dir->filePath("words.gif") };
    QVERIFY(TestSupport::writeFile(inputs[0], TestSupport::oversizedPng(0, 16)));
    QVERIFY(TestSupport::writeFile(inputs[1], jpeg.left(jpeg.size() / 2)));
    QVERIFY(TestSupport::writeFile(inputs[2], "GIF89a and then words"));

    const Run run = runCli(QStringList { "--jobs", "1", "--format", "png" } + inputs);
    QCOMPARE(run.exitCode, 1);
    QStringList lines = run.errors.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QString("0 converted, 3 failed"));
    QCOMPARE(lines.size(), inputs.size());
    for (const QString &line : lines) {
        const bool named = std::any_of(inputs.begin(), inputs.end(), [&line](const QString &input) {
            return line.startsWith(QDir::toNativeSeparators(input) + ": ");
        });
        QVERIFY2(named, qPrintable(line));
    }
}

void tst_Cli::memoryLimitDecidesWhatConverts()
{
    // Two 4 MP files do not fit in the limit at once: the second waits for the first. A 20 MP
    // file needs more than all of it and fails on its own, naming its size and the limit.
    const QString a = writeImage(dir->filePath("a.png"), QSize(2000, 2000));
    const QString b = writeImage(dir->filePath("b.png"), QSize(2000, 2000));
    const QString big = writeImage(dir->filePath("big.png"), QSize(5000, 4000));
    const Run run = runCli({ "--jobs", "2", "--memory-limit", "100M", a, big, b });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(QDir::toNativeSeparators(big)
                 + ": 5000x4000 pixels is more than this machine can convert"),
        qPrintable(run.errors));
    QVERIFY2(run.errors.contains("the memory budget of 100 MiB"), qPrintable(run.errors));
    QVERIFY2(run.errors.endsWith("2 converted, 1 failed\n"), qPrintable(run.errors));
    QVERIFY(QFileInfo::exists(dir->filePath("a.jpg")));
    QVERIFY(QFileInfo::exists(dir->filePath("b.jpg")));
}

void tst_Cli::streamsAndLists_data()
{
    // In the arguments and the input, "@" stands for the test's folder; "<png>" as the input is
    // a PNG picture.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("outputs"); // in @/out; "stdout" for a JPEG there
    QTest::addColumn<QString>("summary"); // the last line on standard error

    QTest::newRow("a picture piped in and out")
        << QStringList { "-", "--output", "-" } << QByteArray("<png>") << QStringList { "stdout" }
        << "1 converted, 0 failed";
    QTest::newRow("a picture piped into a folder")
        << QStringList { "-", "--output", "@/out" } << QByteArray("<png>")
        << QStringList { "stdin.jpg" } << "1 converted, 0 failed";
    QTest::newRow("names a line each")
        << QStringList { "--files-from", "-", "--output", "@/out" }
        << QByteArray("@/a.png\n@/c.png\r\n\n") << QStringList { "a.jpg", "c.jpg" }
        << "2 converted, 0 failed";
    QTest::newRow("names ending in NUL, one with a line break")
        << QStringList { "-0", "--files-from", "-", "--output", "@/out" }
        << QByteArray("@/a.png\0@/li\nne.png\0", 20) << QStringList { "a.jpg", "li\nne.jpg" }
        << "2 converted, 0 failed";
    QTest::newRow("names from a file, beside names given")
        << QStringList { "--files-from", "@/list", "--output", "@/out", "@/a.png" } << QByteArray()
        << QStringList { "a.jpg", "c.jpg" } << "2 converted, 0 failed";
    QTest::newRow("an empty list converts nothing and succeeds")
        << QStringList { "--files-from", "-", "--output", "@/out" } << QByteArray() << QStringList()
        << "0 converted, 0 failed";
    QTest::newRow("no names but options, as xargs runs it with nothing")
        << QStringList { "--output", "@/out" } << QByteArray() << QStringList()
        << "0 converted, 0 failed";
}

void tst_Cli::streamsAndLists()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, outputs);
    QFETCH(QString, summary);
    const QString png = writeImage(dir->filePath("a.png"), QSize(12, 8));
    writeImage(dir->filePath("c.png"), QSize(12, 8));
    writeImage(dir->filePath("li\nne.png"), QSize(12, 8));
    QVERIFY(TestSupport::writeFile(dir->filePath("list"), dir->filePath("c.png").toUtf8() + "\n"));
    QVERIFY(QDir().mkpath(dir->filePath("out")));
    for (QString &argument : arguments)
        argument.replace('@', dir->path());
    input.replace('@', dir->path().toUtf8());
    if (input == "<png>")
        input = TestSupport::readFile(png);

    const Run run = runCli(arguments, input);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors.split('\n', Qt::SkipEmptyParts).value(-1, run.errors.trimmed()), summary);
    if (outputs == QStringList { "stdout" }) {
        QImage picture;
        QVERIFY(picture.loadFromData(run.output, "JPEG"));
        QCOMPARE(picture.size(), QSize(12, 8));
        outputs.clear();
    } else {
        QCOMPARE(run.output, QByteArray());
    }
    QCOMPARE(QDir(dir->filePath("out")).entryList(QDir::Files), outputs);
}

void tst_Cli::reportsForPeopleAndPrograms_data()
{
    // a.png converts to a free name (out/a.jpg is there), b.png is no picture, gone.png is not
    // there at all.
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("errors"); // lines on standard error, "@" for the folder
    QTest::addColumn<QStringList>("output"); // lines on standard output
    QTest::addColumn<QStringList>("written"); // in out, beside a.jpg

    const QStringList failures
        = { "@/b.png: not a picture this program can read", "@/gone.png: no such file" };
    QTest::newRow("default: failures, free names and totals") << QStringList() << 1
                                                              << failures
            + QStringList { "Outputs under a free name (*_N), the plain one being taken: 1",
                  "1 converted, 2 failed" } << QStringList() << QStringList { "a_1.jpg" };
    QTest::newRow("quiet: failures only")
        << QStringList { "--quiet" } << 1 << failures << QStringList() << QStringList { "a_1.jpg" };
    QTest::newRow("verbose: where each went")
        << QStringList { "--verbose" } << 1
        << QStringList { "@/a.png -> @/out/a_1.jpg (a free name: the plain one was taken)" }
            + failures
            + QStringList { "Outputs under a free name (*_N), the plain one being taken: 1",
                  "1 converted, 2 failed" }
        << QStringList() << QStringList { "a_1.jpg" };
    QTest::newRow("JSON: an object a file, then the totals")
        << QStringList { "--json", "--quiet" } << 1 << failures
        << QStringList { R"({"input":"@/a.png","output":"@/out/a_1.jpg","reason":null,"status":"converted"})",
               R"({"input":"@/b.png","output":null,"reason":"not a picture this program can read","status":"failed"})",
               R"({"input":"@/gone.png","output":null,"reason":"no such file","status":"failed"})",
               R"({"summary":{"backups":0,"converted":1,"failed":2,"not_converted":0,"renamed":1,"skipped":0,"stopped_by":null}})" }
        << QStringList { "a_1.jpg" };
    QTest::newRow("dry run: names, nothing written")
        << QStringList { "--dry-run" } << 1
        << QStringList { "@/gone.png: no such file", "Dry run: 2 to convert, 0 skipped, 1 failed" }
        << QStringList { "@/a.png -> @/out/a_1.jpg", "@/b.png -> @/out/b.jpg" } << QStringList();
}

void tst_Cli::reportsForPeopleAndPrograms()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, output);
    QFETCH(QStringList, written);
    writeImage(dir->filePath("a.png"), QSize(12, 8));
    QVERIFY(TestSupport::writeFile(dir->filePath("b.png"), "not a picture"));
    QVERIFY(QDir().mkpath(dir->filePath("out")));
    QVERIFY(TestSupport::writeFile(dir->filePath("out/a.jpg"), "there before"));
    const QString at = dir->path();
    const Run run = runCli(options
        + QStringList { "--jobs", "1", "--output", at + "/out", at + "/a.png", at + "/b.png",
            at + "/gone.png" });
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.errors.split('\n', Qt::SkipEmptyParts), errors.replaceInStrings("@", at));
    QStringList lines = QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts);
    // What varies from run to run: the bytes written and the time taken.
    lines.replaceInStrings(QRegularExpression(R"("bytes":\d+,)"), QString());
    lines.replaceInStrings(QRegularExpression(R"(,"milliseconds":\d+)"), QString());
    lines.replaceInStrings(QRegularExpression(R"(,"warnings":\[\])"), QString());
    QCOMPARE(lines, output.replaceInStrings("@", at));
    QCOMPARE(QDir(at + "/out").entryList(QDir::Files), QStringList { "a.jpg" } + written);
}

void tst_Cli::jobsFollowWhatTheProcessMayUse_data()
{
    QTest::addColumn<int>("affinity");
    QTest::addColumn<quint64>("quota"); // microseconds a period, 0 for none
    QTest::addColumn<int>("cpus");

    QTest::newRow("no quota: the affinity") << 4 << quint64(0) << 4;
    QTest::newRow("half a processor: one") << 8 << quint64(50000) << 1;
    QTest::newRow("one and a half: two") << 8 << quint64(150000) << 2;
    QTest::newRow("a quota above the affinity: the affinity") << 2 << quint64(400000) << 2;
}

void tst_Cli::jobsFollowWhatTheProcessMayUse()
{
    QFETCH(int, affinity);
    QFETCH(quint64, quota);
    QFETCH(int, cpus);
    QCOMPARE(ResourceLimits::usableCpus(affinity, quota, 100000), cpus);
    // The same through the system: a process allowed one processor converts one file at a time.
    QProcess taskset;
    taskset.start("taskset", { "-c", "0", TARVO_CONVERT, "--help" });
    QVERIFY(taskset.waitForFinished(20000));
    QVERIFY2(taskset.readAllStandardOutput().simplified().contains(
                 "Convert N files at once (default: 1,"),
        "--jobs does not follow the affinity");
}

void tst_Cli::shardsJoinNamesThatCanMeet_data()
{
    QTest::addColumn<QStringList>("names"); // plain output names
    QTest::addColumn<QStringList>("together"); // those that must share a shard

    QTest::newRow("a free name's form")
        << QStringList { "x.jpg", "x_1.jpg", "y.jpg" } << QStringList { "x.jpg", "x_1.jpg" };
    QTest::newRow("a backup's form, any case, any folder")
        << QStringList { "/a/Photo.jpg", "/b/photo_backup_2.jpg", "/c/other.jpg" }
        << QStringList { "/a/Photo.jpg", "/b/photo_backup_2.jpg" };
    QTest::newRow("a frame's form, through a chain") << QStringList { "p.png", "p-1.png",
        "p-1_1.png", "q.png" } << QStringList { "p.png", "p-1.png", "p-1_1.png" };
}

void tst_Cli::shardsJoinNamesThatCanMeet()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, together);
    // Many shards, so that names apart would seldom share one by chance; reversed, so that the
    // order of the list decides nothing.
    const QVector<int> shards = OutputNaming::shardsOf(names, 1000);
    QStringList reversed = names;
    std::reverse(reversed.begin(), reversed.end());
    const QVector<int> again = OutputNaming::shardsOf(reversed, 1000);
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(again[names.size() - 1 - i], shards[i]);
        if (together.contains(names[i]))
            QCOMPARE(shards[i], shards[names.indexOf(together.first())]);
    }
    // Names camera folders are full of share nothing by form: IMG_0001 and IMG_0002 are apart.
    QStringList camera;
    for (int i = 1; i <= 50; ++i)
        camera.append(QString("IMG_%1.jpg").arg(i, 4, 10, QChar('0')));
    const QVector<int> spread = OutputNaming::shardsOf(camera, 4);
    QCOMPARE(QSet<int>(spread.begin(), spread.end()).size(), 4);
}

void tst_Cli::shardsThroughParallelGiveOneRun()
{
    // Names that compete (a.png, a.jpg and a_1.png all want a.webp or a free name after it;
    // p.tif's pages want p-1, p-2), in two folders, with one file there already.
    const QString in = dir->filePath("in");
    int shade = 0;
    for (const char *name : { "a.png", "sub/a.jpg", "a_1.png", "b.png", "sub/B.png", "c.png",
             "d.png", "e.png", "sub/f.png", "g.png", "p-1.png" })
        writeImage(in + '/' + name, QSize(10 + shade++, 8));
    Magick::InitializeMagick(nullptr);
    std::list<Magick::Image> pages(2, Magick::Image(Magick::Geometry(6, 6), Magick::Color("red")));
    Magick::writeImages(pages.begin(), pages.end(), QFile::encodeName(in + "/p.tif").toStdString());
    const QStringList job = { "--recursive", "--file-per-frame", "--format", "webp", in };

    const auto folder = [](const QString &path) {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(path).entryList(QDir::Files))
            files.insert(name, TestSupport::readFile(path + '/' + name));
        return files;
    };
    QVERIFY(QDir().mkpath(dir->filePath("one")));
    QVERIFY(TestSupport::writeFile(dir->filePath("one/a.webp"), "there before"));
    QCOMPARE(runCli(job + QStringList { "--output", dir->filePath("one") }).exitCode, 0);
    const QMap<QString, QByteArray> one = folder(dir->filePath("one"));
    QVERIFY2(one.size() == 14, qPrintable(one.keys().join(' ')));
    for (int round = 1; round <= 2; ++round) {
        const QString out = dir->filePath(QString("four%1").arg(round));
        QVERIFY(QDir().mkpath(out));
        QVERIFY(TestSupport::writeFile(out + "/a.webp", "there before"));
        QProcess parallel;
        parallel.start("parallel",
            QStringList { "-j4", TARVO_CONVERT, "--shard", "{}/4" } + job
                + QStringList { "--output", out, ":::", "0", "1", "2", "3" });
        QVERIFY2(parallel.waitForFinished(60000), "GNU parallel did not finish");
        QVERIFY2(parallel.exitCode() == 0, parallel.readAllStandardError().constData());
        QCOMPARE(folder(out), one);
    }
}

void tst_Cli::helpAndVersionOpenNoWindow_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("tarvo --help") << TARVO_WINDOW << "--help"
                                  << "Usage: tarvo [OPTION]...";
    QTest::newRow("tarvo -h") << TARVO_WINDOW << "-h"
                              << "Usage: tarvo [OPTION]...";
    QTest::newRow("tarvo --help-all") << TARVO_WINDOW << "--help-all"
                                      << "Usage: tarvo [OPTION]...";
    QTest::newRow("tarvo --version") << TARVO_WINDOW << "--version"
                                     << "tarvo " TARVO_VERSION;
    QTest::newRow("tarvo-convert --help-all") << TARVO_CONVERT << "--help-all"
                                              << "Usage: ";
    QTest::newRow("tarvo-convert --version") << TARVO_CONVERT << "--version"
                                             << "tarvo-convert " TARVO_VERSION;
}

void tst_Cli::helpAndVersionOpenNoWindow()
{
    QFETCH(QString, program);
    QFETCH(QString, argument);
    QFETCH(QString, firstLine);
    // No display at all: a program that made a window would abort.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(program, { argument });
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(output.startsWith(firstLine), qPrintable(output));
}

void tst_Cli::languageForPeopleNotForPrograms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("summary");
    QTest::newRow("none asked") << ""
                                << "notes.png: not a picture this program can read"
                                << "1 converted, 1 failed";
    QTest::newRow("German") << "de"
                            << "notes.png: kein Bild, das dieses Programm lesen kann"
                            << "1 konvertiert, 1 fehlgeschlagen";
}

// What people read follows their language; what programs read (the JSON) is always English.
void tst_Cli::languageForPeopleNotForPrograms()
{
    QFETCH(QString, language);
    QFETCH(QString, failure);
    QFETCH(QString, summary);
    QTemporaryDir dir;
    QImage(8, 8, QImage::Format_RGB32).save(dir.filePath("good.png"));
    QVERIFY(TestSupport::writeFile(dir.filePath("notes.png"), "not a picture"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANG", "C.UTF-8");
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    if (language.isEmpty())
        environment.remove("LANGUAGE");
    else
        environment.insert("LANGUAGE", language);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(TARVO_CONVERT,
        { "--json", "--jobs", "1", "--output", dir.filePath("out"), "good.png", "notes.png" });
    QVERIFY(process.waitForFinished(60000));
    const QStringList said
        = QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(said.contains(failure), qPrintable(said.join('\n')));
    QVERIFY2(said.contains(summary), qPrintable(said.join('\n')));
    const QByteArray json = process.readAllStandardOutput();
    QVERIFY2(json.contains("\"reason\":\"not a picture this program can read\""), json.constData());
}

QTEST_MAIN(tst_Cli)
#include "tst_cli.moc"
