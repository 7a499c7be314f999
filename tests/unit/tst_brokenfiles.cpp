#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <Magick++.h>

#include "conversionsettings.h"
#include "imagedecoder.h"
#include "imagepipeline.h"
#include "inputformats.h"
#include "jp2coder.h"
#include "resourcelimits.h"
#include "settingsfile.h"
#include "testsupport.h"

using ImagePipeline::FileResult;

namespace {

// A natural-looking picture: smooth gradients with some texture, so every encoder works.
Magick::Image picture()
{
    const int width = 120;
    const int height = 90;
    QVector<unsigned char> pixels(width * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char *p = pixels.data() + (y * width + x) * 4;
            p[0] = static_cast<unsigned char>(x * 2);
            p[1] = static_cast<unsigned char>(y * 2 + (x * y) % 17);
            p[2] = static_cast<unsigned char>((x ^ y) & 0xff);
            p[3] = static_cast<unsigned char>(x < 20 ? 0 : 255);
        }
    }
    Magick::Image image;
    image.read(width, height, "RGBA", MagickLib::CharPixel, pixels.constData());
    return image;
}

QByteArray encoded(const QString &format, bool progressive = false)
{
    Magick::Image image = picture();
    if (progressive)
        image.interlaceType(MagickLib::LineInterlace);
    if (format == "JP2")
        return Jp2Coder::encode(image);
    if (format == "PSD") {
        QVector<quint16> samples;
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < 64 * 48; ++i)
                samples.append(quint16((i * (c + 3)) % 256));
        return TestSupport::photoshopFile(64, 48, 3, 8, samples);
    }
    if (format == "JXL")
        image.matte(false); // the library's writer fails on alpha
    image.magick(format.toStdString());
    Magick::Blob blob;
    image.write(&blob);
    return QByteArray(static_cast<const char *>(blob.data()), int(blob.length()));
}

} // namespace

// Damaged inputs of every kind the converter is offered: each must end in a clear error or a
// complete conversion, never in a crash, a hang or a partial output.
class tst_BrokenFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void knownByContent_data();
    void knownByContent();
    void damaged_data();
    void damaged();
};

void tst_BrokenFiles::initTestCase()
{
    TestSupport::installMessageRecorder();
    Magick::InitializeMagick(nullptr);
    // What is refused as too large must not depend on the memory of the machine.
    ResourceLimits::setMemoryBudget(quint64(1) << 30);
    ResourceLimits::apply();
}

void tst_BrokenFiles::knownByContent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("format"); // as InputFormats names it

    // Written by the library in each format it can write that the converter reads.
    const QVector<QPair<const char *, const char *>> written
        = { { "JPEG", "JPEG" }, { "PNG", "PNG" }, { "GIF", "GIF" }, { "BMP", "BMP" },
              { "TIFF", "TIFF" }, { "WEBP", "WebP" }, { "JXL", "JPEG XL" }, { "PPM", "PNM" },
              { "PAM", "PNM" }, { "PCX", "PCX" }, { "SGI", "SGI" }, { "SUN", "Sun raster" },
              { "XPM", "XPM" }, { "XBM", "XBM" }, { "DPX", "DPX" }, { "FITS", "FITS" },
              { "TGA", "Targa" }, { "JP2", "JPEG 2000" }, { "PSD", "PSD" } };
    for (const auto &format : written)
        QTest::addRow("%s", format.first) << encoded(format.first) << QString(format.second);
    // And by Qt's plug-ins, for what the library cannot write.
    for (const char *format : { "ico", "avif", "heif" }) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(QColor(10, 200, 30, 128));
        if (!QImageWriter(&buffer, format).write(image))
            continue; // a plug-in this machine lacks
        QTest::addRow("%s written by Qt", format)
            << buffer.data()
            << QString(qstrcmp(format, "ico") == 0 ? "Windows icon" : QString(format).toUpper());
    }
}

