#include "SeriesFixture.h"
#include "common/StoreError.h"
#include "series/SeriesOverview.h"
#include "series/SeriesPrintTable.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace series;
using namespace Qt::StringLiterals;

// The series overview on a catalogue file: the series list, the print table and the label write.
namespace {

const SeriesItem* findItem(const std::vector<SeriesItem>& items, const QString& name)
{
    for (const SeriesItem& item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

std::vector<QStringList> printRows(const QStringList& columns)
{
    QSqlQuery query(store::workingDatabase());
    EXPECT_TRUE(query.exec(u"SELECT "_s + columns.join(u", "_s) + u" FROM ventutil ORDER BY Num"_s));
    std::vector<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i).toString();
        rows.push_back(row);
    }
    return rows;
}

} // namespace

class SeriesStore : public SeriesCatalogue { };

TEST_F(SeriesStore, SeriesListsCarryTheirIcons)
{
    const auto general = seriesItems(SeriesKind::General);
    const std::pair<const char16_t*, int> expected[]
        = {{u"Canal R", 0}, {u"Rect S", 1}, {u"Podpor P", 4}, {u"Roof K", 3}};
    for (const auto& [name, icon] : expected) {
        const SeriesItem* item = findItem(general, QString::fromUtf16(name));
        ASSERT_TRUE(item) << QString::fromUtf16(name).toStdString();
        EXPECT_EQ(item->icon, icon) << QString::fromUtf16(name).toStdString();
    }
    const auto smoke = seriesItems(SeriesKind::Smoke);
    ASSERT_EQ(smoke.size(), 2u);
    EXPECT_EQ(smoke[0].icon, 1) << "radial: total pressures";
    EXPECT_EQ(smoke[1].icon, 0) << "roof and wall fans: static pressures";
}

TEST_F(SeriesStore, PrintTableHoldsTheSeriesShownLast)
{
    const auto general = seriesItems(SeriesKind::General);
    writePrintTable(seriesOverview(SeriesKind::General, *findItem(general, u"Canal R"_s), u','));
    EXPECT_EQ(printRows({u"Num"_s, u"Naimenovanie"_s}).size(), 5u);

    // Another series replaces the rows; the numbers start again at 1.
    writePrintTable(seriesOverview(SeriesKind::General, *findItem(general, u"Rect S"_s), u','));
    const auto rows = printRows({u"Num"_s, u"Naimenovanie"_s, u"N"_s, u"Money"_s, u"N_yct"_s, u"Kanal"_s,
        u"Lw_Input"_s, u"Lw_Output"_s});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0],
        (QStringList {
            u"1"_s, u"Rect 4-4-3"_s, u"1400"_s, u"0"_s, u"0,49"_s, u"500*300"_s, u"74"_s, u"77,5"_s}));
    EXPECT_EQ(rows[1][1], u"Rect RS-9"_s);

    const auto smoke = seriesItems(SeriesKind::Smoke);
    writePrintTable(seriesOverview(SeriesKind::Smoke, smoke[0], u','));
    const auto smokeRows = printRows({u"Naimenovanie"_s, u"N_yct"_s, u"Davlen"_s, u"Stoikost"_s,
        u"Stoikost400"_s, u"Ny"_s, u"Massa"_s, u"Money"_s, u"Kanal"_s});
    ASSERT_EQ(smokeRows.size(), 2u);
    EXPECT_EQ(smokeRows[0],
        (QStringList {
            u"Smk 8ДУ-4"_s, u"0,65"_s, u"1"_s, u"+"_s, u"+"_s, u"1,1"_s, u"57"_s, QString(), QString()}));
    EXPECT_EQ(smokeRows[1][3], u"-"_s);
}

TEST_F(SeriesStore, LabelWrittenToTheCatalogueHoldsInTheNextOverview)
{
    const SeriesItem item = *findItem(seriesItems(SeriesKind::General), u"Rect S"_s);
    SeriesOverview overview = seriesOverview(SeriesKind::General, item, u',');
    ASSERT_EQ(overview.fans.size(), 2u);
    for (const SeriesFan& fan : overview.fans)
        EXPECT_EQ(fans::FanCatalogue::saveLabelPosition(fan.record, 2100 + fan.record.d), 1);

    const SeriesOverview again = seriesOverview(SeriesKind::General, item, u',');
    EXPECT_EQ(again.fans[0].label->x(), 2500) << "found by its diameter";
    EXPECT_EQ(again.fans[1].label->x(), 2550) << "hand-named: found by its code";
    const SeriesItem other = *findItem(seriesItems(SeriesKind::General), u"Canal R"_s);
    for (const SeriesFan& fan : seriesOverview(SeriesKind::General, other, u',').fans)
        EXPECT_FALSE(fan.record.logMarks) << "no other record is written";
}

TEST_F(SeriesStore, LockedCatalogueRefusesTheLabelAndKeepsTheRecord)
{
    const SeriesItem item = *findItem(seriesItems(SeriesKind::General), u"Canal R"_s);
    const SeriesFan fan = seriesOverview(SeriesKind::General, item, u',').fans.front();
    {
        // Another program holds the catalogue file locked.
        store::OwnConnection other(catalogueConfig());
        QSqlDatabase db = other.db();
        QSqlQuery lock(db);
        ASSERT_TRUE(lock.exec(u"PRAGMA busy_timeout = 0"_s));
        ASSERT_TRUE(lock.exec(u"BEGIN EXCLUSIVE"_s));
        QSqlQuery(store::aliasDatabase(store::vozuvadaAlias())).exec(u"PRAGMA busy_timeout = 50"_s);
        EXPECT_THROW(fans::FanCatalogue::saveLabelPosition(fan.record, 1234), CatalogueError);
        lock.exec(u"ROLLBACK"_s);
    }
    EXPECT_FALSE(seriesOverview(SeriesKind::General, item, u',').fans.front().record.logMarks);
}
