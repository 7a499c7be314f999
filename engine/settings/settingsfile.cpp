#include "settingsfile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "options.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace SettingsFile {

bool isReadable(const QString &path)
{
    // The window writes about a kilobyte; a mebibyte leaves room for any hand-made comments.
    return QFileInfo(path).size() <= (1 << 20);
}

QString whyNotWritable(const QString &path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("it is a folder");
    // The file is replaced by a new one written beside it, so its folder must take new files.
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return qt_error_string(errno);
    if (!file.exists())
        return QString();
    // Opened, not changed: this asks the file system, which knows of locks (an immutable
    // file) that permissions do not show.
    const int fd = ::open(QFile::encodeName(file.absoluteFilePath()).constData(),
        O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    ::close(fd);
    return QString();
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

namespace {

// A line with a comma comes back from the settings as a list of what stood between them, each
// trimmed: written by hand, "a, b" is what such a line mostly said. (Written by the window,
// the value is quoted and comes back whole.)
QString textOf(const QVariant &stored)
{
    return stored.type() == QVariant::StringList ? stored.toStringList().join(QStringLiteral(", "))
                                                 : stored.toString();
}

// What a stored value is, when it is one this option can take.
QVariant checked(const Options::Option &option, const QVariant &stored, QString *problem)
{
    const QString text = stored.toString().trimmed();
    bool ok = false;
    switch (option.type) {
    case Options::Type::Flag: {
        const QString lower = text.toLower();
        if (lower == QLatin1String("true") || lower == QLatin1String("1"))
            return true;
        if (lower == QLatin1String("false") || lower == QLatin1String("0"))
            return false;
        *problem = QStringLiteral("\"%1\" is neither true nor false").arg(text);
        return QVariant();
    }
    case Options::Type::Number: {
        const int value = text.toInt(&ok);
        if (ok && value >= option.minimum && value <= option.maximum)
            return value;
        *problem = QStringLiteral("\"%1\" is not a whole number from %2 to %3")
                       .arg(text)
                       .arg(option.minimum)
                       .arg(option.maximum);
        return QVariant();
    }
    case Options::Type::Choice: {
        const int index = text.toInt(&ok);
        if (ok && index >= 0 && index < option.choices.size())
            return index;
        *problem = QStringLiteral("\"%1\" is not one of 0 (%2) to %3 (%4)")
                       .arg(text, option.choices.first())
                       .arg(option.choices.size() - 1)
                       .arg(option.choices.last());
        return QVariant();
    }
    case Options::Type::Colour: {
        const QColor colour(text);
        if (colour.isValid())
            return colour.name();
        *problem = QStringLiteral("\"%1\" is not a colour").arg(text);
        return QVariant();
    }
    case Options::Type::Text: {
        const QString value = textOf(stored);
        const QString fault = option.problem ? option.problem(value) : QString();
        if (fault.isEmpty())
            return value;
        *problem = QStringLiteral("\"%1\" %2").arg(value, fault);
        return QVariant();
    }
    case Options::Type::Folder:
        break;
    }
    return stored.toString();
}

} // namespace

ConversionSettings check(const QString &path, QString *error)
{
    ConversionSettings s = defaults();
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("no such file");
        return s;
    }
    if (!isReadable(path)) {
        *error = QStringLiteral("the file is %1 MiB, far larger than any settings file; it is "
                                "not read")
                     .arg((info.size() + (1 << 19)) >> 20);
        return s;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return s;
    }
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        *error = QStringLiteral("the file is not a settings file (its lines cannot be read)");
        return s;
    }
    for (const Options::Option &option : Options::all()) {
        // What depends on the machine that wrote the file (how many files the window converts
        // at once) is not this machine's to take.
        if (option.machineBound || !settings.contains(option.settingsKey()))
            continue;
        QString problem;
        const QVariant value = checked(option, settings.value(option.settingsKey()), &problem);
        if (!problem.isEmpty()) {
            *error = QStringLiteral("%1: %2").arg(option.settingsKey(), problem);
            return s;
        }
        option.set(s, value);
    }
    s.resizeExact = !s.resizeBaseWidth;
    if (s.originalDirectory)
        s.path.clear();
    else if (!settings.contains(QStringLiteral("Options/path")))
        s.path = QDir::currentPath();
    return s;
}

void write(QSettings &settings, const ConversionSettings &s)
{
    for (const Options::Option &option : Options::all())
        settings.setValue(option.settingsKey(), option.get(s));
}

} // namespace SettingsFile
