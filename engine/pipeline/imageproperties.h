#ifndef IMAGEPROPERTIES_H
#define IMAGEPROPERTIES_H

#include <QAtomicInt>
#include <QImage>
#include <QSize>
#include <QString>

namespace Magick {
class Blob;
}

// What the properties dialog shows of one file, read with the same decoder a conversion uses,
// so a JPEG 2000, a Photoshop file or a turned camera photo looks as its converted copy will.
// Plain data; read() is safe to call from any thread and never throws.
struct ImageProperties
{
    enum Status {
        Read,
        CannotOpen, // nothing at the path, or it cannot be read whole
        Failed, // too large, no reader, a damaged picture or not enough memory
        Cancelled, // asked to stop before the picture was read whole
        TooLargeToCount, // its colours would take more than the memory budget to count
    };
    enum ResolutionUnit {
        UndefinedUnit,
        PixelsPerInch,
        PixelsPerCentimetre,
    };

    Status status = CannotOpen;
    // Why, for every status but Read: the reader's own words, which name the file only
    // where that reader does, so the text fits after "Error: " as the dialog always printed.
    QString error;

    // Upright, as every converted copy will be.
    QSize size;
    // Rounded to whole dots, as the library reports it.
    QSize resolution;
    ResolutionUnit resolutionUnit = UndefinedUnit;
    // Distinct red, green and blue triples at the depth the library holds them, as
    // `gm identify -format %k` counts them: transparency and a CMYK picture's black aside.
    // -1 until they are counted, a second step (countColours()).
    qint64 colours = -1;
    // Known whatever the status, unless nothing is at the path.
    qint64 fileSize = 0;
    // Fitted into the box keeping its proportions, enlarged when smaller; alpha kept; in
    // RGB whatever the picture's colour space.
    QImage thumbnail;

    // Decodes a file's bytes in this process (the worker's side of
    // WorkerProcess::readProperties): its size, resolution and thumbnail, a JPEG at the
    // smallest scale the thumbnail allows, so a picture of any size shows at once in little
    // memory. *cancel is looked at between steps.
    static ImageProperties decode(
        Magick::Blob &blob, const QSize &thumbnailBox, const QAtomicInt *cancel = nullptr);
    // The colours of the bytes' picture, decoded whole (WorkerProcess::readColours): status
    // Read with colours, TooLargeToCount, Failed or Cancelled. *cancel is looked at while
    // counting.
    static ImageProperties countColours(Magick::Blob &blob, const QAtomicInt *cancel = nullptr);
};

#endif // IMAGEPROPERTIES_H
