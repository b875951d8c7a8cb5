#include "fans/CatalogueFixture.h"
#include "fans/FanDesignation.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionResultTables.h"
#include "support/CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

// A whole selection run on the fixture catalogue read from each engine: the same fans, in the same order,
// in the result tables and through zfn-cli.
class SelectionStore : public CatalogueFixture {
protected:
    // Every duct series of the catalogue ticked, for 1000 m³/h at 300 Pa.
    static SelectionRequest ductRequest()
    {
        SelectionRequest request;
        request.flow = 1000;
        request.pressure = 300;
        for (const SeriesEntry& series : FanCatalogue::generalSeries()) {
            if (series.group == FanGroup::Duct)
                request.series.push_back({series.name, series.icon == RoundDuctIcon});
        }
        return request;
    }
};

namespace {
// In series-list order (square, rectangular, then round series), catalogue order within a series.
const QStringList expectedFans = {u"O'Brien 4-4-3"_s, u"O'Brien 4,5-4-3"_s, u"Zeta 4-4-3"_s, u"AB 2,5-2-1"_s,
    u"Manual MC-7"_s, u"Manual MC-9"_s, u"ДлиннаяСерияВентиляторовК"_s};
} // namespace

TEST_P(SelectionStore, RunListsTheSameFansAndWritesTheResultTables)
{
    const GeneralSelection run = runGeneralSelection(ductRequest());
    ASSERT_EQ(run.outcome.status, SelectionOutcome::Status::Listed);
    QStringList listed;
    for (const FoundFan& fan : run.outcome.fans)
        listed << generalDesignation(*fan.record);
    EXPECT_EQ(listed, expectedFans);

    QStringList stored;
    for (const ResultRow& row : SelectionResultTables::read(ResultTable::Accepted))
        stored << row.fan.name;
    EXPECT_EQ(stored, expectedFans);
    EXPECT_EQ(SelectionResultTables::read(ResultTable::Candidates).size(), run.outcome.candidates.size());
}

// zfn-cli reads a catalogue it loaded itself into the engine's database: import, series lists, select.
TEST_P(SelectionStore, CliImportsListsAndSelects)
{
    const QString target
        = engine() == store::Engine::Sqlite ? config().database : store::postgresUrl(config());
    store::clearAliasOverrides(); // the program run below is the only reader
    const clirunner::CliRun import = clirunner::runCli({u"catalogue"_s, u"import"_s, u"--from"_s,
        testSourcePath(u"fans/fixtures/catalogue"_s), u"--out"_s, target, u"--json"_s});
    ASSERT_EQ(import.exitCode, 0) << import.out.constData() << import.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(import.out)[u"tables"_s].toArray().size(), 2);

    const QString alias = u"VOzuvada="_s + target;
    const clirunner::CliRun smoke
        = clirunner::runCli({u"catalogue"_s, u"series"_s, u"--smoke"_s, u"--json"_s, u"--alias"_s, alias});
    ASSERT_EQ(smoke.exitCode, 0) << smoke.out.constData() << smoke.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(smoke.out)[u"roofWall"_s].toArray().size(), 2);

    const clirunner::CliRun select = clirunner::runCli(
        {u"select"_s, u"--flow"_s, u"1000"_s, u"--pressure"_s, u"300"_s, u"--json"_s, u"--alias"_s, alias});
    ASSERT_EQ(select.exitCode, 0) << select.out.constData() << select.err.constData();
    QStringList listed;
    for (const QJsonValue& fan : QJsonDocument::fromJson(select.out)[u"fans"_s].toArray())
        listed << fan[u"designation"_s].toString();
    EXPECT_EQ(listed, expectedFans);
}

ZFN_ON_EVERY_ENGINE(SelectionStore);
