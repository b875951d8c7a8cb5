#include "ui/FileDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogsTest, ProgramFiltersBecomeQtFilters)
{
    EXPECT_EQ(ui::toQtFilter(QStringLiteral("Проект (*.lumaprj) |*.lumaprj")),
        QStringLiteral("Проект (*.lumaprj)"));
    EXPECT_EQ(
        ui::toQtFilter(QStringLiteral("Отчет|*.QRP|Все|*.*")), QStringLiteral("Отчет (*.QRP);;Все (*.*)"));
    EXPECT_EQ(ui::toQtFilter(QStringLiteral("A (*.a);;B (*.b)")), QStringLiteral("A (*.a);;B (*.b)"));
}

TEST(FileDialogsTest, AnsweringFunctionSeesTheRequestAndGetsTheDefaultSuffix)
{
    ui::FileDialogRequest seen {};
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        seen = request;
        return QStringLiteral("/tmp/project");
    });
    EXPECT_EQ(ui::getSaveFileName(nullptr, QStringLiteral("T"), QStringLiteral("F|*.x"), QStringLiteral("x"),
                  QStringLiteral("name.x")),
        QStringLiteral("/tmp/project.x"));
    EXPECT_EQ(seen.kind, ui::FileDialogKind::Save);
    EXPECT_EQ(seen.initialName, QStringLiteral("name.x"));
    ui::setFileDialogAnswer([](const ui::FileDialogRequest&) { return QString(); });
    EXPECT_TRUE(ui::getOpenFileName(nullptr, QStringLiteral("T"), QString(), QStringLiteral("x")).isEmpty());
    ui::setFileDialogAnswer({});
}

} // namespace
