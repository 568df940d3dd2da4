// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program asks of the page (its window platform calls these), and the one queue
// through which every click reaches the program.
//
// The program runs one call at a time: while a run waits in its yield for the browser's turn,
// a click is queued, and the yield itself runs it, nested in the run, at the next step
// boundary; when the program is idle, the page starts the queued command at once.
//
// What the program writes reaches the document before anything can see it: the browser paints,
// and scripts and users act, only at its turns, so the texts and places written between two
// turns are kept here, the last of each, and put into the document just before each turn, each
// message box, and the end of each command.
//
// The numbers that cross between the program and the page (commands, message styles, which of
// a circle's or a line's values) are those of the program's description, by their names.
import { showMessageBox } from './message_box.js';
import { showNumber } from './number_display.js';

// About a frame of work between two turns of the browser, to paint and to take input.
const TURN_EVERY_MS = 15;
// A frame of a 60 Hz screen.
const FRAME_MS = 1000 / 60;

export class PagePlatform {
  constructor(form, module, description) {
    this.form = form;
    this.module = module;
    this.noCommand = description.commands.None;
    this.styleNames = new Map(Object.entries(description.messageStyles).map(([name, style]) => [style, name]));
    this.shapeAttributes = description.shapeAttributes;
    this.lineAttributes = description.lineAttributes;
    this.queue = [];
    this.busy = false;
    this.lastTurn = performance.now();
    this.frameSizes = [form.drawingArea.getAttribute('width'), form.drawingArea.getAttribute('height')].map(Number);
    this.texts = new Map();       // element → the text last written
    this.attributes = new Map();  // element → { attribute: the value last written }
  }

  // A click on a button or on the menu item.
  raise(command) {
    this.queue.push(command);
    if (!this.busy) this.pump();
  }

  async pump() {
    this.busy = true;
    while (this.queue.length) {
      const command = this.queue.shift();
      this.lastTurn = performance.now();
      await this.module.ccall('virenast_perform', null, ['number'], [command], { async: true });
      this.show();
    }
    this.busy = false;
  }

  nextCommand() { return this.queue.shift() ?? this.noCommand; }

  needsTurn() { return performance.now() - this.lastTurn >= TURN_EVERY_MS; }

  // What changed in the program's drawing (drawing.js), put into the document at once: the
  // program hands it over just before a turn, a wait or a box.
  draw(header, points, text) { this.form.drawing.apply(header, points, text); }

  // What the drawing shows beyond its shapes (the arrows' magnitudes, the areas), in words: the
  // drawing's description, which a screen reader reads on the drawing.
  describeDrawing(text) {
    if (text) this.form.drawingArea.setAttribute('aria-description', text);
    else this.form.drawingArea.removeAttribute('aria-description');
  }

  // The same for the graphs' view (graph_view.js, set by the page), while it is shown; and its
  // table "Troisième loi" whenever a run adds a row.
  drawGraphs(header, points, text) { this.graphs.drawing.apply(header, points, text); }

  describeGraphs(text) { this.graphs.describe(text); }

  showThirdLaw(table) { this.graphs.showTable(table); }

  // The choices of the menu bar kept by the browser. A page opened from disk may be refused its
  // storage: it then starts with the program's defaults and keeps nothing.
  readChoice(key) {
    try { return localStorage.getItem(key); } catch { return null; }
  }

  writeChoice(key, value) {
    try { localStorage.setItem(key, value); } catch { /* nothing kept */ }
  }

  // A paced run waits here for its next step: the browser paints what the run wrote and takes
  // input meanwhile. The step comes at the first frame painted once it is due, so the body
  // moves with the screen's frames; a step due a little early is no fault, since the program
  // times each step from the run's click (and asks again after a long wait, so that a pace
  // changed meanwhile takes effect at once). A hidden page paints no frames: a timer keeps its
  // run going, two frames after the step was due.
  wait(wait) {
    this.show();
    const due = performance.now() + wait;
    return new Promise((resolve) => {
      let waiting = true;
      const resume = () => {
        if (!waiting) return;
        waiting = false;
        clearTimeout(unpainted);
        this.lastTurn = performance.now();
        resolve();
      };
      const unpainted = setTimeout(resume, wait + 2 * FRAME_MS);
      const atFrame = (now) => {
        if (now >= due - 1) resume();
        else if (waiting) requestAnimationFrame(atFrame);
      };
      requestAnimationFrame(atFrame);
    });
  }

  // A hidden page gets no timers to speak of; a message keeps its run going.
  browserTurn() {
    this.show();
    return new Promise((resolve) => {
      const resume = () => { this.lastTurn = performance.now(); resolve(); };
      if (document.hidden) {
        const channel = new MessageChannel();
        channel.port1.onmessage = resume;
        channel.port2.postMessage(0);
      } else {
        setTimeout(resume, 0);
      }
    });
  }

  async messageBox(text, title, style) {
    this.show();
    await showMessageBox(text, title, {
      style, styleName: this.styleNames.get(style), program: this.module, placement: this.form.boxPlacement,
    });
    this.lastTurn = performance.now();
  }

  // A box's text as the user typed it, or as the program last wrote it.
  readText(box) {
    const input = this.form.logic.textBoxes[box];
    return this.texts.get(input) ?? input.value;
  }

  setText(box, text) { this.texts.set(this.form.logic.textBoxes[box], text); }

  setCaption(label, text) { this.texts.set(this.form.logic.labels[label], text); }

  // Which of a circle's or a line's values: its attribute at that index of the description's list.
  setShape(shape, which, twips) { this.setAttribute(this.form.logic.shapes[shape], this.shapeAttributes[which], twips); }

  setLine(line, which, twips) { this.setAttribute(this.form.logic.lines[line], this.lineAttributes[which], twips); }

  setAttribute(element, name, value) {
    let values = this.attributes.get(element);
    if (!values) this.attributes.set(element, values = {});
    values[name] = value;
  }

  frameSize(which) { return this.frameSizes[which]; }

  scrollValue() { return this.form.scrollBar.value; }

  // The program moves the bar itself only to put an opened scenario's time step there.
  setScrollValue(value) { this.form.scrollBar.set(value); }

  // Puts what the program wrote into the document: a result's or a current value's whole text
  // in data-value, fitted on screen with its exponent kept.
  show() {
    for (const [element, text] of this.texts) {
      if (element.localName === 'input') element.value = text;
      if (element.dataset.value === undefined) {
        element.textContent = text;
        continue;
      }
      element.setAttribute('data-value', text);
      showNumber(element.localName === 'output' ? element.firstChild : element.nextSibling, text, this.module);
    }
    for (const [element, values] of this.attributes)
      for (const name in values) element.setAttribute(name, values[name]);
    this.texts.clear();
    this.attributes.clear();
    this.form.tips.refreshShown();
    this.shown();
  }

  // What else follows what the program shows (the menus' items that can act); set by the page.
  shown() {}
}
