#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <list>

#include <Magick++.h>

#include <lcms2.h>

#include "imagepipeline.h"
#include "avifcoder.h"
#include "jp2coder.h"
#include "magickpixels.h"
#include "options.h"
#include "resourcelimits.h"
#include "settingsfile.h"
#include "testsupport.h"
#include "webpcoder.h"

#include <cmath>
#include <limits>
#include <thread>

using namespace MagickLib;
using ImagePipeline::FileResult;
using SettingsFile::defaults;

namespace {

// Smooth colours with a few hard edges: enough detail for every encoder to have work.
Magick::Image pattern(unsigned width, unsigned height, bool alpha = false)
{
    const int channels = alpha ? 4 : 3;
    QVector<unsigned char> pixels(int(width * height) * channels);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            unsigned char *p = pixels.data() + (y * width + x) * channels;
            p[0] = static_cast<unsigned char>(x * 255 / qMax(width - 1, 1u));
            p[1] = static_cast<unsigned char>(y * 255 / qMax(height - 1, 1u));
            p[2] = static_cast<unsigned char>(((x / 8 + y / 8) % 2) * 200);
            if (alpha)
                p[3] = static_cast<unsigned char>(x < width / 4 ? 0 : (x < width / 2 ? 128 : 255));
        }
    }
    Magick::Image image;
    image.read(width, height, alpha ? "RGBA" : "RGB", CharPixel, pixels.constData());
    return image;
}

void save(Magick::Image image, const QString &path, const char *magick)
{
    image.magick(magick);
    image.write(QFile::encodeName(path).toStdString());
}

Magick::Image load(const QString &path)
{
    const QByteArray bytes = TestSupport::readFile(path);
    if (Jp2Coder::isJpeg2000(bytes))
        return Jp2Coder::decode(bytes);
    Magick::Image image(Magick::Blob(bytes.constData(), size_t(bytes.size())));
    // Magick++ answers pixel colours of a palette image from the palette, without alpha.
    image.classType(DirectClass);
    return image;
}

// 8-bit channel values of one pixel, alpha 255 = opaque.
QVector<int> rgba(const Magick::Image &image, int x, int y)
{
    const Magick::Color c = const_cast<Magick::Image &>(image).pixelColor(x, y);
    const auto to8 = [](Quantum q) { return int(q) * 255 / int(MaxRGB); };
    return { to8(c.redQuantum()), to8(c.greenQuantum()), to8(c.blueQuantum()),
        255 - to8(c.alphaQuantum()) };
}

bool jpegIsProgressive(const QByteArray &bytes)
{
    return bytes.contains("\xff\xc2");
}

// Interlace method byte of the IHDR chunk.
bool pngIsInterlaced(const QByteArray &bytes)
{
    return bytes.size() > 28 && bytes.at(28) == 1;
}

// Flags of the first image descriptor; the test images carry no extension blocks before it
// other than the graphic control extension and the application/comment blocks skipped here.
bool gifIsInterlaced(const QByteArray &bytes)
{
    int pos = 13;
    const quint8 flags = quint8(bytes.at(10));
    if (flags & 0x80)
        pos += 3 * (1 << ((flags & 7) + 1));
    while (pos < bytes.size() && bytes.at(pos) == '!') {
        pos += 2;
        while (pos < bytes.size() && bytes.at(pos) != 0)
            pos += quint8(bytes.at(pos)) + 1;
        ++pos;
    }
    return pos + 9 < bytes.size() && bytes.at(pos) == ',' && (quint8(bytes.at(pos + 9)) & 0x40);
}

using TestSupport::exifWithOrientation;

// The first value of a tag of the first directory of a little-endian TIFF; -1 without it.
int tiffTag(const QByteArray &bytes, quint16 tag)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 directory = qFromLittleEndian<quint32>(data + 4);
    const quint16 entries = qFromLittleEndian<quint16>(data + directory);
    for (quint16 i = 0; i < entries; ++i) {
        const uchar *entry = data + directory + 2 + 12 * i;
        if (qFromLittleEndian<quint16>(entry) == tag)
            return qFromLittleEndian<quint16>(entry + 8);
    }
    return -1;
}

// Peak signal-to-noise ratio of two images of the same size over their 8-bit red, green and
// blue values; infinite when they are the same.
double psnr(Magick::Image a, Magick::Image b)
{
    const int columns = int(a.columns());
    const int rows = int(a.rows());
    QVector<unsigned char> pa(columns * rows * 3);
    QVector<unsigned char> pb(pa.size());
    a.write(0, 0, unsigned(columns), unsigned(rows), "RGB", CharPixel, pa.data());
    b.write(0, 0, unsigned(columns), unsigned(rows), "RGB", CharPixel, pb.data());
    double sum = 0;
    for (int i = 0; i < pa.size(); ++i)
        sum += double(pa[i] - pb[i]) * double(pa[i] - pb[i]);
    if (sum == 0)
        return std::numeric_limits<double>::infinity();
    return 10 * std::log10(255.0 * 255.0 * pa.size() / sum);
}

// Photo-like waves in every channel; with alpha, an opacity that fades across the picture.
Magick::Image waves(unsigned width, unsigned height, bool alpha = false)
{
    const unsigned channels = alpha ? 4 : 3;
    QVector<unsigned char> pixels(int(width * height * channels));
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            for (unsigned c = 0; c < 3; ++c) {
                const double value = 128 + 50 * std::sin(x / (17.0 + 9 * c)) * std::cos(y / 23.0)
                    + 25 * std::sin((x + 2 * y) / (9.0 + c)) + 10 * std::cos((3 * x - y) / 13.0);
                pixels[int((y * width + x) * channels + c)] = static_cast<unsigned char>(value);
            }
            if (alpha)
                pixels[int((y * width + x) * channels + 3)]
                    = static_cast<unsigned char>(x * 255 / qMax(width - 1, 1u));
        }
    }
    Magick::Image image;
    image.read(width, height, alpha ? "RGBA" : "RGB", CharPixel, pixels.constData());
    return image;
}

// A photo-like JPEG: waves from a few pixels long to a hundred in every channel, so that the
// decode scale has detail to lose, but no hard pattern that a resize turns into moire.
void savePhoto(const QString &path, unsigned width, unsigned height, int orientation = 1)
{
    Magick::Image photo = waves(width, height);
    if (orientation != 1) {
        const std::string exif = exifWithOrientation(static_cast<unsigned char>(orientation));
        photo.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
    }
    photo.quality(90);
    save(photo, path, "JPEG");
}

} // namespace

class tst_Pipeline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void mappingTables_data();
    void mappingTables();
    void resizeGeometry_data();
    void resizeGeometry();
    void negativeProportionDividesExactly();
    void decodeScale_data();
    void decodeScale();

    void eachInputFormatIsRead_data();
    void eachInputFormatIsRead();
    void eachFormatIsWritten_data();
    void eachFormatIsWritten();
    void resizedSize_data();
    void resizedSize();
    void jpegDecodedAtScale_data();
    void jpegDecodedAtScale();
    void damagedJpegFailsAlikeAtScale_data();
    void damagedJpegFailsAlikeAtScale();
    void jpegSettings();
    void jpegHuffmanDefineIsAlwaysWritten();
    void pngSettings();
    void pngLevelAndFilter_data();
    void pngLevelAndFilter();
    void gifColourReduction_data();
    void gifColourReduction();
    void flattening_data();
    void flattening();
    void stripRemovesProfilesAndComments_data();
    void stripRemovesProfilesAndComments();
    void rotatedPhotoComesOutUpright_data();
    void rotatedPhotoComesOutUpright();
    void jpeg2000RoundTrip_data();
    void jpeg2000RoundTrip();
    void jpeg2000ProfileFollowsStrip_data();
    void jpeg2000ProfileFollowsStrip();
    void photoshopInputThroughQt();
    void greyTargaWithAlpha();
    void failures_data();
    void failures();
    void warningsDoNotFail_data();
    void warningsDoNotFail();
    void writersKeepWhatTheyPromise_data();
    void writersKeepWhatTheyPromise();
    void metadataAsAsked_data();
    void metadataAsAsked();
    void exifTravelsWhenKept_data();
    void exifTravelsWhenKept();
    void jpegIntoLosslessJxl_data();
    void jpegIntoLosslessJxl();
    void framesBeyondTheBudget();
    void framesAndPages_data();
    void framesAndPages();
    void bmpWithoutAlphaStaysOpaque_data();
    void bmpWithoutAlphaStaysOpaque();
    void jpegDensityIsPerInch_data();
    void jpegDensityIsPerInch();
    void memoryPolicy_data();
    void memoryPolicy();
    void conversionWaitsForMemoryHeldByAnother();
    void unwritableOutputKeepsNoPartialFile();

private:
    FileResult convert(
        const QString &input, const ConversionSettings &settings, const QString &output);
    QTemporaryDir *dir = nullptr;
    QScopedPointer<QTemporaryDir> dirHolder;
};

void tst_Pipeline::initTestCase()
{
    Magick::InitializeMagick(nullptr);
    // What converts must not depend on the memory of the machine running the tests.
    ResourceLimits::setMemoryBudget(quint64(1) << 30);
    ResourceLimits::apply();
}

void tst_Pipeline::init()
{
    dirHolder.reset(new QTemporaryDir);
    dir = dirHolder.data();
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
}

