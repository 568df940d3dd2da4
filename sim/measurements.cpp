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
    MeasurementRow row{};
    row.x = start.position.x;
    row.y = start.position.y;
    row.u = start.velocity.u;
    row.v = start.velocity.v;
    body1_ = start.body1;
    if (start.attractions) attract(row, *start.attractions);
    rows_.push_back(row);
}

void MeasurementLog::stepComputed(const StepRecord& step)
{
    if (step.depth != depth_ || rows_.empty()) return;
    // The step computed the distances and forces of the instant it started from: the newest row.
    attract(rows_.back(), step.attractions);
    const MeasurementRow& from = rows_.back();
    // The newest row was kept only for being the newest.
    if (from.step % stride_ != 0) rows_.pop_back();
    if (rows_.size() >= rowCap_) thin();
    swept_ += sweptTriangle(body1_, step.drawnPosition, step.position);
    MeasurementRow& row = rows_.emplace_back();
    row.step = step.step;
    row.elapsedSeconds = step.elapsed;
    row.elapsedYears = step.elapsedYears;
    row.x = step.position.x;
    row.y = step.position.y;
    row.u = step.velocity.u;
    row.v = step.velocity.v;
    row.sweptArea = swept_;
}

void MeasurementLog::attract(MeasurementRow& row, const Attractions& attractions)
{
    row.distance1Au = attractions.distance1Au;
    row.distance2Au = attractions.distance2Au;
    row.force1 = attractions.force1;
    row.force2 = attractions.force2;
    row.energies = energiesAt(attractions, {row.u, row.v});
    row.hasAttractions = true;
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
    "énergie cinétique [J]",
    "énergie potentielle [J]",
    "énergie mécanique [J]",
};

// The rows as a table of text, fields between `separator`, a file's mark first or not.
void writeTable(const TextSink& write, std::span<const MeasurementRow> rows, const platform::NumberText& numbers,
                std::int64_t everyNth, char separator, std::string_view start)
{
    // Lines are gathered up to about this many bytes before they go.
    constexpr std::size_t piece = 16 * 1024;
    everyNth = std::max<std::int64_t>(everyNth, 1);
    std::string out(start);
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
        field(row.energies.kinetic, row.hasAttractions);
        field(row.energies.potential, row.hasAttractions);
        field(row.energies.mechanical(), row.hasAttractions);
        out += "\r\n";
        if (out.size() >= piece) {
            write(out);
            out.clear();
        }
    }
    write(out);
}

}  // namespace

void writeMeasurementsCsv(const TextSink& write, std::span<const MeasurementRow> rows,
                          const platform::NumberText& numbers, std::int64_t everyNth)
{
    writeTable(write, rows, numbers, everyNth, numbers.decimalSeparator() == "," ? ';' : ',', byteOrderMark);
}

std::string measurementsTabSeparated(std::span<const MeasurementRow> rows, const platform::NumberText& numbers)
{
    std::string text;
    writeTable([&text](std::string_view piece) { text += piece; }, rows, numbers, 1, '\t', {});
    return text;
}

std::string measurementsCsv(std::span<const MeasurementRow> rows, const platform::NumberText& numbers,
                            std::int64_t everyNth)
{
    std::string csv;
    writeMeasurementsCsv([&csv](std::string_view piece) { csv += piece; }, rows, numbers, everyNth);
    return csv;
}

}  // namespace virenast::sim
