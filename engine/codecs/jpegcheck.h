#ifndef JPEGCHECK_H
#define JPEGCHECK_H

#include <QAtomicInt>
#include <QByteArray>
#include <QString>

// Tells whether a JPEG's picture is whole, by decoding it once with libjpeg and listening to
// what libjpeg itself reports. The image library decodes a JPEG whose data stops early or is
// corrupt without failing, filling the rest with grey, and only warns; a few stray bytes
// between segments get the same kind of warning but leave the picture whole. Safe to call
// from several threads at once.
namespace JpegCheck {

enum Damage { Whole, CutShort, Corrupt };

struct Result
{
    Damage damage = Whole;
    QString reason; // why the picture is not whole, in libjpeg's words
};

// Decodes at the smallest scale libjpeg offers, so the check costs a fraction of a decode.
Result check(const QByteArray &bytes);

// The distinct colours of the JPEG's picture as the image library decodes it (8-bit samples;
// a grey picture's levels; a CMYK picture's black aside), counted a row at a time: a picture
// of any size in a few megabytes. -1 once *cancel is set, -2 when libjpeg cannot read it.
qint64 countColours(const QByteArray &bytes, const QAtomicInt *cancel = nullptr);

} // namespace JpegCheck

#endif // JPEGCHECK_H
