#include "cli/CliCommand.h"
#include "cli/FanJson.h"
#include "common/AtomicSave.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FanDesignation.h"
#include "office/BatchSelection.h"
#include "office/CsvTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

// zfn-cli select-batch: the fans for every duty of an equipment schedule, ranked for the engineer.
namespace {

using office::BatchRow;

QJsonObject fanJson(const BatchRow& row, const office::BatchFan& fan, int rank)
{
    QJsonObject json = row.smokeRequest
        ? cli::smokeFanJson(fan.fan, row.smokeRequest->fireClass, fan.number, row.requiredFlow())
        : cli::generalFanJson(fan.fan, row.request->group, fan.number, row.requiredFlow());
    json.insert(u"rank"_s, rank);
    return json;
}

QJsonObject rowsJson(const std::vector<BatchRow>& rows)
{
    QJsonArray list;
    for (const BatchRow& row : rows) {
        QJsonArray fans;
        for (size_t i = 0; i < row.fans.size(); ++i)
            fans.append(fanJson(row, row.fans[i], int(i + 1)));
        list.append(QJsonObject {{u"tag"_s, row.tag}, {u"line"_s, row.line},
            {u"messages"_s, QJsonArray::fromStringList(row.messages)}, {u"fans"_s, fans}});
    }
    return {{u"rows"_s, list}};
}

QString fixed(std::optional<double> value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QString();
}

// One line per row and fan; a row without fans gets one line with its messages.
QByteArray rowsCsv(const std::vector<BatchRow>& rows)
{
    QStringList lines {u"tag,line,rank,number,designation,flow,pressure,power,deviation,efficiency,"
                       "speed_for_duty,message"_s};
    for (const BatchRow& row : rows) {
        const QString lead = office::csvCell(row.tag) + u',' + QString::number(row.line) + u',';
        if (row.fans.empty())
            lines << lead + u",,,,,,,,,"_s + office::csvCell(row.messages.join(u"; "_s));
        for (size_t i = 0; i < row.fans.size(); ++i) {
            const office::BatchFan& f = row.fans[i];
            const QString designation = row.smokeRequest ? fans::smokeDesignation(*f.fan.record)
                                                         : fans::generalDesignation(*f.fan.record);
            lines << lead
                    + QStringList {QString::number(i + 1), QString::number(f.number),
                        office::csvCell(designation), QString::number(roundHalfEven(f.fan.operatingFlow)),
                        QString::number(roundHalfEven(f.fan.operatingPressure)),
                        fixed(f.fan.powerAtOperating, 3), fixed(f.fit.deviation, 2),
                        fixed(f.fit.efficiency, 3), fixed(f.fit.speedForDuty, 0), QString()}
                          .join(u',');
        }
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

int runSelectBatch(cli::Arguments& args)
{
    for (const QString& flag : args.unknownFlags({u"--schedule"_s, u"--smoke"_s, u"--out"_s}))
        args.addError(u"unknown option "_s + flag);
    if (!args.positional().isEmpty())
        args.addError(u"unexpected words: "_s + args.positional().join(u' '));
    const auto schedulePath = args.value(u"--schedule"_s);
    const auto out = args.value(u"--out"_s);
    const bool json = args.has(u"--json"_s);
    if (!schedulePath)
        args.addError(u"select-batch needs --schedule FILE.csv"_s);
    if (out && json)
        args.addError(u"select-batch writes either --out FILE.csv or --json"_s);
    QByteArray schedule;
    if (schedulePath) {
        QFile file(*schedulePath);
        if (file.open(QIODevice::ReadOnly))
            schedule = file.readAll();
        else
            args.addError(u"%1: %2"_s.arg(*schedulePath, file.errorString()));
    }
    if (!args.errors().isEmpty())
        return cli::BadArguments;

    std::vector<BatchRow> rows;
    try {
        const bool smoke = args.has(u"--smoke"_s);
        rows = office::runBatch(schedule, smoke, office::BatchCatalogue::fromStore(smoke));
    } catch (const office::ScheduleError& error) {
        cli::printError(*schedulePath + u": "_s + error.message());
        return cli::Failure;
    } catch (const CatalogueError& error) {
        cli::printError(error.message());
        return cli::Failure;
    }
    const bool allListed
        = std::all_of(rows.begin(), rows.end(), [](const BatchRow& r) { return !r.fans.empty(); });
    if (json) {
        cli::printJson(rowsJson(rows));
    } else if (out) {
        const SaveOutcome saved = saveFileAtomically(*out, rowsCsv(rows));
        if (!saved) {
            cli::printError(u"Не удалось записать %1: %2"_s.arg(*out, saved.error()));
            return cli::Failure;
        }
        for (const BatchRow& row : rows) {
            if (row.fans.empty())
                cli::printLine(
                    u"строка %1 (%2): %3"_s.arg(row.line).arg(row.tag, row.messages.join(u"; "_s)));
        }
    } else {
        fputs(rowsCsv(rows).constData(), stdout);
    }
    return allListed ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("select-batch",
    "select-batch --schedule FILE.csv [--smoke] [--out FILE.csv | --json]   fans for every duty of an "
    "equipment "
    "schedule, ranked",
    runSelectBatch);
