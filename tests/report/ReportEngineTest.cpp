#include "printing/ReportEngine.h"
#include "printing/ReportDataSource.h"
#include "printing/ReportLayout.h"
#include "report/ReportFixtures.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

// A4 with 10 mm margins: 277 mm of height. Page header 20, title 30, column header 10, details 50 each:
// four details fit on the first page (60 mm of headers) and four on the following ones (30 mm).
std::unique_ptr<ReportLayout> bandedLayout(const ReportDataSource* source, int columns = 1)
{
    auto layout = std::make_unique<ReportLayout>();
    layout->page = PageSetup::a4({10, 10, 10, 10});
    layout->page.columns = columns;
    layout->page.columnSpacingMm = 10;
    layout->title = QStringLiteral("Проба");
    layout->band(BandKind::PageHeader, 20).add<ReportLabel>(QRectF(0, 0, 50, 5), QStringLiteral("ШАПКА"));
    layout->band(BandKind::PageHeader).add<ReportPageNumber>(QRectF(100, 0, 50, 5), QStringLiteral("Стр. "));
    layout->band(BandKind::Title, 30).add<ReportLabel>(QRectF(0, 0, 50, 5), QStringLiteral("ЗАГОЛОВОК"));
    layout->band(BandKind::ColumnHeader, 10).add<ReportLabel>(QRectF(0, 0, 50, 5), QStringLiteral("КОЛОНКИ"));
    ReportBand& detail = layout->band(BandKind::Detail, 50);
    detail.add<ReportLabel>(QRectF(0, 0, 20, 5), QStringLiteral("ЗАПИСЬ"));
    detail.add<ReportDataText>(QRectF(30, 0, 50, 5), QStringLiteral("Name"));
    layout->band(BandKind::Summary, 10).add<ReportLabel>(QRectF(0, 0, 50, 5), QStringLiteral("ИТОГ"));
    layout->setDataSource(source);
    return layout;
}

QList<QVariantMap> namedRows(int count)
{
    QList<QVariantMap> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({{QStringLiteral("name"), QStringLiteral("Вент %1").arg(i)}});
    return rows;
}

int totalCount(const std::vector<RecordedPage>& pages, const QString& text)
{
    int n = 0;
    for (const RecordedPage& page : pages)
        n += page.countText(text);
    return n;
}

} // namespace

TEST(ReportEngine, PrintsOneDetailPerRecordOrOneEmptyDetail)
{
    struct Case {
        const char* what;
        bool hasSource;
        bool open;
        int rows;
        int expectedDetails;
        int expectedPages;
    };
    const Case cases[] = {
        {"no table", false, true, 0, 1, 1},
        {"closed table", true, false, 5, 1, 1},
        {"empty table", true, true, 0, 1, 1},
        {"ten records", true, true, 10, 10, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RowsDataSource source(namedRows(c.rows));
        source.setOpen(c.open);
        const auto layout = bandedLayout(c.hasSource ? &source : nullptr);
        const auto pages = recordPages(prepareReport(*layout));
        ASSERT_EQ(static_cast<int>(pages.size()), c.expectedPages);
        EXPECT_EQ(totalCount(pages, QStringLiteral("ЗАПИСЬ")), c.expectedDetails);
        const int printedNames = c.open ? c.rows : 0;
        for (int i = 1; i <= c.rows; ++i)
            EXPECT_EQ(totalCount(pages, QStringLiteral("Вент %1").arg(i)), i <= printedNames ? 1 : 0);
        EXPECT_EQ(pages.back().countText(QStringLiteral("ИТОГ")), 1);
        EXPECT_EQ(totalCount(pages, QStringLiteral("ИТОГ")), 1);
    }
}

TEST(ReportEngine, HeadersGoOnEveryPageAndTheTitleOnTheFirstOnly)
{
    RowsDataSource source(namedRows(10));
    const auto layout = bandedLayout(&source);
    const auto pages = recordPages(prepareReport(*layout));
    ASSERT_EQ(pages.size(), 3U);
    const int detailsPerPage[] = {4, 4, 2};
    int next = 1;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const RecordedPage& page = pages[p];
        EXPECT_EQ(page.countText(QStringLiteral("ШАПКА")), 1);
        EXPECT_EQ(page.countText(QStringLiteral("Стр. %1").arg(p + 1)), 1);
        EXPECT_EQ(page.countText(QStringLiteral("ЗАГОЛОВОК")), p == 0 ? 1 : 0);
        EXPECT_EQ(page.countText(QStringLiteral("КОЛОНКИ")), 1);
        EXPECT_EQ(page.countText(QStringLiteral("ЗАПИСЬ")), detailsPerPage[p]);
        // Records follow in their order, below the column header, and stay inside the bottom margin.
        double previousY = 0;
        for (const RecordedPage::Text& text : page.texts) {
            if (text.text == QStringLiteral("КОЛОНКИ"))
                previousY = text.at.y();
            if (!text.text.startsWith(QStringLiteral("Вент")))
                continue;
            EXPECT_EQ(text.text, QStringLiteral("Вент %1").arg(next++));
            EXPECT_GT(text.at.y(), previousY);
            EXPECT_LT(text.at.y(), units(297 - 10));
            previousY = text.at.y();
        }
    }
    EXPECT_EQ(next, 11);
}

TEST(ReportEngine, DetailsFillTheColumnsBeforeTheNextPage)
{
    RowsDataSource source(namedRows(10));
    const auto layout = bandedLayout(&source, 2);
    const auto pages = recordPages(prepareReport(*layout));
    ASSERT_EQ(pages.size(), 2U); // 4 + 4 on the first page, 2 on the second
    // Column width (190 − 10) / 2 = 90 mm; the data text sits 30 mm into its column.
    const double firstColumnX = units(10 + 30);
    const double secondColumnX = units(10 + 90 + 10 + 30);
    std::vector<double> xs;
    for (const auto& page : pages) {
        for (const RecordedPage::Text& text : page.texts) {
            if (text.text.startsWith(QStringLiteral("Вент")))
                xs.push_back(text.at.x());
        }
    }
    ASSERT_EQ(xs.size(), 10U);
    for (size_t i = 0; i < xs.size(); ++i) {
        const bool second = i >= 4 && i < 8;
        EXPECT_NEAR(xs[i], second ? secondColumnX : firstColumnX, units(1)) << i;
    }
}
