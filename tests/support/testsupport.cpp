#include "testsupport.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QEventLoop>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <Magick++.h>

#include <cstring>

#include <lcms2.h>
#include <zlib.h>

#include "workerprocess.h"

namespace {

QtMessageHandler previousHandler = nullptr;
QMutex recordedMutex;
QStringList recorded;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&recordedMutex);
        recorded.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QAtomicInt savesSeen;
int pauseAt = 0;
std::function<void()> pauseAction;

} // namespace

namespace TestSupport {

void pauseWhenSaving(int n, std::function<void()> pause)
{
    savesSeen.storeRelease(0);
    pauseAt = n;
    pauseAction = std::move(pause);
    if (!pauseAction) {
        WorkerProcess::setBeforeWrite(nullptr);
        return;
    }
    WorkerProcess::setBeforeWrite([] {
        if (savesSeen.fetchAndAddOrdered(1) + 1 == pauseAt)
            pauseAction();
    });
}

void holdInsideFirstFile(QSemaphore &saving)
{
    pauseWhenSaving(1, [&saving] {
        QEventLoop loop;
        QMetaObject::invokeMethod(
            &loop, [&saving] { saving.release(); }, Qt::QueuedConnection);
        loop.exec();
    });
}

void installMessageRecorder()
{
    QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    if (previous != recordMessage)
        previousHandler = previous;
}

QStringList recordedMessages()
{
    QMutexLocker lock(&recordedMutex);
    return recorded;
}

void clearRecordedMessages()
{
    QMutexLocker lock(&recordedMutex);
    recorded.clear();
}

QStringList connectionWarnings()
{
    QStringList found;
    for (const QString &message : recordedMessages()) {
        if (message.startsWith(QLatin1String("QObject::connect")))
            found.append(message);
    }
    return found;
}

QByteArray photoshopFile(
    int width, int height, int channels, int depth, const QVector<quint16> &samples)
{
    QByteArray psd;
    QDataStream out(&psd, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out.writeRawData("8BPS", 4);
    out << quint16(1);
    out.writeRawData("\0\0\0\0\0\0", 6);
    out << quint16(channels) << quint32(height) << quint32(width) << quint16(depth) << quint16(3);
    out << quint32(0) << quint32(0) << quint32(0); // colour mode data, resources, layers
    out << quint16(0); // raw image data
    for (quint16 sample : samples) {
        if (depth == 16)
            out << sample;
        else
            out << quint8(sample);
    }
    return psd;
}

QByteArray crashingHdr()
{
    QByteArray hdr("#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 4\n");
    hdr.append("\x0a\x14\x1e\x80", 4);
    // Each marker shifts the next run's length by a byte: the last asks for 127 << 24 pixels.
    for (int i = 0; i < 3; ++i)
        hdr.append("\x01\x01\x01\x00", 4);
    hdr.append("\x01\x01\x01\x7f", 4);
    return hdr + QByteArray(64, '\0');
}

QByteArray oversizedPng(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly)
        << width << height << quint8(8) << quint8(2) << quint8(0) << quint8(0) << quint8(0);
    const auto append = [&png](const QByteArray &type, const QByteArray &data) {
        QByteArray length;
        QDataStream(&length, QIODevice::WriteOnly) << quint32(data.size());
        const QByteArray body = type + data;
        QByteArray crc;
        QDataStream(&crc, QIODevice::WriteOnly) << quint32(
            ::crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size())));
        png += length + body + crc;
    };
    append("IHDR", header);
    append("IDAT", qCompress(QByteArray(64, '\0')).mid(4));
    append("IEND", QByteArray());
    return png;
}

QByteArray jpegClaiming(QByteArray jpeg, quint16 width, quint16 height)
{
    int frame = jpeg.indexOf("\xff\xc0");
    if (frame < 0)
        frame = jpeg.indexOf("\xff\xc2");
    if (frame < 0)
        qFatal("no frame header in the JPEG");
    // Marker, length, precision, then height and width, big-endian.
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xff);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xff);
    return jpeg;
}

QByteArray oversizedJpeg(quint16 width, quint16 height, bool progressive)
{
    Magick::Image image(Magick::Geometry(16, 16), Magick::Color("red"));
    image.magick("JPEG");
    if (progressive)
        image.interlaceType(MagickLib::LineInterlace);
    Magick::Blob blob;
    image.write(&blob);
    return jpegClaiming(
        QByteArray(static_cast<const char *>(blob.data()), int(blob.length())), width, height);
}

QRgb bmpPixel(int x, int y)
{
    return qRgb((x * 7) & 0xff, (y * 5) & 0xff, ((x + y) * 3) & 0xff);
}

