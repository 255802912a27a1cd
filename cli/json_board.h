// The board's settings and identity as the --json documents give them. Settings
// go by the keys of the text form (board/settings_text.h) and in its order, each
// setting one object of the same shape wherever it appears:
//   {"value": true}                    a switch (the text form's 1 and 0)
//   {"value": 100, "unit": "s"}        a number, with its unit when it has one
//   {"value": 1, "choice": "45°"}      a choice: its number in the text form and
//                                      its text ("choice" is left out for a
//                                      number that is no choice)
#pragma once

#include "board/settings_snapshot.h"
#include "cli/json_value.h"

struct BoardInfo;

JsonValue SettingJson(const SettingRow& row, int32_t value);

// {"tiltAlarm": {...}, ...}: every setting of the snapshot.
JsonValue SettingsJson(const SettingsSnapshot& snapshot);

// The board's identity texts as members of `object`: boardType,
// hardwareRevision, softwareVersion, codeplugVersion (the board's own text).
void AddBoardIdentity(JsonValue& object, const BoardInfo& info);

// {"codeplugVersion": {"a": "01.00", "b": "01.02"}, "clockShift": {"a": {...}, "b": {...}}}:
// the version when it differs, then each setting that differs, as its two values.
JsonValue DifferencesJson(const SettingsSnapshot& a, const SettingsSnapshot& b);
