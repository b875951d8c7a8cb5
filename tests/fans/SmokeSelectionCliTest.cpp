#include "fans/SelectionMessages.h"
#include "support/CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// zfn-cli select-smoke on the bundled catalogue.
namespace {

struct CliRun {
    int exitCode = -1;
    QJsonObject json;
    QString errors;
};

CliRun selectSmoke(const QStringList& arguments)
{
    const clirunner::CliRun done
        = clirunner::runCli(QStringList {u"select-smoke"_s} + arguments + QStringList {u"--json"_s});
    return {done.exitCode, QJsonDocument::fromJson(done.out).object(), QString::fromUtf8(done.err)};
}

QStringList duty(const char* flow, const char* pressure, const char* temperature)
{
    return {u"--flow"_s, QString::fromUtf8(flow), u"--pressure"_s, QString::fromUtf8(pressure),
        u"--temperature"_s, QString::fromUtf8(temperature)};
}

} // namespace

// Both groups list fans of their own series whose operating points lie on the system curve in the band,
// with the keys of the contract.
TEST(SmokeSelectionCli, RoofAndRadialGroupsListTheirFans)
{
    struct Case {
        QStringList arguments;
        QStringList seriesPrefixes;
    };
    const Case cases[] = {
        {duty("10000", "400", "20"), {u"КДУ-ГЭСТ"_s, u"КДО-ГЭСТ"_s, u"ВДН-ЖЭСТ"_s}},
        {duty("20000", "600", "400") + QStringList {u"--group"_s, u"radial"_s},
            {u"ВРД-ВИХРЬ"_s, u"ВРДМ-ТИТАН"_s, u"ОСД-ЖЭСТ"_s}},
    };
    for (const Case& c : cases) {
        const CliRun run = selectSmoke(c.arguments);
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const QJsonObject band = run.json[u"band"_s].toObject();
        const double k = band[u"k"_s].toDouble();
        const QJsonArray fans = run.json[u"fans"_s].toArray();
        ASSERT_FALSE(fans.isEmpty());
        for (qsizetype i = 0; i < fans.size(); ++i) {
            const QJsonObject fan = fans[i].toObject();
            const QString name = fan[u"designation"_s].toString();
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(fan[u"number"_s].toInt(), i + 1);
            EXPECT_TRUE(c.seriesPrefixes.contains(name.section(u' ', 0, 0)));
            EXPECT_TRUE(name.endsWith(u"ДУ-"_s + QString::number(fan[u"poles"_s].toInt())));
            const double flow = fan[u"flow"_s].toDouble();
            EXPECT_GE(flow, band[u"qmin"_s].toDouble());
            EXPECT_LE(flow, band[u"qmax"_s].toDouble());
            EXPECT_NEAR(fan[u"pressure"_s].toDouble(), k * flow * flow, k * flow + 0.5);
            EXPECT_GE(fan[u"power_max"_s].toDouble(), fan[u"power"_s].toDouble());
            EXPECT_EQ(fan[u"fire"_s].toString(), u"+"_s);
            for (const char* key : {"diameter", "rpm", "phases", "mass"})
                EXPECT_TRUE(fan[QString::fromUtf8(key)].isDouble()) << key;
            EXPECT_FALSE(fan[u"installed_power"_s].toString().isEmpty());
            EXPECT_FALSE(fan[u"curve"_s].toArray().isEmpty());
        }
    }
}

// The hot gas halves the catalogue pressures at 293 °C: the same fans meet half the pressure.
TEST(SmokeSelectionCli, HotGasMeetsTheScaledDuty)
{
    const CliRun cold = selectSmoke(duty("10000", "400", "20"));
    const CliRun hot
        = selectSmoke(duty("10000", QByteArray::number(400 * 293.0 / 566, 'g', 12).constData(), "293"));
    ASSERT_EQ(cold.exitCode, 0);
    ASSERT_EQ(hot.exitCode, 0);
    EXPECT_DOUBLE_EQ(hot.json[u"gas"_s][u"curve_factor"_s].toDouble(), 293.0 / 566);
    const QJsonArray coldFans = cold.json[u"fans"_s].toArray();
    const QJsonArray hotFans = hot.json[u"fans"_s].toArray();
    ASSERT_EQ(coldFans.size(), hotFans.size());
    for (qsizetype i = 0; i < coldFans.size(); ++i) {
        EXPECT_EQ(hotFans[i][u"designation"_s], coldFans[i][u"designation"_s]);
        EXPECT_NEAR(hotFans[i][u"flow"_s].toDouble(), coldFans[i][u"flow"_s].toDouble(), 1);
        EXPECT_NEAR(hotFans[i][u"power"_s].toDouble(), coldFans[i][u"power"_s].toDouble() * 293 / 566, 0.01);
    }
}

TEST(SmokeSelectionCli, FireClassAndNarrowing)
{
    // Of the roof and wall fans only the larger roof fans are rated for 600 °C.
    const CliRun run = selectSmoke(
        duty("10000", "400", "20") + QStringList {u"--fire"_s, u"600"_s, u"--poles"_s, u"4,6"_s});
    ASSERT_EQ(run.exitCode, 0);
    QStringList fire;
    for (const QJsonValue& fan : run.json[u"fans"_s].toArray()) {
        fire << fan[u"fire"_s].toString();
        EXPECT_TRUE(fan[u"poles"_s].toInt() == 4 || fan[u"poles"_s].toInt() == 6);
    }
    EXPECT_TRUE(fire.contains(u"+"_s));
    EXPECT_TRUE(fire.contains(u"-"_s));
}

TEST(SmokeSelectionCli, MessagesAndBadArguments)
{
    using namespace fans::messages;
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList messages; // checked when the exit code is 1
    };
    const QStringList roof = duty("10000", "400", "20");
    const Case cases[] = {
        {duty("900000", "400", "20"), 1, {nothingAccepted(), nothingAcceptedHint()}},
        {roof + QStringList {u"--diameter"_s, u"12345"_s}, 1,
            {u"Отметьте галочкой хотя бы один! диаметр колеса, чтобы произвести подбор?!"_s}},
        {duty("10000", "400", "-273"), 2, {}},
        {duty("10000", "400", "горячо"), 2, {}},
        {duty("0", "400", "20"), 2, {}},
        {duty("10000", "-5", "20"), 2, {}},
        {{u"--flow"_s, u"10000"_s, u"--pressure"_s, u"400"_s}, 2, {}},
        {roof + QStringList {u"--group"_s, u"duct"_s}, 2, {}},
        {roof + QStringList {u"--fire"_s, u"500"_s}, 2, {}},
        {roof + QStringList {u"--poles"_s, u"10"_s}, 2, {}},
        {roof + QStringList {u"--series"_s, u"ВРД-ВИХРЬ радиальный"_s}, 2, {}},
        {roof + QStringList {u"--pressure-kind"_s, u"total"_s}, 2, {}},
    };
    for (const Case& c : cases) {
        const CliRun run = selectSmoke(c.arguments);
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.exitCode == 1) {
            EXPECT_EQ(run.json[u"messages"_s].toVariant().toStringList(), c.messages);
            EXPECT_TRUE(run.json[u"fans"_s].toArray().isEmpty());
        } else if (c.exitCode == 2) {
            EXPECT_FALSE(run.errors.trimmed().isEmpty());
        }
    }
}
