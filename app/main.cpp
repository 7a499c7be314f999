#include <QApplication>

#include <cstdio>
#include <cstring>

#include "graphicconverter.h"
#include "largepages.h"
#include "tarvo_version.h"
#include "translations.h"

namespace {

const char usage[] = "Usage: tarvo [OPTION]... [FILE|FOLDER]...\n"
                     "Opens the window of Tarvo Image Converter, with the files and folders "
                     "given in its list.\n"
                     "\n"
                     "  -h, --help     Show this help and exit.\n"
                     "  -v, --version  Show the version and exit.\n"
                     "  --             Take every later argument as a file or folder.\n"
                     "\n"
                     "Qt's own options (-platform, -style, ...) are taken too. To convert "
                     "without a window, see tarvo-convert --help.\n";

// What to do before any window or display is touched: 'h' for help, 'v' for the version, 0 to
// open the window. Only arguments before "--" are options.
char earlyRequest(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            break;
        if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0
            || std::strcmp(argument, "--help-all") == 0)
            return 'h';
        if (std::strcmp(argument, "-v") == 0 || std::strcmp(argument, "--version") == 0)
            return 'v';
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    switch (earlyRequest(argc, argv)) {
    case 'h':
        std::fputs(usage, stdout);
        return 0;
    case 'v':
        std::printf("tarvo %s\n", TARVO_VERSION);
        return 0;
    default:
        break;
    }
    LargePages::preferForChildren();
    // A desktop at 150% or 200% gets the window at that scale, with the icons' double-size
    // versions.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // 150% stays 150%: rounded up to 200%, the window would not fit a small screen.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    Translations::install();
    // Lets the desktop match the window to its entry (<id>.desktop), its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));
    GraphicConverter window;
    window.show();
    // Files and folders handed over by a file manager ("Open with") or typed after the name;
    // a "--" before them only says that none is an option.
    QStringList paths = QCoreApplication::arguments().mid(1);
    const int end = paths.indexOf(QStringLiteral("--"));
    if (end >= 0)
        paths.removeAt(end);
    window.addPaths(paths);
    return app.exec();
}
