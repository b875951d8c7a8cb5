#include "cli/CliCommand.h"
#include "common/StoreError.h"
#include "common/StoreImport.h"
#include "office/ParadoxImport.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli catalogue import-paradox: a catalogue kept as Paradox tables into a SQLite file or a PostgreSQL
// database, the columns checked against what the program reads.
namespace {

int runImportParadox(cli::Arguments& args)
{
    const bool json = args.has(u"--json"_s);
    const auto out = args.value(u"--out"_s);
    const QStringList folders = args.positional();
    for (const QString& flag : args.unknownFlags({u"--out"_s}))
        args.addError(u"unknown option "_s + flag);
    if (folders.size() != 1)
        args.addError(u"catalogue import-paradox needs one folder of .db tables"_s);
    if (!out)
        args.addError(u"catalogue import-paradox needs --out FILE.sqlite or --out postgresql://..."_s);
    if (!args.errors().isEmpty())
        return cli::BadArguments;
    try {
        const office::ParadoxImportPlan plan = office::prepareParadoxFolder(folders.first());
        const auto postgres = store::postgresUrlConfig(*out);
        const auto tables = postgres ? store::writeCatalogue(plan.tables, *postgres)
                                     : store::writeCatalogue(plan.tables, *out);
        QJsonArray list;
        for (const auto& t : tables)
            list.append(QJsonObject {{u"table"_s, t.name}, {u"records"_s, t.records}});
        if (json) {
            cli::printJson(QJsonObject {{u"out"_s, postgres ? store::postgresUrl(*postgres) : *out},
                {u"tables"_s, list}, {u"skipped"_s, QJsonArray::fromStringList(plan.skippedTables)},
                {u"notes"_s, QJsonArray::fromStringList(plan.notes)}});
        } else {
            for (const auto& t : tables)
                cli::printLine(u"%1: записей %2"_s.arg(t.name).arg(t.records));
            for (const QString& skipped : plan.skippedTables)
                cli::printLine(u"%1: таблицу программа не читает, она не перенесена"_s.arg(skipped));
            for (const QString& note : plan.notes)
                cli::printLine(note);
        }
        return cli::Ok;
    } catch (const CatalogueError& error) {
        if (json)
            cli::printJson(QJsonObject {{u"error"_s, error.message()}});
        else
            cli::printError(error.message());
        return cli::Failure;
    }
}

} // namespace

ZFN_CLI_COMMAND("catalogue import-paradox",
    "catalogue import-paradox DIR --out FILE.sqlite|postgresql://USER@HOST:PORT/DB [--json]   a catalogue "
    "kept as Paradox tables (.db)",
    runImportParadox);
