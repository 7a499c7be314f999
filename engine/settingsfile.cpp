#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "options.h"

namespace SettingsFile {

bool isReadable(const QString &path)
{
    // The window writes about a kilobyte; a mebibyte leaves room for any hand-made comments.
    return QFileInfo(path).size() <= (1 << 20);
}

ConversionSettings defaults()
{
    ConversionSettings s;
    for (const Options::Option &option : Options::all())
        option.set(s, option.defaultValue);
    return s;
}

ConversionSettings read(const QString &path)
{
    QSettings settings(isReadable(path) ? path : QString(), QSettings::IniFormat);
    ConversionSettings s;
    const Options::Option *folderOption = nullptr;
    for (const Options::Option &option : Options::all()) {
        if (option.type == Options::Type::Folder) {
            folderOption = &option;
            continue;
        }
        option.set(s, option.sanitized(settings.value(option.settingsKey(), option.defaultValue)));
    }
    // The two radio buttons are exclusive and "Exact" starts checked: "Based on width" wins
    // when stored as checked, otherwise "Exact" stays selected.
    s.resizeExact = !s.resizeBaseWidth;

    if (folderOption) {
        QString folder
            = settings.value(folderOption->settingsKey(), QDir::currentPath()).toString();
        if (!QDir(folder).exists())
            folder = QDir::currentPath();
        if (!s.originalDirectory)
            folderOption->set(s, folder);
    }
    return s;
}

void write(QSettings &settings, const ConversionSettings &s)
{
    for (const Options::Option &option : Options::all())
        settings.setValue(option.settingsKey(), option.get(s));
}

} // namespace SettingsFile
