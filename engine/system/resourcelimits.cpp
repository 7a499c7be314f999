#include "resourcelimits.h"

#include "reason.h"

#include <QByteArray>
#include <QFile>
#include <QPair>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <string>

#include <sched.h>
#include <unistd.h>

namespace ResourceLimits {

namespace {

quint64 physicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return quint64(4) << 30; // a modest machine, when the system will not say
    return quint64(pages) * quint64(pageSize);
}

// A limit file holds a number of bytes, or "max" (or, in the first version of control groups,
// a number near 2^63) for none.
quint64 limitIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const quint64 bytes = file.readAll().trimmed().toULongLong(&ok);
    return ok ? bytes : 0;
}

// The folders of the (version 2) control group this process is in and of each of its
// parents, up to the root: each may set a limit of its own.
QStringList controlGroupFolders()
{
    QFile groups(QStringLiteral("/proc/self/cgroup"));
    QByteArray group = "/";
    if (groups.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : groups.readAll().split('\n')) {
            if (line.startsWith("0::"))
                group = line.mid(3);
        }
    }
    QStringList folders;
    for (;;) {
        folders.append(QStringLiteral("/sys/fs/cgroup")
            + QString::fromLocal8Bit(group == "/" ? QByteArray() : group));
        const int slash = group.lastIndexOf('/');
        if (group == "/" || slash < 0)
            break;
        group = slash == 0 ? QByteArray("/") : group.left(slash);
    }
    return folders;
}

// The lowest memory limit of the control groups this process is in, 0 for none.
quint64 controlGroupLimit()
{
    quint64 lowest = limitIn(QStringLiteral("/sys/fs/cgroup/memory/memory.limit_in_bytes"));
    for (const QString &folder : controlGroupFolders()) {
        const quint64 bytes = limitIn(folder + QStringLiteral("/memory.max"));
        if (bytes > 0 && (lowest == 0 || bytes < lowest))
            lowest = bytes;
    }
    return lowest;
}

// The lowest CPU quota of the control groups this process is in, as (quota, period) in
// microseconds; (0, 0) for none. Version 2 keeps "max 100000" or "50000 100000" in cpu.max;
// version 1 the pair cpu.cfs_quota_us (-1 for none), cpu.cfs_period_us.
QPair<quint64, quint64> controlGroupQuota()
{
    QPair<quint64, quint64> lowest(0, 0);
    const auto lower = [&lowest](quint64 quota, quint64 period) {
        if (quota == 0 || period == 0)
            return;
        if (lowest.second == 0 || quota * lowest.second < lowest.first * period)
            lowest = qMakePair(quota, period);
    };
    QFile quota(QStringLiteral("/sys/fs/cgroup/cpu/cpu.cfs_quota_us"));
    QFile period(QStringLiteral("/sys/fs/cgroup/cpu/cpu.cfs_period_us"));
    if (quota.open(QIODevice::ReadOnly) && period.open(QIODevice::ReadOnly)) {
        const qint64 microseconds = quota.readAll().trimmed().toLongLong();
        if (microseconds > 0)
            lower(quint64(microseconds), period.readAll().trimmed().toULongLong());
    }
    for (const QString &folder : controlGroupFolders()) {
        QFile max(folder + QStringLiteral("/cpu.max"));
        if (max.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> fields = max.readAll().trimmed().split(' ');
            if (fields.size() == 2 && fields[0] != "max")
                lower(fields[0].toULongLong(), fields[1].toULongLong());
        }
    }
    return lowest;
}

std::atomic<quint64> chosenBudget(0);

// The reservations of all threads. Memory is handed out first come, first served, so a large
// image is not overtaken forever by small ones.
struct Pool
{
    std::mutex mutex;
    std::condition_variable changed;
    quint64 held = 0;
    quint64 nextTicket = 0;
    quint64 serving = 0;
    int waiting = 0;
};

Pool &pool()
{
    static Pool instance;
    return instance;
}

std::atomic<int> chosenThreads(0);

std::atomic<int> busy(0);

} // namespace

quint64 availableMemory()
{
    const quint64 physical = physicalMemory();
    const quint64 group = controlGroupLimit();
    return group > 0 ? std::min(physical, group) : physical;
}

quint64 budgetFor(quint64 availableBytes)
{
    return availableBytes / 4 * 3;
}

