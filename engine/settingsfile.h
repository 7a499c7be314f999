#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include <QString>

#include "conversionsettings.h"

class QSettings;

// The options of a run as the window would hand them over, for front ends without widgets.
namespace SettingsFile {

// What a fresh window converts with: every option at its default, outputs beside the inputs.
ConversionSettings defaults();

// Reads "tarvo.ini" as the window writes it and gives the record the window would fill after
// loading it: missing keys take the window's defaults, numbers are clamped to the ranges of
// their spin boxes, combo indices outside their lists become -1, an output folder that does
// not exist becomes the working directory.
ConversionSettings read(const QString &path);

// Stores every option of the record under its key, in the value forms the window writes.
void write(QSettings &settings, const ConversionSettings &s);

// False for a settings file far larger than any the window writes: such a file is damaged,
// and parsing it whole could exhaust memory.
bool isReadable(const QString &path);

} // namespace SettingsFile

#endif // SETTINGSFILE_H
