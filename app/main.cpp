#include <QApplication>

#include "graphicconverter.h"
#include "largepages.h"

int main(int argc, char *argv[])
{
    LargePages::preferForHeap(argv);
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry (<id>.desktop), its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));
    GraphicConverter window;
    window.show();
    // Files and folders handed over by a file manager ("Open with") or typed after the name.
    window.addPaths(QCoreApplication::arguments().mid(1));
    return app.exec();
}
