// Restoring user modes into the in-process simulated processor: differences read back, factory
// modes, a cancel (the whole restore is run against aec-sim in tests/e2e).
#include "link/mode_restore.h"

#include "presets/preset_file.h"
#include "tests/link/mode_work.h"

namespace aec::test {
namespace {

constexpr int kStartMode = 2;

class ModeRestoreTest : public ModeWorkTest {
  protected:
    ModeRestoreTest() {
        sim.state().memory[kPageSystem][slotOf(kLoadModeAddress)] = kStartMode;
        goOnLine();
        SimState source = defaultSimState();
        makeModesDistinct(source);
        for (int i : {0, 5, 15}) {
            items.push_back(itemOf(i, source.modes[static_cast<size_t>(i)]));
        }
    }

    // A mode as its backup file holds it.
    static RestoreItem itemOf(int index, const SimMode& mode) {
        Model m;
        for (int page = 0; page < kModePages; ++page) {
            for (int slot = 0; slot < kSlotCount; ++slot) {
                m.setParam(page, slot, mode.pages[page][slot]);
            }
        }
        return {index, mode.name, parsePreset(presetFileText(m)).records};
    }

    ModeRestore restore{model, connection};
    std::vector<RestoreItem> items;
};

// The processor keeps something else than it was sent: the read-back names the addresses.
TEST_F(ModeRestoreTest, AModeReadBackDifferentlyIsListedWithItsAddresses) {
    items.resize(1);
    ASSERT_TRUE(restore.start(items));
    bool spoiled = false;
    run(restore, [&] {
        if (!spoiled && sim.state().modes[0].name == items[0].name) {
            sim.state().modes[0].pages[kPageMicA][40] = 99;
            sim.state().modes[0].name = "Other";
            spoiled = true;
        }
    });
    ASSERT_EQ(restore.results().size(), 1u);
    const RestoreResult& r = restore.results()[0];
    EXPECT_EQ(r.status, RestoreStatus::kDiffers);
    EXPECT_EQ(r.differing, std::vector<int>{makeAddress(kPageMicA, 40)});
    EXPECT_TRUE(r.nameDiffers);
}

TEST_F(ModeRestoreTest, FactoryModesAreNeverWritten) {
    const SimMode factory = sim.state().modes[kFirstFactoryMode];
    SimMode other = factory;
    other.name = "Mine";
    other.pages[kPageMusic][12] = 1;
    ASSERT_TRUE(restore.start({itemOf(kFirstFactoryMode, other)}));
    run(restore);
    EXPECT_EQ(restore.results()[0].status, RestoreStatus::kNotAUserMode);
    EXPECT_EQ(sim.state().modes[kFirstFactoryMode], factory);
}

TEST_F(ModeRestoreTest, ACancelStopsBeforeTheNextModeAndLoadsTheProcessorsMode) {
    ASSERT_TRUE(restore.start(items));
    run(restore, [this] {
        if (restore.modesDone() == 1) {
            restore.cancel();
        }
    });
    EXPECT_EQ(restore.outcome(), RestoreOutcome::kCancelled);
    EXPECT_EQ(restore.results()[0].status, RestoreStatus::kRestored);
    EXPECT_EQ(restore.results()[1].status, RestoreStatus::kWaiting);
    EXPECT_EQ(sim.state().modes[5], defaultSimState().modes[5]);
    EXPECT_EQ(sim.state().memory[kPageSystem][slotOf(kLoadModeAddress)], kStartMode);
}

}  // namespace
}  // namespace aec::test
