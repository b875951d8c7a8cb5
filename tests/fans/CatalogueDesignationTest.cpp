#include "fans/FanDesignation.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

namespace {
FanRecord fan(
    const QString& name, int d, int polus, bool threePhase, bool autoName = true, const QString& code = {})
{
    FanRecord r;
    r.name = name;
    r.d = d;
    r.polus = polus;
    r.fazkol = threePhase;
    r.autoName = autoName;
    r.manualName = code;
    return r;
}
} // namespace

TEST(FanDesignation, GeneralAndSmokeRules)
{
    struct Case {
        FanRecord fan;
        CatalogueKind kind;
        const char16_t* expected;
    };
    const Case cases[] = {
        {fan(u"AB 1"_s, 250, 2, false), CatalogueKind::General, u"AB 2,5-2-1"},
        {fan(u"X"_s, 315, 4, true), CatalogueKind::General, u"X 3,15-4-3"},
        {fan(u"X"_s, 400, 4, true), CatalogueKind::General, u"X 4-4-3"},
        {fan(u"X"_s, 450, 6, true), CatalogueKind::General, u"X 4,5-6-3"},
        {fan(u"ВКП-ВЕКТОР канальный"_s, 1250, 8, true), CatalogueKind::General, u"ВКП-ВЕКТОР 12,5-8-3"},
        {fan(u"Manual M"_s, 315, 4, true, false, u"MC-7"_s), CatalogueKind::General, u"Manual MC-7"},
        // Only the part before the first blank names the series; the whole text is cut to 25 characters.
        {fan(u"ABCDEFGHIJKLMNOPQRSTUVWXY"_s, 315, 4, true), CatalogueKind::General,
            u"ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {fan(u"ABCDEFGHIJKLMNOPQRST ignored"_s, 315, 4, true), CatalogueKind::General,
            u"ABCDEFGHIJKLMNOPQRST 3,15"},
        {fan(u"X"_s, 800, 4, true), CatalogueKind::Smoke, u"X 8ДУ-4"},
        {fan(u"Rad Q"_s, 355, 16, false), CatalogueKind::Smoke, u"Rad 3,55ДУ-16"},
        // The smoke-exhaust designation is always built, whatever AutoName says.
        {fan(u"Y z"_s, 1000, 12, true, false, u"CODE"_s), CatalogueKind::Smoke, u"Y 10ДУ-12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(designation(c.fan, c.kind), QString::fromUtf16(c.expected)) << c.fan.name.toStdString();
}

TEST(FanDesignation, SeriesPrefixAndDuctSize)
{
    EXPECT_EQ(seriesPrefix(u"AB 1"_s), u"AB"_s);
    EXPECT_EQ(seriesPrefix(u"ДЮНА"_s), u"ДЮНА"_s);
    EXPECT_EQ(ductSizeText(true, 315, 200), u"315"_s);
    EXPECT_EQ(ductSizeText(false, 500, 300), u"500*300"_s);
    EXPECT_EQ(ductSizeText(false, 400, 400), u"400*400"_s);
}
