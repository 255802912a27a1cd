#include "cli/commands.h"

#include "cli/cli_work.h"

#include "storage/backup_store.h"
#include "storage/file_access.h"
#include "board/option_board_data.h"
#include "board/settings_snapshot.h"
#include "board/settings_table.h"
#include "board/settings_text.h"
#include "cli/json_board.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "cli/utc_time.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/service_history.h"
#include "app/settings.h"
#include "link/device_listing.h"
#include "link/port_name.h"
#include "link/port_probe.h"
#include "link/port_resolver.h"
#include "link/serial_devices.h"
#include "operations/calibration_file.h"
#include "operations/calibration_operation.h"
#include "operations/check_operation.h"
#include "operations/info_operation.h"
#include "operations/read_operation.h"
#include "operations/readout_operation.h"
#include "operations/write_operation.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <vector>

namespace {

// A command that did not succeed: said to have been stopped when it was.
int Failed(const CliOptions& options)
{
    if (options.context->StopRequested()) {
        std::fprintf(stderr, "%s\n", LoadString(IDS_STOPPED).c_str());
        std::fflush(stderr);
        if (JsonReport* json = ActiveJsonReport())
            json->AddError(IDS_STOPPED, LoadString(IDS_STOPPED));
    }
    return 1;
}

int Done(std::FILE* out)
{
    FlushOutput(out);
    return 0;
}

// Reads the board's settings into the work's record, with a backup unless told not to.
bool ReadBoard(const CliOptions& options, CliWork& work)
{
    HistoryRecorder recorder(work.context, options.history);
    const ReadOutcome outcome = RunReadOperation(work.link, options.portName, nullptr);
    TakeReadInto(outcome, work.Versioned());
    std::string backup;
    if (outcome.loaded && !options.noBackup)
        backup = KeepBackup(work.context, BackupFolder(), options.portName, work.major, work.minor, outcome.image);
    recorder.Record(outcome.record, backup);
    return outcome.loaded;
}

// A settings text is a few kilobytes; anything near this is not one.
constexpr size_t TEXT_LIMIT = 1 << 20;

// Reads a settings text; false with the message to show when it cannot be had.
bool ReadText(const std::string& path, std::string& text, std::string& error)
{
    std::vector<uint8_t> bytes(TEXT_LIMIT);
    ReadProblem problem = ReadProblem::None;
    const long count = ReadFileExclusive(path, bytes.data(), bytes.size(), &problem);
    if (count < 0) {
        error = ReadProblemText(path, problem);
        if (error.empty())
            error = FormatString(IDS_CLI_CANNOT_READ, path.c_str());
        return false;
    }
    if (static_cast<size_t>(count) >= TEXT_LIMIT) {
        error = FormatString(IDS_CLI_TOO_LARGE, path.c_str(), static_cast<int>(TEXT_LIMIT / 1024));
        return false;
    }
    text.assign(bytes.begin(), bytes.begin() + count);
    return true;
}

} // namespace

int CommandRead(const CliOptions& options)
{
    CliWork work(options);
    if (!ReadBoard(options, work))
        return Failed(options);
    return work.Save(options.files[0]) ? 0 : 1;
}

int CommandWrite(const CliOptions& options)
{
    // A file that does not load never gets near the port.
    CliWork work(options);
    if (!work.Load(options.files[0]))
        return 1;
    WriteOptions write;
    write.verify = options.verify;
    std::string backup;
    if (options.backupFirst) {
        write.backupFirst = [&](int32_t major, int32_t minor, const uint8_t* image, std::string& error) {
            backup = KeepBackup(BackupFolder(), options.portName, major, minor, image, error);
            return !backup.empty();
        };
    }
    HistoryRecorder recorder(work.context, options.history);
    const WriteOutcome outcome = RunWriteOperation(work.link, options.portName, ImageOf(work.record).data(), nullptr, write);
    const int status = outcome.written ? 0 : Failed(options);
    recorder.Record(outcome.record, backup);
    return status;
}

