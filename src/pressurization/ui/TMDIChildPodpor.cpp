#include "pressurization/ui/TMDIChildPodpor.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "pressurization/SupplyDuty.h"
#include "pressurization/SupplyForm.h"
#include "pressurization/SupplyPages.h"
#include "pressurization/SupplyProjectFile.h"
#include "pressurization/ui/TdgPodporYchastok.h"
#include "sections/ui/SectionTableWidget.h"
#include "ui/DescriptionItem.h"
#include "ui/HandOver.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using pressurization::SupplyField;
using pressurization::SupplyScheme;

namespace {

const QString runCaption = u"Подбор вентилятора"_s;

// The blue titles of the pages.
QLabel* blueTitle(const QString& text, QWidget* parent)
{
    auto* title = new QLabel(text, parent);
    title->setStyleSheet(u"QLabel { color: blue; font-weight: bold; }"_s);
    title->setWordWrap(true);
    return title;
}

QString secondFanTitle(SupplyScheme scheme)
{
    return scheme == SupplyScheme::Zones ? u"ВЕНТИЛЯТОР 2: (подающий воздух в верхнюю зону лестнич. клетки)"_s
                                         : u"ВЕНТИЛЯТОР 2: (подающий воздух в лестничную клетку)"_s;
}

// The objectName of a control of fan k's table: "bAdd", "bAdd_2", "bAdd_3".
QString fanControlName(const QString& base, int fan)
{
    return fan == 0 ? base : base + u"_"_s + QString::number(fan + 1);
}

ui::DescriptionItem supplyDescription()
{
    ui::DescriptionItem item;
    item.windowCaption = u"Методика расчета приточной противодымной вентиляции:"_s;
    item.rtfFile = u"Podpor.rtf"_s;
    item.reportTitle = u"Расчет приточной противодымной вентиляции:"_s;
    item.reportPicture = u"Manual.bmp"_s;
    item.missingFileMessage = u"Не удается найти файл Podpor.rtf?!"_s;
    return item;
}

} // namespace

TMDIChildPodpor::TMDIChildPodpor(ui::Program& program, QWidget* parent)
    : PagedCalculationWindow(program, 480, pressurization::supplyProjectFile(), supplyDescription(), parent)
    , m_form(pressurization::supplyFormInputs(), {})
{
    setObjectName(u"MDIChildPodpor"_s);
    setWindowTitle(u"Расчет системы противодымной защиты:"_s);
    buildControls();
    applyInputs(pressurization::SupplyProject());
    showReport();
}

void TMDIChildPodpor::buildControls()
{
    m_form.build(m_frame->panelIn);
    QTabWidget* pages = m_frame->pages;
    pages->addTab(buildFirstPage(), u"1"_s);
    pages->addTab(buildSecondPage(), u"2"_s);
    for (int fan = 0; fan < pressurization::supplyFanLimit; ++fan)
        pages->addTab(buildSectionsPage(fan), QString::number(fan + 3));
    m_frame->outColumn->addWidget(buildResults(m_frame->report->parentWidget()));
}

