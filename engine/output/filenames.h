#ifndef FILENAMES_H
#define FILENAMES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names that no QString can spell. Qt 5 decodes file names as UTF-8 here (under "C" as
// well), and bytes that are not valid UTF-8 come back as U+FFFD, which names another file, so
// such a file can neither be opened nor even listed by Qt: QDir leaves it out without a word.
// These functions find such names with the system's own calls, so they can be reported.
namespace FileNames {

// The name as text, each byte that is not part of valid UTF-8 written as \xNN.
QString displayName(const QByteArray &name);

// Entries of folder whose names cannot pass through a QString and that match one of the name
// patterns (any case), folders among them when withFolders; as display paths, by name.
QStringList unnamableEntries(const QString &folder, const QStringList &patterns, bool withFolders);

// For a path that names nothing: the display path of the entry in its folder that the path
// stands for (one whose name decodes to the same text but cannot pass through a QString), or
// an empty string when there is none.
QString unnamableEntry(const QString &path);

} // namespace FileNames

#endif // FILENAMES_H
