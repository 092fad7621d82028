#include "ui/commands/system_page.h"

#include "core/addresses.h"
#include "presets/mode_list.h"
#include "presets/volume_rules.h"
#include "ui/widgets/point_image.h"

namespace aec {

namespace {

// One source's bars, panes, markers and value label as the volume rules see them.
class WidgetVolumeGroup : public VolumeGroup {
  public:
    explicit WidgetVolumeGroup(const VolumeWidgets& w) : m_w(w) {}

    int position(VolumeRole role) const override { return bar(role)->value(); }
    void setPosition(VolumeRole role, int position) override { bar(role)->setValue(position); }
    int displayedValue(VolumeRole role) const override { return hintNumber(pane(role)); }
    void setDisplayedValue(VolumeRole role, int value) override {
        setHint(pane(role), QString::number(value));
    }
    void showValue(VolumeRole role, int value) override {
        pane(role)->setText(QString::number(value));
    }
    void placeMarkers(int startX, int maximumX) override {
        m_w.startMarker->move(startX, m_w.startMarker->y());
        m_w.maxMarker->move(maximumX, m_w.maxMarker->y());
    }
    void showLabelValue(int value) override { m_w.valueLabel->setText(QString::number(value)); }
    int address(VolumeRole role) const override { return tagOf(bar(role)); }

  private:
    QSlider* bar(VolumeRole role) const { return m_w.bars[static_cast<size_t>(role)]; }
    QLabel* pane(VolumeRole role) const { return m_w.panes[static_cast<size_t>(role)]; }

    const VolumeWidgets& m_w;
};

}  // namespace

void SystemPage::SysMusNormalVolBarChange(QSlider& bar) {
    for (const VolumeWidgets& source : m_parts.volumes) {
        for (size_t role = 0; role < source.bars.size(); ++role) {
            if (source.bars[role] == &bar) {
                WidgetVolumeGroup group(source);
                volumeBarChange(group, static_cast<VolumeRole>(role), m_model, m_sink);
                return;
            }
        }
    }
}

void SystemPage::SysMusInputLevelClick(BmpButton& button) {
    const int address = tagOf(&button);
    const int value = hintNumber(&button);
    m_looks.showSwitch(address, value);
    if (address == kUserLevelAddress) {
        // The choice shows on the disabled pair until the system password opens it again.
        m_parts.rights->setEnabled(false);
    }
    m_sink.SetParameter(address, value);
}

void SystemPage::SysModeBoxChange() {
    SelectBox* box = m_parts.modeBox;
    if (box->currentIndex() < 0) {
        return;
    }
    const std::string item = box->currentText().toStdString();
    m_parts.modeName->setText(QString::fromStdString(modeNameOfItem(box->currentIndex(), item)));
}

SystemPage::MarkerPlace SystemPage::placeOf(const PointImage& marker) const {
    for (const VolumeWidgets& source : m_parts.volumes) {
        if (source.startMarker == &marker) {
            return {&source, VolumeRole::kStart};
        }
        if (source.maxMarker == &marker) {
            return {&source, VolumeRole::kMaximum};
        }
    }
    return {};
}

void SystemPage::MusStartImageMouseDown(PointImage& marker, Qt::MouseButton button, int x) {
    m_markerAddress = tagOf(&marker);
    if (button == Qt::LeftButton) {
        m_pressX = x;
        m_model.setDragging(true);
    }
}

void SystemPage::MusStartImageMouseMove(PointImage& marker, int x) {
    if (!m_model.dragging()) {
        return;
    }
    const MarkerPlace place = placeOf(marker);
    if (place.source == nullptr) {
        return;
    }
    marker.move(draggedMarkerX(marker.x(), m_pressX, x), marker.y());
    // The bar's change handling sends the value and puts both markers back on the scale; a bar
    // already at its end does not change, so the marker is put back on it here too.
    QSlider* bar = place.source->bars[static_cast<size_t>(place.role)];
    bar->setValue(volumeBarPositionOfMarker(marker.x()));
    marker.move(volumeMarkerPosition(bar->value()), marker.y());
    place.source->valueLabel->show();
}

void SystemPage::MusStartImageMouseUp() {
    m_model.setDragging(false);
    for (const VolumeWidgets& source : m_parts.volumes) {
        source.valueLabel->hide();
    }
}

}  // namespace aec
