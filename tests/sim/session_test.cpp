// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The session every front-end holds: the choices it reads from the store and keeps there, what
// they show in the drawing, the one rule of the wait for a paced run's next step, and the names
// its files are offered under.
#include "form/session.h"
#include "platform/memory_platform.h"
#include "support/default_window.h"
#include "support/map_choice_store.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace virenast::testing {
namespace {

using namespace std::chrono_literals;

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

// Sheet 3's link with both arrows, opened and reset as a front-end does, then run for 0,1 year:
// each time four arrows start at the body's centre (body 2's of no length: it has no pull).
TEST(Session, DrawsFourArrowsFromTheBodysCentreAfterAnOpenedScenariosResetAndARun)
{
    platform::MemoryPlatform window;
    loadWindowDefaults(window);
    MapStore store;
    form::Session session(window, store);
    session.openScenarioLink("G1=13271244&x1=1,9&y1=1&G2=0&x2=3,6&y2=1,9&xs=1,9&ys=0,1&vx=25000&vy=0&HScroll1=1&"
                             "vecteurVitesse=oui&vecteursForces=oui");
    const auto arrowsFromTheBody = [&] {
        const auto corner = [&](platform::ShapeGeometry which) { return window.geometry(platform::Shape::corps, which); };
        const sim::TwipPoint centre{corner(platform::ShapeGeometry::Left) + corner(platform::ShapeGeometry::Width) / 2,
                                    corner(platform::ShapeGeometry::Top) + corner(platform::ShapeGeometry::Height) / 2};
        std::vector<sim::DrawnRole> roles;
        for (const sim::DrawnShape& shape : session.drawnShapes())
            if (shape.kind == sim::DrawnKind::Arrow && shape.points[0] == centre) roles.push_back(shape.role);
        return roles;
    };
    const std::vector<sim::DrawnRole> four{sim::DrawnRole::Velocity, sim::DrawnRole::Force1, sim::DrawnRole::Force2,
                                           sim::DrawnRole::ForceSum};
    session.perform(form::Command::ResetScene);
    EXPECT_EQ(arrowsFromTheBody(), four);
    window.type(platform::TextBox::Text1, "0,1");
    session.perform(form::Command::RunCalculation);
    EXPECT_EQ(arrowsFromTheBody(), four);
}

// A run's files are named after its start with every field's zeros, so that sorted by name they
// are sorted by time (a run at 9 h 04 before one at 10 h); no time gives a name all the same.
TEST(Session, OffersARunsFilesUnderItsStartTime)
{
    struct Case {
        form::FileCommand command;
        int year, month, day, hour, minute, second;
        bool timed;
        const char* name;
    };
    const Case cases[] = {
        {form::FileCommand::SaveMeasurements, 2026, 12, 9, 14, 5, 32, true, "mesures-2026-12-09-14h05m32.csv"},
        {form::FileCommand::SaveImage, 2027, 1, 3, 9, 4, 5, true, "image-2027-01-03-09h04m05.png"},
        {form::FileCommand::SaveMeasurements, 0, 0, 0, 0, 0, 0, false, "mesures-0.csv"},
        {form::FileCommand::SaveScenario, 2026, 12, 9, 14, 5, 32, true, "scenario.virenast"},
    };
    for (const Case& c : cases) {
        std::tm start{};
        start.tm_year = c.year - 1900;
        start.tm_mon = c.month - 1;
        start.tm_mday = c.day;
        start.tm_hour = c.hour;
        start.tm_min = c.minute;
        start.tm_sec = c.second;
        EXPECT_EQ(form::offeredFileName(c.command, c.timed ? &start : nullptr), c.name);
    }
}

}  // namespace
}  // namespace virenast::testing
