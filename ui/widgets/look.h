#pragma once
// Colours and fonts of the editor window.

#include <QColor>
#include <QFont>
#include <QString>

namespace aec::look {

inline const QColor kOrange(243, 152, 0);       // tab buttons, captions, accents
inline const QColor kCurveOrange(255, 102, 0);  // response curve
inline const QColor kPaleOrange(252, 226, 184);
inline const QColor kWhite(255, 255, 255);
inline const QColor kText(51, 51, 51);
inline const QColor kLabelGrey(80, 80, 80);  // chosen mode label text
inline const QColor kModeLabelGrey(160, 160, 160);
inline const QColor kBorder(200, 200, 200);
inline const QColor kEditCurrent(0xC8, 0xC8, 0xC8);  // the current edit box
inline const QColor kEditIdle(0xE6, 0xE6, 0xE6);     // every other value edit box
inline const QColor kPane(246, 246, 246);
inline const QColor kDisabledText(160, 160, 160);
inline const QColor kSystemTab(0x4D, 0x4D, 0x4D);
inline const QColor kSystemTabActive(192, 192, 192);
inline const QColor kLockBorder(220, 0, 0);
inline const QColor kGraphPanel(238, 238, 238);
inline const QColor kAxisText(161, 161, 161);
inline const QColor kCaptionText(243, 152, 0);

// Font of the window's texts: Latin letters in Liberation Sans, Chinese in WenQuanYi Micro Hei.
QFont WindowFont(int pointSize = 9);

// The style sheet of the whole window (sliders, edit boxes, selection boxes, group boxes).
QString WindowStyleSheet();

}  // namespace aec::look
