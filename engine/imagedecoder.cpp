#include "imagedecoder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <Magick++.h>

#include <limits>
#include <memory>

#include "jp2coder.h"
#include "qtimagebridge.h"
#include "resourcelimits.h"
#include "tgacoder.h"

namespace ImageDecoder {

ReadResult readFile(const QString &path, Magick::Blob &blob, QString *error)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(name, file.errorString());
        return ReadResult::Unreadable;
    }
    // Every reader sees the bytes as a QByteArray view, which addresses up to 2 GiB.
    const qint64 size = file.size();
    if (size > std::numeric_limits<int>::max() - 64) {
        *error
            = QStringLiteral("%1: the file is too large to be read (%2 bytes)").arg(name).arg(size);
        return ReadResult::TooLarge;
    }
    std::unique_ptr<char[]> buffer(new char[size_t(qMax<qint64>(size, 1))]);
    const qint64 read = file.read(buffer.get(), size);
    if (read != size) {
        *error = QStringLiteral("%1: %2").arg(
            name, read < 0 ? file.errorString() : QStringLiteral("the file was cut short"));
        return ReadResult::Unreadable;
    }
    blob.updateNoCopy(buffer.release(), size_t(size), Magick::Blob::NewAllocator);
    return ReadResult::Read;
}

Magick::Image decode(const Magick::Blob &blob)
{
    // A view on the blob's bytes: the file is held in memory once, however it is decoded.
    const QByteArray bytes
        = QByteArray::fromRawData(static_cast<const char *>(blob.data()), int(blob.length()));
    if (Jp2Coder::isJpeg2000(bytes))
        return Jp2Coder::decode(bytes);
    // The library rejects these and Qt's plug-in misreads them, so neither may see them.
    if (TgaCoder::isGreyAlphaTarga(bytes))
        return TgaCoder::decode(bytes);

    // The header alone tells the size: refuse what cannot be held before decoding it.
    try {
        Magick::Image probe;
        probe.ping(blob);
        ResourceLimits::checkImageSize(probe.columns(), probe.rows());
    } catch (Magick::ErrorResourceLimit &) {
        throw;
    } catch (Magick::Exception &) {
        // Whatever the header's problem, the full read below reports it or decodes anyway.
    }

    Magick::Image image;
    try {
        image.read(blob);
    } catch (Magick::Error &) {
        // Only a reader that failed outright is second-guessed; a warning means the library
        // did decode the file and found something wrong with it, which stays an error.
        const QImage fallback = QtImageBridge::read(bytes);
        if (fallback.isNull())
            throw;
        return QtImageBridge::toMagick(fallback);
    }
    return image;
}

} // namespace ImageDecoder
