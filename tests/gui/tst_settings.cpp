#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QRandomGenerator>
#include <QtTest>

#include <unistd.h>

#include "graphicconverter.h"
#include "options.h"
#include "settingsfile.h"
#include "testsupport.h"
#include "ui_graphicconverter.h"
#include "windowtestsupport.h"

// The keys the window keeps beside the option table's.
static const QStringList windowKeys
    = { "MainWindow/size", "MainWindow/pos", "Options/path", "Options/addpath" };

// The first window: as designed, taller where the screen has room, within the screen.
static QSize firstSize(const QWidget &window)
{
    const QRect screen = window.screen()->availableGeometry();
    return QSize(760, 760).boundedTo(screen.size() - QSize(20, 60));
}

static QString b(bool value)
{
    return value ? "true" : "false";
}

// Every option of the record, to compare two records and see where they differ.
static QStringList fields(const ConversionSettings &s)
{
    QStringList f = { "path=" + s.path };
    for (const Options::Option &option : Options::all()) {
        if (option.type != Options::Type::Folder)
            f.append(option.settingsKey() + '=' + option.get(s).toString());
    }
    return f;
}

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void savedSizeWithinTheScreen_data();
    void savedSizeWithinTheScreen();
    void initTestCase();
    void init();
    void cleanup();

    void allDefaultStartWritesEveryKey();
    void launcherNamesTheFolderToOffer_data();
    void launcherNamesTheFolderToOffer();
    void roundTrip();
    void storedValuesAreClamped_data();
    void storedValuesAreClamped();
    void originalDisablesThePath();
    void eachQualityKeepsItsKey();
    void loadedResizeShowsWhatApplies();
    void maximisedCloseKeepsTheGeometry();
    void damagedFile_data();
    void damagedFile();
    void unsavableFileIsTold_data();
    void unsavableFileIsTold();
    void formHasOneWidgetPerRow();
    void earlierFileIsKept();
    void currentSettingsAreWhatIsSaved_data();
    void currentSettingsAreWhatIsSaved();

private:
    void store(const QString &group, const QString &key, const QVariant &value);
    QScopedPointer<QTemporaryDir> dir;
    QString previousDir;
};

void tst_Settings::initTestCase()
{
    TestSupport::installMessageRecorder();
}

void tst_Settings::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
}

void tst_Settings::cleanup()
{
    QDir::setCurrent(previousDir);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

void tst_Settings::store(const QString &group, const QString &key, const QVariant &value)
{
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    settings.setValue(group + '/' + key, value);
}

void tst_Settings::savedSizeWithinTheScreen_data()
{
    QTest::addColumn<QSize>("saved");
    QTest::addColumn<bool>("kept");
    QTest::newRow("saved on this screen") << QSize(770, 480) << true;
    QTest::newRow("saved on a larger screen, or at a smaller scale") << QSize(2000, 1920) << false;
}

// A size the window saved elsewhere is brought within this screen; one that fits is kept.
void tst_Settings::savedSizeWithinTheScreen()
{
    QFETCH(QSize, saved);
    QFETCH(bool, kept);
    {
        QSettings settings("tarvo.ini", QSettings::IniFormat);
        settings.setValue("MainWindow/size", saved);
    }
    GraphicConverter window;
    window.show();
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height(),
        qPrintable(QString("%1x%2 on %3x%4")
                       .arg(window.width())
                       .arg(window.height())
                       .arg(screen.width())
                       .arg(screen.height())));
    QCOMPARE(window.size() == saved, kept);
}

void tst_Settings::allDefaultStartWritesEveryKey()
{
    {
        GraphicConverter window;
        window.show();
        QCOMPARE(window.size(), firstSize(window));
        QCOMPARE(window.findChild<QLineEdit *>("lineEditPath")->text(), QDir::currentPath());
        window.close();
    }
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QStringList expected = windowKeys;
    for (const Options::Option &option : Options::all()) {
        if (!expected.contains(option.settingsKey()))
            expected.append(option.settingsKey());
        if (!option.machineBound && option.type != Options::Type::Folder)
            QCOMPARE(option.settingsKey() + '=' + settings.value(option.settingsKey()).toString(),
                option.settingsKey() + '=' + option.defaultValue.toString());
    }
    QStringList actual = settings.allKeys();
    actual.sort();
    expected.sort();
    QCOMPARE(actual, expected);
    QCOMPARE(settings.value("MainWindow/size").toSize().width(), 760);
    QCOMPARE(settings.value("Options/path").toString(), QDir::currentPath());
    QCOMPARE(settings.value("Global/jobs").toInt(), qMax(1, QThread::idealThreadCount()));
}

