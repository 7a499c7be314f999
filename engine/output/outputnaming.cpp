#include "outputnaming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "formats.h"

namespace {

// ending holds %1 for the number.
QString firstFree(const QString &out, const QString &ending, const OutputNaming::Taken &taken)
{
    const QFileInfo info(out);
    // A name only planned so far has no canonical form yet; its folder does. Nor has a
    // dangling link at the name, whose target is not the folder the name is in.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    for (int n = 1;; ++n) {
        const QString candidate = folder + QLatin1Char('/') + info.baseName() + ending.arg(n)
            + QLatin1Char('.') + info.suffix();
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
    const QString suffix = Formats::suffixFor(format);
    return suffix.isEmpty() ? QLatin1Char('.') + format : suffix;
}

QString pathIn(const QString &directory, const QString &input, const QString &format)
{
    return directory + QLatin1Char('/') + QFileInfo(input).baseName() + suffixForFormat(format);
}

QString plainPath(const QString &input, const QString &dirPath, const QString &format)
{
    const QDir dir(dirPath);
    return pathIn((dir.exists() && !dirPath.isEmpty()) ? dir.absolutePath()
                                                       : QFileInfo(input).canonicalPath(),
        input, format);
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

QString outputFilePath(const QString &input, const QString &dirPath, const QString &format,
    bool overwrite, const Taken &taken)
{
    const QString out = plainPath(input, dirPath, format);
    if (overwrite || !taken(out))
        return out;
    return freeName(out, taken);
}

OutputNaming::Target outputTarget(const QString &input, const QString &dirPath,
    const QString &format, bool overwrite, const Taken &taken)
{
    OutputNaming::Target target(outputFilePath(input, dirPath, format, overwrite, taken),
        overwrite ? OutputNaming::Target::ReplaceAfterBackup : OutputNaming::Target::KeepExisting);
    target.plain = plainPath(input, dirPath, format);
    return target;
}

} // namespace OutputNaming
