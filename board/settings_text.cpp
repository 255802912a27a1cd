#include "board/settings_text.h"

#include "board/codeplug_version.h"
#include "board/option_board_data.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

const char* const TEXT_VERSION_KEY = "codeplugVersion";

namespace {

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// What the comment above a setting says: its label, then its choices or range.
std::string Comment(const SettingRow& row)
{
    std::string comment = "# " + SettingFullLabel(row, true) + ": ";
    switch (row.kind) {
    case SettingKind::Flag:
        comment += "0 = " + LoadEnglishString(IDS_CLI_OFF) + ", 1 = " + LoadEnglishString(IDS_CLI_ON);
        break;
    case SettingKind::Index:
        for (int32_t choice = row.range.minimum; choice <= row.range.maximum; ++choice) {
            if (choice > row.range.minimum)
                comment += ", ";
            comment += std::to_string(choice) + " = " + LoadEnglishString(row.firstChoiceId + choice - row.range.minimum);
        }
        break;
    case SettingKind::Word:
        comment += std::to_string(row.range.minimum) + " to " + std::to_string(row.range.maximum);
        if (row.unitId)
            comment += " " + LoadEnglishString(row.unitId);
        break;
    }
    return comment;
}

// A whole number, as written: digits with an optional sign, nothing else (an
// embedded NUL would end the conversion early, so the whole text must be used).
bool WholeNumber(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return end == text.c_str() + text.size() && errno == 0 && text.find_first_of(" \t+x.") == std::string::npos;
}

// What follows the '=' of a line: up to a comment, without the blanks around it.
std::string ValueOf(const std::string& rest)
{
    return Trim(rest.substr(0, rest.find('#')));
}

bool Version(const std::string& text, int32_t& major, int32_t& minor)
{
    const size_t dot = text.find('.');
    long high = 0;
    long low = 0;
    if (dot == std::string::npos || !WholeNumber(text.substr(0, dot), high) || !WholeNumber(text.substr(dot + 1), low)
        || high < 0 || high > 255 || low < 0 || low > 255)
        return false;
    major = static_cast<int32_t>(high);
    minor = static_cast<int32_t>(low);
    return true;
}

} // namespace

std::string SettingsToText(const SettingsSnapshot& snapshot)
{
    std::string text = "# " + LoadEnglishString(IDS_TEXT_FORM_TITLE) + "\n";
    text += "# " + LoadEnglishString(IDS_LABEL_CODEPLUG_VERSION) + ": major.minor\n";
    text += std::string(TEXT_VERSION_KEY) + " = " + VersionText(snapshot.major, snapshot.minor) + "\n";
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        const SettingRow& row = SETTINGS[i];
        text += "\n" + Comment(row) + "\n";
        text += std::string(row.key) + " = " + std::to_string(snapshot.values[i]) + "\n";
    }
    return text;
}

bool SettingsFromText(const std::string& text, const std::string& name, SettingsSnapshot& snapshot,
                      std::string& error)
{
    int seenOn[SETTING_COUNT + 1] = {}; // line of each setting, the version last; 0: not seen
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    const auto fail = [&](int at, const std::string& what) {
        error = name + ":" + std::to_string(at) + ": " + what;
        return false;
    };
    while (std::getline(lines, line)) {
        ++number;
        const std::string content = Trim(line);
        if (content.empty() || content[0] == '#')
            continue;
        const size_t equals = content.find('=');
        if (equals == std::string::npos)
            return fail(number, FormatString(IDS_TEXT_NOT_A_SETTING, VisibleText(content).c_str()));
        const std::string key = Trim(content.substr(0, equals));
        const std::string value = ValueOf(content.substr(equals + 1));
        const SettingRow* row = FindSetting(key);
        if (!row && key != TEXT_VERSION_KEY)
            return fail(number, FormatString(IDS_TEXT_UNKNOWN_KEY, VisibleText(key).c_str()));
        const size_t slot = row ? static_cast<size_t>(row - SETTINGS) : SETTING_COUNT;
        if (seenOn[slot])
            return fail(number, FormatString(IDS_TEXT_REPEATED_KEY, key.c_str(), seenOn[slot]));
        seenOn[slot] = number;
        if (!row) {
            if (!Version(value, snapshot.major, snapshot.minor))
                return fail(number, FormatString(IDS_TEXT_BAD_VERSION, VisibleText(value).c_str()));
            // Refused as the read and the write refuse a board with it: no board
            // this program works with has such a version.
            if (!IsSupportedBoardMajor(snapshot.major)) {
                return fail(number, FormatString(IDS_TEXT_UNSUPPORTED_VERSION, value.c_str(), supportedCodeplugMajor));
            }
            continue;
        }
        long parsed = 0;
        if (!WholeNumber(value, parsed))
            return fail(number, FormatString(IDS_TEXT_NOT_A_NUMBER, VisibleText(value).c_str(), key.c_str()));
        if (parsed < SettingMinimum(*row) || parsed > SettingMaximum(*row)) {
            return fail(number, FormatString(IDS_TEXT_OUT_OF_RANGE, value.c_str(), key.c_str(), SettingMinimum(*row),
                                             SettingMaximum(*row)));
        }
        snapshot.values[slot] = static_cast<int32_t>(parsed);
    }
    for (size_t slot = 0; slot <= SETTING_COUNT; ++slot) {
        if (!seenOn[slot])
            return fail(number + 1, FormatString(IDS_TEXT_MISSING_KEY, slot < SETTING_COUNT ? SETTINGS[slot].key : TEXT_VERSION_KEY));
    }
    return true;
}
