#include "common/StoreSettings.h"

#include "common/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace store {

namespace {
const QString settingsFileName = QStringLiteral("zfn.ini");
}

QString settingsFilePath()
{
    QString besideProgram = programFilePath(settingsFileName);
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!configFolder.isEmpty()) {
        QString userFile = QDir(configFolder).filePath(QStringLiteral("Zefiron/") + settingsFileName);
        if (QFileInfo::exists(userFile))
            return userFile;
    }
    return {};
}

std::optional<AliasConfig> postgresUrlConfig(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres")))
        return std::nullopt;
    AliasConfig config;
    config.engine = Engine::Postgres;
    config.host = url.host();
    config.port = url.port(5432);
    config.user = url.userName();
    config.password = url.password();
    config.database = url.path().mid(1);
    if (config.host.isEmpty() || config.database.isEmpty() || config.database.contains(QLatin1Char('/')))
        return std::nullopt;
    return config;
}

QString postgresUrl(const AliasConfig& config)
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setHost(config.host);
    url.setPort(config.port);
    url.setUserName(config.user);
    url.setPath(QLatin1Char('/') + config.database);
    return url.toString();
}

QString bundledFileName(const QString& alias)
{
    return alias.toLower() + QStringLiteral(".sqlite");
}

AliasConfig readAliasConfig(const QString& iniPath, const QString& alias)
{
    AliasConfig config;
    config.database = programFilePath(bundledFileName(alias));
    if (iniPath.isEmpty() || !QFileInfo::exists(iniPath))
        return config;

    QSettings ini(iniPath, QSettings::IniFormat);
    // Section names are matched without regard to case, as alias names are.
    QString section;
    for (const QString& group : ini.childGroups()) {
        if (group.compare(alias, Qt::CaseInsensitive) == 0)
            section = group;
    }
    if (section.isEmpty())
        return config;
    ini.beginGroup(section);
    const QString driver
        = ini.value(QStringLiteral("Driver"), QStringLiteral("QSQLITE")).toString().trimmed();
    const QString database = ini.value(QStringLiteral("Database")).toString().trimmed();
    if (driver.compare(QStringLiteral("QPSQL"), Qt::CaseInsensitive) == 0) {
        config.engine = Engine::Postgres;
        config.database = database;
        config.host = ini.value(QStringLiteral("Host"), QStringLiteral("localhost")).toString().trimmed();
        bool ok = false;
        const int port = ini.value(QStringLiteral("Port")).toInt(&ok);
        config.port = ok && port > 0 ? port : 5432;
        config.user = ini.value(QStringLiteral("User")).toString();
        config.password = ini.value(QStringLiteral("Password")).toString();
    } else {
        if (driver.compare(QStringLiteral("QSQLITE"), Qt::CaseInsensitive) != 0)
            config.unknownDriver = driver;
        config.engine = Engine::Sqlite;
        if (!database.isEmpty())
            config.database = QDir::cleanPath(QFileInfo(iniPath).absoluteDir().absoluteFilePath(database));
    }
    return config;
}

} // namespace store
