#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "outputformat.h"
#include "outputpreview.h"
#include "settingsfile.h"
#include "graphicconverter.h"
#include "tarvo_version.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(QVariant)

namespace {

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QStringList listItems(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QStringList tabTitles(const QTabWidget *tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->widget(i)->objectName() + '=' + tabs->tabText(i));
    return titles;
}

QStringList menuEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return entries;
}

// A property of the object, or one of the lists the table speaks of.
QVariant probe(const QObject *object, const QString &what)
{
    if (what == "items") {
        if (auto combo = qobject_cast<const QComboBox *>(object))
            return comboItems(combo);
        if (auto list = qobject_cast<const QListWidget *>(object))
            return listItems(list);
    }
    if (what == "tabs")
        return tabTitles(qobject_cast<const QTabWidget *>(object));
    if (what == "entries")
        return menuEntries(qobject_cast<const QMenu *>(object));
    if (what == "range") {
        const QVariant min = object->property("minimum");
        const QVariant max = object->property("maximum");
        return QString("%1..%2").arg(min.toInt()).arg(max.toInt());
    }
    if (what == "italic")
        return object->property("font").value<QFont>().italic();
    if (what == "pages") {
        QStringList pages;
        auto stack = qobject_cast<const QStackedWidget *>(object);
        for (int i = 0; i < stack->count(); ++i)
            pages.append(stack->widget(i)->objectName());
        return pages;
    }
    return object->property(qPrintable(what));
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void resizePreviewSaysWhatComesOut_data();
    void resizePreviewSaysWhatComesOut();
    void initTestCase();
    void init();
    void cleanup();

    void catalogue_data();
    void catalogue();
    void title();
    void itemCountStartsAtZero();
    void sliderFollowsSpinBox_data();
    void sliderFollowsSpinBox();
    void optionsListSwitchesPages();
    void originalDirectoryDisablesOnlyThePath();
    void doubleClickOnPathIsConsumed();
    void exitClosesTheWindow_data();
    void exitClosesTheWindow();
    void styleSheetIsByteExact();
    void cursorTipIsTheHotSpot();
    void resourceImages_data();
    void resourceImages();
    void iconsForDoubleScale();
    void qualityFollowsTheFormat_data();
    void qualityFollowsTheFormat();
    void resizeControlsThatApply_data();
    void resizeControlsThatApply();
    void optionPagesFitTheSmallestWindow();
    void linkFitsTheFirstWindow();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString previousDir;
    QScopedPointer<GraphicConverter> catalogueWindow;
};

void tst_MainWindow::initTestCase()
{
    TestSupport::installMessageRecorder();
}

void tst_MainWindow::init()
{
    // The settings file is relative to the working directory: keep each test's apart.
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    TestSupport::clearRecordedMessages();
}

