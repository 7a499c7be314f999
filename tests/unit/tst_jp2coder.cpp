#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#include <Magick++.h>
#include <openjpeg.h>

#include "jp2coder.h"
#include "resourcelimits.h"
#include "testsupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Fixed-seed noise, so a failing pixel fails the same way on every run.
class Noise
{
public:
    explicit Noise(quint32 seed)
        : m_state(seed * 2654435761u + 12345u)
    {
    }

    quint32 next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

private:
    quint32 m_state;
};

struct CodecDeleter
{
    void operator()(opj_codec_t *codec) const
    {
        opj_destroy_codec(codec);
    }
};
struct StreamDeleter
{
    void operator()(opj_stream_t *stream) const
    {
        opj_stream_destroy(stream);
    }
};
struct ImageDeleter
{
    void operator()(opj_image_t *image) const
    {
        opj_image_destroy(image);
    }
};
using CodecPtr = std::unique_ptr<opj_codec_t, CodecDeleter>;
using StreamPtr = std::unique_ptr<opj_stream_t, StreamDeleter>;
using OpjImage = std::unique_ptr<opj_image_t, ImageDeleter>;

void quiet(const char *, void *)
{
}

void silence(opj_codec_t *codec)
{
    opj_set_info_handler(codec, quiet, nullptr);
    opj_set_warning_handler(codec, quiet, nullptr);
    opj_set_error_handler(codec, quiet, nullptr);
}

OPJ_UINT32 ceilDiv(OPJ_UINT32 value, OPJ_UINT32 divisor)
{
    return (value + divisor - 1) / divisor;
}

struct ComponentShape
{
    OPJ_UINT32 dx = 1;
    OPJ_UINT32 dy = 1;
    OPJ_UINT32 prec = 8;
    bool sgnd = false;
};

// An OpenJPEG image whose area is (x0, y0) to (x0 + width, y0 + height) on the reference grid.
OpjImage makeOpjImage(OPJ_UINT32 x0, OPJ_UINT32 y0, OPJ_UINT32 width, OPJ_UINT32 height,
    const std::vector<ComponentShape> &shapes, OPJ_COLOR_SPACE space)
{
    std::vector<opj_image_cmptparm_t> parameters(shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        opj_image_cmptparm_t &p = parameters[i];
        std::memset(&p, 0, sizeof(p));
        p.dx = shapes[i].dx;
        p.dy = shapes[i].dy;
        p.x0 = ceilDiv(x0, p.dx);
        p.y0 = ceilDiv(y0, p.dy);
        p.w = ceilDiv(x0 + width, p.dx) - p.x0;
        p.h = ceilDiv(y0 + height, p.dy) - p.y0;
        p.prec = shapes[i].prec;
        p.sgnd = shapes[i].sgnd ? 1 : 0;
    }
    OpjImage image(opj_image_create(OPJ_UINT32(shapes.size()), parameters.data(), space));
    image->x0 = x0;
    image->y0 = y0;
    image->x1 = x0 + width;
    image->y1 = y0 + height;
    return image;
}

// The encoder transforms the samples in place, so tests keep their own copy of what went in.
std::vector<std::vector<OPJ_INT32>> samplesOf(const opj_image_t *image)
{
    std::vector<std::vector<OPJ_INT32>> samples;
    for (OPJ_UINT32 c = 0; c < image->numcomps; ++c) {
        const opj_image_comp_t &comp = image->comps[c];
        samples.emplace_back(comp.data, comp.data + size_t(comp.w) * comp.h);
    }
    return samples;
}

// Lossless, with as many resolution levels as the smallest component allows.
QByteArray encodeWithOpenJpeg(opj_image_t *image, OPJ_CODEC_FORMAT format, const QString &path)
{
    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    parameters.tcp_rates[0] = 0;
    parameters.cp_disto_alloc = 1;
    parameters.tcp_mct = 0;
    OPJ_UINT32 smallest = 1u << 30;
    for (OPJ_UINT32 i = 0; i < image->numcomps; ++i)
        smallest = std::min({ smallest, image->comps[i].w, image->comps[i].h });
    while (parameters.numresolution > 1 && (smallest >> (parameters.numresolution - 1)) == 0)
        --parameters.numresolution;

    CodecPtr codec(opj_create_compress(format));
    silence(codec.get());
    if (!opj_setup_encoder(codec.get(), &parameters, image))
        return QByteArray();
    {
        StreamPtr stream(opj_stream_create_default_file_stream(QFile::encodeName(path), OPJ_FALSE));
        if (!stream || !opj_start_compress(codec.get(), image, stream.get())
            || !opj_encode(codec.get(), stream.get())
            || !opj_end_compress(codec.get(), stream.get()))
            return QByteArray();
    }
    return TestSupport::readFile(path);
}

