#pragma once
// Builders of the window's regions: the sheets of the page container FormPageItem (one per
// file), the graph panel and the system column. Each builder reads the descriptions of its
// controls (names, captions, kinds, slots, handlers) and places the controls.

#include <QWidget>
#include <array>
#include <vector>

#include "ui/sheets/band_strip.h"
#include "ui/widgets/control_factory.h"

class QLabel;
class QStackedWidget;
class QTableWidget;
class QTabWidget;

namespace aec {

class GraphImage;
class PointImage;

// Every sheet keeps its controls in the strip above the graph panel.
inline constexpr int kSheetWidth = 933;
inline constexpr int kSheetHeight = 564;
inline constexpr int kStripHeight = 229;
// Frames of a sheet's strip start here and are this tall.
inline constexpr int kFrameTop = 3;
inline constexpr int kFrameHeight = kStripHeight - 2 * kFrameTop;

// One source's volume bars (current, start, maximum), their panes, the two markers under the
// current bar and the value label shown while a marker moves.
struct VolumeWidgets {
    std::array<TrackBar*, 3> bars{};
    std::array<ValuePane*, 3> panes{};
    PointImage* startMarker = nullptr;
    PointImage* maxMarker = nullptr;
    Label* valueLabel = nullptr;
};

// Sources of the system volumes, in the order of the main volume tab.
enum VolumeSource : int { kMusicVolume = 0, kMicVolume = 1, kEffectVolume = 2 };

// The output sheet's widgets whose texts, places and addresses follow the output on show.
struct OutputParts {
    AdvGroupBox* bandGroup = nullptr;   // the band strip
    AdvGroupBox* levelGroup = nullptr;  // levels and phases
    TrackBar* panScroll = nullptr;      // scrolls the band strip
    AdvGroupBox* limiterGroup = nullptr;
    AdvGroupBox* crossoverGroup = nullptr;
    BmpButton* leftMute = nullptr;
    Label* leftDelayLabel = nullptr;
    BmpButton* rightMute = nullptr;
    Label* rightDelayLabel = nullptr;
    TrackBar* rightDelayBar = nullptr;
    ValuePane* rightDelayPane = nullptr;
};

// The command strip along the top of the graph panel.
struct StripParts {
    BmpButton* spectrum = nullptr;    // PinPPBtn, the spectrum analyser on and off
    BmpButton* lowTrigger = nullptr;  // PinDCFBtn, the analyser's low-level scale
    RzGroupBox* copyGroup = nullptr;  // the pair buttons
    RzGroupBox* modeGroup = nullptr;  // music mode and automatic/manual
    RzGroupBox* passGroup = nullptr;  // EQ reset and EQ pass
    BmpButton* eqPass = nullptr;
    BmpButton* eqReset = nullptr;
    BmpButton* automatic = nullptr;
    BmpButton* manual = nullptr;
    BmpButton* tools = nullptr;          // ToolsBtn, the Tools menu
    RzGroupBox* compareGroup = nullptr;  // the A/B comparison
    BmpButton* compare = nullptr;        // CompareBtn, down while B is in use
    BmpButton* copyCompare = nullptr;    // CopyCompareBtn, the slot in use into the other
    // The feedback finder, on the microphone tabs: the toggle, and while it is on the count of
    // proposed cuts with their Apply and Clear buttons.
    RzGroupBox* feedbackGroup = nullptr;
    BmpButton* feedback = nullptr;
    Label* feedbackCount = nullptr;
    BmpButton* feedbackApply = nullptr;
    BmpButton* feedbackClear = nullptr;
};

// The graph panel: the two panels, the plot, the band markers, the caption and "EQ PASS".
struct GraphParts {
    QWidget* outer = nullptr;
    QWidget* inner = nullptr;
    GraphImage* image = nullptr;
    std::vector<PointImage*> markers;
    QLabel* caption = nullptr;
    Label* passLabel = nullptr;
};

// The PC preset files at the bottom of the system setting tab.
struct PresetParts {
    QTableWidget* list = nullptr;
    EditBox* name = nullptr;
    BmpButton* load = nullptr;
    BmpButton* save = nullptr;
};

// The password boxes of the system column.
struct PasswordParts {
    EditBox* rights = nullptr;               // opens the user/manager switch
    std::array<EditBox*, 3> systemChange{};  // old, new and confirmation system password
    EditBox* panelOld = nullptr;             // old panel password, in clear
    EditBox* panelNew = nullptr;             // new panel password
};

// The system column and the hidden system sheet.
struct SystemParts {
    QTabWidget* tabs = nullptr;
    std::array<VolumeWidgets, 3> volumes{};
    SelectBox* modeBox = nullptr;
    SelectBox* moreModes = nullptr;
    EditBox* modeName = nullptr;
    std::vector<BmpButton*> switches;  // two-button switches: Tag the address, Hint the value
    RzGroupBox* rights = nullptr;
    Label* deviceId = nullptr;
    BmpButton* verify = nullptr;
    PresetParts presets;
    PasswordParts passwords;
};

// Parts of the built window that handlers reach directly rather than by name.
struct WindowParts {
    std::vector<ScrollStrip> scrollStrips;
    QStackedWidget* effectPages = nullptr;
    AdvGroupBox* micLimiterGroup = nullptr;
    AdvGroupBox* micNoiseGroup = nullptr;
    OutputParts output;
    StripParts strip;
    GraphParts graph;
    SystemParts system;
};

void buildMusicSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildMicSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildEffectSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildOutputSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildHintSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildSystemSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);
void buildDynamicEqSheet(ControlFactory& f, WindowParts& parts, QWidget* sheet);

// The graph panel AdvPanel1 at `area` of `parent`: the command strip along its top and
// AdvPanel2 with the plot, the markers and the caption.
void buildGraphPanel(ControlFactory& f, WindowParts& parts, QWidget* parent, const QRect& area);

// The system column RzGroupBox2 with AdvPageControl1 inside `parent` at `area`; returns the group.
inline constexpr int kRightColumnWidth = 260;
QWidget* buildRightColumn(ControlFactory& f, WindowParts& parts, QWidget* parent,
                          const QRect& area);

// An untitled frame that groups a block of controls.
QWidget* blockFrame(QWidget* parent, const QRect& r);

}  // namespace aec
