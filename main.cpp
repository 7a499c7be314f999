#include <QApplication>
#include <QLabel>

// Until the main window lands, the application shows a placeholder so the run command works.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Tarvo Image Converter"));
    window.setWindowTitle(QStringLiteral("Tarvo Image Converter"));
    window.resize(639, 618);
    window.show();
    return app.exec();
}
