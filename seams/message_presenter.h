// The message-presenter seam: every message box of the system ends in one call here.
// The GUI shows a real box, the CLI prints, tests record and answer from a script.
#pragma once

#include <string>

enum class MsgIcon { Stop, Information, Question, Exclamation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    int kind = 0;              // MSG_ERROR, MSG_INFO, or 0 for questions and other boxes
    int messageId = 0;         // the string table's id of the text (before formatting); 0: none
    std::string caption;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultButton = MsgAnswer::Ok;
    bool taskModal = false;
    std::string text;
    std::string details; // what to do about it, shown beside the text; may be empty
};

class IMessagePresenter {
public:
    virtual ~IMessagePresenter() = default;
    // Shows the box modally and returns the user's answer.
    virtual MsgAnswer Present(const MessageBoxRequest& request) = 0;
};

// Writes the caption and text to standard error and answers with the default
// button: what an operation says when nobody gave it a presenter.
class StderrPresenter : public IMessagePresenter {
public:
    MsgAnswer Present(const MessageBoxRequest& request) override;
};

// Says nothing and answers with the default button.
class SilentPresenter : public IMessagePresenter {
public:
    MsgAnswer Present(const MessageBoxRequest& request) override { return request.defaultButton; }
};
