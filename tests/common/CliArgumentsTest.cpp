#include "support/CliRunner.h"

#include <gtest/gtest.h>

// zfn-cli answers an unknown command with its usage and the bad-arguments exit code.
TEST(Cli, UnknownCommandIsBadArguments)
{
    const clirunner::CliRun run = clirunner::runCli({QStringLiteral("no-such-command")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.contains("zfn-cli COMMAND"));
}