FileResult tst_Pipeline::convert(
    const QString &input, const ConversionSettings &settings, const QString &output)
{
    return ImagePipeline::convertFile(input, settings, [&](const QString &) { return output; });
}

void tst_Pipeline::mappingTables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");

    QTest::newRow("filter Point is the first") << "filter" << 0 << 1;
    QTest::newRow("filter Lanczos") << "filter" << 12 << 13;
    QTest::newRow("filter Sinc is the last") << "filter" << 14 << 15;
    QTest::newRow("filter past the end is skipped") << "filter" << 15 << -1;
    QTest::newRow("filter -1 is skipped") << "filter" << -1 << -1;
    QTest::newRow("GIF YUV first") << "GIF/quantizecolorspace" << 0 << 9;
    QTest::newRow("GIF GRAY is plain grey") << "GIF/quantizecolorspace" << 2 << 2;
    QTest::newRow("GIF YCbCr is Rec601") << "GIF/quantizecolorspace" << 8 << 17;
    QTest::newRow("GIF Cineon last") << "GIF/quantizecolorspace" << 14 << 15;
    QTest::newRow("GIF past the end") << "GIF/quantizecolorspace" << 15 << -1;
    QTest::newRow("JPEG TrueColor optimises") << "JPEG/type" << 0 << 10;
    QTest::newRow("JPEG Monochrome is bilevel") << "JPEG/type" << 2 << 1;
    QTest::newRow("JPEG type 3 is skipped") << "JPEG/type" << 3 << -1;
    QTest::newRow("JPEG YCbCr") << "JPEG/colorspace" << 0 << 17;
    QTest::newRow("JPEG GRAY is luma") << "JPEG/colorspace" << 2 << 16;
    QTest::newRow("JPEG CMYK") << "JPEG/colorspace" << 3 << 10;
    QTest::newRow("JPEG lossless compression") << "JPEG/compression" << 1 << 6;
    QTest::newRow("JPEG compression -1 skipped") << "JPEG/compression" << -1 << -1;
    QTest::newRow("PNG TrueColor sets no type") << "PNG/type" << 0 << -1;
    QTest::newRow("PNG Grayscale") << "PNG/type" << 1 << 2;
    QTest::newRow("PNG Monochrome") << "PNG/type" << 2 << 1;
    QTest::newRow("PNG RGB first") << "PNG/colorspace" << 0 << 1;
    QTest::newRow("PNG GRAY is luma") << "PNG/colorspace" << 1 << 16;
    QTest::newRow("PNG YUV") << "PNG/colorspace" << 6 << 9;
    QTest::newRow("PNG Cineon last") << "PNG/colorspace" << 14 << 15;
    QTest::newRow("PNG past the end") << "PNG/colorspace" << 15 << -1;
}

void tst_Pipeline::mappingTables()
{
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(int, value);
    if (table == QLatin1String("filter")) {
        QCOMPARE(ImagePipeline::resizeFilterValue(index), value);
        return;
    }
    const QStringList key = table.split(QLatin1Char('/'));
    const Options::Option *option = Options::find(qPrintable(key[0]), qPrintable(key[1]));
    QVERIFY(option);
    QCOMPARE(option->libraryValue(index), value);
}

void tst_Pipeline::resizeGeometry_data()
{
    QTest::addColumn<int>("proportion");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("aspect");

    QTest::newRow("factor 2 doubles") << 2 << true << false << 2000 << 1200 << true << false;
    QTest::newRow("factor -3 divides, truncating")
        << -3 << true << false << 333 << 200 << true << false;
    QTest::newRow("factor -10") << -10 << false << false << 100 << 60 << true << false;
    QTest::newRow("exact box") << 0 << true << false << 640 << 480 << true << true;
    QTest::newRow("exact wins over fit") << 0 << true << true << 640 << 480 << true << true;
    QTest::newRow("fit into box keeps proportions")
        << 0 << false << true << 640 << 480 << true << false;
    QTest::newRow("neither: no geometry") << 0 << false << false << 0 << 0 << false << false;
}

void tst_Pipeline::resizeGeometry()
{
    QFETCH(int, proportion);
    QFETCH(bool, exact);
    QFETCH(bool, fit);
    ConversionSettings s = defaults();
    s.resizeProportion = proportion;
    s.resizeExact = exact;
    s.resizeBaseWidth = fit;
    const ImagePipeline::ResizeGeometry g = ImagePipeline::resizeGeometry(1000, 600, s);
    QTEST(int(g.width), "width");
    QTEST(int(g.height), "height");
    QTEST(g.valid, "valid");
    QTEST(g.aspect, "aspect");
}

void tst_Pipeline::negativeProportionDividesExactly()
{
    // The single-precision factor must give the integer quotient for every side a photo has;
    // a factor computed in double precision loses a pixel on sides that divide evenly.
    ConversionSettings s = defaults();
    for (int p = -10; p <= -1; ++p) {
        s.resizeProportion = p;
        for (unsigned side = 1; side <= 20000; ++side) {
            const ImagePipeline::ResizeGeometry g = ImagePipeline::resizeGeometry(side, side, s);
            if (g.width != side / unsigned(-p))
                QFAIL(qPrintable(
                    QString("side %1 with factor %2 gave %3").arg(side).arg(p).arg(g.width)));
        }
    }
}

void tst_Pipeline::decodeScale_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<int>("scale");

    QTest::newRow("a third of the size: full decode") << QSize(3000, 2000) << QSize(1000, 666) << 1;
    QTest::newRow("a quarter: half") << QSize(4000, 3000) << QSize(1000, 750) << 2;
    QTest::newRow("one side above a quarter: full decode")
        << QSize(4000, 3000) << QSize(1000, 751) << 1;
    QTest::newRow("5120x2880 to 640x360: quarter") << QSize(5120, 2880) << QSize(640, 360) << 4;
    QTest::newRow("a sixteenth: still a quarter") << QSize(5120, 2880) << QSize(320, 180) << 4;
    QTest::newRow("far smaller: still a quarter") << QSize(5120, 2880) << QSize(16, 9) << 4;
    QTest::newRow("stretched flat: the tall side decides")
        << QSize(4000, 3000) << QSize(100, 1000) << 1;
    QTest::newRow("enlarged: full decode") << QSize(1000, 600) << QSize(2000, 1200) << 1;
    QTest::newRow("empty target: full decode") << QSize(1000, 600) << QSize(0, 0) << 1;
}

void tst_Pipeline::decodeScale()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, target);
    QTEST(int(ImagePipeline::decodeScale(unsigned(picture.width()), unsigned(picture.height()),
              unsigned(target.width()), unsigned(target.height()))),
        "scale");
}

void tst_Pipeline::eachInputFormatIsRead_data()
{
    QTest::addColumn<QString>("magick");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<bool>("lossless");

    QTest::newRow("JPEG") << "JPEG" << false << false;
    QTest::newRow("PNG with alpha") << "PNG" << true << true;
    QTest::newRow("GIF") << "GIF" << false << false;
    QTest::newRow("BMP") << "BMP" << false << true;
    QTest::newRow("TIFF with alpha") << "TIFF" << true << true;
    QTest::newRow("TGA") << "TGA" << false << true;
    QTest::newRow("JPEG 2000 with alpha") << "JP2" << true << true;
}

void tst_Pipeline::eachInputFormatIsRead()
{
    QFETCH(QString, magick);
    QFETCH(bool, alpha);
    QFETCH(bool, lossless);
    const Magick::Image source = pattern(40, 30, alpha);
    const QString input = dir->filePath("input");
    if (magick == "JP2")
        QVERIFY(TestSupport::writeFile(input, Jp2Coder::encode(source)));
    else
        save(source, input, qPrintable(magick));

    ConversionSettings s = defaults();
    s.format = "png";
    s.transparent = true;
    const QString output = dir->filePath("out.png");
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    const Magick::Image decoded = load(output);
    QCOMPARE(int(decoded.columns()), 40);
    QCOMPARE(int(decoded.rows()), 30);
    // GIF has a 256-colour palette and JPEG is lossy: near enough. The rest: exact.
    const int tolerance = lossless ? 0 : 24;
    for (const QPoint p : { QPoint(0, 0), QPoint(39, 29), QPoint(25, 3), QPoint(33, 17) }) {
        const QVector<int> got = rgba(decoded, p.x(), p.y());
        const QVector<int> want = rgba(source, p.x(), p.y());
        for (int c = 0; c < 4; ++c)
            QVERIFY2(qAbs(got[c] - want[c]) <= tolerance,
                qPrintable(QString("pixel %1,%2 channel %3: %4, expected %5")
                               .arg(p.x())
                               .arg(p.y())
                               .arg(c)
                               .arg(got[c])
                               .arg(want[c])));
    }
}

void tst_Pipeline::eachFormatIsWritten_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("signature");

    QTest::newRow("jpeg") << "jpeg" << QByteArray("\xff\xd8\xff");
    QTest::newRow("gif") << "gif" << QByteArray("GIF89a");
    QTest::newRow("png") << "png" << QByteArray("\x89PNG");
    QTest::newRow("jp2") << "jp2" << QByteArray("\0\0\0\x0cjP  ", 8);
    QTest::newRow("pdf") << "pdf" << QByteArray("%PDF-");
}

