#ifndef REASON_H
#define REASON_H

#include <QMetaType>
#include <QString>
#include <QStringList>

// Why a file failed or what a library warned about it: a kind, which the window, its report
// and the command line put in their own words, and the text as it was said. The libraries and
// the system are heard once, where their words come in (library(), system()); nothing after
// that reads the text for its meaning.
struct Reason
{
    enum Kind {
        Other, // nothing more is known than the text
        NoSuchFile,
        NotAPicture, // no reader of ours takes it, or a reader did not recognise it
        EndsEarly, // the file ends before the picture does
        Damaged, // the picture data is damaged
        StrayBytes, // stray bytes in the picture data were skipped
        ColourProfile, // its colour profile is not quite right
        TooLarge, // larger than this program allows
        NotAllowed, // no permission for the file or folder
        DiskFull,
        ReadOnlyDisk,
        NameTooLong,
    };

    Kind kind = Other;
    // Without the name of the file it is about: "Corrupt JPEG data: premature end of data
    // segment", "no such file".
    QString text;
    // Whether the text is the library's or the system's own words, which may need plain ones
    // beside them; ours are plain already.
    bool quoted = false;
    // Our own sentences are said in English (text, what scripts and logs get) and kept as
    // said, for a window in any language: the sentence before its values went in, as marked
    // for translation in the "Reason" context, and the values for its %1, %2...
    QString source;
    QStringList arguments;

    bool isEmpty() const
    {
        return text.isEmpty();
    }

    // The text in the language of the translators installed (as said when none has it).
    QString translated() const;

    // Our own sentence: source marked with QT_TRANSLATE_NOOP("Reason", ...).
    static Reason ours(Kind kind, const char *source, const QStringList &arguments = {});
    // Words that are ours but were put together elsewhere: shown as they are.
    static Reason ours(Kind kind, const QString &text);
    // The English sentence of a source and its values (source and arguments kept as they are).
    static QString fill(const QString &source, const QStringList &arguments);
    // What the image library or a Qt plug-in said, its decoration already removed.
    static Reason library(const QString &said);
    // Nothing at the path, said the same wherever it is found out.
    static Reason noSuchFile();
    // A system error (errno), in the system's words.
    static Reason system(int error);
};

Q_DECLARE_METATYPE(Reason)

#endif // REASON_H
