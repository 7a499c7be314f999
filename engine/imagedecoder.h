#ifndef IMAGEDECODER_H
#define IMAGEDECODER_H

namespace Magick {
class Blob;
class Image;
} // namespace Magick

// Turns the bytes of an input file into an image, whichever reader can: our own coders for
// JPEG 2000 and grey+alpha Targa data, else the image library, else Qt's image plug-ins for
// what the library has no decoder for or rejects. Safe to call from several threads at once.
namespace ImageDecoder {

// Throws a Magick::Exception when nothing can decode the bytes; the library's own message is
// the one reported, since it is the reader the user relies on.
Magick::Image decode(const Magick::Blob &blob);

} // namespace ImageDecoder

#endif // IMAGEDECODER_H
