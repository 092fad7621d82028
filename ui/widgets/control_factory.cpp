#include "ui/widgets/control_factory.h"

#include <QFont>

namespace aec {

namespace {

template <class T>
T* place(T* control, const QString& name, const QRect& r, ControlRegistry& registry) {
    control->setObjectName(name);
    control->setGeometry(r);
    registry.add(control);
    return control;
}

QString utf8(const char* text) { return QString::fromUtf8(text ? text : ""); }

}  // namespace

void ControlRegistry::add(QWidget* control) {
    const QString name = control->objectName();
    if (!name.isEmpty() && !m_byName.contains(name)) {
        m_byName.insert(name, control);
    }
    m_index.insert(control, m_entries.size());
    m_all.push_back(control);
    m_entries.push_back({control, Handler::kNone, {}, std::nullopt});
}

ControlRegistry::Entry* ControlRegistry::entryOf(const QWidget* control) {
    const auto it = m_index.constFind(control);
    return it == m_index.constEnd() ? nullptr : &m_entries[*it];
}

void ControlRegistry::serve(QWidget* control, Handler handler) {
    if (Entry* e = entryOf(control)) {
        e->handler = handler;
    }
}

void ControlRegistry::bind(QWidget* control, Binding binding) {
    if (Entry* e = entryOf(control)) {
        e->bindings.push_back(binding);
    }
}

void ControlRegistry::list(QWidget* control, ListSlot slot) {
    if (Entry* e = entryOf(control)) {
        e->list = slot;
    }
}

Handler ControlRegistry::handlerOf(const QWidget* control) const {
    const auto it = m_index.constFind(control);
    return it == m_index.constEnd() ? Handler::kNone : m_entries[*it].handler;
}

Label* ControlFactory::label(QWidget* parent, const QString& name, const QRect& r, const char* cn,
                             const char* en, Qt::Alignment align) {
    auto* l = place(new Label(parent), name, r, m_registry);
    l->setText(utf8(cn));
    setHint(l, utf8(en));
    l->setAlignment(align);
    return l;
}

RzLabel* ControlFactory::rzLabel(QWidget* parent, const QString& name, const QRect& r,
                                 const QString& text) {
    auto* l = place(new RzLabel(parent), name, r, m_registry);
    l->setText(text);
    return l;
}

EditBox* ControlFactory::edit(QWidget* parent, const QString& name, const QRect& r, int kind) {
    auto* e = place(new EditBox(parent), name, r, m_registry);
    setHint(e, QString::number(kind));
    e->setProperty("valueBox", true);
    return e;
}

EditBox* ControlFactory::textBox(QWidget* parent, const QString& name, const QRect& r) {
    auto* e = place(new EditBox(parent), name, r, m_registry);
    e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    e->setProperty("plainBox", true);
    return e;
}

ValuePane* ControlFactory::pane(QWidget* parent, const QString& name, const QRect& r, int kind) {
    auto* p = place(new ValuePane(parent), name, r, m_registry);
    setHint(p, QString::number(kind));
    return p;
}

TrackBar* ControlFactory::slider(QWidget* parent, const QString& name, const QRect& r, int max,
                                 Qt::Orientation orientation) {
    auto* s = place(new TrackBar(orientation, parent), name, r, m_registry);
    s->setRange(0, max);
    return s;
}

SelectBox* ControlFactory::select(QWidget* parent, const QString& name, const QRect& r,
                                  const QStringList& items, const QString& hint) {
    auto* box = place(new SelectBox(parent), name, r, m_registry);
    box->addItems(items);
    setHint(box, hint);
    return box;
}

BmpButton* ControlFactory::button(QWidget* parent, const QString& name, const QRect& r,
                                  const char* caption, const QString& hint) {
    auto* b = place(new BmpButton(parent), name, r, m_registry);
    b->setText(utf8(caption));
    setHint(b, hint);
    return b;
}

BmpButton* ControlFactory::wordButton(QWidget* parent, const QString& name, const QRect& r,
                                      const char* cn, const char* en, const QString& hint) {
    BmpButton* b = button(parent, name, r, cn, hint);
    setOtherCaption(b, utf8(en));
    return b;
}

ToolButton* ControlFactory::tool(QWidget* parent, const QString& name, const QRect& r,
                                 const char* cn, const char* en, int tag) {
    auto* b = place(new ToolButton(parent), name, r, m_registry);
    b->setText(utf8(cn));
    setHint(b, utf8(en));
    setTag(b, tag);
    return b;
}

SpinButtons* ControlFactory::spin(QWidget* parent, const QString& name, const QRect& r) {
    return place(new SpinButtons(parent), name, r, m_registry);
}

AdvGroupBox* ControlFactory::group(QWidget* parent, const QString& name, const QRect& r,
                                   const char* cn, const char* en) {
    auto* g = place(new AdvGroupBox(parent), name, r, m_registry);
    g->setTitle(utf8(cn));
    setHint(g, utf8(en));
    return g;
}

RzGroupBox* ControlFactory::frame(QWidget* parent, const QString& name, const QRect& r) {
    auto* g = place(new RzGroupBox(parent), name, r, m_registry);
    g->setProperty("frameOnly", true);
    return g;
}

}  // namespace aec
