#include "fans/ui/FanSelectionWindow.h"
#include "app/ProgramContext.h"
#include "app/TForm_Animate.h"
#include "fans/SelectionMessages.h"
#include "fans/ui/FansFoundWindow.h"
#include "ui/Messages.h"
#include "ui/SpinEditWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A selection window on the bundled catalogue, with the user's messages recorded instead of shown.
class SelectionWindowTest : public ::testing::Test {
protected:
    SelectionWindowTest()
    {
        program.windows().add<TFormGrVovazu>();
        program.windows().add<TForm_Animate>();
    }
    void SetUp() override
    {
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
        window = std::make_unique<TMDIChild>(program);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        ui::setMessageSink({});
    }
    TFormGrVovazu* found() { return program.windows().get<TFormGrVovazu>(); }

    template <typename T> T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Tick boxes and radio buttons react to clicks on their indicator and caption only.
    void click(const QString& name)
    {
        QAbstractButton* button = control<QAbstractButton>(name);
        const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, indicator ? QPoint(8, button->height() / 2) : QPoint());
    }
    void tickAllSeries(const QString& list)
    {
        QListWidget* series = control<QListWidget>(list);
        for (int i = 0; i < series->count(); ++i)
            series->item(i)->setCheckState(Qt::Checked);
    }
    void setText(const QString& box, const QString& text) { control<SpinEditWidget>(box)->setText(text); }

    ProgramContext program;
    std::unique_ptr<TMDIChild> window;
    QStringList messages;
};

} // namespace

TEST_F(SelectionWindowTest, GroupRuleSetsPressureFieldsSizesAndLists)
{
    struct Case {
        const char16_t* radio;
        bool sizesVisible, fullEnabled, fullChecked, statEnabled, statChecked;
        const char16_t* activeList;
        const char16_t* activeButton;
    };
    const Case cases[] = {
        {u"RB_Krysh", false, false, false, true, true, u"ListView_Krysh", u"Button4"},
        {u"RB_Podpor", false, true, true, true, false, u"ListView_Podpor", u"Button5"},
        {u"RB_Kanal", true, true, true, false, false, u"Open_ListView", u"Button3"},
    };
    for (const Case& c : cases) {
        const QString radio = QString::fromUtf16(c.radio);
        click(radio);
        SCOPED_TRACE(radio.toStdString());
        EXPECT_TRUE(control<QRadioButton>(radio)->isChecked());
        EXPECT_EQ(control<QGroupBox>(u"GroupBox5"_s)->isVisible(), c.sizesVisible);
        EXPECT_EQ(control<QRadioButton>(u"RB_Full"_s)->isEnabled(), c.fullEnabled);
        EXPECT_EQ(control<QRadioButton>(u"RB_Full"_s)->isChecked(), c.fullChecked);
        EXPECT_EQ(control<QRadioButton>(u"RB_Stat"_s)->isEnabled(), c.statEnabled);
        EXPECT_EQ(control<QRadioButton>(u"RB_Stat"_s)->isChecked(), c.statChecked);
        EXPECT_EQ(control<QWidget>(u"Input_P"_s)->isEnabled(), c.fullChecked);
        EXPECT_EQ(control<QWidget>(u"Input_Pstat"_s)->isEnabled(), c.statChecked);
        int checkedRadios = 0;
        for (const QString& list : {u"Open_ListView"_s, u"ListView_Krysh"_s, u"ListView_Podpor"_s})
            EXPECT_EQ(control<QListWidget>(list)->isEnabled(), list == QString::fromUtf16(c.activeList));
        for (const QString& button : {u"Button3"_s, u"Button4"_s, u"Button5"_s})
            EXPECT_EQ(
                control<QPushButton>(button)->isEnabled(), button == QString::fromUtf16(c.activeButton));
        for (const QString& r : {u"RB_Kanal"_s, u"RB_Krysh"_s, u"RB_Podpor"_s})
            checkedRadios += control<QRadioButton>(r)->isChecked();
        EXPECT_EQ(checkedRadios, 1);
    }
    // Pressurization fans may be chosen by static pressure.
    click(u"RB_Podpor"_s);
    click(u"RB_Stat"_s);
    EXPECT_FALSE(control<QWidget>(u"Input_P"_s)->isEnabled());
    EXPECT_TRUE(control<QWidget>(u"Input_Pstat"_s)->isEnabled());
}

// A pressurization calculation hands its fan duty over at static pressure.
TEST_F(SelectionWindowTest, PresetDutyOfAPressurizationFan)
{
    window->presetDuty(7300, 180, fans::FanGroup::Pressurization, fans::PressureKind::Static);
    EXPECT_TRUE(control<QRadioButton>(u"RB_Podpor"_s)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(u"RB_Stat"_s)->isChecked());
    EXPECT_TRUE(control<QWidget>(u"Input_Pstat"_s)->isEnabled());
    EXPECT_EQ(control<SpinEditWidget>(u"Input_Q"_s)->text(), u"7300"_s);
    EXPECT_EQ(control<SpinEditWidget>(u"Input_Pstat"_s)->text(), u"180"_s);
    click(u"Button5"_s);
    click(u"Button1"_s);
    const auto request = window->readRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->pressure, 180);
    EXPECT_EQ(request->pressureKind, fans::PressureKind::Static);
    EXPECT_FALSE(request->series.empty());
}

