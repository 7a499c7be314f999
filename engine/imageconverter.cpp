#include "imageconverter.h"

#include <Magick++.h>

#include "conversionsettings.h"
#include "imagepipeline.h"
#include "resourcelimits.h"

ImageConverter::ImageConverter(
    const QStringList &files, ConversionSettings *settings, QAtomicInt *stopFlag)
    : QObject(nullptr)
    , files(files)
    , settings(settings)
    , stopFlag(stopFlag)
{
    Magick::InitializeMagick(nullptr);
    ResourceLimits::apply();
}

ImageConverter::~ImageConverter() = default;

void ImageConverter::convert()
{
    const ConversionSettings &run = *settings;
    const auto chooseOutputPath = [&run](const QString &input) {
        return outputFilePath(input, run.path, run.format, run.overwrite);
    };

    for (int i = 0;; ++i) {
        if (i >= files.size() || stopFlag->loadRelaxed() == 1) {
            emit done();
            return;
        }
        const QString path = files.value(i);
        if (path.isEmpty()) {
            emit _doneItem(i);
            continue;
        }

        const ImagePipeline::FileResult result
            = ImagePipeline::convertFile(path, run, chooseOutputPath);
        switch (result.status) {
        case ImagePipeline::FileResult::Converted:
            emit _doneItem(i);
            break;
        case ImagePipeline::FileResult::Missing:
            break;
        case ImagePipeline::FileResult::WriteFailed:
            // The image itself was fine: later files may well go to a writable place.
            qDebug("Error: %s", qPrintable(result.error));
            emit _error(i, result.error);
            break;
        case ImagePipeline::FileResult::Unreadable:
        case ImagePipeline::FileResult::Failed:
            qDebug("Error: %s", qPrintable(result.error));
            emit _error(i, result.error);
            emit done();
            return;
        }
    }
}
