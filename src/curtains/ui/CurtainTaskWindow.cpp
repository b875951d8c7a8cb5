#include "curtains/ui/CurtainTaskWindow.h"

#include "common/NumberText.h"
#include "common/StoreError.h"
#include "curtains/CurtainCalc.h"
#include "curtains/CurtainProjectFile.h"
#include "curtains/ui/CurtainResultsWindow.h"
#include "ui/DescriptionItem.h"
#include "ui/FileDialogs.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
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

// One typed number: its control, label, unit, default and hint.
struct BoxSpec {
    const char16_t* name;
    const char16_t* label;
    const char16_t* unit;
    const char16_t* hint;
};
constexpr BoxSpec boxSpecs[] = {
    {u"Input_B", u"Ширина воротного проема, B:", u"м", u"Задайте ширину воротного проема, м"},
    {u"Input_H", u"Высота воротного проема, H:", u"м", u"Задайте высоту воротного проема, м"},
    {u"Input_tv", u"Температура воздуха внутри помещения, tв:", u"°C",
        u"Задайте температуру воздуха внутри помещения, [градусов Цельсия]"},
    {u"Input_tn", u"Температура наружного воздуха, tн:", u"°C",
        u"Задайте температуру наружного воздуха, [градусов Цельсия]"},
    {u"Input_tc", u"Средняя температура струи, tc:", u"°C",
        u"Задайте среднюю температуру струи завесы, [градусов Цельсия]"},
    {u"Input_v", u"Скорость ветра, v:", u"м/с", u"Задайте расчетную скорость ветра, м/с"},
    {u"Input_tw1", u"На входе:", u"°C", u"Задайте температуру воды на входе, [градусов Цельсия]"},
    {u"Input_tw2", u"На выходе:", u"°C", u"Задайте температуру воды на выходе, [градусов Цельсия]"},
};

SpinEditWidget* makeBox(QWidget* parent, const BoxSpec& spec)
{
    auto* box = new SpinEditWidget(parent);
    box->setObjectName(QString::fromUtf16(spec.name));
    box->setMinimumWidth(80);
    ui::setHint(box, QString::fromUtf16(spec.hint));
    return box;
}

void addRow(QGridLayout* grid, int row, const BoxSpec& spec, SpinEditWidget* box)
{
    auto* label = new QLabel(QString::fromUtf16(spec.label));
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(QString::fromUtf16(spec.unit)), row, 2);
}

RadioGroupWidget* makeGroup(
    QWidget* parent, const QString& name, const QString& caption, const QStringList& items, int columns)
{
    auto* group = new RadioGroupWidget(caption, items, columns, parent);
    group->setObjectName(name);
    return group;
}

QStringList heaterItems(Series series)
{
    switch (series) {
    case Series::Ork:
        return {u"- без нагревателя"_s, u"- водяной"_s, u"- паровой"_s, u"- электрический"_s};
    case Series::Tem:
        return {u"- без нагрева"_s, u"- водяной"_s, u"- паровой"_s};
    case Series::Pln:
        break;
    }
    return {u"- без нагревателя"_s, u"- водяной"_s, u"- электрический (ТЭН)"_s};
}

void setItem(RadioGroupWidget* group, int index, int defaultItem)
{
    if (group)
        group->setItemIndex(validItem(index, group->count(), defaultItem));
}

} // namespace

