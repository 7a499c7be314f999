#ifndef WORKERPROCESS_H
#define WORKERPROCESS_H

#include <QAtomicInt>
#include <QSize>
#include <QString>

#include <functional>
#include <sys/types.h>

#include "conversionsettings.h"
#include "picturefacts.h"
#include "imagepipeline.h"
#include "outputnaming.h"
#include "resourcelimits.h"
#include "workerprotocol.h"

struct ImageProperties;

// The program's side of one sandboxed worker process (tarvo-worker), in which every decoder and
// encoder runs: the program opens the input and hands it over, and writes what comes back. A
// file that crashes the worker, takes too long or tries what the sandbox forbids fails alone,
// with its reason; the next file gets a fresh worker. A worker that converted its file well
// is kept for the next one. Lives on one thread; the workers of several threads share the
// process's memory budget, which each worker asks for as its decoder learns the picture's
// size.
class WorkerProcess
{
public:
    explicit WorkerProcess(const ConversionSettings &settings);
    ~WorkerProcess();
    WorkerProcess(const WorkerProcess &) = delete;
    WorkerProcess &operator=(const WorkerProcess &) = delete;

    // Converts input, written as target says. codecThreads: what a codec with threads of its
    // own may use; libraryThreads: the image library's. With one file per frame, a frame's file
    // never replaces a name claimed (the run's other inputs and planned outputs). Never throws.
    ImagePipeline::FileResult convert(
        const QString &input, const OutputNaming::Target &target, int codecThreads,
        int libraryThreads,
        const OutputNaming::Taken &claimed = [](const QString &) { return false; });

    // What naming input's output needs of its picture (the size this worker's settings write
    // it at, the date it was taken), read in this worker, cheaply from the headers where they
    // tell. False, with
    // *refused filled as a conversion of the file would fail (a missing input, a picture no
    // reader takes), when they cannot be read. Never throws.
    bool readFacts(const QString &input, PictureFacts *facts, ImagePipeline::FileResult *refused);

    // What the properties dialog shows of a file, read in a worker of its own, which a hostile
    // file can take down without taking the caller along. Another thread may set *cancel at
    // any time; the read then ends soon after with the status Cancelled. Never throws.
    static ImageProperties readProperties(
        const QString &path, const QSize &thumbnailBox, const QAtomicInt *cancel = nullptr);
    // The second step: the file's colours counted (ImageProperties::countColours), which
    // decodes the picture whole. The same guarantees.
    static ImageProperties readColours(const QString &path, const QAtomicInt *cancel = nullptr);

    // Starts a worker now, before any file is known, which the first file that needs no Qt
    // plug-in then takes: its start (most of a one-file run) overlaps what the program does
    // meanwhile. Call on the thread that lives longest (the main thread): a worker ends with
    // the thread that started it. Does nothing when it cannot start one.
    static void startSpare();

    // Ends every worker of this process at once, for a run that must end now (a signal): the
    // files in flight come back Stopped, and no worker starts again. Safe from any thread.
    static void stopAll();
    static bool stopping();

    // For tests: runs just before a converted file's output is written, in the converting
    // thread, so a test can act while a file is in flight. nullptr removes it.
    static void setBeforeWrite(std::function<void()> hook);

    // The worker program: installed beside the programs' libexec folder, or the build's own
    // when this program runs from the build.
    static QString program();

private:
    ImageProperties properties(
        const QString &path, const QSize &thumbnailBox, bool colours, const QAtomicInt *cancel);
    // A worker that has loaded these Qt plug-ins (and those it loaded before), which it cannot
    // do once shut in: started, or started again with them, when the one running has not.
    bool ensureRunning(const QList<QByteArray> &plugins, QString *error);
    // Waits for the worker's next message; false when it ended first, or (with *cancel set
    // meanwhile) at once with *cancelled set.
    bool receive(WorkerProtocol::Message *type, QByteArray *payload, quint64 maxPayload,
        const QAtomicInt *cancel, bool *cancelled);
    // Hands the open file to the worker with the request and takes its answer: what it asks of
    // the memory budget (held in memory) on the way, its outcome, and the pictures when it
    // converted. Empty, or why the worker ended or was ended, in words for the user.
    Reason exchange(const WorkerProtocol::Request &request, int fd, ResourceLimits::Share &memory,
        WorkerProtocol::Outcome *outcome, QVector<QByteArray> *pictures);
    // Lets the worker use this many seconds of processor time on its present file, counted
    // from now, unless it may use as many already.
    void allowCpu(int seconds);
    // Ends the worker; the next file starts another.
    void end();
    // Ends the worker and says why it had ended, or what ended it, in words for the user.
    Reason endedReason();

    ConversionSettings settings;
    pid_t pid = -1;
    int socket = -1;
    QList<QByteArray> plugins; // what the running worker loaded
    int cpuAllowed = 0; // seconds, for the present file
};

#endif // WORKERPROCESS_H
