#include "windowtestsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

namespace WindowTestSupport {

namespace {

void poll(const std::function<void(QWidget *)> &answer, int triesLeft)
{
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        answer(dialog);
        return;
    }
    if (triesLeft > 0)
        QTimer::singleShot(10, [answer, triesLeft] { poll(answer, triesLeft - 1); });
}

} // namespace

void whenModalOpens(const std::function<void(QWidget *)> &answer)
{
    QTimer::singleShot(0, [answer] { poll(answer, 1000); });
}

QList<QString> optionValues(const QWidget *window)
{
    QList<QString> values;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        QString value;
        if (auto b = qobject_cast<const QAbstractButton *>(w); b && b->isCheckable())
            value = b->isChecked() ? "checked" : "unchecked";
        else if (auto c = qobject_cast<const QComboBox *>(w))
            value = QString::number(c->currentIndex());
        else if (auto s = qobject_cast<const QSpinBox *>(w))
            value = QString::number(s->value());
        else if (auto s = qobject_cast<const QSlider *>(w))
            value = QString::number(s->value());
        else if (auto e = qobject_cast<const QLineEdit *>(w); e && !name.startsWith("qt_"))
            value = e->text();
        else if (name == "labelBackgroundColor")
            value = static_cast<const QLabel *>(w)->text();
        else
            continue;
        values.append(name + '=' + value);
    }
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace WindowTestSupport
