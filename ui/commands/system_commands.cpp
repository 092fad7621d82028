#include "ui/commands/system_commands.h"

#include <QComboBox>
#include <QSlider>

#include "core/pages.h"
#include "link/frame.h"

namespace aec {

namespace {

constexpr int kUserLevelAddress = 0x1E08;
constexpr int kPanelLockAddress = 0x1E04;
constexpr int kVolumeFollowAddress = 0x1D09;
constexpr int kRemoteAddress = 0x0911;
// User modes 5 to 16 in SysModeBox2 start at mode index 4.
constexpr int kModeBox2First = 4;

// The buttons of the two-button switches; a pair shares its Tag, the Hints are the values.
constexpr const char* kSwitchButtons[] = {"SysPanelBtn1",  "SysPanelBtn2",  "SysUserBtn",
                                          "SysManagerBtn", "SysVolRunBtn1", "SysVolRunBtn2",
                                          "SysRemoteBtn1", "SysRemoteBtn2"};

bool IsSwitch(const QString& name) {
    for (const char* s : kSwitchButtons) {
        if (name == QLatin1String(s)) {
            return true;
        }
    }
    return false;
}

// One source's bars, panes, markers and value label, found by name.
class WidgetVolumeGroup : public VolumeGroup {
  public:
    WidgetVolumeGroup(const ControlRegistry& controls, const QString& source)
        : m_controls(controls), m_source(source) {}

    int Position(VolumeRole role) const override {
        QSlider* b = bar(role);
        return b ? b->value() : 0;
    }
    void SetPosition(VolumeRole role, int position) override {
        if (QSlider* b = bar(role)) {
            b->setValue(position);
        }
    }
    int DisplayedValue(VolumeRole role) const override { return HintNumber(pane(role)); }
    void SetDisplayedValue(VolumeRole role, int value) override {
        if (QWidget* p = pane(role)) {
            SetHint(p, QString::number(value));
        }
    }
    void ShowValue(VolumeRole role, int value) override {
        if (auto* p = qobject_cast<QLabel*>(pane(role))) {
            p->setText(QString::number(value));
        }
    }
    void PlaceMarkers(int startX, int maximumX) override {
        if (QWidget* m = m_controls.find(m_source + "StartImage")) {
            m->move(startX, m->y());
        }
        if (QWidget* m = m_controls.find(m_source + "MaxImage")) {
            m->move(maximumX, m->y());
        }
    }
    void ShowLabelValue(int value) override {
        const QString name = m_source == "Mus"   ? "musLabel"
                             : m_source == "Mic" ? "micLabel"
                                                 : "EffLabel";
        if (auto* label = m_controls.get<QLabel>(name)) {
            label->setText(QString::number(value));
        }
    }
    int Address(VolumeRole role) const override { return TagOf(bar(role)); }

  private:
    QString barName(VolumeRole role) const {
        static const char* const kRoles[] = {"Normal", "Start", "Max"};
        return "Sys" + m_source + kRoles[static_cast<int>(role)] + "VolBar";
    }
    QSlider* bar(VolumeRole role) const { return m_controls.get<QSlider>(barName(role)); }
    QWidget* pane(VolumeRole role) const {
        return m_controls.find(barName(role).replace("VolBar", "VolPane"));
    }

