#ifndef IMAGEPIPELINE_H
#define IMAGEPIPELINE_H

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "outputnaming.h"
#include "reason.h"

struct ConversionSettings;

namespace Magick {
class Blob;
class Image;
} // namespace Magick

// The steps one input file goes through, shared by every front end that converts: decode,
// turn upright, flatten, resize, per-format settings, choose the output, strip, encode and
// write. Stateless; safe to run for several files on several threads at once.
namespace ImagePipeline {

// Geometry of the resize step, before the library sees it.
struct ResizeGeometry
{
    unsigned int width = 0;
    unsigned int height = 0;
    bool valid = false;
    bool aspect = false; // force exactly width x height
};

ResizeGeometry resizeGeometry(
    unsigned int columns, unsigned int rows, const ConversionSettings &settings);

// The size the resize step makes of a columns x rows picture, as the library works it out
// from the geometry; invalid when the step leaves the size alone (it has no geometry, or would
// enlarge a picture that may only shrink).
QSize resizeTarget(unsigned columns, unsigned rows, const ConversionSettings &settings);

// The size of the picture written for an upright columns x rows one: resized, when the
// settings resize it, else its own.
QSize outputSize(const QSize &upright, const ConversionSettings &settings);

// Denominator of the scale (1, 2 or 4) a JPEG of columns x rows is decoded at before it is
// resized to width x height: the largest whose picture is still at least twice that size on
// both sides, so 1 unless the target is at most a quarter as wide and a quarter as high.
unsigned decodeScale(unsigned columns, unsigned rows, unsigned width, unsigned height);

// Whether a JPEG may be decoded smaller for the resize these settings ask for: not when the
// resize step changes nothing or enlarges, nor with the point and box filters, and not
// when the environment variable TARVO_NO_DECODE_SCALE is set to 1, which benchmarks use to
// compare with the full decode.
bool decodeScalingAllowed(const ConversionSettings &settings);
// For tests and benchmarks: turns decoding at a scale on or off for the whole process (and the
// worker processes it starts from then on).
void setDecodeScaling(bool enabled);
bool decodeScaling();

// Bytes converting a columns x rows image with these settings takes at its peak, given what
// its decoder takes per pixel (the decoded image included) and whether the image may have
// an opacity channel. A picture decoded at a scale passes the size it is resized to, which
// its own columns and rows no longer tell.
quint64 peakBytes(quint64 columns, quint64 rows, quint64 decodeBytesPerPixel, bool opacity,
    const ConversionSettings &settings, const QSize &resized = QSize());

// The resize filter's index to the library's filter (the numeric value of its enumeration), or
// -1 when the index lies outside the list and the setting is skipped.
int resizeFilterValue(int index);

// Decoding may leave the camera's orientation in a tag that most outputs drop or ignore;
// this turns the pixels upright and resets the tag to "upright", whatever its stored type.
void orientUpright(Magick::Image &image);
// Global quality, encoder, flattening, resize and the format's own settings, in that order. A
// valid resized size replaces the resize geometry: what the full picture would have been
// resized to, for a picture decoded at a scale.
void prepare(
    Magick::Image &image, const ConversionSettings &settings, const QSize &resized = QSize());
// Strips what the settings say: every profile and comment, or all but the colour profile; or,
// with profiles kept, only the location when asked.
void stripAsAsked(Magick::Image &image, const ConversionSettings &settings);
// Strips if asked and encodes into memory with the format's encoder (or the library's, which
// prepare() chose). What the encoder warned about is added to *warnings; a warning does not
// stop the encoding. An encoder of our own takes the image over and may leave it empty, so
// that its pixels are freed before its output grows.
QByteArray encode(
    Magick::Image &image, const ConversionSettings &settings, QStringList *warnings = nullptr);
// What became of one file: a value the window, its report and the command line each put in
// their own words.
struct FileResult
{
    enum Status {
        Converted,
        Missing, // no file at the path
        Unreadable, // the file could not be read whole
        Failed, // no reader, a damaged picture or an image-processing error
        WriteFailed, // converted, but the output could not be written
        Stopped, // the run was ended (a signal) while the file was in flight; not its fault
        Skipped, // its output is there already (outputPath), and it was asked to be left
    };
    Status status = Converted;
    QString input; // with native separators, as messages name it
    QString outputPath; // the first file written
    // With one file per frame, for a file that holds several: every frame's file, in order.
    QStringList frameOutputs;
    // The files replaced outputs were kept as, with overwrite; outputs that took a free name
    // because the plain one was taken (outputPath, or a frame's).
    QStringList backups;
    QStringList renamed;
    // For every status but Converted and Stopped: the file the reason is about, with native
    // separators (the input, or the output that could not be written), and the reason.
    QString about;
    Reason reason;
    // What the libraries warned about a file that converted all the same.
    QVector<Reason> warnings;
    // Bytes written (every frame's file together), and the time from handing the file over
    // to its outcome.
    qint64 bytes = 0;
    qint64 milliseconds = 0;

    void fail(Status failure, const QString &file, const Reason &why);
    void fail(Status failure, const Reason &why)
    {
        fail(failure, input, why);
    }
    // "<file>: <reason>", the text of the "Error: " line; empty when there is no reason.
    QString error() const;
    // "<input>: <warning>" for each warning, the text of the "Warning: " lines.
    QStringList warningLines() const;
};

// One input's bytes turned into its output's, before anything is written.
struct Encoded
{
    // Converted or Failed.
    FileResult::Status status = FileResult::Converted;
    Reason reason;
    QVector<Reason> warnings;
    // The output; with one file per frame, one for each frame of a file that holds several.
    QVector<QByteArray> pictures;
};

// Most frames or pages read of one file: an animation longer than this is hostile or a
// video, not a picture.
constexpr int mostFrames = 10000;

// Decodes, prepares and encodes the bytes of one input. Leaves the blob empty once the picture
// is decoded, so its memory is free. title names the picture in outputs that carry a title
// (PDF). Never throws.
Encoded convertBytes(
    Magick::Blob &blob, const ConversionSettings &settings, const QString &title = QString());

// Picks the output once the image is encoded; the write may still move it to a free name (in
// FileResult::outputPath) when another program takes the name meanwhile.
using OutputPathChooser = std::function<OutputNaming::Target(const QString &input)>;

// Writes what a file converted to: its one picture under target, or with several (one file per
// frame) each under frameTarget(target, n, claimed), dated modified when given. Fills the
// result's outputs, or its failure for the first that could not be written; the files before it
// stay. A missing folder is made only inside madeUnder (the run's output folder, when it keeps
// sub-folders), and only while madeUnder itself is there.
void writePictures(const OutputNaming::Target &target, const QVector<QByteArray> &pictures,
    const OutputNaming::Taken &claimed, const timespec *modified, FileResult *result,
    const QString &madeUnder = QString());
// The folder a run's sub-folders are made in: its output folder when it keeps sub-folders.
QString subFoldersMadeUnder(const ConversionSettings &settings);

// Converts one non-empty input path in this process: read, convertBytes(), write. For tests
// and tools; the programs convert in worker processes (WorkerProcess). Never throws.
FileResult convertFile(const QString &input, const ConversionSettings &settings,
    const OutputPathChooser &chooseOutputPath);

} // namespace ImagePipeline

Q_DECLARE_METATYPE(ImagePipeline::FileResult)

#endif // IMAGEPIPELINE_H