// The menu's launcher starts the window in its settings folder and names the folder to offer
// for outputs and the Add dialog; a stored folder still wins.
void tst_Settings::launcherNamesTheFolderToOffer_data()
{
    QTest::addColumn<QString>("named"); // "<home>": an existing folder
    QTest::addColumn<bool>("pathStored");
    QTest::addColumn<QString>("offered"); // "<cwd>", "<home>" or "<stored>"

    QTest::newRow("nothing stored: the named folder") << "<home>" << false << "<home>";
    QTest::newRow("a stored folder wins") << "<home>" << true << "<stored>";
    QTest::newRow("a missing folder: the working folder") << "/no/such/folder" << false << "<cwd>";
    QTest::newRow("none named: the working folder") << QString() << false << "<cwd>";
}

void tst_Settings::launcherNamesTheFolderToOffer()
{
    QFETCH(QString, named);
    QFETCH(bool, pathStored);
    QFETCH(QString, offered);

    QTemporaryDir home;
    QTemporaryDir stored;
    const auto folder = [&](QString text) {
        return text.replace("<home>", home.path())
            .replace("<stored>", stored.path())
            .replace("<cwd>", QDir::currentPath());
    };
    if (pathStored) {
        store("Options", "path", stored.path());
        store("Options", "addpath", stored.path());
    }
    qputenv("TARVO_DEFAULT_FOLDER", folder(named).toLocal8Bit());
    {
        GraphicConverter window;
        qunsetenv("TARVO_DEFAULT_FOLDER");
        window.show();
        QCOMPARE(window.findChild<QLineEdit *>("lineEditPath")->text(), folder(offered));
        window.close();
    }
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QCOMPARE(settings.value("Options/addpath").toString(), folder(offered));
}

void tst_Settings::roundTrip()
{
    QList<QString> before;
    {
        GraphicConverter window;
        window.show();
        window.resize(770, 520);
        for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
            if (b->isCheckable() && b->objectName() != "checkBoxOriginal")
                b->setChecked(!b->isChecked());
        }
        for (QComboBox *c : window.findChildren<QComboBox *>())
            c->setCurrentIndex(c->count() - 1);
        for (QSpinBox *s : window.findChildren<QSpinBox *>())
            s->setValue(s->maximum() - 1);
        window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(true);
        window.findChild<QLineEdit *>("lineEditPath")->setText(dir->path());
        auto colour = window.findChild<QLabel *>("labelBackgroundColor");
        colour->setPalette(QPalette(QColor("#4080c0")));
        colour->setText("#4080c0");
        before = WindowTestSupport::optionValues(&window);
        window.close();
    }
    GraphicConverter window;
    QCOMPARE(WindowTestSupport::optionValues(&window), before);
    QCOMPARE(window.size(), QSize(770, 520));
    QVERIFY(before.contains("radioButtonResizeWidth=checked"));
}

void tst_Settings::storedValuesAreClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("written");

    QTest::newRow("quality above the range")
        << "Options/quality" << QVariant(500) << "spinBoxPDFQuality"
        << "100"
        << "100";
    QTest::newRow("quality that is no number")
        << "Options/quality" << QVariant("high") << "spinBoxPDFQuality"
        << "1"
        << "1";
    QTest::newRow("dpi zero") << "JPEG/dpi" << QVariant(0) << "spinBoxJPEGDPI"
                              << "1"
                              << "1";
    QTest::newRow("negative GIF colours")
        << "GIF/quantizecolors" << QVariant(-5) << "horizontalSliderGIFQuantizeColors"
        << "1"
        << "1";
    QTest::newRow("proportion below the range")
        << "Resize/proportion" << QVariant(-40) << "spinBoxResizeProportion"
        << "-10"
        << "-10";
    const QString cores = QString::number(qMax(1, QThread::idealThreadCount()));
    QTest::newRow("more files at once than cores")
        << "Global/jobs" << QVariant(999) << "spinBoxJobs" << cores << cores;
    QTest::newRow("format index past the list")
        << "Options/format" << QVariant(99) << "comboBoxFormat"
        << "-1"
        << "-1";
    QTest::newRow("missing folder gives the working directory")
        << "Options/path" << QVariant("/no/such/folder") << "lineEditPath"
        << "<cwd>"
        << "<cwd>";
    QTest::newRow("empty path stays empty") << "Options/path" << QVariant("") << "lineEditPath"
                                            << ""
                                            << "";
    QTest::newRow("unreadable colour")
        << "Global/backgroundcolor" << QVariant("nonsense") << "labelBackgroundColor"
        << "#000000"
        << "#000000";
    QTest::newRow("colour by name")
        << "Global/backgroundcolor" << QVariant("red") << "labelBackgroundColor"
        << "#ff0000"
        << "#ff0000";
}

