// The service history as people and programs read it: its times in local time
// for people, dates given on a command line or in a window as history times, an
// entry's board and settings in words, and the CSV form of a list of entries
// (English titles, UTC times and the settings' bytes in hexadecimal: programs
// read it).
#pragma once

#include "board/settings_snapshot.h"
#include "app/history_store.h"

#include <cstdio>
#include <string>
#include <vector>

struct HistoryColumn;

// "2026-12-09 04:05:01" in the computer's time zone; the stored text when it is
// no time.
std::string HistoryLocalTime(const std::string& time);
// A date or time given by a person as a history time: "2026-12-09" (local
// midnight, or the day's last millisecond when `endOfDay`), "2026-12-09T04:05"
// or "2026-12-09 04:05:01" (local), or one with "Z" or an offset. False when the
// text is none of these.
bool HistoryTimeFromText(const std::string& text, bool endOfDay, std::string& time);

// "kim on bench-2": who did it on which computer.
std::string HistoryUserText(const HistoryEntry& entry);
// "SR-9 R02.10, ID 4711": the radio's information text, with the ID the
// technician gave when there is one.
std::string HistoryRadioText(const HistoryEntry& entry);
std::string RadioTextWithId(const std::string& radioInfo, const std::string& radioId);
// "COM1 (/dev/ttyUSB0)": the port, with the device it stood for where that says more.
std::string HistoryPortText(const HistoryEntry& entry);
// "Vigilon, hardware R2, software 1.04, codeplug 01.00": what of the board is known.
std::string HistoryBoardText(const HistoryEntry& entry);
// An operation's or a result's stored word ("read", "stopped") in the user's language.
std::string HistoryWord(const std::string& word);
// Every operation and every result this program records, then any other the
// history holds: what the filters offer, whether the history has them yet or not.
std::vector<std::string> HistoryOperationWords(HistoryReader& store);
std::vector<std::string> HistoryResultWords(HistoryReader& store);
// "succeeded, verified", in the user's language
std::string HistoryResultText(const HistoryEntry& entry);

// The entry's fleet run: "number 3: settings ... (SHA-256 ...), ports COM1, COM2, from ... to ...", its
// times local; the number alone when the history no longer holds the run.
std::string HistoryRunText(HistoryReader& store, const HistoryEntry& entry);
// The text of the line `column` leads in `history show` (a field's label is
// the column's): its value in words, with the columns after it that have no
// line of their own; empty when the entry does not know it. Not yet escaped.
std::string HistoryLineText(HistoryReader& store, const HistoryEntry& entry, const HistoryColumn& column);

// The settings of a stored data file's bytes; false when their checksum is wrong
// (the values are then those the bytes hold).
bool HistorySettings(const DataFileBytes& bytes, SettingsSnapshot& snapshot);
// "label: before -> after" for each setting a write changed from what the radio
// held before it; empty when nothing is known of before, or nothing changed.
std::vector<std::string> HistoryWriteDifferences(HistoryReader& store, const HistoryEntry& entry);

// The CSV form: the header and one line per entry (with settings and
// messages), each ended by CR LF.
std::string HistoryCsvHeader();
std::string HistoryCsvLine(const HistoryEntry& entry);
// Every entry the filter lets through, oldest first, into `out`; false when the
// history could not be read or the file not written.
bool WriteHistoryCsv(HistoryReader& store, const HistoryFilter& filter, std::FILE* out);
