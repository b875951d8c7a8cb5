#include "heating/ui/HeatingUnitReportForm.h"

#include "common/ProgramFolder.h"
#include "printing/MakerHeader.h"
#include "ui/Messages.h"

using namespace Qt::StringLiterals;

namespace {

using report::boldText;
using report::TextStyle;

constexpr double printableWidth = 210.0 - 2 * 12.7;
// The characteristics table: a frame 159 × 125 mm with one line per value.
constexpr double tableWidth = 159.0;
constexpr double tableLeft = (printableWidth - tableWidth) / 2;
constexpr double tableTop = 2.0;
constexpr double lineHeight = 5.0;
constexpr double valueLeft = 138.9;
constexpr double ruleX = valueLeft - 1.0;
constexpr double pictureWidth = 133.6;
constexpr double pictureHeight = 74.3;

// Captions of grid rows 1..23, in row order; the price and total lines follow them.
const QStringList& valueCaptions()
{
    static const QStringList captions = {
        u"Расчетная температура наружного воздуха, °С:"_s,
        u"Расчетная температура внутреннего воздуха, °С:"_s,
        u"Температура горячей воды на входе, °С:"_s,
        u"Температура горячей воды на выходе, °С:"_s,
        u"Начальный угол отклонения струи, град.:"_s,
        u"Необходимая мощность для нагрева, кВт:"_s,
        u"Тип здания:"_s,
        u"Внешний объем здания, м3:"_s,
        u"Суммарная мощность теплопритока, кВт:"_s,
        u"Тепловая мощность агрегата, кВт:"_s,
        u"Количество агрегатов, шт:"_s,
        u"Расход воды через один агрегат, кг/час:"_s,
        u"Гидравлическое сопротивление воздухонагревателя, кПа:"_s,
        u"Минимальная установочная высота, м:"_s,
        u"Максимальная граница струи Xmax, м:"_s,
        u"Минимальная граница струи Xmin, м:"_s,
        u"Ориентировочная площадь, охватываемая струей F, м2:"_s,
        u"Расход воздуха (не менее), м3/ч:"_s,
        u"Мощность электродвигателя, кВт:"_s,
        u"Размер (ширина*высота*глубина), мм:"_s,
        u"Сечение теплообменника:"_s,
        u"Электропитание:"_s,
        u"Звуковая мощность, дБ:"_s,
    };
    return captions;
}

QString valueLabelName(int row)
{
    return u"QRLabelValue%1"_s.arg(row);
}

} // namespace

TQRep_VozdAgregatLUMA::TQRep_VozdAgregatLUMA(QWidget* parent)
    : report::ReportHostWindow(parent)
{
    setObjectName(u"QRep_VozdAgregatLUMA"_s);
    setWindowTitle(u"Вывод результатов расчета"_s);
    buildLayout();
}

