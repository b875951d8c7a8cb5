#include "cli/CliCommand.h"
#include "generator/CatalogueGenerator.h"
#include "generator/CatalogueGeneratorTsv.h"

#include <QDir>
#include <QJsonObject>
#include <cmath>

// zfn-cli catalogue generate: writes the text sources of the bundled fan catalogue.
namespace {

// Large enough for load tests, small enough to stay in memory with its text.
constexpr int maxFanCount = 500000;

// A fan count option: absent gives 0 (the catalogue as bundled); anything but a whole number from 1 to
// maxFanCount is an error.
std::optional<int> fanCountOption(cli::Arguments& args, const QString& flag)
{
    if (!args.value(flag))
        return 0;
    const auto value = args.number(flag);
    if (!value)
        return std::nullopt;
    if (*value < 1 || *value != std::floor(*value) || *value > maxFanCount) {
        args.addError(
            QStringLiteral("%1 wants a whole number of fans from 1 to %2").arg(flag).arg(maxFanCount));
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

int generate(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags(
        {QStringLiteral("--out"), QStringLiteral("--scale"), QStringLiteral("--smoke-scale")});
    if (!unknown.isEmpty()) {
        args.addError(QStringLiteral("unknown option: %1").arg(unknown.join(QStringLiteral(", "))));
        return cli::BadArguments;
    }
    const auto out = args.value(QStringLiteral("--out"));
    if (!out || out->isEmpty()) {
        args.addError(QStringLiteral("--out DIR is required"));
        return cli::BadArguments;
    }
    const auto generalCount = fanCountOption(args, QStringLiteral("--scale"));
    const auto smokeCount = fanCountOption(args, QStringLiteral("--smoke-scale"));
    if (!generalCount || !smokeCount)
        return cli::BadArguments;

    if (!QDir().mkpath(*out)) {
        cli::printError(QStringLiteral("cannot create the folder %1").arg(*out));
        return cli::Failure;
    }
    const QDir dir(*out);
    const auto general = fans::CatalogueGenerator::generalFans(*generalCount);
    const auto smoke = fans::CatalogueGenerator::smokeFans(*smokeCount);
    const struct {
        QString file;
        fans::CatalogueKind kind;
        const std::vector<FanRecord>& fans;
    } tables[] = {{QStringLiteral("razmzfn.tsv"), fans::CatalogueKind::General, general},
        {QStringLiteral("razmzfnsmk.tsv"), fans::CatalogueKind::Smoke, smoke}};

    QJsonObject result;
    for (const auto& table : tables) {
        const QString path = dir.filePath(table.file);
        const QString error = fans::writeCatalogueTsv(path, fans::catalogueTsv(table.kind, table.fans));
        if (!error.isEmpty()) {
            cli::printError(QStringLiteral("cannot write %1: %2").arg(path, error));
            return cli::Failure;
        }
        result.insert(table.file, static_cast<qint64>(table.fans.size()));
        if (!args.has(QStringLiteral("--json")))
            cli::printLine(QStringLiteral("%1: %2 fans").arg(path).arg(table.fans.size()));
    }
    if (args.has(QStringLiteral("--json")))
        cli::printJson(result);
    return cli::Ok;
}

} // namespace

ZFN_CLI_COMMAND(
    "catalogue generate", "catalogue generate [--scale FANS] [--smoke-scale FANS] --out DIR", generate);
