#pragma once

#include "ui/report/ReportHostWindow.h"

#include <QStringList>

namespace report {
class ReportLabel;
class ReportPicture;
} // namespace report

namespace heating {
// Rows of the results grid that the printed form shows: the model name and the 23 values.
inline constexpr int heatingReportRows = 24;
} // namespace heating

// The printed form of one air-heating unit model: inputs, results and catalogue data of the model on one
// A4 page with a picture of the unit. It prints once, without a table.
class TQRep_VozdAgregatLUMA : public report::ReportHostWindow {
    Q_OBJECT
public:
    explicit TQRep_VozdAgregatLUMA(QWidget* parent = nullptr);

    // Sets the project name and the values of grid rows 0..23 of one model column, empties the price
    // lines and loads the picture of the unit (a missing picture is reported; the form prints without it).
    void fill(const QString& projectName, const QStringList& columnValues);
    // Runs the modal print preview without showing this host.
    void previewModal();

    QString labelText(const QString& name) const;

private:
    void buildLayout();
    report::ReportLabel* label(const QString& name) const;
};
