// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The time step's horizontal scroll bar, with the keys and clicks of a Windows one: the arrows
// by a small change, a click in the track by a large change, the thumb dragged, the wheel
// turned down raises it, and each key does what the program's table of keys says (the
// description's scrollKeys: the browser's key name, and the action's name). Its value is
// aria-valuenow, and the step it stands for, in words, aria-valuetext ("1 heure").
//
// A finger does what the mouse does: the bar takes every gesture begun on it (no pan of the
// page), the thumb follows the finger across the whole bar, and the arrows repeat while held.

// The time step in words, as a student reads it.
export function stepInWords(hours) {
  return hours === 1 ? '1 heure' : `${hours} heures`;
}

// A finger touching the track this near the thumb's middle, in CSS pixels of the page, takes
// the thumb rather than paging: the thumb is narrower than a finger.
const FINGER_ON_THUMB = 22;

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
    this.lower = lower;
    this.raise = raise;
    this.onChange = () => {};
    this.show();

    this.repeatWhileHeld(lower, () => this.change(-range.smallChange));
    this.repeatWhileHeld(raise, () => this.change(range.smallChange));
    this.repeatWhileHeld(track, (event) => {
      const thumbBox = thumb.getBoundingClientRect();
      if (event.clientX < thumbBox.left) this.change(-range.largeChange);
      else if (event.clientX > thumbBox.right) this.change(range.largeChange);
    });
    thumb.addEventListener('pointerdown', (event) => this.drag(event));
    track.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'touch' && event.target !== thumb && this.nearThumb(event.clientX)) this.drag(event);
    }, true);
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
    this.element.setAttribute('aria-valuetext', stepInWords(this.value));
    const span = this.range.maximum - this.range.minimum;
    this.thumb.style.left = `calc((100% - var(--thumb)) * ${(this.value - this.range.minimum) / span})`;
    this.onChange();
  }

  nearThumb(x) {
    const thumb = this.thumb.getBoundingClientRect();
    return Math.abs(x - (thumb.left + thumb.right) / 2) <= Math.max(FINGER_ON_THUMB, thumb.width / 2);
  }

  // A finger that lands beside the bar, above or below it: the part of the bar at its abscissa
  // takes it, as if it had landed on the bar.
  pressBeside(event) {
    const track = this.track.getBoundingClientRect();
    if (event.clientX < track.left) this.lower.dispatchEvent(new PointerEvent('pointerdown', event));
    else if (event.clientX > track.right) this.raise.dispatchEvent(new PointerEvent('pointerdown', event));
    else if (this.nearThumb(event.clientX)) this.drag(event);
    else this.track.dispatchEvent(new PointerEvent('pointerdown', event));
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
      if (event.button !== 0 || event.target === this.thumb || this.dragging) return;
      event.preventDefault();
      this.element.focus();
      act(event);
      let timer = setTimeout(function again() { act(event); timer = setTimeout(again, 50); }, 400);
      const stop = (ended) => {
        if (ended.pointerId !== event.pointerId) return;
        clearTimeout(timer);
        window.removeEventListener('pointerup', stop);
        window.removeEventListener('pointercancel', stop);
      };
      window.addEventListener('pointerup', stop);
      window.addEventListener('pointercancel', stop);
    });
  }

  // The thumb follows the pointer, captured by the thumb, until it is released.
  drag(event) {
    if (event.button !== 0) return;
    event.preventDefault();
    this.element.focus();
    this.dragging = true;
    const move = (moved) => {
      if (moved.pointerId !== event.pointerId) return;
      const track = this.track.getBoundingClientRect();
      const thumb = this.thumb.getBoundingClientRect();
      const ratio = (moved.clientX - track.left - thumb.width / 2) / Math.max(1, track.width - thumb.width);
      const { minimum, maximum } = this.range;
      this.set(Math.round(minimum + Math.min(1, Math.max(0, ratio)) * (maximum - minimum)));
    };
    const stop = (ended) => {
      if (ended.pointerId !== event.pointerId) return;
      this.dragging = false;
      for (const [name, listener] of listeners) window.removeEventListener(name, listener);
    };
    const listeners = [['pointermove', move], ['pointerup', stop], ['pointercancel', stop]];
    // (A synthetic press, from a finger beside the bar, has no pointer to capture.)
    if (event.isTrusted) this.thumb.setPointerCapture?.(event.pointerId);
    for (const [name, listener] of listeners) window.addEventListener(name, listener);
    if (event.target !== this.thumb) move(event);
  }
}
