#include "heating/ui/HeatingUnitWindow.h"
#include "app/ProgramContext.h"
#include "app/TFormManual.h"
#include "heating/ui/HeatingUnitReportForm.h"
#include "heating/ui/HeatingUnitResultsWindow.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"
#include "support/WindowTesting.h"
#include "ui/FileDialogs.h"
#include "ui/GridColumns.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using windowtesting::child;
using windowtesting::click;
using windowtesting::setText;
using windowtesting::text;

namespace {

class HeatingUnitWindowTest : public windowtesting::WindowTest {
protected:
    HeatingUnitWindowTest()
    {
        program.windows().add<TFormManual>();
        program.windows().add<TFormVozdAgregatResLUMA>();
        program.windows().add<TQRep_VozdAgregatLUMA>();
    }

    TFormVozdAgregatResLUMA* results() { return program.windows().get<TFormVozdAgregatResLUMA>(); }

    std::unique_ptr<TMDIChildVozdAgregatLUMA> makeWindow()
    {
        auto window = std::make_unique<TMDIChildVozdAgregatLUMA>(program);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }

    ProgramContext program;
};

TEST_F(HeatingUnitWindowTest, RunWithTheDefaultsShowsTheSixModels)
{
    auto window = makeWindow();
    click(window.get(), u"bRun"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    ASSERT_TRUE(results()->isVisible());
    const QStringList names
        = {u"ЛУМА 1-2"_s, u"ЛУМА 1-3"_s, u"ЛУМА 2-2"_s, u"ЛУМА 2-3"_s, u"ЛУМА 3-2"_s, u"ЛУМА 3-3"_s};
    for (int column = 1; column <= 6; ++column) {
        EXPECT_EQ(results()->cellText(0, column), names.at(column - 1));
        EXPECT_EQ(results()->cellText(6, column), u"27.17");
    }
    EXPECT_EQ(results()->cellText(10, 1), u"12.07");
    EXPECT_EQ(results()->cellText(11, 1), u"3");
    EXPECT_EQ(results()->cellText(14, 1), u"3.579");
    EXPECT_EQ(results()->grid()->rowCount(), 25);
    EXPECT_EQ(results()->grid()->columnCount(), 7);
    // Every text stands whole in its cell, even drawn bold (sizes such as "683*480*…").
    const QTableWidget* grid = results()->grid();
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column)
            EXPECT_GE(grid->columnWidth(column), ui::cellWidthFor(grid, results()->cellText(row, column)))
                << results()->cellText(row, column).toStdString();
    }
}

TEST_F(HeatingUnitWindowTest, RefusedRunsLeaveTheResultsAsTheyWere)
{
    auto window = makeWindow();
    click(window.get(), u"bRun"_s);
    results()->hide();
    const struct {
        QString box;
        QString text;
        QString messageStart;
        QString focus;
    } cases[] = {
        {u"Input_tn"_s, u"20"_s, u"Температура воздуха внутри помещения должна быть больше"_s, QString()},
        {u"Input_tw2"_s, u"80"_s, u"Температура воды на выходе не может быть"_s, u"Input_tw1"_s},
        {u"Input_V"_s, u"0"_s, u"Внешний объем здания должен"_s, u"Input_V"_s},
        {u"Input_tw1"_s, u"8o"_s, u"Ошибочная запись числа: 8o"_s, u"Input_tw1"_s},
        // Gains above the loss leave no heat to give.
        {u"Input_Qp"_s, u"80"_s, u"Теплопритоки не меньше теплопотерь здания"_s, u"Input_Qp"_s},
    };
    for (const auto& c : cases) {
        const QString before = text(window.get(), c.box);
        setText(window.get(), c.box, c.text);
        messages.clear();
        click(window.get(), u"bRun"_s);
        ASSERT_FALSE(messages.isEmpty()) << c.box.toStdString();
        EXPECT_TRUE(messages.first().startsWith(c.messageStart)) << messages.first().toStdString();
        EXPECT_FALSE(results()->isVisible());
        if (!c.focus.isEmpty()) {
            // The window is not active offscreen; the widget that gets the focus when it is counts.
            QWidget* focused = window->focusWidget();
            QWidget* expected = child<QWidget>(window.get(), c.focus);
            EXPECT_TRUE(focused && (focused == expected || expected->isAncestorOf(focused)))
                << c.focus.toStdString();
        }
        setText(window.get(), c.box, before);
    }
    EXPECT_EQ(results()->cellText(6, 1), u"27.17");
}

