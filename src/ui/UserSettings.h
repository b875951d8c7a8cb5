#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

// Inputs a task window remembers per user from one run of the program to the next. Each window keeps
// its values in a group of its own (the window key, e.g. "ChildwinVozdAgregatLUMA") under the
// program's per-user settings. Windows use this class, never QSettings directly, so that tests can
// point the storage at a file of their own.
namespace ui {

// Result of a typed read: the value, or why there is none. A window that restores its inputs stops
// at the first value that is missing or of the wrong type.
template <typename T> struct StoredValue {
    enum class Status { Ok, Missing, WrongType };
    Status status = Status::Missing;
    T value {};

    bool ok() const { return status == Status::Ok; }
};

class UserSettings {
public:
    explicit UserSettings(const QString& windowKey);
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    // True when the window key exists, i.e. some window of this kind has stored its inputs before.
    bool exists() const;

    StoredValue<QString> readText(const QString& name) const;
    StoredValue<int> readInteger(const QString& name) const;
    StoredValue<bool> readBool(const QString& name) const;

    void writeText(const QString& name, const QString& value);
    void writeInteger(const QString& name, int value);
    void writeBool(const QString& name, bool value);

    // Writes everything to the storage now (also done on destruction).
    void sync();

private:
    QVariant raw(const QString& name) const;

    QString m_windowKey;
    std::unique_ptr<QSettings> m_settings;
};

// Points all per-user settings at an INI file (tests); an empty path restores the user's own storage.
void setUserSettingsFile(const QString& iniFilePath);

} // namespace ui
