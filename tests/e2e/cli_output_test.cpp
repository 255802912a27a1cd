// Standard output that takes nothing (a full disk, /dev/full): every command
// that prints fails with the reason instead of ending as if all was said.
#include "tests/support/cli_bench.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(CliOutput, EveryCommandFailsWhenStandardOutputTakesNothing)
{
    CliBench bench;
    const std::string data = bench.folder.Path("a.vgd");
    ASSERT_EQ(bench.Run({ "read", data }).status, 0);
    const std::string other = bench.folder.Path("b.vgd");
    ASSERT_EQ(bench.Run({ "read", other }).status, 0);

    const std::vector<std::vector<std::string>> commands = {
        { "show", data },       { "info" },           { "check" },         { "ports" },
        { "ports", "--all" },   { "backups" },        { "history" },       { "history", "show", "1" },
        { "--json", "history" }, { "--json", "info" }, { "history", "--csv" }, { "to-text", data },
        { "--json", "show", data }, { "--help" },
    };
    for (const std::vector<std::string>& command : commands) {
        std::vector<std::string> args = { "--device", bench.device };
        args.insert(args.end(), command.begin(), command.end());
        const ProgramResult result = RunChild(
            [&] {
                ::dup2(::open("/dev/full", O_WRONLY), STDOUT_FILENO);
                BecomeCli(args, false);
            },
            std::string(),
            { { "XDG_CONFIG_HOME", bench.folder.Path("config") }, { "XDG_DATA_HOME", bench.folder.Path("data") },
              { "LANGUAGE", "en" } });
        std::string named;
        for (const std::string& word : command)
            named += word + ' ';
        EXPECT_EQ(result.status, 1) << named << result.err;
        EXPECT_NE(result.err.find("Error: could not write standard output: No space left on device"), std::string::npos)
            << named << result.err;
    }
}
