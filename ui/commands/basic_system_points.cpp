#include "ui/commands/basic_system_points.h"

#include <QSlider>

#include "link/volume_rules.h"

namespace aec {

namespace {

// Source of each volume bar: its pane and the start and maximum bars and markers of the group.
struct VolumeSource {
    const char* source;  // Mus, Mic, Eff
};
constexpr VolumeSource kSources[3] = {{"Mus"}, {"Mic"}, {"Eff"}};

}  // namespace

void BasicSystemPoints::SysMusNormalVolBarChange(QSlider& bar) {
    const QString name = bar.objectName();
    const QString paneName = QString(name).replace("VolBar", "VolPane");
    if (auto* pane = m_controls.get<QLabel>(paneName)) {
        pane->setText(QString::number(bar.value()));
        SetHint(pane, QString::number(bar.value()));
    }
    for (const VolumeSource& g : kSources) {
        const QString source = g.source;
        if (!name.startsWith("Sys" + source)) {
            continue;
        }
        const auto place = [&](const QString& marker, const QString& barName) {
            auto* image = m_controls.find(marker);
            auto* limit = m_controls.get<QSlider>(barName);
            if (image && limit) {
                image->move(VolumeMarkerPosition(limit->value()), image->y());
            }
        };
        place(source + "StartImage", "Sys" + source + "StartVolBar");
        place(source + "MaxImage", "Sys" + source + "MaxVolBar");
    }
    m_sink.SetParameter(TagOf(&bar), bar.value());
}

}  // namespace aec
