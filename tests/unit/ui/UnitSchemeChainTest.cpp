#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"
#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "fans/ui/FansFoundWindow.h"
#include "support/WindowTesting.h"
#include "ui/Messages.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"
#include "unit/UnitCalculation.h"
#include "unit/UnitHandover.h"
#include "unit/UnitScheme.h"
#include "unit/ui/SchemeStrip.h"
#include "unit/ui/TFormPritochVovazu.h"
#include "unit/ui/TFormResultPritoch.h"
#include "unit/ui/TFormSxema.h"
#include "unit/ui/TMDIChildPritoch.h"
#include "unit/ui/TQRep_Pritoch.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using windowtesting::child;
using windowtesting::click;
using windowtesting::previewedPages;

namespace {

// A unit composed on the bundled catalogue as the unit window composes it.
struct ComposedUnit {
    std::vector<unit::UnitElementRow> pieces;
    unit::UnitHandover handover;
    unit::UnitFanDuty duty;
};

// Water heaters, or three-phase electric ones (the second type) for a small duty (air warmed from 5 °C).
ComposedUnit composeUnit(
    unit::UnitKind kind, const QString& project, double maxSpeed, unit::HeaterKind heater)
{
    unit::ElementStore store = unit::pritoshkaElementStore();
    unit::UnitInputs in;
    in.kind = kind;
    in.freePressure = 150;
    in.heater.flow = 3500;
    in.heater.maxSpeed = maxSpeed;
    in.cooler.flow = 3500;
    const bool water = heater == unit::HeaterKind::Water;
    if (!water)
        in.heater.airIn = 5;
    unit::ElementTicks ticks;
    for (unit::AccessoryKind k : unit::accessoryKinds)
        ticks.ticked[size_t(k)] = {0};
    ticks.counts[size_t(unit::AccessoryKind::Silencer)] = {2};
    const QStringList types = store.heaterTypes(heater);
    const unit::UnitRun run = calculateUnit(
        store, in, water ? types : QStringList(), water ? QStringList() : types, water ? 1 : 2, ticks);
    const unit::UnitInputTexts texts {u"3500"_s, u"150"_s, water ? u"-26"_s : u"5"_s, u"21"_s, u"35"_s,
        u"18"_s, QString::number(maxSpeed), u"80"_s, u"40"_s, project};
    return {unit::unitElementRows(store, run, in), unit::unitHandover(texts, run, in, u'.'),
        unit::unitFanDuty(run, 3500)};
}

class UnitSchemeChainTest : public windowtesting::WindowTest {
protected:
    UnitSchemeChainTest() { registerSharedWindows(program.windows()); }

    static QStringList lines(QListWidget* list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }
    // The stored arrangement read back as the scheme reads it.
    static QStringList storedLines()
    {
        return unit::schemeLines(unit::readSchemeRows(store::workingDatabase()));
    }

    // Hands the unit over, runs the selection, chooses the first fan for the unit and opens the scheme.
    TFormSxema* throughToScheme(const ComposedUnit& unit)
    {
        auto* selection = program.windows().get<TFormPritochVovazu>();
        selection->handOver(unit.pieces, unit.handover, unit.duty);
        click(selection, u"Button1"_s);
        auto* found = program.windows().get<TFormGrVovazu>();
        EXPECT_TRUE(found->isVisible());
        EXPECT_TRUE(found->isUnitOffered());
        found->chooseFan(1);
        click(found, u"Button3"_s);
        auto* result = program.windows().get<TFormResultPritoch>();
        EXPECT_TRUE(result->isVisible());
        click(result, u"ButtonSxema"_s);
        auto* scheme = program.windows().get<TFormSxema>();
        EXPECT_TRUE(scheme->isVisible());
        return scheme;
    }

    ProgramContext program;
};

} // namespace

