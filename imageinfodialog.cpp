#include "imageinfodialog.h"

#include <QLocale>
#include <QPixmap>

#include "appshell.h"
#include "imageproperties.h"
#include "ui_imageinfodialog.h"

ImageInfoDialog::ImageInfoDialog(QString filePath, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ImageInfoDialog)
    , filePath(std::move(filePath))
{
    ui->setupUi(this);
    setCustomCursor(this);
    readImage();
}

ImageInfoDialog::~ImageInfoDialog()
{
    delete ui;
}

void ImageInfoDialog::readImage()
{
    const ImageProperties image = ImageProperties::read(filePath, QSize(350, 200));
    switch (image.status) {
    case ImageProperties::Read:
        break;
    case ImageProperties::Cancelled:
    case ImageProperties::CannotOpen:
        // The file went away or was locked after it was listed; the empty dialog says enough.
        return;
    case ImageProperties::Failed:
        qDebug("Error: %s", qPrintable(image.error));
        return;
    }

    ui->labelSize->setText(
        QStringLiteral("%1x%2").arg(image.size.width()).arg(image.size.height()));
    ui->labelResolution->setText(
        QStringLiteral("%1x%2").arg(image.resolution.width()).arg(image.resolution.height()));
    const QLocale locale(QStringLiteral("US"));
    ui->labelFilesize->setText(locale.toString(image.fileSize));
    ui->labelTotalColors->setText(locale.toString(image.colours));
    ui->labelImage->setPixmap(QPixmap::fromImage(image.thumbnail));
}
