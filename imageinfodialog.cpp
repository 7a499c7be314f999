#include "imageinfodialog.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPixmap>

#include <Magick++.h>

#include <new>

#include "appshell.h"
#include "imagedecoder.h"
#include "imagepipeline.h"
#include "resourcelimits.h"
#include "ui_imageinfodialog.h"

ImageInfoDialog::ImageInfoDialog(QString filePath, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ImageInfoDialog)
    , filePath(std::move(filePath))
{
    ui->setupUi(this);
    setCustomCursor(this);
    Magick::InitializeMagick(nullptr);
    ResourceLimits::apply();
    readImage();
}

ImageInfoDialog::~ImageInfoDialog()
{
    delete ui;
}

void ImageInfoDialog::readImage()
{
    try {
        Magick::Blob blob;
        QString error;
        switch (ImageDecoder::readFile(filePath, blob, &error)) {
        case ImageDecoder::ReadResult::Read:
            break;
        case ImageDecoder::ReadResult::Missing:
        case ImageDecoder::ReadResult::Unreadable:
            return;
        case ImageDecoder::ReadResult::TooLarge:
            qDebug("Error: %s", qPrintable(error));
            return;
        }

        Magick::Image image = ImageDecoder::decode(blob);
        blob = Magick::Blob();
        // Shown as every converted copy will be: upright.
        ImagePipeline::orientUpright(image);

        ui->labelSize->setText(QStringLiteral("%1x%2").arg(image.columns()).arg(image.rows()));
        const Magick::Geometry density = image.density();
        ui->labelResolution->setText(
            QStringLiteral("%1x%2").arg(density.width()).arg(density.height()));
        const QLocale locale(QStringLiteral("US"));
        ui->labelFilesize->setText(locale.toString(qint64(QFileInfo(filePath).size())));
        ui->labelTotalColors->setText(locale.toString(qint64(image.totalColors())));

        image.scale(Magick::Geometry(350, 200));
        QImage thumbnail(int(image.columns()), int(image.rows()), QImage::Format_ARGB32);
        // ARGB32 keeps each pixel as blue, green, red, alpha bytes on a little-endian machine.
        image.write(
            0, 0, image.columns(), image.rows(), "BGRA", Magick::CharPixel, thumbnail.bits());
        ui->labelImage->setPixmap(QPixmap::fromImage(thumbnail));
    } catch (Magick::Exception &e) {
        qDebug("Error: %s", e.what());
    } catch (std::bad_alloc &) {
        qDebug("Error: %s: not enough memory to show the image",
            qPrintable(QDir::toNativeSeparators(filePath)));
    } catch (std::exception &e) {
        qDebug("Error: %s", e.what());
    }
}
