#include "fans/SelectionMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// zfn-cli select on the bundled catalogue.
namespace {

struct CliRun {
    int exitCode = -1;
    QJsonObject json;
};

CliRun select(const QStringList& arguments)
{
    QProcess process;
    process.start(
        qEnvironmentVariable("ZFN_CLI"), QStringList {u"select"_s} + arguments + QStringList {u"--json"_s});
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    return run;
}

} // namespace

TEST(SelectionCli, DutyPointOnTheBundledCatalogue)
{
    const CliRun run = select({u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject band = run.json[u"band"_s].toObject();
    EXPECT_DOUBLE_EQ(band[u"qmin"_s].toDouble(), 4250);
    EXPECT_DOUBLE_EQ(band[u"qmax"_s].toDouble(), 5750);
    EXPECT_DOUBLE_EQ(band[u"k"_s].toDouble(), 0.00002);
    EXPECT_DOUBLE_EQ(band[u"pmax"_s].toDouble(), 661.25);
    EXPECT_TRUE(run.json[u"messages"_s].toArray().isEmpty());
    const QJsonArray fans = run.json[u"fans"_s].toArray();
    ASSERT_GE(fans.size(), 5);
    for (qsizetype i = 0; i < fans.size(); ++i) {
        const QJsonObject fan = fans[i].toObject();
        const QString name = fan[u"designation"_s].toString();
        EXPECT_EQ(fan[u"number"_s].toInt(), i + 1) << name.toStdString();
        const double flow = fan[u"flow"_s].toDouble();
        EXPECT_EQ(flow, std::round(flow)) << name.toStdString();
        EXPECT_GE(flow, 4250) << name.toStdString();
        EXPECT_LE(flow, 5750) << name.toStdString();
        // The operating point lies on the system curve.
        EXPECT_NEAR(fan[u"pressure"_s].toDouble(), 0.00002 * flow * flow, 0.00002 * 2 * flow * 0.5 + 0.5);
        EXPECT_TRUE(fan[u"power"_s].isDouble()) << name.toStdString();
        EXPECT_TRUE(fan[u"air_speed"_s].isDouble()) << name.toStdString();
        for (const QJsonValue& point : fan[u"curve"_s].toArray())
            EXPECT_LT(point.toArray()[1].toDouble(), 661.25) << name.toStdString();
    }
}

TEST(SelectionCli, NarrowedBySeriesAndDiameter)
{
    const CliRun run = select({u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s, u"--series"_s, u"ДЮНА"_s,
        u"--diameter"_s, u"450"_s});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray fans = run.json[u"fans"_s].toArray();
    ASSERT_FALSE(fans.isEmpty());
    for (const QJsonValue& fan : fans) {
        EXPECT_TRUE(fan[u"designation"_s].toString().startsWith(u"ДЮНА 4,5-"_s));
        EXPECT_EQ(fan[u"diameter"_s].toInt(), 450);
    }
}

TEST(SelectionCli, MessagesAndBadArguments)
{
    using namespace fans::messages;
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList messages; // checked when the exit code is 1
    };
    const QStringList duty {u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s};
    const Case cases[] = {
        {{u"--flow"_s, u"0"_s, u"--pressure"_s, u"500"_s}, 1,
            {u"Количество подаваемого воздуха должено быть больше нуля!!!"_s}},
        {{u"--flow"_s, u"50000"_s, u"--pressure"_s, u"500"_s}, 1, {nothingAccepted(), nothingAcceptedHint()}},
        {duty + QStringList {u"--range"_s, u"30"_s}, 1, {tooManyFans()}},
        {duty + QStringList {u"--diameter"_s, u"12345"_s}, 1,
            {u"Отметьте галочкой хотя бы один! диаметр колеса, чтобы произвести подбор?!"_s}},
        {{u"--flow"_s, u"x"_s, u"--pressure"_s, u"500"_s}, 2, {}},
        {{u"--pressure"_s, u"500"_s}, 2, {}},
        {duty + QStringList {u"--range"_s, u"40"_s}, 2, {}},
        {duty + QStringList {u"--poles"_s, u"3"_s}, 2, {}},
        {duty + QStringList {u"--group"_s, u"roof"_s, u"--pressure-kind"_s, u"total"_s}, 2, {}},
        {duty + QStringList {u"--series"_s, u"НЕТ-ТАКОЙ"_s}, 2, {}},
        {duty + QStringList {u"--bogus"_s, u"1"_s}, 2, {}},
    };
    for (const Case& c : cases) {
        const CliRun run = select(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        if (c.exitCode == 1) {
            EXPECT_EQ(run.json[u"messages"_s].toVariant().toStringList(), c.messages)
                << c.arguments.join(u' ').toStdString();
            EXPECT_TRUE(run.json[u"fans"_s].toArray().isEmpty());
        }
    }
}
