#include "seams/status_message.h"

#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/string_table.h"

#include <utility>

bool g_bLabMode = false;

void ShowStatusMessage(int kind, int messageId, std::string details)
{
    ShowStatusText(kind, messageId, LoadString(messageId), std::move(details));
}

void ShowStatusText(int kind, std::string text, std::string details)
{
    ShowStatusText(kind, 0, std::move(text), std::move(details));
}

void ShowStatusText(int kind, int messageId, std::string text, std::string details)
{
    MessageBoxRequest request;
    request.kind = kind;
    request.messageId = messageId;
    if (kind == MSG_ERROR) {
        request.caption = LoadString(IDS_ERROR_CAPTION);
        request.icon = MsgIcon::Stop;
    } else if (kind == MSG_WARNING) {
        request.caption = LoadString(g_bLabMode ? IDS_APP_TITLE_LAB : IDS_APP_TITLE);
        request.icon = MsgIcon::Exclamation;
    } else {
        // The caption is chosen when the box is shown, so a later change of lab mode counts.
        request.caption = LoadString(g_bLabMode ? IDS_APP_TITLE_LAB : IDS_APP_TITLE);
        request.icon = MsgIcon::Information;
    }
    request.buttons = MsgButtons::Ok;
    request.defaultButton = MsgAnswer::Ok;
    request.text = std::move(text);
    request.details = std::move(details);
    PresentMessage(request);
}

MsgAnswer AskQuestion(int messageId, MsgButtons buttons, MsgAnswer defaultButton)
{
    MessageBoxRequest request;
    request.kind = 0;
    request.caption = LoadString(IDS_APP_TITLE);
    request.icon = MsgIcon::Question;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    request.taskModal = true;
    request.messageId = messageId;
    request.text = LoadString(messageId);
    return PresentMessage(request);
}

void ShowPortOpenFailed(const std::string& portName, const std::string& details)
{
    MessageBoxRequest request;
    request.kind = MSG_ERROR;
    request.caption = LoadString(IDS_ERROR_CAPTION);
    request.icon = MsgIcon::Stop;
    request.messageId = IDS_PORT_OPEN_FAILED;
    request.text = FormatString(IDS_PORT_OPEN_FAILED, portName.c_str());
    request.details = details;
    PresentMessage(request);
}
