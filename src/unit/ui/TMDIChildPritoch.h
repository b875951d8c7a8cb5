#pragma once

#include "ui/InputForm.h"
#include "unit/UnitCalculation.h"
#include "unit/UnitForm.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QGroupBox;
class QTabWidget;
class QTableWidget;
class QTreeWidget;
namespace ui {
class Program;
}

// The task window in which the user composes an assembled ventilation unit of one duct section: the air
// flow, free pressure and highest air speed, the heater and cooler duties for units that have them; the
// window sizes the heater variants and the cooler, finds the section, offers that section's dampers,
// filters, silencers, louvres and flexible connectors, and keeps the unit's length and total pressure as
// the user ticks them. Every window has its own state; its kind (UnitKind) is fixed once the frame has
// applied it.
class TMDIChildPritoch : public QWidget {
    Q_OBJECT
public:
    explicit TMDIChildPritoch(ui::Program& program, QWidget* parent = nullptr);
    ~TMDIChildPritoch() override;

    // Prepares the window for the kind the user chose (0 to 3): page, captions, groups, speed limit.
    Q_INVOKABLE void applyUnitKind(int kind);
    unit::UnitKind unitKind() const { return m_kind; }

    // What the unit's fan selection takes over once a calculation has run: the inputs it ran with (their
    // air flow is unitFlow()), the heater variants with the chosen column, the section, the element lists
    // and the composition with the totals.
    bool hasResult() const { return m_calculated; }
    const unit::UnitInputs& unitInputs() const { return m_inputs; }
    const unit::UnitRun& unitRun() const { return m_run; }
    double unitFlow() const { return m_flow; } // m³/h
    double totalLength() const { return m_run.composition.length; } // mm, without fan and condensing unit
    double totalPressure() const { return m_run.composition.pressure; } // Pa, free pressure included
    // Heater, cooler with its condensing unit, then the ticked elements, as the working table Elements
    // keeps them. Throws CatalogueError.
    std::vector<unit::UnitElementRow> elementRows();

    // The inputs and ticks as the project file keeps them, and loading them back: the calculation is
    // repeated, the chosen heater and the ticked elements restored.
    unit::UnitProject projectAsTyped() const;
    void applyProject(const unit::UnitProject& project);

    QSize sizeHint() const override { return {980, 720}; }

Q_SIGNALS:
    // "Подбор вентилятора>>": the composed unit goes on to its fan selection.
    void fanSelectionRequested();

public Q_SLOTS:
    bool nextWithoutHeating(); // "Далее>>" of the page without heating and cooling; false when refused
    bool next(); // "Далее >>" of the heater-and-cooler page; false when refused
    // False when there is no such heater to choose.
    bool chooseHeater(int column);
    // "Подбор вентилятора>>": hands the unit on unless its fan duty is refused.
    void requestFanSelection();
    void back();
    void loadProject();
    void saveProject();
    void showDescription();
    void showPhoto();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPlainPage();
    QWidget* buildInputPage();
    QWidget* buildElementPage();
    QWidget* buildProjectBar();
    void connectMirrors();
    void fillHeaterTypes();

    unit::ElementStore& store();
    // Runs a user's action; a catalogue error ends it with the store's message.
    bool guarded(const std::function<void()>& action);
    void refreshSectionGrid();
    void reportRefusal(const unit::UnitPageRead& read);
    // What the window says about a calculated unit: the cooler that has no row for the heater's section, the
    // chosen heater's output below its duty.
    void reportRunNotes() const;
    QWidget* boxOf(unit::UnitField field) const;

    void showCooler(const std::optional<unit::CoolerResult>& cooler);
    // Shows the texts of the variants, one column each.
    void showHeaterVariants(const std::vector<QStringList>& columns);
    void markChosenHeater();
    // Shows new lists for the unit's section, nothing ticked.
    void showLists(const unit::ElementLists& lists);
    QString sectionText(int kanalIndex) const;
    void composeUnit();
    void loadTree(const QString& fileName);
    void tickElement(QListWidgetItem* item);
    QListWidget* elementList(unit::AccessoryKind kind) const;
    QStringList tickedHeaterTypes(QListWidget* list) const;
    static std::vector<int> tickedPositions(const QListWidget* list);
    static void setTicks(QListWidget* list, const std::vector<int>& positions);

    ui::Program& m_program;
    ui::InputForm<unit::UnitProject, unit::UnitInputs> m_form;
    std::optional<unit::ElementStore> m_store;
    std::vector<unit::SectionRecord> m_sections;

    unit::UnitKind m_kind = unit::UnitKind::HeaterAndCooler;
    int m_lastPage = 1; // the input page of the last calculation
    bool m_calculated = false;
    double m_flow = 3500; // G, m³/h: every element loss and the fan's duty use it
    unit::UnitInputs m_inputs;
    unit::UnitRun m_run;
    int m_listsSection = -1; // the section the element lists were built for
    std::array<std::vector<int>, 5> m_counts; // piece counts by list position, never reset
    bool m_filling = false; // lists are being filled: ticks do not compose
    bool m_quietNotes = false; // a project is loading: its own heater choice says what is to say

    QTabWidget* m_pages = nullptr;
    QWidget* m_inputPage = nullptr;
    QGroupBox* m_heaterGroup = nullptr;
    QGroupBox* m_coolerGroup = nullptr;
    QListWidget* m_waterTypes = nullptr;
    QListWidget* m_electricTypes = nullptr;
    QTableWidget* m_sectionGrid = nullptr;
    QTableWidget* m_heaterGrid = nullptr;
    QGroupBox* m_coolerGridGroup = nullptr;
    QTableWidget* m_coolerGrid = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTabWidget* m_elementPages = nullptr;
    std::array<QListWidget*, 5> m_lists {};
    QTableWidget* m_composition = nullptr;
    QLabel* m_kindLabel = nullptr;
    QLabel* m_lengthTotal = nullptr;
    QLabel* m_pressureTotal = nullptr;
    QPushButton* m_fanButton = nullptr;
};