void TQRep_VozdAgregatLUMA::buildLayout()
{
    report::Report& r = report();
    r.page = report::PageSetup::a4({12.7, 12.7, 12.7, 12.7});
    r.title = u"ЗФН: Характеристики воздушного теплового агрегата ЛУМА"_s;

    report::ReportBand& head = r.band(report::BandKind::PageHeader, 36.0);
    head.add<report::ReportPicture>(QRectF(0, 0, 23.8, 11.9)).setImage(report::makerLogo());
    head.add<report::ReportLabel>(QRectF(36, 0.5, 120, 7), report::makerLine(), boldText(12));
    head.add<report::ReportLabel>(QRectF(36, 7.5, 80, 5), report::makerWebAddress(), boldText(9));
    head.add<report::ReportLine>(QLineF(0, 16, printableWidth, 16), 0.4);
    head.add<report::ReportLabel>(QRectF(0, 18, 52, 7), u"Наименование проекта:"_s, boldText(12));
    head.add<report::ReportLabel>(QRectF(53, 18, printableWidth - 53, 7), QString(), boldText(12))
        .setName(u"QRLabelProjectName"_s);
    head.add<report::ReportLabel>(QRectF(0, 26, 38, 7), u"Характеристики:"_s, boldText(12));
    head.add<report::ReportLabel>(QRectF(39, 26, printableWidth - 39, 7), QString(), boldText(12))
        .setName(valueLabelName(0));
    head.add<report::ReportLine>(QLineF(0, 34, printableWidth, 34), 0.4);

    const int lines = static_cast<int>(valueCaptions().size()) + 2; // with the price and the total
    const double tableHeight = lines * lineHeight;
    const double pictureTop = tableTop + tableHeight + 4.0;
    report::ReportBand& body = r.band(report::BandKind::Detail, pictureTop + pictureHeight + 2.0);
    body.add<report::ReportFrame>(QRectF(tableLeft, tableTop, tableWidth, tableHeight));
    body.add<report::ReportLine>(QLineF(ruleX, tableTop, ruleX, tableTop + tableHeight));
    const double captionLeft = tableLeft + 1.0;
    const double captionWidth = ruleX - 1.0 - captionLeft;
    const double valueWidth = tableLeft + tableWidth - valueLeft - 0.5;
    for (int line = 0; line < lines; ++line) {
        const double top = tableTop + line * lineHeight;
        if (line + 1 < lines)
            body.add<report::ReportLine>(
                QLineF(tableLeft, top + lineHeight, tableLeft + tableWidth, top + lineHeight));
        const QRectF captionRect(captionLeft, top, captionWidth, lineHeight);
        const QRectF valueRect(valueLeft, top, valueWidth, lineHeight);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        if (line < valueCaptions().size()) {
            body.add<report::ReportLabel>(captionRect, valueCaptions().at(line), boldText(8, right));
            body.add<report::ReportLabel>(valueRect, QString(), boldText(6))
                .setName(valueLabelName(line + 1));
        } else if (line == valueCaptions().size()) {
            body.add<report::ReportLabel>(
                    captionRect, u"Цена одного агрегата с НДС, руб.:"_s, boldText(8, right))
                .setName(u"QRLabelPriceCaption"_s);
            body.add<report::ReportLabel>(valueRect, QString(), boldText(6)).setName(u"QRLabelPrice"_s);
        } else {
            body.add<report::ReportLabel>(captionRect, u"Итого:"_s, boldText(8, right))
                .setName(u"QRLabelTotal"_s);
        }
    }
    body.add<report::ReportPicture>(
            QRectF((printableWidth - pictureWidth) / 2, pictureTop, pictureWidth, pictureHeight))
        .setName(u"QRImageLUMA"_s);
}

report::ReportLabel* TQRep_VozdAgregatLUMA::label(const QString& name) const
{
    return report().elementAs<report::ReportLabel>(name);
}

QString TQRep_VozdAgregatLUMA::labelText(const QString& name) const
{
    const report::ReportLabel* l = label(name);
    return l ? l->text() : QString();
}

void TQRep_VozdAgregatLUMA::fill(const QString& projectName, const QStringList& columnValues)
{
    label(u"QRLabelProjectName"_s)->setText(projectName);
    for (int row = 0; row < heating::heatingReportRows; ++row)
        label(valueLabelName(row))->setText(columnValues.value(row));
    // The form has a price line, but prices are not printed.
    for (const QString& name : {u"QRLabelPriceCaption"_s, u"QRLabelPrice"_s, u"QRLabelTotal"_s})
        label(name)->setText(QString());

    auto* picture = report().elementAs<report::ReportPicture>(u"QRImageLUMA"_s);
    if (!picture->load(programFilePath(u"LUMAw.bmp"_s)))
        ui::showMessage(u"Не удается найти файл:LUMAw.bmp ?!"_s, ui::MessageKind::Warning);
}

void TQRep_VozdAgregatLUMA::previewModal()
{
    report().previewModal();
}
