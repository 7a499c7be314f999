#ifndef IMAGEFOLDERS_H
#define IMAGEFOLDERS_H

#include <QSet>
#include <QString>
#include <QStringList>

// The image files a folder holds, as the window's Import Folder, its drops and the command
// line take them. Reads the file system only; safe on any thread.
namespace ImageFolders {

// Appends to *files the images of folder (InputFormats::patterns, by name ignoring case), with
// recursive its sub-folders' too, each folder's files before its sub-folders. *seen holds the
// real path of every file and folder met so far: links make a tree a graph, and a link back
// up it would otherwise be followed until the kernel refuses. Entries whose names are not
// valid UTF-8 go to *unnamable as names to show.
void collect(const QString &folder, bool recursive, QStringList *files, QSet<QString> *seen,
    QStringList *unnamable);

// Adds the real path of path to *seen; false when it was there already.
bool firstVisit(const QString &path, QSet<QString> *seen);

} // namespace ImageFolders

#endif // IMAGEFOLDERS_H
