#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QMap>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "graphicconverter.h"
#include "imageinfodialog.h"
#include "runreportdialog.h"

namespace {

// What a screen reader says a widget is. On Linux Qt names a list box by its current entry and
// hands its label over as a relation: its own name is what other systems read.
QString nameOf(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face && !qobject_cast<QComboBox *>(widget) ? face->text(QAccessible::Name) : QString();
}

// The page a control is on: the option page, the tab, or the window itself.
const QWidget *pageOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        if (parent && (qobject_cast<const QStackedWidget *>(parent)))
            return w;
    }
    return widget->window();
}

// Every control the keyboard reaches without a name, or with the name of another on its page.
QStringList unnamedOrDuplicated(QWidget *top)
{
    QStringList problems;
    QMap<const QWidget *, QMap<QString, QString>> seen; // page -> name -> object
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        // Inner parts of a control (a spin box's line edit, a view's viewport) are its own.
        // A tab widget hands the focus to its tab bar but is announced itself.
        if (!(widget->focusPolicy() & Qt::TabFocus)
            || (widget->focusProxy() && !qobject_cast<QTabWidget *>(widget))
            || widget->window() != top || qobject_cast<QAbstractSpinBox *>(widget->parentWidget())
            || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = nameOf(widget).remove(QLatin1Char('&'));
        const QString what = QStringLiteral("%1 (%2)").arg(
            widget->objectName(), QLatin1String(widget->metaObject()->className()));
        if (name.trimmed().isEmpty()) {
            problems.append(what + QStringLiteral(": no name"));
            continue;
        }
        QMap<QString, QString> &names = seen[pageOf(widget)];
        if (names.contains(name))
            problems.append(
                QStringLiteral("%1 and %2: both \"%3\"").arg(names.value(name), what, name));
        names.insert(name, what);
    }
    return problems;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasItsOwnName_data();
    void everyControlHasItsOwnName();
};

void tst_Accessibility::everyControlHasItsOwnName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "main";
    QTest::newRow("run report") << "report";
    QTest::newRow("properties") << "properties";
}

void tst_Accessibility::everyControlHasItsOwnName()
{
    QFETCH(QString, window);
    QStringList problems;
    if (window == QLatin1String("main")) {
        GraphicConverter converter;
        problems = unnamedOrDuplicated(&converter);
    } else if (window == QLatin1String("report")) {
        RunReportDialog dialog;
        problems = unnamedOrDuplicated(&dialog);
    } else {
        ImageInfoDialog dialog(QStringLiteral("/nonexistent.png"));
        problems = unnamedOrDuplicated(&dialog);
    }
    for (const QString &problem : qAsConst(problems))
        qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), "controls without a name of their own (above)");
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
