#pragma once
// The system column's own commands: the nine volume bars with the markers dragged under the
// current bars, the two-button switches and the mode list's name box.

#include <QPoint>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "presets/volume_rules.h"
#include "ui/sheets/sheets.h"
#include "ui/sync/system_looks.h"

namespace aec {

class SystemPage {
  public:
    SystemPage(Model& model, ParameterSink& sink, const SystemParts& parts, SystemLooks& looks)
        : m_model(model), m_sink(sink), m_parts(parts), m_looks(looks) {}

    // SysMusNormalVolBarChange: one of the nine volume bars moved.
    void SysMusNormalVolBarChange(QSlider& bar);
    // SysMusInputLevelClick: one button of a two-button switch.
    void SysMusInputLevelClick(BmpButton& button);
    // SysModeBoxChange: the name box takes the selected mode's name.
    void SysModeBoxChange();
    // MusStartImageMouseDown, MusStartImageMouseMove, MusStartImageMouseUp: a start or maximum
    // marker dragged along its current bar moves the bar it stands for. `x` is the pointer in
    // the marker's own coordinates.
    void MusStartImageMouseDown(PointImage& marker, Qt::MouseButton button, int x);
    void MusStartImageMouseMove(PointImage& marker, int x);
    void MusStartImageMouseUp();

  private:
    // The source and bar a marker stands for.
    struct MarkerPlace {
        const VolumeWidgets* source = nullptr;
        VolumeRole role = VolumeRole::kStart;
    };
    MarkerPlace placeOf(const PointImage& marker) const;

    Model& m_model;
    ParameterSink& m_sink;
    const SystemParts& m_parts;
    SystemLooks& m_looks;
    int m_markerAddress = 0;
    int m_pressX = 0;
};

}  // namespace aec
