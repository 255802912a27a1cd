// The 26-byte data file: what opens, what is refused with which message, and that
// a save never costs the technician the file already on disk.
#include "tests/support/board_fixture.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Texts = std::vector<std::string>;

const std::string COULD_NOT_OPEN = "Could not open file !";
const std::string INVALID_FILE = "Invalid checksum or no valid option board file !";
const std::string WRITE_FAILED = "Option board file is write protected or disk is full !";

ByteVector DefaultFile()
{
    ByteVector file = { 0x01, 0x00 };
    const ByteVector image = DefaultImage();
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

class DataFile : public BoardRecordTest {
protected:
    // A record that differs from the defaults, to see that refusals change nothing.
    void MakeDistinct()
    {
        theOptionBoardData.tiltAlertTime.Set(42);
        theOptionBoardData.sensorSensitivity.Set(2);
        theOptionBoardData.clockShift.Set(1);
    }
    TempFolder folder;
};

} // namespace

TEST_F(DataFile, DefaultRecordIsSavedAsTheKnown26Bytes)
{
    const std::string path = folder.Path("board.vgd");
    ASSERT_TRUE(theOptionBoardData.SaveToFile(path));
    EXPECT_EQ(ReadBytes(path), DefaultFile());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(folder.Entries(), Texts{ "board.vgd" }) << "no temporary file left behind";
}

TEST_F(DataFile, SavedFilesCarryTheCodeplugVersionOfTheirData)
{
    codeplugMajor = 1;
    codeplugMinor = 7; // as read from a board
    const std::string path = folder.Path("read.vgd");
    ASSERT_TRUE(theOptionBoardData.SaveToFile(path, codeplugMajor, codeplugMinor));
    const ByteVector saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), DATA_FILE_SIZE);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[1], 7);
}

TEST_F(DataFile, FilesThatOpen)
{
    struct Case {
        const char* what;
        ByteVector bytes;
        int32_t major;
        int32_t minor;
    };
    ByteVector longer = DefaultFile();
    longer.insert(longer.end(), { 0xDE, 0xAD, 0xBE, 0xEF });
    ByteVector majorZero = DefaultFile();
    majorZero[0] = 0;
    majorZero[1] = 9;
    ByteVector lastByteZero = DefaultFile();
    lastByteZero.pop_back(); // the missing 26th byte reads as the zero it was
    const Case cases[] = {
        { "the default file", DefaultFile(), 1, 0 },
        { "27 bytes and more: the first 26 count", longer, 1, 0 },
        { "major version 0", majorZero, 0, 9 },
        { "25 bytes whose missing byte was zero", lastByteZero, 1, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        MakeDistinct();
        const std::string path = folder.Path("open.vgd");
        WriteBytes(path, c.bytes);
        EXPECT_TRUE(theOptionBoardData.LoadFromFile(path, &codeplugMajor, &codeplugMinor));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(Values(theOptionBoardData), Values(COptionBoardData()));
        EXPECT_EQ(codeplugMajor, c.major);
        EXPECT_EQ(codeplugMinor, c.minor);
        messages.Clear();
    }
}

TEST_F(DataFile, FilesThatAreRefusedLeaveTheMembersAlone)
{
    struct Case {
        const char* what;
        ByteVector bytes;
        std::string message;
    };
    ByteVector zeroImage(DATA_FILE_SIZE, 0);
    zeroImage[0] = 1;
    ByteVector wrongSum = DefaultFile();
    wrongSum[3] = 0xFD;
    ByteVector clockShiftOn = DefaultImage();
    clockShiftOn[23] = 1;
    ByteVector shortened = { 0x01, 0x00 };
    for (uint8_t byte : WithChecksum(clockShiftOn))
        shortened.push_back(byte);
    shortened.pop_back(); // the clock shift byte is cut off and reads as zero
    ByteVector majorTwo = DefaultFile();
    majorTwo[0] = 2;
    majorTwo[1] = 7;
    const Case cases[] = {
        { "empty", {}, INVALID_FILE },
        { "25 bytes whose missing byte mattered", shortened, INVALID_FILE },
        { "all-zero image", zeroImage, INVALID_FILE },
        { "wrong checksum", wrongSum, INVALID_FILE },
        { "major version 2", majorTwo,
          "Codeplug version not supported by this OSS.\nRadio/File codeplug version: 02 . 07\n"
          "OSS codeplug version: 01 . 00" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        MakeDistinct();
        const std::vector<int32_t> before = Values(theOptionBoardData);
        CountingSink sink;
        const std::string path = folder.Path("refused.vgd");
        WriteBytes(path, c.bytes);
        EXPECT_FALSE(theOptionBoardData.LoadFromFile(path, &codeplugMajor, &codeplugMinor));
        EXPECT_EQ(messages.Texts(), Texts{ c.message });
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].caption, "Error");
        EXPECT_EQ(Values(theOptionBoardData), before);
        EXPECT_EQ(sink.marks, 0);
        messages.Clear();
    }
    // A refused version stays as the program's codeplug version.
    EXPECT_EQ(codeplugMajor, 2);
    EXPECT_EQ(codeplugMinor, 7);
}

