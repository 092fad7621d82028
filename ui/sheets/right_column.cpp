// The system column at the right edge: AdvPageControl1 with its three tabs.
#include <QHeaderView>
#include <QTabWidget>

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/volume_rules.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/look.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

// The current volume of a source on the first tab, with its two markers; the start and maximum
// bars of the same source are on the second tab.
struct VolumeBlock {
    VolumeSource source;
    const char* label;
    const char* cn;
    const char* en;
    const char* bar;
    int address;
    const char* pane;
    const char* start;
    int startTag;
    const char* max;
    int maxTag;
    const char* valueLabel;
};

constexpr VolumeBlock kVolumes[3] = {
    {kMusicVolume, "Label2", "音乐音量", "Music Vol", "SysMusNormalVolBar", kMusicVolumeAddress,
     "SysMusNormalVolPane", "MusStartImage", kMusicStartVolumeAddress, "MusMaxImage",
     kMusicMaxVolumeAddress, "musLabel"},
    {kMicVolume, "Label59", "话筒音量", "Mic Vol", "SysMicNormalVolBar", kMicVolumeAddress,
     "SysMicNormalVolPane", "MicStartImage", kMicStartVolumeAddress, "MicMaxImage",
     kMicMaxVolumeAddress, "micLabel"},
    {kEffectVolume, "Label3", "效果音量", "Effect Vol", "SysEffNormalVolBar", kEffectVolumeAddress,
     "SysEffNormalVolPane", "EffStartImage", kEffectStartVolumeAddress, "EffMaxImage",
     kEffectMaxVolumeAddress, "EffLabel"},
};

struct LimitRow {
    VolumeSource source;
    VolumeRole role;
    int address;
    const char* label;
    const char* cn;
    const char* en;
    const char* bar;
    const char* pane;
};

constexpr LimitRow kLimits[6] = {
    {kMusicVolume, VolumeRole::kStart, kMusicStartVolumeAddress, "Label102", "音乐起始音量",
     "Initial music volume", "SysMusStartVolBar", "SysMusStartVolPane"},
    {kMusicVolume, VolumeRole::kMaximum, kMusicMaxVolumeAddress, "Label108", "音乐最大音量",
     "Max music volume ", "SysMusMaxVolBar", "SysMusMaxVolPane"},
    {kMicVolume, VolumeRole::kStart, kMicStartVolumeAddress, "Label109", "话筒起始音量",
     "Initial mic volume", "SysMicStartVolBar", "SysMicStartVolPane"},
    {kMicVolume, VolumeRole::kMaximum, kMicMaxVolumeAddress, "Label110", "话筒最大音量",
     "Max mic volume ", "SysMicMaxVolBar", "SysMicMaxVolPane"},
    {kEffectVolume, VolumeRole::kStart, kEffectStartVolumeAddress, "Label111", "效果起始音量",
     "Initial effect volume", "SysEffStartVolBar", "SysEffStartVolPane"},
    {kEffectVolume, VolumeRole::kMaximum, kEffectMaxVolumeAddress, "Label112", "效果最大音量",
     "Max effect volume ", "SysEffMaxVolBar", "SysEffMaxVolPane"},
};

// Slots of the system pages that hold a value but no control of their own.
constexpr int kVolumesPlaceholderSlot = 9;
constexpr int kSystemPlaceholderSlots[] = {0, 1, 4, 5};
constexpr int kSystemDisplayOnlySlots[] = {12, 13, 14, 15, 16};

QWidget* Sheet(ControlFactory& f, QTabWidget* tabs, const char* name, const char* cn,
               const char* en) {
    auto* sheet = f.adopt(new AdvTabSheet, name);
    tabs->addTab(sheet, QString::fromUtf8(cn));
    sheet->setCaption(QString::fromUtf8(cn));
    setHint(sheet, QString::fromUtf8(en));
    return sheet;
}

// A two-button switch: both buttons carry the address, their Hints are the values.
void addSwitch(ControlFactory& f, SystemParts& parts, QWidget* parent, int x, int y, int tag,
               const char* onName, const char* offName) {
    auto* on = f.wordButton(parent, onName, QRect(x, y, 56, 24), "启用", "Enable", "1");
    auto* off = f.wordButton(parent, offName, QRect(x + 62, y, 56, 24), "禁用", "Disable", "0");
    for (BmpButton* b : {on, off}) {
        setTag(b, tag);
        parts.switches.push_back(f.serve(b, Handler::kSwitch));
    }
}

// A password box: digits only, masked unless it shows an old password in clear.
EditBox* password(ControlFactory& f, QWidget* parent, const char* name, const QRect& r, int length,
                  bool masked, Handler handler = Handler::kPasswordBox) {
    auto* box = f.serve(f.textBox(parent, name, r), handler);
    box->setMaxLength(length);
    makePasswordBox(*box, masked);
    return box;
}

