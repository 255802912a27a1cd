// Every vigilon-oss-cli command that reads a file, handed the files a disk or a
// careless script can hold: each is refused at once with a message that names it,
// with the command's failure status, leaving no file behind and sending nothing to
// the radio. Files of 25 and 27 bytes follow the data file's rule (missing bytes
// read as zero, bytes past 26 ignored): from the factory settings both load.
#include "tests/support/board_fixture.h"
#include "tests/support/message_texts.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string OPEN_FAILED = "Error: Could not open file !\nhint: ";
const std::string INVALID = "Error: Invalid checksum or no valid option board file !\nhint: ";
const std::string NOT_USABLE = " holds no settings this program can use.\n";
const std::string SPECIAL = " is a device or a named pipe, not a file.\n";

// A case must end well within this, hang or not: the run is killed at twice it.
constexpr auto BOUND = std::chrono::seconds(5);
// Far less than the 2 GB file: a command that reads it whole fails instead.
// The sanitizers reserve terabytes of address space for their shadow memory, so
// their builds give the program room and let the sanitizer catch a wild read.
#if defined(__SANITIZE_ADDRESS__)
const std::string MEMORY_LIMIT = "--as=unlimited";
#else
const std::string MEMORY_LIMIT = "--as=268435456";
#endif

enum class Form { Data, Text, Calibration };

// What an input must give: status 0 (it loads by the rule), or the error text.
struct Expected {
    bool loads = false;
    std::string err;
};

struct Input {
    const char* name;
    Form form;
    bool unprivileged; // run as a user who may not read it
    // Makes the input under `folder` from the good file of its form; its path.
    std::string (*make)(const TempFolder& folder, const std::string& good);
    Expected (*expect)(const std::string& path);
};

std::vector<uint8_t> GoodFile()
{
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    for (uint8_t byte : DefaultImage())
        bytes.push_back(byte);
    return bytes;
}

std::string Made(const TempFolder& folder, const char* name, const std::vector<uint8_t>& bytes)
{
    WriteBytes(folder.Path(name), bytes);
    return folder.Path(name);
}