namespace {

void PrintInfo(const BoardInfo& info)
{
    const struct {
        int labelId;
        const std::string& text;
    } fields[] = {
        { IDS_LABEL_BOARD_TYPE, info.type },
        { IDS_LABEL_HARDWARE_REVISION, info.hardware },
        { IDS_LABEL_SOFTWARE_VERSION, info.software },
        { IDS_LABEL_CODEPLUG_VERSION, info.codeplug },
    };
    // The board's texts are the board's to choose: shown, never acted on. Only
    // the remarks are several lines.
    for (const auto& field : fields)
        std::fprintf(stdout, "%s: %s\n", LoadString(field.labelId).c_str(), VisibleText(field.text).c_str());
    std::fprintf(stdout, "%s\n%s\n", LoadString(IDS_LABEL_VENDOR_REMARKS).c_str(),
                 VisibleText(info.remarks, true).c_str());
    Done(stdout);
}

// What the information says, and the command's status.
int ShowInfo(const CliOptions& options, const InfoOutcome& info)
{
    if (!info.show)
        return Failed(options);
    if (JsonReport* json = ActiveJsonReport()) {
        AddBoardIdentity(json->Result(), info);
        json->Result().Set("vendorRemarks", info.remarks).Set("complete", info.complete);
    } else {
        PrintInfo(info);
    }
    if (!info.complete) {
        PrintError(IDS_CLI_INFO_INCOMPLETE, LoadString(IDS_CLI_INFO_INCOMPLETE));
        return 1;
    }
    return 0;
}

// What the end of a read-out says, and the command's status.
int ShowReadout(const CliOptions& options, const ReadoutOutcome& outcome)
{
    if (outcome.result == ReadoutResult::Exported) {
        std::fprintf(stdout, "%s\n", FormatString(IDS_CLI_EXPORTED, outcome.path.c_str()).c_str());
        return Done(stdout);
    }
    // Whatever ended it after the last byte, the data are not lost: say where they are.
    if (!outcome.keptPath.empty()) {
        std::fprintf(stderr, "%s\n", FormatString(IDS_READOUT_KEPT, outcome.keptPath.c_str()).c_str());
        return 1;
    }
    if (outcome.result == ReadoutResult::Stopped) {
        std::fprintf(stderr, "%s\n", FormatString(IDS_READOUT_STOPPED, outcome.bytesRead, CAL_DATA_SIZE).c_str());
        return 1;
    }
    return Failed(options);
}

} // namespace

// Each operation's entry goes into the history after all the command says of
// it, so that a history that cannot keep it is a warning after the result.
int CommandInfo(const CliOptions& options)
{
    CliWork work(options);
    HistoryRecorder recorder(work.context, options.history);
    const InfoOutcome info = RunInfoOperation(work.link, options.portName);
    const int status = ShowInfo(options, info);
    recorder.Record(info.record);
    return status;
}

int CommandCalibrate(const CliOptions& options)
{
    CliWork work(options);
    HistoryRecorder recorder(work.context, options.history);
    const CalibrationOutcome outcome = RunCalibrationOperation(work.link, options.portName);
    const int status = outcome.calibrated ? 0 : Failed(options);
    recorder.Record(outcome.record);
    return status;
}

int CommandReadCalibration(const CliOptions& options)
{
    CliWork work(options);
    HistoryRecorder recorder(work.context, options.history);
    const ReadoutOutcome outcome = RunCalibrationReadout(work.link, options.portName, [&](const std::string& text, std::string& error) {
        return KeepCalibrationBackup(BackupFolder(), options.portName, text, error);
    });
    const int status = ShowReadout(options, outcome);
    recorder.Record(outcome.record);
    return status;
}

int CommandShow(const CliOptions& options)
{
    CliWork work(options);
    if (!work.Load(options.files[0]))
        return 1;
    const COptionBoardData& r = work.record;
    if (JsonReport* json = ActiveJsonReport()) {
        json->Result()
            .Set("file", options.files[0])
            .Set(TEXT_VERSION_KEY, VersionText(work.major, work.minor))
            .Set("checksum", r.checksum)
            .Set("settings", SettingsJson(TakeSnapshot(work.Versioned())));
        return 0;
    }
    std::fprintf(stdout, "%s: %02d.%02d\n", LoadString(IDS_LABEL_CODEPLUG_VERSION).c_str(), work.major, work.minor);
    std::fprintf(stdout, "%s: %d (0x%04X)\n", LoadString(IDS_CLI_CHECKSUM).c_str(), r.checksum, r.checksum);
    for (const SettingRow& row : SETTINGS) {
        std::fprintf(stdout, "%s%s: %s\n", row.owner >= 0 ? "  " : "", LoadString(row.labelId).c_str(),
                     SettingValueText(row, SettingValue(r, row), false).c_str());
    }
    return Done(stdout);
}

