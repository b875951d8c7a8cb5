#include "app/ProgramContext.h"
#include "app/TForm_Animate.h"
#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "fans/ui/FanSelectionWindow.h"
#include "fans/ui/FansFoundWindow.h"
#include "pressurization/SupplyFixtures.h"
#include "pressurization/SupplyProjectFile.h"
#include "pressurization/ui/TMDIChildPodpor.h"
#include "pressurization/ui/TdgPodporYchastok.h"
#include "support/CliRunner.h"
#include "support/WindowTesting.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using pressurization::SupplyProject;

namespace {

class SupplyWindowTest : public ::testing::Test {
public: // the cases of a table act through these helpers
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c()); // "." as decimal mark
        program.windows().add<TdgPodporYchastok>();
        program.windows().add<TFormGrVovazu>();
        program.windows().add<TForm_Animate>();
        program.setTaskWindowOpener([this](const QString& action) -> QWidget* {
            opened << action;
            selection = std::make_unique<TMDIChild>(program);
            return selection.get();
        });
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
        window = std::make_unique<TMDIChildPodpor>(program);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
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
    QStringList stepThrough(const SupplyProject& p)
    {
        window->applyInputs(p);
        return stepThrough();
    }

    void TearDown() override
    {
        window.reset();
        selection.reset();
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
    void click(const QString& button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void choose(const QString& radio) { child<QRadioButton>(radio)->click(); }
    int page() { return child<QTabWidget>(u"PageControl"_s)->currentIndex() + 1; }
    bool tabShown(int page) { return child<QTabWidget>(u"PageControl"_s)->isTabVisible(page - 1); }
    // The named widget that holds the window's focus widget (offscreen the window is never active).
    QString focused()
    {
        for (QWidget* w = window->focusWidget(); w; w = w->parentWidget()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s))
                return w->objectName();
        }
        return {};
    }
    QTableWidget* results() { return child<QTableWidget>(u"StringGrid_Run"_s); }
    QPushButton* run() { return child<QPushButton>(u"bRun"_s); }

    // A project of the scheme with a straight duct in every table, run up to its calculation.
    void calculate(bool SupplyProject::*scheme)
    {
        SupplyProject p = projectWithDucts();
        p.schemeShaft = false;
        p.*scheme = true;
        p.zoneFloors = u"6"_s; // zones of four would give fan 1 no air
        window->applyInputs(p);
        for (int step = 0; step < 5 && !run()->isEnabled(); ++step)
            click(u"bNext"_s);
        ASSERT_TRUE(run()->isEnabled()) << messages.join(u'\n').toStdString();
    }

    ProgramContext program;
    std::unique_ptr<TMDIChildPodpor> window;
    std::unique_ptr<TMDIChild> selection;
    QStringList opened;
    QStringList messages;
};

} // namespace

TEST_F(SupplyWindowTest, OpensOnTheFirstPageWithItsDefaults)
{
    EXPECT_EQ(window->windowTitle(), u"Расчет системы противодымной защиты:");
    EXPECT_EQ(window->inputsAsTyped(), SupplyProject());
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(child<QPushButton>(u"bPrev"_s)->isEnabled());
    EXPECT_EQ(child<QPushButton>(u"bNext"_s)->text(), u"Далее >>");
    EXPECT_FALSE(run()->isEnabled());
    EXPECT_EQ(run()->text(), u"Подбор вентилятора");
    EXPECT_EQ(results()->rowCount(), 0);
    EXPECT_EQ(child<RadioGroupWidget>(u"RB_Tambur"_s)->itemIndex(), 0);
    EXPECT_TRUE(child<QRadioButton>(u"RB_Vozduh_SH"_s)->isChecked());
    EXPECT_FALSE(tabShown(4));
    EXPECT_FALSE(tabShown(5));
    EXPECT_EQ(child<QPushButton>(u"bSaveToFile"_s)->text(), u"Отчет в файл");
    EXPECT_TRUE(child<QTextEdit>(u"JvRichEditOut"_s)->isReadOnly());
}

