// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window by keyboard alone: the keys of the time step's scroll bar, Return on a button, and
// a focus that can be seen on every control that takes it.
#include "form/form1_description.h"
#include "form1_test_support.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace virenast::testing {
namespace {

class Form1Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A key pressed as a user does: through the window system, to whatever has the focus.
    void press(Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

    QScrollBar* scrollBar() { return window.findChild<QScrollBar*>("HScroll1"); }

    app::Form1 window{QLocale(QLocale::French)};
};

TEST_F(Form1Keyboard, TheScrollBarHasTheFocusAtStartAndItsArrowsPointTheWayTheValueGoes)
{
    ASSERT_EQ(QApplication::focusWidget(), scrollBar());
    press(Qt::Key_Right);
    EXPECT_EQ(scrollBar()->value(), 2);
    press(Qt::Key_Down);
    EXPECT_EQ(scrollBar()->value(), 3);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(scrollBar()->value(), 1);
    press(Qt::Key_Left);
    EXPECT_EQ(scrollBar()->value(), 1);  // never below one hour
    press(Qt::Key_PageDown);
    EXPECT_EQ(scrollBar()->value(), 6);
    press(Qt::Key_PageUp);
    EXPECT_EQ(scrollBar()->value(), 1);
    press(Qt::Key_End);
    EXPECT_EQ(scrollBar()->value(), 24);
    press(Qt::Key_Right);
    EXPECT_EQ(scrollBar()->value(), 24);  // nor above a day
    press(Qt::Key_Home);
    EXPECT_EQ(scrollBar()->value(), 1);
}

TEST_F(Form1Keyboard, TheWheelTurnedDownRaisesTheValueAsTheDownArrowDoes)
{
    const auto turn = [&](int delta) {
        const QPointF centre = scrollBar()->rect().center();
        QWheelEvent wheel(centre, scrollBar()->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(scrollBar(), &wheel);
    };
    turn(-120);
    const int raised = scrollBar()->value();
    EXPECT_GT(raised, 1);
    turn(120);
    EXPECT_LT(scrollBar()->value(), raised);
}

TEST_F(Form1Keyboard, ReturnAndEnterPressTheFocusedButtonAsSpaceDoes)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        window.findChild<QLabel*>("DC1C")->clear();
        button(window, "Command1")->setFocus();
        press(key);
        EXPECT_EQ(shownText(window, "DC1C"), "0,5") << "key " << key;  // "Réinitialiser le graphique" reset
    }
    MessageBoxWatcher boxes;
    button(window, "Command3")->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Pause");
}

TEST_F(Form1Keyboard, EveryControlThatTakesTheFocusShowsIt)
{
    // Around the tab order once, by the Tab key as a user goes: each control, from the scroll
    // bar at start on, looks different while it has the focus.
    std::vector<QWidget*> visited;
    for (int stop = 0; stop < 16; ++stop) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        const QImage with = focused->grab().toImage();
        press(Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), focused) << qPrintable(focused->objectName());
        const QImage without = focused->grab().toImage();
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) changed += with.pixel(x, y) != without.pixel(x, y);
        // A ring around the control, not a pixel or two.
        EXPECT_GE(changed, with.width() + with.height()) << qPrintable(focused->objectName());
        visited.push_back(focused);
    }
    EXPECT_EQ(QApplication::focusWidget(), scrollBar());  // eleven input boxes, the run length,
    EXPECT_EQ(visited.front(), scrollBar());              // three buttons and the scroll bar
}

}  // namespace
}  // namespace virenast::testing
