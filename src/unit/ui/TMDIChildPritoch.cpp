#include "unit/ui/TMDIChildPritoch.h"

#include "common/NumberText.h"
#include "common/ProgramFolder.h"
#include "common/StoreError.h"
#include "ui/BusyIndicator.h"
#include "ui/DescriptionItem.h"
#include "ui/FileDialogs.h"
#include "ui/GridColumns.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "ui/UserSettings.h"
#include "unit/CategoryTree.h"
#include "unit/UnitGridTexts.h"
#include "unit/UnitHandover.h"
#include "unit/UnitHeaters.h"
#include "unit/ui/TFormDialogKolich.h"
#include "unit/ui/TFormPritochVovazu.h"
#include "unit/ui/UnitWindowWidgets.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace unit;
using namespace unit::widgets;

TMDIChildPritoch::TMDIChildPritoch(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
    , m_form(unitFormInputs(), unitSettingsKey())
{
    setObjectName(u"MDIChildPritoch"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Подбор агрегатов вентиляционных сборных"_s);
    resize(sizeHint());
    m_form.build(this);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"PageControl"_s);
    m_pages->addTab(buildPlainPage(), u"Без нагрева и охлаждения"_s);
    m_pages->addTab(buildInputPage(), QString());
    m_pages->addTab(buildElementPage(), u"Промежуточный подбор/выбор элементов"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildProjectBar());
    layout->addWidget(m_pages, 1);

    connectMirrors();
    // "Подбор вентилятора>>" hands the unit to the program's fan selection for units.
    connect(this, &TMDIChildPritoch::fanSelectionRequested, this,
        [this] { m_program.windows().get<TFormPritochVovazu>()->takeUnit(*this); });
    guarded([this] {
        fillHeaterTypes();
        m_sections = store().sections();
    });
    m_sectionGrid->setRowCount(int(m_sections.size()));
    refreshSectionGrid();
    m_form.restore();
    m_pages->setCurrentIndex(InputPage);
}

TMDIChildPritoch::~TMDIChildPritoch() = default;

void TMDIChildPritoch::fillHeaterTypes()
{
    for (QListWidget* list : {m_waterTypes, m_electricTypes}) {
        const HeaterKind kind = list == m_waterTypes ? HeaterKind::Water : HeaterKind::Electric;
        list->clear();
        for (const QString& type : store().heaterTypes(kind))
            addTickItem(list, type, true);
    }
}

ElementStore& TMDIChildPritoch::store()
{
    if (!m_store)
        m_store.emplace(pritoshkaElementStore());
    return *m_store;
}

bool TMDIChildPritoch::guarded(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const CatalogueError& error) {
        m_filling = false;
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return false;
    }
}

void TMDIChildPritoch::applyUnitKind(int kind)
{
    if (kind < 0 || kind > 3)
        return;
    m_kind = UnitKind(kind);
    m_pages->setCurrentIndex(m_kind == UnitKind::Plain ? PlainPage : InputPage);
    m_pages->setTabText(InputPage, inputPageCaption(m_kind));
    m_coolerGroup->setVisible(hasCooler(m_kind));
    m_heaterGroup->setVisible(hasHeater(m_kind));
    if (hasCooler(m_kind)) {
        QWidget* maxSpeed = m_form.control(u"Input_Vmax"_s);
        const std::optional<double> speed = parseNumber(boxText(maxSpeed), systemDecimalSeparator());
        if (speed && *speed > 3)
            setBoxText(maxSpeed, u"3"_s);
    }
}

void TMDIChildPritoch::refreshSectionGrid()
{
    const SectionGridRead read = readSectionGridInputs(boxText(m_form.control(u"Input_Gv_without"_s)),
        boxText(m_form.control(u"InputVmax_without"_s)), systemDecimalSeparator());
    if (read.flow)
        m_flow = *read.flow;
    if (!read.message.isEmpty())
        ui::showMessage(read.message, ui::MessageKind::Warning);
    if (!read.flow || !read.maxSpeed)
        return;
    setBoxText(m_form.control(u"Input_Gv"_s), boxText(m_form.control(u"Input_Gv_without"_s)));
    const QChar separator = systemDecimalSeparator();
    const std::vector<SectionSpeed> rows = sectionSpeeds(m_sections, *read.flow);
    m_sectionGrid->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        setCell(m_sectionGrid, i, 0, rows[i].size);
        setCell(m_sectionGrid, i, 1, sectionSpeedText(rows[i].speed, separator));
        setCell(m_sectionGrid, i, 2, rows[i].verdict);
    }
    for (int i = 0; i < int(rows.size()); ++i) {
        if (rows[i].speed <= *read.maxSpeed) {
            m_sectionGrid->selectRow(i);
            break;
        }
    }
}

