#include "fans/SelectionMessages.h"
#include "fans/SpeedControlledSelection.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <numbers>

using namespace Qt::StringLiterals;

// zfn-cli select --speed-control and select-batch --speed-control on the bundled catalogue.
namespace {

const QStringList duty {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s, u"--speed-control"_s};

QJsonObject runJson(const QStringList& arguments, int expectedExit)
{
    const clirunner::CliRun run = clirunner::runCli(arguments + QStringList {u"--json"_s});
    EXPECT_EQ(run.exitCode, expectedExit) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// The pressure of a drawn curve at q, linear between its points.
double curvePressureAt(const QJsonArray& curve, double q)
{
    for (qsizetype i = 1; i < curve.size(); ++i) {
        const QJsonArray a = curve[i - 1].toArray();
        const QJsonArray b = curve[i].toArray();
        if (a[0].toDouble() <= q && q <= b[0].toDouble())
            return a[1].toDouble()
                + (b[1].toDouble() - a[1].toDouble()) * (q - a[0].toDouble())
                / (b[0].toDouble() - a[0].toDouble());
    }
    return -1;
}

} // namespace

// Every listed fan meets the duty by the fan laws, and the list is ranked by power.
TEST(SpeedControlledCli, FansMeetTheDutyRankedByPower)
{
    const QJsonObject json = runJson(duty, 0);
    EXPECT_TRUE(json[u"messages"_s].toArray().isEmpty());
    const QJsonArray fans = json[u"fans"_s].toArray();
    ASSERT_GE(fans.size(), 5);
    ASSERT_LE(fans.size(), fans::maxSpeedControlledFans);
    double lastPower = 0;
    for (qsizetype i = 0; i < fans.size(); ++i) {
        const QJsonObject fan = fans[i].toObject();
        SCOPED_TRACE(fan[u"designation"_s].toString().toStdString());
        EXPECT_EQ(fan[u"rank"_s].toInt(), i + 1);
        const double full = fan[u"full_speed_flow"_s].toDouble();
        const double r = fan[u"speed_ratio"_s].toDouble();
        const double power = fan[u"power"_s].toDouble();
        EXPECT_GE(full, 5000 * (1 - 1e-9));
        EXPECT_NEAR(r, 5000 / full, 1e-12);
        EXPECT_GE(r, 0.3);
        EXPECT_NEAR(fan[u"speed"_s].toDouble(), fan[u"rpm"_s].toDouble() * r, 1e-6);
        EXPECT_GE(power, lastPower);
        lastPower = power;
        EXPECT_NEAR(fan[u"efficiency"_s].toDouble(), 5000.0 * 500 / (3.6e6 * power), 1e-12);
        const double sfp = fan[u"sfp"_s].toDouble();
        EXPECT_NEAR(sfp, power / (5000.0 / 3600), 1e-12);
        EXPECT_EQ(fan[u"sfp_class"_s].toInt(), fans::sfpClassOf(sfp));
        for (const char* key : {"diameter", "duct", "poles", "phases", "noise_in", "noise_out", "noise_case",
                 "installed_power", "mass"})
            EXPECT_TRUE(fan.contains(QString::fromLatin1(key))) << key;
        // The curve at the duty speed passes through the duty point.
        EXPECT_NEAR(curvePressureAt(fan[u"curve"_s].toArray(), 5000), 500, 5);
        // The graphs of its data sheet mark the working point at the duty, drawing the power there.
        const QJsonObject working = fan[u"working_point"_s].toObject();
        EXPECT_EQ(working[u"flow"_s].toDouble(), 5000);
        EXPECT_EQ(working[u"pressure"_s].toDouble(), 500);
        EXPECT_NEAR(working[u"power"_s].toDouble(), power, 1e-9 * power);
        // The air speed in the duct at the duty flow.
        const QString duct = fan[u"duct"_s].toString();
        const QStringList sides = duct.split(u'*');
        const double diameter = QString(duct).remove(u"диам."_s).toDouble() / 1000;
        const double area = sides.size() == 2 ? sides[0].toDouble() * sides[1].toDouble() / 1e6
                                              : std::numbers::pi / 4 * diameter * diameter;
        EXPECT_NEAR(fan[u"air_speed"_s].toDouble(), 5000 / 3600.0 / area, 1e-9) << duct.toStdString();
    }
}

// The points the data sheet and its graphs draw are the catalogue's scaled by the fan laws.
TEST(SpeedControlledCli, DutySpeedPointsFollowTheFanLaws)
{
    const QJsonObject fan = runJson(duty, 0)[u"fans"_s].toArray().at(0).toObject();
    const double r = fan[u"speed_ratio"_s].toDouble();
    const QJsonArray catalogue
        = runJson({u"fan"_s, u"--designation"_s, fan[u"designation"_s].toString()}, 0)[u"curve"_s].toArray();
    const QJsonArray scaled = fan[u"duty_speed_points"_s].toArray();
    ASSERT_GE(catalogue.size(), 4);
    ASSERT_EQ(scaled.size(), catalogue.size());
    for (qsizetype i = 0; i < scaled.size(); ++i) {
        const QJsonArray full = catalogue[i].toArray();
        const QJsonArray slow = scaled[i].toArray();
        EXPECT_NEAR(slow[0].toDouble(), full[0].toDouble() * r, 1e-9 * full[0].toDouble()) << i;
        EXPECT_NEAR(slow[1].toDouble(), full[1].toDouble() * r * r, 1e-9 * full[1].toDouble()) << i;
        EXPECT_NEAR(slow[2].toDouble(), full[2].toDouble() * r * r * r, 1e-9 * full[2].toDouble()) << i;
    }
}

TEST(SpeedControlledCli, MinimumSpeedMessagesAndBadArguments)
{
    const QJsonArray fast = runJson(duty + QStringList {u"--min-speed"_s, u"90"_s}, 0)[u"fans"_s].toArray();
    ASSERT_FALSE(fast.isEmpty());
    for (const QJsonValue& fan : fast)
        EXPECT_GE(fan[u"speed_ratio"_s].toDouble(), 0.9);

    const QJsonObject none = runJson(
        {u"select"_s, u"--flow"_s, u"500000"_s, u"--pressure"_s, u"500"_s, u"--speed-control"_s}, 1);
    EXPECT_TRUE(none[u"fans"_s].toArray().isEmpty());
    EXPECT_EQ(none[u"messages"_s].toVariant().toStringList(),
        QStringList({fans::messages::nothingAccepted(), fans::messages::nothingAcceptedHint()}));

    const QStringList plain {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s};
    const struct {
        QStringList arguments;
        QString error;
    } bad[] = {
        {duty + QStringList {u"--min-speed"_s, u"0"_s}, u"--min-speed: bad value 0"_s},
        {duty + QStringList {u"--min-speed"_s, u"101"_s}, u"--min-speed: bad value 101"_s},
        {duty + QStringList {u"--min-speed"_s, u"abc"_s}, u"--min-speed: bad value abc"_s},
        {duty + QStringList {u"--min-speed"_s}, u"--min-speed: no value given"_s},
        {plain + QStringList {u"--min-speed"_s, u"50"_s}, u"--min-speed needs --speed-control"_s},
        {{u"select-batch"_s, u"--schedule"_s, testSourcePath(u"../docs/schedule-example.csv"_s), u"--smoke"_s,
             u"--speed-control"_s},
            u"not with --smoke"_s},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QStringList arguments = c.arguments;
        arguments.insert(1, u"--json"_s); // before an option left without its value
        const clirunner::CliRun run = clirunner::runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.error)) << run.err.toStdString();
    }
}

