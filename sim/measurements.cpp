// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/measurements.h"

#include "sim/swept_sectors.h"

#include <algorithm>
#include <string_view>

namespace virenast::sim {

MeasurementLog::MeasurementLog(std::size_t rowCap) : rowCap_(std::max<std::size_t>(rowCap, 4)) {}

void MeasurementLog::runStarted(const RunStarted& started)
{
    // The last run's rows are given back, not kept as room for the next: a long run's tens of
    // megabytes stay only as long as they are the ones to save.
    rows_ = std::vector<MeasurementRow>();
    stride_ = 1;
    depth_ = started.depth;
    swept_ = 0;
}

void MeasurementLog::runStartState(const RunStartState& start)
{
    if (start.depth != depth_) return;
    MeasurementRow row{0,
                       0,
                       0.0,
                       start.position.x,
                       start.position.y,
                       start.velocity.u,
                       start.velocity.v,
                       0.0,
                       0.0,
                       0.0,
                       0.0,
                       start.attractions.has_value(),
                       0.0};
    body1_ = start.body1;
    if (start.attractions) {
        row.distance1Au = start.attractions->distance1Au;
        row.distance2Au = start.attractions->distance2Au;
        row.force1 = start.attractions->force1;
        row.force2 = start.attractions->force2;
    }
    rows_.push_back(row);
}

void MeasurementLog::stepComputed(const StepRecord& step)
{
    if (step.depth != depth_ || rows_.empty()) return;
    // The step computed the distances and forces of the instant it started from: the newest row.
    MeasurementRow& from = rows_.back();
    from.distance1Au = step.attractions.distance1Au;
    from.distance2Au = step.attractions.distance2Au;
    from.force1 = step.attractions.force1;
    from.force2 = step.attractions.force2;
    from.hasAttractions = true;
    // The newest row was kept only for being the newest.
    if (from.step % stride_ != 0) rows_.pop_back();
    if (rows_.size() >= rowCap_) thin();
    swept_ += sweptTriangle(body1_, step.drawnPosition, step.position);
    rows_.push_back({step.step, step.elapsed, step.elapsedYears, step.position.x, step.position.y, step.velocity.u,
                     step.velocity.v, 0.0, 0.0, 0.0, 0.0, false, swept_});
}

void MeasurementLog::thin()
{
    stride_ *= 2;
    std::erase_if(rows_, [this](const MeasurementRow& row) { return row.step % stride_ != 0; });
}

namespace {

// Excel reads a CSV file as UTF-8 only when it starts with a byte-order mark, and LibreOffice
// Calc's import dialog proposes UTF-8 on its own only then (otherwise the system's character
// set, Windows-1252 on a French Windows), so the accents of the headers need it. Python reads
// it with encoding="utf-8-sig", pandas on its own.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

constexpr const char* headers[] = {
    "temps [années]",
    "temps [s]",
    "x [UA]",
    "y [UA]",
    "vx [m/s]",
    "vy [m/s]",
    "distance corps1 corps [UA]",
    "distance corps2 corps [UA]",
    "action corps1 corps [N]",
    "action corps2 corps [N]",
    "aire balayée autour du corps1 [UA²]",
};

}  // namespace

void writeMeasurementsCsv(const TextSink& write, std::span<const MeasurementRow> rows,
                          const platform::NumberText& numbers, std::int64_t everyNth)
{
    // Lines are gathered up to about this many bytes before they go.
    constexpr std::size_t piece = 16 * 1024;
    const char separator = numbers.decimalSeparator() == "," ? ';' : ',';
    everyNth = std::max<std::int64_t>(everyNth, 1);
    std::string out(byteOrderMark);
    for (std::size_t i = 0; i < std::size(headers); ++i) {
        if (i != 0) out += separator;
        out += headers[i];
    }
    out += "\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MeasurementRow& row = rows[i];
        if (row.step % everyNth != 0 && i + 1 != rows.size()) continue;
        const auto field = [&](double value, bool shown) {
            out += separator;
            if (shown) out += numbers.toText(value).view();
        };
        out += numbers.toText(row.elapsedYears).view();
        field(static_cast<double>(row.elapsedSeconds), true);
        field(row.x, true);
        field(row.y, true);
        field(row.u, true);
        field(row.v, true);
        field(row.distance1Au, row.hasAttractions);
        field(row.distance2Au, row.hasAttractions);
        field(row.force1, row.hasAttractions);
        field(row.force2, row.hasAttractions);
        field(row.sweptArea, true);
        out += "\r\n";
        if (out.size() >= piece) {
            write(out);
            out.clear();
        }
    }
    write(out);
}

std::string measurementsCsv(std::span<const MeasurementRow> rows, const platform::NumberText& numbers,
                            std::int64_t everyNth)
{
    std::string csv;
    writeMeasurementsCsv([&csv](std::string_view piece) { csv += piece; }, rows, numbers, everyNth);
    return csv;
}

}  // namespace virenast::sim
