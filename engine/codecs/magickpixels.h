#ifndef MAGICKPIXELS_H
#define MAGICKPIXELS_H

#include <QByteArray>

#include <Magick++.h>

#include <limits>
#include <string>

// Builds an image from packed samples, as our own decoders hand them over. A grey map makes
// the library keep a palette, and for a palette image Magick++ answers pixel colours from it,
// without transparency; holding the pixels directly keeps alpha visible to every later step.
inline Magick::Image imageFromPixels(unsigned width, unsigned height, const std::string &map,
    Magick::StorageType storage, const void *pixels)
{
    Magick::Image image;
    image.read(width, height, map, storage, pixels);
    if (image.classType() != Magick::DirectClass)
        image.classType(Magick::DirectClass);
    return image;
}

// A profile of the image ("ICC", "EXIF"), empty when it has none. Asked of the library
// directly: Magick++'s own call complains about a profile that is not there.
inline QByteArray profileOf(const Magick::Image &image, const char *name)
{
    size_t length = 0;
    const unsigned char *data = MagickLib::GetImageProfile(image.constImage(), name, &length);
    if (!data || length > size_t(std::numeric_limits<int>::max()))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data), int(length));
}

// The image's EXIF as a TIFF structure, without the "Exif\0\0" of a JPEG's segment, as the
// containers of newer formats hold it; empty for none.
inline QByteArray exifTiffOf(const Magick::Image &image)
{
    QByteArray exif = profileOf(image, "EXIF");
    if (exif.startsWith(QByteArray("Exif\0\0", 6)))
        exif.remove(0, 6);
    return exif;
}

// For an encoder that takes red, green and blue: turns CMYK into RGB and gives the ICC profile
// that still describes the pixels, none for a CMYK picture, whose profile described other
// quantities.
inline QByteArray toRgb(Magick::Image &image)
{
    if (image.colorSpace() != Magick::CMYKColorspace)
        return profileOf(image, "ICC");
    image.colorSpace(Magick::RGBColorspace);
    return QByteArray();
}

#endif // MAGICKPIXELS_H