void buildMainVolumeTab(ControlFactory& f, SystemParts& parts, QWidget* sheet) {
    int y = 4;
    for (const VolumeBlock& v : kVolumes) {
        VolumeWidgets& w = parts.volumes[v.source];
        auto* block = blockFrame(sheet, QRect(4, y, 244, 62));
        block->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        f.label(block, v.label, QRect(8, 3, 100, 18), v.cn, v.en);
        const auto normal = static_cast<size_t>(VolumeRole::kNormal);
        w.panes[normal] = f.pane(block, v.pane, QRect(190, 3, 46, 18), 0);
        f.bind(w.panes[normal], v.address, Cell::kDisplay);
        w.bars[normal] = f.slider(block, v.bar, QRect(52, 22, 168, 20), kVolumeBarMax);
        setHint(w.bars[normal], QString::number(normal));
        f.bind(f.serve(w.bars[normal], Handler::kVolumeBar), v.address);
        w.valueLabel = f.label(block, v.valueLabel, QRect(8, 42, 40, 16), "0", "Music Vol");
        w.valueLabel->hide();
        w.startMarker = f.adopt(new PointImage(PointImage::Shape::StartMarker, block), v.start);
        w.startMarker->setGeometry(volumeMarkerPosition(0), 44, 8, 8);
        setTag(w.startMarker, v.startTag);
        w.maxMarker = f.adopt(new PointImage(PointImage::Shape::MaxMarker, block), v.max);
        w.maxMarker->setGeometry(volumeMarkerPosition(kVolumeBarMax), 44, 8, 8);
        setTag(w.maxMarker, v.maxTag);
        f.serve(w.startMarker, Handler::kVolumeMarker);
        f.serve(w.maxMarker, Handler::kVolumeMarker);
        y += 66;
    }
    f.label(sheet, "Label10", QRect(8, y + 2, 200, 18), "调用出厂模式：",
            "Factory default setting：  ");
    for (int i = 0; i < 6; ++i) {
        const QString name =
            i == 0 ? QString("SysFactoryBtn") : QString("SysFactoryBtn%1").arg(i + 1);
        auto* b = f.button(sheet, name, QRect(8 + i * 40, y + 22, 36, 24),
                           QByteArray::number(i + 1).constData());
        setTag(b, kFirstFactoryMode + i);
        f.list(f.serve(b, Handler::kModeButton), ControlList::kFactoryButtons, i);
    }
    auto* note =
        f.label(sheet, "Label61", QRect(8, y + 48, 240, 16), "调用出厂模式时候，音量不会变化",
                "The factory pattern volume will not change");
    note->setStyleSheet("color: #8a8a8a;");
    y += 70;
    f.label(sheet, "Label60", QRect(8, y, 200, 18), "调用用户模式：", "User mode setting：");
    for (int i = 0; i < 4; ++i) {
        auto* b =
            f.button(sheet, QString("SysModeBtn%1").arg(i + 1), QRect(8 + i * 40, y + 20, 36, 24),
                     QByteArray::number(i + 1).constData());
        setTag(b, i);
        f.list(f.serve(b, Handler::kModeButton), ControlList::kModeButtons, i);
    }
    QStringList more;
    for (int m = 5; m <= 16; ++m) {
        more << QString::number(m);
    }
    parts.moreModes = f.select(sheet, "SysModeBox2", QRect(168, y + 21, 78, 22), more);
    f.serve(parts.moreModes, Handler::kMoreModes);
    y += 56;
    f.label(sheet, "Label62", QRect(8, y + 3, 70, 18), "音量跟随", "Main volume");
    addSwitch(f, parts, sheet, 122, y, kVolumeFollowAddress, "SysVolRunBtn2", "SysVolRunBtn1");
    f.bindPlaceholder(makeAddress(kPageSystemVolumes, kVolumesPlaceholderSlot), Cell::kControl);
    f.bindPlaceholder(makeAddress(kPageSystemVolumes, kVolumesPlaceholderSlot), Cell::kDisplay);
    auto* warning =
        f.label(sheet, "Label63", QRect(8, y + 30, 240, 54),
                "警告：音量跟随功能，如果控制不好则\n可能导致音量突然增大，对你的系统有\n"
                "破坏性的影响，建议禁用，慎用！！！",
                "Warning:Please use carefully,\noverloaded signal will cause \n"
                "damage to the system.");
    warning->setStyleSheet("color: #d03020;");
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Every user mode of the processor into a backup folder on the PC, and back.
    y += 92;
    f.label(sheet, "BackupLabel", QRect(8, y, 200, 18), "用户模式备份：", "User mode backup：");
    f.serve(f.wordButton(sheet, "BackupBtn", QRect(8, y + 20, 116, 26), "备份设备",
                         "Back up processor"),
            Handler::kBackup);
    f.serve(f.wordButton(sheet, "RestoreBtn", QRect(130, y + 20, 116, 26), "恢复设备",
                         "Restore processor"),
            Handler::kRestore);
}

