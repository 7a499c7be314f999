#ifndef METADATA_H
#define METADATA_H

#include <QByteArray>
#include <QDate>

namespace Magick {
class Image;
} // namespace Magick

// What a picture carries beside its pixels, as a conversion changes it: its colour profile,
// and where it was taken. Stateless.
namespace Metadata {

// Whether an ICC profile describes sRGB (whatever its maker, version or name): its primaries,
// white and tone curves those of sRGB, to well under what an eye tells apart.
bool isSrgb(const QByteArray &icc);

// Turns the pixels of an RGB picture whose profile is not sRGB into sRGB, which the profile
// then describes, so that the picture looks the same once the profile is gone. Any other
// picture is left as it is.
void toSrgb(Magick::Image &image);

// The day an EXIF block (with or without the "Exif\0\0" of a JPEG's segment, or a whole TIFF
// file) says the photo was taken; invalid when it says none or cannot be read.
QDate exifDateTaken(const QByteArray &exif);

// An EXIF block (with or without the "Exif\0\0" of a JPEG's segment) without its GPS
// directory: the pointer to it is gone and its entries and values are zeroed, so nothing of
// the location is left in the bytes. Returned unchanged when it has none or is not readable.
QByteArray exifWithoutLocation(const QByteArray &exif);

// An XMP packet without its exif:GPS properties.
QByteArray xmpWithoutLocation(const QByteArray &xmp);

} // namespace Metadata

#endif // METADATA_H
