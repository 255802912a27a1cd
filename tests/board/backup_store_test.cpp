// The backup store keeps what it wrote: a new backup survives pruning however
// wrong the clock was when the others were stamped, and pruning never touches a
// file the store did not make.
#include "storage/backup_store.h"
#include "board/option_board_data.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(BackupStore, ANewBackupOutlivesFutureStampsAndForeignFilesAreLeftAlone)
{
    TempFolder folder;
    const std::string backups = folder.Path("backups");
    ::mkdir(backups.c_str(), 0755);
    const std::vector<uint8_t> settings(DATA_FILE_SIZE, 0x11);
    // A full store stamped in 2099 (the clock was set forward, then back).
    for (size_t i = 0; i < BACKUPS_KEPT; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "2099-01-01_%06zu_COM1.vgd", i);
        WriteBytes(backups + "/" + name, settings);
    }
    // Names of the store's form that the store did not make.
    WriteBytes(backups + "/2020-01-01_000000_mine.vgd", { 1, 2, 3, 4, 5 });
    ASSERT_EQ(::symlink((backups + "/2099-01-01_000000_COM1.vgd").c_str(), (backups + "/2020-01-01_000001_link.vgd").c_str()), 0);

    const uint8_t image[SETTINGS_IMAGE_SIZE] = { 0x22 };
    std::string path;
    std::string error;
    ASSERT_TRUE(WriteBackup(backups, "COM2", 1765000000, 1, 0, image, path, error)) << error;

    const std::vector<uint8_t> kept = ReadBytes(path);
    ASSERT_EQ(kept.size(), DATA_FILE_SIZE);
    EXPECT_EQ(kept[2], 0x22);
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u) << "a backup is read-only for everyone";
    EXPECT_EQ(ListBackups(backups).size(), BACKUPS_KEPT);
    EXPECT_EQ(ReadBytes(backups + "/2020-01-01_000000_mine.vgd").size(), 5u);
    EXPECT_EQ(::lstat((backups + "/2020-01-01_000001_link.vgd").c_str(), &info), 0);
    EXPECT_FALSE(std::ifstream(backups + "/2099-01-01_000000_COM1.vgd").good()) << "the oldest by name went";
}

TEST(BackupStore, TheBackupsFolderHoldsWhatLiesBelowIt)
{
    TempFolder folder;
    const std::string backups = folder.Path("backups");
    ::mkdir(backups.c_str(), 0755);
    ::mkdir(folder.Path("backups/calibration").c_str(), 0755);
    ASSERT_EQ(::symlink(backups.c_str(), folder.Path("alias").c_str()), 0);
    EXPECT_TRUE(IsInsideFolder(backups + "/2026-12-08_101502_COM1.vgd", backups));
    EXPECT_TRUE(IsInsideFolder(folder.Path("backups/calibration/x.txt"), backups + "/"));
    EXPECT_TRUE(IsInsideFolder(folder.Path("alias/new.vgd"), backups)) << "reached through a link";
    EXPECT_TRUE(IsInsideFolder(folder.Path("backups/../backups/new.vgd"), backups));
    EXPECT_FALSE(IsInsideFolder(folder.Path("backups-old/new.vgd"), backups));
    EXPECT_FALSE(IsInsideFolder(folder.Path("new.vgd"), backups));
}
