#include "fans/CatalogueFixture.h"
#include "fans/FanCatalogueCheck.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

namespace {
const FanRecord* findFan(const std::vector<FanRecord>& fans, int d, const QString& name)
{
    for (const FanRecord& f : fans) {
        if (f.d == d && f.name == name)
            return &f;
    }
    return nullptr;
}
} // namespace

class CatalogueRead : public CatalogueFixture { };

TEST_P(CatalogueRead, RecordsInTableOrderWithCurvesEndingAtFirstEmptyFlow)
{
    const auto fans = FanCatalogue::records(CatalogueKind::General);
    ASSERT_EQ(fans->size(), 9u);
    EXPECT_EQ(fans->front().name, u"Zeta rect"_s);
    EXPECT_EQ(fans->back().name, u"ДлиннаяСерияВентиляторовК"_s) << "names are cut to 25 characters";

    // Flows 1..7 filled, 8 empty, 9 filled: seven points, and the stored column 9 is still there.
    const FanRecord* ab = findFan(*fans, 250, u"AB 1"_s);
    ASSERT_NE(ab, nullptr);
    EXPECT_EQ(ab->pointCount, 7);
    EXPECT_EQ(ab->flow(6), 2000);
    EXPECT_FALSE(ab->columns[7].has_value());
    EXPECT_EQ(ab->flow(8), 2500);
    EXPECT_EQ(ab->pressure(0), 400);
    EXPECT_DOUBLE_EQ(ab->power(1), 0.142);
    EXPECT_FALSE(ab->fazkol);
    EXPECT_EQ(ab->ny, u"0,55"_s);

    const FanRecord* manual = findFan(*fans, 200, u"Manual M"_s);
    ASSERT_NE(manual, nullptr);
    EXPECT_FALSE(manual->autoName);
    EXPECT_EQ(manual->manualName, u"MC-7"_s);
    EXPECT_EQ(manual->pointCount, 6);

    const auto smoke = FanCatalogue::records(CatalogueKind::Smoke);
    ASSERT_EQ(smoke->size(), 5u);
    EXPECT_TRUE(smoke->front().stoikost);
    EXPECT_EQ(smoke->front().money600, 36000);
    EXPECT_EQ(smoke->at(1).money600, 0) << "an empty price reads as 0";
    EXPECT_TRUE(smoke->front().autoName);
}

TEST_P(CatalogueRead, SeriesListsSortedByGroupingColumnsFalseBeforeTrue)
{
    struct Expected {
        const char16_t* name;
        FanGroup group;
        int icon;
    };
    const Expected expected[] = {
        {u"O'Brien box", FanGroup::Duct, SquareDuctIcon}, // has a 400*400 size
        {u"Zeta rect", FanGroup::Duct, RectangularDuctIcon},
        {u"Roof X", FanGroup::Roof, RoofIcon},
        {u"AB 1", FanGroup::Duct, RoundDuctIcon},
        {u"Manual M", FanGroup::Duct, RoundDuctIcon},
        {u"ДлиннаяСерияВентиляторовК", FanGroup::Duct, RoundDuctIcon},
        {u"Press Y", FanGroup::Pressurization, PressurizationIcon},
    };
    const auto series = FanCatalogue::generalSeries();
    ASSERT_EQ(series.size(), std::size(expected));
    for (size_t i = 0; i < series.size(); ++i) {
        EXPECT_EQ(series[i].name, QString::fromUtf16(expected[i].name)) << i;
        EXPECT_EQ(series[i].group, expected[i].group) << i;
        EXPECT_EQ(series[i].icon, expected[i].icon) << i;
    }
    // A series name with an apostrophe is a bound value, not spliced text.
    EXPECT_TRUE(FanCatalogue::hasSquareSections(u"O'Brien box"_s));
    EXPECT_FALSE(FanCatalogue::hasSquareSections(u"Zeta rect"_s));
    EXPECT_FALSE(FanCatalogue::hasSquareSections(u"x' OR '1'='1"_s));
}

