#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QLocale>

// The window's texts in the user's language: ours, and Qt's own for the dialogs it brings (the
// file and colour pickers, the message boxes' buttons).
namespace Translations {

// Installs the translators for the first of the locale's languages that we have, with Qt's
// own; false when we have none of them (the texts stay English).
bool install(const QLocale &locale = QLocale());

} // namespace Translations

#endif // TRANSLATIONS_H
