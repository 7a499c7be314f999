#include "qtimagebridge.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#include <Magick++.h>

#include "resourcelimits.h"

namespace {

// Expected pixels are kept as straight (not premultiplied) 16-bit RGBA in an RGBA64 image that
// the test fills word by word, so no Qt conversion sits between the source and the reference.
QImage expectedImage(int width, int height)
{
    return QImage(width, height, QImage::Format_RGBA64);
}

void setExpected(QImage &expected, int x, int y, quint16 r, quint16 g, quint16 b, quint16 a)
{
    reinterpret_cast<QRgba64 *>(expected.scanLine(y))[x] = qRgba64(r, g, b, a);
}

void setExpected8(QImage &expected, int x, int y, int r, int g, int b, int a = 255)
{
    setExpected(
        expected, x, y, quint16(r * 257), quint16(g * 257), quint16(b * 257), quint16(a * 257));
}

// Compares every pixel of the library image with the reference; the library stores opacity
// (0 = opaque), the reference alpha.
QString pixelMismatch(const Magick::Image &image, const QImage &expected)
{
    if (int(image.columns()) != expected.width() || int(image.rows()) != expected.height())
        return QStringLiteral("size %1x%2").arg(image.columns()).arg(image.rows());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgba64 want = reinterpret_cast<const QRgba64 *>(expected.constScanLine(y))[x];
            const Magick::Color got = image.pixelColor(unsigned(x), unsigned(y));
            const int gotAlpha = 65535 - int(image.matte() ? got.alphaQuantum() : 0);
            if (got.redQuantum() != want.red() || got.greenQuantum() != want.green()
                || got.blueQuantum() != want.blue() || gotAlpha != want.alpha()) {
                return QStringLiteral("pixel (%1,%2): got %3/%4/%5/%6, want %7/%8/%9/%10")
                    .arg(x)
                    .arg(y)
                    .arg(got.redQuantum())
                    .arg(got.greenQuantum())
                    .arg(got.blueQuantum())
                    .arg(gotAlpha)
                    .arg(want.red())
                    .arg(want.green())
                    .arg(want.blue())
                    .arg(want.alpha());
            }
        }
    }
    return QString();
}

void appendBig16(QByteArray &bytes, quint16 value)
{
    char buffer[2];
    qToBigEndian(value, buffer);
    bytes.append(buffer, 2);
}

void appendBig32(QByteArray &bytes, quint32 value)
{
    char buffer[4];
    qToBigEndian(value, buffer);
    bytes.append(buffer, 4);
}

quint16 psdSample(int channel, int x, int y, int depth)
{
    if (depth == 8)
        return quint16((channel * 67 + x * 29 + y * 53 + 11) & 0xff);
    return quint16((channel * 16411 + x * 4099 + y * 8209 + 7) & 0xffff);
}

// A flat RGB document with no resources and no layers: header, three empty sections, then
// raw planar channels, one full plane per channel.
QByteArray makePsd(int width, int height, int channels, int depth, QImage *expected)
{
    QByteArray bytes("8BPS");
    appendBig16(bytes, 1);
    bytes.append(6, '\0');
    appendBig16(bytes, quint16(channels));
    appendBig32(bytes, quint32(height));
    appendBig32(bytes, quint32(width));
    appendBig16(bytes, quint16(depth));
    appendBig16(bytes, 3);
    appendBig32(bytes, 0);
    appendBig32(bytes, 0);
    appendBig32(bytes, 0);
    appendBig16(bytes, 0);
    for (int channel = 0; channel < channels; ++channel) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const quint16 sample = psdSample(channel, x, y, depth);
                if (depth == 8)
                    bytes.append(char(sample));
                else
                    appendBig16(bytes, sample);
            }
        }
    }

    *expected = expectedImage(width, height);
    const int scale = depth == 8 ? 257 : 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const quint16 alpha = channels == 4 ? psdSample(3, x, y, depth) * scale : 65535;
            setExpected(*expected, x, y, psdSample(0, x, y, depth) * scale,
                psdSample(1, x, y, depth) * scale, psdSample(2, x, y, depth) * scale, alpha);
        }
    }
    return bytes;
}

