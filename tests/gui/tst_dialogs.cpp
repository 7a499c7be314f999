#include <QAction>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include "aboutdialog.h"
#include "graphicconverter.h"
#include "imageinfodialog.h"
#include "imageproperties.h"
#include "resourcelimits.h"
#include "workerprocess.h"
#include "jp2coder.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <Magick++.h>

#include <cstring>

#include <sys/stat.h>

namespace {

QString text(const QDialog &dialog, const char *label)
{
    const auto widget = dialog.findChild<QLabel *>(label);
    return widget ? widget->text() : QStringLiteral("(no %1)").arg(label);
}

// As the dialog writes a size: in units for people, every byte in the tip.
QString fileSizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes);
}

bool coloursCounted(ImageInfoDialog &dialog)
{
    QSignalSpy counted(&dialog, SIGNAL(coloursCounted()));
    return counted.wait(20000);
}

QSize thumbnailSize(const QDialog &dialog)
{
    return dialog.findChild<QLabel *>("labelImage")->pixmap(Qt::ReturnByValue).size();
}

// The dialog reads on another thread and shows the result through the event loop.
bool wasRead(ImageInfoDialog &dialog)
{
    QSignalSpy read(&dialog, SIGNAL(imageRead()));
    return read.wait(20000);
}

} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void sizeAndThumbnail_data();
    void sizeAndThumbnail();
    void fileSizeColoursAndResolution();
    void coloursCountedAsTheLibraryCounts_data();
    void coloursCountedAsTheLibraryCounts();
    void thumbnailKeepsColoursAndAlpha();
    void largePictureShownInLittleMemory_data();
    void largePictureShownInLittleMemory();
    void cmykThumbnailInTrueColours();
    void answersWhileReading();
    void jpeg2000Input();
    void readAsConversionReads_data();
    void readAsConversionReads();
    void unreadableFiles_data();
    void unreadableFiles();
    void infoDialogWidthIsFixed();
    void aboutDialog();
    void aboutPictureIsWhole();
    void openedFromTheWindow();

private:
    QScopedPointer<QTemporaryDir> dir;
};

void tst_Dialogs::initTestCase()
{
    // The fixtures are made here; the dialog reads them in worker processes.
    Magick::InitializeMagick(nullptr);
    TestSupport::installMessageRecorder();
}

void tst_Dialogs::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    TestSupport::clearRecordedMessages();
}

void tst_Dialogs::sizeAndThumbnail_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QSize>("thumbnail");

    QTest::newRow("wide image is fitted to the width")
        << QSize(1000, 500) << "1000x500" << QSize(350, 175);
    QTest::newRow("small square is enlarged to the height")
        << QSize(100, 100) << "100x100" << QSize(200, 200);
    QTest::newRow("tall image is fitted to the height")
        << QSize(300, 1200) << "300x1200" << QSize(50, 200);
}

void tst_Dialogs::sizeAndThumbnail()
{
    QFETCH(QSize, size);
    QFETCH(QString, sizeText);
    QFETCH(QSize, thumbnail);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir->filePath("picture.png");
    QVERIFY(image.save(path));
    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    QCOMPARE(text(dialog, "labelSize"), sizeText);
    QCOMPARE(thumbnailSize(dialog), thumbnail);
}

void tst_Dialogs::fileSizeColoursAndResolution()
{
    // Three colours in a JPEG-free format, with a resolution stored in inches.
    Magick::Image image(Magick::Geometry(120, 90), Magick::Color("red"));
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 90; ++y)
            image.pixelColor(x, y, Magick::Color("blue"));
    image.pixelColor(100, 50, Magick::Color("lime"));
    image.resolutionUnits(MagickLib::PixelsPerInchResolution);
    image.density(Magick::Geometry(300, 150));
    image.magick("TIFF");
    const QString path = dir->filePath("three.tif");
    image.write(QFile::encodeName(path).toStdString());

    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    const qint64 bytes = QFileInfo(path).size();
    QVERIFY(bytes > 1000);
    QCOMPARE(text(dialog, "labelFilesize"), fileSizeText(bytes));
    QCOMPARE(dialog.findChild<QLabel *>("labelFilesize")->toolTip(),
        QString("%1 bytes").arg(QLocale().toString(bytes)));
    // The colours follow, counted in a second step.
    QVERIFY(coloursCounted(dialog));
    QCOMPARE(text(dialog, "labelTotalColors"), QString("3"));
    QCOMPARE(text(dialog, "labelResolution"), QString("300x150"));
    // Not shown, but the engine's answer carries it for whoever needs it.
    QCOMPARE(WorkerProcess::readProperties(path, QSize(1, 1)).resolutionUnit,
        ImageProperties::PixelsPerInch);
    QCOMPARE(text(dialog, "labelSize"), QString("120x90"));
}

