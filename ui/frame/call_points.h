#pragma once
// What later parts of the editor provide to the main window. Every call does nothing until the
// part that owns it is installed.

#include <QChar>

class QComboBox;
class QLineEdit;
class QMouseEvent;
class QObject;
class QSlider;
class QWidget;

namespace aec {

class BmpButton;

// The link controller: port list, link button, link state, farewell.
class LinkPoints {
  public:
    virtual ~LinkPoints() = default;
    // Fills the hidden port list with the serial ports present.
    virtual void FillPortList(QComboBox& /*ports*/) {}
    // The link button handler (LinkBtn searches or unlinks, UnLinkBtn unlinks).
    virtual void LinkBtnClick(QObject* /*sender*/) {}
    virtual bool IsOnLine() const { return false; }
    // The window is closing: send the disconnect code when on line.
    virtual void CloseRequest() {}
};

// Preset files, device modes and the system column. Events arrive by control; the part tells
// the controls apart by objectName, Tag and Hint.
class SystemPoints {
  public:
    virtual ~SystemPoints() = default;
    // Makes the preset folders and fills the preset list (first show).
    virtual void PreparePresets() {}
    // Change of one of the nine system volume bars.
    virtual void SysMusNormalVolBarChange(QSlider& /*bar*/) {}
    // A bitmap button of the system column, the hidden system sheet or the panel-lock box.
    virtual void ButtonClick(BmpButton& /*button*/) {}
    // The user changed SysModeBox or SysModeBox2.
    virtual void MusModeBox1Change(QComboBox& /*box*/) {}
    // Key filter of a password or name box; false discards the character.
    virtual bool KeyPress(QLineEdit& /*box*/, QChar /*ch*/) { return true; }
    // A click on a row of the preset list.
    virtual void ValueListEditor1Click(int /*row*/) {}
    // Drag of a start or maximum marker of a volume bar.
    virtual void MusStartImageMouseDown(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    virtual void MusStartImageMouseMove(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    virtual void MusStartImageMouseUp(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    // End of every refresh: volumes, switches, current mode, rights.
    virtual void RefreshSystemPage() {}
    // Last step of every refresh: the panel lock.
    virtual void PanelLockCheck() {}
};

// Graph point editing and the spectrum analyser.
class GraphPoints {
  public:
    virtual ~GraphPoints() = default;
    // Sets up the sound-card capture while the window is created.
    virtual void SetUpSpectrum() {}
    virtual void EP1MouseDown(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    virtual void EP1MouseMove(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    virtual void EP1MouseUp(QWidget& /*marker*/, QMouseEvent& /*event*/) {}
    virtual void Image1MouseMove(QMouseEvent& /*event*/) {}
    virtual void Image1MouseUp(QMouseEvent& /*event*/) {}
    // A release over the caption EQlabel or the label EQPassLabel.
    virtual void EQlabelMouseUp() {}
    // Work of the 10 ms timer before the last edit is compared; false while a drag runs,
    // which skips the rest of the tick.
    virtual bool TimerTick() { return true; }
};

// The language button.
class LanguagePoints {
  public:
    virtual ~LanguagePoints() = default;
    virtual void RzToolButton11Click() {}
};

}  // namespace aec
