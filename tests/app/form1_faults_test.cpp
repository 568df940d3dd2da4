// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_test_support.h"
#include "message_box_watcher.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace virenast::testing {
namespace {

constexpr const char* runYears = "0,01";  // 88 steps

#if defined(__SANITIZE_ADDRESS__)  // GCC, MSVC
#define VIRENAST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)  // clang
#if __has_feature(address_sanitizer)
#define VIRENAST_ADDRESS_SANITIZER 1
#endif
#endif

// The resident memory of this process, in kilobytes, where the system tells it in a file (Linux);
// elsewhere -1, and the memory check is left out. Under AddressSanitizer too: its allocator maps
// fresh regions and their shadow for new allocation sizes and gives neither back, so the
// resident size grows by tens of megabytes with no leak (the same run grows by some 24 kB in the
// Release build); there, LeakSanitizer checks for leaks when the tests end.
long residentKilobytes()
{
#if defined(__linux__) && !defined(VIRENAST_ADDRESS_SANITIZER)
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
#endif
    return -1;
}

TEST(Form1Faults, ThirtyNestedRunClicksEachEndWithTheirReportAndTheOuterRunGoesOn)
{
    const RunDisplay expected = undisturbedRunEnd(runYears);
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    typeInto(window, "Text1", runYears);
    MessageBoxWatcher boxes;
    int clicks = 0;
    // Each click comes from a timer of its own, so that it can fire inside the run it interrupts.
    std::function<void()> clickAgain = [&] {
        if (++clicks > 30) return;
        QTimer::singleShot(1, clickAgain);
        button(window, "Command2")->click();
    };
    QTimer::singleShot(1, clickAgain);
    button(window, "Command2")->click();

    long endReports = 0;
    for (const auto& seen : boxes.seen) endReports += seen.text == "Fin de calcul";
    EXPECT_EQ(endReports, 31);
    EXPECT_EQ(boxes.seen.size(), 31u);
    EXPECT_EQ(runDisplay(window), expected);
}

TEST(Form1Faults, AThousandResetsAndTheScrollBarMovedAtEveryStepLeaveNoMemoryBehind)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    typeInto(window, "Text1", "0,2");
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();  // a first run, so that caches are filled
    const long before = residentKilobytes();

    auto* scrollBar = window.findChild<QScrollBar*>("HScroll1");
    // Events are handled at the window's turns, about once a frame, however fast the steps go:
    // the body stays where it is and the run goes on until the storm has blown that many times.
    constexpr int stormTicks = 40;
    int ticks = 0;
    QTimer storm;
    storm.setInterval(0);
    QObject::connect(&storm, &QTimer::timeout, [&] {
        scrollBar->setValue(1 + ++ticks % 24);
        if (ticks == 3)
            for (int i = 0; i < 1000; ++i) button(window, "Command1")->click();
        if (ticks == stormTicks) window.findChild<QLineEdit*>("Text1")->setText("0");  // ends the run
    });
    storm.start();
    for (const char* box : {"G1", "G2", "vx"}) typeInto(window, box, "0");
    typeInto(window, "Text1", "1000");
    button(window, "Command2")->click();
    storm.stop();

    EXPECT_GE(ticks, stormTicks);
    EXPECT_EQ(boxes.seen.size(), 2u);
    // The window keeps the last run's measurements until the next run: a short one gives the
    // storm's back.
    typeInto(window, "Text1", "0");
    button(window, "Command2")->click();
    const long after = residentKilobytes();
#if defined(__linux__) && !defined(VIRENAST_ADDRESS_SANITIZER)
    ASSERT_GT(before, 0);
#endif
    if (before > 0) {
        EXPECT_LT(after - before, 8 * 1024) << before << " kB before, " << after << " kB after";
    }
}

}  // namespace
}  // namespace virenast::testing
