#include "cli/CliCommand.h"
#include "cli/FanJson.h"
#include "cli/JsonListOutput.h"
#include "cli/SelectionOptions.h"
#include "common/AtomicSave.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FanDesignation.h"
#include "office/BatchSelection.h"
#include "office/CsvTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

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

QJsonObject rowJson(const BatchRow& row)
{
    QJsonArray fans;
    for (size_t i = 0; i < row.fans.size(); ++i)
        fans.append(fanJson(row, row.fans[i], int(i + 1)));
    for (size_t i = 0; i < row.speedControlledFans.size(); ++i)
        fans.append(cli::speedControlledFanJson(row.speedControlledFans[i], row.request->group, int(i + 1)));
    return {{u"tag"_s, row.tag}, {u"line"_s, row.line},
        {u"messages"_s, QJsonArray::fromStringList(row.messages)}, {u"fans"_s, fans}};
}

QString fixed(std::optional<double> value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QString();
}

const QByteArray csvHeader = "tag,line,rank,number,designation,flow,pressure,power,deviation,efficiency,"
                             "speed_for_duty,message\n";
const QByteArray speedControlledCsvHeader
    = "tag,line,rank,designation,full_speed_flow,speed_ratio,speed,power,efficiency,sfp,sfp_class,message\n";

QByteArray speedControlledRowCsv(const BatchRow& row, const QString& lead)
{
    QString lines;
    for (size_t i = 0; i < row.speedControlledFans.size(); ++i) {
        const fans::SpeedControlledFan& f = row.speedControlledFans[i];
        lines += lead
            + QStringList {QString::number(i + 1), office::csvCell(fans::generalDesignation(*f.record)),
                QString::number(roundHalfEven(f.fullSpeedFlow)), fixed(f.speedRatio, 4), fixed(f.speed, 0),
                fixed(f.power, 3), fixed(f.efficiency, 3), fixed(f.sfp, 3),
                f.sfpClass ? QString::number(*f.sfpClass) : QString(), QString()}
                  .join(u',')
            + u'\n';
    }
    return lines.toUtf8();
}

// One line per fan; a row without fans gets one line with its messages.
QByteArray rowCsv(const BatchRow& row)
{
    const QString lead = office::csvCell(row.tag) + u',' + QString::number(row.line) + u',';
    if (!row.listsFans())
        return (lead + u",,,,,,,,,"_s + office::csvCell(row.messages.join(u"; "_s)) + u'\n').toUtf8();
    if (!row.speedControlledFans.empty())
        return speedControlledRowCsv(row, lead);
    QString lines;
    for (size_t i = 0; i < row.fans.size(); ++i) {
        const office::BatchFan& f = row.fans[i];
        const QString designation = row.smokeRequest ? fans::smokeDesignation(*f.fan.record)
                                                     : fans::generalDesignation(*f.fan.record);
        lines += lead
            + QStringList {QString::number(i + 1), QString::number(f.number), office::csvCell(designation),
                QString::number(roundHalfEven(f.fan.operatingFlow)),
                QString::number(roundHalfEven(f.fan.operatingPressure)), fixed(f.fan.powerAtOperating, 3),
                fixed(f.fit.deviation, 2), fixed(f.fit.efficiency, 3), fixed(f.fit.speedForDuty, 0),
                QString()}
                  .join(u',')
            + u'\n';
    }
    return lines.toUtf8();
}

bool writeAll(QIODevice& out, const QByteArray& bytes)
{
    return out.write(bytes) == bytes.size();
}

// The schedule run with each row written out as soon as it is selected; what the rows without fans said is
// kept for a summary when one is wanted.
class BatchRun {
public:
    BatchRun(const office::Schedule& schedule, bool smoke, std::optional<int> minSpeedPercent,
        const office::BatchCatalogue& catalogue, bool summary)
        : m_schedule(schedule)
        , m_smoke(smoke)
        , m_minSpeedPercent(minSpeedPercent)
        , m_catalogue(catalogue)
        , m_summary(summary)
    {
    }

    bool speedControlled() const { return m_minSpeedPercent.has_value(); }

    // False when `write` did not take a row.
    bool run(const std::function<bool(const BatchRow&)>& write)
    {
        const auto take = [&](const BatchRow& row) {
            if (!row.listsFans()) {
                m_allListed = false;
                if (m_summary)
                    m_unlisted << u"строка %1 (%2): %3"_s.arg(row.line).arg(
                        row.tag, row.messages.join(u"; "_s));
            }
            return write(row);
        };
        return office::runBatch(m_schedule, m_smoke, m_catalogue, take, m_minSpeedPercent);
    }

