#pragma once

#include "ui/report/ReportHostWindow.h"

// The viewer of saved printed forms (*.QRP): a preview whose starting page asks the user to load a saved
// report with the preview's "Загрузить отчет".
class TQROpenForm : public report::ReportHostWindow {
    Q_OBJECT
public:
    explicit TQROpenForm(QWidget* parent = nullptr);

    // The frame's menu item "Сохраненные печатные формы (*.QRP)": runs the modal preview without showing
    // this window, then sets the current folder back to the program's folder (loading may have changed it,
    // and files read by name are looked for there).
    void showSavedReports();
};
