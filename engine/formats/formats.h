#ifndef FORMATS_H
#define FORMATS_H

#include <QString>
#include <QStringList>
#include <QVector>

// The formats the converter writes and the file names it picks up, in one place: the window,
// the command line, the settings file and the naming code all read them from here, so a
// format or a pattern added here reaches every one of them.
namespace Formats {

struct OutputFormat
{
    QString name; // as the image library and the settings file spell it
    QString label; // as the window's format list shows it
    QString suffix; // given to the files written in it
};

// In the order of the window's format list, whose index is what the window stores.
const QVector<OutputFormat> &outputFormats();
QStringList outputFormatNames();
// The suffix for a format name, or an empty string for a name not in the list.
QString suffixFor(const QString &name);

// The names that the Add picker offers, Import Folder takes and the command line searches
// folders for; they are matched in any letter case. Today's eight come first, then the other
// names of the formats this program reads.
QStringList imagePatterns();
// The picker's filter line for those patterns, then the same in capitals:
// "Images (*.psd *.png ... *.PSD *.PNG ...)".
QString imageFilter();

} // namespace Formats

#endif // FORMATS_H
