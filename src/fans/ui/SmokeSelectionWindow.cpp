#include "fans/ui/SmokeSelectionWindow.h"

#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/SmokeFoundFanRow.h"
#include "fans/SmokeSelection.h"
#include "fans/SmokeSelectionValidation.h"
#include "fans/ui/ListedSelection.h"
#include "fans/ui/SearchBandGroup.h"
#include "fans/ui/SelectionWindowParts.h"
#include "fans/ui/SeriesIcons.h"
#include "fans/ui/SmokeFansFoundWindow.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using fans::SmokeGroup;

namespace {

const QString seriesHint = u"Отметьте галочкой интересующие Вас серии вентиляторов"_s;

QListWidgetItem* checkableItem(QListWidget* list, const QString& text, bool ticked)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

void tickAll(QListWidget* list, bool ticked)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (auto state : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(state, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TMDIChildSMK::TMDIChildSMK(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
{
    setObjectName(u"MDIChildSMK"_s);
    setWindowTitle(u"Подбор вентиляторов дымоудаления"_s);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSeriesColumn(), 1);
    layout->addWidget(buildInputColumn(), 2);
    fillFromCatalogue();
    applyGroupRule();
}

QWidget* TMDIChildSMK::buildSeriesColumn()
{
    auto* box = new QGroupBox(u"Серии вентиляторов: "_s);
    auto* splitter = new QSplitter(Qt::Vertical);
    const struct {
        SeriesGroup& group;
        const char16_t* radioName;
        const char16_t* radioText;
        const char16_t* listName;
    } groups[] = {
        {m_roof, u"RadioButton3", u"Крышные и пристенные", u"ListViewCheckKr"},
        {m_radial, u"RadioButton4", u"Радиальные и осевые", u"ListViewCheckRadial"},
    };
    for (const auto& g : groups) {
        auto* panel = new QWidget;
        g.group.radio = new QRadioButton(QString::fromUtf16(g.radioText));
        g.group.radio->setObjectName(QString::fromUtf16(g.radioName));
        g.group.radio->setAutoExclusive(false); // the two sit in separate panels
        g.group.list = new QListWidget;
        g.group.list->setObjectName(QString::fromUtf16(g.listName));
        g.group.list->setToolTip(seriesHint);
        auto* panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(2, 2, 2, 2);
        panelLayout->addWidget(g.group.radio);
        if (&g.group == &m_roof) {
            m_roofNote = new QLabel(u"(Свободный выход из вентилятора)"_s);
            panelLayout->addWidget(m_roofNote);
        }
        panelLayout->addWidget(g.group.list, 1);
        splitter->addWidget(panel);

        QRadioButton* radio = g.group.radio;
        connect(radio, &QRadioButton::clicked, this, [this, radio] {
            if (!radio->isChecked()) {
                radio->setChecked(true); // one group is always chosen
                return;
            }
            (radio == m_roof.radio ? m_radial : m_roof).radio->setChecked(false);
            applyGroupRule();
        });
    }
    m_roof.radio->setChecked(true);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(splitter);
    return box;
}

QWidget* TMDIChildSMK::buildInputColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(inputColumnTitle());
    layout->addWidget(buildSearchRange(), 1);
    layout->addWidget(buildRangeGroup());
    layout->addWidget(buildDutyGroup());

    m_fireClass = new RadioGroupWidget(u" Требуемая огнестойкость: "_s, {u"400 °C"_s, u"600 °C"_s}, 2);
    m_fireClass->setObjectName(u"RadioGroupStoikost"_s);
    m_fireClass->setItemIndex(0);
    layout->addWidget(m_fireClass);

    layout->addLayout(selectionButtons(this, [this] { runSelection(); }));
    return column;
}

QWidget* TMDIChildSMK::buildSearchRange()
{
    auto* group = new QGroupBox(u" Диапазон поиска по: "_s);
    auto* layout = new QHBoxLayout(group);

    auto* diameters = new QGroupBox(u" -Диаметрам рабочих колес: "_s);
    diameters->setToolTip(u"Отметьте галочкой интересующие Вас диаметры рабочих колес вентилятора"_s);
    m_allDiameters = new QRadioButton(u"Всем"_s);
    m_allDiameters->setObjectName(u"RadioButton1"_s);
    m_allDiameters->setChecked(true);
    auto* chosenDiameters = new QRadioButton(u"Отмеченным"_s);
    chosenDiameters->setObjectName(u"RadioButton2"_s);
    m_diameters = new QListWidget;
    m_diameters->setObjectName(u"CheckListBox_D"_s);
    auto* dLayout = new QVBoxLayout(diameters);
    dLayout->addWidget(m_allDiameters);
    dLayout->addWidget(chosenDiameters);
    dLayout->addWidget(m_diameters, 1);
    layout->addWidget(diameters);
    // "Всем" ticks every diameter and locks the list; "Отмеченным" lets the user choose.
    connect(m_allDiameters, &QRadioButton::clicked, this, [this] {
        tickAll(m_diameters, true);
        m_diameters->setEnabled(false);
    });
    connect(chosenDiameters, &QRadioButton::clicked, this, [this] { m_diameters->setEnabled(true); });

    auto* speeds = new QGroupBox(u" - Частотам вращения рабочего колеса: "_s);
    speeds->setToolTip(u" В скобках приведена соответствующая синхронная частота вращения рабочего колеса"_s);
    auto* speedsLayout = new QVBoxLayout(speeds);
    const char16_t* poleTexts[] = {u"2-х полюсные      (3000 об/мин)", u"4-х полюсные      (1500 об/мин)",
        u"6-ти полюсные   (1000 об/мин)", u"8-ми полюсные   (750 об/мин)", u"12-ти полюсные   (500 об/мин)",
        u"16-ти полюсные   (375 об/мин)"};
    for (int i = 0; i < 6; ++i) {
        m_poles[i] = new QCheckBox(QString::fromUtf16(poleTexts[i]));
        m_poles[i]->setObjectName(u"CheckBox%1"_s.arg(i + 1));
        m_poles[i]->setChecked(true);
        speedsLayout->addWidget(m_poles[i]);
    }
    speedsLayout->addStretch();
    layout->addWidget(speeds);
    return group;
}

QWidget* TMDIChildSMK::buildRangeGroup()
{
    return searchBandGroup(u" Диапазон поиска от требуемого объема удаляемого дыма, в % "_s,
        u"Установите диапазон поиска, в % от требуемого объема удаляемого дыма"_s, 15, &m_range);
}

QWidget* TMDIChildSMK::buildDutyGroup()
{
    auto* group = new QGroupBox(u" Требуемый режим работы: "_s);
    auto* layout = new QGridLayout(group);
    const QString pressureHint
        = u"Введите требуемое полное давление, создаваемое вентиляторм  (Па), при заданной т-ре"_s;
    m_temperature = dutyBox(u"Input_T"_s, 20, 10, u"Введите температуру удаляемого дыма (град.Цельсия)"_s);
    m_flow = dutyBox(
        u"Input_Q"_s, 0, 100, u"Введите требуемый объем удаляемого дыма (м3/час), при заданной т-ре"_s);
    m_staticPressure = dutyBox(u"Input_Pst"_s, 0, 10, pressureHint);
    m_totalPressure = dutyBox(u"Input_Ptotal"_s, 0, 10, pressureHint);
    const struct {
        const char16_t* label;
        SpinEditWidget* box;
        const char16_t* unit;
        QLabel** labels;
    } rows[] = {
        {u"Температура удаляемого дыма:", m_temperature, u"°C", nullptr},
        {u"Требуемый объем удаляемого дыма:", m_flow, u"м3/час", nullptr},
        {u"Статическое давление преодолеваемое вентилятором:", m_staticPressure, u"Па", m_staticLabels},
        {u"Полное давление преодолеваемое вентилятором:", m_totalPressure, u"Па", m_totalLabels},
    };
    int row = 0;
    for (const auto& r : rows) {
        auto* label = new QLabel(QString::fromUtf16(r.label));
        auto* unit = new QLabel(QString::fromUtf16(r.unit));
        layout->addWidget(label, row, 0);
        layout->addWidget(r.box, row, 1);
        layout->addWidget(unit, row, 2);
        if (r.labels) {
            r.labels[0] = label;
            r.labels[1] = unit;
        }
        ++row;
    }
    layout->setColumnStretch(3, 1);
    // Hotter smoke than 400 °C needs the fans rated for 600 °C; the choice is never switched back.
    if (auto* edit = m_temperature->findChild<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &TMDIChildSMK::onTemperatureEdited);
    return group;
}

void TMDIChildSMK::onTemperatureEdited(const QString& text)
{
    const auto temperature = parseNumber(text.trimmed(), systemDecimalSeparator());
    if (temperature && *temperature > 400)
        m_fireClass->setItemIndex(int(fans::FireClass::C600));
}

void TMDIChildSMK::fillFromCatalogue()
{
    try {
        for (const fans::SmokeSeriesEntry& entry : fans::FanCatalogue::smokeSeries()) {
            QListWidgetItem* item = checkableItem(groupControls(entry.group).list, entry.name, false);
            item->setIcon(fans::smokeSeriesIcon(entry.icon));
        }
        for (const QString& d : fans::FanCatalogue::diameterTexts(fans::CatalogueKind::Smoke))
            checkableItem(m_diameters, d, true);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
    }
    m_diameters->setEnabled(false);
}

TMDIChildSMK::SeriesGroup& TMDIChildSMK::groupControls(SmokeGroup group)
{
    return group == SmokeGroup::RadialAxial ? m_radial : m_roof;
}

SmokeGroup TMDIChildSMK::group() const
{
    return m_radial.radio->isChecked() ? SmokeGroup::RadialAxial : SmokeGroup::RoofWall;
}

void TMDIChildSMK::selectGroup(SmokeGroup group)
{
    QRadioButton* radio = groupControls(group).radio;
    if (!radio->isChecked())
        radio->click();
}

void TMDIChildSMK::applyGroupRule()
{
    const SmokeGroup chosen = group();
    for (SmokeGroup g : {SmokeGroup::RoofWall, SmokeGroup::RadialAxial}) {
        SeriesGroup& controls = groupControls(g);
        const bool active = g == chosen;
        setTextColour(controls.radio, active ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
        // The chosen list looks like an input; the other looks like the panel behind it.
        QPalette listPalette = palette();
        for (auto state : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            listPalette.setColor(
                state, QPalette::Base, palette().color(active ? QPalette::Base : QPalette::Button));
            listPalette.setColor(
                state, QPalette::Text, active ? QColor(Qt::blue) : palette().color(QPalette::Dark));
        }
        controls.list->setPalette(listPalette);
        controls.list->setEnabled(active);
    }
    const bool roof = chosen == SmokeGroup::RoofWall;
    m_staticPressure->setEnabled(roof);
    m_totalPressure->setEnabled(!roof);
    for (QLabel* label : m_staticLabels)
        label->setEnabled(roof);
    for (QLabel* label : m_totalLabels)
        label->setEnabled(!roof);
}

void TMDIChildSMK::presetDuty(const fans::HandedSmokeDuty& duty)
{
    const SmokeGroup chosen = duty.roofFan ? SmokeGroup::RoofWall : SmokeGroup::RadialAxial;
    selectGroup(chosen);
    tickAll(groupControls(chosen).list, true);
    m_fireClass->setItemIndex(int(duty.hotGas ? fans::FireClass::C600 : fans::FireClass::C400));
    m_flow->setValue(roundHalfEven(duty.flow));
    (duty.roofFan ? m_staticPressure : m_totalPressure)->setValue(roundHalfEven(duty.pressure));
}

std::optional<fans::SmokeSelectionRequest> TMDIChildSMK::readRequest()
{
    using fans::SmokeRequestFault;
    fans::SmokeSelectionRequest request;
    request.group = group();
    request.rangePercent = m_range->value();
    request.fireClass = m_fireClass->itemIndex() == 1 ? fans::FireClass::C600 : fans::FireClass::C400;
    request.temperatureText = ui::numberControlText(m_temperature);
    for (int i = 0; i < 6; ++i)
        request.poles[size_t(i)] = m_poles[i]->isChecked();
    for (int i = 0; i < m_diameters->count(); ++i)
        request.diameters.push_back(
            {m_diameters->item(i)->text(), m_diameters->item(i)->checkState() == Qt::Checked});
    // Each box is read and checked in turn, so that the first fault is the one the user is told about.
    auto stopsAt = [&](SmokeRequestFault fault, QWidget* focus) {
        if (fans::checkSmokeRequest(request) != fault)
            return false;
        ui::showMessage(fans::smokeFaultMessage(fault, request.group), ui::MessageKind::Warning);
        if (focus)
            focus->setFocus();
        return true;
    };
    request.flow = 1; // not read yet: keeps the temperature check to itself
    request.pressure = 1;
    const auto temperature = ui::readNumber(m_temperature);
    if (!temperature)
        return std::nullopt;
    request.temperature = *temperature;
    if (stopsAt(SmokeRequestFault::TemperatureTooLow, m_temperature))
        return std::nullopt;
    const auto flow = ui::readNumber(m_flow);
    if (!flow)
        return std::nullopt;
    request.flow = *flow;
    if (stopsAt(SmokeRequestFault::FlowNotPositive, m_flow))
        return std::nullopt;
    SpinEditWidget* pressureBox = request.group == SmokeGroup::RoofWall ? m_staticPressure : m_totalPressure;
    const auto pressure = ui::readNumber(pressureBox);
    if (!pressure)
        return std::nullopt;
    request.pressure = *pressure;
    if (stopsAt(SmokeRequestFault::PressureNotPositive, pressureBox)
        || stopsAt(SmokeRequestFault::NoDiameter, nullptr) || stopsAt(SmokeRequestFault::NoPoles, nullptr))
        return std::nullopt;
    const QListWidget* series = groupControls(request.group).list;
    for (int i = 0; i < series->count(); ++i) {
        if (series->item(i)->checkState() == Qt::Checked)
            request.series.push_back(series->item(i)->text().trimmed());
    }
    return request;
}

void TMDIChildSMK::runSelection()
{
    const auto request = readRequest();
    if (!request)
        return;
    const auto run = listedSelection(m_program.busyIndicator(), u"Подбор вентиляторов дымоудаления..."_s,
        [&] { return fans::runSmokeSelection(*request); });
    if (!run)
        return;
    m_program.windows().get<TFormGrVovazuSMK>()->fill(
        fans::smokeFoundFansContentOf(run->outcome, *request, systemDecimalSeparator()));
}
