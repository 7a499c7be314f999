#include "outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OutputFile {

namespace {

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// A name of its own in folder, short whatever the output's name: an output name may be
// close to the longest a folder entry can hold, and the temporary must still fit.
int createTemporary(const QString &folder, mode_t mode, QByteArray *name)
{
    const QByteArray prefix = QFile::encodeName(folder) + "/.tarvo-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = prefix + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes data into a new temporary file in folder and waits until it is on the disk, so a
// name given to it afterwards never shows a file that a crash would leave empty or cut.
// mode < 0 leaves the permissions to the process's umask. Returns 0 or the errno.
int writeTemporary(
    const QString &folder, const char *data, qint64 size, int mode, QByteArray *temporary)
{
    const int fd = createTemporary(folder, mode < 0 ? 0666 : mode_t(mode), temporary);
    if (fd < 0)
        return errno;
    bool ok = (mode < 0 || ::fchmod(fd, mode_t(mode)) == 0) && writeAll(fd, data, size)
        && ::fdatasync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok)
        error = errno;
    if (error != 0)
        ::unlink(temporary->constData());
    return error;
}

// Gives temporary the name to unless an entry holds it already (EEXIST). Returns 0 or errno.
int placeWithoutReplacing(const QByteArray &temporary, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE)
        == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: a second link fails on a taken name just the same.
    if (::link(temporary.constData(), to.constData()) != 0)
        return errno;
    ::unlink(temporary.constData());
    return 0;
}

// A copy for file systems without hard links. A link at the name is kept as a link.
int copyWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    struct stat info;
    if (::lstat(from.constData(), &info) != 0)
        return errno;
    if (S_ISLNK(info.st_mode)) {
        QByteArray target(int(info.st_size) + 1, '\0');
        const ssize_t length = ::readlink(from.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return errno;
        target.truncate(int(length));
        return ::symlink(target.constData(), to.constData()) == 0 ? 0 : errno;
    }
    QFile source(QFile::decodeName(from));
    if (!source.open(QIODevice::ReadOnly))
        return EIO;
    const QByteArray bytes = source.readAll();
    if (bytes.size() != source.size())
        return EIO;
    QByteArray temporary;
    const int error = writeTemporary(QFileInfo(QFile::decodeName(to)).absolutePath(),
        bytes.constData(), bytes.size(), int(info.st_mode & 07777), &temporary);
    if (error != 0)
        return error;
    const int placed = placeWithoutReplacing(temporary, to);
    if (placed != 0)
        ::unlink(temporary.constData());
    return placed;
}

// Keeps the entry at path under *backup, or under the first free backup name when that is
// taken. A hard link keeps the old file whole at once: nothing is copied that a full disk
// could cut short, and the old file's permissions and times stay its own.
int makeBackup(const QString &path, QString *backup)
{
    const QByteArray from = QFile::encodeName(path);
    for (;;) {
        if (backup->isEmpty() || OutputNaming::isTaken(*backup))
            *backup = OutputNaming::backupName(path, OutputNaming::isTaken);
        const QByteArray to = QFile::encodeName(*backup);
        int error = ::link(from.constData(), to.constData()) == 0 ? 0 : errno;
        if (error == EPERM || error == EOPNOTSUPP || error == EMLINK)
            error = copyWithoutReplacing(from, to);
        if (error != EEXIST)
            return error;
        backup->clear();
    }
}

} // namespace

bool write(
    const OutputNaming::Target &target, const QByteArray &data, QString *written, QString *error)
{
    QString path = target.path;
    const QByteArray name = QFile::encodeName(path);
    struct stat existing;
    // A replaced file keeps its permissions, as with a plain save.
    const bool replacing = target.mode != OutputNaming::Target::KeepExisting
        && ::lstat(name.constData(), &existing) == 0 && S_ISREG(existing.st_mode);
    QByteArray temporary;
    int failure = writeTemporary(QFileInfo(path).absolutePath(), data.constData(), data.size(),
        replacing ? int(existing.st_mode & 07777) : -1, &temporary);
    if (failure != 0) {
        *error = qt_error_string(failure);
        return false;
    }

    QString backup = target.backup;
    for (;;) {
        const QByteArray to = QFile::encodeName(path);
        struct stat info;
        const bool taken = ::lstat(to.constData(), &info) == 0;
        if (!taken || target.mode == OutputNaming::Target::KeepExisting) {
            failure = placeWithoutReplacing(temporary, to);
            if (failure == EEXIST && target.mode == OutputNaming::Target::KeepExisting) {
                path = OutputNaming::freeName(
                    target.plain.isEmpty() ? target.path : target.plain, OutputNaming::isTaken);
                continue;
            }
            if (failure == EEXIST)
                continue; // someone was quicker: what they wrote is backed up first
            break;
        }
        // A folder cannot be replaced by a file; the rename below says so.
        bool backedUp = false;
        if (target.mode == OutputNaming::Target::ReplaceAfterBackup && !S_ISDIR(info.st_mode)) {
            failure = makeBackup(path, &backup);
            if (failure == ENOENT)
                continue; // gone meanwhile: nothing left to keep
            if (failure != 0) {
                ::unlink(temporary.constData());
                *error = QStringLiteral("cannot make the backup %1: %2")
                             .arg(QDir::toNativeSeparators(backup), qt_error_string(failure));
                return false;
            }
            backedUp = true;
        }
        failure = ::rename(temporary.constData(), to.constData()) == 0 ? 0 : errno;
        if (failure != 0 && backedUp)
            ::unlink(QFile::encodeName(backup).constData());
        break;
    }
    if (failure != 0) {
        ::unlink(temporary.constData());
        *error = qt_error_string(failure);
        return false;
    }
    *written = path;
    return true;
}

} // namespace OutputFile
