#include "app/ProgramContext.h"
#include "app/TaskWindowFactory.h"
#include "common/NumberText.h"
#include "fans/ui/SmokeSelectionWindow.h"
#include "smoke/SmokeFixtures.h"
#include "smoke/SmokeProjectFile.h"
#include "smoke/ui/TMDIChildSmkCalk.h"
#include "smoke/ui/TdgSMKCalkYchastok.h"
#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "support/WindowTesting.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

class SmokeCalcWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c()); // "." as decimal mark
        ASSERT_TRUE(dir.isValid());
        program.windows().add<TdgSMKCalkYchastok>();
        // The frame's way of opening task windows, without the frame.
        program.setTaskWindowOpener([this](const QString& action) -> QWidget* {
            opened << action;
            selection.reset(createTaskWindow(action, program));
            return selection.get();
        });
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
        window = std::make_unique<TMDIChildSmkCalk>(program);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    void TearDown() override
    {
        ui::setMessageSink({});
        ui::setFileDialogAnswer({});
    }

    template <typename T> T* child(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void type(const QString& box, const QString& text) { child<SpinEditWidget>(box)->setText(text); }
    void click(const QString& button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    int page() { return child<QTabWidget>(u"PageControl"_s)->currentIndex() + 1; }
    // The control that has the focus when the window is active (offscreen it never is): the named
    // widget that holds the window's focus widget.
    QString focused()
    {
        for (QWidget* w = window->focusWidget(); w; w = w->parentWidget()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s))
                return w->objectName();
        }
        return {};
    }
    QString report() { return child<QTextEdit>(u"JvRichEditOut"_s)->toPlainText(); }
    // Presses "Далее" until a press leaves the page as it was (the calculation ran or a step refused);
    // the messages the window showed on the way.
    QStringList stepThrough()
    {
        messages.clear();
        for (int step = 0; step < 6; ++step) {
            const int before = page();
            click(u"bNext"_s);
            if (page() == before)
                break;
        }
        return messages;
    }
    QStringList stepThrough(const smoke::SmokeProject& p)
    {
        window->applyInputs(p);
        return stepThrough();
    }

    QTemporaryDir dir;
    ProgramContext program;
    std::unique_ptr<TMDIChildSmkCalk> window;
    std::unique_ptr<QWidget> selection; // the last task window opened
    QStringList opened;
    QStringList messages;
};

} // namespace

