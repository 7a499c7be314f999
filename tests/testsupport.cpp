#include "testsupport.h"

#include <QDataStream>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <Magick++.h>

#include <zlib.h>

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

} // namespace

namespace TestSupport {

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

QByteArray oversizedJpeg(quint16 width, quint16 height, bool progressive)
{
    Magick::Image image(Magick::Geometry(16, 16), Magick::Color("red"));
    image.magick("JPEG");
    if (progressive)
        image.interlaceType(MagickLib::LineInterlace);
    Magick::Blob blob;
    image.write(&blob);
    QByteArray jpeg(static_cast<const char *>(blob.data()), int(blob.length()));
    const int frame = jpeg.indexOf(progressive ? "\xff\xc2" : "\xff\xc0");
    if (frame < 0)
        qFatal("no frame header in the JPEG written");
    // Marker, length, precision, then height and width, big-endian.
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xff);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xff);
    return jpeg;
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

} // namespace TestSupport