std::string Empty(const TempFolder& folder, const std::string&) { return Made(folder, "empty", {}); }
std::string DevZero(const TempFolder&, const std::string&) { return "/dev/zero"; }
std::string Folder(const TempFolder& folder, const std::string&)
{
    ::mkdir(folder.Path("folder").c_str(), 0755);
    return folder.Path("folder");
}
std::string Fifo(const TempFolder& folder, const std::string&)
{
    ::mkfifo(folder.Path("fifo").c_str(), 0644);
    return folder.Path("fifo");
}
std::string LinkLoop(const TempFolder& folder, const std::string&)
{
    [[maybe_unused]] const int a = ::symlink("loop-b", folder.Path("loop-a").c_str());
    [[maybe_unused]] const int b = ::symlink("loop-a", folder.Path("loop-b").c_str());
    return folder.Path("loop-a");
}
std::string Sparse(const TempFolder& folder, const std::string&)
{
    const int fd = ::open(folder.Path("sparse").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    [[maybe_unused]] const int sized = ::ftruncate(fd, 2LL * 1024 * 1024 * 1024);
    ::close(fd);
    return folder.Path("sparse");
}
std::string Unreadable(const TempFolder& folder, const std::string& good)
{
    const std::string path = Made(folder, "unreadable", ReadBytes(good));
    ::chmod(path.c_str(), 0);
    return path;
}
std::string Short(const TempFolder& folder, const std::string& good)
{
    std::vector<uint8_t> bytes = ReadBytes(good);
    bytes.pop_back();
    return Made(folder, "short.vgd", bytes);
}
std::string Long(const TempFolder& folder, const std::string& good)
{
    std::vector<uint8_t> bytes = ReadBytes(good);
    bytes.push_back(0x5A);
    return Made(folder, "long.vgd", bytes);
}
std::string Random(const TempFolder& folder, const std::string&)
{
    return Made(folder, "random.vgd", { 0xa5, 0x4d, 0xca, 0x18, 0x25, 0x30, 0xbb, 0x1d, 0x6d, 0x13, 0x2c, 0xde, 0xd6,
                                        0x23, 0x7b, 0x2e, 0xd9, 0x1e, 0x3f, 0x72, 0x1f, 0xcb, 0x19, 0x71, 0x17, 0x44 });
}
std::string BadChecksum(const TempFolder& folder, const std::string& good)
{
    std::vector<uint8_t> bytes = ReadBytes(good);
    bytes[3] ^= 0x01;
    return Made(folder, "checksum.vgd", bytes);
}
std::string Version9999(const TempFolder& folder, const std::string& good)
{
    std::vector<uint8_t> bytes = ReadBytes(good);
    bytes[0] = 99;
    bytes[1] = 99;
    return Made(folder, "version.vgd", bytes);
}

Expected Loads(const std::string&) { return Expected{ true, "" }; }
Expected NotUsable(const std::string& path) { return { false, INVALID + path + NOT_USABLE }; }
Expected OpenFolder(const std::string& path) { return { false, OPEN_FAILED + path + " is a folder, not a file.\n" }; }
Expected OpenSpecial(const std::string& path) { return { false, OPEN_FAILED + path + SPECIAL }; }
Expected OpenLoop(const std::string& path) { return { false, OPEN_FAILED + path + " is a loop of symbolic links.\n" }; }
Expected OpenDenied(const std::string& path)
{
    return { false, OPEN_FAILED + "You may not read " + path + ": ask for read access to it.\n" };
}
Expected RandomVersion(const std::string& path)
{
    return { false, "Error: " + text::Version("165 . 77") + "\nhint: " + path + NOT_USABLE };
}
Expected Version9999Refused(const std::string& path)
{
    return { false, "Error: " + text::Version("99 . 99") + "\nhint: " + path + NOT_USABLE };
}

// The file system's own failures, as the text and calibration readers word them.
Expected ReadFolder(const std::string& path) { return { false, "Error: " + path + " is a folder, not a file.\n" }; }
Expected ReadSpecial(const std::string& path) { return { false, "Error: " + path + SPECIAL }; }
Expected ReadLoop(const std::string& path) { return { false, "Error: " + path + " is a loop of symbolic links.\n" }; }
Expected ReadDenied(const std::string& path)
{
    return { false, "Error: You may not read " + path + ": ask for read access to it.\n" };
}
Expected TextEmpty(const std::string& path) { return { false, path + ":1: 'tiltAlarm' is missing\n" }; }
Expected TextTooLarge(const std::string& path)
{
    return { false, "Error: " + path + " is too large to be a settings text (1024 KiB or more).\n" };
}
Expected CalibrationEmpty(const std::string& path)
{
    return { false, "Error: " + path + ":1: the file ends here; calibration data has 28672 lines\n" };
}
Expected CalibrationZeros(const std::string& path)
{
    return { false, "Error: " + path + ":1: not two numbers from 0 to 255 separated by a tab\n" };
}

const Input INPUTS[] = {
    { "empty", Form::Data, false, Empty, NotUsable }, // all zero by the rule, never valid
    { "25 bytes", Form::Data, false, Short, Loads },  // the missing byte was zero
    { "27 bytes", Form::Data, false, Long, Loads },
    { "random 26 bytes", Form::Data, false, Random, RandomVersion },
    { "bad checksum", Form::Data, false, BadChecksum, NotUsable },
    { "codeplug 99.99", Form::Data, false, Version9999, Version9999Refused },
    { "/dev/zero", Form::Data, false, DevZero, OpenSpecial },
    { "folder", Form::Data, false, Folder, OpenFolder },
    { "fifo", Form::Data, false, Fifo, OpenSpecial },
    { "link loop", Form::Data, false, LinkLoop, OpenLoop },
    { "2 GB sparse", Form::Data, false, Sparse, NotUsable }, // its first 26 bytes, all zero
    { "unreadable", Form::Data, true, Unreadable, OpenDenied },

    { "empty", Form::Text, false, Empty, TextEmpty },
    { "/dev/zero", Form::Text, false, DevZero, ReadSpecial },
    { "folder", Form::Text, false, Folder, ReadFolder },
    { "fifo", Form::Text, false, Fifo, ReadSpecial },
    { "link loop", Form::Text, false, LinkLoop, ReadLoop },
    { "2 GB sparse", Form::Text, false, Sparse, TextTooLarge },
    { "unreadable", Form::Text, true, Unreadable, ReadDenied },

    { "empty", Form::Calibration, false, Empty, CalibrationEmpty },
    { "/dev/zero", Form::Calibration, false, DevZero, ReadSpecial },
    { "folder", Form::Calibration, false, Folder, ReadFolder },
    { "fifo", Form::Calibration, false, Fifo, ReadSpecial },
    { "link loop", Form::Calibration, false, LinkLoop, ReadLoop },
    { "2 GB sparse", Form::Calibration, false, Sparse, CalibrationZeros },
    { "unreadable", Form::Calibration, true, Unreadable, ReadDenied },
};

struct Command {
    const char* name;
    Form form;
    bool radio;  // sends to the radio once its file has loaded
    int refused; // the status of a file that does not load
    // The arguments with the file under test, a good file of the same form and an output.
    std::vector<std::string> (*args)(const std::string& file, const std::string& good, const std::string& out);
};

const Command COMMANDS[] = {
    { "show", Form::Data, false, 1, [](const std::string& f, const std::string&, const std::string&) {
         return std::vector<std::string>{ "show", f };
     } },
    { "write", Form::Data, true, 1, [](const std::string& f, const std::string&, const std::string&) {
         return std::vector<std::string>{ "--yes", "write", f };
     } },
    { "diff-first", Form::Data, false, 2, [](const std::string& f, const std::string& g, const std::string&) {
         return std::vector<std::string>{ "diff", f, g };
     } },
    { "diff-second", Form::Data, false, 2, [](const std::string& f, const std::string& g, const std::string&) {
         return std::vector<std::string>{ "diff", g, f };
     } },
    { "to-text", Form::Data, false, 1, [](const std::string& f, const std::string&, const std::string&) {
         return std::vector<std::string>{ "to-text", f };
     } },
    { "fleet", Form::Data, true, 1, [](const std::string& f, const std::string&, const std::string&) {
         return std::vector<std::string>{ "--yes", "fleet", f, "--count", "1" };
     } },
    { "from-text", Form::Text, false, 1, [](const std::string& f, const std::string&, const std::string& o) {
         return std::vector<std::string>{ "from-text", f, o };
     } },
    { "cal-stats", Form::Calibration, false, 1, [](const std::string& f, const std::string&, const std::string&) {
         return std::vector<std::string>{ "cal-stats", f };
     } },
};

std::vector<std::string> Requests(const std::string& log)
{
    std::vector<std::string> lines;
    const std::vector<uint8_t> bytes = ReadBytes(log);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

class HostileFiles : public ::testing::TestWithParam<Command> {};

TEST_P(HostileFiles, AreRefusedAtOnceWithTheirNameAndLeaveNothingBehind)
{
    const Command& command = GetParam();
    TempFolder folder;
    // Open to all, so that a user without rights reaches the file it may not read.
    ASSERT_EQ(::chmod(folder.Root().c_str(), 0777), 0);
    const std::string log = folder.Path("frames.log");
    BackgroundProgram sim(VIGILON_RADIO_SIM, { "--log", log });
    const std::string device = sim.firstLine;

    const std::string goodData = Made(folder, "good.vgd", GoodFile());
    std::string good = goodData;
    if (command.form == Form::Text) {
        good = folder.Path("good.txt");
        ASSERT_EQ(RunProgram(VIGILON_OSS_CLI, { "to-text", goodData, good }).status, 0);
    } else if (command.form == Form::Calibration) {
        std::string text;
        char line[16];
        for (int j = 0; j < 28672; ++j) {
            std::snprintf(line, sizeof(line), "%3d\t%3d\r\n", j % 256, 255 - j % 256);
            text += line;
        }
        good = Made(folder, "good-cal.txt", std::vector<uint8_t>(text.begin(), text.end()));
    }
    const std::string out = folder.Path("out.vgd");
    const bool asRoot = ::geteuid() == 0 && ::access("/usr/bin/setpriv", X_OK) == 0;

    std::string skipped;
    std::chrono::milliseconds slowest{ 0 };
    for (const Input& input : INPUTS) {
        if (input.form != command.form)
            continue;
        SCOPED_TRACE(std::string(command.name) + " of " + input.name);
        if (input.unprivileged && !asRoot) {
            skipped = "needs root and setpriv to run as a user who may not read the file";
            continue;
        }
        const std::string path = input.make(folder, good);
        const Expected expected = input.expect(path);
        std::vector<std::string> args = { "/usr/bin/timeout", "-s", "KILL", "10", "/usr/bin/prlimit", MEMORY_LIMIT,
                                          VIGILON_OSS_CLI, "--no-history", "--device", device };
        if (input.unprivileged)
            args.insert(args.begin(), { "/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups" });
        for (const std::string& arg : command.args(path, good, out))
            args.push_back(arg);
        const std::vector<std::string> entries = folder.Entries();
        const size_t requests = Requests(log).size();

        const auto started = std::chrono::steady_clock::now();
        const ProgramResult result = RunProgram(args[0], std::vector<std::string>(args.begin() + 1, args.end()), "",
                                                { { "XDG_CONFIG_HOME", folder.Path("config") },
                                                  { "XDG_DATA_HOME", folder.Path("data") } });
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        slowest = std::max(slowest, took);
        RecordProperty(input.name, std::to_string(result.status) + " " + std::to_string(took.count()) + " ms "
                                       + FirstLine(result.err));
        EXPECT_LT(took, BOUND);

        const std::vector<std::string> all = Requests(log);
        const std::vector<std::string> sent(all.begin() + static_cast<long>(std::min(requests, all.size())), all.end());
        if (expected.loads) {
            EXPECT_EQ(result.status, 0) << result.err;
            if (command.radio) {
                bool wrote = false;
                for (const std::string& line : sent)
                    wrote = wrote || line.find("write 0x1000/24") != std::string::npos;
                EXPECT_TRUE(wrote) << "the file's settings went to the radio";
            }
        } else {
            EXPECT_EQ(result.status, command.refused);
            EXPECT_EQ(result.err, expected.err);
            EXPECT_EQ(result.out, "");
            EXPECT_TRUE(sent.empty()) << "nothing reaches the radio: " << sent.front();
        }
        EXPECT_EQ(folder.Entries(), entries) << "nothing new beside the input";
        EXPECT_NE(::access(out.c_str(), F_OK), 0) << "no output file";
    }
    RecordProperty("slowest ms", static_cast<int>(slowest.count()));
    if (!skipped.empty())
        GTEST_SKIP() << skipped;
}

INSTANTIATE_TEST_SUITE_P(Cli, HostileFiles, ::testing::ValuesIn(COMMANDS),
                         [](const ::testing::TestParamInfo<Command>& info) {
                             std::string name = info.param.name;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

} // namespace
