// The preset folder: where it is, which files it lists, and the names it shows.
#include "presets/preset_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "presets/preset_texts.h"

namespace aec::test {
namespace {

TEST(displayName, DropsAFourCharacterExtension) {
    EXPECT_EQ(displayName("live.Kvpx"), "live");
    EXPECT_EQ(displayName("live.2024.Kvpx"), "live.2024");
    // The row click applies the rule once more.
    EXPECT_EQ(displayName(displayName("live.2024.Kvpx")), "live");
    EXPECT_EQ(displayName("a.Kvpx.bak"), "a.Kvpx.bak");
    EXPECT_EQ(displayName(".Kvpx"), "");
    EXPECT_EQ(displayName("Kvpx"), "Kvpx");
    EXPECT_EQ(displayName("x.Kv"), "x.Kv");
}

TEST(PresetPaths, LiveUnderTheProgramFolder) {
    EXPECT_EQ(presetDirectory("/opt/aec"), std::filesystem::path("/opt/aec/Mode/KMode"));
}

// A name is one file in the folder or it is refused; an empty file means refused.
TEST(PresetPaths, NamesNeverLeadOutOfTheFolder) {
    const struct {
        std::string name;
        const char* file;
    } kNames[] = {
        {" My set ", "/d/ My set .Kvpx"},
        {"v1.2", "/d/v1.2.Kvpx"},
        {"a..b", "/d/a..b.Kvpx"},
        {"...", "/d/....Kvpx"},
        {"", "/d/.Kvpx"},  // the file of a listed ".Kvpx"; saving skips an empty name
        {"a/b", ""},
        {"..", ""},
        {".", ""},
        {"../x", ""},
        {"/etc/x", ""},
        {"C:\\x", ""},
        {"C:x", ""},
        {"x\\y", ""},
        {std::string("x\0/y", 4), ""},
    };
    for (const auto& [name, file] : kNames) {
        const PresetPath path = presetFilePath("/d", name);
        EXPECT_EQ(path.ok(), *file != '\0') << name;
        EXPECT_EQ(path.error, path.ok() ? PresetError::kNone : PresetError::kBadName) << name;
        EXPECT_EQ(path.file, std::filesystem::path(file)) << name;
    }
}

TEST(PresetTexts, FollowTheLanguageFlag) {
    EXPECT_EQ(presetMessage(PresetError::kNotFound, 1), "文件不存在");
    EXPECT_EQ(presetMessage(PresetError::kNotFound, 0), "File not find!");
    EXPECT_EQ(presetMessage(PresetError::kFormat, 0), "File format error!");
    EXPECT_EQ(presetMessage(PresetError::kCorrupted, 1), "数据文件损坏!");
    EXPECT_EQ(presetMessage(PresetError::kCorrupted, 0), "Data file is corrupted!");
    EXPECT_EQ(presetMessage(PresetError::kBadName, 0),
              "Invalid file name! A name may not contain / \\ : or be . or ..");
    EXPECT_EQ(presetMessage(PresetError::kBadName, 1),
              "文件名无效!名称中不能有 / \\ :,也不能是 . 或 ..");
    EXPECT_EQ(overwriteQuestion(1).caption, "*系统提示*");
    EXPECT_EQ(overwriteQuestion(0).text, "File already exists, overwrite it right?");
    EXPECT_EQ(loadQuestion("a", 0).text, "Load File Data：a ?");
    EXPECT_EQ(loadQuestion("a", 1).text, "加载模式：a ?");
    EXPECT_EQ(loadQuestion("a", 1).caption, "Confirm");
}

class PresetFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        m_program = std::filesystem::temp_directory_path() /
                    ("aec-folder-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_program);
        std::filesystem::create_directories(m_program);
    }
    void TearDown() override { std::filesystem::remove_all(m_program); }
    void touch(const std::string& name) { std::ofstream(presetDirectory(m_program) / name); }
    std::filesystem::path m_program;
};

TEST_F(PresetFolder, IsCreatedOnceAndListsNothingWhenEmpty) {
    EXPECT_TRUE(listPresetFiles(presetDirectory(m_program)).empty());  // not there yet
    makePresetDirectory(m_program);
    makePresetDirectory(m_program);
    EXPECT_TRUE(std::filesystem::is_directory(presetDirectory(m_program)));
    EXPECT_TRUE(presetDisplayNames(presetDirectory(m_program)).empty());
}

TEST_F(PresetFolder, ListsMatchingFilesSortedIgnoringCase) {
    makePresetDirectory(m_program);
    for (const char* name : {"beta.Kvpx", "Alpha.Kvpx", "alpha2.Kvpx", "live.2024.Kvpx",
                             "old.Kvpx.bak", "notes.txt", "x.kvpx", "Zed.Kvpx"}) {
        touch(name);
    }
    std::filesystem::create_directory(presetDirectory(m_program) / "dir.Kvpx");
    const auto dir = presetDirectory(m_program);
    EXPECT_EQ(listPresetFiles(dir),
              (std::vector<std::string>{"Alpha.Kvpx", "alpha2.Kvpx", "beta.Kvpx", "live.2024.Kvpx",
                                        "old.Kvpx.bak", "Zed.Kvpx"}));
    const std::vector<std::string> names = presetDisplayNames(dir);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "alpha2", "beta", "live.2024",
                                               "old.Kvpx.bak", "Zed"}));
    EXPECT_TRUE(isListedName(names, "beta"));
    EXPECT_FALSE(isListedName(names, "Beta"));
}

