#include "app/ProgramContext.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "support/TestSupport.h"
#include "support/WindowTesting.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"
#include "unit/UnitGridTexts.h"
#include "unit/ui/TFormDialogKolich.h"
#include "unit/ui/TMDIChildPritoch.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using windowtesting::child;
using windowtesting::click;
using windowtesting::setText;
using namespace unit;

namespace {

class UnitWindowTest : public windowtesting::WindowTest {
protected:
    UnitWindowTest()
    {
        program.windows().add<TForm_Animate>();
        program.windows().add<TFormDialogKolich>();
        program.windows().add<TFormManual>();
        program.windows().add<TForm_Foto>();
    }
    void SetUp() override
    {
        WindowTest::SetUp();
        store::setAliasOverride(
            store::pritoshkaAlias(), QCoreApplication::applicationDirPath() + u"/pritoshka.sqlite"_s);
    }
    void TearDown() override
    {
        store::clearAliasOverrides();
        WindowTest::TearDown();
    }

    std::unique_ptr<TMDIChildPritoch> makeWindow(UnitKind kind)
    {
        auto window = std::make_unique<TMDIChildPritoch>(program);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->applyUnitKind(int(kind));
        window->show();
        return window;
    }
    // "Далее" of the page the kind starts on.
    static void calculate(TMDIChildPritoch* window)
    {
        click(window, window->unitKind() == UnitKind::Plain ? u"bNextWithout"_s : u"bNext"_s);
    }
    static QListWidget* list(QWidget* window, AccessoryKind kind)
    {
        static const QString names[] = {u"CheckListBoxModelKlapan"_s, u"CheckListBoxModelFilter"_s,
            u"CheckListBoxModelGlush"_s, u"CheckListBoxModelReshet"_s, u"CheckListBoxModelVstavki"_s};
        return child<QListWidget>(window, names[int(kind)]);
    }
    static QString label(QWidget* window, const QString& name) { return child<QLabel>(window, name)->text(); }
    // Ticks a line of a counted list the way the user does and answers the quantity dialog with `count`.
    void tickCounted(QWidget* window, AccessoryKind kind, int row, int count)
    {
        QListWidget* l = list(window, kind);
        QListWidgetItem* item = l->item(row);
        item->setCheckState(Qt::Checked);
        QTimer::singleShot(0, [this, count] {
            auto* dialog = program.windows().get<TFormDialogKolich>();
            dialog->findChild<QSpinBox*>(u"Input_Kolich"_s)->setValue(count);
            dialog->accept();
        });
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
    }
    static void expectTotalsShown(TMDIChildPritoch* window)
    {
        EXPECT_EQ(label(window, u"LabelS_L"_s), lengthTotalText(window->totalLength()));
        EXPECT_EQ(label(window, u"LabelS_P"_s), pressureTotalText(window->totalPressure()));
    }

    ProgramContext program;
};

} // namespace

