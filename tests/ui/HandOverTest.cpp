#include "ui/HandOver.h"
#include "app/ProgramContext.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Duty {
    double flow = 0;
};

class DutyWindow : public QWidget, public ui::Receives<Duty> {
public:
    void receive(const Duty& duty) override { received = duty.flow; }
    double received = 0;
};

} // namespace

// The value reaches the window the action opens; a window of an action that takes no such value is an
// error in the program, never a silent loss of the duty; with no frame nothing opens.
TEST(HandOverTest, ReachesTheOpenedWindowOrFailsLoudly)
{
    ProgramContext program;
    EXPECT_EQ(ui::handOver(program, u"ActionDuty"_s, Duty {1500}), nullptr);

    std::unique_ptr<QWidget> opened;
    QStringList actions;
    program.setTaskWindowOpener([&](const QString& action) -> QWidget* {
        actions << action;
        if (action == u"ActionDuty")
            opened = std::make_unique<DutyWindow>();
        else
            opened = std::make_unique<QWidget>();
        return opened.get();
    });
    QWidget* window = ui::handOver(program, u"ActionDuty"_s, Duty {1500});
    ASSERT_EQ(window, opened.get());
    EXPECT_EQ(static_cast<DutyWindow*>(window)->received, 1500);

    EXPECT_THROW(ui::handOver(program, u"ActionOther"_s, Duty {1500}), ui::HandOverError);
    EXPECT_EQ(actions, QStringList({u"ActionDuty"_s, u"ActionOther"_s}));
}
