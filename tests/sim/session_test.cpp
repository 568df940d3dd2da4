// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The session every front-end holds: the choices it reads from the store and keeps there, what
// they show in the drawing, and the one rule of the wait for a paced run's next step.
#include "form/session.h"
#include "platform/memory_platform.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace virenast::testing {
namespace {

using namespace std::chrono_literals;

class MapStore final : public form::ChoiceStore {
public:
    std::optional<std::string> read(std::string_view key) override
    {
        const auto found = values.find(std::string(key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void write(std::string_view key, std::string_view value) override { values[std::string(key)] = value; }
    std::map<std::string, std::string> values;
};

class FakeClock final : public sim::PaceClock {
public:
    time_point now() override { return at; }
    time_point at{};
};

TEST(Session, TakesItsChoicesFromTheStoreKeepsThemAndDrawsWhatTheyShow)
{
    platform::MemoryPlatform window;
    MapStore store;
    store.values = {{"affichage/trajectoire", "false"}, {"affichage/vitesse", "vitesse20"}};
    form::Session session(window, store);
    EXPECT_EQ(form::paceOf(session.choices()), sim::Pace::YearIn20Seconds);
    EXPECT_TRUE(session.drawnShapes().empty());  // the path hidden

    session.choose(*form::findMenuRow(form::trajectoryItemName));
    EXPECT_EQ(session.drawnShapes().size(), 2u);  // the current path and the one before
    EXPECT_EQ(store.values["affichage/trajectoire"], "true");
    EXPECT_EQ(store.values["affichage/vitesse"], "vitesse20");
    const auto kept = store.values;
    session.choose(*form::findMenuRow("enregistrerMesures"));  // a command, no choice
    EXPECT_EQ(store.values, kept);
}

// A step of 24 hours at a year in a minute is due 164 ms after the one before: the front-end is
// told to wait 50 ms at most at a time (a pace changed meanwhile then holds at once), then the
// rest, and to go on at once once less than 2 ms are left, which the next step makes up.
TEST(Session, APacedRunWaitsAtMostFiftyMillisecondsAtATimeAndNeverLessThanTwo)
{
    platform::MemoryPlatform window;
    loadWindowDefaults(window);
    window.type(platform::TextBox::Text1, "0,01");
    window.moveScrollBar(24);
    MapStore store;
    store.values = {{"affichage/vitesse", "vitesse60"}};
    FakeClock clock;
    form::Session session(window, store, clock);
    std::vector<std::optional<std::chrono::milliseconds>> waits;
    window.onYield = [&](long yieldNumber) {
        if (yieldNumber != 1) return;
        waits.push_back(session.paceWait());
        clock.at += 120ms;
        waits.push_back(session.paceWait());
        clock.at += 43ms;
        waits.push_back(session.paceWait());
    };
    session.perform(form::Command::RunCalculation);
    EXPECT_EQ(waits, (std::vector<std::optional<std::chrono::milliseconds>>{50ms, 45ms, std::nullopt}));
    EXPECT_EQ(session.paceWait(), std::nullopt);  // the run is over
}

}  // namespace
}  // namespace virenast::testing
