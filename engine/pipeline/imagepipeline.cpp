#include "imagepipeline.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <Magick++.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <limits>
#include <new>
#include <utility>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "conversionsettings.h"
#include "diagnostics.h"
#include "imagedecoder.h"
#include "magickpixels.h"
#include "metadata.h"
#include "outputfile.h"
#include "outputformat.h"
#include "resourcelimits.h"

using namespace MagickLib;

namespace ImagePipeline {

QSize resizeTarget(unsigned columns, unsigned rows, const ConversionSettings &settings)
{
    const ResizeGeometry size = resizeGeometry(columns, rows, settings);
    if (!size.valid || size.width == 0 || size.height == 0)
        return QSize();
    Magick::Geometry geometry(size.width, size.height);
    geometry.aspect(size.aspect);
    long x = 0;
    long y = 0;
    unsigned long width = columns;
    unsigned long height = rows;
    GetMagickGeometry(std::string(geometry).c_str(), &x, &y, &width, &height);
    if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX)
        return QSize();
    if (settings.resizeShrinkOnly && (width > columns || height > rows))
        return QSize();
    return QSize(int(width), int(height));
}

QSize outputSize(const QSize &upright, const ConversionSettings &settings)
{
    if (!settings.resizeEnabled || upright.isEmpty())
        return upright;
    const QSize resized
        = resizeTarget(unsigned(upright.width()), unsigned(upright.height()), settings);
    return resized.isValid() ? resized : upright;
}

namespace {

void flatten(Magick::Image &image, const ConversionSettings &settings)
{
    const Magick::Image original(image);
    // QColor gives "#000000" for a name it cannot parse; the library only ever sees that form.
    const Magick::Color color(QColor(settings.backgroundColor).name().toStdString());
    image.backgroundColor(color);
    image.erase();
    image.composite(original, 0, 0, OverCompositeOp);
}

void resize(Magick::Image &image, const ConversionSettings &settings, const QSize &resized)
{
    // Never larger, on either side; a picture decoded at a scale was made smaller already.
    if (settings.resizeShrinkOnly && !resized.isValid()
        && !resizeTarget(unsigned(image.columns()), unsigned(image.rows()), settings).isValid())
        return;
    const ResizeGeometry size = resizeGeometry(image.columns(), image.rows(), settings);
    Magick::Geometry geometry;
    if (resized.isValid()) {
        geometry = Magick::Geometry(unsigned(resized.width()), unsigned(resized.height()));
        geometry.aspect(true);
    } else if (size.valid) {
        geometry = Magick::Geometry(size.width, size.height);
        geometry.aspect(size.aspect);
    }
    switch (settings.resizeOperator) {
    case 0:
        image.scale(geometry);
        break;
    case 1:
        image.filterType(LanczosFilter);
        image.zoom(geometry);
        break;
    case 2: {
        const int filter = resizeFilterValue(settings.resizeFilter);
        if (filter >= 0)
            image.filterType(FilterTypes(filter));
        image.zoom(geometry);
        break;
    }
    default:
        break;
    }
}

// Whether the encoder of the image's format writes into memory. The library writes the others
// (PDF, which goes back to fill in offsets) into a temporary file of its own, which a sandboxed
// worker may not make, and named after that file, which a PDF keeps as its title.
bool writesToMemory(const Magick::Image &image)
{
    MagickLib::ExceptionInfo exception;
    MagickLib::GetExceptionInfo(&exception);
    const MagickLib::MagickInfo *coder
        = MagickLib::GetMagickInfo(image.magick().c_str(), &exception);
    MagickLib::DestroyExceptionInfo(&exception);
    return !coder || coder->blob_support;
}

// Writes the image into a file that lives in memory only, which the encoder may seek in. As
// Magick++'s own write, an encoder's warning is thrown once *data holds the whole file.
void writeThroughMemoryFile(Magick::Image &image, QByteArray *data)
{
    const int fd = ::memfd_create("tarvo-output", MFD_CLOEXEC);
    FILE *file = fd >= 0 ? ::fdopen(fd, "w+b") : nullptr;
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        throw Magick::ErrorFileOpen("cannot make a file in memory for the encoder");
    }
    const auto closeFile = qScopeGuard([file] { std::fclose(file); });
    image.modifyImage();
    MagickLib::ImageInfo *info = MagickLib::CloneImageInfo(image.imageInfo());
    info->file = file;
    MagickLib::FormatString(info->filename, "%.32s:", image.magick().c_str());
    const bool written = MagickLib::WriteImage(info, image.image()) != MagickFail;
    MagickLib::DestroyImageInfo(info);
    if (written && std::fflush(file) == 0) {
        const off_t size = ::lseek(fd, 0, SEEK_END);
        if (size < 0 || size > std::numeric_limits<int>::max() - 64)
            throw Magick::ErrorFileOpen("the encoded picture is too large");
        data->resize(int(size));
        if (::pread(fd, data->data(), size_t(size), 0) != size)
            throw Magick::ErrorFileOpen("cannot read the encoder's file in memory");
    }
    image.throwImageException();
    if (data->isEmpty())
        throw Magick::ErrorFileOpen("the encoder wrote nothing");
}

