#include "ui/frame/tools_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <array>

namespace aec {

namespace {

constexpr std::array<ToolEntry, 10> kToolEntries{{
    {"UndoAction", "撤销", "Undo", "Ctrl+Z"},
    {"RedoAction", "重做", "Redo", "Ctrl+Shift+Z"},
    {nullptr, nullptr, nullptr, nullptr},
    {"ImportFiltersAction", "导入滤波器…", "Import filters…", nullptr},
    {"ExportFiltersAction", "导出滤波器…", "Export filters…", nullptr},
    {nullptr, nullptr, nullptr, nullptr},
    {"ExportCurveCsvAction", "导出曲线 (CSV)…", "Export curve (CSV)…", nullptr},
    {"ExportCurveFrdAction", "导出曲线 (FRD)…", "Export curve (FRD)…", nullptr},
    {"ExportGraphPngAction", "导出图片 (PNG)…", "Export graph (PNG)…", nullptr},
    {nullptr, nullptr, nullptr, nullptr},
}};

}  // namespace

void ToolsMenu::set(const std::string& name, Command command, std::function<bool()> enabled) {
    m_slots[name] = {std::move(command), std::move(enabled)};
}

std::unique_ptr<QMenu> ToolsMenu::build(int language, QWidget* parent) const {
    auto menu = std::make_unique<QMenu>(parent);
    menu->setObjectName(QStringLiteral("ToolsMenu"));
    bool separatorDue = false;
    for (const ToolEntry& entry : kToolEntries) {
        if (entry.name == nullptr) {
            separatorDue = !menu->actions().isEmpty();
            continue;
        }
        if (separatorDue) {
            menu->addSeparator();
            separatorDue = false;
        }
        QAction* action =
            menu->addAction(QString::fromUtf8(language == 1 ? entry.chinese : entry.english));
        action->setObjectName(QString::fromUtf8(entry.name));
        if (entry.keys != nullptr) {
            action->setShortcut(QKeySequence(QString::fromUtf8(entry.keys)));
        }
        const auto found = m_slots.find(entry.name);
        if (found == m_slots.end() || !found->second.command) {
            action->setEnabled(false);
            continue;
        }
        const Slot& slot = found->second;
        action->setEnabled(!slot.enabled || slot.enabled());
        QObject::connect(action, &QAction::triggered, menu.get(),
                         [command = slot.command] { command(); });
    }
    return menu;
}

void ToolsMenu::popup(int language, QWidget* button) const {
    const std::unique_ptr<QMenu> menu = build(language, button);
    // The menu's own shortcuts would fight the window's; the window's stay the only ones.
    for (QAction* action : menu->actions()) {
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    menu->exec(button->mapToGlobal(QPoint(0, button->height())));
}

}  // namespace aec
