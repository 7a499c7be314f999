#ifndef MAGICKPIXELS_H
#define MAGICKPIXELS_H

#include <Magick++.h>

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

#endif // MAGICKPIXELS_H