TEST_F(UnitWindowTest, EachKindFillsItsListsGridsAndTotals)
{
    const struct {
        UnitKind kind;
        bool heaterGrid;
        bool coolerGrid;
        const char16_t* kindLabel;
        const char16_t* pageCaption;
    } cases[] = {
        {UnitKind::Plain, false, false, u"", u""},
        {UnitKind::HeaterAndCooler, true, true, u"(с нагр. и охл.):", u"С нагревателем и охладителем"},
        {UnitKind::Heater, true, false, u"(с нагревателем):", u"С нагревателем"},
        {UnitKind::Cooler, false, true, u"(с охладителем):", u"С охладителем"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        auto window = makeWindow(c.kind);
        auto* pages = child<QTabWidget>(window.get(), u"PageControl"_s);
        EXPECT_EQ(pages->currentIndex(), c.kind == UnitKind::Plain ? 0 : 1);
        EXPECT_EQ(pages->tabText(1), QString::fromUtf16(c.pageCaption));
        EXPECT_EQ(child<QWidget>(window.get(), u"GB_Tepl"_s)->isHidden(), !c.heaterGrid);
        EXPECT_EQ(child<QWidget>(window.get(), u"GB_OXL"_s)->isHidden(), !c.coolerGrid);
        EXPECT_FALSE(child<QPushButton>(window.get(), u"bFanSelection"_s)->isEnabled());

        calculate(window.get());
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        EXPECT_EQ(pages->currentIndex(), 2);
        EXPECT_TRUE(child<QPushButton>(window.get(), u"bFanSelection"_s)->isEnabled());
        EXPECT_GT(window->unitRun().section.kanalIndex, 0);
        for (AccessoryKind kind : accessoryKinds)
            EXPECT_GT(list(window.get(), kind)->count(), 0) << int(kind);
        EXPECT_EQ(label(window.get(), u"LabelTeploob"_s), QString::fromUtf16(c.kindLabel));

        auto* heaters = child<QTableWidget>(window.get(), u"StringGridResult"_s);
        EXPECT_EQ(heaters->isVisible(), c.heaterGrid);
        if (c.heaterGrid) {
            // Three water and two electric types of the bundled catalogue, the first one chosen.
            EXPECT_EQ(heaters->columnCount(), 6);
            EXPECT_EQ(window->unitRun().heaterColumn, 1);
            EXPECT_EQ(heaters->item(0, 0)->text(), u"Выберите модель теплообменника"_s);
            EXPECT_EQ(heaters->item(8, 1)->text(), window->unitRun().variants.heaters[0].model);
            EXPECT_EQ(heaters->item(9, 1)->text(), window->unitRun().sectionText);
            EXPECT_TRUE(heaters->item(8, 1)->font().bold());
            // Electric heaters leave the water rows empty.
            EXPECT_TRUE(heaters->item(2, 5)->text().isEmpty());
            EXPECT_FALSE(heaters->item(2, 1)->text().isEmpty());
        }
        auto* cooler = child<QTableWidget>(window.get(), u"StringGridResult_oxl"_s);
        EXPECT_EQ(cooler->isVisible(), c.coolerGrid);
        const UnitSection& section = window->unitRun().section;
        if (c.coolerGrid) {
            ASSERT_TRUE(section.cooler);
            EXPECT_EQ(cooler->item(0, 1)->text(), section.cooler->model);
            EXPECT_EQ(section.cooler->section, section.kanalIndex);
        }
        // Nothing ticked yet: the totals are the free pressure, heater and cooler.
        EXPECT_EQ(window->totalPressure(), section.basePressure);
        EXPECT_EQ(window->totalLength(), section.baseLength);
        expectTotalsShown(window.get());
        if (c.kind == UnitKind::Cooler) {
            ASSERT_TRUE(section.coolerRow);
            EXPECT_EQ(window->totalLength(), section.coolerRow->length);
            EXPECT_DOUBLE_EQ(window->totalPressure(), section.cooler->airLoss);
        }
        EXPECT_EQ(child<QTableWidget>(window.get(), u"StringGridSostav"_s)->rowCount(), 0);
    }
}

TEST_F(UnitWindowTest, TicksAndPieceCountsUpdateTheTotalsAtOnce)
{
    for (UnitKind kind : {UnitKind::Plain, UnitKind::HeaterAndCooler, UnitKind::Heater, UnitKind::Cooler}) {
        SCOPED_TRACE(int(kind));
        auto window = makeWindow(kind);
        setText(window.get(), u"Input_Psvob"_s, u"200"_s);
        calculate(window.get());
        ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        const double baseLength = window->totalLength();
        const double basePressure = window->totalPressure();
        EXPECT_GE(basePressure, 200);

        list(window.get(), AccessoryKind::Valve)->item(0)->setCheckState(Qt::Checked);
        ASSERT_EQ(window->unitRun().composition.elements.size(), 1u);
        const ComposedElement valve = window->unitRun().composition.elements[0];
        EXPECT_GT(valve.loss, 0);
        EXPECT_DOUBLE_EQ(window->totalLength(), baseLength + valve.row.length);
        EXPECT_DOUBLE_EQ(window->totalPressure(), basePressure + valve.loss);
        expectTotalsShown(window.get());

        // Three silencers: three lengths and losses; the line shows one piece's loss and the count.
        tickCounted(window.get(), AccessoryKind::Silencer, 0, 3);
        ASSERT_EQ(window->unitRun().composition.elements.size(), 2u);
        const ComposedElement silencer = window->unitRun().composition.elements[1];
        EXPECT_EQ(silencer.count, 3);
        EXPECT_DOUBLE_EQ(window->totalLength(), baseLength + valve.row.length + 3 * silencer.row.length);
        EXPECT_DOUBLE_EQ(window->totalPressure(), basePressure + valve.loss + 3 * silencer.loss);
        auto* composition = child<QTableWidget>(window.get(), u"StringGridSostav"_s);
        ASSERT_EQ(composition->rowCount(), 2);
        EXPECT_TRUE(composition->item(1, 0)->text().startsWith(u"Глушитель: "_s));
        EXPECT_TRUE(composition->item(1, 0)->text().endsWith(
            u" /сопр. "_s + integerText(silencer.loss) + u"Па / 3 шт."_s));

        // Two flexible connectors: their lengths and no loss.
        const double pressureBefore = window->totalPressure();
        const double lengthBefore = window->totalLength();
        tickCounted(window.get(), AccessoryKind::Connector, 0, 2);
        const ComposedElement connector = window->unitRun().composition.elements.back();
        EXPECT_DOUBLE_EQ(window->totalLength(), lengthBefore + 2 * connector.row.length);
        EXPECT_DOUBLE_EQ(window->totalPressure(), pressureBefore);
        EXPECT_TRUE(composition->item(2, 0)->text().startsWith(u"Мягкая вствка: "_s));
        expectTotalsShown(window.get());

        // Unticking takes the silencers out again; clicking an unticked line asks nothing.
        list(window.get(), AccessoryKind::Silencer)->item(0)->setCheckState(Qt::Unchecked);
        QListWidget* silencers = list(window.get(), AccessoryKind::Silencer);
        QTest::mouseClick(silencers->viewport(), Qt::LeftButton, {},
            silencers->visualItemRect(silencers->item(0)).center());
        EXPECT_DOUBLE_EQ(window->totalLength(), baseLength + valve.row.length + 2 * connector.row.length);
        EXPECT_DOUBLE_EQ(window->totalPressure(), basePressure + valve.loss);
        EXPECT_EQ(composition->rowCount(), 2);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    }
}

TEST_F(UnitWindowTest, HeaterChoiceKeepsTicksWithinItsSectionOnly)
{
    auto window = makeWindow(UnitKind::Heater);
    // A low speed limit spreads the types over several sections.
    setText(window.get(), u"Input_Vmax"_s, u"3"_s);
    calculate(window.get());
    const std::vector<THeaterVariant>& heaters = window->unitRun().variants.heaters;
    ASSERT_EQ(heaters.size(), 5u);
    int sameSection = 0;
    int otherSection = 0;
    for (int c = 2; c <= 5; ++c) {
        (heaters[c - 1].kanalIndex == heaters[0].kanalIndex ? sameSection : otherSection) = c;
    }
    ASSERT_GT(sameSection, 0);
    auto* grid = child<QTableWidget>(window.get(), u"StringGridResult"_s);
    const auto choose = [&](int column) {
        QTest::mouseClick(
            grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(3, column)).center());
    };
    list(window.get(), AccessoryKind::Filter)->item(1)->setCheckState(Qt::Checked);
    const ComposedElement filter = window->unitRun().composition.elements.at(0);
    choose(sameSection);
    EXPECT_EQ(window->unitRun().heaterColumn, sameSection);
    EXPECT_TRUE(grid->item(8, sameSection)->font().bold());
    EXPECT_FALSE(grid->item(8, 1)->font().bold());
    EXPECT_EQ(list(window.get(), AccessoryKind::Filter)->item(1)->checkState(), Qt::Checked);
    const THeaterVariant& chosen = heaters[sameSection - 1];
    EXPECT_DOUBLE_EQ(window->totalLength(), chosen.length + filter.row.length);
    EXPECT_DOUBLE_EQ(window->totalPressure(), chosen.airLoss + filter.loss);
    EXPECT_EQ(label(window.get(), u"LabelTeploob"_s), u"(с нагревателем):"_s);
    expectTotalsShown(window.get());

    // A click on the titles chooses nothing.
    choose(0);
    EXPECT_EQ(window->unitRun().heaterColumn, sameSection);
    if (otherSection > 0) {
        choose(otherSection);
        EXPECT_EQ(window->unitRun().section.kanalIndex, heaters[otherSection - 1].kanalIndex);
        EXPECT_TRUE(window->unitRun().composition.elements.empty());
        EXPECT_EQ(window->totalLength(), heaters[otherSection - 1].length);
    }
}

