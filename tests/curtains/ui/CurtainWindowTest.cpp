#include "app/ProgramContext.h"
#include "app/TForm_Foto.h"
#include "curtains/CurtainProjectFile.h"
#include "curtains/ui/CurtainReportForm.h"
#include "curtains/ui/CurtainResultsWindow.h"
#include "curtains/ui/CurtainTaskWindow.h"
#include "support/TestSupport.h"
#include "support/WindowTesting.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"
#include "ui/report/CustomPlot.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using curtains::Series;
using windowtesting::child;
using windowtesting::click;
using windowtesting::setText;
using windowtesting::text;

namespace {

class CurtainWindowTest : public windowtesting::WindowTest {
protected:
    CurtainWindowTest()
    {
        ui::SharedWindows& windows = program.windows();
        windows.add<TForm_Foto>();
        windows.add<TQRep_VozdZavesaORK>();
        windows.add<TFormVozdZavesaResORK>();
        windows.add<TQRep_VozdZavesaPLN>();
        windows.add<TFormVozdZavesaResPLN>();
        windows.add<TQRep_VozdZavesaTEM>();
        windows.add<TFormVozdZavesaResTEM>();
    }

    CurtainResultsWindow* resultsOf(Series series) { return curtainResultsWindow(program.windows(), series); }
    CurtainReportForm* formOf(Series series) { return curtainReportForm(program.windows(), series); }

    std::unique_ptr<CurtainTaskWindow> makeWindow(Series series)
    {
        std::unique_ptr<CurtainTaskWindow> window;
        switch (series) {
        case Series::Ork:
            window = std::make_unique<TMDIChildVozdZavesaORK>(program);
            break;
        case Series::Tem:
            window = std::make_unique<TMDIChildVozdZavesaTEM>(program);
            break;
        case Series::Pln:
            window = std::make_unique<TMDIChildVozdZavesaPLN>(program);
            break;
        }
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }
    static RadioGroupWidget* group(QWidget* window, const QString& name)
    {
        return child<RadioGroupWidget>(window, name);
    }

    ProgramContext program;
};

TEST_F(CurtainWindowTest, DefaultsOfEachSeriesShowTheCurtainAndItsJet)
{
    const struct {
        Series series;
        QString designation;
        QString flow;
        int rows;
        int points;
    } cases[] = {
        {Series::Ork, u"ОРК-4.208"_s, u"16500 м3/час"_s, 8, 41},
        {Series::Tem, u"ТЕМ-6.10"_s, u"17000 м3/час"_s, 9, 40},
        {Series::Pln, u"ПЛН-4-2*Б"_s, u"23970 м3/час"_s, 10, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designation.toStdString());
        auto window = makeWindow(c.series);
        click(window.get(), u"bRun"_s);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        CurtainResultsWindow* results = resultsOf(c.series);
        ASSERT_TRUE(results->isVisible());
        EXPECT_EQ(results->grid()->rowCount(), c.rows);
        EXPECT_EQ(results->cellText(0, 1), c.designation);
        EXPECT_EQ(results->cellText(c.series == Series::Pln ? 4 : 3, 1), c.flow);
        // Axis, both boundaries and the temperature points with their marks.
        QCustomPlot* chart = results->chart();
        EXPECT_EQ(chart->graph(0)->dataCount(), c.points);
        EXPECT_EQ(chart->graph(1)->dataCount(), c.points);
        EXPECT_EQ(chart->graph(3)->dataCount(), 3);
        EXPECT_EQ(chart->itemCount(), 5);
        EXPECT_EQ(chart->xAxis->label(),
            c.series == Series::Pln ? u"Расстояние по высоте ворот, мм" : u"Расстояние по ширине ворот, мм");
        // The printed form's chart is filled with the screen's.
        EXPECT_EQ(formOf(c.series)->chart()->graph(0)->dataCount(), c.points);
        results->hide();
    }
}

TEST_F(CurtainWindowTest, AnotherIndexRecomputesAndAnUnknownOneIsRefused)
{
    auto window = makeWindow(Series::Ork);
    group(window.get(), u"RadioGroupb1_b2"_s)->setItemIndex(1);
    click(window.get(), u"bRun"_s);
    CurtainResultsWindow* results = resultsOf(Series::Ork);
    QComboBox* index = results->indexBox();
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->count(), 5); // "01".."05" of model 2.2
    EXPECT_EQ(index->currentText(), u"05");
    EXPECT_EQ(results->cellText(3, 1), u"2*8000 м3/час");
    const QString velocity = results->cellText(4, 1);

