#pragma once
// Builders of the sheets of the page container FormPageItem, one per file.

#include <QWidget>

#include "ui/widgets/control_factory.h"

namespace aec {

// Every sheet keeps its controls in the strip above the graph panel.
inline constexpr int kSheetWidth = 933;
inline constexpr int kSheetHeight = 564;
inline constexpr int kStripHeight = 229;
// Frames of a sheet's strip start here and are this tall.
inline constexpr int kFrameTop = 3;
inline constexpr int kFrameHeight = kStripHeight - 2 * kFrameTop;

void BuildMusicSheet(ControlFactory& f, QWidget* sheet);
void BuildMicSheet(ControlFactory& f, QWidget* sheet);
void BuildEffectSheet(ControlFactory& f, QWidget* sheet);
void BuildOutputSheet(ControlFactory& f, QWidget* sheet);
void BuildHintSheet(ControlFactory& f, QWidget* sheet);
void BuildSystemSheet(ControlFactory& f, QWidget* sheet);
void BuildDynamicEqSheet(ControlFactory& f, QWidget* sheet);

// An untitled frame that groups a block of controls.
QWidget* BlockFrame(QWidget* parent, const QRect& r);

}  // namespace aec
