#include "heating/ui/HeatingUnitWindow.h"

#include "common/NumberText.h"
#include "heating/HeatingUnitCalc.h"
#include "heating/HeatingUnitTable.h"
#include "heating/ui/HeatingUnitResultsWindow.h"
#include "ui/DescriptionItem.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/ProjectNameGroup.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedWindows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TMDIChildVozdAgregatLUMA::TMDIChildVozdAgregatLUMA(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
    , m_form(heating::heatingUnitInputs(), heating::heatingUnitSettingsKey())
{
    setObjectName(u"MDIChildVozdAgregatLUMA"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Расчет воздушных тепловых агрегатов ЛУМА:"_s);
    resize(722, 633);
    buildControls();
    m_form.restore();
    updateModeGroups();
}

void TMDIChildVozdAgregatLUMA::buildControls()
{
    auto* inputs = new QGroupBox(u" Исходные данные: "_s, this);
    inputs->setObjectName(u"GroupBoxInputs"_s);
    inputs->setStyleSheet(u"QGroupBox#GroupBoxInputs::title { color: navy; }"_s);
    auto* column = new QVBoxLayout(inputs);
    m_form.build(inputs);

    // 1. Project name with the open and save buttons.
    column->addWidget(ui::projectNameGroup(
        m_form.control(u"Input_ProjectName"_s), inputs, u"SpeedButton1"_s, u"SpeedButton2"_s,
        [this] { loadProject(); }, [this] { saveProject(); }));

    // 2. Temperatures.
    auto* temperatures = new QGroupBox(inputs);
    auto* temperatureGrid = new QGridLayout(temperatures);
    m_form.addRows(temperatureGrid, {u"Input_tn"_s, u"Input_tv"_s, u"Input_tw1"_s, u"Input_tw2"_s});
    temperatureGrid->setColumnStretch(3, 1);
    column->addWidget(temperatures);

    // 3.-5. The choices.
    m_mode = m_form.control<RadioGroupWidget>(u"RG_Rasch"_s);
    m_buildingType = m_form.control<RadioGroupWidget>(u"RadioGroupTip"_s);
    column->addWidget(m_form.control(u"RG_Y"_s));
    column->addWidget(m_mode);
    column->addWidget(m_buildingType);

    // 6. Building volume and heat gains, 7. the given demand.
    m_volumeGroup = new QGroupBox(u" Внешний объем здания: "_s, inputs);
    m_volumeGroup->setObjectName(u"RG_V"_s);
    auto* volumeGrid = new QGridLayout(m_volumeGroup);
    m_form.addRows(volumeGrid, {u"Input_V"_s, u"Input_Qp"_s});
    volumeGrid->setColumnStretch(3, 1);
    column->addWidget(m_volumeGroup);

    m_demandGroup = new QGroupBox(inputs);
    m_demandGroup->setObjectName(u"RG_Q"_s);
    auto* demandGrid = new QGridLayout(m_demandGroup);
    m_form.addRows(demandGrid, {u"Input_Q"_s});
    demandGrid->setColumnStretch(3, 1);
    column->addWidget(m_demandGroup);
    column->addStretch(1);

    // Bottom panel: "Описание" at the left, "Расчет" in the middle.
    auto* description = new QPushButton(u"Описание"_s, this);
    description->setObjectName(u"bDescription"_s);
    auto* runButton = new QPushButton(u"Расчет"_s, this);
    runButton->setObjectName(u"bRun"_s);
    runButton->setDefault(true);
    auto* bottom = new QGridLayout;
    bottom->addWidget(description, 0, 0, Qt::AlignLeft);
    bottom->addWidget(runButton, 0, 1, Qt::AlignHCenter);
    bottom->setColumnStretch(0, 1);
    bottom->setColumnStretch(1, 1);
    bottom->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs, 1);
    layout->addLayout(bottom);

    connect(m_mode, &RadioGroupWidget::itemIndexChanged, this, &TMDIChildVozdAgregatLUMA::updateModeGroups);
    connect(runButton, &QPushButton::clicked, this, &TMDIChildVozdAgregatLUMA::run);
    connect(description, &QPushButton::clicked, this, &TMDIChildVozdAgregatLUMA::showDescription);
}

void TMDIChildVozdAgregatLUMA::updateModeGroups()
{
    const bool given = m_mode->itemIndex() == static_cast<int>(heating::DemandMode::Given);
    m_demandGroup->setVisible(given);
    m_buildingType->setVisible(!given);
    m_volumeGroup->setVisible(!given);
}

heating::HeatingUnitProject TMDIChildVozdAgregatLUMA::inputsAsTyped() const
{
    return m_form.record();
}

void TMDIChildVozdAgregatLUMA::applyInputs(const heating::HeatingUnitProject& inputs)
{
    m_form.apply(inputs);
    updateModeGroups();
}

void TMDIChildVozdAgregatLUMA::run()
{
    const auto read = heating::heatingUnitInputsOf(m_form.record(), systemDecimalSeparator());
    if (!read.inputs) {
        m_form.reportBadNumber(read);
        return;
    }
    const heating::HeatingUnitOutcome outcome = heating::calculateHeatingUnits(*read.inputs);
    if (!outcome.run) {
        ui::showMessage(outcome.message, ui::MessageKind::Warning);
        m_form.focus(static_cast<int>(outcome.field));
        return;
    }
    auto* results = m_program.windows().get<TFormVozdAgregatResLUMA>();
    results->showResults(inputsAsTyped().projectName,
        heating::heatingUnitTable(*read.inputs, *outcome.run, systemDecimalSeparator()));
}

void TMDIChildVozdAgregatLUMA::showDescription()
{
    ui::DescriptionItem item; // no caption: the description window keeps its own
    item.rtfFile = u"VozdAgregatLUMA.rtf"_s;
    item.reportTitle = u"Воздушные тепловые агрегаты ЛУМА:"_s;
    item.reportPicture = u"LUMAw.bmp"_s;
    item.missingFileMessage = u"Не удается найти файл:VozdAgregatLUMA.rtf  ?!"_s;
    m_program.showDescription(item);
}

void TMDIChildVozdAgregatLUMA::loadProject()
{
    if (const auto project = ui::openProjectFile(this, heating::heatingProjectFile()))
        applyInputs(*project);
}

void TMDIChildVozdAgregatLUMA::saveProject()
{
    ui::saveProjectFileAs(this, heating::heatingProjectFile(), inputsAsTyped());
}

void TMDIChildVozdAgregatLUMA::closeEvent(QCloseEvent* event)
{
    m_form.store();
    QWidget::closeEvent(event);
}
