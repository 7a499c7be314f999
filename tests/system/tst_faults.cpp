#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "batchconverter.h"
#include "imageconverter.h"
#include "settingsfile.h"
#include "testsupport.h"

namespace {

// Noise does not compress, so writing the output takes a while: room for a kill mid-write.
QImage noisyPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image;
}

int run(const QString &program, const QStringList &arguments, QString *errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (errors)
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// Faults in the middle of a run: whatever happens, an output is complete or absent, and no
// file the user had is lost.
class tst_Faults : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileWriting();
    void inputsChangedAfterListing();
    void fullDisk_data();
    void fullDisk();
    void backupCannotBeMade_data();
    void backupCannotBeMade();
    void somethingAtTheOutputName_data();
    void somethingAtTheOutputName();
};

void tst_Faults::killedWhileWriting()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString input = dir.filePath("big.png");
    QVERIFY(noisyPicture(2000, 1500).save(input));
    const QByteArray inputBytes = TestSupport::readFile(input);
    const QString out = dir.filePath("out");
    const QString target = out + "/big.png";
    QImage previous(40, 30, QImage::Format_RGB32);
    previous.fill(Qt::magenta);

    int killedMidway = 0;
    for (int delay : { 0, 30, 80, 150, 250, 400, 600, 900 }) {
        QDir(out).removeRecursively();
        QVERIFY(QDir().mkpath(out));
        QVERIFY(previous.save(target));
        const QByteArray previousBytes = TestSupport::readFile(target);

        QProcess process;
        process.start(TARVO_CONVERT,
            { "--format", "png", "--png-level", "9", "--overwrite", "--output", out, input });
        QVERIFY(process.waitForStarted());
        if (delay > 0)
            QTest::qSleep(delay);
        process.kill(); // SIGKILL: no handler runs, nothing is flushed
        process.waitForFinished();
        if (process.exitStatus() == QProcess::CrashExit)
            ++killedMidway;

        const QByteArray now = TestSupport::readFile(target);
        if (now != previousBytes)
            QCOMPARE(QImage(target).size(), QSize(2000, 1500)); // the whole new picture
        for (const QString &name : QDir(out).entryList({ "*_backup_*" }, QDir::Files))
            QCOMPARE(TestSupport::readFile(out + '/' + name), previousBytes);
        QCOMPARE(TestSupport::readFile(input), inputBytes);
    }
    QVERIFY2(killedMidway > 0, "every run finished before it was killed");
}

void tst_Faults::inputsChangedAfterListing()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QStringList inputs;
    for (const char *name : { "cut.png", "gone.png", "fine.png" }) {
        inputs.append(dir.filePath(name));
        QVERIFY(noisyPicture(64, 48).save(inputs.last()));
    }
    // Listed whole; by their turn, one is cut in half and one is gone.
    QFile cut(inputs[0]);
    QVERIFY(cut.resize(cut.size() / 2));
    QVERIFY(QFile::remove(inputs[1]));

    ConversionSettings settings = SettingsFile::defaults();
    settings.path = dir.path();
    BatchConverter batch(settings, { 2, false });
    const auto results = batch.run(inputs, nullptr);
    QCOMPARE(int(results[0].status), int(ImagePipeline::FileResult::Failed));
    QVERIFY2(!results[0].error().isEmpty(), "a cut-short input failed without a reason");
    // The kind crosses from the worker with the words.
    QCOMPARE(int(results[0].reason.kind), int(Reason::Damaged));
    QCOMPARE(int(results[1].status), int(ImagePipeline::FileResult::Missing));
    QCOMPARE(results[1].error(), QDir::toNativeSeparators(inputs[1]) + ": no such file");
    QCOMPARE(int(results[1].reason.kind), int(Reason::NoSuchFile));
    QCOMPARE(int(results[2].status), int(ImagePipeline::FileResult::Converted));
    QCOMPARE(QDir(dir.path()).entryList({ "*.jpg" }, QDir::Files), QStringList { "fine.jpg" });
}

void tst_Faults::fullDisk_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("new name on a full disk") << false;
    QTest::newRow("replacing a file on a full disk") << true;
}

void tst_Faults::fullDisk()
{
    QFETCH(bool, overwrite);
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString disk = dir.filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (run("mount", { "-t", "tmpfs", "-o", "size=256k", "tmpfs", disk }) != 0)
        QSKIP("this machine does not allow mounting a tmpfs");
    const auto unmount = qScopeGuard([&] { run("umount", { disk }); });

    const QString input = dir.filePath("photo.png");
    QVERIFY(noisyPicture(300, 200).save(input));
    QImage previous(40, 30, QImage::Format_RGB32);
    previous.fill(Qt::cyan);
    const QString existing = disk + "/photo.png";
    QVERIFY(previous.save(existing));
    const QByteArray previousBytes = TestSupport::readFile(existing);
    {
        // Fill what is left of the disk.
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) { }
    }

    QStringList arguments = { "--format", "png", "--output", disk, input };
    if (overwrite)
        arguments.prepend("--overwrite");
    QString errors;
    QCOMPARE(run(TARVO_CONVERT, arguments, &errors), 1);
    QVERIFY2(errors.contains(QDir::toNativeSeparators(disk) + "/photo"), qPrintable(errors));
    QVERIFY2(errors.contains("0 converted, 1 failed"), qPrintable(errors));
    QCOMPARE(TestSupport::readFile(existing), previousBytes);
    for (const QString &name : QDir(disk).entryList(QDir::Files)) {
        if (name != "filler" && name != "photo.png") // a backup copy may or may not fit
            QCOMPARE(TestSupport::readFile(disk + '/' + name), previousBytes);
    }
}

