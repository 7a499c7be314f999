#include <QApplication>

#include "graphicconverter.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to tarvo.desktop, its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvo"));
    GraphicConverter window;
    window.show();
    return app.exec();
}