QWidget* TMDIChildPritoch::boxOf(UnitField field) const
{
    for (const auto& input : unitFormInputs()) {
        if (input.focusField == focusOf(field))
            return m_form.control(input.control);
    }
    return nullptr;
}

void TMDIChildPritoch::reportRefusal(const UnitPageRead& read)
{
    if (read.badNumber) {
        ui::reportBadNumber(boxOf(*read.badNumber), read.badText);
        return;
    }
    if (read.problem) {
        ui::showMessage(read.problem->message, ui::MessageKind::Warning);
        m_form.focus(focusOf(read.problem->field));
    }
}

bool TMDIChildPritoch::nextWithoutHeating()
{
    const PlainPageText typed {boxText(m_form.control(u"Input_Gv_without"_s)),
        boxText(m_form.control(u"Input_Psvob_without"_s)), boxText(m_form.control(u"InputVmax_without"_s))};
    const UnitPageRead read = readPlainPage(typed, systemDecimalSeparator());
    if (!read.inputs) {
        reportRefusal(read);
        return false;
    }
    const int row = m_sectionGrid->currentRow();
    return guarded([&] {
        // Everything is read from the catalogue before the window changes: an error leaves it as it was.
        const int kanalIndex = row >= 0 && row < int(m_sections.size()) ? m_sections[row].num : 0;
        UnitRun run = calculatePlainUnit(store(), *read.inputs, kanalIndex, {});
        const ElementLists lists = run.lists;
        m_inputs = *read.inputs;
        m_flow = read.inputs->heater.flow;
        m_run = std::move(run);
        m_lastPage = PlainPage;
        m_calculated = true;
        m_heaterGrid->hide();
        m_coolerGridGroup->hide();
        showLists(lists);
        composeUnit();
        loadTree(u"nulltree.txt"_s);
        m_kindLabel->clear();
        m_pages->setCurrentIndex(ElementPage);
        m_fanButton->setEnabled(true);
    });
}

QString TMDIChildPritoch::sectionText(int kanalIndex) const
{
    for (const SectionRecord& s : m_sections) {
        if (s.num == kanalIndex)
            return s.text;
    }
    return {};
}

QStringList TMDIChildPritoch::tickedHeaterTypes(QListWidget* list) const
{
    QStringList types;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            types << list->item(i)->text().trimmed().left(heaterTypeLength);
    }
    return types;
}

bool TMDIChildPritoch::next()
{
    const QStringList water = tickedHeaterTypes(m_waterTypes);
    const QStringList electric = tickedHeaterTypes(m_electricTypes);
    const UnitPageRead read = readUnitPage(
        m_form.record(), m_kind, !water.isEmpty() || !electric.isEmpty(), systemDecimalSeparator());
    if (!read.inputs) {
        reportRefusal(read);
        return false;
    }
    bool refused = false;
    const bool done = guarded([&] {
        std::optional<ui::BusyScope> busy;
        busy.emplace(m_program.busyIndicator(), u"Подбор теплообменников и охладителя..."_s);
        const UnitInputs& in = *read.inputs;
        // Everything is read from the catalogue before the window changes: an error leaves it as it was.
        // The column chosen before stays chosen while there is one; the lists start without ticks.
        UnitRun run = calculateUnit(store(), in, water, electric, m_run.heaterColumn, {});
        if (!run.variants.refusal.isEmpty()) {
            busy.reset();
            refused = true;
            ui::showMessage(run.variants.refusal, ui::MessageKind::Warning);
            return;
        }
        const ElementLists lists = run.lists;
        std::vector<QStringList> heaterColumns;
        for (const THeaterVariant& v : run.variants.heaters)
            heaterColumns.push_back(
                heaterColumnTexts(v, in.heater.flow, sectionText(v.kanalIndex), systemDecimalSeparator()));

        m_inputs = in;
        m_flow = unitAirFlow(in);
        m_run = std::move(run);
        m_lastPage = InputPage;
        m_calculated = true;
        showCooler(m_run.section.cooler);
        m_coolerGridGroup->setVisible(hasCooler(m_kind));
        m_heaterGrid->setVisible(hasHeater(m_kind));
        showHeaterVariants(heaterColumns);
        showLists(lists);
        composeUnit();
        loadTree(u"tepltree.txt"_s);
        m_kindLabel->setText(kindTotalsLabel(m_kind));
        m_fanButton->setEnabled(true);
        m_pages->setCurrentIndex(ElementPage);
        if (m_heaterGrid->isVisible())
            m_heaterGrid->setFocus();
        busy.reset();
        if (!m_quietNotes)
            reportRunNotes();
    });
    return done && !refused;
}

