// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's page in a real browser, driven as a user would: opened from disk, in French,
// with every request to the network refused and noted, and read through the names its controls
// carry (the id of each control, data-value for what the program wrote, aria-valuenow for the
// scroll bar, dialog[open] for a message box).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pagePath = process.env.VIRENAST_PAGE;
export const browserName = process.env.VIRENAST_BROWSER ?? 'chromium';

// What the in-memory window shows at the end of the same run (tests/tools/memory_run.cpp).
// (VIRENAST_MEMORY_RUN: the tool, native or built for Node.)
export function memoryRun(...typed) {
  const tool = process.env.VIRENAST_MEMORY_RUN;
  const [command, start] = tool.endsWith('.js') ? [process.execPath, [tool]] : [tool, []];
  return JSON.parse(execFileSync(command, [...start, ...typed], { encoding: 'utf8' }));
}

// The page in a new tab of a browser started in French (browsers.mjs), which closing the tab
// leaves running for the next test; `search` is the address's query ("?scale=1").
export async function openPage(browser, { viewport = { width: 1280, height: 900 }, search = '' } = {}) {
  const page = await browser.newPage();
  const refused = [];
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file:') || url.startsWith('data:')) request.continue();
    else {
      refused.push(url);
      request.abort();
    }
  });
  if (browserName === 'chromium') {  // Firefox takes its language from the profile
    const cdp = await page.createCDPSession();
    await cdp.send('Emulation.setLocaleOverride', { locale: 'fr-FR' });
    await cdp.send('Emulation.setUserAgentOverride', { userAgent: await browser.userAgent(), acceptLanguage: 'fr-FR' });
  }
  await page.setViewport(viewport);
  await page.goto(pathToFileURL(pagePath).href + search);
  await page.waitForSelector('html[data-ready]', { timeout: 60000 });
  return { page, refused, errors, close: () => page.close() };
}

// The page in a tab of its own for `body(page)`, which must leave no request out of the page and
// no script error; the tab's storage is cleared after it when `clearStorage` is set.
export async function withPage(browser, options, body, { clearStorage = false } = {}) {
  const window = await openPage(browser, options);
  try {
    await body(window.page);
    assert.deepEqual(window.refused, [], 'no request leaves the page');
    assert.deepEqual(window.errors, [], 'no script error');
  } finally {
    if (clearStorage) await window.page.evaluate(() => localStorage.clear());
    await window.close();
  }
}

// Runs with the boxes as typed, closes every box it shows, and returns their titles.
export async function runToTheEnd(page) {
  await page.click('#Command2');
  const titles = [];
  for (;;) {
    const box = await nextBox(page);
    titles.push(box.title);
    await closeBox(page);
    if (box.text === 'Fin de calcul') return titles;
  }
}

// Every text that the program shows in the window, by control name: the boxes' values and the
// results' whole texts, as the in-memory run reports them.
export function shownTexts(page) {
  return page.evaluate(() => {
    const texts = {};
    for (const input of document.querySelectorAll('.window input[id]')) texts[input.id] = input.value;
    for (const output of document.querySelectorAll('.window output[id]')) texts[output.id] = output.dataset.value;
    return texts;
  });
}

// The circles' boxes and the lines' ends, in twips, as singles.
export function shownTwips(page, names) {
  return page.evaluate((names) => Object.fromEntries(names.map((name) => {
    const element = document.getElementById(name);
    const attributes = element.localName === 'line' ? ['x1', 'y1', 'x2', 'y2'] : ['x', 'y', 'width', 'height'];
    return [name, attributes.map((attribute) => Math.fround(Number(element.getAttribute(attribute))))];
  })), names);
}

export async function typeInto(page, name, text) {
  await page.$eval(`#${name}`, (input, text) => { input.value = text; }, text);
}

// The message box that opens next: its title, text and style.
export async function nextBox(page, timeout = 180000) {
  await page.waitForSelector('dialog[open]', { timeout });
  return page.$eval('dialog[open]', (box) => ({
    title: document.getElementById(box.getAttribute('aria-labelledby')).textContent,
    text: document.getElementById(box.getAttribute('aria-describedby')).textContent,
    style: Number(box.dataset.style),
    buttons: [...box.querySelectorAll('button')].map((button) => button.textContent),
    role: box.getAttribute('role'),
  }));
}

// Closes the open box as a user would: 'click' on OK, or a key (Enter, Space, Escape).
export async function closeBox(page, how = 'click') {
  const box = await page.$('dialog[open]');
  if (how === 'click') await page.click('dialog[open] button');
  else await page.keyboard.press(how);
  await page.waitForFunction((box) => !box.isConnected || !box.open, {}, box);
  await box.dispose();
}

export function years(text) { return Number(text.replace(',', '.')); }

// A colour as the browser computes it ("rgb(0, 128, 0)") written "#008000".
export function hexOf(computed) {
  return `#${computed.match(/\d+/g).slice(0, 3).map((channel) => Number(channel).toString(16).padStart(2, '0')).join('')}`;
}

