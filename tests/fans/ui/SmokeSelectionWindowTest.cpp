#include "fans/ui/SmokeSelectionWindow.h"
#include "app/ProgramContext.h"
#include "app/TForm_Animate.h"
#include "common/NumberText.h"
#include "fans/SmokeSelectedFan.h"
#include "fans/ui/SmokeFansFoundWindow.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedRecords.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"

#include "ui/report/CustomPlot.h"
#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A smoke-exhaust selection window on the bundled catalogue, with the user's messages recorded.
class SmokeWindowTest : public ::testing::Test {
protected:
    SmokeWindowTest()
    {
        program.windows().add<TFormGrVovazuSMK>();
        program.windows().add<TForm_Animate>();
    }
    void SetUp() override
    {
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
        window = std::make_unique<TMDIChildSMK>(program);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        ui::setMessageSink({});
    }
    TFormGrVovazuSMK* found() { return program.windows().get<TFormGrVovazuSMK>(); }

    template <typename T> T* control(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void type(const QString& box, const QString& text)
    {
        control<SpinEditWidget>(box)->setText({});
        QTest::keyClicks(control<SpinEditWidget>(box), text);
    }
    int fireClass() const { return control<RadioGroupWidget>(u"RadioGroupStoikost"_s)->itemIndex(); }

    ProgramContext program;
    std::unique_ptr<TMDIChildSMK> window;
    QStringList messages;
};

QString heading(QTableWidget* grid, int column)
{
    return grid->horizontalHeaderItem(column)->text();
}

} // namespace

TEST_F(SmokeWindowTest, StartsAsDesignedAndSwitchesGroups)
{
    EXPECT_EQ(window->windowTitle(), u"Подбор вентиляторов дымоудаления"_s);
    EXPECT_TRUE(control<QRadioButton>(u"RadioButton3"_s)->isChecked());
    EXPECT_GT(control<QListWidget>(u"ListViewCheckKr"_s)->count(), 0);
    EXPECT_GT(control<QListWidget>(u"ListViewCheckRadial"_s)->count(), 0);
    EXPECT_FALSE(control<QListWidget>(u"CheckListBox_D"_s)->isEnabled());
    EXPECT_EQ(fireClass(), 0);
    EXPECT_EQ(control<SpinEditWidget>(u"Input_T"_s)->text(), u"20"_s);
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(control<QCheckBox>(u"CheckBox%1"_s.arg(i))->isChecked()) << i;

    struct Case {
        const char16_t* radio;
        bool roof;
    };
    for (const Case c : {Case {u"RadioButton4", false}, Case {u"RadioButton3", true}}) {
        QTest::mouseClick(
            control<QRadioButton>(QString::fromUtf16(c.radio)), Qt::LeftButton, {}, QPoint(8, 8));
        SCOPED_TRACE(QString::fromUtf16(c.radio).toStdString());
        EXPECT_EQ(window->group(), c.roof ? fans::SmokeGroup::RoofWall : fans::SmokeGroup::RadialAxial);
        EXPECT_EQ(control<QListWidget>(u"ListViewCheckKr"_s)->isEnabled(), c.roof);
        EXPECT_EQ(control<QListWidget>(u"ListViewCheckRadial"_s)->isEnabled(), !c.roof);
        EXPECT_EQ(control<QRadioButton>(u"RadioButton3"_s)->isChecked(), c.roof);
        EXPECT_EQ(control<QRadioButton>(u"RadioButton4"_s)->isChecked(), !c.roof);
        EXPECT_EQ(control<SpinEditWidget>(u"Input_Pst"_s)->isEnabled(), c.roof);
        EXPECT_EQ(control<SpinEditWidget>(u"Input_Ptotal"_s)->isEnabled(), !c.roof);
        const QColor active = control<QRadioButton>(c.roof ? u"RadioButton3"_s : u"RadioButton4"_s)
                                  ->palette()
                                  .color(QPalette::WindowText);
        EXPECT_EQ(active, QColor(Qt::blue));
    }
}

