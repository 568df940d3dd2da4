// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "energies.h"
#include "platform/number_text.h"
#include "run_records.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The last run's measurements, for a spreadsheet or a few lines of Python: one row for the run's
// start and one for the end of each step, every value of a row at the same instant.
namespace virenast::sim {

// One instant of a run. The distances and forces at an instant, and the energies with them, are
// computed only when a step starts from it, so the run's last instant has none (`hasAttractions`
// false), and neither has the start when the reset failed.
struct MeasurementRow {
    std::int64_t step;  // 0 for the start
    std::int64_t elapsedSeconds;
    double elapsedYears;  // as tempscourant shows it
    double x, y;          // AU, as xsc and ysc show them
    double u, v;          // m/s
    double distance1Au, distance2Au;
    double force1, force2;  // N
    double sweptArea;  // AU²: swept about body 1 since the start, the steps' triangles summed
    Energies energies;  // J, computed with the distances
    bool hasAttractions;
};

// Keeps the rows of the last run started. A run started inside another's yield is the last run
// from then on: the steps its outer run makes after it are not kept.
//
// Memory is bounded: at most `rowCap` rows (120 bytes each: 63 MB for the default, which holds a
// 30-year run at 1 hour, 262 621 steps, whole). A longer run is thinned as it goes: when the cap
// is reached the rows of odd multiples of the stride are dropped and the stride doubles, so the
// rows kept are those of the steps that are multiples of `stride()`, with the start and the
// newest row always kept. The next run gives the memory back before it starts its own.
class MeasurementLog final : public RunObserver {
public:
    static constexpr std::size_t defaultRowCap = std::size_t{1} << 19;

    explicit MeasurementLog(std::size_t rowCap = defaultRowCap);

    void runStarted(const RunStarted& started) override;
    void runStartState(const RunStartState& start) override;
    void stepComputed(const StepRecord& step) override;

    // Whether the last run has anything to save: it read its start values.
    bool hasRows() const { return !rows_.empty(); }
    std::span<const MeasurementRow> rows() const { return rows_; }
    std::int64_t stride() const { return stride_; }

private:
    void thin();
    // The distances and forces that a step computed at the row's instant, and the energies there.
    static void attract(MeasurementRow& row, const Attractions& attractions);

    std::size_t rowCap_;
    std::vector<MeasurementRow> rows_;
    std::int64_t stride_ = 1;
    int depth_ = 0;  // of the run whose rows are kept
    AuPoint body1_{};
    double swept_ = 0;
};

// Where a text goes a piece at a time (a file written as it goes): each piece is whole lines.
using TextSink = std::function<void(std::string_view piece)>;

// Writes the rows as CSV for a spreadsheet of the user's language: a header with the units, then
// the start row, every `everyNth` step's row and the last row (so the file always ends where
// the run ended). Numbers are written as the window writes them (`numbers`), with `;` between
// fields under the decimal comma and `,` otherwise; a value not computed at that instant is an
// empty field. The rows go to `write` a few kilobytes at a time.
void writeMeasurementsCsv(const TextSink& write, std::span<const MeasurementRow> rows,
                          const platform::NumberText& numbers, std::int64_t everyNth = 1);
// Every row, tab-separated and without the file's mark, for a paste into a spreadsheet: the
// numbers as the window writes them, which a spreadsheet of the same language reads as numbers.
std::string measurementsTabSeparated(std::span<const MeasurementRow> rows, const platform::NumberText& numbers);
// The same CSV, whole in one string.
std::string measurementsCsv(std::span<const MeasurementRow> rows, const platform::NumberText& numbers,
                            std::int64_t everyNth = 1);

}  // namespace virenast::sim
