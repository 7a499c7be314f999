#ifndef BATCHCONVERTER_H
#define BATCHCONVERTER_H

#include <QAtomicInt>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

#include "conversionsettings.h"
#include "imagepipeline.h"

// Converts a whole list, one file or several at once, for the window and the command line
// alike. Output and backup names are planned in list order before anything runs, as
// one-after-the-other conversion would choose them, so they never depend on which job
// finishes first; a job that writes where an earlier job writes (or reads from there) waits
// for that job. Each job converts in a sandboxed worker process of its own (WorkerProcess).
class BatchConverter
{
public:
    struct Options
    {
        int jobs = 1;
        bool stopOnError = false; // start no further file after the first failure
        // With stopOnError, whether a missing input or an output that cannot be written
        // counts as a failure; the window goes on past them and stops only for a file that
        // cannot be read or converted.
        bool missingOrUnwritableStops = true;
        // Raised by another thread: no further file starts, the ones in progress finish.
        const QAtomicInt *stopFlag = nullptr;
        // This run's share of the list, of shards shares (OutputNaming::shardsOf): shards
        // writing into one folder give the names and bytes of one run, whatever the order.
        int shard = 0;
        int shards = 1;
    };

    // Called from the job's thread, one call at a time, when a file is done.
    using Finished = std::function<void(int index, const ImagePipeline::FileResult &result)>;

    BatchConverter(const ConversionSettings &settings, const Options &options);

    // Returns one result per input; a file never started (after a failure with stopOnError,
    // or once stopFlag is raised), or stopped in flight (WorkerProcess::stopAll), keeps status
    // Missing and an empty error, and is not handed to finished.
    // roots, beside the inputs: the folder a folder walk found each in, for outputs that keep
    // sub-folders; empty (or missing) for a file given by name.
    QVector<ImagePipeline::FileResult> run(
        const QStringList &inputs, const Finished &finished, const QStringList &roots = {});

    // Of the last run's inputs, those in its shard (every one, with one shard); the others
    // are neither converted nor reported.
    const QVector<bool> &inShard() const
    {
        return members;
    }

    // What a run would do with each input, without converting anything: its output's name, or
    // (status Skipped, or a failure of its facts) what is settled before converting. Inputs of
    // other shards keep an empty target and no outcome.
    struct Plan
    {
        QVector<OutputNaming::Target> targets;
        QVector<std::optional<ImagePipeline::FileResult>> settled;
    };
    Plan plan(const QStringList &inputs, const QStringList &roots = {});

private:
    // What each input's name is made of besides its path: its position, and where the name
    // pattern asks for them, its size and date, read in sandboxed workers as many at once as
    // the run converts. A file whose facts cannot be read gets its failure in *settled.
    QVector<NamePattern::Facts> nameFacts(const QStringList &inputs,
        QVector<std::optional<ImagePipeline::FileResult>> *settled) const;
    // With skipExisting, the name that shows input converted before (its output's plain name,
    // or its first frame's), when it is taken; else empty.
    QString doneBefore(
        const QString &input, const QString &root, const NamePattern::Facts &facts) const;
    // Names for every input but those settled before converting.
    QVector<OutputNaming::Target> planTargets(const QStringList &inputs, const QStringList &roots,
        const QVector<NamePattern::Facts> &facts,
        const QVector<std::optional<ImagePipeline::FileResult>> &settled) const;
    // Whether a file of this status ends the run, with stopOnError.
    bool stops(ImagePipeline::FileResult::Status status) const;
    QVector<int> startOrder(const QStringList &inputs, const QVector<QVector<int>> &waitsFor) const;

    ConversionSettings settings;
    Options options;
    QVector<bool> members;
};

#endif // BATCHCONVERTER_H
