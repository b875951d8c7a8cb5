#include "app/CatalogueStatus.h"

#include "common/CatalogueStore.h"

#include <QDir>

QString openCatalogueStatus()
{
    const QString alias = store::vozuvadaAlias();
    try {
        store::aliasDatabase(alias);
    } catch (const CatalogueError& error) {
        return QStringLiteral("Каталог не открыт: ") + error.message();
    }
    const store::AliasConfig config = store::aliasConfig(alias);
    if (config.engine == store::Engine::Postgres) {
        return QStringLiteral("Каталог: база данных %1 на сервере %2")
            .arg(config.database, config.host.isEmpty() ? QStringLiteral("localhost") : config.host);
    }
    return QStringLiteral("Каталог: ") + QDir::toNativeSeparators(config.database);
}
