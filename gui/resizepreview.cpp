#include "resizepreview.h"

#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QThreadPool>

#include "imagepipeline.h"
#include "imageproperties.h"
#include "workerprocess.h"

// Shared with the reads in flight: they answer only while the preview lives.
struct ResizePreview::Pending
{
    QMutex mutex;
    ResizePreview *preview = nullptr;
    QAtomicInt cancel;
};

ResizePreview::ResizePreview(QLabel *label, QObject *parent)
    : QObject(parent)
    , label(label)
    , pending(std::make_shared<Pending>())
{
    pending->preview = this;
}

ResizePreview::~ResizePreview()
{
    if (!pending)
        return;
    QMutexLocker lock(&pending->mutex);
    pending->preview = nullptr;
    pending->cancel.storeRelaxed(1);
}

QString ResizePreview::describe(const QSize &source, const ConversionSettings &settings)
{
    if (!settings.resizeEnabled || source.isEmpty())
        return QString();
    const QString from = QStringLiteral("%1x%2").arg(source.width()).arg(source.height());
    const QSize target = ImagePipeline::resizeTarget(
        unsigned(source.width()), unsigned(source.height()), settings);
    if (!target.isValid()) {
        return settings.resizeShrinkOnly ? tr("%1 → %1 (kept: it would be enlarged)").arg(from)
                                         : QString();
    }
    const QString to
        = QStringLiteral("%1 → %2x%3").arg(from).arg(target.width()).arg(target.height());
    // Another shape than the picture's, by more than the rounding of a side.
    const qint64 keptHeight = qint64(source.height()) * target.width() / source.width();
    return qAbs(keptHeight - target.height()) > 1 ? tr("%1 (stretched)").arg(to) : to;
}

void ResizePreview::show(const QString &path, const ConversionSettings &settings)
{
    shownPath = path;
    shownSettings = settings;
    if (path.isEmpty() || !settings.resizeEnabled) {
        label->clear();
        return;
    }
    const auto known = sizes.constFind(path);
    if (known != sizes.constEnd()) {
        label->setText(known->isValid()
                ? describe(*known, settings)
                : tr("The size of %1 cannot be read.").arg(QFileInfo(path).fileName()));
        return;
    }
    label->setText(tr("Reading the size of %1…").arg(QFileInfo(path).fileName()));
    if (reading.contains(path))
        return;
    reading.insert(path);
    QThreadPool::globalInstance()->start(QRunnable::create([pending = pending, path] {
        const ImageProperties read
            = WorkerProcess::readProperties(path, QSize(1, 1), &pending->cancel);
        QMutexLocker lock(&pending->mutex);
        if (ResizePreview *preview = pending->preview) {
            const QSize size = read.status == ImageProperties::Read ? read.size : QSize();
            QMetaObject::invokeMethod(
                preview, [preview, path, size] { preview->sizeRead(path, size); },
                Qt::QueuedConnection);
        }
    }));
}

void ResizePreview::sizeRead(const QString &path, const QSize &size)
{
    reading.remove(path);
    sizes.insert(path, size);
    if (path == shownPath)
        show(shownPath, shownSettings);
}
