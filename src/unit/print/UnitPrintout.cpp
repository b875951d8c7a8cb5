#include "unit/print/UnitPrintout.h"

#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "printing/MakerHeader.h"
#include "printing/PdfExport.h"
#include "printing/ReportDataSource.h"
#include "printing/ReportEngine.h"
#include "printing/ReportLayout.h"
#include "unit/ElementStore.h"
#include "unit/WorkingTables.h"
#include "unit/print/UnitPictures.h"

using namespace Qt::StringLiterals;
using namespace report;

namespace unitprint {

namespace {

constexpr double headerMm = 48.9;
constexpr double titleMm = 55.0;
constexpr double columnHeaderMm = 4.8;
constexpr double detailMm = 4.0;
constexpr double figuresMm = 69.6;
constexpr double figureRowMm = 5.2;
constexpr double stripHeightMm = 40.0;
constexpr double condensingWidthMm = 30.0;
constexpr double lineMm = 4.6;

// An element that may be left out of the printout.
template <class Base> class Optional : public Base {
public:
    using Base::Base;
    bool shown = true;
    void paint(QPainter& painter, const PaintContext& context) const override
    {
        if (shown)
            Base::paint(painter, context);
    }
};

// The running number of the row printed (1, 2, ...): the stored positions have gaps where one row stands
// for several pieces, and the condensing unit has a position outside the air path.
class RowNumber : public TextElement {
public:
    using TextElement::TextElement;
    QString textFor(const PaintContext& context) const override
    {
        return context.source && context.row >= 0 ? QString::number(context.row + 1) : QString();
    }
};

// Columns of the piece table: where each starts (mm), its header and field.
struct Column {
    double from;
    const char16_t* header;
    const char16_t* field;
};
constexpr Column columns[] = {{0, u"", u""}, {7.4, u"Наименование", u"NAME"}, {51.1, u"Тип", u"Tip"},
    {90.0, u"Модель", u"Model"}, {121.7, u"Длина, мм", u"Dlina"}, {140.2, u"Сечение", u"Sechenie"},
    {155.8, u"", u"Stoimost"}, {177.3, u"Кол-во", u"Kolich"}};

// Lines of the heater band, as the water heater prints them; an electric heater prints the first three.
struct BandLine {
    const char16_t* caption;
    const char16_t* captionName;
    const char16_t* valueName;
};
constexpr BandLine heaterLines[] = {
    {u"Температура воздуха на выходе (расчетная), tв. вых:", u"QRL_tv2pCaption", u"QRL_tv2p"},
    {u"Сопротивление воздуху, Pв:", u"QRL_PvtCaption", u"QRL_Pvt"},
    {u"Тепловая мощность, Q:", u"QRL_QCaption", u"QRL_Q"},
    {u"Расход воды (расчетный), Gж:", u"QRl_GjCaption", u"QRl_Gj"},
    {u"Температура горячей воды на выходе (расчетная), tж. вых:", u"QRL_tj2pCaption", u"QRL_tj2p"},
    {u"Сопротивление воде, Pж:", u"QRL_PjCaption", u"QRL_Pj"},
};
constexpr BandLine condensingLines[] = {
    {u"Потребляемая мощность:", u"QRCaption_Moshnost_KKB", u"QRLabel_Moshnost_KKB"},
    {u"Холодопроизводительность:", u"QRCaption_Moshnost_oxl_KKB", u"QRLabel_Moshnost_oxl_KKB"},
    {u"Масса:", u"QRCaption_KKB_MASSA", u"QRLabel_KKB_MASSA"},
    {u"Корректированный уровень звуковой мощности:", u"QRCaption_KKB_LDBA", u"QRLabel_KKB_LDBA"},
};

constexpr double heaterTopMm = figuresMm + 2;
constexpr double waterHeaterMm = 7 + 6 * lineMm + 2;
constexpr double electricHeaterMm = 7 + 3 * lineMm + 2;
constexpr double coolerMm = 7 + lineMm + 3 + 6 + 4 * lineMm + 2;

} // namespace

void readArrangement(UnitPrintContent& content)
{
    content.rows = unit::readSchemeRows(store::workingDatabase());
    content.condensingUnit = unit::schemeCondensingUnit(content.rows);
    if (content.condensingUnit) {
        unit::ElementStore elements = unit::pritoshkaElementStore();
        content.condensing = elements.condensingUnit(*content.condensingUnit);
    }
}

UnitPrintout::UnitPrintout(ReportLayout& layout)
    : m_layout(layout)
{
    ReportLayout& r = m_layout;
    r.page = PageSetup::letter(QMarginsF(12.7, 12.7, 12.7, 12.7));
    r.title = u"ЗФН: Печать состава элементов и параметров приточной системы:"_s;
    const double width = r.page.printableWidthMm();

    ReportBand& header = r.band(BandKind::PageHeader, headerMm);
    header.add<ReportPicture>(QRectF(0, 0.5, 23.8, 11.9)).setImage(makerLogo());
    header.add<ReportLabel>(QRectF(27, 0.5, width - 27, 6), makerLine(), textStyle(12, true));
    header.add<ReportLabel>(QRectF(27, 6.5, 80, 5), makerWebAddress(), textStyle(9, true));
    header.add<ReportLine>(QLineF(0, 13.5, width, 13.5), 0.4);
    header.add<ReportLabel>(QRectF(0, 14.5, width, 6), u"Модульная система: "_s, textStyle(12, true))
        .setName(u"QRLabel7"_s);
    header.add<ReportLabel>(QRectF(0, 21, 60, 4.5), u"Исходные данные:"_s, textStyle(9, true));
    const double tableTop = 25.5;
    const double half = width / 2;
    header.add<ReportFrame>(QRectF(0, tableTop, width, 4 * lineMm));
    header.add<ReportLine>(QLineF(half, tableTop, half, tableTop + 4 * lineMm));
    const struct {
        const char16_t* caption;
        const char16_t* captionName;
        const char16_t* valueName;
        int side;
        int line;
    } inputs[] = {{u"Расход воздуха:", u"QRLabelG", u"QRLabelGv", 0, 0},
        {u"Свободное давление:", u"QRLabelP", u"QRLabelPsvob", 0, 1},
        {u"Температура воздуха на входе:", u"QRLabel_tv1Caption", u"QRLabel_tv1", 0, 2},
        {u"Температура воздуха на выходе:", u"QRLabel_tv2Caption", u"QRLabel_tv2", 0, 3},
        {u"Максим. возм. ск-ть воз-ха в канале:", u"QRLabelV", u"QRLabelVmax", 1, 0},
        {u"Тем-ра горячей воды на входе:", u"QRLabel_tj1Caption", u"QRLabel_tj1", 1, 1},
        {u"Тем-ра горячей воды на выходе:", u"QRLabel_tj2Caption", u"QRLabel_tj2", 1, 2}};
    for (const auto& in : inputs) {
        const double left = in.side * half;
        const double top = tableTop + in.line * lineMm;
        header
            .add<ReportLabel>(QRectF(left + 1, top, 62, lineMm), QString::fromUtf16(in.caption), textStyle(8))
            .setName(QString::fromUtf16(in.captionName));
        header.add<ReportLabel>(QRectF(left + 64, top, half - 65, lineMm), QString(), textStyle(8, true))
            .setName(QString::fromUtf16(in.valueName));
        if (in.line < 3)
            header.add<ReportLine>(QLineF(left, top + lineMm, left + half, top + lineMm), 0.15);
    }
    header.add<ReportLabel>(QRectF(0, 44, width, 4.8), u"Схема расположения элементов в модульной системе:"_s,
        textStyle(10, true));

    ReportBand& title = r.band(BandKind::Title, titleMm);
    for (int slot = 1; slot <= unit::stripSlots; ++slot)
        title.add<ReportPicture>(QRectF(0, 1, 0, stripHeightMm)).setName(u"QRImage%1"_s.arg(slot));
    const double condensingLeft = width - condensingWidthMm;
    title.add<Optional<ReportFrame>>(QRectF(condensingLeft, 0, condensingWidthMm, 47))
        .setName(u"QRShape_oxl"_s);
    title
        .add<Optional<ReportLabel>>(
            QRectF(condensingLeft + 1, 0.5, condensingWidthMm - 2, 4), u"Компрессорно-"_s, textStyle(7, true))
        .setName(u"QRLabel_oxl1"_s);
    title
        .add<Optional<ReportLabel>>(
            QRectF(condensingLeft + 1, 4, condensingWidthMm - 2, 4), u"конденсат. блок"_s, textStyle(7, true))
        .setName(u"QRLabel_oxl2"_s);
    title.add<Optional<ReportPicture>>(QRectF(condensingLeft + 1, 8.5, condensingWidthMm - 2, 26))
        .setName(u"QRImage_oxl"_s);
    title
        .add<Optional<ReportLabel>>(
            QRectF(condensingLeft + 1, 35, condensingWidthMm - 2, 4), u"Габариты:"_s, textStyle(7, true))
        .setName(u"QRLabel_oxl3"_s);
    title
        .add<Optional<ReportLabel>>(
            QRectF(condensingLeft + 1, 39.5, condensingWidthMm - 2, 6), QString(), textStyle(7))
        .setName(u"QRLabel_oxl"_s);
    title.add<ReportLabel>(QRectF(0, 49, width, 5), QString(), textStyle(10, true))
        .setName(u"QRLabelAllDlina"_s);

    std::vector<double> edges;
    for (const Column& c : columns)
        edges.push_back(c.from);
    edges.push_back(width);
    ReportBand& heads = r.band(BandKind::ColumnHeader, columnHeaderMm);
    ReportBand& detail = r.band(BandKind::Detail, detailMm);
    heads.add<ReportFrame>(QRectF(0, 0, width, columnHeaderMm));
    detail.add<ReportFrame>(
        QRectF(0, 0, width, detailMm), ReportFrame::Left | ReportFrame::Right | ReportFrame::Bottom);
    for (size_t i = 0; i < std::size(columns); ++i) {
        if (i > 0) {
            heads.add<ReportLine>(QLineF(edges[i], 0, edges[i], columnHeaderMm));
            detail.add<ReportLine>(QLineF(edges[i], 0, edges[i], detailMm));
        }
        const QRectF cell(edges[i] + 0.8, 0, edges[i + 1] - edges[i] - 1.6, detailMm);
        auto& head = heads.add<ReportLabel>(QRectF(cell.x(), 0, cell.width(), columnHeaderMm),
            QString::fromUtf16(columns[i].header), textStyle(8, true, Qt::AlignCenter));
        if (i == 6)
            head.setName(u"QRLabelPrice"_s);
        if (i == 0)
            detail.add<RowNumber>(cell, textStyle(8, false, Qt::AlignCenter)).setName(u"RowNumber"_s);
        else
            detail.add<ReportDataText>(cell, QString::fromUtf16(columns[i].field), textStyle(8));
    }
    // The price column keeps its place and prints nothing.
    if (auto* price = r.elementAs<ReportLabel>(u"QRLabelPrice"_s))
        price->setText(QString());

    ReportBand& summary = r.band(BandKind::Summary, figuresMm);
    summary.add<ReportFrame>(QRectF(0, 2, width, figuresMm - 2));
    for (int row = 0; row < 13; ++row) {
        const double top = 2.5 + row * figureRowMm;
        summary.add<ReportLabel>(QRectF(2, top, 128, figureRowMm), QString(), textStyle(8))
            .setName(u"QRLab%1"_s.arg(row + 1));
        summary.add<ReportLabel>(QRectF(132, top, width - 134, figureRowMm), QString(), textStyle(8, true))
            .setName(u"QRLabl%1"_s.arg(row + 1));
    }
    // The heater's and the cooler's bands follow the figures; their places are set when the form is filled.
    summary.add<Optional<ReportFrame>>(QRectF(0, heaterTopMm, width, waterHeaterMm)).setName(u"ChildBand1"_s);
    summary
        .add<Optional<ReportLabel>>(QRectF(2, heaterTopMm + 1, width - 4, 5), QString(), textStyle(9, true))
        .setName(u"QRL_Name"_s);
    for (size_t i = 0; i < std::size(heaterLines); ++i) {
        const double top = heaterTopMm + 7 + i * lineMm;
        summary
            .add<Optional<ReportLabel>>(
                QRectF(4, top, 120, lineMm), QString::fromUtf16(heaterLines[i].caption), textStyle(8))
            .setName(QString::fromUtf16(heaterLines[i].captionName));
        summary
            .add<Optional<ReportLabel>>(QRectF(132, top, width - 134, lineMm), QString(), textStyle(8, true))
            .setName(QString::fromUtf16(heaterLines[i].valueName));
    }
    const double coolerTop = heaterTopMm + waterHeaterMm;
    summary.add<Optional<ReportFrame>>(QRectF(0, coolerTop, width, coolerMm)).setName(u"ChildBand2"_s);
    summary
        .add<Optional<ReportLabel>>(
            QRectF(2, coolerTop + 1, width - 4, 5), u"Параметры воздухоохладителя:"_s, textStyle(9, true))
        .setName(u"QRCoolerTitle"_s);
    summary
        .add<Optional<ReportLabel>>(
            QRectF(4, coolerTop + 7, 120, lineMm), u"Холодопроизводительность:"_s, textStyle(8))
        .setName(u"QRCaption_Q_oxl"_s);
    summary
        .add<Optional<ReportLabel>>(
            QRectF(132, coolerTop + 7, width - 134, lineMm), QString(), textStyle(8, true))
        .setName(u"QRLabel_Q_oxl"_s);
    summary.add<Optional<ReportFrame>>(QRectF(2, coolerTop + 13, width - 4, 0), ReportFrame::Top)
        .setName(u"QRCoolerRule"_s);
    summary
        .add<Optional<ReportLabel>>(QRectF(2, coolerTop + 14, width - 4, 5),
            u"Параметры компрессорно-конденсаторного блока:"_s, textStyle(9, true))
        .setName(u"QRCondensingTitle"_s);
    for (size_t i = 0; i < std::size(condensingLines); ++i) {
        const double top = coolerTop + 20 + i * lineMm;
        summary
            .add<Optional<ReportLabel>>(
                QRectF(4, top, 120, lineMm), QString::fromUtf16(condensingLines[i].caption), textStyle(8))
            .setName(QString::fromUtf16(condensingLines[i].captionName));
        summary
            .add<Optional<ReportLabel>>(QRectF(132, top, width - 134, lineMm), QString(), textStyle(8, true))
            .setName(QString::fromUtf16(condensingLines[i].valueName));
    }
}

void UnitPrintout::setText(const QString& label, const QString& text)
{
    if (auto* l = m_layout.elementAs<ReportLabel>(label))
        l->setText(text);
}

QString UnitPrintout::text(const QString& label) const
{
    const auto* l = m_layout.elementAs<ReportLabel>(label);
    return l ? l->text() : QString();
}

void UnitPrintout::setShown(const QString& element, bool shown)
{
    ReportElement* e = m_layout.element(element);
    if (auto* label = dynamic_cast<Optional<ReportLabel>*>(e))
        label->shown = shown;
    else if (auto* frame = dynamic_cast<Optional<ReportFrame>*>(e))
        frame->shown = shown;
    else if (auto* picture = dynamic_cast<Optional<ReportPicture>*>(e))
        picture->shown = shown;
}

bool UnitPrintout::isShown(const QString& element) const
{
    const ReportElement* e = m_layout.element(element);
    if (const auto* label = dynamic_cast<const Optional<ReportLabel>*>(e))
        return label->shown;
    if (const auto* frame = dynamic_cast<const Optional<ReportFrame>*>(e))
        return frame->shown;
    if (const auto* picture = dynamic_cast<const Optional<ReportPicture>*>(e))
        return picture->shown;
    return e != nullptr;
}

QString UnitPrintout::slotFile(int slot) const
{
    return slot >= 1 && slot <= int(m_slotFiles.size()) ? m_slotFiles[size_t(slot - 1)] : QString();
}

QStringList UnitPrintout::fillStrip(const QStringList& lines, const QString& ductSize)
{
    QStringList messages;
    const double width = m_layout.page.printableWidthMm() - condensingWidthMm - 2;
    m_slotFiles.assign(unit::stripSlots, unit::emptySlotPicture(true));
    std::vector<QImage> pictures(unit::stripSlots);
    const int used = unit::usedStripSlots(int(lines.size()));
    for (int slot = 1; slot <= used; ++slot) {
        const bool piece = slot <= lines.size();
        const unit::SchemeLine line = piece ? unit::readSchemeLine(lines[slot - 1]) : unit::SchemeLine {};
        const QString file = piece ? unit::piecePicture(line) : unit::ductPicture(ductSize);
        const auto picture = loadUnitPicture(file);
        if (!picture) {
            messages << pictureMissingMessage(file);
            break;
        }
        m_slotFiles[size_t(slot - 1)] = file;
        pictures[size_t(slot - 1)] = piece ? withLength(*picture, line.length) : *picture;
    }
    // The used slots side by side from the left, as large as the width allows; the empty slots stay white.
    double pixels = 0;
    int height = 1;
    for (const QImage& p : pictures) {
        pixels += p.width();
        height = std::max(height, p.height());
    }
    const double scale = std::min(stripHeightMm / height, pixels > 0 ? width / pixels : 1.0);
    double x = 0;
    for (int slot = 1; slot <= unit::stripSlots; ++slot) {
        auto* picture = m_layout.elementAs<ReportPicture>(u"QRImage%1"_s.arg(slot));
        const QImage& image = pictures[size_t(slot - 1)];
        const double w = image.width() * scale;
        picture->setImage(image);
        picture->setGeometryMm(QRectF(x, 1, w, image.height() * scale));
        x += w;
    }
    return messages;
}

void UnitPrintout::fillHeater(const unit::UnitHandover& h)
{
    const QStringList cells
        = h.heaterCells.size() >= unit::heaterCellCount ? h.heaterCells : QStringList(unit::heaterCellCount);
    const bool water = h.heater == unit::HandoverHeater::Water;
    const bool electric = h.heater == unit::HandoverHeater::Electric;
    if (!water) {
        for (const char16_t* name :
            {u"QRLabel_tj1", u"QRLabel_tj2", u"QRLabel_tj1Caption", u"QRLabel_tj2Caption"})
            setText(QString::fromUtf16(name), QString());
    }
    const bool shown = water || electric;
    setShown(u"ChildBand1"_s, shown);
    setShown(u"QRL_Name"_s, shown);
    setText(u"QRL_Name"_s,
        water ? u"Параметры водяного теплообменного элемента:"_s
              : u"Параметры электрического теплообменного элемента:"_s);
    const QString values[]
        = {cells[3] + u" °C"_s, cells[5], cells[7], cells[2], cells[4] + u" °C"_s, cells[6]};
    for (size_t i = 0; i < std::size(heaterLines); ++i) {
        const bool line = water || (electric && i < 3);
        setShown(QString::fromUtf16(heaterLines[i].captionName), line);
        setShown(QString::fromUtf16(heaterLines[i].valueName), line);
        setText(QString::fromUtf16(heaterLines[i].valueName), line ? values[i] : QString());
    }
    auto* frame = m_layout.element(u"ChildBand1"_s);
    frame->setGeometryMm(
        QRectF(0, heaterTopMm, m_layout.page.printableWidthMm(), water ? waterHeaterMm : electricHeaterMm));
}

void UnitPrintout::fillCooler(const UnitPrintContent& content)
{
    const unit::UnitHandover& h = content.handover;
    const double heaterHeight = h.heater == unit::HandoverHeater::Water ? waterHeaterMm
        : h.heater == unit::HandoverHeater::Electric                    ? electricHeaterMm
                                                                        : 0;
    const double top = heaterTopMm + heaterHeight;
    const std::optional<unit::CondensingUnitRecord>& record = content.condensing;
    const bool shown = content.condensingUnit.has_value();
    const double width = m_layout.page.printableWidthMm();
    // Every element of the cooler band keeps its place within the band, which follows the heater's.
    const auto place = [&](const QString& name, double y, double x, double w, double h) {
        if (ReportElement* e = m_layout.element(name))
            e->setGeometryMm(QRectF(x, top + y, w, h));
        setShown(name, shown);
    };
    place(u"ChildBand2"_s, 0, 0, width, coolerMm);
    place(u"QRCoolerTitle"_s, 1, 2, width - 4, 5);
    place(u"QRCaption_Q_oxl"_s, 7, 4, 120, lineMm);
    place(u"QRLabel_Q_oxl"_s, 7, 132, width - 134, lineMm);
    place(u"QRCondensingTitle"_s, 14, 2, width - 4, 5);
    place(u"QRCoolerRule"_s, 13, 2, width - 4, 0);
    for (size_t i = 0; i < std::size(condensingLines); ++i) {
        place(QString::fromUtf16(condensingLines[i].captionName), 20 + i * lineMm, 4, 120, lineMm);
        place(QString::fromUtf16(condensingLines[i].valueName), 20 + i * lineMm, 132, width - 134, lineMm);
    }
    // The catalogue's figures are read as texts with a point; the sheet writes every number with the
    // system's decimal mark, as its calculated figures are.
    const auto withUnit = [](const QString& value, const QString& unitText) {
        return value.isEmpty() ? QString()
                               : QString(value).replace(u'.', systemDecimalSeparator()) + unitText;
    };
    setText(u"QRLabel_Moshnost_KKB"_s, record ? withUnit(record->power, u" кВт"_s) : QString());
    setText(u"QRLabel_Moshnost_oxl_KKB"_s, record ? withUnit(record->coolingPower, u" кВт"_s) : QString());
    setText(u"QRLabel_KKB_LDBA"_s, record ? withUnit(record->soundPower, u" LdBA"_s) : QString());
    setText(u"QRLabel_KKB_MASSA"_s, record ? withUnit(record->mass, u" кг"_s) : QString());
    setText(u"QRLabel_Q_oxl"_s, h.coolerDuty.trimmed().isEmpty() ? QString() : h.coolerDuty);
    m_layout.band(BandKind::Summary).setHeightMm(top + (shown ? coolerMm : 0) + 1);
}

QStringList UnitPrintout::fill(const UnitPrintContent& content)
{
    const unit::UnitHandover& h = content.handover;
    const std::optional<unit::CondensingUnitRecord>& condensing = content.condensing;
    const bool cooled = content.condensingUnit.has_value();
    for (const char16_t* name :
        {u"QRShape_oxl", u"QRLabel_oxl1", u"QRLabel_oxl2", u"QRImage_oxl", u"QRLabel_oxl3", u"QRLabel_oxl"})
        setShown(QString::fromUtf16(name), cooled);
    setText(
        u"QRLabel_oxl"_s, cooled ? (condensing ? condensing->dimensions : QString()) + u" мм"_s : QString());
    if (auto* picture = m_layout.elementAs<ReportPicture>(u"QRImage_oxl"_s))
        picture->setImage(cooled ? loadUnitPicture(u"KKB.bmp"_s).value_or(QImage()) : QImage());

    setText(u"QRLabel7"_s, u"Модульная система: "_s + h.projectName.trimmed());
    setText(u"QRLabelGv"_s, h.flow);
    setText(u"QRLabelPsvob"_s, h.freePressure);
    if (cooled) {
        setText(u"QRLabel_tv1Caption"_s, u"Темп-ра воздуха на входе (зима/лето):"_s);
        setText(u"QRLabel_tv2Caption"_s, u"Темп-ра воздуха на выходе (зима/лето):"_s);
        setText(u"QRLabel_tv1"_s, h.heaterAirIn + u"/"_s + h.coolerAirIn + u" °C"_s);
        setText(u"QRLabel_tv2"_s, h.heaterAirOut + u"/"_s + h.coolerAirOut + u" °C"_s);
    } else {
        setText(u"QRLabel_tv1Caption"_s, u"Температура воздуха на входе:"_s);
        setText(u"QRLabel_tv2Caption"_s, u"Температура воздуха на выходе:"_s);
        setText(u"QRLabel_tv1"_s, h.heaterAirIn + u" °C"_s);
        setText(u"QRLabel_tv2"_s, h.heaterAirOut + u" °C"_s);
    }
    setText(u"QRLabelVmax"_s, h.maxSpeed);
    setText(u"QRLabel_tj1Caption"_s, u"Тем-ра горячей воды на входе:"_s);
    setText(u"QRLabel_tj2Caption"_s, u"Тем-ра горячей воды на выходе:"_s);
    setText(u"QRLabel_tj1"_s, h.waterIn);
    setText(u"QRLabel_tj2"_s, h.waterOut);
    const auto& figures = content.figures;
    for (int row = 0; row < 13; ++row) {
        const bool present = row < int(figures.size());
        setText(u"QRLab%1"_s.arg(row + 1), present ? figures[size_t(row)].first : QString());
        setText(u"QRLabl%1"_s.arg(row + 1), present ? figures[size_t(row)].second : QString());
    }
    const QStringList messages = fillStrip(content.lines, h.fanDuctSize);
    setText(u"QRLabelAllDlina"_s, unit::schemeLengthText(unit::schemeLength(content.rows)));
    fillHeater(h);
    fillCooler(content);
    return messages;
}

QStringList writeUnitPdf(const UnitPrintContent& content, const QString& path)
{
    SqlTableSource table(
        [] { return store::workingDatabase(); }, unit::reportOrderTableName(), u"PoryadokNum"_s);
    if (!table.open())
        return {table.errorText()};
    ReportLayout layout;
    layout.setDataSource(&table);
    UnitPrintout printout(layout);
    QStringList messages = printout.fill(content);
    QString error;
    if (!exportPdf(prepareReport(layout), path, &error))
        messages << error;
    return messages;
}

} // namespace unitprint
