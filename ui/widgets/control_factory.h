#pragma once
// Creates the window's controls by name and keeps them findable by name.

#include <QHash>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "ui/widgets/buttons.h"
#include "ui/widgets/controls.h"

namespace aec {

// Every named control of the window, by objectName, in creation order.
class ControlRegistry {
  public:
    void add(QWidget* control);
    QWidget* find(const QString& name) const { return m_byName.value(name, nullptr); }
    template <class T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    const std::vector<QWidget*>& all() const { return m_all; }

  private:
    QHash<QString, QWidget*> m_byName;
    std::vector<QWidget*> m_all;
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
    ToolButton* tool(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                     const char* en, int tag);
    SpinButtons* spin(QWidget* parent, const QString& name, const QRect& r);
    AdvGroupBox* group(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                       const char* en = "");
    RzGroupBox* frame(QWidget* parent, const QString& name, const QRect& r);

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
QStringList Items(const Container& items) {
    QStringList list;
    for (const auto& item : items) {
        list << QString::fromUtf8(item.data(), int(item.size()));
    }
    return list;
}

}  // namespace aec