    const ControlRegistry& m_controls;
    QString m_source;
};

}  // namespace

SystemCommands::SystemCommands(Model& model, ParameterSink& sink, const ControlRegistry& controls,
                               const LinkState& link, DeviceCommands& commands)
    : m_model(model), m_sink(sink), m_controls(controls), m_link(link), m_commands(commands) {}

QComboBox* SystemCommands::modeBox() const { return m_controls.get<QComboBox>("SysModeBox"); }

// ---- Volume bars ----

void SystemCommands::SysMusNormalVolBarChange(QSlider& bar) {
    const QString name = bar.objectName();
    for (const char* source : {"Mus", "Mic", "Eff"}) {
        if (!name.startsWith(QLatin1String("Sys") + QLatin1String(source))) {
            continue;
        }
        WidgetVolumeGroup group(m_controls, QLatin1String(source));
        const int role = HintNumber(&bar);
        if (role < 0 || role > 2) {
            return;
        }
        aec::VolumeBarChange(group, static_cast<VolumeRole>(role), m_model, m_sink);
        return;
    }
}

// ---- Buttons and boxes ----

void SystemCommands::ButtonClick(BmpButton& button) {
    const QString name = button.objectName();
    if (name == "SysLoadModeBtn" || name == "SysSaveModeBtn") {
        SysLoadModeBtnClick(button);
    } else if (name.startsWith("SysModeBtn") || name.startsWith("SysFactoryBtn")) {
        SysModeBtn1Click(button);
    } else if (IsSwitch(name)) {
        SysMusInputLevelClick(button);
    }
}

void SystemCommands::MusModeBox1Change(QComboBox& box) {
    if (box.objectName() == "SysModeBox") {
        SysModeBoxChange();
    } else if (box.objectName() == "SysModeBox2") {
        SysModeBox2Change();
    }
}

void SystemCommands::SysModeBoxChange() {
    QComboBox* box = modeBox();
    auto* name = m_controls.get<QLineEdit>("PresetModeEdit");
    if (!box || !name || box->currentIndex() < 0) {
        return;
    }
    const std::string item = box->currentText().toStdString();
    name->setText(QString::fromStdString(ModeNameOfItem(box->currentIndex(), item)));
}

void SystemCommands::SysLoadModeBtnClick(BmpButton& button) {
    if (button.objectName() == "SysSaveModeBtn") {
        SaveSelectedMode();
    } else {
        LoadSelectedMode();
    }
}

void SystemCommands::LoadSelectedMode() {
    QComboBox* box = modeBox();
    if (!box || box->currentIndex() < 0) {
        return;
    }
    m_commands.LoadMode(box->currentIndex(), box->currentText().toStdString());
}

void SystemCommands::SaveSelectedMode() {
    QComboBox* box = modeBox();
    auto* name = m_controls.get<QLineEdit>("PresetModeEdit");
    if (!box || !name) {
        return;
    }
    const std::optional<int> target = m_commands.SaveModeTarget(box->currentIndex());
    if (!target) {
        return;
    }
    if (*target != box->currentIndex()) {
        box->setCurrentIndex(*target);
    }
    m_commands.SaveMode(*target, name->text().toStdString());
}

void SystemCommands::SysModeBtn1Click(BmpButton& button) {
    QComboBox* box = modeBox();
    if (!m_link.onLine() || !box) {
        return;
    }
    box->setCurrentIndex(TagOf(&button));
    SysModeBoxChange();
    LoadSelectedMode();
}

void SystemCommands::SysModeBox2Change() {
    QComboBox* box = modeBox();
    auto* more = m_controls.get<QComboBox>("SysModeBox2");
    if (!box || !more || more->currentIndex() < 0) {
        return;
    }
    box->setCurrentIndex(more->currentIndex() + kModeBox2First);
    SysModeBoxChange();
    LoadSelectedMode();
}

void SystemCommands::SysMusInputLevelClick(BmpButton& button) {
    const int address = TagOf(&button);
    const int value = HintNumber(&button);
    ShowSwitch(address, value);
    if (address == kUserLevelAddress) {
        // The choice shows on the disabled pair until the system password opens it again.
        if (QWidget* group = m_controls.find("SysUserMangerGrop")) {
            group->setEnabled(false);
        }
    }
    m_commands.SetSystemValue(address, value);
}

// The button of the pair whose Hint is the value shows pressed, the other released.
void SystemCommands::ShowSwitch(int address, int value) {
    for (const char* name : kSwitchButtons) {
        auto* b = m_controls.get<BmpButton>(QLatin1String(name));
        if (!b || TagOf(b) != address) {
            continue;
        }
        b->setLook(HintNumber(b, -1) == value ? BmpButton::Look::Pressed
                                              : BmpButton::Look::Released);
    }
}

// ---- Refresh ----

void SystemCommands::RebuildModeList() {
    QComboBox* box = modeBox();
    if (!box) {
        return;
    }
    const int selected = box->currentIndex();
    const QSignalBlocker quiet(box);
    for (int i = 0; i < kModeCount; ++i) {
        const QString text = QString::fromStdString(ModeItemText(i, m_model.modeNames[i]));
        if (i < box->count()) {
            box->setItemText(i, text);
        } else {
            box->addItem(text);
        }
    }
    box->setCurrentIndex(selected);
}

void SystemCommands::RefreshSystemPage() {
    RebuildModeList();
    const int mode = m_model.param(kPageSystem, SlotOf(kLoadModeAddress));
    if (QComboBox* box = modeBox(); box && mode >= 0 && mode < kModeCount) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(mode);
    }
    ShowSwitch(kUserLevelAddress, m_model.view(kPageSystem, SlotOf(kUserLevelAddress)));
    ShowSwitch(kPanelLockAddress, m_model.view(kPageSystem, SlotOf(kPanelLockAddress)));
    ShowSwitch(kVolumeFollowAddress,
               m_model.view(PageOf(kVolumeFollowAddress), SlotOf(kVolumeFollowAddress)));
    ShowSwitch(kRemoteAddress, m_model.param(PageOf(kRemoteAddress), SlotOf(kRemoteAddress)));
}

}  // namespace aec
