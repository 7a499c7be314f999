#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batchconverter.h"
#include "cliarguments.h"
#include "largepages.h"
#include "outputnaming.h"
#include "resourcelimits.h"
#include "tarvo_version.h"
#include "translations.h"
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

// "<input>: <reason>", or "<input>: <output>: <reason>" for an output that could not be written;
// the reason in the user's language.
QString failureLine(const ImagePipeline::FileResult &result)
{
    const QString said = QStringLiteral("%1: %2").arg(result.about, result.reason.translated());
    return result.about == result.input ? said : QStringLiteral("%1: %2").arg(result.input, said);
}

QString shown(const QString &path)
{
    return path == OutputNaming::standardStream() ? path : QDir::toNativeSeparators(path);
}

// What a run tells of its files: to people on standard error, as much as asked; to programs, a
// JSON object a file on standard output. One call at a time.
// In the user's language (LANG) on standard error; in English on standard output, which
// programs read.
class Report
{
    Q_DECLARE_TR_FUNCTIONS(Report)

public:
    Report(const CliArguments &arguments, int total)
        : arguments(arguments)
        , total(total)
        , terminal(isatty(fileno(stderr)) && arguments.report != CliArguments::Report::Quiet)
    {
    }

    void file(const ImagePipeline::FileResult &result)
    {
        using Status = ImagePipeline::FileResult::Status;
        clearProgress();
        const bool quiet = arguments.report == CliArguments::Report::Quiet;
        if (!quiet) {
            for (const Reason &warning : result.warnings) {
                print(tr("Warning: %1\n")
                          .arg(QStringLiteral("%1: %2").arg(result.input, warning.translated())));
            }
        }
        backups += result.backups.size();
        renamed += result.renamed.size();
        QString status;
        if (result.status == Status::Converted) {
            ++converted;
            status = result.warnings.isEmpty() ? QStringLiteral("converted")
                                               : QStringLiteral("warning");
            if (arguments.report == CliArguments::Report::Verbose)
                print(convertedLine(result));
        } else if (result.status == Status::Skipped) {
            ++skipped;
            status = QStringLiteral("skipped");
            if (arguments.report == CliArguments::Report::Verbose)
                print(tr("%1: skipped, %2 is there\n").arg(result.input, shown(result.outputPath)));
        } else {
            ++failed;
            status = QStringLiteral("failed");
            print(failureLine(result) + QLatin1Char('\n'));
        }
        if (arguments.json)
            json(result, status);
        showProgress(result.input);
    }

    // A file that cannot even be handed to the run.
    void unnamable(const QString &name)
    {
        ImagePipeline::FileResult result;
        result.input = name;
        result.fail(ImagePipeline::FileResult::Unreadable,
            Reason::ours(Reason::Other,
                QT_TRANSLATE_NOOP("Reason", "cannot be opened: the name is not valid UTF-8")));
        file(result);
    }

    // Tells the totals and returns the exit status.
    int finish(int signal)
    {
        clearProgress();
        const int notConverted = total - converted - skipped - failed;
        QString summary = tr("%1 converted").arg(converted);
        if (skipped > 0)
            summary += tr(", %1 skipped").arg(skipped);
        summary += tr(", %1 failed").arg(failed);
        if (signal != 0)
            summary = tr("Stopped by %1: %2, %3 not converted")
                          .arg(signalName(signal), summary)
                          .arg(notConverted);
        else if (notConverted > 0)
            summary += tr(", %1 not started").arg(notConverted);
        if (arguments.report != CliArguments::Report::Quiet) {
            // What the names say only to someone who looks for it.
            if (backups > 0)
                print(tr("Replaced files kept as backups (*_backup_N): %1\n").arg(backups));
            if (renamed > 0)
                print(tr("Outputs under a free name (*_N), the plain one being taken: %1\n")
                          .arg(renamed));
            print(summary + QLatin1Char('\n'));
        }
        if (arguments.json) {
            QJsonObject totals { { "converted", converted }, { "skipped", skipped },
                { "failed", failed }, { "not_converted", notConverted }, { "backups", backups },
                { "renamed", renamed } };
            totals.insert(QStringLiteral("stopped_by"),
                signal != 0 ? QJsonValue(signalName(signal)) : QJsonValue());
            write(QJsonObject { { "summary", totals } });
        }
        if (signal != 0)
            return 128 + signal;
        return failed > 0 ? 1 : 0;
    }

