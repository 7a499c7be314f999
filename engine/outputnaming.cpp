#include "imageconverter.h"
#include "outputnaming.h"

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

namespace OutputNaming {

QString pathIn(const QString &directory, const QString &input, const QString &format)
{
    return directory + QDir::separator() + QFileInfo(input).baseName()
        + ImageConverter::suffixForFormat(format);
}

QString plainPath(const QString &input, const QString &dirPath, const QString &format)
{
    const QDir dir(dirPath);
    return pathIn((dir.exists() && !dirPath.isEmpty()) ? dir.absolutePath()
                                                       : QFileInfo(input).canonicalPath(),
        input, format);
}

QString freeName(const QString &out, const std::function<bool(const QString &)> &taken)
{
    const QFileInfo info(out);
    // A name only planned so far has no canonical form yet; its folder does.
    const QString folder
        = info.exists() ? info.canonicalPath() : QFileInfo(info.absolutePath()).canonicalFilePath();
    for (int n = 1;; ++n) {
        const QString candidate = folder + QDir::separator() + info.baseName()
            + QStringLiteral("_%1.").arg(n) + info.suffix();
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace OutputNaming

QString ImageConverter::outputFilePath(
    const QString &input, const QString &dirPath, const QString &format, bool overwrite)
{
    const QString out = OutputNaming::plainPath(input, dirPath, format);
    if (overwrite) {
        // Whether the folder was chosen explicitly or not, and also when the output is the
        // input itself, a file about to be replaced is kept as a numbered backup first.
        if (QFileInfo::exists(out))
            backupFile(out);
        return out;
    }
    if (!QFileInfo::exists(out))
        return out;
    return OutputNaming::freeName(out, [](const QString &path) { return QFileInfo::exists(path); });
}
