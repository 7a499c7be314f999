#include "imageconverter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString numberedName(const QFileInfo &file, const QString &ending)
{
    return file.canonicalPath() + QDir::separator() + file.baseName() + ending + QLatin1Char('.')
        + file.suffix();
}

} // namespace

QString ImageConverter::suffixForFormat(const QString &format)
{
    if (format == QLatin1String("jpeg"))
        return QStringLiteral(".jpg");
    if (format == QLatin1String("gif"))
        return QStringLiteral(".gif");
    if (format == QLatin1String("bmp"))
        return QStringLiteral(".bmp");
    return QLatin1Char('.') + format;
}

bool ImageConverter::backupFile(const QString &file)
{
    const QFileInfo info(file);
    QString target = file;
    // Every candidate is built from the original name, so backups never read "_backup_1_backup_1".
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = numberedName(info, QStringLiteral("_backup_%1").arg(n));
    return QFile::copy(file, target);
}

QString ImageConverter::outputFilePath(
    const QString &input, const QString &dirPath, const QString &format, bool overwrite)
{
    const QFileInfo info(input);
    const QDir dir(dirPath);
    const QString directory
        = (dir.exists() && !dirPath.isEmpty()) ? dir.absolutePath() : info.canonicalPath();
    const QString out = directory + QDir::separator() + info.baseName() + suffixForFormat(format);

    if (overwrite) {
        if (QDir::toNativeSeparators(out) == QDir::toNativeSeparators(input)) {
            backupFile(input);
            return out;
        }
        // Whether the folder was chosen explicitly or not, a file about to be replaced is
        // kept as a backup first: the user asked to overwrite, not to lose the old file.
        if (QFileInfo::exists(out))
            backupFile(out);
        return out;
    }

    if (!QFileInfo::exists(out))
        return out;
    const QFileInfo taken(out);
    for (int n = 1;; ++n) {
        const QString candidate = numberedName(taken, QStringLiteral("_%1").arg(n));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