TEST_F(SmokeCalcWindowTest, OpensOnTheFirstPageWithItsDefaults)
{
    EXPECT_EQ(window->windowTitle(), u"Расчет системы дымоудаления:");
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(child<QPushButton>(u"bPrev"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(u"bRun"_s)->isEnabled());
    EXPECT_EQ(child<QPushButton>(u"bNext"_s)->text(), u"Далее >>");
    EXPECT_EQ(window->inputsAsTyped(), smoke::defaultSmokeProject());
    // Residential: the door is asked for, the room and the corridor choice are not.
    EXPECT_TRUE(child<SpinEditWidget>(u"Input_H"_s)->isVisible());
    EXPECT_FALSE(child<SpinEditWidget>(u"Input_A"_s)->isVisible());
    EXPECT_FALSE(child<QRadioButton>(u"RB_X"_s)->isVisible());
    EXPECT_TRUE(child<QRadioButton>(u"RB_SNIP"_s)->isVisible());

    // A room of another building: its area and height, the reservoir and the fire perimeter.
    child<QRadioButton>(u"RB_D"_s)->click();
    child<QRadioButton>(u"RB_P"_s)->click();
    EXPECT_FALSE(child<SpinEditWidget>(u"Input_H"_s)->isVisible());
    EXPECT_TRUE(child<SpinEditWidget>(u"Input_A"_s)->isVisible());
    EXPECT_TRUE(child<SpinEditWidget>(u"Input_Yz"_s)->isVisible());
    EXPECT_TRUE(child<SpinEditWidget>(u"Input_Pf"_s)->isVisible());
    EXPECT_FALSE(child<QRadioButton>(u"RB_SNIP"_s)->isVisible());
    child<QRadioButton>(u"RB_C"_s)->click();
    EXPECT_FALSE(child<SpinEditWidget>(u"Input_Pf"_s)->isVisible());
    EXPECT_FALSE(child<SpinEditWidget>(u"Input_Yz"_s)->isVisible());

    // "Расчитать" proposes Pf = 0.38 · √A.
    child<QRadioButton>(u"RB_R"_s)->click();
    type(u"Input_A"_s, u"400"_s);
    click(u"bCalck_Pf"_s);
    EXPECT_EQ(child<SpinEditWidget>(u"Input_Pf"_s)->text(), u"7.6");

    // Clicking a tab does not change the page.
    QTabBar* tabs = child<QTabWidget>(u"PageControl"_s)->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(page(), 1);
}

TEST_F(SmokeCalcWindowTest, StepsStopWithTheirMessagesAndFocus)
{
    type(u"Input_H"_s, u"2,5"_s);
    click(u"bNext"_s);
    EXPECT_EQ(messages, badNumberMessages(u"2,5"_s));
    EXPECT_EQ(focused(), u"Input_H");
    EXPECT_EQ(page(), 1);
    EXPECT_TRUE(report().contains(u"ИСХОДНЫЕ ДАННЫЕ"_s));

    messages.clear();
    type(u"Input_H"_s, u"2"_s);
    click(u"bNext"_s);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(child<QPushButton>(u"bPrev"_s)->isEnabled());
    EXPECT_TRUE(report().contains(u"Высота двери, H:  2 м"_s)) << report().toStdString();

    click(u"bNext"_s);
    ASSERT_EQ(page(), 3);
    type(u"Input_Fk"_s, u"0"_s);
    click(u"bNext"_s);
    EXPECT_EQ(messages, QStringList {u"Значение не может быть меньше или равно нулю."_s});
    EXPECT_EQ(focused(), u"Input_Fk");
    EXPECT_EQ(page(), 3);

    messages.clear();
    type(u"Input_Fk"_s, u"1"_s);
    click(u"bNext"_s);
    ASSERT_EQ(page(), 4);
    click(u"bNext"_s); // the empty section table
    EXPECT_EQ(messages, QStringList {u"Не задана площадь сечения и/или длина шахты?!"_s});
    EXPECT_EQ(focused(), u"StringGrid_Ychastki");
    EXPECT_EQ(page(), 4);

    click(u"bPrev"_s);
    EXPECT_EQ(page(), 3);
}

TEST_F(SmokeCalcWindowTest, CalculationHandsTheDutyToFanSelection)
{
    window->applyInputs(smoke::corridorProject());
    for (int step = 1; step < 5; ++step)
        click(u"bNext"_s);
    ASSERT_EQ(page(), 5) << messages.join(u'\n').toStdString();
    EXPECT_EQ(child<QPushButton>(u"bNext"_s)->text(), u"Расчет");
    EXPECT_TRUE(child<SpinEditWidget>(u"Input_Lv"_s)->isVisible());
    click(u"bNext"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(page(), 5);
    EXPECT_TRUE(report().contains(u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s));
    EXPECT_TRUE(report().contains(u"175.65 Па"_s)) << report().toStdString();
    ASSERT_TRUE(child<QPushButton>(u"bRun"_s)->isEnabled());
    const std::optional<SmokeDuty> duty = smoke::smokeDuty(window->wizard());
    ASSERT_TRUE(duty);
    EXPECT_NEAR(duty->flow, 17861.703007504988, 1e-6);
    EXPECT_FALSE(duty->roofFan);

    // The smoke-exhaust fan selection opens with the duty filled in: radial and axial fans, every series
    // of them ticked, flow and total pressure in whole numbers.
    click(u"bRun"_s);
    EXPECT_EQ(opened, QStringList {u"ActionSmkFanSelect"_s});
    auto* fanSelection = qobject_cast<TMDIChildSMK*>(selection.get());
    ASSERT_NE(fanSelection, nullptr);
    EXPECT_EQ(fanSelection->group(), fans::SmokeGroup::RadialAxial);
    EXPECT_EQ(fanSelection->findChild<SpinEditWidget*>(u"Input_Q"_s)->text(), u"17862");
    EXPECT_EQ(
        fanSelection->findChild<SpinEditWidget*>(u"Input_Ptotal"_s)->text(), integerText(duty->pressure));
    EXPECT_EQ(fanSelection->findChild<RadioGroupWidget*>(u"RadioGroupStoikost"_s)->itemIndex(),
        duty->hotGas ? 1 : 0);
    const QListWidget* series = fanSelection->findChild<QListWidget*>(u"ListViewCheckRadial"_s);
    ASSERT_GT(series->count(), 0);
    for (int i = 0; i < series->count(); ++i)
        EXPECT_EQ(series->item(i)->checkState(), Qt::Checked) << series->item(i)->text().toStdString();

    // Back keeps the duty: it is handed on until the next step.
    click(u"bPrev"_s);
    EXPECT_EQ(page(), 4);
    EXPECT_TRUE(child<QPushButton>(u"bRun"_s)->isEnabled());
    click(u"bRun"_s);
    EXPECT_EQ(opened.size(), 2);
    // The next step starts again: no duty button until the next calculation.
    click(u"bNext"_s);
    EXPECT_FALSE(child<QPushButton>(u"bRun"_s)->isEnabled());
    EXPECT_FALSE(report().contains(u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s));
}

TEST_F(SmokeCalcWindowTest, ProjectFileSavesLoadsAndRefusesDamage)
{
    window->applyInputs(smoke::corridorProject());
    const QString path = dir.filePath(u"corridor.smkprj"_s);
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        EXPECT_EQ(request.defaultSuffix, u"smkprj");
        return path;
    });
    window->saveProject();
    EXPECT_TRUE(messages.isEmpty());

    TMDIChildSmkCalk other(program);
    other.loadProject();
    EXPECT_EQ(other.inputsAsTyped(), smoke::corridorProject());
    EXPECT_EQ(other.findChild<QTableWidget*>(u"StringGrid_Ychastki"_s)->rowCount(), 4);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();
    window->applyInputs(smoke::residentialProject());
    window->loadProject();
    EXPECT_EQ(messages,
        QStringList({u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s}));
    EXPECT_EQ(window->inputsAsTyped(), smoke::residentialProject());
}

