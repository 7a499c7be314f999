#ifndef OUTPUTNAMING_H
#define OUTPUTNAMING_H

#include <QString>

#include <functional>

#include "outputfile.h"

// Where each output goes and what a replaced file is kept as: the one home of these names
// for the window's worker, the batch planned ahead and the write itself. Stateless.
namespace OutputNaming {

// Whether a name is claimed: by a folder entry, or by a file a batch has planned already.
using Taken = std::function<bool(const QString &)>;

// The suffix an output in format gets, with its dot.
QString suffixForFormat(const QString &format);

// Where the output of input goes. dirPath empty (or no existing folder) means beside the
// input. With overwrite, the plain name, whose file the write keeps as a numbered backup
// before replacing it; without it, a free numbered name so nothing is replaced.
QString outputFilePath(const QString &input, const QString &dirPath, const QString &format,
    bool overwrite, const Taken &taken = OutputFile::isTaken);
// The same name, with how the write treats what it finds there.
OutputFile::Target outputTarget(const QString &input, const QString &dirPath, const QString &format,
    bool overwrite, const Taken &taken = OutputFile::isTaken);

// directory, the input's name up to its first dot, and the format's suffix.
QString pathIn(const QString &directory, const QString &input, const QString &format);

// The output folder (the chosen one when it exists, else the input's own), the input's name
// up to its first dot, and the format's suffix.
QString plainPath(const QString &input, const QString &dirPath, const QString &format);

// The first "name_N.suffix" beside out that `taken` does not claim, N counted from 1 and
// always built from out itself.
QString freeName(const QString &out, const Taken &taken);

// The first "name_backup_N.suffix" beside file that `taken` does not claim, N counted from 1.
QString backupName(const QString &file, const Taken &taken);

} // namespace OutputNaming

#endif // OUTPUTNAMING_H
