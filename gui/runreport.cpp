#include "runreport.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RunReport", text);
}

// What the libraries and the system say is often terse or in their own jargon; those reasons
// get a plain sentence first, for the words people know. The engine's own reasons for damaged
// files are plain already, though they quote the library ("damaged JPEG: ... (Corrupt JPEG
// data: ...)").
struct PlainWords
{
    const char *said;
    const char *meant;
};

// The first match wins: what a reader only warns about comes before the failures whose words
// it shares ("Corrupt JPEG data: 2 extraneous bytes" is a warning).
const PlainWords plainWords[] = {
    { "iCCP", QT_TRANSLATE_NOOP("RunReport", "its colour profile is not quite right") },
    { "extraneous bytes",
        QT_TRANSLATE_NOOP("RunReport", "stray bytes in the picture data were skipped") },
    { "Unable to deduce image format",
        QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read") },
    { "no decode delegate", QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read") },
    { "Unrecognized image format",
        QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read") },
    { "Improper image header",
        QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read") },
    { "Not a JPEG file", QT_TRANSLATE_NOOP("RunReport", "not a picture this program can read") },
    { "No data returned", QT_TRANSLATE_NOOP("RunReport", "the file ends before the picture does") },
    { "Premature end", QT_TRANSLATE_NOOP("RunReport", "the file ends before the picture does") },
    { "nexpected end", QT_TRANSLATE_NOOP("RunReport", "the file ends before the picture does") },
    { "Insufficient image data",
        QT_TRANSLATE_NOOP("RunReport", "the file ends before the picture does") },
    { "incorrect data check", QT_TRANSLATE_NOOP("RunReport", "the picture data is damaged") },
    { "CRC error", QT_TRANSLATE_NOOP("RunReport", "the picture data is damaged") },
    { "Corrupt", QT_TRANSLATE_NOOP("RunReport", "the picture data is damaged") },
    { "Can not read TIFF directory",
        QT_TRANSLATE_NOOP("RunReport", "the picture data is damaged") },
    { "limit exceeded",
        QT_TRANSLATE_NOOP("RunReport", "the picture is larger than this program allows") },
    { "Permission denied",
        QT_TRANSLATE_NOOP("RunReport", "this program is not allowed to use the file or folder") },
    { "No space left on device", QT_TRANSLATE_NOOP("RunReport", "the disk is full") },
    { "Disk quota exceeded", QT_TRANSLATE_NOOP("RunReport", "the disk is full") },
    { "Read-only file system", QT_TRANSLATE_NOOP("RunReport", "the disk cannot be written to") },
    { "File name too long", QT_TRANSLATE_NOOP("RunReport", "the name is too long for the disk") },
};

QString inPlainWords(const QString &reason)
{
    // An output that could not be written is named before its reason.
    QString said = reason;
    const QString named = reason.section(QStringLiteral(": "), 0, 0);
    if (named != reason && QDir::isAbsolutePath(named))
        said = reason.mid(named.size() + 2);
    if (said.startsWith(QLatin1String("damaged ")))
        return reason;
    for (const PlainWords &words : plainWords) {
        if (said.contains(QLatin1String(words.said)))
            return QStringLiteral("%1 (%2)").arg(tr(words.meant), reason);
    }
    return reason;
}

// "<file>: <text>" without the file, which the row or the report's first column names.
QString withoutFile(const QString &message, const QString &file)
{
    const QString prefix = file + QStringLiteral(": ");
    return message.startsWith(prefix) ? message.mid(prefix.size()) : message;
}

QString duration(qint64 ms)
{
    if (ms < 10000)
        return tr("%1 s").arg(std::max<qint64>(ms, 100) / 1000.0, 0, 'f', 1);
    const qint64 seconds = (ms + 500) / 1000;
    if (seconds < 60)
        return tr("%1 s").arg(seconds);
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
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

void RunReport::warned(int index, const QString &message)
{
    if (index >= 0 && index < entries.size())
        entries[index].warnings.append(message);
}

void RunReport::converted(int index, const QString &output)
{
    if (index < 0 || index >= entries.size())
        return;
    Entry &entry = entries[index];
    entry.output = output;
    entry.outcome = entry.warnings.isEmpty() ? Converted : Warned;
}

void RunReport::failed(int index, const QString &message)
{
    if (index < 0 || index >= entries.size())
        return;
    entries[index].outcome = Failed;
    entries[index].error = message;
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
    if (failures > 0)
        text += tr(", %1 failed").arg(failures);
    return text + tr(" in %1").arg(duration(elapsedMs));
}

QString RunReport::reason(int index) const
{
    const Entry &entry = entries.at(index);
    if (entry.outcome == Failed)
        return inPlainWords(withoutFile(entry.error, entry.file));
    QStringList said;
    for (const QString &warning : entry.warnings)
        said.append(inPlainWords(withoutFile(warning, entry.file)));
    return said.join(QStringLiteral("; "));
}

QString RunReport::toolTip(int index) const
{
    const Entry &entry = entries.at(index);
    switch (entry.outcome) {
    case Pending:
        return QString();
    case Converted:
        return tr("Converted to %1").arg(entry.output);
    case Warned:
        return tr("Converted to %1, with a warning: %2").arg(entry.output, reason(index));
    case Failed:
        break;
    }
    return tr("Not converted: %1").arg(reason(index));
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
