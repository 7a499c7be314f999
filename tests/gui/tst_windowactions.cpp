#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "graphicconverter.h"
#include "imageinfodialog.h"
#include "testsupport.h"
#include "windowtestsupport.h"

using WindowTestSupport::whenModalOpens;

class tst_WindowActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void itemCount_data();
    void itemCount();
    void cancelledDialogsChangeNothing();
    void importFolderOrder();
    void deleteAndClear();
    void importFolderTakesEveryImageName_data();
    void importFolderTakesEveryImageName();
    void importFolderWithSubfolders();
    void dropFilesAndFolders();
    void dropsWaitForTheRun();
    void commandLinePaths();
    void noFileTwice_data();
    void noFileTwice();
    void deleteRemovesEverySelectedRow_data();
    void deleteRemovesEverySelectedRow();
    void shortcuts_data();
    void shortcuts();
    void addFolderIsRemembered();
    void contextMenuNeedsACurrentRow();
    void swatchShowsTheChosenColour_data();
    void swatchShowsTheChosenColour();
    void propertiesByKeyboard_data();
    void propertiesByKeyboard();
    void openDirectoryUrls_data();
    void openDirectoryUrls();
    void resetTouchesOnlyItsPage_data();
    void resetTouchesOnlyItsPage();
    void namePatternShowsAndNamesWhatComesOut_data();
    void namePatternShowsAndNamesWhatComesOut();
    void backgroundColourChooser();
    void progressCountsFiles();
    void missingFileHasNoFolderToOpen();
    void savePathChooser();
    void emptyListShowsNoFiles();
    void runWithAMissingFile_data();
    void runWithAMissingFile();
    void presetsSaveLoadAndGo();
    void importedFoldersKeepTheirTree();
    void missingOutputFolderIsMadeAfterAsking_data();
    void missingOutputFolderIsMadeAfterAsking();
    void stopDuringARun();
    void failedFileIsShownInTheStatusBar();
    void closingDuringARun();

private:
    QString makeImage(const QString &name, QSize size = QSize(48, 32));
    void importWithDialog(GraphicConverter &window, const char *action, const QString &folder);
    QStringList runLockedEnabled(GraphicConverter &window);
    QScopedPointer<QTemporaryDir> dir;
    QString previousDir;
    WindowTestSupport::UrlCatcher catcher;
};

void tst_WindowActions::initTestCase()
{
    TestSupport::installMessageRecorder();
    QDesktopServices::setUrlHandler("file", &catcher, "open");
}

void tst_WindowActions::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    TestSupport::clearRecordedMessages();
    catcher.urls.clear();
}

void tst_WindowActions::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previousDir);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

QString tst_WindowActions::makeImage(const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    const QString path = dir->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

static QStringList rows(GraphicConverter &window)
{
    QStringList texts;
    auto list = window.findChild<QListWidget *>("listWidget");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

static void addRows(GraphicConverter &window, const QStringList &paths)
{
    auto list = window.findChild<QListWidget *>("listWidget");
    for (const QString &path : paths)
        list->addItem(QDir::toNativeSeparators(path));
}

QStringList tst_WindowActions::runLockedEnabled(GraphicConverter &window)
{
    QStringList enabled;
    for (const char *name :
        { "pushButtonAdd", "actionAdd", "pushButtonConvert", "pushButtonDelete", "actionDelete",
            "pushButtonClear", "actionClear", "pushButtonExit", "actionExit", "listWidget" }) {
        QObject *object = window.findChild<QObject *>(name);
        if (object->property("enabled").toBool())
            enabled.append(name);
    }
    return enabled;
}

void tst_WindowActions::itemCount_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("label");
    QTest::newRow("one") << 1 << "1 item";
    QTest::newRow("two") << 2 << "2 items";
    QTest::newRow("three") << 3 << "3 items";
}

void tst_WindowActions::itemCount()
{
    QFETCH(int, files);
    QFETCH(QString, label);
    QStringList names;
    for (int i = 0; i < files; ++i)
        names.append(QFileInfo(makeImage(QString("f%1.png").arg(i))).fileName());

    GraphicConverter window;
    whenModalOpens([&](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(fileDialog);
        QCOMPARE(fileDialog->windowTitle(), QString("Open Files"));
        const QStringList filters = fileDialog->nameFilters();
        QVERIFY2(filters.first().startsWith(
                     "All pictures (*.psd *.png *.gif *.jpg *.bmp *.tif *.tga *.jp2 "),
            qPrintable(filters.first()));
        // Then each format on its own, the files of a folder of many kinds one kind at a time.
        QVERIFY2(filters.contains("JPEG (*.jpg *.jpeg *.jpe *.jfif *.JPG *.JPEG *.JPE *.JFIF)"),
            qPrintable(filters.join('\n')));
        QCOMPARE(filters.last(), QString("All Files (*)"));
        fileDialog->setDirectory(dir->path());
        fileDialog->selectFile('"' + names.join("\" \"") + '"');
        static_cast<QDialog *>(fileDialog)->accept();
    });
    window.findChild<QPushButton *>("pushButtonAdd")->click();
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), label);
    QStringList expected;
    for (const QString &name : names)
        expected.append(QDir::toNativeSeparators(dir->filePath(name)));
    QCOMPARE(rows(window), expected);

    // Adding a listed file again adds no second row.
    whenModalOpens([&](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        fileDialog->setDirectory(dir->path());
        fileDialog->selectFile(names.first());
        static_cast<QDialog *>(fileDialog)->accept();
    });
    window.findChild<QAction *>("actionAdd")->trigger();
    QCOMPARE(rows(window), expected);
    QCOMPARE(window.findChild<QListWidget *>("listWidget")->item(0)->icon().isNull(), false);
}

