// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files of the practical sheets (docs/fiches-tp.md), as the program writes them:
//
//   virenast_sheet_files scenarios DOCS_FOLDER
//     writes each sheet's scenario into DOCS_FOLDER/scenarios/ and puts its line, with its link,
//     into DOCS_FOLDER/fiches-tp.md in place of the line that offers the same file (what
//     scripts/sheet-scenarios.sh does, and TeachingSheetScenarios.* checks);
//   virenast_sheet_files measurements OUT_FOLDER
//     makes the runs of the sheets whose Python reads the measurements, each from its sheet's
//     scenario with a few more texts typed, and writes each run's CSV as the desktop saves it
//     under a French system (every step, decimal comma) and under the name the program offers
//     for a run started at the time given here: the runs a script reads together go into one
//     folder, OUT_FOLDER/<folder>/mesures-2026-12-09-14h05m32.csv and so on; prints a line for
//     each folder, "<script> <folder>", the script being the one whose first line names it
//     ("# periode.py …"), for the test that runs the sheets' Python on them.
#include "platform/memory_platform.h"
#include "sim/measurements.h"
#include "sim/orbit_simulation.h"
#include "form/file_menu.h"
#include "form/scenario.h"
#include "support/sheet_scenarios.h"
#include "support/teaching_scenarios.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace virenast;
using testing::SheetScenarioFile;

// A run whose measurements a sheet's Python reads: its sheet's scenario file with a few more texts
// typed, started at a time of a class's session (local time), which names its file.
struct MeasuredRun {
    const char* sheet;  // the scenario file it starts from
    std::vector<testing::TypedText> more;
    int year, month, day, hour, minute, second;
};

// The runs a script reads together, saved in one folder as a class saves them.
struct ScriptFolder {
    const char* script;  // the Python that reads them
    const char* folder;
    std::vector<MeasuredRun> runs;
};

// Sheet 7's ellipse, then the two other start speeds of its table, a few minutes apart.
const MeasuredRun ellipse{"fiche-7.virenast", {{"vx", "25000"}}, 2026, 12, 9, 14, 5, 32};
const MeasuredRun slower{"fiche-7.virenast", {{"vx", "22000"}}, 2026, 12, 9, 14, 9, 10};
const MeasuredRun faster{"fiche-7.virenast", {{"vx", "28000"}}, 2026, 12, 9, 14, 11, 47};
// Sheet 8's turn, the sun alone, then with body 2 pulling.
const MeasuredRun sunAlone{"fiche-8.virenast", {}, 2026, 12, 16, 14, 6, 5};
const MeasuredRun bothPulling{"fiche-8-deux-corps.virenast", {}, 2026, 12, 16, 14, 8, 40};

const std::vector<ScriptFolder> scriptFolders{
    {"periode", "un-calcul", {ellipse}},
    {"periode", "trois-calculs", {ellipse, slower, faster}},
    {"aires", "deux-calculs", {sunAlone, bothPulling}},
};

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

// The run's CSV as the program saves it, under the name it offers; false on a fault.
bool writeRun(const MeasuredRun& measured, const std::filesystem::path& folder)
{
    const SheetScenarioFile* sheet = nullptr;
    for (const SheetScenarioFile& file : testing::sheetScenarioFiles())
        if (std::string_view(file.file) == measured.sheet) sheet = &file;
    if (!sheet) return false;
    std::vector<testing::TypedText> typed = sheet->more;
    typed.insert(typed.end(), measured.more.begin(), measured.more.end());
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
        std::fprintf(stderr, "the run of %s did not end with its years\n", measured.sheet);
        return false;
    }
    std::tm started{};
    started.tm_year = measured.year - 1900;
    started.tm_mon = measured.month - 1;
    started.tm_mday = measured.day;
    started.tm_hour = measured.hour;
    started.tm_min = measured.minute;
    started.tm_sec = measured.second;
    std::ofstream out(folder / form::offeredFileName(form::FileCommand::SaveMeasurements, &started), std::ios::binary);
    sim::writeMeasurementsCsv([&out](std::string_view piece) { out.write(piece.data(), std::ssize(piece)); },
                              log.rows(), window.numbers());
    out.close();
    return static_cast<bool>(out);
}

int writeMeasurements(const std::filesystem::path& out)
{
    for (const ScriptFolder& scripts : scriptFolders) {
        std::filesystem::create_directories(out / scripts.folder);
        for (const MeasuredRun& measured : scripts.runs)
            if (!writeRun(measured, out / scripts.folder)) return 1;
        std::printf("%s %s\n", scripts.script, scripts.folder);
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