// A schedule row lists what select --speed-control lists for its duty, without the curves and the data
// sheet's figures.
TEST(SpeedControlledCli, BatchRowsListWhatTheSelectionLists)
{
    const QString schedule = testSourcePath(u"../docs/schedule-example.csv"_s);
    const QJsonArray rows
        = runJson({u"select-batch"_s, u"--schedule"_s, schedule, u"--speed-control"_s}, 1)[u"rows"_s]
              .toArray();
    ASSERT_EQ(rows.size(), 8);
    const QJsonArray listed = runJson(duty, 0)[u"fans"_s].toArray();
    const QJsonArray batch = rows[0].toObject()[u"fans"_s].toArray();
    ASSERT_EQ(batch.size(), listed.size());
    for (qsizetype i = 0; i < batch.size(); ++i) {
        QJsonObject same = listed[i].toObject();
        for (const QString& key : {u"curve"_s, u"duty_speed_points"_s, u"working_point"_s, u"air_speed"_s})
            same.remove(key);
        EXPECT_EQ(batch[i].toObject(), same);
    }
    EXPECT_FALSE(rows[5].toObject()[u"messages"_s].toArray().isEmpty()); // the row with a bad pressure

    const clirunner::CliRun csv = clirunner::runCli(
        {u"select-batch"_s, u"--schedule"_s, schedule, u"--speed-control"_s, u"--min-speed"_s, u"50"_s});
    const QList<QByteArray> lines = csv.out.split('\n');
    EXPECT_EQ(lines.front(),
        "tag,line,rank,designation,full_speed_flow,speed_ratio,speed,power,efficiency,sfp,sfp_class,message");
    EXPECT_TRUE(lines.at(1).startsWith("П1,2,1,")) << lines.at(1).toStdString();
}