// Grey plus an 8-bit alpha, 16 bits a pixel, top-left origin; image type 11 packs the pixels in
// run-length packets, type 3 stores them plainly.
QByteArray makeGreyAlphaTga(bool runLength, QImage *expected)
{
    QByteArray bytes;
    bytes.append(char(0)); // no image id
    bytes.append(char(0)); // no colour map
    bytes.append(char(runLength ? 11 : 3));
    bytes.append(5, '\0'); // colour map description
    bytes.append(4, '\0'); // origin
    bytes.append("\x03\x00\x02\x00", 4); // 3 x 2
    bytes.append(char(16));
    bytes.append(char(0x28)); // top-left origin, 8 alpha bits

    const int pixels[6][2]
        = { { 100, 200 }, { 100, 200 }, { 50, 0 }, { 10, 255 }, { 20, 128 }, { 30, 1 } };
    if (runLength) {
        bytes.append("\x81\x64\xc8", 3); // two copies of grey 100, alpha 200
        bytes.append("\x00\x32\x00", 3); // one literal pixel
        bytes.append("\x02\x0a\xff\x14\x80\x1e\x01", 7); // three literal pixels
    } else {
        for (const auto &pixel : pixels) {
            bytes.append(char(pixel[0]));
            bytes.append(char(pixel[1]));
        }
    }

    *expected = expectedImage(3, 2);
    for (int i = 0; i < 6; ++i)
        setExpected8(
            *expected, i % 3, i / 3, pixels[i][0], pixels[i][0], pixels[i][0], pixels[i][1]);
    return bytes;
}

bool magickDecodes(const QByteArray &bytes, const std::string &format = std::string())
{
    try {
        Magick::Image image;
        const Magick::Blob blob(bytes.constData(), size_t(bytes.size()));
        if (format.empty())
            image.read(blob);
        else
            image.read(blob, Magick::Geometry(), format);
        return image.columns() > 0;
    } catch (const Magick::Exception &) {
        return false;
    }
}

bool isGreyType(const Magick::Image &image)
{
    return image.type() == Magick::GrayscaleType || image.type() == Magick::GrayscaleMatteType;
}

} // namespace

class tst_QtImageBridge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsEveryPixel_data();
    void convertsEveryPixel();
    void carriesResolution();
    void carriesIccProfile();
    void refusesNullImage();
    void decodesPsdMagickCannot_data();
    void decodesPsdMagickCannot();
    void decodesOnWorkerThread();
    void leavesOrientationAlone();
    void greyAlphaTga_data();
    void greyAlphaTga();
    void reportsUndecodableBytes_data();
    void reportsUndecodableBytes();
    void refusesHugeSizesThePluginCannotTell_data();
    void refusesHugeSizesThePluginCannotTell();
};

void tst_QtImageBridge::initTestCase()
{
    Magick::InitializeMagick(
        nullptr); // What is refused as too large must not depend on the memory of the machine.
    ResourceLimits::setMemoryBudget(quint64(1) << 30);
    ResourceLimits::apply();
}