void tst_Pipeline::eachFormatIsWritten()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, signature);
    const QString input = dir->filePath("in.png");
    save(pattern(64, 48), input, "PNG");
    ConversionSettings s = defaults();
    s.format = format;
    const QString output = dir->filePath("out");
    const FileResult result = convert(input, s, output);
    QCOMPARE(int(result.status), int(FileResult::Converted));
    QVERIFY(result.error().isEmpty());
    const QByteArray bytes = TestSupport::readFile(output);
    QVERIFY2(bytes.startsWith(signature), bytes.left(16).toHex().constData());
    if (format != "pdf") {
        const Magick::Image decoded = load(output);
        QCOMPARE(int(decoded.columns()), 64);
        QCOMPARE(int(decoded.rows()), 48);
    }
}

void tst_Pipeline::resizedSize_data()
{
    QTest::addColumn<int>("proportion");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("shrinkOnly");
    QTest::addColumn<QSize>("size");

    QTest::newRow("-3 on 1000x600, balanced")
        << -3 << true << false << 0 << 12 << true << 0 << false << QSize(333, 200);
    QTest::newRow("2 on 1000x600, optimisation")
        << 2 << true << false << 1 << 12 << true << 0 << false << QSize(2000, 1200);
    QTest::newRow("exact 640x480, customised point")
        << 0 << true << false << 2 << 0 << true << 0 << false << QSize(640, 480);
    QTest::newRow("fit into 640x480 keeps 5:3")
        << 0 << false << true << 0 << 12 << true << 0 << false << QSize(640, 384);
    QTest::newRow("customised, filter out of range still resizes")
        << -2 << false << false << 2 << 15 << true << 0 << false << QSize(500, 300);
    // Without a mode there is no geometry; the library refuses it and the file fails.
    QTest::newRow("neither radio: the library refuses")
        << 0 << false << false << 1 << 12 << true << 0 << false << QSize();
    QTest::newRow("unknown operator: no resize")
        << -2 << true << false << 3 << 12 << true << 0 << false << QSize(1000, 600);
    QTest::newRow("50% of 1000x600")
        << 0 << true << false << 0 << 12 << true << 50 << false << QSize(500, 300);
    QTest::newRow("a factor wins over a percentage")
        << -2 << true << false << 0 << 12 << true << 300 << false << QSize(500, 300);
    QTest::newRow("only shrinking, the factor 2 leaves it")
        << 2 << true << false << 0 << 12 << true << 0 << true << QSize(1000, 600);
    QTest::newRow("only shrinking, 200% leaves it")
        << 0 << true << false << 0 << 12 << true << 200 << true << QSize(1000, 600);
    QTest::newRow("only shrinking, the exact box still shrinks")
        << 0 << true << false << 0 << 12 << true << 0 << true << QSize(640, 480);
    QTest::newRow("resize off") << -2 << true << false << 0 << 12 << false << 0 << false
                                << QSize(1000, 600);
}

void tst_Pipeline::resizedSize()
{
    QFETCH(int, proportion);
    QFETCH(bool, exact);
    QFETCH(bool, fit);
    QFETCH(int, op);
    QFETCH(int, filter);
    QFETCH(bool, enabled);
    QFETCH(int, percent);
    QFETCH(bool, shrinkOnly);
    QFETCH(QSize, size);

    const QString input = dir->filePath("in.png");
    save(pattern(1000, 600), input, "PNG");
    ConversionSettings s = defaults();
    s.format = "png";
    s.pngLevel = 1;
    s.resizeEnabled = enabled;
    s.resizeProportion = proportion;
    s.resizeExact = exact;
    s.resizeBaseWidth = fit;
    s.resizeOperator = op;
    s.resizeFilter = filter;
    s.resizePercent = percent;
    s.resizeShrinkOnly = shrinkOnly;
    const QString output = dir->filePath("out.png");
    const FileResult result = convert(input, s, output);
    if (!size.isValid()) {
        QCOMPARE(int(result.status), int(FileResult::Failed));
        QVERIFY2(result.error().contains("Invalid geometry"), qPrintable(result.error()));
        QVERIFY(!QFileInfo::exists(output));
        return;
    }
    QCOMPARE(int(result.status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);
    QCOMPARE(QSize(int(decoded.columns()), int(decoded.rows())), size);
}

void tst_Pipeline::jpegDecodedAtScale_data()
{
    QTest::addColumn<int>("proportion");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("scaled");

    // 1601x1203: sides that no scale divides, so every rounding shows.
    QTest::newRow("fit into 200x200, balanced")
        << 0 << false << QSize(200, 200) << 0 << 12 << 1 << true;
    QTest::newRow("fit into 100x100, optimisation")
        << 0 << false << QSize(100, 100) << 1 << 12 << 1 << true;
    QTest::newRow("exact 300x140, customised Mitchell")
        << 0 << true << QSize(300, 140) << 2 << 11 << 1 << true;
    QTest::newRow("factor -7, balanced") << -7 << false << QSize() << 0 << 12 << 1 << true;
    QTest::newRow("factor -5, customised triangle")
        << -5 << false << QSize() << 2 << 2 << 1 << true;
    QTest::newRow("turned photo, fit into 200x200")
        << 0 << false << QSize(200, 200) << 0 << 12 << 6 << true;
    QTest::newRow("turned photo, exact 140x300")
        << 0 << true << QSize(140, 300) << 1 << 12 << 8 << true;
    QTest::newRow("factor -3: too little to gain, full decode")
        << -3 << false << QSize() << 0 << 12 << 1 << false;
    QTest::newRow("box filter keeps the full decode")
        << 0 << false << QSize(100, 100) << 2 << 1 << 1 << false;
    QTest::newRow("point filter keeps the full decode")
        << 0 << false << QSize(100, 100) << 2 << 0 << 1 << false;
}

void tst_Pipeline::jpegDecodedAtScale()
{
    QFETCH(int, proportion);
    QFETCH(bool, exact);
    QFETCH(QSize, box);
    QFETCH(int, op);
    QFETCH(int, filter);
    QFETCH(int, orientation);
    QFETCH(bool, scaled);

    const QString input = dir->filePath("photo.jpg");
    savePhoto(input, 1601, 1203, orientation);
    ConversionSettings s = defaults();
    s.format = "png"; // lossless, so only the decode tells the outputs apart
    s.resizeEnabled = true;
    s.resizeProportion = proportion;
    s.resizeExact = exact;
    s.resizeBaseWidth = !exact;
    s.resizeWidth = box.width();
    s.resizeHeight = box.height();
    s.resizeOperator = op;
    s.resizeFilter = filter;

    const QString full = dir->filePath("full.png");
    ImagePipeline::setDecodeScaling(false);
    const FileResult before = convert(input, s, full);
    ImagePipeline::setDecodeScaling(true);
    QCOMPARE(int(before.status), int(FileResult::Converted));
    const QString output = dir->filePath("out.png");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));

    const Magick::Image expected = load(full);
    const Magick::Image decoded = load(output);
    QCOMPARE(QSize(int(decoded.columns()), int(decoded.rows())),
        QSize(int(expected.columns()), int(expected.rows())));
    const double ratio = psnr(decoded, expected);
    if (!scaled) {
        QCOMPARE(TestSupport::readFile(output), TestSupport::readFile(full));
        return;
    }
    // Real photos stay above 40 dB (scripts/bench.py --decode-scale holds them to it); these
    // waves, denser than a photo's detail, come to 34 to 40. A picture misplaced, turned or cut
    // off by the decode scale lands far below 20.
    QVERIFY2(ratio > 31 && !std::isinf(ratio), qPrintable(QString::number(ratio)));
}

void tst_Pipeline::damagedJpegFailsAlikeAtScale_data()
{
    QTest::addColumn<int>("cutAt"); // percent of the file kept, 0 for none cut
    QTest::addColumn<bool>("corrupt");

    QTest::newRow("cut short") << 60 << false;
    QTest::newRow("scan data overwritten") << 0 << true;
}

void tst_Pipeline::damagedJpegFailsAlikeAtScale()
{
    QFETCH(int, cutAt);
    QFETCH(bool, corrupt);
    const QString photo = dir->filePath("photo.jpg");
    savePhoto(photo, 1601, 1203);
    QByteArray bytes = TestSupport::readFile(photo);
    if (cutAt > 0)
        bytes.truncate(bytes.size() * cutAt / 100);
    if (corrupt) {
        for (int i = bytes.size() / 2; i < bytes.size() / 2 + 64; ++i)
            bytes[i] = char(0xff - (i & 0x0f) * 0x11);
    }
    const QString input = dir->filePath("damaged.jpg");
    QVERIFY(TestSupport::writeFile(input, bytes));
    ConversionSettings s = defaults();
    s.resizeEnabled = true;
    s.resizeProportion = -8;

    ImagePipeline::setDecodeScaling(false);
    const FileResult before = convert(input, s, dir->filePath("full.jpg"));
    ImagePipeline::setDecodeScaling(true);
    const FileResult result = convert(input, s, dir->filePath("out.jpg"));
    QCOMPARE(int(before.status), int(FileResult::Failed));
    QCOMPARE(int(result.status), int(FileResult::Failed));
    QCOMPARE(result.error(), before.error());
}

