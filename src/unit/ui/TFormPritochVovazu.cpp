#include "unit/ui/TFormPritochVovazu.h"

#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "fans/FoundFansContent.h"
#include "fans/SelectedFan.h"
#include "fans/SelectionValidation.h"
#include "fans/ui/FanSearchControls.h"
#include "fans/ui/FansFoundWindow.h"
#include "fans/ui/ListedSelection.h"
#include "fans/ui/RequiredDuty.h"
#include "fans/ui/SelectionWindowParts.h"
#include "ui/EnterKey.h"
#include "ui/ListWidth.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"
#include "unit/UnitFanSelection.h"
#include "unit/UnitResult.h"
#include "unit/ui/TFormResultPritoch.h"
#include "unit/ui/TMDIChildPritoch.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormPritochVovazu::TFormPritochVovazu(ui::Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setObjectName(u"FormPritochVovazu"_s);
    setWindowTitle(u"Подбор вентилятора к модульной системе"_s);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSeriesColumn(), 1);
    layout->addWidget(buildInputColumn(), 2);
    resize(900, 560);
}

QWidget* TFormPritochVovazu::buildSeriesColumn()
{
    auto* box = new QGroupBox(u" Серии вентиляторов: "_s);
    box->setToolTip(u"Отметьте галочкой интересующие Вас серии вентиляторов"_s);
    m_series = new QListWidget;
    m_series->setObjectName(u"Open_ListView"_s);
    m_series->setToolTip(box->toolTip());
    m_tickSeries = new QPushButton(u"Выделить ВСЕ"_s);
    m_tickSeries->setObjectName(u"Button3"_s);
    connect(m_tickSeries, &QPushButton::clicked, this, &TFormPritochVovazu::toggleSeries);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_series, 1);
    boxLayout->addWidget(m_tickSeries, 0, Qt::AlignLeft);
    return box;
}

QWidget* TFormPritochVovazu::buildInputColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(inputColumnTitle());
    m_search = new FanSearchControls(
        {u" Диапазон поиска по: "_s, u" - Типам электродвигателей: "_s, u" Полюсность электродвигателя: "_s,
            u" Подводимое электропитание: "_s, u" Диапазон поиска от требуемого расхода воздуха, в % "_s,
            unit::unitSearchRangePercent},
        this);
    layout->addWidget(m_search->rangeGroup(), 1);
    layout->addWidget(m_search->bandGroup());

    auto* duty = new QGroupBox(u" Требуемый режим работы: "_s);
    auto* dutyLayout = new QGridLayout(duty);
    m_flow = dutyBox(u"Input_Q"_s, 0, 100, u"Введите требуемый расход воздуха (м3/час)"_s);
    m_pressure
        = dutyBox(u"Input_P"_s, 0, 10, u"Введите требуемое полное давление, создаваемое вентиляторм  (Па)"_s);
    dutyLayout->addWidget(new QLabel(u"Требуемый расход воздуха:"_s), 0, 0);
    dutyLayout->addWidget(m_flow, 0, 1);
    dutyLayout->addWidget(new QLabel(u"м3/час"_s), 0, 2);
    dutyLayout->addWidget(new QLabel(u"Создаваемое давление:"_s), 1, 0);
    dutyLayout->addWidget(m_pressure, 1, 1);
    dutyLayout->addWidget(new QLabel(u"Па"_s), 1, 2);
    dutyLayout->setColumnStretch(3, 1);
    layout->addWidget(duty);

    auto* back = new QPushButton(u"<< Назад"_s);
    back->setObjectName(u"Button2"_s);
    QPushButton* run = runSelectionButton();
    connect(back, &QPushButton::clicked, this, &TFormPritochVovazu::goBack);
    connect(run, &QPushButton::clicked, this, &TFormPritochVovazu::runSelection);
    ui::clickOnEnter(this, run);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(run);
    layout->addLayout(buttons);
    return column;
}

void TFormPritochVovazu::showEvent(QShowEvent* event)
{
    // The lists are filled once in the program's life; the ticks stay between hand-overs.
    if (!m_filled) {
        m_filled = true;
        fillFromCatalogue();
    }
    QWidget::showEvent(event);
}

