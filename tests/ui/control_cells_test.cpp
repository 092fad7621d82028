// Every cell of the control table, every control it binds and every list the builder collects:
// names, kinds, display kinds, slider ranges and the Tags left after building.
#include <QLabel>
#include <QSlider>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor_fixture.h"

namespace aec::test {
namespace {

// ---- The only code that reaches into the window. ----------------------------------------------

struct CellControls {
    QWidget* main = nullptr;
    QWidget* display = nullptr;
    std::array<QWidget*, 4> companions{};
};

enum class List {
    Placeholder,  // the one placeholder edit box
    Tabs,
    EffectButtons,
    HintButtons,
    UserModeButtons,
    FactoryModeButtons,
    PairButtons,
    MusicModeButtons,
};

// What a control says about itself.
struct Facts {
    ControlKind kind = ControlKind::None;
    int tag = 0;
    std::string hint{};
    std::string caption{};  // labels only
    int min = 0;            // sliders only
    int max = 0;
};

// Tables built once on a window that was never shown, so nothing has re-addressed a Tag yet.
TForm1& built() {
    struct Window {
        Model model;
        RecordingSink sink{model};
        ScriptedMessages messages;
        FakeAudioCapture audio;
        std::unique_ptr<TForm1> form;
    };
    static Window* w = [] {
        testApplication();
        auto* made = new Window;
        made->form = std::make_unique<TForm1>(made->model, made->sink, made->messages, made->audio);
        made->form->tables().build(made->form->controls(), made->model);
        return made;
    }();
    return *w->form;
}

CellControls cellAt(int page, int slot) {
    const ControlTables& t = built().tables();
    return {t.control(page, slot),
            t.display(page, slot),
            {t.companion(page, slot, 0), t.companion(page, slot, 1), t.companion(page, slot, 2),
             t.companion(page, slot, 3)}};
}

std::vector<QWidget*> listOf(List which) {
    const ControlTables& t = built().tables();
    const auto all = [](const auto& list) {
        return std::vector<QWidget*>(list.begin(), list.end());
    };
    switch (which) {
        case List::Placeholder:
            return {t.example()};
        case List::Tabs:
            return all(t.tabButtons());
        case List::EffectButtons:
            return all(t.effectButtons());
        case List::HintButtons:
            return all(t.hintButtons());
        case List::UserModeButtons:
            return all(t.modeButtons());
        case List::FactoryModeButtons:
            return all(t.factoryButtons());
        case List::PairButtons:
            return all(t.pairButtons());
        case List::MusicModeButtons:
            return all(t.musicModeButtons());
    }
    return {};
}

// Row `row` of the EQ point label grid, 22 entries.
std::vector<QWidget*> pointLabelRow(int row) {
    std::vector<QWidget*> labels;
    for (int i = 0; i < 22; ++i) {
        labels.push_back(built().tables().pointLabel(row, i));
    }
    return labels;
}

Facts describe(const QWidget* c) {
    Facts f{kindOf(c), tagOf(c), hintOf(c).toStdString()};
    if (const auto* slider = qobject_cast<const QSlider*>(c)) {
        f.min = slider->minimum();
        f.max = slider->maximum();
    }
    if (f.kind == ControlKind::Label) {
        f.caption = static_cast<const QLabel*>(c)->text().toStdString();
    }
    return f;
}

// ---- What the window is designed with. ---------------------------------------------------------

constexpr int kPages = 31;
constexpr int kSlots = 165;
constexpr int kOwnAddress = -1;  // a bound control's Tag is the address of its own cell
constexpr int kNoKind = -1;      // a selection box whose Hint holds no display kind

// One control. An empty name is an empty entry.
struct Want {
    QString name{};
    ControlKind kind = ControlKind::None;
    int tag = kOwnAddress;
    QString hint{};     // display kind or label position; null where none is fixed
    int max = 0;        // sliders: maximum of the range 0..max
    QString caption{};  // labels: null where none is fixed
};

Want edit(const QString& name, int kind, int tag = kOwnAddress) {
    return {name, ControlKind::EditBox, tag, QString::number(kind)};
}
Want pane(const QString& name, int kind, int tag = kOwnAddress) {
    return {name, ControlKind::ValuePane, tag, QString::number(kind)};
}
Want select(const QString& name, int kind, int tag = kOwnAddress) {
    return {name, ControlKind::SelectBox, tag, kind == kNoKind ? QString() : QString::number(kind)};
}
Want Bar(const QString& name, int max, int tag = kOwnAddress) {
    return {name, ControlKind::Slider, tag, {}, max};
}
Want button(const QString& name, int tag = kOwnAddress) {
    return {name, ControlKind::BmpButton, tag};
}
Want spinControl(const QString& name, int tag = kOwnAddress) {
    return {name, ControlKind::SpinButtons, tag};
}
Want ModeLabel(const QString& name, int position, const QString& caption = {}) {
    return {name, ControlKind::Label, kOwnAddress, QString::number(position), 0, caption};
}

// The placeholder: an invisible edit box of display kind 0 whose last slot as a main control is
// page 30 slot 5 (as a display control it takes no Tag).
const Want kExample = edit("Example", 0, 0x1E05);

struct CellWant {
    Want main{};
    Want display{};
    std::array<Want, 4> companions{};
};

// Pages whose bands take five slots each. Slots at or beyond the slot count are not visited when
// Tags are assigned, so a last band whose shelf Q slot lies there keeps its Q slot in the Q box.
struct BandPage {
    int page;
    const char* prefix;
    int firstEqSlot;
    int bands;
    int slotCount;
    const char* spinPrefix;
    bool spinOnShelf;  // the Hint page puts its spin buttons on the shelf Q slot
};
constexpr BandPage kBandPages[] = {
    {0, "Mus", 10, 15, 164, "MusQUpDownBtn", false},
    {2, "Mic", 15, 20, 114, "MIcQUpDownBtn", false},
    {4, "Echo", 14, 7, 48, "EchoQUpDownBtn", false},
    {5, "Rvb", 11, 7, 45, "RvbQUpDownBtn", false},
    {6, "Main", 21, 10, 70, "MainQUpDownBtn", false},
    {25, "Hint", 1, 5, 26, "HintQUpDownBtn", true},
};

// Rows outside the bands: main control, display control, first companion.
struct RowWant {
    int page;
    int slot;
    Want main{};
    Want display{};
    Want companion{};
};

const std::vector<RowWant>& otherRows() {
    static const std::vector<RowWant> rows = {
        {0, 0, edit("MusGain1Edit", 5), kExample, spinControl("MusGain1UpDown")},
        {0, 1, edit("MusGain2Edit", 5), kExample, spinControl("MusGain2UpDown")},
        {0, 2, edit("MusGain3Edit", 5), kExample, spinControl("MusGain3UpDown")},
        {0, 3, Bar("MusPitchBar", 14), pane("MusPitchPane", 21)},
        {0, 4, select("MusHPTypeBox", 20), kExample},
        {0, 5, Bar("MusHPFREBar", 361), pane("MusHPFREPane", 6)},
        {0, 6, select("MusLPTypeBox", 21), kExample},
        {0, 7, Bar("MusLPFREBar", 361), pane("MusLPFREPane", 6)},
        {0, 8, button("MusEQAllpassBtn")},
        {0, 9, kExample},

        {1, 0, kExample, kExample},

        {2, 0, Bar("MicInputGainBar", 40), pane("MicInputGainPane", 22)},
        {2, 1, Bar("MicFBEBar", 4), pane("MicFBEPane", 23)},
        {2, 2, Bar("MicNoiseLevelBar", 60), pane("MicNoiseLevelPane", 24)},
        {2, 3, Bar("MicNoiseAttackBar", 19), pane("MicNoiseAttackPane", 17)},
        {2, 4, Bar("MicNoiseReleaseBar", 7), pane("MicNoiseReleasePane", 16)},
        {2, 5, Bar("MicRmsLevelBar", 34), pane("MicRmsLevelPane", 25)},
        {2, 6, Bar("MicRmsAttackBar", 19), pane("MicRmsAttackPane", 17)},
        {2, 7, Bar("MicRmsReleaseBar", 7), pane("MicRmsReleasePane", 16)},
        {2, 8, Bar("MicRmsRatioBar", 40), pane("MicRmsRatioPane", 15)},
        {2, 9, select("MicHPTypeBox", 20), kExample},
        {2, 10, Bar("MicHPFreBar", 361), pane("MicHPFrePane", 6)},
        {2, 11, select("MicLPTypeBox", 21), kExample},
        {2, 12, Bar("MicLPFreBar", 361), pane("MicLPFrePane", 6)},
        {2, 13, kExample},

        {4, 0, Bar("EchoEffLevelBar", 100), pane("EchoEffLevelPane", 8)},
        {4, 1, button("EchoEffPhaseBtn"), kExample},
        {4, 2, Bar("EchoDirectLevelBar", 100), pane("EchoDirectLevelPane", 8)},
        {4, 3, button("EchoDirectPhaseBtn"), kExample},
        {4, 4, Bar("EchoPreDelayBar", 250), pane("EchoPreDelayPane", 26)},
        {4, 5, Bar("EchoTimeBar", 250), pane("EchoTimePane", 11)},
        {4, 6, Bar("EchoRepeatBar", 90), pane("EchoRepeatPane", 8)},
        {4, 7, Bar("EchoRPreDelayBar", 50), pane("EchoRPreDelayPane", 8)},
        {4, 8, Bar("EchoRTimeBar", 100), pane("EchoRTimePane", 10)},
        {4, 9, select("EchoHPTypeBox", 20), kExample},
        {4, 10, Bar("EchoHPFreBar", 361), pane("EchoHPFrePane", 6)},
        {4, 11, select("EchoLPTypeBox", 21), kExample},
        {4, 12, Bar("EchoLPFreBar", 361), pane("EchoLPFrePane", 6)},

        {5, 0, Bar("RvbEffLevelBar", 100), pane("RvbEffLevelPane", 8)},
        {5, 1, button("RvbEffPhaseBtn"), kExample},
        {5, 2, Bar("RvbDirectLevelBar", 100), pane("RvbDirectLevelPane", 8)},
        {5, 3, button("RvbDirectPhaseBtn"), kExample},
        {5, 4, Bar("RvbPreDelayBar", 100), pane("RvbPreDelayPane", 11)},
        {5, 5, Bar("RvbTimeBar", 80), pane("RvbTimePane", 12)},
        {5, 6, select("RvbHPTypeBox", 20), kExample},
        {5, 7, Bar("RvbHPFreBar", 361), pane("RvbHPFrePane", 6)},
        {5, 8, select("RvbLPTypeBox", 21), kExample},
        {5, 9, Bar("RvbLPFreBar", 361), pane("RvbLPFrePane", 6)},

        {6, 0, Bar("MainMusLevelBar", 200), pane("MainMusLevelPane", 9)},
        {6, 1, button("MainMusPhaseBtn"), kExample},
        {6, 2, Bar("MainMicLevelBar", 200), pane("MainMicLevelPane", 9)},
        {6, 3, button("MainMicPhaseBtn"), kExample},
        {6, 4, Bar("MainEchoALevelBar", 200), pane("MainEchoALevelPane", 9)},
        {6, 5, button("MainEchoAPhaseBtn"), kExample},
        {6, 6, Bar("MainEchoBLevelBar", 200), pane("MainEchoBLevelPane", 9)},
        {6, 7, button("MainEchoBPhaseBtn"), kExample},
        {6, 8, Bar("MainRvbLevelBar", 200), pane("MainRvbLevelPane", 9)},
        {6, 9, button("MainRvbPhaseBtn"), kExample},
        {6, 10, Bar("MainLdelayBar", 500), pane("MainLdelayPane", 18)},
        {6, 11, button("MainLmuteBtn"), kExample},
        {6, 12, Bar("MainRmsLevelBar", 34), pane("MainRmsLevelPane", 14)},
        {6, 13, Bar("MainRmsAttackBar", 19), pane("MainRmsAttackPane", 17)},
        {6, 14, Bar("MainRmsReleaseBar", 7), pane("MainRmsReleasePane", 16)},
        {6, 15, Bar("MainRmsRatioBar", 40), pane("MainRmsRatioPane", 15)},
        {6, 16, select("MainHPTypeBox", 20), kExample},
        {6, 17, Bar("MainMusHPFreBar", 361), pane("MainMusHPFrePane", 6)},
        {6, 18, select("MainLPTypeBox", 21), kExample},
        {6, 19, Bar("MainMusLPFreBar", 361), pane("MainMusLPFrePane", 6)},

        // Right delay and mute of Main and Surround: one pair of controls, last tagged on page 15.
        {9, 10, Bar("MainRdelayBar", 500, 0x0F0A), pane("MainRdelayPane", 18, 0x0F0A)},
        {9, 11, button("MainRmuteBtn", 0x0F0B)},
        {15, 10, Bar("MainRdelayBar", 500), pane("MainRdelayPane", 18)},
        {15, 11, button("MainRmuteBtn")},

        {25, 0, kExample},

        // System volumes: the panes carry display kind 0.
        {29, 0, Bar("SysMicNormalVolBar", 84), pane("SysMicNormalVolPane", 0)},
        {29, 1, Bar("SysMusNormalVolBar", 84), pane("SysMusNormalVolPane", 0)},
        {29, 2, Bar("SysEffNormalVolBar", 84), pane("SysEffNormalVolPane", 0)},
        {29, 3, Bar("SysMicStartVolBar", 84), pane("SysMicStartVolPane", 0)},
        {29, 4, Bar("SysMicMaxVolBar", 84), pane("SysMicMaxVolPane", 0)},
        {29, 5, Bar("SysMusStartVolBar", 84), pane("SysMusStartVolPane", 0)},
        {29, 6, Bar("SysMusMaxVolBar", 84), pane("SysMusMaxVolPane", 0)},
        {29, 7, Bar("SysEffStartVolBar", 84), pane("SysEffStartVolPane", 0)},
        {29, 8, Bar("SysEffMaxVolBar", 84), pane("SysEffMaxVolPane", 0)},
        {29, 9, kExample, kExample},

        {30, 0, kExample, kExample},
        {30, 1, kExample, kExample},
        {30, 2, select("SysModeBox", kNoKind), kExample},
        {30, 3, select("SysMusInputLevelBox", kNoKind), kExample},
        {30, 4, kExample, kExample},
        {30, 5, kExample, kExample},
        {30, 12, {}, kExample},
        {30, 13, {}, kExample},
        {30, 14, {}, kExample},
        {30, 15, {}, kExample},
        {30, 16, {}, kExample},
        {30, 20, select("SysInputBox", kNoKind)},
    };
    return rows;
}

using Cells = std::map<std::pair<int, int>, CellWant>;

// Replaces kOwnAddress by the cell's address.
void place(Cells& cells, int page, int slot, CellWant cell) {
    const int own = page * 256 + slot;
    for (Want* w : {&cell.main, &cell.display, &cell.companions[0], &cell.companions[1],
                    &cell.companions[2], &cell.companions[3]}) {
        if (w->tag == kOwnAddress) {
            w->tag = own;
        }
    }
    const bool first = cells.emplace(std::make_pair(page, slot), cell).second;
    EXPECT_TRUE(first) << "two rows for page " << page << " slot " << slot;
}

void addBandRows(Cells& cells) {
    for (const BandPage& bp : kBandPages) {
        const QString p = bp.prefix;
        for (int n = 1; n <= bp.bands; ++n) {
            const QString num = QString::number(n);
            const int mode = bp.firstEqSlot + 5 * (n - 1);
            const int q = mode + 3;
            const int shelf = mode + 4;
            const int qTag = bp.page * 256 + (shelf < bp.slotCount ? shelf : q);
            const Want qEdit = edit(p + "QEdit" + num, 4, qTag);
            const Want spin = spinControl(bp.spinPrefix + num);
            place(
                cells, bp.page, mode,
                {select(p + "ModeBox" + num, 1),
                 {},
                 {ModeLabel(p + "BYBtn" + num, 0, "BY"), ModeLabel(p + "PEQBtn" + num, 1, "P"),
                  ModeLabel(p + "LSQBtn" + num, 2, "LS"), ModeLabel(p + "HSQBtn" + num, 3, "HS")}});
            place(cells, bp.page, mode + 1, {edit(p + "FreEdit" + num, 2)});
            place(cells, bp.page, mode + 2,
                  {edit(p + "GainEdit" + num, 3), {}, {Bar(p + "EQGainBar" + num, 180)}});
            place(cells, bp.page, q, {qEdit, {}, {bp.spinOnShelf ? Want{} : spin}});
            place(cells, bp.page, shelf, {qEdit, {}, {bp.spinOnShelf ? spin : Want{}}});
        }
    }
}

// Dynamic EQ, three bands of ten slots from slot 1; Example displays every slot without a pane.
void addDynamicEqRows(Cells& cells) {
    for (int n = 1; n <= 3; ++n) {
        const QString num = QString::number(n);
        const int t = 1 + 10 * (n - 1);
        // The type buttons keep their design Tags 0, 1, 2.
        place(cells, 1, t,
              {select("DEQTypeBox" + num, 1),
               kExample,
               {button("DEQTYpeOffBtn" + num, 0), button("DEQTYpeBelowBtn" + num, 1),
                button("DEQTYpeAboveBtn" + num, 2)}});
        place(cells, 1, t + 1,
              {select("DEQModeBox" + num, 1),
               kExample,
               {ModeLabel("DEQBYBtn" + num, 0), ModeLabel("DEQPEQBtn" + num, 1),
                ModeLabel("DEQLEQBtn" + num, 2), ModeLabel("DEQHEQBtn" + num, 3)}});
        place(cells, 1, t + 2, {edit("DEQFreEdit" + num, 2), kExample});
        place(cells, 1, t + 3,
              {edit("DEQGainEdit" + num, 3), kExample, {Bar("DEQGainBar" + num, 180)}});
        const Want qEdit = edit("DEQQEdit" + num, 4, 0x0100 + t + 5);
        place(cells, 1, t + 4, {qEdit, kExample, {spinControl("DEQQUpDownBtn" + num)}});
        place(cells, 1, t + 5, {qEdit, kExample});
        place(cells, 1, t + 6,
              {Bar("DEQRmsLevelBar" + num, 60), pane("DEQRmsLevelPane" + num, 20)});
        place(cells, 1, t + 7,
              {Bar("DEQRmsAttackBar" + num, 19), pane("DEQRmsAttackPane" + num, 17)});
        place(cells, 1, t + 8,
              {Bar("DEQRmsReleaseBar" + num, 7), pane("DEQRmsReleasePane" + num, 16)});
        place(cells, 1, t + 9,
              {Bar("DEQRmsRatioBar" + num, 40), pane("DEQRmsRatioPane" + num, 15)});
    }
}

const Cells& designedCells() {
    static const Cells cells = [] {
        Cells c;
        addBandRows(c);
        addDynamicEqRows(c);
        for (const RowWant& r : otherRows()) {
            place(c, r.page, r.slot, {r.main, r.display, {r.companion}});
        }
        return c;
    }();
    return cells;
}

std::string nameOf(const QWidget* w) { return w ? w->objectName().toStdString() : std::string(); }

std::string where(int page, int slot, const char* role) {
    return "page " + std::to_string(page) + " slot " + std::to_string(slot) + " " + role;
}

// Kind, Tag, Hint, caption and slider range of one control against its design.
void expectFacts(const QWidget* c, const Want& want) {
    const std::string name = want.name.toStdString();
    const Facts f = describe(c);
    EXPECT_EQ(f.kind, want.kind) << name;
    EXPECT_EQ(f.tag, want.tag) << name;
    if (!want.hint.isNull()) {
        EXPECT_EQ(f.hint, want.hint.toStdString()) << name;
    }
    if (!want.caption.isNull()) {
        EXPECT_EQ(f.caption, want.caption.toStdString()) << name;
    }
    if (want.kind == ControlKind::Slider) {
        EXPECT_EQ(f.min, 0) << name;
        EXPECT_EQ(f.max, want.max) << name;
    }
}

// ---- Tests. ------------------------------------------------------------------------------------

// All 31 x 165 cells: the named controls where the window has them, nothing anywhere else
// (pages 3, 7, 8, 10 to 14, 16 to 24, 26 to 28 and every slot no row names).
TEST(ControlCells, EveryCellHoldsItsControlsAndNothingElse) {
    const Cells& designed = designedCells();
    for (int page = 0; page < kPages; ++page) {
        for (int slot = 0; slot < kSlots; ++slot) {
            const auto found = designed.find({page, slot});
            const CellWant want = found == designed.end() ? CellWant{} : found->second;
            const CellControls got = cellAt(page, slot);
            EXPECT_EQ(nameOf(got.main), want.main.name.toStdString()) << where(page, slot, "main");
            EXPECT_EQ(nameOf(got.display), want.display.name.toStdString())
                << where(page, slot, "display");
            for (int j = 0; j < 4; ++j) {
                EXPECT_EQ(nameOf(got.companions[j]), want.companions[j].name.toStdString())
                    << where(page, slot, "companion ") << j;
            }
        }
    }
    EXPECT_EQ(designed.size(), 445u);  // 64 bands of five slots, 30 Dynamic EQ slots, 95 other rows
    EXPECT_EQ(nameOf(listOf(List::Placeholder)[0]), "Example");
}

// Each bound control once: its kind, Tag after building, display kind, caption and range.
TEST(ControlCells, BoundControlsCarryKindTagHintAndRange) {
    std::map<QString, std::pair<const QWidget*, Want>> controls;
    for (const auto& [at, cell] : designedCells()) {
        const CellControls got = cellAt(at.first, at.second);
        const std::pair<const QWidget*, const Want*> roles[] = {
            {got.main, &cell.main},
            {got.display, &cell.display},
            {got.companions[0], &cell.companions[0]},
            {got.companions[1], &cell.companions[1]},
            {got.companions[2], &cell.companions[2]},
            {got.companions[3], &cell.companions[3]},
        };
        for (const auto& [widget, want] : roles) {
            if (want->name.isEmpty() || nameOf(widget) != want->name.toStdString()) {
                continue;  // an empty or wrong cell is reported by the cell test
            }
            const auto [it, added] = controls.try_emplace(want->name, widget, *want);
            if (!added) {
                // A control bound in several cells is described the same way in each of them.
                EXPECT_EQ(it->second.first, widget) << want->name.toStdString();
                EXPECT_EQ(it->second.second.tag, want->tag) << want->name.toStdString();
                EXPECT_EQ(it->second.second.hint.toStdString(), want->hint.toStdString())
                    << want->name.toStdString();
            }
        }
    }
    for (const auto& [name, control] : controls) {
        expectFacts(control.first, control.second);
    }
    EXPECT_EQ(controls.size(), 840u);
}

struct ListEntry {
    const char* name;
    int tag;
};

TEST(ControlCells, ButtonListsInOrderWithTheirTags) {
    const std::pair<List, std::vector<ListEntry>> lists[] = {
        {List::Tabs,
         {{"FormMusTabBtn", 0},
          {"FormDYNBtn", 1},
          {"FormMICATabBtn", 2},
          {"FormMICBTabBtn", 3},
          {"FormEFFTabBtn", 4},
          {"FormMAINTabBtn", 5},
          {"FormSURTabBtn", 6},
          {"FormCENTabBtn", 7},
          {"FormSUBTabBtn", 8},
          {"FormHintTabBtn", 9}}},
        {List::EffectButtons,
         {{"EchoAToolButton", 0}, {"EchoBToolButton", 1}, {"RvbToolButton", 2}}},
        {List::HintButtons, {{"HintMusBtn", 0}, {"HintMicABtn", 1}, {"HintMicBBtn", 2}}},
        {List::UserModeButtons,
         {{"SysModeBtn1", 0}, {"SysModeBtn2", 1}, {"SysModeBtn3", 2}, {"SysModeBtn4", 3}}},
        {List::FactoryModeButtons,
         {{"SysFactoryBtn", 16},
          {"SysFactoryBtn2", 17},
          {"SysFactoryBtn3", 18},
          {"SysFactoryBtn4", 19},
          {"SysFactoryBtn5", 20},
          {"SysFactoryBtn6", 21}}},
        {List::PairButtons, {{"LeftBtn", 0}, {"SameBtn", 1}, {"RightBtn", 2}}},
        {List::MusicModeButtons,
         {{"SingModeBtn", 161}, {"DiscoModeBtn", 161}, {"CodeModeBtn", 161}}},
    };
    for (const auto& [list, entries] : lists) {
        const std::vector<QWidget*> got = listOf(list);
        ASSERT_EQ(got.size(), entries.size()) << entries[0].name;
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(nameOf(got[i]), entries[i].name) << i;
            EXPECT_EQ(describe(got[i]).tag, entries[i].tag) << entries[i].name;
        }
    }
}

// The 9 x 22 grid by page kind; captions are band numbers, Tags and Hints feed the click rule.
TEST(ControlCells, PointLabelGridWithDesignTagsAndHints) {
    struct PointRow {
        int row;
        const char* prefix;
        int tag;
        std::vector<const char*> hints;  // one per label
    };
    const std::vector<const char*> mic(20, "5");
    const std::vector<const char*> effect(7, "14");
    const PointRow rows[] = {
        {0,
         "MusEQPointLabel",
         0,
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "3", "4", "5", "6", "7", "8"}},
        {1, "MicEQPointLabel", 2, mic},
        {2, "EffEQPointLabel", 4, effect},
        {3, "MainEQPointLabel", 6, {"31", "31", "31", "31", "31", "5", "5", "5", "5", "5"}},
        {4, "HintEQPointLabel", 4, {"14", "14", "14", "14", "14"}},
        {5, "RvbEQPointLabel", 4, effect},
        {6, "", 0, {}},
        {7, "", 0, {}},
        {8, "DEQPointLabel", 0, {"5", "5", "5"}},
    };
    for (const PointRow& r : rows) {
        const std::vector<QWidget*> got = pointLabelRow(r.row);
        for (size_t i = 0; i < got.size(); ++i) {
            const std::string at = "row " + std::to_string(r.row) + " label " + std::to_string(i);
            if (i >= r.hints.size()) {
                EXPECT_EQ(got[i], nullptr) << at;
                continue;
            }
            const QString band = QString::number(i + 1);
            ASSERT_EQ(nameOf(got[i]), r.prefix + band.toStdString()) << at;
            const Facts f = describe(got[i]);
            EXPECT_EQ(f.kind, ControlKind::Label) << at;
            EXPECT_EQ(f.caption, band.toStdString()) << at;
            EXPECT_EQ(f.tag, r.tag) << at;
            EXPECT_EQ(f.hint, r.hints[i]) << at;
        }
    }
}

}  // namespace
}  // namespace aec::test
