// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger is broader than the window's small controls: a touch that lands beside every
// control goes to the nearest one whose area, grown to a finger's size around the drawn
// control, holds it. The layout stays as described; only the area that answers a finger grows,
// and where two grown areas meet, the nearer control takes the touch.

// The least touch area a finger hits reliably, in CSS pixels of the page.
export const FINGER = 44;

function distance(point, box) {
  const dx = Math.max(box.left - point.x, 0, point.x - box.right);
  const dy = Math.max(box.top - point.y, 0, point.y - box.bottom);
  return Math.hypot(dx, dy);
}

function reaches(point, box) {
  const growX = Math.max(0, FINGER - box.width) / 2;
  const growY = Math.max(0, FINGER - box.height) / 2;
  return point.x >= box.left - growX && point.x <= box.right + growX
    && point.y >= box.top - growY && point.y <= box.bottom + growY;
}

// The nearest of the targets whose grown area holds the point, or null.
export function nearestInReach(point, targets) {
  let nearest = null;
  let least = Infinity;
  for (const target of targets) {
    const box = target.getBoundingClientRect();
    const away = distance(point, box);
    if (reaches(point, box) && away < least) { nearest = target; least = away; }
  }
  return nearest;
}

// `targets` are the controls a finger may reach. `act(target, event, 'down')` is asked first
// and returns true when the reached control acts at once, while held (the scroll bar); else
// `act(target, event, 'tap')` does what a tap on it does when the touch ends where it began.
export function widenTouchTargets(surface, targets, act) {
  surface.addEventListener('pointerdown', (down) => {
    if (down.pointerType !== 'touch' || targets.some((target) => target.contains(down.target))) return;
    const target = nearestInReach({ x: down.clientX, y: down.clientY }, targets);
    if (!target) return;
    down.preventDefault();
    if (act(target, down, 'down')) return;
    const up = (event) => {
      if (event.pointerId !== down.pointerId) return;
      removeEventListener('pointerup', up);
      if (Math.hypot(event.clientX - down.clientX, event.clientY - down.clientY) < FINGER / 2) act(target, event, 'tap');
    };
    addEventListener('pointerup', up);
  });
}
