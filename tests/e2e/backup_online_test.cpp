// End to end: backing up and restoring the processor's user modes from the system column,
// against aec-sim.
#include <QAbstractButton>
#include <QTest>
#include <chrono>
#include <iostream>
#include <numeric>

#include "core/addresses.h"
#include "link/mode_restore.h"
#include "presets/backup_folder.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

constexpr int kStartMode = 6;

class BackupOnlineTest : public OnlineTest {
  protected:
    void SetUp() override {
        OnlineTest::SetUp();
        root = std::filesystem::path(runtime.filePath("backups").toStdString());
    }

    // A processor whose user modes each hold values and a name of their own.
    static SimState distinctModes() {
        SimState box = defaultSimState();
        for (int i = 0; i < kFirstFactoryMode; ++i) {
            SimMode& mode = box.modes[static_cast<size_t>(i)];
            mode.name = i % 5 == 4 ? "" : "Mode " + std::to_string(i + 1);
            mode.pages[kPageMusic][12] = 100 + i;
            mode.pages[kPageMicB][40] = i;
            mode.pages[kPageSub][30] = 10 + i;
            mode.pages[kPageEchoB][10] = 50 + i;
        }
        return box;
    }

    void startOnLine(const SimState& box) {
        writeSimState(box);
        ASSERT_TRUE(startSim());
        startEditor();
        editor->modeBackups().setManualTicks(true);
        editor->modeBackups().setBackupRoot(root);
        ASSERT_TRUE(linkUp());
    }

    // Steps the backup or restore with the link until it ends; `each` runs after every round.
    template <class Each>
    void runWork(Each each) {
        BackupCommands& work = editor->modeBackups();
        for (int round = 0; round < 100000 && work.running(); ++round) {
            work.tick();
            if (connection().timer2Enabled()) {
                ASSERT_TRUE(transfer() || !state().onLine());
            } else {
                if (!state().ready) {
                    (void)QTest::qWaitFor([this] { return state().ready; }, kReplyPatienceMs);
                }
                hold(1);
            }
            each();
        }
        EXPECT_FALSE(work.running());
    }
    void runWork() {
        runWork([] {});
    }

    std::filesystem::path onlyBackupFolder() const {
        std::vector<std::filesystem::path> folders;
        for (const auto& entry : std::filesystem::directory_iterator(root)) {
            folders.push_back(entry.path());
        }
        EXPECT_EQ(folders.size(), 1u);
        return folders.empty() ? root : folders.front();
    }

    // Every mode listed has a file equal to the processor's mode, as far as a load reads it.
    static void expectFilesEqual(const std::filesystem::path& folder, const SimState& box,
                                 int modes) {
        const BackupContents contents = readBackupFolder(folder);
        ASSERT_TRUE(contents.index.ok());
        EXPECT_EQ(contents.index.index.device, "AEC02026");
        ASSERT_EQ(contents.modes.size(), static_cast<size_t>(modes));
        for (int i = 0; i < modes; ++i) {
            const BackupMode& m = contents.modes[static_cast<size_t>(i)];
            const SimMode& mode = box.modes[static_cast<size_t>(i)];
            EXPECT_EQ(m.entry.mode, i + 1);
            EXPECT_EQ(m.entry.name, mode.name);
            ASSERT_TRUE(m.result.ok()) << m.entry.file;
            for (const PresetRecord& r : m.records) {
                if (readBackSlot(r.address)) {
                    ASSERT_EQ(r.value, mode.pages[pageOf(r.address)][slotOf(r.address)])
                        << i << ": " << r.address;
                }
            }
        }
    }

    // The simulator's mode and memory as `box` had them, as far as a load reads them.
    static void expectSameCurrentSettings(const SimState& after, const SimState& box) {
        EXPECT_EQ(after.memory[kPageSystem][slotOf(kLoadModeAddress)],
                  box.memory[kPageSystem][slotOf(kLoadModeAddress)]);
        for (int page = 0; page < kModePages; ++page) {
            for (int slot = 0; slot < pageSlotCount(page); ++slot) {
                ASSERT_EQ(after.memory[page][slot], box.memory[page][slot]) << page << "/" << slot;
            }
        }
        EXPECT_EQ(after.modes, box.modes);
    }

    QString lastMessage() const {
        return messages.shown().empty() ? QString() : messages.shown().back().text;
    }

    SimState processorInUse() {
        SimState box = distinctModes();
        box.memory[kPageSystem][slotOf(kLoadModeAddress)] = kStartMode;
        // The settings in use differ from every stored mode.
        box.memory[kPageMusic][12] = 7;
        box.memory[kPageMain][70] = 15;
        return box;
    }

    std::filesystem::path root;
};

TEST_F(BackupOnlineTest, BothAreRefusedOffLineWithAMessage) {
    startEditor();  // no processor: the search runs, nothing is on line
    for (const char* button : {"BackupBtn", "RestoreBtn"}) {
        QTest::mouseClick(w(button), Qt::LeftButton);
        EXPECT_FALSE(editor->modeBackups().running()) << button;
    }
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, QString::fromUtf8("设备未连接，无法备份!"));
    EXPECT_EQ(messages.shown()[1].text, QString::fromUtf8("设备未连接，无法恢复!"));
}