void tst_QtImageBridge::convertsEveryPixel_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<bool>("matte");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("grey");

    // Sizes are odd so that the 32-bit row padding of the narrow formats shows up.
    const int w = 7;
    const int h = 3;
    const auto value = [](int x, int y, int salt) { return (x * 37 + y * 91 + salt * 53) & 0xff; };
    const auto wide = [](int x, int y, int salt) {
        return quint16((x * 9103 + y * 20011 + salt * 4099 + 1) & 0xffff);
    };
    const int alphas[] = { 0, 1, 127, 128, 254, 255, 64 };

    {
        QImage source(w, h, QImage::Format_ARGB32);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int a = alphas[(x + y) % 7];
                source.setPixel(x, y, qRgba(value(x, y, 0), value(x, y, 1), value(x, y, 2), a));
                setExpected8(expected, x, y, value(x, y, 0), value(x, y, 1), value(x, y, 2), a);
            }
        }
        QTest::newRow("ARGB32 with alpha from clear to opaque")
            << source << expected << true << 8 << false;
    }
    {
        // Colours are multiples of 15 and alphas divide 255, so dividing the alpha back out is
        // exact and the straight colour is known without asking Qt.
        const int premultipliedAlphas[] = { 51, 85, 255, 0 };
        QImage source(w, h, QImage::Format_ARGB32_Premultiplied);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int a = premultipliedAlphas[(x + y) % 4];
                const int r = a ? (x * 15 + 30) % 255 : 0;
                const int g = a ? (y * 60 + 15) % 255 : 0;
                const int b = a ? 255 - x * 15 : 0;
                source.setPixel(x, y, qRgba(r * a / 255, g * a / 255, b * a / 255, a));
                setExpected8(expected, x, y, r, g, b, a);
            }
        }
        QTest::newRow("premultiplied ARGB32 with half-transparent pixels")
            << source << expected << true << 8 << false;
    }
    for (const QImage::Format format : { QImage::Format_RGB32, QImage::Format_RGB888 }) {
        QImage source(w, h, format);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                source.setPixel(x, y, qRgb(value(x, y, 3), value(x, y, 4), value(x, y, 5)));
                setExpected8(expected, x, y, value(x, y, 3), value(x, y, 4), value(x, y, 5));
            }
        }
        QTest::newRow(format == QImage::Format_RGB32 ? "opaque RGB32" : "opaque RGB888")
            << source << expected << false << 8 << false;
    }
    {
        QImage source(w, h, QImage::Format_Grayscale8);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                source.scanLine(y)[x] = uchar(value(x, y, 6));
                setExpected8(expected, x, y, value(x, y, 6), value(x, y, 6), value(x, y, 6));
            }
        }
        QTest::newRow("8-bit grey stays grey") << source << expected << false << 8 << true;
    }
    {
        QImage source(w, h, QImage::Format_Grayscale16);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const quint16 v = wide(x, y, 7);
                reinterpret_cast<quint16 *>(source.scanLine(y))[x] = v;
                setExpected(expected, x, y, v, v, v, 65535);
            }
        }
        QTest::newRow("16-bit grey keeps every level") << source << expected << false << 16 << true;
    }
    for (const QImage::Format format : { QImage::Format_RGBA64, QImage::Format_RGBX64 }) {
        const bool alpha = format == QImage::Format_RGBA64;
        QImage source(w, h, format);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const quint16 a = alpha ? wide(x, y, 11) : 65535;
                reinterpret_cast<QRgba64 *>(source.scanLine(y))[x]
                    = qRgba64(wide(x, y, 8), wide(x, y, 9), wide(x, y, 10), a);
                setExpected(expected, x, y, wide(x, y, 8), wide(x, y, 9), wide(x, y, 10), a);
            }
        }
        QTest::newRow(alpha ? "16-bit RGBA keeps every level" : "16-bit RGBX keeps every level")
            << source << expected << alpha << 16 << false;
    }
    {
        // 13107 is a fifth of full scale, so straight samples that are multiples of 5 divide out
        // exactly.
        QImage source(w, h, QImage::Format_RGBA64_Premultiplied);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const quint16 a = (x + y) % 2 ? 13107 : 65535;
                const quint16 r = quint16(x * 5005 + 5);
                const quint16 g = quint16(y * 20000 + 15);
                const quint16 b = quint16(65535 - x * 35);
                const quint16 factor = a == 65535 ? 1 : 5;
                reinterpret_cast<QRgba64 *>(source.scanLine(y))[x]
                    = qRgba64(r / factor, g / factor, b / factor, a);
                setExpected(expected, x, y, r, g, b, a);
            }
        }
        QTest::newRow("premultiplied 16-bit RGBA") << source << expected << true << 16 << false;
    }
    {
        // Ten-bit samples widen by bit replication, the way Qt reads them itself.
        QImage source(w, h, QImage::Format_RGB30);
        QImage expected = expectedImage(w, h);
        const auto widen = [](quint32 v) { return quint16((v << 6) | (v >> 4)); };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const quint32 r = quint32(x * 141 + 3) & 0x3ff;
                const quint32 g = quint32(y * 333 + 5) & 0x3ff;
                const quint32 b = quint32(x * y * 97 + 1) & 0x3ff;
                reinterpret_cast<quint32 *>(source.scanLine(y))[x]
                    = 0xc0000000u | (r << 20) | (g << 10) | b;
                setExpected(expected, x, y, widen(r), widen(g), widen(b), 65535);
            }
        }
        QTest::newRow("10-bit RGB30 keeps its extra bits")
            << source << expected << false << 16 << false;
    }
    for (const bool transparentEntry : { false, true }) {
        const QVector<QRgb> table { qRgb(200, 10, 30), qRgb(5, 250, 90), qRgb(60, 60, 200),
            transparentEntry ? qRgba(7, 8, 9, 0) : qRgb(255, 255, 0),
            transparentEntry ? qRgba(120, 40, 70, 99) : qRgb(0, 0, 0) };
        QImage source(w, h, QImage::Format_Indexed8);
        source.setColorTable(table);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int index = (x + 2 * y) % table.size();
                source.setPixel(x, y, uint(index));
                const QRgb c = table.at(index);
                setExpected8(expected, x, y, qRed(c), qGreen(c), qBlue(c), qAlpha(c));
            }
        }
        QTest::newRow(transparentEntry ? "palette with transparent entries" : "opaque palette")
            << source << expected << transparentEntry << 8 << false;
    }
    {
        const QVector<QRgb> table { qRgb(200, 10, 30), qRgb(5, 250, 90) };
        QImage source(w, h, QImage::Format_Mono);
        source.setColorTable(table);
        QImage expected = expectedImage(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int index = (x * 3 + y) % 2;
                source.setPixel(x, y, uint(index));
                const QRgb c = table.at(index);
                setExpected8(expected, x, y, qRed(c), qGreen(c), qBlue(c));
            }
        }
        QTest::newRow("one-bit image with a coloured palette")
            << source << expected << false << 8 << false;
    }
}

