#include "seams/status_message.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <utility>

void ShowStatusMessage(OperationContext& context, int kind, int messageId, std::string details)
{
    ShowStatusText(context, kind, messageId, LoadString(messageId), std::move(details));
}

void ShowStatusText(OperationContext& context, int kind, std::string text, std::string details)
{
    ShowStatusText(context, kind, 0, std::move(text), std::move(details));
}

void ShowStatusText(OperationContext& context, int kind, int messageId, std::string text, std::string details)
{
    MessageBoxRequest request;
    request.kind = kind;
    request.messageId = messageId;
    if (kind == MSG_ERROR) {
        request.caption = LoadString(IDS_ERROR_CAPTION);
        request.icon = MsgIcon::Stop;
    } else if (kind == MSG_WARNING) {
        request.caption = LoadString(context.LabMode() ? IDS_APP_TITLE_LAB : IDS_APP_TITLE);
        request.icon = MsgIcon::Exclamation;
    } else {
        // The caption is chosen when the box is shown, so a later change of lab mode counts.
        request.caption = LoadString(context.LabMode() ? IDS_APP_TITLE_LAB : IDS_APP_TITLE);
        request.icon = MsgIcon::Information;
    }
    request.buttons = MsgButtons::Ok;
    request.defaultButton = MsgAnswer::Ok;
    request.text = std::move(text);
    request.details = std::move(details);
    context.Present(request);
}

MsgAnswer AskQuestion(OperationContext& context, int messageId, MsgButtons buttons, MsgAnswer defaultButton)
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
    return context.Present(request);
}

void ShowPortOpenFailed(OperationContext& context, const std::string& portName, const std::string& details)
{
    MessageBoxRequest request;
    request.kind = MSG_ERROR;
    request.caption = LoadString(IDS_ERROR_CAPTION);
    request.icon = MsgIcon::Stop;
    request.messageId = IDS_PORT_OPEN_FAILED;
    request.text = FormatString(IDS_PORT_OPEN_FAILED, portName.c_str());
    request.details = details;
    context.Present(request);
}
