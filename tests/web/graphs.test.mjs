// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graphs' view of the page in a real browser (VIRENAST_BROWSER), opened from disk with the
// network refused: shown by its item beside or under the window, and kept; a run's curves where
// the in-memory session draws them, seen there, read by the pointer as the measurements file
// writes them; the copies on the clipboard; the picture; the print.
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, afterEach, before, describe, test } from 'node:test';
import { launch } from './browsers.mjs';
import {
  browserName, csvRows, downloadedFile, expectSameShapes, hexOf, memoryRun, pngPixels, runToTheEnd, shownShapes, shownTwips,
  svgPixels, typeInto, withPage,
} from './window_page.mjs';

// Sheet 8's ellipse for two turns and a little more: a row of "Troisième loi".
const sheet8 = { G1: '13271244', x1: '1,9', y1: '1', G2: '0', x2: '3,6', y2: '1,9',
                 xs: '1,9', ys: '0,1', vx: '25000', vy: '0', Text1: '1,2' };

let session;
let downloads;
before(async () => {
  downloads = mkdtempSync(join(tmpdir(), 'virenast-graphs-'));
  session = await launch(browserName, { locale: 'fr-FR', downloads });
});
after(async () => {
  await session?.close();
  rmSync(downloads, { recursive: true, force: true });
});
afterEach(() => { for (const file of readdirSync(downloads)) rmSync(join(downloads, file), { force: true }); });

const withWindow = (options, body) => withPage(session.browser, options, body, { clearStorage: true });
const click = (page, id) => page.$eval(`#${id}`, (element) => element.click());
const boxOf = (page, selector) => page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
// Whether one of the pixels has the computed colour ("rgb(0, 121, 121)"), give or take its edges' blending.
const hasColour = (pixels, colour) => {
  const rgb = colour.match(/\d+/g).map(Number);
  return pixels.some((pixel) => pixel.every((channel, i) => Math.abs(channel - rgb[i]) <= 40));
};

// Sheet 8 run in the graphs with the distance to body 2 as well; the in-memory session's end.
async function runSheet8(page) {
  await click(page, 'graphiques');
  await click(page, 'courbeDistance2');
  for (const [name, text] of Object.entries(sheet8)) await typeInto(page, name, text);
  await runToTheEnd(page);
  return memoryRun('--show', 'graphiques', '--show', 'courbeDistance2', ...Object.entries(sheet8).map(([name, text]) => `${name}=${text}`));
}

// The CSV of every step, as "Enregistrer les mesures…" saves it.
async function savedRows(page) {
  await click(page, 'enregistrerMesures');
  await page.waitForSelector('dialog[open] .every-nth input');
  await page.keyboard.press('Enter');
  return csvRows(await downloadedFile(downloads, /^mesures-.*\.csv$/));
}