void tst_MainWindow::cleanup()
{
    QDir::setCurrent(previousDir);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

void tst_MainWindow::catalogue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QVariant>("expected");

    const auto row
        = [](const char *name, const char *className, const char *what, const QVariant &expected) {
              QTest::addRow("%s %s", name, what) << name << className << what << expected;
          };
    const QStringList colorspaces = { "RGB", "GRAY", "OHTA", "XYZ", "YCC", "YIQ", "YPbPr", "YCbCr",
        "CMYK", "sRGB", "HSL", "HWB", "LAB", "Cineon Log RGB" };
    QStringList gifColorspaces = colorspaces;
    gifColorspaces.prepend("YUV");
    QStringList pngColorspaces = colorspaces;
    pngColorspaces.insert(6, "YUV");

    // Actions and menus
    row("actionExit", "QAction", "text", "&Exit");
    row("actionAdd", "QAction", "text", "&Add");
    row("actionAbout", "QAction", "text", "&About");
    row("actionDelete", "QAction", "text", "&Delete");
    row("actionClear", "QAction", "text", "&Clear");
    row("actionImportFolder", "QAction", "text", "&Import Folder");
    row("actionImportFolderRecursive", "QAction", "text", "Import Folder with &Subfolders");
    row("menu_File", "QMenu", "title", "&File");
    row("menu_File", "QMenu", "entries",
        QStringList {
            "actionAdd", "actionImportFolder", "actionImportFolderRecursive", "-", "actionExit" });
    row("menu_Edit", "QMenu", "title", "&Edit");
    row("menu_Edit", "QMenu", "entries", QStringList { "actionDelete", "actionClear" });
    row("menu_Help", "QMenu", "title", "&Help");
    row("menu_Help", "QMenu", "entries", QStringList { "actionAbout" });

    // Top bar
    row("pushButtonAdd", "QPushButton", "text", "&Add");
    row("pushButtonAdd", "QPushButton", "statusTip", "Add image files");
    row("pushButtonConvert", "QPushButton", "text", "&Convert");
    row("pushButtonConvert", "QPushButton", "statusTip", "Convert image files");
    row("pushButtonStop", "QPushButton", "text", "&Stop");
    row("pushButtonStop", "QPushButton", "statusTip", "Stop conversion");
    row("pushButtonDelete", "QPushButton", "text", "&Delete");
    row("pushButtonDelete", "QPushButton", "statusTip", "Delete current item from list");
    row("pushButtonClear", "QPushButton", "text", "&Clear");
    row("pushButtonClear", "QPushButton", "statusTip", "Clear list");
    row("pushButtonExit", "QPushButton", "text", "&Exit");
    row("pushButtonExit", "QPushButton", "statusTip", "Quit application");
    row("pushButtonExit", "QPushButton", "minimumHeight", 35);
    row("labelLike", "QLabel", "statusTip", "Like us on Facebook");
    row("labelLike", "QLabel", "text", "");
    row("label", "QLabel", "openExternalLinks", true);

    // List tab
    row("tabWidget", "QTabWidget", "tabs", QStringList { "tab=List", "tab_2=Advanced Options" });
    row("tabWidget", "QTabWidget", "currentIndex", 0);
    row("itemCountLabel", "QLabel", "italic", true);
    row("listWidget", "QListWidget", "contextMenuPolicy", int(Qt::CustomContextMenu));
    row("listWidget", "QListWidget", "count", 0);
    // The form's five pages, then one made for each format whose options it has no page for.
    QStringList optionItems
        = { "Global Options", "JPEG Options", "GIF Options", "PNG Options", "Resize Options" };
    QStringList optionPages = { "page_global", "page_jpeg", "page_gif", "page_png", "page_resize" };
    for (const OutputFormat *format : OutputFormats::all()) {
        if (!format->options.isEmpty() && !format->options.first().widget) {
            const QString group = format->options.first().group;
            optionItems.append(group + " Options");
            optionPages.append("page_" + group.toLower());
        }
    }
    row("listWidgetOptions", "QListWidget", "items", optionItems);
    row("listWidgetOptions", "QListWidget", "currentRow", -1);
    row("listWidgetOptions", "QListWidget", "maximumWidth", 150);
    row("stackedWidgetOptions", "QStackedWidget", "pages", optionPages);
    row("stackedWidgetOptions", "QStackedWidget", "currentIndex", 0);

    // Output group
    row("groupBox_22", "QGroupBox", "title", "Progress");
    row("progressBar", "QProgressBar", "value", 0);
    row("progressBar", "QProgressBar", "italic", true);
    row("groupBox_23", "QGroupBox", "title", "Save Options");
    // The .ui lists the formats for the designer; the window stores the index into the engine's
    // table, so the two must name the same formats in the same order.
    QStringList formatLabels;
    for (const OutputFormat *format : OutputFormats::all())
        formatLabels.append(format->label);
    row("comboBoxFormat", "QComboBox", "items", formatLabels);
    row("comboBoxFormat", "QComboBox", "currentIndex", 0);
    row("horizontalSliderQuality", "QSlider", "range", "1..100");
    row("horizontalSliderQuality", "QSlider", "value", 75);
    row("spinBoxQuality", "QSpinBox", "range", "1..100");
    row("spinBoxQuality", "QSpinBox", "value", 75);
    row("groupBox_24", "QGroupBox", "title", "Path Options");
    row("lineEditPath", "QLineEdit", "readOnly", false);
    row("toolButtonPath", "QToolButton", "text", "...");
    row("checkBoxOriginal", "QCheckBox", "text", "Original Directory");
    row("checkBoxOriginal", "QCheckBox", "checked", false);
    row("checkBoxOriginal", "QCheckBox", "italic", true);

    // Global page
    row("tabWidget_2", "QTabWidget", "tabs", QStringList { "tab_3=General" });
    row("groupBox_21", "QGroupBox", "title", "Save Files");
    row("checkBoxOverwrite", "QCheckBox", "text", "Overwrite (not recommended)");
    row("checkBoxOverwrite", "QCheckBox", "checked", false);
    row("groupBox_9", "QGroupBox", "title", "Clean");
    row("checkBoxStrip", "QCheckBox", "text",
        "Strip All Profiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)");
    row("checkBoxStrip", "QCheckBox", "checked", true);
    row("groupBox_15", "QGroupBox", "title", "Background");
    row("checkBoxTransparent", "QCheckBox", "text", "Inherit Transparency");
    row("checkBoxTransparent", "QCheckBox", "checked", false);
    row("labelBackgroundColor", "QLabel", "autoFillBackground", true);
    row("toolButtonSelectColor", "QToolButton", "statusTip", "Select background color");
    row("pushButtonGlobalDefault", "QPushButton", "text", "&Default");

    // JPEG page
    row("tabWidget_3", "QTabWidget", "tabs", QStringList { "tab_6=General", "tab_4=Extra" });
    row("horizontalSliderJPEGQuality", "QSlider", "range", "1..100");
    row("horizontalSliderJPEGQuality", "QSlider", "value", 75);
    row("spinBoxJPEGQuality", "QSpinBox", "value", 75);
    row("spinBoxJPEGDPI", "QSpinBox", "range", "1..9999");
    row("spinBoxJPEGDPI", "QSpinBox", "value", 72);
    row("label_7", "QLabel", "text", "pixels/inch");
    row("checkBoxJPEGProgressive", "QCheckBox", "text", "Progressive JPEG");
    row("checkBoxJPEGProgressive", "QCheckBox", "checked", true);
    row("checkBoxJPEGHuffman", "QCheckBox", "text", "Huffman Coding Tables Optimization");
    row("checkBoxJPEGHuffman", "QCheckBox", "checked", true);
    row("groupBox_5", "QGroupBox", "title", "Image Representation Type");
    row("comboBoxJPEGImageType", "QComboBox", "items",
        QStringList { "TrueColor", "Grayscale", "Monochrome" });
    row("comboBoxJPEGColorspaceType", "QComboBox", "items",
        QStringList { "YCbCr", "RGB", "GRAY", "CMYK" });
    row("comboBoxJPEGCompressionType", "QComboBox", "items",
        QStringList { "JPEG Compression", "Lossless JPEG Compression" });
    row("pushButtonJPEGDefault", "QPushButton", "text", "&Default");

    // GIF page
    row("tabWidget_4", "QTabWidget", "tabs", QStringList { "tab_5=General", "tab_7=Quantization" });
    row("comboBoxGIFImageType", "QComboBox", "items", QStringList { "Optimization", "Monochrome" });
    row("checkBoxGIFInterlace", "QCheckBox", "text", "LineInterlace");
    row("groupBox_13", "QGroupBox", "title", "Floyd-Steinberg Dithering");
    row("checkBoxGIFQuantizeDither", "QCheckBox", "text", "Quantize Dither");
    row("comboBoxGIFQuantizeColorspace", "QComboBox", "items", gifColorspaces);
    row("comboBoxGIFQuantizeColorspace", "QComboBox", "currentIndex", 0);
    row("horizontalSliderGIFQuantizeColors", "QSlider", "range", "1..256");
    row("spinBoxGIFQuantizeColors", "QSpinBox", "value", 256);
    row("groupBox_14", "QGroupBox", "title", "Depth of the Quantization Color Tree");
    row("horizontalSliderGIFQuantizeTreeDepth", "QSlider", "range", "0..8");
    row("spinBoxGIFQuantizeTreeDepth", "QSpinBox", "value", 0);

    // PNG page
    row("tabWidget_5", "QTabWidget", "tabs",
        QStringList { "tab_8=General", "tab_9=Compression Quality" });
    row("comboBoxPNGImageType", "QComboBox", "items",
        QStringList { "TrueColor", "Grayscale", "Monochrome" });
    row("comboBoxPNGColorspace", "QComboBox", "items", pngColorspaces);
    row("checkBoxPNGInterlace", "QCheckBox", "text", "LineInterlace");
    row("horizontalSliderPNGLevel", "QSlider", "range", "0..9");
    row("spinBoxPNGLevel", "QSpinBox", "value", 7);
    row("comboBoxPNGFilter", "QComboBox", "items",
        QStringList { "None", "Sub", "Up", "Average", "Paeth", "Adaptive",
            "Adaptive with minimum-sum-of-absolute-values" });
    row("comboBoxPNGFilter", "QComboBox", "currentIndex", 5);

    // Resize page
    row("tabWidget_6", "QTabWidget", "tabs", QStringList { "tab_10=General", "tab_11=Algorithms" });
    row("checkBoxResizeEnabled", "QCheckBox", "text", "Enabled");
    row("checkBoxResizeEnabled", "QCheckBox", "checked", false);
    row("horizontalSliderResizeProportion", "QSlider", "range", "-10..10");
    row("spinBoxResizeProportion", "QSpinBox", "value", 0);
    row("spinBoxResizeWidth", "QSpinBox", "range", "1..9999");
    row("spinBoxResizeWidth", "QSpinBox", "value", 640);
    row("spinBoxResizeHeight", "QSpinBox", "value", 480);
    row("label_5", "QLabel", "text", "Width");
    row("label_6", "QLabel", "text", "Height");
    row("radioButtonResizeExact", "QRadioButton", "text", "Exact");
    row("radioButtonResizeExact", "QRadioButton", "checked", true);
    row("radioButtonResizeWidth", "QRadioButton", "text", "Based on width");
    row("radioButtonResizeWidth", "QRadioButton", "checked", false);
    row("comboBoxResizeOperator", "QComboBox", "items",
        QStringList { "Balanced", "Optimization", "Customized" });
    row("comboBoxResizeFilterType", "QComboBox", "items",
        QStringList { "Point", "Box", "Triangle", "Hermite", "Hanning", "Hamming", "Blackman",
            "Gaussian", "Quadratic", "Cubic", "Catrom", "Mitchell", "Lanczos", "Bessel", "Sinc" });
    row("comboBoxResizeFilterType", "QComboBox", "currentIndex", 12);
    row("pushButtonResizeDefault", "QPushButton", "text", "&Default");
}