// A second opinion on our encoder's output, independent of our memory streams.
OpjImage decodeWithOpenJpeg(const QString &path)
{
    CodecPtr codec(opj_create_decompress(OPJ_CODEC_JP2));
    silence(codec.get());
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    opj_setup_decoder(codec.get(), &parameters);
    StreamPtr stream(opj_stream_create_default_file_stream(QFile::encodeName(path), OPJ_TRUE));
    opj_image_t *header = nullptr;
    if (!stream || !opj_read_header(stream.get(), codec.get(), &header))
        return OpjImage();
    OpjImage image(header);
    if (!opj_decode(codec.get(), stream.get(), image.get())
        || !opj_end_decompress(codec.get(), stream.get()))
        return OpjImage();
    return image;
}

Magick::Image makeImage(
    int width, int height, const std::string &map, int depth, bool greyValues, quint32 seed)
{
    Noise noise(seed);
    const size_t channels = map.size();
    std::vector<quint16> samples(size_t(width) * height * channels);
    for (size_t i = 0; i < samples.size(); i += channels) {
        const quint16 shared = quint16(noise.next());
        for (size_t c = 0; c < channels; ++c)
            samples[i + c] = greyValues && c < 3 ? shared : quint16(noise.next());
    }
    Magick::Image image;
    if (depth == 16) {
        image.read(width, height, map, Magick::ShortPixel, samples.data());
    } else {
        std::vector<quint8> narrow(samples.size());
        std::transform(samples.begin(), samples.end(), narrow.begin(),
            [](quint16 value) { return quint8(value >> 8); });
        image.read(width, height, map, Magick::CharPixel, narrow.data());
    }
    image.depth(depth);
    return image;
}

std::vector<quint16> rgba16(Magick::Image image)
{
    std::vector<quint16> pixels(size_t(image.columns()) * image.rows() * 4);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::ShortPixel, pixels.data());
    return pixels;
}

std::vector<quint8> rgba8(Magick::Image image)
{
    std::vector<quint8> pixels(size_t(image.columns()) * image.rows() * 4);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, pixels.data());
    return pixels;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

quint32 readWord(const QByteArray &bytes, int offset)
{
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}

QByteArray word(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// OpenJPEG 2.5.0 cannot write a profile itself (it trips an assertion), so the test swaps the
// colour box of a finished file for one that carries the profile.
QByteArray withIccProfile(const QByteArray &jp2, const QByteArray &profile)
{
    const QByteArray colour
        = word(quint32(8 + 3 + profile.size())) + "colr" + QByteArray("\x02\x00\x00", 3) + profile;
    for (int box = 12; box + 8 <= jp2.size(); box += int(readWord(jp2, box))) {
        if (jp2.mid(box + 4, 4) != "jp2h")
            continue;
        const int headerEnd = box + int(readWord(jp2, box));
        for (int inner = box + 8; inner + 8 <= headerEnd; inner += int(readWord(jp2, inner))) {
            if (jp2.mid(inner + 4, 4) != "colr")
                continue;
            QByteArray header = jp2.mid(box, headerEnd - box);
            header.replace(inner - box, int(readWord(jp2, inner)), colour);
            header.replace(0, 4, word(quint32(header.size())));
            return jp2.left(box) + header + jp2.mid(headerEnd);
        }
    }
    return QByteArray();
}

const QByteArray jp2Signature
    = bytesOf({ 0, 0, 0, 0x0C, 0x6A, 0x50, 0x20, 0x20, 0x0D, 0x0A, 0x87, 0x0A });
const QByteArray j2kSignature = bytesOf({ 0xFF, 0x4F, 0xFF, 0x51 });

QByteArray randomBytes(int count, quint32 seed)
{
    Noise noise(seed);
    QByteArray bytes(count, '\0');
    for (char &byte : bytes)
        byte = char(noise.next());
    return bytes;
}

} // namespace

class tst_Jp2Coder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void isJpeg2000_data();
    void isJpeg2000();

    void roundTrip_data();
    void roundTrip();

    void componentLayouts_data();
    void componentLayouts();
    void precisions_data();
    void precisions();
    void subsampledYcc_data();
    void subsampledYcc();
    void iccProfileIsAttached();
    void iccProfileIsWritten_data();
    void iccProfileIsWritten();
    void hugeDimensionsAreRefused_data();
    void hugeDimensionsAreRefused();

    void garbageThrows_data();
    void garbageThrows();
    void damagedDataDoesNotCrash_data();
    void damagedDataDoesNotCrash();

    void concurrentCallsStayApart();

    void threadsPerWorker_data();
    void threadsPerWorker();
    void busyWorkersAreCounted();
    void largeImagesRoundTrip_data();
    void largeImagesRoundTrip();

private:
    QString path(const QString &name) const
    {
        return m_dir.filePath(name);
    }

    QTemporaryDir m_dir;
};

