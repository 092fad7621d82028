#pragma once
// The A/B slot not in use, drawn as a thin second curve on the graph of the page on show.

#include <cstdint>

#include "core/model.h"
#include "eq/band_curve.h"
#include "ui/graph/graph_view.h"

namespace aec {

class CompareOverlay {
  public:
    CompareOverlay(const Model& model, GraphView& graph);
    ~CompareOverlay();
    CompareOverlay(const CompareOverlay&) = delete;
    CompareOverlay& operator=(const CompareOverlay&) = delete;

  private:
    // The other slot's curve for the page, computed again only when something it shows moved.
    const BandCurve& curve(int page);

    const Model& m_model;
    GraphView& m_graph;
    BandCurve m_curve{};
    int m_page = -1;
    Selection m_selection;
    uint64_t m_generation = 0;
};

}  // namespace aec