TEST_P(CatalogueRead, DuctSizesAndDiameters)
{
    // Duct fans only (no roof, no pressurization), sorted by Krugl, A, B; a round size appears once even
    // when its records differ in the unused B.
    const auto sizes = FanCatalogue::ductSizes();
    QStringList texts;
    QList<int> icons;
    for (const auto& s : sizes) {
        texts << s.text;
        icons << s.icon;
    }
    EXPECT_EQ(texts, (QStringList {u"400*400"_s, u"500*300"_s, u"600*300"_s, u"200"_s, u"250"_s, u"315"_s}));
    EXPECT_EQ(icons,
        (QList<int> {SquareSizeIcon, RectangularSizeIcon, RectangularSizeIcon, RoundSizeIcon, RoundSizeIcon,
            RoundSizeIcon}));

    EXPECT_EQ(FanCatalogue::diameterTexts(CatalogueKind::General),
        (QStringList {u"200"_s, u"250"_s, u"315"_s, u"355"_s, u"400"_s, u"450"_s, u"500"_s}));
    EXPECT_EQ(FanCatalogue::diameterTexts(CatalogueKind::Smoke),
        (QStringList {u"1000"_s, u"355"_s, u"500"_s, u"800"_s}))
        << "sorted as text, as the list shows them";
}

TEST_P(CatalogueRead, SmokeSeriesGroupedByDavlenOfTheirFirstRecord)
{
    const auto series = FanCatalogue::smokeSeries();
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].name, u"Ax Z"_s); // first record Davlen false, a later one true
    EXPECT_EQ(series[0].group, SmokeGroup::RoofWall);
    EXPECT_EQ(series[0].icon, 0);
    EXPECT_EQ(series[1].name, u"Kr'sha"_s);
    EXPECT_EQ(series[1].group, SmokeGroup::RoofWall);
    EXPECT_EQ(series[2].name, u"Rad Q"_s); // first record Davlen true, a later one false
    EXPECT_EQ(series[2].group, SmokeGroup::RadialAxial);
    EXPECT_EQ(series[2].icon, 1);
}

TEST_P(CatalogueRead, CacheFollowsTheAlias)
{
    const auto first = FanCatalogue::records(CatalogueKind::General);
    QSqlQuery(db()).exec(u"UPDATE razmzfn SET \"Name\" = 'Changed'"_s);
    EXPECT_EQ(FanCatalogue::records(CatalogueKind::General), first) << "read once, then kept";

    // Pointing the alias at a catalogue again reads again; the list held before stays valid.
    store::setAliasOverride(store::vozuvadaAlias(), config());
    const auto second = FanCatalogue::records(CatalogueKind::General);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->front().name, u"Changed"_s);
    EXPECT_EQ(first->front().name, u"Zeta rect"_s);
}

TEST_P(CatalogueRead, LabelPositionIsWrittenToTheFansRecordOnly)
{
    const auto before = FanCatalogue::records(CatalogueKind::General);
    const FanRecord* box = findFan(*before, 400, u"O'Brien box"_s);
    const FanRecord* manual = findFan(*before, 315, u"Manual M"_s);
    const FanRecord* longName = findFan(*before, 315, u"ДлиннаяСерияВентиляторовК"_s);
    ASSERT_TRUE(box && manual && longName);
    EXPECT_EQ(FanCatalogue::saveLabelPosition(*box, 1234.5), 1);
    EXPECT_EQ(FanCatalogue::saveLabelPosition(*manual, 800), 1);
    EXPECT_EQ(FanCatalogue::saveLabelPosition(*longName, 900), 1) << "found by the name cut to 25 characters";

    const auto after = FanCatalogue::records(CatalogueKind::General);
    int marked = 0;
    for (const FanRecord& fan : *after)
        marked += fan.logMarks ? 1 : 0;
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(findFan(*after, 400, u"O'Brien box"_s)->marksPosition, 1234.5);
    EXPECT_FALSE(findFan(*after, 450, u"O'Brien box"_s)->logMarks);
    EXPECT_EQ(findFan(*after, 315, u"Manual M"_s)->marksPosition, 800);
}

TEST_P(CatalogueRead, MissingTableIsCatalogueErrorWithTheEnginesMessage)
{
    QSqlQuery(db()).exec(u"DROP TABLE razmzfn"_s);
    FanCatalogue::invalidate();
    try {
        FanCatalogue::generalSeries();
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        // SQLite: "no such table: razmzfn"; PostgreSQL: relation "razmzfn" does not exist.
        EXPECT_TRUE(error.message().contains(u"razmzfn"_s)) << error.message().toStdString();
    }
    EXPECT_NO_THROW(FanCatalogue::smokeSeries()) << "the other table is still there";
}