void tst_Pipeline::jpegSettings()
{
    const QString input = dir->filePath("in.png");
    save(pattern(64, 48), input, "PNG");
    ConversionSettings s = defaults();
    s.quality = 90;
    s.jpegQuality = 30;
    s.jpegDensityX = s.jpegDensityY = 300;
    s.jpegProgressive = true;
    s.jpegType = 1;
    const QString output = dir->filePath("out.jpg");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    Magick::Image decoded = load(output);
    QCOMPARE(decoded.attribute("JPEG-Quality"), std::string("30"));
    QCOMPARE(qRound(decoded.xResolution()), 300);
    QCOMPARE(qRound(decoded.yResolution()), 300);
    QVERIFY(jpegIsProgressive(TestSupport::readFile(output)));
    QCOMPARE(decoded.type(), GrayscaleType);

    s.jpegProgressive = false;
    s.jpegType = 0;
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    decoded = load(output);
    QVERIFY(!jpegIsProgressive(TestSupport::readFile(output)));
    QVERIFY(decoded.type() != GrayscaleType);
}

void tst_Pipeline::jpegHuffmanDefineIsAlwaysWritten()
{
    // With the define at "FALSE" the encoder keeps the standard tables; optimised tables
    // give a smaller file for the same pixels.
    const QString input = dir->filePath("in.png");
    save(pattern(256, 192), input, "PNG");
    ConversionSettings s = defaults();
    s.jpegProgressive = false;
    s.jpegHuffman = true;
    QCOMPARE(int(convert(input, s, dir->filePath("opt.jpg")).status), int(FileResult::Converted));
    s.jpegHuffman = false;
    QCOMPARE(int(convert(input, s, dir->filePath("std.jpg")).status), int(FileResult::Converted));
    const qint64 optimised = QFileInfo(dir->filePath("opt.jpg")).size();
    const qint64 standard = QFileInfo(dir->filePath("std.jpg")).size();
    QVERIFY2(optimised < standard, qPrintable(QString("%1 vs %2").arg(optimised).arg(standard)));
}

void tst_Pipeline::pngSettings()
{
    const QString input = dir->filePath("in.png");
    save(pattern(128, 96), input, "PNG");
    ConversionSettings s = defaults();
    s.format = "png";
    s.pngInterlace = true;
    s.pngType = 1;
    const QString output = dir->filePath("out.png");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    Magick::Image decoded = load(output);
    QVERIFY(pngIsInterlaced(TestSupport::readFile(output)));
    QCOMPARE(decoded.type(), GrayscaleType);

    s.pngInterlace = false;
    s.pngType = 0;
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    decoded = load(output);
    QVERIFY(!pngIsInterlaced(TestSupport::readFile(output)));
    QVERIFY(decoded.type() != GrayscaleType);
    QVERIFY(decoded.type() != BilevelType);
}

void tst_Pipeline::pngLevelAndFilter_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("zlibLevelClass");

    // zlib's header keeps a class of level: 0 fastest, 1 fast, 2 default, 3 maximum. Which
    // row filters the library then uses for each digit is its own business.
    QTest::newRow("level 9, Paeth") << 9 << 4 << 3;
    QTest::newRow("level 1, Sub") << 1 << 1 << 0;
    QTest::newRow("level 7, Up") << 7 << 2 << 3;
    QTest::newRow("level 3, None") << 3 << 0 << 1;
}

void tst_Pipeline::pngLevelAndFilter()
{
    QFETCH(int, level);
    QFETCH(int, filter);
    QFETCH(int, zlibLevelClass);
    const QString input = dir->filePath("in.png");
    save(pattern(128, 96), input, "PNG");
    ConversionSettings s = defaults();
    s.format = "png";
    s.pngLevel = level;
    s.pngFilter = filter;
    const QString output = dir->filePath("out.png");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));

    const QByteArray png = TestSupport::readFile(output);
    QByteArray zlib;
    for (int pos = 8; pos + 8 <= png.size();) {
        const int length = int(qFromBigEndian<quint32>(png.constData() + pos));
        if (png.mid(pos + 4, 4) == "IDAT")
            zlib += png.mid(pos + 8, length);
        pos += length + 12;
    }
    QVERIFY(zlib.size() > 2);
    QCOMPARE(quint8(zlib.at(1)) >> 6, zlibLevelClass);
}

void tst_Pipeline::gifColourReduction_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("colors");
    QTest::addColumn<int>("colorspace");
    QTest::addColumn<int>("maxColors");

    QTest::newRow("16 colours") << 0 << 16 << 1 << 16;
    QTest::newRow("2 colours in YUV") << 0 << 2 << 0 << 2;
    QTest::newRow("monochrome") << 1 << 256 << 0 << 2;
    QTest::newRow("colour space out of range still reduces") << 0 << 8 << 15 << 8;
}

void tst_Pipeline::gifColourReduction()
{
    QFETCH(int, type);
    QFETCH(int, colors);
    QFETCH(int, colorspace);
    QFETCH(int, maxColors);
    const QString input = dir->filePath("in.png");
    save(pattern(64, 48), input, "PNG");
    ConversionSettings s = defaults();
    s.format = "gif";
    s.gifType = type;
    s.gifQuantizeColors = colors;
    s.gifQuantizeColorspace = colorspace;
    s.gifInterlace = true;
    const QString output = dir->filePath("out.gif");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    Magick::Image decoded = load(output);
    QVERIFY2(int(decoded.totalColors()) <= maxColors,
        qPrintable(QString::number(decoded.totalColors())));
    QVERIFY(decoded.totalColors() >= 2);
    QVERIFY(gifIsInterlaced(TestSupport::readFile(output)));
}

void tst_Pipeline::flattening_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("binaryAlpha");
    QTest::addColumn<QString>("background");
    // channel values at a fully transparent pixel of the input
    QTest::addColumn<QVector<int>>("clear");

    QTest::newRow("onto red, jpeg")
        << "jpeg" << false << false << "#ff0000" << QVector<int> { 255, 0, 0, 255 };
    QTest::newRow("onto red, png is opaque")
        << "png" << false << false << "#ff0000" << QVector<int> { 255, 0, 0, 255 };
    QTest::newRow("cut-out with 1-bit alpha is flattened too")
        << "png" << false << true << "#0000ff" << QVector<int> { 0, 0, 255, 255 };
    QTest::newRow("unreadable colour name gives black")
        << "png" << false << false << "nonsense" << QVector<int> { 0, 0, 0, 255 };
    QTest::newRow("keep transparency, png")
        << "png" << true << false << "#ff0000" << QVector<int> { -1, -1, -1, 0 };
}

void tst_Pipeline::flattening()
{
    QFETCH(QString, format);
    QFETCH(bool, transparent);
    QFETCH(bool, binaryAlpha);
    QFETCH(QString, background);
    QFETCH(QVector<int>, clear);

    Magick::Image source = pattern(64, 48, true);
    if (binaryAlpha) {
        // Only fully transparent and fully opaque pixels.
        for (int x = 16; x < 32; ++x)
            for (int y = 0; y < 48; ++y)
                source.pixelColor(x, y, Magick::ColorRGB(0, 1, 0));
    }
    const QString input = dir->filePath("in.png");
    save(source, input, "PNG");
    ConversionSettings s = defaults();
    s.format = format;
    s.jpegQuality = 100;
    s.transparent = transparent;
    s.backgroundColor = background;
    const QString output = dir->filePath("out");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);

    const QVector<int> pixel = rgba(decoded, 2, 20);
    for (int c = 0; c < 4; ++c) {
        if (clear[c] >= 0)
            QVERIFY2(qAbs(pixel[c] - clear[c]) <= 2,
                qPrintable(
                    QString("channel %1: %2, expected %3").arg(c).arg(pixel[c]).arg(clear[c])));
    }
    if (!transparent && !binaryAlpha && format == "png") {
        // Half-transparent source over the background: a blend of the two.
        const QVector<int> src = rgba(source, 20, 0);
        QCOMPARE(src[3], 128);
        const QVector<int> blended = rgba(decoded, 20, 0);
        QCOMPARE(blended[3], 255);
        for (int c = 0; c < 3; ++c) {
            const int expected = (src[c] * 128 + clear[c] * 127) / 255;
            QVERIFY2(qAbs(blended[c] - expected) <= 3,
                qPrintable(
                    QString("channel %1: %2, expected %3").arg(c).arg(blended[c]).arg(expected)));
        }
    }
}

void tst_Pipeline::stripRemovesProfilesAndComments_data()
{
    QTest::addColumn<bool>("strip");
    QTest::newRow("strip on") << true;
    QTest::newRow("strip off keeps them") << false;
}

void tst_Pipeline::stripRemovesProfilesAndComments()
{
    QFETCH(bool, strip);
    Magick::Image source = pattern(32, 24);
    source.comment("made by a test");
    const std::string exif = exifWithOrientation(1);
    source.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
    const QString input = dir->filePath("in.jpg");
    save(source, input, "JPEG");
    QVERIFY(load(input).comment() == "made by a test");

    ConversionSettings s = defaults();
    s.strip = strip;
    const QString output = dir->filePath("out.jpg");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);
    QCOMPARE(decoded.comment().empty(), strip);
    QCOMPARE(!TestSupport::readFile(output).contains(QByteArray("Exif\0\0", 6)), strip);

    // A TIFF names the file it was written as, a path of whoever wrote it, which the PNG
    // writer would copy into a text chunk.
    Magick::Image named = pattern(8, 8);
    const QString tiff = dir->filePath("home-of-jane.tif");
    save(named, tiff, "TIFF");
    s.format = "png";
    const QString png = dir->filePath("out.png");
    QCOMPARE(int(convert(tiff, s, png).status), int(FileResult::Converted));
    QCOMPARE(!TestSupport::readFile(png).contains("home-of-jane"), strip);
}