// The image (with the images linked after it, when it adjoins them) in its format, by the
// library's own writer.
QByteArray writeWithLibrary(Magick::Image &image, QStringList *warnings)
{
    image.quiet(false);
    QByteArray data;
    Magick::Blob blob;
    try {
        if (writesToMemory(image))
            image.write(&blob);
        else
            writeThroughMemoryFile(image, &data);
    } catch (Magick::Warning &warning) {
        // The encoder had its say (the PNG writer, say, on chromaticities it will not store)
        // after writing the whole image.
        if (warnings)
            warnings->append(Diagnostics::libraryReason(warning.what()));
    }
    if (blob.length() > 0)
        data = QByteArray(static_cast<const char *>(blob.data()), int(blob.length()));
    return data;
}

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Sets the orientation tag of the first image directory of an EXIF block to 1 (upright),
// whichever integer type it is stored as. False when there is no such tag to change.
bool setExifOrientationUpright(QByteArray &exif)
{
    const int base = exif.startsWith(QByteArray("Exif\0\0", 6)) ? 6 : 0;
    if (exif.size() < base + 8)
        return false;
    const bool little = exif.mid(base, 2) == "II";
    if (!little && exif.mid(base, 2) != "MM")
        return false;
    const auto read = [&](qint64 pos, int size) {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value |= quint32(quint8(exif.at(int(pos) + i))) << (8 * (little ? i : size - 1 - i));
        return value;
    };
    const auto write = [&](qint64 pos, int size, quint32 value) {
        for (int i = 0; i < size; ++i)
            exif[int(pos) + i] = char(value >> (8 * (little ? i : size - 1 - i)));
    };
    const qint64 directory = base + qint64(read(base + 4, 4));
    if (directory + 2 > exif.size())
        return false;
    const quint32 entries = read(directory, 2);
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * qint64(i);
        if (entry + 12 > exif.size())
            return false;
        if (read(entry, 2) != 0x0112 || read(entry + 4, 4) != 1)
            continue;
        switch (read(entry + 2, 2)) {
        case 3: // SHORT
        case 8: // SSHORT
            write(entry + 8, 2, 1);
            return true;
        case 4: // LONG
        case 9: // SLONG
            write(entry + 8, 4, 1);
            return true;
        default:
            return false;
        }
    }
    return false;
}

} // namespace

ResizeGeometry resizeGeometry(
    unsigned int columns, unsigned int rows, const ConversionSettings &settings)
{
    ResizeGeometry geometry;
    const int p = settings.resizeProportion;
    if (p > 0) {
        geometry.width = columns * unsigned(p);
        geometry.height = rows * unsigned(p);
        geometry.valid = true;
    } else if (p < 0) {
        // The factor is kept in single precision on purpose: it decides the last pixel of
        // sides that do not divide evenly, and results must not change between versions.
        const float factor = 1.0f / float(-p);
        geometry.width = unsigned(double(columns) * double(factor));
        geometry.height = unsigned(double(rows) * double(factor));
        geometry.valid = true;
    } else if (settings.resizePercent > 0) {
        geometry.width = unsigned((quint64(columns) * unsigned(settings.resizePercent) + 50) / 100);
        geometry.height = unsigned((quint64(rows) * unsigned(settings.resizePercent) + 50) / 100);
        geometry.width = qMax(geometry.width, 1u);
        geometry.height = qMax(geometry.height, 1u);
        geometry.valid = true;
        geometry.aspect = true;
    } else if (settings.resizeExact || settings.resizeBaseWidth) {
        geometry.width = unsigned(qMax(settings.resizeWidth, 0));
        geometry.height = unsigned(qMax(settings.resizeHeight, 0));
        geometry.valid = true;
        geometry.aspect = settings.resizeExact;
    }
    return geometry;
}

