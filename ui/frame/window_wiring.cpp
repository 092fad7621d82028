// TForm1's wiring: every control's events go to the handler that serves its kind.
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/frame/main_window.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

const QRegularExpression kGainBar("^\\w+EQGainBar\\d+$");
const QRegularExpression kModeLabel("^\\w+(BYBtn|PEQBtn|LSQBtn|HSQBtn|LEQBtn|HEQBtn)\\d+$");
const QRegularExpression kPointLabel("^\\w*(EQPointLabel|DEQPointLabel)\\d+$");
const QRegularExpression kBandModeBox("^(Mus|Mic|Echo|Rvb|Main|Hint|DEQ)ModeBox\\d+$");
const QRegularExpression kDynamicType("^DEQTYpe(Off|Below|Above)Btn\\d$");
const QRegularExpression kVolumeBar("^Sys\\w+VolBar$");

bool IsScrollSlider(const QString& name) { return name.endsWith("PanScrollBar"); }

}  // namespace

void TForm1::wireControls() {
    wireEditing();
    wireNavigation();
    wireCommands();
    wireSystemColumn();
}

void TForm1::wireEditing() {
    for (QWidget* w : m_controls.all()) {
        const QString name = w->objectName();
        if (auto* box = qobject_cast<EditBox*>(w)) {
            if (box->property("valueBox").toBool()) {
                box->setHandler(m_sync.get());
            }
        } else if (auto* spin = qobject_cast<SpinButtons*>(w)) {
            connect(spin, &SpinButtons::upClicked, this,
                    [this, spin] { m_sync->MusFreUpDownBtn1UpRightClick(*spin); });
            connect(spin, &SpinButtons::downClicked, this,
                    [this, spin] { m_sync->MusFreUpDownBtn1DownLeftClick(*spin); });
        } else if (auto* slider = qobject_cast<QSlider*>(w)) {
            if (name.startsWith("DEQGainBar")) {
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { m_sync->ComEQGainBarChange(*slider); });
            } else if (kGainBar.match(name).hasMatch()) {
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { m_sync->MusEQGainBar1Change(*slider); });
            } else if (IsScrollSlider(name)) {
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { m_sync->MusPanScrollBarChange(*slider); });
            } else if (kVolumeBar.match(name).hasMatch()) {
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { m_systemPoints->SysMusNormalVolBarChange(*slider); });
            } else {
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { m_sync->MicHPFreBarChange(*slider); });
            }
        } else if (auto* label = qobject_cast<Label*>(w)) {
            if (kPointLabel.match(name).hasMatch()) {
                connect(label, &Label::clicked, this,
                        [this, label] { m_sync->MusEQPointLabel1Click(*label); });
            } else if (kModeLabel.match(name).hasMatch()) {
                connect(label, &Label::clicked, this,
                        [this, label] { m_commands->MusPEQtn1Click(*label); });
            }
        }
    }
}

void TForm1::wireNavigation() {
    const auto pressLook = [this](ToolButton* button) {
        connect(button, &ToolButton::mouseDown, this,
                [this, button] { FormMusTabBtnMouseDown(*button); });
    };
    static const char* const kTabs[kTabCount] = {
        "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn",
        "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormHintTabBtn"};
    for (const char* name : kTabs) {
        auto* tab = control<ToolButton>(name);
        pressLook(tab);
        connect(tab, &QAbstractButton::clicked, this, [this, tab] { FormMusTabBtnClick(*tab); });
    }
    for (const char* name : {"HintMusBtn", "HintMicABtn", "HintMicBBtn"}) {
        auto* button = control<ToolButton>(name);
        pressLook(button);
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { HintMusBtnClick(*button); });
    }
    auto* language = control<ToolButton>("RzToolButton11");
    pressLook(language);
    connect(language, &ToolButton::mouseUp, this,
            [this, language] { RzToolButton11MouseUp(*language); });
    connect(language, &QAbstractButton::clicked, this,
            [this] { m_language->RzToolButton11Click(); });

    connect(control<Label>("LinkLabel"), &Label::doubleClicked, this, &TForm1::LinkLabelDblClick);
    connect(control<EditBox>("SysLogoEdit"), &QLineEdit::returnPressed, this,
            &TForm1::SysLogoEditKeyPress);
    for (const char* name : {"LinkBtn", "UnLinkBtn"}) {
        auto* button = control<BmpButton>(name);
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { m_link->LinkBtnClick(button); });
    }
    connect(control<BmpButton>("RzBmpButton2"), &QAbstractButton::clicked, this,
            &TForm1::RzBmpButton2Click);
    connect(control<BmpButton>("RzBmpButton1"), &QAbstractButton::clicked, this,
            &TForm1::RzBmpButton1Click);
    connect(control<BmpButton>("RzBmpButton3"), &QAbstractButton::clicked, this,
            &TForm1::RzBmpButton3Click);
    connect(m_systemTabs, &QTabWidget::currentChanged, this, &TForm1::AdvPageControl1Change);
}