// The unit's fan selection and its fans found open at a size that shows the series names whole and
// several fans of the grid, not the single row of their size hints.
TEST_F(UnitSchemeChainTest, SelectionWindowsOpenShowingTheirContent)
{
    const ComposedUnit unit
        = composeUnit(unit::UnitKind::HeaterAndCooler, u"Цех 2"_s, 3, unit::HeaterKind::Water);
    auto* selection = program.windows().get<TFormPritochVovazu>();
    selection->handOver(unit.pieces, unit.handover, unit.duty);
    QListWidget* series = child<QListWidget>(selection, u"Open_ListView"_s);
    ASSERT_GT(series->count(), 0);
    EXPECT_LE(series->sizeHintForColumn(0), series->viewport()->width());

    click(selection, u"Button1"_s);
    auto* found = program.windows().get<TFormGrVovazu>();
    ASSERT_TRUE(found->isVisible());
    auto* grid = found->findChild<QTableWidget*>(u"StringVOVAZU"_s);
    EXPECT_GE(grid->viewport()->height(), 5 * grid->verticalHeader()->defaultSectionSize());
}

// The one duct section the unit admits is ticked where it can be seen, however far down the list it is.
TEST_F(UnitSchemeChainTest, HandedSectionIsInSight)
{
    auto* selection = program.windows().get<TFormPritochVovazu>();
    QListWidget* sizes = child<QListWidget>(selection, u"ListViewBox_AB"_s);
    for (const double maxSpeed : {3.0, 1.5, 8.0}) {
        const ComposedUnit unit
            = composeUnit(unit::UnitKind::HeaterAndCooler, u"Цех 2"_s, maxSpeed, unit::HeaterKind::Water);
        selection->handOver(unit.pieces, unit.handover, unit.duty);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(selection));
        QApplication::processEvents();
        const QList<QListWidgetItem*> ticked = sizes->findItems(unit.duty.section, Qt::MatchExactly);
        ASSERT_EQ(ticked.size(), 1) << unit.duty.section.toStdString();
        EXPECT_EQ(ticked[0]->checkState(), Qt::Checked);
        EXPECT_TRUE(sizes->viewport()->rect().contains(sizes->visualItemRect(ticked[0])))
            << unit.duty.section.toStdString() << " at " << sizes->row(ticked[0]) << " of " << sizes->count();
    }
}

