#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "aboutdialog.h"
#include "graphicconverter.h"
#include "runreport.h"
#include "runreportdialog.h"
#include "translations.h"

namespace {

// Puts in brackets every text it is asked for that the translators are given (lupdate finds
// it in the sources): a text on screen without them cannot be translated.
class Marker : public QTranslator
{
public:
    QSet<QString> known; // context and source, a line apart

    bool isEmpty() const override
    {
        return false;
    }
    QString translate(const char *context, const char *source, const char *, int n) const override
    {
        QString text = QString::fromUtf8(source);
        // Qt's own classes' texts are translated by Qt's own files.
        const QString from = QString::fromUtf8(context);
        if (!known.contains(from + QLatin1Char('\n') + text) && !from.startsWith(QLatin1Char('Q')))
            return QString();
        if (n >= 0)
            text.replace(QLatin1String("%n"), QString::number(n));
        return QStringLiteral("\u27e6%1\u27e7").arg(text);
    }
};

// Values rather than words: numbers, sizes, colours, paths and names of formats and files.
bool isWords(const QString &text)
{
    static const QRegularExpression value(
        QStringLiteral("^[\\s\\d.,:;%x#()+\\-/\\\\*_<>|…→]*$|^#[0-9a-fA-F]{6}$|^[A-Z0-9 ]{1,6}$"));
    return !text.trimmed().isEmpty() && !value.match(text).hasMatch()
        && text.contains(QRegularExpression(QStringLiteral("[a-z]{2}")));
}

// Every text the widget and its children show or say: titles, labels, buttons, lists' entries,
// tabs, menus, tips.
QStringList visibleTexts(const QWidget *top, const QSet<QString> &skip)
{
    QStringList found;
    const auto add = [&](const QObject *object, const QString &what, const QString &text) {
        if (isWords(text) && !text.contains(QChar(0x27e6)))
            found.append(QStringLiteral("%1 %2: %3").arg(object->objectName(), what, text));
    };
    QList<const QWidget *> widgets { top };
    for (const QWidget *child : top->findChildren<QWidget *>())
        widgets.append(child);
    for (const QWidget *widget : widgets) {
        if (skip.contains(widget->objectName()))
            continue;
        if (widget->isWindow())
            add(widget, QStringLiteral("title"), widget->windowTitle());
        add(widget, QStringLiteral("tip"), widget->toolTip());
        add(widget, QStringLiteral("status tip"), widget->statusTip());
        add(widget, QStringLiteral("what's this"), widget->whatsThis());
        if (auto label = qobject_cast<const QLabel *>(widget))
            add(widget, QStringLiteral("text"), label->text());
        else if (auto button = qobject_cast<const QAbstractButton *>(widget))
            add(widget, QStringLiteral("text"), button->text());
        else if (auto box = qobject_cast<const QGroupBox *>(widget))
            add(widget, QStringLiteral("title"), box->title());
        else if (auto edit = qobject_cast<const QLineEdit *>(widget))
            add(widget, QStringLiteral("placeholder"), edit->placeholderText());
        if (auto combo = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(widget, QStringLiteral("item %1").arg(i), combo->itemText(i));
        } else if (auto list = qobject_cast<const QListWidget *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                add(widget, QStringLiteral("row %1").arg(i), list->item(i)->text());
        } else if (auto tabs = qobject_cast<const QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(widget, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
        }
        for (const QAction *action : widget->actions()) {
            add(action, QStringLiteral("action"), action->text());
            add(action, QStringLiteral("action tip"), action->statusTip());
        }
    }
    found.removeDuplicates();
    return found;
}

// The (context, source) pairs of a .ts file, with what is wrong with each translation.
struct Entry
{
    QString context;
    QString source;
    QString problem;
};

QStringList placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (auto m = mark.globalMatch(text); m.hasNext();)
        found.append(m.next().captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

QVector<Entry> entries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { { QString(), QString(), QStringLiteral("cannot be read") } };
    QVector<Entry> found;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    QStringList forms;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringRef name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                entry = Entry { context, QString(), QString() };
                forms.clear();
            } else if (name == QLatin1String("source")) {
                entry.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                if (!type.isEmpty())
                    entry.problem = type;
            } else if (name == QLatin1String("numerusform")) {
                forms.append(xml.readElementText());
            }
        } else if (xml.isCharacters() && !xml.isWhitespace() && forms.isEmpty()
            && entry.problem.isEmpty()) {
            // The text of a translation without plural forms.
            forms.append(xml.text().toString());
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            if (forms.isEmpty() && entry.problem.isEmpty())
                entry.problem = QStringLiteral("empty");
            for (const QString &form : qAsConst(forms)) {
                if (placeholders(form) != placeholders(entry.source)
                    && !(placeholders(entry.source).contains(QLatin1String("%n"))))
                    entry.problem = QStringLiteral("placeholders differ: %1").arg(form);
            }
            found.append(entry);
        }
    }
    if (xml.hasError())
        found.append({ QString(), QString(), xml.errorString() });
    return found;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyVisibleTextIsTranslatable_data();
    void everyVisibleTextIsTranslatable();
    void translationsAreComplete_data();
    void translationsAreComplete();
    void windowFollowsTheLocale_data();
    void windowFollowsTheLocale();