void tst_WindowActions::cancelledDialogsChangeNothing()
{
    GraphicConverter window;
    addRows(window, { "/a.png" });
    auto label = window.findChild<QLabel *>("itemCountLabel");
    label->setText("untouched");
    whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    window.findChild<QPushButton *>("pushButtonAdd")->click();
    whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    window.findChild<QAction *>("actionImportFolder")->trigger();
    whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    window.findChild<QAbstractButton *>("toolButtonSelectColor")->click();
    QCOMPARE(label->text(), QString("untouched"));
    QCOMPARE(rows(window), QStringList { QDir::toNativeSeparators("/a.png") });
    QCOMPARE(window.findChild<QLabel *>("labelBackgroundColor")->text(), QString("#ffffff"));
}

void tst_WindowActions::importFolderOrder()
{
    const QString folder = dir->filePath("pics");
    for (const char *name : { "b.PNG", "A.jpg", "c.jpeg", "d.tif", "e.jpg/inner.png" })
        makeImage(QString("pics/") + name);
    QVERIFY(QFileInfo(folder + "/e.jpg").isDir());
    // Latin-1 bytes: a name no QString spells, so it cannot be added, but must not go unsaid.
    QFile latin1;
    QVERIFY(latin1.open(fopen(QFile::encodeName(folder) + "/caf\xe9.bmp", "wb"),
        QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    latin1.close();

    GraphicConverter window;
    addRows(window, { "/first.png" });
    whenModalOpens([&](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(fileDialog);
        QCOMPARE(fileDialog->windowTitle(), QString("Choose Directory"));
        fileDialog->setDirectory(folder);
        fileDialog->selectFile(folder);
        static_cast<QDialog *>(fileDialog)->accept();
    });
    window.findChild<QAction *>("actionImportFolder")->trigger();
    const QString base = QDir::toNativeSeparators(folder) + QDir::separator();
    QCOMPARE(rows(window),
        QStringList({ QDir::toNativeSeparators("/first.png"), base + "A.jpg", base + "b.PNG",
            base + "c.jpeg", base + "d.tif" }));
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), QString("5 items"));
    const QString error = window.findChild<QLabel *>("labelError")->text();
    QVERIFY2(error.contains(base + "caf\\xe9.bmp"), qPrintable(error));
}

void tst_WindowActions::deleteAndClear()
{
    GraphicConverter window;
    auto list = window.findChild<QListWidget *>("listWidget");
    auto label = window.findChild<QLabel *>("itemCountLabel");
    addRows(window, { "/a.png", "/b.png", "/c.png" });
    list->setCurrentRow(-1);
    window.findChild<QPushButton *>("pushButtonDelete")->click();
    QCOMPARE(list->count(), 3);
    QCOMPARE(label->text(), QString("3 items"));

    list->setCurrentRow(1);
    window.findChild<QAction *>("actionDelete")->trigger();
    QCOMPARE(rows(window),
        QStringList({ QDir::toNativeSeparators("/a.png"), QDir::toNativeSeparators("/c.png") }));
    QCOMPARE(label->text(), QString("2 items"));

    window.findChild<QAction *>("actionClear")->trigger();
    QCOMPARE(list->count(), 0);
    QCOMPARE(label->text(), QString("0 item"));
}

void tst_WindowActions::importWithDialog(
    GraphicConverter &window, const char *action, const QString &folder)
{
    whenModalOpens([&](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(fileDialog);
        fileDialog->setDirectory(folder);
        fileDialog->selectFile(folder);
        static_cast<QDialog *>(fileDialog)->accept();
    });
    auto trigger = window.findChild<QAction *>(action);
    QVERIFY2(trigger, action);
    trigger->trigger();
}

// Sends a drag over the list and, when it is taken, the drop; returns whether it was taken.
static bool drop(GraphicConverter &window, const QList<QUrl> &urls)
{
    QWidget *target = window.findChild<QListWidget *>("listWidget")->viewport();
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

static QList<QUrl> localUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

static QStringList native(const QStringList &paths)
{
    QStringList texts;
    for (const QString &path : paths)
        texts.append(QDir::toNativeSeparators(path));
    return texts;
}

void tst_WindowActions::importFolderTakesEveryImageName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("upper-case JPG") << "UPPER.JPG" << true;
    QTest::newRow("upper-case PNG") << "CAPS.PNG" << true;
    QTest::newRow("jpeg spelt out") << "long.jpeg" << true;
    QTest::newRow("jpe") << "short.jpe" << true;
    QTest::newRow("tiff spelt out") << "long.tiff" << true;
    QTest::newRow("JPEG 2000 code stream") << "codestream.j2k" << true;
    QTest::newRow("JPEG 2000 jpf") << "extended.JPF" << true;
    QTest::newRow("WebP") << "modern.webp" << true;
    QTest::newRow("text is no image") << "notes.txt" << false;
    QTest::newRow("PDF is a document") << "paper.pdf" << false;
    QTest::newRow("video is no image") << "clip.mpg" << false;
}

void tst_WindowActions::importFolderTakesEveryImageName()
{
    QFETCH(QString, name);
    QFETCH(bool, taken);
    const QString file = makeImage("pics/" + name);
    GraphicConverter window;
    importWithDialog(window, "actionImportFolder", dir->filePath("pics"));
    QCOMPARE(rows(window), taken ? native({ file }) : QStringList());
}