TEST_F(UnitSchemeChainTest, HandOverSelectResultSchemeReorderAndPrint)
{
    const ComposedUnit unit
        = composeUnit(unit::UnitKind::HeaterAndCooler, u"Цех 2"_s, 3, unit::HeaterKind::Water);
    const QString section = unit.pieces.front().section;
    ASSERT_FALSE(section.isEmpty());

    auto* selection = program.windows().get<TFormPritochVovazu>();
    selection->handOver(unit.pieces, unit.handover, unit.duty);
    EXPECT_EQ(child<SpinEditWidget>(selection, u"Input_Q"_s)->text(), u"3500"_s);
    EXPECT_EQ(child<SpinEditWidget>(selection, u"Input_P"_s)->text(), QString::number(unit.duty.pressure));
    QListWidget* sizes = child<QListWidget>(selection, u"ListViewBox_AB"_s);
    for (int i = 0; i < sizes->count(); ++i)
        EXPECT_EQ(sizes->item(i)->checkState() == Qt::Checked, sizes->item(i)->text() == section)
            << sizes->item(i)->text().toStdString();
    EXPECT_EQ(child<QPushButton>(selection, u"Button3"_s)->text(), u"Отменить ВСЕ"_s);

    click(selection, u"Button1"_s);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    auto* found = program.windows().get<TFormGrVovazu>();
    auto* grid = found->findChild<QTableWidget*>(u"StringVOVAZU"_s);
    ASSERT_GT(grid->rowCount(), 0);
    for (int row = 0; row < grid->rowCount(); ++row)
        EXPECT_EQ(grid->item(row, 6)->text(), section);
    EXPECT_TRUE(child<QPushButton>(found, u"Button3"_s)->isVisible());

    found->chooseFan(1);
    const QString designation = grid->item(0, 1)->text();
    click(found, u"Button3"_s);
    auto* result = program.windows().get<TFormResultPritoch>();
    auto* pieces = child<QTableWidget>(result, u"StringGrid_Sostav"_s);
    ASSERT_EQ(pieces->rowCount(), int(unit.pieces.size()) + 1);
    EXPECT_EQ(pieces->item(pieces->rowCount() - 1, 0)->text(), u"Вентилятор"_s);
    EXPECT_EQ(pieces->item(pieces->rowCount() - 1, 4)->text(), section);
    EXPECT_TRUE(child<QGroupBox>(result, u"GroupBox_Res"_s)->title().endsWith(designation));
    EXPECT_TRUE(result->result().figures[11].second.endsWith(u" мм"_s));

    click(result, u"ButtonSxema"_s);
    auto* scheme = program.windows().get<TFormSxema>();
    auto* list = child<QListWidget>(scheme, u"ListBoxSostav"_s);
    // The condensing unit has no line; the two silencer pieces have one each.
    ASSERT_EQ(list->count(), int(unit.pieces.size()) - 1 + 1 + 1);
    EXPECT_TRUE(child<QWidget>(scheme, u"Panel_oxl"_s)->isVisible());
    EXPECT_TRUE(child<QLabel>(scheme, u"Label_oxl"_s)->text().endsWith(u" мм"_s));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(child<QPushButton>(scheme, u"BitBtnUp"_s)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(scheme, u"BitBtnDown"_s)->isEnabled());
    EXPECT_EQ(storedLines(), lines(list));
    // The strip: the selected first line in slot 1, the duct behind the last line.
    EXPECT_TRUE(scheme->strip()->slotFile(1).startsWith(u"Y_"_s));
    EXPECT_EQ(
        scheme->strip()->slotFile(list->count() + 1), u"Kanal_"_s + unit::stripDuctSize(section) + u".bmp"_s);
    EXPECT_EQ(scheme->strip()->slotFile(list->count() + 2), QString()) << "an empty slot shows nothing";
    // As on paper: the used slots side by side from the left edge, slot 1 first, and nothing after them.
    int x = 0;
    for (int slot = 1; slot <= list->count() + 1; ++slot) {
        const QRect place = scheme->strip()->slotRect(slot);
        EXPECT_EQ(place.x(), x) << "slot " << slot;
        EXPECT_GT(place.width(), 0) << "slot " << slot;
        x += place.width();
    }
    EXPECT_EQ(scheme->strip()->sizeHint().width(), x);

    // One step up: the second line becomes the first and the order is stored at once.
    list->setCurrentRow(1);
    const QString second = list->item(1)->text();
    click(scheme, u"BitBtnUp"_s);
    EXPECT_EQ(list->item(0)->text(), second);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(storedLines().first(), second);

    // Dragging the first line onto the last one sends it to the end.
    const QString first = list->item(0)->text();
    list->setCurrentRow(0);
    auto* mime = new QMimeData;
    mime->setData(u"application/x-qabstractitemmodeldatalist"_s, QByteArray());
    const QPoint onto = list->visualItemRect(list->item(list->count() - 1)).center();
    QDragEnterEvent enter(onto, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(onto, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QDropEvent drop(onto, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);

    delete mime;
    EXPECT_EQ(list->item(list->count() - 1)->text(), first);
    EXPECT_EQ(list->currentRow(), list->count() - 1);
    EXPECT_FALSE(child<QPushButton>(scheme, u"BitBtnDown"_s)->isEnabled());
    EXPECT_EQ(storedLines().last(), first);
    EXPECT_EQ(storedLines(), lines(list));

    auto* printed = program.windows().get<TQRep_Pritoch>();
    EXPECT_GT(previewedPages(printed->report(), [&] { click(scheme, u"ButtonPrintSystem"_s); }), 0);
    EXPECT_EQ(printed->text(u"QRLabel7"_s), u"Модульная система: Цех 2"_s);
    EXPECT_EQ(printed->text(u"QRLabel_tv1"_s), u"-26/35 °C"_s);
    EXPECT_TRUE(printed->isShown(u"ChildBand2"_s));
    EXPECT_TRUE(printed->isShown(u"QRImage_oxl"_s));
    EXPECT_FALSE(printed->text(u"QRLabel_KKB_MASSA"_s).isEmpty());
    EXPECT_EQ(printed->slotFile(1), unit::piecePicture(unit::readSchemeLine(list->item(0)->text())));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(UnitSchemeChainTest, ASecondUnitReplacesTheFirstEverywhere)
{
    throughToScheme(composeUnit(unit::UnitKind::HeaterAndCooler, u"Первая"_s, 3, unit::HeaterKind::Water));
    const ComposedUnit second
        = composeUnit(unit::UnitKind::Heater, u"Вторая"_s, 4, unit::HeaterKind::Electric);
    ASSERT_NE(second.pieces.front().section, QString());
    EXPECT_EQ(second.handover.heater, unit::HandoverHeater::Electric);
    TFormSxema* scheme = throughToScheme(second);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    // Only the second unit's section was admitted.
    QListWidget* sizes = child<QListWidget>(program.windows().get<TFormPritochVovazu>(), u"ListViewBox_AB"_s);
    for (int i = 0; i < sizes->count(); ++i)
        EXPECT_EQ(sizes->item(i)->checkState() == Qt::Checked,
            sizes->item(i)->text() == second.pieces.front().section);
    EXPECT_FALSE(child<QWidget>(scheme, u"Panel_oxl"_s)->isVisible());

    auto* printed = program.windows().get<TQRep_Pritoch>();
    EXPECT_GT(previewedPages(printed->report(), [&] { click(scheme, u"ButtonPrintSystem"_s); }), 0);
    EXPECT_EQ(printed->text(u"QRLabel7"_s), u"Модульная система: Вторая"_s);
    // No cooler: neither its band nor the condensing unit nor the winter/summer temperatures.
    EXPECT_FALSE(printed->isShown(u"ChildBand2"_s));
    EXPECT_FALSE(printed->isShown(u"QRImage_oxl"_s));
    EXPECT_TRUE(printed->text(u"QRLabel_KKB_MASSA"_s).isEmpty());
    EXPECT_EQ(printed->text(u"QRLabel_tv1"_s), u"5 °C"_s);
    // An electric heater: three heater lines, no water temperatures.
    EXPECT_TRUE(printed->isShown(u"QRL_Q"_s));
    EXPECT_FALSE(printed->isShown(u"QRl_Gj"_s));
    EXPECT_TRUE(printed->text(u"QRLabel_tj1"_s).isEmpty());
}

TEST_F(UnitSchemeChainTest, FromTheCompositionWindowToThePrintedUnit)
{
    TMDIChildPritoch window(program);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.applyUnitKind(int(unit::UnitKind::HeaterAndCooler));
    window.show();
    // 3500 m³/h at 3 m/s against 300 Pa of duct: a duty the bundled duct fans serve.
    child<SpinEditWidget>(&window, u"Input_Vmax"_s)->setText(u"3"_s);
    child<SpinEditWidget>(&window, u"Input_Psvob"_s)->setText(u"300"_s);
    click(&window, u"bNext"_s);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    auto* valves = child<QListWidget>(&window, u"CheckListBoxModelKlapan"_s);
    ASSERT_GT(valves->count(), 0);
    valves->item(0)->setCheckState(Qt::Checked);
    click(&window, u"bFanSelection"_s);

    auto* selection = program.windows().get<TFormPritochVovazu>();
    ASSERT_TRUE(selection->isVisible());
    EXPECT_EQ(child<SpinEditWidget>(selection, u"Input_P"_s)->text(),
        QString::number(roundHalfEven(window.totalPressure())));
    EXPECT_EQ(selection->handoverShown().flow, QString::number(window.unitFlow()) + u" м3/час"_s);
    QListWidget* sizes = child<QListWidget>(selection, u"ListViewBox_AB"_s);
    for (int i = 0; i < sizes->count(); ++i)
        EXPECT_EQ(sizes->item(i)->checkState() == Qt::Checked,
            sizes->item(i)->text() == window.unitRun().sectionText);

    click(selection, u"Button1"_s);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString()
                                    << window.unitRun().sectionText.toStdString() << " "
                                    << window.totalPressure();
    auto* found = program.windows().get<TFormGrVovazu>();
    found->chooseFan(1);
    click(found, u"Button3"_s);
    auto* result = program.windows().get<TFormResultPritoch>();
    ASSERT_TRUE(result->isVisible());
    click(result, u"ButtonSxema"_s);
    auto* scheme = program.windows().get<TFormSxema>();
    auto* list = child<QListWidget>(scheme, u"ListBoxSostav"_s);
    ASSERT_GT(list->count(), 3);
    list->setCurrentRow(2);
    const QString third = list->item(2)->text();
    click(scheme, u"BitBtnUp"_s);
    EXPECT_EQ(storedLines().at(1), third);

    auto* printed = program.windows().get<TQRep_Pritoch>();
    EXPECT_GT(previewedPages(printed->report(), [&] { click(scheme, u"ButtonPrintSystem"_s); }), 0);
    EXPECT_EQ(printed->text(u"QRLabelGv"_s), selection->handoverShown().flow);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}
