#pragma once

#include "fans/FanCatalogue.h"
#include "fans/SelectionRequest.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QSlider;
class QWidget;

// Texts in which the selection windows word the same search controls.
struct FanSearchLook {
    QString rangeTitle; // the group of diameters, sizes and motors
    QString motorsTitle;
    QString polesTitle;
    QString phasesTitle;
    QString bandTitle; // the search band around the required flow
    int bandPosition = 15; // %, where the band starts; also the middle scale label
};

// The controls by which a fan selection window narrows the catalogue — impeller diameters, duct sizes,
// motor poles and phases — and the search band around the required flow, built into the window that owns
// this object, with their rules: "Всем" ticks a whole list and locks it, "Отмеченным" unlocks it; one
// supply stays ticked; the band's position shows in its box.
class FanSearchControls : public QObject {
    Q_OBJECT
public:
    FanSearchControls(const FanSearchLook& look, QWidget* owner);

    QGroupBox* rangeGroup() const { return m_rangeGroup; }
    QGroupBox* sizeGroup() const { return m_sizeGroup; }
    QGroupBox* bandGroup() const { return m_bandGroup; }

    // Fills the diameter and size lists, every entry ticked and both lists locked.
    void fill(const QStringList& diameters, const std::vector<fans::DuctSizeEntry>& sizes);

    // "Всем" sizes: every size ticked, the list locked.
    void admitAllSizes();
    // "Отмеченным" sizes with only the size of this caption ticked (none when no entry has it) and scrolled
    // into sight.
    void admitOnlySize(const QString& caption);

    // Diameters, sizes, poles, phases and band of a request.
    void narrow(fans::SelectionRequest& request) const;

    // A list entry with a tick box; `icon` < 0: none.
    static QListWidgetItem* checkableItem(QListWidget* list, const QString& text, int icon, bool ticked);
    static void tickAll(QListWidget* list, bool ticked);
    // The data role that keeps an entry's icon kind.
    static constexpr int iconRole = 0x0100; // Qt::UserRole

private:
    void buildRange(const FanSearchLook& look);
    void buildBand(const FanSearchLook& look);

    QGroupBox* m_rangeGroup = nullptr;
    QGroupBox* m_sizeGroup = nullptr;
    QGroupBox* m_bandGroup = nullptr;
    QRadioButton* m_allDiameters = nullptr;
    QRadioButton* m_chosenDiameters = nullptr;
    QListWidget* m_diameters = nullptr;
    QRadioButton* m_allSizes = nullptr;
    QRadioButton* m_chosenSizes = nullptr;
    QListWidget* m_sizes = nullptr;
    QCheckBox* m_poles[4] {};
    QCheckBox* m_singlePhase = nullptr;
    QCheckBox* m_threePhase = nullptr;
    QSlider* m_band = nullptr;
};
