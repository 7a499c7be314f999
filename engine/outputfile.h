#ifndef OUTPUTFILE_H
#define OUTPUTFILE_H

#include <QByteArray>
#include <QString>

// Puts an output file in place so that no file is ever lost: the data is complete and on
// disk before any name points to it, a name held by any folder entry (a dangling link
// included) is never written through, and nothing is replaced that the caller did not ask to
// replace. Stateless; safe on several threads at once.
namespace OutputFile {

struct Target
{
    enum Mode {
        Replace, // whatever is at path is replaced, with no backup
        ReplaceAfterBackup, // what is at path is kept under a backup name first
        KeepExisting, // an entry at path is never replaced; the next free name is taken
    };

    // A bare path replaces what is there, as a plain save would.
    Target(const QString &path = QString(), Mode mode = Replace)
        : path(path)
        , mode(mode)
    {
    }

    QString path;
    Mode mode;
    // The backup name planned ahead; when it is taken (or empty), the first free one.
    QString backup;
    // The name numbered free names are built from, when it is not path itself.
    QString plain;
};

// True when any folder entry holds the name, whatever it is or points to.
bool isTaken(const QString &path);

// Writes data under target. On success *written is the name it went to (another than
// target.path when that was taken meanwhile); on failure nothing new is left behind, the
// previous file is untouched, and *error holds the reason in words.
bool write(const Target &target, const QByteArray &data, QString *written, QString *error);

} // namespace OutputFile

#endif // OUTPUTFILE_H
