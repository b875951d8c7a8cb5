#include "printing/RichTextPager.h"

#include "printing/ReportUnits.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace report {

namespace {
constexpr double kLayoutDpi = 96.0;
constexpr double kPixelsPerMm = kLayoutDpi / 25.4;
constexpr double kEpsilon = 0.01; // layout pixels
} // namespace

RichTextPager::RichTextPager(const QTextDocument& source, double widthMm)
    : m_layoutDevice(1, 1, QImage::Format_RGB32)
    , m_document(source.clone())
{
    m_layoutDevice.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    m_layoutDevice.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
    m_document->documentLayout()->setPaintDevice(&m_layoutDevice);
    m_document->setTextWidth(widthMm * kPixelsPerMm);

    QAbstractTextDocumentLayout* layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QRectF blockRect = layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        if (lines == nullptr)
            continue;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const double top = blockRect.top() + line.y();
            m_lines.emplace_back(top, top + line.height());
        }
    }
}

RichTextPager::~RichTextPager() = default;

double RichTextPager::heightMm() const
{
    return m_document->size().height() / kPixelsPerMm;
}

double RichTextPager::sliceEnd(double startMm, double availableMm) const
{
    const double height = m_document->size().height();
    const double start = startMm * kPixelsPerMm;
    double cut = (startMm + availableMm) * kPixelsPerMm;
    if (cut >= height - kEpsilon)
        return heightMm();
    // Move the cut up to the top of any line it would split, until no line straddles it.
    bool moved = true;
    while (moved && cut > start + kEpsilon) {
        moved = false;
        for (const auto& [top, bottom] : m_lines) {
            if (top < cut - kEpsilon && bottom > cut + kEpsilon) {
                cut = top;
                moved = true;
            }
        }
    }
    return cut > start + kEpsilon ? cut / kPixelsPerMm : startMm;
}

void RichTextPager::paintSlice(QPainter& painter, double startMm, double endMm) const
{
    const double unitsPerPixel = toUnits(1.0) / kPixelsPerMm;
    // The clip stays a hair inside the slice, so that the lines just outside it, which touch its edges,
    // are left to the neighbouring slices instead of being drawn twice.
    const double top = startMm * kPixelsPerMm + kEpsilon;
    const double bottom = endMm * kPixelsPerMm - kEpsilon;
    const QRectF clip(0, top, m_document->textWidth(), std::max(0.0, bottom - top));
    painter.save();
    painter.scale(unitsPerPixel, unitsPerPixel);
    painter.translate(0, -startMm * kPixelsPerMm);
    m_document->drawContents(&painter, clip);
    painter.restore();
}

} // namespace report
