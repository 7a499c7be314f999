#ifndef IMAGEDECODER_H
#define IMAGEDECODER_H

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include <Magick++/Exception.h>

#include "picturefacts.h"
#include "reason.h"

namespace Magick {
class Blob;
class Image;
} // namespace Magick

// Turns the bytes of an input file into an image, whichever reader can: our own coders for
// JPEG 2000 and grey+alpha Targa data, else the image library, else Qt's image plug-ins for
// what the library has no decoder for or rejects. Safe to call from several threads at once.
namespace ImageDecoder {

enum class ReadResult {
    Read,
    Missing, // nothing at the path
    Unreadable, // cannot be opened, or fewer bytes came back than the file holds
    TooLarge, // more than one buffer can address
};

// Reads the whole file into one buffer of its size, which the blob takes over, so the file
// is in memory once however it is decoded. A file larger than the memory budget is refused
// before a byte is read. On failure *error holds the reason. Throws std::bad_alloc when there
// is no memory for the buffer.
ReadResult readFile(const QString &path, Magick::Blob &blob, Reason *error);
// The same from a file already open; a pipe is read to its end.
ReadResult readDescriptor(int fd, Magick::Blob &blob, Reason *error);

// The data does not hold the whole picture; the message, "damaged JPEG: <what the reader
// said>", is ours and plain.
class DamagedPicture : public Magick::ErrorCorruptImage
{
public:
    explicit DamagedPicture(const std::string &message)
        : Magick::ErrorCorruptImage(message)
    {
    }
};

// Lets a caller that shrinks the picture anyway have a JPEG decoded at 1/2, 1/4 or 1/8 of its
// size, which libjpeg does in its inverse DCT for a fraction of the work. Called with the full
// size, turned as the EXIF orientation says, before anything is decoded; returns the
// denominator, 1 for the full size.
using ScaleChoice = std::function<unsigned(unsigned columns, unsigned rows)>;

// Throws a Magick::Exception when nothing can decode the bytes, the library's own message
// first, since it is the reader the user relies on; and a DamagedPicture when the data does
// not hold the whole picture. What a reader
// warned about a picture that did decode whole is added to *warnings.
Magick::Image decode(const Magick::Blob &blob, QStringList *warnings = nullptr,
    const ScaleChoice &chooseScale = ScaleChoice());

// The pixels of the picture the bytes hold, where a glance at the header tells (JPEG, PNG,
// GIF); 0 where it does not.
quint64 headerPixels(const Magick::Blob &blob);

// What the bytes tell of the picture beside its pixels: read from the headers where the reader
// can (the whole picture is decoded where it cannot). Throws as decode() does.
PictureFacts facts(const Magick::Blob &blob);

// Holds the memory of decoding the bytes (for a caller that hands them to a codec of its own),
// as the size in their header asks; throws when it can never fit.
void holdMemoryFor(const Magick::Blob &blob);

// How many frames or pages the bytes hold, read from their headers, up to most: more than 1
// only for a format the library reads several of (GIF, TIFF). *pixels: all of theirs;
// *animation: whether they are an animation's frames rather than pages.
unsigned frameCount(
    const Magick::Blob &blob, unsigned most, quint64 *pixels = nullptr, bool *animation = nullptr);

// The first count frames or pages of such bytes, in order; an animation's frames whole, each
// drawn over the ones before it. Throws as decode() does.
std::vector<Magick::Image> decodeFrames(const Magick::Blob &blob, unsigned count);

} // namespace ImageDecoder

#endif // IMAGEDECODER_H