unsigned decodeScale(unsigned columns, unsigned rows, unsigned width, unsigned height)
{
    if (width == 0 || height == 0)
        return 1;
    // Resized only from the size of the target or a little above it, the picture libjpeg
    // scaled shows its 8x8 blocks' grid in fine texture (32 dB against the full decode on a
    // painted wallpaper, fit into 640x480); from twice the size the resize smooths it (above
    // 40 dB). At 1/8 libjpeg keeps only each block's average, which no margin saves: that
    // wallpaper fit into 320x240 came to 38 dB at 1/8 and 46 at 1/4, for 7% more time.
    for (unsigned scale = 4; scale > 1; scale /= 2) {
        if (columns / scale >= 2 * width && rows / scale >= 2 * height)
            return scale;
    }
    return 1;
}

bool decodeScalingAllowed(const ConversionSettings &settings)
{
    if (!decodeScaling() || !settings.resizeEnabled || settings.resizeProportion > 0)
        return false;
    // A point filter picks single pixels of the source, and which ones it hits decides the
    // whole picture: from a source averaged by the DCT it looks nothing like the full decode's.
    // The box filter's hard edges let the 8x8 grid through (36 dB on a painted wallpaper, where
    // the other filters stay above 43).
    const bool pointOrBox = settings.resizeOperator == 2
        && (settings.resizeFilter == 0 || settings.resizeFilter == 1);
    return settings.resizeOperator >= 0 && settings.resizeOperator <= 2 && !pointOrBox;
}

quint64 peakBytes(quint64 columns, quint64 rows, quint64 decodeBytesPerPixel, bool opacity,
    const ConversionSettings &settings, const QSize &resized)
{
    // The steps follow one another, each freeing what it no longer needs: the peak is the
    // largest of them.
    const quint64 pixels = columns * rows;
    quint64 peak = pixels * decodeBytesPerPixel;
    if (opacity && !settings.transparent) // the image and the copy it is composited from
        peak = qMax(peak, 2 * pixels * ResourceLimits::pixelBytes);

    quint64 width = columns;
    quint64 height = rows;
    if (settings.resizeEnabled) {
        const quint64 p = quint64(qAbs(settings.resizeProportion));
        if (settings.resizeProportion > 0) {
            width *= p;
            height *= p;
        } else if (settings.resizeProportion < 0) {
            width /= p;
            height /= p;
        } else if (settings.resizeExact || settings.resizeBaseWidth) {
            // Fitted into the box, or stretched to it: never more than the box.
            width = quint64(qMax(settings.resizeWidth, 1));
            height = quint64(qMax(settings.resizeHeight, 1));
        }
        if (resized.isValid()) {
            width = quint64(resized.width());
            height = quint64(resized.height());
        }
        // The library resizes one way, then the other, through an image between the two;
        // the source is freed only once the result is whole.
        const quint64 between = qMax(width * rows, columns * height);
        peak = qMax(peak, (pixels + between + width * height) * ResourceLimits::pixelBytes);
    }
    // Encoding takes what the format says per pixel of the image it encodes, the image
    // included (a name outside the list fails at the encoder, after no more than this).
    const OutputFormat *format = OutputFormats::find(settings.format);
    return qMax(peak, width * height * (format ? format->encodeBytesPerPixel : 15));
}

int resizeFilterValue(int index)
{
    return (index >= 0 && index <= 14) ? int(PointFilter) + index : -1;
}

void orientUpright(Magick::Image &image)
{
    const OrientationType orientation = image.orientation();
    if (orientation == UndefinedOrientation || orientation == TopLeftOrientation)
        return;
    image.autoOrient();
    // The library resets the tag it turned by only where it is stored as a SHORT; a camera
    // that stores it as a LONG would have every viewer turn the photo a second time.
    const Magick::Blob profile = image.profile("EXIF");
    QByteArray exif(static_cast<const char *>(profile.data()), int(profile.length()));
    if (setExifOrientationUpright(exif))
        image.profile("EXIF", Magick::Blob(exif.constData(), size_t(exif.size())));
}