void tst_WindowActions::importFolderWithSubfolders()
{
    const QString top = makeImage("pics/top.png");
    const QString inner = makeImage("pics/sub/Inner.JPG");
    // A link back up the tree and a second name of a file: each real file comes once.
    QVERIFY(QFile::link("..", dir->filePath("pics/sub/up")));
    QVERIFY(QFile::link("../top.png", dir->filePath("pics/sub/again.png")));

    GraphicConverter window;
    importWithDialog(window, "actionImportFolderRecursive", dir->filePath("pics"));
    QCOMPARE(rows(window), native({ top, inner }));
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), QString("2 items"));
}

void tst_WindowActions::dropFilesAndFolders()
{
    const QString single = makeImage("single.png");
    const QString a = makeImage("pics/a.jpg");
    const QString b = makeImage("pics/B.PNG");
    makeImage("pics/sub/deeper.png"); // a dropped folder adds what Import Folder adds
    QVERIFY(TestSupport::writeFile(dir->filePath("pics/readme.txt"), "words"));

    GraphicConverter window;
    QVERIFY(!drop(window, { QUrl("https://example.org/photo.jpg") }));
    QVERIFY(drop(window, localUrls({ single, dir->filePath("pics") })));
    QCOMPARE(rows(window), native({ single, a, b }));
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), QString("3 items"));
}

void tst_WindowActions::dropsWaitForTheRun()
{
    const QString first = makeImage("first.png", QSize(400, 300));
    const QString later = makeImage("later.png");
    QSemaphore saving;
    TestSupport::holdInsideFirstFile(saving);
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    addRows(window, { first });
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QVERIFY(saving.tryAcquire(1, 60000));

    QVERIFY(!drop(window, localUrls({ later })));
    for (const char *name : { "actionImportFolder", "actionImportFolderRecursive" }) {
        auto action = window.findChild<QAction *>(name);
        QVERIFY2(action && !action->isEnabled(), name);
    }
    // A shortcut is no way around the lock: no dialog opens.
    QSignalSpy added(window.findChild<QAction *>("actionAdd"), SIGNAL(triggered()));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(added.count(), 0);
    QCOMPARE(rows(window), native({ first }));
}

void tst_WindowActions::commandLinePaths()
{
    const QString a = makeImage("a.png");
    const QString b = makeImage("pics/b.jpeg");
    GraphicConverter window;
    QTest::ignoreMessage(QtDebugMsg,
        qPrintable(
            "Error: Not added, no such file or folder: " + QDir::toNativeSeparators("gone.png")));
    // Relative to the folder the program was started in, as a shell hands them over.
    window.addPaths({ "a.png", "pics", "gone.png" });
    QCOMPARE(rows(window), native({ a, b }));
    QVERIFY(window.findChild<QLabel *>("labelError")->text().contains("gone.png"));
}

void tst_WindowActions::noFileTwice_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("the same file twice in one drop")
        << QStringList() << QStringList { "a.png", "a.png" } << QStringList { "a.png" };
    QTest::newRow("the same file dropped again")
        << QStringList { "a.png" } << QStringList { "a.png" } << QStringList { "a.png" };
    QTest::newRow("a link to a listed file")
        << QStringList { "a.png" } << QStringList { "link.png" } << QStringList { "a.png" };
    QTest::newRow("a listed file's folder adds only the others")
        << QStringList { "pics/b.png" } << QStringList { "pics" }
        << QStringList { "pics/b.png", "pics/c.png" };
}

void tst_WindowActions::noFileTwice()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, expected);
    for (const char *name : { "a.png", "pics/b.png", "pics/c.png" })
        makeImage(name);
    QVERIFY(QFile::link("a.png", dir->filePath("link.png")));
    const auto paths = [this](const QStringList &names) {
        QStringList result;
        for (const QString &name : names)
            result.append(dir->filePath(name));
        return result;
    };

    GraphicConverter window;
    if (!first.isEmpty())
        QVERIFY(drop(window, localUrls(paths(first))));
    QVERIFY(drop(window, localUrls(paths(second))));
    QCOMPARE(rows(window), native(paths(expected)));
}

void tst_WindowActions::deleteRemovesEverySelectedRow_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Delete button") << "button";
    QTest::newRow("Edit menu") << "action";
    QTest::newRow("Delete key on the list") << "key";
}

void tst_WindowActions::deleteRemovesEverySelectedRow()
{
    QFETCH(QString, way);
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto list = window.findChild<QListWidget *>("listWidget");
    addRows(window, { "/a.png", "/b.png", "/c.png", "/d.png" });
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
        list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->item(3)).center());
    if (way == "button")
        window.findChild<QPushButton *>("pushButtonDelete")->click();
    else if (way == "action")
        window.findChild<QAction *>("actionDelete")->trigger();
    else
        QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(rows(window), native({ "/a.png", "/c.png" }));
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), QString("2 items"));
}

