// TForm1's wiring: every control's events go to the handler its description names. Controls of
// commands the editor does not have are disabled, and those the link serves stay disabled until
// the link wires them.
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/frame/main_window.h"
#include "ui/widgets/graph_image.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

template <class T>
T* as(QWidget* control) {
    return static_cast<T*>(control);
}

}  // namespace

void TForm1::wireControls() {
    for (const ControlRegistry::Entry& entry : m_controls.entries()) {
        wire(entry);
    }
    wireGraphPlot();
}

void TForm1::wireGraphPlot() {
    GraphParts& graph = m_parts.graph;
    connect(graph.image, &GraphImage::mouseMoved, this, [this](QMouseEvent* e) {
        m_points->Image1MouseMove(e->position().toPoint(), e->buttons());
    });
    connect(graph.image, &GraphImage::mouseReleased, this,
            [this](QMouseEvent* e) { m_points->Image1MouseUp(e->button()); });
    for (QWidget* label :
         {static_cast<QWidget*>(graph.caption), static_cast<QWidget*>(graph.passLabel)}) {
        if (auto* l = qobject_cast<Label*>(label)) {
            connect(l, &Label::mouseReleased, this, [this] { m_points->EQlabelMouseUp(); });
        }
    }
}

void TForm1::wire(const ControlRegistry::Entry& entry) {
    QWidget* w = entry.control;
    const auto clicked = [&](auto handler) {
        auto* button = as<QAbstractButton>(w);
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    const auto moved = [&](void (ControlSync::*handler)(QSlider&)) {
        auto* slider = as<QSlider>(w);
        connect(slider, &QSlider::valueChanged, this,
                [this, slider, handler] { (m_sync.get()->*handler)(*slider); });
    };
    const auto pressLook = [&] {
        auto* tool = as<ToolButton>(w);
        connect(tool, &ToolButton::mouseDown, this,
                [this, tool] { FormMusTabBtnMouseDown(*tool); });
    };
    switch (entry.handler) {
        case Handler::kNone:
            break;

        case Handler::kValueEdit:
            as<EditBox>(w)->setHandler(m_sync.get());
            break;
        case Handler::kSpin: {
            auto* spin = as<SpinButtons>(w);
            connect(spin, &SpinButtons::upClicked, this,
                    [this, spin] { m_sync->MusFreUpDownBtn1UpRightClick(*spin); });
            connect(spin, &SpinButtons::downClicked, this,
                    [this, spin] { m_sync->MusFreUpDownBtn1DownLeftClick(*spin); });
            break;
        }
        case Handler::kParameterBar:
            moved(&ControlSync::MicHPFreBarChange);
            break;
        case Handler::kBandGainBar:
            moved(&ControlSync::MusEQGainBar1Change);
            break;
        case Handler::kDynamicGainBar:
            moved(&ControlSync::ComEQGainBarChange);
            break;
        case Handler::kScrollBar:
            moved(&ControlSync::MusPanScrollBarChange);
            break;
        case Handler::kPointDrag: {
            auto* marker = as<PointImage>(w);
            connect(marker, &PointImage::mousePressed, this,
                    [this, marker](QMouseEvent* e) { m_points->EP1MouseDown(*marker, *e); });
            connect(marker, &PointImage::mouseMoved, this,
                    [this, marker](QMouseEvent* e) { m_points->EP1MouseMove(*marker, *e); });
            connect(marker, &PointImage::mouseReleased, this,
                    [this, marker](QMouseEvent* e) { m_points->EP1MouseUp(*marker, *e); });
            break;
        }
        case Handler::kPointLabel: {
            auto* label = as<Label>(w);
            connect(label, &Label::clicked, this,
                    [this, label] { m_sync->MusEQPointLabel1Click(*label); });
            break;
        }

        case Handler::kModeBox: {
            auto* box = as<SelectBox>(w);
            connect(box, &QComboBox::activated, this,
                    [this, box] { m_commands->MusModeBox1Change(*box); });
            break;
        }
        case Handler::kModeLabel: {
            auto* label = as<Label>(w);
            connect(label, &Label::clicked, this,
                    [this, label] { m_commands->MusPEQtn1Click(*label); });
            break;
        }
        case Handler::kDynamicType: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_commands->DEQTYpeOffBtn1Click(*button); });
            break;
        }
        case Handler::kCrossoverType: {
            auto* box = as<SelectBox>(w);
            connect(box, &QComboBox::activated, this,
                    [this, box] { m_commands->MainHPTypeBoxChange(*box); });
            break;
        }
        case Handler::kPhase: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_commands->EchoEffPhaseBtnClick(*button); });
            break;
        }
        case Handler::kMute: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_commands->MainLmuteBtnClick(*button); });
            break;
        }
        case Handler::kInputBox: {
            auto* box = as<SelectBox>(w);
            connect(box, &QComboBox::activated, this,
                    [this, box] { m_sink.SetParameter(tagOf(box), box->currentIndex()); });
            break;
        }

        case Handler::kPair: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_stripCommands->SameBtnClick(*button); });
            break;
        }
        case Handler::kMusicMode: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_stripCommands->SingModeBtnClick(*button); });
            break;
        }
        case Handler::kAutoManual: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_stripCommands->AutoModeBtnClick(*button); });
            break;
        }
        case Handler::kEqPass: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_stripCommands->MusEQAllpassBtnClick(*button); });
            break;
        }
        case Handler::kEqReset:
            clicked([this] { m_stripCommands->EQResetBtnClick(); });
            break;
        case Handler::kToolsMenu:
            clicked([this, w] { m_toolsMenu.popup(m_model.languageFlag(), w); });
            break;
        case Handler::kCompare:
            clicked([this] { m_undo->CompareBtnClick(); });
            break;
        case Handler::kCopyCompare:
            clicked([this] { m_undo->CopyCompareBtnClick(); });
            break;
        case Handler::kFeedback: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_feedback->FeedbackBtnClick(*button); });
            break;
        }
        case Handler::kFeedbackApply:
            clicked([this] { m_feedback->FeedbackApplyBtnClick(); });
            break;
        case Handler::kFeedbackClear:
            clicked([this] { m_feedback->FeedbackClearBtnClick(); });
            break;

        case Handler::kTab: {
            auto* tab = as<ToolButton>(w);
            pressLook();
            clicked([this, tab] { FormMusTabBtnClick(*tab); });
            break;
        }
        case Handler::kEffectSource: {
            auto* button = as<ToolButton>(w);
            pressLook();
            clicked([this, button] { EchoAToolButtonClick(*button); });
            break;
        }
        case Handler::kHintSource: {
            auto* button = as<ToolButton>(w);
            pressLook();
            clicked([this, button] { HintMusBtnClick(*button); });
            break;
        }
        case Handler::kStatusLabel:
            connect(as<Label>(w), &Label::doubleClicked, this, &TForm1::LinkLabelDblClick);
            break;
        case Handler::kAccessCode:
            connect(as<EditBox>(w), &QLineEdit::returnPressed, this, &TForm1::SysLogoEditKeyPress);
            break;
        case Handler::kMinimise:
            clicked([this] { RzBmpButton2Click(); });
            break;
        case Handler::kMaximise:
            clicked([this] { RzBmpButton1Click(); });
            break;
        case Handler::kClose:
            clicked([this] { RzBmpButton3Click(); });
            break;
        case Handler::kSystemTabs:
            connect(as<QTabWidget>(w), &QTabWidget::currentChanged, this,
                    &TForm1::AdvPageControl1Change);
            break;

        case Handler::kVolumeBar: {
            auto* bar = as<QSlider>(w);
            connect(bar, &QSlider::valueChanged, this,
                    [this, bar] { m_systemPage->SysMusNormalVolBarChange(*bar); });
            break;
        }
        case Handler::kSwitch: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_systemPage->SysMusInputLevelClick(*button); });
            break;
        }
        case Handler::kModeList:
            connect(as<SelectBox>(w), &QComboBox::activated, this,
                    [this] { m_systemPage->SysModeBoxChange(); });
            break;
        case Handler::kVolumeMarker: {
            auto* marker = as<PointImage>(w);
            connect(marker, &PointImage::mousePressed, this, [this, marker](QMouseEvent* e) {
                m_systemPage->MusStartImageMouseDown(*marker, e->button(),
                                                     e->position().toPoint().x());
            });
            connect(marker, &PointImage::mouseMoved, this, [this, marker](QMouseEvent* e) {
                m_systemPage->MusStartImageMouseMove(*marker, e->position().toPoint().x());
            });
            connect(marker, &PointImage::mouseReleased, this,
                    [this] { m_systemPage->MusStartImageMouseUp(); });
            break;
        }
        case Handler::kPasswordBox:
        case Handler::kSystemPasswordChange:
            break;  // the builder made them password boxes; the link adds the change steps
        case Handler::kPresetList: {
            auto* list = as<QTableWidget>(w);
            connect(list, &QTableWidget::cellClicked, this,
                    [this](int row) { m_presetFiles->ValueListEditor1Click(row); });
            connect(list, &QTableWidget::currentCellChanged, this,
                    [this](int row) { m_presetFiles->ValueListEditor1Click(row); });
            break;
        }
        case Handler::kPresetLoad:
            clicked([this] { m_presetFiles->RzBmpButton119Click(); });
            break;
        case Handler::kPresetSave:
            clicked([this] { m_presetFiles->RzBmpButton120Click(); });
            break;

        // The link wires these when the editor has one.
        case Handler::kLink:
        case Handler::kLoadMode:
        case Handler::kSaveMode:
        case Handler::kModeButton:
        case Handler::kMoreModes:
        case Handler::kRightsPassword:
        case Handler::kPanelPasswordOk:
        case Handler::kPanelPasswordModify:
        case Handler::kPanelUnlock:
        case Handler::kVerify:
        case Handler::kBackup:
        case Handler::kRestore:
            w->setEnabled(false);
            break;

        // Commands the editor does not have: visibly unavailable rather than silent.
        case Handler::kLanguage: {
            auto* tool = as<ToolButton>(w);
            pressLook();
            connect(tool, &ToolButton::mouseUp, this,
                    [this, tool] { RzToolButton11MouseUp(*tool); });
            clicked([this, tool] { RzToolButton11Click(*tool); });
            break;
        }

        // The spectrum analyser's buttons.
        case Handler::kSpectrum: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_spectrum->PinPPBtnClick(*button); });
            break;
        }
        case Handler::kLowTrigger: {
            auto* button = as<BmpButton>(w);
            clicked([this, button] { m_spectrum->PinDCFBtnClick(*button); });
            break;
        }
    }
}

}  // namespace aec
