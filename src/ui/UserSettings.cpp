#include "ui/UserSettings.h"

#include <QSettings>
#include <QStringList>

namespace ui {

namespace {

QString& settingsFileOverride()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openSettings()
{
    const QString& path = settingsFileOverride();
    if (!path.isEmpty())
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Zefiron"), QStringLiteral("ZIZezuduviz"));
}

// A text-based storage gives every scalar back as a string; lists, maps and binary values are never
// texts or numbers of ours.
bool isScalarText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

bool isNumeric(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

} // namespace

void setUserSettingsFile(const QString& iniFilePath)
{
    settingsFileOverride() = iniFilePath;
}

UserSettings::UserSettings(const QString& windowKey)
    : m_windowKey(windowKey)
    , m_settings(openSettings())
{
}

UserSettings::~UserSettings()
{
    m_settings->sync();
}

bool UserSettings::exists() const
{
    return m_settings->childGroups().contains(m_windowKey);
}

QVariant UserSettings::raw(const QString& name) const
{
    return m_settings->value(m_windowKey + QLatin1Char('/') + name);
}

StoredValue<QString> UserSettings::readText(const QString& name) const
{
    const QVariant value = raw(name);
    if (!value.isValid())
        return {StoredValue<QString>::Status::Missing, {}};
    if (!isScalarText(value))
        return {StoredValue<QString>::Status::WrongType, {}};
    return {StoredValue<QString>::Status::Ok, value.toString()};
}

StoredValue<int> UserSettings::readInteger(const QString& name) const
{
    const QVariant value = raw(name);
    if (!value.isValid())
        return {StoredValue<int>::Status::Missing, 0};
    if (!isScalarText(value) && !isNumeric(value))
        return {StoredValue<int>::Status::WrongType, 0};
    bool ok = false;
    const int number = isScalarText(value) ? value.toString().trimmed().toInt(&ok) : value.toInt(&ok);
    if (!ok)
        return {StoredValue<int>::Status::WrongType, 0};
    return {StoredValue<int>::Status::Ok, number};
}

StoredValue<bool> UserSettings::readBool(const QString& name) const
{
    const QVariant value = raw(name);
    if (!value.isValid())
        return {StoredValue<bool>::Status::Missing, false};
    if (value.typeId() == QMetaType::Bool)
        return {StoredValue<bool>::Status::Ok, value.toBool()};
    // Booleans are kept as 0 or 1; "true"/"false" are accepted as well.
    const QString text = value.toString().trimmed().toLower();
    if (text == u"1" || text == u"true")
        return {StoredValue<bool>::Status::Ok, true};
    if (text == u"0" || text == u"false")
        return {StoredValue<bool>::Status::Ok, false};
    return {StoredValue<bool>::Status::WrongType, false};
}

void UserSettings::writeText(const QString& name, const QString& value)
{
    m_settings->setValue(m_windowKey + QLatin1Char('/') + name, value);
}

void UserSettings::writeInteger(const QString& name, int value)
{
    m_settings->setValue(m_windowKey + QLatin1Char('/') + name, value);
}

void UserSettings::writeBool(const QString& name, bool value)
{
    m_settings->setValue(m_windowKey + QLatin1Char('/') + name, value ? 1 : 0);
}

void UserSettings::sync()
{
    m_settings->sync();
}

} // namespace ui
