#ifndef PRESETS_H
#define PRESETS_H

#include <QString>
#include <QStringList>

#include "conversionsettings.h"

// Named sets of options, kept for a kind of job: one file each, in the format of tarvo.ini,
// under the user's configuration folder (~/.config/tarvo/presets/NAME.ini). Stateless.
namespace Presets {

QString folder();

// The presets there are, by name, in alphabetical order.
QStringList names();

// Whether name can name a preset: not empty, no folder separator, not hidden.
bool isValidName(const QString &name);

// The file of the preset name, whether or not it exists.
QString pathOf(const QString &name);

// Writes the options as the preset name, replacing one of that name; false with *error (in
// words to follow the file's name) when it cannot be kept.
bool save(const QString &name, const ConversionSettings &settings, QString *error);

bool remove(const QString &name);

} // namespace Presets

#endif // PRESETS_H
