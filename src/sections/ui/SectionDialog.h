#pragma once

#include "sections/SectionDialogInput.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroupWidget;
class SpinEditWidget;

// The dialog that enters one section of a section table: its material, the kind of fitting with the
// kind's parameter, the flow area and length, and the coefficient of local resistance computed by
// "> Расчет <". One instance serves the whole program, so it keeps its last entries between uses.
class SectionDialog : public QDialog {
    Q_OBJECT
public:
    struct Captions {
        QString window; // "Задайте параметры участка шахты"
        QString material; // "Материал участка шахты: "
        QString length; // "Длина участка шахты Li:"
        QString area = QStringLiteral("Проходное сеч-е Fi:");
        QString areaUnit = QStringLiteral("м2");
        // A straight section may be given by another measure (its diameter); empty: the area.
        QString straightArea {};
        QString straightAreaUnit {};
        QString calculateButton = QStringLiteral("CalkBtn"); // objectName of "> Расчет <"
    };
    SectionDialog(const Captions& captions, QWidget* parent = nullptr,
        const sections::FittingCatalogue& fittings = sections::shaftFittings());

    const sections::FittingCatalogue& fittings() const { return m_fittings; }

    sections::SectionDialogTexts texts() const;
    void setTexts(const sections::SectionDialogTexts& texts);

    // The section accepted by the last "ОК", empty after a cancel.
    const std::optional<sections::SectionEntry>& entry() const { return m_entry; }

    // Opens the dialog modally as it was left (or filled by setTexts); the accepted section, or nothing.
    std::optional<sections::SectionEntry> ask();

public Q_SLOTS:
    void calculate();
    void accept() override;

private:
    void applyKind(int kind);
    void report(const sections::SectionDialogOutcome& outcome);

    Captions m_captions;
    const sections::FittingCatalogue& m_fittings;
    RadioGroupWidget* m_material = nullptr;
    RadioGroupWidget* m_kind = nullptr;
    QLabel* m_valueLabel = nullptr;
    SpinEditWidget* m_value = nullptr;
    QLabel* m_halfAngleLabel = nullptr;
    SpinEditWidget* m_halfAngle = nullptr;
    SpinEditWidget* m_area = nullptr;
    QLabel* m_areaLabel = nullptr;
    QLabel* m_areaUnit = nullptr;
    QWidget* m_lengthRow = nullptr;
    SpinEditWidget* m_length = nullptr;
    QPushButton* m_calculate = nullptr;
    QLabel* m_coefficientLabel = nullptr;
    SpinEditWidget* m_coefficient = nullptr;
    std::optional<sections::SectionEntry> m_entry;
};
