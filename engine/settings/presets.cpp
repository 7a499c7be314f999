#include "presets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "settingsfile.h"

namespace Presets {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/tarvo/presets");
}

QStringList names()
{
    QStringList found;
    const QFileInfoList files = QDir(folder()).entryInfoList(
        { QStringLiteral("*.ini") }, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        if (isValidName(file.completeBaseName()))
            found.append(file.completeBaseName());
    }
    return found;
}

bool isValidName(const QString &name)
{
    return !name.trimmed().isEmpty() && !name.startsWith(QLatin1Char('.'))
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString pathOf(const QString &name)
{
    return folder() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

bool save(const QString &name, const ConversionSettings &settings, QString *error)
{
    const QString path = pathOf(name);
    if (!isValidName(name) || !QDir().mkpath(folder())) {
        *error = QCoreApplication::translate("Presets", "cannot be made");
        return false;
    }
    *error = SettingsFile::whyNotWritable(path);
    if (!error->isEmpty())
        return false;
    // Every option is written, over an earlier preset's too; the library writes the file
    // whole under a temporary name first.
    QSettings file(path, QSettings::IniFormat);
    SettingsFile::write(file, settings);
    file.sync();
    if (file.status() != QSettings::NoError) {
        *error = QCoreApplication::translate("Presets", "could not be written");
        return false;
    }
    return true;
}

bool remove(const QString &name)
{
    return isValidName(name) && QFile::remove(pathOf(name));
}

} // namespace Presets
