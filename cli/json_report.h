// The one document a command prints under --json: the command's result, and
// the errors and warnings shown while it ran, each with the string table's id of
// its message. Every message box still reaches the terminal's presenter, so
// standard error reads as it does without --json.
//
// The document's own members come first:
//   "error":    why the command failed, the first error shown (only when it failed)
//   "errors":   every error shown, in order, when there were more than "error" holds
//   "warnings": every warning shown, in order, when there was one
// then the result's members. A message is {"id", "text"} with "hint" (what to do
// about it) when it has one and "port" when a fleet loop on one of several ports
// showed it.
#pragma once

#include "cli/json_value.h"
#include "seams/message_presenter.h"

#include <string>
#include <vector>

class JsonReport : public IMessagePresenter {
public:
    // Becomes the report the commands fill (ActiveJsonReport) while it lives.
    JsonReport();
    ~JsonReport() override;
    JsonReport(const JsonReport&) = delete;
    JsonReport& operator=(const JsonReport&) = delete;

    // Every message box presented here is recorded on its way to `terminal`.
    void Listen(IMessagePresenter& terminal);
    MsgAnswer Present(const MessageBoxRequest& request) override;
    // The presenter the boxes go on to.
    IMessagePresenter& Terminal() { return *m_terminal; }

    // Records a box's error or warning (nothing else), shown by a loop on `port`
    // when it is given.
    void Record(const MessageBoxRequest& request, const std::string& port = std::string());
    // Records an error the command-line tool says itself.
    void AddError(int messageId, const std::string& text);

    // The command's members of the document, an object.
    JsonValue& Result() { return m_result; }

    // The whole document; `failed`: the command did not do what it was asked.
    std::string Document(bool failed) const;

private:
    struct Message {
        int id = 0;
        std::string text;
        std::string hint;
        std::string port;
    };
    static JsonValue Shape(const Message& message);

    IMessagePresenter* m_terminal = nullptr;
    std::vector<Message> m_errors;
    std::vector<Message> m_warnings;
    JsonValue m_result = JsonValue::Object();
};

// The report of the command running under --json; nullptr without --json.
JsonReport* ActiveJsonReport();

// An error the command-line tool says itself (no message box): "Error: <text>"
// on standard error, and into the document under --json.
void PrintError(int messageId, const std::string& text);
