#include "optionform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "options.h"

namespace {

void setWidgetValue(QWidget *widget, const QVariant &value)
{
    if (auto button = qobject_cast<QAbstractButton *>(widget)) {
        button->setChecked(value.toBool());
    } else if (auto spinBox = qobject_cast<QSpinBox *>(widget)) {
        spinBox->setValue(value.toInt());
    } else if (auto comboBox = qobject_cast<QComboBox *>(widget)) {
        comboBox->setCurrentIndex(value.toInt());
    } else if (auto label = qobject_cast<QLabel *>(widget)) {
        const QColor color(value.toString());
        label->setPalette(QPalette(color));
        label->setText(color.name());
    }
}

QVariant widgetValue(const QWidget *widget)
{
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked();
    if (auto spinBox = qobject_cast<const QSpinBox *>(widget))
        return spinBox->value();
    if (auto comboBox = qobject_cast<const QComboBox *>(widget))
        return comboBox->currentIndex();
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return QVariant();
}

QString labelOf(const Options::Option &option)
{
    const char *text = option.label ? option.label : option.cli.help;
    return text ? QCoreApplication::translate("OptionForm", text) : QLatin1String(option.key);
}

} // namespace

OptionForm::OptionForm(QWidget *window, QListWidget *pageList, QStackedWidget *pages)
    : QObject(window)
{
    for (const Options::Option &option : Options::all()) {
        if (option.type == Options::Type::Folder)
            continue;
        QWidget *widget = option.widget ? window->findChild<QWidget *>(QLatin1String(option.widget))
                                        : makeWidget(option, pageList, pages);
        Q_ASSERT_X(widget, option.key, "an option row names a widget the window lacks");
        widgets.insert(option.settingsKey(), widget);
        // The number of cores is the machine's, so the form cannot hold the range.
        auto spinBox = qobject_cast<QSpinBox *>(widget);
        if (option.machineBound && spinBox) {
            spinBox->setRange(option.minimum, option.maximum);
            spinBox->setValue(option.defaultValue.toInt());
        }
    }
    for (const Options::Option &option : Options::all()) {
        const QString group = QLatin1String(option.group);
        auto defaults = window->findChild<QAbstractButton *>(
            QStringLiteral("pushButton%1Default").arg(group));
        if (defaults && !defaultButtons.contains(defaults)) {
            defaultButtons.insert(defaults);
            connect(defaults, &QAbstractButton::clicked, this, [this, group] { reset(group); });
        }
    }
}

QWidget *OptionForm::widget(const Options::Option &option) const
{
    return widgets.value(option.settingsKey());
}

void OptionForm::show(const ConversionSettings &settings)
{
    // In the table's order, which matters: "exact" is applied before "base_width", so that
    // the radio button stored as checked wins.
    for (const Options::Option &option : Options::all()) {
        if (QWidget *widget = widgets.value(option.settingsKey()))
            setWidgetValue(widget, option.get(settings));
    }
}

void OptionForm::read(ConversionSettings &settings) const
{
    for (const Options::Option &option : Options::all()) {
        if (const QWidget *widget = widgets.value(option.settingsKey()))
            option.set(settings, widgetValue(widget));
    }
}

void OptionForm::reset(const QString &group)
{
    for (const Options::Option &option : Options::all()) {
        QWidget *widget = widgets.value(option.settingsKey());
        if (widget && group == QLatin1String(option.group))
            setWidgetValue(widget, option.defaultValue);
    }
}

QWidget *OptionForm::makeWidget(
    const Options::Option &option, QListWidget *pageList, QStackedWidget *pages)
{
    const QString group = QLatin1String(option.group);
    QWidget *page = madePages.value(group);
    if (!page) {
        // Laid out as the form's pages are: the options, then a Default button at the foot.
        page = new QWidget(pages);
        page->setObjectName(QStringLiteral("page_") + group.toLower());
        auto column = new QVBoxLayout(page);
        column->addLayout(new QFormLayout);
        column->addStretch();
        auto defaults = new QPushButton(tr("Default"), page);
        defaults->setObjectName(QStringLiteral("pushButton%1Default").arg(group));
        column->addWidget(defaults, 0, Qt::AlignRight);
        pages->addWidget(page);
        // Named and marked as the form's own pages are.
        auto item = new QListWidgetItem(tr("%1 Options").arg(group), pageList);
        if (pageList->count() > 1)
            item->setIcon(pageList->item(0)->icon());
        madePages.insert(group, page);
    }
    auto form = static_cast<QFormLayout *>(page->layout()->itemAt(0)->layout());
    QWidget *widget = nullptr;
    switch (option.type) {
    case Options::Type::Flag:
        widget = new QCheckBox(labelOf(option), page);
        widget->setObjectName(group + QLatin1Char('_') + QLatin1String(option.key));
        form->addRow(widget);
        return widget;
    case Options::Type::Number: {
        auto spinBox = new QSpinBox(page);
        spinBox->setRange(option.minimum, option.maximum);
        widget = spinBox;
        break;
    }
    case Options::Type::Choice: {
        auto comboBox = new QComboBox(page);
        comboBox->addItems(option.choices);
        widget = comboBox;
        break;
    }
    case Options::Type::Colour:
    case Options::Type::Folder:
        // Neither has a widget of its own kind yet; such a row must name one of the form's.
        return nullptr;
    }
    widget->setObjectName(group + QLatin1Char('_') + QLatin1String(option.key));
    form->addRow(labelOf(option), widget);
    return widget;
}
