#include "imageconvertengine.h"

#include <QThread>

ImageConvertEngine::ImageConvertEngine(QObject *parent)
    : QObject(parent)
    , stopFlag(0)
{
    // Crosses from the run's thread to this one.
    qRegisterMetaType<ImagePipeline::FileResult>();
}

ImageConvertEngine::~ImageConvertEngine()
{
    if (thread) {
        stopFlag.storeRelaxed(1);
        // The worker's own queued quit() can no longer reach the thread once we block here;
        // quitting before the thread's loop has started still ends it.
        thread->quit();
        thread->wait();
    }
}

bool ImageConvertEngine::start(const QStringList &files,
    std::unique_ptr<ConversionSettings> settings, const QStringList &roots)
{
    // The record stays until cleanup(), which runs after the thread's last report.
    if (!settings || this->settings)
        return false;
    this->settings = std::move(settings);
    stopFlag.storeRelaxed(0);

    ImageConverter *worker = new ImageConverter(files, this->settings.get(), &stopFlag, roots);
    QThread *thread = new QThread;
    this->thread = thread;
    worker->moveToThread(thread);

    // clang-format off
    connect(thread, SIGNAL(finished()),             thread, SLOT(deleteLater()));
    connect(thread, SIGNAL(started()),              worker, SLOT(convert()));
    connect(worker, SIGNAL(done()),                 thread, SLOT(quit()));
    connect(worker, SIGNAL(done()),                 worker, SLOT(deleteLater()));
    connect(worker, SIGNAL(done()),                 this,   SLOT(cleanup()));
    connect(worker, SIGNAL(_doneItem(int)),         this,   SIGNAL(doneItem(int)));
    connect(worker, SIGNAL(_converted(int,QString)), this,  SIGNAL(converted(int,QString)));
    connect(worker, SIGNAL(_error(int,QString)),    this,   SIGNAL(error(int,QString)));
    connect(worker, SIGNAL(_warning(int,QString)),  this,   SIGNAL(warning(int,QString)));
    // clang-format on
    connect(worker, &ImageConverter::_finished, this, &ImageConvertEngine::finished);

    thread->start(QThread::InheritPriority);
    return true;
}

void ImageConvertEngine::requestStop()
{
    stopFlag.storeRelaxed(1);
}

void ImageConvertEngine::cleanup()
{
    settings.reset();
    emit done();
    qDebug("exit from worker thread.");
}