void tst_Settings::storedValuesAreClamped()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, widget);
    QFETCH(QString, shown);
    QFETCH(QString, written);
    shown.replace("<cwd>", QDir::currentPath());
    written.replace("<cwd>", QDir::currentPath());

    store(key.section('/', 0, 0), key.section('/', 1), stored);
    {
        GraphicConverter window;
        const QString value = WindowTestSupport::optionValues(&window)
                                  .filter(QRegularExpression('^' + widget + '='))
                                  .value(0)
                                  .section('=', 1);
        QCOMPARE(value, shown);
        window.close();
    }
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QCOMPARE(settings.value(key).toString(), written);
}

void tst_Settings::originalDisablesThePath()
{
    store("Options", "original", true);
    store("Resize", "exact", false);
    store("Resize", "base_width", true);
    GraphicConverter window;
    QVERIFY(!window.findChild<QLineEdit *>("lineEditPath")->isEnabled());
    QVERIFY(window.findChild<QAbstractButton *>("radioButtonResizeWidth")->isChecked());
    QVERIFY(!window.findChild<QAbstractButton *>("radioButtonResizeExact")->isChecked());
}

void tst_Settings::eachQualityKeepsItsKey()
{
    store("Options", "quality", 40);
    store("JPEG", "quality", 80);
    store("Options", "format", 0);
    {
        GraphicConverter window;
        auto quality = window.findChild<QSpinBox *>("spinBoxQuality");
        QCOMPARE(quality->value(), 80);
        window.findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(4);
        QCOMPARE(quality->value(), 40);
        window.close();
    }
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QCOMPARE(settings.value("Options/quality").toInt(), 40);
    QCOMPARE(settings.value("JPEG/quality").toInt(), 80);
}

void tst_Settings::loadedResizeShowsWhatApplies()
{
    // A factor replaces the size.
    store("Resize", "enabled", true);
    store("Resize", "proportion", 2);
    GraphicConverter window;
    QVERIFY(window.findChild<QSpinBox *>("spinBoxResizeProportion")->isEnabled());
    QVERIFY(!window.findChild<QSpinBox *>("spinBoxResizeWidth")->isEnabled());
    QVERIFY(!window.findChild<QSpinBox *>("spinBoxResizeHeight")->isEnabled());
}

void tst_Settings::maximisedCloseKeepsTheGeometry()
{
    store("MainWindow", "size", QSize(770, 500));
    store("MainWindow", "pos", QPoint(12, 34));
    {
        GraphicConverter window;
        QCOMPARE(window.size(), QSize(770, 500));
        window.showMaximized();
        QVERIFY(window.isMaximized());
        window.close();
    }
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QCOMPARE(settings.value("MainWindow/size").toSize(), QSize(770, 500));
    QCOMPARE(settings.value("MainWindow/pos").toPoint(), QPoint(12, 34));
    QCOMPARE(settings.value("JPEG/quality").toInt(), 75);
}

void tst_Settings::damagedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize"); // > 0: a file of this size, mostly a hole

    QByteArray noise(4096, '\0');
    QRandomGenerator random(42);
    for (char &c : noise)
        c = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << qint64(0);
    QTest::newRow("wrong types") << QByteArray("[Options]\nquality=@Variant(\\0\\x1)\nformat=true\n"
                                               "[JPEG]\ndpi=1, 2, 3\n[Resize]\nexact=maybe\n"
                                               "[Global]\nbackgroundcolor=@Size(1 2)\n")
                                 << qint64(0);
    QTest::newRow("huge numbers") << QByteArray("[Options]\nquality=99999999999999999999\n"
                                                "[JPEG]\ndpi=2147483648\n"
                                                "[Resize]\nproportion=-99999\nwidth=1e9\n")
                                  << qint64(0);
    QTest::newRow("negative indices") << QByteArray("[Options]\nformat=-5\n[PNG]\nfilter=-1\n"
                                                    "[Resize]\nfilter=-100\n")
                                      << qint64(0);
    QTest::newRow("a gigabyte-long line") << QByteArray("[Options]\nquality=") << (qint64(1) << 30);
}

