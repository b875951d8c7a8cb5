#include "unit/print/UnitPrintout.h"
#include "printing/ReportLayout.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The condensing unit's figures come from the catalogue as texts with a point; on a sheet whose calculated
// figures carry the system's decimal comma they are printed with the comma too.
TEST(UnitPrintout, CondensingFiguresTakeTheSystemDecimalMark)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    report::ReportLayout layout;
    unitprint::UnitPrintout printout(layout);
    unitprint::UnitPrintContent content;
    content.condensingUnit = u"ККБ 18"_s;
    unit::CondensingUnitRecord record;
    record.name = u"ККБ 18"_s;
    record.power = u"17.9"_s;
    record.coolingPower = u"46"_s;
    record.soundPower = u"62.5"_s;
    record.mass = u"120"_s;
    content.condensing = record;
    printout.fill(content);
    QLocale::setDefault(before);

    EXPECT_EQ(printout.text(u"QRLabel_Moshnost_KKB"_s), u"17,9 кВт"_s);
    EXPECT_EQ(printout.text(u"QRLabel_Moshnost_oxl_KKB"_s), u"46 кВт"_s);
    EXPECT_EQ(printout.text(u"QRLabel_KKB_LDBA"_s), u"62,5 LdBA"_s);
    EXPECT_EQ(printout.text(u"QRLabel_KKB_MASSA"_s), u"120 кг"_s);
}

// The heater's outlet air temperature is written with the outlet's symbol, as the water's is beside it.
TEST(UnitPrintout, HeaterOutletTemperatureCarriesTheOutletSymbol)
{
    report::ReportLayout layout;
    unitprint::UnitPrintout printout(layout);
    printout.fill(unitprint::UnitPrintContent {});
    EXPECT_EQ(printout.text(u"QRL_tv2pCaption"_s), u"Температура воздуха на выходе (расчетная), tв. вых:"_s);
    EXPECT_EQ(
        printout.text(u"QRL_tj2pCaption"_s), u"Температура горячей воды на выходе (расчетная), tж. вых:"_s);
}
