// Backup folders: their names, the index written and read back, damaged indexes refused.
#include "presets/backup_index.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "presets/backup_folder.h"

namespace aec::test {
namespace {

TEST(BackupNames, SortByTimeAndStayPlainFileNames) {
    const BackupStamp stamp{2026, 12, 10, 5, 32};
    EXPECT_EQ(backupFolderName(stamp), "Backup 2026-12-10 0532");
    EXPECT_EQ(backupDateText(stamp), "2026-12-10 05:32");
    const struct {
        int mode;
        const char* name;
        const char* file;
    } kFiles[] = {
        {1, "Karaoke", "01 Karaoke.Kvpx"},
        {16, "Live Rock   ", "16 Live Rock.Kvpx"},  // the processor's padding dropped
        {3, "", "03.Kvpx"},
        {4, "    ", "04.Kvpx"},
        {5, "a/b\\c:d?", "05 a_b_c_d_.Kvpx"},
        {6, "..", "06 ...Kvpx"},
        {7, "x\x7f", "07 x_.Kvpx"},
    };
    for (const auto& f : kFiles) {
        EXPECT_EQ(backupFileName(f.mode, f.name), f.file) << f.name;
    }
}

TEST(BackupIndex, ReadsBackWhatItWrote) {
    const BackupIndex index{"2026-12-10 05:32",
                            "AEC02026",
                            {{1, "Karaoke", "01 Karaoke.Kvpx"},
                             {16, "", "16.Kvpx"},
                             {2, " tab-less: any?", "02 x.Kvpx"}}};
    const ParsedBackupIndex parsed = parseBackupIndex(backupIndexText(index));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.index, index);
}

// Each damaged index is refused at the line that is wrong.
TEST(BackupIndex, RefusesDamagedIndexes) {
    const std::string head = "AEC mode backup 1\nDate: d\nDevice: x\n";
    const struct {
        std::string text;
        BackupIndexError error;
        int line;
    } kCases[] = {
        {"", BackupIndexError::kFormat, 0},
        {"AEC mode backup 2\n", BackupIndexError::kFormat, 0},
        {head, BackupIndexError::kNoEntries, 3},
        {head + "Mode: 1\t01.Kvpx\n", BackupIndexError::kBadLine, 3},
        {head + "Mode: x\t01.Kvpx\tA\n", BackupIndexError::kBadLine, 3},
        {head + "Mode: 17\t17.Kvpx\tMF1\n", BackupIndexError::kBadMode, 3},
        {head + "Mode: 0\t00.Kvpx\tA\n", BackupIndexError::kBadMode, 3},
        {head + "Mode: 2\t02.Kvpx\tA\nMode: 2\t02.Kvpx\tB\n", BackupIndexError::kBadMode, 4},
        {head + "Mode: 2\t02.Kvpx\t123456789012345678901\n", BackupIndexError::kBadName, 3},
        {head + "Mode: 2\t../02.Kvpx\tA\n", BackupIndexError::kBadFile, 3},
        {head + "Mode: 2\t02.txt\tA\n", BackupIndexError::kBadFile, 3},
        {head + "Mode: 2\t.Kvpx\tA\n", BackupIndexError::kBadFile, 3},
        {head + "Something else\n", BackupIndexError::kBadLine, 3},
    };
    for (const auto& c : kCases) {
        const ParsedBackupIndex parsed = parseBackupIndex(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_EQ(parsed.line, c.line) << c.text;
        EXPECT_TRUE(parsed.index.entries.empty()) << c.text;
    }
}

// A second backup in the same minute gets a folder of its own; the files a folder lists are
// checked one by one.
TEST(BackupFolder, NeverSharedAndReadBackFileByFile) {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("aec-backup-test-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    const BackupStamp stamp{2026, 1, 2, 3, 4};
    const std::optional<std::filesystem::path> first = makeBackupFolder(root, stamp);
    const std::optional<std::filesystem::path> second = makeBackupFolder(root, stamp);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->filename(), "Backup 2026-01-02 0304");
    EXPECT_EQ(second->filename(), "Backup 2026-01-02 0304 (2)");

    EXPECT_EQ(readBackupFolder(*first).index.error, BackupIndexError::kNotFound);
    Model model;
    model.setParam(0, 12, 77);
    ASSERT_TRUE(savePresetFile(*first / "01 A.Kvpx", model).ok());
    std::ofstream(*first / "02 B.Kvpx") << "damaged";
    ASSERT_TRUE(writeBackupIndex(
        *first, {"d", "x", {{1, "A", "01 A.Kvpx"}, {2, "B", "02 B.Kvpx"}, {3, "C", "03.Kvpx"}}}));
    const BackupContents contents = readBackupFolder(*first);
    ASSERT_TRUE(contents.index.ok());
    ASSERT_EQ(contents.modes.size(), 3u);
    EXPECT_TRUE(contents.modes[0].result.ok());
    EXPECT_EQ(contents.modes[0].records.front(), (PresetRecord{0, 0}));
    EXPECT_EQ(contents.modes[0].records[12], (PresetRecord{12, 77}));
    EXPECT_EQ(contents.modes[1].result.error, PresetError::kNotHex);
    EXPECT_EQ(contents.modes[2].result.error, PresetError::kNotFound);
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace aec::test
