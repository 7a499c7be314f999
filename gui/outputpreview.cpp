#include "outputpreview.h"

#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QThreadPool>

#include "imagepipeline.h"
#include "outputnaming.h"
#include "workerprocess.h"

// Shared with the reads in flight: they answer only while the preview lives.
struct OutputPreview::Pending
{
    QMutex mutex;
    OutputPreview *preview = nullptr;
};

OutputPreview::OutputPreview(QLabel *sizeLabel, QLabel *nameLabel, QObject *parent)
    : QObject(parent)
    , sizeLabel(sizeLabel)
    , nameLabel(nameLabel)
    , pending(std::make_shared<Pending>())
{
    pending->preview = this;
}

OutputPreview::~OutputPreview()
{
    QMutexLocker lock(&pending->mutex);
    pending->preview = nullptr;
}

QString OutputPreview::describeSize(const QSize &source, const ConversionSettings &settings)
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

QString OutputPreview::describeName(
    const QString &path, const NamePattern::Facts &facts, const ConversionSettings &settings)
{
    const QString problem = NamePattern::problem(settings.namePattern);
    if (!problem.isEmpty())
        return tr("The name pattern %1.").arg(problem);
    const QString name = NamePattern::expand(settings.namePattern, path, facts)
        + OutputNaming::suffixForFormat(settings.format);
    return QStringLiteral("%1 → %2").arg(QFileInfo(path).fileName(), name);
}

void OutputPreview::show(const QString &path, int position, const ConversionSettings &settings)
{
    shownPath = path;
    shownPosition = position;
    shownSettings = settings;
    if (path.isEmpty()) {
        sizeLabel->clear();
        const QString problem = NamePattern::problem(settings.namePattern);
        nameLabel->setText(problem.isEmpty() ? QString() : tr("The name pattern %1.").arg(problem));
        return;
    }
    const bool needed = settings.resizeEnabled || NamePattern::needsPicture(settings.namePattern);
    const auto found = known.constFind(path);
    if (found != known.constEnd() || !needed) {
        showLines(found != known.constEnd() ? &*found : nullptr);
        return;
    }
    const QString reading = tr("Reading the size of %1…").arg(QFileInfo(path).fileName());
    if (settings.resizeEnabled)
        sizeLabel->setText(reading);
    if (NamePattern::needsPicture(settings.namePattern))
        nameLabel->setText(reading);
    if (this->reading.contains(path))
        return;
    this->reading.insert(path);
    QThreadPool::globalInstance()->start(QRunnable::create([pending = pending, path] {
        PictureFacts facts;
        ImagePipeline::FileResult refused;
        const bool read = WorkerProcess(ConversionSettings()).readFacts(path, &facts, &refused);
        QMutexLocker lock(&pending->mutex);
        if (OutputPreview *preview = pending->preview) {
            QMetaObject::invokeMethod(
                preview, [preview, path, read, facts] { preview->factsRead(path, read, facts); },
                Qt::QueuedConnection);
        }
    }));
}

void OutputPreview::showLines(const PictureFacts *facts)
{
    const QString file = QFileInfo(shownPath).fileName();
    const bool unreadable = facts && facts->size.isEmpty();
    const QString cannot = tr("The size of %1 cannot be read.").arg(file);
    if (!shownSettings.resizeEnabled)
        sizeLabel->clear();
    else
        sizeLabel->setText(
            facts && !unreadable ? describeSize(facts->size, shownSettings) : cannot);
    NamePattern::Facts nameFacts;
    nameFacts.position = shownPosition;
    if (facts && !unreadable) {
        nameFacts.size = ImagePipeline::outputSize(facts->size, shownSettings);
        nameFacts.taken = facts->taken;
    }
    const bool needs = NamePattern::needsPicture(shownSettings.namePattern)
        && NamePattern::problem(shownSettings.namePattern).isEmpty();
    nameLabel->setText(
        needs && unreadable ? cannot : describeName(shownPath, nameFacts, shownSettings));
}

void OutputPreview::factsRead(const QString &path, bool read, const PictureFacts &facts)
{
    reading.remove(path);
    known.insert(path, read ? facts : PictureFacts());
    if (path == shownPath)
        show(shownPath, shownPosition, shownSettings);
}
