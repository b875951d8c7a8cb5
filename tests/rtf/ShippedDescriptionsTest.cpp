#include "common/ProgramFolder.h"
#include "generator/CatalogueGenerator.h"
#include "printing/RtfReader.h"

#include <QDir>
#include <QTextDocument>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

// Every description shipped beside the program reads into a real Russian text: a broken control word or a
// wrong code page in one of them would show the user an empty or garbled window.
TEST(ShippedDescriptions, EveryFileReadsAsRussianText)
{
    const QStringList names = QDir(programFolder()).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    for (const QString& name : {QStringLiteral("Help.rtf"), QStringLiteral("Manual.rtf"),
             QStringLiteral("Manualsmk.rtf"), QStringLiteral("ModulSystem.rtf"),
             QStringLiteral("SmkCalk.rtf"), QStringLiteral("Podpor.rtf"), QStringLiteral("VozdZavesa.rtf"),
             QStringLiteral("VozdZavesaORK.rtf"), QStringLiteral("VozdZavesaTEM.rtf"),
             QStringLiteral("VozdZavesaPLN.rtf"), QStringLiteral("VozdAgregatLUMA.rtf")})
        EXPECT_TRUE(names.contains(name)) << name.toStdString();

    for (const QString& name : names) {
        QTextDocument document;
        ASSERT_TRUE(rtf::loadRtfFile(programFilePath(name), document)) << name.toStdString();
        const QString text = document.toPlainText();
        EXPECT_GT(text.size(), 200) << name.toStdString();
        const auto cyrillic = std::count_if(
            text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
        EXPECT_GT(cyrillic, text.size() / 3) << name.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\\')))
            << "control word shown as text in " << name.toStdString();
    }
}

// A series description states the flows and pressures of the series as the bundled catalogue has them: the
// figures are written from the catalogue when the program is built.
TEST(ShippedDescriptions, SeriesFiguresAreThoseOfTheBundledCatalogue)
{
    struct Range {
        double minFlow = 1e9, maxFlow = 0, maxPressure = 0;
    };
    std::map<QString, Range> ranges;
    const std::vector<FanRecord> tables[] {
        fans::CatalogueGenerator::generalFans(), fans::CatalogueGenerator::smokeFans()};
    for (const auto& table : tables) {
        for (const FanRecord& fan : table) {
            Range& range = ranges[fan.name.section(QLatin1Char(' '), 0, 0)];
            for (int i = 0; i < fan.pointCount; ++i) {
                range.minFlow = std::min(range.minFlow, fan.flow(i));
                range.maxFlow = std::max(range.maxFlow, fan.flow(i));
                range.maxPressure = std::max(range.maxPressure, fan.pressure(i));
            }
        }
    }
    ASSERT_GE(ranges.size(), 20u);
    for (const auto& [series, range] : ranges) {
        SCOPED_TRACE(series.toStdString());
        QTextDocument document;
        ASSERT_TRUE(rtf::loadRtfFile(programFilePath(series + QStringLiteral(".rtf")), document));
        const QString text = document.toPlainText();
        EXPECT_TRUE(
            text.contains(QStringLiteral("расход воздуха %1…%2 м").arg(range.minFlow).arg(range.maxFlow)))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("давление до %1 Па").arg(range.maxPressure)))
            << text.toStdString();
    }
}