    index->setCurrentIndex(1);
    Q_EMIT index->textActivated(index->currentText());
    EXPECT_EQ(results->cellText(0, 1), u"ОРК-2.202");
    EXPECT_NE(results->cellText(4, 1), velocity);
    // Typed beyond the model's largest index: accepted.
    index->setEditText(u"10"_s);
    Q_EMIT index->lineEdit()->editingFinished();
    EXPECT_EQ(results->cellText(0, 1), u"ОРК-2.210");
    EXPECT_TRUE(messages.isEmpty());

    const QString before = results->cellText(4, 1);
    index->setEditText(u"12"_s);
    Q_EMIT index->lineEdit()->editingFinished();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(u"не существует"_s));
    EXPECT_EQ(results->cellText(0, 1), u"ОРК-2.210");
    EXPECT_EQ(results->cellText(4, 1), before);
    EXPECT_EQ(index->currentText(), u"10");
}

// Enter typed into the size index recomputes the curtain and leaves the results window open.
TEST_F(CurtainWindowTest, EnterInTheIndexBoxRecomputesAndKeepsTheWindowOpen)
{
    auto window = makeWindow(Series::Ork);
    group(window.get(), u"RadioGroupb1_b2"_s)->setItemIndex(1);
    click(window.get(), u"bRun"_s);
    CurtainResultsWindow* results = resultsOf(Series::Ork);
    ASSERT_TRUE(results->isVisible());
    QLineEdit* index = results->indexBox()->lineEdit();
    index->setFocus();
    index->selectAll();
    QTest::keyClicks(index, u"02"_s);
    QTest::keyClick(index, Qt::Key_Return);
    EXPECT_EQ(results->cellText(0, 1), u"ОРК-2.202");
    EXPECT_TRUE(results->isVisible());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    results->hide();
}

TEST_F(CurtainWindowTest, RefusalsFocusTheirFieldAndKeepTheResults)
{
    auto window = makeWindow(Series::Tem);
    click(window.get(), u"bRun"_s);
    CurtainResultsWindow* results = resultsOf(Series::Tem);
    results->hide();
    const struct {
        QString box;
        QString text;
        QString messageStart;
        QString focus;
    } cases[] = {
        {u"Input_B"_s, u"0"_s, u"Ширина воротного проема, B не может"_s, u"Input_B"_s},
        {u"Input_tc"_s, u"25"_s, u"0°C  <  Ср.темп-ра струи 25  <  20°C"_s, u"Input_tc"_s},
        {u"Input_H"_s, u"2a"_s, u"Ошибочная запись числа: 2a"_s, u"Input_H"_s},
        // Beyond the boxes' bounds.
        {u"Input_B"_s, u"60"_s, u"Ширина воротного проема, B не может быть больше 50 м?!"_s, u"Input_B"_s},
        {u"Input_v"_s, u"51"_s, u"Скорость ветра, v: не может быть больше 50 м/с?!"_s, u"Input_v"_s},
    };
    for (const auto& c : cases) {
        const QString before = text(window.get(), c.box);
        setText(window.get(), c.box, c.text);
        messages.clear();
        click(window.get(), u"bRun"_s);
        ASSERT_FALSE(messages.isEmpty()) << c.box.toStdString();
        EXPECT_TRUE(messages.first().startsWith(c.messageStart)) << messages.first().toStdString();
        EXPECT_FALSE(results->isVisible());
        QWidget* focused = window->focusWidget();
        QWidget* expected = child<QWidget>(window.get(), c.focus);
        EXPECT_TRUE(focused && (focused == expected || expected->isAncestorOf(focused)))
            << c.focus.toStdString();
        setText(window.get(), c.box, before);
    }
    EXPECT_EQ(results->cellText(0, 1), u"ТЕМ-6.10");
}

