#include "outputfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
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

// A temporary file of ours, kept open until its name is given away. It is locked from before
// it has a name, so that a later run can tell the leftover of a writer that was killed (no
// lock) from one still being written.
struct Temporary
{
    QByteArray name;
    int fd = -1;

    Temporary() = default;
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;
    ~Temporary()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

const QByteArray temporaryPrefix(".tarvo-");
const QByteArray temporarySuffix(".tmp");

// A name of its own in folder, short whatever the output's name: an output name may be
// close to the longest a folder entry can hold, and the temporary must still fit. make(name)
// returns 0, or the errno of a name that cannot be had; EEXIST tries another.
template <typename Make> int nameTemporary(const QString &folder, QByteArray *name, Make make)
{
    const QByteArray prefix = QFile::encodeName(folder) + '/' + temporaryPrefix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = prefix + QByteArray::number(QRandomGenerator::global()->generate64(), 36)
            + temporarySuffix;
        const int error = make(*name);
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

// Opens a new temporary file in folder, locked. Where the file system can, the file has no
// name yet (and a process killed while writing it leaves nothing); *named says whether it has.
int openTemporary(const QString &folder, mode_t mode, Temporary *temporary, bool *named)
{
    *named = false;
    temporary->fd
        = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (temporary->fd < 0) {
        // File systems without unnamed files (network ones, FAT) and old kernels.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno;
        *named = true;
        const int error = nameTemporary(folder, &temporary->name, [&](const QByteArray &name) {
            temporary->fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return temporary->fd >= 0 ? 0 : errno;
        });
        if (error != 0)
            return error;
    }
    // Where locks are not kept (some network file systems) the file is still ours; a later run
    // then leaves it alone only for its age.
    ::flock(temporary->fd, LOCK_EX | LOCK_NB);
    return 0;
}

// Writes data into a new temporary file in folder and waits until it is on the disk, so a
// name given to it afterwards never shows a file that a crash would leave empty or cut.
// mode < 0 leaves the permissions to the process's umask. Returns 0 or the errno.
int writeTemporary(const QString &folder, const char *data, qint64 size, int mode,
    const timespec *modified, Temporary *temporary)
{
    bool named = false;
    int error = openTemporary(folder, mode < 0 ? 0666 : mode_t(mode), temporary, &named);
    if (error != 0)
        return error;
    const bool ok = (mode < 0 || ::fchmod(temporary->fd, mode_t(mode)) == 0)
        && writeAll(temporary->fd, data, size)
        && (!modified
            || ::futimens(temporary->fd,
                   std::array<timespec, 2> { { { 0, UTIME_NOW }, *modified } }.data())
                == 0)
        && ::fdatasync(temporary->fd) == 0;
    error = ok ? 0 : errno;
    if (error == 0 && !named) {
        // Named only now that it is whole; the descriptor, and its lock, stay with us.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(temporary->fd);
        error = nameTemporary(folder, &temporary->name, [&](const QByteArray &name) {
            return ::linkat(
                       AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW)
                    == 0
                ? 0
                : errno;
        });
        if (error != 0)
            temporary->name.clear();
    }
    if (error != 0 && !temporary->name.isEmpty())
        ::unlink(temporary->name.constData());
    return error;
}

bool isTemporaryName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.tarvo-[0-9a-z]+\\.tmp$"));
    return pattern.match(name).hasMatch();
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
    // Dated as the file it keeps, as a backup made by a second name is.
    Temporary temporary;
    const int error = writeTemporary(QFileInfo(QFile::decodeName(to)).absolutePath(),
        bytes.constData(), bytes.size(), int(info.st_mode & 07777), &info.st_mtim, &temporary);
    if (error != 0)
        return error;
    const int placed = placeWithoutReplacing(temporary.name, to);
    if (placed != 0)
        ::unlink(temporary.name.constData());
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

bool write(const OutputNaming::Target &target, const QByteArray &data, QString *written,
    Reason *error, const timespec *modified, QString *backupMade)
{
    if (backupMade)
        backupMade->clear();
    QString path = target.path;
    const QByteArray name = QFile::encodeName(path);
    struct stat existing;
    // A replaced file keeps its permissions, as with a plain save.
    const bool replacing = target.mode != OutputNaming::Target::KeepExisting
        && ::lstat(name.constData(), &existing) == 0 && S_ISREG(existing.st_mode);
    Temporary temporary;
    int failure = writeTemporary(QFileInfo(path).absolutePath(), data.constData(), data.size(),
        replacing ? int(existing.st_mode & 07777) : -1, modified, &temporary);
    if (failure != 0) {
        *error = Reason::system(failure);
        return false;
    }

    QString backup = target.backup;
    for (;;) {
        const QByteArray to = QFile::encodeName(path);
        struct stat info;
        const bool taken = ::lstat(to.constData(), &info) == 0;
        if (!taken || target.mode == OutputNaming::Target::KeepExisting) {
            failure = placeWithoutReplacing(temporary.name, to);
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
                ::unlink(temporary.name.constData());
                *error = Reason::system(failure);
                error->text = QStringLiteral("cannot make the backup %1: %2")
                                  .arg(QDir::toNativeSeparators(backup), error->text);
                return false;
            }
            backedUp = true;
        }
        failure = ::rename(temporary.name.constData(), to.constData()) == 0 ? 0 : errno;
        if (failure != 0 && backedUp)
            ::unlink(QFile::encodeName(backup).constData());
        if (failure == 0 && backedUp && backupMade)
            *backupMade = backup;
        break;
    }
    if (failure != 0) {
        ::unlink(temporary.name.constData());
        *error = Reason::system(failure);
        return false;
    }
    *written = path;
    return true;
}

int removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    int removed = 0;
    const QStringList candidates = dir.entryList({ QStringLiteral(".tarvo-*.tmp") },
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString &name : candidates) {
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened;
        struct stat atPath;
        // Ours to remove: a plain file of this user's, which no process holds locked and
        // nobody has written to for a minute (a writer that cannot lock, or is between making
        // and locking it, is that quick), and which is still the entry at that name.
        const bool leftover = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)
            && opened.st_uid == ::geteuid() && now - qint64(opened.st_mtime) >= 60
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.constData(), &atPath) == 0
            && atPath.st_dev == opened.st_dev && atPath.st_ino == opened.st_ino;
        if (leftover && ::unlink(path.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace OutputFile
