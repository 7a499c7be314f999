#include "tgacoder.h"

#include <QBuffer>
#include <QImage>
#include <QThread>
#include <QtTest>

#include <Magick++.h>

namespace {

enum Origin : char {
    BottomLeft = 0x08,
    TopLeft = 0x28,
    BottomRight = 0x18,
    TopRight = 0x38,
};

// Descriptor bits 0x08 say "8 alpha bits"; the origin bits ride on top.
QByteArray header(int imageType, int width, int height, char descriptor, int pixelBits = 16,
    const QByteArray &id = QByteArray(), int colourMapType = 0, int mapLength = 0,
    int mapEntryBits = 0)
{
    QByteArray bytes;
    bytes.append(char(id.size()));
    bytes.append(char(colourMapType));
    bytes.append(char(imageType));
    bytes.append(2, '\0'); // first map entry
    bytes.append(char(mapLength & 0xff));
    bytes.append(char(mapLength >> 8));
    bytes.append(char(mapEntryBits));
    bytes.append(4, '\0'); // x and y origin on screen, unused
    bytes.append(char(width & 0xff));
    bytes.append(char(width >> 8));
    bytes.append(char(height & 0xff));
    bytes.append(char(height >> 8));
    bytes.append(char(pixelBits));
    bytes.append(descriptor);
    bytes.append(id);
    return bytes;
}

// Pixels as (grey, alpha) pairs, the top-left one first: what a viewer would show. Neighbours
// repeat in twos and threes, so packed files get short runs between literal stretches.
QByteArray greyAlphaGrid(int width, int height, int salt)
{
    QByteArray grid;
    const char alphas[] = { char(255), char(0), char(128), char(1), char(254), char(77) };
    for (int i = 0; i < width * height; ++i) {
        const int k = i * 2 / 5;
        grid.append(char((k * 53 + salt * 31 + 7) & 0xff));
        grid.append(alphas[(k + salt) % 6]);
    }
    return grid;
}

// The same pixels in the order the file stores them for the given corner.
QByteArray fileOrder(const QByteArray &grid, int width, int height, char origin)
{
    const bool topDown = origin & 0x20;
    const bool rightToLeft = origin & 0x10;
    QByteArray stream;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int column = 0; column < width; ++column) {
            const int x = rightToLeft ? width - 1 - column : column;
            stream.append(grid.mid((y * width + x) * 2, 2));
        }
    }
    return stream;
}

// A greedy packer over the whole pixel stream, blind to scan lines, so runs of equal pixels
// cross from one line into the next whenever the picture has them.
QByteArray runLengthPack(const QByteArray &stream)
{
    const int count = stream.size() / 2;
    const auto pixel = [&](int i) { return stream.mid(i * 2, 2); };
    QByteArray packed;
    int i = 0;
    while (i < count) {
        int run = 1;
        while (i + run < count && run < 128 && pixel(i + run) == pixel(i))
            ++run;
        if (run > 1) {
            packed.append(char(0x80 | (run - 1)));
            packed.append(pixel(i));
            i += run;
            continue;
        }
        int literal = 1;
        while (i + literal < count && literal < 128
            && (i + literal + 1 >= count || pixel(i + literal) != pixel(i + literal + 1)))
            ++literal;
        packed.append(char(literal - 1));
        packed.append(stream.mid(i * 2, literal * 2));
        i += literal;
    }
    return packed;
}

QByteArray pairs(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

// Reads the library's own pixel store and, separately, what Magick++ reports per pixel, since
// later stages use both.
QString pixelMismatch(const Magick::Image &image, int width, int height, const QByteArray &grid)
{
    if (int(image.columns()) != width || int(image.rows()) != height)
        return QStringLiteral("size %1x%2").arg(image.columns()).arg(image.rows());
    const Magick::PixelPacket *stored = image.getConstPixels(0, 0, width, height);
    if (!stored)
        return QStringLiteral("no pixels");
    for (int i = 0; i < width * height; ++i) {
        const int x = i % width;
        const int y = i / width;
        const int grey = quint8(grid.at(i * 2)) * 257;
        const int opacity = (255 - quint8(grid.at(i * 2 + 1))) * 257;
        const Magick::PixelPacket &p = stored[i];
        const Magick::Color c = image.pixelColor(unsigned(x), unsigned(y));
        if (p.red != grey || p.green != grey || p.blue != grey || p.opacity != opacity
            || c.redQuantum() != grey || c.alphaQuantum() != opacity) {
            return QStringLiteral("pixel (%1,%2): stored %3/%4/%5 opacity %6, reported %7 opacity "
                                  "%8, want %9 opacity %10")
                .arg(x)
                .arg(y)
                .arg(p.red)
                .arg(p.green)
                .arg(p.blue)
                .arg(p.opacity)
                .arg(c.redQuantum())
                .arg(c.alphaQuantum())
                .arg(grey)
                .arg(opacity);
        }
    }
    return QString();
}

} // namespace

