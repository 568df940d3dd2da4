// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The time step's horizontal scroll bar, with the keys and clicks of a Windows one: the arrows
// by a small change, a click in the track by a large change, the thumb dragged, the wheel
// turned down raises it, and each key does what the program's table of keys says (the
// description's scrollKeys: the browser's key name, and the action's name). Its value is
// aria-valuenow.

// What each action of the keys' table does to the bar, by the action's name.
export const SCROLL_ACTIONS = {
  SmallDecrease: (bar) => bar.change(-bar.range.smallChange),
  SmallIncrease: (bar) => bar.change(bar.range.smallChange),
  LargeDecrease: (bar) => bar.change(-bar.range.largeChange),
  LargeIncrease: (bar) => bar.change(bar.range.largeChange),
  ToMinimum: (bar) => bar.set(bar.range.minimum),
  ToMaximum: (bar) => bar.set(bar.range.maximum),
};

export class TimeStepScrollBar {
  constructor(range, keys) {
    this.range = range;
    this.keys = keys;
    this.value = range.value;
    const element = document.createElement('div');
    element.setAttribute('role', 'scrollbar');
    element.setAttribute('aria-orientation', 'horizontal');
    element.setAttribute('aria-valuemin', range.minimum);
    element.setAttribute('aria-valuemax', range.maximum);
    const lower = document.createElement('div');
    const track = document.createElement('div');
    const thumb = document.createElement('div');
    const raise = document.createElement('div');
    lower.className = 'arrow lower';
    raise.className = 'arrow raise';
    track.className = 'track';
    thumb.className = 'thumb';
    track.append(thumb);
    element.append(lower, track, raise);
    this.element = element;
    this.track = track;
    this.thumb = thumb;
    this.show();

    this.repeatWhileHeld(lower, () => this.change(-range.smallChange));
    this.repeatWhileHeld(raise, () => this.change(range.smallChange));
    this.repeatWhileHeld(track, (event) => {
      const thumbBox = thumb.getBoundingClientRect();
      if (event.clientX < thumbBox.left) this.change(-range.largeChange);
      else if (event.clientX > thumbBox.right) this.change(range.largeChange);
    });
    thumb.addEventListener('pointerdown', (event) => this.drag(event));
    element.addEventListener('keydown', (event) => this.key(event));
    element.addEventListener('wheel', (event) => {
      event.preventDefault();
      this.change(Math.sign(event.deltaY) * range.smallChange);
    }, { passive: false });
  }

  set(value) {
    this.value = Math.min(this.range.maximum, Math.max(this.range.minimum, value));
    this.show();
  }

  change(by) { this.set(this.value + by); }

  show() {
    this.element.setAttribute('aria-valuenow', this.value);
    const span = this.range.maximum - this.range.minimum;
    this.thumb.style.left = `calc((100% - var(--thumb)) * ${(this.value - this.range.minimum) / span})`;
  }

  key(event) {
    const action = SCROLL_ACTIONS[this.keys[event.key]];
    if (!action) return;
    event.preventDefault();
    action(this);
  }

  // A press acts at once, then again and again while held, as a scroll bar's arrows do.
  repeatWhileHeld(part, act) {
    part.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target === this.thumb) return;
      event.preventDefault();
      this.element.focus();
      act(event);
      let timer = setTimeout(function again() { act(event); timer = setTimeout(again, 50); }, 400);
      const stop = () => { clearTimeout(timer); window.removeEventListener('pointerup', stop); };
      window.addEventListener('pointerup', stop);
    });
  }

  drag(event) {
    if (event.button !== 0) return;
    event.preventDefault();
    this.element.focus();
    const move = (moved) => {
      const track = this.track.getBoundingClientRect();
      const thumb = this.thumb.getBoundingClientRect();
      const ratio = (moved.clientX - track.left - thumb.width / 2) / Math.max(1, track.width - thumb.width);
      const { minimum, maximum } = this.range;
      this.set(Math.round(minimum + Math.min(1, Math.max(0, ratio)) * (maximum - minimum)));
    };
    const stop = () => {
      window.removeEventListener('pointermove', move);
      window.removeEventListener('pointerup', stop);
    };
    window.addEventListener('pointermove', move);
    window.addEventListener('pointerup', stop);
  }
}
