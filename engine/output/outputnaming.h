#ifndef OUTPUTNAMING_H
#define OUTPUTNAMING_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "namepattern.h"

struct ConversionSettings;

// Where each output goes and what a replaced file is kept as: the one home of these names
// for the window's worker, the batch planned ahead and the write itself. Stateless.
namespace OutputNaming {

// Whether a name is claimed: by a folder entry, or by a file a batch has planned already.
using Taken = std::function<bool(const QString &)>;

// An output's name, and how the write treats what it finds there.
struct Target
{
    enum Mode {
        Replace, // whatever is at path is replaced, with no backup
        ReplaceAfterBackup, // what is at path is kept under a backup name first
        KeepExisting, // an entry at path is never replaced; the next free name is taken
        StandardOutput, // written to this process's standard output, not to a file
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

// What names standard input as an input, and standard output as the output folder.
inline const QString &standardStream()
{
    static const QString dash = QStringLiteral("-");
    return dash;
}

// True when any folder entry holds the name, whatever it is or points to; the default Taken.
bool isTaken(const QString &path);

// The suffix an output in format gets, with its dot.
QString suffixForFormat(const QString &format);

// How a run names its outputs. A new way of naming is a field here and a step in plainPath().
struct Rule
{
    // Where outputs go; empty, or a folder that does not exist, means beside each input.
    QString folder;
    // What every output's name ends in, with its dot.
    QString suffix;
    // Whether an output replaces a file at its name (kept first as a numbered backup) rather
    // than taking a free numbered name.
    bool overwrite = false;
    // Whether a file found in a folder walk goes to its sub-folder (from the walk's root)
    // under folder, rather than into folder itself.
    bool keepTree = false;
    // What an output is named, before its suffix (NamePattern); empty for the name up to the
    // input's first dot.
    QString pattern;

    static Rule of(const ConversionSettings &settings);
};

// Which of shards shares of a list an output's plain name falls in, so that shards writing into
// one folder never compete for a name: plain names of which one is the other followed by what
// free names, backups and frames add ("x", "x_1", "x_backup_2", "x-3") always fall together,
// in any letter case, whatever their folder. Shards are counted from 0.
QVector<int> shardsOf(const QStringList &plainNames, int shards);

// The output folder (the rule's when it exists, else the input's own; with keepTree and the
// folder walk's root the input was found under, its sub-folder there), the name the rule's
// pattern makes of the input and its facts, and the suffix: the name before any clash is
// settled.
QString plainPath(const Rule &rule, const QString &input, const QString &root = QString(),
    const NamePattern::Facts &facts = NamePattern::Facts());

// Where the output of input goes, and how the write treats what it finds there: with
// overwrite, the plain name, whose file the write keeps as a numbered backup before replacing
// it; without it, a free numbered name so nothing is replaced.
Target target(const Rule &rule, const QString &input, const Taken &taken = isTaken,
    const QString &root = QString(), const NamePattern::Facts &facts = NamePattern::Facts());

// Where frame number (counted from 1) of a file whose output was planned as whole goes, with
// one file per frame: "name-N.suffix" beside it. A name claimed (the run's other outputs,
// backups and inputs) is never replaced: the next free name is taken, as it is for a file found
// there unless whole replaces what it finds.
Target frameTarget(const Target &whole, int number, const Taken &claimed);

// The first "name_N.suffix" beside out that `taken` does not claim, N counted from 1 and
// always built from out itself.
QString freeName(const QString &out, const Taken &taken);

// The first "name_backup_N.suffix" beside file that `taken` does not claim, N counted from 1.
QString backupName(const QString &file, const Taken &taken);

} // namespace OutputNaming

#endif // OUTPUTNAMING_H
