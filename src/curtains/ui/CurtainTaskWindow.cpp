#include "curtains/ui/CurtainTaskWindow.h"

#include "common/NumberText.h"
#include "common/StoreError.h"
#include "curtains/CurtainCalc.h"
#include "curtains/CurtainForm.h"
#include "curtains/CurtainProjectFile.h"
#include "curtains/ui/CurtainResultsWindow.h"
#include "ui/DescriptionItem.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/ProjectNameGroup.h"
#include "ui/RadioGroupWidget.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace curtains;

namespace {

// What differs between the three windows besides their controls.
struct SeriesTexts {
    QString caption;
    QString objectName;
    QString settingsKey;
    QString descriptionFile;
    QString descriptionTitle;
    QString descriptionPicture;
    QString photoCaption;
    QString photoFile;
};

SeriesTexts seriesTexts(Series series)
{
    switch (series) {
    case Series::Ork:
        return {u"Расчет воздушных завес ОРК:"_s, u"MDIChildVozdZavesaORK"_s, u"ChildwinVozdZavesaORK"_s,
            u"VozdZavesaORK.rtf"_s, u"Воздушные завесы ОРК:"_s, u"ОРКw.bmp"_s,
            u"ЗФН: Фотография воздушных завес: ОРК"_s, u"ОРК.bmp"_s};
    case Series::Tem:
        return {u"Расчет воздушных завес ТЕМ:"_s, u"MDIChildVozdZavesaTEM"_s, u"ChildwinVozdZavesaTEM"_s,
            u"VozdZavesaTEM.rtf"_s, u"Воздушные завесы ТЕМ:"_s, u"ТЕМw.bmp"_s,
            u"ЗФН: Фотография воздушных завес: ТЕМ"_s, u"ТЕМ.bmp"_s};
    case Series::Pln:
        break;
    }
    return {u"Расчет воздушных завес серии \"Тэрна\":"_s, u"MDIChildVozdZavesaPLN"_s,
        u"ChildwinVozdZavesaPLN"_s, u"VozdZavesaPLN.rtf"_s, u"Воздушные завесы серии ТЭРНА:"_s, u"ПЛНw.bmp"_s,
        u"ЗФН: Фотография воздушных завес серии: \"Тэрна\""_s, u"ПЛН.bmp"_s};
}

} // namespace

CurtainTaskWindow::CurtainTaskWindow(ui::Program& program, Series series, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
    , m_series(series)
    , m_form(curtainFormInputs(series), seriesTexts(series).settingsKey)
{
    const SeriesTexts texts = seriesTexts(series);
    // A stored text that is missing ends the reading of the stored inputs, as a missing index does.
    m_form.setMissingTextEndsReading(true);
    setObjectName(texts.objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts.caption);
    resize(sizeHint());
    buildControls();
    m_form.restore();
    updateVisibility();
}

TMDIChildVozdZavesaORK::TMDIChildVozdZavesaORK(ui::Program& program, QWidget* parent)
    : CurtainTaskWindow(program, Series::Ork, parent)
{
}

TMDIChildVozdZavesaTEM::TMDIChildVozdZavesaTEM(ui::Program& program, QWidget* parent)
    : CurtainTaskWindow(program, Series::Tem, parent)
{
}

TMDIChildVozdZavesaPLN::TMDIChildVozdZavesaPLN(ui::Program& program, QWidget* parent)
    : CurtainTaskWindow(program, Series::Pln, parent)
{
}

QString CurtainTaskWindow::settingsKey(Series series)
{
    return seriesTexts(series).settingsKey;
}

RadioGroupWidget* CurtainTaskWindow::choice(const QString& name) const
{
    return m_form.control<RadioGroupWidget>(name);
}

void CurtainTaskWindow::buildControls()
{
    m_form.build(this);
    auto* inputs = new QGroupBox(u" Исходные данные: "_s, this);
    inputs->setObjectName(u"GroupBoxInputs"_s);
    inputs->setStyleSheet(u"QGroupBox#GroupBoxInputs::title { color: navy; }"_s);
    auto* columns = new QHBoxLayout(inputs);
    columns->addWidget(buildGateGroup(), 1);
    columns->addWidget(buildChoices(), 1);

    auto* description = new QPushButton(u"Описание"_s, this);
    description->setObjectName(u"Button3"_s);
    auto* photo = new QPushButton(u"Фото"_s, this);
    photo->setObjectName(u"Button5"_s);
    auto* runButton = new QPushButton(u"Расчет"_s, this);
    runButton->setObjectName(u"bRun"_s);
    runButton->setDefault(true);
    ui::setHint(runButton, u"Расчет завесы|Расчет завесы"_s);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(description);
    bottom->addWidget(photo);
    bottom->addStretch(1);
    bottom->addWidget(runButton);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs, 1);
    layout->addLayout(bottom);

    connect(runButton, &QPushButton::clicked, this, &CurtainTaskWindow::run);
    connect(description, &QPushButton::clicked, this, &CurtainTaskWindow::showDescription);
    connect(photo, &QPushButton::clicked, this, &CurtainTaskWindow::showPhoto);
}

QWidget* CurtainTaskWindow::buildGateGroup()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    column->addWidget(ui::projectNameGroup(
        m_form.control(u"Input_ProjectName"_s), panel, u"SpeedButton1"_s, u"SpeedButton2"_s,
        [this] { loadProject(); }, [this] { saveProject(); }));

    auto* gate = new QGroupBox(panel);
    auto* grid = new QGridLayout(gate);
    m_form.addRows(
        grid, {u"Input_B"_s, u"Input_H"_s, u"Input_tv"_s, u"Input_tn"_s, u"Input_tc"_s, u"Input_v"_s});
    grid->setColumnStretch(3, 1);
    column->addWidget(gate);
    column->addWidget(m_form.control(u"RadioGroupTip"_s));
    column->addStretch(1);
    return panel;
}

