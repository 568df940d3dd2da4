// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a message box goes, by the desktop's rule, which the program exports
// (virenast_place_box): just below the drawing over the buttons' column, or else the nearest
// clear place along that row, below the window, beside it or above it; never over the drawing,
// a current value or the time step's bar (the page adds the bar, which a student sets between
// runs), and within the page. No clear place: the browser's, the middle.

// The numbers the program takes: a rectangle as its left, top, width and height, in whole CSS
// pixels, grown to whole pixels so that what it keeps clear stays clear.
function rectangle(box) {
  const left = Math.floor(box.left);
  const top = Math.floor(box.top);
  return [left, top, Math.ceil(box.right) - left, Math.ceil(box.bottom) - top];
}

// The program's words for a placement: the numbers in the order virenast_place_box reads them.
export function placementNumbers({ box, window, available, preferred, keepClear }) {
  return [...box, ...window, ...available, ...preferred, ...keepClear.flat()].join(' ');
}

export function placeBox(program, dialog, { window, keepClear, column }) {
  const box = dialog.getBoundingClientRect();
  const columnBox = column.getBoundingClientRect();
  const kept = keepClear.map((element) => element.getBoundingClientRect());
  const gap = 4;  // between the drawing and the box, as the box's frame would leave on the desktop
  const numbers = placementNumbers({
    box: [Math.ceil(box.width), Math.ceil(box.height)],
    window: rectangle(window.getBoundingClientRect()),
    available: [0, 0, innerWidth, innerHeight],
    preferred: [Math.round(columnBox.left + columnBox.width / 2), Math.ceil(kept[0].bottom) + gap],
    keepClear: kept.map(rectangle),
  });
  const place = program.ccall('virenast_place_box', 'string', ['string'], [numbers]);
  if (!place) return;
  const [left, top] = place.split(' ').map(Number);
  dialog.style.margin = '0';
  dialog.style.transformOrigin = '0 0';  // its corner where the program puts it, at any scale
  dialog.style.left = `${left}px`;
  dialog.style.top = `${top}px`;
}