    bool allListed() const { return m_allListed; }
    const QStringList& unlisted() const { return m_unlisted; }

private:
    const office::Schedule& m_schedule;
    bool m_smoke;
    std::optional<int> m_minSpeedPercent;
    const office::BatchCatalogue& m_catalogue;
    bool m_summary;
    bool m_allListed = true;
    QStringList m_unlisted;
};

bool writeCsv(QIODevice& out, BatchRun& batch)
{
    return writeAll(out, batch.speedControlled() ? speedControlledCsvHeader : csvHeader)
        && batch.run([&](const BatchRow& row) { return writeAll(out, rowCsv(row)); });
}

bool writeJson(QIODevice& out, BatchRun& batch)
{
    cli::JsonListOutput list(out, u"rows"_s);
    return batch.run([&](const BatchRow& row) { return list.append(rowJson(row)); }) && list.finish();
}

// The output on stdout, flushed and checked so that a full disk behind a redirection is not a success.
bool writeStdout(const std::function<bool(QIODevice&)>& write)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        cli::printError(u"Не удалось записать результат: "_s + out.errorString());
        return false;
    }
    const bool written = write(out) && std::fflush(stdout) == 0;
    if (!written)
        cli::printError(u"Не удалось записать результат: "_s
            + (out.error() != QFileDevice::NoError ? out.errorString()
                                                   : QString::fromLocal8Bit(std::strerror(errno))));
    return written;
}

int runSelectBatch(cli::Arguments& args)
{
    static const QStringList withValues {u"--schedule"_s, u"--out"_s, u"--min-speed"_s};
    for (const QString& flag :
        args.unknownFlags(withValues + QStringList {u"--smoke"_s, u"--speed-control"_s}))
        args.addError(u"unknown option "_s + flag);
    cli::checkValuesGiven(args, withValues);
    if (!args.positional().isEmpty())
        args.addError(u"unexpected words: "_s + args.positional().join(u' '));
    const auto schedulePath = args.value(u"--schedule"_s);
    const auto out = args.value(u"--out"_s);
    const bool json = args.has(u"--json"_s);
    if (!schedulePath && !args.has(u"--schedule"_s))
        args.addError(u"select-batch needs --schedule FILE.csv"_s);
    if (out && json)
        args.addError(u"select-batch writes either --out FILE.csv or --json"_s);
    const auto minSpeed = cli::speedControlOf(args);
    if (minSpeed && args.has(u"--smoke"_s))
        args.addError(u"--speed-control selects general-ventilation fans, not with --smoke"_s);
    QByteArray file;
    if (schedulePath) {
        QFile input(*schedulePath);
        if (input.open(QIODevice::ReadOnly))
            file = input.readAll();
        else
            args.addError(u"%1: %2"_s.arg(*schedulePath, input.errorString()));
    }
    if (!args.errors().isEmpty())
        return cli::BadArguments;

    const bool smoke = args.has(u"--smoke"_s);
    office::BatchCatalogue catalogue;
    office::Schedule schedule;
    try {
        catalogue = office::BatchCatalogue::fromStore(smoke);
        schedule = office::readSchedule(file);
    } catch (const office::ScheduleError& error) {
        cli::printError(*schedulePath + u": "_s + error.message());
        return cli::Failure;
    } catch (const CatalogueError& error) {
        cli::printError(error.message());
        return cli::Failure;
    }
    file = {};
    BatchRun batch(schedule, smoke, minSpeed, catalogue, out.has_value());
    if (json) {
        if (!writeStdout([&](QIODevice& device) { return writeJson(device, batch); }))
            return cli::Failure;
    } else if (out) {
        const SaveOutcome saved
            = saveFileAtomically(*out, [&](QIODevice& device) { return writeCsv(device, batch); });
        if (!saved) {
            cli::printError(u"Не удалось записать %1: %2"_s.arg(*out, saved.error()));
            return cli::Failure;
        }
        for (const QString& line : batch.unlisted())
            cli::printLine(line);
    } else if (!writeStdout([&](QIODevice& device) { return writeCsv(device, batch); })) {
        return cli::Failure;
    }
    return batch.allListed() ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("select-batch",
    "select-batch --schedule FILE.csv [--smoke | --speed-control [--min-speed PCT]] [--out FILE.csv | "
    "--json]   fans for every duty of an "
    "equipment "
    "schedule, ranked",
    runSelectBatch);
