#pragma once
// The connection on line with the in-process simulated processor, its user modes made distinct,
// and a loop that steps a backup or restore together with the link's ticks.

#include <unistd.h>

#include <filesystem>

#include "core/addresses.h"
#include "link/mode_restore.h"
#include "tests/link/connection_harness.h"

namespace aec::test {

class ModeWorkTest : public ConnectionTest {
  protected:
    ModeWorkTest() {
        folder = std::filesystem::temp_directory_path() /
                 ("aec-mode-work-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ModeWorkTest() override { std::filesystem::remove_all(folder); }

    // User mode i holds values of its own on several pages and a name.
    static void makeModesDistinct(SimState& box) {
        for (int i = 0; i < kFirstFactoryMode; ++i) {
            SimMode& mode = box.modes[static_cast<size_t>(i)];
            mode.name = "Mode " + std::to_string(i + 1);
            mode.pages[kPageMusic][12] = 100 + i;
            mode.pages[kPageMicA][40] = i;
            mode.pages[kPageEchoB][10] = 50 + i;
            mode.pages[kPageSystemVolumes][1] = 60 + i;
        }
    }

    // Ticks the work and the link until the work has ended or `limit` rounds have passed;
    // `each` runs after every round.
    template <class Work, class Each>
    void run(Work& work, Each each, int limit = 200000) {
        for (int i = 0; i < limit && work.running(); ++i) {
            work.tick();
            if (connection.timer2Enabled()) {
                tick2();
            } else {
                hold();
            }
            each();
        }
    }
    template <class Work>
    void run(Work& work) {
        run(work, [] {});
    }

    std::filesystem::path folder;
};

}  // namespace aec::test
