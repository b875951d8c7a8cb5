#include "cli/CliCommand.h"
#include "common/CatalogueStore.h"
#include "common/StoreImport.h"
#include "fans/FanCatalogue.h"
#include "fans/FanCatalogueCheck.h"
#include "fans/FanCatalogueSchema.h"
#include "office/CatalogueTables.h"

#include <QJsonArray>
#include <QJsonObject>

// zfn-cli catalogue check | series | import: the fan catalogue behind the alias VOzuvada.
namespace {

const QString jsonFlag = QStringLiteral("--json");

bool rejectUnknown(cli::Arguments& args, const QStringList& known)
{
    const QStringList unknown = args.unknownFlags(known);
    if (!unknown.isEmpty())
        args.addError(QStringLiteral("unknown option: ") + unknown.join(QStringLiteral(", ")));
    if (!args.positional().isEmpty())
        args.addError(QStringLiteral("unexpected words: ") + args.positional().join(QLatin1Char(' ')));
    return unknown.isEmpty() && args.positional().isEmpty();
}

int reportStoreError(const CatalogueError& error, bool json)
{
    if (json)
        cli::printJson(QJsonObject {{QStringLiteral("error"), error.message()}});
    else
        cli::printError(error.message());
    return cli::Failure;
}

QString catalogueDescription()
{
    const store::AliasConfig config = store::aliasConfig(store::vozuvadaAlias());
    return config.engine == store::Engine::Sqlite ? config.database
                                                  : QStringLiteral("postgresql://%1@%2:%3/%4")
                                                        .arg(config.user, config.host)
                                                        .arg(config.port)
                                                        .arg(config.database);
}

int runCheck(cli::Arguments& args)
{
    if (!rejectUnknown(args, {}))
        return cli::BadArguments;
    const bool json = args.has(jsonFlag);
    try {
        const QString catalogue = catalogueDescription();
        const auto findings = fans::checkFanCatalogue(store::aliasDatabase(store::vozuvadaAlias()));
        if (json) {
            QJsonArray list;
            for (const auto& f : findings)
                list.append(QJsonObject {{QStringLiteral("table"), f.table},
                    {QStringLiteral("record"), f.record}, {QStringLiteral("designation"), f.designation},
                    {QStringLiteral("message"), f.message}});
            cli::printJson(QJsonObject {{QStringLiteral("catalogue"), catalogue},
                {QStringLiteral("ok"), findings.empty()}, {QStringLiteral("findings"), list}});
        } else {
            for (const auto& f : findings) {
                QString where = f.table;
                if (f.record > 0)
                    where += QStringLiteral(", запись %1").arg(f.record);
                if (!f.designation.isEmpty())
                    where += QStringLiteral(" (%1)").arg(f.designation);
                cli::printLine(where + QStringLiteral(": ") + f.message);
            }
            cli::printLine(findings.empty()
                    ? QStringLiteral("Каталог %1: замечаний нет").arg(catalogue)
                    : QStringLiteral("Каталог %1: замечаний %2").arg(catalogue).arg(findings.size()));
        }
        return findings.empty() ? cli::Ok : cli::Failure;
    } catch (const CatalogueError& error) {
        return reportStoreError(error, json);
    }
}

struct SeriesGroupOut {
    QString key; // JSON key
    QString caption; // as the selection window captions the group
    QJsonArray entries;
};

int runSeries(cli::Arguments& args)
{
    if (!rejectUnknown(args, {QStringLiteral("--smoke")}))
        return cli::BadArguments;
    const bool json = args.has(jsonFlag);
    try {
        std::vector<SeriesGroupOut> groups;
        auto entry = [](const QString& name, int icon) {
            return QJsonObject {{QStringLiteral("name"), name}, {QStringLiteral("icon"), icon}};
        };
        if (args.has(QStringLiteral("--smoke"))) {
            groups = {{QStringLiteral("roofWall"), QStringLiteral("Крышные и пристенные"), {}},
                {QStringLiteral("radialAxial"), QStringLiteral("Радиальные и осевые"), {}}};
            for (const auto& s : fans::FanCatalogue::smokeSeries())
                groups[s.group == fans::SmokeGroup::RoofWall ? 0 : 1].entries.append(entry(s.name, s.icon));
        } else {
            groups = {{QStringLiteral("duct"), QStringLiteral("Канальные"), {}},
                {QStringLiteral("roof"), QStringLiteral("Крышные"), {}},
                {QStringLiteral("pressurization"), QStringLiteral("Подпора"), {}}};
            for (const auto& s : fans::FanCatalogue::generalSeries())
                groups[size_t(s.group)].entries.append(entry(s.name, s.icon));
        }
        if (json) {
            QJsonObject out;
            for (const auto& g : groups)
                out.insert(g.key, g.entries);
            cli::printJson(out);
        } else {
            for (const auto& g : groups) {
                cli::printLine(g.caption + QLatin1Char(':'));
                for (const auto& e : g.entries) {
                    const QJsonObject o = e.toObject();
                    cli::printLine(QStringLiteral("  [%1] %2")
                                       .arg(o.value(QStringLiteral("icon")).toInt())
                                       .arg(o.value(QStringLiteral("name")).toString()));
                }
            }
        }
        return cli::Ok;
    } catch (const CatalogueError& error) {
        return reportStoreError(error, json);
    }
}

int runImport(cli::Arguments& args)
{
    const auto out = args.value(QStringLiteral("--out"));
    if (!out)
        args.addError(QStringLiteral("catalogue import needs --out FILE.sqlite or --out postgresql://..."));
    if (!rejectUnknown(args, {QStringLiteral("--from"), QStringLiteral("--out")}) || !out)
        return cli::BadArguments;
    const bool json = args.has(jsonFlag);
    try {
        const QString from = args.value(QStringLiteral("--from")).value_or(QString());
        // A postgresql:// name loads the tables into that database; anything else is a SQLite file.
        const auto postgres = store::postgresUrlConfig(*out);
        const auto tables = postgres ? store::importTsvFolder(from, *postgres, office::knownTableDef)
                                     : store::importTsvFolder(from, *out, office::knownTableDef);
        QJsonArray list;
        for (const auto& t : tables) {
            list.append(
                QJsonObject {{QStringLiteral("table"), t.name}, {QStringLiteral("records"), t.records}});
            if (!json)
                cli::printLine(QStringLiteral("%1: записей %2").arg(t.name).arg(t.records));
        }
        if (json)
            cli::printJson(
                QJsonObject {{QStringLiteral("out"), postgres ? store::postgresUrl(*postgres) : *out},
                    {QStringLiteral("tables"), list}});
        return cli::Ok;
    } catch (const CatalogueError& error) {
        return reportStoreError(error, json);
    }
}

} // namespace

ZFN_CLI_COMMAND("catalogue check",
    "catalogue check [--json]   validate the fan catalogue (exit 1 on findings)", runCheck);
ZFN_CLI_COMMAND("catalogue series",
    "catalogue series [--smoke] [--json]   series lists of the selection windows", runSeries);
ZFN_CLI_COMMAND("catalogue import",
    "catalogue import [--from DIR] --out FILE.sqlite|postgresql://USER@HOST:PORT/DB   build a catalogue "
    "from *.tsv",
    runImport);
