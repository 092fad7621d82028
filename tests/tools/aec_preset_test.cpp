// The aec-preset tool, run as users run it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "presets/preset_codec.h"
#include "presets/preset_file.h"
#include "run_tool.h"

namespace aec::test {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class PresetTool : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("aec-tool-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string path(const std::string& name) const { return "'" + (m_dir / name).string() + "'"; }
    ToolRun runWith(const std::string& args) const { return runTool(args, m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(PresetTool, InitWritesTheStartUpStateThatShowLists) {
    ASSERT_EQ(runWith("init " + path("start.Kvpx")).exitCode, 0);
    Model startUp;
    startUp.ResetEqBands(kAllPages);
    EXPECT_EQ(slurp(m_dir / "start.Kvpx"), presetFileText(startUp));

    const ToolRun show = runWith("show " + path("start.Kvpx"));
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_EQ(show.err, "");
    const std::vector<std::string> lines = linesOf(show.out);
    ASSERT_EQ(lines.size(), 1879u);
    EXPECT_EQ(lines[0], "0 0 0");
    EXPECT_EQ(lines[7], "0 7 360");    // low-pass starts at 20200 Hz
    EXPECT_EQ(lines[10], "0 10 1");    // first music band is a PEQ
    EXPECT_EQ(lines[87], "0 87 120");  // right music band at 0 dB
    EXPECT_EQ(lines[164], "0 164 0");
    EXPECT_EQ(lines[165], "1 0 0");
    EXPECT_EQ(lines[1878], "30 20 0");
}

TEST_F(PresetTool, ShowRejectsDamagedFilesWithTheEditorsMessage) {
    ASSERT_EQ(runWith("init " + path("a.Kvpx")).exitCode, 0);
    // One record line deleted.
    std::ofstream cut(m_dir / "cut.Kvpx", std::ios::binary);
    const std::string text = slurp(m_dir / "a.Kvpx");
    const std::vector<std::string_view> lines = splitLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        if (n != 500) {
            cut << lines[n] << "\r\n";
        }
    }
    cut.close();
    std::ofstream(m_dir / "foreign.Kvpx", std::ios::binary) << scrambleLine("Vq 1") << "\r\n"
                                                            << scrambleLine("Lorvi 106") << "\r\n";

    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"cut.Kvpx", "Data file is corrupted!\n"},
        {"foreign.Kvpx", "File format error!\n"},
        {"missing.Kvpx", "File not find!\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runWith("show " + path(c.file));
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_EQ(run.err, c.message) << c.file;
        EXPECT_EQ(run.out, "") << c.file;
    }
}

TEST_F(PresetTool, InitIntoAMissingFolderFailsAndUsageErrorsExitTwo) {
    const ToolRun init = runWith("init " + path("none/x.Kvpx"));
    EXPECT_EQ(init.exitCode, 1);
    EXPECT_EQ(init.err, "Cannot write the file!\n");
    EXPECT_EQ(runWith("").exitCode, 2);
    EXPECT_EQ(runWith("frobnicate x").exitCode, 2);
    EXPECT_EQ(runWith("show").exitCode, 2);
    EXPECT_NE(runWith("show a b").err.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace aec::test