TEST_F(SupplyWindowTest, SchemeChoiceShowsItsPagesAndTheZoneStoreys)
{
    struct Case {
        QString radio;
        bool zone, page4, page5;
        QString secondFan;
    };
    const Case cases[] = {
        {u"RB_Vozduh_L2"_s, true, true, true,
            u"ВЕНТИЛЯТОР 2: (подающий воздух в верхнюю зону лестнич. клетки)"_s},
        {u"RB_Vozduh_L1"_s, false, true, false, u"ВЕНТИЛЯТОР 2: (подающий воздух в лестничную клетку)"_s},
        {u"RB_Vozduh_L"_s, false, false, false, u"ВЕНТИЛЯТОР 2: (подающий воздух в лестничную клетку)"_s},
        {u"RB_Vozduh_SH"_s, false, false, false, u"ВЕНТИЛЯТОР 2: (подающий воздух в лестничную клетку)"_s},
    };
    click(u"bNext"_s);
    ASSERT_EQ(page(), 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio.toStdString());
        choose(c.radio);
        EXPECT_EQ(child<SpinEditWidget>(u"Input_Nz"_s)->isVisible(), c.zone);
        EXPECT_EQ(tabShown(4), c.page4);
        EXPECT_EQ(tabShown(5), c.page5);
        bool titled = false;
        for (const QLabel* label : window->findChildren<QLabel*>())
            titled = titled || label->text() == c.secondFan;
        EXPECT_TRUE(titled);
    }
}

