#include "imageconverter.h"

#include <QDir>
#include <QVector>

#include "batchconverter.h"
#include "conversionsettings.h"
#include "imagepipeline.h"
#include "outputnaming.h"
#include "resourcelimits.h"

ImageConverter::ImageConverter(
    const QStringList &files, const ConversionSettings *settings, QAtomicInt *stopFlag)
    : QObject(nullptr)
    , files(files)
    , settings(settings)
    , stopFlag(stopFlag)
{
}

ImageConverter::~ImageConverter() = default;

void ImageConverter::convert()
{
    // Names and backups are planned before any file starts, as one after the other would
    // choose them; a folder that disappears later keeps its planned outputs, which then fail
    // to be written rather than go elsewhere behind the user's back. An empty entry has no name
    // to plan and is taken at once.
    QStringList inputs;
    QVector<int> rows;
    for (int i = 0; i < files.size(); ++i) {
        if (files[i].isEmpty()) {
            emit _doneItem(i);
        } else {
            inputs.append(files[i]);
            rows.append(i);
        }
    }
    BatchConverter::Options options;
    options.jobs = settings->jobs;
    options.stopOnError = settings->stopOnFailure;
    options.missingOrUnwritableStops = false;
    options.stopFlag = stopFlag;
    BatchConverter batch(*settings, options);
    // Reports come from the jobs' threads one at a time, so a file's lines stay together.
    batch.run(inputs, [&](int index, const ImagePipeline::FileResult &result) {
        report(rows[index], inputs[index], result);
    });
    emit done();
}

bool ImageConverter::report(int i, const QString &path, const ImagePipeline::FileResult &result)
{
    for (const QString &warning : result.warnings) {
        qDebug("Warning: %s", qPrintable(warning));
        emit _warning(i, warning);
    }
    switch (result.status) {
    case ImagePipeline::FileResult::Converted:
        emit _converted(i, result.outputPath);
        emit _doneItem(i);
        return true;
    case ImagePipeline::FileResult::Missing:
        // Listed, then moved or deleted: not converted, and the user is told so. The run
        // goes on with the files that are there.
        qDebug("Error: %s: no such file", qPrintable(QDir::toNativeSeparators(path)));
        emit _error(i, QStringLiteral("%1: no such file").arg(QDir::toNativeSeparators(path)));
        return true;
    case ImagePipeline::FileResult::WriteFailed:
        // The image itself was fine: later files may well go to a writable place.
        qDebug("Error: %s", qPrintable(result.error));
        emit _error(i, result.error);
        return true;
    case ImagePipeline::FileResult::Stopped:
        return true;
    case ImagePipeline::FileResult::Unreadable:
    case ImagePipeline::FileResult::Failed:
        break;
    }
    // One file the library cannot read must not cost the user every file after it; ending
    // the run here is the user's choice.
    qDebug("Error: %s", qPrintable(result.error));
    emit _error(i, result.error);
    return false;
}