TEST_F(SmokeCalcWindowTest, ProjectDialogsAndAFailedSave)
{
    window->applyInputs(smoke::corridorProject());
    const QString unwritable = dir.filePath(u"missing/p.smkprj"_s);
    const windowtesting::ProjectDialogsAsked asked
        = windowtesting::askProjectDialogs([&] { windowtesting::click(window.get(), u"SpeedButtonSave"_s); },
            [&] { windowtesting::click(window.get(), u"SpeedButtonOpen"_s); }, unwritable);
    EXPECT_EQ(asked.save.caption, u"Сохранение файла проекта расчета дымоудаления *.smkprj");
    EXPECT_EQ(asked.open.caption, u"Открытие файла проекта расчета дымоудаления *.smkprj");
    for (const ui::FileDialogRequest& request : {asked.save, asked.open}) {
        EXPECT_EQ(request.filter, u"Проект расчета дымоудаления (*.smkprj) |*.smkprj");
        EXPECT_EQ(request.defaultSuffix, u"smkprj");
    }
    EXPECT_EQ(asked.save.initialName, smoke::corridorProject().projectName + u".smkprj"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(u"Не удается сохранить файл:"_s + unwritable + u"\n"_s))
        << messages.first().toStdString();
}

TEST_F(SmokeCalcWindowTest, ReportGoesToPageImagesOrPdf)
{
    window->applyInputs(smoke::corridorProject());
    for (int step = 1; step <= 5; ++step)
        click(u"bNext"_s);
    QString chosen = dir.filePath(u"Отчет.txt"_s);
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        EXPECT_EQ(request.caption, u"Сохранить отчет как текстовый файл");
        return chosen;
    });
    click(u"bSaveToFile"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({u"*.jpg"_s}, QDir::Files, QDir::Name),
        QStringList({u"Отчет_1.jpg"_s, u"Отчет_2.jpg"_s, u"Отчет_3.jpg"_s}));
    chosen = dir.filePath(u"Отчет.pdf"_s);
    click(u"bSaveToFile"_s);
    EXPECT_TRUE(QFile::exists(chosen));

    // A name typed without extension is written in the format of the filter chosen: the PDF filter gives
    // the report as a PDF of text, not pictures.
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        EXPECT_TRUE(request.filter.contains(u"Документ PDF (*.pdf)"_s));
        return ui::FileDialogChoice(dir.filePath(u"Сводка"_s), 1);
    });
    click(u"bSaveToFile"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    const QString text = lettersAndDigits(pdfText(dir.filePath(u"Сводка.pdf"_s)));
    EXPECT_TRUE(text.contains(lettersAndDigits(u"РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"_s))) << text.toStdString();
    EXPECT_TRUE(
        text.contains(lettersAndDigits(u"Задано: Количество клапанов дымоудаления на одном этаже, Nк: 2"_s)));
    EXPECT_TRUE(QDir(dir.path()).entryList({u"Сводка*.jpg"_s}, QDir::Files).isEmpty());
}