TEST_F(PresetFolder, LivesBesideTheProgramOrElseInTheDataFolder) {
    const auto data = m_program / "data";
    EXPECT_EQ(choosePresetDirectory(m_program, data), presetDirectory(m_program));
    EXPECT_FALSE(std::filesystem::exists(data));
    // A program folder that cannot hold folders (here a plain file) sends the presets to the
    // data folder, made with its Mode and KMode folders.
    { std::ofstream program(m_program / "program"); }
    EXPECT_EQ(choosePresetDirectory(m_program / "program", data), presetDirectory(data));
    EXPECT_TRUE(std::filesystem::is_directory(presetDirectory(data)));
    EXPECT_TRUE(listPresetFiles(presetDirectory(data)).empty());  // the probe file is gone
}

TEST_F(PresetFolder, BesideTheProgramOnlyInItsBuildTree) {
    struct Case {
        const char* cache;  // where CMakeCache.txt lies, relative to the scratch folder
        bool buildTree;
    };
    const Case cases[] = {{"", false},
                          {"tree/bin/CMakeCache.txt", true},
                          {"tree/CMakeCache.txt", true},
                          {"tree/bin/sub/CMakeCache.txt", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cache);
        const auto root = m_program / "case";
        std::filesystem::remove_all(root);
        const auto bin = root / "tree" / "bin";
        std::filesystem::create_directories(bin / "sub");
        if (*c.cache != '\0') {
            std::ofstream(root / c.cache) << "# cache\n";
        }
        const auto data = root / "data";
        EXPECT_EQ(runsFromBuildTree(bin), c.buildTree);
        EXPECT_EQ(editorPresetDirectory(bin, data), presetDirectory(c.buildTree ? bin : data));
        // An installed program never makes folders beside itself.
        EXPECT_EQ(std::filesystem::exists(bin / "Mode"), c.buildTree);
    }
}

TEST_F(PresetFolder, SaveAsksWhenTheNameIsListedOrTheFileExistsNow) {
    makePresetDirectory(m_program);
    const auto dir = presetDirectory(m_program);
    const std::vector<std::string> listed = {"live"};
    EXPECT_TRUE(saveReplacesPreset(listed, "live", dir / "live.Kvpx"));
    EXPECT_FALSE(saveReplacesPreset(listed, "new", dir / "new.Kvpx"));
    touch("new.Kvpx");  // made since the list was read
    EXPECT_TRUE(saveReplacesPreset(listed, "new", dir / "new.Kvpx"));
}

}  // namespace
}  // namespace aec::test
