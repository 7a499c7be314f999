// Prints, as CMake set() commands, what the desktop entry, the metainfo, the man page and the
// package say about formats, taken from the tables the programs themselves go by, so that a
// format added there is announced everywhere with no other edit.
#include <QStringList>

#include <cstdio>

#include "inputformats.h"
#include "outputformat.h"

namespace {

void set(const char *name, const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    std::printf("set(%s \"%s\")\n", name, qPrintable(quoted));
}

} // namespace

int main()
{
    set("TARVO_WRITES_OR", OutputFormats::titles(QStringLiteral("or")));
    set("TARVO_WRITES_AND", OutputFormats::titles(QStringLiteral("and")));
    QStringList labels;
    for (const OutputFormat *format : OutputFormats::all())
        labels.append(QLatin1String(format->label));
    // Desktop entry lists end with a semicolon.
    set("TARVO_WRITES_KEYWORDS", labels.join(QLatin1Char(';')) + QLatin1Char(';'));
    const QStringList types = InputFormats::mimeTypes();
    set("TARVO_READS_MIME_TYPES", types.join(QLatin1Char(';')) + QLatin1Char(';'));
    QString mediaTypes;
    for (const QString &type : types)
        mediaTypes += QStringLiteral("\n    <mediatype>%1</mediatype>").arg(type);
    set("TARVO_READS_MEDIA_TYPES", mediaTypes);
    return 0;
}
