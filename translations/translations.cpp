#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString ours = QStringLiteral(":/i18n");

} // namespace

// Q_INIT_RESOURCE declares the resource's function where it stands: outside any namespace.
static void loadResource()
{
    Q_INIT_RESOURCE(tarvo_translations);
}

namespace Translations {

bool install(const QLocale &locale)
{
    loadResource();
    auto translator = new QTranslator(QCoreApplication::instance());
    // Tries every language the user lists, each with and without its country.
    if (!translator->load(locale, QStringLiteral("tarvo"), QStringLiteral("_"), ours)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    auto qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace Translations
