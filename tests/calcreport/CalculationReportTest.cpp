#include "calcreport/CalculationReport.h"
#include "calcreport/ReportBlocks.h"
#include "calcreport/ReportNumbers.h"

#include <gtest/gtest.h>

using namespace calcreport;
using namespace Qt::StringLiterals;

TEST(CalculationReportTest, WritersGiveTheExactFragments)
{
    EXPECT_EQ(rtfHeader().size(), 325);
    QByteArray buffer = "old";
    writeHeader(buffer);
    EXPECT_EQ(buffer, rtfHeader());

    buffer.clear();
    writeEscaped(buffer, u"Па 1"_s);
    EXPECT_EQ(buffer, R"(\'cf\'e0\'20\'31)");

    buffer.clear();
    writeTitle(buffer, u"Я"_s);
    writeHeading(buffer, u"Я"_s);
    EXPECT_EQ(buffer,
        R"(\pard\b\f0\fs20\par\qc \'df\par\pard\fi118\b0\pard\fi708\b\f0\fs20\par \'df\par\pard\fi118\b0)");
    EXPECT_EQ(unitFragment(ReportUnit::Celsius),
        QByteArray("\xb0"
                   "C"));
}

TEST(CalculationReportTest, InputLinesAreNumberedAndTheDocumentNestsTheCalculationPart)
{
    CalculationReport report;
    report.clearInputPart(u"Т"_s);
    const QByteArray start = report.inputPart();
    report.writeInputLine({givenKind(), u"H"_s, u"2"_s, ReportUnit::Metre});
    report.writeInputLine({assumedKind(), u"Gk"_s, u"4"_s, ReportUnit::None});
    EXPECT_EQ(report.inputPart().mid(start.size()),
        QByteArray(R"(\par\b 1. \b0\i \'c7\'e0\'e4\'e0\'ed\'ee:\i0   \b \'48:  \'32 \'ec\b0\par )"
                   R"(\par\b 2. \b0\i \'cf\'f0\'e8\'ed\'ff\'f2\'ee:\i0   \b \'47\'6b:  \'34\b0\par )"));

    // Before a calculation: header, input part, "\par " and the closing brace.
    EXPECT_EQ(report.refreshReport(), QByteArray(rtfHeader() + report.inputPart() + "\\par }"));
    report.startCalculationPart();
    report.calculation() += "X";
    report.finishCalculationPart();
    const QByteArray calculation = report.calculation();
    EXPECT_TRUE(calculation.startsWith(QByteArray(rtfHeader() + R"(\pard\fi708\b\f0\fs20\par )")));
    EXPECT_TRUE(calculation.endsWith("X\\par\\par }"));
    EXPECT_EQ(
        report.refreshReport(), QByteArray(rtfHeader() + report.inputPart() + "\\par " + calculation + "}"));

    // A new step starts both parts again.
    report.clearInputPart(u"Т"_s);
    EXPECT_EQ(report.inputPart(), start);
    EXPECT_TRUE(report.calculation().isEmpty());
    EXPECT_EQ(report.lineCount(), 0);
}

TEST(CalculationReportTest, NumbersAreCutNotRounded)
{
    const QChar comma = QLatin1Char(',');
    const struct {
        double value;
        const char16_t* expected;
    } cases[] = {
        {7545.2345, u"7545,23"},
        {0.126999, u"0,12"},
        {123456789, u"1,23e+08"},
        {0.0000123456, u"1,23e-05"},
        {42, u"42"},
        {-0.0, u"0"},
        {-3.14159, u"-3,14"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportNumber(c.value, comma), QString::fromUtf16(c.expected)) << c.value;
}

namespace {

QByteArray escaped(const QString& text)
{
    QByteArray out;
    writeEscaped(out, text);
    return out;
}

} // namespace

// Formula constants and titles are typed with a decimal comma; a report whose numbers carry a point must
// not show "9,8 ∙ 7545.11" on one line.
TEST(CalculationReportTest, FormulaConstantsTakeTheDecimalMarkOfTheNumbers)
{
    struct Case {
        QChar separator;
        QByteArray expected;
    };
    for (const Case& c : {Case {u'.',
                              "\\b (2a)\\tab" + escaped(u"0.6, 1"_s)
                                  + "\\par vk\\b0  = 9.8 G = 9.8 2.5 = \\b 24.5\\par Kd\\b0  = \\b 0.8"},
             Case {u',',
                 "\\b (2a)\\tab" + escaped(u"0,6, 1"_s)
                     + "\\par vk\\b0  = 9,8 G = 9,8 2,5 = \\b 24,5\\par Kd\\b0  = \\b 0,8"}}) {
        QByteArray out;
        BlockWriter w(out, c.separator);
        w.label("2a", u"0,6, 1"_s);
        w.formula("vk", "9,8 G", "9,8 " + w.n(2.5), w.n(24.5));
        w.valueOnly("Kd", "0,8");
        EXPECT_EQ(out, "\\par" + c.expected) << c.separator.toLatin1();
    }
}