void tst_Jp2Coder::initTestCase()
{
    Magick::InitializeMagick(nullptr);
    QVERIFY(m_dir.isValid());
}

void tst_Jp2Coder::isJpeg2000_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("expected");

    QTest::newRow("JP2 signature box alone") << jp2Signature << true;
    QTest::newRow("JP2 signature followed by data") << jp2Signature + randomBytes(50, 1) << true;
    QTest::newRow("raw codestream start") << j2kSignature << true;
    QTest::newRow("raw codestream with more markers") << j2kSignature + randomBytes(20, 2) << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("JP2 signature missing its last byte") << jp2Signature.left(11) << false;
    QByteArray altered = jp2Signature;
    altered[6] = 'x';
    QTest::newRow("JP2 signature with one byte changed") << altered << false;
    QTest::newRow("start of codestream without SIZ")
        << bytesOf({ 0xFF, 0x4F, 0xFF, 0x52 }) << false;
    QTest::newRow("PNG signature")
        << bytesOf({ 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A }) << false;
    QTest::newRow("JPEG start") << bytesOf({ 0xFF, 0xD8, 0xFF, 0xE0 }) << false;
}

void tst_Jp2Coder::isJpeg2000()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, expected);
    QCOMPARE(Jp2Coder::isJpeg2000(bytes), expected);
}

void tst_Jp2Coder::roundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("map");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("greyValues");
    QTest::addColumn<int>("components");

    QTest::newRow("8-bit RGB") << 23 << 17 << "RGB" << 8 << false << 3;
    QTest::newRow("8-bit RGBA with varying alpha") << 23 << 17 << "RGBA" << 8 << false << 4;
    QTest::newRow("16-bit RGB") << 16 << 12 << "RGB" << 16 << false << 3;
    QTest::newRow("16-bit RGBA") << 13 << 9 << "RGBA" << 16 << false << 4;
    QTest::newRow("8-bit grey stays one channel") << 20 << 20 << "I" << 8 << false << 1;
    QTest::newRow("16-bit grey+alpha") << 18 << 11 << "IA" << 16 << false << 2;
    QTest::newRow("colour image with only grey pixels is stored as grey")
        << 15 << 15 << "RGB" << 8 << true << 1;
    QTest::newRow("1x1 image") << 1 << 1 << "RGB" << 8 << false << 3;
    QTest::newRow("1x1 grey+alpha") << 1 << 1 << "IA" << 8 << false << 2;
    QTest::newRow("odd size 37x19") << 37 << 19 << "RGB" << 8 << false << 3;
    QTest::newRow("strip two rows high") << 70 << 2 << "RGBA" << 8 << false << 4;
}

void tst_Jp2Coder::roundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, map);
    QFETCH(int, depth);
    QFETCH(bool, greyValues);
    QFETCH(int, components);
    const bool alpha = map.endsWith(QLatin1Char('A'));

    const Magick::Image original
        = makeImage(width, height, map.toStdString(), depth, greyValues, quint32(width * height));
    const QByteArray encoded = Jp2Coder::encode(original);
    QVERIFY(encoded.startsWith(jp2Signature));

    const QString file = path(QStringLiteral("roundtrip.jp2"));
    QVERIFY(TestSupport::writeFile(file, encoded));
    const OpjImage stored = decodeWithOpenJpeg(file);
    QVERIFY(stored);
    QCOMPARE(int(stored->numcomps), components);
    QCOMPARE(stored->color_space, components <= 2 ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB);
    QVERIFY(!stored->icc_profile_buf);
    for (OPJ_UINT32 i = 0; i < stored->numcomps; ++i) {
        QCOMPARE(int(stored->comps[i].prec), depth);
        QCOMPARE(stored->comps[i].sgnd, 0u);
        QCOMPARE(stored->comps[i].alpha != 0, alpha && i == stored->numcomps - 1);
    }

    const Magick::Image decoded = Jp2Coder::decode(encoded);
    QCOMPARE(int(decoded.columns()), width);
    QCOMPARE(int(decoded.rows()), height);
    QCOMPARE(int(decoded.depth()), depth);
    QCOMPARE(decoded.matte(), alpha);
    if (components <= 2) {
        QCOMPARE(decoded.type(), alpha ? Magick::GrayscaleMatteType : Magick::GrayscaleType);
    }
    QVERIFY(rgba16(decoded) == rgba16(original));
}