void tst_BrokenFiles::knownByContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, format);

    const InputFormats::Verdict verdict
        = InputFormats::identify(bytes.left(InputFormats::headBytes));
    QVERIFY2(verdict.format, qPrintable(verdict.refusal));
    QCOMPARE(QString(verdict.format->name), format);
    // The reader named for it reads it.
    const Magick::Blob blob(bytes.constData(), size_t(bytes.size()));
    QString error;
    try {
        const Magick::Image image = ImageDecoder::decode(blob);
        QVERIFY(image.columns() > 0 && image.rows() > 0);
    } catch (Magick::Exception &e) {
        QFAIL(e.what());
    }
}

enum Outcome { MustFail, MustConvert, FailOrComplete };
Q_DECLARE_METATYPE(Outcome)

static FileResult convert(const QString &input, const QString &output)
{
    ConversionSettings settings = SettingsFile::defaults();
    settings.format = "png";
    return ImagePipeline::convertFile(input, settings, [&](const QString &) { return output; });
}

static QByteArray pixelsOf(const QString &path)
{
    Magick::Image image(QFile::encodeName(path).toStdString());
    Magick::Blob blob;
    image.magick("RGBA");
    image.write(&blob);
    return QByteArray(static_cast<const char *>(blob.data()), int(blob.length()));
}

void tst_BrokenFiles::damaged_data()
{
    QTest::addColumn<QByteArray>("whole");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("says"); // what a failure's reason tells, when that matters

    for (const char *format : { "JPEG", "PNG", "GIF", "TIFF", "JP2", "PSD", "BMP", "TGA" }) {
        const QByteArray whole = encoded(format);
        QTest::addRow("%s whole", format)
            << whole << whole << "image.img" << MustConvert << QString();
        for (int percent : { 5, 30, 60, 90 }) {
            // The library has no reader for PSD; the plug-in that read it says why it cannot.
            const QString says = qstrcmp(format, "PSD") == 0
                ? "cannot read this PSD: "
                : (qstrcmp(format, "PNG") == 0 ? "damaged PNG: the data ends" : "");
            QTest::addRow("%s cut at %d%%", format, percent)
                << whole << whole.left(whole.size() * percent / 100) << "image.img" << MustFail
                << says;
        }
        // The last byte may belong to a trailer the pixels do not need.
        QTest::addRow("%s without its last byte", format)
            << whole << whole.left(whole.size() - 1) << "image.img" << FailOrComplete << QString();
    }
    const QByteArray png = encoded("PNG");
    QTest::newRow("zero-length file")
        << QByteArray() << QByteArray() << "empty.jpg" << MustFail << "the file is empty";
    QTest::newRow("PNG named .jpg") << png << png << "photo.jpg" << MustConvert << QString();
    QTest::newRow("text named .jpg") << QByteArray() << QByteArray("not a picture at all\n")
                                     << "photo.jpg" << MustFail << "not a picture";
    // Documents a library would hand to an interpreter, under picture names.
    QTest::newRow("PostScript named .jpg")
        << QByteArray()
        << QByteArray("%!PS\n/Helvetica findfont 20 scalefont setfont (hi) show showpage\n")
        << "photo.jpg" << MustFail << "this is a PostScript document, not a picture";
    QTest::newRow("PDF named .png") << QByteArray() << QByteArray("%PDF-1.4\n%%EOF\n") << "scan.png"
                                    << MustFail << "this is a PDF document, not a picture";
    QTest::newRow("SVG named .gif")
        << QByteArray()
        << QByteArray("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "width=\"9\" height=\"9\"><rect width=\"9\" height=\"9\"/></svg>\n")
        << "logo.gif" << MustFail << "this is an SVG drawing, not a picture";
    QTest::newRow("PNG header claiming 25200x33300")
        << QByteArray() << TestSupport::oversizedPng(25200, 33300) << "huge.png" << MustFail
        << QString();
    QTest::newRow("PNG header claiming 60000x60000")
        << QByteArray() << TestSupport::oversizedPng(60000, 60000) << "huge.png" << MustFail
        << QString();
    // Found by fuzzing: a grey Targa header claiming 65280x14912 over 19 bytes, which the
    // library rejects and Qt's plug-in decoded in full (gigabytes) before it was found short.
    QTest::newRow("Targa header claiming 65280x14912 over 19 bytes")
        << QByteArray()
        << QByteArray("\xdc\0\x03\x03\0\0\x04\0\xff\xd8\0\x02\0\xff\x40\x3a\x10\x4a\x46", 19)
        << "tiny.tga" << MustFail << QString();

    // JPEG readers fill in what the data does not reach with grey, and only warn.
    for (bool progressive : { false, true }) {
        const char *kind = progressive ? "progressive JPEG" : "JPEG";
        const QByteArray jpeg = encoded("JPEG", progressive);
        QTest::addRow("%s whose header claims 4000x3000", kind)
            << jpeg << TestSupport::jpegClaiming(jpeg, 4000, 3000) << "photo.jpg" << MustFail
            << "damaged JPEG";
        // A restart marker where none belongs: the data of what follows is lost. (Flipped bits
        // that still decode are damage no reader can see.)
        QTest::addRow("%s with corrupt picture data", kind)
            << jpeg << QByteArray(jpeg).replace(jpeg.size() / 2, 2, "\xff\xd3") << "photo.jpg"
            << MustFail << "damaged JPEG";
        // A few stray bytes between two segments: the picture is whole.
        const int marker = jpeg.indexOf("\xff\xda", jpeg.indexOf("\xff\xda") + 2);
        const int at = marker > 0 ? marker : jpeg.lastIndexOf("\xff\xd9");
        QTest::addRow("%s with stray bytes before a marker", kind)
            << jpeg << QByteArray(jpeg).insert(at, "\x01\x02\x03", 3) << "photo.jpg" << MustConvert
            << QString();
    }
}

