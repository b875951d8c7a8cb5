#include "ui/FileDialogs.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a dialog looked like while it waited for the user.
struct ShownDialog {
    QWidget* parent = nullptr;
    QWindow* transientParent = nullptr;
    bool staysOnTop = false;
};

// Runs `raise`, which opens a modal dialog, and closes the dialog as soon as it shows.
std::optional<ShownDialog> dialogShownBy(const std::function<void()>& raise)
{
    std::optional<ShownDialog> shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = ShownDialog {dialog->parentWidget(), dialog->windowHandle()->transientParent(),
            dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
        dialog->reject();
    });
    raise();
    return shown;
}

} // namespace

// A results window that stays on top is open beside the input window. Whatever message box or file
// dialog the program shows belongs to the window that raised it and opens above the results window;
// with no such window open, dialogs keep the ordinary layer.
TEST(DialogOwner, DialogsOpenAboveTheWindowThatRaisedThemAndAboveStayOnTopWindows)
{
    QWidget input;
    input.setWindowTitle(u"Ввод"_s);
    QWidget results(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    results.setWindowTitle(u"Результаты расчета: "_s);
    QWidget* inputField = new QWidget(&input);

    const std::function<void()> message = [] { ui::showMessage(u"Проверка"_s); };
    const std::function<void()> question = [] { ui::askYesNo(u"Продолжить?"_s); };
    const std::function<void()> saveDialog
        = [&] { ui::getSaveFileName(inputField, u"Сохранить"_s, u"Проект (*.lumaprj)"_s, u"lumaprj"_s); };
    const std::function<void()> openDialog
        = [&] { ui::getOpenFileName(nullptr, u"Открыть"_s, u"Проект (*.lumaprj)"_s, u"lumaprj"_s); };
    const struct {
        const char* what;
        const std::function<void()>& raise;
        bool resultsShown;
        QWidget* activeWindow;
    } cases[] = {
        {"message", message, true, &input},
        {"question", question, true, &input},
        {"save dialog of a control", saveDialog, true, &input},
        {"open dialog", openDialog, true, &input},
        {"message of the results window", message, true, &results},
        {"message without a stay-on-top window", message, false, &input},
        {"file dialog without a stay-on-top window", saveDialog, false, &input},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        input.show();
        results.setVisible(c.resultsShown);
        c.activeWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.activeWindow));
        const auto shown = dialogShownBy(c.raise);
        ASSERT_TRUE(shown.has_value()) << "no dialog";
        EXPECT_EQ(shown->parent, c.activeWindow);
        EXPECT_EQ(shown->transientParent, c.activeWindow->windowHandle());
        EXPECT_EQ(shown->staysOnTop, c.resultsShown);
    }
}