void tst_Pipeline::rotatedPhotoComesOutUpright_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("strip");
    QTest::addColumn<int>("tagType");
    QTest::newRow("to png") << "png" << true << 3;
    QTest::newRow("to jpeg, tag kept") << "jpeg" << false << 3;
    QTest::newRow("to jpeg, tag stored as SLONG kept") << "jpeg" << false << 9;
    QTest::newRow("to gif") << "gif" << true << 3;
}

void tst_Pipeline::rotatedPhotoComesOutUpright()
{
    QFETCH(QString, format);
    QFETCH(bool, strip);
    QFETCH(int, tagType);
    // Stored 40 wide, 30 high with a dark top-left corner; orientation 6 means the camera was
    // turned clockwise, so upright it is 30 wide, 40 high with that corner at the top right.
    Magick::Image source(Magick::Geometry(40, 30), Magick::Color("white"));
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            source.pixelColor(x, y, Magick::Color("black"));
    const std::string exif = exifWithOrientation(6, static_cast<unsigned char>(tagType));
    source.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
    const QString input = dir->filePath("phone.jpg");
    save(source, input, "JPEG");
    QCOMPARE(load(input).orientation(), RightTopOrientation);

    ConversionSettings s = defaults();
    s.format = format;
    s.strip = strip;
    const QString output = dir->filePath("out");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);
    QCOMPARE(int(decoded.columns()), 30);
    QCOMPARE(int(decoded.rows()), 40);
    QVERIFY(rgba(decoded, 27, 2)[0] < 60);
    QVERIFY(rgba(decoded, 2, 2)[0] > 200);
    if (!strip)
        QCOMPARE(decoded.orientation(), TopLeftOrientation);
}

void tst_Pipeline::jpeg2000RoundTrip_data()
{
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<QString>("inputFormat");
    QTest::newRow("png to jp2, opaque") << false << "PNG";
    QTest::newRow("png to jp2, with alpha kept") << true << "PNG";
    QTest::newRow("jp2 input to png") << true << "JP2";
}

void tst_Pipeline::jpeg2000RoundTrip()
{
    QFETCH(bool, alpha);
    QFETCH(QString, inputFormat);
    const Magick::Image source = pattern(37, 29, alpha);
    const QString input = dir->filePath("in");
    if (inputFormat == "JP2")
        QVERIFY(TestSupport::writeFile(input, Jp2Coder::encode(source)));
    else
        save(source, input, "PNG");

    ConversionSettings s = defaults();
    s.format = inputFormat == "JP2" ? "png" : "jp2";
    s.transparent = true;
    const QString output = dir->filePath("out");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);
    QCOMPARE(int(decoded.columns()), 37);
    QCOMPARE(int(decoded.rows()), 29);
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 37; ++x) {
            if (rgba(decoded, x, y) != rgba(source, x, y))
                QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
        }
    }
}

void tst_Pipeline::jpeg2000ProfileFollowsStrip_data()
{
    QTest::addColumn<bool>("strip");
    QTest::newRow("strip on writes no profile") << true;
    QTest::newRow("strip off keeps the profile") << false;
}

void tst_Pipeline::jpeg2000ProfileFollowsStrip()
{
    QFETCH(bool, strip);
    const QByteArray profile = TestSupport::iccProfile("RGB ");
    Magick::Image source = pattern(32, 24);
    source.profile("ICC", Magick::Blob(profile.constData(), size_t(profile.size())));
    const QString input = dir->filePath("in.png");
    save(source, input, "PNG");
    QCOMPARE(TestSupport::iccProfileOf(load(input)), profile);

    ConversionSettings s = defaults();
    s.format = "jp2";
    s.strip = strip;
    const QString output = dir->filePath("out.jp2");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    QCOMPARE(TestSupport::iccProfileOf(load(output)), strip ? QByteArray() : profile);
}

void tst_Pipeline::photoshopInputThroughQt()
{
    // The library has no reader for Photoshop files; Qt's plug-in takes over.
    QVector<quint16> samples;
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 6; ++i)
            samples.append(quint16(c == 3 ? (i < 3 ? 0 : 255) : (c * 60 + i * 30)));
    const QString input = dir->filePath("layered.psd");
    QVERIFY(TestSupport::writeFile(input, TestSupport::photoshopFile(3, 2, 4, 8, samples)));

    ConversionSettings s = defaults();
    s.format = "png";
    s.transparent = true;
    const QString output = dir->filePath("out.png");
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    const Magick::Image decoded = load(output);
    QCOMPARE(int(decoded.columns()), 3);
    QCOMPARE(int(decoded.rows()), 2);
    QCOMPARE(
        rgba(decoded, 1, 1), (QVector<int> { 0 * 60 + 4 * 30, 60 + 4 * 30, 120 + 4 * 30, 255 }));
    QCOMPARE(rgba(decoded, 0, 0)[3], 0);
}

void tst_Pipeline::greyTargaWithAlpha()
{
    // Rejected by the library and misread by Qt's plug-in; our own reader takes it.
    QByteArray tga(18, '\0');
    tga[2] = 3; // uncompressed grey
    tga[12] = 2; // width 2
    tga[14] = 1; // height 1
    tga[16] = 16; // bits a pixel
    tga[17] = 8; // alpha bits
    tga += QByteArray("\x40\xff\xc0\x00", 4); // grey 64 opaque, grey 192 clear
    const QString input = dir->filePath("grey.tga");
    QVERIFY(TestSupport::writeFile(input, tga));
    ConversionSettings s = defaults();
    s.format = "png";
    s.transparent = true;
    const QString output = dir->filePath("out.png");
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    const Magick::Image decoded = load(output);
    QCOMPARE(rgba(decoded, 0, 0), (QVector<int> { 64, 64, 64, 255 }));
    QCOMPARE(rgba(decoded, 1, 0)[3], 0);
}

void tst_Pipeline::failures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("status");

    QTest::newRow("missing file is skipped") << QByteArray() << false << int(FileResult::Missing);
    QTest::newRow("text is no image")
        << QByteArray("just some words\n") << true << int(FileResult::Failed);
    QTest::newRow("empty file") << QByteArray() << true << int(FileResult::Failed);
    QTest::newRow("JPEG 2000 signature over garbage")
        << QByteArray("\0\0\0\x0cjP  \r\n\x87\n garbage", 20) << true << int(FileResult::Failed);
    QTest::newRow("PNG header claiming 25200x33300")
        << TestSupport::oversizedPng(25200, 33300) << true << int(FileResult::Failed);
    QTest::newRow("JPEG header claiming 22500x33300")
        << TestSupport::oversizedJpeg(22500, 33300, false) << true << int(FileResult::Failed);
    QTest::newRow("progressive JPEG header claiming 22500x33300")
        << TestSupport::oversizedJpeg(22500, 33300, true) << true << int(FileResult::Failed);
    QTest::newRow("PNG header, then nothing")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << true << int(FileResult::Failed);
}

void tst_Pipeline::failures()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(int, status);
    const QString input = dir->filePath("broken.jpg");
    if (exists)
        QVERIFY(TestSupport::writeFile(input, content));
    const QString output = dir->filePath("out.jpg");
    bool asked = false;
    const FileResult result = ImagePipeline::convertFile(input, defaults(), [&](const QString &) {
        asked = true;
        return output;
    });
    QCOMPARE(int(result.status), status);
    QVERIFY2(!result.error().isEmpty(), "a file that failed says why");
    const QByteArray tag = QTest::currentDataTag();
    if (tag.contains(" claiming ")) {
        // Refused from the header, before anything of that size is allocated.
        const QString size = QString::fromLatin1(tag.mid(tag.indexOf(" claiming ") + 10));
        QCOMPARE(
            result.error().left(result.error().indexOf(": ")), QDir::toNativeSeparators(input));
        QVERIFY2(result.error().contains(size + " pixels is more than this machine can convert"),
            qPrintable(result.error()));
    }
    QVERIFY(!asked);
    QVERIFY(!QFileInfo::exists(output));
}

void tst_Pipeline::warningsDoNotFail_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("warning");

    // Image editors write such BMPs; the PNG writer will not store their chromaticities.
    QTest::newRow("BMP with calibrated end points to PNG: the writer warns")
        << TestSupport::bmpFile(32, 24, 24, 124, true) << "png"
        << "invalid chromaticities";
    Magick::Image clean = pattern(64, 48);
    clean.magick("JPEG");
    Magick::Blob blob;
    clean.write(&blob);
    QByteArray jpeg(static_cast<const char *>(blob.data()), int(blob.length()));
    QTest::newRow("JPEG with stray bytes before its end: the reader warns")
        << jpeg.insert(jpeg.lastIndexOf("\xff\xd9"), "\x01\x02\x03", 3) << "gif"
        << "extraneous bytes before marker";
}