void prepare(Magick::Image &image, const ConversionSettings &settings, const QSize &resized)
{
    // A profile about to be stripped must not take the picture's colours with it; turned into
    // sRGB, the picture looks the same without it. First, so that flattening, resizing and
    // the format's own colour steps all work on what will be written.
    if (settings.strip && !settings.keepColourProfile)
        Metadata::toSrgb(image);
    image.quality(settings.quality);
    image.magick(settings.format.toStdString());

    // Transparency is flattened whenever the image has an opacity channel. Asking for the
    // channel's depth instead would miss the common cut-out (the library reports the bits its
    // values need, 1 for fully transparent and fully opaque pixels only), and costs a pass
    // over every pixel; without the channel, flattening changes nothing.
    if (!settings.transparent && image.matte())
        flatten(image, settings);

    if (settings.resizeEnabled)
        resize(image, settings, resized);

    const OutputFormat *format = OutputFormats::find(settings.format);
    if (format && format->apply)
        format->apply(image, settings);
}

void stripAsAsked(Magick::Image &image, const ConversionSettings &settings)
{
    if (settings.strip) {
        const QByteArray icc = settings.keepColourProfile ? profileOf(image, "ICC") : QByteArray();
        image.strip();
        // The name a TIFF was written under (its writer's path, as often as not), which the
        // PNG writer would pass on as text.
        MagickLib::SetImageAttribute(image.image(), "document", nullptr);
        if (!icc.isEmpty())
            image.profile("ICM", Magick::Blob(icc.constData(), size_t(icc.size())));
        return;
    }
    if (!settings.removeLocation)
        return;
    const QByteArray exif = profileOf(image, "EXIF");
    if (!exif.isEmpty()) {
        // What cannot be read well enough to find the location in goes whole.
        const QByteArray kept = Metadata::exifWithoutLocation(exif);
        image.profile("EXIF", Magick::Blob(kept.constData(), size_t(kept.size())));
    }
    const QByteArray xmp = profileOf(image, "XMP");
    if (!xmp.isEmpty()) {
        const QByteArray kept = Metadata::xmpWithoutLocation(xmp);
        image.profile("XMP", Magick::Blob(kept.constData(), size_t(kept.size())));
    }
}

QByteArray encode(Magick::Image &image, const ConversionSettings &settings, QStringList *warnings)
{
    stripAsAsked(image, settings);
    const OutputFormat *format = OutputFormats::find(settings.format);
    if (format && format->encode)
        return format->encode(std::move(image), settings);
    return writeWithLibrary(image, warnings);
}

namespace {

// A JPEG that is shrunk anyway may be decoded smaller; the resize then goes to the size the
// full picture would have been resized to, so that the output's size stays the same.
struct ScaledDecode
{
    explicit ScaledDecode(const ConversionSettings &settings)
        : settings(settings)
    {
    }

    // The decoder's question, with the full picture's size.
    unsigned choose(unsigned columns, unsigned rows)
    {
        if (!decodeScalingAllowed(settings))
            return 1u;
        const QSize target = resizeTarget(columns, rows, settings);
        scale = target.isValid()
            ? decodeScale(columns, rows, unsigned(target.width()), unsigned(target.height()))
            : 1;
        if (scale > 1) {
            full = QSize(int(columns), int(rows));
            resized = target;
        }
        return scale;
    }

    // After the picture was turned upright: the header's orientation may not be the one the
    // library went by, so what it turned decides which way round the full picture stands.
    void turned(const Magick::Image &image)
    {
        if (scale <= 1)
            return;
        const auto scaled = [this](int side) { return int((unsigned(side) + scale - 1) / scale); };
        if (int(image.columns()) == scaled(full.height())
            && int(image.rows()) == scaled(full.width()) && full.width() != full.height())
            resized = resizeTarget(unsigned(full.height()), unsigned(full.width()), settings);
    }

