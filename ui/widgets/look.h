#pragma once
// Colours and fonts of the editor window.

#include <QColor>
#include <QFont>
#include <QString>

#include "eq/response_graph.h"

namespace aec::look {

inline const QColor kOrange(243, 152, 0);  // tab buttons, captions, accents
inline const QColor kPaleOrange(252, 226, 184);
inline const QColor kWhite(255, 255, 255);
inline const QColor kText(51, 51, 51);
inline const QColor kBorder(200, 200, 200);
inline const QColor kEditCurrent(0xC8, 0xC8, 0xC8);  // the current edit box
inline const QColor kEditIdle(0xE6, 0xE6, 0xE6);     // every other value edit box
inline const QColor kDisabledText(160, 160, 160);
inline const QColor kGraphPanel = QColor::fromRgb(kGraphBackgroundColour);
inline const QColor kOnLine(0x00, 0x33, 0x99);  // status label while on line

// Font of the window's texts: Latin letters in Liberation Sans, Chinese in WenQuanYi Micro Hei.
QFont windowFont(int pointSize = 9);

// The style sheet of the whole window (sliders, edit boxes, selection boxes, group boxes).
QString windowStyleSheet();

}  // namespace aec::look
