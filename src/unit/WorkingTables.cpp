#include "unit/WorkingTables.h"

#include "common/StoreTable.h"

#include <cmath>

using namespace Qt::StringLiterals;
using store::FieldKind;

namespace unit {

namespace {

struct PositionRule {
    const char16_t* name;
    const char16_t* tip; // nullptr: any type
    int position;
};

// Later rules win, as the positions were always assigned by a cascade of tests.
int positionOf(const QString& name, const QString& tip, std::initializer_list<PositionRule> rules)
{
    int position = 0;
    for (const PositionRule& rule : rules) {
        if (name == QStringView(rule.name) && (!rule.tip || tip == QStringView(rule.tip)))
            position = rule.position;
    }
    return position;
}

store::TableDef workingTableDef(const QString& name, bool textNumbers)
{
    const FieldKind numberKind = textNumbers ? FieldKind::String : FieldKind::Float;
    const int numberSize = textNumbers ? 15 : 0;
    store::TableDef def;
    def.name = name;
    def.fields = {{u"Num"_s, FieldKind::AutoIncrement, 0}, {u"NAME"_s, FieldKind::String, 25},
        {u"Tip"_s, FieldKind::String, 15}, {u"Model"_s, FieldKind::String, 25}};
    if (!textNumbers)
        def.fields.push_back({u"Soprotivl"_s, FieldKind::Float, 0});
    def.fields.push_back({u"Dlina"_s, numberKind, numberSize});
    def.fields.push_back({u"Sechenie"_s, FieldKind::String, 10});
    def.fields.push_back({u"Stoimost"_s, textNumbers ? FieldKind::String : FieldKind::Currency, numberSize});
    def.fields.push_back({u"Kolich"_s, textNumbers ? FieldKind::String : FieldKind::Int16, numberSize});
    def.fields.push_back({u"PoryadokNum"_s, FieldKind::Int16, 0});
    def.indexes = {{QString(), u"Num"_s, true, false}};
    return def;
}

} // namespace

int elementPosition(const QString& name, const QString& tip)
{
    return positionOf(name, tip,
        {{u"Жалюзи", nullptr, 1}, {u"Клапан", u"Обратный", 2}, {u"Клапан", u"Воздушный", 3},
            {u"Фильтр", u"Панельный", 4}, {u"Фильтр", u"Карманный", 5}, {u"Клапан", u"Смесительный", 6},
            {u"Вентилятор", nullptr, 7}, {u"Теплообменник", nullptr, 8}, {u"Охладитель", nullptr, 9},
            {u"Глушитель", nullptr, 10}, {u"Мягкая вставка", nullptr, 11}, {u"ККБ", nullptr, 12}});
}

int reportPosition(const QString& name, const QString& tip)
{
    return positionOf(name, tip,
        {{u"Клапан", u"Обратный", 2}, {u"Клапан", u"Воздушный", 3}, {u"Фильтр", u"Панельный", 4},
            {u"Фильтр", u"Карманный", 5}, {u"Фильтр", u"Карманный засор", 6}, {u"Клапан", u"Смесительный", 7},
            {u"Вентилятор", nullptr, 8}, {u"Теплообменник", nullptr, 9}, {u"Охладитель", nullptr, 10},
            {u"Глушитель", nullptr, 11}, {u"Мягкая вставка", nullptr, 12}, {u"ККБ", nullptr, 13}});
}

QString elementsTableName()
{
    return u"elements"_s;
}

QString reportOrderTableName()
{
    return u"reprrsst"_s;
}

void writeElementsTable(const QSqlDatabase& db, const std::vector<UnitElementRow>& rows)
{
    store::createTable(db, workingTableDef(elementsTableName(), false));
    std::vector<QVariantList> records;
    for (const UnitElementRow& r : rows)
        records.push_back({r.name.left(25), r.tip.left(15), r.model.left(25), r.loss, r.length,
            r.section.left(10), r.price, r.count, elementPosition(r.name, r.tip)});
    store::appendRecords(db, elementsTableName(),
        {u"NAME"_s, u"Tip"_s, u"Model"_s, u"Soprotivl"_s, u"Dlina"_s, u"Sechenie"_s, u"Stoimost"_s,
            u"Kolich"_s, u"PoryadokNum"_s},
        records);
}

void writeReportOrderTable(const QSqlDatabase& db, const std::vector<UnitElementRow>& rows)
{
    store::createTable(db, workingTableDef(reportOrderTableName(), true));
    std::vector<QVariantList> records;
    for (const UnitElementRow& r : rows)
        records.push_back(
            {r.name.left(25), r.tip.left(15), r.model.left(25), QString::number(std::llround(r.length)),
                r.section.left(10), QString(), QString::number(r.count), reportPosition(r.name, r.tip)});
    store::appendRecords(db, reportOrderTableName(),
        {u"NAME"_s, u"Tip"_s, u"Model"_s, u"Dlina"_s, u"Sechenie"_s, u"Stoimost"_s, u"Kolich"_s,
            u"PoryadokNum"_s},
        records);
}

} // namespace unit
