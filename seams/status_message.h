// Error and information boxes of the radio link and the operations.
#pragma once

#include "seams/message_presenter.h"
#include "seams/operation_context.h"

#include <string>

enum : int {
    MSG_ERROR = 1, // caption "Error", stop icon, OK
    MSG_INFO = 2,  // caption the application title, information icon, OK
    MSG_WARNING = 3, // caption the application title, exclamation icon, OK
};

// Shows the text with this id as a box of the given kind through the context; returns when it is closed.
// `details` (what the text alone cannot say, such as which file) goes beside it.
void ShowStatusMessage(OperationContext& context, int kind, int messageId, std::string details = std::string());

// The same with a ready text, for texts that need formatting first: `text` made
// from the message with this id, so that a program reading the messages can tell them apart.
void ShowStatusText(OperationContext& context, int kind, int messageId, std::string text, std::string details = std::string());

// A ready text that is no message of the string table.
void ShowStatusText(OperationContext& context, int kind, std::string text, std::string details = std::string());

// A question or instruction in the application's standard message box: caption
// the application title (also in lab mode), task-modal. Returns the answer.
MsgAnswer AskQuestion(OperationContext& context, int messageId, MsgButtons buttons, MsgAnswer defaultButton);

// The box shown when a board operation cannot open its serial port.
void ShowPortOpenFailed(OperationContext& context, const std::string& portName, const std::string& details = std::string());
