// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the main window in the page from the program's description of it: one element per
// control, whose id is the control's name, placed in CSS pixels from its twips. Returns the
// elements that the program reads and writes, by the lists and indexes of its own controls.
import { Drawing } from './drawing.js';
import { numberDisplay, showNumber } from './number_display.js';
import { TimeStepScrollBar, stepInWords } from './scroll_bar.js';
import { widenTouchTargets } from './touch_reach.js';
import { ValueTips } from './value_tips.js';

const SVG = 'http://www.w3.org/2000/svg';

function pixels(twips, description) {
  return `${twips / description.twipsPerPixel}px`;
}

function place(element, control, description) {
  element.style.left = pixels(control.left, description);
  element.style.top = pixels(control.top, description);
  element.style.width = pixels(control.width, description);
  element.style.height = pixels(control.height, description);
}

// Hovering a value, or tapping it, shows it whole with its caption (`holder` is where the
// pointer is, `valued` the element whose data-value holds the value), when no box is open.
function showWholeValue(tips, holder, valued, control) {
  tips.attach(holder, () => `${control.spokenName} : ${valued.dataset.value ?? ''}`);
}

function createLabel(control, tips) {
  if (!control.currentValue) {
    const label = document.createElement('div');
    label.textContent = control.text;
    return label;
  }
  const output = document.createElement('output');
  output.setAttribute('aria-live', 'off');  // read on request, not at every step of a run
  output.dataset.value = control.text;
  output.append(numberDisplay());
  showNumber(output.firstChild, control.text);
  showWholeValue(tips, output, output, control);
  return output;
}

function createTextBox(control, tips) {
  const input = document.createElement('input');
  input.type = 'text';
  input.value = control.text;
  input.spellcheck = false;
  input.autocomplete = 'off';
  // A number may carry a sign, a decimal comma and an exponent ("-1,5E3"): only the text
  // keyboard of a tablet offers "E" beside the digits, so it stays that, without capitals or
  // corrections.
  input.inputMode = 'text';
  input.setAttribute('autocapitalize', 'off');
  input.setAttribute('autocorrect', 'off');
  input.disabled = control.disabled;
  if (!control.currentValue) return input;
  // The value of a current-value box is shown over it, fitted like a result's.
  input.dataset.value = control.text;
  const holder = document.createElement('div');
  holder.className = 'current-box';
  input.classList.add('textBox');
  if (control.colour) input.dataset.colour = control.colour;
  holder.append(input, numberDisplay());
  holder.lastChild.setAttribute('aria-hidden', 'true');  // the box's value says it
  showNumber(holder.lastChild, control.text);
  showWholeValue(tips, holder, input, control);
  return holder;
}

function createDrawingArea(control, description) {
  const svg = document.createElementNS(SVG, 'svg');
  svg.setAttribute('viewBox', `0 0 ${control.width} ${control.height}`);
  svg.setAttribute('width', control.width);
  svg.setAttribute('height', control.height);
  svg.setAttribute('role', 'img');
  svg.classList.add('frame');
  place(svg, control, description);
  return svg;
}

// A circle inscribed in its box: the box is the x, y, width and height of an inner <svg>.
function createCircle(control) {
  const box = document.createElementNS(SVG, 'svg');
  for (const [name, value] of [['x', control.left], ['y', control.top], ['width', control.width], ['height', control.height]])
    box.setAttribute(name, value);
  box.setAttribute('viewBox', '0 0 2 2');
  box.setAttribute('overflow', 'visible');
  const circle = document.createElementNS(SVG, 'circle');
  circle.setAttribute('cx', '1');
  circle.setAttribute('cy', '1');
  circle.setAttribute('r', '1');
  circle.dataset.colour = control.colour;
  circle.setAttribute('vector-effect', 'non-scaling-stroke');
  box.append(circle);
  return box;
}

function createLine(control) {
  const line = document.createElementNS(SVG, 'line');
  const ends = { x1: control.x1, y1: control.y1, x2: control.x2, y2: control.y2 };
  for (const [attribute, twips] of Object.entries(ends)) line.setAttribute(attribute, twips);
  line.setAttribute('vector-effect', 'non-scaling-stroke');
  return line;
}

// A caption whose text runs to within 4 pixels of the control on its right (the page's font is a
// little wider than the desktop's) is written a little tighter, as far as it must.
function keepCaptionsApart(client) {
  const gap = 4;
  const labels = [...client.querySelectorAll('.control.label:not(.wrapped)')].filter((label) => !label.matches('output'));
  const others = [...client.querySelectorAll('.control')];
  for (const label of labels) {
    const words = document.createRange();
    words.selectNodeContents(label);
    const text = () => words.getBoundingClientRect();
    const own = label.getBoundingClientRect();
    const next = others.map((other) => other.getBoundingClientRect())
      .filter((box) => box.left > own.left + 1 && box.top < own.bottom && box.bottom > own.top)
      .reduce((nearest, box) => (!nearest || box.left < nearest.left ? box : nearest), null);
    for (let tighter = 1; next && text().right > next.left - gap && tighter <= 6; ++tighter)
      label.style.letterSpacing = `${-0.03 - 0.01 * tighter}em`;
  }
}

