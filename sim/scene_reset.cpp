#include "orbit_simulation.h"
#include "scene_model.h"
#include "user_messages.h"

namespace virenast::sim {

using platform::Label;
using platform::Line;
using platform::Shape;
using platform::TextBox;

void OrbitSimulation::showInputError()
{
    window_.messageBox(inputErrorText, inputErrorTitle, platform::MessageStyle::Critical);
}

void OrbitSimulation::showNumber(Label label, Real value)
{
    window_.setCaption(label, window_.numbers().toText(value.value()).view());
}

void OrbitSimulation::showNumber(TextBox box, Real value)
{
    window_.setText(box, window_.numbers().toText(value.value()).view());
}

void OrbitSimulation::resetScene()
{
    try {
        const Real ys = boxValue(window_, TextBox::ys);
        const Real xs = boxValue(window_, TextBox::xs);
        const Point moving{xs, ys};
        const Point body1{boxValue(window_, TextBox::x1), boxValue(window_, TextBox::y1)};
        const Point body2{boxValue(window_, TextBox::x2), boxValue(window_, TextBox::y2)};

        // Each fixed body before the start of its line, the moving body before the line ends.
        placeBody(window_, Shape::corps1, body1);
        setLineStart(window_, Line::Line1, body1);
        placeBody(window_, Shape::corps2, body2);
        setLineStart(window_, Line::Line2, body2);
        placeBody(window_, Shape::corps, moving);
        setLineEnd(window_, Line::Line1, moving);
        setLineEnd(window_, Line::Line2, moving);

        Real d1 = distanceAu(body1, moving);
        showNumber(Label::DC1C, d1);
        d1 = metresFromAu(d1);
        Real d2 = distanceAu(body2, moving);
        showNumber(Label::DC2C, d2);
        d2 = metresFromAu(d2);

        // Both forces are computed before either is shown, so a failure shows neither.
        const Real g1 = boxValue(window_, TextBox::G1);
        const Real f1 = attraction(g1, boxValue(window_, TextBox::Text4), d1);
        const Real g2 = boxValue(window_, TextBox::G2);
        const Real f2 = attraction(g2, boxValue(window_, TextBox::Text4), d2);
        showNumber(Label::AC1C, f1);
        showNumber(Label::AC2C, f2);
    } catch (const platform::Error&) {
        showInputError();
    }
}

}  // namespace virenast::sim