TEST_F(SupplyWindowTest, PagesRefuseWithTheirMessagesAndFocus)
{
    struct Case {
        const char* name;
        int page; // the page the refusal happens on
        void (*prepare)(SupplyWindowTest&);
        QStringList messages;
        QString focus;
    };
    const Case cases[] = {
        {"wind speed of zero", 1, [](SupplyWindowTest& t) { t.type(u"Input_V"_s, u"0"_s); },
            {u"0 не может быть меньше или равно нулю!"_s}, u"Input_V"_s},
        {"storeys unreadable", 1, [](SupplyWindowTest& t) { t.type(u"Input_N"_s, u"десять"_s); },
            badNumberMessages(u"десять"_s), u"Input_N"_s},
        {"smoke flow negative", 1, [](SupplyWindowTest& t) { t.type(u"Input_G"_s, u"-5"_s); },
            {u"-5 не может быть меньше или равно нулю!"_s}, u"Input_G"_s},
        {"outdoor air at absolute zero", 1, [](SupplyWindowTest& t) { t.type(u"Input_tn"_s, u"-273"_s); },
            {u"Температура наружного воздуха должна быть выше -273 °C."_s}, u"Input_tn"_s},
        {"five lifts", 1, [](SupplyWindowTest& t) { t.type(u"Input_m"_s, u"5"_s); },
            {u"Число лифтов в секции m должно быть от 2 до 4."_s}, u"Input_m"_s},
        {"zone taller than the building", 2,
            [](SupplyWindowTest& t) {
                t.choose(u"RB_Vozduh_L2"_s);
                t.type(u"Input_Nz"_s, u"11"_s);
            },
            {u"Число этажей в зоне Nз не может быть больше числа этажей в здании N."_s}, u"Input_Nz"_s},
        {"zone storeys of zero", 2,
            [](SupplyWindowTest& t) {
                t.choose(u"RB_Vozduh_L2"_s);
                t.type(u"Input_Nz"_s, u"0"_s);
            },
            {u"0 не может быть меньше или равно нулю!"_s}, u"Input_Nz"_s},
        {"empty table of fan 1", 3, [](SupplyWindowTest&) {},
            {u"Не задана площадь сечения и/или длина участка!"_s}, u"StringGrid_Ychastki"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->applyInputs(SupplyProject());
        messages.clear();
        while (page() < c.page) {
            click(u"bNext"_s);
            ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        }
        c.prepare(*this);
        click(u"bNext"_s);
        EXPECT_EQ(page(), c.page);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(focused(), c.focus);
        EXPECT_FALSE(run()->isEnabled());
    }
}

TEST_F(SupplyWindowTest, FinishedCalculationHandsTheSelectedRowToFanSelection)
{
    calculate(&SupplyProject::schemeZones);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(child<QPushButton>(u"bNext"_s)->text(), u"Расчет");
    EXPECT_TRUE(child<QTextEdit>(u"JvRichEditOut"_s)->toPlainText().contains(u"(14c)"_s));
    const auto& fans = window->wizard().result()->fans;
    ASSERT_EQ(results()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(results()->item(row, 0)->text(), QString::number(row + 1));
        // General format, 6 significant digits, cut two places after the mark.
        EXPECT_EQ(results()->item(row, 1)->text(),
            calcreport::cutAfterSeparator(QString::number(fans[row].flow, 'g', 6), u'.', 2));
    }
    EXPECT_EQ(run()->text(), u"Подбор вентилятора 1");
    EXPECT_TRUE(results()->item(0, 1)->font().bold());

    results()->setCurrentCell(1, 1);
    EXPECT_EQ(run()->text(), u"Подбор вентилятора 2");
    EXPECT_TRUE(results()->item(1, 2)->font().bold());
    EXPECT_FALSE(results()->item(0, 2)->font().bold());
    click(u"bRun"_s);
    ASSERT_EQ(opened, QStringList {u"ActionUniFanSelect"_s});
    ASSERT_TRUE(selection);
    const auto rounded = [&](int column) {
        return QString::number(roundHalfEven(results()->item(1, column)->text().toDouble()));
    };
    EXPECT_TRUE(selection->findChild<QRadioButton*>(u"RB_Podpor"_s)->isChecked());
    EXPECT_TRUE(selection->findChild<QRadioButton*>(u"RB_Stat"_s)->isChecked());
    EXPECT_EQ(selection->findChild<SpinEditWidget*>(u"Input_Q"_s)->text(), rounded(1));
    EXPECT_EQ(selection->findChild<SpinEditWidget*>(u"Input_Pstat"_s)->text(), rounded(2));
    const QListWidget* series = selection->findChild<QListWidget*>(u"ListView_Podpor"_s);
    ASSERT_GT(series->count(), 0);
    for (int i = 0; i < series->count(); ++i)
        EXPECT_EQ(series->item(i)->checkState(), Qt::Checked) << i;
    EXPECT_TRUE(selection->readRequest()) << messages.join(u'\n').toStdString();

    // A double click on the third row hands that one over.
    const QRect cell = results()->visualItemRect(results()->item(2, 1));
    QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(run()->text(), u"Подбор вентилятора 3");
    EXPECT_EQ(selection->findChild<SpinEditWidget*>(u"Input_Pstat"_s)->text(),
        QString::number(roundHalfEven(results()->item(2, 2)->text().toDouble())));

    // Back clears the results: no caption number, no button, no double click.
    click(u"bPrev"_s);
    EXPECT_EQ(results()->rowCount(), 0);
    EXPECT_EQ(run()->text(), u"Подбор вентилятора");
    EXPECT_FALSE(run()->isEnabled());
    window->openFanSelection();
    EXPECT_EQ(opened.size(), 2);
}

// A fan whose flow comes out at zero or below: the message names it, the report shows the calculation
// that led there, and no row goes to fan selection.
TEST_F(SupplyWindowTest, RefusedFanDutyIsReportedAndNotHandedOn)
{
    SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeZones = true; // the window's ten storeys in zones of four
    EXPECT_EQ(stepThrough(p),
        QStringList {
            u"Расход вентилятора 1 получается равным нулю или меньше нуля (-3975 м3/ч). В зоне слишком "
            u"мало этажей для здания. Исходные данные вне области применения методики расчета."_s});
    EXPECT_EQ(page(), 5);
    EXPECT_FALSE(run()->isEnabled());
    EXPECT_EQ(results()->rowCount(), 0);
    const QString report = child<QTextEdit>(u"JvRichEditOut"_s)->toPlainText();
    EXPECT_TRUE(report.contains(u"(14c)"_s));
    EXPECT_TRUE(report.contains(u"Qш = -3975.07 м3/ч"_s)) << report.toStdString();
    window->openFanSelection();
    EXPECT_TRUE(opened.isEmpty());
}

// zfn-cli pressurization lists the messages the window shows, in its order.
TEST_F(SupplyWindowTest, CliListsTheMessagesTheWindowShows)
{
    const auto project = [](void (*change)(SupplyProject&)) {
        SupplyProject p = projectWithDucts();
        change(p);
        return p;
    };
    const SupplyProject projects[] = {
        project([](SupplyProject& p) { p.windSpeed = u"2.2.2"_s; }),
        project([](SupplyProject& p) { p.lifts = u"1"_s; }),
        project([](SupplyProject& p) {
            p.schemeShaft = false;
            p.schemeZones = true;
            p.zoneFloors = u"12"_s;
        }),
        project([](SupplyProject& p) {
            p.schemeShaft = false;
            p.schemeSeparate = true;
            p.floors = u"3"_s;
        }),
        project([](SupplyProject& p) {
            sections::SectionTable table = straightDuctTable();
            sections::SectionRow bad = table.row(0);
            bad[sections::NumberColumn] = u"2"_s;
            bad[sections::AreaColumn] = u"0.3x"_s;
            table.setRows({table.row(0), bad});
            p.sections[0] = table;
        }),
        // A section without area is reported at its page's step and again at every later one.
        project([](SupplyProject& p) {
            p.schemeShaft = false;
            p.schemeSeparate = true;
            sections::SectionTable table = straightDuctTable();
            sections::SectionRow empty = table.row(0);
            empty[sections::NumberColumn] = u"2"_s;
            empty[sections::AreaColumn] = u"0"_s;
            table.setRows({table.row(0), empty});
            p.sections[0] = table;
        }),
        project([](SupplyProject&) {}),
    };
    QTemporaryDir dir;
    for (const SupplyProject& p : projects) {
        // The file the window loads is the one zfn-cli reads.
        const QString path = dir.filePath(u"p.podporprj"_s);
        ASSERT_FALSE(saveProjectFile(pressurization::supplyProjectFile(), path, p, QLatin1Char('.')));
        ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return path; });
        window->loadProject();
        const QStringList shown = stepThrough();
        const clirunner::JsonRun cli
            = clirunner::runCliJson({u"pressurization"_s, u"--project"_s, path, u"--json"_s});
        EXPECT_EQ(cli.json[u"messages"].toArray().toVariantList(), QVariant(shown).toList())
            << shown.join(u'\n').toStdString();
        EXPECT_EQ(cli.json[u"outcome"].toString() == u"ok", run()->isEnabled());
    }
}