TEST_F(CurtainWindowTest, CurtainShortOfTheRequiredFlowShowsItsResultsAndSaysSo)
{
    auto window = makeWindow(Series::Tem);
    group(window.get(), u"RG"_s)->setItemIndex(0); // the block section is limited …
    group(window.get(), u"RG_I"_s)->setItemIndex(3); // … to "600мм"
    click(window.get(), u"bRun"_s);
    CurtainResultsWindow* results = resultsOf(Series::Tem);
    EXPECT_TRUE(results->isVisible());
    EXPECT_EQ(results->cellText(3, 1), u"8300 м3/час");
    EXPECT_EQ(messages,
        QStringList {
            u"Расход воздуха завесы 8300 м3/час меньше требуемого 16259 м3/час: завеса не обеспечивает "
            u"расчетный расход воздуха. Измените исходные данные или ограничения."_s});
}

TEST_F(CurtainWindowTest, ChoicesShowTheirOwnControls)
{
    auto ork = makeWindow(Series::Ork);
    const auto shown = [](QWidget* w, const QString& name) { return !child<QWidget>(w, name)->isHidden(); };
    EXPECT_TRUE(shown(ork.get(), u"RadioGroupb1_b2"_s));
    EXPECT_FALSE(shown(ork.get(), u"RG_W"_s));
    group(ork.get(), u"RG_Tip"_s)->setItemIndex(1);
    EXPECT_TRUE(shown(ork.get(), u"RG_W"_s));
    EXPECT_TRUE(shown(ork.get(), u"RG_2_3"_s));
    EXPECT_FALSE(shown(ork.get(), u"RG_P1_P2"_s));
    group(ork.get(), u"RG_Tip"_s)->setItemIndex(3);
    EXPECT_TRUE(shown(ork.get(), u"RG_P1_P2"_s));
    EXPECT_FALSE(shown(ork.get(), u"RG_2_3"_s));
    group(ork.get(), u"RadioGroupb_v"_s)->setItemIndex(1);
    EXPECT_FALSE(shown(ork.get(), u"RadioGroupb1_b2"_s));

    auto tem = makeWindow(Series::Tem);
    EXPECT_FALSE(shown(tem.get(), u"RG_I"_s));
    group(tem.get(), u"RG"_s)->setItemIndex(0);
    EXPECT_TRUE(shown(tem.get(), u"RG_I"_s));
    // Limit 600 mm for a small gate flow: lowered until one block fits, on screen too.
    group(tem.get(), u"RG_I"_s)->setItemIndex(3);
    setText(tem.get(), u"Input_B"_s, u"1"_s);
    setText(tem.get(), u"Input_v"_s, u"0"_s);
    click(tem.get(), u"bRun"_s);
    EXPECT_LT(group(tem.get(), u"RG_I"_s)->itemIndex(), 3);

    auto pln = makeWindow(Series::Pln);
    EXPECT_FALSE(shown(pln.get(), u"RadioGroupb1_b2"_s)); // a top curtain at first
    EXPECT_TRUE(child<QRadioButton>(pln.get(), u"RB_YES"_s)->isChecked());
}

