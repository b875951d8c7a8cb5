#include "fans/FanCatalogue.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "common/StoreTable.h"
#include "fans/FanCatalogueSchema.h"
#include "fans/FanDesignation.h"

#include <QSet>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

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

} // namespace

std::vector<FanRecord> FanCatalogue::load(const QSqlDatabase& db, CatalogueKind kind)
{
    // Counted first so that the records are placed once: a growing list would hold its old and its new
    // copy at once, half again the catalogue's memory.
    store::StoreQuery count(db, QStringLiteral("SELECT COUNT(*) FROM ") + table(kind));
    std::vector<FanRecord> records;
    if (count.next())
        records.reserve(size_t(std::max(0, count.integer(0))));

    store::StoreQuery query(
        db, QStringLiteral("SELECT * FROM ") + table(kind) + store::insertionOrder(store::engineOf(db)));
    const FanRowLayout layout = FanRowLayout::ofCatalogue(query, kind);
    // The fans of a series share their texts: one copy each instead of one per record.
    QSet<QString> texts;
    const auto shared = [&texts](QString& text) {
        if (!text.isEmpty())
            text = *texts.insert(text);
    };
    while (query.next()) {
        FanRecord& fan = records.emplace_back(layout.read(query));
        shared(fan.name);
        shared(fan.manualName);
        shared(fan.ny);
    }
    // Every list of the windows would be empty and a selection would blame the user's ticks.
    if (records.empty())
        throw CatalogueError(
            QStringLiteral("В каталоге нет вентиляторов: таблица %1 пуста").arg(catalogueTableName(kind)));
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

// The lists below are grouped from the records held in memory: one read of the catalogue serves the
// whole window, and no statement runs while another one's rows are still being read (PostgreSQL
// refuses that).

std::vector<SeriesEntry> FanCatalogue::generalSeries()
{
    const Records fans = records(CatalogueKind::General);
    // Grouped by Krugl, Krysh, Podpor, Name and sorted by them, false before true; a rectangular series
    // has square sections when one of its records has A = B.
    std::map<std::tuple<bool, bool, bool, QString>, bool> groups;
    for (const FanRecord& fan : *fans) {
        bool& square = groups[{fan.krugl, fan.krysh, fan.podpor, fan.name}];
        square = square || (!fan.krugl && fan.a == fan.b);
    }
    std::vector<SeriesEntry> series;
    series.reserve(groups.size());
    for (const auto& [key, square] : groups) {
        SeriesEntry entry;
        std::tie(entry.krugl, entry.krysh, entry.podpor, entry.name) = key;
        if (entry.podpor) {
            entry.group = FanGroup::Pressurization;
            entry.icon = PressurizationIcon;
        } else if (entry.krysh) {
            entry.group = FanGroup::Roof;
            entry.icon = RoofIcon;
        } else {
            entry.group = FanGroup::Duct;
            entry.icon = entry.krugl ? RoundDuctIcon : square ? SquareDuctIcon : RectangularDuctIcon;
        }
        series.push_back(entry);
    }
    return series;
}

bool FanCatalogue::hasSquareSections(const QString& seriesName)
{
    const Records fans = records(CatalogueKind::General);
    return std::any_of(fans->begin(), fans->end(),
        [&](const FanRecord& fan) { return fan.name == seriesName && !fan.krugl && fan.a == fan.b; });
}

std::vector<DuctSizeEntry> FanCatalogue::ductSizes()
{
    const Records fans = records(CatalogueKind::General);
    std::set<std::tuple<bool, int, int>> distinct;
    for (const FanRecord& fan : *fans) {
        if (!fan.krysh && !fan.podpor)
            distinct.insert({fan.krugl, fan.a, fan.b});
    }
    std::vector<DuctSizeEntry> sizes;
    QSet<QString> seen;
    for (const auto& [krugl, a, b] : distinct) {
        DuctSizeEntry entry;
        entry.text = cutName(ductSizeText(krugl, a, b));
        // Round fans of one diameter may differ in the unused B: the list shows each size once.
        if (seen.contains(entry.text))
            continue;
        seen.insert(entry.text);
        entry.icon = krugl ? RoundSizeIcon : a == b ? SquareSizeIcon : RectangularSizeIcon;
        sizes.push_back(entry);
    }
    return sizes;
}

QStringList FanCatalogue::diameterTexts(CatalogueKind kind)
{
    std::set<QString> texts;
    for (const FanRecord& fan : *records(kind))
        texts.insert(cutName(QString::number(fan.d)));
    return QStringList(texts.begin(), texts.end());
}

std::vector<SmokeSeriesEntry> FanCatalogue::smokeSeries()
{
    const Records fans = records(CatalogueKind::Smoke);
    // Sorted by name; the first record of a series, in the table's order, decides its group.
    std::map<QString, bool> radial;
    for (const FanRecord& fan : *fans)
        radial.try_emplace(fan.name, fan.davlen);
    std::vector<SmokeSeriesEntry> series;
    series.reserve(radial.size());
    for (const auto& [name, isRadial] : radial) {
        SmokeSeriesEntry entry;
        entry.name = name;
        entry.group = isRadial ? SmokeGroup::RadialAxial : SmokeGroup::RoofWall;
        entry.icon = isRadial ? 1 : 0;
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