TEST_F(DataFile, FilesThatCannotBeOpenedSaySo)
{
    const std::string held = folder.Path("held.vgd");
    WriteBytes(held, DefaultFile());
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0); // another program works with it
    for (const std::string& path : { folder.Path("missing.vgd"), folder.Path(""), held }) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(theOptionBoardData.LoadFromFile(path));
        EXPECT_EQ(messages.Texts(), Texts{ COULD_NOT_OPEN });
        messages.Clear();
    }
    ::close(holder);
    EXPECT_TRUE(theOptionBoardData.LoadFromFile(held));
}

TEST_F(DataFile, OpeningTheSameValuesDoesNotMarkTheDocument)
{
    const std::string path = folder.Path("same.vgd");
    WriteBytes(path, DefaultFile());
    CountingSink sink;
    ASSERT_TRUE(theOptionBoardData.LoadFromFile(path));
    EXPECT_EQ(sink.marks, 0);
    MakeDistinct();
    sink.marks = 0;
    ASSERT_TRUE(theOptionBoardData.LoadFromFile(path));
    EXPECT_EQ(sink.marks, 3);
}

TEST_F(DataFile, SavingReplacesTheFileKeepingItsPermissionsAndLinks)
{
    const std::string real = folder.Path("real.vgd");
    const std::string link = folder.Path("link.vgd");
    WriteBytes(real, ByteVector(26, 0x55));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(theOptionBoardData.SaveToFile(link));
    struct stat info;
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(real), DefaultFile());
}

TEST_F(DataFile, SavingThroughALinkWritesItsTargetAlsoOneNotThereYet)
{
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links; // link, what it points to
        std::string target;
    };
    ::mkdir(folder.Path("links").c_str(), 0755);
    const Case cases[] = {
        { "dangling, absolute", { { "a.vgd", folder.Path("a-real.vgd") } }, "a-real.vgd" },
        { "dangling, relative to the link's folder", { { "links/b.vgd", "../b-real.vgd" } }, "b-real.vgd" },
        { "a chain ending dangling", { { "c.vgd", "links/c1.vgd" }, { "links/c1.vgd", "c2.vgd" } }, "links/c2.vgd" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& link : c.links)
            ASSERT_EQ(::symlink(link.second.c_str(), folder.Path(link.first).c_str()), 0);
        ASSERT_TRUE(theOptionBoardData.SaveToFile(folder.Path(c.links.front().first)));
        for (const auto& link : c.links) {
            struct stat info;
            ASSERT_EQ(::lstat(folder.Path(link.first).c_str(), &info), 0);
            EXPECT_TRUE(S_ISLNK(info.st_mode)) << link.first << " stays a link";
        }
        EXPECT_EQ(ReadBytes(folder.Path(c.target)), DefaultFile());
    }

    // A loop names no file: refused, the links left alone.
    ASSERT_EQ(::symlink("loop2.vgd", folder.Path("loop1.vgd").c_str()), 0);
    ASSERT_EQ(::symlink("loop1.vgd", folder.Path("loop2.vgd").c_str()), 0);
    EXPECT_FALSE(theOptionBoardData.SaveToFile(folder.Path("loop1.vgd")));
    EXPECT_EQ(messages.Texts(), Texts{ WRITE_FAILED });
    struct stat info;
    ASSERT_EQ(::lstat(folder.Path("loop1.vgd").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(DataFile, AFileNameAsLongAsTheSystemAllowsCanBeSaved)
{
    const std::string name = std::string(250, 'n') + ".vgd"; // 254 of the 255 a name may have
    ASSERT_TRUE(theOptionBoardData.SaveToFile(folder.Path(name)));
    ASSERT_TRUE(theOptionBoardData.SaveToFile(folder.Path(name))) << "and replaced";
    EXPECT_EQ(ReadBytes(folder.Path(name)), DefaultFile());
    EXPECT_EQ(folder.Entries(), Texts{ name });
}

TEST_F(DataFile, AReplacedFileKeepsItsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner, as this test must to set it up";
    const std::string path = folder.Path("theirs.vgd");
    WriteBytes(path, ByteVector(26, 0x55));
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(path.c_str(), 02750), 0);
    ASSERT_TRUE(theOptionBoardData.SaveToFile(path));
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 02750u) << "the set-group-id bit outlives the change of owner";
    EXPECT_EQ(ReadBytes(path), DefaultFile());
}

