#include "printing/PreparedReport.h"

#include "printing/ReportUnits.h"

#include <QPainter>

namespace report {

void paintPage(QPainter& painter, const PreparedReport& report, int index, const QRectF& target)
{
    if (index < 0 || index >= report.pageCount() || report.paperMm.isEmpty())
        return;
    const QPicture& page = report.pages.at(index);
    // Playing a picture scales it by the device's resolution over the picture's, to keep its physical size;
    // pages are fitted to the target here, so that factor is taken out again.
    double dpiX = 1.0;
    double dpiY = 1.0;
    if (const QPaintDevice* device = painter.device(); device != nullptr && device->logicalDpiX() > 0) {
        dpiX = static_cast<double>(page.logicalDpiX()) / device->logicalDpiX();
        dpiY = static_cast<double>(page.logicalDpiY()) / device->logicalDpiY();
    }
    painter.save();
    // A picture leaves out settings that equalled the recording painter's defaults; start from those.
    painter.setPen(QPen());
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(target.topLeft());
    painter.scale(target.width() / toUnits(report.paperMm.width()) * dpiX,
        target.height() / toUnits(report.paperMm.height()) * dpiY);
    painter.drawPicture(0, 0, page);
    painter.restore();
}

} // namespace report
