#ifndef JPEGCHECK_H
#define JPEGCHECK_H

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

} // namespace JpegCheck

#endif // JPEGCHECK_H
