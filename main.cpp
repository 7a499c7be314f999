#include <QApplication>

#include "graphicconverter.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    GraphicConverter window;
    window.show();
    return app.exec();
}
