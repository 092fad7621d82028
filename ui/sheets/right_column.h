#pragma once
// The system column at the right edge: AdvPageControl1 with its three tabs.

#include <QTabWidget>

#include "ui/widgets/control_factory.h"

namespace aec {

inline constexpr int kRightColumnWidth = 260;

// Builds RzGroupBox2 with AdvPageControl1 inside `parent` at `area`; returns the page control.
QTabWidget* BuildRightColumn(ControlFactory& f, QWidget* parent, const QRect& area);

}  // namespace aec
