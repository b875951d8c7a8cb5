#pragma once

#include "heating/HeatingUnitTable.h"

#include <QDialog>

class QTableWidget;
namespace ui {
class Program;
}

// The results of the last air-heating unit run, the six models side by side. The user picks the model
// to print by clicking its column; the picked column is drawn bold on yellow.
class TFormVozdAgregatResLUMA : public QDialog {
    Q_OBJECT
public:
    TFormVozdAgregatResLUMA(ui::Program& program, QWidget* parent = nullptr);

    // Replaces every cell by the table of a new run and shows the window if it is hidden.
    void showResults(const QString& projectName, const heating::HeatingUnitTable& table);

    QString projectName() const { return m_projectName; }
    // The model column (1..6) that "Печать" prints: the one clicked last.
    int printColumn() const { return m_printColumn; }
    QString cellText(int row, int column) const;
    QTableWidget* grid() const { return m_grid; }

public Q_SLOTS:
    // Fills the printed form with the picked model, closes this window and runs the print preview.
    void print();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rememberColumn(int column);
    void paintCurrentColumn();

    ui::Program& m_program;
    QTableWidget* m_grid;
    QString m_projectName;
    int m_printColumn = 1;
};
