#include "ui/report/PreparedReport.h"

#include "ui/report/ReportUnits.h"

#include <QPainter>

namespace report {

void paintPage(QPainter& painter, const PreparedReport& report, int index, const QRectF& target)
{
    if (index < 0 || index >= report.pageCount() || report.paperMm.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(
        target.width() / toUnits(report.paperMm.width()), target.height() / toUnits(report.paperMm.height()));
    painter.drawPicture(0, 0, report.pages.at(index));
    painter.restore();
}

} // namespace report