// Values the formulas have no case for are refused on their page with the focus on their box; a duty no
// fan can be selected for is reported and not handed on.
TEST_F(SmokeCalcWindowTest, ValuesAndDutiesOutsideTheMethodAreRefused)
{
    smoke::SmokeProject doors = smoke::roomProject(u"5"_s, u"12"_s);
    doors.doorCount = u"4"_s;
    EXPECT_EQ(
        stepThrough(doors), QStringList {u"Количество последовательных дверей Kd должно быть от 1 до 3."_s});
    EXPECT_EQ(page(), 2);
    EXPECT_EQ(focused(), u"Input_Kd");

    smoke::SmokeProject valves = smoke::corridorProject();
    valves.valvesPerFloor = u"3"_s;
    EXPECT_EQ(stepThrough(valves),
        QStringList {u"Количество клапанов дымоудаления на одном этаже Nк должно быть от 1 до 2."_s});
    EXPECT_EQ(page(), 3);
    EXPECT_EQ(focused(), u"Input_Nk");

    smoke::SmokeProject tall = smoke::corridorProject();
    tall.heightDifference = u"100"_s;
    EXPECT_EQ(stepThrough(tall),
        QStringList {
            u"Давление вентилятора получается равным нулю или меньше нуля (-230 Па). Естественная тяга Pт "
            u"при перепаде высот dH больше потерь давления в сети. Исходные данные вне области применения "
            u"методики расчета."_s});
    EXPECT_EQ(page(), 5);
    EXPECT_FALSE(child<QPushButton>(u"bRun"_s)->isEnabled());
    EXPECT_TRUE(report().contains(u"-230.29 Па"_s)) << report().toStdString();
    window->openFanSelection();
    EXPECT_TRUE(opened.isEmpty());
}

// zfn-cli smoke lists the messages the window shows, in its order.
TEST_F(SmokeCalcWindowTest, CliListsTheMessagesTheWindowShows)
{
    const auto project = [](smoke::SmokeProject p, void (*change)(smoke::SmokeProject&)) {
        change(p);
        return p;
    };
    const smoke::SmokeProject projects[] = {
        project(smoke::corridorProject(), [](smoke::SmokeProject& p) { p.doorHeight = u"3.5.1"_s; }),
        // An unreadable room area is shown at every step and does not stop it.
        project(smoke::roomProject(u"2"_s, u"5"_s), [](smoke::SmokeProject& p) { p.roomArea = u"abc"_s; }),
        project(smoke::roomProject(u"5"_s, u"12"_s), [](smoke::SmokeProject& p) { p.doorCount = u"4"_s; }),
        project(smoke::corridorProject(), [](smoke::SmokeProject& p) { p.heightDifference = u"100"_s; }),
        smoke::withSectionCell(smoke::corridorProject(), 1, sections::AreaColumn, u"x"_s),
        smoke::corridorProject(),
    };
    for (const smoke::SmokeProject& p : projects) {
        // The file the window loads is the one zfn-cli reads.
        const QString path = dir.filePath(u"p.smkprj"_s);
        ASSERT_FALSE(saveProjectFile(smoke::smokeProjectFile(), path, p, QLatin1Char('.')));
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
        window->loadProject();
        const QStringList shown = stepThrough();
        const clirunner::JsonRun cli = clirunner::runCliJson({u"smoke"_s, u"--project"_s, path, u"--json"_s});
        EXPECT_EQ(cli.json[u"messages"].toArray().toVariantList(), QVariant(shown).toList())
            << shown.join(u'\n').toStdString();
        EXPECT_EQ(cli.json[u"outcome"].toString() == u"ok", child<QPushButton>(u"bRun"_s)->isEnabled());
    }
}