TEST_F(UnitWindowTest, RefusalsNameTheirBoxAndKeepTheResults)
{
    auto window = makeWindow(UnitKind::HeaterAndCooler);
    calculate(window.get());
    list(window.get(), AccessoryKind::Valve)->item(0)->setCheckState(Qt::Checked);
    const QString pressureShown = label(window.get(), u"LabelS_P"_s);
    const struct {
        QString box;
        QString text;
        QString message;
        QString focus;
    } cases[] = {
        {u"Input_Psvob"_s, u"-1"_s, u"Свободное давление должно быть больше или равно нулю!!!"_s,
            u"Input_Psvob"_s},
        {u"Input_Vmax"_s, u"0"_s,
            u"Максимально возможная скорость воздуха не может быть меньше или равна нулю!!!"_s,
            u"Input_Vmax"_s},
        {u"Input_tv2"_s, u"-30"_s,
            u"Температура воздуха на выходе из приточной системы должна быть больше, чем на входе при "
            u"подборе "
            u"теплообменника."_s,
            u"Input_tv2"_s},
        {u"Input_tj2"_s, u"90"_s,
            u"Температура горячей воды на выходе из теплообменника должна быть меньше, чем на входе!"_s,
            u"Input_tj2"_s},
        {u"Input_Gv_oxl"_s, u"0"_s, u"Расход воздуха для подбора охладителя должен быть больше нуля!!!"_s,
            u"Input_Gv_oxl"_s},
        {u"Input_tv1"_s, u"2,,5"_s, u"Ошибочная запись числа: 2,,5"_s, u"Input_tv1"_s},
        // Beyond what the boxes and the cooler's formulas provide for.
        {u"Input_Psvob"_s, u"10001"_s, u"Свободное давление не может быть больше 10000 Па!!!"_s,
            u"Input_Psvob"_s},
        {u"Input_Vmax"_s, u"16"_s, u"Максимально возможная скорость воздуха не может быть больше 15 м/с!!!"_s,
            u"Input_Vmax"_s},
        {u"Input_VL"_s, u"150"_s, u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s,
            u"Input_VL"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.toStdString());
        const QString before = child<SpinEditWidget>(window.get(), c.box)->text();
        setText(window.get(), c.box, c.text);
        messages.clear();
        click(window.get(), u"bNext"_s);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.first(), c.message);
        QWidget* focused = window->focusWidget();
        QWidget* expected = child<QWidget>(window.get(), c.focus);
        EXPECT_TRUE(focused && (focused == expected || expected->isAncestorOf(focused)));
        setText(window.get(), c.box, before);
    }
    // No heater type ticked.
    auto* types = child<QListWidget>(window.get(), u"CheckListBoxTeploob"_s);
    auto* electric = child<QListWidget>(window.get(), u"CheckListBoxTeplElektr"_s);
    for (QListWidget* l : {types, electric}) {
        for (int i = 0; i < l->count(); ++i)
            l->item(i)->setCheckState(Qt::Unchecked);
    }
    messages.clear();
    click(window.get(), u"bNext"_s);
    EXPECT_EQ(messages,
        QStringList {u"Отметьте галочкой хотя бы один! тип теплообменника, чтобы произвести подбор?!"_s});
    EXPECT_EQ(label(window.get(), u"LabelS_P"_s), pressureShown);
    EXPECT_EQ(list(window.get(), AccessoryKind::Valve)->item(0)->checkState(), Qt::Checked);
}