TEST_F(SmokeWindowTest, HotGasSwitchesToSixHundredAndNeverBack)
{
    type(u"Input_T"_s, u"450"_s);
    EXPECT_EQ(fireClass(), 1);
    type(u"Input_T"_s, u"300"_s);
    EXPECT_EQ(fireClass(), 1);
    type(u"Input_T"_s, u"4x0"_s); // ignored silently
    EXPECT_EQ(fireClass(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SmokeWindowTest, ValidationMessagesAndFocus)
{
    const QString decimal = QString(systemDecimalSeparator());
    struct Case {
        const char* what;
        bool radial;
        QString t, q, p;
        QStringList messages;
        QString focused;
    };
    const Case cases[] = {
        {"temperature not a number", false, u"abc"_s, u"10000"_s, u"400"_s, badNumberMessages(u"abc"_s),
            u"Input_T"_s},
        {"absolute zero", false, u"-273"_s, u"10000"_s, u"400"_s,
            {u"Температура удаляемого дыма должна быть выше -273 °C!!!"_s}, u"Input_T"_s},
        {"no flow", false, u"20"_s, u"0"_s, u"400"_s,
            {u"Количество подаваемого воздуха должено быть больше нуля!!!"_s}, u"Input_Q"_s},
        {"roof fans without static pressure", false, u"20"_s, u"10000"_s, u"0"_s,
            {u"Статическое давление преодолеваемое вентилятором должно быть больше нуля!!!"_s},
            u"Input_Pst"_s},
        {"radial fans without total pressure", true, u"20"_s, u"10000"_s, u"0"_s,
            {u"Полное давление преодолеваемое вентилятором должно быть больше нуля!!!"_s}, u"Input_Ptotal"_s},
        {"no series ticked", false, u"20"_s, u"10000"_s, u"400"_s,
            {u"Отметьте галочкой, из каких серий вентиляторов необходимо произвести подбор?!"_s}, QString()},
    };
    for (const Case& c : cases) {
        SetUp();
        messages.clear();
        window->selectGroup(c.radial ? fans::SmokeGroup::RadialAxial : fans::SmokeGroup::RoofWall);
        type(u"Input_T"_s, c.t);
        type(u"Input_Q"_s, c.q);
        type(c.radial ? u"Input_Ptotal"_s : u"Input_Pst"_s, c.p);
        control<QPushButton>(u"Button1"_s)->click();
        EXPECT_EQ(messages, c.messages) << c.what;
        if (!c.focused.isEmpty()) {
            EXPECT_EQ(window->focusWidget(), control<QWidget>(c.focused)) << c.what;
        }
        EXPECT_FALSE(found()->isVisible()) << c.what;
    }
    // Diameters and poles are checked after the duty.
    SetUp();
    messages.clear();
    type(u"Input_Q"_s, u"10000"_s);
    type(u"Input_Pst"_s, u"400"_s);
    for (int i = 1; i <= 6; ++i)
        control<QCheckBox>(u"CheckBox%1"_s.arg(i))->setChecked(false);
    control<QPushButton>(u"Button1"_s)->click();
    EXPECT_EQ(messages,
        QStringList {
            u"Отметьте галочкой хотя бы одну! позицию Диапазопа подбора по частоте вращения рабочих колес "
            u"(по полюсности электродвигателя рабочих колес)"_s});
}

// A duty handed over by the smoke-exhaust calculation presets the window; the run fills the smoke-exhaust
// fans-found window with the 14 columns, the headings of the fire class and the titles of the group.
TEST_F(SmokeWindowTest, RoofAndRadialRunsFillTheFansFoundWindow)
{
    struct Case {
        fans::HandedSmokeDuty duty;
        const char16_t* temperature;
        const char16_t* pressureBox;
        const char16_t* list;
        const char16_t* fireHeading;
        const char16_t* axis;
    };
    const Case cases[] = {
        {{10000.4, 399.5, true, false}, u"20", u"Input_Pst", u"ListViewCheckKr", u"400°C/2часа",
            u"Статическое давление при заданной т-ре дыма, Па"},
        {{20000, 600, false, true}, u"400", u"Input_Ptotal", u"ListViewCheckRadial", u"600°C/2часа",
            u"Полное давление при заданной т-ре дыма, Па"},
    };
    for (const Case& c : cases) {
        SetUp();
        messages.clear();
        found()->hide();
        window->presetDuty(c.duty);
        SCOPED_TRACE(QString::fromUtf16(c.list).toStdString());
        EXPECT_EQ(control<SpinEditWidget>(u"Input_Q"_s)->text(), integerText(c.duty.flow));
        EXPECT_EQ(
            control<SpinEditWidget>(QString::fromUtf16(c.pressureBox))->text(), integerText(c.duty.pressure));
        EXPECT_EQ(fireClass(), c.duty.hotGas ? 1 : 0);
        const QListWidget* list = control<QListWidget>(QString::fromUtf16(c.list));
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->checkState(), Qt::Checked);
        type(u"Input_T"_s, QString::fromUtf16(c.temperature));
        window->runSelection();
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
        TFormGrVovazuSMK* window = found();
        ASSERT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), u"ЗФН: Выберите вентилятор дымоудаления"_s);
        auto* grid = window->findChild<QTableWidget*>(u"StringVOVAZU"_s);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->columnCount(), 14);
        EXPECT_GT(grid->rowCount(), 1);
        EXPECT_EQ(heading(grid, 10), u"Огнестойкость\n"_s + QString::fromUtf16(c.fireHeading));
        EXPECT_EQ(grid->columnWidth(4), 2);
        EXPECT_TRUE(grid->item(0, 1)->text().contains(u"ДУ-"_s));
        auto* chart = window->findChild<QCustomPlot*>(u"Chart1"_s);
        EXPECT_EQ(chart->yAxis->label(), QString::fromUtf16(c.axis));
        EXPECT_EQ(chart->xAxis->label(), u"Расход, (м3/час)"_s);
        EXPECT_EQ(window->findChild<QPushButton*>(u"Button1"_s)->text(), u"Закрыть"_s);
        EXPECT_EQ(
            window->smokeRun().fireClass, c.duty.hotGas ? fans::FireClass::C600 : fans::FireClass::C400);
        EXPECT_EQ(window->smokeRun().gasTemperatureText, QString::fromUtf16(c.temperature));
        EXPECT_EQ(window->smokeRun().roofRun, c.duty.roofFan);
    }
}