void TFormPritochVovazu::fillFromCatalogue()
{
    try {
        for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries()) {
            if (unit::isUnitFanSeries(entry))
                FanSearchControls::checkableItem(m_series, entry.name, entry.icon, false);
        }
        std::vector<fans::DuctSizeEntry> sizes;
        for (const fans::DuctSizeEntry& size : fans::FanCatalogue::ductSizes()) {
            if (unit::isUnitDuctSize(size))
                sizes.push_back(size);
        }
        m_search->fill(fans::FanCatalogue::diameterTexts(fans::CatalogueKind::General), sizes);
        ui::showItemsWhole(m_series);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
    }
}

void TFormPritochVovazu::toggleSeries()
{
    const bool tick = m_tickSeries->text() != u"Отменить ВСЕ"_s;
    FanSearchControls::tickAll(m_series, tick);
    m_tickSeries->setText(tick ? u"Отменить ВСЕ"_s : u"Выделить ВСЕ"_s);
}

void TFormPritochVovazu::handOver(const std::vector<unit::UnitElementRow>& pieces,
    const unit::UnitHandover& handover, const unit::UnitFanDuty& duty)
{
    try {
        unit::writeElementsTable(store::workingDatabase(), pieces);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    m_handover = handover;
    if (parentWidget() && !isVisible()) {
        const QRect owner = parentWidget()->window()->geometry();
        move(owner.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    if (m_tickSeries->text() == u"Выделить ВСЕ"_s)
        toggleSeries();
    m_flow->setValue(duty.flow);
    m_pressure->setValue(duty.pressure);
    m_search->admitOnlySize(duty.section);
}

void TFormPritochVovazu::takeUnit(TMDIChildPritoch& unitWindow)
{
    if (!unitWindow.hasResult())
        return;
    std::vector<unit::UnitElementRow> pieces;
    try {
        pieces = unitWindow.elementRows();
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    const unit::UnitInputTexts texts
        = unit::unitInputTexts(unitWindow.projectAsTyped(), unitWindow.unitKind());
    unit::UnitInputs inputs = unitWindow.unitInputs();
    inputs.heater.flow = unitWindow.unitFlow();
    handOver(pieces, unit::unitHandover(texts, unitWindow.unitRun(), inputs, systemDecimalSeparator()),
        unit::unitFanDuty(unitWindow.unitRun(), unitWindow.unitFlow()));
}

void TFormPritochVovazu::goBack()
{
    m_search->admitAllSizes();
    close();
}

std::optional<fans::SelectionRequest> TFormPritochVovazu::readRequest()
{
    fans::SelectionRequest request;
    m_search->narrow(request);
    if (!readRequiredDuty(request, m_flow, m_pressure))
        return std::nullopt;
    for (int i = 0; i < m_series->count(); ++i) {
        if (m_series->item(i)->checkState() == Qt::Checked)
            request.series.push_back({m_series->item(i)->text().trimmed(), false});
    }
    return unit::unitFanRequest(request);
}

void TFormPritochVovazu::runSelection()
{
    const auto request = readRequest();
    if (!request)
        return;
    const auto run = listedSelection(m_program.busyIndicator(), u"Подбор вентиляторов..."_s,
        [&] { return unit::runUnitFanSelection(*request); });
    if (!run)
        return;
    auto* found = m_program.windows().get<TFormGrVovazu>();
    found->fill(fans::foundFansContentOf(run->outcome, *request, systemDecimalSeparator()));
    found->offerUnit([this](const fans::SelectedFan& fan) { fanChosen(fan); });
}

void TFormPritochVovazu::fanChosen(const fans::SelectedFan& fan)
{
    std::optional<unit::UnitResult> result;
    try {
        result = unit::unitResult(unit::readElementsTable(store::workingDatabase()),
            fans::listedRow(fan, systemDecimalSeparator()), unit::fanDimensionsOf(fan.listed.record));
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    unit::UnitHandover handover = m_handover;
    handover.fanDuctSize = result->ductSize;
    m_program.windows().get<TFormResultPritoch>()->showResult(*result, handover);
}
