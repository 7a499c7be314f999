#include "imagedecoder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <Magick++.h>

#include "jp2coder.h"
#include "qtimagebridge.h"
#include "tgacoder.h"

namespace ImageDecoder {

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