class tst_TgaCoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodesEveryPixel_data();
    void decodesEveryPixel();
    void recognisesHeaders_data();
    void recognisesHeaders();
    void refusesBrokenFiles_data();
    void refusesBrokenFiles();
    void libraryRefusesGreyAlpha();
    void decodesOnWorkerThreads();
};

void tst_TgaCoder::initTestCase()
{
    Magick::InitializeMagick(nullptr);
}

void tst_TgaCoder::decodesEveryPixel_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("grid");

    const struct
    {
        Origin origin;
        const char *name;
    } corners[] = { { BottomLeft, "bottom-up" }, { TopLeft, "top-down" },
        { BottomRight, "bottom-up right-to-left" }, { TopRight, "top-down right-to-left" } };
    const QSize sizes[] = { { 5, 3 }, { 1, 1 }, { 8, 2 } };
    int salt = 0;
    for (const bool runLength : { false, true }) {
        for (const auto &corner : corners) {
            for (const QSize size : sizes) {
                const int w = size.width();
                const int h = size.height();
                const QByteArray grid = greyAlphaGrid(w, h, ++salt);
                const QByteArray stream = fileOrder(grid, w, h, corner.origin);
                const QByteArray bytes = header(runLength ? 11 : 3, w, h, corner.origin)
                    + (runLength ? runLengthPack(stream) : stream);
                QTest::addRow("%s %s %dx%d", runLength ? "run-length" : "raw", corner.name, w, h)
                    << bytes << w << h << grid;
            }
        }
    }

    // Written out by hand so that the reference does not depend on the helpers above.
    QTest::newRow("raw 2x2 bottom-up, hand-written")
        << header(3, 2, 2, BottomLeft) + pairs({ 30, 255, 40, 0, 10, 128, 20, 1 }) << 2 << 2
        << pairs({ 10, 128, 20, 1, 30, 255, 40, 0 });
    QTest::newRow("raw 2x2 top-down right-to-left, hand-written")
        << header(3, 2, 2, TopRight) + pairs({ 20, 1, 10, 128, 40, 0, 30, 255 }) << 2 << 2
        << pairs({ 10, 128, 20, 1, 30, 255, 40, 0 });
    QTest::newRow("run of four crossing from the first line into the second")
        << header(11, 3, 2, TopLeft) + pairs({ 0x83, 50, 200, 0x01, 60, 0, 70, 255 }) << 3 << 2
        << pairs({ 50, 200, 50, 200, 50, 200, 50, 200, 60, 0, 70, 255 });
    QTest::newRow("run crossing lines in a bottom-up file")
        << header(11, 3, 2, BottomLeft) + pairs({ 0x00, 9, 99, 0x84, 250, 3 }) << 3 << 2
        << pairs({ 250, 3, 250, 3, 250, 3, 9, 99, 250, 3, 250, 3 });
    QTest::newRow("literal packet of five spanning two lines")
        << header(11, 3, 2, TopLeft) + pairs({ 0x04, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x80, 11, 12 })
        << 3 << 2 << pairs({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 });
    QTest::newRow("one run filling a 5x3 image") << header(11, 5, 3, BottomRight)
            + pairs({ 0x8e, 128, 64 }) << 5 << 3 << pairs({ 128, 64 }).repeated(15);
    {
        // Equal pixels across the ends of lines, found by the packer.
        QByteArray grid;
        for (int i = 0; i < 7 * 5; ++i)
            grid += pairs({ (i / 9) * 40, i < 20 ? 255 : 33 });
        QTest::newRow("packed runs that cross several lines")
            << header(11, 7, 5, TopLeft) + runLengthPack(fileOrder(grid, 7, 5, TopLeft)) << 7 << 5
            << grid;
    }
    {
        const QByteArray grid = greyAlphaGrid(4, 3, 40);
        const QByteArray stream = fileOrder(grid, 4, 3, BottomLeft);
        QTest::newRow("raw with an image id")
            << header(3, 4, 3, BottomLeft, 16, "made by hand") + stream << 4 << 3 << grid;
        QTest::newRow("run-length with an image id")
            << header(11, 4, 3, BottomLeft, 16, QByteArray(255, 'x')) + runLengthPack(stream) << 4
            << 3 << grid;
        QTest::newRow("with an unused colour map to step over")
            << header(3, 4, 3, BottomLeft, 16, "id", 1, 3, 24) + QByteArray(9, '\x5a') + stream << 4
            << 3 << grid;
        QTest::newRow("with extension area and footer after the pixels")
            << header(11, 4, 3, BottomLeft) + runLengthPack(stream) + QByteArray(8, '\0')
                + QByteArray("TRUEVISION-XFILE.\0", 18)
            << 4 << 3 << grid;
    }
}