// Codestreams written by OpenJPEG itself, in the component arrangements other writers use.
void tst_Jp2Coder::componentLayouts_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("colourSpace");
    QTest::addColumn<int>("alphaFlag"); // component flagged as alpha, -1 for none
    QTest::addColumn<QString>("expected"); // which components end up as R, G, B, A

    const int j2k = OPJ_CODEC_J2K;
    const int jp2 = OPJ_CODEC_JP2;
    QTest::newRow("raw codestream of one component is grey")
        << j2k << 1 << int(OPJ_CLRSPC_UNSPECIFIED) << -1 << "000";
    QTest::newRow("raw codestream of two components is grey and alpha")
        << j2k << 2 << int(OPJ_CLRSPC_UNSPECIFIED) << -1 << "0001";
    QTest::newRow("raw codestream of three components is RGB")
        << j2k << 3 << int(OPJ_CLRSPC_UNSPECIFIED) << -1 << "012";
    QTest::newRow("raw codestream of four components is RGBA")
        << j2k << 4 << int(OPJ_CLRSPC_UNSPECIFIED) << -1 << "0123";
    QTest::newRow("five components keep the first three as RGB")
        << j2k << 5 << int(OPJ_CLRSPC_UNSPECIFIED) << -1 << "012";
    QTest::newRow("JP2 grey with its alpha marked")
        << jp2 << 2 << int(OPJ_CLRSPC_GRAY) << 1 << "0001";
    QTest::newRow("JP2 RGB with its alpha marked")
        << jp2 << 4 << int(OPJ_CLRSPC_SRGB) << 3 << "0123";
}

void tst_Jp2Coder::componentLayouts()
{
    QFETCH(int, format);
    QFETCH(int, components);
    QFETCH(int, colourSpace);
    QFETCH(int, alphaFlag);
    QFETCH(QString, expected);
    const int width = 11;
    const int height = 7;

    OpjImage image = makeOpjImage(0, 0, width, height,
        std::vector<ComponentShape>(size_t(components)), OPJ_COLOR_SPACE(colourSpace));
    Noise noise { quint32(components) };
    for (int c = 0; c < components; ++c) {
        for (int i = 0; i < width * height; ++i)
            image->comps[c].data[i] = OPJ_INT32(noise.next() & 0xFF);
    }
    if (alphaFlag >= 0)
        image->comps[alphaFlag].alpha = 1;
    const std::vector<std::vector<OPJ_INT32>> samples = samplesOf(image.get());
    const QByteArray bytes = encodeWithOpenJpeg(image.get(), OPJ_CODEC_FORMAT(format),
        path(format == OPJ_CODEC_J2K ? "layout.j2k" : "layout.jp2"));
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes.startsWith(jp2Signature), format == OPJ_CODEC_JP2);
    QCOMPARE(bytes.startsWith(j2kSignature), format == OPJ_CODEC_J2K);

    const Magick::Image decoded = Jp2Coder::decode(bytes);
    QCOMPARE(int(decoded.columns()), width);
    QCOMPARE(int(decoded.rows()), height);
    QCOMPARE(int(decoded.depth()), 8);
    QCOMPARE(decoded.matte(), expected.size() == 4);
    const std::vector<quint8> pixels = rgba8(decoded);
    for (int i = 0; i < width * height; ++i) {
        for (int channel = 0; channel < 4; ++channel) {
            const int source = channel < expected.size() ? expected[channel].digitValue() : -1;
            const int want = source >= 0 ? samples[size_t(source)][size_t(i)] : 255;
            if (pixels[size_t(i) * 4 + channel] != want)
                QFAIL(qPrintable(QStringLiteral("pixel %1 channel %2: %3, expected %4")
                                     .arg(i)
                                     .arg(channel)
                                     .arg(pixels[size_t(i) * 4 + channel])
                                     .arg(want)));
        }
    }
}

void tst_Jp2Coder::precisions_data()
{
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("isSigned");
    QTest::addColumn<int>("components");

    QTest::newRow("12-bit grey is scaled to 16 bits") << 12 << false << 1;
    QTest::newRow("10-bit RGB is scaled to 16 bits") << 10 << false << 3;
    QTest::newRow("4-bit grey is scaled to 16 bits") << 4 << false << 1;
    QTest::newRow("1-bit grey is scaled to 16 bits") << 1 << false << 1;
    QTest::newRow("signed 8-bit grey is moved to unsigned") << 8 << true << 1;
    QTest::newRow("signed 12-bit RGB is moved and scaled") << 12 << true << 3;
    QTest::newRow("signed 16-bit grey is moved to unsigned") << 16 << true << 1;
}

