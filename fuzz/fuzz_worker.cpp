// Whatever the bytes, a conversion through a sandboxed worker ends in a converted or a failed
// file with its reason, never in a crash of the program: the decoders run in the worker, and
// what they do to it stays there. Coverage comes from the program's side only, so this target
// checks the containment; fuzz_decode searches the decoders themselves.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

#include "resourcelimits.h"
#include "settingsfile.h"
#include "workerprocess.h"

namespace {

QTemporaryDir *folder = nullptr;
WorkerProcess *worker = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // The budget the workers' address space follows; the fuzzer's own limit is for this side.
    ResourceLimits::setMemoryBudget(quint64(512) << 20);
    folder = new QTemporaryDir;
    ConversionSettings settings = SettingsFile::defaults();
    settings.format = QStringLiteral("png");
    worker = new WorkerProcess(settings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = folder->filePath(QStringLiteral("input"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    file.close();
    const OutputNaming::Target target(folder->filePath(QStringLiteral("output.png")));
    const ImagePipeline::FileResult result = worker->convert(input, target, 1, 1);
    switch (result.status) {
    case ImagePipeline::FileResult::Converted:
        break;
    case ImagePipeline::FileResult::Failed:
        // A reason for the user, naming the file.
        if (!result.error().startsWith(QDir::toNativeSeparators(input) + QStringLiteral(": "))
            || result.error().size() <= input.size() + 2)
            __builtin_trap();
        break;
    default:
        __builtin_trap(); // the file is there and readable; the run was never stopped
    }
    return 0;
}