void TForm1::wireCommands() {
    for (QWidget* w : m_controls.all()) {
        const QString name = w->objectName();
        if (auto* box = qobject_cast<SelectBox*>(w)) {
            if (kBandModeBox.match(name).hasMatch()) {
                connect(box, &QComboBox::activated, this,
                        [this, box] { m_commands->MusModeBox1Change(*box); });
            } else if (HintOf(box) == "20" || HintOf(box) == "21") {
                connect(box, &QComboBox::activated, this,
                        [this, box] { m_commands->MainHPTypeBoxChange(*box); });
            } else if (name == "SysInputBox" || name == "SysMusInputLevelBox") {
                connect(box, &QComboBox::activated, this,
                        [this, box] { m_sink.SetParameter(TagOf(box), box->currentIndex()); });
            }
        } else if (auto* button = qobject_cast<BmpButton*>(w)) {
            if (button->role() == BmpButton::Role::Phase) {
                connect(button, &QAbstractButton::clicked, this,
                        [this, button] { m_commands->EchoEffPhaseBtnClick(*button); });
            } else if (name == "MainLmuteBtn" || name == "MainRmuteBtn") {
                connect(button, &QAbstractButton::clicked, this,
                        [this, button] { m_commands->MainLmuteBtnClick(*button); });
            } else if (kDynamicType.match(name).hasMatch()) {
                connect(button, &QAbstractButton::clicked, this,
                        [this, button] { m_commands->DEQTYpeOffBtn1Click(*button); });
            }
        }
    }
    for (const char* name : {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"}) {
        auto* button = control<ToolButton>(name);
        connect(button, &ToolButton::mouseDown, this,
                [this, button] { FormMusTabBtnMouseDown(*button); });
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { m_commands->EchoAToolButtonClick(*button); });
    }
    const auto strip = [this](const char* name, void (StripCommands::*handler)(BmpButton&)) {
        auto* button = control<BmpButton>(name);
        connect(button, &QAbstractButton::clicked, this,
                [this, button, handler] { (m_strip->*handler)(*button); });
    };
    for (const char* name : {"LeftBtn", "SameBtn", "RightBtn"}) {
        strip(name, &StripCommands::SameBtnClick);
    }
    for (const char* name : {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"}) {
        strip(name, &StripCommands::SingModeBtnClick);
    }
    strip("AutoModeBtn", &StripCommands::AutoModeBtnClick);
    strip("ManulModeBtn", &StripCommands::AutoModeBtnClick);
    strip("MusEQAllpassBtn", &StripCommands::MusEQAllpassBtnClick);
    strip("PinPPBtn", &StripCommands::PinPPBtnClick);
    strip("PinDCFBtn", &StripCommands::PinDCFBtnClick);
    connect(control<BmpButton>("EQResetBtn"), &QAbstractButton::clicked, this,
            [this] { m_strip->EQResetBtnClick(); });

    for (int i = 0; i < kPointCount; ++i) {
        PointImage* marker = m_graph->marker(i);
        if (!marker) {
            continue;
        }
        connect(marker, &PointImage::mousePressed, this,
                [this, marker](QMouseEvent* e) { m_graphPoints->EP1MouseDown(*marker, *e); });
        connect(marker, &PointImage::mouseMoved, this,
                [this, marker](QMouseEvent* e) { m_graphPoints->EP1MouseMove(*marker, *e); });
        connect(marker, &PointImage::mouseReleased, this,
                [this, marker](QMouseEvent* e) { m_graphPoints->EP1MouseUp(*marker, *e); });
    }
    for (const char* name : {"EQlabel", "EQPassLabel"}) {
        connect(control<Label>(name), &Label::mouseReleased, this,
                [this] { m_graphPoints->EQlabelMouseUp(); });
    }
    GraphImage* plot = m_graph->image();
    connect(plot, &GraphImage::mouseMoved, this,
            [this](QMouseEvent* e) { m_graphPoints->Image1MouseMove(*e); });
    connect(plot, &GraphImage::mouseReleased, this,
            [this](QMouseEvent* e) { m_graphPoints->Image1MouseUp(*e); });
}

void TForm1::wireSystemColumn() {
    QWidget* column = control<QWidget>("RzGroupBox2");
    QWidget* system = control<QWidget>("AdvTabSheet8_Sys");
    QWidget* lock = control<QWidget>("FirstCheckGrop");
    const auto inSystemArea = [&](QWidget* w) {
        return column->isAncestorOf(w) || system->isAncestorOf(w) || lock->isAncestorOf(w);
    };
    for (QWidget* w : m_controls.all()) {
        if (!inSystemArea(w)) {
            continue;
        }
        if (auto* button = qobject_cast<BmpButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, button] { m_systemPoints->ButtonClick(*button); });
        } else if (auto* box = qobject_cast<SelectBox*>(w)) {
            connect(box, &QComboBox::activated, this,
                    [this, box] { m_systemPoints->MusModeBox1Change(*box); });
        } else if (auto* edit = qobject_cast<EditBox*>(w)) {
            edit->setKeyFilter(
                [this, edit](QChar ch) { return m_systemPoints->KeyPress(*edit, ch); });
        } else if (auto* marker = qobject_cast<PointImage*>(w)) {
            connect(marker, &PointImage::mousePressed, this, [this, marker](QMouseEvent* e) {
                m_systemPoints->MusStartImageMouseDown(*marker, *e);
            });
            connect(marker, &PointImage::mouseMoved, this, [this, marker](QMouseEvent* e) {
                m_systemPoints->MusStartImageMouseMove(*marker, *e);
            });
            connect(marker, &PointImage::mouseReleased, this, [this, marker](QMouseEvent* e) {
                m_systemPoints->MusStartImageMouseUp(*marker, *e);
            });
        } else if (auto* list = qobject_cast<QTableWidget*>(w)) {
            connect(list, &QTableWidget::cellClicked, this,
                    [this](int row, int) { m_systemPoints->ValueListEditor1Click(row); });
        }
    }
}

}  // namespace aec
