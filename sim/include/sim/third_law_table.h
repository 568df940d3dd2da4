// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "measurements.h"
#include "orbit_period.h"
#include "platform/number_text.h"

#include <array>
#include <string>
#include <vector>

// "Troisième loi": a row for each run that ended with at least one whole turn about body 1 (two
// closest approaches), read from its rows as the graphs and the sheets read them: the period, the
// semi-major axis, T²/a³, and whether body 2 pulled too. Kept until the program closes, so that a
// class compares the orbits of a session's runs; a run without a whole turn adds no row.
namespace virenast::sim {

// The table's title, its columns' headings and how its last column says body 2's pull.
inline constexpr const char* thirdLawTitle = "Troisième loi";
inline constexpr std::array<const char*, 4> thirdLawColumns{"T [années]", "a [UA]", "T²/a³ [années²/UA³]",
                                                            "corps céleste 2"};
constexpr const char* body2PullText(bool pulled) { return pulled ? "attire aussi" : "n'attire pas"; }

struct ThirdLawRow {
    double period;         // years: the mean time between closest approaches
    double semiMajorAxis;  // AU
    double ratio;          // T²/a³, years² per AU³
    bool body2Pulled;      // body 2's G was not zero at some step
};

class ThirdLawTable final : public RunObserver {
public:
    explicit ThirdLawTable(const MeasurementLog& log) : log_(log) {}

    const std::vector<ThirdLawRow>& rows() const { return rows_; }
    // The table with its headers, tab-separated for a spreadsheet: the figures whole, as the
    // window writes them.
    std::string tabSeparated(const platform::NumberText& numbers) const;

    void runStarted(const RunStarted& started) override;
    void stepComputed(const StepRecord& step) override;
    void runEnded(const RunEnded& ended) override;

private:
    const MeasurementLog& log_;
    std::vector<ThirdLawRow> rows_;
    int depth_ = 0;  // of the run whose rows the measurements keep
    bool body2Pulled_ = false;
};

}  // namespace virenast::sim
