#include "series/SeriesPrintTable.h"

#include "common/CatalogueStore.h"

using namespace Qt::StringLiterals;

namespace series {

namespace {

using store::FieldKind;

QVariantList generalRecord(const SeriesFan& fan)
{
    const QStringList& c = fan.cells;
    return {
        fan.designation, c[3].trimmed(), 0, c[5].trimmed(), c[4].trimmed(), c[8].trimmed(), c[9].trimmed()};
}

QVariantList smokeRecord(const SeriesFan& fan)
{
    const QStringList& c = fan.cells;
    return {fan.designation, c[3].trimmed(), c[10].trimmed(), c[4].trimmed(), fan.record.davlen,
        c[9].trimmed(), u"+"_s, c[7].trimmed(), c[8].toDouble()};
}

QStringList filledColumns(SeriesKind kind)
{
    if (kind == SeriesKind::Smoke)
        return {u"Naimenovanie"_s, u"N"_s, u"Money"_s, u"N_yct"_s, u"Davlen"_s, u"Stoikost"_s,
            u"Stoikost400"_s, u"Ny"_s, u"Massa"_s};
    return {u"Naimenovanie"_s, u"N"_s, u"Money"_s, u"N_yct"_s, u"Kanal"_s, u"Lw_Input"_s, u"Lw_Output"_s};
}

} // namespace

QString printTableName()
{
    return u"ventutil"_s;
}

store::TableDef printTableDef(SeriesKind kind)
{
    store::TableDef table;
    table.name = printTableName();
    auto add = [&table](const QString& name, FieldKind fieldKind, int size = 0) {
        table.fields.push_back({name, fieldKind, size});
    };
    add(u"Num"_s, FieldKind::AutoIncrement);
    add(u"Naimenovanie"_s, FieldKind::String, 127);
    add(u"N"_s, FieldKind::String, 10);
    if (kind == SeriesKind::Smoke)
        add(u"Money"_s, FieldKind::String, 30);
    else
        add(u"Money"_s, FieldKind::Int16);
    for (const QString& name : {u"N_yct"_s, u"Kanal"_s, u"Lw_Input"_s, u"Lw_Output"_s})
        add(name, FieldKind::String, 15);
    if (kind == SeriesKind::Smoke) {
        add(u"Davlen"_s, FieldKind::Boolean);
        add(u"Stoikost"_s, FieldKind::String, 15);
        add(u"Stoikost400"_s, FieldKind::String, 15);
    }
    add(u"Massa"_s, FieldKind::Float);
    add(u"Ny"_s, FieldKind::String, 10);
    table.indexes.push_back({QString(), u"Num"_s, true, false});
    return table;
}

void writePrintTable(const SeriesOverview& overview)
{
    const QSqlDatabase db = store::workingDatabase();
    store::Transaction transaction(db);
    store::createTable(db, printTableDef(overview.kind));
    std::vector<QVariantList> records;
    records.reserve(overview.fans.size());
    for (const SeriesFan& fan : overview.fans)
        records.push_back(overview.kind == SeriesKind::Smoke ? smokeRecord(fan) : generalRecord(fan));
    store::appendRecords(db, printTableName(), filledColumns(overview.kind), records);
    transaction.commit();
}

} // namespace series