void tst_TgaCoder::decodesEveryPixel()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, grid);

    QVERIFY(TgaCoder::isGreyAlphaTarga(bytes));
    const Magick::Image image = TgaCoder::decode(bytes);
    QVERIFY(image.matte());
    QCOMPARE(int(image.depth()), 8);
    QCOMPARE(image.type(), Magick::GrayscaleMatteType);
    const QString mismatch = pixelMismatch(image, width, height, grid);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_TgaCoder::recognisesHeaders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("greyAlpha");

    const QByteArray body(64, '\x11');
    QTest::newRow("raw grey with alpha") << header(3, 4, 4, BottomLeft) + body << true;
    QTest::newRow("run-length grey with alpha") << header(11, 4, 4, TopLeft) + body << true;
    QTest::newRow("grey with alpha and a colour map")
        << header(3, 4, 4, TopLeft, 16, "", 1, 2, 8) + body << true;
    QTest::newRow("header alone, no pixels yet") << header(3, 4, 4, BottomLeft) << true;

    QTest::newRow("24-bit colour") << header(2, 4, 4, 0x00, 24) + body << false;
    QTest::newRow("32-bit colour with alpha") << header(2, 4, 4, 0x08, 32) + body << false;
    QTest::newRow("8-bit grey") << header(3, 4, 4, 0x00, 8) + body << false;
    QTest::newRow("8-bit run-length grey") << header(11, 4, 4, 0x20, 8) + body << false;
    QTest::newRow("16-bit grey without alpha bits") << header(3, 4, 4, 0x20) + body << false;
    QTest::newRow("palette image of 16 bits")
        << header(1, 4, 4, 0x08, 16, "", 1, 2, 24) + body << false;
    QTest::newRow("zero width") << header(3, 0, 4, BottomLeft) + body << false;
    QTest::newRow("zero height") << header(11, 4, 0, BottomLeft) + body << false;
    QTest::newRow("unknown colour map type")
        << header(3, 4, 4, BottomLeft, 16, "", 2) + body << false;
    {
        // A real file of another format, grey with alpha as well.
        QImage picture(4, 4, QImage::Format_ARGB32);
        picture.fill(qRgba(90, 90, 90, 128));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&png, "PNG"));
        QTest::newRow("PNG bytes") << png.data() << false;
    }
    QTest::newRow("header cut at 17 bytes") << header(3, 4, 4, BottomLeft).left(17) << false;
    QTest::newRow("no bytes") << QByteArray() << false;
}

void tst_TgaCoder::recognisesHeaders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, greyAlpha);

    QCOMPARE(TgaCoder::isGreyAlphaTarga(bytes), greyAlpha);
    // Anything else is refused outright rather than guessed at.
    if (!greyAlpha)
        QVERIFY_EXCEPTION_THROWN(TgaCoder::decode(bytes), Magick::ErrorCorruptImage);
}

