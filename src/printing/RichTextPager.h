#pragma once

#include <QImage>
#include <memory>
#include <utility>
#include <vector>

class QPainter;
class QTextDocument;

namespace report {

// Lays a copy of a rich-text document out at a given width and cuts it into page slices between lines,
// so that no line is split across two pages. Positions are millimetres from the top of the text.
class RichTextPager {
public:
    RichTextPager(const QTextDocument& source, double widthMm);
    ~RichTextPager();
    RichTextPager(const RichTextPager&) = delete;
    RichTextPager& operator=(const RichTextPager&) = delete;

    double heightMm() const;
    // The end of the longest slice from `startMm` that fits into `availableMm` without cutting a line;
    // `startMm` itself when not even the next line fits.
    double sliceEnd(double startMm, double availableMm) const;
    // Paints the slice [startMm, endMm) with its top at the painter's origin; the painter draws in page
    // units.
    void paintSlice(QPainter& painter, double startMm, double endMm) const;

private:
    QImage m_layoutDevice; // fixes the layout resolution, whatever the screen
    std::unique_ptr<QTextDocument> m_document;
    std::vector<std::pair<double, double>> m_lines; // top and bottom of every line, in layout pixels
};

} // namespace report
