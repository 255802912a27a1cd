#include "cli/standard_output.h"

#include "cli/json_report.h"
#include "cli/terminal.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cerrno>
#include <cstring>

namespace {

int g_lostWith = 0; // errno of the first failed flush of standard output

} // namespace

void BufferStandardOutput()
{
    // The C library sizes a buffer of its own as it likes: this one is given.
    static char wholeOutput[1 << 20];
    if (!IsTerminal(stdout))
        std::setvbuf(stdout, wholeOutput, _IOFBF, sizeof(wholeOutput));
}

bool FlushOutput(std::FILE* out)
{
    errno = 0;
    if (std::fflush(out) == 0)
        return true;
    if (out == stdout && g_lostWith == 0)
        g_lostWith = errno;
    return false;
}

void NoteOutputFailure(int error)
{
    if (g_lostWith == 0)
        g_lostWith = error;
}

bool CloseStandardOutput()
{
    // An earlier write may have failed inside printf without a flush of ours
    // noticing; stdio's error flag still says so.
    bool lost = !FlushOutput(stdout) || std::ferror(stdout) != 0;
    errno = 0;
    if (std::fclose(stdout) != 0) {
        if (g_lostWith == 0)
            g_lostWith = errno;
        lost = true;
    }
    if (!lost)
        return true;
    PrintError(IDS_CLI_STDOUT_FAILED, g_lostWith != 0 ? FormatString(IDS_CLI_STDOUT_FAILED, std::strerror(g_lostWith))
                                                      : LoadString(IDS_CLI_STDOUT_FAILED_UNKNOWN));
    return false;
}
