#include "printing/ReportEngine.h"

#include "printing/ReportDataSource.h"
#include "printing/ReportLayout.h"
#include "printing/ReportUnits.h"
#include "printing/RichTextPager.h"

#include <QPainter>
#include <memory>

namespace report {

namespace {

constexpr double kEpsilonMm = 0.001;

// Fills pages one band at a time; y is the next free position on the current page, in millimetres.
class PageFiller {
public:
    PageFiller(const ReportLayout& layout, PreparedReport& out)
        : m_layout(layout)
        , m_page(layout.page)
        , m_out(out)
    {
    }

    void run()
    {
        startPage();
        if (const ReportBand* detail = m_layout.findBand(BandKind::Detail)) {
            const ReportDataSource* source = m_layout.dataSource();
            const int rows = source != nullptr && source->isOpen() ? source->rowCount() : 0;
            if (rows == 0) {
                placeDetail(*detail, -1);
            } else {
                for (int row = 0; row < rows; ++row)
                    placeDetail(*detail, row);
            }
        }
        if (const ReportBand* summary = m_layout.findBand(BandKind::Summary)) {
            if (!fits(summary->heightMm()) && !atColumnTop())
                startPage();
            paintBand(*summary, m_page.marginsMm.left(), -1);
            m_y += summary->heightMm();
        }
        finishPage();
    }

private:
    void startPage()
    {
        finishPage();
        m_picture = QPicture();
        m_painter = std::make_unique<QPainter>(&m_picture);
        m_painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        ++m_pageNumber;
        m_column = 0;
        m_y = m_page.printableTopMm();
        placeHeader(BandKind::PageHeader);
        if (m_pageNumber == 1)
            placeHeader(BandKind::Title);
        placeHeader(BandKind::ColumnHeader);
        m_detailTop = m_y;
    }

    void finishPage()
    {
        if (!m_painter)
            return;
        m_painter->end();
        m_painter.reset();
        m_picture.setBoundingRect(
            QRect(0, 0, qRound(toUnits(m_page.paperMm.width())), qRound(toUnits(m_page.paperMm.height()))));
        m_out.pages.append(m_picture);
    }

    void placeHeader(BandKind kind)
    {
        if (const ReportBand* band = m_layout.findBand(kind)) {
            paintBand(*band, m_page.marginsMm.left(), -1);
            m_y += band->heightMm();
        }
    }

    bool fits(double heightMm) const { return m_y + heightMm <= m_page.printableBottomMm() + kEpsilonMm; }
    bool atColumnTop() const { return m_y <= m_detailTop + kEpsilonMm; }
    double columnLeft() const { return m_page.columnLeftMm(m_column); }

    void nextColumnOrPage()
    {
        if (m_column + 1 < std::max(1, m_page.columns)) {
            ++m_column;
            m_y = m_detailTop;
        } else {
            startPage();
        }
    }

    void placeDetail(const ReportBand& band, int row)
    {
        // A band taller than the free part of a fresh column is printed anyway and cut by the paper edge,
        // rather than pushing empty pages forever.
        if (!fits(band.heightMm()) && !atColumnTop())
            nextColumnOrPage();
        paintBand(band, columnLeft(), row);
        if (const ReportRichText* rich = band.richText(); rich != nullptr && rich->document() != nullptr)
            placeRichText(band, *rich);
        else
            m_y += band.heightMm();
    }

    // The band's own elements are already on the page; the text continues over further pages, each
    // slice under the page's headers.
    void placeRichText(const ReportBand& band, const ReportRichText& rich)
    {
        const RichTextPager pager(*rich.document(), rich.geometryMm().width());
        const double bandTop = m_y;
        double textTop = m_y + rich.geometryMm().top();
        bool firstPage = true;
        double start = 0.0;
        while (start < pager.heightMm() - kEpsilonMm) {
            const double available = m_page.printableBottomMm() - textTop;
            double end = pager.sliceEnd(start, available);
            if (end <= start + kEpsilonMm) {
                if (textTop > m_detailTop + kEpsilonMm) {
                    startPage();
                    textTop = m_y;
                    firstPage = false;
                    continue;
                }
                end = std::min(
                    pager.heightMm(), start + std::max(available, 1.0)); // a line taller than a page
            }
            m_painter->save();
            m_painter->translate(toUnits(columnLeft() + rich.geometryMm().left()), toUnits(textTop));
            pager.paintSlice(*m_painter, start, end);
            m_painter->restore();
            textTop += end - start;
            start = end;
            if (start < pager.heightMm() - kEpsilonMm) {
                startPage();
                textTop = m_y;
                firstPage = false;
            }
        }
        m_y = firstPage ? std::max(bandTop + band.heightMm(), textTop) : textTop;
    }

    void paintBand(const ReportBand& band, double leftMm, int row)
    {
        PaintContext context;
        context.pageNumber = m_pageNumber;
        context.source = m_layout.dataSource();
        context.row = row;
        m_painter->save();
        m_painter->translate(toUnits(leftMm), toUnits(m_y));
        for (const auto& element : band.elements()) {
            m_painter->save();
            element->paint(*m_painter, context);
            m_painter->restore();
        }
        m_painter->restore();
    }

    const ReportLayout& m_layout;
    const PageSetup& m_page;
    PreparedReport& m_out;
    QPicture m_picture;
    std::unique_ptr<QPainter> m_painter;
    int m_pageNumber = 0;
    int m_column = 0;
    double m_y = 0.0;
    double m_detailTop = 0.0;
};

} // namespace

PreparedReport prepareReport(const ReportLayout& layout)
{
    PreparedReport out;
    out.title = layout.title;
    out.paperMm = layout.page.paperMm;
    PageFiller(layout, out).run();
    return out;
}

} // namespace report
