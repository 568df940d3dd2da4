// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files of the practical sheets (docs/fiches-tp.md), as the program writes them:
//
//   virenast_sheet_files scenarios DOCS_FOLDER
//     writes each sheet's scenario into DOCS_FOLDER/scenarios/ and puts its line, with its link,
//     into DOCS_FOLDER/fiches-tp.md in place of the line that offers the same file (what
//     scripts/sheet-scenarios.sh does, and TeachingSheetScenarios.* checks);
//   virenast_sheet_files measurements OUT_FOLDER
//     makes the runs of the sheet that saves its measurements, each from that sheet's scenario
//     with its start speed typed, and writes each run's CSV as the desktop saves it under a
//     French system (every step, decimal comma) into OUT_FOLDER/<speed>/mesures.csv; prints
//     the speeds, one a line, for the test that runs the sheet's Python on them.
#include "platform/memory_platform.h"
#include "sim/measurements.h"
#include "sim/orbit_simulation.h"
#include "form/scenario.h"
#include "support/sheet_scenarios.h"
#include "support/teaching_scenarios.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace virenast;
using testing::SheetScenarioFile;

// The sheet that saves its measurements, and the start speeds of its runs (its own first).
constexpr std::string_view measuredSheet = "fiche-7.virenast";
constexpr const char* measuredSpeeds[] = {"25000", "22000", "28000"};

bool writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    return false;
}

int writeScenarios(const std::filesystem::path& docs)
{
    std::filesystem::create_directories(docs / "scenarios");
    const std::filesystem::path sheetsPath = docs / "fiches-tp.md";
    std::ifstream in(sheetsPath, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (lines.empty()) {
        std::fprintf(stderr, "cannot read %s\n", sheetsPath.string().c_str());
        return 1;
    }
    bool ok = true;
    for (const SheetScenarioFile& file : testing::sheetScenarioFiles()) {
        ok = writeFile(docs / "scenarios" / file.file, form::scenarioFile(testing::sheetScenario(file))) && ok;
        // The line that offers this very file, whatever its link said before.
        const std::string reference = std::string(testing::scenarioFileReference) + file.file + ")";
        bool placed = false;
        for (std::string& line : lines)
            if (line.find(reference) != std::string::npos) {
                const std::size_t indent = line.find_first_not_of(' ');
                line = line.substr(0, indent) + testing::sheetScenarioLine(file);
                placed = true;
            }
        if (!placed) {
            std::fprintf(stderr, "no line of %s offers %s: add this one under its \"Valeurs à taper\":\n%s\n",
                         sheetsPath.string().c_str(), file.file, testing::sheetScenarioLine(file).c_str());
            ok = false;
        }
    }
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\n");
    return writeFile(sheetsPath, text) && ok ? 0 : 1;
}

int writeMeasurements(const std::filesystem::path& folder)
{
    const SheetScenarioFile* sheet = nullptr;
    for (const SheetScenarioFile& file : testing::sheetScenarioFiles())
        if (file.file == measuredSheet) sheet = &file;
    if (!sheet) return 1;
    for (const char* speed : measuredSpeeds) {
        std::vector<testing::TypedText> typed = sheet->more;
        typed.push_back({"vx", speed});
        platform::MemoryPlatform window;  // a French system: the decimal comma
        testing::typeScenario(window, testing::teachingScenario(sheet->scenario), typed);
        sim::OrbitSimulation simulation(window);
        sim::MeasurementLog log;
        simulation.addObserver(log);
        simulation.runCalculation();
        // The sheet's runs go to the end of their years: an "Erreur" or a body gone is a fault.
        if (window.messages().size() != 1 || window.messages()[0].text != "Fin de calcul" ||
            window.numbers().toNumber(window.caption(platform::Label::tempscourant)) <
                window.numbers().toNumber(window.shownText(platform::yearsBox))) {
            std::fprintf(stderr, "the run at vx = %s did not end with its years\n", speed);
            return 1;
        }
        std::filesystem::create_directories(folder / speed);
        std::ofstream out(folder / speed / "mesures.csv", std::ios::binary);
        sim::writeMeasurementsCsv([&out](std::string_view piece) { out.write(piece.data(), std::ssize(piece)); },
                                  log.rows(), window.numbers());
        out.close();
        if (!out) return 1;
        std::printf("%s\n", speed);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view mode = argc == 3 ? argv[1] : "";
    if (mode == "scenarios") return writeScenarios(argv[2]);
    if (mode == "measurements") return writeMeasurements(argv[2]);
    std::fprintf(stderr, "usage: %s scenarios DOCS_FOLDER | measurements OUT_FOLDER\n", argv[0]);
    return 2;
}
