#include "eq/curve_export.h"

#include <charconv>

#include "core/model.h"
#include "eq/curve_sources.h"

namespace aec {

namespace {

// to_chars ignores the C locale, which a Qt application sets from the user's environment.
void appendFixed(std::string& out, double v, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    out.append(buffer, result.ec == std::errc{} ? result.ptr : buffer);
}

struct LineShape {
    char separator;
    const char* tail;  // after the level: the FRD's phase column
};

LineShape shapeOf(CurveFormat format) {
    switch (format) {
        case CurveFormat::kCsv:
            return {',', "\n"};
        case CurveFormat::kFrd:
            return {' ', " 0\n"};
        case CurveFormat::kTab:
            break;
    }
    return {'\t', "\n"};
}

}  // namespace

BandCurve pageResponse(const Model& model, int basePage) {
    CurveSourceTable table{};
    return sumCurves(table, computePageCurves(model, basePage, table));
}

std::string curveText(const BandCurve& curve, CurveFormat format, const std::string& title) {
    std::string out;
    out.reserve(ResponseGrid::kPoints * 24 + 128);
    if (format == CurveFormat::kCsv) {
        out += "Frequency (Hz),Level (dB)\n";
    } else if (format == CurveFormat::kFrd) {
        if (!title.empty()) {
            out += "* " + title + "\n";
        }
        out += "* Frequency (Hz) Level (dB) Phase (deg)\n";
    }
    const LineShape shape = shapeOf(format);
    for (int g = 0; g < ResponseGrid::kPoints; ++g) {
        appendFixed(out, GridIndexToFreq(g), 2);
        out += shape.separator;
        appendFixed(out, curve[g], 3);
        out += shape.tail;
    }
    return out;
}

ShownPage shownPage(const Model& model, int basePage) {
    // The right set moves the band slots; the first band's frequency slot tells.
    const int probe = BandSlot(firstEqSlot(basePage), 0, 1);
    return {pageOf(model.ResolveAddress(makeAddress(basePage, 0))),
            model.ChannelSlot(basePage, probe) != probe};
}

std::string responseTitle(const ShownPage& shown) {
    return "Summed response of device page " + std::to_string(shown.devicePage) +
           (shown.right ? ", right set" : "");
}

std::string pageCurveText(const Model& model, int basePage, CurveFormat format) {
    return curveText(pageResponse(model, basePage), format,
                     responseTitle(shownPage(model, basePage)));
}

}  // namespace aec