int CommandCheck(const CliOptions& options)
{
    // One line per stage as it is known, the stage's mark first.
    CliWork work(options);
    const CheckOutcome outcome = RunCheckOperation(work.link, options.portName, [](const CheckLine& line) {
        std::fprintf(stdout, "%s %s\n", LoadString(line.passed ? IDS_CHECK_PASSED_MARK : IDS_CHECK_FAILED_MARK).c_str(),
                     VisibleText(line.text).c_str());
        FlushOutput(stdout);
    });
    RecordOperation(work.context, options.history, outcome.record, CheckMessages(outcome));
    return outcome.passed ? Done(stdout) : 1;
}

namespace {

void ListDevicesAsJson(IPortResolver* resolver, JsonReport& json, const std::vector<SerialDevice>& devices)
{
    JsonValue list = JsonValue::Array();
    for (const SerialDevice& device : devices) {
        JsonValue ports = JsonValue::Array();
        for (const std::string& port : PortsFor(resolver, device))
            ports.Push(port);
        list.Push(JsonValue::Object()
                      .Set("path", device.path)
                      .Set("stablePath", device.stablePath.empty() ? JsonValue() : JsonValue(device.stablePath))
                      .Set("ports", ports)
                      .Set("kind", LoadEnglishString(DeviceKindId(device)))
                      .Set("description", DeviceDescription(device)));
    }
    json.Result().Set("devices", list);
}

int ListAllDevices(IPortResolver* resolver)
{
    const std::vector<SerialDevice> devices = ListSerialDevices(StoredCableIds());
    if (JsonReport* json = ActiveJsonReport()) {
        ListDevicesAsJson(resolver, *json, devices);
        return 0;
    }
    if (devices.empty())
        std::fprintf(stdout, "%s\n", LoadString(IDS_CLI_NO_DEVICES).c_str());
    for (const SerialDevice& device : devices)
        std::fprintf(stdout, "%s\n", DeviceListingLine(resolver, device).c_str());
    return Done(stdout);
}

} // namespace

int CommandPorts(const CliOptions& options)
{
    if (options.all)
        return ListAllDevices(options.context->ports);
    const std::vector<ProbedPort> ports = ProbePorts(options.context->ports);
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue list = JsonValue::Array();
        for (const ProbedPort& port : ports)
            list.Push(JsonValue::Object().Set("port", port.name).Set("device", port.device));
        json->Result().Set("ports", list);
        return 0;
    }
    if (ports.empty())
        std::fprintf(stdout, "%s\n", LoadString(IDS_CLI_NO_PORTS).c_str());
    for (const ProbedPort& port : ports)
        std::fprintf(stdout, "%s\t%s\n", port.name.c_str(), port.device.c_str());
    return Done(stdout);
}

int CommandBackups(const CliOptions&)
{
    const std::string folder = BackupFolder();
    const std::vector<BackupEntry> backups = AllBackups(folder);
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue list = JsonValue::Array();
        for (const BackupEntry& backup : backups) {
            const std::string time = LocalTimeAsUtc(backup.when);
            list.Push(JsonValue::Object()
                          .Set("time", time.empty() ? JsonValue() : JsonValue(time))
                          .Set("port", backup.port)
                          .Set("path", backup.path));
        }
        json->Result().Set("folder", folder).Set("backups", list);
        return 0;
    }
    if (backups.empty())
        std::fprintf(stdout, "%s\n", FormatString(IDS_CLI_NO_BACKUPS, folder.c_str()).c_str());
    for (const BackupEntry& backup : backups)
        std::fprintf(stdout, "%s\t%s\t%s\n", backup.when.c_str(), backup.port.c_str(), backup.path.c_str());
    return Done(stdout);
}

