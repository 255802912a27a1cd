#include "cli/json_report.h"

#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <cstdio>

namespace {

JsonReport* g_report = nullptr;

} // namespace

JsonReport::JsonReport()
{
    g_report = this;
}

JsonReport::~JsonReport()
{
    g_report = nullptr;
}

void JsonReport::Listen(IMessagePresenter& terminal)
{
    m_terminal = &terminal;
}

MsgAnswer JsonReport::Present(const MessageBoxRequest& request)
{
    Record(request);
    return m_terminal->Present(request);
}

void JsonReport::Record(const MessageBoxRequest& request, const std::string& port)
{
    if (request.kind != MSG_ERROR && request.kind != MSG_WARNING)
        return;
    Message message{ request.messageId, request.text, request.details, port };
    (request.kind == MSG_ERROR ? m_errors : m_warnings).push_back(std::move(message));
}

void JsonReport::AddError(int messageId, const std::string& text)
{
    m_errors.push_back(Message{ messageId, text, std::string(), std::string() });
}

JsonValue JsonReport::Shape(const Message& message)
{
    // A message of no table has no id: null, never a number that could be one.
    JsonValue shape = JsonValue::Object();
    shape.Set("id", message.id ? JsonValue(message.id) : JsonValue());
    shape.Set("text", message.text);
    if (!message.hint.empty())
        shape.Set("hint", message.hint);
    if (!message.port.empty())
        shape.Set("port", message.port);
    return shape;
}

std::string JsonReport::Document(bool failed) const
{
    JsonValue document = JsonValue::Object();
    const bool error = failed && !m_errors.empty();
    if (error)
        document.Set("error", Shape(m_errors.front()));
    if (m_errors.size() > (error ? 1u : 0u)) {
        JsonValue errors = JsonValue::Array();
        for (const Message& message : m_errors)
            errors.Push(Shape(message));
        document.Set("errors", errors);
    }
    if (!m_warnings.empty()) {
        JsonValue warnings = JsonValue::Array();
        for (const Message& message : m_warnings)
            warnings.Push(Shape(message));
        document.Set("warnings", warnings);
    }
    document.Extend(m_result);
    return document.Text();
}

JsonReport* ActiveJsonReport()
{
    return g_report;
}

void PrintError(int messageId, const std::string& text)
{
    std::fprintf(stderr, "%s\n", FormatString(IDS_CLI_ERROR_LINE, text.c_str()).c_str());
    std::fflush(stderr);
    if (g_report)
        g_report->AddError(messageId, text);
}
