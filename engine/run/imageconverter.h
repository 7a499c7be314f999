#ifndef IMAGECONVERTER_H
#define IMAGECONVERTER_H

#include <QAtomicInt>
#include <QObject>
#include <QString>
#include <QStringList>

#include "imagepipeline.h"

struct ConversionSettings;

// The worker of one run. Created in the GUI thread, moved onto the run's own thread, where
// convert() hands the files to a BatchConverter: one after the other, or with settings->jobs
// above 1 several at once on threads of its own, which report through this object's signals;
// done() always comes from the run's thread, after the last report. Owns its copy of the file
// list; borrows the settings record and the stop flag from the engine, which outlive it.
class ImageConverter : public QObject
{
    Q_OBJECT

public:
    ImageConverter(const QStringList &files, const ConversionSettings *settings,
        QAtomicInt *stopFlag, const QStringList &roots = {});
    ~ImageConverter() override;

signals:
    // What became of a file, before its other signals.
    void _finished(int index, const ImagePipeline::FileResult &result);
    void _doneItem(int index);
    // The file converted and was written to outputPath; comes just before its _doneItem.
    void _converted(int index, const QString &outputPath);
    void done();
    // The text of each "Error: " line, with the index of the file it concerns.
    void _error(int index, const QString &message);
    // The text of each "Warning: " line: the file converted, but a library had a complaint.
    void _warning(int index, const QString &message);

public slots:
    void convert();

private:
    // Emits a file's signals and debug lines. Whether a failure ends the run is the batch's
    // to decide.
    void report(int index, const ImagePipeline::FileResult &result);

    QStringList files;
    QStringList roots;
    const ConversionSettings *const settings;
    QAtomicInt *stopFlag;
};

#endif // IMAGECONVERTER_H
