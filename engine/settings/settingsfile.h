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

// Reads "tarvo.ini" for the command line, where every value is checked as strictly as the same
// value given as an option: a number outside its range, an index outside its list, a colour
// that is none, a flag that is not true or false, or a file that cannot be read (or is far
// larger than a settings file) leaves *error naming the file's problem, or the key and its
// value. Missing keys take the defaults, the output folder is taken as stored (the caller
// checks it), and what only the window uses (its files converted at once) is not read.
ConversionSettings check(const QString &path, QString *error);

// Stores every option of the record under its key, in the value forms the window writes.
void write(QSettings &settings, const ConversionSettings &s);

// Why settings written to path would not be kept (the file is a folder, locked against
// changes, or in a folder this user cannot write to), in words to follow the path; empty when
// they would be.
QString whyNotWritable(const QString &path);

// False for a settings file far larger than any the window writes: such a file is damaged,
// and parsing it whole could exhaust memory.
bool isReadable(const QString &path);

} // namespace SettingsFile

#endif // SETTINGSFILE_H