TEST_F(UnitWindowTest, PageWithoutHeatingGridAndItsRefusals)
{
    auto window = makeWindow(UnitKind::Plain);
    auto* grid = child<QTableWidget>(window.get(), u"StringGrid_Kanal"_s);
    ASSERT_EQ(grid->rowCount(), 10);
    // 3500 m³/h passes 600×350 at 4.63 m/s and 700×400 at 3.47 m/s: at most 4 m/s first fits 700×400.
    EXPECT_EQ(grid->item(5, 1)->text(), sectionSpeedText(4.630, systemDecimalSeparator()));
    EXPECT_EQ(grid->item(5, 2)->text(), u"приемлемо"_s);
    EXPECT_EQ(grid->item(6, 0)->text(), u"700*400 мм"_s);
    EXPECT_EQ(grid->currentRow(), 6);
    EXPECT_EQ(grid->item(6, 2)->text(), u"рекомендуемо"_s);
    setText(window.get(), u"Input_Gv_without"_s, u"0"_s);
    EXPECT_TRUE(messages.isEmpty());
    for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_EQ(grid->item(row, 1)->text(), u"0 м/c"_s);
        EXPECT_EQ(grid->item(row, 2)->text(), u"нежелательно"_s);
    }
    EXPECT_EQ(grid->currentRow(), 0);
    // The flow follows into the heater page and back.
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Gv"_s)->text(), u"0"_s);
    click(window.get(), u"bNextWithout"_s);
    EXPECT_EQ(messages, QStringList {u"Расход воздуха должен быть больше нуля!"_s});
    EXPECT_EQ(child<QTabWidget>(window.get(), u"PageControl"_s)->currentIndex(), 0);

    messages.clear();
    setText(window.get(), u"Input_Gv"_s, u"5000"_s);
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Gv_without"_s)->text(), u"5000"_s);
    setText(window.get(), u"Input_Psvob_without"_s, u"-5"_s);
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Psvob"_s)->text(), u"-5"_s);
    click(window.get(), u"bNextWithout"_s);
    EXPECT_EQ(messages, QStringList {u"Свободное давление должно быть больше или равно нулю!"_s});

    messages.clear();
    setText(window.get(), u"Input_Psvob_without"_s, u"100"_s);
    click(window.get(), u"bNextWithout"_s);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(window->totalPressure(), 100);
    EXPECT_EQ(window->unitFlow(), 5000);
    EXPECT_EQ(window->unitRun().section.kanalIndex, grid->currentRow() + 1);
    click(window.get(), u"bBack"_s);
    EXPECT_EQ(child<QTabWidget>(window.get(), u"PageControl"_s)->currentIndex(), 0);
}

