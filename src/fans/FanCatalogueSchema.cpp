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

FanRecord fanRecordFromRow(const store::StoreQuery& row)
{
    FanRecord fan;
    auto text = [&row](const QString& field) { return row.hasField(field) ? row.text(field) : QString(); };
    auto number = [&row](const QString& field, double fallback = 0) {
        return row.hasField(field) ? row.number(field) : fallback;
    };
    auto integer = [&row](const QString& field) { return row.hasField(field) ? row.integer(field) : 0; };
    auto boolean = [&row](const QString& field, bool fallback = false) {
        return row.hasField(field) ? row.boolean(field) : fallback;
    };

    fan.name = cutName(text(QStringLiteral("Name")));
    fan.krugl = boolean(QStringLiteral("Krugl"));
    fan.krysh = boolean(QStringLiteral("Krysh"));
    fan.podpor = boolean(QStringLiteral("Podpor"));
    fan.a = integer(QStringLiteral("A"));
    fan.b = integer(QStringLiteral("B"));
    fan.d = integer(QStringLiteral("D"));
    fan.n = integer(QStringLiteral("N"));
    fan.polus = integer(QStringLiteral("Polus"));
    fan.fazkol = boolean(QStringLiteral("Fazkol"));
    fan.davlen = boolean(QStringLiteral("Davlen"));
    // The smoke-exhaust table has no AutoName: its designation is always built.
    fan.autoName = boolean(QStringLiteral("AutoName"), true);
    fan.manualName = text(QStringLiteral("ManualName"));
    fan.logMarks = boolean(QStringLiteral("LogMarks"));
    fan.marksPosition = number(QStringLiteral("MarksPosition"));
    fan.money = number(QStringLiteral("Money"));
    fan.money600 = number(QStringLiteral("Money600"));
    fan.stoikost = boolean(QStringLiteral("Stoikost"));
    fan.lpaInput = number(QStringLiteral("Lpa_Input"));
    fan.lpaOutput = number(QStringLiteral("Lpa_Output"));
    fan.lpaArround = number(QStringLiteral("Lpa_Arround"));
    fan.massa = number(QStringLiteral("Massa"));
    fan.dlina = number(QStringLiteral("Dlina"));
    fan.ny = text(QStringLiteral("Ny"));
    for (int i = 0; i < FanRecord::curveColumnCount; ++i) {
        const QString column = curveColumnName(i + 1);
        if (row.hasField(column))
            fan.columns[i] = row.optionalNumber(column);
    }
    fan.pointCount = curvePointCount(fan);
    return fan;
}

} // namespace fans