// "Подробно" makes the chosen fan the program's smoke-exhaust fan and hands the sheet its figures; the
// general selected fan is left alone.
TEST_F(SmokeWindowTest, DetailsHandTheChosenFanToTheSmokeSheet)
{
    window->presetDuty({10000, 400, true, false});
    window->runSelection();
    ASSERT_TRUE(found()->isVisible());
    QSignalSpy spy(found(), &TFormGrVovazuSMK::smokeDetailsRequested);
    found()->chooseFan(2);
    found()->findChild<QPushButton*>(u"Button2"_s)->click();
    ASSERT_EQ(spy.size(), 1);
    const auto fan = spy[0][0].value<fans::SelectedFan>();
    const auto values = spy[0][1].value<fans::SmokeSheetValues>();
    auto* grid = found()->findChild<QTableWidget*>(u"StringVOVAZU"_s);
    EXPECT_EQ(fan.designation, grid->item(1, 1)->text());
    EXPECT_DOUBLE_EQ(fan.flow, grid->item(1, 2)->text().toDouble());
    EXPECT_DOUBLE_EQ(fan.requiredFlow, 10000);
    EXPECT_EQ(values.caption, u"Характеристики выбранного вентилятора дымоудаления:  "_s + fan.designation);
    EXPECT_EQ(values.rows.size(), size_t(fans::SmokeSheetValues::rowCount));
    const auto& smokeFan = program.records().get<fans::SmokeSelectedFan>();
    ASSERT_TRUE(smokeFan.has_value());
    EXPECT_EQ(smokeFan->designation, fan.designation);
    EXPECT_FALSE(program.records().get<fans::SelectedFan>().has_value());
}