TEST_F(HeatingUnitWindowTest, ModeSwitchShowsEitherTheBuildingOrTheGivenDemand)
{
    auto window = makeWindow();
    auto* mode = child<RadioGroupWidget>(window.get(), u"RG_Rasch"_s);
    const auto shown = [&](const QString& name) { return !child<QWidget>(window.get(), name)->isHidden(); };
    EXPECT_TRUE(shown(u"RG_V"_s));
    EXPECT_TRUE(shown(u"RadioGroupTip"_s));
    EXPECT_FALSE(shown(u"RG_Q"_s));
    mode->setItemIndex(1);
    EXPECT_FALSE(shown(u"RG_V"_s));
    EXPECT_FALSE(shown(u"RadioGroupTip"_s));
    EXPECT_TRUE(shown(u"RG_Q"_s));

    // In the given mode the volume is not read: a bad text there does not stop the run.
    setText(window.get(), u"Input_V"_s, u"x"_s);
    setText(window.get(), u"Input_Q"_s, u"50"_s);
    click(window.get(), u"bRun"_s);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(results()->cellText(6, 1), u"50");
    EXPECT_EQ(results()->cellText(8, 1), u"0");
    EXPECT_EQ(results()->cellText(7, 1), u"Тип 1");
}

TEST_F(HeatingUnitWindowTest, PrintShowsTheClickedModelWithoutPrices)
{
    auto window = makeWindow();
    child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Цех 5"_s);
    click(window.get(), u"bRun"_s);
    QTableWidget* grid = results()->grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(5, 3)).center());
    EXPECT_EQ(results()->printColumn(), 3);
    // A click on the titles keeps the picked model.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(5, 0)).center());
    EXPECT_EQ(results()->printColumn(), 3);
    EXPECT_TRUE(grid->item(12, 3)->font().bold());
    EXPECT_FALSE(grid->item(12, 1)->font().bold());

    TQRep_VozdAgregatLUMA* form = program.windows().get<TQRep_VozdAgregatLUMA>();
    EXPECT_GT(windowtesting::previewedPages(form->report(), [&] { click(results(), u"bPrint"_s); }), 0);

    EXPECT_FALSE(results()->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->labelText(u"QRLabelProjectName"_s), u"Цех 5");
    EXPECT_EQ(form->labelText(u"QRLabelValue0"_s), u"ЛУМА 2-2");
    EXPECT_EQ(form->labelText(u"QRLabelValue12"_s), results()->cellText(12, 3));
    EXPECT_EQ(form->labelText(u"QRLabelValue23"_s), u"72");
    EXPECT_TRUE(form->labelText(u"QRLabelPriceCaption"_s).isEmpty());
    EXPECT_TRUE(form->labelText(u"QRLabelTotal"_s).isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString(); // the picture was found

    // The air flow is printed with its unit, as the results grid gives it: a bare figure could be kg/h.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"luma.pdf"_s));
    ASSERT_TRUE(form->report().printTo(printer, false));
    EXPECT_TRUE(pdfText(printer.outputFileName()).contains(u"Расход воздуха (не менее), м3/ч:"_s));
}

TEST_F(HeatingUnitWindowTest, ClosedWindowHandsItsInputsToTheNextOne)
{
    {
        auto first = makeWindow();
        setText(first.get(), u"Input_tn"_s, u"-31"_s);
        setText(first.get(), u"Input_Qp"_s, u"7.5"_s);
        child<RadioGroupWidget>(first.get(), u"RG_Y"_s)->setItemIndex(3);
        child<RadioGroupWidget>(first.get(), u"RG_Rasch"_s)->setItemIndex(1);
        child<RadioGroupWidget>(first.get(), u"RadioGroupTip"_s)->setItemIndex(2);
        first->close();
    }
    auto second = makeWindow();
    EXPECT_EQ(text(second.get(), u"Input_tn"_s), u"-31");
    EXPECT_EQ(text(second.get(), u"Input_Qp"_s), u"7.5");
    EXPECT_EQ(text(second.get(), u"Input_V"_s), u"1000");
    EXPECT_EQ(child<RadioGroupWidget>(second.get(), u"RG_Y"_s)->itemIndex(), 3);
    EXPECT_EQ(child<RadioGroupWidget>(second.get(), u"RadioGroupTip"_s)->itemIndex(), 2);
    EXPECT_EQ(child<RadioGroupWidget>(second.get(), u"RG_Rasch"_s)->itemIndex(), 1);
    EXPECT_FALSE(child<QWidget>(second.get(), u"RG_Q"_s)->isHidden());
}

