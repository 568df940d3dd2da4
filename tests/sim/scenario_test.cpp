// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scenarios from anyone: what each hostile input gives (its message, what is still taken), a
// scenario written as a file or a link and read again gives the same boxes, and applying one
// fills the boxes as typing would.
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "form/scenario.h"
#include "sim/user_messages.h"
#include "support/case_names.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace virenast::testing {
namespace {

using platform::MemoryPlatform;
using platform::TextBox;
using form::Scenario;
using form::ScenarioReading;

enum class Way { File, Link };

struct HostileCase {
    const char* what;
    Way way;
    std::string input;
    std::vector<std::string> messages;
    bool refused;
    const char* g1Taken;  // what G1 holds after reading, nullptr for nothing
};

void PrintTo(const HostileCase& hostile, std::ostream* out) { *out << hostile.what; }

constexpr const char* missingStep =
    "Le pas de temps (HScroll1) manque : la barre « Finesse du calcul » garde sa valeur.";
constexpr const char* nothingTaken = "Aucune valeur n'a pu être lue dans ce scénario : rien n'a changé.";
std::string badStep(const std::string& where, const std::string& text)
{
    return where + "le pas de temps « " + text +
           " » n'est pas un nombre entier d'heures de 1 à 24 : la barre « Finesse du calcul » garde sa valeur.";
}

std::string accents(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += "é";
    return text;
}

const std::string notText = "Ce fichier n'est pas un scénario : ce n'est pas du texte UTF-8. Rien n'a changé.";
const std::string repeated = " est déjà donné plus haut : seule la première valeur est gardée.";

// clang-format off
const std::vector<HostileCase> hostileCases{
    {"unknown_name", Way::File, "G1=5\nfoo=3\nHScroll1=2", {"Ligne 2 : nom inconnu « foo » : ignoré."}, false, "5"},
    {"repeated_name", Way::File, "G1=5\nG1=6\nHScroll1=2", {"Ligne 2 : « G1 »" + repeated}, false, "5"},
    {"alias_after_its_name", Way::File, "G1=1\nText4=5\nmasse=6\npas=2", {"Ligne 3 : « masse »" + repeated}, false, "1"},
    {"text_over_the_cap", Way::File, "G1=" + std::string(201, '1') + "\nx1=2\npas=2",
     {"Ligne 1 : le texte de « G1 » dépasse 200 caractères : ignoré."}, false, nullptr},
    {"cap_counts_characters", Way::Link, "G1=" + accents(200) + "&pas=2", {}, false, nullptr},
    {"control_character", Way::File, "G1=5\x01\nx1=2\npas=2",
     {"Ligne 1 : le texte de « G1 » contient un caractère de contrôle : ignoré."}, false, nullptr},
    {"line_without_equals", Way::File, "# comment\n\n  G1 5\nx1=2\npas=2", {"Ligne 3 : « G1 5 » sans « = » : ignorée."},
     false, nullptr},
    {"missing_time_step", Way::File, "\xEF\xBB\xBFG1=5\r\n", {missingStep}, false, "5"},
    {"time_step_zero", Way::File, "G1=5\nHScroll1=0", {badStep("Ligne 2 : ", "0")}, false, "5"},
    {"time_step_25", Way::File, "G1=5\nHScroll1=25", {badStep("Ligne 2 : ", "25")}, false, "5"},
    {"time_step_not_whole", Way::File, "G1=5\nHScroll1=2,5", {badStep("Ligne 2 : ", "2,5")}, false, "5"},
    {"time_step_huge", Way::File, "G1=5\nHScroll1=99999999999999999999", {badStep("Ligne 2 : ", "99999999999999999999")},
     false, "5"},
    {"nul_byte", Way::File, std::string("G1=5\0\npas=2", 11), {notText}, true, nullptr},
    {"not_utf8", Way::File, "G1=5\xFF\npas=2", {notText}, true, nullptr},
    {"comments_only", Way::File, "# rien\n\n   \n", {nothingTaken}, true, nullptr},
    {"over_64_KiB", Way::File, std::string(64 * 1024 + 1, 'a'),
     {"Le scénario dépasse 64 Kio : il n'est pas lu, rien n'a changé."}, true, nullptr},
    {"link_broken_escape", Way::Link, "G1=%G1&x1=2&pas=2", {"Lien : élément « G1=%G1 » avec un code « % » invalide, ignoré."},
     false, nullptr},
    {"link_cut_escape", Way::Link, "x1=2&pas=2&G1=5%2", {"Lien : élément « G1=5%2 » avec un code « % » invalide, ignoré."},
     false, nullptr},
    {"link_escaped_not_utf8", Way::Link, "G1=%FF&x1=2&pas=2", {"Lien : le texte de « G1 » n'est pas du texte UTF-8 : ignoré."},
     false, nullptr},
    {"link_escaped_nul", Way::Link, "G1=5%00&x1=2&pas=2",
     {"Lien : le texte de « G1 » contient un caractère de contrôle : ignoré."}, false, nullptr},
    {"link_over_the_cap", Way::Link, "G1=" + accents(201) + "&x1=2&pas=2",
     {"Lien : le texte de « G1 » dépasse 200 caractères : ignoré."}, false, nullptr},
    {"link_pair_without_equals", Way::Link, "G1=5&&x1&pas=2", {"Lien : élément « x1 » sans « = », ignoré."}, false, "5"},
    {"link_bad_time_step", Way::Link, "G1=5&pas=-1", {badStep("Lien : ", "-1")}, false, "5"},
    {"link_name_shown_printable", Way::Link, "G%01=5&x1=2&pas=2", {"Lien : nom inconnu « G? » : ignoré."}, false, nullptr},
    {"link_html_is_a_typed_text", Way::Link, "G1=%3Cb%3E1%3C%2Fb%3E&pas=2", {}, false, "<b>1</b>"},
    {"link_plus_is_a_plus", Way::Link, "#G1=1e+5&pas=2", {}, false, "1e+5"},
    {"link_only_garbage", Way::Link, "%%%&&&", {"Lien : élément « %%% » sans « = », ignoré.", nothingTaken}, true, nullptr},
};
// clang-format on

class HostileScenario : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileScenario, GivesItsMessageAndTakesTheRest)
{
    const HostileCase& hostile = GetParam();
    const ScenarioReading reading =
        hostile.way == Way::File ? form::readScenarioFile(hostile.input) : form::readScenarioLink(hostile.input);
    EXPECT_EQ(reading.messages, hostile.messages);
    EXPECT_EQ(reading.refused, hostile.refused);
    if (hostile.refused) {
        EXPECT_TRUE(reading.scenario.empty());
    }
    if (hostile.g1Taken != nullptr) {
        ASSERT_TRUE(reading.scenario.texts[0].has_value());
        EXPECT_EQ(*reading.scenario.texts[0], hostile.g1Taken);
    } else if (!hostile.refused && hostile.messages.size() == 1 &&
               hostile.messages[0].find("G1") != std::string::npos) {
        EXPECT_FALSE(reading.scenario.texts[0].has_value()) << "a pair left out is left out whole";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileScenario, ::testing::ValuesIn(hostileCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Scenario, ManyFaultsGiveAShortListThatCountsTheRest)
{
    std::string input;
    for (int i = 0; i < 100; ++i) input += "inconnu" + std::to_string(i) + "=1\n";
    const ScenarioReading reading = form::readScenarioFile(input + "pas=3\n");
    ASSERT_EQ(reading.messages.size(), 13u);
    EXPECT_EQ(reading.messages[12], "… et 88 autres éléments ignorés.");
    EXPECT_EQ(reading.scenario.timeStepHours, 3);
}

TEST(Scenario, AHugeStreamIsNotReadBeyondTheCap)
{
    std::istringstream tenMegabytes(std::string(10 * 1024 * 1024, '\x9c'));
    const ScenarioReading reading = form::readScenarioFile(tenMegabytes);
    EXPECT_TRUE(reading.refused);
    EXPECT_EQ(reading.messages.size(), 1u);
    EXPECT_EQ(tenMegabytes.tellg(), static_cast<std::streamoff>(form::scenarioInputCap + 1));
}

Scenario oddScenario()
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    window.type(TextBox::G1, " 13\xC2\xA0"
                             "271 244 ");  // a no-break space, blanks either side
    window.type(TextBox::x2, "a&b=c#d%e+f/g?h");
    window.type(TextBox::Text4, "1000,5é");
    window.type(TextBox::vy, "");
    window.moveScrollBar(24);
    return form::currentScenario(window, form::DisplayChoices());
}

TEST(Scenario, AFileOrALinkReadsBackToTheSameBoxes)
{
    const Scenario scenario = oddScenario();
    const ScenarioReading fromFile = form::readScenarioFile(form::scenarioFile(scenario));
    EXPECT_TRUE(fromFile.messages.empty()) << form::scenarioMessagesText(fromFile);
    EXPECT_EQ(fromFile.scenario, scenario);
    const std::string link = form::scenarioLink(scenario);
    const ScenarioReading fromLink = form::readScenarioLink("virenast.html#" + link);
    EXPECT_TRUE(fromLink.messages.empty()) << form::scenarioMessagesText(fromLink);
    EXPECT_EQ(fromLink.scenario, scenario);
    EXPECT_EQ(link.find_first_of(" #+?/\xC2"), std::string::npos) << link;
    EXPECT_NE(link.find("xs=1,3&ys=1,5"), std::string::npos) << "a comma stays as it is: " << link;
}

TEST(Scenario, ApplyingTypesTheTextsAndKeepsTheBoxesLeftOut)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    const ScenarioReading reading = form::readScenarioLink("masse=abc&annees=2&pas=12");
    form::DisplayChoices choices;
    form::applyScenario(reading.scenario, window, choices);
    EXPECT_EQ(window.shownText(TextBox::Text4), "abc");
    EXPECT_EQ(window.shownText(TextBox::Text1), "2");
    EXPECT_EQ(window.shownText(TextBox::G1), "3500");
    EXPECT_EQ(window.scrollValue(), 12);