void tst_Jp2Coder::precisions()
{
    QFETCH(int, precision);
    QFETCH(bool, isSigned);
    QFETCH(int, components);
    const int width = 16;
    const int height = 9;
    const qint64 levels = qint64(1) << precision;
    const qint64 low = isSigned ? -levels / 2 : 0;

    ComponentShape shape;
    shape.prec = OPJ_UINT32(precision);
    shape.sgnd = isSigned;
    OpjImage image
        = makeOpjImage(0, 0, width, height, std::vector<ComponentShape>(size_t(components), shape),
            components == 1 ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB);
    Noise noise { quint32(precision) };
    for (int c = 0; c < components; ++c) {
        for (int i = 0; i < width * height; ++i)
            image->comps[c].data[i] = OPJ_INT32(low + qint64(noise.next()) % levels);
        // Both ends of the range, which a scaling off by one would miss.
        image->comps[c].data[0] = OPJ_INT32(low);
        image->comps[c].data[1] = OPJ_INT32(low + levels - 1);
    }
    const std::vector<std::vector<OPJ_INT32>> samples = samplesOf(image.get());
    const QByteArray bytes = encodeWithOpenJpeg(image.get(), OPJ_CODEC_JP2, path("precision.jp2"));
    QVERIFY(!bytes.isEmpty());

    const Magick::Image decoded = Jp2Coder::decode(bytes);
    QCOMPARE(int(decoded.depth()), precision == 8 ? 8 : 16);
    QCOMPARE(decoded.matte(), false);
    const std::vector<quint16> pixels = rgba16(decoded);
    for (int i = 0; i < width * height; ++i) {
        for (int channel = 0; channel < 3; ++channel) {
            const int c = components == 1 ? 0 : channel;
            const qint64 unsignedValue = samples[size_t(c)][size_t(i)] - low;
            const int want = int(std::lround(double(unsignedValue) * 65535.0 / double(levels - 1)));
            QCOMPARE(int(pixels[size_t(i) * 4 + channel]), want);
        }
    }
}

void tst_Jp2Coder::subsampledYcc_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("colourSpace");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("origin");

    QTest::newRow("sYCC 4:2:0 in a JP2 file")
        << int(OPJ_CODEC_JP2) << int(OPJ_CLRSPC_SYCC) << 2 << 2 << 0;
    QTest::newRow("sYCC 4:4:4 in a JP2 file")
        << int(OPJ_CODEC_JP2) << int(OPJ_CLRSPC_SYCC) << 1 << 1 << 0;
    QTest::newRow("YCbCr 4:2:0 in a raw codestream that names no colour space")
        << int(OPJ_CODEC_J2K) << int(OPJ_CLRSPC_UNSPECIFIED) << 2 << 2 << 0;
    QTest::newRow("YCbCr 4:2:2 in a raw codestream that names no colour space")
        << int(OPJ_CODEC_J2K) << int(OPJ_CLRSPC_UNSPECIFIED) << 2 << 1 << 0;
    QTest::newRow("sYCC 4:2:0 with the image area starting at (1, 1)")
        << int(OPJ_CODEC_JP2) << int(OPJ_CLRSPC_SYCC) << 2 << 2 << 1;
}

void tst_Jp2Coder::subsampledYcc()
{
    QFETCH(int, format);
    QFETCH(int, colourSpace);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, origin);
    const int width = 9;
    const int height = 7;
    const OPJ_UINT32 x0 = OPJ_UINT32(origin);
    const OPJ_UINT32 y0 = OPJ_UINT32(origin);

    ComponentShape luma;
    ComponentShape chroma;
    chroma.dx = OPJ_UINT32(dx);
    chroma.dy = OPJ_UINT32(dy);
    OpjImage image = makeOpjImage(
        x0, y0, width, height, { luma, chroma, chroma }, OPJ_COLOR_SPACE(colourSpace));

    // Every chroma sample gets its own flat colour, so subsampling loses nothing and each output
    // pixel has one right answer. A chroma sample covers its own position on the reference grid
    // and the ones up to the next sample; an image area starting between two samples gives its
    // first column and row the first stored sample.
    const int firstX = int(ceilDiv(x0, chroma.dx));
    const int firstY = int(ceilDiv(y0, chroma.dy));
    const int chromaWidth = int(image->comps[1].w);
    const int chromaHeight = int(image->comps[1].h);
    std::vector<QColor> block(size_t(chromaWidth) * chromaHeight);
    Noise noise(quint32(dx * 10 + dy + origin * 100));
    for (QColor &colour : block)
        colour.setRgb(int(16 + noise.next() % 224), int(16 + noise.next() % 224),
            int(16 + noise.next() % 224));
    auto colourAt = [&](int x, int y) {
        const int kx = std::max(int(x0) + x, firstX * dx) / dx - firstX;
        const int ky = std::max(int(y0) + y, firstY * dy) / dy - firstY;
        return block[size_t(ky) * chromaWidth + kx];
    };
    auto clamp8 = [](double value) { return OPJ_INT32(std::clamp(std::lround(value), 0L, 255L)); };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QColor c = colourAt(x, y);
            image->comps[0].data[y * width + x]
                = clamp8(0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue());
        }
    }
    for (int ky = 0; ky < chromaHeight; ++ky) {
        for (int kx = 0; kx < chromaWidth; ++kx) {
            const QColor c = block[size_t(ky) * chromaWidth + kx];
            image->comps[1].data[ky * chromaWidth + kx]
                = clamp8(128 - 0.168736 * c.red() - 0.331264 * c.green() + 0.5 * c.blue());
            image->comps[2].data[ky * chromaWidth + kx]
                = clamp8(128 + 0.5 * c.red() - 0.418688 * c.green() - 0.081312 * c.blue());
        }
    }
    const QByteArray bytes = encodeWithOpenJpeg(image.get(), OPJ_CODEC_FORMAT(format), path("ycc"));
    QVERIFY(!bytes.isEmpty());

    const Magick::Image decoded = Jp2Coder::decode(bytes);
    QCOMPARE(int(decoded.columns()), width);
    QCOMPARE(int(decoded.rows()), height);
    QCOMPARE(int(decoded.depth()), 8);
    const std::vector<quint8> pixels = rgba8(decoded);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QColor want = colourAt(x, y);
            const quint8 *got = &pixels[(size_t(y) * width + x) * 4];
            const int wanted[3] = { want.red(), want.green(), want.blue() };
            for (int channel = 0; channel < 3; ++channel) {
                if (std::abs(got[channel] - wanted[channel]) > 2)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) channel %3: %4, expected %5")
                                         .arg(x)
                                         .arg(y)
                                         .arg(channel)
                                         .arg(got[channel])
                                         .arg(wanted[channel])));
            }
        }
    }
}

