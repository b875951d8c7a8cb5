#include "printing/ReportFile.h"
#include "printing/ReportEngine.h"
#include "report/ReportFixtures.h"
#include "ui/Messages.h"
#include "ui/report/ReportPreviewWindow.h"
#include "ui/report/TQRep_Manual.h"

#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;

namespace {

PreparedReport descriptionReport(int lines)
{
    TQRep_Manual host;
    const auto body = numberedDescription(lines);
    host.setReportTitle(QStringLiteral("Описание серии ВКРФ"));
    host.loadPicture(descriptionPicture());
    host.report().elementAs<ReportRichText>(QStringLiteral("QRRichText"))->setDocument(body.get());
    return prepareReport(host.report());
}

// Rewrites the checksum after a deliberate change, so that the change itself is what the reader meets.
QByteArray withChecksum(QByteArray body)
{
    QByteArray bytes = body;
    QDataStream out(&bytes, QIODevice::Append);
    out << crc32(body);
    return bytes;
}

QByteArray bodyOf(const QByteArray& file)
{
    return file.left(file.size() - 4);
}

} // namespace

TEST(ReportFile, SaveAndLoadGiveBackTheSamePages)
{
    const PreparedReport original = descriptionReport(120);
    ASSERT_GE(original.pageCount(), 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("описание.QRP"));
    QString error;
    ASSERT_TRUE(saveReportFile(path, original, &error)) << error.toStdString();

    const std::optional<PreparedReport> loaded = loadReportFile(path, &error);
    ASSERT_TRUE(loaded.has_value()) << error.toStdString();
    EXPECT_EQ(loaded->title, original.title);
    EXPECT_EQ(loaded->paperMm, original.paperMm);
    ASSERT_EQ(loaded->pageCount(), original.pageCount());
    for (int i = 0; i < original.pageCount(); ++i) {
        EXPECT_EQ(QByteArray(loaded->pages[i].data(), loaded->pages[i].size()),
            QByteArray(original.pages[i].data(), original.pages[i].size()))
            << i;
        EXPECT_EQ(recordPage(loaded->pages[i]).allText(), recordPage(original.pages[i]).allText()) << i;
    }
}

TEST(ReportFile, DamagedOrForeignFilesAreRefused)
{
    const QByteArray good = encodeReport(descriptionReport(5));
    ASSERT_TRUE(decodeReport(good).has_value());
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x20);
    QByteArray otherVersion = bodyOf(good);
    otherVersion[9] = 2; // version 1 → 2, big-endian after the 8-byte magic
    QByteArray hugePageCount = bodyOf(good);
    // The page count follows the magic (8 bytes), the version (2), the title (4 + 2 per character) and
    // the paper size (16); the first page's length comes right after it.
    const qsizetype countAt = 8 + 2 + 4 + descriptionReport(5).title.size() * 2 + 16;
    {
        QDataStream count(good.mid(countAt, 4));
        quint32 pages = 0;
        count >> pages;
        ASSERT_EQ(pages, 1U); // the offset really points at the page count
    }
    hugePageCount[countAt] = '\x7f';
    QByteArray pageLength = bodyOf(good);
    pageLength[countAt + 4] = '\x7f';

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"text file", QByteArrayLiteral("Просто текст, не печатная форма")},
        {"magic only", QByteArray("ZFN-QRP\x1a", 8)},
        {"cut short", good.left(good.size() / 2)},
        {"last byte missing", good.left(good.size() - 1)},
        {"one byte changed", flipped},
        {"extra byte", good + 'x'},
        {"other version", withChecksum(otherVersion)},
        {"page count beyond the file", withChecksum(hugePageCount)},
        {"page length beyond the file", withChecksum(pageLength)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        EXPECT_FALSE(decodeReport(c.bytes, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(ReportFile, RandomBytesAreRefusedWithoutHarm)
{
    const QByteArray good = encodeReport(descriptionReport(3));
    QRandomGenerator random(20261210);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        switch (round % 3) {
        case 0: // noise of any length
            bytes.resize(random.bounded(0, 600));
            for (char& byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            break;
        case 1: // a real header followed by noise, checksum made right
            bytes = good.left(random.bounded(8, 40));
            for (int i = random.bounded(0, 400); i > 0; --i)
                bytes.append(static_cast<char>(random.bounded(256)));
            bytes = withChecksum(bytes);
            break;
        default: // a real file with a few bytes changed
            bytes = good;
            for (int i = random.bounded(1, 6); i > 0; --i)
                bytes[random.bounded(static_cast<int>(bytes.size()))]
                    = static_cast<char>(random.bounded(256));
            if (bytes == good)
                continue;
            break;
        }
        QString error;
        const auto decoded = decodeReport(bytes, &error);
        if (decoded.has_value()) // only possible when the change left a valid file behind
            EXPECT_EQ(encodeReport(*decoded), bytes) << round;
        else
            EXPECT_FALSE(error.isEmpty()) << round;
    }
}

TEST(ReportFile, PreviewKeepsItsPagesWhenAFileCannotBeLoaded)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.QRP"));
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeReport(descriptionReport(3)).left(100));
    }
    const QString other = dir.filePath(QStringLiteral("other.QRP"));
    PreparedReport long_ = descriptionReport(150);
    long_.title = QStringLiteral("Сохраненный отчет");
    ASSERT_TRUE(saveReportFile(other, long_));

    QStringList messages;
    ui::setMessageSink([&](const QString& text, ui::MessageKind) { messages << text; });
    ReportPreviewWindow preview(descriptionReport(3));
    const QByteArray before(preview.report().pages[0].data(), preview.report().pages[0].size());

    EXPECT_FALSE(preview.loadReport(damaged));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("поврежден"))) << messages[0].toStdString();
    EXPECT_EQ(preview.report().pageCount(), 1);
    EXPECT_EQ(QByteArray(preview.report().pages[0].data(), preview.report().pages[0].size()), before);

    EXPECT_FALSE(preview.loadReport(dir.filePath(QStringLiteral("absent.QRP"))));
    EXPECT_EQ(messages.size(), 2);

    EXPECT_TRUE(preview.loadReport(other));
    EXPECT_EQ(preview.report().pageCount(), long_.pageCount());
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Сохраненный отчет"));
    ui::setMessageSink({});
}