void tst_Settings::damagedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    {
        QFile file("tarvo.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        if (sparseSize > 0) {
            QVERIFY(file.seek(sparseSize - 2));
            file.write("5\n");
        }
    }
    {
        GraphicConverter window;
        for (const QSpinBox *spin : window.findChildren<QSpinBox *>()) {
            QVERIFY(spin->value() >= spin->minimum());
            QVERIFY(spin->value() <= spin->maximum());
        }
        for (const QComboBox *combo : window.findChildren<QComboBox *>())
            QVERIFY(combo->currentIndex() >= -1 && combo->currentIndex() < combo->count());
        QVERIFY(QColor(window.findChild<QLabel *>("labelBackgroundColor")->text()).isValid());
        window.close();
    }
    // What is written back is a whole, valid settings file with every key of the window.
    QSettings settings("tarvo.ini", QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    const int quality = settings.value("Options/quality").toInt();
    QVERIFY(quality >= 1 && quality <= 100);
    for (const Options::Option &option : Options::all())
        QVERIFY2(settings.contains(option.settingsKey()), qPrintable(option.settingsKey()));
    if (sparseSize > 0) {
        // The damaged file is kept aside, not lost.
        QCOMPARE(QFileInfo("tarvo.ini.damaged").size(), sparseSize);
        QVERIFY(QFileInfo("tarvo.ini").size() < 4096);
    }
}

void tst_Settings::unsavableFileIsTold_data()
{
    QTest::addColumn<QString>("make"); // what stands in the way
    QTest::addColumn<QString>("reason");

    QTest::newRow("tarvo.ini is a folder") << "folder"
                                           << "cannot be written (it is a folder)";
    QTest::newRow("a folder the user cannot write to") << "read-only folder"
                                                       << "(Permission denied)";
    QTest::newRow("a writable file: nothing to tell") << "file" << QString();
}

void tst_Settings::unsavableFileIsTold()
{
    QFETCH(QString, make);
    QFETCH(QString, reason);
    QString folder = dir->path();
    if (make == "folder") {
        QVERIFY(QDir().mkdir("tarvo.ini"));
    } else if (make == "read-only folder") {
        if (::geteuid() == 0)
            QSKIP("root writes to any folder");
        folder = dir->filePath("locked");
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir::setCurrent(folder));
    } else {
        store("Options", "quality", 80);
    }
    GraphicConverter window;
    const QString told = window.findChild<QLabel *>("labelError")->text();
    QDir::setCurrent(dir->path());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (reason.isEmpty()) {
        QCOMPARE(told, QString());
        return;
    }
    QVERIFY2(told.startsWith("The options will not be saved: "
                 + QDir::toNativeSeparators(folder + "/tarvo.ini")),
        qPrintable(told));
    QVERIFY2(told.endsWith(reason), qPrintable(told));
}

// Each row's widget in the form as designed, before any settings are loaded into it, or made
// by a fresh window for a row that names none: one of the row's kind, with the row's range
// and default.
void tst_Settings::formHasOneWidgetPerRow()
{
    QMainWindow host;
    Ui::GraphicConverter form;
    form.setupUi(&host);
    GraphicConverter window;
    for (const Options::Option &option : Options::all()) {
        const QString name = option.settingsKey();
        // The window keeps the general quality aside while the main control shows the JPEG
        // page's, fills the list of formats, and sets the range of what depends on the
        // machine.
        if (option.type == Options::Type::Folder || option.machineBound
            || name == Options::generalQuality().settingsKey()
            || name == Options::format().settingsKey())
            continue;
        const QList<QWidget *> found = option.widget
            ? host.findChildren<QWidget *>(option.widget)
            : window.findChildren<QWidget *>(QString(name).replace('/', '_'));
        QCOMPARE(name + ' ' + QString::number(found.size()), name + " 1");
        QWidget *widget = found.first();
        QString actual;
        QString expected;
        switch (option.type) {
        case Options::Type::Number:
            if (auto spin = qobject_cast<QSpinBox *>(widget))
                actual = QString("%1 in %2..%3")
                             .arg(spin->value())
                             .arg(spin->minimum())
                             .arg(spin->maximum());
            expected = QString("%1 in %2..%3")
                           .arg(option.defaultValue.toInt())
                           .arg(option.minimum)
                           .arg(option.maximum);
            break;
        case Options::Type::Choice:
            if (auto combo = qobject_cast<QComboBox *>(widget))
                actual = QString("%1 of %2").arg(combo->currentIndex()).arg(combo->count());
            expected
                = QString("%1 of %2").arg(option.defaultValue.toInt()).arg(option.choices.size());
            break;
        case Options::Type::Flag:
            if (auto button = qobject_cast<QAbstractButton *>(widget);
                button && button->isCheckable())
                actual = b(button->isChecked());
            expected = b(option.defaultValue.toBool());
            break;
        case Options::Type::Colour:
            if (auto label = qobject_cast<QLabel *>(widget))
                actual = label->text();
            expected = option.defaultValue.toString();
            break;
        case Options::Type::Text:
            if (auto lineEdit = qobject_cast<QLineEdit *>(widget))
                actual = lineEdit->text() + "|line edit";
            expected = option.defaultValue.toString() + "|line edit";
            break;
        case Options::Type::Folder:
            break;
        }
        QCOMPARE(name + '=' + actual, name + '=' + expected);
    }

    const auto range = [&](const char *name) {
        const QList<QSpinBox *> found = window.findChildren<QSpinBox *>(name);
        return found.size() != 1
            ? QString("%1 spin boxes").arg(found.size())
            : QString("%1..%2").arg(found.first()->minimum()).arg(found.first()->maximum());
    };
    const Options::Option &quality = Options::generalQuality();
    QCOMPARE(range(quality.widget), QString("%1..%2").arg(quality.minimum).arg(quality.maximum));
    QCOMPARE(range("spinBoxJobs"), QString("1..%1").arg(qMax(1, QThread::idealThreadCount())));
    QCOMPARE(window.findChild<QComboBox *>(Options::format().widget)->count(),
        Options::format().choices.size());
}