void tst_WindowActions::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("dialogTitle"); // the modal window the key opens, if any
    QTest::addColumn<QString>("clicked"); // the button the key clicks, if any
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("Ctrl+O adds files") << int(Qt::Key_O) << ctrl << "Open Files"
                                       << "";
    QTest::newRow("Ctrl+Shift+O imports a folder")
        << int(Qt::Key_O) << (ctrl | int(Qt::ShiftModifier)) << "Choose Directory"
        << "";
    QTest::newRow("Ctrl+Return converts") << int(Qt::Key_Return) << ctrl << "Information"
                                          << "pushButtonConvert";
    QTest::newRow("Escape stops") << int(Qt::Key_Escape) << 0 << ""
                                  << "pushButtonStop";
    QTest::newRow("Ctrl+Q exits") << int(Qt::Key_Q) << ctrl << ""
                                  << "";
}

void tst_WindowActions::shortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, dialogTitle);
    QFETCH(QString, clicked);
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Away from the list, as a user who has just set an option.
    window.findChild<QSpinBox *>("spinBoxQuality")->setFocus();
    QScopedPointer<QSignalSpy> spy;
    if (!clicked.isEmpty())
        spy.reset(new QSignalSpy(window.findChild<QPushButton *>(clicked), SIGNAL(clicked())));
    QString opened;
    if (!dialogTitle.isEmpty()) {
        whenModalOpens([&](QWidget *dialog) {
            opened = dialog->windowTitle();
            static_cast<QDialog *>(dialog)->reject();
        });
    }
    QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (spy)
        QTRY_COMPARE(spy->count(), 1);
    QTRY_COMPARE(opened, dialogTitle);
    QCOMPARE(window.isVisible(), key != Qt::Key_Q);
}

// The folder the action's file dialog starts in; the dialog is cancelled.
static QString folderOffered(GraphicConverter &window, const char *action)
{
    QString shown;
    whenModalOpens([&shown](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        shown = fileDialog->directory().absolutePath();
        fileDialog->reject();
    });
    window.findChild<QAction *>(action)->trigger();
    return shown;
}

void tst_WindowActions::addFolderIsRemembered()
{
    const QString pics = makeImage("pics/a.png");
    const QString scans = dir->filePath("scans");
    QVERIFY(QDir().mkpath(scans));
    {
        GraphicConverter window;
        whenModalOpens([&](QWidget *dialog) {
            auto fileDialog = qobject_cast<QFileDialog *>(dialog);
            fileDialog->setDirectory(dir->filePath("pics"));
            fileDialog->selectFile("a.png");
            static_cast<QDialog *>(fileDialog)->accept();
        });
        window.findChild<QAction *>("actionAdd")->trigger();
        QCOMPARE(rows(window), native({ pics }));
        window.close();
    }
    {
        GraphicConverter window;
        QCOMPARE(folderOffered(window, "actionImportFolder"), dir->filePath("pics"));
        importWithDialog(window, "actionImportFolder", scans);
        window.close();
    }
    GraphicConverter window;
    QCOMPARE(folderOffered(window, "actionAdd"), scans);
}

void tst_WindowActions::swatchShowsTheChosenColour_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light theme") << false;
    QTest::newRow("dark theme") << true;
}

// The swatch is the colour itself, whatever the theme paints labels with.
void tst_WindowActions::swatchShowsTheChosenColour()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    QApplication::setStyle(QStringLiteral("Fusion"));
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    whenModalOpens([](QWidget *dialog) {
        auto colours = qobject_cast<QColorDialog *>(dialog);
        QVERIFY(colours);
        colours->setCurrentColor(QColor(220, 20, 30));
        colours->accept();
    });
    window.findChild<QAbstractButton *>("toolButtonSelectColor")->click();
    // The desktop's theme may change while the window is open.
    if (dark) {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(45, 45, 45));
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Text, Qt::white);
        palette.setColor(QPalette::Button, QColor(53, 53, 53));
        palette.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(palette);
    }
    auto swatch = window.findChild<QLabel *>("labelBackgroundColor");
    swatch->show();
    const QImage painted = swatch->grab().toImage();
    QApplication::setPalette(before);
    QCOMPARE(swatch->text(), QString("#dc141e"));
    // Beside the text, inside the border; the border in the theme's own text colour, which
    // stands out from its background.
    QCOMPARE(QColor(painted.pixel(4, painted.height() / 2)), QColor(220, 20, 30));
    QCOMPARE(QColor(painted.pixel(0, painted.height() / 2)),
        dark ? QColor(Qt::white) : QApplication::palette().color(QPalette::WindowText));
}

void tst_WindowActions::propertiesByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << int(Qt::AltModifier);
}

void tst_WindowActions::propertiesByKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto list = window.findChild<QListWidget *>("listWidget");
    addRows(window, { makeImage("a.png"), makeImage("b.png") });
    list->setCurrentRow(1);
    list->setFocus();
    QString opened;
    whenModalOpens([&](QWidget *dialog) {
        if (auto info = qobject_cast<ImageInfoDialog *>(dialog))
            opened = info->findChild<QLabel *>("labelFileName")->text();
        dialog->close();
    });
    QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(opened, QString("b.png"));
}

