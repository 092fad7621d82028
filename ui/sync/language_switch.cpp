#include "ui/sync/language_switch.h"

#include "ui/widgets/buttons.h"
#include "ui/widgets/controls.h"

namespace aec {

namespace {

// The kinds whose Hint is their caption in the other language.
bool hintIsOtherCaption(const ControlRegistry::Entry& e) {
    const QWidget* w = e.control;
    if (qobject_cast<const RzLabel*>(w) != nullptr || e.handler == Handler::kPointLabel) {
        return false;
    }
    return qobject_cast<const Label*>(w) != nullptr ||
           qobject_cast<const AdvGroupBox*>(w) != nullptr ||
           qobject_cast<const ToolButton*>(w) != nullptr ||
           qobject_cast<const AdvTabSheet*>(w) != nullptr;
}

}  // namespace

void exchangeLanguage(const ControlRegistry& controls) {
    for (const ControlRegistry::Entry& e : controls.entries()) {
        QWidget* w = e.control;
        const QString caption = captionOf(w);
        if (hintIsOtherCaption(e)) {
            const QString other = hintOf(w);
            if (!caption.isEmpty() && !other.isEmpty()) {
                setCaption(w, other);
                setHint(w, caption);
            }
        } else if (qobject_cast<BmpButton*>(w) != nullptr) {
            const QString other = otherCaptionOf(w);
            if (!caption.isEmpty() && !other.isEmpty()) {
                setCaption(w, other);
                setOtherCaption(w, caption);
            }
        }
    }
}

}  // namespace aec
