// aec-ctl end to end: the built tool against aec-sim children on pseudo-terminals.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "presets/backup_index.h"
#include "presets/preset_file.h"
#include "run_tool.h"

namespace aec::test {
namespace {

constexpr int kPatienceMs = 20000;

class CtlTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "aec_ctl_test";
        static char* argv[] = {name, nullptr};
        static auto* app = new QCoreApplication(argc, argv);
        (void)app;
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        scratch = dir.path().toStdString();
        // The tool's search and `ports` look in the runtime folder the simulators publish in.
        env = "XDG_RUNTIME_DIR='" + scratch + "'";
        ::mkdir((scratch + "/aec-ports").c_str(), 0700);
        ::chmod(scratch.c_str(), 0700);
    }

    void TearDown() override {
        for (auto& sim : sims) {
            sim->terminate();
            sim->waitForFinished(kPatienceMs);
        }
    }

    // Starts a simulator; its port's path, or empty when it did not come up.
    std::string startSim(const QString& name, const QStringList& extra = {}) {
        auto sim = std::make_unique<QProcess>();
        sim->setProgram(QStringLiteral(AEC_SIM_BIN));
        sim->setArguments(QStringList{"--name", name, "--port-dir",
                                      QString::fromStdString(scratch + "/aec-ports")} +
                          extra);
        sim->start();
        while (sim->waitForStarted(kPatienceMs) && !sim->canReadLine()) {
            if (!sim->waitForReadyRead(kPatienceMs)) {
                return {};
            }
        }
        const bool ready = QString::fromUtf8(sim->readLine()).startsWith("aec-sim ready ");
        sims.push_back(std::move(sim));
        return ready ? scratch + "/aec-ports/" + name.toStdString() : std::string();
    }

    ToolRun ctl(const std::string& args, const std::string& prefix = {}) {
        return runProgram(AEC_CTL_BIN, args, scratch, env + " " + prefix);
    }

    // A preset of the editor's start-up state, which the simulator's defaults differ from.
    std::string startupPreset() {
        Model model;
        model.ResetEqBands(kAllPages);
        const std::string file = scratch + "/startup.Kvpx";
        EXPECT_TRUE(savePresetFile(file, model).ok());
        return file;
    }

    QTemporaryDir dir;
    std::string scratch;
    std::string env;
    std::vector<std::unique_ptr<QProcess>> sims;
};

