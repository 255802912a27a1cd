// The core with its Windows serial port and file access, run against the simulated
// radio on COM1 (tests/windows/run-under-wine starts the radio and Wine). One case
// per run, named on the command line; every check that fails is printed, and the
// exit status is 0 only when all held. The frames the radio saw are checked by the
// script from the radio's frame log.
#include "storage/file_access.h"
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "link/serial_devices.h"
#include "link/serial_port.h"
#include "operations/check_operation.h"
#include "operations/calibration_operation.h"
#include "operations/info_operation.h"
#include "operations/operation_course.h"
#include "operations/read_operation.h"
#include "operations/readout_operation.h"
#include "operations/write_operation.h"
#include "tests/support/bench_objects.h"
#include "tests/support/message_texts.h"
#include "tests/support/recording_presenter.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace text;

namespace {

const char* const PORT = "COM1";
// A data file of the factory settings, codeplug version 1.0: what the radio holds.
const std::string DEFAULT_FILE("\x01\x00\x00\xFE\x01\x00\x64\x00\x0A\x01\x01\x00\x64"
                               "\x00\x0A\x00\x00\x0A\x00\x0A\x00\x00\x00\x0A\x01\x00",
                               26);
const std::string FILE_WRITE_FAILED = "Option board file is write protected or disk is full !";

int g_failures = 0;

void Check(bool ok, const std::string& what)
{
    if (!ok) {
        ++g_failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += (all.empty() ? "" : " | ") + text;
    return all;
}

void CheckTexts(const RecordingPresenter& messages, const Texts& expected)
{
    Check(messages.Texts() == expected, "messages: expected [" + Joined(expected) + "], got [" +
                                            Joined(messages.Texts()) + "]");
}

// Files are looked at through the C++ library, not through the file access under test.
std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Names in the current folder, which is the case's own.
std::vector<std::string> FolderNames()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE find = ::FindFirstFileA("*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0)
            names.push_back(entry.cFileName);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    return names;
}

double ElapsedMs(const std::function<void()>& call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Read()
{
    RecordingPresenter messages;
    theOptionBoardData.tiltAlertTime.Set(7); // the board's value must replace it
    Check(ReadIntoProgram(theRadioLink, PORT, nullptr).loaded, "the read loads the record");
    CheckTexts(messages, { READ_OK });
    Check(theOptionBoardData.SaveToFile("board.vgd"), "a new data file is saved");
    Check(FileBytes("board.vgd") == DEFAULT_FILE, "the saved file holds the board's settings");
}

void Write()
{
    RecordingPresenter messages;
    theOptionBoardData.tiltAlertTime.Set(42);
    Check(RunWriteOperation(theRadioLink, PORT, ImageOf(theOptionBoardData).data(), nullptr).written, "the write is confirmed");
    CheckTexts(messages, { CONFIRM_WRITE, WRITE_OK });
    theOptionBoardData.ResetAll();
    Check(ReadIntoProgram(theRadioLink, PORT, nullptr).loaded && theOptionBoardData.tiltAlertTime.Get() == 42,
          "the value written is read back");
}

void Info()
{
    RecordingPresenter messages;
    const BoardInfo info = RunInfoOperation(theRadioLink, PORT);
    Check(info.show, "the information is shown");
    Check(info.type == BOARD_TYPE_TEXT, "board type: " + info.type);
    Check(info.codeplug == "01.00", "codeplug version: " + info.codeplug);
    CheckTexts(messages, {});
}

void Calibrate()
{
    RecordingPresenter messages;
    messages.answers = { MsgAnswer::Yes, MsgAnswer::Ok };
    Check(RunCalibrationOperation(theRadioLink, PORT).calibrated, "the calibration succeeds");
    CheckTexts(messages, { CONFIRM_CALIBRATE, CALIBRATE_TURN, CALIBRATE_OK });
}

// The first blocks of the calibration data, exported as the read-out does.
void ShortReadout()
{
    constexpr int BLOCKS = 5;
    RecordingPresenter messages;
    uint8_t data[BLOCKS * CAL_BLOCK_SIZE + 1] = {};
    {
        OperationRecord record;
        OperationCourse course(theRadioLink, PORT, "read-out", record);
        Check(course.Begin() && course.IdentifyRadioAndBoard(), "radio and board identified");
        for (int k = 0; k < BLOCKS; ++k) {
            const int offset = k * CAL_BLOCK_SIZE;
            int length = 0;
            Check(theRadioLink.ReadBoard(static_cast<uint16_t>(CAL_DATA_START + offset), CAL_BLOCK_SIZE,
                                         data + offset, sizeof(data) - static_cast<size_t>(offset), &length)
                      && length == CAL_BLOCK_SIZE,
                  "block " + std::to_string(k) + " read whole");
        }
        Check(theRadioLink.ResetRadio(), "the radio is released");
    }
    const std::string text = FormatCalibrationExport(data, BLOCKS * CAL_BLOCK_SIZE);
    Check(ReplaceFileContents("cal.txt", reinterpret_cast<const uint8_t*>(text.data()), text.size()),
          "the export is written");
    const std::string written = FileBytes("cal.txt");
    // The radio's pattern: two triangle waves a quarter turn apart.
    Check(written.compare(0, 18, "  0\t128\r\n  3\t131\r\n") == 0, "first lines: " + written.substr(0, 18));
    Check(written.size() == 120 * 9 && written.compare(written.size() - 9, 9, "239\t145\r\n") == 0,
          "120 lines ending with the 120th pair");
    CheckTexts(messages, {});
}

// No echo ever comes: a single read gives up after the read time-out, a command
// after one to two seconds.
void SilentRadio()
{
    RecordingPresenter messages;
    CSerialPort port{ theRadioLink.Context() };
    Check(port.Open(PORT), "COM1 opens");
    int byte = 0;
    const double readMs = ElapsedMs([&] { byte = port.ReadByte(); });
    Check(byte == -1, "a silent line gives no byte");
    Check(readMs >= 990 && readMs <= 1200, "a silent read gives up after about a second");
    theRadioLink.m_pPort = &port;
    const uint8_t item = 0;
    const double sendMs = ElapsedMs([&] { theRadioLink.SendFrame(OP_READ_RADIO_INFO, &item, 1); });
    theRadioLink.m_pPort = nullptr;
    Check(theRadioLink.m_nStatus == LINK_NO_RESPONSE, "the status says no response");
    Check(sendMs >= 1000 && sendMs <= 2100, "the command gives up within one to two seconds");
    CheckTexts(messages, { NO_RESPONSE });
    std::printf("silent line: ReadByte gave up after %.0f ms, the command after %.0f ms\n", readMs, sendMs);
}

// The serial devices as the registry names them: COM1, the radio's line, among them.
void SerialDevices()
{
    const std::vector<SerialDevice> devices = ListSerialDevices();
    bool com1 = false;
    for (const SerialDevice& device : devices) {
        std::printf("device: %s %s (%s)\n", device.name.c_str(), device.path.c_str(), DeviceDescription(device).c_str());
        if (device.name == "COM1")
            com1 = device.path == "\\\\.\\COM1" && device.PathToKeep() == device.path;
    }
    Check(com1, "COM1 is listed as \\\\.\\COM1");
}

// Check Connection on a radio that answers: every stage passes, in order.
void CheckConnection()
{
    RecordingPresenter messages;
    const CheckOutcome outcome = RunCheckOperation(theRadioLink, PORT);
    std::string stages;
    for (const CheckLine& line : outcome.lines) {
        std::printf("%s %s\n", line.passed ? "passed:" : "failed:", line.text.c_str());
        stages += line.passed ? '+' : '-';
    }
    Check(outcome.passed && stages == "+++++++", "every stage passes: " + stages);
    CheckTexts(messages, {});
}

double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// The cable is pulled (the script stops the radio) while the link waits for an
// echo: reads now fail at once, yet the command gives up as on a silent line,
// and without spinning.
void CablePulled()
{
    RecordingPresenter messages;
    CSerialPort port{ theRadioLink.Context() };
    Check(port.Open(PORT), "COM1 opens");
    theRadioLink.m_pPort = &port;
    const uint8_t item = 0;
    const double cpuBefore = ProcessCpuMs();
    const double sendMs = ElapsedMs([&] { theRadioLink.SendFrame(OP_READ_RADIO_INFO, &item, 1); });
    const double cpuMs = ProcessCpuMs() - cpuBefore;
    theRadioLink.m_pPort = nullptr;
    Check(theRadioLink.m_nStatus == LINK_NO_RESPONSE, "the status says no response");
    Check(sendMs >= 1000 && sendMs <= 2100, "the command gives up within one to two seconds");
    Check(cpuMs < 200, "the wait does not spin: " + std::to_string(cpuMs) + " ms of processor time");
    CheckTexts(messages, { NO_RESPONSE });
}

// The settings answer stops half-way: the receive fails and the course ends.
void FrameCutShort()
{
    RecordingPresenter messages;
    Check(!ReadIntoProgram(theRadioLink, PORT, nullptr).loaded, "nothing is loaded");
    CheckTexts(messages, { INCOMPLETE, READ_FAILED });
}

// Wine, unlike Windows, does not refuse a second open of a COM port (it checks
// sharing on files only), so there the refusal is seen on a file held exclusively.
bool UnderWine()
{
    return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

void SecondOpenRefused()
{
    RecordingPresenter messages;
    CSerialPort first;
    CSerialPort second;
    Check(first.Open(PORT) && first.LastOpenFailure() == PortOpenFailure::None, "the first open succeeds");
    if (UnderWine()) {
        std::printf("Wine: a second open of COM1 is not refused; Windows refuses it (access denied)\n");
    } else {
        Check(!second.Open(PORT) && !second.IsOpen(), "the second open is refused");
        Check(second.LastOpenFailure() == PortOpenFailure::Busy, "the refusal says busy");
        Check(second.Device() == "\\\\.\\COM1", "device: " + second.Device());
        Check(!ReadIntoProgram(theRadioLink, PORT, nullptr).loaded, "a read on the held port does nothing");
        CheckTexts(messages, { PortFailed(PORT) });
    }
    first.Close();
    Check(second.Open(PORT), "the port opens once the first lets go");

    CSerialPort absent;
    Check(!absent.Open("COM9") && absent.LastOpenFailure() == PortOpenFailure::NoSuchDevice,
          "a port that does not exist says so");

    // Held by another program without sharing: busy, on Windows and Wine alike.
    char full[MAX_PATH];
    PutFile("held", "");
    ::GetFullPathNameA("held", MAX_PATH, full, nullptr);
    const HANDLE holder = ::CreateFileA("held", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    CSerialPort held;
    Check(!held.Open(("\\\\?\\" + std::string(full)).c_str())
              && held.LastOpenFailure() == PortOpenFailure::Busy,
          "a device held without sharing says busy");
    ::CloseHandle(holder);
}

void ReadOnlyFileKept()
{
    RecordingPresenter messages;
    const std::string old = DEFAULT_FILE.substr(0, 2) + std::string(24, '\x55');
    PutFile("old.vgd", old);
    Check(::SetFileAttributesA("old.vgd", FILE_ATTRIBUTE_READONLY) != FALSE, "the file is made read-only");
    Check(!theOptionBoardData.SaveToFile("old.vgd"), "the save is refused");
    CheckTexts(messages, { FILE_WRITE_FAILED });
    Check(FileBytes("old.vgd") == old, "the old file is unchanged");
    Check(FolderNames() == std::vector<std::string>{ "old.vgd" }, "nothing else is left behind");
    ::SetFileAttributesA("old.vgd", FILE_ATTRIBUTE_NORMAL);
}

void AtomicReplace()
{
    RecordingPresenter messages;
    PutFile("board.vgd", std::string(40, 'x'));
    Check(theOptionBoardData.SaveToFile("board.vgd"), "the existing file is replaced");
    Check(FileBytes("board.vgd") == DEFAULT_FILE, "it holds exactly the new contents");
    Check(FolderNames() == std::vector<std::string>{ "board.vgd" }, "no temporary file is left");
    theOptionBoardData.tiltAlertTime.Set(7);
    Check(theOptionBoardData.LoadFromFile("board.vgd") && theOptionBoardData.tiltAlertTime.Get() == 10,
          "the file loads back");
    CheckTexts(messages, {});
}

// The version block the resource script gives the program file, as Windows reads it.
void VersionBlock()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeA(path, &ignored));
    Check(!block.empty() && ::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()),
          "the program file has a version block");
    if (block.empty())
        return;
    // The project's version, which the build gives the resource script and this program alike.
    const DWORD high = (VIGILON_VERSION_MAJOR << 16) | VIGILON_VERSION_MINOR;
    const DWORD low = VIGILON_VERSION_PATCH << 16;
    const std::string version = std::to_string(VIGILON_VERSION_MAJOR) + '.' + std::to_string(VIGILON_VERSION_MINOR)
                                + '.' + std::to_string(VIGILON_VERSION_PATCH) + ".0";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    Check(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size) && fixed != nullptr
              && fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low
              && fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
          "file and product version " + version);
    // The texts are found under the language and code page the block announces.
    WORD* translation = nullptr;
    Check(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                           &size) && size >= 4,
          "the block names its language");
    if (translation == nullptr)
        return;
    char prefix[64];
    std::snprintf(prefix, sizeof(prefix), "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    const std::map<std::string, std::string> expected = {
        { "FileDescription", "Vigilon Option Board Service Software" },
        { "FileVersion", version },
        { "InternalName", "Vigilon OSS" },
        { "OriginalFilename", "VigilonOss.exe" },
        { "ProductName", "Vigilon OSS" },
        { "ProductVersion", version },
        { "Comments", "Release Build" },
    };
    for (const auto& entry : expected) {
        char* value = nullptr;
        const bool found = ::VerQueryValueA(block.data(), (prefix + entry.first).c_str(),
                                            reinterpret_cast<void**>(&value), &size);
        const std::string got = found && value != nullptr ? value : "(none)";
        Check(got == entry.second, entry.first + ": " + got);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, void (*)()> cases = {
        { "Read", Read },
        { "Write", Write },
        { "Info", Info },
        { "Calibrate", Calibrate },
        { "ShortReadout", ShortReadout },
        { "SilentRadio", SilentRadio },
        { "FrameCutShort", FrameCutShort },
        { "CablePulled", CablePulled },
        { "SecondOpenRefused", SecondOpenRefused },
        { "ReadOnlyFileKept", ReadOnlyFileKept },
        { "AtomicReplace", AtomicReplace },
        { "VersionBlock", VersionBlock },
        { "SerialDevices", SerialDevices },
        { "CheckConnection", CheckConnection },
    };
    const auto found = argc == 2 ? cases.find(argv[1]) : cases.end();
    if (found == cases.end()) {
        std::fprintf(stderr, "usage: windows_run CASE\n");
        return 2;
    }
    found->second();
    std::printf("%s: %s\n", found->first.c_str(), g_failures == 0 ? "passed" : "FAILED");
    return g_failures == 0 ? 0 : 1;
}
