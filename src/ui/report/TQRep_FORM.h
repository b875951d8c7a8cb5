#pragma once

#include "ui/report/SeriesReportWindow.h"

// Series overview printed form of general-ventilation fans (Letter, 190.5 mm printable width).
class TQRep_FORM : public report::SeriesReportWindow {
    Q_OBJECT
public:
    explicit TQRep_FORM(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
};

// Series overview printed form of smoke-exhaust fans (Letter, wider margins, fire-resistance columns).
class TQRep_FORMSMK : public report::SeriesReportWindow {
    Q_OBJECT
public:
    explicit TQRep_FORMSMK(QWidget* parent = nullptr);
};