CurtainTaskWindow::CurtainTaskWindow(ui::Program& program, Series series, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
    , m_series(series)
{
    const SeriesTexts texts = seriesTexts(series);
    setObjectName(texts.objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts.caption);
    resize(sizeHint());
    buildControls();
    applyInputs(defaultCurtainProject(series));
    readStoredInputs();
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

void CurtainTaskWindow::buildControls()
{
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

    auto* projectGroup = new QGroupBox(u" Наименование проекта: "_s, panel);
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
    connect(open, &QToolButton::clicked, this, &CurtainTaskWindow::loadProject);
    connect(save, &QToolButton::clicked, this, &CurtainTaskWindow::saveProject);

    auto* gate = new QGroupBox(panel);
    auto* grid = new QGridLayout(gate);
    for (int i = B; i <= V; ++i) {
        m_boxes[static_cast<std::size_t>(i)] = makeBox(gate, boxSpecs[i]);
        addRow(grid, i, boxSpecs[i], m_boxes[static_cast<std::size_t>(i)]);
    }
    grid->setColumnStretch(3, 1);
    column->addWidget(gate);

    m_building = makeGroup(panel, u"RadioGroupTip"_s, u" Здание: "_s,
        {u"Без аэрационных проемов (1)"_s, u"С аэрационными проемами, закрытыми в холодный период года (2)"_s,
            u"С аэрационными проемами, открытыми в холодный период года (3)"_s},
        1);
    column->addWidget(m_building);
    column->addStretch(1);
    return panel;
}

QWidget* CurtainTaskWindow::buildChoices()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    m_placement = makeGroup(panel, u"RadioGroupb_v"_s, u" Размещение: "_s, {u"Боковая"_s, u"Верхняя"_s}, 2);
    m_posts = makeGroup(panel, u"RadioGroupb1_b2"_s, QString(), {u"Одностоечная"_s, u"Двухстоечная"_s}, 2);
    column->addWidget(m_placement);
    column->addWidget(m_posts);

    auto* heaterGroup = new QGroupBox(u" Воздухонагреватель: "_s, panel);
    auto* heaterColumn = new QVBoxLayout(heaterGroup);
    m_heater = makeGroup(heaterGroup, u"RG_Tip"_s, u" Тип: "_s, heaterItems(m_series), 1);
    heaterColumn->addWidget(m_heater);
    if (m_series != Series::Pln) {
        m_rows = makeGroup(heaterGroup, u"RG_2_3"_s, QString(), {u"- 2х рядный"_s, u"- 3х рядный"_s}, 2);
        heaterColumn->addWidget(m_rows);
    }
    if (m_series == Series::Ork) {
        m_power
            = makeGroup(heaterGroup, u"RG_P1_P2"_s, u" Мощность: "_s, {u"Номинальная"_s, u"Пониженная"_s}, 2);
        heaterColumn->addWidget(m_power);
    }
    m_water = new QGroupBox(u" Температура воды: "_s, heaterGroup);
    m_water->setObjectName(u"RG_W"_s);
    auto* waterGrid = new QGridLayout(m_water);
    for (int i = Tw1; i <= Tw2; ++i) {
        m_boxes[static_cast<std::size_t>(i)] = makeBox(m_water, boxSpecs[i]);
        addRow(waterGrid, i - Tw1, boxSpecs[i], m_boxes[static_cast<std::size_t>(i)]);
    }
    waterGrid->setColumnStretch(3, 1);
    heaterColumn->addWidget(m_water);
    column->addWidget(heaterGroup);

    if (m_series == Series::Tem) {
        m_limit = makeGroup(panel, u"RG"_s, u" Есть ли ограничения по размеру сечения блока завесы? "_s,
            {u"ДА"_s, u"НЕТ"_s}, 3);
        m_smallest = makeGroup(panel, u"RG_I"_s, u" Допустимый наименьший размер сечения блока, не более: "_s,
            {u"450мм"_s, u"500мм"_s, u"550мм"_s, u"600мм"_s, u"700мм"_s, u"800мм"_s}, 6);
        column->addWidget(m_limit);
        column->addWidget(m_smallest);
        connect(m_limit, &RadioGroupWidget::itemIndexChanged, this, &CurtainTaskWindow::updateVisibility);
    }
    if (m_series == Series::Pln) {
        auto* overhang = new QGroupBox(u" Может ли завеса выступать за проем? "_s, panel);
        auto* row = new QHBoxLayout(overhang);
        m_yes = new QRadioButton(u"ДА"_s, overhang);
        m_yes->setObjectName(u"RB_YES"_s);
        m_no = new QRadioButton(u"НЕТ"_s, overhang);
        m_no->setObjectName(u"RB_NO"_s);
        row->addWidget(m_yes);
        row->addWidget(m_no);
        row->addStretch(1);
        column->addWidget(overhang);
    }
    column->addStretch(1);
    connect(m_placement, &RadioGroupWidget::itemIndexChanged, this, &CurtainTaskWindow::updateVisibility);
    connect(m_heater, &RadioGroupWidget::itemIndexChanged, this, &CurtainTaskWindow::updateVisibility);
    return panel;
}

void CurtainTaskWindow::updateVisibility()
{
    const HeaterKind heater = heaterKind(m_series, m_heater->itemIndex());
    m_posts->setVisible(m_placement->itemIndex() == 0);
    if (m_rows)
        m_rows->setVisible(heater == HeaterKind::Water || heater == HeaterKind::Steam);
    if (m_power)
        m_power->setVisible(heater == HeaterKind::Electric);
    m_water->setVisible(heater == HeaterKind::Water);
    if (m_smallest)
        m_smallest->setVisible(m_limit->itemIndex() == 0);
}

CurtainProject CurtainTaskWindow::inputsAsTyped() const
{
    CurtainProject p = defaultCurtainProject(m_series);
    p.projectName = m_projectName->text();
    p.buildingType = m_building->itemIndex();
    QString* texts[BoxCount] = {&p.B, &p.H, &p.tv, &p.tn, &p.tc, &p.v, &p.tw1, &p.tw2};
    for (int i = 0; i < BoxCount; ++i)
        *texts[i] = m_boxes[static_cast<std::size_t>(i)]->text();
    p.placement = m_placement->itemIndex();
    p.posts = m_posts->itemIndex();
    p.heaterType = m_heater->itemIndex();
    if (m_rows)
        p.heaterRows = m_rows->itemIndex();
    if (m_power)
        p.powerStep = m_power->itemIndex();
    if (m_limit) {
        p.blockLimit = m_limit->itemIndex();
        p.smallestBlock = m_smallest->itemIndex();
    }
    if (m_yes)
        p.mayExtend = m_yes->isChecked();
    return p;
}

void CurtainTaskWindow::applyInputs(const CurtainProject& p)
{
    const CurtainProject d = defaultCurtainProject(m_series);
    m_projectName->setText(p.projectName);
    const QString* texts[BoxCount] = {&p.B, &p.H, &p.tv, &p.tn, &p.tc, &p.v, &p.tw1, &p.tw2};
    for (int i = 0; i < BoxCount; ++i)
        m_boxes[static_cast<std::size_t>(i)]->setText(*texts[i]);
    setItem(m_building, p.buildingType, d.buildingType);
    setItem(m_placement, p.placement, d.placement);
    setItem(m_posts, p.posts, d.posts);
    setItem(m_heater, p.heaterType, d.heaterType);
    setItem(m_rows, p.heaterRows, d.heaterRows);
    setItem(m_power, p.powerStep, d.powerStep);
    setItem(m_limit, p.blockLimit, d.blockLimit);
    setItem(m_smallest, p.smallestBlock, d.smallestBlock);
    if (m_yes) {
        m_yes->setChecked(p.mayExtend);
        m_no->setChecked(!p.mayExtend);
    }
    updateVisibility();
}

void CurtainTaskWindow::focusField(CurtainField field)
{
    const std::pair<CurtainField, Box> boxes[]
        = {{CurtainField::B, B}, {CurtainField::H, H}, {CurtainField::Tv, Tv}, {CurtainField::Tn, Tn},
            {CurtainField::Tc, Tc}, {CurtainField::V, V}, {CurtainField::Tw1, Tw1}, {CurtainField::Tw2, Tw2}};
    for (const auto& [f, box] : boxes) {
        if (f == field)
            m_boxes[static_cast<std::size_t>(box)]->setFocus(Qt::OtherFocusReason);
    }
}

void CurtainTaskWindow::run()
{
    const QChar sep = systemDecimalSeparator();
    const CurtainReading reading = readCurtainInputs(inputsAsTyped(), m_series, sep);
    if (!reading.inputs) {
        for (const QString& message : badNumberMessages(reading.text))
            ui::showMessage(message, ui::MessageKind::Warning);
        focusField(reading.field);
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
    if (m_smallest && reading.inputs->blockLimit)
        m_smallest->setItemIndex(outcome.smallestBlockItem);
    if (!outcome.run) {
        ui::showMessage(outcome.refusal.message, ui::MessageKind::Warning);
        focusField(outcome.refusal.field);
        return;
    }
    CurtainResultsWindow* results = curtainResultsWindow(m_program.windows(), m_series);
    results->showRun(m_projectName->text(), *outcome.run);
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
    const CurtainProjectTexts texts = curtainProjectTexts(m_series);
    const QString path = ui::getOpenFileName(this, texts.openTitle, texts.filter, texts.suffix);
    if (path.isEmpty())
        return;
    const CurtainProjectLoad load = loadCurtainProject(m_series, path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    if (load.project)
        applyInputs(*load.project);
}

void CurtainTaskWindow::saveProject()
{
    const CurtainProjectTexts texts = curtainProjectTexts(m_series);
    const QString path = ui::getSaveFileName(
        this, texts.saveTitle, texts.filter, texts.suffix, m_projectName->text() + u"."_s + texts.suffix);
    if (path.isEmpty())
        return;
    const SaveOutcome saved = saveCurtainProject(m_series, path, inputsAsTyped(), systemDecimalSeparator());
    if (!saved)
        ui::showMessage(
            u"Не удается сохранить файл:"_s + path + u"\n"_s + saved.error(), ui::MessageKind::Error);
}

void CurtainTaskWindow::readStoredInputs()
{
    const ui::UserSettings settings(settingsKey(m_series));
    if (!settings.exists())
        return;
    // Texts are applied only when not empty; the first missing or wrong-typed value ends the reading and
    // keeps what was read until then. An index outside its group selects the group's default.
    const CurtainProject d = defaultCurtainProject(m_series);
    const auto text = [&](Box box) {
        const auto stored = settings.readText(QString::fromUtf16(boxSpecs[box].name));
        if (!stored.ok())
            return false;
        if (!stored.value.isEmpty())
            m_boxes[static_cast<std::size_t>(box)]->setText(stored.value);
        return true;
    };
    const auto index = [&](const QString& name, RadioGroupWidget* group, int defaultItem) {
        const auto stored = settings.readInteger(name);
        if (!stored.ok())
            return false;
        setItem(group, stored.value, defaultItem);
        return true;
    };
    const auto texts = [&](std::initializer_list<Box> boxes) {
        for (Box box : boxes) {
            if (!text(box))
                return false;
        }
        return true;
    };
    switch (m_series) {
    case Series::Ork:
        texts({B, H, Tv, Tn, Tc, V, Tw1, Tw2})
            && index(u"RadioGroupTip_ItemIndex"_s, m_building, d.buildingType)
            && index(u"RG_Tip_ItemIndex"_s, m_heater, d.heaterType)
            && index(u"RG_2_3_ItemIndex"_s, m_rows, d.heaterRows)
            && index(u"RG_P1_P2_ItemIndex"_s, m_power, d.powerStep);
        break;
    case Series::Tem:
        texts({B, H, Tv, Tn, Tc, V, Tw1, Tw2})
            && index(u"RadioGroupTip_ItemIndex"_s, m_building, d.buildingType)
            && index(u"RG_Tip_ItemIndex"_s, m_heater, d.heaterType)
            && index(u"RG_2_3_ItemIndex"_s, m_rows, d.heaterRows)
            && index(u"RG_ItemIndex"_s, m_limit, d.blockLimit)
            && index(u"RG_I_ItemIndex"_s, m_smallest, d.smallestBlock);
        break;
    case Series::Pln: {
        if (!texts({B, H, Tv, Tn, Tc, V}) || !index(u"RadioGroupTip_ItemIndex"_s, m_building, d.buildingType))
            break;
        const auto large = settings.readBool(u"LargeProem"_s);
        if (!large.ok())
            break;
        m_yes->setChecked(large.value);
        m_no->setChecked(!large.value);
        index(u"RGTip_ItemIndex"_s, m_heater, d.heaterType) && texts({Tw1, Tw2});
        break;
    }
    }
}

void CurtainTaskWindow::writeStoredInputs() const
{
    ui::UserSettings settings(settingsKey(m_series));
    const auto text = [&](Box box) {
        settings.writeText(
            QString::fromUtf16(boxSpecs[box].name), m_boxes[static_cast<std::size_t>(box)]->text());
    };
    const Box storedTexts[] = {B, H, Tv, Tn, Tc, V};
    for (Box box : storedTexts)
        text(box);
    settings.writeInteger(u"RadioGroupTip_ItemIndex"_s, m_building->itemIndex());
    if (m_series == Series::Pln) {
        settings.writeBool(u"LargeProem"_s, m_yes->isChecked());
        settings.writeInteger(u"RGTip_ItemIndex"_s, m_heater->itemIndex());
        text(Tw1);
        text(Tw2);
        return;
    }
    text(Tw1);
    text(Tw2);
    settings.writeInteger(u"RG_Tip_ItemIndex"_s, m_heater->itemIndex());
    settings.writeInteger(u"RG_2_3_ItemIndex"_s, m_rows->itemIndex());
    if (m_power)
        settings.writeInteger(u"RG_P1_P2_ItemIndex"_s, m_power->itemIndex());
    if (m_limit) {
        settings.writeInteger(u"RG_ItemIndex"_s, m_limit->itemIndex());
        settings.writeInteger(u"RG_I_ItemIndex"_s, m_smallest->itemIndex());
    }
}

void CurtainTaskWindow::closeEvent(QCloseEvent* event)
{
    writeStoredInputs();
    QWidget::closeEvent(event);
}
