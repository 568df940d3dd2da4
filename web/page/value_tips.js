// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tip that shows a value whole, with its caption: while the mouse is over it, as the
// desktop's tooltip, and on a touch screen from a tap on it until the next tap elsewhere, since
// a finger cannot hover. It is drawn by the page, at the window's scale, below the value; a
// screen reader reads the value itself, so the tip is hidden from it. The graphs' view shows its
// readings in the same tip, below the point read.

export class ValueTips {
  constructor() {
    this.tip = document.createElement('div');
    this.tip.className = 'value-tip';
    this.tip.setAttribute('aria-hidden', 'true');
    this.tip.hidden = true;
    document.body.append(this.tip);
    this.shownFor = null;  // { element, textOf, boxOf, hidden }
    // A tap anywhere but on the value whose tip is shown puts the tip away.
    document.addEventListener('pointerdown', (event) => {
      if (this.shownFor && !this.shownFor.element.contains(event.target)) this.hide();
    }, true);
  }

  // `textOf` gives the tip's text at the moment it is shown.
  attach(element, textOf) {
    element.addEventListener('pointerenter', (event) => {
      if (event.pointerType === 'mouse') this.show(element, textOf);
    });
    element.addEventListener('pointerleave', (event) => {
      if (event.pointerType === 'mouse' && this.shownFor?.element === element) this.hide();
    });
    element.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'mouse') this.show(element, textOf);
    });
  }

  // `boxOf` gives what the tip stands below (the element's box unless given), `hidden` is told
  // when the tip goes away; a text of '' hides the tip.
  show(element, textOf, { boxOf = () => element.getBoundingClientRect(), hidden = () => {} } = {}) {
    if (this.shownFor?.element !== element) this.shownFor?.hidden();
    this.shownFor = { element, textOf, boxOf, hidden };
    this.refresh(element);
  }

  // Shows the tip's text again, if it stands for this element (a value changed under it).
  refresh(element) {
    if (this.shownFor?.element !== element) return;
    const text = this.shownFor.textOf();
    if (!text) {
      this.hide();
      return;
    }
    this.tip.textContent = text;
    this.tip.hidden = false;
    this.place(this.shownFor.boxOf());
  }

  // Shows the tip again with the value as it is now (a run writes it at every turn).
  refreshShown() {
    if (this.shownFor) this.refresh(this.shownFor.element);
  }

  hide() {
    this.shownFor?.hidden();
    this.shownFor = null;
    this.tip.hidden = true;
  }

  // Just below the value, or above it where the page ends; always within the page.
  place(value) {
    const tip = this.tip.getBoundingClientRect();
    const gap = 2;
    const left = Math.max(0, Math.min(value.left, innerWidth - tip.width));
    const below = value.bottom + gap;
    const top = below + tip.height <= innerHeight ? below : Math.max(0, value.top - gap - tip.height);
    this.tip.style.left = `${left}px`;
    this.tip.style.top = `${top}px`;
  }
}
