#include "printing/ReportEngine.h"
#include "report/ReportFixtures.h"
#include "ui/report/TQRep_Manual.h"

#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace report;

namespace {

// The description picture is 180.2 mm wide at most; the logo is 23.8 mm.
int largePictures(const RecordedPage& page)
{
    int n = 0;
    for (const QRectF& image : page.images)
        n += image.width() > units(100) ? 1 : 0;
    return n;
}

PreparedReport prepareDescription(TQRep_Manual& host, const QTextDocument& body, const QString& picture)
{
    host.setReportTitle(QStringLiteral("Описание серии ВКРФ"));
    host.loadPicture(picture);
    host.report().elementAs<ReportRichText>(QStringLiteral("QRRichText"))->setDocument(&body);
    return prepareReport(host.report());
}

} // namespace

TEST(DescriptionReport, LongTextContinuesOnPagesWithHeaderAndPageNumber)
{
    TQRep_Manual host;
    const auto body = numberedDescription(150);
    const PreparedReport prepared = prepareDescription(host, *body, descriptionPicture());
    const auto pages = recordPages(prepared);
    ASSERT_GE(pages.size(), 3U);

    const QRegularExpression line(QStringLiteral("^Строка (\\d{3}) описания серии$"));
    int expected = 1;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const RecordedPage& page = pages[p];
        EXPECT_EQ(page.countText(QStringLiteral("Производственное объединение ЗЕФИРОН")), 1);
        EXPECT_EQ(page.countText(QStringLiteral("Описание серии ВКРФ")), 1);
        EXPECT_EQ(page.countText(QStringLiteral("Стр. %1").arg(p + 1)), 1);
        EXPECT_EQ(largePictures(page), p == 0 ? 1 : 0);
        // Text lines come in order, none lost or printed twice at a page break, all between the header
        // (and on the first page the picture band) and the bottom margin.
        const double textTop = units(12.7 + 27.5 + (p == 0 ? 84.1 : 0.0));
        int onPage = 0;
        for (const RecordedPage::Text& text : page.texts) {
            const auto match = line.match(text.text);
            if (!match.hasMatch())
                continue;
            EXPECT_EQ(match.captured(1).toInt(), expected++);
            EXPECT_GT(text.at.y(), textTop);
            EXPECT_LT(text.at.y(), units(297 - 12.7));
            ++onPage;
        }
        EXPECT_GT(onPage, 0);
    }
    EXPECT_EQ(expected, 151);
}

TEST(DescriptionReport, ShortTextFitsOnePageAndAMissingPictureLeavesTheTitleBandEmpty)
{
    TQRep_Manual host;
    const auto body = numberedDescription(3);
    EXPECT_FALSE(host.loadPicture(QStringLiteral("no-such-picture.bmp")));
    const auto pages = recordPages(prepareDescription(host, *body, QStringLiteral("no-such-picture.bmp")));
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(largePictures(pages[0]), 0);
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Строка 003 описания серии")));
    EXPECT_EQ(pages[0].countText(QStringLiteral("Стр. 1")), 1);
}

TEST(DescriptionReport, PagesLookTheSameWhateverPenThePainterHeld)
{
    TQRep_Manual host;
    const auto body = numberedDescription(3);
    const PreparedReport prepared = prepareDescription(host, *body, descriptionPicture());
    // The maker's line right of the logo: 36 mm into the header, 2..8 mm below its top, at 4 px per mm.
    constexpr double pxPerMm = 4.0;
    const QRect makerLine(qRound((12.7 + 36) * pxPerMm), qRound((12.7 + 2) * pxPerMm), qRound(100 * pxPerMm),
        qRound(6 * pxPerMm));
    for (const QColor& pen : {QColor(Qt::black), QColor(Qt::white)}) {
        SCOPED_TRACE(pen.name().toStdString());
        QImage image(qRound(210 * pxPerMm), qRound(297 * pxPerMm), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(pen);
        painter.setBrush(Qt::red);
        paintPage(painter, prepared, 0, QRectF(0, 0, image.width(), image.height()));
        painter.end();
        int dark = 0;
        for (int y = makerLine.top(); y <= makerLine.bottom(); ++y) {
            for (int x = makerLine.left(); x <= makerLine.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        }
        EXPECT_GT(dark, 200);
    }
}
