#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <Magick++.h>

#include "batchconverter.h"
#include "imageconvertengine.h"
#include "testsupport.h"

namespace {

std::unique_ptr<ConversionSettings> pngToJpeg(const QString &outputDir = QString())
{
    auto s = std::make_unique<ConversionSettings>();
    s->format = "jpeg";
    s->path = outputDir;
    s->quality = 75;
    s->strip = true;
    s->backgroundColor = "#ffffff";
    s->jpegQuality = 80;
    s->jpegDensityX = s->jpegDensityY = 72;
    s->gifQuantizeColors = 256;
    s->pngLevel = 7;
    s->pngFilter = 5;
    return s;
}

// Every file under root, by its path from there, with its bytes.
QMap<QString, QByteArray> tree(const QString &root)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found.insert(QDir(root).relativeFilePath(path), TestSupport::readFile(path));
    }
    return found;
}

QList<int> indices(const QSignalSpy &spy)
{
    QList<int> found;
    for (const QList<QVariant> &call : spy)
        found.append(call.at(0).toInt());
    return found;
}

int countOf(const QStringList &messages, const QString &prefix)
{
    int n = 0;
    for (const QString &m : messages)
        n += m.startsWith(prefix) ? 1 : 0;
    return n;
}

} // namespace

class tst_Engine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportsEachHandledFile_data();
    void reportsEachHandledFile();
    void failedFileEndsTheRunOnlyWhenAsked_data();
    void failedFileEndsTheRunOnlyWhenAsked();
    void warningIsToldAndTheFileConverts();
    void unwritableOutputIsReportedAndTheRunGoesOn();
    void stopIsSeenBetweenFiles();
    void outputFolderRemovedDuringTheRun();
    void stopWhileIdleDoesNotCarryOver();
    void nullSettingsStartNothing();
    void twoRunsInARow();
    void startDuringARunIsRefused();
    void destroyedDuringARun();
    void severalAtOnceWriteWhatOneAtATimeWrites_data();
    void severalAtOnceWriteWhatOneAtATimeWrites();
    void twoFilesConvertAtOnce();
    void stopWithSeveralAtOnce();
    void destroyedWithSeveralAtOnce();
    void failureWithSeveralAtOnce_data();
    void failureWithSeveralAtOnce();
    void killedWorkerFailsOneFile();
    void filePerFrameTakesNoOtherName_data();
    void filePerFrameTakesNoOtherName();
    void outputsKeepTheirInputsDates_data();
    void outputsKeepTheirInputsDates();
    void namePatternsReadWhatThePictureTells_data();
    void namePatternsReadWhatThePictureTells();

private:
    QString makeImage(const QString &name, QSize size = QSize(32, 24));
    QScopedPointer<QTemporaryDir> dir;
};

void tst_Engine::initTestCase()
{
    TestSupport::installMessageRecorder();
}

void tst_Engine::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    TestSupport::clearRecordedMessages();
}

void tst_Engine::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

QString tst_Engine::makeImage(const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 90));
    const QString path = dir->filePath(name);
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_Engine::reportsEachHandledFile_data()
{
    QTest::addColumn<QStringList>("names"); // "-" missing, "" an empty entry
    QTest::addColumn<QList<int>>("reported");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QList<int>>("errors");

    QTest::newRow("missing file in the middle is reported, the run goes on")
        << QStringList { "a.png", "-", "c.png" } << QList<int> { 0, 2 }
        << QStringList { "a.jpg", "c.jpg" } << QList<int> { 1 };
    QTest::newRow("empty entry counts as handled")
        << QStringList { "", "a.png" } << QList<int> { 0, 1 } << QStringList { "a.jpg" }
        << QList<int>();
    QTest::newRow("empty list ends at once")
        << QStringList() << QList<int>() << QStringList() << QList<int>();
    QTest::newRow("same name twice: second gets a free name")
        << QStringList { "a.png", "sub/a.png" } << QList<int> { 0, 1 }
        << QStringList { "a.jpg", "a_1.jpg" } << QList<int>();
}