void TMDIChildPritoch::reportRunNotes() const
{
    if (!m_run.section.coolerMessage.isEmpty())
        ui::showMessage(m_run.section.coolerMessage, ui::MessageKind::Warning);
    const QString shortfall = chosenHeaterShortfall(m_run, systemDecimalSeparator());
    if (!shortfall.isEmpty())
        ui::showMessage(shortfall, ui::MessageKind::Warning);
}

void TMDIChildPritoch::requestFanSelection()
{
    if (!m_calculated)
        return;
    const QString problem = unitFanDutyProblem(unitFanDuty(m_run, m_flow));
    if (!problem.isEmpty()) {
        ui::showMessage(problem, ui::MessageKind::Warning);
        return;
    }
    Q_EMIT fanSelectionRequested();
}

void TMDIChildPritoch::showCooler(const std::optional<CoolerResult>& cooler)
{
    m_coolerGrid->clearContents();
    if (!cooler)
        return;
    const auto rows = coolerGridRows(*cooler, systemDecimalSeparator());
    for (int r = 0; r < int(rows.size()); ++r) {
        setCell(m_coolerGrid, r, 0, rows[r].first);
        setCell(m_coolerGrid, r, 1, rows[r].second);
    }
    m_coolerGrid->resizeColumnsToContents();
    ui::widenColumnsToContents(m_coolerGrid);
    int width = 2 * m_coolerGrid->frameWidth();
    for (int c = 0; c < m_coolerGrid->columnCount(); ++c)
        width += m_coolerGrid->columnWidth(c);
    m_coolerGrid->setMinimumWidth(width);
}

void TMDIChildPritoch::showHeaterVariants(const std::vector<QStringList>& columns)
{
    m_heaterGrid->clearContents();
    m_heaterGrid->setColumnCount(1 + std::max<int>(1, int(columns.size())));
    const QStringList titles = heaterRowTitles();
    for (int r = 0; r < heaterGridRows; ++r)
        setCell(m_heaterGrid, r, 0, titles[r]);
    for (int c = 1; c <= int(columns.size()); ++c) {
        for (int r = 0; r < heaterGridRows; ++r)
            setCell(m_heaterGrid, r, c, columns[c - 1][r]);
    }
    m_heaterGrid->resizeColumnsToContents();
    ui::widenColumnsToContents(m_heaterGrid); // the chosen column is drawn bold
    markChosenHeater();
}

void TMDIChildPritoch::markChosenHeater()
{
    for (int c = 1; c < m_heaterGrid->columnCount(); ++c) {
        const bool chosen = c == m_run.heaterColumn;
        for (int r = 0; r < heaterGridRows; ++r) {
            QTableWidgetItem* item = m_heaterGrid->item(r, c);
            if (!item)
                continue;
            item->setBackground(chosen ? QBrush(Qt::yellow) : QBrush());
            QFont font = item->font();
            font.setBold(chosen);
            item->setFont(font);
        }
    }
}

bool TMDIChildPritoch::chooseHeater(int column)
{
    // A heater is chosen only among the variants of a calculation of the heater-and-cooler page.
    if (!m_calculated || m_lastPage != InputPage)
        return false;
    bool isVariant = false;
    const bool done = guarded([&] {
        std::optional<UnitRun> chosen = withHeater(store(), m_inputs, m_run, column);
        if (!chosen)
            return;
        isVariant = true;
        // Another heater of the same section keeps the lists and their ticks.
        const bool sameLists = m_listsSection == chosen->section.kanalIndex;
        m_run = std::move(*chosen);
        markChosenHeater();
        if (hasCooler(m_kind))
            showCooler(m_run.section.cooler);
        m_kindLabel->setText(kindTotalsLabel(m_kind));
        if (!sameLists)
            showLists(ElementLists(m_run.lists));
        composeUnit();
        reportRunNotes();
    });
    return isVariant || !done;
}