private:
    QTemporaryDir dir;
    // What lupdate finds in the sources now.
    QVector<Entry> extracted;
};

void tst_Translations::initTestCase()
{
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TARVO_SOURCE_DIR));
    lupdate.start(QStringLiteral(TARVO_LUPDATE),
        QStringLiteral(TARVO_TRANSLATED_SOURCES).split(QLatin1Char(','))
            + QStringList { QStringLiteral("-silent"), QStringLiteral("-ts"), fresh });
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    extracted = entries(fresh);
    QVERIFY(extracted.size() > 100);
}

void tst_Translations::everyVisibleTextIsTranslatable_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window, every page") << "main";
    QTest::newRow("about dialog") << "about";
    QTest::newRow("run report") << "report";
}

void tst_Translations::everyVisibleTextIsTranslatable()
{
    QFETCH(QString, window);
    Marker marker;
    for (const Entry &entry : qAsConst(extracted))
        marker.known.insert(entry.context + QLatin1Char('\n') + entry.source);
    QCoreApplication::installTranslator(&marker);
    QStringList untranslated;
    if (window == QLatin1String("main")) {
        GraphicConverter converter;
        // The file list holds paths, the output field a folder, the swatch a colour, the
        // format list the formats' own names.
        untranslated = visibleTexts(&converter,
            { QStringLiteral("listWidget"), QStringLiteral("lineEditPath"),
                QStringLiteral("labelBackgroundColor"), QStringLiteral("comboBoxFormat") });
        for (const QMenu *menu : converter.findChildren<QMenu *>())
            untranslated += visibleTexts(menu, {});
    } else if (window == QLatin1String("about")) {
        AboutDialog about;
        untranslated = visibleTexts(&about, {});
    } else {
        RunReport report;
        report.start({ QStringLiteral("/in/a.png"), QStringLiteral("/in/b.png") });
        ImagePipeline::FileResult failed;
        failed.input = failed.about = QStringLiteral("/in/a.png");
        failed.status = ImagePipeline::FileResult::Failed;
        failed.reason
            = Reason::ours(Reason::Other, QT_TRANSLATE_NOOP("Reason", "the file is empty"));
        report.record(0, failed);
        RunReportDialog dialog;
        dialog.setReport(report, report.summary(1000), QStringLiteral("/out"));
        untranslated = visibleTexts(&dialog, {});
    }
    QCoreApplication::removeTranslator(&marker);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void tst_Translations::translationsAreComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : QStringLiteral(TARVO_LANGUAGES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(language)) << language;
}

// Every text of the sources is in every language's file, translated, with the same
// placeholders: lupdate run now on the sources finds nothing the committed file lacks.
void tst_Translations::translationsAreComplete()
{
    QFETCH(QString, language);
    QSet<QString> committed;
    QStringList problems;
    for (const Entry &entry :
        entries(QStringLiteral(TARVO_SOURCE_DIR "/translations/tarvo_%1.ts").arg(language))) {
        committed.insert(entry.context + QLatin1Char('\n') + entry.source);
        if (!entry.problem.isEmpty())
            problems.append(
                QStringLiteral("%1: \"%2\": %3").arg(entry.context, entry.source, entry.problem));
    }
    for (const Entry &entry : qAsConst(extracted)) {
        if (!committed.contains(entry.context + QLatin1Char('\n') + entry.source))
            problems.append(QStringLiteral("%1: \"%2\": missing").arg(entry.context, entry.source));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void tst_Translations::windowFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("translated");
    QTest::newRow("German") << "de_DE" << true;
    QTest::newRow("French") << "fr_FR" << true;
    QTest::newRow("Spanish") << "es_ES" << true;
    QTest::newRow("Brazilian Portuguese") << "pt_BR" << true;
    QTest::newRow("Portuguese of Portugal: none of ours") << "pt_PT" << false;
    QTest::newRow("English") << "en_GB" << false;
    QTest::newRow("Swedish: none of ours") << "sv_SE" << false;
}

void tst_Translations::windowFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, translated);
    const auto shown = [] {
        GraphicConverter converter;
        converter.show();
        // The page list is as wide as its longest entry in the language.
        auto pages = converter.findChild<QListWidget *>("listWidgetOptions");
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&converter)); }();
        converter.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        for (int row = 0; row < pages->count(); ++row) {
            const int needs = pages->fontMetrics().horizontalAdvance(pages->item(row)->text())
                + pages->iconSize().width();
            [&] {
                QVERIFY2(needs <= pages->viewport()->width(), qPrintable(pages->item(row)->text()));
            }();
        }
        return QStringList { converter.findChild<QAbstractButton *>("pushButtonConvert")->text(),
            // Qt's own dialogs follow.
            QCoreApplication::translate("QPlatformTheme", "Cancel") };
    };
    const QStringList english = shown();
    Translations::install(QLocale(locale));
    const QStringList now = shown();
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCOMPARE(now[0] != english[0], translated);
    QCOMPARE(now[1] != english[1], translated);
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