int CommandDiff(const CliOptions& options)
{
    constexpr int TROUBLE = 2;
    // Files are compared as they load, without going through the record.
    SettingsSnapshot first;
    if (!LoadSnapshotFromFile(options.files[0], first, options.context))
        return TROUBLE;
    SettingsSnapshot second;
    const std::string otherName = options.board ? options.portName : options.files[1];
    if (options.board) {
        CliWork work(options);
        if (!ReadBoard(options, work)) {
            Failed(options); // says so when it was stopped
            return TROUBLE;
        }
        second = TakeSnapshot(work.Versioned());
    } else if (!LoadSnapshotFromFile(options.files[1], second, options.context)) {
        return TROUBLE;
    }
    if (JsonReport* json = ActiveJsonReport()) {
        const JsonValue differences = DifferencesJson(first, second);
        json->Result()
            .Set("a", JsonValue::Object().Set("file", options.files[0]))
            .Set("b", JsonValue::Object().Set(options.board ? "port" : "file", otherName))
            .Set("equal", differences.Empty())
            .Set("differences", differences);
        return differences.Empty() ? 0 : 1;
    }
    const std::vector<std::string> differences = DescribeDifferences(first, second);
    if (differences.empty())
        return Done(stdout);
    std::fprintf(stdout, "--- %s\n+++ %s\n", options.files[0].c_str(), otherName.c_str());
    for (const std::string& line : differences)
        std::fprintf(stdout, "%s\n", line.c_str());
    Done(stdout);
    return 1;
}

