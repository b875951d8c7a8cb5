#include "common/FixedRecord.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A 236-byte layout of the kind the project files use: a name, padding, integers and number boxes.
struct SampleProject {
    QString name;
    qint32 kind = 0;
    QString boxes[4];
    qint32 angle = 0;
    qint32 mode = 0;
    QString moreBoxes[3];
};

QByteArray write(const SampleProject& p, QChar separator)
{
    RecordWriter w(separator);
    w.text(p.name, 100).padding(3).int32(p.kind);
    for (const QString& box : p.boxes)
        w.numberText(box, 16);
    w.int32(p.angle).int32(p.mode);
    for (const QString& box : p.moreBoxes)
        w.numberText(box, 16);
    w.padding(1);
    return w.bytes();
}

std::optional<SampleProject> read(const QByteArray& bytes, QChar separator)
{
    RecordReader r(bytes, separator);
    SampleProject p;
    p.name = r.text(100);
    r.skip(3);
    p.kind = r.int32();
    for (QString& box : p.boxes)
        box = r.numberText(16);
    p.angle = r.int32();
    p.mode = r.int32();
    for (QString& box : p.moreBoxes)
        box = r.numberText(16);
    r.skip(1);
    if (!r.finishedExactly())
        return std::nullopt;
    return p;
}

const SampleProject sample {u"Цех №2 — сборочный"_s, 2, {u"20"_s, u"-20"_s, u"95,5"_s, u"70"_s}, 1, -1,
    {u"1500.25"_s, u""_s, u"3,5"_s}};

} // namespace

TEST(FixedRecord, WritesTheLayoutByteForByte)
{
    EXPECT_EQ(write(sample, QLatin1Char(',')), fixtureBytes(u"common"_s, u"record-236.bin"_s));

    RecordWriter w;
    w.boolean(true).boolean(false).text(u"ABCDEFGHIJ"_s, 4).int32(-123456789);
    EXPECT_EQ(w.bytes(), fixtureBytes(u"common"_s, u"record-small.bin"_s));
    EXPECT_EQ(w.size(), 11);
}

TEST(FixedRecord, ReadsFieldsBackUnderAnotherSeparator)
{
    const auto p = read(fixtureBytes(u"common"_s, u"record-236.bin"_s), QLatin1Char('.'));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->name, sample.name);
    EXPECT_EQ(p->kind, 2);
    EXPECT_EQ(p->boxes[2], u"95.5"_s);
    EXPECT_EQ(p->boxes[1], u"-20"_s);
    EXPECT_EQ(p->angle, 1);
    EXPECT_EQ(p->mode, -1);
    EXPECT_EQ(p->moreBoxes[0], u"1500.25"_s);
    EXPECT_EQ(p->moreBoxes[1], QString());
    EXPECT_EQ(p->moreBoxes[2], u"3.5"_s);

    RecordReader r(fixtureBytes(u"common"_s, u"record-small.bin"_s));
    EXPECT_TRUE(r.boolean());
    EXPECT_FALSE(r.boolean());
    EXPECT_EQ(r.text(4), u"ABCD"_s);
    EXPECT_EQ(r.int32(), -123456789);
    EXPECT_TRUE(r.finishedExactly());
}

TEST(FixedRecord, TextIsCutToCapacityAndUnusedBytesAreZero)
{
    RecordWriter w;
    w.text(u"Вентилятор"_s, 3).text(QString(300, QLatin1Char('x')), 255).text(QString(), 2);
    const QByteArray bytes = w.bytes();
    ASSERT_EQ(bytes.size(), 4 + 256 + 3);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("03C2E5ED"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 255);
    EXPECT_EQ(bytes.right(3), QByteArray(3, '\0'));
}

TEST(FixedRecord, ShortOrDamagedRecordsFailWithoutReadingPastTheEnd)
{
    const QByteArray whole = fixtureBytes(u"common"_s, u"record-236.bin"_s);
    // One byte short, much too short, empty, one byte too long.
    for (const qsizetype size : {qsizetype(235), qsizetype(100), qsizetype(0)})
        EXPECT_FALSE(read(whole.left(size), QLatin1Char(',')).has_value()) << size;
    EXPECT_FALSE(read(whole + '\0', QLatin1Char(',')).has_value());

    // A length byte larger than the field's capacity.
    QByteArray damaged = whole;
    damaged[108] = char(17);
    EXPECT_FALSE(read(damaged, QLatin1Char(',')).has_value());

    // After a failure every later field reads as empty.
    RecordReader r(QByteArray::fromHex("056162"));
    EXPECT_EQ(r.text(4), QString());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.int32(), 0);
    EXPECT_FALSE(r.boolean());
    EXPECT_EQ(r.position(), 0);
}

TEST(FixedRecord, SurvivesArbitraryBytes)
{
    // Whatever the bytes, reading a layout ends, and a record it accepts writes back to a record that
    // reads the same.
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<char>(seed >> 16);
    };
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(round % 2 == 0 ? 236 : round % 300, '\0');
        for (char& b : bytes)
            b = round % 4 == 0 ? static_cast<char>(next() & 0x0F) : next();
        const auto p = read(bytes, QLatin1Char(','));
        if (!p)
            continue;
        ++accepted;
        const auto again = read(write(*p, QLatin1Char(',')), QLatin1Char(','));
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->name, p->name);
        EXPECT_EQ(again->mode, p->mode);
    }
    EXPECT_GT(accepted, 0);
}

TEST(FixedRecord, RecordFilesAreReadWholeAndReplacedSafely)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"Цех.lumaprj"_s);
    const QByteArray record = fixtureBytes(u"common"_s, u"record-236.bin"_s);

    ASSERT_TRUE(writeRecordFile(path, record));
    EXPECT_EQ(readRecordFile(path, 236), record);
    EXPECT_EQ(readRecordFile(path, 10), record.left(10)); // one record from the start of a longer file
    EXPECT_FALSE(readRecordFile(path, 237).has_value());
    EXPECT_FALSE(readRecordFile(dir.filePath(u"missing.lumaprj"_s), 236).has_value());
    EXPECT_FALSE(readRecordFile(dir.path(), 236).has_value()); // a folder

    // A save that cannot be made reports failure and leaves the previous file alone.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    EXPECT_FALSE(writeRecordFile(dir.filePath(u"sub"_s), record));
    EXPECT_FALSE(writeRecordFile(dir.filePath(u"no-such-folder/x.lumaprj"_s), record));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool folderLocked = !QFile(dir.filePath(u"probe"_s)).open(QIODevice::WriteOnly); // not as root
    if (folderLocked) {
        EXPECT_FALSE(writeRecordFile(path, QByteArray(236, 'x')));
        EXPECT_EQ(readRecordFile(path, 236), record);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
