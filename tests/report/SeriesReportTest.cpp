#include "common/CatalogueStore.h"
#include "printing/ReportEngine.h"
#include "report/ReportFixtures.h"
#include "support/ChartLabelBoxes.h"
#include "ui/Messages.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/PrintedForm.h"
#include "ui/report/TQRep_FORM.h"

#include <QFontMetricsF>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <gtest/gtest.h>

using namespace report;

namespace {

struct VentutilRow {
    int num;
    const char* name;
    const char* money;
};

// Recreates the working table `ventutil` with the given rows, inserted in the order given.
void recreateVentutil(const std::vector<VentutilRow>& rows)
{
    QSqlDatabase db = store::workingDatabase();
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE IF EXISTS ventutil")));
    ASSERT_TRUE(query.exec(QStringLiteral(
        "CREATE TABLE ventutil (Num INTEGER PRIMARY KEY AUTOINCREMENT, Naimenovanie TEXT, N TEXT, Money "
        "TEXT, "
        "N_yct TEXT, Kanal TEXT, Lw_Input TEXT, Lw_Output TEXT, Stoikost TEXT, Stoikost400 TEXT)")))
        << query.lastError().text().toStdString();
    for (const VentutilRow& row : rows) {
        query.prepare(QStringLiteral(
            "INSERT INTO ventutil (Num, Naimenovanie, N, Money, Kanal, Lw_Input, Lw_Output, "
            "Stoikost, Stoikost400) VALUES (?, ?, '1370', ?, '500*300', '71', '74', '+', '+')"));
        query.addBindValue(row.num);
        query.addBindValue(QString::fromUtf8(row.name));
        query.addBindValue(QString::fromUtf8(row.money));
        ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
    }
}

void dropVentutil()
{
    QSqlQuery(store::workingDatabase()).exec(QStringLiteral("DROP TABLE IF EXISTS ventutil"));
}

std::vector<RecordedPage> printedPages(SeriesReportWindow& host)
{
    EXPECT_TRUE(host.openTable());
    const PreparedReport prepared = prepareReport(host.report());
    host.closeTable();
    return recordPages(prepared);
}

// The y of every horizontal rule that spans the whole printable width.
std::vector<double> fullWidthRules(const RecordedPage& page, double widthMm)
{
    std::vector<double> ys;
    for (const QLineF& line : page.lines) {
        if (qFuzzyCompare(line.y1(), line.y2()) && std::abs(line.dx()) > units(widthMm - 1))
            ys.push_back(line.y1());
    }
    return ys;
}

std::unique_ptr<SeriesReportWindow> makeHost(bool smoke)
{
    if (smoke)
        return std::make_unique<TQRep_FORMSMK>();
    return std::make_unique<TQRep_FORM>();
}

} // namespace

TEST(SeriesReport, PrintsRecordsInKeyOrderWithoutPrices)
{
    for (const bool smoke : {false, true}) {
        SCOPED_TRACE(smoke ? "smoke exhaust" : "general");
        recreateVentutil(
            {{3, "ВКРФ 4,5-4-3", "98765"}, {1, "ВКРФ 2,5-2-3", "12340"}, {2, "ВКРФ 3,15-4-1", "55501"}});
        auto host = makeHost(smoke);
        host->titleLabel()->setText(QStringLiteral("Характеристики вентиляторов: ВКРФ"));
        host->setCurve(0, {1000, 2000, 3000}, {500, 420, 250});
        host->setMark(0, 2000, 420, QStringLiteral("17"));
        const auto pages = printedPages(*host);
        ASSERT_EQ(pages.size(), 1U);
        const RecordedPage& page = pages[0];
        const QString text = page.allText();

        EXPECT_TRUE(page.hasText(QStringLiteral("Характеристики вентиляторов: ВКРФ")));
        EXPECT_TRUE(page.hasText(QStringLiteral("Производственное объединение ЗЕФИРОН")));
        EXPECT_TRUE(page.hasText(QStringLiteral("Наименование")));
        EXPECT_TRUE(page.hasText(smoke ? QStringLiteral("Огнестойкость") : QStringLiteral("Шум")));
        // The chart is painted from the live plot: axis title and the fan's numbered label.
        EXPECT_TRUE(page.hasText(
            smoke ? QStringLiteral("Расход, м3/час") : QStringLiteral("Расход воздуха, м3/час")));
        EXPECT_EQ(page.countText(QStringLiteral("17")), 1);
        for (const char* price : {"98765", "12340", "55501", "Цена с НДС", "руб.", "400°C /600°C"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(price))) << price;

        const qsizetype first = text.indexOf(QStringLiteral("ВКРФ 2,5-2-3"));
        const qsizetype second = text.indexOf(QStringLiteral("ВКРФ 3,15-4-1"));
        const qsizetype third = text.indexOf(QStringLiteral("ВКРФ 4,5-4-3"));
        EXPECT_TRUE(first >= 0 && first < second && second < third) << text.toStdString();
    }
}

