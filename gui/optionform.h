#ifndef OPTIONFORM_H
#define OPTIONFORM_H

#include <QHash>
#include <QObject>
#include <QSet>

#include "conversionsettings.h"
#include "option.h"

class QBoxLayout;
class QColor;
class QLabel;
class QListWidget;
class QStackedWidget;
class QWidget;

// Binds every row of the option table to the window's widget for it: the form's own, found by
// the object name the row gives, or, for a row that names none (a format's options without a
// page in the form), one made on a page of its group added after the form's pages. The output
// folder is left to the window, whose line edit keeps its text while outputs go beside the
// inputs.
class OptionForm : public QObject
{
    Q_OBJECT

public:
    OptionForm(QWidget *window, QListWidget *pageList, QStackedWidget *pages);

    // nullptr for the output folder. A format's rows may be given as the format holds them.
    QWidget *widget(const Options::Option &option) const;

    // Values go through each widget's own setter, so the couplings react as for a user's change
    // and out-of-range numbers are clamped by the widget.
    void show(const ConversionSettings &settings);
    void read(ConversionSettings &settings) const;
    // Back to the rows' defaults, for a page's Default button.
    void reset(const QString &group);

    // The background colour's swatch: the colour, its name on it, a border that stands out.
    // window: whose theme the border follows (the swatch's window when nullptr).
    static void showColour(QLabel *swatch, const QColor &colour, const QWidget *window = nullptr);

private:
    QWidget *makeWidget(
        const Options::Option &option, QListWidget *pageList, QStackedWidget *pages);
    // The page made for a group, made on first use.
    QWidget *pageFor(const QString &group, QListWidget *pageList, QStackedWidget *pages);
    // A box for the row on its tab of the page, its widgets side by side when row is true.
    QBoxLayout *boxFor(const Options::Option &option, QWidget *page, bool row);

    QHash<QString, QWidget *> widgets; // by the rows' settings keys
    QHash<QString, QWidget *> madePages; // by group
    QSet<QObject *> defaultButtons;
};

#endif // OPTIONFORM_H
