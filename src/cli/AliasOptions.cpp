#include "cli/AliasOptions.h"

#include "common/CatalogueStore.h"

#include <QFileInfo>

namespace cli {

bool applyAliasOverrides(Arguments& args)
{
    bool ok = true;
    for (const QString& option : args.values(QStringLiteral("--alias"))) {
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        const QString name = option.left(equals).trimmed();
        const QString path = equals < 0 ? QString() : option.mid(equals + 1);
        const auto postgres = store::postgresUrlConfig(path);
        if (equals < 0 || !store::isAliasName(name) || path.isEmpty()) {
            args.addError(
                QStringLiteral("--alias wants NAME=PATH or NAME=postgresql://USER@HOST:PORT/DATABASE "
                               "with NAME one of %1: %2")
                    .arg(store::aliasNames().join(QStringLiteral(", ")), option));
            ok = false;
        } else if (postgres) {
            store::setAliasOverride(name, *postgres);
        } else if (!QFileInfo(path).isFile()) {
            args.addError(QStringLiteral("--alias %1: no such file: %2").arg(name, path));
            ok = false;
        } else {
            store::setAliasOverride(name, path);
        }
    }
    return ok;
}

} // namespace cli