void tst_WindowActions::contextMenuNeedsACurrentRow()
{
    GraphicConverter window;
    auto list = window.findChild<QListWidget *>("listWidget");
    addRows(window, { makeImage("a.png") });
    list->setCurrentRow(-1);
    emit list->customContextMenuRequested(QPoint(3, 4));
    QVERIFY(!TestSupport::recordedMessages().contains("show list menu 3 4"));

    list->setCurrentRow(0);
    whenModalOpens([](QWidget *) {});
    QTimer::singleShot(100, [] {
        if (auto menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            QCOMPARE(menu->actions().size(), 2);
            QCOMPARE(menu->actions().first()->text(), QString("&Open Directory"));
            QCOMPARE(menu->actions().last()->text(), QString("&Properties"));
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    emit list->customContextMenuRequested(QPoint(3, 4));
    QVERIFY(TestSupport::recordedMessages().contains("show list menu 3 4"));
    QCOMPARE(catcher.urls,
        QList<QUrl>({ QUrl::fromLocalFile(QFileInfo(dir->path()).canonicalFilePath()) }));
}

void tst_WindowActions::openDirectoryUrls_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("plain name") << "photos";
    // Characters that mean something in a URL: the whole name must still reach the desktop.
    QTest::newRow("hash sign") << "C# notes";
    QTest::newRow("question mark") << "what?";
    QTest::newRow("percent sign") << "100% done";
}

void tst_WindowActions::openDirectoryUrls()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir->path()).mkdir(name));
    const QString folder = dir->filePath(name);
    GraphicConverter window;
    auto path = window.findChild<QLineEdit *>("lineEditPath");
    path->setText(folder);
    QMouseEvent doubleClick(
        QEvent::MouseButtonDblClick, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(window.eventFilter(path, &doubleClick));
    QCOMPARE(catcher.urls, QList<QUrl>({ QUrl::fromLocalFile(folder) }));
    QCOMPARE(catcher.urls.first().toLocalFile(), folder);
}

void tst_WindowActions::resetTouchesOnlyItsPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("pageWidgets");

    QTest::newRow("Global") << "pushButtonGlobalDefault"
                            << QStringList { "checkBoxOverwrite", "checkBoxKeepTree",
                                   "checkBoxSkipExisting", "checkBoxFilePerFrame",
                                   "checkBoxKeepDates", "checkBoxStopOnFailure", "spinBoxJobs",
                                   "checkBoxStrip", "checkBoxKeepColorProfile",
                                   "checkBoxRemoveLocation", "checkBoxTransparent",
                                   "labelBackgroundColor", "lineEditNamePattern" };
    QTest::newRow("JPEG") << "pushButtonJPEGDefault"
                          << QStringList { "spinBoxJPEGQuality", "horizontalSliderJPEGQuality",
                                 "spinBoxJPEGDPI", "checkBoxJPEGProgressive", "checkBoxJPEGHuffman",
                                 "comboBoxJPEGImageType", "comboBoxJPEGColorspaceType",
                                 "comboBoxJPEGCompressionType" };
    QTest::newRow("GIF") << "pushButtonGIFDefault"
                         << QStringList { "comboBoxGIFImageType", "checkBoxGIFInterlace",
                                "checkBoxGIFQuantizeDither", "comboBoxGIFQuantizeColorspace",
                                "spinBoxGIFQuantizeColors", "horizontalSliderGIFQuantizeColors",
                                "spinBoxGIFQuantizeTreeDepth",
                                "horizontalSliderGIFQuantizeTreeDepth" };
    QTest::newRow("PNG") << "pushButtonPNGDefault"
                         << QStringList { "comboBoxPNGImageType", "comboBoxPNGColorspace",
                                "checkBoxPNGInterlace", "spinBoxPNGLevel",
                                "horizontalSliderPNGLevel", "comboBoxPNGFilter" };
    QTest::newRow("Resize") << "pushButtonResizeDefault"
                            << QStringList { "checkBoxResizeEnabled", "spinBoxResizeProportion",
                                   "horizontalSliderResizeProportion", "spinBoxResizeWidth",
                                   "spinBoxResizeHeight", "radioButtonResizeExact",
                                   "radioButtonResizeWidth", "comboBoxResizeOperator",
                                   "comboBoxResizeFilterType", "spinBoxResizePercent",
                                   "checkBoxResizeShrinkOnly" };
}

void tst_WindowActions::resetTouchesOnlyItsPage()
{
    QFETCH(QString, button);
    QFETCH(QStringList, pageWidgets);

    GraphicConverter window;
    const QList<QString> defaults = WindowTestSupport::optionValues(&window);

    // Move every option away from its default.
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        if (b->isCheckable() && b->objectName() != "checkBoxOriginal")
            b->setChecked(!b->isChecked());
    }
    for (QComboBox *c : window.findChildren<QComboBox *>())
        c->setCurrentIndex(1);
    for (QSpinBox *s : window.findChildren<QSpinBox *>())
        s->setValue(s->minimum() + 1);
    window.findChild<QLineEdit *>("lineEditPath")->setText("/elsewhere");
    window.findChild<QLineEdit *>("lineEditNamePattern")->setText("{n}");
    auto colour = window.findChild<QLabel *>("labelBackgroundColor");
    colour->setText("#123456");
    colour->setPalette(QPalette(QColor("#123456")));
    const QList<QString> changed = WindowTestSupport::optionValues(&window);

    window.findChild<QPushButton *>(button)->click();
    const QList<QString> after = WindowTestSupport::optionValues(&window);
    QCOMPARE(after.size(), defaults.size());
    for (int i = 0; i < after.size(); ++i) {
        const QString name = after[i].section('=', 0, 0);
        const QString expected = pageWidgets.contains(name) ? defaults[i] : changed[i];
        QCOMPARE(after[i], expected);
    }
    if (button == "pushButtonGlobalDefault") {
        QCOMPARE(colour->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(colour->text(), QString("#ffffff"));
    }
}

