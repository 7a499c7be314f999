#ifndef IMAGECONVERTENGINE_H
#define IMAGECONVERTENGINE_H

#include <QAtomicInt>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

#include "conversionsettings.h"
#include "imageconverter.h"

class QThread;

// The window's handle on conversion runs. Lives in the GUI thread; for each run it starts one
// ImageConverter on one new QThread and passes the worker's reports on as its own signals.
// Owns the run's ConversionSettings from start() to cleanup(); the worker only reads them.
class ImageConvertEngine : public QObject
{
    Q_OBJECT

public:
    explicit ImageConvertEngine(QObject *parent = nullptr);
    // Stops a run in progress after its current file and waits for it, so the worker never
    // outlives the flag and the record it borrows.
    ~ImageConvertEngine() override;

    // Takes over settings. Refused while a run is in progress, whose worker reads its own
    // record until the end: the record given is then dropped and false returned.
    // roots: beside the files, the folder each was imported from, for outputs that keep
    // sub-folders (empty for a file added by name).
    bool start(const QStringList &files, std::unique_ptr<ConversionSettings> settings,
        const QStringList &roots = {});
    void requestStop();

signals:
    void done();
    // What became of the file at index, as a value for the window to put in words; comes
    // before the file's other signals. Not sent for a file the run was stopped before.
    void finished(int index, const ImagePipeline::FileResult &result);
    void doneItem(int index);
    // The file at index was written to outputPath; comes just before its doneItem.
    void converted(int index, const QString &outputPath);
    // A file failed; no doneItem follows. The run goes on, unless the settings ask to stop
    // at the first file that cannot be read or converted.
    void error(int index, const QString &message);
    // A file converted, but a library warned about it (one signal per warning, before its
    // doneItem).
    void warning(int index, const QString &message);

private slots:
    void cleanup();

private:
    std::unique_ptr<const ConversionSettings> settings;
    QAtomicInt stopFlag;
    QPointer<QThread> thread;
};

#endif // IMAGECONVERTENGINE_H
