#include "series/SeriesOverview.h"

#include "common/NumberText.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fans/FoundFanRow.h"
#include "series/SeriesCurve.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace series {

namespace {

fans::CatalogueKind catalogueKind(SeriesKind kind)
{
    return kind == SeriesKind::Smoke ? fans::CatalogueKind::Smoke : fans::CatalogueKind::General;
}

bool electricalPower(const QString& seriesName)
{
    return fans::seriesPrefix(seriesName) == u"ДЮНА"_s;
}

QString largestPower(const fanviews::FanCurveSet& curve, QChar separator)
{
    if (curve.pointCount < 1)
        return QString();
    const auto end = curve.powerPoints.begin() + curve.pointCount;
    return generalText4(*std::max_element(curve.powerPoints.begin(), end), separator);
}

QString phases(const FanRecord& fan)
{
    return fan.fazkol ? u"3"_s : u"1"_s;
}

QStringList generalCells(const FanRecord& fan, const fanviews::FanCurveSet& curve, QChar separator)
{
    // Fans without a duct connection (pressurization fans) carry no size in the catalogue.
    const QString duct = fan.a == 0 ? QString()
        : fan.krugl                 ? u"диам. "_s + QString::number(fan.a)
                                    : fans::ductSizeText(fan);
    return {QString(), fans::generalDesignation(fan), fan.autoName ? QString::number(fan.d) : QString(),
        QString::number(fan.n), duct, largestPower(curve, separator), QString::number(fan.polus), phases(fan),
        fans::storedRealText(fan.lpaInput, separator), fans::storedRealText(fan.lpaOutput, separator),
        fans::storedRealText(fan.lpaArround, separator), QString(), fan.autoName ? QString() : fan.manualName,
        fan.ny, fans::storedRealText(fan.massa, separator)};
}

QStringList smokeCells(const FanRecord& fan, const fanviews::FanCurveSet& curve, QChar separator)
{
    return {QString(), fans::smokeDesignation(fan), QString::number(fan.d), QString::number(fan.n),
        largestPower(curve, separator), QString::number(fan.polus), phases(fan), fan.ny,
        integerText(fan.massa), QString(10, u' ') + (fan.stoikost ? u'+' : u'-'), QString()};
}

} // namespace

std::vector<SeriesItem> seriesItems(SeriesKind kind)
{
    std::vector<SeriesItem> items;
    if (kind == SeriesKind::Smoke) {
        for (const fans::SmokeSeriesEntry& entry : fans::FanCatalogue::smokeSeries())
            items.push_back({entry.name, entry.icon});
        return items;
    }
    for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries())
        items.push_back({entry.name, entry.icon, entry.krugl, entry.krysh, entry.podpor});
    return items;
}

bool isSeriesFan(const FanRecord& fan, const SeriesItem& item, SeriesKind kind)
{
    if (fan.name != item.name)
        return false;
    if (kind == SeriesKind::Smoke)
        return true;
    // A name listed under several flag combinations is several series; each shows its own fans.
    return fan.krugl == item.krugl && fan.krysh == item.krysh && fan.podpor == item.podpor
        && !(fan.podpor && !fan.davlen);
}

int columnCount(SeriesKind kind)
{
    return kind == SeriesKind::Smoke ? 11 : 15;
}

QStringList headerRow(SeriesKind kind, int row, const QString& seriesName)
{
    if (kind == SeriesKind::Smoke) {
        if (row == 0)
            return {QString(), u"Наименование"_s, u"Диаметр"_s, u" Частота "_s, u"Мощность максимальная"_s,
                u"Колич."_s, u"Колич."_s, u"Мощность уст."_s, u"Масса"_s, u"Огнестойкость"_s, QString()};
        return {QString(), QString(), u"D, мм"_s, u"n, об/мин"_s,
            electricalPower(seriesName) ? u"электрическая, Nэ,кВт"_s : u"   на валу, Nв,кВт   "_s,
            u"полюсов"_s, u"фаз"_s, u"Nу, кВт"_s, u" кг"_s, u"600°C / 2часа"_s, QString()};
    }
    if (row == 0)
        return {QString(), u"Наименование"_s, u"Диаметр"_s, u" Частота "_s, u"Размер сечения канала"_s,
            u"Мощность максимальная"_s, u"Колич."_s, u"Колич."_s, u"Шум, dB(A)"_s, u"Шум, dB(A)"_s,
            u"Шум, dB(A)"_s, QString(), u"Код"_s, u"Мощность уст."_s, u"Масса"_s};
    return {QString(), QString(), u"D, мм"_s, u"n, об/мин"_s, u"  [A*B] / (диам.), мм"_s,
        u"   на валу, Nв,кВт   "_s, u"полюсов"_s, u"фаз"_s, u"к Входу"_s, u" к Выходу "_s, u"через стенки"_s,
        QString(), QString(), u"  Nу, кВт"_s, u" кг"_s};
}

QString flowAxisTitle(SeriesKind kind)
{
    return kind == SeriesKind::Smoke ? u"Расход, м3/час"_s : u"Расход воздуха, м3/час"_s;
}

QString pressureAxisTitle(SeriesKind kind, const SeriesItem& item)
{
    if (kind == SeriesKind::Smoke)
        return item.icon == 1 ? u"Полное давление при т-ре 20°C, Па"_s
                              : u"Статическое давление при т-ре 20°C, Па"_s;
    return item.icon == 3 ? u"Статическое давление, Па"_s : u"Полное давление, Па"_s;
}

void placeLabel(SeriesFan& fan, double flow)
{
    fan.label = labelPoint(fan.curve, flow);
    fan.labelFlow = fan.label ? fan.label->x() : flow;
}

SeriesOverview seriesOverview(
    const std::vector<FanRecord>& records, SeriesKind kind, const SeriesItem& item, QChar decimalSeparator)
{
    SeriesOverview overview;
    overview.kind = kind;
    overview.item = item;
    overview.axisTitle = pressureAxisTitle(kind, item);
    for (const FanRecord& record : records) {
        if (!isSeriesFan(record, item, kind))
            continue;
        const int k = int(overview.fans.size());
        SeriesFan fan;
        fan.record = record;
        fan.curve = fanviews::curveSetOf(record);
        fan.cells = kind == SeriesKind::Smoke ? smokeCells(record, fan.curve, decimalSeparator)
                                              : generalCells(record, fan.curve, decimalSeparator);
        fan.cells[0] = QString::number(k + 1);
        fan.designation = fan.cells[1];
        fan.drawn = seriesCurve(fan.curve);
        placeLabel(fan, record.logMarks ? record.marksPosition : staggeredLabelFlow(fan.curve, k));
        overview.fans.push_back(std::move(fan));
    }
    return overview;
}

SeriesOverview seriesOverview(SeriesKind kind, const SeriesItem& item, QChar decimalSeparator)
{
    return seriesOverview(*fans::FanCatalogue::records(catalogueKind(kind)), kind, item, decimalSeparator);
}

} // namespace series