void tst_WindowActions::namePatternShowsAndNamesWhatComesOut_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("line"); // under the pattern, for the first file
    QTest::addColumn<QStringList>("outputs"); // empty: the run is refused

    QTest::newRow("none: as ever") << ""
                                   << "a.b.png → a.jpg" << QStringList { "a.jpg", "c.jpg" };
    QTest::newRow("position and whole name")
        << "{n:2}-{name}"
        << "a.b.png → 01-a.b.jpg" << QStringList { "01-a.b.jpg", "02-c.jpg" };
    QTest::newRow("size, read from the file")
        << "{width}x{height}"
        << "a.b.png → 48x32.jpg" << QStringList { "48x32.jpg", "48x32_1.jpg" };
    QTest::newRow("a folder in the pattern: refused")
        << "sub/{base}"
        << "The name pattern may not hold \"/\", \"\\\" or \"..\": every output stays in its "
           "folder."
        << QStringList();
}

void tst_WindowActions::namePatternShowsAndNamesWhatComesOut()
{
    QFETCH(QString, pattern);
    QFETCH(QString, line);
    QFETCH(QStringList, outputs);
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    GraphicConverter window;
    addRows(window, { makeImage("a.b.png"), makeImage("c.png") });
    window.findChild<QLineEdit *>("lineEditPath")->setText(out);
    window.findChild<QLineEdit *>("lineEditNamePattern")->setText(pattern);
    QTRY_COMPARE(window.findChild<QLabel *>("labelNamePatternExample")->text(), line);

    QString refusal;
    if (outputs.isEmpty()) {
        whenModalOpens([&](QWidget *dialog) {
            auto box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            refusal = box->text();
            box->accept();
        });
    }
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    if (outputs.isEmpty()) {
        QCOMPARE(refusal, line);
        QVERIFY(window.findChild<QPushButton *>("pushButtonConvert")->isEnabled());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 30000);
    }
    QCOMPARE(QDir(out).entryList(QDir::Files), outputs);
}

void tst_WindowActions::backgroundColourChooser()
{
    GraphicConverter window;
    auto label = window.findChild<QLabel *>("labelBackgroundColor");
    QCOMPARE(label->text(), QString("#ffffff"));
    QColor offered;
    whenModalOpens([&](QWidget *dialog) {
        auto colourDialog = qobject_cast<QColorDialog *>(dialog);
        QVERIFY(colourDialog);
        QCOMPARE(colourDialog->windowTitle(), QString("Select Color"));
        offered = colourDialog->currentColor();
        colourDialog->setCurrentColor(QColor(10, 20, 30));
        colourDialog->accept();
    });
    window.findChild<QAbstractButton *>("toolButtonSelectColor")->click();
    // The dialog starts on the colour in use.
    QCOMPARE(offered, QColor(Qt::white));
    QCOMPARE(label->text(), QString("#0a141e"));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(10, 20, 30));
    // A dark colour is labelled in a light ink.
    QVERIFY(label->palette().color(QPalette::WindowText).value() > 128);
}

void tst_WindowActions::progressCountsFiles()
{
    GraphicConverter window;
    QVERIFY(!window.windowIcon().isNull());
    addRows(window, { makeImage("a.png"), makeImage("b.png"), makeImage("c.png") });
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    auto bar = window.findChild<QProgressBar *>("progressBar");
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    // The worker's reports are queued: none has arrived before the event loop runs.
    QCOMPARE(bar->text(), QString("0 of 3"));
    QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 30000);
    // It stays where the run ended.
    QCOMPARE(bar->text(), QString("3 of 3"));
}

void tst_WindowActions::missingFileHasNoFolderToOpen()
{
    GraphicConverter window;
    addRows(window, { dir->filePath("gone/photo.jpg") });
    window.findChild<QListWidget *>("listWidget")->setCurrentRow(0);
    QVERIFY(QMetaObject::invokeMethod(&window, "openFileDirectory"));
    QVERIFY2(catcher.urls.isEmpty(), qPrintable(catcher.urls.value(0).toString()));
}

void tst_WindowActions::savePathChooser()
{
    GraphicConverter window;
    auto path = window.findChild<QLineEdit *>("lineEditPath");
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    const QString target = dir->filePath("out");
    QVERIFY(QDir().mkpath(target));
    whenModalOpens([&](QWidget *dialog) {
        auto fileDialog = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(fileDialog);
        fileDialog->setDirectory(target);
        fileDialog->selectFile(target);
        static_cast<QDialog *>(fileDialog)->accept();
    });
    window.findChild<QAbstractButton *>("toolButtonPath")->click();
    QCOMPARE(path->text(), target);
    QVERIFY(!path->isEnabled());
}

