// support-bundle ZIP [TRACE]: the support bundle, with the trace file of an
// earlier run when one is given (the command line keeps no trace of its own).
#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "app/support_bundle.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <fstream>
#include <iterator>

int CommandSupportBundle(const CliOptions& options)
{
    const std::string& path = options.files.at(0);
    SupportBundleParts parts;
    parts.program = "vigilon-oss-cli";
    if (options.files.size() > 1) {
        const std::string& tracePath = options.files[1];
        std::ifstream trace(tracePath, std::ios::binary);
        parts.serialTrace.assign(std::istreambuf_iterator<char>(trace), std::istreambuf_iterator<char>());
        if (!trace.good() && !trace.eof()) {
            PrintError(IDS_CLI_CANNOT_READ, FormatString(IDS_CLI_CANNOT_READ, tracePath.c_str()));
            return 1;
        }
    }
    for (const std::string& port : options.ports) {
        if (!port.empty())
            parts.ports.push_back(port);
    }
    std::string error;
    parts.resolver = options.context->ports;
    parts.hintReader = options.context->hintReader;
    if (!WriteSupportBundle(path, parts, error)) {
        ShowStatusText(*options.context, MSG_ERROR, IDS_BUNDLE_FAILED, FormatString(IDS_BUNDLE_FAILED, path.c_str(), error.c_str()));
        return 1;
    }
    std::fprintf(stdout, "%s\n", FormatString(IDS_BUNDLE_WRITTEN, path.c_str()).c_str());
    FlushOutput(stdout);
    return 0;
}

// How the command line knows support-bundle (cli/command_list.cpp).
constexpr size_t SUPPORT_BUNDLE_SIZE = 64 * 1024; // about a bundle without a trace
extern const CliCommand SUPPORT_BUNDLE_COMMAND = {
    "support-bundle", "support-bundle ZIP [TRACE]",
    QT_TRANSLATE_NOOP("Cli", "write one zip file for support: versions, system, serial\n"
                             "devices, what keeps each port from opening, the settings\n"
                             "(no passwords), the last 50 service history entries and\n"
                             "the trace file TRACE of an earlier --trace"),
    1, 2, CLI_NO_TRAITS, &CommandSupportBundle, 0, SUPPORT_BUNDLE_SIZE,
};