void tst_MainWindow::catalogue()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, what);
    QFETCH(QVariant, expected);

    // One window serves the whole table: the rows only look at it.
    if (!catalogueWindow)
        catalogueWindow.reset(new GraphicConverter);
    const QList<QObject *> found = catalogueWindow->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString(found.first()->metaObject()->className()), className);
    const QVariant actual = probe(found.first(), what);
    QVERIFY2(actual == expected,
        qPrintable(
            QString("%1 is %2").arg(what, actual.toStringList().join('|') + actual.toString())));
}

void tst_MainWindow::title()
{
    GraphicConverter window;
    QCOMPARE(window.windowTitle(), QString("Tarvo Image Converter v" TARVO_VERSION));
    QCOMPARE(window.objectName(), QString("GraphicConverter"));
    // It may shrink to what a 1600x1000 screen at 200% holds, 800x500, frame and panel aside;
    // the option pages scroll.
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    QVERIFY2(least.width() <= 780 && least.height() <= 440,
        qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
}

void tst_MainWindow::itemCountStartsAtZero()
{
    GraphicConverter window;
    QCOMPARE(window.findChild<QLabel *>("itemCountLabel")->text(), QString("0 item"));
}

void tst_MainWindow::sliderFollowsSpinBox_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<int>("value");

    QTest::newRow("output quality") << "horizontalSliderQuality"
                                    << "spinBoxQuality" << 33;
    QTest::newRow("JPEG quality") << "horizontalSliderJPEGQuality"
                                  << "spinBoxJPEGQuality" << 90;
    QTest::newRow("GIF colours") << "horizontalSliderGIFQuantizeColors"
                                 << "spinBoxGIFQuantizeColors" << 17;
    QTest::newRow("GIF tree depth") << "horizontalSliderGIFQuantizeTreeDepth"
                                    << "spinBoxGIFQuantizeTreeDepth" << 8;
    QTest::newRow("PNG level") << "horizontalSliderPNGLevel"
                               << "spinBoxPNGLevel" << 0;
    QTest::newRow("resize proportion, negative") << "horizontalSliderResizeProportion"
                                                 << "spinBoxResizeProportion" << -10;
}

