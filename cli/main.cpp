#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <unistd.h>

#include "batchconverter.h"
#include "cliarguments.h"
#include "largepages.h"
#include "resourcelimits.h"
#include "tarvo_version.h"

namespace {

void print(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
}

// "<file>: <reason>", without naming the file twice when the reason already does.
QString failureLine(const QString &input, const QString &error)
{
    const QString name = QDir::toNativeSeparators(input);
    return error.startsWith(name) ? error : name + QStringLiteral(": ") + error;
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
    const QStringList files
        = expandInputs(arguments.inputs, arguments.recursive, &error, &unnamable);
    if (!error.isEmpty()) {
        print(QStringLiteral("tarvo-convert: %1\n").arg(error));
        return 2;
    }

    if (arguments.memoryLimit > 0)
        ResourceLimits::setMemoryBudget(arguments.memoryLimit);
    const bool terminal = isatty(fileno(stderr));
    int converted = 0;
    int failed = 0;
    for (const QString &name : unnamable) {
        print(QStringLiteral("%1: cannot be opened: the name is not valid UTF-8\n").arg(name));
        ++failed;
    }
    BatchConverter batch(arguments.settings, { arguments.jobs, arguments.settings.stopOnFailure });
    batch.run(files, [&](int index, const ImagePipeline::FileResult &result) {
        if (terminal)
            print(QStringLiteral("\r\033[K"));
        for (const QString &warning : result.warnings)
            print(QStringLiteral("Warning: %1\n").arg(warning));
        if (result.status == ImagePipeline::FileResult::Converted) {
            ++converted;
        } else {
            ++failed;
            print(failureLine(files[index], result.error) + QLatin1Char('\n'));
        }
        if (terminal)
            print(QStringLiteral("[%1/%2] %3")
                      .arg(converted + failed)
                      .arg(files.size())
                      .arg(QDir::toNativeSeparators(files[index])));
    });
    if (terminal)
        print(QStringLiteral("\r\033[K"));

    QString summary = QStringLiteral("%1 converted, %2 failed").arg(converted).arg(failed);
    const int notStarted = files.size() - converted - failed;
    if (notStarted > 0)
        summary += QStringLiteral(", %1 not started").arg(notStarted);
    print(summary + QLatin1Char('\n'));
    return failed > 0 ? 1 : 0;
}
