#ifndef OUTPUTFILE_H
#define OUTPUTFILE_H

#include <QByteArray>
#include <QString>

#include <ctime>

#include "outputnaming.h"
#include "reason.h"

// Puts an output file in place so that no file is ever lost: the data is complete and on
// disk before any name points to it, a name held by any folder entry (a dangling link
// included) is never written through, and nothing is replaced that the caller did not ask to
// replace. Stateless; safe on several threads at once.
namespace OutputFile {

// Writes data under target. On success *written is the name it went to (another than
// target.path when that was taken meanwhile); on failure nothing new is left behind, the
// previous file is untouched, and *error holds the reason. With modified, the file says it was
// last changed then, from the moment it has its name. *backupMade, when given, is the name the
// replaced file was kept under, or empty when none was replaced.
bool write(const OutputNaming::Target &target, const QByteArray &data, QString *written,
    Reason *error, const timespec *modified = nullptr, QString *backupMade = nullptr);

// Removes from folder the temporary files that a writer killed before it could finish (kill
// -9, a power cut) left behind: only names of the pattern write() uses, only plain files of
// this user, and only those no live writer holds. Returns how many went.
int removeLeftovers(const QString &folder);

} // namespace OutputFile

#endif // OUTPUTFILE_H