void tst_WindowActions::emptyListShowsNoFiles()
{
    GraphicConverter window;
    QString title;
    QString text;
    whenModalOpens([&](QWidget *dialog) {
        auto box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QCOMPARE(title, QString("Information"));
    QCOMPARE(text, QString("No Files"));
    QCOMPARE(runLockedEnabled(window).size(), 10);
}

void tst_WindowActions::runWithAMissingFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("JPEG") << "JPEG"
                          << "jpg";
    QTest::newRow("GIF") << "GIF"
                         << "gif";
    QTest::newRow("PNG") << "PNG"
                         << "png";
    QTest::newRow("JPEG2000") << "JPEG2000"
                              << "jp2";
    QTest::newRow("PDF") << "PDF"
                         << "pdf";
}

void tst_WindowActions::runWithAMissingFile()
{
    QFETCH(QString, format);
    QFETCH(QString, suffix);
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files.append(i == 2 ? dir->filePath("gone.png") : makeImage(QString("in%1.png").arg(i)));
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));

    GraphicConverter window;
    addRows(window, files);
    window.findChild<QLineEdit *>("lineEditPath")->setText(out);
    auto combo = window.findChild<QComboBox *>("comboBoxFormat");
    combo->setCurrentIndex(combo->findText(format));
    auto progress = window.findChild<QProgressBar *>("progressBar");
    auto list = window.findChild<QListWidget *>("listWidget");

    QList<int> progressSeen;
    QList<int> rowsSeen;
    connect(progress, &QProgressBar::valueChanged, [&](int v) { progressSeen.append(v); });
    connect(list, &QListWidget::currentRowChanged, [&](int r) { rowsSeen.append(r); });
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QCOMPARE(runLockedEnabled(window), QStringList());
    QCOMPARE(progress->maximum(), 5);
    QVERIFY(window.findChild<QPushButton *>("pushButtonStop")->isEnabled());
    QVERIFY(TestSupport::recordedMessages()
                .filter(QRegularExpression("^test listWidget current thread: 0x[0-9a-f]+$"))
                .size()
        == 1);

    QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 30000);
    // The missing file counts as done with; the bar and the list stay where the run ended.
    // Files converted at once complete in any order: the selection follows the last one.
    QCOMPARE(progressSeen, QList<int>({ 1, 2, 3, 4, 5 }));
    QCOMPARE(list->currentRow(), rowsSeen.last());
    std::sort(rowsSeen.begin(), rowsSeen.end());
    QCOMPARE(rowsSeen, QList<int>({ 0, 1, 3, 4 }));
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
        QStringList({ "in0." + suffix, "in1." + suffix, "in3." + suffix, "in4." + suffix }));
    // The file that vanished after it was listed is named in the status bar.
    QCOMPARE(window.findChild<QLabel *>("labelError")->text(),
        "Could not convert " + QDir::toNativeSeparators(files[2]) + ": no such file");
}

void tst_WindowActions::importedFoldersKeepTheirTree()
{
    makeImage("a/x/1.png");
    makeImage("a/y/1.png");
    const QString single = makeImage("b/1.png");
    const QString out = dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    GraphicConverter window;
    window.addPaths({ dir->filePath("a") }, true);
    window.addPaths({ single });
    window.findChild<QLineEdit *>("lineEditPath")->setText(out);
    window.findChild<QAbstractButton *>("checkBoxKeepTree")->setChecked(true);
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QTRY_COMPARE_WITH_TIMEOUT(runLockedEnabled(window).size(), 10, 20000);
    // A file added by name has no tree to keep.
    for (const char *name : { "x/1.jpg", "y/1.jpg", "1.jpg" })
        QVERIFY2(QFileInfo::exists(out + '/' + name), name);

    // Again, skipping what is done: every row says so, with an icon of its own.
    window.findChild<QAbstractButton *>("checkBoxSkipExisting")->setChecked(true);
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QTRY_COMPARE_WITH_TIMEOUT(runLockedEnabled(window).size(), 10, 20000);
    auto list = window.findChild<QListWidget *>("listWidget");
    for (int row = 0; row < list->count(); ++row) {
        QVERIFY(list->item(row)->toolTip().startsWith("Skipped: "));
        QVERIFY(!list->item(row)->icon().pixmap(16).isNull());
    }
    QVERIFY2(
        window.findChild<QLabel *>("labelSummary")->text().startsWith("0 converted, 3 skipped"),
        qPrintable(window.findChild<QLabel *>("labelSummary")->text()));
}

void tst_WindowActions::presetsSaveLoadAndGo()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path()));
    const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
    GraphicConverter window;
    auto format = window.findChild<QComboBox *>("comboBoxFormat");
    auto strip = window.findChild<QAbstractButton *>("checkBoxStrip");
    auto menu = window.findChild<QMenu *>("menuPresets");
    const auto entry = [menu](const QString &text) -> QAction * {
        emit menu->aboutToShow();
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    };
    format->setCurrentIndex(format->findText("PNG"));
    strip->setChecked(false);
    whenModalOpens([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>()->setText("web");
        static_cast<QDialog *>(dialog)->accept();
    });
    window.findChild<QAction *>("actionSaveOptionsAs")->trigger();
    QVERIFY(QFileInfo::exists(dir->filePath("tarvo/presets/web.ini")));

    window.findChild<QAction *>("actionDefaultOptions")->trigger();
    QCOMPARE(format->currentText(), QString("JPEG"));
    QVERIFY(strip->isChecked());
    QAction *web = entry("web");
    QVERIFY(web);
    web->trigger();
    QCOMPARE(format->currentText(), QString("PNG"));
    QVERIFY(!strip->isChecked());
    // Made again each time the menu opens: one entry per preset, however often.
    QVERIFY(entry("web"));
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(std::count_if(actions.cbegin(), actions.cend(),
                 [](QAction *action) { return action->text() == "web"; }),
        1);
}

void tst_WindowActions::missingOutputFolderIsMadeAfterAsking_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("made, and the run goes there") << true;
    QTest::newRow("not made, and nothing runs") << false;
}

