#include "SeriesFixture.h"
#include "support/CliRunner.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli series on the small catalogue of the series tests.
namespace {

using CliRun = clirunner::JsonRun;

} // namespace

class SeriesCli : public SeriesCatalogue {
protected:
    CliRun series(const QStringList& arguments)
    {
        return clirunner::runCliJson(QStringList {u"series"_s} + arguments
            + QStringList {u"--alias"_s, u"VOzuvada="_s + cataloguePath(), u"--json"_s});
    }
};

TEST_F(SeriesCli, GridCellsCurvesAndLabelsOfASeries)
{
    const CliRun run = series({u"--name"_s, u"canal r"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.json[u"series"_s].toString(), u"Canal R"_s);
    EXPECT_EQ(run.json[u"kind"_s].toString(), u"general"_s);
    EXPECT_EQ(run.json[u"axis_title"_s].toString(), u"Полное давление, Па"_s);
    const QJsonArray fans = run.json[u"fans"_s].toArray();
    ASSERT_EQ(fans.size(), 5);
    const QJsonObject first = fans[0].toObject();
    const std::pair<const char16_t*, const char16_t*> cells[]
        = {{u"number", u"1"}, {u"designation", u"Canal 2,5-4-3"}, {u"diameter", u"250"}, {u"rpm", u"1400"},
            {u"duct", u"диам. 250"}, {u"power_max", u"0.45"}, {u"poles", u"4"}, {u"phases", u"3"},
            {u"noise_in", u"74"}, {u"noise_out", u"77.5"}, {u"noise_case", u"68"},
            {u"installed_power", u"0,55"}, {u"mass", u"12.5"}, {u"fire", u""}};
    for (const auto& [key, value] : cells)
        EXPECT_EQ(first[QString::fromUtf16(key)].toString(), QString::fromUtf16(value))
            << QString::fromUtf16(key).toStdString();
    EXPECT_EQ(first[u"curve"_s].toArray().size(), 25);
    // The third fan's label stands on its last tabulated point: 1.5 × (3500 m³/h, 300 Pa).
    const QJsonArray label = fans[2].toObject()[u"label"_s].toArray();
    ASSERT_EQ(label.size(), 2);
    EXPECT_EQ(label[0].toDouble(), 5250);
    EXPECT_EQ(label[1].toDouble(), 450);
}

TEST_F(SeriesCli, SmokeSeriesAndRefusals)
{
    const CliRun smoke = series({u"--name"_s, u"Smk A"_s, u"--smoke"_s});
    ASSERT_EQ(smoke.exitCode, 0) << smoke.errors.toStdString();
    const QJsonArray fans = smoke.json[u"fans"_s].toArray();
    ASSERT_EQ(fans.size(), 2);
    EXPECT_EQ(fans[0].toObject()[u"fire"_s].toString(), u"+"_s);
    EXPECT_EQ(fans[1].toObject()[u"fire"_s].toString(), u"-"_s);
    EXPECT_EQ(fans[0].toObject()[u"duct"_s].toString(), QString());
    EXPECT_EQ(smoke.json[u"axis_title"_s].toString(), u"Полное давление при т-ре 20°C, Па"_s);

    for (const QStringList& bad : {QStringList {u"--name"_s, u"Nothing"_s}, QStringList {},
             QStringList {u"--name"_s, u"Canal R"_s, u"--icon"_s, u"x"_s}}) {
        const CliRun refused = series(bad);
        EXPECT_EQ(refused.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_FALSE(refused.errors.isEmpty());
    }
}