    // The bad mass shows "Erreur" at the next run, as if typed.
    sim::OrbitSimulation simulation(window);
    simulation.runCalculation();
    ASSERT_FALSE(window.messages().empty());
    EXPECT_EQ(window.messages().front().title, "Erreur");
}

TEST(Scenario, ARefusedInputChangesNothing)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    form::DisplayChoices choices;
    const Scenario before = form::currentScenario(window, choices);
    std::string randomBytes(10 * 1024 * 1024, '\0');
    unsigned state = 12345;
    for (char& byte : randomBytes) byte = static_cast<char>((state = state * 1103515245 + 12345) >> 16);
    const ScenarioReading reading = form::readScenarioFile(randomBytes);
    ASSERT_TRUE(reading.refused);
    form::applyScenario(reading.scenario, window, choices);
    EXPECT_EQ(form::currentScenario(window, choices), before);
    EXPECT_EQ(form::scenarioMessagesText(reading),
              "Le scénario n'a pas été ouvert :\n- Le scénario dépasse 64 Kio : il n'est pas lu, rien n'a changé.");
}

// The display choices go into a scenario by their names and come back the same, a link asking
// for the projector alone is no fault, and a value that names nothing is said.
TEST(Scenario, CarriesTheDisplayChoicesByTheirNames)
{
    MemoryPlatform window;
    loadWindowDefaults(window);
    form::DisplayChoices chosen;
    for (const char* item : {"vecteurVitesse", "couleursProjecteur", "vitesse20", "trajectoire"})
        chosen.choose(*form::findMenuRow(item));
    const Scenario scenario = form::currentScenario(window, chosen);
    const std::string link = form::scenarioLink(scenario);
    for (const char* pair : {"&trajectoire=non&vecteurVitesse=oui&",
                             "&couleurs=projecteur&graphiques=non&vitesse=vitesse20&courbeDistance1=oui"})
        EXPECT_NE(link.find(pair), std::string::npos) << link;
    for (const ScenarioReading& reading : {form::readScenarioLink(link), form::readScenarioFile(form::scenarioFile(scenario))}) {
        EXPECT_TRUE(reading.messages.empty()) << form::scenarioMessagesText(reading);
        form::DisplayChoices opened;
        form::applyScenario(reading.scenario, window, opened);
        EXPECT_EQ(opened, chosen);
    }
    const ScenarioReading projector = form::readScenarioLink("virenast.html#couleurs=projecteur");
    EXPECT_FALSE(projector.refused);
    EXPECT_TRUE(projector.messages.empty()) << form::scenarioMessagesText(projector);
    ASSERT_EQ(projector.scenario.choices.size(), 1u);
    EXPECT_STREQ(projector.scenario.choices[0].row->name, "couleursProjecteur");
    EXPECT_EQ(form::readScenarioLink("vitesse=vitesse7&airesBalayees=peut-etre&x1=2").messages,
              (std::vector<std::string>{
                  "Lien : la valeur « vitesse7 » de « vitesse » n'est pas l'un de « vitesseMax », « vitesse5 », "
                  "« vitesse20 », « vitesse60 » : ignorée.",
                  "Lien : la valeur « peut-etre » de « airesBalayees » n'est pas « oui » ou « non » : ignorée.",
                  "Le pas de temps (HScroll1) manque : la barre « Finesse du calcul » garde sa valeur."}));
}

// A scenario holds every box that can be typed into, and no other.
TEST(Scenario, NamesTheTwelveInputBoxesOfTheWindow)
{
    std::vector<std::string> inputs;
    for (const form::ControlDescription& control : form::form1Controls())
        if (control.logicControl<TextBox>() && !control.disabled) inputs.push_back(control.name);
    std::vector<std::string> scenario;
    for (const form::ScenarioBox& box : form::scenarioBoxes()) scenario.push_back(box.name());
    std::sort(inputs.begin(), inputs.end());
    std::sort(scenario.begin(), scenario.end());
    EXPECT_EQ(scenario, inputs);
}

}  // namespace
}  // namespace virenast::testing
