// The window's engine on given files, one or several at once, with the window's default
// options, for scripts/bench.py to time against itself. Takes the arguments the command-line
// converter takes for the same run, so the script drives both alike:
//
//   tarvo-bench-window [--jobs N] [--format FORMAT] --output DIR FILE...
//
// Runs ImageConvertEngine in an event loop as the window does, and exits when it reports
// done(): status 0 when every file converted, 1 when any failed, 2 for bad arguments.

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>
#include <memory>

#include "conversionsettings.h"
#include "imageconvertengine.h"
#include "settingsfile.h"
#include "largepages.h"

int main(int argc, char **argv)
{
    LargePages::preferForHeap(argv);
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    auto settings = std::make_unique<ConversionSettings>(SettingsFile::defaults());
    settings->format = QStringLiteral("jpeg");
    settings->jobs = 1;
    QStringList files;
    bool ok = true;
    while (ok && !arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (!argument.startsWith(QLatin1String("--"))) {
            files.append(argument);
            continue;
        }
        if (arguments.isEmpty()) {
            ok = false;
            break;
        }
        const QString value = arguments.takeFirst();
        if (argument == QLatin1String("--jobs"))
            settings->jobs = value.toInt(&ok);
        else if (argument == QLatin1String("--format"))
            settings->format = value;
        else if (argument == QLatin1String("--output"))
            settings->path = value;
        else
            ok = false;
    }
    if (!ok || files.isEmpty() || settings->jobs < 1 || !QDir(settings->path).exists()) {
        std::fputs("usage: tarvo-bench-window [--jobs N] [--format FORMAT] --output DIR FILE...\n",
            stderr);
        return 2;
    }

    ImageConvertEngine engine;
    int failed = 0;
    QObject::connect(&engine, &ImageConvertEngine::error, [&failed] { ++failed; });
    QObject::connect(&engine, &ImageConvertEngine::done, &app, &QCoreApplication::quit);
    engine.start(files, std::move(settings));
    app.exec();
    return failed > 0 ? 1 : 0;
}