QWidget* CurtainTaskWindow::buildChoices()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_form.control(u"RadioGroupb_v"_s));
    column->addWidget(m_form.control(u"RadioGroupb1_b2"_s));

    auto* heaterGroup = new QGroupBox(u" Воздухонагреватель: "_s, panel);
    auto* heaterColumn = new QVBoxLayout(heaterGroup);
    heaterColumn->addWidget(m_form.control(u"RG_Tip"_s));
    for (const QString& name : {u"RG_2_3"_s, u"RG_P1_P2"_s}) {
        if (QWidget* control = m_form.control(name))
            heaterColumn->addWidget(control);
    }
    m_water = new QGroupBox(u" Температура воды: "_s, heaterGroup);
    m_water->setObjectName(u"RG_W"_s);
    auto* waterGrid = new QGridLayout(m_water);
    m_form.addRows(waterGrid, {u"Input_tw1"_s, u"Input_tw2"_s});
    waterGrid->setColumnStretch(3, 1);
    heaterColumn->addWidget(m_water);
    column->addWidget(heaterGroup);

    for (const QString& name : {u"RG"_s, u"RG_I"_s, u"RB_YES"_s}) {
        if (QWidget* control = m_form.control(name))
            column->addWidget(control);
    }
    column->addStretch(1);
    for (const QString& name : {u"RadioGroupb_v"_s, u"RG_Tip"_s, u"RG"_s}) {
        if (RadioGroupWidget* group = choice(name))
            connect(group, &RadioGroupWidget::itemIndexChanged, this, &CurtainTaskWindow::updateVisibility);
    }
    return panel;
}

void CurtainTaskWindow::updateVisibility()
{
    const CurtainProject p = inputsAsTyped();
    const HeaterKind heater = heaterKind(m_series, p.heaterType);
    m_form.control(u"RadioGroupb1_b2"_s)->setVisible(p.placement == 0);
    if (QWidget* rows = m_form.control(u"RG_2_3"_s))
        rows->setVisible(heater == HeaterKind::Water || heater == HeaterKind::Steam);
    if (QWidget* power = m_form.control(u"RG_P1_P2"_s))
        power->setVisible(heater == HeaterKind::Electric);
    m_water->setVisible(heater == HeaterKind::Water);
    if (QWidget* smallest = m_form.control(u"RG_I"_s))
        smallest->setVisible(p.blockLimit == 0);
}

CurtainProject CurtainTaskWindow::inputsAsTyped() const
{
    return m_form.record();
}

void CurtainTaskWindow::applyInputs(const CurtainProject& p)
{
    m_form.apply(withValidItems(p, m_series));
    updateVisibility();
}

void CurtainTaskWindow::run()
{
    const QChar sep = systemDecimalSeparator();
    const CurtainReading reading = readCurtainInputs(inputsAsTyped(), m_series, sep);
    if (!reading.inputs) {
        for (const QString& message : badNumberMessages(reading.text))
            ui::showMessage(message, ui::MessageKind::Warning);
        m_form.focus(static_cast<int>(reading.field));
        return;
    }
    CurtainOutcome outcome;
    try {
        outcome = calculateCurtain(*reading.inputs, storeCurtainCatalogue(), sep);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    // The section limit may have been lowered until one block fits.
    if (RadioGroupWidget* smallest = choice(u"RG_I"_s); smallest && reading.inputs->blockLimit)
        smallest->setItemIndex(outcome.smallestBlockItem);
    if (!outcome.run) {
        ui::showMessage(outcome.refusal.message, ui::MessageKind::Warning);
        m_form.focus(static_cast<int>(outcome.refusal.field));
        return;
    }
    CurtainResultsWindow* results = curtainResultsWindow(m_program.windows(), m_series);
    results->showRun(inputsAsTyped().projectName, *outcome.run);
    if (const QString shortfall = curtainShortfallMessage(*outcome.run); !shortfall.isEmpty())
        ui::showMessage(shortfall, ui::MessageKind::Warning);
}

void CurtainTaskWindow::showDescription()
{
    const SeriesTexts texts = seriesTexts(m_series);
    ui::DescriptionItem item; // no caption: the description window keeps its own
    item.rtfFile = texts.descriptionFile;
    item.reportTitle = texts.descriptionTitle;
    item.reportPicture = texts.descriptionPicture;
    item.missingFileMessage = u"Не удается найти файл:"_s + texts.descriptionFile + u"  ?!"_s;
    m_program.showDescription(item);
}

void CurtainTaskWindow::showPhoto()
{
    const SeriesTexts texts = seriesTexts(m_series);
    if (!m_program.showPhoto(texts.photoCaption, texts.photoFile))
        ui::showMessage(
            u"Не найден файл:  "_s + texts.photoFile + u"   в каталоге из которого запущена программа"_s,
            ui::MessageKind::Warning);
}

void CurtainTaskWindow::loadProject()
{
    if (const std::optional<CurtainProject> project = ui::openProjectFile(this, curtainProjectFile(m_series)))
        applyInputs(*project);
}

void CurtainTaskWindow::saveProject()
{
    ui::saveProjectFileAs(this, curtainProjectFile(m_series), inputsAsTyped());
}

void CurtainTaskWindow::closeEvent(QCloseEvent* event)
{
    m_form.store();
    QWidget::closeEvent(event);
}
