#include "unit/ElementStore.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreError.h"
#include "common/StoreQuery.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using store::FieldDef;
using store::FieldKind;
using store::StoreQuery;

namespace unit {

namespace {

const QString sectionTable = u"pryamotkanal"_s;
const QString coolerTable = u"hrsa_hrsb"_s;
const QString condensingUnitTable = u"kkb"_s;

qint64 wholeRoubles(const StoreQuery& q, const QString& field)
{
    return std::llround(q.number(field));
}

AccessoryRecord accessoryOf(const StoreQuery& q, AccessoryKind kind)
{
    AccessoryRecord r;
    r.kanalIndex = q.integer(u"KanalIndex"_s);
    r.tip = q.text(u"Tip"_s);
    r.model = q.text(u"Model"_s);
    r.length = q.number(u"Dlina"_s);
    if (kind != AccessoryKind::Connector) { // a connector's loss law is never read
        r.exponent = q.number(u"n"_s);
        r.coefficient = q.number(u"B"_s);
    }
    r.price = wholeRoubles(q, u"Stoimost"_s);
    return r;
}

HeaterRecord heaterOf(const StoreQuery& q, HeaterKind kind)
{
    HeaterRecord r;
    r.num = q.integer(u"NUM"_s);
    r.tip = q.text(u"Tip"_s);
    r.kanalIndex = q.integer(u"KanalIndex"_s);
    r.model = q.text(u"Model"_s);
    r.length = q.number(u"Dlina"_s);
    r.price = wholeRoubles(q, u"Stoimost"_s);
    r.exponent = q.number(u"n"_s);
    r.coefficient = q.number(u"B"_s);
    if (kind == HeaterKind::Electric) {
        r.power = q.number(u"Moshnost"_s);
    } else {
        r.transferA = q.number(u"A"_s);
        r.transferM = q.number(u"M"_s);
        r.transferH = q.number(u"H"_s);
        r.waterK = q.number(u"K"_s);
        r.waterC = q.number(u"C"_s);
    }
    return r;
}

// The heater types of a table as listed: the type cut to 15 characters.
QString heaterTypeOf(const QString& tip)
{
    return tip.left(heaterTypeLength);
}

store::TableDef tableDef(const QString& name, std::vector<FieldDef> fields, const QString& primary = {})
{
    store::TableDef def;
    def.name = name;
    def.fields = std::move(fields);
    if (!primary.isEmpty())
        def.indexes = {{QString(), primary, true, false}};
    return def;
}

std::vector<FieldDef> accessoryFields()
{
    return {{u"KanalIndex"_s, FieldKind::Int16, 0}, {u"Tip"_s, FieldKind::String, 25},
        {u"Model"_s, FieldKind::String, 25}, {u"Dlina"_s, FieldKind::Float, 0}, {u"n"_s, FieldKind::Float, 0},
        {u"B"_s, FieldKind::Float, 0}, {u"Stoimost"_s, FieldKind::Currency, 0}};
}

std::vector<FieldDef> heaterFields(HeaterKind kind)
{
    std::vector<FieldDef> fields {{u"NUM"_s, FieldKind::Int16, 0}, {u"Tip"_s, FieldKind::String, 25},
        {u"KanalIndex"_s, FieldKind::Int16, 0}, {u"Model"_s, FieldKind::String, 25},
        {u"Dlina"_s, FieldKind::Float, 0}, {u"Stoimost"_s, FieldKind::Currency, 0},
        {u"n"_s, FieldKind::Float, 0}, {u"B"_s, FieldKind::Float, 0}};
    const QStringList extra = kind == HeaterKind::Electric
        ? QStringList {u"Moshnost"_s}
        : QStringList {u"A"_s, u"M"_s, u"H"_s, u"K"_s, u"C"_s};
    for (const QString& name : extra)
        fields.push_back({name, FieldKind::Float, 0});
    return fields;
}

} // namespace

QString accessoryTableName(AccessoryKind kind)
{
    switch (kind) {
    case AccessoryKind::Valve:
        return u"klapana"_s;
    case AccessoryKind::Filter:
        return u"filter_s"_s;
    case AccessoryKind::Silencer:
        return u"glush"_s;
    case AccessoryKind::Louvre:
        return u"reshetki"_s;
    case AccessoryKind::Connector:
        break;
    }
    return u"vstavki"_s;
}

QString heaterTableName(HeaterKind kind)
{
    return kind == HeaterKind::Water ? u"teploob"_s : u"teplelektr"_s;
}

std::optional<store::TableDef> knownElementTableDef(const QString& tableName)
{
    const QString name = store::tableName(tableName);
    if (name == sectionTable)
        return tableDef(name,
            {{u"NUM"_s, FieldKind::Int16, 0}, {u"A"_s, FieldKind::Int16, 0}, {u"B"_s, FieldKind::Int16, 0},
                {u"Sechenie"_s, FieldKind::String, 10}},
            u"NUM"_s);
    for (AccessoryKind kind : accessoryKinds) {
        if (name == accessoryTableName(kind))
            return tableDef(name, accessoryFields());
    }
    for (HeaterKind kind : {HeaterKind::Water, HeaterKind::Electric}) {
        if (name == heaterTableName(kind))
            return tableDef(name, heaterFields(kind), u"NUM"_s);
    }
    if (name == coolerTable)
        return tableDef(name,
            {{u"Tip"_s, FieldKind::String, 10}, {u"KanalIndex"_s, FieldKind::Int16, 0},
                {u"Dlina"_s, FieldKind::Float, 0}, {u"Stoimost"_s, FieldKind::Currency, 0}});
    if (name == condensingUnitTable)
        return tableDef(name,
            {{u"Name"_s, FieldKind::String, 15}, {u"Price"_s, FieldKind::Currency, 0},
                {u"A_B_H"_s, FieldKind::String, 30}, {u"Moschnost"_s, FieldKind::Float, 0},
                {u"Moschnost_oxl"_s, FieldKind::Float, 0}, {u"LdBA"_s, FieldKind::Float, 0},
                {u"MASSA"_s, FieldKind::Float, 0}},
            u"Name"_s);
    return std::nullopt;
}

ElementStore::ElementStore(QSqlDatabase db)
    : m_db(std::move(db))
{
}

ElementStore pritoshkaElementStore()
{
    return ElementStore(store::aliasDatabase(store::pritoshkaAlias()));
}

QString ElementStore::table(const QString& bareName)
{
    const auto known = m_resolved.constFind(bareName);
    if (known != m_resolved.constEnd())
        return *known;
    if (!m_tables)
        m_tables = m_db.tables(QSql::Tables);
    for (const QString& stored : *m_tables) {
        if (store::tableName(stored) == bareName) {
            const QString name = store::quoted(stored);
            m_resolved.insert(bareName, name);
            return name;
        }
    }
    throw CatalogueError(u"В каталоге нет таблицы %1"_s.arg(bareName));
}

std::vector<SectionRecord> ElementStore::sections()
{
    StoreQuery q(m_db, u"SELECT * FROM %1 ORDER BY \"NUM\""_s.arg(table(sectionTable)));
    std::vector<SectionRecord> rows;
    while (q.next()) {
        SectionRecord r;
        r.num = int(rows.size()) + 1;
        r.a = q.integer(u"A"_s);
        r.b = q.integer(u"B"_s);
        r.text = q.text(u"Sechenie"_s);
        rows.push_back(r);
    }
    return rows;
}

std::optional<SectionRecord> ElementStore::section(int index)
{
    StoreQuery q(m_db,
        u"SELECT \"A\", \"B\", \"Sechenie\" FROM %1 WHERE \"NUM\" = ?"_s.arg(table(sectionTable)), {index});
    if (!q.next())
        return std::nullopt;
    return SectionRecord {index, q.integer(u"A"_s), q.integer(u"B"_s), q.text(u"Sechenie"_s)};
}

std::vector<AccessoryRecord> ElementStore::accessories(AccessoryKind kind, int kanalIndex)
{
    StoreQuery q(m_db, u"SELECT * FROM %1 WHERE \"KanalIndex\" = ?"_s.arg(table(accessoryTableName(kind))),
        {kanalIndex});
    std::vector<AccessoryRecord> rows;
    while (q.next())
        rows.push_back(accessoryOf(q, kind));
    return rows;
}

std::optional<AccessoryRecord> ElementStore::accessory(
    AccessoryKind kind, int kanalIndex, const QString& tip, const QString& model)
{
    StoreQuery q(m_db,
        u"SELECT * FROM %1 WHERE \"KanalIndex\" = ? AND \"Tip\" = ? AND \"Model\" = ?"_s.arg(
            table(accessoryTableName(kind))),
        {kanalIndex, tip, model});
    if (!q.next())
        return std::nullopt;
    return accessoryOf(q, kind);
}

QStringList ElementStore::heaterTypes(HeaterKind kind)
{
    StoreQuery q(m_db, u"SELECT \"Tip\" FROM %1"_s.arg(table(heaterTableName(kind))));
    QStringList types;
    while (q.next()) {
        const QString type = heaterTypeOf(q.text(u"Tip"_s));
        if (!type.trimmed().isEmpty() && !types.contains(type))
            types << type;
    }
    std::sort(types.begin(), types.end(),
        [](const QString& l, const QString& r) { return l.compare(r, Qt::CaseInsensitive) < 0; });
    return types;
}

std::vector<HeaterRecord> ElementStore::heaterCandidates(HeaterKind kind, const QString& tip)
{
    // A type longer than 15 characters is known by its first 15 only, so it is compared the same way.
    StoreQuery q(m_db,
        u"SELECT * FROM %1 WHERE trim(substr(\"Tip\", 1, %2)) = ? ORDER BY \"KanalIndex\", \"Model\""_s
            .arg(table(heaterTableName(kind)))
            .arg(heaterTypeLength),
        {heaterTypeOf(tip).trimmed()});
    std::vector<HeaterRecord> rows;
    while (q.next())
        rows.push_back(heaterOf(q, kind));
    // Engines collate models differently; the choice among equals must not depend on the engine.
    std::stable_sort(rows.begin(), rows.end(), [](const HeaterRecord& l, const HeaterRecord& r) {
        if (l.kanalIndex != r.kanalIndex)
            return l.kanalIndex < r.kanalIndex;
        return l.model < r.model;
    });
    return rows;
}

std::optional<CoolerRecord> ElementStore::cooler(const QString& tip, int kanalIndex)
{
    StoreQuery q(m_db, u"SELECT * FROM %1 WHERE \"Tip\" = ? AND \"KanalIndex\" = ?"_s.arg(table(coolerTable)),
        {tip, kanalIndex});
    if (!q.next())
        return std::nullopt;
    return CoolerRecord {
        q.text(u"Tip"_s), q.integer(u"KanalIndex"_s), q.number(u"Dlina"_s), wholeRoubles(q, u"Stoimost"_s)};
}

std::optional<CondensingUnitRecord> ElementStore::condensingUnit(const QString& name)
{
    StoreQuery q(m_db, u"SELECT * FROM %1 WHERE \"Name\" = ?"_s.arg(table(condensingUnitTable)), {name});
    if (!q.next())
        return std::nullopt;
    CondensingUnitRecord unit;
    unit.name = q.text(u"Name"_s);
    unit.price = wholeRoubles(q, u"Price"_s);
    unit.dimensions = q.text(u"A_B_H"_s);
    // The data printed with the unit; a catalogue without these columns prints them empty.
    const auto optionalText = [&q](const QString& field) {
        const int column = q.column(field);
        return column < 0 || q.isNull(column) ? QString() : QString::number(q.number(column));
    };
    unit.power = optionalText(u"Moschnost"_s);
    unit.coolingPower = optionalText(u"Moschnost_oxl"_s);
    unit.soundPower = optionalText(u"LdBA"_s);
    unit.mass = optionalText(u"MASSA"_s);
    return unit;
}

} // namespace unit