quint64 memoryBudget()
{
    const quint64 chosen = chosenBudget.load();
    if (chosen > 0)
        return chosen;
    static const quint64 machine = budgetFor(availableMemory());
    return machine;
}

namespace detail {
std::atomic<void (*)()> libraryLimits(nullptr);
} // namespace detail

bool fitsInMemory(quint64 size, Reason *error)
{
    // Every reader sees the bytes as a QByteArray view, which addresses up to 2 GiB.
    if (size > quint64(std::numeric_limits<int>::max() - 64)) {
        *error = Reason::ours(Reason::TooLarge,
            QT_TRANSLATE_NOOP("Reason", "the file is too large to be read (%1 bytes)"),
            { QString::number(size) });
        return false;
    }
    const quint64 budget = memoryBudget();
    if (size > budget) {
        *error = Reason::ours(Reason::TooLarge,
            QT_TRANSLATE_NOOP("Reason",
                "the file is too large to be read (%1 MiB, more than the memory budget of %2 MiB)"),
            { QString::number((size + (1 << 20) - 1) >> 20), QString::number(budget >> 20) });
        return false;
    }
    return true;
}

void setMemoryBudget(quint64 bytes)
{
    chosenBudget.store(bytes);
    // The library's limits follow, once they were set: through a pointer, so that a program
    // that never converts in its own process does not link the library for this.
    if (void (*limits)() = detail::libraryLimits.load())
        limits();
    std::lock_guard<std::mutex> lock(pool().mutex);
    pool().changed.notify_all();
}

quint64 maxPixels()
{
    return memoryBudget() / pixelBytes / 2;
}

Share::~Share()
{
    if (held == 0)
        return;
    Pool &p = pool();
    std::lock_guard<std::mutex> lock(p.mutex);
    p.held -= held;
    p.changed.notify_all();
}

void Share::hold(quint64 bytes)
{
    Pool &p = pool();
    std::unique_lock<std::mutex> lock(p.mutex);
    if (held > 0 || bytes == 0) {
        p.held = p.held - held + bytes;
        held = bytes;
        p.changed.notify_all();
        return;
    }
    const quint64 ticket = p.nextTicket++;
    ++p.waiting;
    // Alone, a conversion goes ahead even when the budget shrank below it meanwhile.
    p.changed.wait(lock,
        [&] { return p.serving == ticket && (p.held + bytes <= memoryBudget() || p.held == 0); });
    --p.waiting;
    ++p.serving;
    p.held += bytes;
    held = bytes;
    p.changed.notify_all();
}

quint64 reservedBytes()
{
    std::lock_guard<std::mutex> lock(pool().mutex);
    return pool().held;
}

int waitingCount()
{
    std::lock_guard<std::mutex> lock(pool().mutex);
    return pool().waiting;
}

BusyWorker::BusyWorker()
{
    busy.fetch_add(1);
}

BusyWorker::~BusyWorker()
{
    busy.fetch_sub(1);
}

int usableCpus(int affinity, quint64 quota, quint64 period)
{
    int cpus = qMax(affinity, 1);
    if (quota > 0 && period > 0) {
        // A quota of 1.5 periods lets two threads run most of the time; round up.
        const quint64 share = (quota + period - 1) / period;
        cpus = int(qMin<quint64>(quint64(cpus), qMax<quint64>(share, 1)));
    }
    return cpus;
}

int usableCpus()
{
    static const int cpus = [] {
        cpu_set_t set;
        CPU_ZERO(&set);
        const int affinity = ::sched_getaffinity(0, sizeof set, &set) == 0
            ? CPU_COUNT(&set)
            : QThread::idealThreadCount();
        const QPair<quint64, quint64> quota = controlGroupQuota();
        return usableCpus(affinity, quota.first, quota.second);
    }();
    return cpus;
}

int busyWorkers()
{
    return busy.load();
}

int threadsPerWorker(int busy, int cores)
{
    // Rounded down: the workers' threads together never outnumber the cores, where a codec
    // thread that waits for a core only adds switching.
    return qMax(1, qMax(cores, 1) / qMax(busy, 1));
}

int threadsPerWorker()
{
    const int chosen = chosenThreads.load();
    return chosen > 0 ? chosen : threadsPerWorker(busyWorkers(), usableCpus());
}

void setThreadsPerWorker(int threads)
{
    chosenThreads.store(threads);
}

} // namespace ResourceLimits