TEST_F(SelectionWindowTest, TickAllButtonsAndThePhaseRule)
{
    click(u"RB_Podpor"_s);
    QListWidget* list = control<QListWidget>(u"ListView_Podpor"_s);
    ASSERT_GT(list->count(), 0);
    for (bool ticked : {true, false}) {
        click(u"Button5"_s);
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->checkState() == Qt::Checked, ticked);
        EXPECT_EQ(control<QPushButton>(u"Button5"_s)->text(), ticked ? u"[ ]"_s : u"[v]"_s);
    }

    click(u"CheckBox1Faz"_s); // single-phase cleared
    click(u"CheckBox3Faz"_s); // clearing three-phase too ticks single-phase again
    EXPECT_FALSE(control<QCheckBox>(u"CheckBox3Faz"_s)->isChecked());
    EXPECT_TRUE(control<QCheckBox>(u"CheckBox1Faz"_s)->isChecked());
}

// Each fault of the inputs: its messages in order, and where the focus goes.
TEST_F(SelectionWindowTest, ValidationMessagesAndFocus)
{
    const QString badNumber = u"Ошибочная запись числа: "_s;
    const QString flowMessage = u"Количество подаваемого воздуха должено быть больше нуля!!!"_s;
    const QString pressureMessage = u"Создаваемый напор должен быть больше нуля!!!"_s;
    struct Case {
        const char* what;
        std::function<void()> setUp;
        QString firstMessage;
        int messageCount;
        QString focused; // empty: focus not checked
    };
    const Case cases[] = {
        {"emptied flow", [&] { setText(u"Input_Q"_s, QString()); }, badNumber, 3, u"Input_Q"_s},
        {"zero flow", [&] { setText(u"Input_Q"_s, u"0"_s); }, flowMessage, 1, u"Input_Q"_s},
        {"negative pressure", [&] { setText(u"Input_P"_s, u"-10"_s); }, pressureMessage, 1, u"Input_P"_s},
        {"emptied static pressure of roof fans",
            [&] {
                click(u"RB_Krysh"_s);
                setText(u"Input_Pstat"_s, QString());
            },
            badNumber, 3, u"Input_Pstat"_s},
        {"no diameter",
            [&] {
                click(u"RadioButton2"_s);
                auto* list = control<QListWidget>(u"CheckListBox_D"_s);
                for (int i = 0; i < list->count(); ++i)
                    list->item(i)->setCheckState(Qt::Unchecked);
            },
            u"Отметьте галочкой хотя бы один! диаметр колеса, чтобы произвести подбор?!"_s, 1, {}},
        {"no duct size",
            [&] {
                click(u"RadioButton4"_s);
                auto* list = control<QListWidget>(u"ListViewBox_AB"_s);
                for (int i = 0; i < list->count(); ++i)
                    list->item(i)->setCheckState(Qt::Unchecked);
            },
            u"Отметьте галочкой хотя бы один! размер канала вентиляционной системы, чтобы произвести подбор?!"_s,
            1, {}},
        {"no poles",
            [&] {
                for (const QString& box : {u"CheckBox1"_s, u"CheckBox2"_s, u"CheckBox3"_s, u"CheckBox4"_s})
                    click(box);
            },
            u"Отметьте галочкой хотя бы одну! позицию Диапазопа подбора по частоте вращения рабочих колес "
            u"(по "
            u"полюсности электродвигателя рабочих колес)"_s,
            1, {}},
        {"no series", [] {}, fans::messages::noSeriesTicked(), 1, {}},
    };
    for (const Case& c : cases) {
        SetUp();
        messages.clear();
        c.setUp();
        click(u"Button1"_s);
        ASSERT_EQ(messages.size(), c.messageCount) << c.what << ": " << messages.join(u'|').toStdString();
        EXPECT_EQ(messages[0], c.firstMessage) << c.what; // an emptied text adds nothing to the first message
        if (!c.focused.isEmpty()) {
            EXPECT_EQ(window->focusWidget(), control<QWidget>(c.focused)) << c.what;
        }
        EXPECT_FALSE(found()->isVisible()) << c.what;
    }
}

