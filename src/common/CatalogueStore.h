#pragma once

#include "common/StoreError.h"
#include "common/StoreSettings.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The catalogue store: two aliases configured in zfn.ini, each opened implicitly on first use, plus a
// working database private to this process for the working tables of a run (never the catalogue).
// Every failure throws CatalogueError with the engine's message.
namespace store {

inline QString vozuvadaAlias()
{
    return QStringLiteral("VOzuvada");
} // fan catalogue
inline QString pritoshkaAlias()
{
    return QStringLiteral("Pritoshka");
} // unit elements, curtains, heaters
QStringList aliasNames();
bool isAliasName(const QString& name); // case-insensitive

// Use a SQLite file for an alias instead of its configuration (tests, zfn-cli --alias). The file must
// exist when the alias is next opened. Closes the alias's open connection.
void setAliasOverride(const QString& alias, const QString& sqlitePath);
// The same with any configuration, e.g. a PostgreSQL database.
void setAliasOverride(const QString& alias, const AliasConfig& config);
void clearAliasOverrides();

// The configuration in effect for an alias: its override, else zfn.ini, else the bundled file.
AliasConfig aliasConfig(const QString& alias);

// The open connection of an alias, opened on first use. Throws CatalogueError (unknown alias, missing
// SQLite file, a server that refuses the connection).
QSqlDatabase aliasDatabase(const QString& alias);

// The working database of this process (SQLite in memory, unique to the process).
QSqlDatabase workingDatabase();

// A connection of its own to the database of a configuration (imports, tests), closed and removed when
// it goes. A SQLite file must exist unless createFile is set. Throws CatalogueError when it cannot open.
class OwnConnection {
public:
    explicit OwnConnection(const AliasConfig& config, bool createFile = false);
    ~OwnConnection();
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    QSqlDatabase db() const;

private:
    QString m_name;
};

// Increases whenever an alias's configuration changes, so that caches of catalogue contents know when
// to read again.
quint64 configurationGeneration();

// Closes every connection (the next use opens them again).
void closeAll();

} // namespace store
