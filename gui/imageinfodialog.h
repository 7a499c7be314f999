#ifndef IMAGEINFODIALOG_H
#define IMAGEINFODIALOG_H

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ImageInfoDialog;
}
struct ImageProperties;

// The properties of one listed image: file name, thumbnail, pixel size, resolution, file size
// and number of colours. Lives in the GUI thread; the file is read and decoded on a thread of
// the global pool while the dialog shows "Reading…", so it answers at once. The colours,
// which take the whole picture decoded, are counted in a second step after the rest is shown.
// Owns its widget holder and shares the read's request with that thread: closing the dialog
// cancels the read or the count, which then ends without touching the dialog.
class ImageInfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImageInfoDialog(QString filePath, QWidget *parent = nullptr);
    ~ImageInfoDialog() override;

    void done(int result) override;

signals:
    // The read has ended and the dialog shows what it found, or why there is nothing.
    void imageRead();
    // The count of colours has ended: shown, or why there is none.
    void coloursCounted();

private:
    struct Request;

    void readImage();
    void showImage(const ImageProperties &image);
    void showColours(const ImageProperties &colours);
    void cancelRead();

    Ui::ImageInfoDialog *ui;
    QString filePath;
    std::shared_ptr<Request> request;
};

#endif // IMAGEINFODIALOG_H
