#include "presets/filter_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>

#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr double kSameRatio = 1e-4;  // a table value read back from its text
constexpr double kGainStepDb = 0.2;
constexpr int kGainZeroRaw = 120;

bool same(double a, double b) { return std::abs(a - b) <= kSameRatio * std::abs(b); }

// The entry of `table` nearest to `value` on a logarithmic scale.
int nearestIndex(std::span<const ScaleEntry> table, double value) {
    const double target = std::log(std::max(value, 1e-9));
    int best = 0;
    double bestDistance = INFINITY;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double d = std::abs(std::log(static_cast<double>(table[i].value)) - target);
        if (d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

class Planner {
  public:
    Planner(const ImportTarget& target, FilterPlan& plan) : m_target(target), m_plan(plan) {}

    void issue(int line, IssueKind kind, std::string text = {}, double before = 0,
               double after = 0) {
        m_plan.issues.push_back({line, kind, std::move(text), before, after});
    }

    int freq(const ParsedFilter& f) {
        const double hz = *f.freq;
        const int index = nearestFreqIndex(hz);
        const double table = kFreqTable[index].value;
        if (!same(hz, table)) {
            const bool outside = hz < kFreqTable.front().value || hz > kFreqTable.back().value;
            issue(f.line, outside ? IssueKind::FreqClamped : IssueKind::FreqRounded, {}, hz, table);
        }
        return index;
    }

    int q(const ParsedFilter& f, bool shelf, int fallback) {
        if (!f.q) {
            issue(f.line, IssueKind::NoQ, {}, 0, kQTable[fallback].value);
            return fallback;
        }
        const int maxIndex = shelf ? kShelfQMax : kQMax;
        const int index = nearestQIndex(*f.q, maxIndex);
        const double table = kQTable[index].value;
        if (!same(*f.q, table)) {
            const bool outside = *f.q < kQTable.front().value || *f.q > kQTable[maxIndex].value;
            issue(f.line, outside ? IssueKind::QClamped : IssueKind::QRounded, {}, *f.q, table);
        }
        return index;
    }

    int gain(const ParsedFilter& f) {
        const double db = *f.gain;
        const double steps = std::round(db / kGainStepDb);
        const int raw =
            static_cast<int>(std::clamp(steps + kGainZeroRaw, static_cast<double>(m_target.gainMin),
                                        static_cast<double>(m_target.gainMax)));
        const double after = (raw - kGainZeroRaw) * kGainStepDb;
        if (raw != steps + kGainZeroRaw) {
            issue(f.line, IssueKind::GainClamped, {}, db, after);
        } else if (std::abs(db - after) > 1e-6) {
            issue(f.line, IssueKind::GainRounded, {}, db, after);
        }
        return raw;
    }

    bool forThisChannel(const ParsedFilter& f) const {
        if (f.channels.empty()) {
            return true;
        }
        return std::any_of(f.channels.begin(), f.channels.end(), [&](const std::string& c) {
            return std::find(m_target.channels.begin(), m_target.channels.end(), c) !=
                   m_target.channels.end();
        });
    }

    void add(const ParsedFilter& f) {
        if (f.kind == FilterKind::Other) {
            issue(f.line, IssueKind::UnsupportedType, f.type);
            return;
        }
        if (!forThisChannel(f)) {
            std::string names;
            for (const std::string& c : f.channels) {
                names += (names.empty() ? "" : " ") + c;
            }
            issue(f.line, IssueKind::OtherChannel, names);
            return;
        }
        const int band = static_cast<int>(m_plan.bands.size());
        if (band >= static_cast<int>(m_target.defaults.size())) {
            issue(f.line, IssueKind::TooManyFilters, f.type);
            return;
        }
        BandValues v = m_target.defaults[static_cast<std::size_t>(band)];
        const bool shelf = f.kind != FilterKind::Peak;
        v.mode = f.kind == FilterKind::Peak ? 1 : f.kind == FilterKind::LowShelf ? 2 : 3;
        if (!f.on) {
            // The band keeps the filter's values but plays nothing, as the file says.
            issue(f.line, IssueKind::FilterOff, f.type);
            v.mode = 0;
        }
        if (shelf && f.type.find(' ') != std::string::npos) {
            issue(f.line, IssueKind::ShelfVariant, f.type);
        }
        v.freq = freq(f);
        v.gain = gain(f);
        if (shelf && f.on) {
            v.shelfQ = q(f, true, v.shelfQ);
        } else {
            v.q = q(f, false, v.q);
        }
        m_plan.bands.push_back({band, f.line, v});
    }

    void fillDefaults() {
        const int first = static_cast<int>(m_plan.bands.size());
        const int count = static_cast<int>(m_target.defaults.size());
        for (int b = first; b < count; ++b) {
            m_plan.bands.push_back({b, 0, m_target.defaults[static_cast<std::size_t>(b)]});
        }
        if (first < count) {
            issue(0, IssueKind::Defaults, {}, first + 1, count);
        }
    }

  private:
    const ImportTarget& m_target;
    FilterPlan& m_plan;
};

}  // namespace

int nearestFreqIndex(double hz) { return nearestIndex(kFreqTable, hz); }

int nearestQIndex(double q, int maxIndex) {
    const auto count = static_cast<std::size_t>(std::clamp(maxIndex, 0, kQMax) + 1);
    return nearestIndex(std::span<const ScaleEntry>(kQTable).first(count), q);
}

FilterPlan planFilterImport(const FilterFile& file, const ImportTarget& target) {
    FilterPlan plan;
    plan.format = file.format;
    Planner planner(target, plan);
    if (file.tooLarge) {
        planner.issue(0, IssueKind::TooLarge);
        return plan;
    }
    for (const SkippedLine& s : file.skipped) {
        planner.issue(s.line,
                      s.problem == LineProblem::Unreadable ? IssueKind::Unreadable
                                                           : IssueKind::UnsupportedCommand,
                      s.text);
    }
    for (const PreampLine& p : file.preamps) {
        if (p.gain != 0) {
            planner.issue(p.line, IssueKind::Preamp, {}, p.gain);
        }
    }
    for (const ParsedFilter& f : file.filters) {
        planner.add(f);
    }
    plan.imported = static_cast<int>(plan.bands.size());
    if (plan.imported == 0) {
        // A file that gives no band changes nothing: the bands are not reset for it.
        planner.issue(0, IssueKind::NoFilters);
    } else {
        planner.fillDefaults();
    }
    std::stable_sort(
        plan.issues.begin(), plan.issues.end(), [](const ImportIssue& a, const ImportIssue& b) {
            const auto key = [](const ImportIssue& i) { return i.line == 0 ? INT_MAX : i.line; };
            return key(a) < key(b);
        });
    return plan;
}

}  // namespace aec