TEST_F(UnitWindowTest, ProjectRestoresHeaterTicksAndTotalsInEveryKind)
{
    for (UnitKind kind : {UnitKind::Plain, UnitKind::HeaterAndCooler, UnitKind::Heater, UnitKind::Cooler}) {
        SCOPED_TRACE(int(kind));
        messages.clear();
        const QString path = dir.filePath(u"unit%1.pritochprj"_s.arg(int(kind)));
        UnitProject saved;
        double length = 0;
        double pressure = 0;
        int heaterColumn = 0;
        {
            auto window = makeWindow(kind);
            child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Корпус 2"_s);
            setText(window.get(), u"Input_Psvob"_s, u"150"_s);
            setText(window.get(), u"Input_Vmax"_s, u"2.5"_s.replace(u'.', systemDecimalSeparator()));
            // Only the second water type and the electric ones stay ticked.
            auto* water = child<QListWidget>(window.get(), u"CheckListBoxTeploob"_s);
            water->item(0)->setCheckState(Qt::Unchecked);
            water->item(2)->setCheckState(Qt::Unchecked);
            click(window.get(), u"bNext"_s);
            ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
            if (hasHeater(kind)) {
                auto* grid = child<QTableWidget>(window.get(), u"StringGridResult"_s);
                ASSERT_EQ(grid->columnCount(), 4);
                window->chooseHeater(2);
                EXPECT_EQ(messages.size(), 1); // the 5 kW heater is short of the duty
                messages.clear();
            }
            list(window.get(), AccessoryKind::Valve)->item(0)->setCheckState(Qt::Checked);
            list(window.get(), AccessoryKind::Filter)->item(1)->setCheckState(Qt::Checked);
            list(window.get(), AccessoryKind::Louvre)->item(0)->setCheckState(Qt::Checked);
            // The piece counts are kept too: a reload gives the same totals.
            tickCounted(window.get(), AccessoryKind::Silencer, 0, 4);
            saved = window->projectAsTyped();
            length = window->totalLength();
            pressure = window->totalPressure();
            heaterColumn = window->unitRun().heaterColumn;
            ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
                EXPECT_EQ(request.kind, ui::FileDialogKind::Save);
                EXPECT_EQ(request.initialName, u"Корпус 2.pritochprj"_s);
                EXPECT_EQ(
                    request.caption, u"Сохранение файла проекта расчета модульных систем *.pritochprj"_s);
                return path;
            });
            click(window.get(), u"SpeedButtonSave"_s);
        }
        EXPECT_EQ(saved.waterHeaterTicks, u"1;"_s);
        EXPECT_EQ(saved.valveTicks, u"0;"_s);
        EXPECT_EQ(saved.filterTicks, u"1;"_s);

        EXPECT_EQ(saved.windowState->silencers.at(0), 4);

        auto window = makeWindow(kind);
        messages.clear();
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
        click(window.get(), u"SpeedButtonOpen"_s);
        // The second column is the 5 kW electric heater, short of the 55 kW duty, and says so again.
        EXPECT_EQ(messages.size(), hasHeater(kind) ? 1 : 0) << messages.join(u'\n').toStdString();
        if (hasHeater(kind)) {
            EXPECT_TRUE(messages.first().startsWith(u"Тепловая мощность выбранного теплообменника"_s));
        }
        EXPECT_EQ(window->unitRun().heaterColumn, heaterColumn);
        EXPECT_EQ(window->projectAsTyped(), saved);
        EXPECT_DOUBLE_EQ(window->totalLength(), length);
        EXPECT_DOUBLE_EQ(window->totalPressure(), pressure);
        EXPECT_EQ(window->unitRun().composition.elements.size(), 4u);
        expectTotalsShown(window.get());
    }
}

