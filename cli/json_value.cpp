#include "cli/json_value.h"

#include "app/utf8_bytes.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace {

void Escape(std::string& out, unsigned code)
{
    static const char HEX[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += HEX[(code >> shift) & 0xF];
}

} // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = bytes[at];
        const size_t length = Utf8SequenceLength(bytes + at, text.size() - at);
        if (length == 0) {
            Escape(out, RAW_BYTE_BASE + c);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            Escape(out, c);
        } else if (c == 0xC2 && bytes[at + 1] < 0xA0) {
            // C1 controls are valid JSON as they are, but a terminal showing the
            // document may act on them.
            Escape(out, bytes[at + 1]);
        } else {
            out.append(text, at, length);
        }
        at += length == 0 ? 1 : length;
    }
    return out + "\"";
}

JsonValue JsonValue::Object()
{
    JsonValue value;
    value.m_kind = Kind::Object;
    return value;
}

JsonValue JsonValue::Array()
{
    JsonValue value;
    value.m_kind = Kind::Array;
    return value;
}

JsonValue& JsonValue::Set(const std::string& key, JsonValue value)
{
    m_keys.push_back(key);
    m_items.push_back(std::move(value));
    return *this;
}

JsonValue& JsonValue::Extend(const JsonValue& object)
{
    for (size_t i = 0; i < object.m_items.size(); ++i)
        Set(object.m_keys[i], object.m_items[i]);
    return *this;
}

JsonValue& JsonValue::Push(JsonValue value)
{
    m_items.push_back(std::move(value));
    return *this;
}

std::string JsonValue::Text() const
{
    std::string out;
    Write(out, 0);
    return out;
}

bool JsonValue::Flat() const
{
    for (const JsonValue& item : m_items) {
        if ((item.m_kind == Kind::Object || item.m_kind == Kind::Array) && !item.m_items.empty())
            return false;
    }
    return true;
}

void JsonValue::Write(std::string& out, int depth) const
{
    switch (m_kind) {
    case Kind::Null: out += "null"; return;
    case Kind::Bool: out += m_bool ? "true" : "false"; return;
    case Kind::Integer: out += std::to_string(m_integer); return;
    case Kind::Number: {
        // The shortest text that reads back as the same number, with a point
        // whatever the locale; JSON has no infinity or NaN.
        if (!std::isfinite(m_number)) {
            out += "null";
            return;
        }
        char text[32];
        const std::to_chars_result written = std::to_chars(text, text + sizeof(text), m_number);
        out.append(text, written.ptr);
        return;
    }
    case Kind::String: out += JsonString(m_text); return;
    case Kind::Array:
    case Kind::Object: break;
    }
    const bool object = m_kind == Kind::Object;
    if (m_items.empty()) {
        out += object ? "{}" : "[]";
        return;
    }
    const bool flat = depth > 0 && Flat();
    const std::string inner = "\n" + std::string(static_cast<size_t>(2 * (depth + 1)), ' ');
    out += object ? '{' : '[';
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (i > 0)
            out += flat ? ", " : ",";
        if (!flat)
            out += inner;
        if (object)
            out += JsonString(m_keys[i]) + ": ";
        m_items[i].Write(out, depth + 1);
    }
    if (!flat)
        out += "\n" + std::string(static_cast<size_t>(2 * depth), ' ');
    out += object ? '}' : ']';
}
