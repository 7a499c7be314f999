#ifndef OPTIONS_H
#define OPTIONS_H

#include <QStringList>
#include <QVariant>
#include <QVector>

#include "conversionsettings.h"

// The one description of every option a run takes: where "tarvo.ini" keeps it, what values it
// may take, what it starts as and which field of ConversionSettings it fills. The settings
// file, the window and the command line all work from this table, so a new option is one row.
namespace Options {

enum class Type {
    Flag, // a check box or radio button, stored as true/false
    Number, // a spin box, clamped to minimum..maximum
    Choice, // a combo box, stored as its index into choices
    Colour, // stored as #rrggbb
    Folder, // stored as a path
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
    // Command line: the option that sets the row (for a flag, to true), the one that sets a
    // flag to false, and the help text without its range, choices and default. A row without
    // names is not offered on the command line.
    const char *cliName;
    const char *cliOffName;
    const char *cliHelp;
    const char *cliOffHelp;
    QVariant (*get)(const ConversionSettings &);
    void (*set)(ConversionSettings &, const QVariant &);

    // "Group/key", as QSettings addresses the value.
    QString settingsKey() const;
    // What the window makes of a stored value: numbers clamped, an index outside the list
    // -1, a colour normalised (black when unreadable). Folders are taken as stored.
    QVariant sanitized(const QVariant &stored) const;
};

// In the order the window applies them: "exact" comes before "base_width", so that the radio
// button stored as checked wins.
const QVector<Option> &all();

// nullptr when there is no such row.
const Option *find(const char *group, const char *key);

} // namespace Options

#endif // OPTIONS_H
