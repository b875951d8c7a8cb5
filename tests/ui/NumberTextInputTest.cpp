#include "ui/Messages.h"
#include "ui/NumberInput.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window with one control of every kind a number is typed into, and a recorder of messages.
class NumberControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        spin = new QDoubleSpinBox(&window);
        combo = new QComboBox(&window);
        other = new QLineEdit(&window);
        combo->setEditable(true);
        for (QWidget* w : {static_cast<QWidget*>(other), static_cast<QWidget*>(edit),
                 static_cast<QWidget*>(spin), static_cast<QWidget*>(combo)})
            layout->addWidget(w);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
    }
    void TearDown() override { ui::setMessageSink({}); }

    QWidget window;
    QLineEdit* edit = nullptr;
    QDoubleSpinBox* spin = nullptr;
    QComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    QStringList messages;
};

} // namespace

TEST_F(NumberControls, ReadsTheTextOfEachKindOfControl)
{
    edit->setText(u" 1500 "_s);
    combo->setEditText(u"2,5"_s);
    spin->setLocale(QLocale(QLocale::Russian));
    spin->setSuffix(u" м/с"_s);
    spin->setValue(3.25);

    EXPECT_EQ(ui::readNumber(edit, QLatin1Char(',')), 1500.0);
    EXPECT_EQ(ui::readNumber(combo, QLatin1Char(',')), 2.5);
    EXPECT_EQ(ui::numberControlText(spin), u"3,25"_s);
    EXPECT_EQ(ui::readNumber(spin, QLatin1Char(',')), 3.25);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(NumberControls, BadTextShowsThreeMessagesAndTakesTheFocus)
{
    const struct {
        QWidget* control;
        QString text;
    } cases[] = {{edit, u""_s}, {edit, u" 2.5 "_s}, {combo, u"abc"_s}};
    for (const auto& c : cases) {
        messages.clear();
        other->setFocus();
        if (c.control == edit)
            edit->setText(c.text);
        else
            combo->setEditText(c.text);

        EXPECT_FALSE(ui::readNumber(c.control, QLatin1Char(',')).has_value());
        ASSERT_EQ(messages.size(), 3);
        EXPECT_EQ(messages[0], u"Ошибочная запись числа: "_s + c.text);
        EXPECT_TRUE(messages[1].startsWith(u" В десятичной записи числа"_s));
        EXPECT_TRUE(messages[2].startsWith(u" Разделитель (допустим"_s));
        EXPECT_EQ(QApplication::focusWidget(), c.control->focusProxy() ? c.control->focusProxy() : c.control);
    }
}
