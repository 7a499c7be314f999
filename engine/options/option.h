#ifndef OPTION_H
#define OPTION_H

#include <QStringList>
#include <QVariant>
#include <QVector>

#include <type_traits>

#include "conversionsettings.h"

// One option a run takes, described once, in the file of what it belongs to (a format's in the
// format's own file): where "tarvo.ini" keeps it, what values it may take, what it starts as,
// where ConversionSettings holds it, and how the command line and the window offer it. The
// settings file, the window and the command line all work from these rows (Options::all()).
namespace Options {

enum class Type {
    Flag, // a check box or radio button, stored as true/false
    Number, // a spin box, clamped to minimum..maximum
    Choice, // a combo box, stored as its index into choices
    Colour, // stored as #rrggbb
    Folder, // stored as a path
    Text, // a line edit, stored as typed
};

// How the command line offers a row: the option that sets it (for a flag, to true), the one
// that sets a flag to false, and their help without range, choices and default. A row without
// names is not offered on the command line.
struct Cli
{
    const char *name = nullptr;
    const char *help = nullptr;
    const char *offName = nullptr;
    const char *offHelp = nullptr;
};

struct Option
{
    const char *group;
    const char *key;
    Type type;
    QVariant defaultValue;
    int minimum;
    int maximum;
    QStringList choices; // names in the order of the window's list
    // What the image library takes for each choice, where the row's reader needs one; -1 for a
    // choice that leaves the setting to the library.
    QVector<int> libraryValues;
    Cli cli;
    // The window's widget for it, by object name. nullptr: the window makes one on the page of
    // the row's group.
    const char *widget;
    // For a widget the window makes: the title of the box that holds it, and for a flag the
    // check box's own text; without them, the command line's help or the key. The tab of the
    // page it goes on ("General" unless named).
    const char *label = nullptr;
    const char *text = nullptr;
    const char *tab = nullptr;
    // What a list the window makes shows for the choices, when not their names.
    QStringList choiceTexts = {};
    // Its range is this machine's (the cores): the window sets it, and a settings file written
    // on another machine does not decide it for the command line.
    bool machineBound = false;
    // The format's quality, which the window's main quality control shows and sets.
    bool quality = false;
    // For text: why a value cannot be taken, in words that follow the option's name; empty
    // when it can. nullptr: any text is taken.
    QString (*problem)(const QString &value) = nullptr;
    QVariant (*read)(const Option &, const ConversionSettings &) = nullptr;
    void (*write)(const Option &, ConversionSettings &, const QVariant &) = nullptr;

    QVariant get(const ConversionSettings &s) const
    {
        return read(*this, s);
    }
    void set(ConversionSettings &s, const QVariant &value) const
    {
        write(*this, s, value);
    }

    // The same row with a box title (and a check box text) for the widget the window makes, with
    // texts for its choices, or as the format's quality: for a builder's chain.
    Option labelled(const char *title, const char *checkText = nullptr) const
    {
        Option row = *this;
        row.label = title;
        row.text = checkText;
        return row;
    }
    Option showing(const QStringList &texts) const
    {
        Option row = *this;
        row.choiceTexts = texts;
        return row;
    }
    Option asQuality() const
    {
        Option row = *this;
        row.quality = true;
        return row;
    }

    // "Group/key", as QSettings addresses the value.
    QString settingsKey() const;
    // What the window makes of a stored value: numbers clamped, an index outside the list
    // -1, a colour normalised (black when unreadable), text that cannot be taken the default.
    // Folders are taken as stored.
    QVariant sanitized(const QVariant &stored) const;
    // The library's value for a choice's index, -1 when there is none (or no such index).
    int libraryValue(int index) const;
};

template <auto Field> QVariant fieldValue(const Option &, const ConversionSettings &s)
{
    return QVariant(s.*Field);
}

template <auto Field> void setField(const Option &, ConversionSettings &s, const QVariant &value)
{
    using T = std::decay_t<decltype(s.*Field)>;
    s.*Field = value.value<T>();
}

// For an option without a field of its own (one a format brings): kept in
// ConversionSettings::values under its settings key.
QVariant storedValue(const Option &option, const ConversionSettings &s);
void setStored(const Option &option, ConversionSettings &s, const QVariant &value);

// Rows of a field of ConversionSettings, or, with Field nullptr, kept in its values.
template <auto Field = nullptr>
Option flag(const char *group, const char *key, bool fallback, const char *widget, Cli cli = {})
{
    Option row { group, key, Type::Flag, fallback, 0, 1, {}, {}, cli, widget };
    if constexpr (Field != nullptr) {
        row.read = fieldValue<Field>;
        row.write = setField<Field>;
    } else {
        row.read = storedValue;
        row.write = setStored;
    }
    return row;
}

template <auto Field = nullptr>
Option number(const char *group, const char *key, int fallback, int minimum, int maximum,
    const char *widget, Cli cli = {})
{
    Option row = flag<Field>(group, key, false, widget, cli);
    row.type = Type::Number;
    row.defaultValue = fallback;
    row.minimum = minimum;
    row.maximum = maximum;
    return row;
}

template <auto Field = nullptr>
Option choice(const char *group, const char *key, int fallback, const QStringList &names,
    const char *widget, Cli cli = {}, const QVector<int> &libraryValues = {})
{
    Option row = number<Field>(group, key, fallback, 0, int(names.size()) - 1, widget, cli);
    row.type = Type::Choice;
    row.choices = names;
    row.libraryValues = libraryValues;
    return row;
}

} // namespace Options

#endif // OPTION_H