void tst_MainWindow::sliderFollowsSpinBox()
{
    QFETCH(QString, slider);
    QFETCH(QString, spinBox);
    QFETCH(int, value);
    GraphicConverter window;
    auto s = window.findChild<QSlider *>(slider);
    auto b = window.findChild<QSpinBox *>(spinBox);
    QVERIFY(s && b);
    QCOMPARE(s->minimum(), b->minimum());
    QCOMPARE(s->maximum(), b->maximum());
    QCOMPARE(s->value(), b->value());
    b->setValue(value);
    QCOMPARE(s->value(), value);
    s->setValue(s->minimum() + 1);
    QCOMPARE(b->value(), s->minimum() + 1);
}

void tst_MainWindow::optionsListSwitchesPages()
{
    GraphicConverter window;
    auto list = window.findChild<QListWidget *>("listWidgetOptions");
    auto stack = window.findChild<QStackedWidget *>("stackedWidgetOptions");
    const QStringList pages = { "page_global", "page_jpeg", "page_gif", "page_png", "page_resize" };
    for (int row : { 3, 1, 4, 0, 2 }) {
        list->setCurrentRow(row);
        QCOMPARE(stack->currentWidget()->objectName(), pages.at(row));
    }
}

void tst_MainWindow::originalDirectoryDisablesOnlyThePath()
{
    GraphicConverter window;
    auto original = window.findChild<QAbstractButton *>("checkBoxOriginal");
    auto path = window.findChild<QLineEdit *>("lineEditPath");
    auto chooser = window.findChild<QAbstractButton *>("toolButtonPath");
    original->setChecked(true);
    QVERIFY(!path->isEnabled());
    QVERIFY(chooser->isEnabled());
    original->setChecked(false);
    QVERIFY(path->isEnabled());
}

