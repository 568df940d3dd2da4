// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program asks of the page (its window platform calls these), and the one queue
// through which every click reaches the program. The program runs one call at a time: while a
// run waits in its yield for the browser's turn, a click is queued, and the yield itself runs
// it, nested in the run, at the next step boundary; when the program is idle, the page starts
// the queued command at once.
'use strict';

// About a frame of work between two turns of the browser, to paint and to take input.
const TURN_EVERY_MS = 15;

class PagePlatform {
  constructor(window, module) {
    this.window = window;
    this.module = module;
    this.commands = [];
    this.busy = false;
    this.lastTurn = performance.now();
    this.frame = window.drawingArea;
    const numbers = (element) => element.matches('output') ? element.firstChild : element.nextSibling;
    this.displays = new Map([...window.logic.labels, ...window.logic.textBoxes]
      .filter((element) => element.dataset.value !== undefined)
      .map((element) => [element, numbers(element)]));
  }

  // A click on a button or on the menu item.
  raise(command) {
    this.commands.push(command);
    if (!this.busy) this.pump();
  }

  async pump() {
    this.busy = true;
    while (this.commands.length) {
      const command = this.commands.shift();
      this.lastTurn = performance.now();
      await this.module.ccall('virenast_perform', null, ['number'], [command], { async: true });
    }
    this.busy = false;
  }

  nextCommand() { return this.commands.shift() ?? 0; }

  needsTurn() { return performance.now() - this.lastTurn >= TURN_EVERY_MS; }

  // A hidden page gets no timers to speak of; a message keeps its run going.
  browserTurn() {
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

  readText(box) { return this.window.logic.textBoxes[box].value; }

  setText(box, text) {
    const input = this.window.logic.textBoxes[box];
    input.value = text;
    this.showWhole(input, text);
  }

  setCaption(label, text) {
    const element = this.window.logic.labels[label];
    if (this.displays.has(element)) this.showWhole(element, text);
    else element.textContent = text;
  }

  showWhole(element, text) {
    const display = this.displays.get(element);
    if (!display) return;
    element.dataset.value = text;
    showNumber(display, text);
  }

  // Left, Top, Width, Height of a circle's box; X1, Y1, X2, Y2 of a line.
  setShape(shape, which, twips) {
    this.window.logic.shapes[shape].setAttribute(['x', 'y', 'width', 'height'][which], twips);
  }

  setLine(line, which, twips) {
    this.window.logic.lines[line].setAttribute(['x1', 'y1', 'x2', 'y2'][which], twips);
  }

  frameSize(which) { return Number(this.frame.getAttribute(which === 0 ? 'width' : 'height')); }

  scrollValue() { return this.window.scrollBar.value; }

  messageBox(text, title, style) {
    this.lastTurn = performance.now();
    return showMessageBox(text, title, style, this.window.boxPlacement).then(() => {
      this.lastTurn = performance.now();
    });
  }
}
