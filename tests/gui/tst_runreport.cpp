#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cerrno>

#include "graphicconverter.h"
#include "runreport.h"
#include "runreportdialog.h"
#include "testsupport.h"
#include "windowtestsupport.h"

// What the window tells after a run: each row's outcome, the summary that stays in the status
// bar, and the report of every file that failed or warned.
class tst_RunReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void summaries_data();
    void summaries();
    void reasonsInPlainWords_data();
    void reasonsInPlainWords();
    void mixedRunIsToldRowByRow();
    void runWithoutProblemsShowsNoReport();

private:
    QString makeImage(const QString &name);
    void runAll(GraphicConverter &window, const QStringList &paths);
    QScopedPointer<QTemporaryDir> dir;
    QString previousDir;
};

static WindowTestSupport::UrlCatcher catcher;

void tst_RunReport::initTestCase()
{
    TestSupport::installMessageRecorder();
    QDesktopServices::setUrlHandler("file", &catcher, "open");
}

void tst_RunReport::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    catcher.urls.clear();
}

void tst_RunReport::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previousDir);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

QString tst_RunReport::makeImage(const QString &name)
{
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    const QString path = dir->filePath(name);
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_RunReport::runAll(GraphicConverter &window, const QStringList &paths)
{
    auto list = window.findChild<QListWidget *>("listWidget");
    for (const QString &path : paths)
        list->addItem(QDir::toNativeSeparators(path));
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QTRY_VERIFY_WITH_TIMEOUT(
        window.findChild<QPushButton *>("pushButtonConvert")->isEnabled(), 30000);
}

static QString summaryOf(GraphicConverter &window)
{
    return window.findChild<QLabel *>("labelSummary")->text();
}

void tst_RunReport::summaries_data()
{
    // One letter per file: c converted, w with a warning, f failed, . never reached; s skipped,
    // b converted after keeping a backup, r converted under a free name.
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("summary");

    QTest::newRow("a finished run") << QString(58, 'c') + "wf" << qint64(12400)
                                    << "58 converted, 1 with warnings, 1 failed in 12 s";
    QTest::newRow("nothing went wrong") << "ccc" << qint64(800) << "3 converted in 0.8 s";
    QTest::newRow("a long run") << "ff" << qint64(125000) << "0 converted, 2 failed in 2 min 5 s";
    QTest::newRow("stopped") << QString(19, 'c') + "w" + QString(40, '.') << qint64(5000)
                             << "Stopped: 20 of 60 converted";
    QTest::newRow("stopped at a failure")
        << QString(19, 'c') + "wf" + QString(39, '.') << qint64(5000)
        << "Stopped: 20 of 60 converted, 1 failed";
    QTest::newRow("what became of the names") << "csbbr" << qint64(800)
                                              << "4 converted, 1 skipped, backups kept: 2 "
                                                 "(*_backup_N), free names taken: 1 (*_N) in 0.8 s";
}

void tst_RunReport::summaries()
{
    QFETCH(QString, outcomes);
    QFETCH(qint64, ms);
    RunReport report;
    QStringList files;
    for (int i = 0; i < outcomes.size(); ++i)
        files.append("f.png");
    report.start(files);
    for (int i = 0; i < outcomes.size(); ++i) {
        ImagePipeline::FileResult result;
        result.input = "f.png";
        result.outputPath = "out/f.jpg";
        if (outcomes[i] == 'w')
            result.warnings.append(Reason::library("careful"));
        if (outcomes[i] == 'f')
            result.fail(ImagePipeline::FileResult::Failed, Reason::library("broken"));
        if (outcomes[i] == 's')
            result.status = ImagePipeline::FileResult::Skipped;
        if (outcomes[i] == 'b')
            result.backups.append("out/f_backup_1.jpg");
        if (outcomes[i] == 'r')
            result.renamed.append("out/f_1.jpg");
        if (outcomes[i] != '.')
            report.record(i, result);
    }
    QTEST(report.summary(ms), "summary");
}

void tst_RunReport::reasonsInPlainWords_data()
{
    QTest::addColumn<QString>("about");
    QTest::addColumn<Reason>("said");
    QTest::addColumn<QString>("reason");

    const QString input = "/p/a.jpg";
    QTest::newRow("the engine's own words stay")
        << input
        << Reason::ours(Reason::Damaged, "damaged JPEG: the data ends before the picture does")
        << "damaged JPEG: the data ends before the picture does";
    QTest::newRow("the library's jargon is explained")
        << input << Reason::library("IDAT: incorrect data check")
        << "the picture data is damaged (IDAT: incorrect data check)";
    QTest::newRow("not a picture")
        << input << Reason::library("Unable to deduce image format")
        << "not a picture this program can read (Unable to deduce image format)";
    QTest::newRow("a full disk") << input << Reason::system(ENOSPC)
                                 << "the disk is full (No space left on device)";
    QTest::newRow("a warning that quotes a failure's words")
        << input << Reason::library("Corrupt JPEG data: 2 extraneous bytes before marker 0xd9")
        << "stray bytes in the picture data were skipped (Corrupt JPEG data: 2 extraneous bytes "
           "before marker 0xd9)";
    QTest::newRow("a library word in lower case")
        << input << Reason::library("iCCP: known incorrect sRGB profile")
        << "its colour profile is not quite right (iCCP: known incorrect sRGB profile)";
    QTest::newRow("PNG's colour chunks: primaries")
        << input << Reason::library("cHRM: invalid chromaticities")
        << "its colour profile is not quite right (cHRM: invalid chromaticities)";
    QTest::newRow("PNG's colour chunks: gamma")
        << input << Reason::library("gAMA: gamma value out of range")
        << "its colour profile is not quite right (gAMA: gamma value out of range)";
    QTest::newRow("an output that could not be written")
        << "/q/a.png" << Reason::system(ENOSPC)
        << "the disk is full (/q/a.png: No space left on device)";
    QTest::newRow("unknown words are kept")
        << input << Reason::library("Something new") << "Something new";
}

void tst_RunReport::reasonsInPlainWords()
{
    QFETCH(QString, about);
    QFETCH(Reason, said);
    RunReport report;
    report.start({ "/p/a.jpg" });
    ImagePipeline::FileResult result;
    result.input = "/p/a.jpg";
    result.fail(ImagePipeline::FileResult::Failed, about, said);
    report.record(0, result);
    QTEST(report.reason(0), "reason");
    QCOMPARE(report.toolTip(0), "Not converted: " + report.reason(0));
}

void tst_RunReport::mixedRunIsToldRowByRow()
{
    const QString good = makeImage("good.png");
    const QString bad = dir->filePath("notes.png");
    QVERIFY(TestSupport::writeFile(bad, "not a picture"));
    // The PNG writer warns about this BMP's chromaticities, and writes it all the same.
    const QString warned = dir->filePath("editor.bmp");
    QVERIFY(TestSupport::writeFile(warned, TestSupport::bmpFile(16, 8, 24, 124, true)));
    const QString later = makeImage("later.tif");
    QVERIFY(QDir(dir->path()).mkpath("out"));

    GraphicConverter window;
    window.findChild<QComboBox *>("comboBoxFormat")->setCurrentText("PNG");
    window.findChild<QLineEdit *>("lineEditPath")->setText(dir->filePath("out"));
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(false);
    runAll(window, { good, bad, warned, later });

    auto list = window.findChild<QListWidget *>("listWidget");
    const QString out = QDir::toNativeSeparators(dir->filePath("out") + "/");
    const auto icon = [](const char *name) { return QIcon(name).pixmap(16).toImage(); };
    const QImage done = icon(":/images/converted"), warning = icon(":/images/warning"),
                 failed = icon(":/images/failed");
    const struct
    {
        QImage icon;
        QString tip;
    } rows[] = {
        { done, "Converted to " + out + "good.png" },
        { failed, "Not converted: " },
        { warning, "Converted to " + out + "editor.png, with a warning: " },
        { done, "Converted to " + out + "later.png" },
    };
    for (int i = 0; i < 4; ++i) {
        const QListWidgetItem *item = list->item(i);
        QCOMPARE(item->icon().pixmap(16).toImage(), rows[i].icon);
        QVERIFY2(item->toolTip().startsWith(rows[i].tip), qPrintable(item->toolTip()));
    }
    // The bar stays where the run ended, not back at the start.
    QCOMPARE(window.findChild<QProgressBar *>("progressBar")->text(), QString("4 of 4"));
    QVERIFY2(summaryOf(window).startsWith("2 converted, 1 with warnings, 1 failed in "),
        qPrintable(summaryOf(window)));
    // Beside the status tips, not under them.
    window.show();
    window.statusBar()->showMessage("a status tip");
    QVERIFY(window.findChild<QLabel *>("labelSummary")->isVisibleTo(&window));

    auto report = window.findChild<RunReportDialog *>();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(!report->isModal());
    auto problems = report->findChild<QTreeWidget *>("treeWidgetProblems");
    QCOMPARE(problems->topLevelItemCount(), 2);
    QCOMPARE(problems->topLevelItem(0)->text(0), QString("notes.png"));
    QCOMPARE(problems->topLevelItem(1)->text(0), QString("editor.bmp"));
    // The folder beside the name, whole in the tip; then the reason.
    QCOMPARE(problems->topLevelItem(0)->text(1), QDir::toNativeSeparators(QFileInfo(bad).path()));
    QCOMPARE(problems->topLevelItem(0)->toolTip(1), QDir::toNativeSeparators(bad));
    QVERIFY(!problems->topLevelItem(0)->text(2).isEmpty());

    report->findChild<QPushButton *>("pushButtonCopy")->click();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 2);
    QVERIFY2(
        copied[0].startsWith(QDir::toNativeSeparators(bad) + "\tFailed\t"), qPrintable(copied[0]));
    QVERIFY2(
        copied[1].startsWith(QDir::toNativeSeparators(warned) + "\tConverted with a warning\t"),
        qPrintable(copied[1]));

    report->findChild<QPushButton *>("pushButtonOpenFolder")->click();
    QCOMPARE(catcher.urls, QList<QUrl>({ QUrl::fromLocalFile(dir->filePath("out")) }));

    // A run without problems leaves no report of an earlier one in sight.
    window.findChild<QListWidget *>("listWidget")->clear();
    runAll(window, { good });
    QVERIFY(!report->isVisible());
}

void tst_RunReport::runWithoutProblemsShowsNoReport()
{
    GraphicConverter window;
    // Nothing to tell yet: no empty frame in the status bar.
    QVERIFY(window.findChild<QLabel *>("labelSummary")->isHidden());
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    runAll(window, { makeImage("a.png"), makeImage("b.png") });
    QVERIFY(!window.findChild<QLabel *>("labelSummary")->isHidden());
    QVERIFY2(summaryOf(window).startsWith("2 converted in "), qPrintable(summaryOf(window)));
    QVERIFY(!window.findChild<RunReportDialog *>());
    // The outputs are a click away all the same, beside their inputs here.
    auto open = window.findChild<QLabel *>("labelOpenOutputFolder");
    QVERIFY(open && !open->isHidden());
    emit open->linkActivated("open");
    QCOMPARE(catcher.urls, QList<QUrl> { QUrl::fromLocalFile(dir->path()) });
}

QTEST_MAIN(tst_RunReport)
#include "tst_runreport.moc"