TEST_F(CurtainWindowTest, ClosedWindowsHandTheirInputsToTheNextOne)
{
    {
        auto ork = makeWindow(Series::Ork);
        setText(ork.get(), u"Input_B"_s, u"4,5"_s);
        setText(ork.get(), u"Input_tw2"_s, u"55"_s);
        group(ork.get(), u"RG_Tip"_s)->setItemIndex(3);
        group(ork.get(), u"RG_P1_P2"_s)->setItemIndex(1);
        group(ork.get(), u"RadioGroupTip"_s)->setItemIndex(2);
        group(ork.get(), u"RadioGroupb_v"_s)->setItemIndex(1); // not stored
        ork->close();
        auto pln = makeWindow(Series::Pln);
        child<QRadioButton>(pln.get(), u"RB_NO"_s)->setChecked(true);
        setText(pln.get(), u"Input_tw1"_s, u"90"_s);
        pln->close();
    }
    auto ork = makeWindow(Series::Ork);
    EXPECT_EQ(text(ork.get(), u"Input_B"_s), u"4,5");
    EXPECT_EQ(text(ork.get(), u"Input_tw2"_s), u"55");
    EXPECT_EQ(group(ork.get(), u"RG_Tip"_s)->itemIndex(), 3);
    EXPECT_EQ(group(ork.get(), u"RG_P1_P2"_s)->itemIndex(), 1);
    EXPECT_EQ(group(ork.get(), u"RadioGroupTip"_s)->itemIndex(), 2);
    EXPECT_EQ(group(ork.get(), u"RadioGroupb_v"_s)->itemIndex(), 0);
    auto pln = makeWindow(Series::Pln);
    EXPECT_TRUE(child<QRadioButton>(pln.get(), u"RB_NO"_s)->isChecked());
    EXPECT_EQ(text(pln.get(), u"Input_tw1"_s), u"90");
}

TEST_F(CurtainWindowTest, StoredInputsStopAtTheFirstBadValueAndIgnoreItemsOutsideTheirGroup)
{
    {
        QFile ini(dir.filePath(u"user.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[ChildwinVozdZavesaORK]\nInput_B=5\nInput_H=\nInput_tv=18\nInput_tn=-25\nInput_tc=10\n"
                  "Input_v=3\nInput_tw1=95\nInput_tw2=70\nRadioGroupTip_ItemIndex=9\nRG_Tip_ItemIndex=1\n"
                  "RG_2_3_ItemIndex=1\n");
    }
    auto window = makeWindow(Series::Ork);
    EXPECT_EQ(text(window.get(), u"Input_B"_s), u"5");
    EXPECT_EQ(text(window.get(), u"Input_H"_s), u"2"); // an empty text keeps the default
    EXPECT_EQ(text(window.get(), u"Input_tw2"_s), u"70");
    EXPECT_EQ(group(window.get(), u"RadioGroupTip"_s)->itemIndex(), 0); // 9 is no item
    EXPECT_EQ(group(window.get(), u"RG_Tip"_s)->itemIndex(), 1);
    EXPECT_EQ(group(window.get(), u"RG_2_3"_s)->itemIndex(), 1);
    EXPECT_EQ(group(window.get(), u"RG_P1_P2"_s)->itemIndex(), 0); // missing: default

    // A missing text ends the reading as well: what follows it keeps the defaults.
    {
        QFile ini(dir.filePath(u"user.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::Append));
        ini.write("[ChildwinVozdZavesaTEM]\nInput_B=6\nInput_H=3\nInput_tn=-30\nRG_Tip_ItemIndex=1\n");
    }
    auto tem = makeWindow(Series::Tem);
    EXPECT_EQ(text(tem.get(), u"Input_H"_s), u"3");
    EXPECT_EQ(text(tem.get(), u"Input_tv"_s), u"20");
    EXPECT_EQ(text(tem.get(), u"Input_tn"_s), u"-20");
    EXPECT_EQ(group(tem.get(), u"RG_Tip"_s)->itemIndex(), 0);
}

TEST_F(CurtainWindowTest, ProjectsAreSavedAndLoadedThroughTheDialogs)
{
    auto window = makeWindow(Series::Tem);
    child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Ворота 3"_s);
    group(window.get(), u"RG"_s)->setItemIndex(0);
    group(window.get(), u"RG_I"_s)->setItemIndex(2);
    const QString path = dir.filePath(u"saved.temprj"_s);
    ui::FileDialogRequest asked {};
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        asked = request;
        return path;
    });
    click(window.get(), u"SpeedButton2"_s);
    EXPECT_EQ(asked.initialName, u"Ворота 3.temprj");
    EXPECT_EQ(QFile(path).size(), 272);

    auto other = makeWindow(Series::Tem);
    click(other.get(), u"SpeedButton1"_s);
    EXPECT_EQ(other->inputsAsTyped(), window->inputsAsTyped());
    EXPECT_FALSE(child<QWidget>(other.get(), u"RG_I"_s)->isHidden());

    // A short file changes nothing.
    const curtains::CurtainProject before = other->inputsAsTyped();
    ui::setFileDialogAnswer(
        [](const ui::FileDialogRequest&) { return testSourcePath(u"curtains/fixtures/short.orkprj"_s); });
    click(other.get(), u"SpeedButton1"_s);
    EXPECT_EQ(messages,
        (QStringList {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s}));
    EXPECT_EQ(other->inputsAsTyped(), before);
}

TEST_F(CurtainWindowTest, ProjectDialogsOfEachSeriesAndAFailedSave)
{
    const struct {
        Series series;
        QString name; // as the dialogs name the series
        QString suffix;
    } cases[] = {
        {Series::Ork, u"ОРК"_s, u"orkprj"_s},
        {Series::Tem, u"ТЕМ"_s, u"temprj"_s},
        {Series::Pln, u"ТЭРНА"_s, u"ternaprj"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suffix.toStdString());
        messages.clear();
        auto window = makeWindow(c.series);
        child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u"Ворота"_s);
        const QString unwritable = dir.filePath(u"missing/p."_s + c.suffix);
        const windowtesting::ProjectDialogsAsked asked
            = windowtesting::askProjectDialogs([&] { click(window.get(), u"SpeedButton2"_s); },
                [&] { click(window.get(), u"SpeedButton1"_s); }, unwritable);
        const QString files = u" *."_s + c.suffix;
        EXPECT_EQ(
            asked.save.caption, u"Сохранение файла проекта расчета воздушной завесы "_s + c.name + files);
        EXPECT_EQ(asked.open.caption, u"Открытие файла проекта расчета воздушной завесы "_s + c.name + files);
        for (const ui::FileDialogRequest& request : {asked.save, asked.open}) {
            EXPECT_EQ(request.filter,
                u"Проект расчета воздушной завесы "_s + c.name + u" (*."_s + c.suffix + u") |*."_s
                    + c.suffix);
            EXPECT_EQ(request.defaultSuffix, c.suffix);
        }
        EXPECT_EQ(asked.save.initialName, u"Ворота."_s + c.suffix);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().startsWith(u"Не удается сохранить файл:"_s + unwritable + u"\n"_s))
            << messages.first().toStdString();
    }
}

