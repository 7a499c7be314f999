#ifndef OUTPUTFORMAT_H
#define OUTPUTFORMAT_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

#include "conversionsettings.h"
#include "option.h"

namespace Magick {
class Image;
}

// A format's codec (the functions that give an image its settings, encode, read frames) exists
// only where pictures are converted. A program that hands every picture to its workers is built
// with TARVO_NO_CODECS: the formats keep their names, suffixes and options, their codec is
// nullptr, and the program neither links nor loads the image libraries.
#ifdef TARVO_NO_CODECS
#define TARVO_CODEC(...) nullptr
#else
#define TARVO_CODEC(...) __VA_ARGS__
#endif

// One format the converter writes, all of it in one file of its own (jpegformat.cpp and the
// like) and named once in the list of outputformats.cpp: the window's list, its option page and
// quality control, the command line's --format and options, the pipeline's settings and
// encoder, the memory budget's estimate and the packaging's type lists all come from here.
struct OutputFormat
{
    const char *name; // as tarvo.ini, --format and the image library spell it, in lower case
    const char *label; // as the window's list shows it: "JPEG2000"
    const char *title; // as sentences name it: "JPEG 2000"
    const char *suffix; // given to the files written in it, with its dot: ".jpg"
    const char *mimeType; // "image/jpeg"
    // Its options, on a page of the window named after their group, under that group in
    // tarvo.ini; empty for a format without any.
    QVector<Options::Option> options;
    // Whether the general quality (Options::generalQuality) is this format's; otherwise the
    // window's quality control shows the row of its options marked as its quality, and is
    // disabled for a format without one.
    bool takesGeneralQuality;
    // The window's tip on its quality control, in the window's translation context.
    const char *qualityTip;
    // What encoding takes per pixel of the image it encodes, the image included, for the
    // memory budget (peak resident memory measured on large photographs).
    quint64 encodeBytesPerPixel;
    // Gives the image the format's settings, after the general ones; nullptr for none.
    void (*apply)(Magick::Image &image, const ConversionSettings &settings);
    // Encodes the image (taking it over) into the format's bytes; nullptr for the image
    // library's own writer.
    QByteArray (*encode)(Magick::Image &&image, const ConversionSettings &settings);
    // What it holds of an input of several frames or pages; of the rest, the first is written,
    // with a warning.
    enum class Frames {
        First,
        Animation, // every frame of an animation
        All, // every frame of an animation and every page, a page each
    };
    Frames frames = Frames::First;
    // Encodes them all (taking them over), when it holds them and the library's writer is not
    // the one.
    QByteArray (*encodeFrames)(
        std::vector<Magick::Image> &&frames, const ConversionSettings &settings)
        = nullptr;
    // Whether an input's own bytes (these leading ones) are turned into the output without
    // being decoded, as a JPEG into lossless JPEG XL is, and how.
    bool (*transcodes)(const QByteArray &head, const ConversionSettings &settings) = nullptr;
    QByteArray (*transcode)(const QByteArray &input, const ConversionSettings &settings) = nullptr;
};

// The formats the converter writes.
namespace OutputFormats {

// In the order of the window's list, whose index is what tarvo.ini stores: new formats go last.
const QVector<const OutputFormat *> &all();
QStringList names();
// The titles in a sentence, the last joined by the conjunction: "JPEG, GIF, PNG, JPEG 2000 or PDF".
QString titles(const QString &conjunction);
// nullptr for a name not in the list.
const OutputFormat *find(const QString &name);
// The suffix for a format name, or an empty string for a name not in the list.
QString suffixFor(const QString &name);

// For tests: adds a format at the end of the list, before anything has asked for the list
// of options.
void add(const OutputFormat *format);

} // namespace OutputFormats

#endif // OUTPUTFORMAT_H