void tst_QtImageBridge::convertsEveryPixel()
{
    QFETCH(QImage, source);
    QFETCH(QImage, expected);
    QFETCH(bool, matte);
    QFETCH(int, depth);
    QFETCH(bool, grey);

    const Magick::Image image = QtImageBridge::toMagick(source);
    QCOMPARE(image.matte(), matte);
    QCOMPARE(int(image.depth()), depth);
    QCOMPARE(isGreyType(image), grey);
    const QString mismatch = pixelMismatch(image, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_QtImageBridge::carriesResolution()
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    source.setDotsPerMeterX(5906); // 150 dpi
    source.setDotsPerMeterY(3937); // 100 dpi
    const Magick::Image image = QtImageBridge::toMagick(source);
    QCOMPARE(image.resolutionUnits(), Magick::PixelsPerInchResolution);
    QVERIFY(qAbs(image.xResolution() - 150.0) < 0.05);
    QVERIFY(qAbs(image.yResolution() - 100.0) < 0.05);

    // A QImage that no plug-in gave a resolution must not invent one in the output.
    QImage plain(4, 4, QImage::Format_RGB32);
    plain.fill(Qt::darkCyan);
    const Magick::Image unset = QtImageBridge::toMagick(plain);
    QCOMPARE(unset.resolutionUnits(), Magick::UndefinedResolution);
    QCOMPARE(unset.xResolution(), 0.0);
}

void tst_QtImageBridge::carriesIccProfile()
{
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(Qt::yellow);
    const Magick::Image untagged = QtImageBridge::toMagick(source);
    QCOMPARE(int(untagged.iccColorProfile().length()), 0);

    source.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const QByteArray icc = source.colorSpace().iccProfile();
    QVERIFY(!icc.isEmpty());
    const Magick::Blob profile = QtImageBridge::toMagick(source).iccColorProfile();
    const QByteArray carried(static_cast<const char *>(profile.data()), int(profile.length()));
    QCOMPARE(carried, icc);
    QCOMPARE(QColorSpace::fromIccProfile(carried), QColorSpace(QColorSpace::DisplayP3));
}

void tst_QtImageBridge::refusesNullImage()
{
    QVERIFY_EXCEPTION_THROWN(QtImageBridge::toMagick(QImage()), Magick::ErrorCorruptImage);
}

void tst_QtImageBridge::decodesPsdMagickCannot_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("depth");

    QTest::newRow("8-bit RGB") << 3 << 8;
    QTest::newRow("8-bit RGB with alpha channel") << 4 << 8;
    QTest::newRow("16-bit RGB") << 3 << 16;
    QTest::newRow("16-bit RGB with alpha channel") << 4 << 16;
}