// The boxes keep what was typed, keystroke by keystroke, and read it with the user's decimal mark only:
// the other mark is neither dropped nor taken for a thousands separator.
TEST_F(SelectionWindowTest, TypedNumbersReadWithTheUsersDecimalMark)
{
    const QLocale userLocale;
    const struct {
        QLocale::Language language;
        const char16_t* flow;
        const char16_t* pressure;
        std::optional<double> flowRead;
    } cases[] = {
        {QLocale::C, u"5000,5", u"480.5", std::nullopt},
        {QLocale::C, u"5000.5", u"480.5", 5000.5},
        {QLocale::Russian, u"5000.5", u"480,5", std::nullopt},
        {QLocale::Russian, u"5000,5", u"480,5", 5000.5},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        SetUp();
        messages.clear();
        const QString flow = QString::fromUtf16(c.flow);
        SCOPED_TRACE(flow.toStdString());
        tickAllSeries(u"Open_ListView"_s);
        const std::pair<QString, QString> typed[]
            = {{u"Input_Q"_s, flow}, {u"Input_P"_s, QString::fromUtf16(c.pressure)}};
        for (const auto& [box, text] : typed) {
            control<SpinEditWidget>(box)->setText({});
            QTest::keyClicks(control<SpinEditWidget>(box), text);
            EXPECT_EQ(control<SpinEditWidget>(box)->text(), text);
        }
        const auto request = window->readRequest();
        EXPECT_EQ(request.has_value(), c.flowRead.has_value());
        if (request) {
            EXPECT_EQ(request->flow, *c.flowRead);
            EXPECT_EQ(request->pressure, 480.5);
            EXPECT_TRUE(messages.isEmpty());
        } else {
            ASSERT_EQ(messages.size(), 3);
            EXPECT_EQ(messages[0], u"Ошибочная запись числа: "_s + flow);
            EXPECT_EQ(window->focusWidget(), control<QWidget>(u"Input_Q"_s));
        }
    }
    QLocale::setDefault(userLocale);
}

TEST_F(SelectionWindowTest, RunFillsTheFansFoundWindow)
{
    tickAllSeries(u"Open_ListView"_s);
    click(u"Button1"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    ASSERT_TRUE(found()->isVisible());
    auto* list = found()->findChild<QListWidget*>(u"ListBoxVOVAZU"_s);
    ASSERT_GE(list->count(), 5);
    EXPECT_EQ(found()->gridRow(), 0); // no fan chosen yet
    EXPECT_FALSE(program.windows().get<TForm_Animate>()->isVisible()); // the run showed it and closed it
}

// "С регулированием частоты вращения" is off by default with its minimum speed locked; ticked, "Подбор" runs
// the selection with speed control at the minimum speed given.
TEST_F(SelectionWindowTest, SpeedControlBoxRunsTheSpeedControlledSelection)
{
    auto* box = control<QCheckBox>(u"CheckBox_Regul"_s);
    auto* minSpeed = control<QSpinBox>(u"SpinEdit_MinN"_s);
    EXPECT_EQ(box->text(), u"С регулированием частоты вращения"_s);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(minSpeed->isEnabled());
    EXPECT_EQ(minSpeed->value(), 30);

    tickAllSeries(u"Open_ListView"_s);
    click(u"CheckBox_Regul"_s);
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(minSpeed->isEnabled());
    minSpeed->setValue(90);
    click(u"Button1"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    ASSERT_TRUE(found()->isVisible());
    auto* grid = found()->findChild<QTableWidget*>(u"StringVOVAZU"_s);
    ASSERT_GE(grid->rowCount(), 1);
    EXPECT_EQ(grid->columnCount(), 12);
    for (int row = 0; row < grid->rowCount(); ++row)
        EXPECT_GE(grid->item(row, 3)->text().toDouble(), 90) << grid->item(row, 1)->text().toStdString();

    // A duty no fan reaches at any speed: the selection's messages.
    minSpeed->setValue(30);
    setText(u"Input_Q"_s, u"500000"_s);
    click(u"Button1"_s);
    EXPECT_EQ(
        messages, QStringList({fans::messages::nothingAccepted(), fans::messages::nothingAcceptedHint()}));

    // Unticked, the general selection runs as before.
    messages.clear();
    setText(u"Input_Q"_s, u"5000"_s);
    click(u"CheckBox_Regul"_s);
    EXPECT_FALSE(minSpeed->isEnabled());
    click(u"Button1"_s);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    EXPECT_EQ(grid->columnCount(), 19);
}

// Enter in a box of the window runs "Подбор", as the window's default button; a focused button takes its
// own Enter ("Закрыть" closes, it does not select).
TEST_F(SelectionWindowTest, EnterRunsTheSelection)
{
    auto* flow = control<SpinEditWidget>(u"Input_Q"_s);
    flow->setText(u"0"_s);
    QTest::keyClick(flow, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList {u"Количество подаваемого воздуха должено быть больше нуля!!!"_s});

    messages.clear();
    QTest::keyClick(control<SpinEditWidget>(u"Input_P"_s), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(messages.size(), 1) << "the keypad's Enter too";

    messages.clear();
    auto* close = control<QPushButton>(u"Button2"_s);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(window->isVisible());
}
