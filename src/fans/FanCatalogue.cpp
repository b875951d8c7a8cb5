#include "fans/FanCatalogue.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "common/StoreTable.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/FanDesignation.h"

#include <map>

namespace fans {

namespace {

using store::quoted;

struct CacheEntry {
    quint64 generation = 0;
    FanCatalogue::Records records;
};

std::map<CatalogueKind, CacheEntry>& cache()
{
    static std::map<CatalogueKind, CacheEntry> entries;
    return entries;
}

QSqlDatabase catalogue()
{
    return store::aliasDatabase(store::vozuvadaAlias());
}

QString table(CatalogueKind kind)
{
    return quoted(catalogueTableName(kind));
}

QString columns(std::initializer_list<const char16_t*> names)
{
    QStringList list;
    for (const char16_t* name : names)
        list << quoted(QString::fromUtf16(name));
    return list.join(QLatin1Char(','));
}

} // namespace

std::vector<FanRecord> FanCatalogue::load(const QSqlDatabase& db, CatalogueKind kind)
{
    store::StoreQuery query(
        db, QStringLiteral("SELECT * FROM ") + table(kind) + store::insertionOrder(store::engineOf(db)));
    std::vector<FanRecord> records;
    while (query.next())
        records.push_back(fanRecordFromRow(query));
    return records;
}

FanCatalogue::Records FanCatalogue::records(CatalogueKind kind)
{
    const quint64 generation = store::configurationGeneration();
    CacheEntry& entry = cache()[kind];
    if (!entry.records || entry.generation != generation) {
        entry.records = std::make_shared<const std::vector<FanRecord>>(load(catalogue(), kind));
        entry.generation = store::configurationGeneration();
    }
    return entry.records;
}

void FanCatalogue::invalidate()
{
    cache().clear();
}

std::vector<SeriesEntry> FanCatalogue::generalSeries()
{
    const QString group = columns({u"Krugl", u"Krysh", u"Podpor", u"Name"});
    store::StoreQuery query(catalogue(),
        QStringLiteral("SELECT %1 FROM %2 GROUP BY %1 ORDER BY %1")
            .arg(group, table(CatalogueKind::General)));
    std::vector<SeriesEntry> series;
    while (query.next()) {
        SeriesEntry entry;
        const QString fullName = query.text(QStringLiteral("Name"));
        entry.name = cutName(fullName);
        entry.krugl = query.boolean(QStringLiteral("Krugl"));
        entry.krysh = query.boolean(QStringLiteral("Krysh"));
        entry.podpor = query.boolean(QStringLiteral("Podpor"));
        if (entry.podpor) {
            entry.group = FanGroup::Pressurization;
            entry.icon = PressurizationIcon;
        } else if (entry.krysh) {
            entry.group = FanGroup::Roof;
            entry.icon = RoofIcon;
        } else {
            entry.group = FanGroup::Duct;
            entry.icon = entry.krugl          ? RoundDuctIcon
                : hasSquareSections(fullName) ? SquareDuctIcon
                                              : RectangularDuctIcon;
        }
        series.push_back(entry);
    }
    return series;
}

bool FanCatalogue::hasSquareSections(const QString& seriesName)
{
    store::StoreQuery query(catalogue(),
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? AND %4 = ? AND %5 = %6 LIMIT 1")
            .arg(columns({u"A", u"B"}), table(CatalogueKind::General), quoted(QStringLiteral("Name")),
                quoted(QStringLiteral("Krugl")), quoted(QStringLiteral("A")), quoted(QStringLiteral("B"))),
        {seriesName, false});
    return query.next();
}

std::vector<DuctSizeEntry> FanCatalogue::ductSizes()
{
    const QString group = columns({u"Krugl", u"A", u"B"});
    store::StoreQuery query(catalogue(),
        QStringLiteral("SELECT %1 FROM %2 WHERE NOT (%3 = ?) AND NOT (%4 = ?) GROUP BY %1 ORDER BY %1")
            .arg(group, table(CatalogueKind::General), quoted(QStringLiteral("Krysh")),
                quoted(QStringLiteral("Podpor"))),
        {true, true});
    std::vector<DuctSizeEntry> sizes;
    QStringList seen;
    while (query.next()) {
        const bool krugl = query.boolean(QStringLiteral("Krugl"));
        const QString a = query.text(QStringLiteral("A"));
        const QString b = query.text(QStringLiteral("B"));
        DuctSizeEntry entry;
        entry.text = cutName(
            ductSizeText(krugl, query.integer(QStringLiteral("A")), query.integer(QStringLiteral("B"))));
        // Round fans of one diameter may differ in the unused B: the list shows each size once.
        if (seen.contains(entry.text))
            continue;
        seen << entry.text;
        entry.icon = krugl ? RoundSizeIcon : a == b ? SquareSizeIcon : RectangularSizeIcon;
        sizes.push_back(entry);
    }
    return sizes;
}

QStringList FanCatalogue::diameterTexts(CatalogueKind kind)
{
    QStringList texts;
    for (const FanRecord& fan : *records(kind)) {
        const QString text = cutName(QString::number(fan.d));
        if (!texts.contains(text))
            texts << text;
    }
    texts.sort();
    return texts;
}

std::vector<SmokeSeriesEntry> FanCatalogue::smokeSeries()
{
    QSqlDatabase db = catalogue();
    const QString smokeTable = table(CatalogueKind::Smoke);
    const QString name = quoted(QStringLiteral("Name"));
    store::StoreQuery names(
        db, QStringLiteral("SELECT %1 FROM %2 GROUP BY %1 ORDER BY %1").arg(name, smokeTable));
    std::vector<SmokeSeriesEntry> series;
    while (names.next()) {
        const QString fullName = names.text(QStringLiteral("Name"));
        // The first record of a series, in the table's order, decides its group.
        store::StoreQuery first(db,
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4 LIMIT 1")
                .arg(quoted(QStringLiteral("Davlen")), smokeTable, name,
                    store::insertionOrder(store::engineOf(db))),
            {fullName});
        const bool radial = first.next() && first.boolean(QStringLiteral("Davlen"));
        SmokeSeriesEntry entry;
        entry.name = cutName(fullName);
        entry.group = radial ? SmokeGroup::RadialAxial : SmokeGroup::RoofWall;
        entry.icon = radial ? 1 : 0;
        series.push_back(entry);
    }
    return series;
}

int FanCatalogue::saveLabelPosition(const FanRecord& fan, double flow)
{
    // Names in memory are cut to 25 characters; the stored one may be longer.
    const QString key = fan.autoName ? quoted(QStringLiteral("D")) : quoted(QStringLiteral("ManualName"));
    const QString sql
        = QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE substr(%4, 1, %5) = ? AND %6 = ? AND %7 = ? "
                         "AND %8 = ? AND %9 = ?")
              .arg(table(CatalogueKind::General), quoted(QStringLiteral("LogMarks")),
                  quoted(QStringLiteral("MarksPosition")), quoted(QStringLiteral("Name")))
              .arg(nameLength)
              .arg(key, quoted(QStringLiteral("N")), quoted(QStringLiteral("AutoName")),
                  quoted(QStringLiteral("Davlen")));
    const QVariant keyValue = fan.autoName ? QVariant(fan.d) : QVariant(fan.manualName);
    const int written
        = store::execute(catalogue(), sql, {true, flow, fan.name, keyValue, fan.n, fan.autoName, fan.davlen});
    invalidate();
    return written;
}

} // namespace fans
