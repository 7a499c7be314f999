#ifndef WINDOWTESTSUPPORT_H
#define WINDOWTESTSUPPORT_H

#include <QString>

#include <functional>

class QWidget;
template <typename T> class QList;

namespace WindowTestSupport {

// Answers the next modal dialog from inside its own event loop: `answer` runs on it as soon
// as it is the active modal widget (checked every 10 ms for up to 10 s).
void whenModalOpens(const std::function<void(QWidget *dialog)> &answer);

// Names of every option widget with its current value, to compare a window before and after.
QList<QString> optionValues(const QWidget *window);

} // namespace WindowTestSupport

#endif // WINDOWTESTSUPPORT_H
