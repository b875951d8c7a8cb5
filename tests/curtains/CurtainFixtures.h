#pragma once

#include "curtains/CurtainCalc.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

// A small curtain catalogue in memory and helpers shared by the curtain tests.
namespace curtains::testing {

inline QString g4(double value)
{
    return QString::number(value, 'g', 4);
}

inline CurtainCatalogue fakeCatalogue()
{
    CurtainCatalogue catalogue;
    catalogue.model = [](Series series, const QString& name) -> std::optional<CurtainModelRecord> {
        CurtainModelRecord r;
        r.name = name;
        r.section = QStringLiteral("800*200");
        r.flow = series == Series::Tem ? 17000 : 16500;
        r.motorPower = 3;
        r.noise = 70;
        r.waterLoss2 = 12;
        r.waterLoss3 = 18;
        r.electricNominal = 36.4;
        r.electricReduced = 24;
        return r;
    };
    catalogue.block = [](const QString& name) -> std::optional<PlnBlockRecord> {
        PlnBlockRecord r;
        r.name = name;
        r.heaterPower = name.endsWith(QStringLiteral("Э")) ? 4.5 : 20;
        r.waterFlow = 700;
        r.waterLoss = name.contains(QStringLiteral("Б")) ? 9 : 6;
        return r;
    };
    return catalogue;
}

inline CurtainRun runOf(const CurtainInputs& in)
{
    const CurtainOutcome outcome = calculateCurtain(in, fakeCatalogue(), QLatin1Char('.'));
    EXPECT_TRUE(outcome.run.has_value()) << outcome.refusal.message.toStdString();
    return outcome.run.value_or(CurtainRun {});
}

inline QString refusalOf(const CurtainInputs& in)
{
    const CurtainOutcome outcome = calculateCurtain(in, fakeCatalogue(), QLatin1Char('.'));
    EXPECT_FALSE(outcome.run.has_value());
    return outcome.refusal.message;
}

} // namespace curtains::testing
