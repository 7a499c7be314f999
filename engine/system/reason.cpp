#include "reason.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cerrno>

namespace {

struct Said
{
    const char *words;
    Reason::Kind kind;
};

// The libraries tell their reasons only in words. The first match wins: what a reader only
// warns about comes before the failures whose words it shares ("Corrupt JPEG data: 2
// extraneous bytes" is a warning).
const Said librarySays[] = {
    { "iCCP", Reason::ColourProfile },
    // PNG's other colour chunks: primaries, gamma, rendering intent.
    { "cHRM", Reason::ColourProfile },
    { "gAMA", Reason::ColourProfile },
    { "sRGB:", Reason::ColourProfile },
    { "extraneous bytes", Reason::StrayBytes },
    { "Unable to deduce image format", Reason::NotAPicture },
    { "no decode delegate", Reason::NotAPicture },
    { "Unrecognized image format", Reason::NotAPicture },
    { "Improper image header", Reason::NotAPicture },
    { "Not a JPEG file", Reason::NotAPicture },
    { "No data returned", Reason::EndsEarly },
    { "Premature end", Reason::EndsEarly },
    { "nexpected end", Reason::EndsEarly },
    { "Insufficient image data", Reason::EndsEarly },
    { "incorrect data check", Reason::Damaged },
    { "CRC error", Reason::Damaged },
    { "Corrupt", Reason::Damaged },
    { "Can not read TIFF directory", Reason::Damaged },
    { "limit exceeded", Reason::TooLarge },
    { "Permission denied", Reason::NotAllowed },
    { "No space left on device", Reason::DiskFull },
    { "Disk quota exceeded", Reason::DiskFull },
    { "Read-only file system", Reason::ReadOnlyDisk },
    { "File name too long", Reason::NameTooLong },
};

} // namespace

QString Reason::fill(const QString &source, const QStringList &arguments)
{
    QString said = source;
    for (const QString &argument : arguments)
        said = said.arg(argument);
    return said;
}

QString Reason::translated() const
{
    if (source.isEmpty())
        return text;
    return fill(QCoreApplication::translate("Reason", source.toUtf8().constData()), arguments);
}

Reason Reason::ours(Kind kind, const char *source, const QStringList &arguments)
{
    Reason reason;
    reason.kind = kind;
    reason.source = QString::fromUtf8(source);
    reason.arguments = arguments;
    reason.text = fill(reason.source, arguments);
    return reason;
}

Reason Reason::ours(Kind kind, const QString &text)
{
    Reason reason;
    reason.kind = kind;
    reason.text = text;
    return reason;
}

Reason Reason::library(const QString &said)
{
    Reason reason;
    reason.text = said;
    reason.quoted = true;
    for (const Said &known : librarySays) {
        if (said.contains(QLatin1String(known.words))) {
            reason.kind = known.kind;
            break;
        }
    }
    return reason;
}

Reason Reason::noSuchFile()
{
    return ours(NoSuchFile, QT_TRANSLATE_NOOP("Reason", "no such file"));
}

Reason Reason::system(int error)
{
    Reason reason;
    reason.text = qt_error_string(error);
    reason.quoted = true;
    switch (error) {
    case ENOENT:
        reason.kind = NoSuchFile;
        break;
    case EACCES:
        reason.kind = NotAllowed;
        break;
    case ENOSPC:
    case EDQUOT:
        reason.kind = DiskFull;
        break;
    case EROFS:
        reason.kind = ReadOnlyDisk;
        break;
    case ENAMETOOLONG:
        reason.kind = NameTooLong;
        break;
    default:
        break;
    }
    return reason;
}
