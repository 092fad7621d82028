// Preset files: what a save writes, what a load accepts, and that a rejection changes nothing.
#include "presets/preset_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "preset_test_util.h"

namespace aec::test {
namespace {

Model startUpModel() {
    Model model;
    model.ResetEqBands(kAllPages);
    return model;
}

// Everything a load may touch, to show that a rejected file left the Model alone.
struct ModelState {
    Store param;
    Store view;
    Selection selection;
    std::vector<std::string> log;

    explicit ModelState(const Model& m)
        : param(m.paramStore()),
          view(m.viewStore()),
          selection(m.selection),
          log(m.diagnosticLog.lines()) {}
    bool operator==(const ModelState& o) const {
        static_assert(std::has_unique_object_representations_v<Selection>);
        return param == o.param && view == o.view && log == o.log &&
               std::memcmp(&selection, &o.selection, sizeof selection) == 0;
    }
};

// A model whose every stored cell differs, so misplaced values show up.
Model patternedModel() {
    Model model;
    for (int p = 0; p < kPageCount; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.setParam(p, s, (p * 7919 + s * 31) % 65536);
        }
    }
    return model;
}

// Compares the cells a preset stores; returns the first differing address or -1.
int firstStoredDifference(const Model& a, const Model& b) {
    for (int address : presetRecordAddresses()) {
        const int p = pageOf(address);
        const int s = slotOf(address);
        if (a.param(p, s) != b.param(p, s)) {
            return address;
        }
    }
    return -1;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST(PresetSave, StartUpStateHasTheDocumentedShape) {
    const std::string text = presetFileText(startUpModel());
    const std::vector<std::string_view> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 1883u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    size_t crlf = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++crlf;
    }
    EXPECT_EQ(crlf, 1883u);
    for (std::string_view line : lines) {
        ASSERT_EQ(line.find_first_not_of("0123456789ABCDEF"), std::string_view::npos) << line;
        ASSERT_EQ(line.size() % 2, 0u);
    }
    EXPECT_EQ(unscrambleLine(lines[0]), "Vq 218");
    EXPECT_EQ(unscrambleLine(lines[1]), "Lorvi 106");
    EXPECT_EQ(unscrambleLine(lines[1881]), "Intoal: 1881");
    EXPECT_EQ(unscrambleLine(lines[1882]).value().rfind("CCCCK: ", 0), 0u);
}

TEST(PresetSave, RecordsFollowThePageOrderAndAreMaskedByLineNumber) {
    const std::vector<int> addresses = presetRecordAddresses();
    ASSERT_EQ(addresses.size(), 1879u);
    EXPECT_EQ(addresses[0], 0x0000);
    EXPECT_EQ(addresses[164], 0x00A4);  // page 0 ends at slot 164
    EXPECT_EQ(addresses[165], 0x0100);
    EXPECT_EQ(addresses[225], 0x013C);  // Dynamic EQ keeps slot 60, its right set's last
    EXPECT_EQ(addresses[226], 0x0200);
    EXPECT_EQ(addresses[1877], 0x1830);  // page 24 slot 48
    EXPECT_EQ(addresses[1878], 0x1E14);  // the input selection
    EXPECT_EQ(std::set<int>(addresses.begin(), addresses.end()).size(), addresses.size());

    Model model;
    model.setParam(0, 0, 5);
    model.setParam(30, 20, 3);
    const std::vector<std::string> plain = presetPlainLines(model);
    EXPECT_EQ(plain[2], "2 7");  // address 0 ^ 2, value 5 ^ 2
    EXPECT_EQ(plain[3], "2 3");  // address 1 ^ 3, value 0 ^ 3
    EXPECT_EQ(plain[1880], recordLine(0x1E14, 3, 1880));
}

TEST(PresetSave, ChecksumIsTheNegatedLowByteOfTheValueSum) {
    Model model;
    model.fillParamStore(0);
    model.setParam(5, 3, 300);
    model.setParam(30, 20, 2);
    model.setParam(26, 3, 1000);  // not stored, so not summed
    EXPECT_EQ(presetPlainLines(model).back(), "CCCCK: 210");
}

TEST(PresetRoundTrip, StartUpStateComesBackExactly) {
    const Model saved = startUpModel();
    Model loaded;
    loaded.fillParamStore(0);
    ASSERT_TRUE(loadPresetText(presetFileText(saved), loaded).ok());
    EXPECT_EQ(firstStoredDifference(loaded, saved), -1);
    EXPECT_EQ(loaded.param(0, 87), 120);
    EXPECT_EQ(loaded.param(25, 0), 0);
}

TEST(PresetRoundTrip, StoresOnlyPresetPagesAndLogsEveryRecord) {
    const Model saved = patternedModel();
    Model loaded;
    loaded.fillParamStore(-1);
    loaded.diagnosticLog.append("old line");
    ASSERT_TRUE(loadPresetText(presetFileText(saved), loaded).ok());

    const std::vector<int> addresses = presetRecordAddresses();
    const std::set<int> stored(addresses.begin(), addresses.end());
    for (int p = 0; p < kPageCount; ++p) {
        for (int s = 0; s < kSlotCount; ++s) {
            const int expected = stored.count(makeAddress(p, s)) ? saved.param(p, s) : -1;
            ASSERT_EQ(loaded.param(p, s), expected) << p << ":" << s;
        }
    }
    const auto& log = loaded.diagnosticLog.lines();
    ASSERT_EQ(log.size(), 1879u);
    EXPECT_EQ(log[0], "0 0");
    EXPECT_EQ(log[1878], "7700 " + std::to_string(saved.param(30, 20)));
    // ViewStore waits for the next refresh.
    EXPECT_EQ(loaded.viewStore(), Model().viewStore());
}

TEST(PresetLoad, MinimalFileAppliesNoRecord) {
    Model model = patternedModel();
    const Store before = model.paramStore();
    model.diagnosticLog.append("earlier");
    const PresetResult result = loadPresetText(fileOf(minimalLines()), model);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(model.paramStore(), before);
    EXPECT_TRUE(model.diagnosticLog.lines().empty());
}

TEST(PresetLoad, ReorderedLinesLoadWhenRemaskedWithTheirNewNumbers) {
    // Two records, written in reverse order and masked by their new line numbers.
    std::vector<std::string> lines = {"Vq 218",
                                      "Lorvi 106",
                                      recordLine(0x0203, 44, 2),
                                      recordLine(0x0001, 9, 3),
                                      "Intoal: 4",
                                      "CCCCK: " + std::to_string(presetChecksum(53))};
    Model model;
    ASSERT_TRUE(loadPresetText(fileOf(lines), model).ok());
    EXPECT_EQ(model.param(2, 3), 44);
    EXPECT_EQ(model.param(0, 1), 9);
    EXPECT_EQ(model.diagnosticLog.lines(), (std::vector<std::string>{"515 44", "1 9"}));
}

TEST(PresetLoad, MovedLineWithoutRemaskingChangesAddressAndValue) {
    // The line for (0x0010, 0) written at line 2 is moved to line 3 unchanged.
    const std::string moved = recordLine(0x0010, 0, 2);  // "18 2"
    std::vector<std::string> lines = {
        "Vq 218", "Lorvi 106", recordLine(0x0000, 0, 2),
        moved,    "Intoal: 4", "CCCCK: " + std::to_string(presetChecksum(1))};
    Model model;
    ASSERT_TRUE(loadPresetText(fileOf(lines), model).ok());
    EXPECT_EQ(model.param(0, 0x11), 1);  // 18 ^ 3 = 17, 2 ^ 3 = 1
    EXPECT_EQ(model.param(0, 0x10), 0);
}

TEST(PresetLoad, NegativeValuesAndLowerCaseHexAreRead) {
    std::vector<std::string> lines = {"Vq 218", "Lorvi 106", recordLine(0x0105, -3, 2), "Intoal: 3",
                                      "CCCCK: " + std::to_string(presetChecksum(uint32_t(-3)))};
    std::string text = fileOf(lines);
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    text.resize(text.size() - 2);  // the last line has no line ending
    Model model;
    ASSERT_TRUE(loadPresetText(text, model).ok());
    EXPECT_EQ(model.param(1, 5), -3);
}

struct Rejection {
    const char* name;
    std::string text;
    PresetError error;
};

std::vector<Rejection> rejections() {
    const std::string good = presetFileText(patternedModel());
    std::vector<std::string> plain = presetPlainLines(patternedModel());
    auto with = [&](int n, std::string line) {
        std::vector<std::string> copy = plain;
        copy[n] = std::move(line);
        return fileOf(copy);
    };
    auto minimalWith = [](int n, std::string line) {
        std::vector<std::string> lines = minimalLines();
        lines[n] = std::move(line);
        return fileOf(lines);
    };
    std::vector<std::string> deleted = plain;
    deleted.erase(deleted.begin() + 500);
    std::string badHex = good;
    badHex[splitLines(good)[0].size() + 2 + 4] = 'G';  // inside line 1
    const int checksum = *parseDecimal(splitFields(plain.back())[1]);
    const int changed = presetRecordAddresses()[698];  // the record on line 700

    return {
        {"empty file", "", PresetError::kFormat},
        {"header only", fileOf({"Vq 218"}), PresetError::kFormat},
        {"wrong format byte", minimalWith(0, "Vq 219"), PresetError::kFormat},
        {"wrong version", minimalWith(1, "Lorvi 107"), PresetError::kFormat},
        {"two lines", fileOf({"Vq 218", "Lorvi 106"}), PresetError::kCorrupted},
        {"one record line deleted", fileOf(deleted), PresetError::kCorrupted},
        {"count off by one", minimalWith(2, "Intoal: 3"), PresetError::kCorrupted},
        {"wrong checksum", with(1882, "CCCCK: " + std::to_string((checksum + 1) % 256)),
         PresetError::kCorrupted},
        {"value changed",
         with(700, recordLine(changed, patternedModel().param(pageOf(changed), slotOf(changed)) + 1,
                              700)),
         PresetError::kCorrupted},
        {"not hex", badHex, PresetError::kNotHex},
        {"stray text line", good + "hello\r\n", PresetError::kNotHex},
        {"header number missing", minimalWith(0, "Vq"), PresetError::kShortLine},
        {"record with one field", with(900, "902"), PresetError::kShortLine},
        {"empty record line", with(3, ""), PresetError::kShortLine},
        {"header not a number", minimalWith(1, "Lorvi x"), PresetError::kBadNumber},
        {"count not a number", minimalWith(2, "Intoal: two"), PresetError::kBadNumber},
        {"checksum missing", minimalWith(3, "CCCCK:"), PresetError::kShortLine},
        {"checksum not a number", minimalWith(3, "CCCCK: 0.0"), PresetError::kBadNumber},
        {"record double space", with(4, "6  4"), PresetError::kBadNumber},
        {"huge value", with(5, "5 99999999999999999999"), PresetError::kBadNumber},
        {"huge count", minimalWith(2, "Intoal: 2147483647"), PresetError::kCorrupted},
        {"page 31", with(6, recordLine(31 * 256, 0, 6)), PresetError::kAddressOutside},
        {"slot 165", with(7, recordLine(165, 0, 7)), PresetError::kAddressOutside},
        {"negative address", with(8, recordLine(-1, 0, 8)), PresetError::kAddressOutside},
    };
}

TEST(PresetLoad, EveryRejectionLeavesTheModelUntouched) {
    for (const Rejection& r : rejections()) {
        Model model = patternedModel();
        model.SyncView();
        model.selection.curOutputPage = 11;
        model.diagnosticLog.append("kept");
        const ModelState before(model);
        const PresetResult result = loadPresetText(r.text, model);
        EXPECT_EQ(result.error, r.error) << r.name;
        EXPECT_TRUE(ModelState(model) == before) << r.name;
    }
}

TEST(PresetLoad, ReportsTheFailingLineAndIgnoresExtraFields) {
    std::vector<std::string> plain = presetPlainLines(Model());
    Model model;
    plain[1000] += " trailing words";
    EXPECT_TRUE(loadPresetText(fileOf(plain), model).ok());
    plain[1234] = "x 2";
    const PresetResult result = loadPresetText(fileOf(plain), model);
    EXPECT_EQ(result.error, PresetError::kBadNumber);
    EXPECT_EQ(result.line, 1234);
}

class PresetFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("aec-preset-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(PresetFiles, SaveThenLoadFromDisk) {
    const auto path = m_dir / "live.Kvpx";
    const Model saved = patternedModel();
    ASSERT_TRUE(savePresetFile(path, saved).ok());
    EXPECT_EQ(readFile(path), presetFileText(saved));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0644));
    Model loaded;
    ASSERT_TRUE(loadPresetFile(path, loaded).ok());
    EXPECT_EQ(loaded.param(24, 48), saved.param(24, 48));
    // Nothing but the preset is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(PresetFiles, UnreadableFilesAreRejected) {
    Model model;
    const ModelState before(model);
    EXPECT_EQ(loadPresetFile(m_dir / "none.Kvpx", model).error, PresetError::kNotFound);
    EXPECT_EQ(loadPresetFile(m_dir, model).error, PresetError::kNotFound);
    const auto big = m_dir / "big.Kvpx";
    std::ofstream(big).put('0');
    std::filesystem::resize_file(big, kMaxPresetFileBytes + 1);
    EXPECT_EQ(loadPresetFile(big, model).error, PresetError::kCorrupted);
    EXPECT_TRUE(ModelState(model) == before);
}

TEST_F(PresetFiles, FailedSaveKeepsTheOldFile) {
    const auto path = m_dir / "keep.Kvpx";
    ASSERT_TRUE(savePresetFile(path, Model()).ok());
    const std::string old = readFile(path);

    // Writes beyond 1000 bytes fail with EFBIG, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const PresetResult result = savePresetFile(path, patternedModel());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(result.error, PresetError::kWriteFailed);
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(savePresetFile(m_dir / "no" / "x.Kvpx", Model()).error, PresetError::kWriteFailed);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(PresetFiles, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
    const auto path = m_dir / "mode.Kvpx";
    ASSERT_TRUE(savePresetFile(path, Model()).ok());
    std::filesystem::permissions(path, std::filesystem::perms(0600));
    ASSERT_TRUE(savePresetFile(path, patternedModel()).ok());
    EXPECT_EQ(readFile(path), presetFileText(patternedModel()));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0600));
}

}  // namespace
}  // namespace aec::test
