#include "imagepipeline.h"

#include <QColor>
#include <QDir>
#include <QSaveFile>

#include <Magick++.h>

#include <new>

#include "conversionsettings.h"
#include "imagedecoder.h"
#include "jp2coder.h"

using namespace MagickLib;

namespace ImagePipeline {

namespace {

int lookup(int index, std::initializer_list<int> table)
{
    if (index < 0 || index >= int(table.size()))
        return -1;
    return table.begin()[index];
}

void flatten(Magick::Image &image, const ConversionSettings &settings)
{
    const Magick::Image original(image);
    // QColor gives "#000000" for a name it cannot parse; the library only ever sees that form.
    const Magick::Color color(QColor(settings.backgroundColor).name().toStdString());
    image.backgroundColor(color);
    image.erase();
    image.composite(original, 0, 0, OverCompositeOp);
}

void resize(Magick::Image &image, const ConversionSettings &settings)
{
    const ResizeGeometry size = resizeGeometry(image.columns(), image.rows(), settings);
    Magick::Geometry geometry;
    if (size.valid) {
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

void applyGif(Magick::Image &image, const ConversionSettings &settings)
{
    if (settings.gifInterlace)
        image.interlaceType(LineInterlace);
    image.quantizeDither(settings.gifDither);
    if (settings.gifType == 1)
        image.type(BilevelType);
    const int colorspace = gifColorspaceValue(settings.gifQuantizeColorspace);
    if (colorspace >= 0)
        image.quantizeColorSpace(ColorspaceType(colorspace));
    image.quantizeColors(settings.gifQuantizeColors);
    image.quantizeTreeDepth(settings.gifQuantizeTreeDepth);
    image.quantize(false);
    image.page(Magick::Geometry(0, 0, 0, 0, false, false));
}

void applyJpeg(Magick::Image &image, const ConversionSettings &settings)
{
    image.quality(settings.jpegQuality);
    image.density(
        Magick::Geometry(settings.jpegDensityX, settings.jpegDensityY, 0, 0, false, false));
    if (settings.jpegProgressive)
        image.interlaceType(LineInterlace);
    image.defineValue("jpeg", "optimize-coding", settings.jpegHuffman ? "TRUE" : "FALSE");
    const int type = jpegTypeValue(settings.jpegType);
    if (type >= 0)
        image.type(ImageType(type));
    const int colorspace = jpegColorspaceValue(settings.jpegColorspace);
    if (colorspace >= 0)
        image.colorSpace(ColorspaceType(colorspace));
    const int compression = jpegCompressionValue(settings.jpegCompression);
    if (compression >= 0)
        image.compressType(CompressionType(compression));
}

void applyPng(Magick::Image &image, const ConversionSettings &settings)
{
    image.quality(settings.pngLevel * 10 + settings.pngFilter);
    const int type = pngTypeValue(settings.pngType);
    if (type >= 0)
        image.type(ImageType(type));
    const int colorspace = pngColorspaceValue(settings.pngColorspace);
    if (colorspace >= 0)
        image.colorSpace(ColorspaceType(colorspace));
    if (settings.pngInterlace)
        image.interlaceType(LineInterlace);
}

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
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
    } else if (settings.resizeExact || settings.resizeBaseWidth) {
        geometry.width = unsigned(qMax(settings.resizeWidth, 0));
        geometry.height = unsigned(qMax(settings.resizeHeight, 0));
        geometry.valid = true;
        geometry.aspect = settings.resizeExact;
    }
    return geometry;
}

int resizeFilterValue(int index)
{
    return (index >= 0 && index <= 14) ? int(PointFilter) + index : -1;
}

int gifColorspaceValue(int index)
{
    return lookup(index,
        { YUVColorspace, RGBColorspace, GRAYColorspace, OHTAColorspace, XYZColorspace,
            YCCColorspace, YIQColorspace, YPbPrColorspace, Rec601YCbCrColorspace, CMYKColorspace,
            sRGBColorspace, HSLColorspace, HWBColorspace, LABColorspace, CineonLogRGBColorspace });
}

int jpegTypeValue(int index)
{
    return lookup(index, { OptimizeType, GrayscaleType, BilevelType });
}

int jpegColorspaceValue(int index)
{
    return lookup(
        index, { Rec601YCbCrColorspace, RGBColorspace, Rec601LumaColorspace, CMYKColorspace });
}

int jpegCompressionValue(int index)
{
    return lookup(index, { JPEGCompression, LosslessJPEGCompression });
}

int pngTypeValue(int index)
{
    // "TrueColor" (0) leaves the type to the encoder.
    return index == 0 ? -1 : lookup(index, { 0, GrayscaleType, BilevelType });
}

int pngColorspaceValue(int index)
{
    return lookup(index,
        { RGBColorspace, Rec601LumaColorspace, OHTAColorspace, XYZColorspace, YCCColorspace,
            YIQColorspace, YUVColorspace, YPbPrColorspace, Rec601YCbCrColorspace, CMYKColorspace,
            sRGBColorspace, HSLColorspace, HWBColorspace, LABColorspace, CineonLogRGBColorspace });
}

void orientUpright(Magick::Image &image)
{
    const OrientationType orientation = image.orientation();
    if (orientation != UndefinedOrientation && orientation != TopLeftOrientation)
        image.autoOrient();
}

void prepare(Magick::Image &image, const ConversionSettings &settings)
{
    image.quality(settings.quality);
    image.magick(settings.format.toStdString());

    // Transparency is flattened whenever the image has an opacity channel. Asking for the
    // channel's depth instead would miss the common cut-out (the library reports the bits its
    // values need, 1 for fully transparent and fully opaque pixels only), and costs a pass
    // over every pixel; without the channel, flattening changes nothing.
    if (!settings.transparent && image.matte())
        flatten(image, settings);

    if (settings.resizeEnabled)
        resize(image, settings);

    if (settings.format == QLatin1String("gif"))
        applyGif(image, settings);
    else if (settings.format == QLatin1String("jpeg"))
        applyJpeg(image, settings);
    else if (settings.format == QLatin1String("png"))
        applyPng(image, settings);
    else if (settings.format == QLatin1String("jp2"))
        image.compressType(LosslessJPEGCompression);
}

QByteArray encode(Magick::Image &image, const ConversionSettings &settings)
{
    if (settings.strip)
        image.strip();
    if (settings.format == QLatin1String("jp2"))
        return Jp2Coder::encode(image);
    Magick::Blob blob;
    image.write(&blob);
    return QByteArray(static_cast<const char *>(blob.data()), int(blob.length()));
}

bool writeOutput(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

FileResult convertFile(const QString &input, const ConversionSettings &settings,
    const OutputPathChooser &chooseOutputPath)
{
    FileResult result;
    try {
        Magick::Blob blob;
        switch (ImageDecoder::readFile(input, blob, &result.error)) {
        case ImageDecoder::ReadResult::Read:
            break;
        case ImageDecoder::ReadResult::Missing:
            result.status = FileResult::Missing;
            return result;
        case ImageDecoder::ReadResult::Unreadable:
        case ImageDecoder::ReadResult::TooLarge:
            result.status = FileResult::Unreadable;
            return result;
        }

        Magick::Image image = ImageDecoder::decode(blob);
        blob = Magick::Blob();
        orientUpright(image);
        prepare(image, settings);
        result.outputPath = chooseOutputPath(input);
        const QByteArray data = encode(image, settings);

        QString reason;
        if (!writeOutput(result.outputPath, data, &reason)) {
            result.status = FileResult::WriteFailed;
            result.error = QStringLiteral("%1: %2").arg(nativeName(result.outputPath), reason);
        }
    } catch (Magick::ErrorResourceLimit &e) {
        result.status = FileResult::Failed;
        result.error
            = QStringLiteral("%1: %2").arg(nativeName(input), QString::fromLocal8Bit(e.what()));
    } catch (Magick::Exception &e) {
        result.status = FileResult::Failed;
        result.error = QString::fromLocal8Bit(e.what());
    } catch (std::bad_alloc &) {
        result.status = FileResult::Failed;
        result.error
            = QStringLiteral("%1: not enough memory to convert the image").arg(nativeName(input));
    } catch (std::exception &e) {
        result.status = FileResult::Failed;
        result.error
            = QStringLiteral("%1: %2").arg(nativeName(input), QString::fromLocal8Bit(e.what()));
    }
    return result;
}

} // namespace ImagePipeline
