#pragma once

#include "printing/ReportLayout.h"
#include "ui/report/ReportPreviewWindow.h"

#include <QPointer>

class QPrinter;

namespace report {

// A report layout with the operations the program runs on it. Pages are prepared anew for every preview or
// print from the current content of the elements and the table.
class Report : public ReportLayout {
public:
    Report() = default;
    ~Report();

    // Modal preview: handles pending events, prepares all pages, opens the preview window and waits in a
    // nested event loop until the window is closed or the program quits; the other windows stay usable
    // meanwhile. Returns at once, doing nothing, while this report's preview is already open.
    void previewModal();
    bool isPreviewOpen() const { return !m_preview.isNull(); }
    ReportPreviewWindow* openPreview() const { return m_preview.data(); }

    // Prints all pages straight to the current printer with the report's own settings, showing only a
    // progress window. Returns false (after telling the user why) when nothing was printed.
    bool print();
    // The same on a given printer, e.g. a PDF printer.
    bool printTo(QPrinter& printer, bool showProgress = true);

private:
    QPointer<ReportPreviewWindow> m_preview;
};

} // namespace report