void buildVolumeSetTab(ControlFactory& f, SystemParts& parts, QWidget* sheet) {
    int y = 6;
    for (const LimitRow& row : kLimits) {
        VolumeWidgets& w = parts.volumes[row.source];
        const auto role = static_cast<size_t>(row.role);
        f.label(sheet, row.label, QRect(8, y, 200, 18), row.cn, row.en);
        w.bars[role] = f.slider(sheet, row.bar, QRect(8, y + 18, 184, 20), kVolumeBarMax);
        setHint(w.bars[role], QString::number(role));
        f.bind(f.serve(w.bars[role], Handler::kVolumeBar), row.address);
        w.panes[role] = f.pane(sheet, row.pane, QRect(198, y + 19, 48, 18), 0);
        f.bind(w.panes[role], row.address, Cell::kDisplay);
        y += 44;
    }
    y += 4;
    f.label(sheet, "Label64", QRect(8, y, 240, 18), "面板键盘自动锁定", "Key panel lock ");
    addSwitch(f, parts, sheet, 8, y + 20, kPanelLockAddress, "SysPanelBtn2", "SysPanelBtn1");
    y += 56;
    blockFrame(sheet, QRect(4, y, 244, 92));
    f.label(sheet, "Label66", QRect(10, y + 4, 232, 18), "面板键盘自动锁密码修改",
            "Modify Auto Key Lock Password");
    f.label(sheet, "Label119", QRect(10, y + 28, 52, 22), "旧密码", "Old:");
    PasswordParts& boxes = parts.passwords;
    boxes.panelOld = password(f, sheet, "PassPanelLabel1", QRect(64, y + 28, 104, 22), 4, false);
    f.serve(f.wordButton(sheet, "RzBmpButton22", QRect(174, y + 27, 68, 24), "确定", "OK"),
            Handler::kPanelPasswordOk);
    f.label(sheet, "Label120", QRect(10, y + 58, 52, 22), "新密码", "New:");
    boxes.panelNew = password(f, sheet, "NewPassLabel1", QRect(64, y + 58, 104, 22), 4, true);
    boxes.panelNew->setEnabled(false);
    f.serve(f.wordButton(sheet, "RzBmpButton23", QRect(174, y + 57, 68, 24), "修改", "Modify"),
            Handler::kPanelPasswordModify);
}

void buildPresetFiles(ControlFactory& f, PresetParts& parts, QWidget* sheet, int y) {
    f.wordButton(sheet, "RzBmpButton24", QRect(8, y, 238, 22), "单模式参数", "Alone Mode File")
        ->setRole(BmpButton::Role::Heading);
    auto* list = f.adopt(new ValueList(sheet), "ValueListEditor1");
    list->setGeometry(8, y + 26, 238, 132);
    list->setHorizontalHeaderLabels({"NO.", "File Name"});
    list->setColumnWidth(0, 49);
    list->setColumnWidth(1, 168);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(20);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    parts.list = f.serve(list, Handler::kPresetList);
    f.label(sheet, "Label126", QRect(8, y + 164, 70, 22), "模式名称", "Mode Name:");
    parts.name = f.textBox(sheet, "FileEdit", QRect(80, y + 164, 166, 22));
    parts.load = f.serve(f.wordButton(sheet, "RzBmpButton119", QRect(8, y + 192, 116, 26),
                                      "上传数据到设备", "Load File data"),
                         Handler::kPresetLoad);
    parts.save = f.serve(f.wordButton(sheet, "RzBmpButton120", QRect(130, y + 192, 116, 26),
                                      "保存数据到电脑", "Save Data to PC"),
                         Handler::kPresetSave);
}

