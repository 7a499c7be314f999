#ifndef OUTPUTNAMING_H
#define OUTPUTNAMING_H

#include <QString>

#include <functional>

// The pieces of output naming that a whole batch planned ahead needs as well as the worker.
namespace OutputNaming {

// directory, the input's name up to its first dot, and the format's suffix.
QString pathIn(const QString &directory, const QString &input, const QString &format);

// The output folder (the chosen one when it exists, else the input's own), the input's name
// up to its first dot, and the format's suffix.
QString plainPath(const QString &input, const QString &dirPath, const QString &format);

// The first "name_N.suffix" beside out that `taken` does not claim, N counted from 1 and
// always built from out itself.
QString freeName(const QString &out, const std::function<bool(const QString &)> &taken);

// The first "name_backup_N.suffix" beside file that `taken` does not claim, N counted from 1.
QString backupName(const QString &file, const std::function<bool(const QString &)> &taken);

} // namespace OutputNaming

#endif // OUTPUTNAMING_H
