#include "ui/UserSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UserSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("user.ini"));
        ui::setUserSettingsFile(path);
    }
    void TearDown() override { ui::setUserSettingsFile({}); }

    void writeIni(const QByteArray& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(UserSettingsTest, ValuesWrittenByOneWindowAreReadByTheNext)
{
    EXPECT_FALSE(ui::UserSettings(QStringLiteral("Win")).exists());
    {
        ui::UserSettings out(QStringLiteral("Win"));
        out.writeText(QStringLiteral("Input_tv"), QStringLiteral("20,5"));
        out.writeInteger(QStringLiteral("RG_Y_ItemIndex"), 3);
        out.writeBool(QStringLiteral("LargeProem"), true);
    }
    ui::UserSettings in(QStringLiteral("Win"));
    EXPECT_TRUE(in.exists());
    EXPECT_FALSE(ui::UserSettings(QStringLiteral("Other")).exists());
    EXPECT_EQ(in.readText(QStringLiteral("Input_tv")).value, QStringLiteral("20,5"));
    EXPECT_EQ(in.readInteger(QStringLiteral("RG_Y_ItemIndex")).value, 3);
    EXPECT_TRUE(in.readBool(QStringLiteral("LargeProem")).value);
    EXPECT_TRUE(in.readBool(QStringLiteral("LargeProem")).ok());
}

TEST_F(UserSettingsTest, MissingAndWrongTypedValuesAreReportedAsSuch)
{
    writeIni("[Win]\nnumber=abc\nlist=a, b\nflag=maybe\ntext=7\n");
    ui::UserSettings in(QStringLiteral("Win"));
    using S = ui::StoredValue<int>::Status;
    EXPECT_EQ(in.readInteger(QStringLiteral("absent")).status, S::Missing);
    EXPECT_EQ(in.readInteger(QStringLiteral("number")).status, S::WrongType);
    EXPECT_EQ(in.readInteger(QStringLiteral("list")).status, S::WrongType);
    EXPECT_EQ(in.readText(QStringLiteral("list")).status, ui::StoredValue<QString>::Status::WrongType);
    EXPECT_EQ(in.readText(QStringLiteral("absent")).status, ui::StoredValue<QString>::Status::Missing);
    EXPECT_EQ(in.readBool(QStringLiteral("flag")).status, ui::StoredValue<bool>::Status::WrongType);
    EXPECT_EQ(in.readText(QStringLiteral("text")).value, QStringLiteral("7"));
    EXPECT_EQ(in.readInteger(QStringLiteral("text")).value, 7);
}

} // namespace
