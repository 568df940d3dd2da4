// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graphs' view, beside the window or under it (start.js), shown while its item of
// "Affichage" is checked: the curves' check boxes and the table's copy built from the view's rows
// of the description, as the menu bar is from its own; the graphs that the program draws, in a
// second drawing; the value under the pointer in the values' tip; and the table "Troisième loi".
// It shows what the program hands it and forwards the clicks, nothing more.
import { Drawing } from './drawing.js';
import { accessKeyOf, labelWithAccessKey } from './menus.js';

const SVG = 'http://www.w3.org/2000/svg';
// The ring around the point read, in the view's twips (5 pixels).
const MARK_RADIUS = 75;

function svgElement(name, attributes) {
  const made = document.createElementNS(SVG, name);
  for (const [attribute, value] of Object.entries(attributes)) made.setAttribute(attribute, value);
  return made;
}

// A control of the view: a curve's check box, or a button.
function viewControl(row, choose) {
  const holder = document.createElement(row.kind === 'item' ? 'button' : 'label');
  const input = row.kind === 'item' ? holder : document.createElement('input');
  if (row.kind === 'item') holder.type = 'button';
  else input.type = 'checkbox';
  const text = document.createElement('span');
  labelWithAccessKey(text, row.text, row.accessKey);
  if (holder !== input) holder.append(input);
  holder.append(text);
  input.id = row.name;
  input.setAttribute('aria-label', row.spokenName);
  if (row.spokenDescription) input.setAttribute('aria-description', row.spokenDescription);
  if (row.accessKey >= 0) input.setAttribute('aria-keyshortcuts', `Alt+${accessKeyOf(row).toUpperCase()}`);
  input.addEventListener(row.kind === 'item' ? 'click' : 'change', () => choose(row));
  return { row, holder, input };
}

export class GraphView {
  // `choose(row)` for a check box or the button clicked; `read(x, y)` is the program's reading
  // at that place of the view, in its twips ("X Y TEXT", or '' over no curve); `tips` shows it.
  constructor(description, { choose, read, tips }) {
    const rows = description.menuRows;
    const view = rows.find((row) => row.kind === 'view');
    this.rows = rows;
    this.shownBy = rows.findIndex((row) => row.name === view.shownBy);
    this.element = document.createElement('section');
    this.element.id = view.name;
    this.element.className = 'graph-view';
    this.element.hidden = true;
    this.element.setAttribute('aria-label', view.spokenName);
    this.element.setAttribute('aria-description', view.spokenDescription);
    const title = document.createElement('div');
    title.className = 'title-bar';
    title.append(document.createElement('span'));
    labelWithAccessKey(title.firstChild, view.text, view.accessKey);
    this.viewKey = accessKeyOf(view);

    this.controls = rows.filter((row) => row.parent === view.name).map((row) => viewControl(row, choose));
    const curves = document.createElement('div');
    curves.className = 'curves';
    curves.setAttribute('role', 'group');
    curves.setAttribute('aria-label', view.spokenName);
    curves.append(...this.controls.filter(({ row }) => row.kind !== 'item').map(({ holder }) => holder));

    const [width, height] = [description.graphWidth, description.graphHeight];
    this.svg = svgElement('svg', {
      viewBox: `0 0 ${width} ${height}`, width, height, role: 'img', 'aria-label': view.spokenName,
    });
    this.svg.style.width = `${width / description.twipsPerPixel}px`;
    this.svg.style.height = `${height / description.twipsPerPixel}px`;
    this.drawing = new Drawing(this.svg, description);
    this.mark = svgElement('circle', { class: 'reading-mark', r: MARK_RADIUS, display: 'none', fill: 'none' });
    this.svg.append(this.mark);
    const frame = document.createElement('div');
    frame.className = 'graph-frame';
    frame.append(this.svg);

    this.table = document.createElement('table');
    this.table.createCaption();
    this.table.createTHead();
    this.table.createTBody();
    const tableBox = document.createElement('div');
    tableBox.className = 'table-box';
    tableBox.append(this.table);
    const law = document.createElement('div');
    law.className = 'third-law';
    this.copyButton = this.controls.find(({ row }) => row.kind === 'item')?.holder;
    this.copyButton?.classList.add('copy');
    law.append(tableBox, ...(this.copyButton ? [this.copyButton] : []));
    this.element.append(title, curves, frame, law);
    this.followPointer(width, height, read, tips);
  }