void tst_Jp2Coder::iccProfileIsAttached()
{
    QByteArray profile = randomBytes(200, 7);
    profile.replace(36, 4, "acsp");
    const QByteArray plain = Jp2Coder::encode(makeImage(8, 8, "RGB", 8, false, 5));
    const QByteArray bytes = withIccProfile(plain, profile);
    QVERIFY(bytes.size() > plain.size());

    const Magick::Image decoded = Jp2Coder::decode(bytes);
    QCOMPARE(TestSupport::iccProfileOf(decoded), profile);
    QVERIFY(rgba16(decoded) == rgba16(Jp2Coder::decode(plain)));
    QVERIFY(TestSupport::iccProfileOf(Jp2Coder::decode(plain)).isEmpty());
}

void tst_Jp2Coder::iccProfileIsWritten_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("greyValues");
    QTest::addColumn<QByteArray>("profileSpace");
    QTest::addColumn<int>("components");
    QTest::addColumn<bool>("kept");

    QTest::newRow("8-bit RGB with an RGB profile")
        << "RGB" << 8 << false << QByteArray("RGB ") << 3 << true;
    QTest::newRow("16-bit RGBA with an RGB profile")
        << "RGBA" << 16 << false << QByteArray("RGB ") << 4 << true;
    QTest::newRow("grey with a grey profile")
        << "I" << 8 << false << QByteArray("GRAY") << 1 << true;
    QTest::newRow("16-bit grey+alpha with a grey profile")
        << "IA" << 16 << false << QByteArray("GRAY") << 2 << true;
    QTest::newRow("grey pixels with an RGB profile stay RGB")
        << "RGB" << 8 << true << QByteArray("RGB ") << 3 << true;
    QTest::newRow("colour pixels with a grey profile lose it")
        << "RGB" << 8 << false << QByteArray("GRAY") << 3 << false;
    QTest::newRow("a Lab profile is dropped")
        << "RGB" << 8 << false << QByteArray("Lab ") << 3 << false;
}

void tst_Jp2Coder::iccProfileIsWritten()
{
    QFETCH(QString, map);
    QFETCH(int, depth);
    QFETCH(bool, greyValues);
    QFETCH(QByteArray, profileSpace);
    QFETCH(int, components);
    QFETCH(bool, kept);
    const bool alpha = map.endsWith(QLatin1Char('A'));

    const QByteArray profile = TestSupport::iccProfile(profileSpace);
    QVERIFY(profile.size() > 128);
    Magick::Image original = makeImage(19, 13, map.toStdString(), depth, greyValues, 9);
    original.profile("ICC", Magick::Blob(profile.constData(), size_t(profile.size())));
    const QByteArray encoded = Jp2Coder::encode(original);
    const QByteArray expected = kept ? profile : QByteArray();

    // OpenJPEG's own JP2 reader is the second opinion on the boxes.
    const QString file = path(QStringLiteral("profile.jp2"));
    QVERIFY(TestSupport::writeFile(file, encoded));
    const OpjImage stored = decodeWithOpenJpeg(file);
    QVERIFY(stored);
    QCOMPARE(int(stored->numcomps), components);
    QCOMPARE(stored->comps[components - 1].alpha != 0, alpha);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(stored->icc_profile_buf),
                 int(stored->icc_profile_len)),
        expected);
    if (!kept)
        QCOMPARE(stored->color_space, components <= 2 ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB);

    const Magick::Image decoded = Jp2Coder::decode(encoded);
    QCOMPARE(TestSupport::iccProfileOf(decoded), expected);
    QCOMPARE(decoded.matte(), alpha);
    QVERIFY(rgba16(decoded) == rgba16(original));
}