QWidget* TMDIChildPodpor::buildFirstPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(m_frame->projectGroup(m_form.control(u"Input_ProjectName"_s), page));
    column->addWidget(blueTitle(u"Исходные данные:"_s, page));

    auto* boxes = new QGroupBox(page);
    auto* grid = new QGridLayout(boxes);
    m_form.addRows(grid,
        {u"Input_tn"_s, u"Input_V"_s, u"Input_N"_s, u"Input_h"_s, u"Input_nn"_s, u"Input_b"_s, u"Input_m"_s,
            u"Input_A"_s, u"Input_G"_s});
    auto* note = new QLabel(u"(принимается по результатам расчета системы дымоудаления)"_s, boxes);
    note->setStyleSheet(u"QLabel { color: gray; }"_s);
    grid->addWidget(note, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(3, 1);
    column->addWidget(boxes);
    column->addWidget(m_form.control(u"RB_Tambur"_s));
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildPodpor::buildSecondPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* group = new QGroupBox(u" Подача воздуха: "_s, page);
    auto* choices = new QVBoxLayout(group);
    const std::pair<QString, QString> schemes[] = {
        {u"RB_Vozduh_SH"_s, u" - в лифтовую шахту"_s},
        {u"RB_Vozduh_L"_s, u" - в лифтовую шахту и лестничную клетку совместно"_s},
        {u"RB_Vozduh_L1"_s, u" - в лифтовую шахту и лестничную клетку раздельно"_s},
        {u"RB_Vozduh_L2"_s,
            u" - в лифтовую шахту и лестничную клетку раздельно с разде-\nлением лестничной клетки на зоны"_s},
    };
    for (std::size_t i = 0; i < m_schemes.size(); ++i) {
        m_schemes[i] = new QRadioButton(schemes[i].second, group);
        m_schemes[i]->setObjectName(schemes[i].first);
        choices->addWidget(m_schemes[i]);
        connect(m_schemes[i], &QRadioButton::toggled, this, &TMDIChildPodpor::updateSchemePage);
    }
    column->addWidget(group);

    auto* zone = new QWidget(page);
    auto* zoneGrid = new QGridLayout(zone);
    m_form.addRows(zoneGrid, {u"Input_Nz"_s});
    zoneGrid->setColumnStretch(3, 1);
    m_zoneRow = {zone};
    column->addWidget(zone);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildPodpor::buildSectionsPage(int fan)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    static const QString titles[]
        = {u"ВЕНТИЛЯТОР 1: (подающий воздух в лифтовую шахту)"_s, secondFanTitle(SupplyScheme::Separate),
            u"ВЕНТИЛЯТОР 3: (подающий воздух к нижней зоне лестнич. клетки)"_s};
    QLabel* title = blueTitle(titles[fan], page);
    if (fan == 1)
        m_secondFanTitle = title;
    column->addWidget(title);
    column->addWidget(
        new QLabel(fan == 0 ? u"Параметры участков подвода воздуха к вент-ру и от вен-ра к шахте:"_s
                            : u"Параметры участков подвода воздуха к вент-ру и от вен-ра к клетке:"_s,
            page));
    auto* group = new QGroupBox(u"Участки разного проходного сечения: "_s, page);
    auto* groupColumn = new QVBoxLayout(group);
    groupColumn->addWidget(new QLabel(u"    -  (один или более участков)"_s, group));
    auto* table = new SectionTableWidget(fanControlName(u"StringGrid_Ychastki"_s, fan), group);
    table->setDialog(m_program.windows().get<TdgPodporYchastok>());
    // A straight duct is given by its diameter, every other section by its area.
    table->setAreaHeader(u"Сеч-е Fi, м2"_s, u"или di, м"_s);
    // The first table rounds its coefficients to four decimals, the others write them as every number.
    if (fan > 0)
        table->setCoefficientCells(sections::CoefficientCells::AsOtherNumbers);
    for (const QString& base : {u"bAdd"_s, u"bEdit"_s, u"bRemove"_s})
        table->findChild<QPushButton*>(base)->setObjectName(fanControlName(base, fan));
    m_sections[fan] = table;
    groupColumn->addWidget(table, 1);
    column->addWidget(group, 1);
    return page;
}

QWidget* TMDIChildPodpor::buildResults(QWidget* parent)
{
    auto* group = new QGroupBox(u" Расчетные величины для подбора вентиляторов: "_s, parent);
    m_results = new QTableWidget(0, 3, group);
    m_results->setObjectName(u"StringGrid_Run"_s);
    m_results->setHorizontalHeaderLabels({QString(), u"Расход, м3/час"_s, u"Давление, Па"_s});
    m_results->verticalHeader()->hide();
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->verticalHeader()->setDefaultSectionSize(20);
    m_results->setColumnWidth(0, 30);
    m_results->setColumnWidth(1, 130);
    m_results->setColumnWidth(2, 130);
    // The header and three rows, without scrolling.
    m_results->setFixedHeight(m_results->horizontalHeader()->sizeHint().height() + 3 * 20 + 4);
    m_results->setFixedWidth(30 + 2 * 130 + 4);
    m_run = new QPushButton(runCaption, group);
    m_run->setObjectName(u"bRun"_s);
    m_run->setEnabled(false);
    m_run->setMinimumWidth(170);
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_results);
    row->addWidget(m_run, 0, Qt::AlignTop);
    row->addStretch(1);

    connect(m_run, &QPushButton::clicked, this, &TMDIChildPodpor::openFanSelection);
    connect(m_results, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_resultsActive)
            openFanSelection();
    });
    connect(m_results, &QTableWidget::currentCellChanged, this, &TMDIChildPodpor::followSelectedRow);
    return group;
}