void buildSystemTab(ControlFactory& f, SystemParts& parts, QWidget* sheet) {
    f.label(sheet, "Label65", QRect(8, 4, 200, 18), "保存 / 调用模式", "Load/Save Mode");
    f.label(sheet, "Label128", QRect(8, 26, 40, 22), "模式", "Mode");
    QStringList modes;
    for (int i = 1; i <= kModeCount; ++i) {
        modes << QString("%1-").arg(i);
    }
    parts.modeBox = f.select(sheet, "SysModeBox", QRect(50, 26, 196, 22), modes);
    f.bind(f.serve(parts.modeBox, Handler::kModeList), kLoadModeAddress);
    f.bindPlaceholder(kLoadModeAddress, Cell::kDisplay);
    for (int slot : kSystemPlaceholderSlots) {
        f.bindPlaceholder(makeAddress(kPageSystem, slot), Cell::kControl);
        f.bindPlaceholder(makeAddress(kPageSystem, slot), Cell::kDisplay);
    }
    for (int slot : kSystemDisplayOnlySlots) {
        f.bindPlaceholder(makeAddress(kPageSystem, slot), Cell::kDisplay);
    }
    f.label(sheet, "Label130", QRect(8, 52, 40, 22), "名称", "Name");
    parts.modeName = f.textBox(sheet, "PresetModeEdit", QRect(50, 52, 196, 22));
    parts.modeName->setMaxLength(kModeNameLength);
    f.serve(
        f.wordButton(sheet, "SysLoadModeBtn", QRect(8, 80, 116, 26), "调用设备模式", "Load Mode"),
        Handler::kLoadMode);
    f.serve(
        f.wordButton(sheet, "SysSaveModeBtn", QRect(130, 80, 116, 26), "保存设备模式", "Save Mode"),
        Handler::kSaveMode);

    int y = 116;
    f.label(sheet, "Label67", QRect(8, y, 200, 18), "用户/管理员模式", "User/Manager Mode");
    parts.passwords.rights = password(f, sheet, "SysPassEdit", QRect(8, y + 20, 160, 22), 6, true);
    f.serve(f.wordButton(sheet, "RzBmpButton118", QRect(176, y + 19, 70, 24), "确定", "OK"),
            Handler::kRightsPassword);
    parts.rights = f.frame(sheet, "SysUserMangerGrop", QRect(8, y + 48, 238, 32));
    auto* user = f.button(parts.rights, "SysUserBtn", QRect(6, 5, 22, 22), "", "0");
    f.label(parts.rights, "Label148", QRect(32, 5, 60, 22), "用户", "User");
    auto* manager = f.button(parts.rights, "SysManagerBtn", QRect(110, 5, 22, 22), "", "1");
    f.label(parts.rights, "Label149", QRect(136, 5, 60, 22), "管理员", "admin");
    for (BmpButton* b : {user, manager}) {
        setTag(b, kUserLevelAddress);
        parts.switches.push_back(f.serve(b, Handler::kSwitch));
    }
    parts.rights->setEnabled(false);

    y += 88;
    f.label(sheet, "Label68", QRect(8, y, 200, 18), "密码修改", "Modify System Password");
    static const struct {
        const char* label;
        const char* cn;
        const char* en;
        const char* box;
    } kRows[3] = {{"Label69", "旧密码", "Old", "SysPanelLabel1"},
                  {"Label71", "新密码", "New", "NewSysPassLabel1"},
                  {"Label125", "确定", "confirm", "NewSysPassLabel2"}};
    for (int i = 0; i < 3; ++i) {
        f.label(sheet, kRows[i].label, QRect(8, y + 20 + i * 26, 60, 22), kRows[i].cn, kRows[i].en);
        auto* box = password(f, sheet, kRows[i].box, QRect(70, y + 20 + i * 26, 176, 22), 6, true,
                             Handler::kSystemPasswordChange);
        box->setEnabled(i == 0);
        parts.passwords.systemChange[static_cast<size_t>(i)] = box;
    }
    buildPresetFiles(f, parts.presets, sheet, y + 104);

    // The processor's identity, on the tab people see (its original sheet is never shown).
    y += 104 + 224;
    f.label(sheet, "Label131", QRect(8, y, 80, 20), "设备管理码", "Device ID:");
    parts.deviceId = f.label(sheet, "DeviceIDLabel", QRect(90, y, 82, 20), "");
    // Reads the processor back and compares it with the editor.
    parts.verify =
        f.serve(f.wordButton(sheet, "VerifyBtn", QRect(176, y - 2, 70, 24), "校验", "Verify"),
                Handler::kVerify);
}

}  // namespace

QWidget* buildRightColumn(ControlFactory& f, WindowParts& parts, QWidget* parent,
                          const QRect& area) {
    auto* column = f.frame(parent, "RzGroupBox2", area);
    auto* tabs = f.adopt(new QTabWidget(column), "AdvPageControl1");
    tabs->setGeometry(2, 2, area.width() - 4, area.height() - 4);
    tabs->setDocumentMode(false);
    tabs->setUsesScrollButtons(false);
    f.serve(tabs, Handler::kSystemTabs);
    SystemParts& system = parts.system;
    system.tabs = tabs;
    buildMainVolumeTab(f, system, Sheet(f, tabs, "AdvTabSheet1", "主音量", "Main Volume"));
    buildVolumeSetTab(f, system, Sheet(f, tabs, "AdvTabSheet2", "音量控制", "Volume Set"));
    buildSystemTab(f, system, Sheet(f, tabs, "AdvTabSheet3", "系统设定", "System setting"));
    return column;
}

}  // namespace aec
