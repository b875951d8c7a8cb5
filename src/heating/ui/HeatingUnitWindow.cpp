#include "heating/ui/HeatingUnitWindow.h"

#include "common/NumberText.h"
#include "heating/HeatingUnitCalc.h"
#include "heating/HeatingUnitTable.h"
#include "heating/ui/HeatingUnitResultsWindow.h"
#include "ui/DescriptionItem.h"
#include "ui/FileDialogs.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

SpinEditWidget* makeSpin(
    QWidget* parent, const QString& name, const QString& text, double step, const QString& hint)
{
    auto* spin = new SpinEditWidget(parent);
    spin->setObjectName(name);
    spin->setText(text);
    spin->setStep(step);
    spin->setMinimumWidth(90);
    ui::setHint(spin, hint);
    return spin;
}

// One line of a group: caption, box, unit.
void addInputRow(
    QGridLayout* grid, int row, const QString& caption, SpinEditWidget* spin, const QString& unit)
{
    auto* label = new QLabel(caption);
    label->setBuddy(spin);
    grid->addWidget(label, row, 0);
    grid->addWidget(spin, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

bool validIndex(int index, const RadioGroupWidget* group)
{
    return index >= 0 && index < group->count();
}

} // namespace

TMDIChildVozdAgregatLUMA::TMDIChildVozdAgregatLUMA(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
{
    setObjectName(u"MDIChildVozdAgregatLUMA"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Расчет воздушных тепловых агрегатов ЛУМА:"_s);
    resize(722, 633);
    buildControls();
    readStoredInputs();
    updateModeGroups();
}

QString TMDIChildVozdAgregatLUMA::settingsKey()
{
    return u"ChildwinVozdAgregatLUMA"_s;
}

void TMDIChildVozdAgregatLUMA::buildControls()
{
    auto* inputs = new QGroupBox(u" Исходные данные: "_s, this);
    inputs->setObjectName(u"GroupBoxInputs"_s);
    inputs->setStyleSheet(u"QGroupBox#GroupBoxInputs::title { color: navy; }"_s);
    auto* column = new QVBoxLayout(inputs);

    // 1. Project name with the open and save buttons.
    auto* projectGroup = new QGroupBox(u" Наименование проекта: "_s, inputs);
    auto* projectRow = new QHBoxLayout(projectGroup);
    m_projectName = new QLineEdit(projectGroup);
    m_projectName->setObjectName(u"Input_ProjectName"_s);
    auto* open = new QToolButton(projectGroup);
    open->setObjectName(u"SpeedButton1"_s);
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui::setHint(open, u"Загрузить проект из файла|Загрузить проект из файла"_s);
    auto* save = new QToolButton(projectGroup);
    save->setObjectName(u"SpeedButton2"_s);
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui::setHint(save, u"Сохранить проект в файле|Сохранить проект в файле"_s);
    projectRow->addWidget(m_projectName, 1);
    projectRow->addWidget(open);
    projectRow->addWidget(save);
    column->addWidget(projectGroup);

    // 2. Temperatures.
    auto* temperatures = new QGroupBox(inputs);
    auto* temperatureGrid = new QGridLayout(temperatures);
    m_tn = makeSpin(temperatures, u"Input_tn"_s, u"-20"_s, 1,
        u"Задайте температуру наружного воздуха, [градусов Цельсия]"_s);
    m_tv = makeSpin(temperatures, u"Input_tv"_s, u"20"_s, 1,
        u"Задайте температуру воздуха внутри помещения, [градусов Цельсия]"_s);
    m_tw1 = makeSpin(
        temperatures, u"Input_tw1"_s, u"80"_s, 1, u"Задайте температуру воды на входе, [градусов Цельсия]"_s);
    m_tw2 = makeSpin(temperatures, u"Input_tw2"_s, u"40"_s, 1,
        u"Задайте температуру воды на выходе, [градусов Цельсия]"_s);
    addInputRow(temperatureGrid, 0, u"Расчетная температура наружного воздуха, tн:"_s, m_tn, u"°C"_s);
    addInputRow(temperatureGrid, 1, u"Расчетная температура внутреннего воздуха, tв:"_s, m_tv, u"°C"_s);
    addInputRow(temperatureGrid, 2, u"Температура воды на входе:"_s, m_tw1, u"°C"_s);
    addInputRow(temperatureGrid, 3, u"Температура воды на выходе:"_s, m_tw2, u"°C"_s);
    temperatureGrid->setColumnStretch(3, 1);
    column->addWidget(temperatures);

    // 3.-5. The choices.
    m_angle = new RadioGroupWidget(u" Начальный угол отклонения струи, град.: "_s,
        {u"0"_s, u"-30"_s, u"-45"_s, u"-60"_s, u"-90"_s}, 5, inputs);
    m_angle->setObjectName(u"RG_Y"_s);
    m_mode = new RadioGroupWidget(
        u" Необходимая мощность для нагрева: "_s, {u"Расчитать"_s, u"Задать"_s}, 2, inputs);
    m_mode->setObjectName(u"RG_Rasch"_s);
    m_buildingType = new RadioGroupWidget(u" Тип здания: "_s,
        {u"С большой поверхностью остекления (тип 1)"_s, u"Обычные здания (тип 2)"_s,
            u"Здания с улучшенной теплоизоляцией (тип 3)"_s},
        1, inputs);
    m_buildingType->setObjectName(u"RadioGroupTip"_s);
    for (RadioGroupWidget* group : {m_angle, m_mode, m_buildingType}) {
        group->setItemIndex(0);
        column->addWidget(group);
    }

    // 6. Building volume and heat gains, 7. the given demand.
    m_volumeGroup = new QGroupBox(u" Внешний объем здания: "_s, inputs);
    m_volumeGroup->setObjectName(u"RG_V"_s);
    auto* volumeGrid = new QGridLayout(m_volumeGroup);
    m_volume = makeSpin(m_volumeGroup, u"Input_V"_s, u"1000"_s, 50, u"Задайте внешний объем здания, м3 "_s);
    m_gains = makeSpin(
        m_volumeGroup, u"Input_Qp"_s, u"20"_s, 1, u"Задайте суммарную мощность теплопритока, кВт"_s);
    addInputRow(volumeGrid, 0, u"Внешний объем здания, V:"_s, m_volume, u"м3"_s);
    addInputRow(volumeGrid, 1, u"Суммарная мощность теплопритока, Qп:"_s, m_gains, u"кВт"_s);
    volumeGrid->setColumnStretch(3, 1);
    column->addWidget(m_volumeGroup);

    m_demandGroup = new QGroupBox(inputs);
    m_demandGroup->setObjectName(u"RG_Q"_s);
    auto* demandGrid = new QGridLayout(m_demandGroup);
    m_demand = makeSpin(
        m_demandGroup, u"Input_Q"_s, u"100"_s, 1, u"Задайте необходимую мощность для нагрева, кВт"_s);
    addInputRow(demandGrid, 0, u"Необходимая мощность для нагрева, Q:"_s, m_demand, u"кВт"_s);
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
    connect(open, &QToolButton::clicked, this, &TMDIChildVozdAgregatLUMA::loadProject);
    connect(save, &QToolButton::clicked, this, &TMDIChildVozdAgregatLUMA::saveProject);
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
    heating::HeatingUnitProject p;
    p.projectName = m_projectName->text();
    p.buildingType = m_buildingType->itemIndex();
    p.tv = m_tv->text();
    p.tn = m_tn->text();
    p.tw1 = m_tw1->text();
    p.tw2 = m_tw2->text();
    p.angleItem = m_angle->itemIndex();
    p.mode = m_mode->itemIndex();
    p.volume = m_volume->text();
    p.demand = m_demand->text();
    p.gains = m_gains->text();
    return p;
}

void TMDIChildVozdAgregatLUMA::applyInputs(const heating::HeatingUnitProject& p)
{
    m_projectName->setText(p.projectName);
    // An index that names no item (a file from elsewhere) keeps the choice shown.
    if (validIndex(p.buildingType, m_buildingType))
        m_buildingType->setItemIndex(p.buildingType);
    m_tv->setText(p.tv);
    m_tn->setText(p.tn);
    m_tw1->setText(p.tw1);
    m_tw2->setText(p.tw2);
    if (validIndex(p.angleItem, m_angle))
        m_angle->setItemIndex(p.angleItem);
    if (validIndex(p.mode, m_mode))
        m_mode->setItemIndex(p.mode);
    m_volume->setText(p.volume);
    m_demand->setText(p.demand);
    m_gains->setText(p.gains);
    updateModeGroups();
}

void TMDIChildVozdAgregatLUMA::run()
{
    heating::HeatingUnitInputs in;
    const auto tv = ui::readNumber(m_tv);
    if (!tv)
        return;
    const auto tn = ui::readNumber(m_tn);
    if (!tn)
        return;
    const auto tw1 = ui::readNumber(m_tw1);
    if (!tw1)
        return;
    const auto tw2 = ui::readNumber(m_tw2);
    if (!tw2)
        return;
    in.tv = *tv;
    in.tn = *tn;
    in.tw1 = *tw1;
    in.tw2 = *tw2;
    in.angleItem = m_angle->itemIndex();
    in.buildingType = m_buildingType->itemIndex();
    in.mode = m_mode->itemIndex() == static_cast<int>(heating::DemandMode::Given)
        ? heating::DemandMode::Given
        : heating::DemandMode::Compute;
    // Values the current mode does not use count as 0.
    in.volume = in.gains = in.givenDemand = 0;
    if (in.mode == heating::DemandMode::Compute) {
        const auto volume = ui::readNumber(m_volume);
        if (!volume)
            return;
        const auto gains = ui::readNumber(m_gains);
        if (!gains)
            return;
        in.volume = *volume;
        in.gains = *gains;
    } else {
        const auto demand = ui::readNumber(m_demand);
        if (!demand)
            return;
        in.givenDemand = *demand;
    }

    const heating::HeatingUnitOutcome outcome = heating::calculateHeatingUnits(in);
    if (!outcome.run) {
        ui::showMessage(outcome.message, ui::MessageKind::Warning);
        const std::pair<heating::HeatingUnitField, QWidget*> focus[] = {{heating::HeatingUnitField::Tn, m_tn},
            {heating::HeatingUnitField::Tv, m_tv}, {heating::HeatingUnitField::Tw1, m_tw1},
            {heating::HeatingUnitField::Tw2, m_tw2}, {heating::HeatingUnitField::Volume, m_volume},
            {heating::HeatingUnitField::Gains, m_gains}, {heating::HeatingUnitField::Demand, m_demand}};
        for (const auto& [field, widget] : focus) {
            if (field == outcome.field)
                widget->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    auto* results = m_program.windows().get<TFormVozdAgregatResLUMA>();
    results->showResults(
        m_projectName->text(), heating::heatingUnitTable(in, *outcome.run, systemDecimalSeparator()));
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
    const QString path = ui::getOpenFileName(this, heating::heatingProjectOpenTitle(),
        heating::heatingProjectFilter(), heating::heatingProjectSuffix());
    if (path.isEmpty())
        return;
    const heating::HeatingProjectLoad load = heating::loadHeatingUnitProject(path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    if (load.project)
        applyInputs(*load.project);
}

void TMDIChildVozdAgregatLUMA::saveProject()
{
    const QString path
        = ui::getSaveFileName(this, heating::heatingProjectSaveTitle(), heating::heatingProjectFilter(),
            heating::heatingProjectSuffix(), m_projectName->text() + u".lumaprj"_s);
    if (path.isEmpty())
        return;
    if (const auto error = heating::saveHeatingUnitProject(path, inputsAsTyped(), systemDecimalSeparator()))
        ui::showMessage(u"Не удается сохранить файл:"_s + path + u"\n"_s + *error, ui::MessageKind::Error);
}

void TMDIChildVozdAgregatLUMA::readStoredInputs()
{
    const ui::UserSettings settings(settingsKey());
    if (!settings.exists())
        return;
    // Texts are applied only when not empty; the first missing or wrong-typed integer, or a wrong-typed
    // text, ends the reading and keeps what was read until then.
    const auto text = [&](const QString& name, SpinEditWidget* box) {
        const auto stored = settings.readText(name);
        if (stored.status == ui::StoredValue<QString>::Status::WrongType)
            return false;
        if (!stored.value.isEmpty())
            box->setText(stored.value);
        return true;
    };
    const auto index = [&](const QString& name, RadioGroupWidget* group) {
        const auto stored = settings.readInteger(name);
        if (!stored.ok())
            return false;
        if (validIndex(stored.value, group))
            group->setItemIndex(stored.value);
        return true;
    };
    text(u"Input_tv"_s, m_tv) && text(u"Input_tn"_s, m_tn) && text(u"Input_tw1"_s, m_tw1)
        && text(u"Input_tw2"_s, m_tw2) && index(u"RadioGroupTip_ItemIndex"_s, m_buildingType)
        && index(u"RG_Y_ItemIndex"_s, m_angle) && index(u"RG_Rasch_ItemIndex"_s, m_mode)
        && text(u"Input_V"_s, m_volume) && text(u"Input_Q"_s, m_demand) && text(u"Input_Qp"_s, m_gains);
}

void TMDIChildVozdAgregatLUMA::writeStoredInputs() const
{
    ui::UserSettings settings(settingsKey());
    settings.writeInteger(u"RadioGroupTip_ItemIndex"_s, m_buildingType->itemIndex());
    settings.writeText(u"Input_tv"_s, m_tv->text());
    settings.writeText(u"Input_tn"_s, m_tn->text());
    settings.writeText(u"Input_tw1"_s, m_tw1->text());
    settings.writeText(u"Input_tw2"_s, m_tw2->text());
    settings.writeInteger(u"RG_Y_ItemIndex"_s, m_angle->itemIndex());
    settings.writeInteger(u"RG_Rasch_ItemIndex"_s, m_mode->itemIndex());
    settings.writeText(u"Input_V"_s, m_volume->text());
    settings.writeText(u"Input_Q"_s, m_demand->text());
    settings.writeText(u"Input_Qp"_s, m_gains->text());
}

void TMDIChildVozdAgregatLUMA::closeEvent(QCloseEvent* event)
{
    writeStoredInputs();
    QWidget::closeEvent(event);
}
