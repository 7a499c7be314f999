#ifndef TGACODER_H
#define TGACODER_H

#include <QByteArray>

namespace Magick {
class Image;
}

// Grey Targa files with an alpha channel (16 bits a pixel, raw or run-length encoded): the
// image library rejects them and Qt's plug-in misreads them as two grey pixels, so they are
// decoded here. Failures are thrown as a Magick::Exception subclass.
namespace TgaCoder {

// True for a Targa header of image type 3 or 11 with 16 bits a pixel and 8 alpha bits.
bool isGreyAlphaTarga(const QByteArray &bytes);

Magick::Image decode(const QByteArray &bytes);

} // namespace TgaCoder

#endif // TGACODER_H
