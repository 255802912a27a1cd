// What a command of vigilon-oss-cli is given and how it is declared. Each
// returns the exit status: 0 success, 1 failure (its messages have been
// printed); diff also 2 for trouble.
#pragma once

#include "app/history_keeping.h"
#include "app/history_store.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// What the command line says besides the command's name.
class ITraceLines;
class OperationContext;

struct CliOptions {
    OperationContext* context = nullptr; // what the command's operations work through
    std::string portName;           // the port or device to use
    std::vector<std::string> ports; // fleet: every port or device given, in order (portName first)
    ITraceLines* traceLines = nullptr; // fleet on several ports: the trace file's lines, for a trace per port
    std::vector<std::string> files; // the command's arguments
    bool noBackup = false;          // read: keep no backup
    bool verify = false;            // write: read the settings back and compare
    bool backupFirst = false;       // write: back up the board's settings first
    bool board = false;             // diff: compare with the board instead of a second file
    bool all = false;               // ports: every serial device, with its details
    int count = 0;                  // fleet: radios to program; 0 until stopped
    std::string report;             // fleet: the CSV report's path; empty for none
    std::string jobSheet;           // history show, fleet: the job sheet's PDF; empty for none
    HistoryFilter historyFilter;    // history: which entries to list
    bool csv = false;               // history: the CSV form
    HistoryKeeping history;         // where operations add their entries
    bool askRadioId = false;        // fleet: ask each radio's ID before it is programmed
    std::string historyServer;      // the depot's record's address; empty for none
    bool allBenches = false;        // history: read the depot's record instead of this bench's file
};

// What sets a command apart on the command line.
enum CliCommandTraits : unsigned {
    CLI_NO_TRAITS = 0,
    CLI_USES_PORT = 1 << 0,  // needs a port: the configured one unless --port or --device; Ctrl+C stops it
    CLI_LAB_ONLY = 1 << 1,   // refused without --lab
    CLI_TAKES_JSON = 1 << 2, // answers with one JSON document under --json
    CLI_ONE_RADIO = 1 << 3,  // talks to one radio, which --radio-id names in the history
};

// A command of vigilon-oss-cli, declared beside the function that runs it and
// gathered with the others in cli/command_list.cpp: the command line checks its
// arguments and dispatches by it, and --help shows its usage and text.
struct CliCommand {
    const char* name;  // as typed after the options
    const char* usage; // how it is called, one line per form: "ports\nports --all"
    // What --help says of it, marked QT_TRANSLATE_NOOP("Cli", ...): one paragraph
    // per form of the usage, lines of about 60 characters, no indentation.
    const char* help;
    int minArguments; // positional arguments after the name
    int maxArguments;
    unsigned traits;  // CliCommandTraits
    int (*run)(const CliOptions& options); // the exit status, its messages printed
    int output = -1;                       // the argument the command writes, when it writes one
    size_t outputSize = 0;                 // about what it writes there, for the space check
};

// About what a text the command line writes takes, for the space check: a
// settings text, a report row, a trace's start.
constexpr size_t CLI_TEXT_OUTPUT_SIZE = 4096;
