// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every box the logic reads, given texts a user might type or paste, at a reset, at the start
// of a run and in the middle of one. Each text either reads as a number by the conversion rule
// or leads to the "Erreur" box on the documented path; nothing crashes, hangs, or shows an
// infinity or NaN.
#include "form/form1_description.h"
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace virenast::sim {
namespace {

using platform::Label;
using platform::MemoryPlatform;
using platform::TextBox;
using platform::massBox;
using platform::yearsBox;

std::vector<std::string> troublesomeTexts()
{
    return {"",
            "   ",
            "abc",
            "1,2,3",
            "1e309",
            "-1e309",
            "1e-400",
            "inf",
            "nan",
            "0x10",
            "\u0661\u0662",        // Arabic-Indic digits
            "\u22121",              // a typographic minus
            "\x01\x02\x7f",         // control characters
            "1\n",
            "1e99999999999999999",  // an exponent too long for any counter
            std::string(100000, '7'),
            "0," + std::string(100000, '5')};
}

std::string printable(const std::string& text)
{
    std::string shown = text.substr(0, 24);
    for (char& c : shown)
        if (!std::isprint(static_cast<unsigned char>(c))) c = '?';
    return '"' + shown + (text.size() > 24 ? "...\"" : "\"");
}

bool readsAsNumber(const std::string& text)
{
    try {
        platform::NumberText(",").toNumber(text);
        return true;
    } catch (const platform::Error&) {
        return false;
    }
}

// No number the program writes shows an infinity or a NaN in any spelling. (A run copies the
// start position boxes into the current position ones as typed, whatever they hold.)
void expectFiniteDisplays(const MemoryPlatform& window, const std::string& context)
{
    std::vector<std::string> shown;
    for (Label label : {Label::DC1C, Label::DC2C, Label::AC1C, Label::AC2C, Label::tempscourant})
        shown.push_back(window.caption(label));
    if (window.shownText(TextBox::xsc) != window.shownText(TextBox::xs)) shown.push_back(window.shownText(TextBox::xsc));
    if (window.shownText(TextBox::ysc) != window.shownText(TextBox::ys)) shown.push_back(window.shownText(TextBox::ysc));
    for (std::string text : shown) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_EQ(text.find("inf"), std::string::npos) << context << ": " << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << context << ": " << text;
    }
}

std::vector<std::string> titles(const MemoryPlatform& window)
{
    std::vector<std::string> result;
    for (const auto& message : window.messages()) result.push_back(message.title);
    return result;
}

struct Window {
    Window() { testing::loadWindowDefaults(window); }
    MemoryPlatform window;
    OrbitSimulation simulation{window};
};

TEST(BadInput, AtAReset)
{
    for (TextBox box : {TextBox::ys, TextBox::xs, TextBox::x1, TextBox::y1, TextBox::x2, TextBox::y2, TextBox::G1,
                        TextBox::G2, massBox}) {
        for (const std::string& text : troublesomeTexts()) {
            const std::string context = std::string(form::nameOf(box)) + " = " + printable(text);
            Window w;
            w.window.type(box, text);
            w.simulation.resetScene();
            if (!readsAsNumber(text)) {
                EXPECT_EQ(titles(w.window), std::vector<std::string>{"Erreur"}) << context;
                EXPECT_EQ(w.window.caption(Label::AC1C), "") << context;  // no force shown
            }
            EXPECT_LE(w.window.messages().size(), 1u) << context;
            expectFiniteDisplays(w.window, context);
        }
    }
}

TEST(BadInput, AtTheStartOfARun)
{
    for (TextBox box : {TextBox::vx, TextBox::vy, TextBox::ys, TextBox::xs, TextBox::x1, TextBox::y2, TextBox::G2,
                        massBox, yearsBox}) {
        for (const std::string& text : troublesomeTexts()) {
            const std::string context = std::string(form::nameOf(box)) + " = " + printable(text);
            Window w;
            w.window.type(yearsBox, "0,001");
            w.window.type(box, text);
            w.simulation.runCalculation();
            const std::vector<std::string> shown = titles(w.window);
            ASSERT_FALSE(shown.empty()) << context;
            EXPECT_EQ(shown.back(), "Information") << context;
            if (!readsAsNumber(text)) {
                EXPECT_EQ(shown.end()[-2], "Erreur") << context;
            }
            if (box != yearsBox) {
                EXPECT_LE(w.window.yieldCount(), 9) << context;
            }
            expectFiniteDisplays(w.window, context);
        }
    }
}

TEST(BadInput, TypedInTheMiddleOfARun)
{
    for (TextBox box : {yearsBox, TextBox::G1, TextBox::G2, massBox}) {
        for (const std::string& text : troublesomeTexts()) {
            const std::string context = std::string(form::nameOf(box)) + " = " + printable(text);
            Window w;
            w.window.type(yearsBox, "0,001");
            w.window.onYield = [&](long step) {
                if (step == 2) w.window.type(box, text);
            };
            w.simulation.runCalculation();
            const std::vector<std::string> shown = titles(w.window);
            if (readsAsNumber(text)) {
                // A number may still fail the step (a mass of 0), but only once.
                ASSERT_FALSE(shown.empty()) << context;
                EXPECT_EQ(shown.back(), "Information") << context;
                EXPECT_LE(shown.size(), 2u) << context;
            } else {
                EXPECT_EQ(shown, (std::vector<std::string>{"Erreur", "Information"})) << context;
                EXPECT_EQ(w.window.yieldCount(), 2) << context;
            }
            expectFiniteDisplays(w.window, context);
        }
    }
}

}  // namespace
}  // namespace virenast::sim
