#include "fans/FanDesignation.h"
#include "fanviews/FanKind.h"
#include "fanviews/FanPictures.h"
#include "fanviews/SoundPowerLevels.h"
#include "generator/CatalogueGenerator.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace fanviews;
using namespace Qt::Literals::StringLiterals;

TEST(FanKindTable, FirstSeriesCodeWinsAndNamesTheTitles)
{
    struct Case {
        QString designation;
        FanKind kind;
        QString graphs;
    };
    const Case cases[] = {
        {u"КРОВ-ЛТМЖ 4-4-3"_s, FanKind::RoofLowNoise,
            u"ЗФН: Графики характеристик крышного вентилятора:  "_s},
        {u"ЛТМЖ-ГЭСТ 4-4-3"_s, FanKind::RoofLowNoise,
            u"ЗФН: Графики характеристик крышного вентилятора:  "_s},
        {u"ЖЭСТ-ГЭСТ 5-4-3"_s, FanKind::Axial, u"ЗФН: Графики характеристик осевого вентилятора:  "_s},
        {u"КДУ-ГЭСТ 3,55-4-3"_s, FanKind::Roof, u"ЗФН: Графики характеристик крышного вентилятора:  "_s},
        {u"ВКК 3,15-4-3"_s, FanKind::Duct, u"ЗФН: Графики характеристик канального вентилятора:  "_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fanKindOf(c.designation), c.kind) << c.designation.toStdString();
        EXPECT_EQ(graphsTitlePrefix(fanKindOf(c.designation)), c.graphs);
    }
    EXPECT_EQ(drawingTitlePrefix(FanKind::Axial), u"ЗФН: Основные размеры осевого вентилятора:  "_s);
    EXPECT_EQ(printTitlePrefix(FanKind::Duct), u"ЗФН: Печать характеристик канального вентилятора:  "_s);
    EXPECT_EQ(printCharacteristicsHeading(FanKind::RoofLowNoise),
        u"Характеристики крышного вентилятора с пониж. уровнем шума"_s);
    EXPECT_EQ(printDimensionsHeading(FanKind::RoofLowNoise), u"Основные размеры крышного вентилятора:"_s);
}

TEST(SoundPowerLevels, BandCorrectionsByKindAndLevel)
{
    const double inlet = 85;
    const auto duct = soundPowerLevels(u"ВКК 3,15-4-3"_s, inlet, 0, 0);
    ASSERT_TRUE(duct.inlet);
    EXPECT_EQ(*duct.inlet, (OctaveLevels {75, 78, 72, 85, 78, 77, 75, 70}));
    EXPECT_FALSE(duct.outlet) << "level 0 leaves the row empty";
    EXPECT_FALSE(duct.casing);
    EXPECT_FALSE(duct.casingCentrifugal);

    const auto lowNoise = soundPowerLevels(u"КРОВ-ЛТМЖ 4-4-3"_s, 0, 80, 60);
    ASSERT_TRUE(lowNoise.outlet);
    EXPECT_EQ(*lowNoise.outlet, (OctaveLevels {77, 82, 78, 75, 77, 69.5, 64.5, 61}));
    ASSERT_TRUE(lowNoise.casing);
    EXPECT_EQ(*lowNoise.casing, (OctaveLevels {66, 68, 57, 56, 52, 53, 49, 46}));
}

TEST(SoundPowerLevels, CentrifugalRowOnlyWithTheCodeAfterTheFirstCharacter)
{
    EXPECT_FALSE(soundPowerLevels(u"ЛТНС 4-4-3"_s, 0, 0, 70).casingCentrifugal);
    const auto later = soundPowerLevels(u"ВЛТНС 4-4-3"_s, 0, 0, 70);
    ASSERT_TRUE(later.casingCentrifugal);
    EXPECT_EQ(*later.casingCentrifugal, (OctaveLevels {75, 70, 65, 65, 63, 63, 62, 58}));
    EXPECT_FALSE(soundPowerLevels(u"ВЛТНС 4-4-3"_s, 0, 0, 0).casingCentrifugal) << "needs a casing level";
}

