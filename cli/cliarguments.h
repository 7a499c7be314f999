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

// Files given by name stay as given; folders expand to their images (the window's Import Folder
// code and patterns, by name ignoring case), with --recursive into sub-folders too, each
// folder's files before its sub-folders. Within folders each real file and folder comes once,
// whatever links lead to it. A name that is neither file nor folder is an error. Files (and
// with --recursive folders) whose names are not valid UTF-8 cannot be opened; they go to
// *unnamable as names to show, so that they are reported rather than left out.
// *roots, when given, gets beside each file the folder given that it was found in, or an empty
// string for a file given by name.
QStringList expandInputs(const QStringList &inputs, bool recursive, QString *error,
    QStringList *unnamable = nullptr, QStringList *roots = nullptr);

#endif // CLIARGUMENTS_H
