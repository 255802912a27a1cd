// support-bundle ZIP [TRACE]: the support bundle, with the trace file of an
// earlier run when one is given (the command line keeps no trace of its own).
#include "cli/commands.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "frontend/support_bundle.h"
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
    if (!WriteSupportBundle(path, parts, error)) {
        ShowStatusText(*options.context, MSG_ERROR, IDS_BUNDLE_FAILED, FormatString(IDS_BUNDLE_FAILED, path.c_str(), error.c_str()));
        return 1;
    }
    std::fprintf(stdout, "%s\n", FormatString(IDS_BUNDLE_WRITTEN, path.c_str()).c_str());
    FlushOutput(stdout);
    return 0;
}
