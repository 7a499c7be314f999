#ifndef WEBPCODER_H
#define WEBPCODER_H

#include <QByteArray>

#include <vector>

namespace Magick {
class Image;
}

// WebP on libwebp, whose settings (method, exact lossless) the image library does not pass on.
// Failures are thrown as a Magick::ErrorCoder whose message starts with "WebP: ", so callers
// handle them as a library error. Safe to call from several threads at once.
namespace WebpCoder {

struct Settings
{
    int quality = 75; // 0-100: detail kept, or with lossless the effort spent on size
    bool lossless = false;
    int method = 4; // 0-6: effort, slower for smaller files
};

// Encodes the image, taking it over (its pixels are freed before the encoder's buffers grow).
// An image with an opacity channel keeps it as alpha. Its ICC and EXIF profiles are written
// into the file; strip the image first to write none.
QByteArray encode(Magick::Image &&image, const Settings &settings);

// Encodes frames of one size as an animation, each shown for its delay (in hundredths of a
// second), played as often as the first frame's iterations say (0: forever). The frames are
// taken over and freed as they are encoded. Profiles are not written.
QByteArray encodeAnimation(std::vector<Magick::Image> &&frames, const Settings &settings);

// How many frames a WebP holds (1 for a still, or for bytes it cannot make sense of), read from
// its headers alone; *pixels: the canvas's pixels for each of them.
unsigned frameCount(const QByteArray &bytes, quint64 *pixels = nullptr);

// The first count frames of an animated WebP, each the whole canvas as it is shown then, with
// its delay (hundredths of a second) and the animation's loop count.
std::vector<Magick::Image> decodeAnimation(const QByteArray &bytes, unsigned count);

} // namespace WebpCoder

#endif // WEBPCODER_H
