#include "series/SeriesSheet.h"

#include "fans/FanDesignation.h"

using namespace Qt::StringLiterals;

namespace series {

namespace {

std::vector<std::pair<QString, QString>> generalRows(const QStringList& c)
{
    // An empty cell (no diameter of a hand-named fan) shows no unit either.
    auto unit = [&c](int column, const QString& suffix) -> QString {
        const QString value = c.value(column);
        return value.isEmpty() ? QString() : value + suffix;
    };
    return {{u"Диаметр рабочего колеса вентилятора, D:"_s, unit(2, u"   мм"_s)},
        {u"Частота вращения колеса вентилятора, n:"_s, unit(3, u"   об/мин"_s)},
        {u"Размеры сторон сечения канала, [А*В]/(диам.):"_s, unit(4, u"   мм"_s)},
        {u"Полюсность электродвигателя:"_s, c.value(6)}, {u"Количество фаз электродвигателя:"_s, c.value(7)},
        {u"Шум ко входу, Lw:"_s, unit(8, u"   dB(A)"_s)}, {u"Шум к выходу, Lw:"_s, unit(9, u"   dB(A)"_s)},
        {u"Шум через стенки, Lw:"_s, unit(10, u"   dB(A)"_s)},
        {u"Мощность установочная, Nу:"_s, unit(13, u"   кВт"_s)}, {u"Масса:"_s, unit(14, u"   кг"_s)}, {}};
}

std::vector<std::pair<QString, QString>> smokeRows(const QStringList& c, const QString& seriesName)
{
    const bool electrical = fans::seriesPrefix(seriesName) == u"ДЮНА"_s;
    return {{u"Диаметр рабочего колеса вентилятора - D, мм"_s, c.value(2)},
        {u"Частота вращения колеса вентилятора - n, об/мин"_s, c.value(3)},
        {electrical ? u"Мощность максимальная электрическая - Nэ, кВт"_s
                    : u"Мощность максимальная на валу - Nв, кВт"_s,
            c.value(4)},
        {u"Полюсность электродвигателя мотор-колеса:"_s, c.value(5)},
        {u"Количество фаз электродвигателя мотор-колеса:"_s, c.value(6)},
        {u"Мощность установочная, Nу, кВт:"_s, c.value(7)}, {u"Масса, кг:"_s, c.value(8)},
        {u"Огнестойкость 400°C - 2 часa:"_s, u"+"_s},
        {u"Огнестойкость 600°C - 2 часа:"_s, c.value(9).trimmed()}, {}, {}};
}

} // namespace

SeriesSheet seriesSheetOf(const SeriesOverview& overview, const SeriesFan& fan)
{
    SeriesSheet sheet;
    sheet.kind = overview.kind;
    sheet.seriesName = overview.item.name;
    sheet.designation = fans::cutName(fan.designation);
    sheet.pressureAxisTitle = overview.axisTitle;
    sheet.curve = fan.curve;
    if (overview.kind == SeriesKind::Smoke) {
        sheet.caption = u"Характеристики выбранного вентилятора дымоудаления:  "_s + fan.designation;
        sheet.rows = smokeRows(fan.cells, overview.item.name);
    } else {
        sheet.caption = u"Характеристики выбранного вентилятора:  "_s + fan.designation;
        sheet.rows = generalRows(fan.cells);
        sheet.octaves = fanviews::soundPowerLevels(
            sheet.designation, fan.record.lpaInput, fan.record.lpaOutput, fan.record.lpaArround);
    }
    return sheet;
}

QString seriesFileStem(const SeriesOverview& overview)
{
    if (overview.fans.empty())
        return QString();
    return fans::seriesPrefix(overview.fans.front().designation.left(15));
}

} // namespace series
