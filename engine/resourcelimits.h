#ifndef RESOURCELIMITS_H
#define RESOURCELIMITS_H

#include <QtGlobal>

// How large an image this machine agrees to decode. A photo of 25200x33300 pixels decodes to
// more than 6 GB at 16 bits a sample; refused up front, it costs one error line instead of the
// machine's memory. Every decoder checks an image's size here before it allocates.
namespace ResourceLimits {

// Sets the image library's own limits (pixels, memory, memory maps, disk cache) from the
// machine's physical memory. Idempotent; call after the library is initialised.
void apply();

// Most pixels one image may have: a quarter of the physical memory holds the decoded image and
// one working copy of it at 16 bits a sample.
quint64 maxPixels();

// Throws Magick::ErrorResourceLimit, naming the pixel size, when width x height is too large.
void checkImageSize(quint64 width, quint64 height);

} // namespace ResourceLimits

#endif // RESOURCELIMITS_H
