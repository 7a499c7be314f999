#ifndef DIAGNOSTICS_H
#define DIAGNOSTICS_H

#include <QString>
#include <QStringList>

// What the libraries say about a file, made fit to be shown next to its name.
namespace Diagnostics {

// The image library's reason without its decoration: the "Magick: " prefix, an empty "()"
// and the source location ("reported by coders/png.c:1128 (PNGWarningHandler)").
QString libraryReason(const char *what);

// Collects the Qt messages this thread writes while it lives (Qt's image plug-ins warn
// through qWarning), so they can be told as belonging to the file being read instead of
// reaching stderr on their own. Messages of other threads pass on as before. Nests.
class QtMessageCapture
{
public:
    QtMessageCapture();
    ~QtMessageCapture();
    QtMessageCapture(const QtMessageCapture &) = delete;
    QtMessageCapture &operator=(const QtMessageCapture &) = delete;

    QStringList messages() const;

private:
    QtMessageCapture *outer;
    QStringList captured;
    friend void captureMessage(QtMsgType, const QMessageLogContext &, const QString &);
};

} // namespace Diagnostics

#endif // DIAGNOSTICS_H