// The contrast ratio of two "#rrggbb" colours, as WCAG defines it.
export function contrast(a, b) {
  const luminance = (hex) => {
    const [r, g, bl] = [1, 3, 5].map((at) => {
      const c = parseInt(hex.slice(at, at + 2), 16) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

// The bytes of the file the browser saved into `folder` under that name (or under the name that
// matches it), once it is whole.
export async function downloadedFile(folder, name) {
  const named = () => (typeof name === 'string' ? name : readdirSync(folder).find((file) => name.test(file)) ?? '');
  let size = -1;
  for (let tries = 0; tries < 600; ++tries) {
    const partial = readdirSync(folder).some((file) => /\.(crdownload|part)$/.test(file));
    const path = join(folder, named());
    if (named() && existsSync(path) && !partial) {
      const now = statSync(path).size;
      if (now === size && now > 0) return readFileSync(path);
      size = now;
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`no download ${name} in ${readdirSync(folder)}`);
}

// The rows of a downloaded CSV: the byte-order mark, then `;` between fields under the comma.
export function csvRows(bytes) {
  assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf], 'a byte-order mark for the spreadsheet');
  const lines = bytes.subarray(3).toString('utf8').split('\r\n');
  assert.equal(lines.pop(), '', 'every row ends its line');
  return lines.map((line) => line.split(';'));
}

// The shapes drawn under `selector` as the in-memory session prints them: role, kind, points in
// twips (a path's points, its pieces joined; an arrow's tail and head; a polygon's vertices; a
// text's centre) and text.
export const shownShapes = (page, selector) => page.$$eval(selector, (shapes) =>
  shapes.map((shape) => {
    const { role, kind } = shape.dataset;
    const numbers = (d) => [...d.matchAll(/-?[\d.]+(?:e[-+]?\d+)?/g)].map(Number);
    if (kind === 'Text') {
      const text = shape.querySelector('text');
      return { role, kind, points: [Number(text.getAttribute('x')), Number(text.getAttribute('y'))], text: text.textContent };
    }
    if (kind === 'Dots') {
      const points = [...shape.querySelectorAll('circle')].flatMap((dot) => [Number(dot.getAttribute('cx')), Number(dot.getAttribute('cy'))]);
      return { role, kind, points, text: '' };
    }
    const pieces = [...shape.querySelectorAll(':scope > path')].map((piece) => numbers(piece.getAttribute('d')));
    // Each piece of a path after the first starts at the point the one before it ended.
    if (kind === 'Polyline') return { role, kind, points: pieces.flatMap((d, i) => (i ? d.slice(2) : d)), text: '' };
    const [d] = pieces;
    if (kind === 'Polygon') return { role, kind, points: d, text: '' };
    return { role, kind, points: d.length === 2 ? [...d, ...d] : d.slice(0, 4), text: '' };  // a lone move: no length
  }));

// The same shapes in an order of their own on both sides: the page keeps a redrawn shape where it stood.
const inOrder = (shapes) => [...shapes].sort((a, b) =>
  `${a.role} ${a.kind} ${a.points.slice(0, 4)}`.localeCompare(`${b.role} ${b.kind} ${b.points.slice(0, 4)}`));

export function expectSameShapes(seen, wanted) {
  assert.equal(seen.length, wanted.length, 'as many shapes');
  const [ours, theirs] = [inOrder(seen), inOrder(wanted)];
  ours.forEach((shape, i) => {
    const other = theirs[i];
    assert.deepEqual([shape.role, shape.kind, shape.text, shape.points.length], [other.role, other.kind, other.text, other.points.length]);
    shape.points.forEach((value, at) =>
      assert.ok(Math.abs(value - other.points[at]) < 0.01, `${shape.role} ${shape.kind}: ${value} against ${other.points[at]}`));
  });
}

// The colours of a PNG's pixels at these places, in its pixels, each with the eight around it
// (its own first), decoded by the browser.
export function pngPixels(page, png, points) {
  return page.evaluate(async (png, points) => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    return points.map(([x, y]) => {
      const block = context.getImageData(Math.floor(x) - 1, Math.floor(y) - 1, 3, 3).data;
      return [4, 0, 1, 2, 3, 5, 6, 7, 8].map((at) => [...block.slice(4 * at, 4 * at + 3)]);
    });
  }, png.toString('base64'), points);
}

// The colours on the screen at these places of an SVG (`selector`), in its twips, each with the
// eight around it: a line 1,5 pixels wide may fall between two.
export async function svgPixels(page, selector, points) {
  const box = await page.$eval(selector, (svg) => {
    const rect = svg.getBoundingClientRect();
    const scale = rect.width / (svg.clientWidth + 2 * svg.clientLeft);  // the window's own scale
    return { x: rect.left + scale * svg.clientLeft, y: rect.top + scale * svg.clientTop, width: scale * svg.clientWidth,
             height: scale * svg.clientHeight, twips: svg.viewBox.baseVal.width };
  });
  const shot = await page.screenshot({ clip: { x: box.x, y: box.y, width: box.width, height: box.height } });
  const perTwip = box.width / box.twips;  // (a screenshot's pixels are the page's, at a device scale of 1)
  return pngPixels(page, Buffer.from(shot), points.map(([x, y]) => [x * perTwip, y * perTwip]));
}