TEST_F(CtlTest, EachCommandDoesItsWorkAndChecksIt) {
    const std::string port = startSim("box");
    ASSERT_FALSE(port.empty());
    const std::string dump = "'" + scratch + "/dump.Kvpx'";
    const std::string startup = "'" + startupPreset() + "'";
    struct Case {
        std::string args;
        int exitCode;
        std::string out;  // a part of standard output
    };
    const Case cases[] = {
        {"ports", 0, port + "\n"},
        // Without --port the editor's search finds the simulator.
        {"probe", 0, port + ": on line, mode 1\n"},
        {"--port " + port + " set 1 10 77", 0, ""},
        {"--port " + port + " get 1 10", 0, "77\n"},
        {"--port " + port + " dump " + dump, 0, "saved "},
        {"--port " + port + " verify " + dump, 0, "the processor holds "},
        {"--port " + port + " upload " + startup, 0, "uploaded and verified "},
        {"--port " + port + " verify " + dump, 1, ""},
        {"--port " + port + " mode save 3 Stage", 0, "mode 3 saved as Stage\n"},
        {"--port " + port + " mode load 3", 0, "mode 3 loaded\n"},
        {"--port " + port + " mode list", 0, "* 3-Stage\n"},
        {"--port " + port + " verify " + scratch + "/missing.Kvpx", 1, ""},
        {"--port " + port + " get 31 0", 2, ""},
        {"--bogus probe", 2, ""},
    };
    for (const Case& c : cases) {
        const ToolRun run = ctl(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.args << "\n" << run.out;
    }
}

// Two processors in turn and one that never answers between them: each gets its verdict, the
// silent one in bounded time, and the whole run fails.
TEST_F(CtlTest, SeveralPortsEachGetAVerdict) {
    const std::string a = startSim("a");
    const std::string silent = startSim("silent", {"--stop-after", "0"});
    const std::string b = startSim("b");
    ASSERT_FALSE(a.empty() || silent.empty() || b.empty());
    const ToolRun run = ctl("--port " + a + " --port " + silent + " --port " + b + " probe");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(
        run.out.find("summary:\n  " + a + ": ok\n  " + silent + ": failed\n  " + b + ": ok\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("no processor answered on " + silent), std::string::npos) << run.err;
}

TEST_F(CtlTest, AScriptStopsAtItsFirstFailureUnlessToldToGoOn) {
    const std::string port = startSim("box");
    ASSERT_FALSE(port.empty());
    const std::string script = scratch + "/script.txt";
    std::ofstream(script) << "# values before and after a bad file\nget 0 161\nverify " << scratch
                          << "/missing.Kvpx\nset 1 10 55\nget 1 10\n";
    const ToolRun stopped = ctl("--port " + port + " run " + script);
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_EQ(stopped.out, "0\n");
    EXPECT_NE(stopped.err.find("line 3: failed: verify"), std::string::npos) << stopped.err;

    const ToolRun kept = ctl("--port " + port + " --keep-going run - <" + script);
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.out, "0\n55\n");
}

TEST_F(CtlTest, AnUploadThatDidNotTakeFailsItsVerification) {
    // Frames 61 on are the upload's pages: after the probe and the load's 59 requests.
    QStringList ignore;
    for (int frame = 61; frame <= 95; ++frame) {
        ignore << "--ignore-write-of" << QString::number(frame);
    }
    const std::string port = startSim("deaf", ignore);
    ASSERT_FALSE(port.empty());
    const ToolRun run = ctl("--port " + port + " upload '" + startupPreset() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("verify: the processor differs in "), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("uploaded"), std::string::npos) << run.out;
}

TEST_F(CtlTest, APortTheUserMayNotOpenSaysHowToGetTheRight) {
    if (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root and setpriv to run the tool as a user without the right";
    }
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ASSERT_EQ(::chmod(name, 0600), 0);
    const ToolRun run = ctl(std::string("--port ") + name + " probe",
                            "setpriv --reuid=65534 --regid=65534 --clear-groups");
    ::close(slave);
    ::close(master);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(std::string("Cannot open ") + name + ": permission denied"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("\n    sudo usermod -aG dialout $USER\nthen log out and log in again."),
              std::string::npos)
        << run.err;
}

// The backup holds every user mode; a restore of one mode of it puts that mode back.
TEST_F(CtlTest, ABackedUpModeIsRestored) {
    const std::string port = startSim("box");
    ASSERT_FALSE(port.empty());
    const std::string p = "--port " + port + " ";
    ASSERT_EQ(ctl(p + "mode save 2 Keep").exitCode, 0);
    const ToolRun backup = ctl(p + "backup '" + scratch + "/backups'");
    ASSERT_EQ(backup.exitCode, 0) << backup.out << backup.err;
    const auto folders = std::filesystem::directory_iterator(scratch + "/backups");
    const std::filesystem::path folder = folders->path();
    ParsedBackupIndex index = readBackupIndex(folder);
    ASSERT_TRUE(index.ok());
    EXPECT_EQ(index.index.entries.size(), 16U);
    index.index.entries.erase(index.index.entries.begin());
    index.index.entries.resize(1);  // mode 2 alone
    ASSERT_TRUE(writeBackupIndex(folder, index.index));

    ASSERT_EQ(ctl(p + "mode save 2 Gone").exitCode, 0);
    const ToolRun restore = ctl(p + "restore '" + folder.string() + "'");
    EXPECT_EQ(restore.exitCode, 0) << restore.out << restore.err;
    EXPECT_NE(ctl(p + "mode list").out.find("  2-Keep\n"), std::string::npos);
}

}  // namespace
}  // namespace aec::test