pressurization::SupplyProject TMDIChildPodpor::inputsAsTyped() const
{
    pressurization::SupplyProject p = m_form.record();
    p.schemeShaft = m_schemes[0]->isChecked();
    p.schemeJoint = m_schemes[1]->isChecked();
    p.schemeSeparate = m_schemes[2]->isChecked();
    p.schemeZones = m_schemes[3]->isChecked();
    for (int fan = 0; fan < pressurization::supplyFanLimit; ++fan)
        p.sections[fan] = m_sections[fan]->table();
    return p;
}

void TMDIChildPodpor::setInputs(const pressurization::SupplyProject& p)
{
    m_form.apply(p);
    // Each choice acts as if the user had made it, so the scheme rule runs.
    const bool checked[] = {p.schemeShaft, p.schemeJoint, p.schemeSeparate, p.schemeZones};
    for (std::size_t i = 0; i < m_schemes.size(); ++i) {
        if (checked[i])
            m_schemes[i]->setChecked(true);
    }
    for (int fan = 0; fan < pressurization::supplyFanLimit; ++fan)
        m_sections[fan]->setTable(p.sections[fan]);
    clearResult();
    updateSchemePage();
}

void TMDIChildPodpor::updateSchemePage()
{
    const SupplyScheme scheme = pressurization::supplySchemeOf(inputsAsTyped());
    for (QWidget* w : m_zoneRow)
        w->setVisible(scheme == SupplyScheme::Zones);
    const int fans = pressurization::supplyFanCount(scheme);
    for (int fan = 1; fan < pressurization::supplyFanLimit; ++fan) {
        m_frame->pages->setTabVisible(fan + 2, fan < fans);
        m_frame->pages->setTabEnabled(fan + 2, fan < fans);
    }
    m_secondFanTitle->setText(secondFanTitle(scheme));
}

void TMDIChildPodpor::clearResult()
{
    m_resultsActive = false;
    m_results->setRowCount(0);
    m_run->setText(runCaption);
    m_run->setEnabled(false);
}

void TMDIChildPodpor::showResult()
{
    const auto& result = wizard().result();
    const QChar separator = systemDecimalSeparator();
    m_results->setRowCount(static_cast<int>(result->fans.size()));
    for (int row = 0; row < m_results->rowCount(); ++row) {
        const pressurization::SupplyFan& fan = result->fans[row];
        const QString cells[] = {QString::number(row + 1), calcreport::reportNumber(fan.flow, separator),
            calcreport::reportNumber(fan.pressure, separator)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_results->setItem(row, column, item);
        }
    }
    m_results->setCurrentCell(0, 1);
    followSelectedRow();
    m_resultsActive = true;
    m_run->setEnabled(true);
}

void TMDIChildPodpor::followSelectedRow()
{
    const int selected = m_results->currentRow();
    for (int row = 0; row < m_results->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = m_results->item(row, column);
            if (!item)
                continue;
            QFont font = item->font();
            font.setBold(row == selected);
            item->setFont(font);
        }
    }
    if (selected >= 0 && selected < m_results->rowCount())
        m_run->setText(runCaption + u" "_s + QString::number(selected + 1));
}

void TMDIChildPodpor::focusField(SupplyField field)
{
    const QString name = pressurization::supplyFieldControl(field);
    if (name.isEmpty())
        return;
    if (auto* control = findChild<QWidget*>(name))
        control->setFocus(Qt::OtherFocusReason);
}

void TMDIChildPodpor::applyPageRules(int page)
{
    if (page == 2)
        updateSchemePage();
}

void TMDIChildPodpor::pageEntered()
{
    updateSchemePage();
}

void TMDIChildPodpor::openFanSelection()
{
    const int row = m_results->currentRow();
    const auto& result = wizard().result();
    if (!m_resultsActive || !result || row < 0 || size_t(row) >= result->fans.size())
        return;
    if (const auto duty = pressurization::supplyFanDuty(result->fans[size_t(row)]))
        ui::handOver(m_program, u"ActionUniFanSelect"_s, *duty);
}
