#include "common/AtomicSave.h"
#include "common/FixedRecord.h"
#include "common/SystemReason.h"
#include "curtains/CurtainProjectFile.h"
#include "generator/CatalogueGenerator.h"
#include "generator/CatalogueGeneratorTsv.h"
#include "heating/HeatingUnitProject.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(7);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

} // namespace

// On a full disk every save of the program fails, says why, and leaves the user's previous file
// byte for byte as it was: small saves that sit in the write buffer until it is flushed as well as
// large ones written straight through.
TEST(AtomicSave, AFullDiskKeepsTheOldFileAndSaysWhy)
{
    const QString tooLarge = systemReason(EFBIG);
    const QByteArray large = randomBytes(200'000);
    const struct {
        const char* what;
        std::function<QString(const QString&)> save;
        rlim_t limit = 10; // bytes the disk has room for
    } saves[] = {
        {"small content",
            [](const QString& path) { return saveFileAtomically(path, "0123456789abcdef"_ba).error(); }},
        {"large content", [&](const QString& path) { return saveFileAtomically(path, large).error(); }},
        {"content written piece by piece",
            [&](const QString& path) {
                return saveFileAtomically(path, [&](QIODevice& file) {
                    for (qsizetype at = 0; at < large.size(); at += 1000)
                        file.write(large.mid(at, 1000));
                    return true;
                }).error();
            }},
        // A large piece that fills the disk part way reports no fault of its own; a writer (the PDF
        // writer does so) goes on with small pieces that wait in the buffer.
        {"piece cut short part way",
            [&](const QString& path) {
                return saveFileAtomically(path, [&](QIODevice& file) {
                    file.write(large.left(150'000));
                    for (int i = 0; i < 100; ++i)
                        file.write("trailer ");
                    return true;
                }).error();
            },
            100'000},
        {"record file",
            [](const QString& path) { return writeRecordFile(path, QByteArray(236, 'r')).error(); }},
        {"air-heating project",
            [](const QString& path) {
                heating::HeatingUnitProject project;
                project.projectName = u"Склад"_s;
                return saveProjectFile(heating::heatingProjectFile(), path, project, QLatin1Char(','))
                    .value_or(QString());
            }},
        {"air-curtain project",
            [](const QString& path) {
                return saveProjectFile(curtains::curtainProjectFile(curtains::Series::Ork), path,
                    curtains::CurtainProject(), QLatin1Char(','))
                    .value_or(QString());
            }},
        {"catalogue source",
            [](const QString& path) {
                return fans::writeCatalogueTsv(path,
                    fans::catalogueTsv(
                        fans::CatalogueKind::General, fans::CatalogueGenerator::generalFans(20)));
            }},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray old = randomBytes(3000);
    for (const auto& s : saves) {
        SCOPED_TRACE(s.what);
        const QString path = dir.filePath(u"old.bin"_s);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(old), old.size());
        }
        const auto error = saveWithFileSizeLimit(s.limit, [&] { return s.save(path); });
        ASSERT_TRUE(error.has_value()) << "the saving process did not end normally";
        // The platform's reason, after the program's own words where a window shows it.
        EXPECT_TRUE(error->endsWith(tooLarge)) << error->toStdString();
        EXPECT_EQ(fileBytes(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {u"old.bin"_s}); // no temporary left

        // With room on the disk the same save replaces the file.
        EXPECT_EQ(s.save(path), QString());
        EXPECT_NE(fileBytes(path), old);
    }
}

// The user reads why a save failed in Russian for the common causes; a rarer one keeps the system's text.
TEST(SystemReason, CommonCausesInRussianOthersAsTheSystemSays)
{
    const std::pair<int, QString> common[] = {
        {EACCES, u"Нет прав доступа"_s},
        {EPERM, u"Операция не разрешена"_s},
        {ENOSPC, u"Нет места на диске"_s},
        {EROFS, u"Файловая система доступна только для чтения"_s},
        {ENOENT, u"Нет такого файла или папки"_s},
    };
    for (const auto& [code, russian] : common) {
        EXPECT_EQ(systemReason(code), russian);
        EXPECT_EQ(systemReason(qt_error_string(code)), russian) << "the system's text of the same fault";
    }
    EXPECT_EQ(systemReason(EBUSY), qt_error_string(EBUSY));
    EXPECT_EQ(systemReason(u"Ошибка кодировщика JPEG"_s), u"Ошибка кодировщика JPEG"_s);

    // A save into a folder that is not there says so in Russian.
    QTemporaryDir dir;
    EXPECT_EQ(saveFileAtomically(dir.filePath(u"missing/file.bin"_s), "x"_ba).error(),
        u"Нет такого файла или папки"_s);
}