void tst_Engine::reportsEachHandledFile()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, reported);
    QFETCH(QStringList, outputs);
    QFETCH(QList<int>, errors);

    QVERIFY(QDir(dir->path()).mkpath("sub"));
    QVERIFY(QDir(dir->path()).mkpath("out"));
    QStringList files;
    for (const QString &name : names) {
        if (name.isEmpty())
            files.append(QString());
        else if (name == "-")
            files.append(dir->filePath("missing.png"));
        else
            files.append(makeImage(name));
    }

    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy failures(&engine, SIGNAL(error(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    engine.start(files, pngToJpeg(dir->filePath("out")));
    QVERIFY(done.wait(20000));
    QCoreApplication::processEvents();

    QCOMPARE(done.count(), 1);
    QCOMPARE(indices(items), reported);
    QCOMPARE(indices(failures), errors);
    QCOMPARE(QDir(dir->filePath("out")).entryList(QDir::Files, QDir::Name), outputs);
    for (const QString &out : outputs)
        QCOMPARE(QImage(dir->filePath("out/" + out)).size(), QSize(32, 24));
    const QStringList messages = TestSupport::recordedMessages();
    QCOMPARE(messages.count("exit from worker thread."), 1);
    QCOMPARE(countOf(messages, "Error: "), errors.size());
    if (!errors.isEmpty())
        QVERIFY(messages.contains(
            "Error: " + QDir::toNativeSeparators(dir->filePath("missing.png")) + ": no such file"));
}

void tst_Engine::failedFileEndsTheRunOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("stopOnFailure");
    QTest::newRow("the run goes on past a file that is no image") << false;
    QTest::newRow("asked to, the run ends at that file") << true;
}

void tst_Engine::failedFileEndsTheRunOnlyWhenAsked()
{
    QFETCH(bool, stopOnFailure);
    const QString a = makeImage("a.png");
    const QString text = dir->filePath("notes.png");
    QVERIFY(TestSupport::writeFile(text, "shopping list\n"));
    const QString c = makeImage("c.png");
    auto settings = pngToJpeg();
    settings->stopOnFailure = stopOnFailure;

    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy errors(&engine, SIGNAL(error(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    engine.start({ a, text, c }, std::move(settings));
    QVERIFY(done.wait(20000));

    QCOMPARE(indices(items), stopOnFailure ? QList<int> { 0 } : QList<int>({ 0, 2 }));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 1);
    const QString message = errors.at(0).at(1).toString();
    QVERIFY(!message.isEmpty());
    QVERIFY(QFileInfo::exists(dir->filePath("a.jpg")));
    QVERIFY(!QFileInfo::exists(dir->filePath("notes.jpg")));
    QCOMPARE(QFileInfo::exists(dir->filePath("c.jpg")), !stopOnFailure);
    const QStringList messages = TestSupport::recordedMessages();
    QVERIFY(messages.contains("Error: " + message));
    QCOMPARE(countOf(messages, "Error: "), 1);
    // The error reaches the window before the end of the run.
    QCOMPARE(
        messages.indexOf("exit from worker thread.") > messages.indexOf("Error: " + message), true);
}

void tst_Engine::warningIsToldAndTheFileConverts()
{
    // The PNG writer warns about this BMP's chromaticities, and writes it all the same.
    const QString bmp = dir->filePath("editor.bmp");
    QVERIFY(TestSupport::writeFile(bmp, TestSupport::bmpFile(16, 8, 24, 124, true)));
    const QString c = makeImage("c.png");
    auto settings = pngToJpeg();
    settings->format = "png";
    settings->path = dir->filePath("out");
    QVERIFY(QDir(dir->path()).mkpath("out"));

    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy errors(&engine, SIGNAL(error(int, QString)));
    QSignalSpy warnings(&engine, SIGNAL(warning(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    engine.start({ bmp, c }, std::move(settings));
    QVERIFY(done.wait(20000));

    QCOMPARE(indices(items), QList<int>({ 0, 1 }));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(indices(warnings), QList<int> { 0 });
    const QString message = warnings.at(0).at(1).toString();
    QCOMPARE(message, QDir::toNativeSeparators(bmp) + ": invalid chromaticities");
    QVERIFY(TestSupport::recordedMessages().contains("Warning: " + message));
    QVERIFY(QFileInfo::exists(dir->filePath("out/editor.png")));
}

void tst_Engine::unwritableOutputIsReportedAndTheRunGoesOn()
{
    // A folder squatting on the output name cannot be replaced by a file, even by root.
    const QString a = makeImage("a.png");
    const QString b = makeImage("b.png");
    QVERIFY(QDir(dir->path()).mkpath("a.jpg"));
    auto settings = pngToJpeg();
    settings->overwrite = true;

    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy errors(&engine, SIGNAL(error(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    engine.start({ a, b }, std::move(settings));
    QVERIFY(done.wait(20000));

    QCOMPARE(indices(items), QList<int> { 1 });
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 0);
    const QString message = errors.at(0).at(1).toString();
    QVERIFY2(message.startsWith(QDir::toNativeSeparators(dir->filePath("a.jpg")) + ": "),
        qPrintable(message));
    QVERIFY(TestSupport::recordedMessages().contains("Error: " + message));
    QVERIFY(QFileInfo(dir->filePath("a.jpg")).isDir());
    QVERIFY(QFileInfo::exists(dir->filePath("b.jpg")));
}

void tst_Engine::stopIsSeenBetweenFiles()
{
    // The flag is raised from inside the worker's report of file 0, the moment the worker
    // could next look at it: file 0 is complete, file 1 must not be touched.
    const QStringList files = { makeImage("a.png"), makeImage("b.png") };
    QAtomicInt stopFlag(0);
    const auto settings = pngToJpeg();
    ImageConverter worker(files, settings.get(), &stopFlag);
    QSignalSpy items(&worker, SIGNAL(_doneItem(int)));
    QSignalSpy done(&worker, SIGNAL(done()));
    connect(&worker, &ImageConverter::_doneItem, [&](int) { stopFlag.storeRelaxed(1); });
    worker.convert();

    QCOMPARE(indices(items), QList<int> { 0 });
    QCOMPARE(done.count(), 1);
    QVERIFY(QFileInfo::exists(dir->filePath("a.jpg")));
    QVERIFY(!QFileInfo::exists(dir->filePath("b.jpg")));
}

void tst_Engine::outputFolderRemovedDuringTheRun()
{
    // The folder disappears right after file 0 is written: the other files are not sent
    // elsewhere behind the user's back, each is reported as not written.
    const QStringList files = { makeImage("a.png"), makeImage("b.png"), makeImage("c.png") };
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    QAtomicInt stopFlag(0);
    const auto settings = pngToJpeg(out);
    ImageConverter worker(files, settings.get(), &stopFlag);
    QSignalSpy items(&worker, SIGNAL(_doneItem(int)));
    QSignalSpy failures(&worker, SIGNAL(_error(int, QString)));
    connect(&worker, &ImageConverter::_doneItem, [&](int) { QDir(out).removeRecursively(); });
    worker.convert();

    QCOMPARE(indices(items), QList<int> { 0 });
    QCOMPARE(indices(failures), (QList<int> { 1, 2 }));
    QVERIFY2(failures.at(0).at(1).toString().startsWith(QDir::toNativeSeparators(out + "/b.jpg")),
        qPrintable(failures.at(0).at(1).toString()));
    QVERIFY(!QFileInfo::exists(dir->filePath("b.jpg")));
    QVERIFY(!QFileInfo::exists(dir->filePath("c.jpg")));
}

void tst_Engine::stopWhileIdleDoesNotCarryOver()
{
    const QStringList files = { makeImage("a.png"), makeImage("b.png") };
    ImageConvertEngine engine;
    engine.requestStop();
    engine.requestStop();
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy done(&engine, SIGNAL(done()));
    engine.start(files, pngToJpeg());
    QVERIFY(done.wait(20000));
    QCOMPARE(indices(items), (QList<int> { 0, 1 }));
}

void tst_Engine::nullSettingsStartNothing()
{
    ImageConvertEngine engine;
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(!engine.start({ makeImage("a.png") }, nullptr));
    // Nothing was started that could still report: events posted so far are all there is.
    QCoreApplication::processEvents();
    QCOMPARE(done.count(), 0);
    QVERIFY(!QFileInfo::exists(dir->filePath("a.jpg")));
}

void tst_Engine::twoRunsInARow()
{
    const QStringList files = { makeImage("a.png") };
    ImageConvertEngine engine;
    QSignalSpy done(&engine, SIGNAL(done()));
    QList<QPointer<QThread>> threads;
    for (int run = 0; run < 2; ++run) {
        engine.start(files, pngToJpeg());
        threads.append(engine.findChild<QThread *>()); // none: the thread has no parent
        QVERIFY(done.wait(20000));
    }
    QCOMPARE(done.count(), 2);
    QVERIFY(QFileInfo::exists(dir->filePath("a.jpg")));
    QVERIFY(QFileInfo::exists(dir->filePath("a_1.jpg")));
    QCOMPARE(TestSupport::recordedMessages().count("exit from worker thread."), 2);
}

void tst_Engine::startDuringARunIsRefused()
{
    // The window disables Convert during a run; a second start must still leave the running
    // worker its own record, and not start a worker of its own.
    QStringList files;
    for (int i = 0; i < 4; ++i)
        files.append(makeImage(QString("p%1.png").arg(i), QSize(1200, 900)));
    const QString other = dir->filePath("other");
    QVERIFY(QDir().mkdir(other));
    ImageConvertEngine engine;
    QSignalSpy done(&engine, SIGNAL(done()));
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QVERIFY(engine.start(files, pngToJpeg()));
    auto second = pngToJpeg(other);
    second->format = "png";
    QVERIFY(!engine.start(files, std::move(second)));
    QVERIFY(done.wait(20000));
    QCOMPARE(indices(items), (QList<int> { 0, 1, 2, 3 }));
    for (int i = 0; i < 4; ++i)
        QVERIFY(QFileInfo::exists(dir->filePath(QString("p%1.jpg").arg(i))));
    QCOMPARE(QDir(other).entryList(QDir::Files), QStringList());

    // Once the run is over, the next one starts.
    QVERIFY(engine.start({ files.first() }, pngToJpeg(other)));
    QVERIFY(done.wait(20000));
    QCOMPARE(done.count(), 2);
    QVERIFY(QFileInfo::exists(QDir(other).filePath("p0.jpg")));
}

void tst_Engine::destroyedDuringARun()
{
    // Closing the window mid-run destroys the engine: it must wait for the file in progress,
    // leave only complete outputs, start no further file and not crash on the worker's late
    // reports.
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files.append(makeImage(QString("p%1.png").arg(i), QSize(1200, 900)));
    // The worker is held in the middle of its first file, in an event loop of its own thread:
    // the engine's quit() ends that loop, so the file goes on only once the engine is being
    // destroyed.
    QSemaphore saving;
    TestSupport::holdInsideFirstFile(saving);
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    {
        ImageConvertEngine engine;
        QVERIFY(engine.start(files, pngToJpeg(dir->filePath("out"))));
        QVERIFY(saving.tryAcquire(1, 60000));
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QStringList written;
    for (int i = 0; i < 6; ++i) {
        const QString out = dir->filePath(QString("p%1.jpg").arg(i));
        if (!QFileInfo::exists(out))
            continue;
        QCOMPARE(QImage(out).size(), QSize(1200, 900));
        written.append(QFileInfo(out).fileName());
    }
    QCOMPARE(written, QStringList { "p0.jpg" });
    // Nothing but the finished output and the inputs: no temporary file left behind.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 6 + 1);
}

void tst_Engine::severalAtOnceWriteWhatOneAtATimeWrites_data()
{
    QTest::addColumn<QStringList>("names"); // inputs, each picture of its own colour
    QTest::addColumn<QStringList>("existing"); // files there before the run
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("intoFolder"); // outputs into "out", else beside the inputs
    QTest::addColumn<bool>("overwrite");

    const QStringList clashing = { "a.png", "b.png", "sub/a.png", "sub/b.png", "sub2/a.png" };
    QTest::newRow("same names from three folders, one taken already: free names in list order")
        << clashing << QStringList { "out/a.jpg" } << "jpeg" << true << false;
    QTest::newRow("overwrite: backups first, a later file replaces an earlier one's output")
        << clashing << QStringList { "out/a.jpg", "out/a_backup_1.jpg" } << "jpeg" << true << true;
    QTest::newRow("overwrite, the output is the input: backup, then replaced")
        << QStringList { "a.png", "b.png", "c.png" } << QStringList() << "png" << false << true;
}

void tst_Engine::severalAtOnceWriteWhatOneAtATimeWrites()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, existing);
    QFETCH(QString, format);
    QFETCH(bool, intoFolder);
    QFETCH(bool, overwrite);

    QMap<QString, QByteArray> written[2];
    QList<int> reported[2];
    for (int jobs = 1; jobs <= 2; ++jobs) {
        const QString root = dir->filePath(QString("run%1").arg(jobs));
        QVERIFY(QDir().mkpath(root + "/out"));
        QStringList files;
        for (int i = 0; i < names.size(); ++i) {
            const QString path = root + '/' + names[i];
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QImage image(32, 24, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 60, 200, 200));
            QVERIFY(image.save(path, "PNG"));
            files.append(path);
        }
        for (const QString &name : existing)
            QVERIFY(TestSupport::writeFile(root + '/' + name, name.toUtf8()));
        auto settings = pngToJpeg(intoFolder ? root + "/out" : QString());
        settings->format = format;
        settings->overwrite = overwrite;
        settings->jobs = jobs;

        ImageConvertEngine engine;
        QSignalSpy items(&engine, SIGNAL(doneItem(int)));
        QSignalSpy done(&engine, SIGNAL(done()));
        QVERIFY(engine.start(files, std::move(settings)));
        QVERIFY(done.wait(20000));
        reported[jobs - 1] = indices(items);
        std::sort(reported[jobs - 1].begin(), reported[jobs - 1].end());
        written[jobs - 1] = tree(root);
    }
    QCOMPARE(reported[1], reported[0]);
    QCOMPARE(reported[0].size(), names.size());
    QCOMPARE(written[1].keys(), written[0].keys());
}

void tst_Engine::twoFilesConvertAtOnce()
{
    // The first file is a pipe nobody writes to yet: reading it waits, as on a stalled
    // network share. Only a second file in flight meanwhile can be reported done. (The image
    // library serialises its progress reports, so a pause inside a save would hold both.)
    const QString pipe = dir->filePath("stalled.png");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QStringList files = { pipe, makeImage("b.png") };
    auto settings = pngToJpeg();
    settings->jobs = 2;
    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(engine.start(files, std::move(settings)));
    // The reader waits in open() until a writer comes; then it reads nothing, and fails.
    const auto release = qScopeGuard([&pipe] { QFile(pipe).open(QIODevice::WriteOnly); });
    QVERIFY(items.wait(20000));
    QCOMPARE(indices(items), QList<int> { 1 });
    QVERIFY(QFileInfo::exists(dir->filePath("b.jpg")));
}

void tst_Engine::stopWithSeveralAtOnce()
{
    // Stop comes while the first file is being saved: that file and any other in flight
    // finish whole, no further file starts, and the run ends as usual.
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files.append(makeImage(QString("p%1.png").arg(i), QSize(1200, 900)));
    auto settings = pngToJpeg();
    settings->jobs = 2;
    ImageConvertEngine engine;
    TestSupport::pauseWhenSaving(1, [&engine] { engine.requestStop(); });
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(engine.start(files, std::move(settings)));
    QVERIFY(done.wait(60000));
    QCoreApplication::processEvents();

    QCOMPARE(done.count(), 1);
    QVERIFY2(items.count() >= 1 && items.count() <= 2, qPrintable(QString::number(items.count())));
    QStringList written;
    for (int i = 0; i < 6; ++i) {
        const QString out = dir->filePath(QString("p%1.jpg").arg(i));
        if (!QFileInfo::exists(out))
            continue;
        QVERIFY2(indices(items).contains(i), qPrintable(out));
        QCOMPARE(QImage(out).size(), QSize(1200, 900));
        written.append(out);
    }
    QCOMPARE(written.size(), items.count());
    // The inputs and the finished outputs, no temporary file beside them.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 6 + written.size());
    QCOMPARE(TestSupport::recordedMessages().count("exit from worker thread."), 1);
}

void tst_Engine::destroyedWithSeveralAtOnce()
{
    // Closing the window once a file is being saved: the engine waits for the files in
    // flight, which finish whole, and no further file starts.
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files.append(makeImage(QString("p%1.png").arg(i), QSize(1200, 900)));
    // The first file to be saved waits until the stop is asked for, as the window's close
    // would ask it: its own job may not start another file before that.
    QSemaphore saving;
    QSemaphore stopAsked;
    TestSupport::pauseWhenSaving(1, [&saving, &stopAsked] {
        saving.release();
        stopAsked.tryAcquire(1, 60000);
    });
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    {
        auto settings = pngToJpeg();
        settings->jobs = 2;
        ImageConvertEngine engine;
        QVERIFY(engine.start(files, std::move(settings)));
        QVERIFY(saving.tryAcquire(1, 60000));
        engine.requestStop();
        stopAsked.release();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QStringList written = QDir(dir->path()).entryList({ "*.jpg" }, QDir::Files);
    QVERIFY2(!written.isEmpty() && written.size() <= 2, qPrintable(written.join(' ')));
    for (const QString &jpg : written)
        QCOMPARE(QImage(dir->filePath(jpg)).size(), QSize(1200, 900));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 6 + written.size());
}

void tst_Engine::failureWithSeveralAtOnce_data()
{
    // "-" a missing file, "text" a file that is no image, "a.jpg/" a folder where the output
    // of a.png goes.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<int>("failed");

    QTest::newRow("missing file: the run goes on")
        << QStringList { "a.png", "-", "b.png", "c.png" }
        << QStringList { "a.jpg", "b.jpg", "c.jpg" } << 1;
    QTest::newRow("output that cannot be written: the run goes on")
        << QStringList { "a.jpg/", "a.png", "b.png", "c.png" } << QStringList { "b.jpg", "c.jpg" }
        << 1;
    QTest::newRow("file that is no image: the one in flight finishes, no other starts")
        << QStringList { "a.png", "text", "b.png", "c.png" } << QStringList { "a.jpg" } << 1;
}

void tst_Engine::failureWithSeveralAtOnce()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, outputs);
    QFETCH(int, failed);

    QStringList files;
    for (const QString &name : names) {
        if (name == "-") {
            files.append(dir->filePath("missing.png"));
        } else if (name == "text") {
            files.append(dir->filePath("notes.png"));
            QVERIFY(TestSupport::writeFile(files.last(), "shopping list\n"));
        } else if (name.endsWith('/')) {
            QVERIFY(QDir(dir->path()).mkpath(name));
        } else {
            files.append(makeImage(name));
        }
    }
    auto settings = pngToJpeg();
    settings->jobs = 2;
    settings->stopOnFailure = true;
    settings->overwrite = true;
    ImageConvertEngine engine;
    // With a file that is no image, the first save waits for that file's report, so that the
    // failure is known before the file being saved is done. (The image library serialises its
    // progress reports, so the other job gets on only when it fails without reporting any,
    // as it does when no reader knows the bytes.)
    QSemaphore reported;
    if (names.contains("text"))
        TestSupport::pauseWhenSaving(1, [&] { reported.tryAcquire(1, 20000); });
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    connect(&engine, &ImageConvertEngine::doneItem, [&] { reported.release(); });
    connect(&engine, &ImageConvertEngine::error, [&] { reported.release(); });
    QSignalSpy errors(&engine, SIGNAL(error(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(engine.start(files, std::move(settings)));
    QVERIFY(done.wait(60000));

    QCOMPARE(errors.count(), failed);
    QStringList found = QDir(dir->path()).entryList({ "*.jpg" }, QDir::Files, QDir::Name);
    QCOMPARE(found, outputs);
}

void tst_Engine::killedWorkerFailsOneFile()
{
    // The worker is held reading a pipe whose writer never writes, and then killed, as the
    // system kills a process that takes too much memory: that file fails, the run goes on.
    const QString pipe = dir->filePath("stalled.png");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString later = makeImage("later.png");
    ImageConvertEngine engine;
    QSignalSpy items(&engine, SIGNAL(doneItem(int)));
    QSignalSpy failures(&engine, SIGNAL(error(int, QString)));
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(engine.start({ pipe, later }, pngToJpeg()));
    // The run opens the pipe once a writer has it open.
    const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
    const auto workers = [] {
        QList<pid_t> found;
        for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
            const QByteArray stat = TestSupport::readFile("/proc/" + entry + "/stat");
            const int close = stat.lastIndexOf(") ");
            if (stat.contains("(tarvo-worker)") && close > 0
                && stat.mid(close + 2).split(' ').value(1).toInt() == ::getpid())
                found.append(pid_t(entry.toInt()));
        }
        return found;
    };
    QTRY_VERIFY_WITH_TIMEOUT(!workers().isEmpty(), 30000);
    ::kill(workers().first(), SIGKILL);
    QVERIFY(done.wait(30000));
    ::close(writer);

    QCOMPARE(indices(items), QList<int> { 1 });
    QCOMPARE(indices(failures), QList<int> { 0 });
    QCOMPARE(failures.first().at(1).toString(),
        QDir::toNativeSeparators(pipe)
            + ": the decoder crashed (killed, perhaps for lack of memory); the file is probably "
              "damaged or hostile");
    QVERIFY(QFileInfo::exists(dir->filePath("later.jpg")));
}

void tst_Engine::filePerFrameTakesNoOtherName_data()
{
    QTest::addColumn<QStringList>("names"); // inputs; "p.tif" has 3 pages, 10x10, 20x10, 30x10
    QTest::addColumn<QStringList>("existing"); // files in "out" before the run
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("pages"); // the files that hold pages 1, 2, 3

    QTest::newRow("pages apart") << QStringList { "p.tif" } << QStringList() << false
                                 << QStringList { "p-1.png", "p-2.png", "p-3.png" };
    QTest::newRow("a page's name is another input's output, or there already")
        << QStringList { "p.tif", "p-1.png" } << QStringList { "p-2.png" } << false
        << QStringList { "p-1_1.png", "p-2_1.png", "p-3.png" };
    QTest::newRow("with overwrite: a file there is replaced, another output is not")
        << QStringList { "p.tif", "p-1.png" } << QStringList { "p-2.png" } << true
        << QStringList { "p-1_1.png", "p-2.png", "p-3.png" };
}

void tst_Engine::filePerFrameTakesNoOtherName()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, existing);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, pages);

    Magick::InitializeMagick(nullptr);
    QMap<QString, QByteArray> written[2];
    // Several at once name the files as one after the other does.
    for (int jobs = 1; jobs <= 2; ++jobs) {
        const QString root = dir->filePath(QString("run%1").arg(jobs));
        QVERIFY(QDir().mkpath(root + "/out"));
        QStringList files;
        for (const QString &name : names) {
            const QString path = root + '/' + name;
            std::list<Magick::Image> frames;
            for (int page = 1; page <= (name == "p.tif" ? 3 : 1); ++page)
                frames.emplace_back(Magick::Geometry(10 * page, 10), Magick::Color("blue"));
            Magick::writeImages(
                frames.begin(), frames.end(), QFile::encodeName(path).toStdString());
            files.append(path);
        }
        for (const QString &name : existing)
            QVERIFY(TestSupport::writeFile(root + "/out/" + name, name.toUtf8()));
        auto settings = pngToJpeg(root + "/out");
        settings->format = "png";
        settings->overwrite = overwrite;
        settings->filePerFrame = true;
        settings->jobs = jobs;

        ImageConvertEngine engine;
        QSignalSpy done(&engine, SIGNAL(done()));
        QSignalSpy failures(&engine, SIGNAL(error(int, QString)));
        QVERIFY(engine.start(files, std::move(settings)));
        QVERIFY(done.wait(20000));
        QCOMPARE(failures.count(), 0);
        written[jobs - 1] = tree(root + "/out");
        for (int page = 1; page <= 3; ++page)
            QCOMPARE(QImage(root + "/out/" + pages[page - 1]).size(), QSize(10 * page, 10));
        // A single picture keeps its plain name; what was there is there still, or backed up.
        if (names.contains("p-1.png"))
            QCOMPARE(QImage(root + "/out/p-1.png").size(), QSize(10, 10));
        for (const QString &name : existing) {
            QCOMPARE(
                TestSupport::readFile(root + "/out/" + (overwrite ? "p-2_backup_1.png" : name)),
                name.toUtf8());
        }
    }
    QCOMPARE(written[0].size(), pages.size() + names.size() - 1 + existing.size());
    QCOMPARE(written[1].keys(), written[0].keys());
}

void tst_Engine::outputsKeepTheirInputsDates_data()
{
    QTest::addColumn<bool>("keepDates");
    QTest::addColumn<bool>("filePerFrame");
    QTest::newRow("dated now") << false << false;
    QTest::newRow("dated as the input") << true << false;
    QTest::newRow("every frame's file dated as the input") << true << true;
}

void tst_Engine::outputsKeepTheirInputsDates()
{
    QFETCH(bool, keepDates);
    QFETCH(bool, filePerFrame);
    Magick::InitializeMagick(nullptr);
    std::list<Magick::Image> pages(2, Magick::Image(Magick::Geometry(8, 8), Magick::Color("red")));
    const QString input = dir->filePath("p.tif");
    Magick::writeImages(pages.begin(), pages.end(), QFile::encodeName(input).toStdString());
    // 2001-02-03, to the nanosecond.
    const timespec then[2] = { { 981158400, 123456789 }, { 981158400, 123456789 } };
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(input).constData(), then, 0), 0);
    QVERIFY(QDir(dir->path()).mkpath("out"));
    auto settings = pngToJpeg(dir->filePath("out"));
    settings->keepDates = keepDates;
    settings->filePerFrame = filePerFrame;
    ImageConvertEngine engine;
    QSignalSpy done(&engine, SIGNAL(done()));
    QVERIFY(engine.start({ input }, std::move(settings)));
    QVERIFY(done.wait(20000));

    const QStringList outputs = QDir(dir->filePath("out")).entryList(QDir::Files);
    QCOMPARE(outputs.size(), filePerFrame ? 2 : 1);
    for (const QString &name : outputs) {
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(dir->filePath("out/" + name)).constData(), &info), 0);
        const bool same
            = info.st_mtim.tv_sec == then[1].tv_sec && info.st_mtim.tv_nsec == then[1].tv_nsec;
        QVERIFY2(same == keepDates, qPrintable(name));
    }
}

