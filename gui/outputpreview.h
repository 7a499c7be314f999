#ifndef OUTPUTPREVIEW_H
#define OUTPUTPREVIEW_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

#include "conversionsettings.h"
#include "namepattern.h"
#include "picturefacts.h"

class QLabel;

// The lines that say what the selected file becomes: its size on the Resize page ("3120x4208
// → 1920x1080 (stretched)"), its name on the Global page ("IMG_0042.jpg → 001_IMG_0042.png").
// What only the picture tells (its size, the date it was taken) is read once per file, in a
// sandboxed worker on a pool thread, from the headers; the lines follow when it is known.
// Lives in the GUI thread.
class OutputPreview : public QObject
{
    Q_OBJECT

public:
    OutputPreview(QLabel *sizeLabel, QLabel *nameLabel, QObject *parent);
    ~OutputPreview() override;

    // Shows what path, at position (from 1) in the list, becomes with these settings; nothing
    // for no path.
    void show(const QString &path, int position, const ConversionSettings &settings);

    // The size line for a picture of this size; empty without a resize.
    static QString describeSize(const QSize &source, const ConversionSettings &settings);
    // The name line: the input's name, an arrow, the output's name.
    static QString describeName(
        const QString &path, const NamePattern::Facts &facts, const ConversionSettings &settings);

private:
    struct Pending;
    void factsRead(const QString &path, bool read, const PictureFacts &facts);
    // The lines for the shown file, with its facts when they are known.
    void showLines(const PictureFacts *facts);

    QLabel *sizeLabel; // not owned
    QLabel *nameLabel; // not owned
    QHash<QString, PictureFacts> known; // an invalid size: the file could not be read
    QSet<QString> reading;
    QString shownPath;
    int shownPosition = 0;
    ConversionSettings shownSettings;
    std::shared_ptr<Pending> pending;
};

#endif // OUTPUTPREVIEW_H
