#ifndef RUNREPORT_H
#define RUNREPORT_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include "imagepipeline.h"
#include "reason.h"

// What one run of the window did to each of its files, told as the engine reports it, for the
// list's rows, the status bar's summary and the report of what went wrong. Lives in the GUI
// thread; a plain record with no Qt parent.
class RunReport
{
    Q_DECLARE_TR_FUNCTIONS(RunReport)

public:
    enum Outcome {
        Pending, // not reached yet, or never: the run was stopped first
        Converted,
        Warned, // converted, but a library complained
        Failed,
        Skipped, // its output was there already, and it was asked to be left
    };

    struct Entry
    {
        QString file; // as the list shows it
        Outcome outcome = Pending;
        QString output; // with native separators; the first, with one file per frame
        int moreOutputs = 0; // the other frames' files
        int backups = 0; // replaced files kept as backups
        int renamed = 0; // outputs that took a free name
        QVector<Reason> warnings;
        Reason error;
        // The file the error is about when it is not this one: an output that could not be
        // written.
        QString errorAbout;
    };

    void start(const QStringList &files);
    // What the engine made of the file at index.
    void record(int index, const ImagePipeline::FileResult &result);
    // For a file the engine took without a report of its own.
    void finished(int index);

    const Entry &entry(int index) const
    {
        return entries.at(index);
    }
    int size() const
    {
        return entries.size();
    }
    int count(Outcome outcome) const;
    // Over every file: backups made, outputs under a free name.
    int backups() const;
    int renamed() const;
    // Files the engine has finished with, whatever the outcome.
    int processed() const
    {
        return size() - count(Pending);
    }
    bool hasProblems() const
    {
        return count(Warned) > 0 || count(Failed) > 0;
    }

    // "58 converted, 1 with warnings, 1 failed in 12 s", or for a run that ended before its
    // last file "Stopped: 20 of 60 converted"; skipped files, backups and free names too.
    QString summary(qint64 elapsedMs) const;
    // What the user reads on the row: where the output went, or what went wrong.
    QString toolTip(int index) const;
    // The reason, in plain words where the library's or the system's are not (their own words
    // follow in brackets, for anyone who reports the problem).
    QString reason(int index) const;
    // One line per file that failed or warned, "<file>\t<outcome>\t<reason>", for the clipboard.
    QString problemList() const;

    static QString outcomeText(Outcome outcome);

private:
    QVector<Entry> entries;
};

#endif // RUNREPORT_H