void tst_Engine::namePatternsReadWhatThePictureTells_data()
{
    // Each input: its name, the EXIF date it was taken (or "text": it is no picture) and its
    // EXIF orientation; a 40x30 JPEG of its own colour, or PNG by its name. Every file was
    // last changed on 2010-01-02.
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("percent"); // resize; 0 for none
    QTest::addColumn<QStringList>("outputs"); // each input's output name, or "failed"

    QTest::newRow("the date taken, else the file's; the size written, upright")
        << QStringList { "a.jpg;2021:03:04 05:06:07;6", "b.jpg;;1", "c.png;;1" }
        << "{date}_{width}x{height}" << 50
        << QStringList { "2021-03-04_15x20.png", "2010-01-02_20x15.png", "2010-01-02_20x15_1.png" };
    QTest::newRow("one date twice: free names in list order") << QStringList {
        "x.jpg;2021:03:04 05:06:07;1", "y.jpg;2021:03:04 09:00:00;1", "z.jpg;2021:03:04 10:00:00;1"
    } << "{date}" << 0 << QStringList { "2021-03-04.png", "2021-03-04_1.png", "2021-03-04_2.png" };
    QTest::newRow("a file that is no picture fails alone")
        << QStringList { "notes.jpg;text;1", "a.jpg;2021:03:04 05:06:07;1" } << "{n}_{date}" << 0
        << QStringList { "failed", "2_2021-03-04.png" };
}

