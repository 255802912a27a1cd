// The job sheet from the command line: the words a person reads on it are text
// in the PDF (found again by pdftotext), texts from the radio are shown as the
// terminal shows them, and a sheet that cannot be written fails the command.
#include "tests/support/cli_bench.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace {

std::string PdfText(const std::string& pdf)
{
    std::string text;
    if (std::FILE* pipe = ::popen((std::string(VIGILON_PDFTOTEXT) + " -layout '" + pdf + "' -").c_str(), "r")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, got);
        ::pclose(pipe);
    }
    return text;
}

} // namespace

TEST(CliJobSheet, AnEntrysSheetCarriesItsRadioAndSettingsAndAFileThatCannotBeWrittenFails)
{
    if (std::string(VIGILON_PDFTOTEXT).find("NOTFOUND") != std::string::npos)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // A bell and a byte that is not UTF-8 in the radio's answer.
    CliBench bench({ "--radio-info", "SR-9\x07 R\xE9" });
    const std::string file = bench.folder.Path("board.vgd");
    ASSERT_EQ(bench.Run({ "read", file }).status, 0);
    ASSERT_EQ(bench.Run({ "--yes", "--verify", "--radio-id", "SN-4711", "write", file }).status, 0);

    const std::string sheet = bench.folder.Path("sheet.pdf");
    const ProgramResult made = bench.Run({ "history", "show", "2", "--pdf", sheet });
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string text = PdfText(sheet);
    for (const char* expected : { "Entry 2", "Radio ID +SN-4711", R"(Radio +SR-9\\x07 R\\xe9)",
                                  "Verified +Yes: read back from the option board", "Settings written",
                                  "Man Down Alarm +on", "Sensor Sensitivity +medium", "Page 1 of 1" })
        EXPECT_TRUE(std::regex_search(text, std::regex(expected))) << expected << " not in:\n" << text;

    const std::string nowhere = bench.folder.Path("no-such-folder/sheet.pdf");
    const ProgramResult refused = bench.Run({ "history", "show", "2", "--pdf", nowhere });
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(nowhere), std::string::npos) << refused.err;
    EXPECT_EQ(bench.Run({ "info", "--pdf", sheet }).status, 2) << "a sheet belongs to history show and fleet";
}