// A unit calculated on the page without heating and cooling in a section the user picked comes back in
// that section, with its ticks and piece counts.
TEST_F(UnitWindowTest, ProjectOfThePageWithoutHeatingComesBackOnIt)
{
    const QString path = dir.filePath(u"plain.pritochprj"_s);
    UnitProject saved;
    double length = 0;
    double pressure = 0;
    {
        auto window = makeWindow(UnitKind::Heater); // the page is reached by its tab in any kind
        setText(window.get(), u"InputVmax_without"_s, u"6"_s);
        setText(window.get(), u"Input_Psvob_without"_s, u"120"_s);
        child<QTableWidget>(window.get(), u"StringGrid_Kanal"_s)->selectRow(3); // not the row the speed gives
        click(window.get(), u"bNextWithout"_s);
        ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        ASSERT_EQ(window->unitRun().section.kanalIndex, 4);
        list(window.get(), AccessoryKind::Valve)->item(0)->setCheckState(Qt::Checked);
        tickCounted(window.get(), AccessoryKind::Silencer, 0, 2);
        saved = window->projectAsTyped();
        length = window->totalLength();
        pressure = window->totalPressure();
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
        click(window.get(), u"SpeedButtonSave"_s);
    }
    EXPECT_EQ(saved.windowState->plainSection, 4);

    auto window = makeWindow(UnitKind::Heater);
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
    click(window.get(), u"SpeedButtonOpen"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(window->unitRun().section.kanalIndex, 4);
    EXPECT_EQ(window->unitRun().heaterColumn, 0);
    EXPECT_EQ(window->projectAsTyped(), saved);
    EXPECT_DOUBLE_EQ(window->totalLength(), length);
    EXPECT_DOUBLE_EQ(window->totalPressure(), pressure);
    EXPECT_EQ(window->unitRun().composition.elements.size(), 2u);
    click(window.get(), u"bBack"_s);
    EXPECT_EQ(child<QTabWidget>(window.get(), u"PageControl"_s)->currentIndex(), 0);
}

// A heater short of its duty keeps its numbers and says so; a unit without a fan duty goes nowhere.
TEST_F(UnitWindowTest, ShortHeaterIsSaidAndAZeroDutyIsNotHandedOn)
{
    auto window = makeWindow(UnitKind::Heater);
    calculate(window.get());
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    auto* grid = child<QTableWidget>(window.get(), u"StringGridResult"_s);
    int small = 0; // the column of the 5 kW electric heater, "ЭНВ 220 В"
    for (int c = 1; c < grid->columnCount(); ++c) {
        if (grid->item(0, c)->text().contains(u"ЭНВ 220"_s))
            small = c;
    }
    ASSERT_GT(small, 0);
    window->chooseHeater(small);
    const THeaterVariant& heater = window->unitRun().variants.heaters[size_t(small - 1)];
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first(), heaterShortfallMessage(heater, systemDecimalSeparator()));
    EXPECT_TRUE(messages.first().contains(u"(5 кВт) меньше требуемой"_s)) << messages.first().toStdString();
    EXPECT_EQ(window->unitRun().heaterColumn, small); // the choice and its numbers stand
    messages.clear();
    window->chooseHeater(1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    // Without heating and cooling, free pressure and elements, the fan would get 0 Pa.
    auto plain = makeWindow(UnitKind::Plain);
    setText(plain.get(), u"Input_Psvob_without"_s, u"0"_s);
    calculate(plain.get());
    ASSERT_TRUE(messages.isEmpty());
    bool handedOn = false;
    QObject::connect(plain.get(), &TMDIChildPritoch::fanSelectionRequested, [&] { handedOn = true; });
    click(plain.get(), u"bFanSelection"_s);
    EXPECT_FALSE(handedOn);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(
        messages.first().startsWith(u"Суммарное сопротивление модульной системы должно быть больше нуля"_s));
}

TEST_F(UnitWindowTest, UnreadableProjectChangesNothing)
{
    auto window = makeWindow(UnitKind::HeaterAndCooler);
    setText(window.get(), u"Input_Gv"_s, u"4200"_s);
    const UnitProject before = window->projectAsTyped();
    const QString shortFile = testSourcePath(u"unit/fixtures/short.pritochprj"_s);
    for (const QString& path : {shortFile, dir.filePath(u"absent.pritochprj"_s)}) {
        messages.clear();
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
        click(window.get(), u"SpeedButtonOpen"_s);
        EXPECT_FALSE(messages.isEmpty());
        EXPECT_EQ(window->projectAsTyped(), before);
        EXPECT_FALSE(window->hasResult());
    }
    EXPECT_EQ(messages, QStringList {u"Выберите существующий файл с расширением *.pritochprj"_s});
}

TEST_F(UnitWindowTest, TwoWindowsKeepTheirOwnState)
{
    auto first = makeWindow(UnitKind::Heater);
    auto second = makeWindow(UnitKind::Heater);
    setText(second.get(), u"Input_Gv"_s, u"9000"_s);
    calculate(first.get());
    calculate(second.get());
    tickCounted(first.get(), AccessoryKind::Silencer, 0, 4);
    second->chooseHeater(3);
    EXPECT_EQ(first->unitRun().heaterColumn, 1);
    EXPECT_EQ(second->unitRun().heaterColumn, 3);
    EXPECT_EQ(first->unitFlow(), 3500);
    EXPECT_EQ(second->unitFlow(), 9000);
    EXPECT_EQ(first->unitRun().composition.elements.size(), 1u);
    EXPECT_TRUE(second->unitRun().composition.elements.empty());
    // The second window's silencer starts at one piece.
    tickCounted(second.get(), AccessoryKind::Silencer, 0, 1);
    EXPECT_EQ(second->unitRun().composition.elements.at(0).count, 1);
    EXPECT_EQ(first->unitRun().composition.elements.at(0).count, 4);
}

TEST_F(UnitWindowTest, StoredInputsComeBackInTheNextWindow)
{
    {
        auto window = makeWindow(UnitKind::HeaterAndCooler);
        setText(window.get(), u"Input_Gv"_s, u"6200"_s);
        setText(window.get(), u"Input_VL"_s, u"65"_s);
        setText(window.get(), u"Input_Vmax"_s, u"5"_s);
        window->close();
    }
    auto window = makeWindow(UnitKind::HeaterAndCooler);
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Gv"_s)->text(), u"6200"_s);
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Gv_without"_s)->text(), u"6200"_s);
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_VL"_s)->text(), u"65"_s);
    // A unit with a cooler limits the speed to 3 m/s.
    EXPECT_EQ(child<SpinEditWidget>(window.get(), u"Input_Vmax"_s)->text(), u"3"_s);
    ui::UserSettings settings(unitSettingsKey());
    EXPECT_EQ(settings.readText(u"Input_vl"_s).value, u"65"_s);
    EXPECT_EQ(settings.readInteger(u"RG_Tip_oxl"_s).value, 1);
}

TEST_F(UnitWindowTest, DescriptionPhotoAndTheWayBack)
{
    auto window = makeWindow(UnitKind::Heater);
    click(window.get(), u"bDescription"_s);
    auto* manual = program.windows().get<TFormManual>();
    EXPECT_TRUE(manual->isVisible());
    EXPECT_EQ(manual->windowTitle(), u"Методика подбора агрегатов вентиляционных сборных:"_s);
    click(window.get(), u"bPhoto"_s);
    auto* photo = program.windows().get<TForm_Foto>();
    EXPECT_TRUE(photo->isVisible());
    EXPECT_EQ(photo->windowTitle(), u"ЗФН: Фотография агрегатов вентиляционных сборных:"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    // "<< Назад" returns to the page of the last calculation.
    auto* pages = child<QTabWidget>(window.get(), u"PageControl"_s);
    calculate(window.get());
    click(window.get(), u"bBack"_s);
    EXPECT_EQ(pages->currentIndex(), 1);
    pages->setCurrentIndex(0);
    click(window.get(), u"bNextWithout"_s);
    EXPECT_FALSE(child<QTableWidget>(window.get(), u"StringGridResult"_s)->isVisible());
    // A heater choice acts only after a calculation of the heater page.
    window->chooseHeater(2);
    EXPECT_EQ(window->unitRun().heaterColumn, 0);
    click(window.get(), u"bBack"_s);
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(UnitWindowTest, EveryHeaterTypeAndEverySilencerOfALargerCatalogueWorks)
{
    // The bundled catalogue with nine more electric heater types and twenty silencers in every section.
    const QString path = dir.filePath(u"larger.sqlite"_s);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + u"/pritoshka.sqlite"_s, path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"larger-unit-catalogue"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (int i = 1; i <= 9; ++i) {
            ASSERT_TRUE(
                q.exec(u"INSERT INTO teplelektr SELECT NUM + %1, 'ЭНВ доп. %2', KanalIndex, Model, Dlina, "
                       u"Stoimost, n, B, Moshnost FROM teplelektr WHERE Tip = 'ЭНВ 380 В'"_s.arg(i * 1000)
                           .arg(i)))
                << q.lastError().text().toStdString();
            ASSERT_TRUE(q.exec(u"INSERT INTO glush SELECT KanalIndex, Tip, Model || ' вар. %1', Dlina, n, B, "
                               u"Stoimost FROM glush WHERE Model NOT LIKE '%вар.%'"_s.arg(i)));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(u"larger-unit-catalogue"_s);
    store::setAliasOverride(store::pritoshkaAlias(), path);

    const QString project = dir.filePath(u"larger.pritochprj"_s);
    {
        auto window = makeWindow(UnitKind::Heater);
        calculate(window.get());
        ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        auto* grid = child<QTableWidget>(window.get(), u"StringGridResult"_s);
        ASSERT_EQ(grid->columnCount(), 15);
        EXPECT_EQ(grid->item(0, 14)->text(), u" > ЭНВ доп"_s);
        window->chooseHeater(14);
        EXPECT_EQ(window->unitRun().heaterColumn, 14);
        ASSERT_EQ(list(window.get(), AccessoryKind::Silencer)->count(), 20);
        tickCounted(window.get(), AccessoryKind::Silencer, 19, 3);
        ASSERT_EQ(window->unitRun().composition.elements.size(), 1u);
        const ComposedElement silencer = window->unitRun().composition.elements[0];
        EXPECT_EQ(silencer.count, 3);
        EXPECT_TRUE(silencer.pieces.model.contains(u"вар. 9"_s));
        EXPECT_DOUBLE_EQ(
            window->totalLength(), window->unitRun().section.baseLength + 3 * silencer.row.length);
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return project; });
        click(window.get(), u"SpeedButtonSave"_s);
    }
    auto window = makeWindow(UnitKind::Heater);
    click(window.get(), u"SpeedButtonOpen"_s);
    EXPECT_EQ(window->unitRun().heaterColumn, 14);
    EXPECT_EQ(window->projectAsTyped().silencerTicks, u"19;"_s);
}

TEST_F(UnitWindowTest, CatalogueWithoutItsTablesEndsEachActionWithTheStoresMessage)
{
    const QString empty = dir.filePath(u"empty.sqlite"_s);
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    store::setAliasOverride(store::pritoshkaAlias(), empty);
    for (UnitKind kind : {UnitKind::Plain, UnitKind::Cooler}) {
        SCOPED_TRACE(int(kind));
        messages.clear();
        auto window = makeWindow(kind);
        ASSERT_EQ(messages.size(), 1); // the window opens and says what is missing
        EXPECT_EQ(child<QTableWidget>(window.get(), u"StringGrid_Kanal"_s)->rowCount(), 0);
        messages.clear();
        calculate(window.get());
        EXPECT_EQ(messages.size(), 1);
        EXPECT_EQ(child<QTabWidget>(window.get(), u"PageControl"_s)->currentIndex(),
            kind == UnitKind::Plain ? 0 : 1);
    }
}

// The unit window fits the workspace of a 1280 × 800 screen (about 740 pixels under the frame's menu and
// status bar, the inner window's title bar included) in every kind, with its "Далее >>" in sight: the input
// boxes scroll inside the page when the window is short, the buttons stay.
TEST_F(UnitWindowTest, FitsAWorkspaceOfAnOrdinaryLaptopScreenWithItsButtonsInSight)
{
    for (const UnitKind kind :
        {UnitKind::Plain, UnitKind::HeaterAndCooler, UnitKind::Heater, UnitKind::Cooler}) {
        auto window = makeWindow(kind);
        // Where there is room, the window opens showing every box without scrolling: it asks for all of them.
        const QWidget* boxes = child<QScrollArea>(window.get(), u"ScrollBox_Input"_s)->widget();
        EXPECT_GT(window->sizeHint().height(), boxes->sizeHint().height()) << int(kind);
        EXPECT_LE(window->minimumSizeHint().height(), 700) << int(kind);
        window->resize(window->width(), std::max(window->minimumSizeHint().height(), 600));
        QApplication::processEvents();
        for (const QString& name : {u"bNext"_s, u"bNextWithout"_s}) {
            auto* next = child<QPushButton>(window.get(), name);
            if (!next->isVisible())
                continue; // on the page not shown for this kind
            const QRect onWindow(next->mapTo(window.get(), QPoint(0, 0)), next->size());
            EXPECT_TRUE(window->rect().contains(onWindow)) << int(kind) << ' ' << name.toStdString();
        }
    }
}