    const ConversionSettings &settings;
    unsigned scale = 1;
    QSize full;
    QSize resized; // what the full picture is resized to, when decoded at a scale
};

bool transcodes(const Magick::Blob &blob, const ConversionSettings &settings)
{
    const OutputFormat *format = OutputFormats::find(settings.format);
    const QByteArray head = QByteArray::fromRawData(
        static_cast<const char *>(blob.data()), int(qMin<size_t>(blob.length(), 4096)));
    return format && format->transcodes && format->transcodes(head, settings);
}

// The input's own bytes into the output's, by the format's codec, with the memory a decode
// of them would take held.
QByteArray transcode(const Magick::Blob &blob, const ConversionSettings &settings)
{
    ImageDecoder::holdMemoryFor(blob);
    const QByteArray bytes
        = QByteArray::fromRawData(static_cast<const char *>(blob.data()), int(blob.length()));
    return OutputFormats::find(settings.format)->transcode(bytes, settings);
}

// Every frame or page of a file that holds several, when the output holds them too; their
// memory is held first. Empty for a file of one picture, or with a warning for an output of
// one picture, which gets the first.
std::vector<Magick::Image> everyFrame(const Magick::Blob &blob, const Magick::Image &first,
    const ConversionSettings &settings, ResourceLimits::Reservation &memory,
    QVector<Reason> *warnings)
{
    quint64 pixels = 0;
    bool animation = false;
    // One more than is read, to know whether the file has more.
    const unsigned found
        = ImageDecoder::frameCount(blob, unsigned(mostFrames) + 1, &pixels, &animation);
    if (found <= 1)
        return {};
    const unsigned count = qMin(found, unsigned(mostFrames));
    // With more than are read, how many is not known: "of 1000 or more".
    const bool more = found > unsigned(mostFrames);
    const QString frames = QString::number(count);
    const OutputFormat *format = OutputFormats::find(settings.format);
    const auto holds = format ? format->frames : OutputFormat::Frames::First;
    if (!settings.filePerFrame
        && (holds == OutputFormat::Frames::First
            || (holds == OutputFormat::Frames::Animation && !animation))) {
        warnings->append(Reason::ours(Reason::Other,
            more ? QT_TRANSLATE_NOOP("Reason", "only the first of %1 or more frames was written")
                 : QT_TRANSLATE_NOOP("Reason", "only the first of %1 frames was written"),
            { frames }));
        return {};
    }
    if (found > unsigned(mostFrames))
        warnings->append(Reason::ours(Reason::TooLarge,
            QT_TRANSLATE_NOOP("Reason", "only the first %1 frames were written"),
            { QString::number(mostFrames) }));
    // An animation's frames are read, then drawn whole into copies: twice their pixels.
    if (animation)
        pixels *= 2;
    const quint64 width = qMax<quint64>(first.columns(), 1);
    try {
        memory.decoded(width, qMax<quint64>(pixels, quint64(first.rows()) * width * count) / width,
            first.matte());
    } catch (Magick::ErrorResourceLimit &) {
        warnings->append(Reason::ours(Reason::TooLarge,
            more ? QT_TRANSLATE_NOOP("Reason",
                "only the first of %1 or more frames was written: all of them take more "
                "than the memory budget")
                 : QT_TRANSLATE_NOOP("Reason",
                     "only the first of %1 frames was written: all of them take more than the "
                     "memory budget"),
            { frames }));
        return {};
    }
    try {
        return ImageDecoder::decodeFrames(blob, count);
    } catch (Magick::Error &error) {
        // The first picture was read whole: it is not lost for a later one that is damaged.
        warnings->append(Reason::ours(Reason::Damaged,
            more ? QT_TRANSLATE_NOOP("Reason",
                "only the first of %1 or more frames was written: the others cannot be "
                "read (%2)")
                 : QT_TRANSLATE_NOOP("Reason",
                     "only the first of %1 frames was written: the others cannot be read (%2)"),
            { frames, Diagnostics::libraryReason(error.what()) }));
        return {};
    }
}

QByteArray convertOne(Magick::Image &image, const ConversionSettings &settings,
    ScaledDecode &scaled, const QString &title, QStringList *warnings)
{
    // What the library might warn about its own steps from here to the encoder says nothing
    // about the file; the encoder's warnings are heard again in encode().
    image.quiet(true);
    orientUpright(image);
    scaled.turned(image);
    prepare(image, settings, scaled.resized);
    image.fileName(title.toStdString());
    return encode(image, settings, warnings);
}

// Each frame as one picture would be, then all of them into one file by the library's writer.
QByteArray convertFrames(std::vector<Magick::Image> &frames, const ConversionSettings &settings,
    const QString &title, QStringList *warnings)
{
    for (Magick::Image &frame : frames) {
        frame.quiet(true);
        orientUpright(frame);
        prepare(frame, settings);
        frame.fileName(title.toStdString());
        stripAsAsked(frame, settings);
        // Linked below: each must be its own, not shared with a copy.
        frame.modifyImage();
    }
    const OutputFormat *format = OutputFormats::find(settings.format);
    if (format && format->encodeFrames)
        return format->encodeFrames(std::move(frames), settings);
    frames.front().adjoin(true);
    Magick::linkImages(frames.begin(), frames.end());
    const auto unlink
        = qScopeGuard([&frames] { Magick::unlinkImages(frames.begin(), frames.end()); });
    return writeWithLibrary(frames.front(), warnings);
}

} // namespace

