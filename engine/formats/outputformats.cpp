#include "outputformat.h"

namespace OutputFormats {

// Each in a file of its own; a new format is a file and a line in the list below.
const OutputFormat &jpeg();
const OutputFormat &gif();
const OutputFormat &png();
const OutputFormat &jp2();
const OutputFormat &pdf();
const OutputFormat &tiff();
const OutputFormat &webp();
const OutputFormat &jxl();
const OutputFormat &avif();

namespace {

QVector<const OutputFormat *> &list()
{
    static QVector<const OutputFormat *> formats
        = { &jpeg(), &gif(), &png(), &jp2(), &pdf(), &tiff(), &webp(), &jxl(), &avif() };
    return formats;
}

} // namespace

const QVector<const OutputFormat *> &all()
{
    return list();
}

QStringList names()
{
    QStringList names;
    for (const OutputFormat *format : all())
        names.append(QLatin1String(format->name));
    return names;
}

QString titles(const QString &conjunction)
{
    QStringList titles;
    for (const OutputFormat *format : all())
        titles.append(QLatin1String(format->title));
    const QString last = titles.takeLast();
    if (titles.isEmpty())
        return last;
    return titles.join(QStringLiteral(", ")) + QLatin1Char(' ') + conjunction + QLatin1Char(' ')
        + last;
}

const OutputFormat *find(const QString &name)
{
    for (const OutputFormat *format : all()) {
        if (name == QLatin1String(format->name))
            return format;
    }
    return nullptr;
}

QString suffixFor(const QString &name)
{
    const OutputFormat *format = find(name);
    return format ? QLatin1String(format->suffix) : QString();
}

void add(const OutputFormat *format)
{
    list().append(format);
}

} // namespace OutputFormats