int CommandToText(const CliOptions& options)
{
    CliWork work(options);
    if (!work.Load(options.files[0]))
        return 1;
    const std::string text = SettingsToText(TakeSnapshot(work.Versioned()));
    if (options.files.size() < 2) {
        std::fputs(text.c_str(), stdout);
        return Done(stdout);
    }
    if (!ReplaceFileContents(options.files[1], reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
        std::fprintf(stderr, "%s\n", FormatString(IDS_CLI_ERROR_LINE, FormatString(IDS_CLI_CANNOT_WRITE, options.files[1].c_str()).c_str()).c_str());
        return 1;
    }
    return 0;
}

int CommandFromText(const CliOptions& options)
{
    std::string text;
    std::string error;
    if (!ReadText(options.files[0], text, error)) {
        std::fprintf(stderr, "%s\n", FormatString(IDS_CLI_ERROR_LINE, VisibleText(error).c_str()).c_str());
        return 1;
    }
    SettingsSnapshot snapshot;
    if (!SettingsFromText(text, options.files[0], snapshot, error)) {
        std::fprintf(stderr, "%s\n", VisibleText(error).c_str());
        return 1;
    }
    CliWork work(options);
    ApplySnapshot(snapshot, work.Versioned());
    return work.Save(options.files[1]) ? 0 : 1;
}

int CommandCalibrationStats(const CliOptions& options)
{
    const CalibrationFile file = LoadCalibrationFile(options.files[0]);
    JsonReport* json = ActiveJsonReport();
    if (json)
        json->Result().Set("file", options.files[0]);
    if (!file.error.empty()) {
        if (json && file.badLine > 0)
            json->Result().Set("wrongLine", file.badLine);
        PrintError(file.errorId, file.error);
        return 1;
    }
    if (json) {
        JsonValue columns = JsonValue::Array();
        for (const CalibrationColumn& column : file.columns) {
            columns.Push(
                JsonValue::Object().Set("minimum", column.minimum).Set("maximum", column.maximum).Set("mean", column.mean));
        }
        json->Result().Set("columns", columns);
        return 0;
    }
    for (int column = 0; column < 2; ++column)
        std::fprintf(stdout, "%s\n", CalibrationColumnFigures(file, column).c_str());
    return Done(stdout);
}

// How the command line knows the commands of this file (cli/command_list.cpp).
extern const CliCommand READ_COMMAND = {
    "read", "read FILE",
    QT_TRANSLATE_NOOP("Cli", "read the board's settings and save them to the data file FILE\n"
                             "(and a backup of them; --no-backup skips it)"),
    1, 1, CLI_USES_PORT | CLI_ONE_RADIO, &CommandRead, 0, DATA_FILE_SIZE,
};
extern const CliCommand WRITE_COMMAND = {
    "write", "write FILE", QT_TRANSLATE_NOOP("Cli", "program the board with the settings of the data file FILE"),
    1, 1, CLI_USES_PORT | CLI_ONE_RADIO, &CommandWrite,
};
extern const CliCommand INFO_COMMAND = {
    "info", "info", QT_TRANSLATE_NOOP("Cli", "show the board's type, revisions, codeplug version and remarks"),
    0, 0, CLI_USES_PORT | CLI_TAKES_JSON | CLI_ONE_RADIO, &CommandInfo,
};
extern const CliCommand CHECK_COMMAND = {
    "check", "check",
    QT_TRANSLATE_NOOP("Cli", "check the connection link by link: port, cable, radio, board,\n"
                             "codeplug version; one line per stage, stops at the first failure"),
    0, 0, CLI_USES_PORT | CLI_ONE_RADIO, &CommandCheck,
};
extern const CliCommand CALIBRATE_COMMAND = {
    "calibrate", "calibrate", QT_TRANSLATE_NOOP("Cli", "calibrate the accelerometer (needs --lab)"),
    0, 0, CLI_USES_PORT | CLI_LAB_ONLY | CLI_ONE_RADIO, &CommandCalibrate,
};
extern const CliCommand READ_CAL_COMMAND = {
    "read-cal", "read-cal FILE", QT_TRANSLATE_NOOP("Cli", "export the board's calibration data to FILE (needs --lab)"),
    1, 1, CLI_USES_PORT | CLI_LAB_ONLY | CLI_ONE_RADIO, &CommandReadCalibration, 0, CALIBRATION_BACKUP.size,
};
extern const CliCommand CAL_STATS_COMMAND = {
    "cal-stats", "cal-stats FILE",
    QT_TRANSLATE_NOOP("Cli", "check an exported calibration data file, print each column's\n"
                             "minimum, maximum and mean"),
    1, 1, CLI_TAKES_JSON, &CommandCalibrationStats,
};
extern const CliCommand SHOW_COMMAND = {
    "show", "show FILE", QT_TRANSLATE_NOOP("Cli", "show the settings kept in the data file FILE"),
    1, 1, CLI_TAKES_JSON, &CommandShow,
};
extern const CliCommand PORTS_COMMAND = {
    "ports", "ports\nports --all",
    //: One paragraph per form: ports, then ports --all.
    QT_TRANSLATE_NOOP("Cli", "list the serial ports COM1..COM4 present, with their devices\n"
                             "\n"
                             "list every serial device: path, stable path, the ports that\n"
                             "stand for it, kind (cable, usb, serial) and description"),
    0, 0, CLI_TAKES_JSON, &CommandPorts,
};
extern const CliCommand BACKUPS_COMMAND = {
    "backups", "backups", QT_TRANSLATE_NOOP("Cli", "list the backups of board settings, newest first"),
    0, 0, CLI_TAKES_JSON, &CommandBackups,
};
extern const CliCommand DIFF_COMMAND = {
    "diff", "diff A B\ndiff A --board",
    //: One paragraph per form: diff A B, then diff A --board.
    QT_TRANSLATE_NOOP("Cli", "show the settings that differ between data files A and B\n"
                             "\n"
                             "show the settings that differ between data file A and the board"),
    1, 2, CLI_TAKES_JSON, &CommandDiff,
};
extern const CliCommand TO_TEXT_COMMAND = {
    "to-text", "to-text FILE [OUT]",
    QT_TRANSLATE_NOOP("Cli", "write the data file's settings as text (to OUT or the terminal)"),
    1, 2, CLI_NO_TRAITS, &CommandToText, 1, CLI_TEXT_OUTPUT_SIZE,
};
extern const CliCommand FROM_TEXT_COMMAND = {
    "from-text", "from-text TEXT OUT", QT_TRANSLATE_NOOP("Cli", "make the data file OUT from a text made by to-text"),
    2, 2, CLI_NO_TRAITS, &CommandFromText, 1, DATA_FILE_SIZE,
};
