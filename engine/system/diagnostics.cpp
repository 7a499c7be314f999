#include "diagnostics.h"

#include <QtGlobal>

#include <atomic>
#include <mutex>

namespace Diagnostics {

namespace {

thread_local QtMessageCapture *current = nullptr;
std::atomic<QtMessageHandler> previous { nullptr };
std::once_flag installed;

} // namespace

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (current && type != QtFatalMsg) {
        current->captured.append(message);
        return;
    }
    if (const QtMessageHandler next = previous.load())
        next(type, context, message);
}

QString libraryReason(const char *what)
{
    QString text = QString::fromLocal8Bit(what);
    const int location = text.indexOf(QLatin1String(" reported by "));
    if (location >= 0)
        text.truncate(location);
    if (text.startsWith(QLatin1String("Magick: ")))
        text.remove(0, 8);
    if (text.endsWith(QLatin1String(" ()")))
        text.chop(3);
    // libjpeg's words for "the picture needs more memory than it was allowed".
    if (text == QLatin1String("Backing store not supported"))
        return QStringLiteral("not enough memory to decode the picture (%1)").arg(text);
    return text.trimmed();
}

QtMessageCapture::QtMessageCapture()
    : outer(current)
{
    // Installed on first use, chained to whatever handler the program had; a handler installed
    // later chains to this one in turn.
    std::call_once(installed, [] { previous.store(qInstallMessageHandler(captureMessage)); });
    current = this;
}

QtMessageCapture::~QtMessageCapture()
{
    current = outer;
    if (outer)
        outer->captured += captured;
}

QStringList QtMessageCapture::messages() const
{
    return captured;
}

} // namespace Diagnostics