void tst_Dialogs::coloursCountedAsTheLibraryCounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("map");

    QTest::newRow("8-bit photo") << "photo.jpg" << 8 << "RGB";
    QTest::newRow("16-bit samples that 8 bits would merge") << "deep.png" << 16 << "RGB";
    QTest::newRow("transparency apart") << "glass.png" << 8 << "RGBA";
    QTest::newRow("CMYK, black apart") << "print.tif" << 8 << "CMYK";
}

void tst_Dialogs::coloursCountedAsTheLibraryCounts()
{
    QFETCH(QString, name);
    QFETCH(QString, map);
    QFETCH(int, depth);
    // Every sample varies, so one count that drops a channel or bits differs from the other.
    const int width = 300, height = 200;
    QVector<quint16> samples;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < map.size(); ++c)
                samples << quint16((x * 7919 + y * 104729 + c * 15485863) % 65536 * (c + 1));
    Magick::InitializeMagick(nullptr);
    Magick::Image image;
    image.read(width, height, map.toStdString(), Magick::ShortPixel, samples.constData());
    image.depth(depth);
    const QString path = dir->filePath(name);
    image.write(QFile::encodeName(path).toStdString());

    const qint64 colours = WorkerProcess::readColours(path).colours;
    QVERIFY(colours > 1);
    QCOMPARE(colours, qint64(Magick::Image(QFile::encodeName(path).toStdString()).totalColors()));
}

void tst_Dialogs::largePictureShownInLittleMemory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("thumbnail");
    QTest::addColumn<QString>("colours");
    // Decoded at an eighth for its thumbnail, its colours counted a row at a time.
    QTest::newRow("JPEG") << "large.jpg" << QSize(6000, 4000) << QSize(300, 200) << "1";
    QTest::newRow("tall JPEG") << "tall.jpg" << QSize(4000, 6000) << QSize(133, 200) << "1";
}

// A picture whose pixels take more than the memory budget still shows, in little memory.
void tst_Dialogs::largePictureShownInLittleMemory()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QSize, thumbnail);
    QFETCH(QString, colours);
    Magick::Image image(Magick::Geometry(size.width(), size.height()), Magick::Color("orange"));
    const QString path = dir->filePath(name);
    image.write(QFile::encodeName(path).toStdString());
    ResourceLimits::setMemoryBudget(40 << 20);
    ImageInfoDialog dialog(path);
    const bool read = wasRead(dialog);
    const bool counted = coloursCounted(dialog);
    ResourceLimits::setMemoryBudget(0);
    QVERIFY(read);
    QCOMPARE(text(dialog, "labelSize"), QString("%1x%2").arg(size.width()).arg(size.height()));
    QCOMPARE(thumbnailSize(dialog), thumbnail);
    QVERIFY(counted);
    QCOMPARE(text(dialog, "labelTotalColors"), colours);
}

void tst_Dialogs::thumbnailKeepsColoursAndAlpha()
{
    QImage image(400, 200, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 10));
    for (int x = 200; x < 400; ++x)
        for (int y = 0; y < 200; ++y)
            image.setPixel(x, y, qRgba(20, 60, 220, 128));
    const QString path = dir->filePath("halves.png");
    QVERIFY(image.save(path));
    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    const QImage thumb
        = dialog.findChild<QLabel *>("labelImage")->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(thumb.size(), QSize(350, 175));
    const QRgb left = thumb.pixel(50, 80);
    QCOMPARE(QColor(left), QColor(200, 40, 10));
    const QRgb right = thumb.convertToFormat(QImage::Format_ARGB32).pixel(300, 80);
    // The pixmap keeps half-transparent pixels premultiplied: a step of rounding either way.
    QVERIFY(qAbs(qRed(right) - 20) <= 1);
    QVERIFY(qAbs(qGreen(right) - 60) <= 1);
    QVERIFY(qAbs(qBlue(right) - 220) <= 1);
    QCOMPARE(qAlpha(right), 128);
}

