#include "batchconverter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <future>
#include <mutex>
#include <thread>

#include "outputfile.h"
#include "outputnaming.h"
#include "resourcelimits.h"
#include "workerprocess.h"

namespace {

QString key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

BatchConverter::BatchConverter(const ConversionSettings &settings, const Options &options)
    : settings(settings)
    , options(options)
{
}

QVector<NamePattern::Facts> BatchConverter::nameFacts(
    const QStringList &inputs, QVector<std::optional<ImagePipeline::FileResult>> *settled) const
{
    const int count = inputs.size();
    QVector<NamePattern::Facts> facts(count);
    for (int i = 0; i < count; ++i)
        facts[i].position = i + 1;
    if (!NamePattern::needsPicture(settings.namePattern))
        return facts;
    std::atomic<int> next(0);
    const auto work = [&] {
        WorkerProcess worker(settings);
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
            if (options.stopFlag && options.stopFlag->loadRelaxed() == 1)
                return;
            PictureFacts read;
            ImagePipeline::FileResult refused;
            if (worker.readFacts(inputs[i], &read, &refused)) {
                facts[i].size = read.size; // the worker's settings are the run's: as written
                facts[i].taken = read.taken;
            } else {
                (*settled)[i] = refused;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < qBound(1, options.jobs, qMax(count, 1)); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();
    return facts;
}

QString BatchConverter::doneBefore(
    const QString &input, const QString &root, const NamePattern::Facts &facts) const
{
    if (!settings.skipExisting)
        return QString();
    const OutputNaming::Target plain(
        OutputNaming::plainPath(OutputNaming::Rule::of(settings), input, root, facts));
    if (OutputNaming::isTaken(plain.path))
        return plain.path;
    // Written one file per frame, a file with several left its first frame's.
    const QString first
        = OutputNaming::frameTarget(plain, 1, [](const QString &) { return false; }).path;
    return settings.filePerFrame && OutputNaming::isTaken(first) ? first : QString();
}

QVector<OutputNaming::Target> BatchConverter::planTargets(const QStringList &inputs,
    const QStringList &roots, const QVector<NamePattern::Facts> &facts,
    const QVector<std::optional<ImagePipeline::FileResult>> &settled) const
{
    QSet<QString> planned; // outputs and backups
    const auto taken = [&planned](const QString &path) {
        return planned.contains(key(path)) || OutputNaming::isTaken(path);
    };
    const OutputNaming::Rule rule = OutputNaming::Rule::of(settings);
    QVector<OutputNaming::Target> targets;
    for (int i = 0; i < inputs.size(); ++i) {
        const QString &input = inputs[i];
        // A file left alone claims no name, as a file not in the list would not.
        if (settled[i]) {
            targets.append(OutputNaming::Target());
            continue;
        }
        if (settings.path == OutputNaming::standardStream()) {
            targets.append(OutputNaming::Target(
                OutputNaming::standardStream(), OutputNaming::Target::StandardOutput));
            continue;
        }
        // With overwrite, a later file replaces an earlier one's output after a backup, as
        // it would one after the other; without it, every output gets a name of its own.
        OutputNaming::Target target
            = OutputNaming::target(rule, input, taken, roots.value(i), facts[i]);
        if (settings.overwrite && taken(target.path)) {
            target.backup = OutputNaming::backupName(target.path, taken);
            planned.insert(key(target.backup));
        }
        planned.insert(key(target.path));
        targets.append(target);
    }
    return targets;
}

QVector<int> BatchConverter::startOrder(
    const QStringList &inputs, const QVector<QVector<int>> &waitsFor) const
{
    const int count = inputs.size();
    QVector<int> bySize(count);
    for (int i = 0; i < count; ++i)
        bySize[i] = i;
    // With several jobs the biggest files go first: a big file started last keeps one core
    // busy alone at the end. With stop-on-error, files start in list order as in the window.
    if (options.jobs > 1 && !options.stopOnError) {
        QVector<qint64> sizes(count);
        for (int i = 0; i < count; ++i)
            sizes[i] = QFileInfo(inputs[i]).size();
        std::stable_sort(
            bySize.begin(), bySize.end(), [&sizes](int a, int b) { return sizes[a] > sizes[b]; });
    }
    // A job starts only after the jobs it waits for have started, so that a waiting job never
    // waits for one no thread has taken.
    QVector<int> order;
    QVector<bool> placed(count, false);
    std::function<void(int)> place = [&](int i) {
        if (placed[i])
            return;
        placed[i] = true;
        for (int earlier : waitsFor[i])
            place(earlier);
        order.append(i);
    };
    for (int i : bySize)
        place(i);
    return order;
}

namespace {

// What a writer killed in an earlier run (kill -9, a power cut) left in the output folders.
void removeLeftovers(const QVector<OutputNaming::Target> &targets)
{
    QSet<QString> folders;
    for (const OutputNaming::Target &target : targets) {
        if (!target.path.isEmpty() && target.mode != OutputNaming::Target::StandardOutput)
            folders.insert(QFileInfo(target.path).absolutePath());
    }
    for (const QString &folder : qAsConst(folders))
        OutputFile::removeLeftovers(folder);
}

// The earlier jobs that must be complete before each job starts: every one that writes this
// job's output (or its backup), or writes where this job reads, so the last of them wins as it
// would one after the other.
QVector<QVector<int>> earlierWriters(
    const QStringList &inputs, const QVector<OutputNaming::Target> &targets)
{
    QVector<QVector<int>> waitsFor(inputs.size());
    QHash<QString, QVector<int>> writers;
    for (int i = 0; i < inputs.size(); ++i) {
        if (targets[i].path.isEmpty())
            continue; // left alone: it neither writes nor reads
        waitsFor[i] = writers.value(key(targets[i].path)) + writers.value(key(inputs[i]));
        writers[key(targets[i].path)].append(i);
        if (!targets[i].backup.isEmpty())
            writers[key(targets[i].backup)].append(i);
    }
    return waitsFor;
}

} // namespace

namespace {

ImagePipeline::FileResult skipped(const QString &input, const QString &output)
{
    ImagePipeline::FileResult result;
    result.status = ImagePipeline::FileResult::Skipped;
    result.input = QDir::toNativeSeparators(input);
    result.outputPath = output;
    return result;
}

} // namespace

bool BatchConverter::stops(ImagePipeline::FileResult::Status status) const
{
    switch (status) {
    case ImagePipeline::FileResult::Converted:
    case ImagePipeline::FileResult::Skipped:
        return false;
    case ImagePipeline::FileResult::Missing:
    case ImagePipeline::FileResult::WriteFailed:
        return options.missingOrUnwritableStops;
    case ImagePipeline::FileResult::Stopped:
    case ImagePipeline::FileResult::Unreadable:
    case ImagePipeline::FileResult::Failed:
        break;
    }
    return true;
}

BatchConverter::Plan BatchConverter::plan(const QStringList &inputs, const QStringList &roots)
{
    const int count = inputs.size();
    Plan plan;
    // A file whose outcome is known before it is converted: done before, or unreadable.
    plan.settled.resize(count);
    const QVector<NamePattern::Facts> facts = nameFacts(inputs, &plan.settled);
    members.fill(true, count);
    if (options.shards > 1) {
        const OutputNaming::Rule rule = OutputNaming::Rule::of(settings);
        QStringList plain;
        for (int i = 0; i < count; ++i)
            plain.append(OutputNaming::plainPath(rule, inputs[i], roots.value(i), facts[i]));
        const QVector<int> shards = OutputNaming::shardsOf(plain, options.shards);
        for (int i = 0; i < count; ++i)
            members[i] = shards[i] == options.shard;
    }
    for (int i = 0; i < count; ++i) {
        // Another shard's file is left alone: it claims no name, as one not in the list.
        if (!members[i]) {
            plan.settled[i].reset();
            continue;
        }
        const QString done
            = plan.settled[i] ? QString() : doneBefore(inputs[i], roots.value(i), facts[i]);
        if (!done.isEmpty())
            plan.settled[i] = skipped(inputs[i], done);
    }
    QVector<std::optional<ImagePipeline::FileResult>> unplanned = plan.settled;
    for (int i = 0; i < count; ++i) {
        if (!members[i])
            unplanned[i] = ImagePipeline::FileResult();
    }
    plan.targets = planTargets(inputs, roots, facts, unplanned);
    return plan;
}

QVector<ImagePipeline::FileResult> BatchConverter::run(
    const QStringList &inputs, const Finished &finished, const QStringList &roots)
{
    const int count = inputs.size();
    const Plan planned = plan(inputs, roots);
    const QVector<std::optional<ImagePipeline::FileResult>> &settled = planned.settled;
    const QVector<OutputNaming::Target> &targets = planned.targets;
    removeLeftovers(targets);
    // What a frame's file of one file per frame must not take: every other name the run plans.
    QSet<QString> claimed;
    for (int i = 0; i < count; ++i) {
        claimed.insert(key(inputs[i]));
        if (!targets[i].path.isEmpty())
            claimed.insert(key(targets[i].path));
        if (!targets[i].backup.isEmpty())
            claimed.insert(key(targets[i].backup));
    }
    const auto isClaimed = [&claimed](const QString &path) { return claimed.contains(key(path)); };
    const QVector<QVector<int>> waitsFor = earlierWriters(inputs, targets);
    const QVector<int> order = startOrder(inputs, waitsFor);

    std::vector<std::promise<void>> completed(static_cast<size_t>(count));
    std::vector<std::shared_future<void>> finishedJobs;
    for (auto &promise : completed)
        finishedJobs.push_back(promise.get_future().share());

    QVector<ImagePipeline::FileResult> results(count);
    for (auto &result : results)
        result.status = ImagePipeline::FileResult::Missing;
    std::atomic<int> next(0);
    std::atomic<bool> failed(false);
    std::mutex reporting;
    const int jobs = qBound(1, options.jobs, qMax(count, 1));

    // The library's own threads share what the files at once leave: never more threads than
    // the processors this process may use, which fight over them only to switch.
    const int cores = ResourceLimits::usableCpus();
    const int libraryThreads = qMax(1, cores / jobs);
    const auto work = [&] {
        const ResourceLimits::BusyWorker busy;
        WorkerProcess worker(settings);
        for (;;) {
            if (options.stopOnError && failed.load())
                return;
            if (options.stopFlag && options.stopFlag->loadRelaxed() == 1)
                return;
            const int taken = next.fetch_add(1);
            if (taken >= count)
                return;
            const int i = order[taken];
            if (!members[i]) {
                completed[size_t(i)].set_value();
                continue;
            }
            for (int earlier : waitsFor[i])
                finishedJobs[size_t(earlier)].wait();
            QElapsedTimer clock;
            clock.start();
            ImagePipeline::FileResult result = settled[i]
                ? *settled[i]
                : worker.convert(inputs[i], targets[i],
                    ResourceLimits::threadsPerWorker(ResourceLimits::busyWorkers(), cores),
                    libraryThreads, isClaimed);
            result.milliseconds = clock.elapsed();
            if (stops(result.status))
                failed.store(true);
            // A file the run was ended in the middle of is left as one never started.
            if (result.status != ImagePipeline::FileResult::Stopped) {
                std::lock_guard<std::mutex> lock(reporting);
                results[i] = result;
                if (finished)
                    finished(i, result);
            }
            completed[size_t(i)].set_value();
        }
    };

    std::vector<std::thread> threads;
    for (int t = 1; t < jobs; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();
    return results;
}