TEST_F(SupplyWindowTest, ProjectDialogsAndAFailedSave)
{
    QTemporaryDir dir;
    window->applyInputs(projectWithDucts());
    const QString unwritable = dir.filePath(u"missing/p.podporprj"_s);
    const windowtesting::ProjectDialogsAsked asked = windowtesting::askProjectDialogs(
        [&] { click(u"SpeedButtonSave"_s); }, [&] { click(u"SpeedButtonOpen"_s); }, unwritable);
    // The texts the pressurization file has always had, "дымоудаления" included.
    EXPECT_EQ(asked.save.caption, u"Сохранение файла проекта расчета дымоудаления *.podporprj");
    EXPECT_EQ(asked.open.caption, u"Открытие файла проекта расчета дымоудаления *.podporprj");
    for (const ui::FileDialogRequest& request : {asked.save, asked.open}) {
        EXPECT_EQ(request.filter, u"Проект расчета дымоудаления (*.podporprj) |*.podporprj");
        EXPECT_EQ(request.defaultSuffix, u"podporprj");
    }
    EXPECT_EQ(asked.save.initialName, projectWithDucts().projectName + u".podporprj"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(u"Не удается сохранить файл:"_s + unwritable + u"\n"_s))
        << messages.first().toStdString();
}

TEST_F(SupplyWindowTest, LoadedZoneProjectComesBackOnPageOne)
{
    QTemporaryDir dir;
    SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeZones = true;
    p.zoneFloors = u"7"_s;
    p.projectName = u"Башня"_s;
    const QString path = dir.filePath(u"tower.podporprj"_s);
    ASSERT_FALSE(saveProjectFile(pressurization::supplyProjectFile(), path, p, QLatin1Char('.')));
    calculate(&SupplyProject::schemeShaft);
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        EXPECT_EQ(request.caption, u"Открытие файла проекта расчета дымоудаления *.podporprj");
        return path;
    });
    click(u"SpeedButtonOpen"_s);
    EXPECT_EQ(window->inputsAsTyped(), p);
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(run()->isEnabled());
    EXPECT_EQ(results()->rowCount(), 0);
    EXPECT_TRUE(tabShown(5));
    EXPECT_EQ(child<QTableWidget>(u"StringGrid_Ychastki_3"_s)->item(2, 2)->text(), u"10");
}