void tst_QtImageBridge::decodesPsdMagickCannot()
{
    QFETCH(int, channels);
    QFETCH(int, depth);

    QImage expected;
    const QByteArray bytes = makePsd(5, 3, channels, depth, &expected);

    // The reason for the detour: the library has no decoder for these bytes at all.
    QVERIFY(!magickDecodes(bytes));
    QVERIFY(!magickDecodes(bytes, "PSD"));

    QString error = QStringLiteral("left over");
    const QImage decoded = QtImageBridge::read(bytes, "psd", &error);
    QVERIFY2(!decoded.isNull(), qPrintable(error));
    QVERIFY(error.isEmpty());

    const Magick::Image image = QtImageBridge::toMagick(decoded);
    // The fourth channel of a flat document is its transparency.
    QCOMPARE(image.matte(), channels == 4);
    QCOMPARE(int(image.depth()), depth);
    const QString mismatch = pixelMismatch(image, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_QtImageBridge::decodesOnWorkerThread()
{
    QImage expected;
    const QByteArray bytes = makePsd(6, 4, 4, 8, &expected);
    QString error;
    QString mismatch = QStringLiteral("worker did not run");
    QThread *worker = QThread::create([&] {
        const QImage decoded = QtImageBridge::read(bytes, "psd", &error);
        if (decoded.isNull()) {
            mismatch = QStringLiteral("not decoded");
            return;
        }
        mismatch = pixelMismatch(QtImageBridge::toMagick(decoded), expected);
    });
    worker->start();
    QVERIFY(worker->wait(60000));
    delete worker;
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch + QLatin1Char(' ') + error));
}

void tst_QtImageBridge::leavesOrientationAlone()
{
    QImage landscape(8, 4, QImage::Format_RGB32);
    landscape.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(QImageWriter(&buffer, "jpeg").write(landscape));
    buffer.close();

    // Orientation 6 (turn right) in a minimal Exif block straight after the start marker.
    QByteArray tiff("MM\x00\x2a\x00\x00\x00\x08", 8);
    appendBig16(tiff, 1);
    appendBig16(tiff, 0x0112);
    appendBig16(tiff, 3);
    appendBig32(tiff, 1);
    appendBig16(tiff, 6);
    appendBig16(tiff, 0);
    appendBig32(tiff, 0);
    QByteArray app1("\xff\xe1", 2);
    appendBig16(app1, quint16(2 + 6 + tiff.size()));
    app1.append("Exif\0\0", 6);
    app1.append(tiff);
    QByteArray bytes = buffer.data();
    bytes.insert(2, app1);

    // The tag really is there: a reader told to obey it turns the picture upright.
    QBuffer check(&bytes);
    check.open(QIODevice::ReadOnly);
    QImageReader obeying(&check);
    obeying.setAutoTransform(true);
    QCOMPARE(obeying.read().size(), QSize(4, 8));

    QString error;
    const QImage decoded = QtImageBridge::read(bytes, "jpeg", &error);
    QVERIFY2(!decoded.isNull(), qPrintable(error));
    QCOMPARE(decoded.size(), QSize(8, 4));
}

void tst_QtImageBridge::greyAlphaTga_data()
{
    QTest::addColumn<bool>("runLength");

    QTest::newRow("run-length grey with alpha") << true;
    QTest::newRow("uncompressed grey with alpha") << false;
}