void tst_MainWindow::doubleClickOnPathIsConsumed()
{
    GraphicConverter window;
    auto path = window.findChild<QLineEdit *>("lineEditPath");
    auto other = window.findChild<QSpinBox *>("spinBoxQuality");
    path->setText("/some/output/folder");

    QMouseEvent doubleClick(
        QEvent::MouseButtonDblClick, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QVERIFY(window.eventFilter(path, &doubleClick));
    QVERIFY(!window.eventFilter(path, &press));
    QVERIFY(!window.eventFilter(path, &key));
    QVERIFY(!window.eventFilter(other, &doubleClick));

    // Delivered for real, the double-click never reaches the line edit: no word is selected.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseDClick(path, Qt::LeftButton, Qt::NoModifier, QPoint(20, path->height() / 2));
    QVERIFY(!path->hasSelectedText());
}

void tst_MainWindow::exitClosesTheWindow_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Exit button") << "pushButtonExit";
    QTest::newRow("Exit menu entry") << "actionExit";
}

void tst_MainWindow::exitClosesTheWindow()
{
    QFETCH(QString, trigger);
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (auto button = window.findChild<QAbstractButton *>(trigger))
        button->click();
    else
        window.findChild<QAction *>(trigger)->trigger();
    QVERIFY(!window.isVisible());
}

