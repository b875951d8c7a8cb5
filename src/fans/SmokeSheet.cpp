#include "fans/SmokeSheet.h"

#include "common/NumberText.h"
#include "fans/SmokeFoundFanRow.h"

using namespace Qt::StringLiterals;

namespace fans {

SmokeSheetValues smokeSheetValuesOf(
    const SelectedFan& fan, const SmokeSelectionRun& run, QChar decimalSeparator)
{
    const QStringList row = smokeFoundFanRow(fan.listed, run.fireClass, 0, decimalSeparator);
    const auto cell = [&row](int column) { return row.at(column); };
    SmokeSheetValues sheet;
    sheet.caption = u"Характеристики выбранного вентилятора дымоудаления:  "_s + cell(1);
    sheet.gasTemperatureText = run.gasTemperatureText.trimmed();
    sheet.requiredFlowText = integerText(run.requiredFlow);
    sheet.requiredPressureText = integerText(run.requiredPressure);
    sheet.chartPressureTitle = run.roofRun ? u"Статическое давление при заданной т-ре, Па"_s
                                           : u"Полное давление при заданной т-ре, Па"_s;
    // The labels keep the maker's spelling: "часa" ends in a Latin "a" in the 400 °C caption and in the
    // printed 600 °C caption.
    const bool hot = run.fireClass != FireClass::C400;
    const QString fireLabel = hot ? u"Огнестойкость 600°C - 2 часа:"_s : u"Огнестойкость 400°C - 2 часa:"_s;
    sheet.printedFireLabel = hot ? u"Огнестойкость 600°C - 2 часa:"_s : fireLabel;
    sheet.printedPriceCaption
        = hot ? u"Цена включая НДС (600°C), руб."_s : u"Цена включая НДС (400°C), руб."_s;
    const std::pair<QString, QString> rows[] = {
        {u"Расход воздуха - Qв, м3/час"_s, cell(2)},
        {run.roofRun ? u"Статическое давление - Pв, Па"_s : u"Полное давление - Pв, Па"_s, cell(3)},
        {u"Диаметр рабочего колеса вентилятора - D, мм"_s, cell(4)},
        {u"Частота вращения колеса вентилятора - n, об/мин"_s, cell(5)},
        {u"Полюсность электродвигателя мотор-колеса:"_s, cell(7)},
        {u"Количество фаз электродвигателя мотор-колеса:"_s, cell(8)},
        {fireLabel, cell(10).trimmed()},
        {u"Мощность установочная, Nу, кВт:"_s, cell(12)},
        {u"Масса, кг:"_s, cell(13)},
        {QString(), QString()},
        {QString(), QString()},
    };
    sheet.rows.assign(std::begin(rows), std::end(rows));
    return sheet;
}

} // namespace fans