// A straight duct's cell holds its diameter in metres; a header of area alone would read 0.5 as 0.5 m².
TEST_F(SupplyWindowTest, SectionGridsNameTheDiameterOfStraightDucts)
{
    for (const QString& grid :
        {u"StringGrid_Ychastki"_s, u"StringGrid_Ychastki_2"_s, u"StringGrid_Ychastki_3"_s}) {
        auto* table = child<QTableWidget>(grid);
        EXPECT_EQ(table->item(0, 1)->text() + u' ' + table->item(1, 1)->text(), u"Сеч-е Fi, м2 или di, м")
            << grid.toStdString();
    }
}

TEST_F(SupplyWindowTest, SectionDialogOfTheSupplyDuct)
{
    auto* dialog = program.windows().get<TdgPodporYchastok>();
    EXPECT_EQ(dialog->windowTitle(), u"Задайте параметры участка подвода");
    auto* kinds = dialog->findChild<RadioGroupWidget*>(u"RG_Vid"_s);
    ASSERT_EQ(kinds->count(), 8);
    const auto areaBox = [&] { return dialog->findChild<SpinEditWidget*>(u"Input_Fi"_s); };
    const auto labelOf = [&](QWidget* box) {
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->buddy() == box)
                return label->text();
        }
        return QString();
    };
    EXPECT_EQ(labelOf(areaBox()), u"Диаметр, di:");
    kinds->setItemIndex(1); // "Зонт"
    EXPECT_EQ(labelOf(areaBox()), u"Площадь сечения, Fi:");
    EXPECT_EQ(dialog->findChild<QLabel*>(u"Label_Value"_s)->text(),
        u"Расстояние от края зонта до торца трубы - h, м:");
    dialog->findChild<SpinEditWidget*>(u"Input_Fi"_s)->setText(u"0.5"_s);
    dialog->findChild<SpinEditWidget*>(u"Input_Value"_s)->setText(u"0.5"_s);
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"CalckBtn"_s), Qt::LeftButton);
    EXPECT_EQ(dialog->findChild<SpinEditWidget*>(u"Input_G"_s)->text(), u"1");
    kinds->setItemIndex(3); // "Отвод 90 градусов": no length of its own
    EXPECT_FALSE(dialog->findChild<SpinEditWidget*>(u"Input_Li"_s)->isVisibleTo(dialog));
    // "Резкое сужение" with equal areas: 0.2 − 0.8 + 0.6 is zero, shown as such.
    kinds->setItemIndex(7);
    dialog->findChild<SpinEditWidget*>(u"Input_Value"_s)->setText(u"1"_s);
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"CalckBtn"_s), Qt::LeftButton);
    EXPECT_EQ(dialog->findChild<SpinEditWidget*>(u"Input_G"_s)->text(), u"0");
    kinds->setItemIndex(0);
}
