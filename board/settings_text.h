// The settings as text a person can read and edit: the codeplug version and one
// "key = value" line per setting, each after a comment with its label, range and
// unit. Blank lines and lines starting with '#' are comments; a '#' after a value
// starts a comment too.
#pragma once

#include "board/settings_snapshot.h"

#include <string>

// The key of the codeplug version's line; a setting's key is its row's `key`.
extern const char* const TEXT_VERSION_KEY;

std::string SettingsToText(const SettingsSnapshot& snapshot);

// Reads the text into `snapshot`. Every setting and the version must be given
// exactly once, each setting as a whole number within the edit dialog's limits,
// the version as one a board this program works with can have. On failure
// `error` is "NAME:LINE: what is wrong" (NAME: the file's name, for messages).
bool SettingsFromText(const std::string& text, const std::string& name, SettingsSnapshot& snapshot,
                      std::string& error);
