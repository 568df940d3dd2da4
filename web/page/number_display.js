// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A number that the program writes, shown in its place. One too long for its place is fitted
// by the desktop's rule, which the program exports (virenast_fit_number): the end of its
// mantissa gives way to "…", its sign, first digit and exponent stay. Its whole text stays in
// the control's data-value, for a screen reader and for the hover.

const measure = document.createElement('canvas').getContext('2d');

export function numberDisplay() {
  const display = document.createElement('span');
  display.className = 'number';
  return display;
}

// The width that a text takes in the display's font, in CSS pixels.
function textWidthIn(display) {
  if (!display.font) {
    const style = getComputedStyle(display);
    display.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
  }
  measure.font = display.font;
  return (text) => Math.ceil(measure.measureText(text).width);
}

// Shows the text whole, or fitted by the program's rule once the display has its place on the
// page (its width never changes: a smaller screen scales the whole window).
export function showNumber(display, text, program) {
  if (!program || !display.isConnected) {
    display.textContent = text;
    return;
  }
  display.room ??= display.clientWidth;
  program.textWidth = textWidthIn(display);
  const shown = program.ccall('virenast_fit_number', 'string', ['string', 'number'], [text, display.room]);
  if (typeof shown !== 'string') throw new Error('virenast_fit_number called while the program sleeps');
  display.textContent = shown;
}
