#include "printing/ReportElements.h"

#include "printing/ReportDataSource.h"
#include "printing/ReportUnits.h"

#include <QPainter>
#include <QTextDocument>

namespace report {

namespace {
QPen rulePen(double widthMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(report::toUnits(widthMm));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}
} // namespace

void TextElement::paint(QPainter& painter, const PaintContext& context) const
{
    const QString text = textFor(context);
    if (text.isEmpty())
        return;
    painter.setFont(reportFont(m_style.pointSize, m_style.bold, m_style.family));
    painter.setPen(Qt::black);
    int flags = static_cast<int>(m_style.alignment);
    flags |= m_style.wordWrap ? Qt::TextWordWrap : Qt::TextDontClip;
    painter.drawText(toUnits(geometryMm()), flags, text);
}

QString ReportDataText::textFor(const PaintContext& context) const
{
    if (m_field.isEmpty() || context.source == nullptr || context.row < 0)
        return {};
    const QVariant value = context.source->value(context.row, m_field);
    return value.isNull() ? QString() : value.toString();
}

QString ReportPageNumber::textFor(const PaintContext& context) const
{
    return m_prefix + QString::number(context.pageNumber);
}

bool ReportPicture::load(const QString& path)
{
    QImage image;
    const bool ok = !path.isEmpty() && image.load(path);
    m_image = ok ? image : QImage();
    return ok;
}

void ReportPicture::paint(QPainter& painter, const PaintContext&) const
{
    if (m_image.isNull())
        return;
    const QRectF frame = toUnits(geometryMm());
    // The picture's own size on paper, from its resolution (screen resolution when it has none).
    const double dpmX = m_image.dotsPerMeterX() > 0 ? m_image.dotsPerMeterX() : 96.0 / 0.0254;
    const double dpmY = m_image.dotsPerMeterY() > 0 ? m_image.dotsPerMeterY() : 96.0 / 0.0254;
    QSizeF size(
        report::toUnits(m_image.width() * 1000.0 / dpmX), report::toUnits(m_image.height() * 1000.0 / dpmY));
    if (size.width() > frame.width() || size.height() > frame.height())
        size.scale(frame.size(), Qt::KeepAspectRatio);
    const QRectF target(frame.center().x() - size.width() / 2, frame.center().y() - size.height() / 2,
        size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}

ReportLine::ReportLine(const QLineF& lineMm, double widthMm)
    : ReportElement(QRectF(lineMm.p1(), lineMm.p2()).normalized())
    , m_line(lineMm)
    , m_width(widthMm)
{
}

void ReportLine::paint(QPainter& painter, const PaintContext&) const
{
    painter.setPen(rulePen(m_width));
    painter.drawLine(QLineF(report::toUnits(m_line.x1()), report::toUnits(m_line.y1()),
        report::toUnits(m_line.x2()), report::toUnits(m_line.y2())));
}

void ReportFrame::paint(QPainter& painter, const PaintContext&) const
{
    const QRectF r = toUnits(geometryMm());
    painter.setPen(rulePen(m_width));
    if (m_sides & Left)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (m_sides & Top)
        painter.drawLine(r.topLeft(), r.topRight());
    if (m_sides & Right)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (m_sides & Bottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

ReportRichText::ReportRichText(const QRectF& geometryMm, const QTextDocument* document)
    : ReportElement(geometryMm)
    , m_document(document)
{
}

const QTextDocument* ReportRichText::document() const
{
    return m_document.data();
}

void ReportRichText::setDocument(const QTextDocument* document)
{
    m_document = document;
}

} // namespace report
