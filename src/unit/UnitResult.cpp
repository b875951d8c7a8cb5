#include "unit/UnitResult.h"

#include "common/NumberText.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "unit/ElementLines.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace unit {

std::vector<UnitElementRow> readElementsTable(const QSqlDatabase& db)
{
    store::StoreQuery q(db,
        u"SELECT * FROM %1 ORDER BY %2"_s.arg(
            store::quoted(store::tableName(elementsTableName())), store::quoted(u"Num"_s)));
    std::vector<UnitElementRow> rows;
    while (q.next())
        rows.push_back({q.text(u"NAME"_s), q.text(u"Tip"_s), q.text(u"Model"_s), q.number(u"Soprotivl"_s),
            q.number(u"Dlina"_s), q.text(u"Sechenie"_s), std::llround(q.number(u"Stoimost"_s)),
            q.integer(u"Kolich"_s)});
    return rows;
}

FanTypeModel fanTypeAndModel(const QString& designation)
{
    // The whole designation: cut to a fixed width, "ВКП-ВЕКТОР 4-6-3" would print the model "4-6-".
    const qsizetype blank = designation.indexOf(u' ');
    if (blank < 0)
        return {designation, designation};
    return {designation.left(blank), designation.mid(blank + 1)};
}

FanDimensions fanDimensionsOf(const FanRecord& fan)
{
    return {fan.dlina, fan.a, fan.b};
}

UnitResult unitResult(const std::vector<UnitElementRow>& elements, const QStringList& fanRow,
    const std::optional<FanDimensions>& fan)
{
    UnitResult result;
    const QString designation = fanRow.value(1);
    result.caption = u"Параметры подбранной модульной системы с канальным вентилятором: "_s + designation;
    result.pieces = elements;
    for (const UnitElementRow& row : elements)
        result.length += row.length * row.count;
    const FanTypeModel typeModel = fanTypeAndModel(designation);
    UnitElementRow fanPiece {u"Вентилятор"_s, typeModel.type, typeModel.model, 0, 0, QString(), 0, 1};
    if (fan) {
        fanPiece.length = roundHalfEven(fan->length);
        fanPiece.section = u"%1*%2"_s.arg(fan->a).arg(fan->b);
        result.length += fan->length;
    }
    result.pieces.push_back(fanPiece);
    result.ductSize = fanRow.value(6);

    const struct {
        const char16_t* title;
        int column;
    } figures[] = {{u"Расход воздуха (расчетный) - Qв, м3/час", 2},
        {u"Полное давление обеспечиваемое вентилятором - Pв, Па", 3},
        {u"Диаметр рабочего колеса вентилятора - D, мм", 4},
        {u"Частота вращения колеса вентилятора - n, об/мин", 5},
        {u"Размеры сторон сечения канала, А*В, мм*мм", 6}, {u"Полюсность электродвигателя:", 8},
        {u"Количество фаз электродвигателя:", 9}, {u"Шум ко входу - Lw, dB(A)", 11},
        {u"Шум к выходу - Lw, dB(A)", 12}, {u"Шум через стенки - Lw, dB(A)", 13},
        {u"Скорость воздуха в канале, м/сек", 14}};
    for (const auto& f : figures)
        result.figures.emplace_back(QString::fromUtf16(f.title), fanRow.value(f.column));
    result.figures.emplace_back(
        u"Общая длина приточной системы (с вентилятором):"_s, integerText(result.length) + u" мм"_s);
    result.figures.emplace_back(QString(), QString());
    return result;
}

QStringList compositionCells(const UnitElementRow& row)
{
    return {row.name, row.tip, row.model, lengthText(row.length), row.section, QString(),
        QString::number(row.count)};
}

} // namespace unit