void tst_Dialogs::cmykThumbnailInTrueColours()
{
    // Red ink on white paper, as a printer's JPEG stores it (inverted, with Adobe's marker).
    Magick::InitializeMagick(nullptr);
    Magick::Image image(Magick::Geometry(120, 60), Magick::Color("white"));
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 60; ++y)
            image.pixelColor(x, y, Magick::Color("red"));
    image.colorSpace(MagickLib::CMYKColorspace);
    image.quality(95);
    const QString path = dir->filePath("print.jpg");
    image.write(QFile::encodeName(path).toStdString());

    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    const QImage thumb
        = dialog.findChild<QLabel *>("labelImage")->pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(thumb.size(), QSize(350, 175));
    const auto near = [](QRgb seen, QRgb meant) {
        return qAbs(qRed(seen) - qRed(meant)) < 8 && qAbs(qGreen(seen) - qGreen(meant)) < 8
            && qAbs(qBlue(seen) - qBlue(meant)) < 8 && qAlpha(seen) == 255;
    };
    QVERIFY2(
        near(thumb.pixel(80, 90), qRgb(255, 0, 0)), qPrintable(QColor(thumb.pixel(80, 90)).name()));
    QVERIFY2(near(thumb.pixel(270, 90), qRgb(255, 255, 255)),
        qPrintable(QColor(thumb.pixel(270, 90)).name()));
}

void tst_Dialogs::answersWhileReading()
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&png, "PNG"));
    // A named pipe holds the read until the test writes into it.
    const QString path = dir->filePath("slow.png");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    {
        ImageInfoDialog dialog(path);
        dialog.show();
        QCoreApplication::processEvents();
        QCOMPARE(text(dialog, "labelImage"), QString("Reading…"));
        QCOMPARE(text(dialog, "labelFilesize"), fileSizeText(QFileInfo(path).size()));
        QCOMPARE(text(dialog, "labelFileName"), QString("slow.png"));
        QCOMPARE(text(dialog, "labelSize"), QString());
        dialog.reject();
    }
    // Only now may the read go on: had closing waited for it, it would never have ended.
    QFile pipe(path);
    QVERIFY(pipe.open(QIODevice::WriteOnly));
    pipe.write(png.data());
    pipe.close();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(TestSupport::recordedMessages().filter("Error: ").size(), 0);
}

void tst_Dialogs::jpeg2000Input()
{
    Magick::InitializeMagick(nullptr);
    const Magick::Image source(Magick::Geometry(64, 32), Magick::Color("orange"));
    const QString path = dir->filePath("photo.jp2");
    QVERIFY(TestSupport::writeFile(path, Jp2Coder::encode(source)));
    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    QCOMPARE(text(dialog, "labelSize"), QString("64x32"));
    QCOMPARE(thumbnailSize(dialog), QSize(350, 175));
    QCOMPARE(TestSupport::recordedMessages().filter("Error: ").size(), 0);
}

void tst_Dialogs::readAsConversionReads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QSize>("thumbnail");

    Magick::InitializeMagick(nullptr);
    Magick::Image photo(Magick::Geometry(40, 30), Magick::Color("white"));
    const std::string exif = TestSupport::exifWithOrientation(6);
    photo.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
    photo.magick("JPEG");
    Magick::Blob jpeg;
    photo.write(&jpeg);
    QTest::newRow("camera photo taken upright is shown upright")
        << "phone.jpg" << QByteArray(static_cast<const char *>(jpeg.data()), int(jpeg.length()))
        << "30x40" << QSize(150, 200);
    QTest::newRow("Photoshop file through Qt's plug-in")
        << "layers.psd"
        << TestSupport::photoshopFile(60, 40, 3, 8, QVector<quint16>(60 * 40 * 3, 90)) << "60x40"
        << QSize(300, 200);
}

void tst_Dialogs::readAsConversionReads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, sizeText);
    QFETCH(QSize, thumbnail);
    const QString path = dir->filePath(name);
    QVERIFY(TestSupport::writeFile(path, content));
    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    QCOMPARE(text(dialog, "labelSize"), sizeText);
    QCOMPARE(thumbnailSize(dialog), thumbnail);
    QCOMPARE(TestSupport::recordedMessages().filter("Error: ").size(), 0);
}

void tst_Dialogs::unreadableFiles_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("logged");

    QTest::newRow("vanished path: nothing logged")
        << false << QByteArray() << "There is no file at this path any more." << false;
    QTest::newRow("empty file") << true << QByteArray()
                                << "Cannot show this picture: the file is empty." << true;
    QTest::newRow("text named like a picture")
        << true << QByteArray("dear diary\n")
        << "Cannot show this picture: not a picture this program can read" << true;
    QTest::newRow("header claiming more pixels than memory holds")
        << true << TestSupport::oversizedPng(25200, 33300) << "Cannot show this picture: " << true;
    // Read in a worker: what the file does to its decoder stays there.
    QTest::newRow("PostScript named like a picture")
        << true << QByteArray("%!PS\n(/etc/hostname) (r) file pop showpage\n")
        << "Cannot show this picture: this is a PostScript document, not a picture" << true;
    QTest::newRow("a file that crashes its decoder")
        << true << TestSupport::crashingHdr() << "Cannot show this picture: the decoder " << true;
}

