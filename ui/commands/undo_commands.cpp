#include "ui/commands/undo_commands.h"

#include <utility>

#include "core/bilingual_text.h"
#include "ui/commands/store_changes.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

constexpr BilingualText kNothingToUndo{"没有可撤销的修改。", "There is nothing to undo."};
constexpr BilingualText kUndoEndsAtLink{
    "没有可撤销的修改：联机时设置已从设备载入，之前的修改无法撤销。",
    "There is nothing to undo: the settings were loaded from the processor when it linked, "
    "and changes before that cannot be undone."};
constexpr BilingualText kUndoEndsAtMode{
    "没有可撤销的修改：调用模式时设置已从设备载入，之前的修改无法撤销。",
    "There is nothing to undo: the settings were loaded from the processor with a mode, and "
    "changes before that cannot be undone."};
constexpr BilingualText kNothingToRedo{"没有可重做的修改。", "There is nothing to redo."};

}  // namespace

void UndoCommands::UndoClick() {
    const HistoryStep step = m_model.history.undo(m_model.paramStore());
    if (step.empty()) {
        const BilingualText* text = &kNothingToUndo;
        if (m_model.history.start() == HistoryStart::kLinked) {
            text = &kUndoEndsAtLink;
        } else if (m_model.history.start() == HistoryStart::kModeLoaded) {
            text = &kUndoEndsAtMode;
        }
        m_messages.show(QString::fromUtf8(text->in(m_model.languageFlag())), kApplicationTitle,
                        MessageService::Buttons::Ok);
    } else {
        applyChanges(m_model, m_sink, m_host, step, ChangeSide::kBefore);
    }
}

void UndoCommands::RedoClick() {
    const HistoryStep step = m_model.history.redo(m_model.paramStore());
    if (step.empty()) {
        m_messages.show(QString::fromUtf8(kNothingToRedo.in(m_model.languageFlag())),
                        kApplicationTitle, MessageService::Buttons::Ok);
    } else {
        applyChanges(m_model, m_sink, m_host, step, ChangeSide::kAfter);
    }
}

void UndoCommands::CompareBtnClick() {
    // Each slot keeps its own history: what was edited in A is undone in A.
    m_model.history.close(m_model.paramStore());
    const auto changes = m_model.compare.switchSlots(m_model.paramStore());
    std::swap(m_model.history, m_model.compare.otherHistory());
    applyChanges(m_model, m_sink, m_host, changes, ChangeSide::kAfter);
    looksChanged();
}

void UndoCommands::CopyCompareBtnClick() {
    m_model.history.close(m_model.paramStore());
    m_model.compare.copyToOther(m_model.paramStore());
    m_host.showCurrentView();
    looksChanged();
}

void UndoCommands::tick(bool holding) { m_model.history.tick(m_model.paramStore(), holding); }

void UndoCommands::restart() {
    m_model.history.restart(m_model.paramStore(), HistoryStart::kFresh);
}

void UndoCommands::looksChanged() const {
    if (m_looksChanged) {
        m_looksChanged();
    }
}

}  // namespace aec