describe(`the graphs' view in ${browserName}`, () => {
  test('"Graphiques" shows the view beside a wide window and under a tall one, both fitted, and the page keeps it', () =>
    withWindow({}, async (page) => {
      const alone = await boxOf(page, '.window');
      assert.equal(await page.$eval('#vueGraphiques', (view) => view.hidden), true);
      await click(page, 'graphiques');
      const curves = await page.$$eval('#vueGraphiques .curves input', (boxes) => boxes.map((box) =>
        [box.id, box.checked, box.closest('label').textContent, box.getAttribute('aria-keyshortcuts')]));
      assert.deepEqual([curves.length, curves[0]], [7, ['courbeDistance1', true, 'Distance corps1 corps', 'Alt+1']]);
      const fitted = async (where) => {
        const [window, view] = [await boxOf(page, '.window'), await boxOf(page, '#vueGraphiques')];
        const size = await page.evaluate(() => ({ width: innerWidth, height: innerHeight }));
        for (const box of [window, view])
          assert.ok(box.left >= 0 && box.top >= 0 && box.right <= size.width && box.bottom <= size.height, `${where}: inside`);
        assert.ok(where === 'beside' ? view.left >= window.right : view.top >= window.bottom, where);
      };
      await fitted('beside');
      await page.setViewport({ width: 800, height: 1200 });
      await page.waitForFunction(() => innerWidth === 800);
      await fitted('under');
      await page.setViewport({ width: 1280, height: 900 });
      await click(page, 'courbeVitesse');
      await page.reload();
      await page.waitForSelector('html[data-ready]', { timeout: 60000 });
      assert.deepEqual(await page.$eval('#vueGraphiques', (view) => [view.hidden, document.getElementById('courbeVitesse').checked]),
        [false, true], 'kept from one opening to the next');
      // The view follows the colours for a projector, as the drawing does.
      await click(page, 'couleursProjecteur');
      assert.equal(hexOf(await page.$eval('#vueGraphiques svg', (svg) => getComputedStyle(svg).backgroundColor)), '#ffffff');
      await click(page, 'graphiques');
      assert.deepEqual(await boxOf(page, '.window'), alone, 'hidden, the window as before');
    }));

  test("a run's curves stand where the in-memory session draws them, are seen there, and the pointer reads the file's row", () =>
    withWindow({}, async (page) => {
      const memory = await runSheet8(page);
      const seen = await shownShapes(page, '#vueGraphiques [data-kind]');
      expectSameShapes(seen, memory.graphs);
      // A point of the distance to body 1 away from the approaches' dots, its colour there.
      const dots = seen.filter((shape) => shape.role === 'Approach').flatMap((shape) => shape.points);
      const { points } = seen.find((shape) => shape.role === 'CurveDistance1' && shape.kind === 'Polyline');
      const clear = (at) => dots.every((value, i) => i % 2 || Math.hypot(value - points[at], dots[i + 1] - points[at + 1]) > 300);
      const at = [...Array(points.length / 2).keys()].map((i) => 2 * i).slice(points.length / 8).find(clear);
      const [x, y] = points.slice(at, at + 2);
      const [pixels] = await svgPixels(page, '#vueGraphiques svg', [[x, y]]);
      const curve = await page.$eval('#vueGraphiques [data-role="CurveDistance1"] path', (path) => getComputedStyle(path).stroke);
      assert.ok(hasColour(pixels, curve), `${pixels.join(' ')} against ${curve}`);
      // The mouse there: the time and the distance of a row, as the file writes them.
      const svg = await boxOf(page, '#vueGraphiques svg');
      await page.mouse.move(svg.left + (x / 9000) * svg.width, svg.top + (y / 8175) * svg.height);
      const tip = await page.waitForFunction(() => { const tip = document.querySelector('.value-tip'); return !tip.hidden && tip.textContent; });
      const [, time, distance] = (await tip.jsonValue()).match(/^temps \[années\] : (\S+) ; Distance corps1 corps \[UA\] : (\S+)$/);
      const ring = await page.$eval('#vueGraphiques .reading-mark', (mark) => ['cx', 'cy'].map((name) => Number(mark.getAttribute(name))));
      assert.ok(Math.hypot(ring[0] - x, ring[1] - y) < 30, `the point read ${ring} is the one under the mouse, ${x} ${y}`);
      const row = (await savedRows(page)).find((fields) => fields[0] === time);
      assert.equal(row?.[6], distance, `${time}: ${distance}`);
      assert.equal(await page.$$eval('#vueGraphiques tbody tr', (rows) => rows.length), 1, 'a row of "Troisième loi"');
    }));

  test('the copies put the tab-separated measurements and table on the clipboard, or show them to copy by hand', () =>
    withWindow({}, async (page) => {
      if (browserName === 'chromium') {
        await session.browser.defaultBrowserContext().overridePermissions(page.url(), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
      } else {  // a refusal, as a page from disk may meet
        await page.evaluate(() => Object.defineProperty(navigator.clipboard, 'writeText', { configurable: true,
          value: () => Promise.reject(new DOMException('refusé', 'NotAllowedError')) }));
      }
      const copied = async (item) => {
        if (browserName === 'chromium') {
          await page.evaluate(() => navigator.clipboard.writeText(''));
          await click(page, item);
          const text = await page.waitForFunction(() => navigator.clipboard.readText().then((text) => text || false));
          return text.jsonValue();
        }
        await click(page, item);
        const text = await (await page.waitForSelector('dialog[open] textarea')).evaluate((box) => box.value);
        await page.click('dialog[open] button');
        await page.waitForFunction(() => !document.querySelector('dialog[open]'));
        return text.replaceAll('\n', '\r\n');  // (a text box's value ends its lines with \n alone)
      };
      const memory = await runSheet8(page);
      const file = (await savedRows(page)).map((fields) => `${fields.join('\t')}\r\n`).join('');
      assert.equal(await copied('copierMesures'), file);
      assert.equal(await copied('copierTableau'), memory.thirdLaw);
    }));

  test("the picture is the drawing, and the graphs when shown, at twice their size, named after the run", () =>
    withWindow({}, async (page) => {
      await click(page, 'graphiques');
      await typeInto(page, 'Text1', '0,2');
      await runToTheEnd(page);
      const saved = async () => {
        await click(page, 'enregistrerImage');
        const png = await downloadedFile(downloads, /^image-\d{4}-\d\d-\d\d-\d\dh\d\dm\d\d\.png$/);
        for (const file of readdirSync(downloads)) rmSync(join(downloads, file));
        return { png, size: [png.readUInt32BE(16), png.readUInt32BE(20)] };
      };
      const both = await saved();
      assert.deepEqual(both.size, [2 * (1017 + 600), 2 * 545]);
      // Body 1's disc, the line from it to the body (whose colour is the style sheet's) and the
      // distance to body 1 drawn, each in its colour: at twice their twips over 15.
      const { corps1: [x, y, width], Line1: [x1, y1, x2, y2] } = await shownTwips(page, ['corps1', 'Line1']);
      const curve = (await shownShapes(page, '#vueGraphiques [data-role="CurveDistance1"]'))[0].points;
      const middle = 2 * Math.floor(curve.length / 4);
      const places = [[x + width / 2, y + width / 2], [(x1 + x2) / 2, (y1 + y2) / 2], [1017 * 15 + curve[middle], curve[middle + 1]]];
      const pixels = await pngPixels(page, both.png, places.map((place) => place.map((twips) => (twips / 15) * 2)));
      const colours = await page.evaluate(() => [getComputedStyle(document.querySelector('#corps1 circle')).fill,
        getComputedStyle(document.getElementById('Line1')).stroke,
        getComputedStyle(document.querySelector('#vueGraphiques [data-role="CurveDistance1"] path')).stroke]);
      colours.forEach((colour, i) => assert.ok(hasColour(pixels[i], colour), `${pixels[i].join(' ')} against ${colour}`));
      await click(page, 'graphiques');
      assert.deepEqual((await saved()).size, [2 * 1017, 2 * 545], 'the drawing alone');
    }));

  test('a print is one A4 page in landscape', { skip: browserName !== 'chromium' && "Firefox's PDF packs its pages" }, () =>
    withWindow({}, async (page) => {
      await click(page, 'graphiques');
      const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString('latin1');
      assert.equal(pdf.match(/\/Type\s*\/Page\b/g).length, 1);
      const [width, height] = pdf.match(/\/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)/).slice(1).map(Number);
      assert.ok(Math.abs(width - 842) < 1 && Math.abs(height - 595) < 1, `${width} × ${height} points`);
    }));
});