void tst_QtImageBridge::greyAlphaTga()
{
    QFETCH(bool, runLength);

    QImage expected;
    const QByteArray bytes = makeGreyAlphaTga(runLength, &expected);

    // Named explicitly, because the format has no signature the library could sniff.
    QVERIFY(!magickDecodes(bytes, "TGA"));

    QString error;
    const QImage decoded = QtImageBridge::read(bytes, "tga", &error);
    QVERIFY2(!decoded.isNull(), qPrintable(error));
    const Magick::Image image = QtImageBridge::toMagick(decoded);
    const QString mismatch = pixelMismatch(image, expected);
    QEXPECT_FAIL("",
        "the installed TGA plug-in takes 16-bit grey as 8-bit: each grey/alpha pair becomes two "
        "grey pixels and the alpha is gone, with no error",
        Continue);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_QtImageBridge::reportsUndecodableBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("plain text") << QByteArray("this is not a picture, just some words\n")
                                << QByteArray("psd");
    QTest::newRow("no bytes at all") << QByteArray() << QByteArray("psd");
    QTest::newRow("PNG signature with nothing after it")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) << QByteArray("png");
    QTest::newRow("PSD header cut short")
        << QByteArray("8BPS\x00\x01\x00\x00", 8) << QByteArray("psd");
    // Named as another format, the bytes of a good picture are that format's failure.
    QTest::newRow("PNG handed to the Photoshop reader")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) << QByteArray("psd");
}

void tst_QtImageBridge::reportsUndecodableBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, format);

    QString error;
    const QImage decoded = QtImageBridge::read(bytes, format, &error);
    QVERIFY(decoded.isNull());
    QVERIFY(!error.isEmpty());
    QVERIFY_EXCEPTION_THROWN(QtImageBridge::toMagick(decoded), Magick::ErrorCorruptImage);
}

void appendLittle16(QByteArray &bytes, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

void tst_QtImageBridge::refusesHugeSizesThePluginCannotTell_data()
{
    // Headers of formats whose plug-ins give no size before decoding, each claiming a picture
    // of gigabytes over a few bytes; the side is what the error must name.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("side");

    QByteArray tga("\0\0\x02\0\0\0\0\0\0\0\0\0", 12);
    appendLittle16(tga, 60000);
    appendLittle16(tga, 60000);
    tga.append("\x18\x20", 2);
    QTest::newRow("Targa") << tga + QByteArray(64, '\0') << QByteArray("tga") << 60000;

    QByteArray pcx("\x0a\x05\x01\x08\0\0\0\0", 8);
    appendLittle16(pcx, 59999); // the last column and row, from 0
    appendLittle16(pcx, 59999);
    appendLittle16(pcx, 72);
    appendLittle16(pcx, 72);
    pcx.append(QByteArray(48, '\0')).append("\0\x03", 2);
    appendLittle16(pcx, 60000);
    QTest::newRow("PCX") << pcx + QByteArray(124, '\0') << QByteArray("pcx") << 60000;

    QByteArray sgi;
    for (quint16 field : { 0x01da, 0x0001, 3, 60000, 60000, 3 })
        appendBig16(sgi, field);
    appendBig32(sgi, 0);
    appendBig32(sgi, 255);
    QTest::newRow("SGI") << sgi + QByteArray(560, '\0') << QByteArray("rgb") << 60000;

    QByteArray ras;
    for (quint32 field : { 0x59a66a95u, 30000u, 30000u, 24u, 30000u * 30000u * 3u, 1u, 0u, 0u })
        appendBig32(ras, field);
    QTest::newRow("Sun raster") << ras + QByteArray(64, '\0') << QByteArray("ras") << 30000;
}

void tst_QtImageBridge::refusesHugeSizesThePluginCannotTell()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, format);
    QFETCH(int, side);

    const QString size = QStringLiteral("%1x%1 pixels").arg(side);
    try {
        QtImageBridge::read(bytes, format);
        QFAIL("the header's size was not checked before decoding");
    } catch (Magick::ErrorResourceLimit &e) {
        QVERIFY2(QString::fromLocal8Bit(e.what()).contains(size), e.what());
    }
}

QTEST_GUILESS_MAIN(tst_QtImageBridge)
#include "tst_qtimagebridge.moc"