TEST(SeriesReport, EmptyTablePrintsHeadersChartAndOneEmptyRow)
{
    for (const bool smoke : {false, true}) {
        SCOPED_TRACE(smoke ? "smoke exhaust" : "general");
        recreateVentutil({});
        auto host = makeHost(smoke);
        const auto pages = printedPages(*host);
        ASSERT_EQ(pages.size(), 1U);
        const double width = host->report().page.printableWidthMm();
        const double detail = smoke ? 5.8 : 6.1;
        // Column header 146 mm below the top margin, 10 mm high, then exactly one detail row.
        const double headerTop = units(12.7 + 146);
        const std::vector<double> expected
            = {headerTop, headerTop + units(10), headerTop + units(10 + detail)};
        const std::vector<double> rules = fullWidthRules(pages[0], width);
        ASSERT_EQ(rules.size(), expected.size());
        for (size_t i = 0; i < rules.size(); ++i)
            EXPECT_NEAR(rules[i], expected[i], 1.0) << i;
        EXPECT_TRUE(pages[0].hasText(QStringLiteral("Наименование")));
        EXPECT_FALSE(pages[0].hasText(QStringLiteral("ВКРФ")));
    }
}

TEST(SeriesReport, MissingTableEndsThePrintWithTheStoreMessage)
{
    dropVentutil();
    QStringList messages;
    ui::setMessageSink([&](const QString& text, ui::MessageKind) { messages << text; });
    TQRep_FORM host;
    EXPECT_FALSE(runPrintedForm(host));
    ui::setMessageSink({});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("ventutil"))) << messages[0].toStdString();
    EXPECT_FALSE(host.report().isPreviewOpen());
    EXPECT_FALSE(host.isVisible());
}

TEST(SeriesReport, GeneralFormEmptiesItsPriceTitlesWhenActivated)
{
    TQRep_FORM host;
    auto* upper = host.report().elementAs<ReportLabel>(QStringLiteral("QRLabelPrice1"));
    auto* lower = host.report().elementAs<ReportLabel>(QStringLiteral("QRLabelPrice2"));
    ASSERT_TRUE(upper != nullptr && lower != nullptr);
    EXPECT_TRUE(upper->text().isEmpty());
    upper->setText(QStringLiteral("Цена с НДС"));
    lower->setText(QStringLiteral("руб."));
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_TRUE(upper->text().isEmpty());
    EXPECT_TRUE(lower->text().isEmpty());
}

// The numbered labels of a series on paper stay inside the chart and apart: a fan's label stands on its
// curve's last point, which is the chart's right edge for the largest fan, and small fans crowd one corner.
TEST(SeriesReport, PrintedLabelsStayInsideTheChartAndApart)
{
    recreateVentutil({});
    auto host = makeHost(false);
    const int fans = 12;
    std::vector<const QCPItemText*> marks;
    for (int k = 0; k < fans; ++k) {
        const double last = k == fans - 1 ? 40000 : 3000 + 100 * k;
        const QVector<double> flows {last / 4, last / 2, last};
        const QVector<double> pressures {600.0 - k, 500.0 - k, 300.0 - k};
        host->setCurve(k, flows, pressures);
        host->setMark(k, last, pressures.last(), QString::number(k + 1));
        marks.push_back(host->mark(k));
    }
    printedPages(*host);
    EXPECT_EQ(misplacedLabels(host->chart(), marks), std::vector<std::string> {});
}

// An axis title longer than its axis is printed smaller instead of being cut at the chart's edges; a short
// title keeps the size the form was designed with.
TEST(SeriesReport, AxisTitleLongerThanItsAxisIsPrintedWhole)
{
    recreateVentutil({});
    auto host = makeHost(true);
    QCPAxis* axis = host->chart()->yAxis;
    const double designSize = axis->labelFont().pointSizeF();
    const QString longTitle
        = QStringLiteral("Статическое давление при заданной температуре удаляемого дыма, Па");
    host->setLeftAxisTitle(longTitle);
    printedPages(*host);
    EXPECT_LT(axis->labelFont().pointSizeF(), designSize);
    EXPECT_LE(QFontMetricsF(axis->labelFont()).horizontalAdvance(longTitle), axis->axisRect()->height());

    host->setLeftAxisTitle(QStringLiteral("Давление, Па"));
    printedPages(*host);
    EXPECT_EQ(axis->labelFont().pointSizeF(), designSize);
}
