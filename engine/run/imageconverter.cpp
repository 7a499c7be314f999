#include "imageconverter.h"

#include <QDir>

#include <QVector>

#include "batchconverter.h"
#include "conversionsettings.h"
#include "imagepipeline.h"
#include "outputnaming.h"
#include "resourcelimits.h"

ImageConverter::ImageConverter(const QStringList &files, const ConversionSettings *settings,
    QAtomicInt *stopFlag, const QStringList &roots)
    : QObject(nullptr)
    , files(files)
    , roots(roots)
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
    QStringList inputRoots;
    QVector<int> rows;
    for (int i = 0; i < files.size(); ++i) {
        if (files[i].isEmpty()) {
            emit _doneItem(i);
        } else {
            inputs.append(files[i]);
            inputRoots.append(roots.value(i));
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
    batch.run(
        inputs,
        [&](int index, const ImagePipeline::FileResult &result) { report(rows[index], result); },
        inputRoots);
    emit done();
}

void ImageConverter::report(int i, const ImagePipeline::FileResult &result)
{
    emit _finished(i, result);
    for (const QString &warning : result.warningLines()) {
        qDebug("Warning: %s", qPrintable(warning));
        emit _warning(i, warning);
    }
    if (result.status == ImagePipeline::FileResult::Converted) {
        emit _converted(i, result.outputPath);
        emit _doneItem(i);
        return;
    }
    if (result.status == ImagePipeline::FileResult::Skipped) {
        qDebug("Skipped: %s: %s is there already", qPrintable(result.input),
            qPrintable(QDir::toNativeSeparators(result.outputPath)));
        emit _doneItem(i);
        return;
    }
    qDebug("Error: %s", qPrintable(result.error()));
    emit _error(i, result.error());
}
