#pragma once

#include <QList>
#include <QPicture>
#include <QSizeF>
#include <QString>

class QPainter;

namespace report {

// The pages of a report as prepared for one preview or print. Every page is drawn in page units
// (ReportUnits.h) from the top-left corner of the paper.
struct PreparedReport {
    QString title;
    QSizeF paperMm;
    QList<QPicture> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
};

// Plays page `index` into `target` (in the painter's coordinates), which should have the paper's proportions.
void paintPage(QPainter& painter, const PreparedReport& report, int index, const QRectF& target);

} // namespace report
