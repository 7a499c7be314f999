#ifndef CONVERSIONSETTINGS_H
#define CONVERSIONSETTINGS_H

#include <QString>
#include <QVariantMap>

// Every option of one conversion run, as raw widget values. Combo boxes are kept as their
// current index; the worker maps an index to a library value and skips a setting whose index
// lies outside its table. Filled by the window, owned by the engine for the run, read-only
// while the worker runs.
struct ConversionSettings
{
    QString format;
    QString path;
    int quality = 0;
    bool originalDirectory = false;
    bool overwrite = false;
    bool filePerFrame = false; // each frame or page of a file that holds several on its own
    bool keepDates = false; // outputs dated as their inputs were last changed
    bool skipExisting = false; // an input whose output name is taken already is left alone
    bool keepTree = false; // files of a folder walk keep their sub-folders under the output's
    QString namePattern; // what outputs are named (NamePattern); empty: as they always were
    bool strip = false;
    bool keepColourProfile = false; // with strip: the ICC profile stays
    bool removeLocation = false; // without strip: GPS leaves EXIF and XMP
    bool transparent = false;
    bool stopOnFailure = false; // end the run at the first file that fails
    int jobs = 1; // files the window converts at once
    QString backgroundColor;

    int jpegType = 0;
    bool jpegHuffman = false;
    bool jpegProgressive = false;
    int jpegDensityX = 0;
    int jpegDensityY = 0;
    int jpegColorspace = 0;
    int jpegCompression = 0;
    int jpegQuality = 0;

    int gifType = 0;
    bool gifInterlace = false;
    bool gifDither = false;
    int gifQuantizeColorspace = 0;
    int gifQuantizeColors = 0;
    int gifQuantizeTreeDepth = 0;

    int pngType = 0;
    int pngLevel = 0;
    int pngFilter = 0;
    int pngColorspace = 0;
    bool pngInterlace = false;

    bool resizeEnabled = false;
    int resizeProportion = 0;
    int resizePercent = 0; // with proportion 0: a percentage of the size, 0 for none
    bool resizeShrinkOnly = false; // a picture the step would enlarge keeps its size
    int resizeWidth = 0;
    int resizeHeight = 0;
    bool resizeExact = false;
    bool resizeBaseWidth = false;
    int resizeOperator = 0;
    int resizeFilter = 0;

    // The options of formats that keep no field here, by their "Group/key" (Options::flag and
    // the like without a field).
    QVariantMap values;
};

#endif // CONVERSIONSETTINGS_H