    static void write(const QJsonObject &object)
    {
        std::fputs(QJsonDocument(object).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

private:
    QString convertedLine(const ImagePipeline::FileResult &result) const
    {
        QString line = QStringLiteral("%1 -> %2").arg(result.input, shown(result.outputPath));
        if (result.frameOutputs.size() > 1)
            line += tr(" and %1 more files").arg(result.frameOutputs.size() - 1);
        QStringList notes;
        if (!result.renamed.isEmpty())
            notes.append(tr("a free name: the plain one was taken"));
        for (const QString &backup : result.backups)
            notes.append(tr("the file there kept as %1").arg(shown(backup)));
        if (!notes.isEmpty())
            line += QStringLiteral(" (%1)").arg(notes.join(QStringLiteral("; ")));
        return line + QLatin1Char('\n');
    }

    void json(const ImagePipeline::FileResult &result, const QString &status)
    {
        QJsonArray warnings;
        for (const Reason &warning : result.warnings)
            warnings.append(warning.text);
        QJsonObject object { { "input", result.input }, { "status", status },
            { "warnings", warnings }, { "bytes", result.bytes },
            { "milliseconds", result.milliseconds } };
        object.insert(QStringLiteral("output"),
            result.outputPath.isEmpty() ? QJsonValue() : QJsonValue(shown(result.outputPath)));
        object.insert(QStringLiteral("reason"),
            result.error().isEmpty() ? QJsonValue() : QJsonValue(result.reason.text));
        if (result.frameOutputs.size() > 1)
            object.insert(
                QStringLiteral("outputs"), QJsonArray::fromStringList(result.frameOutputs));
        if (!result.backups.isEmpty())
            object.insert(QStringLiteral("backups"), QJsonArray::fromStringList(result.backups));
        write(object);
    }

    void showProgress(const QString &input)
    {
        if (terminal)
            print(QStringLiteral("[%1/%2] %3")
                      .arg(converted + skipped + failed)
                      .arg(total)
                      .arg(input));
    }

    void clearProgress()
    {
        if (terminal)
            print(QStringLiteral("\r\033[K"));
    }

    const CliArguments &arguments;
    const int total;
    const bool terminal;
    int converted = 0;
    int skipped = 0;
    int failed = 0;
    int backups = 0;
    int renamed = 0;
};

BatchConverter::Options batchOptions(const CliArguments &arguments, QAtomicInt *stopFlag)
{
    BatchConverter::Options options;
    options.jobs = arguments.jobs;
    options.stopOnError = arguments.settings.stopOnFailure;
    options.stopFlag = stopFlag;
    options.shard = arguments.shard;
    options.shards = arguments.shards;
    return options;
}

// Converts the files, telling each outcome as it comes and, on a terminal, how far the run has
// got; returns the exit status.
int convertAll(const CliArguments &arguments, const QStringList &files, const QStringList &roots,
    const QStringList &unnamable)
{
    QAtomicInt stopFlag(0);
    BatchConverter batch(arguments.settings, batchOptions(arguments, &stopFlag));
    std::unique_ptr<Report> report;
    SignalWatch watch(&stopFlag);
    const auto results = batch.run(
        files,
        [&](int, const ImagePipeline::FileResult &result) {
            if (!report)
                report = std::make_unique<Report>(arguments,
                    int(std::count(batch.inShard().begin(), batch.inShard().end(), true))
                        + unnamable.size());
            report->file(result);
        },
        roots);
    if (!report)
        report = std::make_unique<Report>(arguments,
            int(std::count(batch.inShard().begin(), batch.inShard().end(), true))
                + unnamable.size());
    for (const QString &name : unnamable)
        report->unnamable(name);
    return report->finish(caughtSignal.load());
}

// Says where each file would go, or why it would not; writes nothing.
int planAll(const CliArguments &arguments, const QStringList &files, const QStringList &roots,
    const QStringList &unnamable)
{
    BatchConverter batch(arguments.settings, batchOptions(arguments, nullptr));
    const BatchConverter::Plan plan = batch.plan(files, roots);
    int planned = 0;
    int skipped = 0;
    int failed = unnamable.size();
    for (int i = 0; i < files.size(); ++i) {
        if (!batch.inShard()[i])
            continue;
        const QString input = shown(files[i]);
        QString status = QStringLiteral("planned");
        QString output = shown(plan.targets[i].path);
        QString reason;
        if (plan.settled[i]) {
            const ImagePipeline::FileResult &settled = *plan.settled[i];
            const bool skip = settled.status == ImagePipeline::FileResult::Skipped;
            status = skip ? QStringLiteral("skipped") : QStringLiteral("failed");
            output = skip ? shown(settled.outputPath) : QString();
            reason = skip ? QString() : settled.error();
        } else if (files[i] != OutputNaming::standardStream() && !QFileInfo::exists(files[i])) {
            status = QStringLiteral("failed");
            output.clear();
            reason = QStringLiteral("%1: no such file").arg(input);
        }
        (status == QLatin1String("planned")          ? planned
                : status == QLatin1String("skipped") ? skipped
                                                     : failed)++;
        if (arguments.json) {
            QJsonObject object { { "input", input }, { "status", status } };
            object.insert(
                QStringLiteral("output"), output.isEmpty() ? QJsonValue() : QJsonValue(output));
            object.insert(
                QStringLiteral("reason"), reason.isEmpty() ? QJsonValue() : QJsonValue(reason));
            Report::write(object);
        } else if (status == QLatin1String("planned")) {
            std::fprintf(stdout, "%s -> %s\n", qPrintable(input), qPrintable(output));
        } else if (status == QLatin1String("skipped")) {
            std::fprintf(
                stdout, "%s: skipped, %s is there\n", qPrintable(input), qPrintable(output));
        } else {
            print(reason + QLatin1Char('\n'));
        }
    }
    for (const QString &name : unnamable)
        print(QStringLiteral("%1: cannot be opened: the name is not valid UTF-8\n").arg(name));
    if (arguments.report != CliArguments::Report::Quiet)
        print(Report::tr("Dry run: %1 to convert, %2 skipped, %3 failed\n")
                  .arg(planned)
                  .arg(skipped)
                  .arg(failed));
    return failed > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    LargePages::preferForChildren();
    QCoreApplication app(argc, argv);
    Translations::install();
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
    if (arguments.memoryLimit > 0)
        ResourceLimits::setMemoryBudget(arguments.memoryLimit);
    // The first worker starts while the inputs are found and planned.
    if (!arguments.dryRun)
        WorkerProcess::startSpare();
    QStringList inputs = arguments.inputs;
    if (!arguments.filesFrom.isEmpty()) {
        QString error;
        if (!readNames(arguments.filesFrom, arguments.nullSeparated, &inputs, &error)) {
            print(QStringLiteral("tarvo-convert: %1\n").arg(error));
            return 2;
        }
    }
    QStringList unnamable;
    QStringList roots;
    const QStringList files = expandInputs(inputs, arguments.recursive, &unnamable, &roots);
    if (arguments.settings.path == OutputNaming::standardStream()
        && files.size() + unnamable.size() != 1) {
        print(QStringLiteral("tarvo-convert: --output - writes one picture, but %1 inputs were "
                             "given\n")
                  .arg(files.size() + unnamable.size()));
        return 2;
    }
    if (arguments.settings.path == OutputNaming::standardStream() && !arguments.dryRun
        && isatty(fileno(stdout))) {
        print(QStringLiteral("tarvo-convert: --output - would write a picture to the terminal; "
                             "send it to a file or a pipe\n"));
        return 2;
    }
    if (arguments.dryRun)
        return planAll(arguments, files, roots, unnamable);
    if (!arguments.folderToMake.isEmpty()) {
        const QString shownFolder = QDir::toNativeSeparators(arguments.folderToMake);
        if (::mkdir(QFile::encodeName(arguments.folderToMake).constData(), 0777) != 0
            && errno != EEXIST) {
            print(QStringLiteral("tarvo-convert: --output: cannot make the folder %1: %2\n")
                      .arg(shownFolder, QString::fromLocal8Bit(std::strerror(errno))));
            return 2;
        }
        if (arguments.report != CliArguments::Report::Quiet)
            print(Report::tr("Made the folder %1\n").arg(shownFolder));
    }

    return convertAll(arguments, files, roots, unnamable);
}
