#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batchconverter.h"
#include "cliarguments.h"
#include "largepages.h"
#include "resourcelimits.h"
#include "tarvo_version.h"
#include "workerprocess.h"

namespace {

// Ctrl-C, a kill or a closed terminal end the run, not the process: the files in flight are
// given up, their workers ended, nothing half-written stays behind, and the summary says how
// far the run got. The handler only writes the signal's number where a thread of ours waits.
int signalPipe[2] = { -1, -1 };
std::atomic<int> caughtSignal(0);

void onSignal(int signal)
{
    int none = 0;
    caughtSignal.compare_exchange_strong(none, signal);
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Stops the run once a signal comes; ends with the run (stop()).
class SignalWatch
{
public:
    explicit SignalWatch(QAtomicInt *stopFlag)
    {
        if (::pipe2(signalPipe, O_CLOEXEC) != 0)
            return;
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : { SIGINT, SIGTERM, SIGHUP })
            ::sigaction(signal, &action, nullptr);
        watcher = std::thread([stopFlag] {
            char byte = 0;
            while (::read(signalPipe[0], &byte, 1) < 0 && errno == EINTR) { }
            if (byte == 0)
                return; // the run ended by itself
            stopFlag->storeRelaxed(1);
            WorkerProcess::stopAll();
        });
    }

    ~SignalWatch()
    {
        if (!watcher.joinable())
            return;
        const char done = 0;
        [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &done, 1);
        watcher.join();
    }

private:
    std::thread watcher;
};

QString signalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(signal);
    }
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
}

// "<input>: <reason>", or "<input>: <output>: <reason>" for an output that could not be written.
QString failureLine(const ImagePipeline::FileResult &result)
{
    return result.about == result.input
        ? result.error()
        : QStringLiteral("%1: %2").arg(result.input, result.error());
}

// Converts the files, telling each failure and warning as it comes and, on a terminal, how
// far the run has got; returns the exit status.
int convertAll(const CliArguments &arguments, const QStringList &files, const QStringList &roots,
    const QStringList &unnamable)
{
    if (arguments.memoryLimit > 0)
        ResourceLimits::setMemoryBudget(arguments.memoryLimit);
    const bool terminal = isatty(fileno(stderr));
    int converted = 0;
    int skipped = 0;
    int failed = 0;
    int backups = 0;
    int renamed = 0;
    for (const QString &name : unnamable) {
        print(QStringLiteral("%1: cannot be opened: the name is not valid UTF-8\n").arg(name));
        ++failed;
    }
    QAtomicInt stopFlag(0);
    BatchConverter::Options options;
    options.jobs = arguments.jobs;
    options.stopOnError = arguments.settings.stopOnFailure;
    options.stopFlag = &stopFlag;
    BatchConverter batch(arguments.settings, options);
    SignalWatch watch(&stopFlag);
    batch.run(
        files,
        [&](int index, const ImagePipeline::FileResult &result) {
            if (terminal)
                print(QStringLiteral("\r\033[K"));
            for (const QString &warning : result.warningLines())
                print(QStringLiteral("Warning: %1\n").arg(warning));
            backups += result.backups.size();
            renamed += result.renamed.size();
            if (result.status == ImagePipeline::FileResult::Converted) {
                ++converted;
            } else if (result.status == ImagePipeline::FileResult::Skipped) {
                ++skipped;
            } else {
                ++failed;
                print(failureLine(result) + QLatin1Char('\n'));
            }
            if (terminal)
                print(QStringLiteral("[%1/%2] %3")
                          .arg(converted + skipped + failed)
                          .arg(files.size())
                          .arg(QDir::toNativeSeparators(files[index])));
        },
        roots);
    if (terminal)
        print(QStringLiteral("\r\033[K"));

    const int signal = caughtSignal.load();
    const int notConverted = files.size() + unnamable.size() - converted - skipped - failed;
    QString summary = QStringLiteral("%1 converted").arg(converted);
    if (skipped > 0)
        summary += QStringLiteral(", %1 skipped").arg(skipped);
    summary += QStringLiteral(", %1 failed").arg(failed);
    if (signal != 0)
        summary = QStringLiteral("Stopped by %1: %2, %3 not converted")
                      .arg(signalName(signal), summary)
                      .arg(notConverted);
    else if (notConverted > 0)
        summary += QStringLiteral(", %1 not started").arg(notConverted);
    // What the names say only to someone who looks for it.
    if (backups > 0)
        print(QStringLiteral("Replaced files kept as backups (*_backup_N): %1\n").arg(backups));
    if (renamed > 0)
        print(QStringLiteral("Outputs under a free name (*_N), the plain one being taken: %1\n")
                  .arg(renamed));
    print(summary + QLatin1Char('\n'));
    if (signal != 0)
        return 128 + signal;
    return failed > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    LargePages::preferForHeap(argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvo-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));

    const CliArguments arguments = parseCliArguments(QCoreApplication::arguments());
    if (arguments.helpRequested) {
        std::fputs(qPrintable(arguments.helpText), stdout);
        return 0;
    }
    if (arguments.versionRequested) {
        std::printf("tarvo-convert %s\n", TARVO_VERSION);
        return 0;
    }
    if (!arguments.error.isEmpty()) {
        print(QStringLiteral("tarvo-convert: %1\n").arg(arguments.error));
        return 2;
    }
    QString error;
    QStringList unnamable;
    QStringList roots;
    const QStringList files
        = expandInputs(arguments.inputs, arguments.recursive, &error, &unnamable, &roots);
    if (!error.isEmpty()) {
        print(QStringLiteral("tarvo-convert: %1\n").arg(error));
        return 2;
    }
    if (!arguments.folderToMake.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(arguments.folderToMake);
        if (::mkdir(QFile::encodeName(arguments.folderToMake).constData(), 0777) != 0
            && errno != EEXIST) {
            print(QStringLiteral("tarvo-convert: --output: cannot make the folder %1: %2\n")
                      .arg(shown, QString::fromLocal8Bit(std::strerror(errno))));
            return 2;
        }
        print(QStringLiteral("Made the folder %1\n").arg(shown));
    }

    return convertAll(arguments, files, roots, unnamable);
}
