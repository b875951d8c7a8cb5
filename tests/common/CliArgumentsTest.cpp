#include <QProcess>
#include <gtest/gtest.h>

// zfn-cli answers an unknown command with its usage and the bad-arguments exit code.
TEST(Cli, UnknownCommandIsBadArguments)
{
    QProcess p;
    p.start(qEnvironmentVariable("ZFN_CLI"), {QStringLiteral("no-such-command")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardOutput().contains("zfn-cli COMMAND"));
}
