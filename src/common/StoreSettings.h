#pragma once

#include <QString>
#include <optional>

namespace store {

// Where the data of one alias lives: a SQLite file (the bundled catalogue) or a PostgreSQL database shared
// by a design office.
enum class Engine { Sqlite, Postgres };

struct AliasConfig {
    Engine engine = Engine::Sqlite;
    QString database; // SQLite: absolute file path; PostgreSQL: database name
    QString host; // PostgreSQL only
    int port = 5432;
    QString user;
    QString password;
    QString unknownDriver; // a Driver value the program does not know: opening the alias fails with it

    bool operator==(const AliasConfig&) const = default;
};

// The settings file: "zfn.ini" beside the program when it exists, else the one in the user's config
// folder, else none (empty text).
QString settingsFilePath();

// The configuration of an alias from the settings file at iniPath (empty: no file). An alias without a
// section, or a missing file, gives the bundled SQLite file beside the program ("vozuvada.sqlite",
// "pritoshka.sqlite"). Relative SQLite paths are taken from the settings file's folder.
AliasConfig readAliasConfig(const QString& iniPath, const QString& alias);

// A PostgreSQL database named as "postgresql://[user[:password]@]host[:port]/database" (zfn-cli options),
// or nothing when the text is not such a name.
std::optional<AliasConfig> postgresUrlConfig(const QString& text);
// The same database written as such a name, without the password.
QString postgresUrl(const AliasConfig& config);

// Default file name of an alias's bundled SQLite catalogue.
QString bundledFileName(const QString& alias);

} // namespace store
