#include "common/FileHistory.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

files::PathExists existingOf(const QStringList& paths)
{
    const QSet<QString> set(paths.begin(), paths.end());
    return [set](const QString& path) { return set.contains(path); };
}

} // namespace

TEST(FileHistory, EachKindOfFileIsNamedByItsExtension)
{
    const struct {
        const char* filter;
        const char* suffix;
        const char* key;
    } cases[] = {
        {"Проект расчета дымоудаления (*.smkprj) |*.smkprj", "smkprj", "smkprj"},
        {"Сохраненные отчеты (*.QRP)", "QRP", "qrp"},
        {"Страницы отчета (*.jpg) |*.jpg|Документ PDF (*.pdf) |*.pdf", "", "jpg"},
        {"Документ PDF (*.pdf)", "", "pdf"},
        {"Все файлы (*)", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(files::fileKindKey(QString::fromUtf8(c.filter), QString::fromUtf8(c.suffix)),
            QString::fromUtf8(c.key));
    }
}

TEST(FileHistory, DialogsStartWhereTheKindWasLastUsedWhileThatFolderExists)
{
    const files::PathExists exists = existingOf({u"/home/u/Проекты"_s});
    const QString documents = u"/home/u/Документы"_s;
    EXPECT_EQ(files::startFolder(u"/home/u/Проекты"_s, documents, exists), u"/home/u/Проекты"_s);
    EXPECT_EQ(files::startFolder(QString(), documents, exists), documents) << "first use";
    EXPECT_EQ(files::startFolder(u"/mnt/removed"_s, documents, exists), documents) << "folder gone";
}

TEST(FileHistory, RecentProjectsMoveToTheFrontDropMissingFilesAndKeepTheirCap)
{
    const QStringList recent {u"/p/a.smkprj"_s, u"/p/b.smkprj"_s, u"/p/c.smkprj"_s};
    const struct {
        const char* what;
        QString path;
        int cap;
        QStringList expected;
    } cases[] = {
        {"new file", u"/p/d.smkprj"_s, 8,
            {u"/p/d.smkprj"_s, u"/p/a.smkprj"_s, u"/p/b.smkprj"_s, u"/p/c.smkprj"_s}},
        {"known file moves up", u"/p/c.smkprj"_s, 8, {u"/p/c.smkprj"_s, u"/p/a.smkprj"_s, u"/p/b.smkprj"_s}},
        {"same file written otherwise", u"/p/x/../b.smkprj"_s, 8,
            {u"/p/b.smkprj"_s, u"/p/a.smkprj"_s, u"/p/c.smkprj"_s}},
        {"oldest falls off", u"/p/d.smkprj"_s, 3, {u"/p/d.smkprj"_s, u"/p/a.smkprj"_s, u"/p/b.smkprj"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(files::withRecentFile(recent, c.path, c.cap), c.expected);
    }

    const files::PathExists exists = existingOf({u"/p/a.smkprj"_s, u"/p/c.smkprj"_s, u"/p/d.smkprj"_s});
    EXPECT_EQ(files::existingRecentFiles(
                  {u"/p/a.smkprj"_s, u"/p/b.smkprj"_s, u"/p/c.smkprj"_s, u"/p/d.smkprj"_s}, exists, 2),
        (QStringList {u"/p/a.smkprj"_s, u"/p/c.smkprj"_s}));
}
