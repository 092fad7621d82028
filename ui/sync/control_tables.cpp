#include "ui/sync/control_tables.h"

#include "core/pages.h"

namespace aec {

namespace {

constexpr int kSystemVolumesPage = 29;
constexpr int kModeLabelLeft = 1;

// Pages whose bands are five slots each, with their control name prefix.
struct BandPage {
    int page;
    const char* prefix;
    int bands;
    const char* spin;  // spin button name pattern
    bool spinOnShelf;  // the Hint page puts its spin buttons on the shelf Q slot
};

constexpr BandPage kBandPages[] = {
    {0, "Mus", 15, "MusQUpDownBtn%1", false},   {2, "Mic", 20, "MIcQUpDownBtn%1", false},
    {4, "Echo", 7, "EchoQUpDownBtn%1", false},  {5, "Rvb", 7, "RvbQUpDownBtn%1", false},
    {6, "Main", 10, "MainQUpDownBtn%1", false}, {25, "Hint", 5, "HintQUpDownBtn%1", true},
};

struct Row {
    int page;
    int slot;
    const char* control;
    const char* display;
    const char* companion;
};

// Rows outside the band layout: main control, display control, first companion.
constexpr Row kRows[] = {
    {0, 0, "MusGain1Edit", "Example", "MusGain1UpDown"},
    {0, 1, "MusGain2Edit", "Example", "MusGain2UpDown"},
    {0, 2, "MusGain3Edit", "Example", "MusGain3UpDown"},
    {0, 3, "MusPitchBar", "MusPitchPane", nullptr},
    {0, 4, "MusHPTypeBox", "Example", nullptr},
    {0, 5, "MusHPFREBar", "MusHPFREPane", nullptr},
    {0, 6, "MusLPTypeBox", "Example", nullptr},
    {0, 7, "MusLPFREBar", "MusLPFREPane", nullptr},
    {0, 8, "MusEQAllpassBtn", nullptr, nullptr},
    {0, 9, "Example", nullptr, nullptr},
    {2, 0, "MicInputGainBar", "MicInputGainPane", nullptr},
    {2, 1, "MicFBEBar", "MicFBEPane", nullptr},
    {2, 2, "MicNoiseLevelBar", "MicNoiseLevelPane", nullptr},
    {2, 3, "MicNoiseAttackBar", "MicNoiseAttackPane", nullptr},
    {2, 4, "MicNoiseReleaseBar", "MicNoiseReleasePane", nullptr},
    {2, 5, "MicRmsLevelBar", "MicRmsLevelPane", nullptr},
    {2, 6, "MicRmsAttackBar", "MicRmsAttackPane", nullptr},
    {2, 7, "MicRmsReleaseBar", "MicRmsReleasePane", nullptr},
    {2, 8, "MicRmsRatioBar", "MicRmsRatioPane", nullptr},
    {2, 9, "MicHPTypeBox", "Example", nullptr},
    {2, 10, "MicHPFreBar", "MicHPFrePane", nullptr},
    {2, 11, "MicLPTypeBox", "Example", nullptr},
    {2, 12, "MicLPFreBar", "MicLPFrePane", nullptr},
    {2, 13, "Example", nullptr, nullptr},
    {4, 0, "EchoEffLevelBar", "EchoEffLevelPane", nullptr},
    {4, 1, "EchoEffPhaseBtn", "Example", nullptr},
    {4, 2, "EchoDirectLevelBar", "EchoDirectLevelPane", nullptr},
    {4, 3, "EchoDirectPhaseBtn", "Example", nullptr},
    {4, 4, "EchoPreDelayBar", "EchoPreDelayPane", nullptr},
    {4, 5, "EchoTimeBar", "EchoTimePane", nullptr},
    {4, 6, "EchoRepeatBar", "EchoRepeatPane", nullptr},
    {4, 7, "EchoRPreDelayBar", "EchoRPreDelayPane", nullptr},
    {4, 8, "EchoRTimeBar", "EchoRTimePane", nullptr},
    {4, 9, "EchoHPTypeBox", "Example", nullptr},
    {4, 10, "EchoHPFreBar", "EchoHPFrePane", nullptr},
    {4, 11, "EchoLPTypeBox", "Example", nullptr},
    {4, 12, "EchoLPFreBar", "EchoLPFrePane", nullptr},
    {5, 0, "RvbEffLevelBar", "RvbEffLevelPane", nullptr},
    {5, 1, "RvbEffPhaseBtn", "Example", nullptr},
    {5, 2, "RvbDirectLevelBar", "RvbDirectLevelPane", nullptr},
    {5, 3, "RvbDirectPhaseBtn", "Example", nullptr},
    {5, 4, "RvbPreDelayBar", "RvbPreDelayPane", nullptr},
    {5, 5, "RvbTimeBar", "RvbTimePane", nullptr},
    {5, 6, "RvbHPTypeBox", "Example", nullptr},
    {5, 7, "RvbHPFreBar", "RvbHPFrePane", nullptr},
    {5, 8, "RvbLPTypeBox", "Example", nullptr},
    {5, 9, "RvbLPFreBar", "RvbLPFrePane", nullptr},
    {6, 0, "MainMusLevelBar", "MainMusLevelPane", nullptr},
    {6, 1, "MainMusPhaseBtn", "Example", nullptr},
    {6, 2, "MainMicLevelBar", "MainMicLevelPane", nullptr},
    {6, 3, "MainMicPhaseBtn", "Example", nullptr},
    {6, 4, "MainEchoALevelBar", "MainEchoALevelPane", nullptr},
    {6, 5, "MainEchoAPhaseBtn", "Example", nullptr},
    {6, 6, "MainEchoBLevelBar", "MainEchoBLevelPane", nullptr},
    {6, 7, "MainEchoBPhaseBtn", "Example", nullptr},
    {6, 8, "MainRvbLevelBar", "MainRvbLevelPane", nullptr},
    {6, 9, "MainRvbPhaseBtn", "Example", nullptr},
    {6, 10, "MainLdelayBar", "MainLdelayPane", nullptr},
    {6, 11, "MainLmuteBtn", "Example", nullptr},
    {6, 12, "MainRmsLevelBar", "MainRmsLevelPane", nullptr},
    {6, 13, "MainRmsAttackBar", "MainRmsAttackPane", nullptr},
    {6, 14, "MainRmsReleaseBar", "MainRmsReleasePane", nullptr},
    {6, 15, "MainRmsRatioBar", "MainRmsRatioPane", nullptr},
    {6, 16, "MainHPTypeBox", "Example", nullptr},
    {6, 17, "MainMusHPFreBar", "MainMusHPFrePane", nullptr},
    {6, 18, "MainLPTypeBox", "Example", nullptr},
    {6, 19, "MainMusLPFreBar", "MainMusLPFrePane", nullptr},
    {9, 10, "MainRdelayBar", "MainRdelayPane", nullptr},
    {9, 11, "MainRmuteBtn", nullptr, nullptr},
    {15, 10, "MainRdelayBar", "MainRdelayPane", nullptr},
    {15, 11, "MainRmuteBtn", nullptr, nullptr},
    {25, 0, "Example", nullptr, nullptr},
    {29, 0, "SysMicNormalVolBar", "SysMicNormalVolPane", nullptr},
    {29, 1, "SysMusNormalVolBar", "SysMusNormalVolPane", nullptr},
    {29, 2, "SysEffNormalVolBar", "SysEffNormalVolPane", nullptr},
    {29, 3, "SysMicStartVolBar", "SysMicStartVolPane", nullptr},
    {29, 4, "SysMicMaxVolBar", "SysMicMaxVolPane", nullptr},
    {29, 5, "SysMusStartVolBar", "SysMusStartVolPane", nullptr},
    {29, 6, "SysMusMaxVolBar", "SysMusMaxVolPane", nullptr},
    {29, 7, "SysEffStartVolBar", "SysEffStartVolPane", nullptr},
    {29, 8, "SysEffMaxVolBar", "SysEffMaxVolPane", nullptr},
    {29, 9, "Example", "Example", nullptr},
    {30, 0, "Example", "Example", nullptr},
    {30, 1, "Example", "Example", nullptr},
    {30, 2, "SysModeBox", "Example", nullptr},
    {30, 3, "SysMusInputLevelBox", "Example", nullptr},
    {30, 4, "Example", "Example", nullptr},
    {30, 5, "Example", "Example", nullptr},
    {30, 12, nullptr, "Example", nullptr},
    {30, 13, nullptr, "Example", nullptr},
    {30, 14, nullptr, "Example", nullptr},
    {30, 15, nullptr, "Example", nullptr},
    {30, 16, nullptr, "Example", nullptr},
    {30, 20, "SysInputBox", nullptr, nullptr},
};

// EQ point labels by row (page kind): name pattern and count; rows 6 and 7 stay empty.
struct PointRow {
    int row;
    const char* pattern;
    int count;
};
constexpr PointRow kPointRows[] = {
    {0, "MusEQPointLabel%1", 15},  {1, "MicEQPointLabel%1", 20}, {2, "EffEQPointLabel%1", 7},
    {3, "MainEQPointLabel%1", 10}, {4, "HintEQPointLabel%1", 5}, {5, "RvbEQPointLabel%1", 7},
    {8, "DEQPointLabel%1", 3},
};

// The design Tag and Hint of EQ point label n (1-based) of a row; they feed the click rule.
std::pair<int, int> PointLabelDesign(int row, int n) {
    switch (row) {
        case 0:
            return {0, n <= 9 ? n : n - 7};
        case 1:
            return {2, 5};
        case 2:
        case 4:
        case 5:
            return {4, 14};
        case 3:
            return {6, n <= 5 ? 31 : 5};
        default:
            return {0, 5};
    }
}

QString Pattern(const char* pattern, int n) { return QString::fromLatin1(pattern).arg(n); }

}  // namespace

ControlKind KindOf(const QWidget* c) {
    if (!c) {
        return ControlKind::None;
    }
    if (qobject_cast<const EditBox*>(c)) {
        return ControlKind::EditBox;
    }
    if (qobject_cast<const ValuePane*>(c)) {
        return ControlKind::ValuePane;
    }
    if (qobject_cast<const QComboBox*>(c)) {
        return ControlKind::SelectBox;
    }
    if (qobject_cast<const QSlider*>(c)) {
        return ControlKind::Slider;
    }
    if (qobject_cast<const BmpButton*>(c)) {
        return ControlKind::BmpButton;
    }
    if (qobject_cast<const SpinButtons*>(c)) {
        return ControlKind::SpinButtons;
    }
    if (qobject_cast<const QLabel*>(c)) {
        return ControlKind::Label;
    }
    return ControlKind::None;
}

const ControlTables::Cell* ControlTables::cell(int page, int slot) const {
    if (!IsValidCell(page, slot)) {
        return nullptr;
    }
    return &m_cells[page][slot];
}

QWidget* ControlTables::control(int page, int slot) const {
    const Cell* c = cell(page, slot);
    return c ? c->control : nullptr;
}

QWidget* ControlTables::display(int page, int slot) const {
    const Cell* c = cell(page, slot);
    return c ? c->display : nullptr;
}

QWidget* ControlTables::companion(int page, int slot, int j) const {
    const Cell* c = cell(page, slot);
    return (c && j >= 0 && j < kCompanionCount) ? c->companions[j] : nullptr;
}

Label* ControlTables::pointLabel(int row, int index) const {
    if (row < 0 || row >= kPointLabelRows || index < 0 || index >= kPointLabelColumns) {
        return nullptr;
    }
    return m_pointLabels[row][index];
}

QWidget* ControlTables::find(const QString& name) {
    QWidget* w = m_controls->find(name);
    if (!w && !m_missing.contains(name)) {
        m_missing << name;
    }
    return w;
}

void ControlTables::bind(int page, int slot, const QString& control, const QString& display,
                         std::initializer_list<QString> companions) {
    Cell& c = m_cells[page][slot];
    if (!control.isEmpty()) {
        c.control = find(control);
    }
    if (!display.isEmpty()) {
        c.display = find(display);
    }
    int j = 0;
    for (const QString& name : companions) {
        c.companions[j++] = find(name);
    }
}

void ControlTables::fillBandPages() {
    for (const BandPage& bp : kBandPages) {
        const QString p = bp.prefix;
        for (int n = 1; n <= bp.bands; ++n) {
            const int e = BandSlot(FirstEqSlot(bp.page), n - 1, 0);
            const QString num = QString::number(n);
            bind(bp.page, e, p + "ModeBox" + num, {},
                 {p + "BYBtn" + num, p + "PEQBtn" + num, p + "LSQBtn" + num, p + "HSQBtn" + num});
            bind(bp.page, e + 1, p + "FreEdit" + num);
            bind(bp.page, e + 2, p + "GainEdit" + num, {}, {p + "EQGainBar" + num});
            const QString spin = Pattern(bp.spin, n);
            if (bp.spinOnShelf) {
                bind(bp.page, e + 3, p + "QEdit" + num);
                bind(bp.page, e + 4, p + "QEdit" + num, {}, {spin});
            } else {
                bind(bp.page, e + 3, p + "QEdit" + num, {}, {spin});
                bind(bp.page, e + 4, p + "QEdit" + num);
            }
        }
    }
}

void ControlTables::fillDynamicEq() {
    bind(kPageDynamicEq, 0, "Example", "Example");
    for (int n = 1; n <= 3; ++n) {
        const int t = 1 + 10 * (n - 1);
        const QString num = QString::number(n);
        const QString ex = "Example";
        bind(1, t, "DEQTypeBox" + num, ex,
             {"DEQTYpeOffBtn" + num, "DEQTYpeBelowBtn" + num, "DEQTYpeAboveBtn" + num});
        bind(1, t + 1, "DEQModeBox" + num, ex,
             {"DEQBYBtn" + num, "DEQPEQBtn" + num, "DEQLEQBtn" + num, "DEQHEQBtn" + num});
        bind(1, t + 2, "DEQFreEdit" + num, ex);
        bind(1, t + 3, "DEQGainEdit" + num, ex, {"DEQGainBar" + num});
        bind(1, t + 4, "DEQQEdit" + num, ex, {"DEQQUpDownBtn" + num});
        bind(1, t + 5, "DEQQEdit" + num, ex);
        bind(1, t + 6, "DEQRmsLevelBar" + num, "DEQRmsLevelPane" + num);
        bind(1, t + 7, "DEQRmsAttackBar" + num, "DEQRmsAttackPane" + num);
        bind(1, t + 8, "DEQRmsReleaseBar" + num, "DEQRmsReleasePane" + num);
        bind(1, t + 9, "DEQRmsRatioBar" + num, "DEQRmsRatioPane" + num);
    }
}

void ControlTables::fillOtherRows() {
    for (const Row& r : kRows) {
        const QString control = r.control ? QString(r.control) : QString();
        const QString display = r.display ? QString(r.display) : QString();
        if (r.companion) {
            bind(r.page, r.slot, control, display, {QString(r.companion)});
        } else {
            bind(r.page, r.slot, control, display);
        }
    }
}

void ControlTables::fillLists() {
    static const char* const kTabs[10] = {
        "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn",
        "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormHintTabBtn"};
    for (int i = 0; i < 10; ++i) {
        m_tabButtons[i] = qobject_cast<ToolButton*>(find(kTabs[i]));
    }
    const auto tools = [&](auto& list, std::initializer_list<const char*> names) {
        int i = 0;
        for (const char* n : names) {
            list[i++] = qobject_cast<ToolButton*>(find(n));
        }
    };
    const auto buttons = [&](auto& list, std::initializer_list<const char*> names) {
        int i = 0;
        for (const char* n : names) {
            list[i++] = qobject_cast<BmpButton*>(find(n));
        }
    };
    tools(m_effectButtons, {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"});
    tools(m_hintButtons, {"HintMusBtn", "HintMicABtn", "HintMicBBtn"});
    buttons(m_modeButtons, {"SysModeBtn1", "SysModeBtn2", "SysModeBtn3", "SysModeBtn4"});
    buttons(m_factoryButtons, {"SysFactoryBtn", "SysFactoryBtn2", "SysFactoryBtn3",
                               "SysFactoryBtn4", "SysFactoryBtn5", "SysFactoryBtn6"});
    buttons(m_pairButtons, {"LeftBtn", "SameBtn", "RightBtn"});
    buttons(m_musicModeButtons, {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"});
    for (const PointRow& r : kPointRows) {
        for (int n = 1; n <= r.count; ++n) {
            auto* label = qobject_cast<Label*>(find(Pattern(r.pattern, n)));
            m_pointLabels[r.row][n - 1] = label;
            const auto [tag, hint] = PointLabelDesign(r.row, n);
            SetTag(label, tag);
            SetHint(label, QString::number(hint));
        }
    }
}

void ControlTables::assignTags() {
    const auto* gainLook = qobject_cast<QSlider*>(m_controls->find("MusEQGainBar1"));
    for (int p = 0; p < kPageCount; ++p) {
        const int count = PageSlotCount(p);
        for (int k = 0; k < count; ++k) {
            const int a = MakeAddress(p, k);
            const Cell& c = m_cells[p][k];
            const ControlKind kind = KindOf(c.control);
            if (kind == ControlKind::SelectBox || kind == ControlKind::Slider ||
                kind == ControlKind::BmpButton || kind == ControlKind::EditBox) {
                SetTag(c.control, a);
                // Parameter sliders share one look; the system volume bars keep their own.
                if (kind == ControlKind::Slider && p < kSystemVolumesPage) {
                    c.control->setProperty("parameterSlider", true);
                }
            }
            const ControlKind shown = KindOf(c.display);
            if (shown == ControlKind::SelectBox || shown == ControlKind::ValuePane ||
                shown == ControlKind::BmpButton) {
                SetTag(c.display, a);
            }
            QWidget* first = c.companions[0];
            const ControlKind companionKind = KindOf(first);
            if (companionKind == ControlKind::Label) {
                for (int j = 0; j < kCompanionCount; ++j) {
                    QWidget* label = c.companions[j];
                    if (KindOf(label) != ControlKind::Label) {
                        continue;
                    }
                    SetTag(label, a);
                    SetHint(label, QString::number(j));
                    if (p != kPageDynamicEq) {
                        label->move(kModeLabelLeft, label->y());
                    }
                }
            } else if (companionKind == ControlKind::Slider) {
                SetTag(first, a);
                const QString name = first->objectName();
                if (gainLook && !name.startsWith("DEQGainBar")) {
                    first->resize(gainLook->width(), first->height());
                }
            } else if (companionKind == ControlKind::SpinButtons) {
                SetTag(first, a);
            }
        }
    }
}

void ControlTables::Build(const ControlRegistry& controls, Model& model) {
    m_controls = &controls;
    m_cells = {};
    m_missing.clear();
    m_example = qobject_cast<EditBox*>(find("Example"));
    fillBandPages();
    fillDynamicEq();
    fillOtherRows();
    fillLists();

    const ScopedState::Scope quiet = model.suspendRedraws();
    assignTags();
    // The scroll slider keeps its normal look while its outputs are locked.
    if (QWidget* scroll = controls.find("MainPanScrollBar")) {
        scroll->setProperty("keepLookDisabled", true);
    }
}

}  // namespace aec