void tst_BrokenFiles::damaged()
{
    QFETCH(QByteArray, whole);
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(Outcome, outcome);
    QFETCH(QString, says);

    // The fuzzers start from these files: scripts/fuzz.sh asks for them here.
    const QString corpus = qEnvironmentVariable("TARVO_CORPUS_DIR");
    if (!corpus.isEmpty()) {
        const QString tag
            = QString(QTest::currentDataTag()).replace(QRegularExpression("\\W+"), "_");
        QVERIFY(TestSupport::writeFile(corpus + '/' + tag, content));
    }

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString input = dir.filePath(name);
    QVERIFY(TestSupport::writeFile(input, content));
    const QString output = dir.filePath("out.png");
    TestSupport::clearRecordedMessages();
    const FileResult result = convert(input, output);
    // What the readers had to say is in the result, not printed on its own.
    QVERIFY2(TestSupport::recordedMessages().isEmpty(),
        qPrintable(TestSupport::recordedMessages().join('\n')));

    if (result.status == FileResult::Converted) {
        QVERIFY2(outcome != MustFail, "a damaged input was converted");
        // Whatever converts must be the whole picture, exactly as the undamaged file gives it.
        const QString reference = dir.filePath("whole.img");
        QVERIFY(TestSupport::writeFile(reference, whole));
        QCOMPARE(int(convert(reference, dir.filePath("reference.png")).status),
            int(FileResult::Converted));
        QVERIFY2(pixelsOf(output) == pixelsOf(dir.filePath("reference.png")),
            "the output differs from the undamaged file's");
        return;
    }
    QVERIFY2(outcome != MustConvert, qPrintable(result.error()));
    QVERIFY(result.status == FileResult::Failed || result.status == FileResult::Unreadable);
    // A reason a person can read: the file's name first, none of the library's decoration.
    QVERIFY2(result.error().startsWith(QDir::toNativeSeparators(input) + ": "),
        qPrintable(result.error()));
    QVERIFY2(!result.error().contains("reported by") && !result.error().contains("Magick: "),
        qPrintable(result.error()));
    QVERIFY2(result.error().contains(says), qPrintable(result.error()));
    QVERIFY2(!QFileInfo::exists(output), "a damaged input left an output");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { name });
}

QTEST_GUILESS_MAIN(tst_BrokenFiles)
#include "tst_brokenfiles.moc"