void tst_Jp2Coder::hugeDimensionsAreRefused_data()
{
    QTest::addColumn<quint32>("side");

    QTest::newRow("65536 pixels on a side") << quint32(65536);
    QTest::newRow("2^28 pixels on a side") << (quint32(1) << 28);
}

void tst_Jp2Coder::hugeDimensionsAreRefused()
{
    QFETCH(quint32, side);
    OpjImage image = makeOpjImage(0, 0, 8, 8, std::vector<ComponentShape>(1), OPJ_CLRSPC_GRAY);
    std::fill_n(image->comps[0].data, 64, 100);
    QByteArray bytes = encodeWithOpenJpeg(image.get(), OPJ_CODEC_J2K, path("huge.j2k"));
    QVERIFY(bytes.startsWith(j2kSignature));
    // SIZ follows SOC: marker, length and capabilities, then the grid and tile sizes, each a
    // big-endian 32-bit word. The header stays valid, only the size becomes absurd.
    for (int offset : { 8, 12, 24, 28 })
        bytes.replace(offset, 4, word(side));
    try {
        Jp2Coder::decode(bytes);
        QFAIL("decode returned an image");
    } catch (const Magick::Exception &error) {
        // Refused by the size check, not by a failed allocation somewhere inside OpenJPEG.
        QVERIFY2(QByteArray(error.what()).contains("too large"), error.what());
    }
}

void tst_Jp2Coder::garbageThrows_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray valid = Jp2Coder::encode(makeImage(24, 24, "RGB", 8, false, 3));
    QVERIFY(Jp2Coder::decode(valid).columns() == 24);

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JPEG 2000 at all") << randomBytes(300, 4);
    QTest::newRow("JP2 signature alone") << jp2Signature;
    QTest::newRow("raw codestream start alone") << j2kSignature;
    for (int length : { 20, 40, 80, 120, valid.size() / 2, valid.size() - 40 })
        QTest::newRow(qPrintable(
            QStringLiteral("JP2 cut after %1 of %2 bytes").arg(length).arg(valid.size())))
            << valid.left(length);
    for (quint32 seed : { 11u, 12u, 13u })
        QTest::newRow(
            qPrintable(QStringLiteral("random bytes after the JP2 signature, seed %1").arg(seed)))
            << jp2Signature + randomBytes(int(100 * seed), seed);
    for (quint32 seed : { 21u, 22u })
        QTest::newRow(
            qPrintable(QStringLiteral("random bytes after SOC and SIZ, seed %1").arg(seed)))
            << j2kSignature + randomBytes(500, seed);
}

void tst_Jp2Coder::garbageThrows()
{
    QFETCH(QByteArray, bytes);
    try {
        Jp2Coder::decode(bytes);
        QFAIL("decode returned an image");
    } catch (const Magick::Exception &error) {
        QVERIFY2(QByteArray(error.what()).contains("JPEG 2000"), error.what());
    }
}

// Damage inside the coded data can still decode, into wrong pixels: that is acceptable, a crash
// or an image of another size is not.
void tst_Jp2Coder::damagedDataDoesNotCrash_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray valid = Jp2Coder::encode(makeImage(24, 24, "RGBA", 8, false, 8));
    for (int part : { 2, 3, 5, 8 }) {
        QByteArray damaged = valid;
        const QByteArray noise = randomBytes(150, quint32(part));
        damaged.replace(valid.size() * (part - 1) / part, noise.size(), noise);
        damaged.truncate(valid.size());
        QTest::newRow(qPrintable(
            QStringLiteral("150 random bytes at %1/%2 of the file").arg(part - 1).arg(part)))
            << damaged;
    }
}

void tst_Jp2Coder::damagedDataDoesNotCrash()
{
    QFETCH(QByteArray, bytes);
    try {
        const Magick::Image decoded = Jp2Coder::decode(bytes);
        QCOMPARE(int(decoded.columns()), 24);
        QCOMPARE(int(decoded.rows()), 24);
    } catch (const Magick::Exception &error) {
        QVERIFY2(QByteArray(error.what()).contains("JPEG 2000"), error.what());
    }
}

