#include "accessiblenames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

bool isControl(const QWidget *widget)
{
    // The inner parts of a control (a spin box's line edit) are named with it.
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()
        && !qobject_cast<const QAbstractSpinBox *>(widget->parentWidget());
}

// A label's words: without its mnemonic's "&" and without the markup of rich text.
QString plainWords(const QString &text)
{
    QString plain
        = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
}

bool hasWords(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("\\w")));
}

} // namespace

void AccessibleNames::give(QWidget *window)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    QHash<const QWidget *, QString> labelled;
    for (const QWidget *widget : widgets) {
        if (auto label = qobject_cast<const QLabel *>(widget); label && label->buddy())
            labelled.insert(label->buddy(), plainWords(label->text()));
    }
    QList<QSlider *> sliders;
    for (QWidget *widget : widgets) {
        if (!isControl(widget))
            continue;
        if (auto slider = qobject_cast<QSlider *>(widget)) {
            sliders.append(slider);
        } else if (widget->accessibleName().isEmpty()) {
            QString name = labelled.value(widget);
            auto group = qobject_cast<const QGroupBox *>(widget->parentWidget());
            if (name.isEmpty() && group) {
                // The group's title names its one control without a name of its own (a slider
                // goes with its spin box).
                int unnamed = 0;
                for (const QWidget *other :
                    group->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                    unnamed += isControl(other) && !qobject_cast<const QSlider *>(other)
                        && other->accessibleName().isEmpty() && !labelled.contains(other)
                        && !qobject_cast<const QAbstractButton *>(other);
                }
                if (unnamed == 1)
                    name = plainWords(group->title());
            }
            auto button = qobject_cast<const QAbstractButton *>(widget);
            if (name.isEmpty() && (!button || !hasWords(button->text())))
                name = widget->toolTip().isEmpty() ? widget->statusTip() : widget->toolTip();
            if (!name.isEmpty())
                widget->setAccessibleName(name);
        }
        if (widget->accessibleDescription().isEmpty() && !widget->statusTip().isEmpty())
            widget->setAccessibleDescription(widget->statusTip());
    }
    for (QSlider *slider : qAsConst(sliders)) {
        if (!slider->accessibleName().isEmpty() || !slider->parentWidget())
            continue;
        for (const QSpinBox *partner : slider->parentWidget()->findChildren<QSpinBox *>()) {
            if (partner->minimum() == slider->minimum() && partner->maximum() == slider->maximum()
                && !partner->accessibleName().isEmpty()) {
                slider->setAccessibleName(tr("%1, slider").arg(partner->accessibleName()));
                break;
            }
        }
    }
}
