// A JSON value as vigilon-oss-cli --json prints it. Objects keep their members in
// the order they were added, so a document reads in the order a person expects
// and is the same byte for byte on every run; whole numbers print as integers.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class JsonValue {
public:
    JsonValue() = default; // null
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value) : m_kind(Kind::Bool), m_bool(value) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    JsonValue(T value) : m_kind(Kind::Integer), m_integer(static_cast<int64_t>(value))
    {
    }
    JsonValue(double value) : m_kind(Kind::Number), m_number(value) {}
    // A text as bytes: UTF-8 as it is, any other byte as the code point that stands for it.
    JsonValue(std::string text) : m_kind(Kind::String), m_text(std::move(text)) {}
    JsonValue(const char* text) : JsonValue(std::string(text)) {}

    static JsonValue Object();
    static JsonValue Array();

    // Appends a member to an object (keys are not checked for repeats: each
    // document names each key once by construction).
    JsonValue& Set(const std::string& key, JsonValue value);
    // Appends the members of another object.
    JsonValue& Extend(const JsonValue& object);
    // Appends an element to an array.
    JsonValue& Push(JsonValue value);
    bool Empty() const { return m_items.empty(); }

    // The value as JSON text: nested objects and arrays indented by two spaces,
    // one holding nothing but numbers, texts and the like on one line. No line
    // end after it.
    std::string Text() const;

private:
    enum class Kind { Null, Bool, Integer, Number, String, Array, Object };
    void Write(std::string& out, int depth) const;
    bool Flat() const;

    Kind m_kind = Kind::Null;
    bool m_bool = false;
    int64_t m_integer = 0;
    double m_number = 0;
    std::string m_text;
    std::vector<std::string> m_keys; // objects: one per item
    std::vector<JsonValue> m_items;
};

// The text as a JSON string with its quotes: quotes, backslashes and control
// characters (C0, DEL, C1) escaped, valid UTF-8 kept, and each byte that is not
// part of valid UTF-8 as the private-use code point U+F780..U+F7FF that stands for
// it (written \uf7XX), as the command line reads such bytes.
std::string JsonString(const std::string& text);
