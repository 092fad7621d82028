// Automatic backups: their names, the number kept, and a folder that cannot take them.
#include "presets/auto_backup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "presets/preset_file.h"

namespace aec {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

class AutoBackup : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("aec-backup-test-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    fs::path m_folder;
    // 2026-12-10 05:32:10 UTC
    const std::chrono::system_clock::time_point m_when{seconds(1796880730)};
};

TEST_F(AutoBackup, KeepsTheNewestTwentyAndLeavesOtherFilesAlone) {
    EXPECT_EQ(autoBackupName(m_when, "preset-load"), "2026-12-10 053210 preset-load.Kvpx");
    Model model;
    model.setParam(kPageMusic, 12, 150);
    fs::create_directories(m_folder);
    { std::ofstream mine(m_folder / "my settings.Kvpx"); }
    for (int i = 0; i < kAutoBackupsKept + 2; ++i) {
        ASSERT_TRUE(writeAutoBackup(m_folder, model, "mode-save-1", m_when + seconds(i)).ok());
    }
    // A second backup in the same second keeps the first.
    const AutoBackupResult twin =
        writeAutoBackup(m_folder, model, "mode-save-1", m_when + seconds(kAutoBackupsKept + 1));
    ASSERT_TRUE(twin.ok());
    EXPECT_EQ(twin.file.filename(), "2026-12-10 053231 mode-save-1-2.Kvpx");

    const std::vector<fs::path> kept = listAutoBackups(m_folder);
    ASSERT_EQ(kept.size(), static_cast<size_t>(kAutoBackupsKept));
    EXPECT_EQ(kept.front().filename(), "2026-12-10 053213 mode-save-1.Kvpx");  // 3 oldest gone
    EXPECT_TRUE(fs::exists(m_folder / "my settings.Kvpx"));
    Model loaded;
    ASSERT_TRUE(loadPresetFile(kept.back(), loaded).ok());
    EXPECT_EQ(loaded.param(kPageMusic, 12), 150);
}

TEST_F(AutoBackup, AFolderThatCannotBeMadeIsReported) {
    { std::ofstream blocker(m_folder); }  // a file where the folder should be
    const AutoBackupResult result = writeAutoBackup(m_folder, Model{}, "preset-load", m_when);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(listAutoBackups(m_folder).empty());
}

}  // namespace
}  // namespace aec
