#pragma once
// Creates the window's controls by name and keeps them findable by name.

#include <QHash>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/rules/control_spec.h"
#include "ui/widgets/buttons.h"
#include "ui/widgets/controls.h"

namespace aec {

// Every named control of the window in creation order, with what its description says about it:
// the handler that serves it, the cells it is bound to and the list that holds it.
class ControlRegistry {
  public:
    struct Entry {
        QWidget* control = nullptr;
        Handler handler = Handler::kNone;
        std::vector<Binding> bindings;
        std::optional<ListSlot> list;
    };

    void add(QWidget* control);
    QWidget* find(const QString& name) const { return m_byName.value(name, nullptr); }
    template <class T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    const std::vector<QWidget*>& all() const { return m_all; }
    const std::vector<Entry>& entries() const { return m_entries; }

    void serve(QWidget* control, Handler handler);
    void bind(QWidget* control, Binding binding);
    void list(QWidget* control, ListSlot slot);
    Handler handlerOf(const QWidget* control) const;

    // The placeholder edit box, and the cells it fills for controls that have none of their own.
    void setPlaceholder(EditBox* placeholder) { m_placeholder = placeholder; }
    EditBox* placeholder() const { return m_placeholder; }
    void bindPlaceholder(Binding binding) { m_placeholderCells.push_back(binding); }
    const std::vector<Binding>& placeholderCells() const { return m_placeholderCells; }

  private:
    Entry* entryOf(const QWidget* control);

    QHash<QString, QWidget*> m_byName;
    QHash<const QWidget*, size_t> m_index;
    std::vector<QWidget*> m_all;
    std::vector<Entry> m_entries;
    EditBox* m_placeholder = nullptr;
    std::vector<Binding> m_placeholderCells;
};

// Builds controls with their name, place, caption, second text and display kind.
// Captions are given as UTF-8 Chinese and English texts; the Chinese one is shown.
class ControlFactory {
  public:
    explicit ControlFactory(ControlRegistry& registry) : m_registry(registry) {}
    ControlRegistry& registry() { return m_registry; }

    Label* label(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                 const char* en = "", Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    RzLabel* rzLabel(QWidget* parent, const QString& name, const QRect& r, const QString& text);
    // Value edit box of a display kind.
    EditBox* edit(QWidget* parent, const QString& name, const QRect& r, int kind);
    // Plain text box (names, passwords, codes).
    EditBox* textBox(QWidget* parent, const QString& name, const QRect& r);
    ValuePane* pane(QWidget* parent, const QString& name, const QRect& r, int kind);
    TrackBar* slider(QWidget* parent, const QString& name, const QRect& r, int max,
                     Qt::Orientation orientation = Qt::Horizontal);
    SelectBox* select(QWidget* parent, const QString& name, const QRect& r,
                      const QStringList& items, const QString& hint = {});
    BmpButton* button(QWidget* parent, const QString& name, const QRect& r, const char* caption,
                      const QString& hint = {});
    // A bitmap button with words: the Chinese caption shown, the English one kept for the switch.
    BmpButton* wordButton(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                          const char* en, const QString& hint = {});
    ToolButton* tool(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                     const char* en, int tag);
    SpinButtons* spin(QWidget* parent, const QString& name, const QRect& r);
    AdvGroupBox* group(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                       const char* en = "");
    RzGroupBox* frame(QWidget* parent, const QString& name, const QRect& r);

    // The rest of a control's description: the handler that serves it, the cells it is bound to
    // and the list that holds it. Each returns the control.
    template <class T>
    T* serve(T* control, Handler handler) {
        m_registry.serve(control, handler);
        return control;
    }
    template <class T>
    T* bind(T* control, int address, Cell cell = Cell::kControl) {
        m_registry.bind(control, {address, cell});
        return control;
    }
    template <class T>
    T* list(T* control, ControlList list, int index) {
        m_registry.list(control, {list, index});
        return control;
    }
    // A cell of a control that has no display (or no control) of its own: the placeholder fills it.
    void bindPlaceholder(int address, Cell cell) { m_registry.bindPlaceholder({address, cell}); }

    // Registers a control made elsewhere.
    template <class T>
    T* adopt(T* control, const QString& name) {
        control->setObjectName(name);
        m_registry.add(control);
        return control;
    }

  private:
    ControlRegistry& m_registry;
};

// Item lists as Qt strings.
template <class Container>
QStringList items(const Container& items) {
    QStringList list;
    for (const auto& item : items) {
        list << QString::fromUtf8(item.data(), int(item.size()));
    }
    return list;
}

}  // namespace aec
