#include "app/depot_address.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <QByteArray>

#include <algorithm>

namespace {

std::string Decoded(const std::string& text)
{
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(text)).toStdString();
}

bool IsKey(const std::string& key)
{
    return !key.empty()
        && std::all_of(key.begin(), key.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '_'; });
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    parts.push_back(text.substr(from));
    return parts;
}

// postgresql://[user[:password]@][host[:port][,...]][/dbname][?key=value&...]
bool ParseUri(const std::string& rest, DepotAddress& address)
{
    const size_t question = rest.find('?');
    const std::string main = rest.substr(0, question);
    const std::string query = question == std::string::npos ? std::string() : rest.substr(question + 1);
    const size_t slash = main.find('/');
    std::string authority = main.substr(0, slash);
    if (slash != std::string::npos && slash + 1 < main.size())
        address.pairs.emplace_back("dbname", Decoded(main.substr(slash + 1)));
    const size_t at = authority.rfind('@');
    if (at != std::string::npos) {
        const std::string user = authority.substr(0, at);
        const size_t colon = user.find(':');
        if (!user.empty())
            address.pairs.emplace_back("user", Decoded(user.substr(0, colon)));
        if (colon != std::string::npos)
            address.pairs.emplace_back("password", Decoded(user.substr(colon + 1)));
        authority = authority.substr(at + 1);
    }
    if (!authority.empty()) {
        std::vector<std::string> hosts;
        std::vector<std::string> ports;
        for (const std::string& part : Split(authority, ',')) {
            std::string host = part;
            std::string port;
            if (!part.empty() && part.front() == '[') {
                const size_t close = part.find(']');
                if (close == std::string::npos)
                    return false;
                host = part.substr(1, close - 1);
                if (close + 1 < part.size()) {
                    if (part[close + 1] != ':')
                        return false;
                    port = part.substr(close + 2);
                }
            } else if (const size_t colon = part.rfind(':'); colon != std::string::npos) {
                host = part.substr(0, colon);
                port = part.substr(colon + 1);
            }
            if (!std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return false;
            hosts.push_back(Decoded(host));
            ports.push_back(port);
        }
        const auto joined = [](const std::vector<std::string>& parts) {
            std::string text;
            for (size_t i = 0; i < parts.size(); ++i)
                text += (i ? "," : "") + parts[i];
            return text;
        };
        // An empty host or port is the client's default, as in the URI.
        if (std::any_of(hosts.begin(), hosts.end(), [](const std::string& host) { return !host.empty(); }))
            address.pairs.emplace_back("host", joined(hosts));
        if (std::any_of(ports.begin(), ports.end(), [](const std::string& port) { return !port.empty(); }))
            address.pairs.emplace_back("port", joined(ports));
    }
    if (!query.empty()) {
        for (const std::string& item : Split(query, '&')) {
            const size_t equals = item.find('=');
            if (equals == std::string::npos)
                return false;
            address.pairs.emplace_back(Decoded(item.substr(0, equals)), Decoded(item.substr(equals + 1)));
        }
    }
    return true;
}

// key = value key='quoted \' value' ...
bool ParsePairs(const std::string& text, DepotAddress& address)
{
    size_t at = 0;
    const auto skipSpace = [&] {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n'))
            ++at;
    };
    for (skipSpace(); at < text.size(); skipSpace()) {
        const size_t keyStart = at;
        while (at < text.size() && text[at] != '=' && text[at] != ' ' && text[at] != '\t')
            ++at;
        const std::string key = text.substr(keyStart, at - keyStart);
        skipSpace();
        if (at >= text.size() || text[at] != '=')
            return false;
        ++at;
        skipSpace();
        std::string value;
        if (at < text.size() && text[at] == '\'') {
            for (++at; at < text.size() && text[at] != '\''; ++at) {
                if (text[at] == '\\' && at + 1 < text.size())
                    ++at;
                value += text[at];
            }
            if (at >= text.size())
                return false;
            ++at;
        } else {
            while (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '\n') {
                if (text[at] == '\\' && at + 1 < text.size())
                    ++at;
                value += text[at++];
            }
        }
        address.pairs.emplace_back(key, value);
    }
    return true;
}

} // namespace

DepotAddress ParseDepotAddress(const std::string& given)
{
    DepotAddress address;
    const size_t first = given.find_first_not_of(" \t\r\n");
    const size_t last = given.find_last_not_of(" \t\r\n");
    const std::string text = first == std::string::npos ? std::string() : given.substr(first, last - first + 1);
    std::string scheme;
    for (const char* known : { "postgresql://", "postgres://" }) {
        if (text.rfind(known, 0) == 0)
            scheme = known;
    }
    bool read = scheme.empty() ? ParsePairs(text, address) : ParseUri(text.substr(scheme.size()), address);
    // The driver cuts its options at each ';', quoted or not: a value holding
    // one would reach the server as something else.
    for (const auto& [key, value] : address.pairs)
        read = read && IsKey(key) && value.find(';') == std::string::npos && value.find('\0') == std::string::npos;
    if (!read || text.empty())
        address.error = FormatString(IDS_DEPOT_ADDRESS_UNREADABLE, text.c_str());
    return address;
}

bool DepotAddress::HoldsPassword() const
{
    return std::any_of(pairs.begin(), pairs.end(), [](const auto& pair) {
        return pair.first == "password" || pair.first == "sslpassword";
    });
}

std::string DepotAddress::ConnectionText() const
{
    std::string text;
    for (const auto& [key, value] : pairs) {
        std::string quoted;
        for (char c : value) {
            if (c == '\\' || c == '\'')
                quoted += '\\';
            quoted += c;
        }
        text += (text.empty() ? "" : " ") + key + "='" + quoted + "'";
    }
    return text;
}

std::string DepotAddress::Place() const
{
    std::string hosts;
    std::string port;
    std::string database;
    for (const auto& [key, value] : pairs) {
        if (key == "host" || key == "hostaddr")
            hosts = value;
        else if (key == "port")
            port = value;
        else if (key == "dbname")
            database = value;
    }
    std::string place = hosts.empty() ? std::string("localhost") : hosts;
    if (!port.empty() && port.find(',') == std::string::npos)
        place += ":" + port;
    return database.empty() ? place : place + "/" + database;
}

bool DepotAddressHoldsPassword(const std::string& address)
{
    return ParseDepotAddress(address).HoldsPassword();
}

std::string DepotPlace(const std::string& address)
{
    const DepotAddress parsed = ParseDepotAddress(address);
    return parsed.error.empty() ? parsed.Place() : address;
}
