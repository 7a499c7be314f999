#ifndef INPUTFORMATS_H
#define INPUTFORMATS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

namespace Magick {
class Image;
}

// The pictures this program reads, each known by its leading bytes and read by the decoder
// chosen for it here. A file's name decides nothing: a PostScript program named photo.jpg is
// still PostScript, and nothing hands it to an interpreter. Documents and drawings (PostScript,
// PDF, XPS, SVG, metafiles) are refused by name, anything else unknown as "not a picture".
// The pickers, Import Folder and the command line's folder search offer these formats' names.
namespace InputFormats {

enum class Decoder {
    Library, // the image library's coder, named explicitly
    Jpeg2000, // our own OpenJPEG coder
    Plugin, // a Qt image plug-in, named explicitly
};

struct Format
{
    // As messages name it: "PNG", "Radiance HDR"; the few in words are marked for translation
    // in the "InputFormats" context.
    const char *name;
    Decoder decoder;
    const char *coder; // the library's coder or the Qt plug-in's format
    // A Qt plug-in that reads what the library rejects of this format; nullptr for none.
    const char *fallback;
    QStringList suffixes; // without the dot, the usual one first
    QStringList mimeTypes; // what a desktop calls it, for the types the program opens
    bool (*matches)(const QByteArray &head);
    // The decoder is known to write past its buffers on damaged files without always
    // crashing: a worker that ran it converts nothing else, so what it corrupted stays with
    // that file's output.
    bool alone = false;
    // The library reads more than one frame or page of it, and they are an animation (drawn
    // over each other) rather than pages.
    bool frames = false;
    bool animated = false;
    // Where the library reads the first frame only: our own count and reader of all of them.
    unsigned (*countFrames)(const QByteArray &bytes, quint64 *pixels) = nullptr;
    std::vector<Magick::Image> (*readFrames)(const QByteArray &bytes, unsigned count) = nullptr;
};

// The leading bytes that decide a file's format: identify() never needs more.
constexpr int headBytes = 4096;

// In the order they are tried, which matters only for Targa, the one without a signature.
const QVector<Format> &all();

struct Verdict
{
    const Format *format = nullptr;
    // Why there is none, in words to follow "<file>: ".
    const char *refusal = nullptr;
};

// head: the file's first headBytes bytes, or all of it when it is shorter.
Verdict identify(const QByteArray &head);

// "*.psd", "*.png", ...: the eight the window always offered first, then every other suffix.
// The Add picker offers them, Import Folder takes and the command line searches folders for
// them, matched in any letter case.
QStringList patterns();
// A picker's patterns for one format, or with nullptr every format (patterns()), then the same
// in capitals: "*.psd *.png ... *.PSD *.PNG ...".
QString filterPatterns(const Format *format = nullptr);
// Every format's MIME types, in table order.
QStringList mimeTypes();

// The Qt plug-ins a format's decoders may load, which a sandbox must load before it forbids
// opening them; nullptr for every format at once (all() and Qt's own readers need none).
QList<QByteArray> pluginsFor(const Format *format);

} // namespace InputFormats

#endif // INPUTFORMATS_H