void tst_MainWindow::styleSheetIsByteExact()
{
    const QByteArray expected("QWidget {\r\nfont-family:\"Trebuchet MS\";\r\n}\r\n");
    QCOMPARE(expected.size(), 43);
    QCOMPARE(TestSupport::readFile(":/styles/plain"), expected);
    GraphicConverter window;
    QCOMPARE(qApp->styleSheet(), QString::fromLatin1(expected));
}

void tst_MainWindow::cursorTipIsTheHotSpot()
{
    GraphicConverter window;
    const QCursor cursor = window.cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 255);
    // The label with the pointing hand keeps its own cursor.
    QCOMPARE(window.findChild<QLabel *>("labelLike")->cursor().shape(), Qt::PointingHandCursor);
}

// Every icon the window shows at 16 pixels has a version of 32 for a screen at 200%: run with
// QT_SCALE_FACTOR=2 (its own ctest), where Qt loads those versions.
void tst_MainWindow::iconsForDoubleScale()
{
    if (qApp->devicePixelRatio() < 2)
        QSKIP("needs QT_SCALE_FACTOR=2");
    GraphicConverter window;
    QStringList blurred;
    const auto check = [&](const QString &what, const QIcon &icon) {
        const QList<QSize> sizes = icon.availableSizes();
        if (sizes.contains(QSize(16, 16)) && !sizes.contains(QSize(32, 32)))
            blurred.append(what);
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        // Buttons without a name are Qt's own (a tab bar's arrows), drawn by the style.
        if (!button->objectName().isEmpty())
            check(button->objectName(), button->icon());
    }
    for (const QAction *action : window.findChildren<QAction *>()) {
        // Qt's own (the line edits' clear button) are Qt's to scale.
        if (!action->objectName().startsWith("_q_"))
            check(action->objectName(), action->icon());
    }
    for (const QListWidget *list : window.findChildren<QListWidget *>()) {
        for (int row = 0; row < list->count(); ++row)
            check(list->objectName(), list->item(row)->icon());
    }
    check("the list's picture icon", QIcon(":/images/image"));
    check("a failure's icon", QIcon(":/images/failed"));
    QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(", ")));
}

void tst_MainWindow::resourceImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");

    for (const char *icon : { "add", "convert", "stop", "delete", "clear", "exit", "folder_add",
             "list", "options", "option", "color", "tick" }) {
        QTest::addRow("%s", icon) << QString(":/images/res/images/%1.png").arg(icon)
                                  << QSize(16, 16) << QByteArray("png");
    }
    QTest::newRow("like") << ":/images/res/images/like.png" << QSize(32, 32) << QByteArray("png");
    QTest::newRow("about") << ":/images/res/images/about.jpg" << QSize(180, 135)
                           << QByteArray("jpeg");
    QTest::newRow("list entry") << ":/images/image" << QSize(16, 16) << QByteArray("png");
    QTest::newRow("open directory") << ":/images/explore" << QSize(16, 16) << QByteArray("png");
    QTest::newRow("cursor") << ":/images/cursor" << QSize(32, 32) << QByteArray("png");
}

void tst_MainWindow::resourceImages()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    if (format == "png")
        QVERIFY(image.hasAlphaChannel());
}