TEST_F(BackupOnlineTest, BacksUpEveryUserModeAndPutsTheProcessorBack) {
    const SimState box = processorInUse();
    startOnLine(box);
    const auto started = std::chrono::steady_clock::now();
    QTest::mouseClick(w("BackupBtn"), Qt::LeftButton);
    ASSERT_TRUE(editor->modeBackups().running());
    EXPECT_TRUE(messages.shown().back().text.contains(QString::fromUtf8("声音会随之变化")));
    EXPECT_TRUE(editor->modeBackups().progress().isVisible());
    runWork();
    std::cout << "backup of 16 modes: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now() - started)
                     .count()
              << " ms\n";

    EXPECT_FALSE(editor->modeBackups().progress().isVisible());
    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("备份完成")));
    EXPECT_TRUE(lastMessage().contains(QString::fromUtf8("设备已回到原来的模式和设置")));
    expectFilesEqual(onlyBackupFolder(), box, kFirstFactoryMode);
    EXPECT_TRUE(state().onLine());
    window().close();
    stopSim();
    const std::optional<SimState> after = savedSimState();
    ASSERT_TRUE(after);
    expectSameCurrentSettings(*after, box);
}

TEST_F(BackupOnlineTest, ACancelledBackupSaysWhatWasSavedAndLeavesTheProcessorAsItWas) {
    const SimState box = processorInUse();
    startOnLine(box);
    QTest::mouseClick(w("BackupBtn"), Qt::LeftButton);
    auto* cancel = editor->modeBackups().progress().findChild<QAbstractButton*>("BackupCancelBtn");
    ASSERT_NE(cancel, nullptr);
    runWork([&] {
        if (editor->modeBackups().backup().modesDone() == 3 && cancel->isEnabled()) {
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });

    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("备份已取消")));
    EXPECT_TRUE(lastMessage().contains(QString::fromUtf8("模式 1, 2, 3\n")));
    expectFilesEqual(onlyBackupFolder(), box, 3);
    window().close();
    stopSim();
    const std::optional<SimState> after = savedSimState();
    ASSERT_TRUE(after);
    expectSameCurrentSettings(*after, box);
}

TEST_F(BackupOnlineTest, RestoresEveryModeAndNameIntoABlankProcessor) {
    // The backup: files as the editor writes them, from a processor with distinct modes.
    const SimState source = distinctModes();
    const std::filesystem::path folder = root / "Backup 2026-12-10 0532";
    std::filesystem::create_directories(folder);
    BackupIndex index{"2026-12-10 05:32", "AEC02026", {}};
    for (int i = 0; i < kFirstFactoryMode; ++i) {
        const SimMode& mode = source.modes[static_cast<size_t>(i)];
        Model m;
        for (int page = 0; page < kModePages; ++page) {
            for (int slot = 0; slot < kSlotCount; ++slot) {
                m.setParam(page, slot, mode.pages[page][slot]);
            }
        }
        index.entries.push_back({i + 1, mode.name, backupFileName(i + 1, mode.name)});
        ASSERT_TRUE(savePresetFile(folder / index.entries.back().file, m).ok());
    }
    ASSERT_TRUE(writeBackupIndex(folder, index));

    SimState blank = defaultSimState();
    blank.memory[pageOf(kUserLevelAddress)][slotOf(kUserLevelAddress)] = 1;  // a manager
    startOnLine(blank);
    editor->modeBackups().setFolderChooser([folder] { return QString::fromStdString(folder); });
    const auto started = std::chrono::steady_clock::now();
    QTest::mouseClick(w("RestoreBtn"), Qt::LeftButton);
    ASSERT_TRUE(editor->modeBackups().running());
    EXPECT_TRUE(messages.shown().back().text.contains("\n16-Mode 16\n"));
    runWork();
    std::cout << "restore of 16 modes: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now() - started)
                     .count()
              << " ms\n";

    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("恢复完成")));
    EXPECT_TRUE(lastMessage().contains(
        QString::fromUtf8("已恢复: 模式 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16")));
    window().close();
    stopSim();
    const std::optional<SimState> after = savedSimState();
    ASSERT_TRUE(after);
    for (int i = 0; i < kFirstFactoryMode; ++i) {
        const SimMode& restored = after->modes[static_cast<size_t>(i)];
        const SimMode& mode = source.modes[static_cast<size_t>(i)];
        EXPECT_EQ(restored.name, mode.name);
        // Every value a preset file holds of the mode's pages.
        for (int address : presetRecordAddresses()) {
            const int page = pageOf(address);
            const int slot = slotOf(address);
            if (page < kModePages) {
                ASSERT_EQ(restored.pages[page][slot], mode.pages[page][slot])
                    << i << ": " << page << "/" << slot;
            }
        }
    }
    EXPECT_EQ(after->modes[kFirstFactoryMode], blank.modes[kFirstFactoryMode]);
}

}  // namespace
}  // namespace aec::test