// Saves that fail: each shows the message and leaves the old file as it was.

TEST_F(DataFile, SaveOntoAWriteProtectedFileKeepsIt)
{
    const std::string path = folder.Path("protected.vgd");
    const ByteVector old(26, 0x33);
    WriteBytes(path, old);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(theOptionBoardData.SaveToFile(path));
    EXPECT_EQ(messages.Texts(), Texts{ WRITE_FAILED });
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.Entries(), Texts{ "protected.vgd" });
}

TEST_F(DataFile, SaveIntoAReadOnlyFolderKeepsTheOldFile)
{
    ScratchMount mount(ScratchMount::Kind::ReadOnlyAfterSetup);
    const std::string path = mount.Path("board.vgd");
    const ByteVector old(26, 0x44);
    ASSERT_TRUE(mount.Prepare([&] { WriteBytes(path, old); }));
    EXPECT_FALSE(theOptionBoardData.SaveToFile(path));
    EXPECT_EQ(messages.Texts(), Texts{ WRITE_FAILED });
    // Beside the box's own text: which file, and that its folder takes nothing.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].details.find(path), std::string::npos) << messages.shown[0].details;
    EXPECT_NE(messages.shown[0].details.find("is write-protected"), std::string::npos) << messages.shown[0].details;
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(mount.Entries(), Texts{ "board.vgd" });
}

TEST_F(DataFile, SaveOntoAFullDiskKeepsTheOldFile)
{
    ScratchMount mount(ScratchMount::Kind::Full);
    if (!mount.SkipReason().empty())
        GTEST_SKIP() << mount.SkipReason();
    const std::string path = mount.Path("board.vgd");
    const ByteVector old(26, 0x66);
    ASSERT_TRUE(mount.Prepare([&] { WriteBytes(path, old); }));
    EXPECT_FALSE(theOptionBoardData.SaveToFile(path));
    EXPECT_EQ(messages.Texts(), Texts{ WRITE_FAILED });
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(mount.Entries(), (Texts{ "board.vgd", "filler" }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].details, path + " cannot be written: the disk is full.");
}

TEST_F(DataFile, AWriteThatFailsHalfWayKeepsTheOldFile)
{
    // The process may write no more than 10 bytes into any file: the save's
    // write fails part-way, as on a disk that fills up during it.
    const std::string path = folder.Path("board.vgd");
    const ByteVector old(26, 0x77);
    WriteBytes(path, old);
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 10;
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved_ok = theOptionBoardData.SaveToFile(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(messages.Texts(), Texts{ WRITE_FAILED });
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.Entries(), Texts{ "board.vgd" });
}