TEST_F(CurtainWindowTest, PrintFillsTheFormAndPreviewsIt)
{
    auto window = makeWindow(Series::Pln);
    child<QLineEdit>(window.get(), u"Input_ProjectName"_s)->setText(u" Склад "_s);
    group(window.get(), u"RG_Tip"_s)->setItemIndex(2); // electric: blocks А and Б
    click(window.get(), u"bRun"_s);
    CurtainResultsWindow* results = resultsOf(Series::Pln);
    CurtainReportForm* form = formOf(Series::Pln);
    EXPECT_EQ(windowtesting::previewedPages(form->report(), [&] { click(results, u"bPrint"_s); }), 1);
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(form->labelText(u"QRLabelName"_s), u"ПЛН-2-2*АЭ-1*БЭ");
    EXPECT_EQ(form->labelText(u"QRLabelValue15"_s), u"Склад");
    EXPECT_EQ(form->labelText(u"QRLabelBlock0_1"_s), u"ПЛН2АЭ");
    EXPECT_EQ(form->labelText(u"QRLabelBlock0_2"_s), u"ПЛН2БЭ");
    EXPECT_EQ(form->labelText(u"QRLabelBlock8_0"_s), u"Мощность электронагревателя, кВт:");
    EXPECT_FALSE(form->labelText(u"QRLabelBlock8_1"_s).isEmpty());
    EXPECT_TRUE(form->labelText(u"QRLabelBlock9_0"_s).isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

} // namespace
