// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program in the page: builds the window from the program's description, starts
// the program with the decimal separator of the browser's language, and forwards the clicks.
// The program's module (VirenastModule) is a classic script that the page loads before this one.
import { inflateSync } from 'fflate';
import { applyColours, buildWindow } from './build_window.js';
import { FileMenu } from './file_menu.js';
import { GraphView } from './graph_view.js';
import { buildMenus } from './menus.js';
import { PagePlatform } from './page_platform.js';

// The decimal separator of the browser's language, the first the user prefers.
function decimalSeparator() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

// The window's scale that the address asks for ("?scale=1": the window at its own size, which
// the browser's zoom then enlarges or reduces), or null to fit the screen.
function askedScale(search) {
  const asked = Number(new URLSearchParams(search).get('scale'));
  return asked > 0 && Number.isFinite(asked) ? asked : null;
}

// The largest scale at which the whole window fits the page, keeping its proportions.
function fittingScale(window, page, margin = 8) {
  return Math.min((page.width - margin) / window.width, (page.height - margin) / window.height);
}

// A4 landscape less the page's margins (virenast.css), in CSS pixels: what a print fits into.
const PRINTED = { width: ((297 - 20) / 25.4) * 96, height: ((210 - 20) / 25.4) * 96 };

// The whole window fills the screen it is on, up and down, keeping its layout: a projector
// shows it large, a netbook small, and a resize or a turned tablet fits it again. A transform
// scales what is laid out once, at the described size, so every text keeps its place and its
// width at any scale, and the browser draws the text and the drawing at the scale, sharp. The
// graphs' view, when shown, stands beside the window or under it, whichever lets both be larger,
// and is scaled with it. Returns what fits them again once the view is shown or hidden.
function fitToScreen(frame) {
  const layout = frame.firstElementChild;
  const fixed = askedScale(location.search);
  const sizeOf = (classes) => {
    for (const [name, on] of Object.entries(classes)) layout.classList.toggle(name, on);
    return { width: layout.offsetWidth, height: layout.offsetHeight };
  };
  const fit = () => {
    const page = { width: innerWidth, height: innerHeight };
    // A print shows the window and the view side by side without the menus (virenast.css).
    const printed = sizeOf({ under: false, printing: true });
    const beside = sizeOf({ printing: false });
    const under = layout.childElementCount > 1 && !layout.lastElementChild.hidden ? sizeOf({ under: true }) : beside;
    const placeUnder = fittingScale(under, page) > fittingScale(beside, page);
    const size = sizeOf({ under: placeUnder });
    const scale = fixed ?? fittingScale(size, page);
    layout.style.transform = scale === 1 ? '' : `scale(${scale})`;
    document.documentElement.style.setProperty('--window-scale', String(scale));
    frame.style.width = `${size.width * scale}px`;
    frame.style.height = `${size.height * scale}px`;
    const print = Math.min(1, fittingScale(printed, PRINTED, 0));
    frame.style.setProperty('--print-scale', String(print));
    frame.style.setProperty('--print-width', `${printed.width * print}px`);
    frame.style.setProperty('--print-height', `${printed.height * print}px`);
  };
  addEventListener('resize', fit);
  fit();
  return fit;
}

// The page's own face and text colours (as 0xRRGGBB), as its style sheet gives them: the
// program's standard scheme draws on them, as the desktop's draws on its style's.
function pageLook() {
  const style = getComputedStyle(document.documentElement);
  return ['--face', '--text'].map((name) => {
    const probe = document.createElement('span');
    probe.style.color = style.getPropertyValue(name);
    document.body.append(probe);
    const [red, green, blue] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
    probe.remove();
    return (red << 16) | (green << 8) | blue;
  });
}

// The program's choices shown: the items checked, the graphs' view and its check boxes, and the
// colours of the scheme chosen. Whether the view was shown or hidden by them.
function showChoices(module, menu, form, graphs) {
  const checked = module.UTF8ToString(module._virenast_checked());
  menu.showChecked(checked);
  const palette = JSON.parse(module.UTF8ToString(module._virenast_palette(...pageLook())));
  applyColours(form, palette);
  graphs.setColours(palette);
  return graphs.showChecked(checked);
}

