#include "namepattern.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// One {field} of a pattern: its name, and the width of a number padded with zeros.
struct Field
{
    QString name;
    int width = 0;
};

const QStringList &fieldNames()
{
    static const QStringList names = { QStringLiteral("name"), QStringLiteral("base"),
        QStringLiteral("n"), QStringLiteral("width"), QStringLiteral("height"),
        QStringLiteral("date"), QStringLiteral("folder") };
    return names;
}

// The field between braces, or an empty name for one that is none.
Field parseField(const QString &inside)
{
    Field field;
    const int colon = inside.indexOf(QLatin1Char(':'));
    field.name = colon < 0 ? inside : inside.left(colon);
    if (colon >= 0) {
        bool ok = false;
        field.width = inside.mid(colon + 1).toInt(&ok);
        // Only a position is padded, to at most 9 digits, which a list never exceeds.
        if (!ok || field.name != QLatin1String("n") || field.width < 1 || field.width > 9
            || inside.mid(colon + 1).size() != 1)
            return Field();
    }
    return fieldNames().contains(field.name) ? field : Field();
}

// Walks the pattern, handing each run of text and each field on; false at the first fault,
// with it in *problem.
template <typename Text, typename Value>
bool walk(const QString &pattern, Text &&text, Value &&value, QString *problem = nullptr)
{
    int at = 0;
    while (at < pattern.size()) {
        const int open = pattern.indexOf(QLatin1Char('{'), at);
        const int close = pattern.indexOf(QLatin1Char('}'), at);
        if (close >= 0 && (open < 0 || close < open)) {
            if (problem)
                *problem
                    = QCoreApplication::translate("NamePattern", "has a \"}\" without its \"{\"");
            return false;
        }
        if (open < 0) {
            text(pattern.mid(at));
            return true;
        }
        text(pattern.mid(at, open - at));
        const int end = pattern.indexOf(QLatin1Char('}'), open);
        if (end < 0) {
            if (problem)
                *problem
                    = QCoreApplication::translate("NamePattern", "has a \"{\" without its \"}\"");
            return false;
        }
        const QString inside = pattern.mid(open + 1, end - open - 1);
        const Field field = parseField(inside);
        if (field.name.isEmpty()) {
            if (problem)
                *problem = QCoreApplication::translate("NamePattern",
                    "has {%1}, which is none of {name} {base} {n} {n:3} {width} {height} "
                    "{date} {folder}")
                               .arg(inside);
            return false;
        }
        value(field);
        at = end + 1;
    }
    return true;
}

} // namespace

namespace NamePattern {

QString problem(const QString &pattern)
{
    if (pattern.contains(QLatin1Char('/')) || pattern.contains(QLatin1Char('\\'))
        || pattern.contains(QLatin1String("..")))
        return QCoreApplication::translate("NamePattern",
            "may not hold \"/\", \"\\\" or \"..\": every output stays in its folder");
    for (const QChar c : pattern) {
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("NamePattern", "may not hold control characters");
    }
    QString fault;
    walk(
        pattern, [](const QString &) {}, [](const Field &) {}, &fault);
    return fault;
}

bool needsPicture(const QString &pattern)
{
    bool needs = false;
    walk(
        pattern, [](const QString &) {},
        [&needs](const Field &field) {
            needs = needs || field.name == QLatin1String("width")
                || field.name == QLatin1String("height") || field.name == QLatin1String("date");
        });
    return needs;
}

QString expand(const QString &pattern, const QString &input, const Facts &facts)
{
    const QFileInfo file(input);
    if (pattern.isEmpty())
        return file.baseName();
    QString name;
    walk(
        pattern, [&name](const QString &text) { name += text; },
        [&](const Field &field) {
            if (field.name == QLatin1String("name"))
                name += file.completeBaseName();
            else if (field.name == QLatin1String("base"))
                name += file.baseName();
            else if (field.name == QLatin1String("n"))
                name += QStringLiteral("%1").arg(facts.position, field.width, 10, QLatin1Char('0'));
            else if (field.name == QLatin1String("width"))
                name += QString::number(facts.size.isValid() ? facts.size.width() : 0);
            else if (field.name == QLatin1String("height"))
                name += QString::number(facts.size.isValid() ? facts.size.height() : 0);
            else if (field.name == QLatin1String("date"))
                name += (facts.taken.isValid() ? facts.taken : file.lastModified().date())
                            .toString(QStringLiteral("yyyy-MM-dd"));
            else if (field.name == QLatin1String("folder"))
                name += file.absoluteDir().dirName();
        });
    return name;
}

} // namespace NamePattern
