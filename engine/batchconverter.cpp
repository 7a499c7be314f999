#include "batchconverter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <Magick++.h>

#include <atomic>
#include <future>
#include <mutex>
#include <thread>

#include "imageconverter.h"
#include "outputnaming.h"
#include "resourcelimits.h"

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
    Magick::InitializeMagick(nullptr);
    ResourceLimits::apply();
}

QStringList BatchConverter::plan(const QStringList &inputs) const
{
    QSet<QString> planned;
    const auto taken = [&planned](const QString &path) {
        return planned.contains(key(path)) || QFileInfo::exists(path);
    };
    QStringList outputs;
    for (const QString &input : inputs) {
        QString out = OutputNaming::plainPath(input, settings.path, settings.format);
        // With overwrite, a later file replaces an earlier one's output, as it would one
        // after the other; without it, every output gets a name of its own.
        if (!settings.overwrite && taken(out))
            out = OutputNaming::freeName(out, taken);
        planned.insert(key(out));
        outputs.append(out);
    }
    return outputs;
}

QVector<ImagePipeline::FileResult> BatchConverter::run(
    const QStringList &inputs, const Finished &finished)
{
    const int count = inputs.size();
    const QStringList outputs = plan(inputs);

    // The earlier job, if any, that must be complete before a job starts: the last one to
    // write this job's output, or the last one to write where this job reads.
    QVector<int> after(count, -1);
    QHash<QString, int> lastWriter;
    for (int i = 0; i < count; ++i) {
        const int writesHere = lastWriter.value(key(outputs[i]), -1);
        const int writesInput = lastWriter.value(key(inputs[i]), -1);
        after[i] = qMax(writesHere, writesInput);
        lastWriter.insert(key(outputs[i]), i);
    }

    std::vector<std::promise<void>> completed(static_cast<size_t>(count));
    std::vector<std::shared_future<void>> done;
    for (auto &promise : completed)
        done.push_back(promise.get_future().share());

    QVector<ImagePipeline::FileResult> results(count);
    for (auto &result : results)
        result.status = ImagePipeline::FileResult::Missing;
    std::atomic<int> next(0);
    std::atomic<bool> failed(false);
    std::mutex reporting;

    const auto work = [&] {
        for (;;) {
            if (options.stopOnError && failed.load())
                return;
            const int i = next.fetch_add(1);
            if (i >= count)
                return;
            // Jobs are taken in list order, so the one waited for has already been taken.
            if (after[i] >= 0)
                done[size_t(after[i])].wait();
            const QString output = outputs[i];
            const bool overwrite = settings.overwrite;
            ImagePipeline::FileResult result = ImagePipeline::convertFile(
                inputs[i], settings, [&output, overwrite](const QString &) {
                    if (overwrite && QFileInfo::exists(output))
                        ImageConverter::backupFile(output);
                    return output;
                });
            if (result.status == ImagePipeline::FileResult::Missing)
                result.error
                    = QStringLiteral("%1: no such file").arg(QDir::toNativeSeparators(inputs[i]));
            if (result.status != ImagePipeline::FileResult::Converted)
                failed.store(true);
            {
                std::lock_guard<std::mutex> lock(reporting);
                results[i] = result;
                if (finished)
                    finished(i, result);
            }
            completed[size_t(i)].set_value();
        }
    };

    const int jobs = qBound(1, options.jobs, qMax(count, 1));
    // Several files at once already keep the cores busy; the library's own threads on top
    // would only fight over them.
    if (jobs > 1)
        MagickLib::SetMagickResourceLimit(MagickLib::ThreadsResource, 1);
    std::vector<std::thread> threads;
    for (int t = 1; t < jobs; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();
    return results;
}