// The program's WebAssembly: in the one-file page, packed inside it (DEFLATE, then base64); on
// a site, a file of its own, which the module fetches.
function programBinary() {
  const packed = document.getElementById('virenast-program');
  if (!packed) return {};
  const bytes = Uint8Array.from(atob(packed.textContent.trim()), (c) => c.charCodeAt(0));
  return { wasmBinary: inflateSync(bytes) };
}

async function startVirenast() {
  const module = await VirenastModule(programBinary());
  const description = JSON.parse(module.UTF8ToString(module._virenast_describe()));
  const root = document.querySelector('.window');
  let platform = null;
  const form = buildWindow(description, root, (command) => platform.raise(command));
  form.boxPlacement = {
    window: root,
    keepClear: [form.drawingArea, ...document.querySelectorAll('[data-value]'), form.scrollBar.element].map(
      (element) => element.closest('.current-box') ?? element),
    column: document.querySelector('.control.button'),
  };
  platform = new PagePlatform(form, module, description);
  module.page = platform;  // what the program's window platform calls
  let menu = null;
  let refit = () => {};
  const choices = () => { if (showChoices(module, menu, form, graphs)) refit(); };
  // Every row of the menu bar and of the graphs' view, in its order: a button's command, a file
  // command, or a choice.
  const choose = (row) => {
    if (row.command !== 'None') platform.raise(description.commands[row.command]);
    else if (row.fileCommand !== 'None') files.choose(row);
    else {
      module._virenast_choose(description.menuRows.indexOf(row));
      choices();
    }
  };
  const graphs = new GraphView(description, {
    choose,
    read: (x, y) => module.UTF8ToString(module._virenast_graph_reading(x, y)),
    tips: form.tips,
  });
  root.after(graphs.element);
  platform.graphs = graphs;
  module.ccall('virenast_start', null, ['string'], [decimalSeparator()]);
  const files = new FileMenu(module, platform, description,
    () => [form.drawingArea, ...(graphs.shown ? [graphs.svg] : [])]);
  menu = buildMenus(form.menuBar, description.menuRows, { choose, enabled: (row) => files.enabled(row) });
  platform.shown = () => menu.refreshEnabled();
  files.choicesChanged = choices;
  showChoices(module, menu, form, graphs);
  // A scenario in the address fills the boxes and the scroll bar, and nothing else; so does one
  // given later in the address of the open page.
  const fromAddress = location.hash.length > 1 ? files.readLink(location.hash) : null;
  addEventListener('hashchange', () => { if (location.hash.length > 1) files.openLink(location.hash); });
  // Time the page spent hidden is not made up by a paced run.
  document.addEventListener('visibilitychange', () => { if (!document.hidden) module._virenast_restart_pace(); });
  // Alt or F10 reaches the menu bar, Alt and a menu's letter opens that menu, as on the desktop;
  // Escape in the menu bar goes back where the focus was.
  let focusBefore = null;
  const reachMenuBar = () => {
    if (!form.menuBar.contains(document.activeElement)) focusBefore = document.activeElement;
  };
  // In the graphs' view its own letters come first, and Alt alone stays there; elsewhere the
  // menus' letters do.
  addEventListener('keydown', (event) => {
    const inView = graphs.element.contains(document.activeElement);
    if (event.altKey && event.key.length === 1) {
      if (inView && graphs.byKey(event.key)) {
        event.preventDefault();
        return;
      }
      reachMenuBar();
      if (menu.openByKey(event.key) || graphs.byKey(event.key)) event.preventDefault();
    } else if (event.key === 'F10' || (event.key === 'Alt' && !event.repeat && !inView)) {
      event.preventDefault();
      reachMenuBar();
      form.menuBar.querySelector('[role="menuitem"]').focus();
    }
  });
  form.menuBar.addEventListener('leave', () => {
    const back = focusBefore?.isConnected && focusBefore !== document.body ? focusBefore : form.firstTabStop;
    focusBefore = null;
    back.focus();
  });
  refit = fitToScreen(document.querySelector('.screen'));
  form.firstTabStop.focus();
  document.documentElement.dataset.ready = 'true';  // for whoever drives the page
  if (fromAddress !== null) await files.opened(fromAddress);  // its box over the ready window
}

startVirenast();