void tst_TgaCoder::refusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray grid = greyAlphaGrid(5, 3, 9);
    const QByteArray raw = header(3, 5, 3, BottomLeft, 16, "abc") + fileOrder(grid, 5, 3, 0x08);
    const QByteArray packed
        = header(11, 5, 3, TopLeft, 16, "abc") + runLengthPack(fileOrder(grid, 5, 3, TopLeft));
    for (const int length : { 0, 10, 17, 18, 20, 21, 30, raw.size() - 1 })
        QTest::addRow("raw cut at %d of %d bytes", length, int(raw.size())) << raw.left(length);
    for (const int length : { 19, 21, 22, 24, 25, packed.size() - 2, packed.size() - 1 })
        QTest::addRow("run-length cut at %d of %d bytes", length, int(packed.size()))
            << packed.left(length);

    QTest::newRow("run packet of 16 pixels in a 5x3 image")
        << header(11, 5, 3, TopLeft) + pairs({ 0x8f, 1, 2 });
    QTest::newRow("literal packet running past the last pixel")
        << header(11, 2, 2, TopLeft) + pairs({ 0x81, 1, 2, 0x02, 3, 4, 5, 6, 7, 8 });
    QTest::newRow("65535x65535 raw with a tiny body")
        << header(3, 65535, 65535, BottomLeft) + QByteArray(40, '\x7f');
    QTest::newRow("65535x65535 run-length with a tiny body")
        << header(11, 65535, 65535, BottomLeft) + pairs({ 0xff, 1, 2, 0xff, 1, 2 });
    QTest::newRow("65535x1 raw with a tiny body")
        << header(3, 65535, 1, TopLeft) + QByteArray(100, '\x7f');
    QTest::newRow("20000x20000 run-length with a few packets")
        << header(11, 20000, 20000, TopLeft) + QByteArray(300, '\xff');
    {
        QByteArray longId = header(3, 1, 1, TopLeft) + pairs({ 1, 2 });
        longId[0] = char(200);
        QTest::newRow("image id longer than the file") << longId;
    }
    QTest::newRow("colour map longer than the file")
        << header(3, 1, 1, TopLeft, 16, "", 1, 60000, 32) + pairs({ 1, 2 });
}

void tst_TgaCoder::refusesBrokenFiles()
{
    QFETCH(QByteArray, bytes);

    try {
        TgaCoder::decode(bytes);
        QFAIL("decoded without complaint");
    } catch (const Magick::ErrorCorruptImage &error) {
        QVERIFY2(QByteArray(error.what()).contains("TGA: "), error.what());
    }
}

void tst_TgaCoder::libraryRefusesGreyAlpha()
{
    const QByteArray grid = greyAlphaGrid(3, 2, 5);
    const QByteArray bytes = header(3, 3, 2, TopLeft) + fileOrder(grid, 3, 2, TopLeft);

    // Why this coder exists: the library turns valid files of this kind away.
    Magick::Image image;
    QVERIFY_EXCEPTION_THROWN(image.read(Magick::Blob(bytes.constData(), size_t(bytes.size())),
                                 Magick::Geometry(), "TGA"),
        Magick::Error);

    const QString mismatch = pixelMismatch(TgaCoder::decode(bytes), 3, 2, grid);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_TgaCoder::decodesOnWorkerThreads()
{
    const QByteArray grid = greyAlphaGrid(64, 48, 3);
    const QByteArray raw = header(3, 64, 48, BottomRight) + fileOrder(grid, 64, 48, BottomRight);
    const QByteArray packed
        = header(11, 64, 48, TopLeft) + runLengthPack(fileOrder(grid, 64, 48, TopLeft));

    QString mismatches[2] = { QStringLiteral("not run"), QStringLiteral("not run") };
    QThread *workers[2];
    for (int i = 0; i < 2; ++i) {
        const QByteArray bytes = i ? packed : raw;
        QString *mismatch = &mismatches[i];
        workers[i] = QThread::create([bytes, mismatch, &grid] {
            try {
                QString found;
                for (int round = 0; round < 20 && found.isEmpty(); ++round)
                    found = pixelMismatch(TgaCoder::decode(bytes), 64, 48, grid);
                *mismatch = found;
            } catch (const Magick::Exception &error) {
                *mismatch = QString::fromLocal8Bit(error.what());
            }
        });
        workers[i]->start();
    }
    for (QThread *worker : workers) {
        QVERIFY(worker->wait(120000));
        delete worker;
    }
    QVERIFY2(mismatches[0].isEmpty(), qPrintable(mismatches[0]));
    QVERIFY2(mismatches[1].isEmpty(), qPrintable(mismatches[1]));
}

QTEST_GUILESS_MAIN(tst_TgaCoder)
#include "tst_tgacoder.moc"
