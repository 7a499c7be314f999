#ifndef QTIMAGEBRIDGE_H
#define QTIMAGEBRIDGE_H

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace Magick {
class Image;
}

// Reaches Qt's image plug-ins (PSD, XCF, camera RAW and more) for inputs the image library
// cannot decode, and hands the result on as a Magick::Image so the pipeline stays the same.
namespace QtImageBridge {

// Decodes the bytes with the Qt image plug-in of format ("psd", "tga") and no other. Returns a
// null image when it cannot; *error then says why. What the plug-in warned about while
// decoding is added to *warnings instead of being printed.
QImage read(const QByteArray &bytes, const QByteArray &format, QString *error = nullptr,
    QStringList *warnings = nullptr);

// Converts without losing what the QImage holds: alpha stays an opacity channel, grey stays
// grey and 16-bit formats keep 16 bits per sample.
Magick::Image toMagick(const QImage &image);

} // namespace QtImageBridge

#endif // QTIMAGEBRIDGE_H
