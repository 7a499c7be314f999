#include "runreport.h"

#include <numeric>

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

// What the libraries and the system say is often terse or in their own jargon; their reasons
// get a plain sentence first, for the words people know, by kind. Our own reasons are plain
// already.
const char *plainWords(Reason::Kind kind)
{
    switch (kind) {
    case Reason::Other:
    case Reason::NoSuchFile:
        break;
    case Reason::NotAPicture:
        return QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read");
    case Reason::EndsEarly:
        return QT_TRANSLATE_NOOP("RunReport", "the file ends before the picture does");
    case Reason::Damaged:
        return QT_TRANSLATE_NOOP("RunReport", "the picture data is damaged");
    case Reason::StrayBytes:
        return QT_TRANSLATE_NOOP("RunReport", "stray bytes in the picture data were skipped");
    case Reason::ColourProfile:
        return QT_TRANSLATE_NOOP("RunReport", "its colour profile is not quite right");
    case Reason::TooLarge:
        return QT_TRANSLATE_NOOP("RunReport", "the picture is larger than this program allows");
    case Reason::NotAllowed:
        return QT_TRANSLATE_NOOP(
            "RunReport", "this program is not allowed to use the file or folder");
    case Reason::DiskFull:
        return QT_TRANSLATE_NOOP("RunReport", "the disk is full");
    case Reason::ReadOnlyDisk:
        return QT_TRANSLATE_NOOP("RunReport", "the disk cannot be written to");
    case Reason::NameTooLong:
        return QT_TRANSLATE_NOOP("RunReport", "the name is too long for the disk");
    }
    return nullptr;
}

// about names the file the reason concerns when it is not the row's.
QString inPlainWords(const Reason &reason, const QString &about = QString())
{
    const QString said = about.isEmpty() ? reason.translated()
                                         : QStringLiteral("%1: %2").arg(about, reason.translated());
    const char *plain = reason.quoted ? plainWords(reason.kind) : nullptr;
    return plain ? QStringLiteral("%1 (%2)").arg(RunReport::tr(plain), said) : said;
}

QString duration(qint64 ms)
{
    if (ms < 10000)
        return RunReport::tr("%1 s").arg(std::max<qint64>(ms, 100) / 1000.0, 0, 'f', 1);
    const qint64 seconds = (ms + 500) / 1000;
    if (seconds < 60)
        return RunReport::tr("%1 s").arg(seconds);
    return RunReport::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

} // namespace

void RunReport::start(const QStringList &files)
{
    entries.clear();
    entries.reserve(files.size());
    for (const QString &file : files) {
        Entry entry;
        entry.file = file;
        entries.append(entry);
    }
}

void RunReport::record(int index, const ImagePipeline::FileResult &result)
{
    if (index < 0 || index >= entries.size())
        return;
    Entry &entry = entries[index];
    entry.warnings = result.warnings;
    entry.backups = result.backups.size();
    entry.renamed = result.renamed.size();
    if (result.status == ImagePipeline::FileResult::Skipped) {
        entry.output = QDir::toNativeSeparators(result.outputPath);
        entry.outcome = Skipped;
    } else if (result.status == ImagePipeline::FileResult::Converted) {
        entry.output = QDir::toNativeSeparators(result.outputPath);
        entry.moreOutputs = qMax(0, result.frameOutputs.size() - 1);
        entry.outcome = entry.warnings.isEmpty() ? Converted : Warned;
    } else if (result.status != ImagePipeline::FileResult::Stopped) {
        entry.outcome = Failed;
        entry.error = result.reason;
        entry.errorAbout = result.about == result.input ? QString() : result.about;
    }
}

void RunReport::finished(int index)
{
    if (index >= 0 && index < entries.size() && entries.at(index).outcome == Pending)
        entries[index].outcome = entries.at(index).warnings.isEmpty() ? Converted : Warned;
}

int RunReport::count(Outcome outcome) const
{
    return int(std::count_if(entries.cbegin(), entries.cend(),
        [outcome](const Entry &entry) { return entry.outcome == outcome; }));
}

int RunReport::backups() const
{
    return std::accumulate(entries.cbegin(), entries.cend(), 0,
        [](int sum, const Entry &entry) { return sum + entry.backups; });
}

int RunReport::renamed() const
{
    return std::accumulate(entries.cbegin(), entries.cend(), 0,
        [](int sum, const Entry &entry) { return sum + entry.renamed; });
}

QString RunReport::summary(qint64 elapsedMs) const
{
    const int failures = count(Failed);
    if (processed() < size()) {
        QString text
            = tr("Stopped: %1 of %2 converted").arg(count(Converted) + count(Warned)).arg(size());
        if (failures > 0)
            text += tr(", %1 failed").arg(failures);
        return text;
    }
    QString text = tr("%1 converted").arg(count(Converted));
    if (count(Warned) > 0)
        text += tr(", %1 with warnings").arg(count(Warned));
    if (count(Skipped) > 0)
        text += tr(", %1 skipped").arg(count(Skipped));
    if (backups() > 0)
        text += tr(", backups kept: %1 (*_backup_N)").arg(backups());
    if (renamed() > 0)
        text += tr(", free names taken: %1 (*_N)").arg(renamed());
    if (failures > 0)
        text += tr(", %1 failed").arg(failures);
    return text + tr(" in %1").arg(duration(elapsedMs));
}

QString RunReport::reason(int index) const
{
    const Entry &entry = entries.at(index);
    if (entry.outcome == Failed)
        return inPlainWords(entry.error, entry.errorAbout);
    QStringList said;
    for (const Reason &warning : entry.warnings)
        said.append(inPlainWords(warning));
    return said.join(QStringLiteral("; "));
}

QString RunReport::toolTip(int index) const
{
    const Entry &entry = entries.at(index);
    switch (entry.outcome) {
    case Pending:
        return QString();
    case Converted:
    case Warned:
        break;
    case Failed:
        return tr("Not converted: %1").arg(reason(index));
    case Skipped:
        return tr("Skipped: %1 is there already").arg(entry.output);
    }
    const QString where = entry.moreOutputs == 0 ? entry.output
        : entry.moreOutputs == 1
        ? tr("%1 and one more file").arg(entry.output)
        : tr("%1 and %2 more files").arg(entry.output).arg(entry.moreOutputs);
    return entry.outcome == Converted
        ? tr("Converted to %1").arg(where)
        : tr("Converted to %1, with a warning: %2").arg(where, reason(index));
}

QString RunReport::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Pending:
        return tr("Not converted");
    case Converted:
        return tr("Converted");
    case Warned:
        return tr("Converted with a warning");
    case Skipped:
        return tr("Skipped");
    case Failed:
        break;
    }
    return tr("Failed");
}

QString RunReport::problemList() const
{
    QString text;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        if (entry.outcome == Warned || entry.outcome == Failed)
            text += QStringLiteral("%1\t%2\t%3\n")
                        .arg(entry.file, outcomeText(entry.outcome), reason(i));
    }
    return text;
}
