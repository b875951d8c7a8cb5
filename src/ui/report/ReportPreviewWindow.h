#pragma once

#include "printing/PreparedReport.h"

#include <QWidget>

class QAction;
class QLabel;
class QScrollArea;

namespace report {

class ReportPageWidget;

// The print preview: one page at a time with zoom and page navigation, printing through the platform's
// print dialog, saving the pages to a *.QRP file, loading a *.QRP file in their place, and PDF export.
// It is an ordinary top-level window, so the rest of the program stays usable while it is open.
class ReportPreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreviewWindow(PreparedReport report, QWidget* parent = nullptr);
    ~ReportPreviewWindow() override;

    const PreparedReport& report() const { return m_report; }
    int currentPage() const;
    void setCurrentPage(int index);
    double zoom() const; // 1.0 is the paper's natural size on screen
    void setZoom(double zoom);

    // The commands behind the toolbar; each reports its own failures to the user and returns false.
    bool saveReport(const QString& path);
    bool loadReport(const QString& path);
    bool exportToPdf(const QString& path);

public Q_SLOTS:
    void printWithDialog();
    void askSaveReport();
    void askLoadReport();
    void askExportPdf();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();

private:
    void showReport();
    void updateControls();
    QAction* addCommand(const QString& name, const QString& text, const QKeySequence& shortcut);

    PreparedReport m_report;
    QScrollArea* m_scroll = nullptr;
    ReportPageWidget* m_page = nullptr;
    QLabel* m_pageLabel = nullptr;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
};

} // namespace report
