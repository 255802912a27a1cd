// The commands of vigilon-oss-cli. Each returns the exit status: 0 success,
// 1 failure (its messages have been printed); diff also 2 for trouble.
#pragma once

#include "frontend/history_store.h"

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
    HistoryFilter historyFilter;    // history: which entries to list
    bool csv = false;               // history: the CSV form
};

int CommandRead(const CliOptions& options);
int CommandWrite(const CliOptions& options);
int CommandInfo(const CliOptions& options);
int CommandCheck(const CliOptions& options);
int CommandCalibrate(const CliOptions& options);
int CommandReadCalibration(const CliOptions& options);
int CommandShow(const CliOptions& options);
int CommandPorts(const CliOptions& options);
int CommandBackups(const CliOptions& options);
int CommandDiff(const CliOptions& options);
int CommandToText(const CliOptions& options);
int CommandFromText(const CliOptions& options);
int CommandFleet(const CliOptions& options);
int CommandCalibrationStats(const CliOptions& options);
int CommandHistory(const CliOptions& options);
int CommandSupportBundle(const CliOptions& options);
int CommandFindCable(const CliOptions& options);
