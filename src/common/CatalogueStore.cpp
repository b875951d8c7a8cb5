#include "common/CatalogueStore.h"

#include "common/StoreQuery.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace store {

namespace {

struct StoreState {
    QMap<QString, AliasConfig> overrides; // canonical alias name -> configuration in effect
    QMap<QString, AliasConfig> openConfig; // configuration each open connection was opened with
    quint64 generation = 1;
};

StoreState& state()
{
    static StoreState s;
    return s;
}

QString canonicalAlias(const QString& name)
{
    for (const QString& alias : aliasNames()) {
        if (alias.compare(name, Qt::CaseInsensitive) == 0)
            return alias;
    }
    return {};
}

QString connectionName(const QString& alias)
{
    return QStringLiteral("zfn-alias-") + alias;
}
const QString workingConnectionName = QStringLiteral("zfn-working");

void closeConnection(const QString& name)
{
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// What SQLite's quick check finds wrong with an open file, or nothing. A damaged page can hide records
// from a plain read without any error (a cell count cut short drops the records past it); the check
// finds that in one pass over the file.
QString sqliteDamage(const QSqlDatabase& db)
{
    QStringList findings;
    try {
        StoreQuery check(db, QStringLiteral("PRAGMA quick_check"));
        while (check.next()) {
            const QString line = check.text(0);
            if (line != QLatin1String("ok"))
                findings << line.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        }
    } catch (const CatalogueError& error) {
        findings << error.message();
    }
    findings.removeAll(QStringLiteral("*** in database main ***"));
    if (findings.isEmpty())
        return {};
    if (!findings.last().startsWith(QLatin1String("database disk image is malformed")))
        findings << QStringLiteral("database disk image is malformed");
    return findings.join(QStringLiteral("; "));
}

// Opens a connection named name; messages begin with label (the alias).
QSqlDatabase openConnection(
    const QString& name, const QString& label, const AliasConfig& config, bool createFile = false)
{
    const QString& alias = label;
    if (!config.unknownDriver.isEmpty())
        throw CatalogueError(
            QStringLiteral("Псевдоним %1: неизвестный драйвер базы данных \"%2\" (допустимы QSQLITE и QPSQL)")
                .arg(alias, config.unknownDriver));
    QSqlDatabase db;
    if (config.engine == Engine::Sqlite) {
        // SQLite would quietly create an empty file; a missing catalogue is an error.
        if (!createFile && !QFileInfo(config.database).isFile())
            throw CatalogueError(
                QStringLiteral("Псевдоним %1: файл каталога не найден: %2").arg(alias, config.database));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(config.database);
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!db.isValid()) {
            QSqlDatabase::removeDatabase(name);
            throw CatalogueError(
                QStringLiteral("Псевдоним %1: драйвер PostgreSQL (QPSQL) не установлен").arg(alias));
        }
        db.setHostName(config.host);
        db.setPort(config.port);
        db.setDatabaseName(config.database);
        db.setUserName(config.user);
        db.setPassword(config.password);
    }
    if (!db.open()) {
        const QString message = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw CatalogueError(QStringLiteral("Псевдоним %1: %2").arg(alias, message));
    }
    if (config.engine == Engine::Sqlite && !createFile) {
        if (const QString damage = sqliteDamage(db); !damage.isEmpty()) {
            db = QSqlDatabase();
            closeConnection(name);
            throw CatalogueError(QStringLiteral("Псевдоним %1: %2").arg(alias, damage));
        }
    }
    // Notices ("table does not exist, skipping") are not for the user's terminal.
    if (config.engine == Engine::Postgres)
        QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
    return db;
}

} // namespace

QStringList aliasNames()
{
    return {vozuvadaAlias(), pritoshkaAlias()};
}

bool isAliasName(const QString& name)
{
    return !canonicalAlias(name).isEmpty();
}

void setAliasOverride(const QString& alias, const QString& sqlitePath)
{
    AliasConfig config;
    config.engine = Engine::Sqlite;
    config.database = QFileInfo(sqlitePath).absoluteFilePath();
    setAliasOverride(alias, config);
}

void setAliasOverride(const QString& alias, const AliasConfig& config)
{
    const QString canonical = canonicalAlias(alias);
    if (canonical.isEmpty())
        throw CatalogueError(QStringLiteral("Неизвестный псевдоним каталога: %1").arg(alias));
    state().overrides.insert(canonical, config);
    closeConnection(connectionName(canonical));
    state().openConfig.remove(canonical);
    ++state().generation;
}

void clearAliasOverrides()
{
    for (const QString& alias : state().overrides.keys()) {
        closeConnection(connectionName(alias));
        state().openConfig.remove(alias);
    }
    state().overrides.clear();
    ++state().generation;
}

AliasConfig aliasConfig(const QString& alias)
{
    const QString canonical = canonicalAlias(alias);
    if (canonical.isEmpty())
        throw CatalogueError(QStringLiteral("Неизвестный псевдоним каталога: %1").arg(alias));
    const auto overridden = state().overrides.constFind(canonical);
    if (overridden != state().overrides.constEnd())
        return *overridden;
    return readAliasConfig(settingsFilePath(), canonical);
}

QSqlDatabase aliasDatabase(const QString& alias)
{
    const AliasConfig config = aliasConfig(alias);
    const QString canonical = canonicalAlias(alias);
    const QString name = connectionName(canonical);
    // The settings file may have been edited since the connection was opened.
    const auto open = state().openConfig.constFind(canonical);
    if (open != state().openConfig.constEnd() && !(*open == config)) {
        closeConnection(name);
        state().openConfig.remove(canonical);
        ++state().generation;
    }
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            return db;
        closeConnection(name);
    }
    QSqlDatabase db = openConnection(name, canonical, config);
    state().openConfig.insert(canonical, config);
    return db;
}

QSqlDatabase workingDatabase()
{
    if (QSqlDatabase::contains(workingConnectionName)) {
        QSqlDatabase db = QSqlDatabase::database(workingConnectionName, false);
        if (db.isOpen())
            return db;
    }
    // An in-memory database is private to this process and vanishes with it.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), workingConnectionName);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        throw CatalogueError(db.lastError().text());
    return db;
}

OwnConnection::OwnConnection(const AliasConfig& config, bool createFile)
    : m_name(QStringLiteral("zfn-own-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    const QString label = config.engine == Engine::Sqlite ? config.database : postgresUrl(config);
    openConnection(m_name, label, config, createFile);
}

OwnConnection::~OwnConnection()
{
    closeConnection(m_name);
}

QSqlDatabase OwnConnection::db() const
{
    return QSqlDatabase::database(m_name, false);
}

quint64 configurationGeneration()
{
    // Reading the configuration notices an edited settings file.
    for (const QString& alias : aliasNames()) {
        const auto open = state().openConfig.constFind(alias);
        if (open != state().openConfig.constEnd() && !(*open == aliasConfig(alias))) {
            closeConnection(connectionName(alias));
            state().openConfig.remove(alias);
            ++state().generation;
        }
    }
    return state().generation;
}

void closeAll()
{
    for (const QString& alias : aliasNames())
        closeConnection(connectionName(alias));
    state().openConfig.clear();
    closeConnection(workingConnectionName);
    ++state().generation;
}

} // namespace store