void tst_Faults::backupCannotBeMade_data()
{
    QTest::addColumn<bool>("window");
    QTest::newRow("command line, backup name longer than a name may be") << false;
    QTest::newRow("window's worker, backup name longer than a name may be") << true;
}

void tst_Faults::backupCannotBeMade()
{
    QFETCH(bool, window);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    // 248 bytes fit in a folder entry (255 at most); the same with "_backup_1" do not.
    const QString name = QString(244, QLatin1Char('x'));
    const QString input = dir.filePath("in/" + name + ".png");
    const QString out = dir.filePath("out");
    QVERIFY(QDir().mkpath(out));
    QVERIFY(QDir().mkpath(dir.filePath("in")));
    QVERIFY(noisyPicture(30, 20).save(input));
    const QString existing = out + '/' + name + ".png";
    QVERIFY(TestSupport::writeFile(existing, "the only copy"));

    QString errors;
    if (window) {
        ConversionSettings settings = SettingsFile::defaults();
        settings.format = "png";
        settings.path = out;
        settings.overwrite = true;
        QAtomicInt stopFlag(0);
        ImageConverter worker({ input }, &settings, &stopFlag);
        connect(&worker, &ImageConverter::_error,
            [&errors](int, const QString &message) { errors += message + '\n'; });
        worker.convert();
    } else {
        QCOMPARE(run(TARVO_CONVERT, { "--format", "png", "--overwrite", "--output", out, input },
                     &errors),
            1);
        QVERIFY2(errors.contains("0 converted, 1 failed"), qPrintable(errors));
    }
    const QString reason = QDir::toNativeSeparators(existing) + ": cannot make the backup "
        + QDir::toNativeSeparators(out + '/' + name + "_backup_1.png") + ": File name too long";
    QVERIFY2(errors.contains(reason), qPrintable(errors));
    QCOMPARE(TestSupport::readFile(existing), QByteArray("the only copy"));
    QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { name + ".png" });
}

void tst_Faults::somethingAtTheOutputName_data()
{
    QTest::addColumn<bool>("overwrite");
    // "link": a dangling link at b.png before the run; "late": another program creates the
    // name the run planned for b.png (the output, or with overwrite its backup) after a.png
    QTest::addColumn<QString>("intruder");
    QTest::addColumn<QString>("output"); // where b's picture must land

    QTest::newRow("keep, dangling link at the output name: the next free name") << false << "link"
                                                                                << "b_1.png";
    QTest::newRow("overwrite, dangling link at the output name: replaced, not written through")
        << true << "link"
        << "b.png";
    QTest::newRow("keep, planned name taken during the run: the next free name") << false << "late"
                                                                                 << "b_1.png";
    QTest::newRow("overwrite, planned backup name taken during the run: the next backup name")
        << true << "late"
        << "b.png";
}

void tst_Faults::somethingAtTheOutputName()
{
    QFETCH(bool, overwrite);
    QFETCH(QString, intruder);
    QFETCH(QString, output);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString out = dir.filePath("out");
    QVERIFY(QDir().mkpath(out));
    const QStringList inputs = { dir.filePath("a.png"), dir.filePath("b.png") };
    QVERIFY(noisyPicture(30, 20).save(inputs[0]));
    QVERIFY(noisyPicture(50, 20).save(inputs[1]));
    const QString outside = dir.filePath("outside.png");
    if (intruder == "link")
        QVERIFY(QFile::link(outside, out + "/b.png"));
    else if (overwrite)
        QVERIFY(TestSupport::writeFile(out + "/b.png", "older"));
    const QString late = out + (overwrite ? "/b_backup_1.png" : "/b.png");

    ConversionSettings settings = SettingsFile::defaults();
    settings.format = "png";
    settings.path = out;
    settings.overwrite = overwrite;
    BatchConverter batch(settings, { 1, false });
    const auto results = batch.run(inputs, [&](int index, const ImagePipeline::FileResult &) {
        if (index == 0 && intruder == "late")
            TestSupport::writeFile(late, "someone else's");
    });
    for (const auto &result : results)
        QVERIFY2(result.status == ImagePipeline::FileResult::Converted, qPrintable(result.error()));
    QCOMPARE(results[1].outputPath, out + '/' + output);
    QCOMPARE(QImage(out + '/' + output).width(), 50);
    QVERIFY2(!QFileInfo::exists(outside), "written through a link");
    if (intruder == "link") {
        // Kept as the link it was: as the taken name, or as the backup of the replaced one.
        const QString link = out + (overwrite ? "/b_backup_1.png" : "/b.png");
        QCOMPARE(QFileInfo(link).symLinkTarget(), outside);
    } else {
        QCOMPARE(TestSupport::readFile(late), QByteArray("someone else's"));
        if (overwrite)
            QCOMPARE(TestSupport::readFile(out + "/b_backup_2.png"), QByteArray("older"));
    }
}

QTEST_GUILESS_MAIN(tst_Faults)
#include "tst_faults.moc"