TEST_F(HeatingUnitWindowTest, StoredInputsStopAtTheFirstBadValue)
{
    {
        QFile ini(dir.filePath(u"user.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[ChildwinVozdAgregatLUMA]\nInput_tv=18\nInput_tn=\nInput_tw1=95\nInput_tw2=70\n"
                  "RadioGroupTip_ItemIndex=1\nRG_Y_ItemIndex=abc\nRG_Rasch_ItemIndex=1\nInput_V=2000\n");
    }
    auto window = makeWindow();
    EXPECT_EQ(text(window.get(), u"Input_tv"_s), u"18");
    EXPECT_EQ(text(window.get(), u"Input_tn"_s), u"-20"); // an empty text keeps the default
    EXPECT_EQ(text(window.get(), u"Input_tw1"_s), u"95");
    EXPECT_EQ(child<RadioGroupWidget>(window.get(), u"RadioGroupTip"_s)->itemIndex(), 1);
    EXPECT_EQ(child<RadioGroupWidget>(window.get(), u"RG_Y"_s)->itemIndex(), 0);
    EXPECT_EQ(child<RadioGroupWidget>(window.get(), u"RG_Rasch"_s)->itemIndex(), 0);
    EXPECT_EQ(text(window.get(), u"Input_V"_s), u"1000");
}

TEST_F(HeatingUnitWindowTest, ProjectDialogsAndAFailedSave)
{
    auto window = makeWindow();
    child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Склад"_s);
    const QString unwritable = dir.filePath(u"missing/p.lumaprj"_s);
    const windowtesting::ProjectDialogsAsked asked
        = windowtesting::askProjectDialogs([&] { click(window.get(), u"SpeedButton2"_s); },
            [&] { click(window.get(), u"SpeedButton1"_s); }, unwritable);
    EXPECT_EQ(asked.save.caption, u"Сохранение файла проекта расчета воздушных агрегатов ЛУМА *.lumaprj");
    EXPECT_EQ(asked.open.caption, u"Открытие файла проекта расчета воздушных агрегатов ЛУМА *.lumaprj");
    for (const ui::FileDialogRequest& request : {asked.save, asked.open}) {
        EXPECT_EQ(request.filter, u"Проект расчета воздушных агрегатов ЛУМА (*.lumaprj) |*.lumaprj");
        EXPECT_EQ(request.defaultSuffix, u"lumaprj");
    }
    EXPECT_EQ(asked.save.initialName, u"Склад.lumaprj");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(u"Не удается сохранить файл:"_s + unwritable + u"\n"_s))
        << messages.first().toStdString();
}

TEST_F(HeatingUnitWindowTest, ProjectsAreSavedAndLoadedThroughTheDialogs)
{
    auto window = makeWindow();
    child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Склад"_s);
    const QString path = dir.filePath(u"saved"_s);
    ui::FileDialogRequest asked {};
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        asked = request;
        return path;
    });
    click(window.get(), u"SpeedButton2"_s);
    EXPECT_EQ(asked.initialName, u"Склад.lumaprj");
    EXPECT_EQ(asked.defaultSuffix, u"lumaprj");
    EXPECT_EQ(QFile(path + u".lumaprj"_s).size(), 236);

    // A short file changes nothing.
    const heating::HeatingUnitProject before = window->inputsAsTyped();
    ui::setFileDialogAnswer(
        [](const ui::FileDialogRequest&) { return testSourcePath(u"heating/fixtures/short.lumaprj"_s); });
    click(window.get(), u"SpeedButton1"_s);
    EXPECT_EQ(messages,
        (QStringList {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s}));
    EXPECT_EQ(window->inputsAsTyped(), before);

    // A file written where the separator is "," loads here.
    messages.clear();
    ui::setFileDialogAnswer([](const ui::FileDialogRequest& request) {
        EXPECT_EQ(request.caption, u"Открытие файла проекта расчета воздушных агрегатов ЛУМА *.lumaprj");
        return testSourcePath(u"heating/fixtures/comma.lumaprj"_s);
    });
    click(window.get(), u"SpeedButton1"_s);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->text(), u"Склад №2");
    EXPECT_EQ(text(window.get(), u"Input_tv"_s), u"18.5");
    EXPECT_EQ(text(window.get(), u"Input_Q"_s), u"120.75");
    EXPECT_EQ(child<RadioGroupWidget>(window.get(), u"RG_Y"_s)->itemIndex(), 2);
    EXPECT_FALSE(child<QWidget>(window.get(), u"RG_Q"_s)->isHidden());
}

TEST_F(HeatingUnitWindowTest, DescriptionShowsTheUnitsTextAndKeepsTheCaption)
{
    auto window = makeWindow();
    TFormManual* manual = program.windows().get<TFormManual>();
    manual->setWindowTitle(u"Описание"_s);
    click(window.get(), u"bDescription"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_TRUE(manual->isVisible());
    EXPECT_EQ(manual->windowTitle(), u"Описание");
    EXPECT_TRUE(manual->document()->toPlainText().contains(u"ЛУМА"_s));
    manual->hide();
}

} // namespace
