#ifndef RESIZEPREVIEW_H
#define RESIZEPREVIEW_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>

#include <memory>

#include "conversionsettings.h"

class QLabel;

// The line of the Resize page that says what a file becomes: "3120x4208 → 1920x1080
// (stretched)". A file's size is read once, in a sandboxed worker on a pool thread, like the
// properties dialog's; the line follows when it is known. Lives in the GUI thread.
class ResizePreview : public QObject
{
    Q_OBJECT

public:
    ResizePreview(QLabel *label, QObject *parent);
    ~ResizePreview() override;

    // Shows what path becomes with these settings; nothing for no path or no resize.
    void show(const QString &path, const ConversionSettings &settings);

    // The line for a picture of this size.
    static QString describe(const QSize &source, const ConversionSettings &settings);

private:
    struct Pending;
    void sizeRead(const QString &path, const QSize &size);

    QLabel *label; // not owned
    QHash<QString, QSize> sizes; // invalid for a file that could not be read
    QSet<QString> reading;
    QString shownPath;
    ConversionSettings shownSettings;
    std::shared_ptr<Pending> pending;
};

#endif // RESIZEPREVIEW_H
