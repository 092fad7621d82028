#pragma once
// The system column at the right edge: AdvPageControl1 with its three tabs.

#include <QTabWidget>

#include "ui/control_factory.h"

namespace aec {

inline constexpr int kRightColumnWidth = 260;

// Left pixel of a volume marker for bar position p: p * 1.89 + 53, rounded.
int VolumeMarkerX(int position);

// Builds RzGroupBox2 with AdvPageControl1 inside `parent` at `area`; returns the page control.
QTabWidget* BuildRightColumn(ControlFactory& f, QWidget* parent, const QRect& area);

}  // namespace aec
