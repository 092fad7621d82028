#pragma once
// The Tools menu of the strip above the graph: undo and redo, filter files and curve export.
// Each entry is described once in a table; an entry whose command is not there is disabled.

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QMenu;
class QWidget;

namespace aec {

struct ToolEntry {
    const char* name;     // objectName of the entry's action; null draws a separator
    const char* chinese;  // the entry's text in each language
    const char* english;
    const char* keys;  // the shortcut shown beside it, or null
};

class ToolsMenu {
  public:
    using Command = std::function<void()>;

    // Gives an entry its command; `enabled`, when given, is asked each time the menu opens.
    void set(const std::string& name, Command command, std::function<bool()> enabled = {});
    // The menu in a language (1 Chinese, 0 English), owned by the caller.
    std::unique_ptr<QMenu> build(int language, QWidget* parent) const;
    // Opens the menu under a button and runs the entry chosen.
    void popup(int language, QWidget* button) const;

  private:
    struct Slot {
        Command command;
        std::function<bool()> enabled;
    };
    std::map<std::string, Slot> m_slots;
};

}  // namespace aec
