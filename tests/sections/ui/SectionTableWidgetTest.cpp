#include "sections/ui/SectionTableWidget.h"
#include "smoke/ui/TdgSMKCalkYchastok.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SectionTableWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c()); // "." as decimal mark
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
        ui::setQuestionSink([this](const QString& text) {
            questions << text;
            return true;
        });
        table.setDialog(&dialog);
        table.show();
    }
    void TearDown() override
    {
        ui::setMessageSink({});
        ui::setQuestionSink({});
    }

    template <typename T> T* dialogChild(const QString& name) { return dialog.findChild<T*>(name); }

    // Presses a button of the table; while the dialog is open, `fill` types into it and presses its
    // buttons as the user would.
    void press(const QString& button, const std::function<void()>& fill = {})
    {
        if (fill)
            QTimer::singleShot(0, &dialog, [this, fill] {
                fill();
                if (dialog.isVisible())
                    dialog.reject();
            });
        QTest::mouseClick(table.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void type(const QString& box, const QString& text) { dialogChild<SpinEditWidget>(box)->setText(text); }
    void click(const QString& button) { QTest::mouseClick(dialogChild<QPushButton>(button), Qt::LeftButton); }

    QString cell(int row, int column) const { return table.grid()->item(row, column)->text(); }

    TdgSMKCalkYchastok dialog;
    SectionTableWidget table {u"StringGrid_Ychastki"_s};
    QStringList messages;
    QStringList questions;
};

} // namespace

TEST_F(SectionTableWidgetTest, AddEditRemoveThroughTheDialog)
{
    EXPECT_EQ(table.grid()->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), u"N уч");
    EXPECT_EQ(cell(1, 1), u"сеч-е Fi,м2");
    EXPECT_EQ(cell(2, 0), u"1");

    // A bend: the length box goes, "> Расчет <" computes the coefficient, "ОК" adds the section.
    press(u"bAdd"_s, [this] {
        dialogChild<RadioGroupWidget>(u"RG_Vid"_s)->setItemIndex(1);
        EXPECT_FALSE(dialogChild<SpinEditWidget>(u"Input_Li"_s)->isVisible());
        EXPECT_EQ(dialogChild<QLabel>(u"Label_Value"_s)->text(), u"Радиус поворота - R, м:");
        type(u"Input_Fi"_s, u"0.785398"_s);
        type(u"Input_Value"_s, u"1"_s);
        click(u"CalkBtn"_s);
        EXPECT_EQ(dialogChild<SpinEditWidget>(u"Input_G"_s)->text(), u"0.38");
        click(u"OKBtn"_s);
    });
    EXPECT_EQ(table.grid()->rowCount(), 3); // the empty row was filled
    EXPECT_EQ(cell(2, 1), u"0.78");
    EXPECT_EQ(cell(2, 3), u"0.38");
    EXPECT_EQ(cell(2, 4), u"Металл");

    // A straight section: the dialog opens as it was left, so the kind is chosen again.
    press(u"bAdd"_s, [this] {
        dialogChild<RadioGroupWidget>(u"RG_Vid"_s)->setItemIndex(0);
        type(u"Input_Fi"_s, u"1.2"_s);
        type(u"Input_Li"_s, u"12"_s);
        click(u"OKBtn"_s);
    });
    ASSERT_EQ(table.grid()->rowCount(), 4);
    EXPECT_EQ(cell(3, 0), u"2");

    // A refused section keeps the dialog open with the message, and the table unchanged.
    press(u"bAdd"_s, [this] {
        dialogChild<RadioGroupWidget>(u"RG_Vid"_s)->setItemIndex(4);
        type(u"Input_Value"_s, u"1"_s);
        click(u"CalkBtn"_s);
        click(u"OKBtn"_s);
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_EQ(messages, QStringList {u"0 не может быть меньше или равно нулю?!"_s});
    EXPECT_EQ(table.grid()->rowCount(), 4);

    // Editing fills the dialog from the row; the number stays.
    table.grid()->setCurrentCell(3, 1);
    press(u"bEdit"_s, [this] {
        EXPECT_EQ(dialogChild<SpinEditWidget>(u"Input_Fi"_s)->text(), u"1.2");
        EXPECT_EQ(dialogChild<RadioGroupWidget>(u"RG_Vid"_s)->itemIndex(), 0);
        dialogChild<RadioGroupWidget>(u"RG_Material"_s)->setItemIndex(2);
        click(u"OKBtn"_s);
    });
    EXPECT_EQ(cell(3, 0), u"2");
    EXPECT_EQ(cell(3, 4), u"Кирпич");
    EXPECT_EQ(cell(3, 5), u"2.1");

    // Removing asks first; the rows below move up.
    table.grid()->setCurrentCell(2, 1);
    press(u"bRemove"_s);
    EXPECT_EQ(questions, QStringList {u"Удалить участок под номером 1 ?"_s});
    ASSERT_EQ(table.grid()->rowCount(), 3);
    EXPECT_EQ(cell(2, 0), u"1");
    EXPECT_EQ(cell(2, 4), u"Кирпич");
}

TEST_F(SectionTableWidgetTest, CancelChangesNothing)
{
    press(u"bAdd"_s, [this] {
        type(u"Input_Fi"_s, u"5"_s);
        QTest::mouseClick(dialogChild<QPushButton>(u"CancelBtn"_s), Qt::LeftButton);
    });
    EXPECT_EQ(cell(2, 1), u"");
    // Nothing to edit in the empty row.
    table.grid()->setCurrentCell(2, 1);
    press(u"bEdit"_s);
    EXPECT_FALSE(dialog.isVisible());
}
