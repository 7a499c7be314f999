#include "option.h"

#include <QColor>

namespace Options {

QString Option::settingsKey() const
{
    return QLatin1String(group) + QLatin1Char('/') + QLatin1String(key);
}

QVariant Option::sanitized(const QVariant &stored) const
{
    switch (type) {
    case Type::Flag:
        return stored.toBool();
    case Type::Number:
        return qBound(minimum, stored.toInt(), maximum);
    case Type::Choice: {
        // A combo box refuses an index past its list and is then left without a current item.
        const int index = stored.toInt();
        return (index >= 0 && index < choices.size()) ? index : -1;
    }
    case Type::Colour:
        return QColor(stored.toString()).name();
    case Type::Text:
        // What cannot be used is dropped: the default stands in.
        if (problem && !problem(stored.toString()).isEmpty())
            return defaultValue;
        break;
    case Type::Folder:
        break;
    }
    return stored.toString();
}

int Option::libraryValue(int index) const
{
    return (index >= 0 && index < libraryValues.size()) ? libraryValues.at(index) : -1;
}

QVariant storedValue(const Option &option, const ConversionSettings &s)
{
    return s.values.value(option.settingsKey(), option.defaultValue);
}

void setStored(const Option &option, ConversionSettings &s, const QVariant &value)
{
    s.values.insert(option.settingsKey(), value);
}

} // namespace Options
