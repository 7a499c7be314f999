#include "imageproperties.h"

#include <QDir>
#include <QFileInfo>

#include <Magick++.h>

#include <new>

#include "imagedecoder.h"
#include "imagepipeline.h"
#include "resourcelimits.h"

namespace {

ImageProperties::ResolutionUnit unitOf(const Magick::Image &image)
{
    switch (image.resolutionUnits()) {
    case MagickLib::PixelsPerInchResolution:
        return ImageProperties::PixelsPerInch;
    case MagickLib::PixelsPerCentimeterResolution:
        return ImageProperties::PixelsPerCentimetre;
    default:
        return ImageProperties::UndefinedUnit;
    }
}

} // namespace

ImageProperties ImageProperties::read(const QString &path, const QSize &thumbnailBox)
{
    ImageProperties properties;
    const auto fail = [&](const QString &reason) {
        properties = ImageProperties();
        properties.status = Failed;
        properties.error = reason;
        return properties;
    };
    try {
        Magick::InitializeMagick(nullptr);
        ResourceLimits::apply();

        Magick::Blob blob;
        QString error;
        switch (ImageDecoder::readFile(path, blob, &error)) {
        case ImageDecoder::ReadResult::Read:
            break;
        case ImageDecoder::ReadResult::Missing:
        case ImageDecoder::ReadResult::Unreadable:
            properties.error = error;
            return properties;
        case ImageDecoder::ReadResult::TooLarge:
            return fail(error);
        }

        Magick::Image image = ImageDecoder::decode(blob);
        blob = Magick::Blob();
        ImagePipeline::orientUpright(image);

        properties.size = QSize(int(image.columns()), int(image.rows()));
        const Magick::Geometry density = image.density();
        properties.resolution = QSize(int(density.width()), int(density.height()));
        properties.resolutionUnit = unitOf(image);
        properties.colours = qint64(image.totalColors());
        properties.fileSize = QFileInfo(path).size();

        image.scale(Magick::Geometry(thumbnailBox.width(), thumbnailBox.height()));
        // Bytes in this order whatever the machine's byte order.
        QImage thumbnail(int(image.columns()), int(image.rows()), QImage::Format_RGBA8888);
        if (thumbnail.isNull())
            throw std::bad_alloc();
        image.write(
            0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, thumbnail.bits());
        properties.thumbnail = thumbnail;
        properties.status = Read;
        return properties;
    } catch (Magick::Exception &e) {
        return fail(QString::fromLocal8Bit(e.what()));
    } catch (std::bad_alloc &) {
        return fail(QStringLiteral("%1: not enough memory to show the image")
                        .arg(QDir::toNativeSeparators(path)));
    } catch (std::exception &e) {
        return fail(QString::fromLocal8Bit(e.what()));
    }
}
