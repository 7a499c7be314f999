#include "imagefolders.h"

#include <QDir>
#include <QFileInfo>

#include "filenames.h"
#include "inputformats.h"

namespace ImageFolders {

bool firstVisit(const QString &path, QSet<QString> *seen)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    if (seen->contains(real))
        return false;
    seen->insert(real);
    return true;
}

void collect(const QString &folder, bool recursive, QStringList *files, QSet<QString> *seen,
    QStringList *unnamable)
{
    const QDir dir(folder);
    const QStringList patterns = InputFormats::patterns();
    *unnamable += FileNames::unnamableEntries(dir.absolutePath(), patterns, recursive);
    for (const QString &name :
        dir.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        const QString path = dir.absoluteFilePath(name);
        if (firstVisit(path, seen))
            files->append(path);
    }
    if (!recursive)
        return;
    for (const QString &sub :
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        const QString path = dir.absoluteFilePath(sub);
        if (firstVisit(path, seen))
            collect(path, true, files, seen, unnamable);
    }
}

} // namespace ImageFolders
