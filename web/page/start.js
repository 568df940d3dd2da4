// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program in the page: builds the window from the program's description, starts
// the program with the decimal separator of the browser's language, and forwards the clicks.
// The program's module (VirenastModule) is a classic script that the page loads before this one.
import { buildWindow } from './build_window.js';
import { PagePlatform } from './page_platform.js';

// The decimal separator of the browser's language, the first the user prefers.
function decimalSeparator() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

// The whole window shrinks to fit a screen smaller than itself, keeping its layout.
function fitToScreen(frame) {
  const outer = frame.firstElementChild;
  const fit = () => {
    const scale = Math.min(1, (innerWidth - 8) / outer.offsetWidth, (innerHeight - 8) / outer.offsetHeight);
    outer.style.transform = scale < 1 ? `scale(${scale})` : '';
    frame.style.width = `${outer.offsetWidth * scale}px`;
    frame.style.height = `${outer.offsetHeight * scale}px`;
  };
  addEventListener('resize', fit);
  fit();
}

async function startVirenast() {
  const module = await VirenastModule();
  const description = JSON.parse(module.UTF8ToString(module._virenast_describe()));
  const root = document.querySelector('.window');
  let platform = null;
  const form = buildWindow(description, root, (command) => platform.raise(command));
  form.boxPlacement = {
    window: root,
    keepClear: [form.drawingArea, ...document.querySelectorAll('[data-value]')].map(
      (element) => element.closest('.current-box') ?? element),
    column: document.querySelector('.control.button'),
  };
  platform = new PagePlatform(form, module, description);
  module.page = platform;  // what the program's window platform calls
  module.ccall('virenast_start', null, ['string'], [decimalSeparator()]);
  // Alt or F10 reaches the menu bar, as on the desktop.
  addEventListener('keydown', (event) => {
    if (event.key === 'F10' || (event.key === 'Alt' && !event.repeat)) {
      event.preventDefault();
      form.menuItem.focus();
    }
  });
  fitToScreen(document.querySelector('.screen'));
  form.firstTabStop.focus();
  document.documentElement.dataset.ready = 'true';  // for whoever drives the page
}

startVirenast();
