// The message-presenter seam: every message box of the system ends in one call here.
// The GUI shows a real box, the CLI prints, tests record and answer from a script.
#pragma once

#include "seams/thread_stand_in.h"

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

// Installs the presenter used from now on; nullptr restores the default, which
// writes the caption and text to standard error and answers with the default button.
void SetMessagePresenter(IMessagePresenter* presenter);

// The presenter in use on this thread now, so that one may stand in for it for a while.
IMessagePresenter* CurrentMessagePresenter();

// Stands in for the program's presenter on this thread alone while it lives, so
// that a loop of its own on another thread (a fleet on a second port) says its
// messages its own way; nullptr leaves the thread to the program's.
using ThreadMessagePresenter = ThreadStandIn<IMessagePresenter>;

MsgAnswer PresentMessage(const MessageBoxRequest& request);
