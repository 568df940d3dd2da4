// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a student can read in the window: every text against its background, measured on the
// drawn pixels, and the whole of each current value, however long.
#include "form/form1_description.h"
#include "app/number_widgets.h"
#include "form1_test_support.h"

#include <QHelpEvent>
#include <QImage>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace virenast::testing {
namespace {

double luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text as drawn: its background is the colour most pixels of the area have, its ink the
// pixel that stands out most from it.
struct DrawnText {
    QRgb background = 0;
    QRgb ink = 0;
    double ratio = 1;
};

DrawnText drawnText(QWidget& widget, const QRect& area)
{
    const QImage image = widget.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    DrawnText drawn;
    drawn.background = std::max_element(counts.begin(), counts.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    for (const auto& [pixel, count] : counts) {
        const double ratio = contrast(pixel, drawn.background);
        if (ratio > drawn.ratio) drawn = {drawn.background, pixel, ratio};
    }
    return drawn;
}

// The inside of a control, clear of the frame a style draws around boxes and buttons.
QRect textArea(const QWidget& widget, form::ControlKind kind)
{
    const int frame = kind == form::ControlKind::Label ? 0 : 4;
    return widget.rect().adjusted(frame, frame, -frame, -frame);
}

TEST(Form1Reading, EveryTextStandsOutFromItsBackgroundByAtLeastFourAndAHalfToOne)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button(window, "Command1")->click();  // the results show numbers
    typeInto(window, "Text1", "0");
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();  // and the current position its first step's
    int measured = 0;
    for (const form::ControlDescription& control : form::form1Controls()) {
        // The controls that show a text of their own.
        if (control.kind == form::ControlKind::ScrollBar || control.kind == form::ControlKind::Frame ||
            control.kind == form::ControlKind::MenuItem || control.inDrawingArea())
            continue;
        QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(control.name));
        const DrawnText drawn = drawnText(*widget, textArea(*widget, control.kind));
        EXPECT_GE(drawn.ratio, 4.5) << control.name << ": ink " << std::hex << drawn.ink << " on " << drawn.background;
        ++measured;
    }
    EXPECT_EQ(measured, 42);
}

TEST(Form1Reading, TheCurrentPositionStillLooksDisabled)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* current = window.findChild<QWidget*>("xsc");
    QWidget* typed = window.findChild<QWidget*>("xs");  // the same green, the same text
    const DrawnText disabled = drawnText(*current, textArea(*current, form::ControlKind::TextBox));
    const DrawnText enabled = drawnText(*typed, textArea(*typed, form::ControlKind::TextBox));
    EXPECT_EQ(disabled.background, enabled.background);
    EXPECT_NE(disabled.ink, enabled.ink);
    EXPECT_FALSE(current->isEnabled());
    clickAsUser(window, current);
    EXPECT_FALSE(current->hasFocus());
}

// After one step from ys = 0,0000123456789 with no force, ysc holds a number that is too long
// for its box.
class WholeValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (const char* g : {"G1", "G2"}) typeInto(window, g, "0");
        typeInto(window, "ys", "0,0000123456789");
        typeInto(window, "Text1", "0");
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
    }

    QString toolTipOf(const char* name)
    {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        QHelpEvent help(QEvent::ToolTip, widget->rect().center(), widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &help);
        const QString text = QToolTip::text();
        QToolTip::hideText();
        return text;
    }

    app::Form1 window{QLocale(QLocale::French)};
};

TEST_F(WholeValues, ANumberTooLongForItsBoxKeepsItsExponentOnScreenAndWholeInItsText)
{
    const QString full = shownText(window, "ysc");
    ASSERT_TRUE(full.startsWith("1,23456789") && full.endsWith("E-05")) << qPrintable(full);
    const QString shown = window.findChild<app::NumberBox*>("ysc")->shownText();
    EXPECT_TRUE(shown.startsWith("1,") && shown.endsWith(QString::fromUtf8("…E-05"))) << qPrintable(shown);
    EXPECT_LT(shown.size(), full.size());
}

TEST_F(WholeValues, HoveringAnyCurrentValueShowsItWholeWithItsCaption)
{
    EXPECT_EQ(toolTipOf("ysc"), "Corps valeurs courantes, position y [UA] : " + shownText(window, "ysc"));
    EXPECT_EQ(toolTipOf("tempscourant"), "Temps courant [années] : " + shownText(window, "tempscourant"));
    EXPECT_EQ(toolTipOf("DC1C"), "Distance corps1 corps [UA] : " + shownText(window, "DC1C"));
    for (const form::ControlDescription& control : form::form1Controls()) {
        if (!control.currentValue) continue;
        EXPECT_TRUE(toolTipOf(control.name).endsWith(shownText(window, control.name))) << control.name;
    }
    // A long result label gives way too: the elapsed time of one hour has more digits than fit.
    const QString time = shownText(window, "tempscourant");
    const QString shown = window.findChild<app::NumberLabel*>("tempscourant")->shownText();
    EXPECT_TRUE(shown == time || (shown.endsWith(QString::fromUtf8("…")) && time.startsWith(shown.chopped(1))))
        << qPrintable(shown);
}

}  // namespace
}  // namespace virenast::testing
