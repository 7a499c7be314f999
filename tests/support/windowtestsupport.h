#ifndef WINDOWTESTSUPPORT_H
#define WINDOWTESTSUPPORT_H

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace WindowTestSupport {

// Takes the desktop's "open this" requests in place of a file manager, once installed with
// QDesktopServices::setUrlHandler("file", &catcher, "open").
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url)
    {
        urls.append(url);
    }
};

// Answers the next modal dialog from inside its own event loop: `answer` runs on it as soon
// as it is the active modal widget (checked every 10 ms for up to 10 s).
void whenModalOpens(const std::function<void(QWidget *dialog)> &answer);

// Names of every option widget with its current value, to compare a window before and after.
QList<QString> optionValues(const QWidget *window);

} // namespace WindowTestSupport

#endif // WINDOWTESTSUPPORT_H
