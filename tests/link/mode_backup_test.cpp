// Backing up the processor's user modes against the in-process simulated processor when a file
// or the link fails (the whole backup and a cancel are run against aec-sim in tests/e2e).
#include "link/mode_backup.h"

#include "presets/backup_folder.h"
#include "tests/link/mode_work.h"

namespace aec::test {
namespace {

constexpr int kStartMode = 4;

class ModeBackupTest : public ModeWorkTest {
  protected:
    ModeBackupTest() {
        makeModesDistinct(sim.state());
        sim.state().memory[kPageSystem][slotOf(kLoadModeAddress)] = kStartMode;
        // Settings the processor holds now, saved in no mode.
        sim.state().memory[kPageMusic][12] = 33;
        sim.state().memory[kPageMain][70] = 15;
        goOnLine();
        before = sim.state().memory;
    }

    // The processor's own mode and settings as before the backup, as far as a load reads them.
    void expectPutBack() {
        EXPECT_EQ(sim.state().memory[kPageSystem][slotOf(kLoadModeAddress)], kStartMode);
        for (int page = 0; page < kModePages; ++page) {
            for (int slot = 0; slot < pageSlotCount(page); ++slot) {
                ASSERT_EQ(sim.state().memory[page][slot], before[page][slot])
                    << page << "/" << slot;
            }
        }
    }
    // The files of the modes saved equal the processor's modes.
    void expectFilesOf(const std::vector<int>& modes) {
        const BackupContents contents = readBackupFolder(folder);
        ASSERT_TRUE(contents.index.ok());
        ASSERT_EQ(contents.modes.size(), modes.size());
        for (size_t k = 0; k < modes.size(); ++k) {
            const BackupMode& m = contents.modes[k];
            const SimMode& box = sim.state().modes[static_cast<size_t>(modes[k])];
            EXPECT_EQ(m.entry.mode, modes[k] + 1);
            EXPECT_EQ(m.entry.name, box.name);
            ASSERT_TRUE(m.result.ok());
            for (const PresetRecord& r : m.records) {
                if (readBackSlot(r.address)) {
                    ASSERT_EQ(r.value, box.pages[pageOf(r.address)][slotOf(r.address)])
                        << modes[k] << ": " << r.address;
                }
            }
        }
    }

    ModeBackup backup{model, connection};
    Store before{};
};

TEST_F(ModeBackupTest, AFileThatCannotBeWrittenEndsItAndPutsTheProcessorBack) {
    ASSERT_TRUE(backup.start(folder / "gone", "d"));
    run(backup);
    EXPECT_EQ(backup.report().outcome, BackupOutcome::kFileFailed);
    EXPECT_TRUE(backup.report().saved.empty());
    EXPECT_TRUE(backup.report().putBack);
    expectPutBack();
}

TEST_F(ModeBackupTest, ALinkThatFailsEndsItWithWhatWasSaved) {
    ASSERT_TRUE(backup.start(folder, "d"));
    run(backup, [this] {
        if (backup.modesDone() == 2) {
            sim.faults().stopAfterFrames = 0;
        }
    });
    EXPECT_EQ(backup.report().outcome, BackupOutcome::kLinkFailed);
    EXPECT_EQ(backup.report().saved, (std::vector<int>{0, 1}));
    EXPECT_FALSE(backup.report().putBack);
    EXPECT_FALSE(state().onLine());
    expectFilesOf({0, 1});
}

}  // namespace
}  // namespace aec::test
