#ifndef JXLCODER_H
#define JXLCODER_H

#include <QByteArray>

namespace Magick {
class Image;
}

// JPEG XL on libjxl. Failures are thrown as a Magick::ErrorCoder whose message starts with
// "JPEG XL: ", so callers handle them as a library error. Safe to call from several threads
// at once.
namespace JxlCoder {

struct Settings
{
    int quality = 90; // 0-100, as cjxl's: 90 is a distance of 1, 100 without loss
    bool lossless = false;
    int effort = 7; // 1-9: slower for smaller files
    int threads = 1;
};

// The encoder's distance (visual loss) for a quality, as cjxl maps it; 0 for 100.
float distanceFor(int quality);

// Encodes the image (taking it over) at 8 bits, or 16 for a deeper one, with its alpha, its ICC
// profile (or as sRGB) and its EXIF; strip the image first to write no EXIF.
QByteArray encode(Magick::Image &&image, const Settings &settings);

// A JPEG file recompressed without loss: its coefficients stored more tightly, with what it
// takes to give the very same JPEG file back (djxl). Metadata travels along untouched.
QByteArray recompressJpeg(const QByteArray &jpeg, const Settings &settings);

} // namespace JxlCoder

#endif // JXLCODER_H
