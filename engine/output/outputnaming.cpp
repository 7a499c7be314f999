#include "outputnaming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include "conversionsettings.h"
#include "outputformat.h"

namespace {

// ending holds %1 for the number.
QString firstFree(const QString &out, const QString &ending, const OutputNaming::Taken &taken)
{
    const QFileInfo info(out);
    // A name only planned so far has no canonical form yet; its folder does (unless it is a
    // sub-folder still to be made). Nor has a dangling link at the name, whose target is not
    // the folder the name is in.
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absolutePath());
    for (int n = 1;; ++n) {
        const QString candidate = folder + QLatin1Char('/') + info.completeBaseName()
            + ending.arg(n) + QLatin1Char('.') + info.suffix();
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace

namespace OutputNaming {

bool isTaken(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QString suffixForFormat(const QString &format)
{
    // A name outside the list (an empty one too) keeps its own spelling after the dot.
    const QString suffix = OutputFormats::suffixFor(format);
    return suffix.isEmpty() ? QLatin1Char('.') + format : suffix;
}

Rule Rule::of(const ConversionSettings &settings)
{
    return { settings.path, suffixForFormat(settings.format), settings.overwrite, settings.keepTree,
        settings.namePattern };
}

QString plainPath(
    const Rule &rule, const QString &input, const QString &root, const NamePattern::Facts &facts)
{
    const QDir dir(rule.folder);
    const bool intoFolder = dir.exists() && !rule.folder.isEmpty();
    QString folder = intoFolder ? dir.absolutePath() : QFileInfo(input).canonicalPath();
    if (intoFolder && rule.keepTree && !root.isEmpty()) {
        // The way down from the root, never up or out of it, whatever the names say.
        const QString below = QDir(root).relativeFilePath(QFileInfo(input).absolutePath());
        if (!below.isEmpty() && below != QLatin1String(".")
            && !below.startsWith(QLatin1String("..")) && QDir::isRelativePath(below))
            folder += QLatin1Char('/') + QDir::cleanPath(below);
    }
    // Standard input has no name of its own; it goes to a folder, as every other input.
    const QString named = input == standardStream() ? QStringLiteral("stdin") : input;
    return folder + QLatin1Char('/') + NamePattern::expand(rule.pattern, named, facts)
        + rule.suffix;
}

QVector<int> shardsOf(const QStringList &plainNames, int shards)
{
    // Each name's stem, lower case; stems joined when one is another with a "_" or "-" and
    // more after it: a superset of the stems whose names can meet.
    QStringList stems;
    QHash<QString, QString> parent;
    for (const QString &name : plainNames) {
        const QString stem = QFileInfo(name).completeBaseName().toLower();
        stems.append(stem);
        parent.insert(stem, stem);
    }
    const std::function<QString(const QString &)> root = [&](const QString &stem) {
        const QString up = parent.value(stem);
        return up == stem ? stem : root(up);
    };
    const QStringList all = parent.keys();
    for (const QString &stem : all) {
        for (int k = 0; k < stem.size(); ++k) {
            if ((stem[k] == QLatin1Char('_') || stem[k] == QLatin1Char('-'))
                && parent.contains(stem.left(k))) {
                // The smaller root leads, so the joined group's name does not depend on order.
                const QString a = root(stem);
                const QString b = root(stem.left(k));
                parent[qMax(a, b)] = qMin(a, b);
            }
        }
    }
    QVector<int> shard;
    for (const QString &stem : qAsConst(stems)) {
        // FNV-1a: the same on every machine and every run, unlike qHash.
        quint64 hash = 14695981039346656037ULL;
        for (const char byte : root(stem).toUtf8()) {
            hash ^= quint8(byte);
            hash *= 1099511628211ULL;
        }
        shard.append(int(hash % quint64(qMax(shards, 1))));
    }
    return shard;
}

QString freeName(const QString &out, const Taken &taken)
{
    return firstFree(out, QStringLiteral("_%1"), taken);
}

QString backupName(const QString &file, const Taken &taken)
{
    // Every candidate is built from the original name, so backups never read
    // "_backup_1_backup_1" unless that is the name of the file itself.
    return firstFree(file, QStringLiteral("_backup_%1"), taken);
}

Target target(const Rule &rule, const QString &input, const Taken &taken, const QString &root,
    const NamePattern::Facts &facts)
{
    const QString plain = plainPath(rule, input, root, facts);
    Target target(rule.overwrite || !taken(plain) ? plain : freeName(plain, taken),
        rule.overwrite ? Target::ReplaceAfterBackup : Target::KeepExisting);
    target.plain = plain;
    return target;
}

Target frameTarget(const Target &whole, int number, const Taken &claimed)
{
    const QFileInfo info(whole.path);
    const QString path = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-')
        + QString::number(number) + QLatin1Char('.') + info.suffix();
    const auto taken = [&claimed](const QString &name) { return claimed(name) || isTaken(name); };
    if (claimed(path) || (whole.mode == Target::KeepExisting && taken(path)))
        return Target(freeName(path, taken), Target::KeepExisting);
    return Target(path, whole.mode);
}

} // namespace OutputNaming
