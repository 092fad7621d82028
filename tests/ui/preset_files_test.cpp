// The preset files of the system column: the list, the name box, saving and loading.
#include <QSignalSpy>
#include <QTableWidget>
#include <fstream>
#include <sstream>

#include "editor_fixture.h"
#include "presets/preset_file.h"
#include "presets/preset_folder.h"

namespace aec::test {
namespace {

class PresetFilesTest : public EditorTest {
  protected:
    std::filesystem::path folder() const { return window->presetFiles().directory(); }
    std::filesystem::path file(const std::string& name) const {
        return folder() / (name + ".Kvpx");
    }
    QTableWidget* list() { return w<QTableWidget>("ValueListEditor1"); }
    QString nameBox() { return w<QLineEdit>("FileEdit")->text(); }
    void click(const char* button) { QTest::mouseClick(w(button), Qt::LeftButton); }
    void save(const char* name) {
        w<QLineEdit>("FileEdit")->setText(QString::fromUtf8(name));
        click("RzBmpButton120");
    }
    void load(const char* name) {
        w<QLineEdit>("FileEdit")->setText(QString::fromUtf8(name));
        click("RzBmpButton119");
    }
    static std::string contents(const std::filesystem::path& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    QString lastMessage() const {
        return messages.shown().empty() ? QString() : messages.shown().back().text;
    }
};

TEST_F(PresetFilesTest, SaveListsTheFileAndARowGivesItsNameAsShown) {
    EXPECT_TRUE(std::filesystem::is_directory(folder()));  // made at first show
    EXPECT_EQ(list()->rowCount(), 0);
    EXPECT_TRUE(nameBox().isEmpty());
    click("RzBmpButton120");  // no name: nothing
    EXPECT_TRUE(messages.shown().empty());

    save("live.2024");
    save("Alpha");
    EXPECT_TRUE(messages.shown().empty());  // nothing was there to replace
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(list()->item(1, 0)->text(), "1");
    EXPECT_EQ(list()->item(1, 1)->text(), "live.2024");
    EXPECT_EQ(nameBox(), "Alpha");  // the row of the file just saved

    // The name is taken as shown, so load and save reach the same file.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(list()->item(1, 1)).center());
    EXPECT_EQ(nameBox(), "live.2024");
    EXPECT_EQ(parsePresetFile(file("live.2024")).result.error, PresetError::kNone);
}

TEST_F(PresetFilesTest, OverwriteIsAskedForListedNamesAndForFilesMadeMeanwhile) {
    save("a");
    const std::string before = contents(file("a"));
    model.setParam(kPageMusic, 12, 99);

    messages.queue(MessageService::Answer::Cancel);
    save("a");
    EXPECT_EQ(lastMessage(), QString::fromUtf8("文件已存在,覆盖它吗?"));
    EXPECT_EQ(contents(file("a")), before);

    save("a");  // OK
    EXPECT_NE(contents(file("a")), before);

    // Made by another program since the list was read: asked all the same.
    std::ofstream(file("b")) << "x";
    messages.clear();
    messages.queue(MessageService::Answer::Cancel);
    save("b");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(contents(file("b")), "x");

    // A name that would leave the folder is refused and said so.
    model.setLanguageFlag(0);
    save("../x");
    EXPECT_TRUE(lastMessage().startsWith("Invalid file name!"));
}

TEST_F(PresetFilesTest, LoadShowsTheFileAtOnceAndAsksForTheUpload) {
    Model other;
    other.setParam(kPageMusic, 12, 150);  // music band 1 gain
    other.setParam(kPageMicA, 110, 2);    // mic A band 20: low shelf
    other.setParam(kPageMicA, 114, 20);   // its shelf Q, beyond the page's transfer
    ASSERT_TRUE(savePresetFile(file("club"), other).ok());
    window->presetFiles().refreshList();
    const QSignalSpy uploads(&window->presetFiles(), &PresetFiles::uploadWanted);
    selectTab(kTabMicA);
    const QString shelfQBefore = edit("MicQEdit20")->text();

    messages.queue(MessageService::Answer::No);
    load("club");
    EXPECT_EQ(lastMessage(), QString::fromUtf8("加载模式：club ?"));
    EXPECT_EQ(model.param(kPageMicA, 114), kDefaultShelfQ);  // unchanged
    EXPECT_EQ(uploads.count(), 0);

    load("club");
    EXPECT_EQ(model.param(kPageMusic, 12), 150);
    EXPECT_EQ(model.view(kPageMicA, 114), 20);
    EXPECT_NE(edit("MicQEdit20")->text(), shelfQBefore);  // shown without waiting for a link
    EXPECT_EQ(uploads.count(), 1);
    EXPECT_EQ(model.diagnosticLog.lines().size(), static_cast<size_t>(kPresetRecords));
    EXPECT_TRUE(sink.sent.empty());  // the upload is the link's; nothing goes one by one
}

TEST_F(PresetFilesTest, AFileThatIsMissingOrDamagedChangesNothing) {
    ASSERT_TRUE(savePresetFile(file("good"), model).ok());
    std::string text = contents(file("good"));
    const size_t start = text.find("\r\n", 200) + 2;  // one record line less
    text.erase(start, text.find("\r\n", start) + 2 - start);
    std::ofstream(file("cut"), std::ios::binary) << text;
    model.setLanguageFlag(0);
    const QSignalSpy uploads(&window->presetFiles(), &PresetFiles::uploadWanted);
    const Store before = model.paramStore();

    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case& c : {Case{"cut", "Data file is corrupted!"}, Case{"none", "File not find!"}}) {
        load(c.name);
        EXPECT_EQ(lastMessage(), c.message);
    }
    EXPECT_EQ(model.paramStore(), before);
    EXPECT_EQ(uploads.count(), 0);
}

}  // namespace
}  // namespace aec::test
