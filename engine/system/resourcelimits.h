#ifndef RESOURCELIMITS_H
#define RESOURCELIMITS_H

#include <QString>
#include <QtGlobal>

#include "reason.h"

#include <atomic>
#include <functional>

// How much memory conversions may take. A photo of 25200x33300 pixels decodes to more than
// 6 GB at 16 bits a sample; refused up front, it costs one error line instead of the machine's
// memory. Every decoder checks an image's size here before it allocates. The conversions of a
// process share one memory budget: each holds what it needs at its peak, and one that does
// not fit beside the others waits for them rather than failing. Safe to use from any thread.
namespace ResourceLimits {

// A decoded pixel in the library: red, green, blue and opacity at 16 bits each.
constexpr quint64 pixelBytes = 8;
// What the library takes per pixel while it decodes a photo, the decoded image included
// (peak resident memory of tarvo-convert --jobs 1 --scale -10 on 27 and 108 million pixel
// JPEGs: 9.6 and 9.5 bytes a pixel). Decoders of our own give their own figure.
constexpr quint64 libraryDecodeBytes = 11;

// Bytes of memory this process may use: the physical memory, or a control group's limit
// where that is lower.
quint64 availableMemory();
// The part of availableBytes conversions may take; the rest is left to the system, the
// window and the library's bookkeeping.
quint64 budgetFor(quint64 availableBytes);

// The memory all conversions of this process share; budgetFor(availableMemory()) unless set.
quint64 memoryBudget();
// For tests and the command line, so that what converts does not depend on the machine;
// 0 returns to the machine's budget. Also updates the library's limits once apply() has run.
void setMemoryBudget(quint64 bytes);

// Sets the image library's own limits (pixels, memory, memory maps, disk cache) to match the
// budget. Idempotent; call after the library is initialised.
void apply();

// False, with the reason in *error, for a file of size bytes that could never be converted:
// larger than a buffer of the readers can address, or than the whole budget.
bool fitsInMemory(quint64 size, Reason *error);

namespace detail {
// What setMemoryBudget() calls to keep the library's limits with the budget, once apply() ran.
extern std::atomic<void (*)()> libraryLimits;
} // namespace detail

// Most pixels one image may have when it is decoded outside a conversion (image details):
// the decoded image and one working copy of it fit in the budget.
quint64 maxPixels();

// Called by every decoder once it knows the size, before it allocates the image, with what a
// pixel costs it while decoding (the decoded image included). Within a Reservation on this
// thread, reserves what the whole conversion needs, waiting while other conversions hold the
// memory; otherwise checks against maxPixels(). Throws Magick::ErrorResourceLimit, naming
// the size and the limit, when the image can never fit.
void checkImageSize(
    quint64 width, quint64 height, quint64 decodeBytesPerPixel = libraryDecodeBytes);

// Part of this process's memory budget, held until it is destroyed or changed. Handed out
// first come, first served, so a large image is not overtaken forever by small ones. Lives on
// one thread.
class Share
{
public:
    Share() = default;
    ~Share();
    Share(const Share &) = delete;
    Share &operator=(const Share &) = delete;

    // Holds bytes instead of what it held. From nothing, waits while the other shares leave
    // too little (going ahead alone when no other holds any); holding something already, it
    // never waits, since two shares waiting for each other would wait forever.
    void hold(quint64 bytes);

private:
    quint64 held = 0;
};

// In a worker process the memory is its program's to hand out among all its workers: with a
// broker set, a reservation asks the broker for what it needs instead of this process's own
// budget; first blocking until it is held, later (holding some already, which never waits)
// only telling the new amount. The broker keeps the memory until the file's outcome reaches
// the program. Set before any conversion starts.
using Broker = std::function<void(quint64 bytes, bool first)>;
void setBroker(Broker broker);

// One conversion's share of the budget, held from the decoder's size check until the
// reservation is destroyed. Lives on one thread; at most one per thread is active.
class Reservation
{
public:
    // Bytes a conversion of a width x height image takes at its peak, given what its decoder
    // takes per pixel and whether the image may have an opacity channel.
    using Estimate = std::function<quint64(
        quint64 width, quint64 height, quint64 decodeBytesPerPixel, bool opacity)>;

    // output names the output format in the message about an image that cannot fit.
    Reservation(const QString &output, const Estimate &estimate);
    ~Reservation();
    Reservation(const Reservation &) = delete;
    Reservation &operator=(const Reservation &) = delete;

    // Once the image is decoded its decoder's memory is free and its opacity known: holds
    // what the rest of the conversion needs instead, mostly less.
    void decoded(quint64 width, quint64 height, bool opacity);

private:
    friend void checkImageSize(quint64, quint64, quint64);
    void reserve(quint64 width, quint64 height, quint64 decodeBytesPerPixel, bool opacity);

    QString output;
    Estimate estimate;
    Share share;
    bool brokered = false; // the broker holds memory for it already
    Reservation *outer;
};

// What the conversions in progress hold, and how many wait for memory.
quint64 reservedBytes();
int waitingCount();

// A worker that converts files counts as busy from its first file until it takes no more, so
// that a codec with threads of its own leaves the other workers their cores. Lives on the
// worker's thread for the whole run, not per file: between two files the worker is still busy.
class BusyWorker
{
public:
    BusyWorker();
    ~BusyWorker();
    BusyWorker(const BusyWorker &) = delete;
    BusyWorker &operator=(const BusyWorker &) = delete;
};

// The processors this process may use: those its affinity allows, fewer when a control group's
// quota allows less time (a container's or a batch slot's share), at least one.
int usableCpus();
// The same from the pieces, for tests: the affinity's count, and the lowest quota of the
// control groups as microseconds per period (0 for none).
int usableCpus(int affinity, quint64 quota, quint64 period);

// Workers busy in this process right now.
int busyWorkers();

// Threads one conversion's codec may use when busy workers share cores: an equal share of the
// cores, at least one. Outside any worker (busy 0), the whole machine.
int threadsPerWorker(int busy, int cores);
// The same for this process at this moment, unless set below.
int threadsPerWorker();
// A worker process converts one file at a time for a program that runs several: the program
// tells it its share. 0 returns to counting this process's busy workers.
void setThreadsPerWorker(int threads);

} // namespace ResourceLimits

#endif // RESOURCELIMITS_H
