#include "imageinfodialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QPixmap>
#include <QRunnable>
#include <QThreadPool>

#include "appshell.h"
#include "diagnostics.h"
#include "imageproperties.h"
#include "workerprocess.h"
#include "ui_imageinfodialog.h"

namespace {

// "4.2 MiB" as the user's language writes it, every byte in the tip.
void showFileSize(QLabel *label, qint64 bytes)
{
    const QLocale locale;
    label->setText(locale.formattedDataSize(bytes));
    label->setToolTip(ImageInfoDialog::tr("%1 bytes").arg(locale.toString(bytes)));
}

} // namespace

// Shared by the dialog and the reading thread, so whichever ends last frees it. The mutex
// makes "the dialog is still there" and "post the result to it" one step: a dialog that has
// cleared dialog under the mutex can be destroyed with no result on its way, or with one
// already queued, which its destruction discards.
struct ImageInfoDialog::Request
{
    QMutex mutex;
    ImageInfoDialog *dialog = nullptr;
    QAtomicInt cancel;
};

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
    cancelRead();
    delete ui;
}

void ImageInfoDialog::done(int result)
{
    cancelRead();
    QDialog::done(result);
}

void ImageInfoDialog::cancelRead()
{
    if (!request)
        return;
    request->cancel.storeRelaxed(1);
    QMutexLocker lock(&request->mutex);
    request->dialog = nullptr;
}

void ImageInfoDialog::readImage()
{
    // What costs nothing is shown before the dialog opens; the rest follows the read.
    const QFileInfo file(filePath);
    const QString nativePath = QDir::toNativeSeparators(filePath);
    const int room
        = maximumWidth() - layout()->contentsMargins().left() - layout()->contentsMargins().right();
    ui->labelFileName->setText(
        ui->labelFileName->fontMetrics().elidedText(file.fileName(), Qt::ElideMiddle, room));
    ui->labelFileName->setToolTip(nativePath);
    if (file.exists())
        showFileSize(ui->labelFilesize, file.size());
    ui->labelImage->setText(tr("Reading…"));

    request = std::make_shared<Request>();
    request->dialog = this;
    const QSize thumbnailBox(350, 200);
    QThreadPool::globalInstance()->start(QRunnable::create([request = request, path = filePath,
                                                               thumbnailBox] {
        const ImageProperties image
            = WorkerProcess::readProperties(path, thumbnailBox, &request->cancel);
        {
            QMutexLocker lock(&request->mutex);
            if (ImageInfoDialog *dialog = request->dialog)
                QMetaObject::invokeMethod(
                    dialog, [dialog, image] { dialog->showImage(image); }, Qt::QueuedConnection);
        }
        if (image.status != ImageProperties::Read || request->cancel.loadRelaxed())
            return;
        const ImageProperties colours = WorkerProcess::readColours(path, &request->cancel);
        QMutexLocker lock(&request->mutex);
        if (ImageInfoDialog *dialog = request->dialog)
            QMetaObject::invokeMethod(
                dialog, [dialog, colours] { dialog->showColours(colours); }, Qt::QueuedConnection);
    }));
}

void ImageInfoDialog::showImage(const ImageProperties &image)
{
    switch (image.status) {
    case ImageProperties::Read:
        break;
    case ImageProperties::Cancelled:
    case ImageProperties::TooLargeToCount:
        return;
    case ImageProperties::Failed:
        qDebug("Error: %s", qPrintable(image.error));
        // An empty file only gets "Null blob argument" from the library.
        ui->labelImage->setText(
            tr("Cannot show this picture: %1")
                .arg(image.fileSize == 0 ? tr("the file is empty.")
                                         : Diagnostics::libraryReason(image.error.toLocal8Bit())));
        emit imageRead();
        return;
    case ImageProperties::CannotOpen:
        // The file went away or was locked after it was listed.
        ui->labelImage->setText(image.error.isEmpty()
                ? tr("There is no file at this path any more.")
                : tr("Cannot read this file: %1").arg(image.error));
        emit imageRead();
        return;
    }

    ui->labelSize->setText(
        QStringLiteral("%1x%2").arg(image.size.width()).arg(image.size.height()));
    ui->labelResolution->setText(
        QStringLiteral("%1x%2").arg(image.resolution.width()).arg(image.resolution.height()));
    showFileSize(ui->labelFilesize, image.fileSize);
    ui->labelTotalColors->setText(tr("Counting…"));
    ui->labelImage->setPixmap(QPixmap::fromImage(image.thumbnail));
    emit imageRead();
}

void ImageInfoDialog::showColours(const ImageProperties &colours)
{
    switch (colours.status) {
    case ImageProperties::Read:
        ui->labelTotalColors->setText(QLocale().toString(colours.colours));
        break;
    case ImageProperties::Cancelled:
        return;
    case ImageProperties::TooLargeToCount:
        ui->labelTotalColors->setText(tr("too large to count"));
        break;
    case ImageProperties::Failed:
    case ImageProperties::CannotOpen:
        ui->labelTotalColors->setText(tr("cannot be counted"));
        ui->labelTotalColors->setToolTip(colours.error);
        break;
    }
    emit coloursCounted();
}
