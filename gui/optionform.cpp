#include "optionform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "options.h"
#include "ui_optionpage.h"

namespace {

void setWidgetValue(QWidget *widget, const QVariant &value)
{
    if (auto button = qobject_cast<QAbstractButton *>(widget)) {
        button->setChecked(value.toBool());
    } else if (auto spinBox = qobject_cast<QSpinBox *>(widget)) {
        spinBox->setValue(value.toInt());
    } else if (auto comboBox = qobject_cast<QComboBox *>(widget)) {
        comboBox->setCurrentIndex(value.toInt());
    } else if (auto lineEdit = qobject_cast<QLineEdit *>(widget)) {
        lineEdit->setText(value.toString());
    } else if (auto label = qobject_cast<QLabel *>(widget)) {
        OptionForm::showColour(label, QColor(value.toString()));
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
    if (auto lineEdit = qobject_cast<const QLineEdit *>(widget))
        return lineEdit->text();
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return QVariant();
}

QString labelOf(const Options::Option &option)
{
    const char *text = option.label ? option.label : option.cli.help;
    return text ? QCoreApplication::translate("OptionForm", text) : QLatin1String(option.key);
}

// The widest range a made spin box gets a slider for.
constexpr int sliderRange = 100;

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

void OptionForm::showColour(QLabel *swatch, const QColor &colour, const QWidget *window)
{
    // A style sheet rather than the palette: a theme's palette and style may paint a label's
    // background their own way. Its text in black or white, whichever reads on the colour;
    // its border in the theme's text colour, which stands out from the theme's background.
    const QColor text = colour.lightnessF() > 0.55 ? Qt::black : Qt::white;
    const QWidget *around = window ? window : swatch->window();
    swatch->setStyleSheet(
        QStringLiteral("QLabel { background-color: %1; color: %2; border: 1px solid %3; }")
            .arg(colour.name(), text.name(), around->palette().color(QPalette::WindowText).name()));
    // The style sheet's polish takes the fill away; the form asks for it, as the colour's.
    swatch->ensurePolished();
    swatch->setAutoFillBackground(true);
    swatch->setText(colour.name());
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

QWidget *OptionForm::pageFor(const QString &group, QListWidget *pageList, QStackedWidget *pages)
{
    if (QWidget *page = madePages.value(group))
        return page;
    // Shaped as the form's own pages: tabs of boxes, the Default button at the foot.
    auto page = new QWidget(pages);
    Ui::OptionPage shape;
    shape.setupUi(page);
    page->setObjectName(QStringLiteral("page_") + group.toLower());
    shape.tabWidget->setObjectName(QStringLiteral("tabWidget") + group);
    shape.pushButtonDefault->setObjectName(QStringLiteral("pushButton%1Default").arg(group));
    pages->addWidget(page);
    auto item = new QListWidgetItem(tr("%1 Options").arg(group), pageList);
    if (pageList->count() > 1)
        item->setIcon(pageList->item(0)->icon());
    madePages.insert(group, page);
    return page;
}

QBoxLayout *OptionForm::boxFor(const Options::Option &option, QWidget *page, bool row)
{
    auto tabs = page->findChild<QTabWidget *>();
    const QString title = option.tab ? tr(option.tab) : tr("General");
    QWidget *tab = nullptr;
    for (int i = 0; i < tabs->count() && !tab; ++i) {
        if (tabs->tabText(i) == title)
            tab = tabs->widget(i);
    }
    if (!tab) {
        tab = new QWidget(tabs);
        auto column = new QVBoxLayout(tab);
        column->addStretch();
        tabs->addTab(tab, title);
    }
    auto box = new QGroupBox(labelOf(option), tab);
    box->setObjectName(QStringLiteral("groupBox%1_%2").arg(option.group, option.key));
    QBoxLayout *inside
        = row ? static_cast<QBoxLayout *>(new QHBoxLayout(box)) : new QVBoxLayout(box);
    // Before the stretch that keeps the boxes at the top.
    auto column = static_cast<QVBoxLayout *>(tab->layout());
    column->insertWidget(column->count() - 1, box);
    return inside;
}

QWidget *OptionForm::makeWidget(
    const Options::Option &option, QListWidget *pageList, QStackedWidget *pages)
{
    const QString group = QLatin1String(option.group);
    QWidget *page = pageFor(group, pageList, pages);
    const QString name = group + QLatin1Char('_') + QLatin1String(option.key);
    // A small range gets a slider beside its spin box, as the form's quality and level do.
    const bool slider
        = option.type == Options::Type::Number && option.maximum - option.minimum <= sliderRange;
    QBoxLayout *box = boxFor(option, page, slider);
    QWidget *widget = nullptr;
    switch (option.type) {
    case Options::Type::Flag:
        widget = new QCheckBox(
            option.text ? QCoreApplication::translate("OptionForm", option.text) : labelOf(option));
        break;
    case Options::Type::Number: {
        auto spinBox = new QSpinBox;
        spinBox->setRange(option.minimum, option.maximum);
        spinBox->setValue(option.defaultValue.toInt());
        if (slider) {
            auto pair = new QSlider(Qt::Horizontal);
            pair->setObjectName(QStringLiteral("horizontalSlider") + name);
            pair->setRange(option.minimum, option.maximum);
            pair->setValue(spinBox->value());
            connect(pair, &QSlider::valueChanged, spinBox, &QSpinBox::setValue);
            connect(spinBox, QOverload<int>::of(&QSpinBox::valueChanged), pair, &QSlider::setValue);
            box->addWidget(pair);
        }
        widget = spinBox;
        break;
    }
    case Options::Type::Choice: {
        auto comboBox = new QComboBox;
        for (int i = 0; i < option.choices.size(); ++i)
            comboBox->addItem(i < option.choiceTexts.size()
                    ? QCoreApplication::translate("OptionForm", qPrintable(option.choiceTexts[i]))
                    : option.choices[i]);
        widget = comboBox;
        break;
    }
    case Options::Type::Text:
        widget = new QLineEdit;
        break;
    case Options::Type::Colour:
    case Options::Type::Folder:
        // Neither has a widget of its own kind yet; such a row must name one of the form's.
        return nullptr;
    }
    widget->setObjectName(name);
    box->addWidget(widget);
    return widget;
}
