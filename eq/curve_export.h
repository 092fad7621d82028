#pragma once
// A page's summed response as text for other programs (spreadsheets, loudspeaker design tools):
// one line per grid point. The window's export and aec-preset write the same bytes.

#include <string>

#include "eq/response_grid.h"

namespace aec {

class Model;

enum class CurveFormat {
    kTab,  // "frequency_hz<TAB>dB"
    kCsv,  // "Frequency (Hz),Level (dB)" header, then "frequency,dB"
    kFrd,  // "*" comment lines, then "frequency dB phase" with phase 0
};

// The summed response of a base page, from ViewStore: every band and crossover, as drawn.
BandCurve pageResponse(const Model& model, int basePage);

// The curve as text, frequency with 2 decimals and level with 3, dot decimals whatever the
// locale. `title` becomes a "* " comment line of an FRD file and is ignored by the others.
std::string curveText(const BandCurve& curve, CurveFormat format, const std::string& title = {});

// The device page, and its right set, that the graph of a base page shows under the selection.
struct ShownPage {
    int devicePage = 0;
    bool right = false;
};
ShownPage shownPage(const Model& model, int basePage);

// "Summed response of device page 0, right set".
std::string responseTitle(const ShownPage& shown);

// The whole file for the page on show: pageResponse in `format`, titled by responseTitle.
std::string pageCurveText(const Model& model, int basePage, CurveFormat format);

}  // namespace aec