void tst_Engine::namePatternsReadWhatThePictureTells()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, pattern);
    QFETCH(int, percent);
    QFETCH(QStringList, outputs);
    Magick::InitializeMagick(nullptr);

    QMap<QString, QByteArray> written[2];
    for (int jobs = 1; jobs <= 2; ++jobs) {
        const QString root = dir->filePath(QString("run%1").arg(jobs));
        QVERIFY(QDir().mkpath(root + "/out"));
        QStringList files;
        for (int i = 0; i < inputs.size(); ++i) {
            const QStringList input = inputs[i].split(';');
            const QString path = root + '/' + input[0];
            Magick::Image picture(
                Magick::Geometry(40, 30), Magick::ColorRGB(i / 4.0, 0.5, 1 - i / 4.0));
            if (!input[1].isEmpty() && input[1] != "text") {
                const std::string exif = TestSupport::exifTaken(
                    qPrintable(input[1]), static_cast<unsigned char>(input[2].toInt()));
                picture.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
            }
            if (input[1] == "text")
                QVERIFY(TestSupport::writeFile(path, "no picture"));
            else
                picture.write(QFile::encodeName(path).toStdString());
            const timespec then[2] = { { 1262433600, 0 }, { 1262433600, 0 } }; // 2010-01-02 12:00
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), then, 0), 0);
            files.append(path);
        }
        auto settings = pngToJpeg(root + "/out");
        settings->format = "png";
        settings->namePattern = pattern;
        settings->resizeEnabled = percent > 0;
        settings->resizePercent = percent;
        BatchConverter::Options options;
        options.jobs = jobs;
        const auto results = BatchConverter(*settings, options).run(files, nullptr);
        QStringList names;
        for (const ImagePipeline::FileResult &result : results)
            names.append(result.status == ImagePipeline::FileResult::Converted
                    ? QFileInfo(result.outputPath).fileName()
                    : "failed");
        QCOMPARE(names, outputs);
        written[jobs - 1] = tree(root + "/out");
    }
    QCOMPARE(written[1], written[0]);
}

QTEST_GUILESS_MAIN(tst_Engine)
#include "tst_engine.moc"