TEST(SeriesPhoto, ThreePhaseDunaSizesHaveTheirOwnPhotograph)
{
    struct Case {
        QString designation;
        QString file;
        QString series;
    };
    const Case cases[] = {
        {u"ДЮНА 4,0-6-3"_s, u"ДЮНАb.bmp"_s, u"ДЮНА"_s},
        {u"ДЮНА 3,15-4-3"_s, u"ДЮНАb.bmp"_s, u"ДЮНА"_s}, // both ends belong to the range
        {u"ДЮНА 4,5-8-3"_s, u"ДЮНАb.bmp"_s, u"ДЮНА"_s},
        {u"ДЮНА 4-6-3"_s, u"ДЮНА.bmp"_s, u"ДЮНА"_s}, // the hyphen sorts after the comma
        {u"ДЮНА 5-10-3"_s, u"ДЮНА.bmp"_s, u"ДЮНА"_s},
        {u"ДЮНА 3,15-2-1"_s, u"ДЮНА.bmp"_s, u"ДЮНА"_s},
        {u"ДЮНА 4,5-8-3X"_s, u"ДЮНА.bmp"_s, u"ДЮНА"_s}, // longer than the upper end
        {u"ВКК-СКАТ 3,15-4-3"_s, u"ВКК-СКАТ.bmp"_s, u"ВКК-СКАТ"_s},
        {u"ОДНОСЛОВНОЕНАЗВАНИЕСЕРИИ"_s, u"ОДНОСЛОВНОЕНАЗВ.bmp"_s,
            u"ОДНОСЛОВНОЕНАЗВ"_s}, // first 15 characters
        {u""_s, u".bmp"_s, u""_s},
    };
    for (const Case& c : cases) {
        const SeriesPhoto photo = seriesPhotoOf(c.designation);
        EXPECT_EQ(photo.fileName, c.file) << c.designation.toStdString();
        EXPECT_EQ(photo.seriesName, c.series) << c.designation.toStdString();
    }
    EXPECT_EQ(
        drawingFileNames(u"ВКК 3,15-4-3"_s), (QStringList {u"ВКК 3,15-4-3.jpg"_s, u"ВКК 3,15-4-3.bmp"_s}));
    EXPECT_EQ(drawingFileNames(u"ВРП-ЩИТ 40-4/0,75"_s).first(), u"ВРП-ЩИТ 40-4_0,75.jpg"_s)
        << "a name no file can carry";
}

// Titles, spectra and drawings take the kind from the series code in the designation, so each bundled
// series must carry its own kind's code in its first word (radial fans go with the duct kind). Roof titles
// go with the general fans selected on static pressure: roof fans and the pressurization fans whose points
// are static pressure.
TEST(FanKindTable, EveryBundledSeriesCarriesItsKindsCode)
{
    const std::map<QString, FanKind> general {
        {u"ДЮНА"_s, FanKind::Duct},
        {u"ВКК-СКАТ"_s, FanKind::Duct},
        {u"ОСВ-ЖЭСТ"_s, FanKind::Axial},
        {u"ВКМ-ЛИНИЯ"_s, FanKind::Duct},
        {u"ВКПИ-КУБ"_s, FanKind::Duct},
        {u"ВКП-ТЕРМ"_s, FanKind::Duct},
        {u"ВКП-ВЕКТОР"_s, FanKind::Duct},
        {u"ВКР-ГЭСТ"_s, FanKind::Roof},
        {u"КРЫША-ЛТМЖ"_s, FanKind::RoofLowNoise},
        {u"ВКО-ГЭСТ"_s, FanKind::Roof},
        {u"ОСП-ЖЭСТ"_s, FanKind::Axial},
        {u"ВРП-ЩИТ"_s, FanKind::Duct},
        {u"КРП-ГЭСТ"_s, FanKind::Roof},
        {u"КОП-ГЭСТ"_s, FanKind::Roof},
    };
    const std::map<QString, FanKind> smoke {
        {u"КДУ-ГЭСТ"_s, FanKind::Roof},
        {u"КДО-ГЭСТ"_s, FanKind::Roof},
        {u"ВДН-ЖЭСТ"_s, FanKind::Axial},
        {u"ВРД-ВИХРЬ"_s, FanKind::Duct},
        {u"ОСД-ЖЭСТ"_s, FanKind::Axial},
        {u"ВРДМ-ТИТАН"_s, FanKind::Duct},
    };
    const struct {
        fans::CatalogueKind catalogue;
        std::vector<FanRecord> fans;
        const std::map<QString, FanKind>& expected;
    } catalogues[] = {
        {fans::CatalogueKind::General, fans::CatalogueGenerator::generalFans(), general},
        {fans::CatalogueKind::Smoke, fans::CatalogueGenerator::smokeFans(), smoke},
    };
    for (const auto& c : catalogues) {
        std::set<QString> seen;
        for (const FanRecord& fan : c.fans) {
            const QString designation = fans::designation(fan, c.catalogue);
            const QString code = designation.section(u' ', 0, 0);
            SCOPED_TRACE(designation.toStdString());
            const auto kind = c.expected.find(code);
            ASSERT_NE(kind, c.expected.end()) << "a bundled series without its kind here";
            EXPECT_EQ(fanKindOf(designation), kind->second);
            if (c.catalogue == fans::CatalogueKind::General) {
                const bool staticPressure = fan.krysh || (fan.podpor && !fan.davlen);
                EXPECT_EQ(
                    kind->second == FanKind::Roof || kind->second == FanKind::RoofLowNoise, staticPressure);
            }
            seen.insert(code);
        }
        EXPECT_EQ(seen.size(), c.expected.size()) << "every listed series is bundled";
    }
}
