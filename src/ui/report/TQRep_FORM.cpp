#include "ui/report/TQRep_FORM.h"

#include <QEvent>

namespace {

report::SeriesReportDesign generalDesign()
{
    report::SeriesReportDesign d;
    d.page = report::PageSetup::letter({12.7, 12.7, 12.7, 12.7});
    d.logoLeftMm = 22.8;
    d.makerLeftMm = 52.0;
    d.ruleFromMm = 19.0;
    d.ruleToMm = 172.0;
    d.titleLeftMm = 32.0;
    d.chartLeftMm = 19.5;
    d.bottomAxisTitle = QStringLiteral("Расход воздуха, м3/час");
    d.leftAxisTitle = QStringLiteral("Полное давление, Па");
    d.columns = {
        {0.0, {}, {}, QStringLiteral("Num")},
        {11.0, QStringLiteral("Наименование"), {}, QStringLiteral("Naimenovanie")},
        {52.0, QStringLiteral("Частота"), QStringLiteral("n, об/мин"), QStringLiteral("N")},
        {72.0, QStringLiteral("Размер сечения канала"), QStringLiteral("[A*B]/(диам.), мм"),
            QStringLiteral("Kanal")},
        {113.0, {}, QStringLiteral("к входу"), QStringLiteral("Lw_Input")},
        {141.0, {}, QStringLiteral("к выходу"), QStringLiteral("Lw_Output")},
        {167.0, QStringLiteral("Цена с НДС"), QStringLiteral("руб."), QStringLiteral("Money")},
    };
    d.groupFirstColumn = 4;
    d.groupTitle = QStringLiteral("Шум, Lw dB(A)");
    d.detailHeightMm = 6.1;
    return d;
}

report::SeriesReportDesign smokeDesign()
{
    report::SeriesReportDesign d;
    d.page = report::PageSetup::letter({20.32, 12.7, 20.32, 12.7});
    d.logoLeftMm = 12.2;
    d.makerLeftMm = 45.8;
    d.ruleFromMm = 10.6;
    d.ruleToMm = 165.4;
    d.titleLeftMm = 29.9;
    d.chartLeftMm = 11.9;
    d.bottomAxisTitle = QStringLiteral("Расход, м3/час");
    d.leftAxisTitle = QStringLiteral("Полное давление при т-ре 20°C, Па");
    d.columns = {
        {0.0, {}, {}, QStringLiteral("Num")},
        {11.0, QStringLiteral("Наименование"), {}, QStringLiteral("Naimenovanie")},
        {55.0, QStringLiteral("Частота"), QStringLiteral("n, об/мин"), QStringLiteral("N")},
        {89.0, {}, QStringLiteral("400°C / 2ч"), QStringLiteral("Stoikost400")},
        {119.5, {}, QStringLiteral("600°C / 2ч"), QStringLiteral("Stoikost")},
        {145.0, QStringLiteral("Цена с НДС руб."), QStringLiteral("400°C /600°C"), QStringLiteral("Money")},
    };
    d.groupFirstColumn = 3;
    d.groupTitle = QStringLiteral("Огнестойкость");
    d.detailHeightMm = 5.8;
    return d;
}

} // namespace

TQRep_FORM::TQRep_FORM(QWidget* parent)
    : report::SeriesReportWindow(generalDesign(), parent)
{
    setObjectName(QStringLiteral("QRep_FORM"));
    unbindPrice();
    // The titles are emptied again on every activation; emptying them now as well keeps a print that
    // runs before the window was ever activated free of price titles too.
    blankPriceTitles();
}

void TQRep_FORM::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        blankPriceTitles();
    report::SeriesReportWindow::changeEvent(event);
}

TQRep_FORMSMK::TQRep_FORMSMK(QWidget* parent)
    : report::SeriesReportWindow(smokeDesign(), parent)
{
    setObjectName(QStringLiteral("QRep_FORMSMK"));
    unbindPrice();
    blankPriceTitles();
}
