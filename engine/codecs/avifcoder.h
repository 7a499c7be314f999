#ifndef AVIFCODER_H
#define AVIFCODER_H

#include <QByteArray>

#include <vector>

namespace Magick {
class Image;
}

// AVIF on libavif (with the AOM encoder). Failures are thrown as a Magick::ErrorCoder whose
// message starts with "AVIF: ", so callers handle them as a library error. Safe to call from
// several threads at once.
namespace AvifCoder {

struct Settings
{
    int quality = 60; // 0-100, to the encoder's quantizer 63-0
    bool lossless = false; // every sample kept: 4:4:4 in RGB, quantizer 0
    int speed = 6; // 0-10, slowest to fastest
    bool fullChroma = false; // 4:4:4 instead of 4:2:0
    int threads = 1;
};

// The encoder's quantizer (0 best, 63 worst) for a quality.
int quantizerFor(int quality);

// Encodes the image (taking it over) at 8 bits, or 10 for a deeper one, with its alpha and its
// ICC and EXIF profiles; strip the image first to write none.
QByteArray encode(Magick::Image &&image, const Settings &settings);

// Encodes frames of one size as an image sequence, each shown for its delay (in hundredths of
// a second). The frames are taken over and freed as they are encoded.
QByteArray encodeAnimation(std::vector<Magick::Image> &&frames, const Settings &settings);

// How many frames an AVIF holds (1 for a still, or for bytes it cannot make sense of), read from
// its headers; *pixels: the frames' pixels together.
unsigned frameCount(const QByteArray &bytes, quint64 *pixels = nullptr);

// The first count frames of an AVIF image sequence, with their delays (hundredths of a
// second), at 8 bits or 16 for a deeper sequence.
std::vector<Magick::Image> decodeAnimation(const QByteArray &bytes, unsigned count);

} // namespace AvifCoder

#endif // AVIFCODER_H