void tst_Pipeline::warningsDoNotFail()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, format);
    QFETCH(QString, warning);
    const QString input = dir->filePath("input.img");
    QVERIFY(TestSupport::writeFile(input, content));
    ConversionSettings s = defaults();
    s.format = format;
    const FileResult result = convert(input, s, dir->filePath("out"));
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    QVERIFY(QFileInfo(dir->filePath("out")).size() > 0);
    QCOMPARE(result.warnings.size(), 1);
    const QString said = result.warningLines().first();
    QVERIFY2(said.startsWith(QDir::toNativeSeparators(input) + ": "), qPrintable(said));
    QVERIFY2(said.contains(warning), qPrintable(said));
    QVERIFY2(!said.contains("reported by") && !said.contains("Magick: "), qPrintable(said));
}

void tst_Pipeline::writersKeepWhatTheyPromise_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantMap>("options"); // by settings key
    QTest::addColumn<bool>("deep"); // 16-bit input
    QTest::addColumn<bool>("alpha"); // input with transparency, kept
    QTest::addColumn<bool>("exact"); // without loss: the same samples back, at the input's depth

    const QVariantMap none;
    QTest::newRow("webp lossy") << "webp" << none << false << false << false;
    QTest::newRow("webp lossy, transparency kept") << "webp" << none << false << true << false;
    QTest::newRow("webp lossless")
        << "webp" << QVariantMap { { "WebP/lossless", true } } << false << true << true;
    QTest::newRow("tiff lzw, 16 bits") << "tiff" << none << true << false << true;
    QTest::newRow("tiff deflate, 16 bits and alpha")
        << "tiff" << QVariantMap { { "TIFF/compression", 2 } } << true << true << true;
    QTest::newRow("tiff zstd") << "tiff" << QVariantMap { { "TIFF/compression", 4 } } << true
                               << false << true;
    QTest::newRow("tiff uncompressed, alpha")
        << "tiff" << QVariantMap { { "TIFF/compression", 0 } } << false << true << true;
    QTest::newRow("tiff jpeg") << "tiff" << QVariantMap { { "TIFF/compression", 3 } } << false
                               << false << false;
    QTest::newRow("jxl lossy") << "jxl" << none << false << false << false;
    QTest::newRow("jxl lossy, transparency kept") << "jxl" << none << false << true << false;
    QTest::newRow("jxl lossless, 16 bits and alpha")
        << "jxl" << QVariantMap { { "JXL/lossless", true } } << true << true << true;
    QTest::newRow("avif lossy") << "avif" << none << false << false << false;
    QTest::newRow("avif lossy, transparency kept") << "avif" << none << false << true << false;
    QTest::newRow("avif lossless, alpha")
        << "avif" << QVariantMap { { "AVIF/lossless", true } } << false << true << true;
}

void tst_Pipeline::writersKeepWhatTheyPromise()
{
    QFETCH(QString, format);
    QFETCH(QVariantMap, options);
    QFETCH(bool, deep);
    QFETCH(bool, alpha);
    QFETCH(bool, exact);
    // Lossy writers are judged on a photo, lossless ones on hard edges as well.
    Magick::Image source = exact ? pattern(96, 64, alpha) : waves(96, 64, alpha);
    if (deep) {
        // Low bytes that differ from the high ones: an 8-bit copy cannot give them back.
        source.depth(16);
        source.modifyImage();
        MagickLib::PixelPacket *p = source.getPixels(0, 0, 96, 64);
        for (int i = 0; i < 96 * 64; ++i)
            p[i].red = Quantum((p[i].red & 0xff00) | (i & 0xff));
        source.syncPixels();
    }
    const QString input = dir->filePath("input.png");
    save(source, input, "PNG");
    ConversionSettings s = defaults();
    s.format = format;
    s.transparent = alpha;
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const QStringList key = it.key().split('/');
        Options::find(qPrintable(key[0]), qPrintable(key[1]))->set(s, it.value());
    }
    const QString output = dir->filePath("out." + format);
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));

    const Magick::Image original = load(input);
    const Magick::Image decoded = load(output);
    QCOMPARE(QSize(int(decoded.columns()), int(decoded.rows())), QSize(96, 64));
    QCOMPARE(decoded.matte(), alpha);
    // Marked as transparency, for readers that do not take a fourth sample for it.
    if (format == "tiff" && alpha)
        QCOMPARE(tiffTag(TestSupport::readFile(output), 338), 2);
    if (!exact) {
        QVERIFY2(
            psnr(original, decoded) > 35, qPrintable(QString::number(psnr(original, decoded))));
        return;
    }
    QCOMPARE(decoded.depth(), deep ? 16u : 8u);
    const auto samples = [alpha](const Magick::Image &image) {
        QVector<quint16> values(96 * 64 * (alpha ? 4 : 3));
        const_cast<Magick::Image &>(image).write(
            0, 0, 96, 64, alpha ? "RGBA" : "RGB", ShortPixel, values.data());
        return values;
    };
    QVERIFY(samples(decoded) == samples(original));
}

void tst_Pipeline::metadataAsAsked_data()
{
    QTest::addColumn<QString>("profile"); // of the input: "wide" (Adobe RGB), "srgb" or none
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<bool>("turned"); // the pixels turned from the wide profile into sRGB
    QTest::addColumn<bool>("iccKept");
    QTest::addColumn<bool>("locationKept");
    QTest::addColumn<bool>("restKept"); // EXIF and XMP besides the location

    const QVariantMap strip { { "Global/strip", true } };
    const QVariantMap keep { { "Global/strip", false } };
    QTest::newRow("stripped: a wide profile's pixels turn into sRGB")
        << "wide" << strip << true << false << false << false;
    QTest::newRow("stripped but for the colour profile")
        << "wide" << QVariantMap { { "Global/strip", true }, { "Global/keepcolorprofile", true } }
        << false << true << false << false;
    QTest::newRow("stripped: an sRGB profile's pixels stay")
        << "srgb" << strip << false << false << false << false;
    QTest::newRow("kept: the profile describes the pixels as they are")
        << "wide" << keep << false << true << true << true;
    QTest::newRow("kept but for the location")
        << "wide" << QVariantMap { { "Global/strip", false }, { "Global/removelocation", true } }
        << false << true << false << true;
}

void tst_Pipeline::metadataAsAsked()
{
    QFETCH(QString, profile);
    QFETCH(QVariantMap, options);
    QFETCH(bool, turned);
    QFETCH(bool, iccKept);
    QFETCH(bool, locationKept);
    QFETCH(bool, restKept);

    const unsigned char raw[3] = { 100, 180, 60 };
    Magick::Image photo(
        Magick::Geometry(16, 16), Magick::Color(raw[0] * 257, raw[1] * 257, raw[2] * 257));
    const QByteArray icc = profile == "wide" ? TestSupport::iccProfile("RGB ")
        : profile == "srgb"                  ? TestSupport::iccProfile("sRGB")
                                             : QByteArray();
    QVERIFY(!icc.isEmpty());
    photo.profile("ICM", Magick::Blob(icc.constData(), size_t(icc.size())));
    // EXIF: the camera's make, and a GPS directory with the latitude 48° 51' 29".
    const unsigned char exif[] = { 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 2, 0,
        0x0f, 0x01, 2, 0, 4, 0, 0, 0, 'C', 'a', 'm', 0, 0x25, 0x88, 4, 0, 1, 0, 0, 0, 38, 0, 0, 0,
        0, 0, 0, 0, 1, 0, 2, 0, 5, 0, 3, 0, 0, 0, 56, 0, 0, 0, 0, 0, 0, 0, 48, 0, 0, 0, 1, 0, 0, 0,
        51, 0, 0, 0, 1, 0, 0, 0, 29, 0, 0, 0, 1, 0, 0, 0 };
    photo.profile("EXIF", Magick::Blob(exif, sizeof exif));
    const QByteArray xmp = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                           "<rdf:Description rdf:about=\"\" "
                           "xmlns:exif=\"http://ns.adobe.com/exif/1.0/\" "
                           "exif:GPSLatitude=\"48,51.5N\" exif:DateTimeOriginal=\"2024-05-01\">"
                           "<exif:GPSLongitude>2,21.0E</exif:GPSLongitude></rdf:Description>"
                           "</rdf:RDF></x:xmpmeta>";
    photo.profile("XMP", Magick::Blob(xmp.constData(), size_t(xmp.size())));
    // JPEG, the container photos with all three come in; a flat colour at full quality comes
    // back to within a few levels, twice encoded.
    photo.quality(100);
    const QString input = dir->filePath("in.jpg");
    save(photo, input, "JPEG");

    ConversionSettings s = defaults();
    s.format = "jpeg";
    s.jpegQuality = 100;
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const QStringList key = it.key().split('/');
        Options::find(qPrintable(key[0]), qPrintable(key[1]))->set(s, it.value());
    }
    const QString output = dir->filePath("out.jpg");
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    const Magick::Image written = load(output);

    QVector<int> expected { raw[0], raw[1], raw[2], 255 };
    if (turned) {
        // As the colour engine itself turns the wide colour into sRGB.
        cmsHPROFILE wide = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        cmsHTRANSFORM transform
            = cmsCreateTransform(wide, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
        unsigned char seen[3];
        cmsDoTransform(transform, raw, seen, 1);
        cmsDeleteTransform(transform);
        cmsCloseProfile(srgb);
        cmsCloseProfile(wide);
        expected = { seen[0], seen[1], seen[2], 255 };
    }
    const QVector<int> pixel = rgba(written, 8, 8);
    for (int c = 0; c < 3; ++c)
        QVERIFY2(qAbs(pixel[c] - expected[c]) <= 4,
            qPrintable(QString("%1 where %2 was expected").arg(pixel[c]).arg(expected[c])));
    QCOMPARE(profileOf(written, "ICC") == icc, iccKept);
    const QByteArray exifOut = profileOf(written, "EXIF");
    const QByteArray latitude(reinterpret_cast<const char *>(exif) + 62, 24);
    QCOMPARE(exifOut.contains(latitude), locationKept);
    QCOMPARE(exifOut.contains("Cam"), restKept);
    const QByteArray xmpOut = profileOf(written, "XMP");
    QCOMPARE(xmpOut.contains("GPS"), locationKept);
    QCOMPARE(xmpOut.contains("DateTimeOriginal"), restKept);
}

