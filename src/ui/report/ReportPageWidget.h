#pragma once

#include "printing/PreparedReport.h"

#include <QWidget>

namespace report {

// Shows one prepared page as a sheet of paper on a grey desk, at a zoom given in screen pixels per
// millimetre.
class ReportPageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ReportPageWidget(QWidget* parent = nullptr);

    void setReport(const PreparedReport* report); // not owned; nullptr shows an empty desk
    void setPage(int index);
    int page() const { return m_page; }
    void setPixelsPerMm(double pixelsPerMm);
    double pixelsPerMm() const { return m_pixelsPerMm; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF sheetRect() const;
    void fitToSheet();

    const PreparedReport* m_report = nullptr;
    int m_page = 0;
    double m_pixelsPerMm = 96.0 / 25.4;
};

} // namespace report