void tst_MainWindow::qualityFollowsTheFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("edits"); // which quality the main control changes

    QTest::newRow("JPEG: the JPEG page's quality") << "jpeg" << 80 << true << "jpeg";
    QTest::newRow("PDF: the general quality") << "pdf" << 40 << true << "general";
    QTest::newRow("GIF: none, disabled") << "gif" << 40 << false << "";
    QTest::newRow("PNG: none, disabled") << "png" << 40 << false << "";
    QTest::newRow("JPEG 2000: none, disabled") << "jp2" << 40 << false << "";
    QTest::newRow("TIFF: its page's quality") << "tiff" << 75 << true << "TIFF_quality";
    QTest::newRow("WebP: its page's quality") << "webp" << 75 << true << "WebP_quality";
}

void tst_MainWindow::qualityFollowsTheFormat()
{
    QFETCH(QString, format);
    QFETCH(int, shown);
    QFETCH(bool, enabled);
    QFETCH(QString, edits);
    GraphicConverter window;
    auto formats = window.findChild<QComboBox *>("comboBoxFormat");
    auto spinBox = window.findChild<QSpinBox *>("spinBoxQuality");
    auto slider = window.findChild<QSlider *>("horizontalSliderQuality");
    auto jpegPage = window.findChild<QSpinBox *>("spinBoxJPEGQuality");
    const QStringList names = OutputFormats::names();

    // The JPEG page at 80; the general quality at 40, given while PDF is chosen.
    jpegPage->setValue(80);
    formats->setCurrentIndex(names.indexOf("pdf"));
    slider->setValue(40);
    formats->setCurrentIndex(names.indexOf(format));

    QCOMPARE(spinBox->value(), shown);
    QCOMPARE(slider->value(), shown);
    QCOMPARE(spinBox->isEnabled(), enabled);
    QCOMPARE(slider->isEnabled(), enabled);
    QVERIFY(!slider->statusTip().isEmpty());
    QCOMPARE(window.currentSettings().jpegQuality, 80);
    QCOMPARE(window.currentSettings().quality, 40);
    if (!enabled)
        return;

    spinBox->setValue(55);
    QCOMPARE(window.currentSettings().jpegQuality, edits == "jpeg" ? 55 : 80);
    QCOMPARE(window.currentSettings().quality, edits == "general" ? 55 : 40);
    QCOMPARE(jpegPage->value(), window.currentSettings().jpegQuality);
    jpegPage->setValue(66);
    QCOMPARE(spinBox->value(), edits == "jpeg" ? 66 : 55);
    // A format's own page follows the main control, and the control its page.
    if (auto own = window.findChild<QSpinBox *>(edits)) {
        QCOMPARE(own->value(), 55);
        own->setValue(33);
        QCOMPARE(spinBox->value(), 33);
    }
}

void tst_MainWindow::resizeControlsThatApply_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("factor");
    QTest::addColumn<bool>("basedOnWidth");
    QTest::addColumn<int>("resizeOperator");
    QTest::addColumn<QStringList>("enabled");

    const QString factor = "spinBoxResizeProportion";
    const QString width = "spinBoxResizeWidth";
    const QString height = "spinBoxResizeHeight";
    const QString exact = "radioButtonResizeExact";
    const QString basedOnWidth = "radioButtonResizeWidth";
    const QString op = "comboBoxResizeOperator";
    const QString filter = "comboBoxResizeFilterType";

    QTest::newRow("resize off: nothing applies") << false << 0 << false << 2 << QStringList();
    QTest::newRow("exact size: width and height")
        << true << 0 << false << 0
        << QStringList { factor, width, height, exact, basedOnWidth, op };
    // The picture is fitted into width x height: the height still bounds a tall one.
    QTest::newRow("based on width: width and height")
        << true << 0 << true << 0 << QStringList { factor, width, height, exact, basedOnWidth, op };
    QTest::newRow("factor 2: no size") << true << 2 << false << 0 << QStringList { factor, op };
    QTest::newRow("factor -2, customized: no size, a filter")
        << true << -2 << true << 2 << QStringList { factor, op, filter };
    QTest::newRow("customized operator: its filter")
        << true << 0 << false << 2
        << QStringList { factor, width, height, exact, basedOnWidth, op, filter };
}

