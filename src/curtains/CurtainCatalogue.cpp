#include "curtains/CurtainCatalogue.h"

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

using store::FieldDef;
using store::FieldKind;

std::vector<FieldDef> floats(std::initializer_list<const char16_t*> names)
{
    std::vector<FieldDef> fields;
    for (const char16_t* name : names)
        fields.push_back({QString::fromUtf16(name), FieldKind::Float, 0});
    return fields;
}

store::TableDef tableDef(
    const QString& name, std::vector<FieldDef> numbers, std::initializer_list<const char16_t*> prices)
{
    store::TableDef def;
    def.name = name;
    def.fields = {{u"Name"_s, FieldKind::String, 20}, {u"Sechenie"_s, FieldKind::String, 20}};
    def.fields.insert(def.fields.end(), numbers.begin(), numbers.end());
    for (const char16_t* price : prices)
        def.fields.push_back({QString::fromUtf16(price), FieldKind::Currency, 0});
    def.indexes = {{QString(), u"Name"_s, true, false}};
    return def;
}

store::TableDef modelTableDef(Series series)
{
    if (series == Series::Tem)
        return tableDef(curtainTableName(Series::Tem),
            floats({u"Rasxod", u"Moschnost_Dvig", u"ldBA", u"Davlen_2X", u"Davlen_3X"}),
            {u"Price", u"Price_2X", u"Price_3X"});
    return tableDef(curtainTableName(Series::Ork),
        floats({u"Rasxod", u"Moschnost_Dvig", u"ldBA", u"Davlen_2X", u"Davlen_3X", u"Moschnost_Elektr_1",
            u"Moschnost_Elektr_2"}),
        {u"Price", u"Price_2X", u"Price_3X", u"Price_Elektr_1", u"Price_Elektr_2"});
}

store::TableDef blockTableDef()
{
    return tableDef(curtainTableName(Series::Pln),
        floats({u"Dlina", u"Rasxod", u"Moschnost", u"LdBA", u"Massa", u"Moschnost_nagrev", u"Rasxod_voda",
            u"Davlen_voda"}),
        {u"Price"});
}

// The record of one key.
store::StoreQuery recordQuery(Series series, const QString& name)
{
    return store::StoreQuery(store::aliasDatabase(store::pritoshkaAlias()),
        u"SELECT * FROM %1 WHERE %2 = ?"_s.arg(
            store::quoted(curtainTableName(series)), store::quoted(u"Name"_s)),
        {name});
}

std::optional<CurtainModelRecord> readModel(Series series, const QString& name)
{
    store::StoreQuery query = recordQuery(series, name);
    if (!query.next())
        return std::nullopt;
    CurtainModelRecord r;
    r.name = query.text(u"Name"_s);
    r.section = query.text(u"Sechenie"_s);
    r.flow = query.number(u"Rasxod"_s);
    r.motorPower = query.number(u"Moschnost_Dvig"_s);
    r.noise = query.number(u"ldBA"_s);
    r.waterLoss2 = query.number(u"Davlen_2X"_s);
    r.waterLoss3 = query.number(u"Davlen_3X"_s);
    if (series == Series::Ork) {
        r.electricNominal = query.number(u"Moschnost_Elektr_1"_s);
        r.electricReduced = query.number(u"Moschnost_Elektr_2"_s);
    }
    return r;
}

std::optional<PlnBlockRecord> readBlock(const QString& name)
{
    store::StoreQuery query = recordQuery(Series::Pln, name);
    if (!query.next())
        return std::nullopt;
    PlnBlockRecord r;
    r.name = query.text(u"Name"_s);
    r.section = query.text(u"Sechenie"_s);
    r.length = query.number(u"Dlina"_s);
    r.flow = query.number(u"Rasxod"_s);
    r.motorPower = query.number(u"Moschnost"_s);
    r.noise = query.number(u"LdBA"_s);
    r.mass = query.number(u"Massa"_s);
    r.heaterPower = query.number(u"Moschnost_nagrev"_s);
    r.waterFlow = query.number(u"Rasxod_voda"_s);
    r.waterLoss = query.number(u"Davlen_voda"_s);
    return r;
}

} // namespace

QString curtainTableName(Series series)
{
    // Stored in lower case, as every catalogue table.
    switch (series) {
    case Series::Ork:
        return u"krt_ork"_s;
    case Series::Tem:
        return u"tem"_s;
    case Series::Pln:
        break;
    }
    return u"pln"_s;
}

std::optional<store::TableDef> knownCurtainTableDef(const QString& tableName)
{
    const QString name = store::tableName(tableName);
    if (name == curtainTableName(Series::Ork))
        return modelTableDef(Series::Ork);
    if (name == curtainTableName(Series::Tem))
        return modelTableDef(Series::Tem);
    if (name == curtainTableName(Series::Pln))
        return blockTableDef();
    return std::nullopt;
}

CurtainCatalogue storeCurtainCatalogue()
{
    return {readModel, readBlock};
}

} // namespace curtains
