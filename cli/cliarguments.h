#ifndef CLIARGUMENTS_H
#define CLIARGUMENTS_H

#include <QString>
#include <QStringList>

#include "conversionsettings.h"

// What the command line asks for, checked before anything is converted.
struct CliArguments
{
    ConversionSettings settings;
    QStringList inputs; // files and folders as given
    int jobs = 1;
    quint64 memoryLimit = 0; // bytes; 0 leaves the budget to the machine
    bool recursive = false;
    // More inputs, named in a file (or "-", standard input), a line each or NUL-separated.
    QString filesFrom;
    bool nullSeparated = false;
    // The share of the expanded list this run converts (BatchConverter::Options).
    int shard = 0;
    int shards = 1;
    // What is told: failures only, the default, or every file; and to programs, JSON on
    // standard output. A dry run plans the names and writes nothing.
    enum class Report { Quiet, Normal, Verbose };
    Report report = Report::Normal;
    bool json = false;
    bool dryRun = false;
    // The output folder, when it does not exist yet but the folder it goes in does: made once
    // the inputs are known to be there.
    QString folderToMake;
    bool helpRequested = false;
    bool versionRequested = false;
    QString helpText;
    QString error; // set when the arguments cannot be used
};

// arguments[0] is the program name, as in QCoreApplication::arguments().
CliArguments parseCliArguments(const QStringList &arguments);

// The names a --files-from file holds: a line each (a line's trailing CR dropped) or, with
// nullSeparated, NUL-separated; empty names are skipped. "-" reads standard input. False with
// *error set when the file cannot be read.
bool readNames(const QString &path, bool nullSeparated, QStringList *names, QString *error);

// Files given by name stay as given; folders expand to their images (the window's Import Folder
// code and patterns, by name ignoring case), with --recursive into sub-folders too, each
// folder's files before its sub-folders. Within folders each real file and folder comes once,
// whatever links lead to it. A name that is neither file nor folder stays as given, to fail as
// a missing file; "-" stays, as standard input. Files (and with --recursive folders) whose names
// are not valid UTF-8 cannot be opened; they go to *unnamable as names to show, so that they are
// reported rather than left out. *roots, when given, gets beside each file the folder given that
// it was found in, or an empty string for a file given by name.
QStringList expandInputs(const QStringList &inputs, bool recursive,
    QStringList *unnamable = nullptr, QStringList *roots = nullptr);

#endif // CLIARGUMENTS_H