// A tarvo.ini written by the window of an earlier release: every value is read as it meant,
// and written back as it was.
void tst_Settings::earlierFileIsKept()
{
    const QString reference = QFINDTESTDATA("data/tarvo.ini");
    QVERIFY(QFile::copy(reference, "tarvo.ini"));
    QVERIFY(QFile::setPermissions("tarvo.ini", QFile::ReadOwner | QFile::WriteOwner));
    {
        GraphicConverter window;
        const ConversionSettings shown = window.currentSettings();
        QCOMPARE(shown.format, QString("png"));
        QCOMPARE(shown.jpegDensityY, 300);
        QCOMPARE(shown.backgroundColor, QString("#ff8000"));
        window.close();
    }
    // Options the earlier release did not have are added; none of its own is lost.
    QSettings before(reference, QSettings::IniFormat);
    QSettings after("tarvo.ini", QSettings::IniFormat);
    for (const QString &key : before.allKeys()) {
        if (key != "MainWindow/pos")
            QCOMPARE(
                key + '=' + after.value(key).toString(), key + '=' + before.value(key).toString());
    }
}

void tst_Settings::currentSettingsAreWhatIsSaved_data()
{
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("original");
    QTest::newRow("every option at its default") << false << false;
    QTest::newRow("every option moved, outputs into a folder") << true << false;
    QTest::newRow("every option moved, outputs beside the inputs") << true << true;
}

void tst_Settings::currentSettingsAreWhatIsSaved()
{
    QFETCH(bool, moved);
    QFETCH(bool, original);
    ConversionSettings shown;
    {
        GraphicConverter window;
        if (moved) {
            for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
                if (b->isCheckable())
                    b->setChecked(!b->isChecked());
            }
            for (QComboBox *c : window.findChildren<QComboBox *>())
                c->setCurrentIndex(c->count() - 1);
            for (QSpinBox *s : window.findChildren<QSpinBox *>())
                s->setValue(s->minimum() + 1);
            auto colour = window.findChild<QLabel *>("labelBackgroundColor");
            colour->setPalette(QPalette(QColor("#4080c0")));
            colour->setText("#4080c0");
        }
        window.findChild<QAbstractButton *>("checkBoxOriginal")->setChecked(original);
        window.findChild<QLineEdit *>("lineEditPath")->setText(dir->path());
        shown = window.currentSettings();
        window.close();
    }
    const QStringList expected = fields(shown);
    QCOMPARE(fields(SettingsFile::read("tarvo.ini")), expected);
    QVERIFY(expected.contains(original ? "path=" : "path=" + dir->path()));
    // The folder aside, a window left alone converts with the defaults.
    QStringList options = expected.filter(QRegularExpression("^(?!path=)"));
    QCOMPARE(options != fields(SettingsFile::defaults()).filter(QRegularExpression("^(?!path=)")),
        moved);
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
