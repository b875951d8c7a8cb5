#include "fans/FanCatalogueSchema.h"

#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "fans/FanDesignation.h"

namespace fans {

using store::FieldDef;
using store::FieldKind;

QString catalogueTableName(CatalogueKind kind)
{
    return kind == CatalogueKind::Smoke ? QStringLiteral("razmzfnsmk") : QStringLiteral("razmzfn");
}

QString curveColumnName(int i)
{
    return QString::number(i);
}

store::TableDef catalogueTableDef(CatalogueKind kind)
{
    store::TableDef table;
    table.name = catalogueTableName(kind);
    auto add = [&table](const char16_t* name, FieldKind fieldKind, int size = 0) {
        table.fields.push_back(FieldDef {QString::fromUtf16(name), fieldKind, size});
    };
    // Names may exceed 25 characters in a maker's table (the program cuts them); 60 leaves room.
    add(u"Name", FieldKind::String, 60);
    if (kind == CatalogueKind::General) {
        add(u"Krugl", FieldKind::Boolean);
        add(u"Krysh", FieldKind::Boolean);
        add(u"Podpor", FieldKind::Boolean);
        add(u"A", FieldKind::Int16);
        add(u"B", FieldKind::Int16);
    }
    add(u"D", FieldKind::Int16);
    add(u"N", FieldKind::Int16);
    add(u"Polus", FieldKind::Int16);
    add(u"Fazkol", FieldKind::Boolean);
    add(u"Davlen", FieldKind::Boolean);
    if (kind == CatalogueKind::General) {
        add(u"AutoName", FieldKind::Boolean);
        add(u"ManualName", FieldKind::String, manualNameLength);
        add(u"LogMarks", FieldKind::Boolean);
        add(u"MarksPosition", FieldKind::Float);
        add(u"Money", FieldKind::Currency);
        add(u"Lpa_Input", FieldKind::Float);
        add(u"Lpa_Output", FieldKind::Float);
        add(u"Lpa_Arround", FieldKind::Float);
        add(u"Massa", FieldKind::Float);
        add(u"Dlina", FieldKind::Float);
    } else {
        add(u"Stoikost", FieldKind::Boolean);
        add(u"Money", FieldKind::Currency);
        add(u"Money600", FieldKind::Currency);
        add(u"Massa", FieldKind::Float);
        // Connection sizes and noise of smoke-exhaust fans may be supplied; the program does not read them.
        add(u"A", FieldKind::Int16);
        add(u"B", FieldKind::Int16);
        add(u"Lpa_Input", FieldKind::Float);
        add(u"Lpa_Output", FieldKind::Float);
        add(u"Lpa_Arround", FieldKind::Float);
    }
    add(u"Ny", FieldKind::String, nyLength);
    for (int i = 1; i <= FanRecord::curveColumnCount; ++i)
        table.fields.push_back(FieldDef {curveColumnName(i), FieldKind::Float, 0});
    return table;
}

bool isOptionalColumn(CatalogueKind kind, const QString& column)
{
    static const QStringList smokeOptional {QStringLiteral("A"), QStringLiteral("B"),
        QStringLiteral("Lpa_Input"), QStringLiteral("Lpa_Output"), QStringLiteral("Lpa_Arround")};
    return kind == CatalogueKind::Smoke && smokeOptional.contains(column, Qt::CaseInsensitive);
}

std::optional<store::TableDef> knownCatalogueTableDef(const QString& tableName)
{
    const QString name = store::tableName(tableName);
    for (const CatalogueKind kind : {CatalogueKind::General, CatalogueKind::Smoke}) {
        if (name == catalogueTableName(kind))
            return catalogueTableDef(kind);
    }
    return std::nullopt;
}

int curvePointCount(const FanRecord& fan)
{
    int n = 0;
    while (n < FanRecord::maxPoints && fan.columns[n].has_value())
        ++n;
    return n;
}

const char16_t* FanRowLayout::fieldName(Field field)
{
    static const char16_t* const names[FieldCount]
        = {u"Name", u"Krugl", u"Krysh", u"Podpor", u"A", u"B", u"D", u"N", u"Polus", u"Fazkol", u"Davlen",
            u"AutoName", u"ManualName", u"LogMarks", u"MarksPosition", u"Money", u"Money600", u"Stoikost",
            u"Lpa_Input", u"Lpa_Output", u"Lpa_Arround", u"Massa", u"Dlina", u"Ny"};
    return names[field];
}

FanRowLayout FanRowLayout::ofOwnTable(const store::StoreQuery& query)
{
    FanRowLayout layout;
    for (int f = 0; f < FieldCount; ++f)
        layout.m_fields[size_t(f)] = query.column(QString::fromUtf16(fieldName(Field(f))));
    for (int i = 0; i < FanRecord::curveColumnCount; ++i)
        layout.m_curve[size_t(i)] = query.column(curveColumnName(i + 1));
    return layout;
}

FanRowLayout FanRowLayout::ofCatalogue(const store::StoreQuery& query, CatalogueKind kind)
{
    const store::TableDef table = catalogueTableDef(kind);
    for (const FieldDef& field : table.fields) {
        if (!isOptionalColumn(kind, field.name))
            query.requiredColumn(field.name, table.name);
    }
    return ofOwnTable(query);
}

FanRecord FanRowLayout::read(const store::StoreQuery& row) const
{
    auto at = [this](Field field) { return m_fields[size_t(field)]; };
    FanRecord fan;
    fan.name = cutName(row.text(at(Name)));
    fan.krugl = row.boolean(at(Krugl));
    fan.krysh = row.boolean(at(Krysh));
    fan.podpor = row.boolean(at(Podpor));
    fan.a = row.integer(at(A));
    fan.b = row.integer(at(B));
    fan.d = row.integer(at(D));
    fan.n = row.integer(at(N));
    fan.polus = row.integer(at(Polus));
    fan.fazkol = row.boolean(at(Fazkol));
    fan.davlen = row.boolean(at(Davlen));
    // The smoke-exhaust table has no AutoName: its designation is always built.
    fan.autoName = at(AutoName) < 0 || row.boolean(at(AutoName));
    fan.manualName = row.text(at(ManualName));
    fan.logMarks = row.boolean(at(LogMarks));
    fan.marksPosition = row.number(at(MarksPosition));
    fan.money = row.number(at(Money));
    fan.money600 = row.number(at(Money600));
    fan.stoikost = row.boolean(at(Stoikost));
    fan.lpaInput = row.number(at(LpaInput));
    fan.lpaOutput = row.number(at(LpaOutput));
    fan.lpaArround = row.number(at(LpaArround));
    fan.massa = row.number(at(Massa));
    fan.dlina = row.number(at(Dlina));
    fan.ny = row.text(at(Ny));
    for (int i = 0; i < FanRecord::curveColumnCount; ++i) {
        if (const auto value = row.optionalNumber(m_curve[size_t(i)]))
            fan.columns[size_t(i)] = *value;
    }
    fan.pointCount = curvePointCount(fan);
    return fan;
}

} // namespace fans