void tst_MainWindow::resizeControlsThatApply()
{
    QFETCH(bool, on);
    QFETCH(int, factor);
    QFETCH(bool, basedOnWidth);
    QFETCH(int, resizeOperator);
    QFETCH(QStringList, enabled);
    GraphicConverter window;
    const QStringList controls = { "spinBoxResizeProportion", "spinBoxResizeWidth",
        "spinBoxResizeHeight", "radioButtonResizeExact", "radioButtonResizeWidth",
        "comboBoxResizeOperator", "comboBoxResizeFilterType" };
    const auto enabledControls = [&] {
        QStringList names;
        for (const QString &name : controls) {
            if (window.findChild<QWidget *>(name)->isEnabled())
                names.append(name);
        }
        return names;
    };
    window.findChild<QAbstractButton *>("checkBoxResizeEnabled")->setChecked(on);
    window.findChild<QSpinBox *>("spinBoxResizeProportion")->setValue(factor);
    window
        .findChild<QAbstractButton *>(
            basedOnWidth ? "radioButtonResizeWidth" : "radioButtonResizeExact")
        ->setChecked(true);
    window.findChild<QComboBox *>("comboBoxResizeOperator")->setCurrentIndex(resizeOperator);
    QCOMPARE(enabledControls(), enabled);

    // The Default button turns resizing off, and everything with it.
    window.findChild<QAbstractButton *>("pushButtonResizeDefault")->click();
    QCOMPARE(enabledControls(), QStringList());
}

void tst_MainWindow::optionPagesFitTheSmallestWindow()
{
    GraphicConverter window;
    window.resize(window.minimumSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
    auto scrollArea = window.findChild<QScrollArea *>("scrollArea");
    auto stack = window.findChild<QStackedWidget *>("stackedWidgetOptions");
    for (int page = 0; page < stack->count(); ++page) {
        stack->setCurrentIndex(page);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY2(scrollArea->horizontalScrollBar()->maximum() == 0,
            qPrintable(QString("%1 needs %2 pixels, has %3")
                           .arg(stack->widget(page)->objectName())
                           .arg(scrollArea->widget()->minimumSizeHint().width())
                           .arg(scrollArea->viewport()->width())));
    }
}

void tst_MainWindow::linkFitsTheFirstWindow()
{
    // No settings file: the window opens at its designed size.
    GraphicConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto link = window.findChild<QLabel *>("label");
    QVERIFY2(link->width() >= link->sizeHint().width(),
        qPrintable(QString("the link needs %1 pixels, has %2")
                       .arg(link->sizeHint().width())
                       .arg(link->width())));
}

void tst_MainWindow::resizePreviewSaysWhatComesOut_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QString>("resize"); // "exact", "fit", "shrink", "percent", "off"
    QTest::addColumn<QString>("line");

    const QSize portrait(3120, 4208);
    QTest::newRow("exact box stretches a portrait")
        << portrait << "exact" << QString("3120x4208 → 1920x1080 (stretched)");
    QTest::newRow("fit keeps the shape") << portrait << "fit" << QString("3120x4208 → 801x1080");
    QTest::newRow("only shrinking, a small picture is kept")
        << QSize(150, 103) << "shrink" << QString("150x103 → 150x103 (kept: it would be enlarged)");
    QTest::newRow("a percentage") << portrait << "percent" << QString("3120x4208 → 1560x2104");
    QTest::newRow("no resize, no line") << portrait << "off" << QString();
}

void tst_MainWindow::resizePreviewSaysWhatComesOut()
{
    QFETCH(QSize, source);
    QFETCH(QString, resize);
    ConversionSettings s = SettingsFile::defaults();
    s.resizeEnabled = resize != "off";
    s.resizeWidth = 1920;
    s.resizeHeight = 1080;
    s.resizeExact = resize == "exact" || resize == "shrink";
    s.resizeBaseWidth = resize == "fit";
    s.resizeShrinkOnly = resize == "shrink";
    s.resizePercent = resize == "percent" ? 50 : 0;
    QTEST(OutputPreview::describeSize(source, s), "line");
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