Encoded convertBytes(Magick::Blob &blob, const ConversionSettings &settings, const QString &title)
{
    Encoded result;
    QStringList warnings;
    const auto fail = [&](const Reason &reason) {
        result.status = FileResult::Failed;
        result.reason = reason;
    };
    if (blob.length() == 0) {
        fail(Reason::ours(Reason::Other, QT_TRANSLATE_NOOP("Reason", "the file is empty")));
        return result;
    }
    try {
        ScaledDecode scaled(settings);
        QSize &resized = scaled.resized;
        const ImageDecoder::ScaleChoice chooseScale
            = [&scaled](unsigned columns, unsigned rows) { return scaled.choose(columns, rows); };

        // Every decoder reserves the memory of the whole conversion once it knows the size.
        ResourceLimits::Reservation memory(settings.format.toUpper(),
            [&](quint64 columns, quint64 rows, quint64 decodeBytesPerPixel, bool opacity) {
                return peakBytes(columns, rows, decodeBytesPerPixel, opacity, settings, resized);
            });
        if (transcodes(blob, settings)) {
            result.pictures = { transcode(blob, settings) };
            blob = Magick::Blob();
            return result;
        }
        Magick::Image image = ImageDecoder::decode(blob, &warnings, chooseScale);
        std::vector<Magick::Image> frames
            = everyFrame(blob, image, settings, memory, &result.warnings);
        blob = Magick::Blob();
        if (frames.empty()) {
            memory.decoded(image.columns(), image.rows(), image.matte());
            result.pictures = { convertOne(image, settings, scaled, title, &warnings) };
        } else if (settings.filePerFrame) {
            image = Magick::Image();
            // Frames are read whole, never at a scale.
            ScaledDecode whole(settings);
            for (Magick::Image &frame : frames) {
                result.pictures.append(convertOne(frame, settings, whole, title, &warnings));
                frame = Magick::Image();
            }
        } else {
            image = Magick::Image();
            result.pictures = { convertFrames(frames, settings, title, &warnings) };
        }
    } catch (ImageDecoder::DamagedPicture &e) {
        fail(Reason::ours(Reason::Damaged, Diagnostics::libraryReason(e.what())));
    } catch (Magick::Exception &e) {
        fail(Reason::library(Diagnostics::libraryReason(e.what())));
    } catch (std::bad_alloc &) {
        fail(Reason::ours(Reason::TooLarge,
            QT_TRANSLATE_NOOP("Reason", "not enough memory to convert the image")));
    } catch (std::exception &e) {
        fail(Reason::library(QString::fromLocal8Bit(e.what())));
    }
    // A file that failed has its reason; what was said on the way there would only distract.
    if (result.status == FileResult::Converted) {
        warnings.removeDuplicates();
        for (const QString &warning : qAsConst(warnings))
            result.warnings.append(Reason::library(warning));
    } else {
        result.pictures.clear();
        result.warnings.clear();
    }
    return result;
}

FileResult convertFile(const QString &input, const ConversionSettings &settings,
    const OutputPathChooser &chooseOutputPath)
{
    FileResult result;
    result.input = nativeName(input);
    Magick::Blob blob;
    Reason reason;
    switch (ImageDecoder::readFile(input, blob, &reason)) {
    case ImageDecoder::ReadResult::Read:
        break;
    case ImageDecoder::ReadResult::Missing:
        result.fail(FileResult::Missing, Reason::noSuchFile());
        return result;
    case ImageDecoder::ReadResult::Unreadable:
    case ImageDecoder::ReadResult::TooLarge:
        result.fail(FileResult::Unreadable, reason);
        return result;
    }
    Encoded encoded = convertBytes(blob, settings, QFileInfo(input).baseName());
    if (encoded.status != FileResult::Converted) {
        result.fail(encoded.status, encoded.reason);
        return result;
    }
    struct stat info;
    const bool dated
        = settings.keepDates && ::stat(QFile::encodeName(input).constData(), &info) == 0;
    writePictures(
        chooseOutputPath(input), encoded.pictures, [](const QString &) { return false; },
        dated ? &info.st_mtim : nullptr, &result, subFoldersMadeUnder(settings));
    if (result.status == FileResult::Converted)
        result.warnings = encoded.warnings;
    return result;
}

} // namespace ImagePipeline
