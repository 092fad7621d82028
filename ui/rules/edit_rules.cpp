#include "ui/rules/edit_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/display.h"
#include "core/pages.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kGainMax = 180;
constexpr int kDynamicEqGainMin = 60;
constexpr int kInputVolumeMax = 40;
constexpr int kModeMax = 3;
constexpr std::string_view kAccessCode = "CONSOLE5832";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numberCharacters(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c == '-' || c == '.' || isDigit(c)) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::optional<double> readDecimal(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    int digits = 0;
    int points = 0;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && points == 0) {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return std::strtod(std::string(text).c_str(), nullptr);
}

bool editKeyAllowed(char32_t ch) {
    return ch == U'\b' || ch == U'\r' || ch == U'-' || ch == U'.' || (ch >= U'0' && ch <= U'9');
}

double steppedValue(double x, EditStep step) {
    switch (step) {
        case EditStep::kUp:
            return x + 1;
        case EditStep::kDown:
            return x - 1;
        default:
            return x;
    }
}

double limitValue(int kind, EditStep step, bool refresh, double x, int page, int qLimit) {
    const double stepped = refresh ? x : steppedValue(x, step);
    // A refreshed value is only limited from above; an edited one to the whole range.
    const auto limit = [&](double max) {
        return refresh ? std::min(x, max) : std::clamp(stepped, 0.0, max);
    };
    switch (kind) {
        case kKindMode:
            return std::min(x, double(kModeMax));
        case kKindFrequency:
            return limit(kFreqMax);
        case kKindGain: {
            const double v = limit(kGainMax);
            return page == kPageDynamicEq ? std::max(v, double(kDynamicEqGainMin)) : v;
        }
        case kKindQ:
            return refresh ? x : std::clamp(stepped, 0.0, double(qLimit));
        case kKindInputVolume:
            return limit(kInputVolumeMax);
        default:
            break;
    }
    if (kind > kKindLastEditBox && kind <= kKindLast) {
        return std::clamp(x, 0.0, double(displayRange(kind, page, 0).max));
    }
    return x;
}

bool kindRecordsLastEdit(int kind) { return kind <= 7 || kind == 13 || kind == 19; }

bool isAccessCode(std::string_view text) { return text == kAccessCode; }

}  // namespace aec
