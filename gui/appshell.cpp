#include "appshell.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QPixmap>
#include <QWidget>

void setCustomCursor(QWidget *widget)
{
    const QPixmap pixmap(QStringLiteral(":/images/cursor"));
    widget->setCursor(QCursor(pixmap, 0, 0));
}

void loadStyleSheet()
{
    // A resource cannot fail to open; should it ever, an empty sheet is as good as any.
    QFile file(QStringLiteral(":/styles/plain"));
    file.open(QIODevice::ReadOnly);
    qApp->setStyleSheet(QString::fromLatin1(file.readAll()));
}
