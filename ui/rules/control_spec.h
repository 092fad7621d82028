#pragma once
// How a control of the window takes part in the editor: the handler that serves its events, the
// cells of the control tables it is bound to and the list that addresses it by index. A control's
// description carries these beside its name, so the builder that makes the control, the control
// tables and the wiring all read the one description.

#include <cstdint>

namespace aec {

enum class Handler : uint8_t {
    kNone,  // shows something; its events go nowhere

    // Value editing.
    kValueEdit,       // MusFreEdit1Click, MusFreEdit1KeyDown, MusFreEdit1KeyPress, MusFreEdit1Exit
    kSpin,            // MusFreUpDownBtn1UpRightClick, MusFreUpDownBtn1DownLeftClick
    kParameterBar,    // MicHPFreBarChange
    kBandGainBar,     // MusEQGainBar1Change
    kDynamicGainBar,  // ComEQGainBarChange
    kScrollBar,       // MusPanScrollBarChange
    kPointLabel,      // MusEQPointLabel1Click
    kPointDrag,       // EP1MouseDown, EP1MouseMove, EP1MouseUp

    // Commands of the pages.
    kModeBox,        // MusModeBox1Change
    kModeLabel,      // MusPEQtn1Click
    kDynamicType,    // DEQTYpeOffBtn1Click
    kCrossoverType,  // MainHPTypeBoxChange
    kPhase,          // EchoEffPhaseBtnClick
    kMute,           // MainLmuteBtnClick
    kInputBox,       // an input selection, stored by its item index

    // The command strip above the graph.
    kPair,           // SameBtnClick
    kMusicMode,      // SingModeBtnClick
    kAutoManual,     // AutoModeBtnClick
    kEqPass,         // MusEQAllpassBtnClick
    kEqReset,        // EQResetBtnClick
    kToolsMenu,      // ToolsBtnClick: undo, redo, filter files, curve export
    kCompare,        // CompareBtnClick
    kCopyCompare,    // CopyCompareBtnClick
    kFeedback,       // FeedbackBtnClick: the feedback finder on or off
    kFeedbackApply,  // FeedbackApplyBtnClick
    kFeedbackClear,  // FeedbackClearBtnClick

    // Navigation and the window itself.
    kTab,           // FormMusTabBtnClick
    kEffectSource,  // EchoAToolButtonClick
    kHintSource,    // HintMusBtnClick
    kStatusLabel,   // LinkLabelDblClick
    kAccessCode,    // SysLogoEditKeyPress
    kMinimise,      // RzBmpButton2Click
    kMaximise,      // RzBmpButton1Click
    kClose,         // RzBmpButton3Click
    kSystemTabs,    // AdvPageControl1Change

    // The system column.
    kVolumeBar,     // SysMusNormalVolBarChange
    kSwitch,        // SysMusInputLevelClick
    kModeList,      // SysModeBoxChange
    kVolumeMarker,  // MusStartImageMouseDown, MusStartImageMouseMove, MusStartImageMouseUp
    kPasswordBox,   // SysPassEditKeyPress, PassPanelLabel1KeyPress: digits, Backspace, Enter
    kPresetList,    // ValueListEditor1Click, ValueListEditor1KeyPress
    kPresetLoad,    // RzBmpButton119Click
    kPresetSave,    // RzBmpButton120Click

    // Served by the link controller; disabled in a window without one.
    kLink,                  // LinkBtnClick
    kLoadMode,              // SysLoadModeBtnClick, load
    kSaveMode,              // SysLoadModeBtnClick, save
    kModeButton,            // SysModeBtn1Click
    kMoreModes,             // SysModeBox2Change
    kRightsPassword,        // RzBmpButton118Click
    kSystemPasswordChange,  // SysPanelLabel1KeyPress (a password box until the link serves it)
    kPanelPasswordOk,       // RzBmpButton22Click
    kPanelPasswordModify,   // RzBmpButton23Click
    kPanelUnlock,           // RzBmpButton4Click
    kVerify,                // reads the processor back and compares it with the editor
    kBackup,                // BackupBtnClick
    kRestore,               // RestoreBtnClick

    // Commands the editor does not have; their controls are disabled.
    kSpectrum,    // PinPPBtnClick
    kLowTrigger,  // PinDCFBtnClick
    kLanguage,    // RzToolButton11Click
};

// The place of a control in the cell of a parameter slot.
enum class Cell : uint8_t {
    kControl,
    kDisplay,
    kCompanion0,
    kCompanion1,
    kCompanion2,
    kCompanion3
};

constexpr Cell companionCell(int j) {
    return static_cast<Cell>(static_cast<int>(Cell::kCompanion0) + j);
}

// A cell of the control tables: base address and place.
struct Binding {
    int address = 0;
    Cell cell = Cell::kControl;
    bool operator==(const Binding&) const = default;
};

// Lists of controls that handlers address by index.
enum class ControlList : uint8_t {
    kTabButtons,
    kEffectButtons,
    kHintButtons,
    kModeButtons,
    kFactoryButtons,
    kPairButtons,
    kMusicModeButtons,
    kPointLabels,  // index: row (page kind) * kPointLabelColumns + band
};

// Point labels are in rows by page kind; the reverb's labels have a row of their own.
inline constexpr int kPointLabelRows = 9;
inline constexpr int kPointLabelColumns = 22;
inline constexpr int kReverbPointRow = 5;

struct ListSlot {
    ControlList list = ControlList::kTabButtons;
    int index = 0;
};

}  // namespace aec