void TMDIChildPritoch::showLists(const ElementLists& lists)
{
    m_run.lists = lists;
    m_listsSection = m_run.section.kanalIndex;
    m_filling = true;
    for (AccessoryKind kind : accessoryKinds) {
        QListWidget* list = elementList(kind);
        list->clear();
        for (const QString& line : m_run.lists[int(kind)])
            addTickItem(list, line, false);
        // Counts stay with the positions; new positions start at one piece.
        std::vector<int>& counts = m_counts[int(kind)];
        if (int(counts.size()) < list->count())
            counts.resize(list->count(), 1);
    }
    m_filling = false;
}

void TMDIChildPritoch::composeUnit()
{
    if (!m_calculated)
        return;
    ElementTicks ticks;
    for (AccessoryKind kind : accessoryKinds) {
        ticks.ticked[int(kind)] = tickedPositions(elementList(kind));
        ticks.counts[int(kind)] = m_counts[int(kind)];
    }
    m_run.composition = unit::composeUnit(store(), m_run.section.kanalIndex, m_flow, m_run.lists, ticks,
        m_run.section.baseLength, m_run.section.basePressure);
    const QStringList& lines = m_run.composition.lines;
    m_composition->setRowCount(int(lines.size()));
    for (int r = 0; r < int(lines.size()); ++r)
        setCell(m_composition, r, 0, lines[r]);
    m_lengthTotal->setText(lengthTotalText(m_run.composition.length));
    m_pressureTotal->setText(pressureTotalText(m_run.composition.pressure));
}

void TMDIChildPritoch::tickElement(QListWidgetItem* item)
{
    QListWidget* list = item->listWidget();
    const AccessoryKind kind
        = list == elementList(AccessoryKind::Silencer) ? AccessoryKind::Silencer : AccessoryKind::Connector;
    if (!isCounted(kind) || (list != elementList(kind)) || item->checkState() != Qt::Checked)
        return;
    const int position = list->row(item);
    std::vector<int>& counts = m_counts[int(kind)];
    if (position >= int(counts.size()))
        counts.resize(position + 1, 1);
    counts[position] = m_program.windows().get<TFormDialogKolich>()->askCount(counts[position]);
    guarded([this] { composeUnit(); });
}

QListWidget* TMDIChildPritoch::elementList(AccessoryKind kind) const
{
    return m_lists[int(kind)];
}

std::vector<int> TMDIChildPritoch::tickedPositions(const QListWidget* list)
{
    std::vector<int> positions;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            positions.push_back(i);
    }
    return positions;
}

void TMDIChildPritoch::setTicks(QListWidget* list, const std::vector<int>& positions)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(Qt::Unchecked);
    for (int position : positions) {
        if (position < list->count()) // positions beyond the list are skipped
            list->item(position)->setCheckState(Qt::Checked);
    }
}

void TMDIChildPritoch::loadTree(const QString& fileName)
{
    QFile file(programFilePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return; // the tree stays as it was
    const std::vector<TreeNode> nodes = parseCategoryTree(file.readAll());
    if (nodes.empty())
        return;
    m_tree->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const TreeNode& node : nodes) {
        parents.resize(node.depth);
        auto* item = parents.empty() ? new QTreeWidgetItem(m_tree, {node.caption})
                                     : new QTreeWidgetItem(parents.back(), {node.caption});
        parents.push_back(item);
    }
    m_tree->setRootIsDecorated(
        std::any_of(nodes.begin(), nodes.end(), [](const TreeNode& n) { return n.depth > 0; }));
    m_tree->expandAll();
}

void TMDIChildPritoch::back()
{
    m_pages->setCurrentIndex(m_lastPage);
}

std::vector<UnitElementRow> TMDIChildPritoch::elementRows()
{
    return unitElementRows(store(), m_run, m_inputs);
}