  // The value under the mouse, or under a finger from its tap until the next tap elsewhere, read
  // again as a run draws on; the point read is ringed.
  followPointer(width, height, read, tips) {
    const { svg, mark } = this;
    let pointer = null;
    let at = null;
    const reading = () => {
      const found = pointer && read(...pointer).match(/^(\S+) (\S+) (.*)$/s);
      at = found ? [Number(found[1]), Number(found[2])] : null;
      mark.setAttribute('display', at ? 'inline' : 'none');
      if (at) {
        mark.setAttribute('cx', at[0]);
        mark.setAttribute('cy', at[1]);
      }
      return found ? found[3] : '';
    };
    const below = () => {
      const box = svg.getBoundingClientRect();
      const [x, y] = [box.left + (at[0] / width) * box.width, box.top + (at[1] / height) * box.height];
      const ring = (MARK_RADIUS / width) * box.width;
      return { left: x - ring, right: x + ring, top: y - ring, bottom: y + ring };
    };
    const show = (event) => {
      const box = svg.getBoundingClientRect();
      pointer = [((event.clientX - box.left) / box.width) * width, ((event.clientY - box.top) / box.height) * height];
      tips.show(svg, reading, { boxOf: below, hidden: () => mark.setAttribute('display', 'none') });
    };
    svg.addEventListener('pointermove', (event) => { if (event.pointerType === 'mouse') show(event); });
    svg.addEventListener('pointerdown', (event) => { if (event.pointerType !== 'mouse') show(event); });
    svg.addEventListener('pointerleave', (event) => {
      if (event.pointerType === 'mouse' && tips.shownFor?.element === svg) tips.hide();
    });
  }

  get shown() { return !this.element.hidden; }

  // The program's choices ("0110...", by the rows' places): the view shown or not, its check
  // boxes. Returns whether the view was shown or hidden by them.
  showChecked(checked) {
    for (const { row, input } of this.controls)
      if (row.kind === 'checkable') input.checked = checked[this.rows.indexOf(row)] === '1';
    const hidden = checked[this.shownBy] !== '1';
    const changed = hidden !== this.element.hidden;
    this.element.hidden = hidden;
    return changed;
  }

  setColours(palette) {
    this.element.style.setProperty('--drawing-back', palette.DrawingBack);
    this.mark.setAttribute('stroke', palette.GraphText);
    this.drawing.setColours(palette);
  }

  describe(text) { this.svg.setAttribute('aria-description', text); }

  // The table as the program gives it: its title, its headers, and a row a run with a whole turn.
  showTable({ title, headers, rows }) {
    this.table.caption.textContent = title;
    const line = (cells, tag) => {
      const tr = document.createElement('tr');
      for (const text of cells) tr.append(Object.assign(document.createElement(tag), { textContent: text }));
      return tr;
    };
    this.table.tHead.replaceChildren(line(headers, 'th'));
    this.table.tBodies[0].replaceChildren(...rows.map((cells) => line(cells, 'td')));
    if (this.copyButton) this.copyButton.disabled = rows.length === 0;
    this.table.parentElement.scrollTop = this.table.parentElement.scrollHeight;  // the last run's row
  }

  // Alt and a letter: the view's own letter reaches its first check box, a control's letter
  // clicks that control. Whether the key was the view's.
  byKey(key) {
    if (!this.shown) return false;
    const lower = key.toLowerCase();
    const reached = lower === this.viewKey ? this.controls[0] : this.controls.find(({ row }) => accessKeyOf(row) === lower);
    if (!reached || reached.input.disabled) return false;
    reached.input.focus();
    if (lower !== this.viewKey) reached.input.click();
    return true;
  }
}
