#ifndef JP2CODER_H
#define JP2CODER_H

#include <QByteArray>

namespace Magick {
class Image;
}

// JPEG 2000 on OpenJPEG, because the image library we ship against has no coder for it.
// Every failure is thrown as a Magick::ErrorCoder whose message starts with "JPEG 2000: ", so
// callers handle it exactly like a library error. Safe to call from several threads at once.
namespace Jp2Coder {

// True when the bytes begin with the JP2 signature box or a raw J2K codestream (SOC, SIZ).
bool isJpeg2000(const QByteArray &bytes);

// Decodes a JP2 file or a J2K codestream. 8-bit samples stay 8-bit; every other precision
// comes out as 16 bits (scaled exactly, signed samples moved up by half their range). One
// component is grey, two grey+alpha, three RGB, four RGBA; a component the file marks as alpha
// is alpha wherever it sits, and further components are dropped. Subsampled components are
// repeated to full size, YCbCr (sYCC, or a codestream with subsampled chroma that names no
// colour space) is turned into RGB, and an embedded ICC profile is attached as "ICC".
// Truncated or damaged headers, truncated data and absurd sizes throw.
Magick::Image decode(const QByteArray &bytes);

// Encodes losslessly (reversible 5/3 wavelet, no rate limit) into a JP2 file: decoding the
// result gives back exactly the pixels given. Grey images stay one channel, an image with an
// opacity channel keeps it as alpha; the sample depth is 8 or 16 bits after the image's depth.
// An image whose pixels are all grey is stored as grey, unless it carries an RGB ICC profile.
// The image's ICC profile is written when it fits the stored channels (a grey profile for grey,
// an RGB one for RGB) and the image is not CMYK or the like; otherwise it is left out and the
// file says sRGB or greyscale. Strip the image first to write no profile at all.
QByteArray encode(const Magick::Image &image);
// The same, taking the image over: it is left empty, its pixels freed once the file is made.
QByteArray encode(Magick::Image &&image);

} // namespace Jp2Coder

#endif // JP2CODER_H