UnitProject TMDIChildPritoch::projectAsTyped() const
{
    UnitProject p = m_form.record();
    p.waterHeaterTicks = tickPositionsText(tickedPositions(m_waterTypes));
    p.electricHeaterTicks = tickPositionsText(tickedPositions(m_electricTypes));
    p.heaterColumn = std::max(1, m_run.heaterColumn);
    QString* ticks[] = {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks};
    for (AccessoryKind kind : accessoryKinds)
        *ticks[int(kind)] = tickPositionsText(tickedPositions(elementList(kind)));
    UnitWindowState state {
        m_counts[int(AccessoryKind::Silencer)], m_counts[int(AccessoryKind::Connector)], 0, {}};
    if (m_calculated && m_lastPage == PlainPage)
        state.plainSection = m_run.section.kanalIndex;
    state.plainMaxSpeed = boxText(m_form.control(u"InputVmax_without"_s));
    p.windowState = state;
    return p;
}

void TMDIChildPritoch::applyProject(const UnitProject& p)
{
    m_form.apply(p);
    // The stored types are the ticked ones, all others are unticked.
    setTicks(m_waterTypes, tickPositions(p.waterHeaterTicks));
    setTicks(m_electricTypes, tickPositions(p.electricHeaterTicks));
    // A file written before the counts were kept leaves the window's own.
    if (p.windowState) {
        m_counts[int(AccessoryKind::Silencer)] = p.windowState->silencers;
        m_counts[int(AccessoryKind::Connector)] = p.windowState->connectors;
    }
    if (p.windowState)
        setBoxText(m_form.control(u"InputVmax_without"_s), p.windowState->plainMaxSpeed);
    if (p.windowState && p.windowState->plainSection > 0) {
        // Calculated on the page without heating and cooling: its section and its "Далее>>".
        for (int row = 0; row < int(m_sections.size()); ++row) {
            if (m_sections[row].num == p.windowState->plainSection)
                m_sectionGrid->selectRow(row);
        }
        if (!nextWithoutHeating())
            return;
    } else {
        m_quietNotes = true;
        const bool calculated = p.heaterColumn > 0 && next();
        m_quietNotes = false;
        if (!calculated)
            return;
        // The notes once, for the heater the project chose (or the first when it chose none of these).
        if (p.heaterColumn >= m_heaterGrid->columnCount() || !chooseHeater(p.heaterColumn))
            reportRunNotes();
    }
    const QString* ticks[]
        = {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks};
    m_filling = true;
    for (AccessoryKind kind : accessoryKinds)
        setTicks(elementList(kind), tickPositions(*ticks[int(kind)]));
    m_filling = false;
    guarded([this] { composeUnit(); });
}

void TMDIChildPritoch::loadProject()
{
    const QString path
        = ui::getOpenFileName(this, unitProjectOpenTitle(), unitProjectFilter(), unitProjectSuffix());
    if (path.isEmpty())
        return;
    const UnitProjectLoad load = loadUnitProject(path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    if (load.project)
        applyProject(*load.project);
}

void TMDIChildPritoch::saveProject()
{
    const UnitProject project = projectAsTyped();
    const QString path = ui::getSaveFileName(this, unitProjectSaveTitle(), unitProjectFilter(),
        unitProjectSuffix(), project.projectName + u".pritochprj"_s);
    if (path.isEmpty())
        return;
    const SaveOutcome saved = saveUnitProject(path, project, systemDecimalSeparator());
    if (!saved)
        ui::showMessage(
            u"Не удается сохранить файл:"_s + path + u"\n"_s + saved.error(), ui::MessageKind::Error);
}

void TMDIChildPritoch::showDescription()
{
    ui::DescriptionItem item;
    item.windowCaption = u"Методика подбора агрегатов вентиляционных сборных:"_s;
    item.rtfFile = u"ModulSystem.rtf"_s;
    item.reportTitle = u"Агрегаты вентиляционные сборные:"_s;
    item.reportPicture = u"УМКw.bmp"_s;
    item.missingFileMessage = u"Не удается найти файл ModulSystem.rtf?!"_s;
    m_program.showDescription(item);
}

void TMDIChildPritoch::showPhoto()
{
    if (!m_program.showPhoto(u"ЗФН: Фотография агрегатов вентиляционных сборных:"_s, u"УМК.bmp"_s))
        ui::showMessage(u"Не найден файл:  УМК.bmp   в каталоге из которого запущена программа"_s,
            ui::MessageKind::Warning);
}

void TMDIChildPritoch::closeEvent(QCloseEvent* event)
{
    m_form.store();
    ui::UserSettings settings(unitSettingsKey());
    settings.writeInteger(coolerSeriesSettingsName(), ui::inputIndex(m_form.control(u"RG_Tip_oxl"_s)));
    QWidget::closeEvent(event);
}
