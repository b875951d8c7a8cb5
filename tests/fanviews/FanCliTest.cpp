#include "support/CliRunner.h"
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// zfn-cli fan on the bundled catalogue.
namespace {

using CliRun = clirunner::JsonRun;

CliRun fan(const QStringList& arguments)
{
    return clirunner::runCliJson(QStringList {u"fan"_s} + arguments + QStringList {u"--json"_s});
}

} // namespace

TEST(FanCli, CurveWorkingPointAndOctavesOfAGeneralFan)
{
    const CliRun first = fan({u"--designation"_s, u"вкк-скат 2,5-4-3"_s});
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.json[u"designation"_s].toString(), u"ВКК-СКАТ 2,5-4-3"_s)
        << "found without regard to case";
    EXPECT_EQ(first.json[u"kind"_s].toString(), u"duct"_s);
    EXPECT_TRUE(first.json[u"working_point"_s].isNull()) << "no flow asked";
    const QJsonArray curve = first.json[u"curve"_s].toArray();
    ASSERT_GE(curve.size(), 4);
    const QJsonArray second = curve[1].toArray();

    // At a tabulated flow the working point is that point: pressure whole, power as tabulated.
    const double flow = second[0].toDouble();
    const CliRun at = fan({u"--designation"_s, u"ВКК-СКАТ 2,5-4-3"_s, u"--flow"_s, QString::number(flow)});
    ASSERT_EQ(at.exitCode, 0);
    const QJsonObject point = at.json[u"working_point"_s].toObject();
    EXPECT_EQ(point[u"flow"_s].toDouble(), flow);
    EXPECT_EQ(point[u"pressure"_s].toDouble(), std::round(second[1].toDouble()));
    EXPECT_NEAR(point[u"power"_s].toDouble(), second[2].toDouble(), 1e-9);

    const QJsonObject octaves = at.json[u"octaves"_s].toObject();
    for (const char16_t* row : {u"inlet", u"outlet", u"case"})
        EXPECT_EQ(octaves[QString::fromUtf16(row)].toArray().size(), 8);

    const double last = curve.last().toArray()[0].toDouble();
    const CliRun outside
        = fan({u"--designation"_s, u"ВКК-СКАТ 2,5-4-3"_s, u"--flow"_s, QString::number(last)});
    ASSERT_EQ(outside.exitCode, 0);
    EXPECT_TRUE(outside.json[u"working_point"_s].isNull())
        << "the last tabulated flow lies outside the curve";
}

TEST(FanCli, SmokeFanCurvesFollowTheGasTemperature)
{
    const CliRun air = fan({u"--designation"_s, u"КДУ-ГЭСТ 3,55ДУ-4"_s, u"--smoke"_s});
    const CliRun hot
        = fan({u"--designation"_s, u"КДУ-ГЭСТ 3,55ДУ-4"_s, u"--smoke"_s, u"--temperature"_s, u"293"_s});
    ASSERT_EQ(air.exitCode, 0);
    ASSERT_EQ(hot.exitCode, 0);
    EXPECT_EQ(air.json[u"kind"_s].toString(), u"roof"_s);
    const QJsonArray cold = air.json[u"curve"_s].toArray();
    const QJsonArray warm = hot.json[u"curve"_s].toArray();
    ASSERT_EQ(cold.size(), warm.size());
    ASSERT_FALSE(cold.isEmpty());
    for (qsizetype i = 0; i < cold.size(); ++i) {
        const QJsonArray c = cold[i].toArray();
        const QJsonArray w = warm[i].toArray();
        EXPECT_EQ(w[0].toDouble(), c[0].toDouble()) << "flows stay";
        EXPECT_NEAR(w[1].toDouble(), c[1].toDouble() * 293 / 566, 1e-9);
        EXPECT_NEAR(w[2].toDouble(), c[2].toDouble() * 293 / 566, 1e-12);
    }
}

TEST(FanCli, BadArgumentsExitWithTwo)
{
    const QStringList cases[] = {
        {},
        {u"--designation"_s, u"НЕТ ТАКОГО 1-2-3"_s},
        {u"--designation"_s, u"ВКК-СКАТ 2,5-4-3"_s, u"--temperature"_s, u"100"_s},
        {u"--designation"_s, u"КДУ-ГЭСТ 3,55ДУ-4"_s, u"--smoke"_s, u"--temperature"_s, u"-273"_s},
        {u"--designation"_s, u"КДУ-ГЭСТ 3,55ДУ-4"_s, u"--smoke"_s, u"--temperature"_s, u"жарко"_s},
        {u"--designation"_s, u"ВКК-СКАТ 2,5-4-3"_s, u"--flow"_s, u"0"_s},
        {u"--designation"_s, u"ВКК-СКАТ 2,5-4-3"_s, u"--speed"_s, u"1"_s},
    };
    for (const QStringList& arguments : cases)
        EXPECT_EQ(fan(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
}
