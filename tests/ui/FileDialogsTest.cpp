#include "ui/FileDialogs.h"
#include "support/WindowTesting.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

using FileDialogFolders = windowtesting::WindowTest;

// Each kind of file starts where the user last chose a file of that kind, at first in the documents; a
// folder that has gone sends the dialog back to the documents.
TEST_F(FileDialogFolders, EachKindStartsWhereItWasLastChosen)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("smoke")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("reports")));
    QString answer;
    QStringList folders;
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        folders << request.folder;
        return answer;
    });
    const QString smokeFilter = QStringLiteral("Проект расчета дымоудаления (*.smkprj) |*.smkprj");
    const QString reportFilter = QStringLiteral("Страницы (*.jpg) |*.jpg|Документ PDF (*.pdf) |*.pdf");
    const auto openSmoke
        = [&] { ui::getOpenFileName(nullptr, QStringLiteral("T"), smokeFilter, QStringLiteral("smkprj")); };
    const auto saveReport = [&] { ui::getSaveFileChoice(nullptr, QStringLiteral("T"), reportFilter); };

    answer = dir.filePath(QStringLiteral("smoke/a.smkprj"));
    openSmoke();
    answer.clear(); // cancelled dialogs remember nothing
    openSmoke();
    saveReport();
    answer = dir.filePath(QStringLiteral("reports/r.jpg"));
    saveReport();
    saveReport();
    answer.clear();
    openSmoke();
    EXPECT_EQ(folders,
        (QStringList {documents, dir.filePath(QStringLiteral("smoke")), documents, documents,
            dir.filePath(QStringLiteral("reports")), dir.filePath(QStringLiteral("smoke"))}));

    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("smoke"))).removeRecursively());
    folders.clear();
    openSmoke();
    EXPECT_EQ(folders, QStringList {documents});
}

// Opening or saving a project puts it at the front of its kind's recent list; a file that could not be
// read, or that has gone since, is not offered.
TEST_F(FileDialogFolders, RecentProjectsFollowWhatWasOpenedAndSaved)
{
    struct Tiny {
        QString projectName;
    };
    ProjectFileKind<Tiny> kind;
    kind.filter = QStringLiteral("Проект (*.tstprj) |*.tstprj");
    kind.suffix = QStringLiteral("tstprj");
    kind.recordSize = 4;
    kind.decode = [](const QByteArray& bytes, QChar) {
        return bytes == "GOOD" ? std::optional<Tiny>(Tiny {}) : std::nullopt;
    };
    kind.encode = [](const Tiny&, QChar) { return ProjectEncoding {QByteArray("GOOD"), {}}; };
    const QString a = dir.filePath(QStringLiteral("a.tstprj"));
    const QString b = dir.filePath(QStringLiteral("b.tstprj"));
    const QString bad = dir.filePath(QStringLiteral("bad.tstprj"));
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("BAD!");
    badFile.close();

    QString answer;
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest&) { return answer; });
    answer = a;
    ui::saveProjectFileAs(nullptr, kind, Tiny {QStringLiteral("a")});
    answer = b;
    ui::saveProjectFileAs(nullptr, kind, Tiny {QStringLiteral("b")});
    answer = bad;
    EXPECT_FALSE(ui::openProjectFile(nullptr, kind).has_value());
    EXPECT_EQ(ui::recentProjects(QStringLiteral("tstprj")), (QStringList {b, a}));

    answer = a;
    EXPECT_TRUE(ui::openProjectFile(nullptr, kind).has_value());
    EXPECT_EQ(ui::recentProjects(QStringLiteral("tstprj")), (QStringList {a, b}));
    ASSERT_TRUE(QFile::remove(a));
    EXPECT_EQ(ui::recentProjects(QStringLiteral("tstprj")), QStringList {b});
    EXPECT_TRUE(ui::recentProjects(QStringLiteral("smkprj")).isEmpty()) << "each kind has its own list";
}

} // namespace