void tst_Pipeline::exifTravelsWhenKept_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("strip");
    for (const char *format : { "webp", "jxl", "avif" }) {
        QTest::newRow(qPrintable(QString("%1, kept").arg(format))) << format << false;
        QTest::newRow(qPrintable(QString("%1, stripped").arg(format))) << format << true;
    }
}

void tst_Pipeline::exifTravelsWhenKept()
{
    QFETCH(QString, format);
    QFETCH(bool, strip);
    Magick::Image photo = waves(64, 48);
    const std::string exif = exifWithOrientation(1);
    photo.profile("EXIF", Magick::Blob(exif.data(), exif.size()));
    const QString input = dir->filePath("exif.jpg");
    save(photo, input, "JPEG");
    ConversionSettings s = defaults();
    s.format = format;
    s.strip = strip;
    const QString output = dir->filePath("out." + format);
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    // The TIFF structure of the profile, whatever box or chunk holds it.
    const QByteArray tiff = QByteArray(exif.data() + 6, int(exif.size()) - 6);
    QCOMPARE(TestSupport::readFile(output).contains(tiff), !strip);
}

void tst_Pipeline::jpegIntoLosslessJxl_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<bool>("resize");
    QTest::addColumn<bool>("kept"); // the JPEG recompressed as it is, to be given back whole

    QTest::newRow("lossless: the JPEG's own data") << true << false << true;
    QTest::newRow("lossless but resized: pixels") << true << true << false;
    QTest::newRow("lossy: pixels") << false << false << false;
}

void tst_Pipeline::jpegIntoLosslessJxl()
{
    QFETCH(bool, lossless);
    QFETCH(bool, resize);
    QFETCH(bool, kept);
    const QString input = dir->filePath("photo.jpg");
    savePhoto(input, 320, 240);
    ConversionSettings s = defaults();
    s.format = "jxl";
    Options::find("JXL", "lossless")->set(s, lossless);
    s.resizeEnabled = resize;
    s.resizeProportion = -2;
    const QString output = dir->filePath("photo.jxl");
    const FileResult result = convert(input, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    const QByteArray bytes = TestSupport::readFile(output);
    // The box that holds what it takes to rebuild the JPEG file.
    QCOMPARE(bytes.contains("jbrd"), kept);
    if (kept)
        QVERIFY(bytes.size() < QFileInfo(input).size());
    const Magick::Image decoded = load(output);
    QCOMPARE(int(decoded.columns()), resize ? 160 : 320);
}

// An animation whose frames together take more than the budget, each alone far less: the
// first is written, and the user told why.
void tst_Pipeline::framesBeyondTheBudget()
{
    std::list<Magick::Image> frames;
    for (const char *colour : { "red", "green", "blue", "yellow", "white", "black" })
        frames.emplace_back(Magick::Geometry(640, 480), Magick::Color(colour));
    const QString path = dir->filePath("long.gif");
    Magick::writeImages(frames.begin(), frames.end(), QFile::encodeName(path).toStdString());
    ConversionSettings s = defaults();
    s.format = "gif";
    ResourceLimits::setMemoryBudget(quint64(24) << 20);
    const FileResult result = convert(path, s, dir->filePath("out.gif"));
    ResourceLimits::setMemoryBudget(quint64(1) << 30);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    QCOMPARE(result.warningLines(),
        QStringList { QDir::toNativeSeparators(path)
            + ": only the first of 6 frames was written: all of them take more than the memory "
              "budget" });
}

void tst_Pipeline::framesAndPages_data()
{
    // "animation": 5 frames of a GIF, "webp animation" and "avif animation" the same in WebP
    // and AVIF; "pages": 3 TIFF pages
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("written"); // frames or pages in the output
    QTest::addColumn<QString>("warning"); // empty: none

    const QString firstOnly = "only the first of %1 frames was written";
    QTest::newRow("animation to GIF") << "animation"
                                      << "gif" << 5 << "";
    QTest::newRow("animation to TIFF") << "animation"
                                       << "tiff" << 5 << "";
    QTest::newRow("pages to PDF") << "pages"
                                  << "pdf" << 3 << "";
    QTest::newRow("pages to TIFF") << "pages"
                                   << "tiff" << 3 << "";
    QTest::newRow("animation to PNG") << "animation"
                                      << "png" << 1 << firstOnly.arg(5);
    QTest::newRow("pages to JPEG") << "pages"
                                   << "jpeg" << 1 << firstOnly.arg(3);
    QTest::newRow("pages to WebP") << "pages"
                                   << "webp" << 1 << firstOnly.arg(3);
    QTest::newRow("pages to GIF") << "pages"
                                  << "gif" << 1 << firstOnly.arg(3);
    QTest::newRow("animation to WebP") << "animation"
                                       << "webp" << 5 << "";
    QTest::newRow("animation to AVIF") << "animation"
                                       << "avif" << 5 << "";
    QTest::newRow("WebP animation to GIF") << "webp animation"
                                           << "gif" << 5 << "";
    QTest::newRow("WebP animation to PNG") << "webp animation"
                                           << "png" << 1 << firstOnly.arg(5);
    QTest::newRow("AVIF animation to GIF") << "avif animation"
                                           << "gif" << 5 << "";
}

void tst_Pipeline::framesAndPages()
{
    QFETCH(QString, input);
    QFETCH(QString, format);
    QFETCH(int, written);
    QFETCH(QString, warning);
    std::list<Magick::Image> frames;
    // A WebP or AVIF animation holds the GIF's frames whole.
    const bool webp = input == "webp animation";
    const bool avif = input == "avif animation";
    const bool animation = input == "animation" || webp || avif;
    const char *colours[] = { "red", "green", "blue", "yellow", "white" };
    for (int i = 0; i < (animation ? 5 : 3); ++i) {
        // Pages of their own sizes; an animation's later frames cover part of the first.
        Magick::Image frame(animation && i > 0 ? Magick::Geometry(20, 20)
                                               : Magick::Geometry(60 + 10 * i, 40 + 5 * i),
            Magick::Color(colours[i]));
        if (animation) {
            frame.animationDelay(unsigned(10 * (i + 1)));
            if (i > 0)
                frame.page(Magick::Geometry(20, 20, 5 * i, 4 * i));
        }
        frames.push_back(frame);
    }
    const QString path = dir->filePath(webp ? "in.webp"
            : avif                          ? "in.avif"
            : animation                     ? "in.gif"
                                            : "in.tif");
    if (webp || avif) {
        std::vector<Magick::Image> whole;
        Magick::coalesceImages(&whole, frames.begin(), frames.end());
        WebpCoder::Settings webpLossless;
        webpLossless.lossless = true;
        AvifCoder::Settings avifLossless;
        avifLossless.lossless = true;
        QVERIFY(TestSupport::writeFile(path,
            webp ? WebpCoder::encodeAnimation(std::move(whole), webpLossless)
                 : AvifCoder::encodeAnimation(std::move(whole), avifLossless)));
    } else {
        Magick::writeImages(frames.begin(), frames.end(), QFile::encodeName(path).toStdString());
    }
    ConversionSettings s = defaults();
    s.format = format;
    const QString output = dir->filePath("out." + format);
    const FileResult result = convert(path, s, output);
    QVERIFY2(result.status == FileResult::Converted, qPrintable(result.error()));
    QCOMPARE(result.warningLines().join('\n'),
        warning.isEmpty() ? QString() : QDir::toNativeSeparators(path) + ": " + warning);

    const QByteArray bytes = TestSupport::readFile(output);
    if (format == "pdf") {
        QCOMPARE(int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ")
                     + bytes.count("/Type/Page\n")),
            written);
        return;
    }
    if (format == "webp" && written > 1) {
        // An ANMF chunk a frame: its duration (milliseconds, 24 bits at 12), then its picture.
        QList<int> durations;
        for (int at = bytes.indexOf("ANMF"); at >= 0; at = bytes.indexOf("ANMF", at + 4)) {
            const auto *d = reinterpret_cast<const uchar *>(bytes.constData() + at + 8 + 12);
            durations.append(d[0] | d[1] << 8 | d[2] << 16);
        }
        QCOMPARE(durations, (QList<int> { 100, 200, 300, 400, 500 }));
        return;
    }
    if (format == "avif" && written > 1) {
        // An image sequence, whose sample table counts the frames.
        const int sizes = bytes.indexOf("stsz");
        QVERIFY(bytes.contains("avis") && sizes > 0);
        QCOMPARE(int(qFromBigEndian<quint32>(bytes.constData() + sizes + 12)), written);
        return;
    }
    std::list<Magick::Image> read;
    Magick::readImages(&read, Magick::Blob(bytes.constData(), size_t(bytes.size())));
    QCOMPARE(int(read.size()), written);
    if (animation && written > 1) {
        // Every frame whole, and in a GIF for its own time.
        int i = 0;
        for (const Magick::Image &frame : read) {
            if (format == "gif")
                QCOMPARE(int(frame.animationDelay()), 10 * (i + 1));
            QCOMPARE(QSize(int(frame.columns()), int(frame.rows())), QSize(60, 40));
            // The first frame's red shows through where a later one does not cover it (as
            // near as the GIF's colour reduction keeps it).
            const QVector<int> seen = rgba(frame, 1, 1);
            QVERIFY2(seen[0] > 200 && seen[1] < 40 && seen[2] < 40 && seen[3] == 255,
                qPrintable(QString("frame %1: %2,%3,%4,%5")
                               .arg(i)
                               .arg(seen[0])
                               .arg(seen[1])
                               .arg(seen[2])
                               .arg(seen[3])));
            ++i;
        }
    }
}