void tst_WindowActions::missingOutputFolderIsMadeAfterAsking()
{
    QFETCH(bool, yes);
    GraphicConverter window;
    addRows(window, { makeImage("in.png") });
    const QString out = dir->filePath("new/out");
    window.findChild<QLineEdit *>("lineEditPath")->setText(out);
    QString asked;
    whenModalOpens([&](QWidget *dialog) {
        auto box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        asked = box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QCOMPARE(asked, "The folder " + QDir::toNativeSeparators(out) + " does not exist. Make it?");
    if (yes)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(out + "/in.jpg"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(runLockedEnabled(window).size(), 10, 20000);
    QCOMPARE(QFileInfo(out).isDir(), yes);
    QVERIFY(!QFileInfo::exists(dir->filePath("in.jpg")));
}

void tst_WindowActions::stopDuringARun()
{
    QStringList files;
    for (int i = 0; i < 8; ++i)
        files.append(makeImage(QString("big%1.png").arg(i), QSize(1600, 1200)));
    GraphicConverter window;
    addRows(window, files);
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    // Which files a stop lets finish is exact only one at a time.
    window.findChild<QSpinBox *>("spinBoxJobs")->setValue(1);
    auto list = window.findChild<QListWidget *>("listWidget");
    // Stop as soon as the first file is reported; the file in progress is still finished. The
    // worker is held as it begins to save the second file until Stop has been clicked, so
    // that file is the one in progress and no other is started.
    QSemaphore stopClicked;
    QAtomicInt held;
    TestSupport::pauseWhenSaving(
        2, [&stopClicked, &held] { held.storeRelease(stopClicked.tryAcquire(1, 60000)); });
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    bool stopped = false;
    QString whileStopping;
    connect(list, &QListWidget::currentRowChanged, [&] {
        if (!stopped) {
            stopped = true;
            window.findChild<QPushButton *>("pushButtonStop")->click();
            whileStopping = window.findChild<QLabel *>("labelSummary")->text();
            stopClicked.release();
        }
    });
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 60000);
    QVERIFY(held.loadAcquire());
    const QStringList written = QDir(dir->path()).entryList({ "*.jpg" }, QDir::Files, QDir::Name);
    QCOMPARE(written, QStringList({ "big0.jpg", "big1.jpg" }));
    for (const QString &jpg : written)
        QCOMPARE(QImage(dir->filePath(jpg)).size(), QSize(1600, 1200));
    QCOMPARE(
        window.findChild<QLabel *>("labelSummary")->text(), QString("Stopped: 2 of 8 converted"));
    // Until then the window said why it had not stopped yet.
    QCOMPARE(whileStopping, QString("Stopping… (1 file finishing)"));

    // A cleared list leaves no count of a run behind.
    window.findChild<QPushButton *>("pushButtonClear")->click();
    auto bar = window.findChild<QProgressBar *>("progressBar");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->text(), QString("0%"));
    QVERIFY(window.findChild<QLabel *>("labelSummary")->isHidden());
}

void tst_WindowActions::failedFileIsShownInTheStatusBar()
{
    const QString good = makeImage("good.png");
    const QString bad = dir->filePath("notes.png");
    QVERIFY(TestSupport::writeFile(bad, "not a picture"));
    GraphicConverter window;
    addRows(window, { good, bad, makeImage("later.png") });
    window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 30000);

    const QString shown = window.findChild<QLabel *>("labelError")->text();
    QVERIFY2(shown.startsWith("Could not convert " + QDir::toNativeSeparators(bad) + ": "),
        qPrintable(shown));
    // The engine's message names the file itself; the window shows it after its own words.
    QVERIFY(TestSupport::recordedMessages().contains(
        "Error: " + shown.mid(QString("Could not convert ").size())));
    QVERIFY(window.findChild<QStatusBar *>("statusBar")
                ->isAncestorOf(window.findChild<QLabel *>("labelError")));
    // Unless "Stop at the first failure" is checked, the files after it are converted.
    QVERIFY(QFileInfo::exists(dir->filePath("later.jpg")));

    // The next run starts with a clean status bar.
    window.findChild<QListWidget *>("listWidget")->clear();
    addRows(window, { good });
    window.findChild<QPushButton *>("pushButtonConvert")->click();
    QVERIFY(window.findChild<QLabel *>("labelError")->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(runLockedEnabled(window).size() == 10, 30000);
}

void tst_WindowActions::closingDuringARun()
{
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files.append(makeImage(QString("p%1.png").arg(i), QSize(1600, 1200)));
    // The worker is held inside the first file, in an event loop of its own thread that the
    // engine's quit() ends: the window closes while that file is in progress.
    QSemaphore saving;
    TestSupport::holdInsideFirstFile(saving);
    const auto unhook = qScopeGuard([] { TestSupport::pauseWhenSaving(0, nullptr); });
    {
        GraphicConverter window;
        window.show();
        addRows(window, files);
        window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
        // The hold ends with the run's own thread only: one file at a time runs there.
        window.findChild<QSpinBox *>("spinBoxJobs")->setValue(1);
        window.findChild<QPushButton *>("pushButtonConvert")->click();
        QVERIFY(saving.tryAcquire(1, 60000));
        QVERIFY(window.close());
    }
    QVERIFY(QFileInfo::exists(dir->filePath("tarvo.ini")));
    // The file in progress is finished, whole; no other is started and no temporary file is
    // left.
    const QStringList written = QDir(dir->path()).entryList({ "*.jpg" }, QDir::Files);
    QCOMPARE(written, QStringList { "p0.jpg" });
    QCOMPARE(QImage(dir->filePath(written.first())).size(), QSize(1600, 1200));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 6 + written.size() + 1);
}

QTEST_MAIN(tst_WindowActions)
#include "tst_windowactions.moc"
