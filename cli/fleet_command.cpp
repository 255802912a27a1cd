// vigilon-oss-cli fleet: one line per stage and per radio on standard output,
// the rows also into the CSV report when one is named.
#include "cli/commands.h"

#include "board/option_board_data.h"
#include "operations/fleet_operation.h"
#include "operations/fleet_report.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

int CommandFleet(const CliOptions& options)
{
    if (!theOptionBoardData.LoadFromFile(options.files[0]))
        return 1;
    if (AskQuestion(IDS_FLEET_CONFIRM, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return 1;
    FleetReport report;
    bool reported = true;
    const auto reportFailed = [&] {
        std::fprintf(stderr, "Error: %s\n", FormatString(IDS_FLEET_REPORT_FAILED, options.report.c_str()).c_str());
        std::fflush(stderr);
        reported = false;
    };
    if (!options.report.empty() && !report.Open(options.report)) {
        reportFailed();
        return 1;
    }

    int radios = 0;
    FleetOptions fleet;
    fleet.count = options.count;
    fleet.verify = options.verify;
    // Each stage and row is one line: the radio's information, its own text,
    // cannot break it or reach the terminal as control characters.
    fleet.onStage = [](FleetStage, int, const std::string& text) {
        std::fprintf(stdout, "%s\n", VisibleText(text).c_str());
        std::fflush(stdout);
    };
    fleet.onRow = [&](const FleetRow& row) {
        std::string result = FleetRowField(row, 7);
        if (!row.ok)
            result += ": " + row.reason;
        const std::string line = FormatString(IDS_FLEET_LINE, ++radios, VisibleText(row.radioInfo).c_str(),
                                              VisibleText(result, true).c_str(), row.seconds);
        std::fprintf(stdout, "%s\n", line.c_str());
        std::fflush(stdout);
        if (!options.report.empty() && reported && !report.Append(row))
            reportFailed();
    };
    const FleetOutcome outcome = RunFleetOperation(theRadioLink, options.portName, ImageOf(theOptionBoardData).data(), fleet);
    std::fprintf(stdout, "%s\n", FormatString(IDS_FLEET_SUMMARY, outcome.programmed, outcome.failed).c_str());
    std::fflush(stdout);
    const bool allDone = options.count <= 0 || outcome.programmed == options.count;
    return outcome.failed == 0 && allDone && reported ? 0 : 1;
}