// Tab from the last stop comes back to the first, and Shift+Tab from the first goes to the
// last, as in a window of its own.
function wrapFocus(stops) {
  const first = stops[0];
  const last = stops[stops.length - 1];
  first.addEventListener('keydown', (event) => {
    if (event.key === 'Tab' && event.shiftKey) { event.preventDefault(); last.focus(); }
  });
  last.addEventListener('keydown', (event) => {
    if (event.key === 'Tab' && !event.shiftKey) { event.preventDefault(); first.focus(); }
  });
}

// Every colour the window draws, by its role, from the program's palette: the controls' backs,
// the circles, the drawing's back and outlines, the program's shapes. Again whenever the scheme
// changes.
export function applyColours(form, palette) {
  const root = form.root;
  root.style.setProperty('--disabled-text', palette.DisabledText);
  root.style.setProperty('--drawing-back', palette.DrawingBack);
  root.style.setProperty('--outline', palette.Outline);
  for (const element of root.querySelectorAll('[data-colour]')) {
    if (element.localName === 'circle') element.setAttribute('fill', palette[element.dataset.colour]);
    else element.style.setProperty('--back', palette[element.dataset.colour]);
  }
  form.drawing.setColours(palette);
}

// `raise` takes the number of the command that a button stands for; the menu bar is built apart
// (menus.js), "A propos" with it.
export function buildWindow(description, root, raise) {
  const client = root.querySelector('.client');
  const menuBar = root.querySelector('.menu-bar');
  root.querySelector('.caption').textContent = description.caption;
  root.id = description.name;
  client.style.width = pixels(description.clientWidth, description);
  client.style.height = pixels(description.clientHeight, description);

  const logic = { textBoxes: [], labels: [], shapes: [], lines: [] };
  const tips = new ValueTips();
  const touchTargets = [];
  const tabStops = [];
  let drawingArea = null;
  let scrollBar = null;
  for (const control of description.controls) {
    let element;
    switch (control.kind) {
      case 'label': element = createLabel(control, tips); break;
      case 'textBox': element = createTextBox(control, tips); break;
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = control.text;
        element.addEventListener('click', () => raise(description.commands[control.command]));
        break;
      case 'scrollBar':
        scrollBar = new TimeStepScrollBar(description.timeStep, description.scrollKeys);
        element = scrollBar.element;
        tips.attach(element, () => `${control.spokenName} : ${stepInWords(scrollBar.value)}`);
        scrollBar.onChange = () => tips.refresh(element);
        break;
      case 'frame':
        drawingArea = createDrawingArea(control, description);
        element = drawingArea;
        break;
      case 'circle': element = createCircle(control); break;
      case 'line': element = createLine(control); break;
      case 'menuItem': continue;  // a row of the menu bar
    }
    const named = element.matches('.current-box') ? element.querySelector('input') : element;
    named.id = control.name;
    if (control.spokenName) named.setAttribute('aria-label', control.spokenName);
    if (control.spokenDescription) named.setAttribute('aria-description', control.spokenDescription);
    if (control.logicList) logic[control.logicList][control.logicIndex] = named;
    if (control.inDrawingArea) {
      drawingArea.append(element);
      continue;
    }
    element.classList.add('control');
    if (!element.matches('.current-box')) element.classList.add(control.kind);
    if (control.centred) element.classList.add('centred');
    if (control.wordWrap) element.classList.add('wrapped');
    if (control.colour) element.dataset.colour = control.colour;
    if (control.kind !== 'frame') place(element, control, description);
    if (control.takesFocus) tabStops.push({ tabIndex: control.tabIndex, element: named });
    if (control.takesFocus || control.currentValue) touchTargets.push(element);
    client.append(element);
  }
  widenTouchTargets(client, touchTargets, (target, event, phase) => {
    if (target === scrollBar.element) {
      if (phase === 'down') scrollBar.pressBeside(event);
      return true;
    }
    if (phase === 'down') return false;
    if (target.localName === 'button') target.click();
    else if (target.localName === 'input') target.focus();
    else target.dispatchEvent(new PointerEvent('pointerdown', event));  // a value: its tip
    return true;
  });
  const drawing = new Drawing(drawingArea, description);
  document.fonts.ready.then(() => keepCaptionsApart(client));
  tabStops.sort((a, b) => a.tabIndex - b.tabIndex);
  tabStops.forEach((stop, position) => { stop.element.tabIndex = position + 1; });
  wrapFocus(tabStops.map((stop) => stop.element));
  return { root, logic, drawingArea, drawing, scrollBar, tips, firstTabStop: tabStops[0].element, menuBar };
}
