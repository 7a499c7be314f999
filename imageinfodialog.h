#ifndef IMAGEINFODIALOG_H
#define IMAGEINFODIALOG_H

#include <QDialog>
#include <QString>

namespace Ui {
class ImageInfoDialog;
}

// The properties of one listed image: thumbnail, pixel size, resolution, file size and number
// of colours. Lives in the GUI thread for one exec(); reads and decodes the file while it is
// constructed. Owns its widget holder.
class ImageInfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImageInfoDialog(QString filePath, QWidget *parent = nullptr);
    ~ImageInfoDialog() override;

private:
    void readImage();

    Ui::ImageInfoDialog *ui;
    QString filePath;
};

#endif // IMAGEINFODIALOG_H