void tst_Dialogs::unreadableFiles()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QFETCH(bool, logged);
    const QString path = dir->filePath("photo.jpg");
    if (exists)
        QVERIFY(TestSupport::writeFile(path, content));
    ImageInfoDialog dialog(path);
    QVERIFY(wasRead(dialog));
    for (const char *label : { "labelSize", "labelResolution", "labelTotalColors" })
        QCOMPARE(text(dialog, label), QString());
    QVERIFY(thumbnailSize(dialog).isEmpty());
    QCOMPARE(text(dialog, "labelFileName"), QString("photo.jpg"));
    QCOMPARE(text(dialog, "labelFilesize"), exists ? fileSizeText(content.size()) : QString());
    // The library's words, without its source location.
    QVERIFY2(text(dialog, "labelImage").startsWith(reason), qPrintable(text(dialog, "labelImage")));
    QVERIFY(!text(dialog, "labelImage").contains(".c:"));
    QCOMPARE(TestSupport::recordedMessages().filter(QRegularExpression("^Error: .+")).size(),
        logged ? 1 : 0);
}

void tst_Dialogs::infoDialogWidthIsFixed()
{
    ImageInfoDialog dialog(dir->filePath("none.png"));
    QCOMPARE(dialog.windowTitle(), QString("Image Properties"));
    QCOMPARE(dialog.minimumWidth(), 400);
    QCOMPARE(dialog.maximumWidth(), 400);
    QVERIFY(dialog.maximumHeight() > 1000);
    QCOMPARE(dialog.findChild<QLabel *>("label_4")->text(), QString("Total Colors"));
    QCOMPARE(
        dialog.findChild<QDialogButtonBox *>("buttonBox")->standardButtons(), QDialogButtonBox::Ok);
    QCOMPARE(dialog.cursor().hotSpot(), QPoint(0, 0));
}

void tst_Dialogs::aboutDialog()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("About"));
    // Fixed at the size of its contents, whatever the fonts.
    dialog.layout()->activate();
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.size(), dialog.minimumSize());
    auto greeting = dialog.findChild<QLabel *>("label_2");
    QCOMPARE(greeting->text(), QString("Hi,\n\nI'm Ilvane.\n\nI'm your image converter :)"));
    QVERIFY(greeting->font().italic());
    QVERIFY(greeting->wordWrap());
    QCOMPARE(
        dialog.findChild<QLabel *>("label")->pixmap(Qt::ReturnByValue).size(), QSize(180, 135));
    QCOMPARE(dialog.cursor().hotSpot(), QPoint(0, 0));
}

void tst_Dialogs::aboutPictureIsWhole()
{
    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto picture = dialog.findChild<QLabel *>("label");
    const QSize shown = picture->contentsRect().size();
    const QSize size = picture->pixmap(Qt::ReturnByValue).size();
    QVERIFY2(shown.width() >= size.width() && shown.height() >= size.height(),
        qPrintable(QString("the picture is %1x%2, its label %3x%4")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(shown.width())
                       .arg(shown.height())));
}

void tst_Dialogs::openedFromTheWindow()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    const QString path = dir->filePath("listed.png");
    QVERIFY(image.save(path));
    {
        GraphicConverter window;
        auto list = window.findChild<QListWidget *>("listWidget");
        list->addItem(QDir::toNativeSeparators(path));
        QString seen;
        WindowTestSupport::whenModalOpens([&](QWidget *dialog) {
            QVERIFY(qobject_cast<ImageInfoDialog *>(dialog));
            QVERIFY(wasRead(*static_cast<ImageInfoDialog *>(dialog)));
            seen = dialog->findChild<QLabel *>("labelSize")->text();
            static_cast<QDialog *>(dialog)->accept();
        });
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(seen, QString("640x480"));

        bool about = false;
        WindowTestSupport::whenModalOpens([&](QWidget *dialog) {
            about = qobject_cast<AboutDialog *>(dialog) != nullptr;
            static_cast<QDialog *>(dialog)->reject();
        });
        window.findChild<QAction *>("actionAbout")->trigger();
        QVERIFY(about);
    }
    QDir::setCurrent(previous);
    QCOMPARE(TestSupport::connectionWarnings(), QStringList());
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