void tst_Pipeline::bmpWithoutAlphaStaysOpaque_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<bool>("junk");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("transparent");
    // The library gives these an opacity channel it never fills.
    QTest::newRow("24 bits, version 5 header, flattened, to png")
        << 24 << 124 << false << "png" << false;
    QTest::newRow("24 bits, version 5 header, transparency kept, to png")
        << 24 << 124 << false << "png" << true;
    QTest::newRow("24 bits, version 5 header, transparency kept, to jp2")
        << 24 << 124 << false << "jp2" << true;
    // The fourth byte is unused in such files; read as alpha it makes the picture vanish.
    QTest::newRow("32 bits with a zero fourth byte, flattened, to png")
        << 32 << 40 << false << "png" << false;
    QTest::newRow("32 bits with junk in the unused fourth byte, flattened, to png")
        << 32 << 40 << true << "png" << false;
    QTest::newRow("32 bits, zero alpha under a version 5 mask, transparency kept, to png")
        << 32 << 124 << false << "png" << true;
}

void tst_Pipeline::bmpWithoutAlphaStaysOpaque()
{
    QFETCH(int, bits);
    QFETCH(int, headerSize);
    QFETCH(bool, junk);
    QFETCH(QString, format);
    QFETCH(bool, transparent);
    const int width = 96;
    const int height = 64;
    // The library reuses pixel memory from one image to the next: after these, memory that a
    // decoder leaves unfilled holds transparency rather than zeros.
    const QString seeThrough = dir->filePath("see-through.png");
    save(pattern(width, height, true), seeThrough, "PNG");
    ConversionSettings s = defaults();
    s.transparent = true;
    s.format = "png";
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(convert(seeThrough, s, dir->filePath("warm-up.png")).status),
            int(FileResult::Converted));

    const QString input = dir->filePath("editor.bmp");
    QVERIFY(TestSupport::writeFile(
        input, TestSupport::bmpFile(width, height, bits, headerSize, false, junk)));
    s.transparent = transparent;
    s.format = format;
    const QString output = dir->filePath("out");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    const Magick::Image decoded = load(output);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb p = TestSupport::bmpPixel(x, y);
            wrong += rgba(decoded, x, y) != QVector<int>({ qRed(p), qGreen(p), qBlue(p), 255 });
        }
    }
    QCOMPARE(wrong, 0);
}

void tst_Pipeline::jpegDensityIsPerInch_data()
{
    QTest::addColumn<QString>("magick");
    QTest::addColumn<int>("dpi");
    // Both store their resolution per metre, which the library reads as per centimetre.
    QTest::newRow("from PNG, 72 dpi") << "PNG" << 72;
    QTest::newRow("from BMP, 300 dpi") << "BMP" << 300;
}

void tst_Pipeline::jpegDensityIsPerInch()
{
    QFETCH(QString, magick);
    QFETCH(int, dpi);
    Magick::Image source = pattern(32, 24);
    source.resolutionUnits(PixelsPerCentimeterResolution);
    source.density(Magick::Geometry(40, 40));
    const QString input = dir->filePath("in");
    save(source, input, qPrintable(magick));
    ConversionSettings s = defaults();
    s.jpegDensityX = s.jpegDensityY = dpi;
    const QString output = dir->filePath("out.jpg");
    QCOMPARE(int(convert(input, s, output).status), int(FileResult::Converted));
    // The JFIF header: "JFIF\0", version, then the unit (1 = per inch) and both densities.
    const QByteArray bytes = TestSupport::readFile(output);
    const int jfif = bytes.indexOf(QByteArray("JFIF\0", 5));
    QVERIFY(jfif > 0);
    QCOMPARE(int(bytes.at(jfif + 7)), 1);
    QCOMPARE(qFromBigEndian<quint16>(bytes.constData() + jfif + 8), quint16(dpi));
    QCOMPARE(qFromBigEndian<quint16>(bytes.constData() + jfif + 10), quint16(dpi));
}

void tst_Pipeline::memoryPolicy_data()
{
    QTest::addColumn<int>("gibibytes"); // of the machine
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("opacity");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("fits");

    QTest::newRow("100 MP photo to JPEG on 4 GiB")
        << 4 << "jpeg" << 12000 << 8400 << false << 0 << true;
    QTest::newRow("100 MP photo to PNG on 4 GiB")
        << 4 << "png" << 12000 << 8400 << false << 0 << true;
    QTest::newRow("100 MP cut-out flattened to JPEG on 4 GiB")
        << 4 << "jpeg" << 12000 << 8400 << true << 0 << true;
    QTest::newRow("100 MP photo to JPEG 2000 on 4 GiB")
        << 4 << "jp2" << 12000 << 8400 << false << 0 << true;
    QTest::newRow("300 MP photo to JPEG 2000 is too much for 4 GiB")
        << 4 << "jp2" << 20000 << 15000 << false << 0 << false;
    QTest::newRow("JPEG header claiming 22500x33300 on 4 GiB")
        << 4 << "jpeg" << 22500 << 33300 << false << 0 << false;
    QTest::newRow("12 MP photo shrunk to a tenth on 1 GiB")
        << 1 << "jpeg" << 4000 << 3000 << false << -10 << true;
    QTest::newRow("12 MP photo scaled up ten times is too much for 16 GiB")
        << 16 << "jpeg" << 4000 << 3000 << false << 10 << false;
}

void tst_Pipeline::memoryPolicy()
{
    QFETCH(int, gibibytes);
    QFETCH(QString, format);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(bool, opacity);
    QFETCH(int, scale);
    QFETCH(bool, fits);
    ConversionSettings s = defaults();
    s.format = format;
    s.resizeEnabled = scale != 0;
    s.resizeProportion = scale;
    const quint64 needed = ImagePipeline::peakBytes(
        quint64(columns), quint64(rows), ResourceLimits::libraryDecodeBytes, opacity, s);
    const quint64 budget = ResourceLimits::budgetFor(quint64(gibibytes) << 30);
    QVERIFY2((needed <= budget) == fits,
        qPrintable(QString("%1 MiB needed, %2 MiB budget").arg(needed >> 20).arg(budget >> 20)));
}

void tst_Pipeline::conversionWaitsForMemoryHeldByAnother()
{
    // Each needs two thirds of the budget: the second waits for the first to finish instead
    // of failing, and then goes ahead.
    const auto restore = qScopeGuard([] { ResourceLimits::setMemoryBudget(quint64(1) << 30); });
    ResourceLimits::setMemoryBudget(quint64(3) << 20);
    const auto estimate
        = [](quint64 columns, quint64 rows, quint64, bool) { return columns * rows * 8; };
    std::atomic<bool> secondHeld(false);
    QString secondError;
    struct Joined
    {
        std::thread thread;
        ~Joined()
        {
            if (thread.joinable())
                thread.join();
        }
    } second;
    {
        ResourceLimits::Reservation first("JPEG", estimate);
        ResourceLimits::checkImageSize(512, 512);
        QCOMPARE(ResourceLimits::reservedBytes(), quint64(2) << 20);
        second.thread = std::thread([&] {
            try {
                ResourceLimits::Reservation reservation("JPEG", estimate);
                ResourceLimits::checkImageSize(512, 512);
                secondHeld = true;
            } catch (std::exception &e) {
                secondError = QString::fromLocal8Bit(e.what());
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(ResourceLimits::waitingCount(), 1, 20000);
        QVERIFY(!secondHeld);
    }
    second.thread.join();
    QCOMPARE(secondError, QString());
    QVERIFY(secondHeld);
    QCOMPARE(ResourceLimits::reservedBytes(), quint64(0));
}

void tst_Pipeline::unwritableOutputKeepsNoPartialFile()
{
    const QString input = dir->filePath("in.png");
    save(pattern(16, 16), input, "PNG");
    // A file used as a folder cannot be written into, even by root.
    QVERIFY(TestSupport::writeFile(dir->filePath("file"), "x"));
    const QString output = dir->filePath("file/out.jpg");
    const FileResult result = convert(input, defaults(), output);
    QCOMPARE(int(result.status), int(FileResult::WriteFailed));
    QVERIFY2(result.error().startsWith(QDir::toNativeSeparators(output) + ": "),
        qPrintable(result.error()));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        QStringList({ "file", "in.png" }));
}

QTEST_GUILESS_MAIN(tst_Pipeline)
#include "tst_pipeline.moc"