QByteArray bmpFile(int width, int height, int bits, int headerSize, bool calibrated, bool junk)
{
    const int rowSize = (bits * width + 31) / 32 * 4;
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelsAt = 14 + quint32(headerSize);
    out.writeRawData("BM", 2);
    out << quint32(pixelsAt + quint32(rowSize * height)) << quint32(0) << pixelsAt;
    out << quint32(headerSize) << qint32(width) << qint32(height) << quint16(1) << quint16(bits)
        << quint32(0) << quint32(rowSize * height) << qint32(2835) << qint32(2835) << quint32(0)
        << quint32(0);
    if (headerSize == 124) {
        out << quint32(0x00ff0000) << quint32(0x0000ff00) << quint32(0x000000ff)
            << quint32(0xff000000);
        if (calibrated) {
            out << quint32(0); // calibrated RGB: the end points below count
            for (int i = 0; i < 9; ++i) // a red end point of X = Y = Z = 0.9, the others black
                out << qint32(i < 3 ? 0x39999999 : 0);
        } else {
            out.writeRawData("BGRs", 4); // sRGB: the end points are ignored
            for (int i = 0; i < 9; ++i)
                out << qint32(0);
        }
        out << quint32(0) << quint32(0) << quint32(0); // gamma
        out << quint32(4) << quint32(0) << quint32(0) << quint32(0); // intent, profile, reserved
    }
    for (int y = height - 1; y >= 0; --y) { // bottom-up
        for (int x = 0; x < width; ++x) {
            const QRgb p = bmpPixel(x, y);
            out << quint8(qBlue(p)) << quint8(qGreen(p)) << quint8(qRed(p));
            if (bits == 32)
                out << quint8(junk ? (x * 37 + y * 11) & 0xff : 0);
        }
        for (int pad = width * bits / 8; pad < rowSize; ++pad)
            out << quint8(0);
    }
    return bmp;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::string exifWithOrientation(unsigned char orientation, unsigned char type)
{
    const unsigned char d[] = { 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12,
        0x01, type, 0, 1, 0, 0, 0, orientation, 0, 0, 0, 0, 0, 0, 0 };
    return std::string(reinterpret_cast<const char *>(d), sizeof d);
}

std::string exifTaken(const char *taken, unsigned char orientation)
{
    // Offsets from the TIFF header: the first directory at 8 (orientation, then the pointer
    // to the EXIF directory at 38), the EXIF directory's one entry pointing at the date at 56.
    const unsigned char d[] = { 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 2, 0, 0x12,
        0x01, 3, 0, 1, 0, 0, 0, orientation, 0, 0, 0, 0x69, 0x87, 4, 0, 1, 0, 0, 0, 38, 0, 0, 0, 0,
        0, 0, 0, 1, 0, 0x03, 0x90, 2, 0, 20, 0, 0, 0, 56, 0, 0, 0, 0, 0, 0, 0 };
    std::string exif(reinterpret_cast<const char *>(d), sizeof d);
    return exif + std::string(taken, 19) + std::string(1, '\0');
}

QByteArray iccProfile(const QByteArray &colourSpace)
{
    const cmsCIExyY d65 = { 0.3127, 0.3290, 1.0 };
    const cmsCIExyYTRIPLE adobeRgb
        = { { 0.64, 0.33, 1.0 }, { 0.21, 0.71, 1.0 }, { 0.15, 0.06, 1.0 } };
    cmsToneCurve *gamma = cmsBuildGamma(nullptr, 2.2);
    cmsToneCurve *curves[3] = { gamma, gamma, gamma };
    cmsHPROFILE profile = nullptr;
    if (colourSpace == "RGB ")
        profile = cmsCreateRGBProfile(&d65, &adobeRgb, curves);
    else if (colourSpace == "GRAY")
        profile = cmsCreateGrayProfile(cmsD50_xyY(), gamma);
    else if (colourSpace == "Lab ")
        profile = cmsCreateLab2Profile(nullptr);
    else if (colourSpace == "sRGB")
        profile = cmsCreate_sRGBProfile();
    cmsFreeToneCurve(gamma);
    // Version 2, like the profiles cameras and photo editors embed.
    if (profile)
        cmsSetProfileVersion(profile, 2.1);
    QByteArray bytes;
    cmsUInt32Number size = 0;
    if (profile && cmsSaveProfileToMem(profile, nullptr, &size)) {
        bytes.resize(int(size));
        if (!cmsSaveProfileToMem(profile, bytes.data(), &size))
            bytes.clear();
    }
    if (profile)
        cmsCloseProfile(profile);
    return bytes;
}

// Magick++ throws when asked for a profile that is not there; the C call just says so.
QByteArray iccProfileOf(const Magick::Image &image)
{
    size_t length = 0;
    const unsigned char *data = MagickLib::GetImageProfile(image.constImage(), "ICC", &length);
    return data ? QByteArray(reinterpret_cast<const char *>(data), int(length)) : QByteArray();
}

} // namespace TestSupport