// A column the program reads that the table lacks is named with its table, never read as zero.
TEST_P(CatalogueRead, MissingColumnIsCatalogueErrorNamingTableAndColumn)
{
    const std::pair<QString, QString> cases[] = {
        {u"razmzfn"_s, u"Polus"_s},
        {u"razmzfn"_s, u"57"_s},
        {u"razmzfn"_s, u"AutoName"_s},
        {u"razmzfnsmk"_s, u"Money600"_s},
    };
    for (const auto& [table, column] : cases) {
        useCatalogue(u"catalogue"_s);
        QSqlQuery alter(db());
        ASSERT_TRUE(alter.exec(u"ALTER TABLE %1 DROP COLUMN \"%2\""_s.arg(table, column)))
            << alter.lastError().text().toStdString();
        const CatalogueKind kind = table == u"razmzfn"_s ? CatalogueKind::General : CatalogueKind::Smoke;
        try {
            FanCatalogue::records(kind);
            ADD_FAILURE() << "no error without " << column.toStdString();
        } catch (const CatalogueError& error) {
            EXPECT_EQ(error.message(), u"В таблице %1 нет столбца \"%2\""_s.arg(table, column));
        }
    }
}

// A cell that holds no value of its column's kind is a fault of the catalogue named with its table,
// record and column, never a zero or an empty point; the catalogue check lists it and goes on.
TEST_P(CatalogueRead, WrongTypedCellIsCatalogueErrorNamingTableRecordAndColumn)
{
    const struct {
        const char16_t* column;
        const char16_t* value; // an SQL literal
        bool asText; // PostgreSQL keeps only values of the column's type: the column becomes text
        const char16_t* fault;
    } cases[] = {
        {u"22", u"'abc'", true, u"столбец \"22\": значение \"abc\" не является числом"},
        {u"Polus", u"'four'", true, u"столбец \"Polus\": значение \"four\" не является числом"},
        {u"D", u"'большой'", true, u"столбец \"D\": значение \"большой\" не является числом"},
        {u"Krugl", u"'maybe'", true,
            u"столбец \"Krugl\": значение \"maybe\" не является логическим значением (да/нет)"},
        {u"23", u"'inf'", true, u"столбец \"23\": значение \"inf\" не является конечным числом"},
        {u"41", u"'-Infinity'", false, u"столбец \"41\": значение \"-inf\" не является конечным числом"},
    };
    const bool postgres = engine() == store::Engine::Postgres;
    const QString first = postgres ? u"\"RecNo\" = (SELECT min(\"RecNo\") FROM razmzfn)"_s
                                   : u"rowid = (SELECT min(rowid) FROM razmzfn)"_s;
    for (const auto& c : cases) {
        const QString column = QString::fromUtf16(c.column);
        SCOPED_TRACE(column.toStdString());
        useCatalogue(u"catalogue"_s);
        QSqlQuery change(db());
        if (postgres && c.asText) {
            ASSERT_TRUE(change.exec(u"ALTER TABLE razmzfn ALTER COLUMN \"%1\" TYPE text"_s.arg(column)))
                << change.lastError().text().toStdString();
        }
        // SQLite reads the literal 9e999 as infinity; PostgreSQL takes '-Infinity' in a number column.
        const QString value = !postgres && !c.asText ? u"-9e999"_s : QString::fromUtf16(c.value);
        ASSERT_TRUE(change.exec(u"UPDATE razmzfn SET \"%1\" = %2 WHERE %3"_s.arg(column, value, first)))
            << change.lastError().text().toStdString();
        FanCatalogue::invalidate();
        const QString fault = QString::fromUtf16(c.fault);
        try {
            FanCatalogue::records(CatalogueKind::General);
            ADD_FAILURE() << "no error";
        } catch (const CatalogueError& error) {
            EXPECT_EQ(error.message(), u"В таблице razmzfn, запись 1, "_s + fault);
        }
        const auto findings = checkFanCatalogue(db());
        ASSERT_FALSE(findings.empty());
        EXPECT_EQ(findings.front().table, u"razmzfn"_s);
        EXPECT_EQ(findings.front().record, 1);
        EXPECT_EQ(findings.front().message, fault);
    }
}

ZFN_ON_EVERY_ENGINE(CatalogueRead);
