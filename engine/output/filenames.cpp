#include "filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

#include <functional>

namespace FileNames {

namespace {

bool passesThroughQString(const QByteArray &name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

// Calls found(name) for each entry of folder that no QString can name.
void forEachUnnamable(const QString &folder, const std::function<void(const QByteArray &)> &found)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!passesThroughQString(name))
            found(name);
    }
    ::closedir(dir);
}

} // namespace

QString displayName(const QByteArray &name)
{
    QString shown;
    int i = 0;
    while (i < name.size()) {
        const uchar lead = uchar(name.at(i));
        const int length = lead < 0x80 ? 1
            : (lead & 0xe0) == 0xc0    ? 2
            : (lead & 0xf0) == 0xe0    ? 3
            : (lead & 0xf8) == 0xf0    ? 4
                                       : 0;
        if (length > 0 && i + length <= name.size()) {
            const QByteArray piece = name.mid(i, length);
            const QString decoded = QString::fromUtf8(piece);
            if (decoded.toUtf8() == piece
                && (!decoded.contains(QChar::ReplacementCharacter) || piece == "\xef\xbf\xbd")) {
                shown += decoded;
                i += length;
                continue;
            }
        }
        shown += QStringLiteral("\\x%1").arg(uint(lead), 2, 16, QLatin1Char('0'));
        ++i;
    }
    return shown;
}

QStringList unnamableEntries(const QString &folder, const QStringList &patterns, bool withFolders)
{
    const QByteArray prefix = QFile::encodeName(QDir(folder).absolutePath()) + '/';
    QStringList shown;
    forEachUnnamable(folder, [&](const QByteArray &name) {
        struct stat info;
        const bool isFolder
            = ::stat((prefix + name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        if (isFolder ? withFolders : QDir::match(patterns, QFile::decodeName(name)))
            shown.append(QDir::toNativeSeparators(displayName(prefix + name)));
    });
    shown.sort();
    return shown;
}

QString unnamableEntry(const QString &path)
{
    const QFileInfo info(path);
    // Shown as the user spelled it.
    const QByteArray prefix = QFile::encodeName(path.left(path.lastIndexOf(QLatin1Char('/')) + 1));
    QString shown;
    forEachUnnamable(info.absolutePath(), [&](const QByteArray &name) {
        if (shown.isEmpty() && QFile::decodeName(name) == info.fileName())
            shown = QDir::toNativeSeparators(displayName(prefix + name));
    });
    return shown;
}

} // namespace FileNames