// Worker threads convert side by side: each call keeps its codec, streams and messages to itself.
void tst_Jp2Coder::concurrentCallsStayApart()
{
    const Magick::Image first = makeImage(40, 30, "RGBA", 8, false, 41);
    const Magick::Image second = makeImage(30, 40, "I", 16, false, 42);
    const QByteArray broken = Jp2Coder::encode(first).left(200);
    bool firstOk = false;
    bool secondOk = false;
    auto work = [&broken](const Magick::Image &image, bool *ok) {
        bool all = true;
        try {
            for (int round = 0; round < 5; ++round) {
                all = all && rgba16(Jp2Coder::decode(Jp2Coder::encode(image))) == rgba16(image);
                try {
                    Jp2Coder::decode(broken);
                    all = false;
                } catch (const Magick::Exception &) {
                }
            }
        } catch (const Magick::Exception &) {
            all = false;
        }
        *ok = all;
    };
    std::unique_ptr<QThread> one(QThread::create(work, first, &firstOk));
    std::unique_ptr<QThread> two(QThread::create(work, second, &secondOk));
    one->start();
    two->start();
    QVERIFY(one->wait(120000));
    QVERIFY(two->wait(120000));
    QVERIFY(firstOk);
    QVERIFY(secondOk);
}

void tst_Jp2Coder::threadsPerWorker_data()
{
    QTest::addColumn<int>("busy");
    QTest::addColumn<int>("cores");
    QTest::addColumn<int>("threads");

    QTest::newRow("a lone worker takes both cores") << 1 << 2 << 2;
    QTest::newRow("two workers on two cores take one each") << 2 << 2 << 1;
    QTest::newRow("more workers than cores still take one") << 5 << 2 << 1;
    QTest::newRow("three workers on eight cores share them out") << 3 << 8 << 2;
    QTest::newRow("outside any worker the whole machine") << 0 << 4 << 4;
    QTest::newRow("one core") << 1 << 1 << 1;
    QTest::newRow("core count unknown") << 1 << -1 << 1;
}

void tst_Jp2Coder::threadsPerWorker()
{
    QFETCH(int, busy);
    QFETCH(int, cores);
    QFETCH(int, threads);
    QCOMPARE(ResourceLimits::threadsPerWorker(busy, cores), threads);
}

void tst_Jp2Coder::busyWorkersAreCounted()
{
    const int before = ResourceLimits::busyWorkers();
    {
        const ResourceLimits::BusyWorker first;
        int inner = 0;
        std::unique_ptr<QThread> other(QThread::create([&inner] {
            const ResourceLimits::BusyWorker second;
            inner = ResourceLimits::busyWorkers();
        }));
        other->start();
        QVERIFY(other->wait(20000));
        QCOMPARE(inner, before + 2);
        QCOMPARE(ResourceLimits::busyWorkers(), before + 1);
    }
    QCOMPARE(ResourceLimits::busyWorkers(), before);
}

// Images of many code-blocks, coded on several threads and filled in bands of rows whose last
// one is short, some in several tiles; the coder gets its own copy of an image whose pixels the
// test still holds.
void tst_Jp2Coder::largeImagesRoundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("map");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("colourInLastRow");
    QTest::addColumn<int>("components");

    QTest::newRow("8-bit RGB, odd size") << 301 << 203 << "RGB" << 8 << false << 3;
    QTest::newRow("16-bit RGBA, odd size") << 257 << 131 << "RGBA" << 16 << false << 4;
    QTest::newRow("8-bit grey+alpha, one band and a row") << 190 << 65 << "IA" << 8 << false << 2;
    QTest::newRow("grey but for the last row stays RGB") << 140 << 150 << "RGB" << 8 << true << 3;
    QTest::newRow("16-bit grey but for the last row stays RGB")
        << 99 << 129 << "RGB" << 16 << true << 3;
    QTest::newRow("8-bit RGB, three by two tiles") << 2050 << 1030 << "RGB" << 8 << false << 3;
    QTest::newRow("16-bit RGBA, one by two tiles") << 520 << 1100 << "RGBA" << 16 << false << 4;
}

void tst_Jp2Coder::largeImagesRoundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, map);
    QFETCH(int, depth);
    QFETCH(bool, colourInLastRow);
    QFETCH(int, components);

    Magick::Image original = makeImage(
        width, height, map.toStdString(), depth, colourInLastRow, quint32(width + height));
    if (colourInLastRow)
        original.pixelColor(width - 1, height - 1, Magick::ColorRGB(1.0, 0.0, 0.0));
    const std::vector<quint16> pixels = rgba16(original);

    Magick::Image given(original);
    const QByteArray encoded = Jp2Coder::encode(std::move(given));
    QVERIFY(rgba16(original) == pixels);

    const QString file = path(QStringLiteral("large.jp2"));
    QVERIFY(TestSupport::writeFile(file, encoded));
    const OpjImage stored = decodeWithOpenJpeg(file);
    QVERIFY(stored);
    QCOMPARE(int(stored->numcomps), components);
    QVERIFY(rgba16(Jp2Coder::decode(encoded)) == pixels);
}

QTEST_GUILESS_MAIN(tst_Jp2Coder)

#include "tst_jp2coder.moc"
