#include "cli/cli_presenter.h"

#include "cli/standard_output.h"
#include "cli/terminal.h"

#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <cctype>
#include <string>

CliPresenter::CliPresenter(bool assumeYes, std::FILE* in, std::FILE* out, std::FILE* err)
    : m_assumeYes(assumeYes), m_in(in), m_out(out), m_err(err)
{
}

namespace {

bool ReadLine(std::FILE* in, std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(in)) != EOF && c != '\n')
        line += static_cast<char>(c);
    return c != EOF || !line.empty();
}

} // namespace

MsgAnswer CliPresenter::Ask(const MessageBoxRequest& request)
{
    if (request.buttons == MsgButtons::Ok) {
        // An instruction: shown, then the user confirms at a terminal; a script goes on.
        std::fprintf(m_out, "%s\n", request.text.c_str());
        FlushOutput(m_out);
        if (IsTerminal(m_in)) {
            std::fprintf(m_err, "Press Enter when done. ");
            std::fflush(m_err);
            std::string line;
            ReadLine(m_in, line);
        }
        return MsgAnswer::Ok;
    }
    if (m_assumeYes)
        return MsgAnswer::Yes;
    const bool yesIsDefault = request.defaultButton == MsgAnswer::Yes;
    std::fprintf(m_err, "%s %s ", request.text.c_str(), yesIsDefault ? "[Y/n]" : "[y/N]");
    std::fflush(m_err);
    std::string line;
    // Without an answer (end of input) nothing is done to the radio.
    if (!ReadLine(m_in, line))
        return MsgAnswer::No;
    std::string word;
    for (char c : line) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (word.empty())
        return yesIsDefault ? MsgAnswer::Yes : MsgAnswer::No;
    return (word == "y" || word == "yes") ? MsgAnswer::Yes : MsgAnswer::No;
}

MsgAnswer CliPresenter::Present(const MessageBoxRequest& given)
{
    // A message may quote the radio, the board or a file: what reaches the
    // terminal is shown, never acted on. Messages may be several lines.
    MessageBoxRequest request = given;
    request.text = VisibleText(given.text, true);
    request.details = VisibleText(given.details, true);
    if (request.kind == MSG_ERROR) {
        ++m_errors;
        std::fprintf(m_err, "%s\n", FormatString(IDS_CLI_ERROR_LINE, request.text.c_str()).c_str());
        if (!request.details.empty())
            std::fprintf(m_err, "%s\n", FormatString(IDS_CLI_HINT, request.details.c_str()).c_str());
        std::fflush(m_err);
        return MsgAnswer::Ok;
    }
    if (request.kind == MSG_WARNING) {
        std::fprintf(m_err, "%s\n", FormatString(IDS_CLI_WARNING_LINE, request.text.c_str()).c_str());
        std::fflush(m_err);
        return MsgAnswer::Ok;
    }
    if (request.kind == MSG_INFO) {
        std::fprintf(m_out, "%s\n", request.text.c_str());
        FlushOutput(m_out);
        return MsgAnswer::Ok;
    }
    return Ask(request);
}
