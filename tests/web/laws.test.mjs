// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The laws as the page draws them, in a real browser (VIRENAST_BROWSER) opened from disk with the
// network refused: sheet 8's arrows and twelve swept areas where the in-memory session puts
// them, seen in the screen's pixels; and a link that opens the page in the colours for a projector.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { launch } from './browsers.mjs';
import {
  browserName, expectSameShapes, hexOf, memoryRun, runToTheEnd, shownShapes, shownTwips, svgPixels, typeInto, withPage,
} from './window_page.mjs';

// Sheet 8's ellipse for one turn: the Sun alone, the body at 0,9 AU above it, slower than the
// circle, for its period (so that no sector lies over another).
const sheet8 = { G1: '13271244', x1: '1,9', y1: '1', G2: '0', x2: '3,6', y2: '1,9',
                 xs: '1,9', ys: '0,1', vx: '25000', vy: '0', Text1: '0,544' };

let session;
before(async () => { session = await launch(browserName, { locale: 'fr-FR' }); });
after(() => session?.close());

const withWindow = (options, body) => withPage(session.browser, options, body, { clearStorage: true });

async function typeAll(page, typed) {
  for (const [name, text] of Object.entries(typed)) await typeInto(page, name, text);
}

// What the drawing holds but the paths, as the in-memory session prints it.
const drawnShapes = (page) => shownShapes(page, '#frame1 [data-kind]:not([data-kind="Polyline"])');
const drawingPixels = (page, points) => svgPixels(page, '#frame1', points);

const rgbOf = (hex) => [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));
const apart = (a, b) => a.reduce((sum, channel, i) => sum + Math.abs(channel - b[i]), 0);

// The arrows that start at the body's centre, in the order of their roles.
async function arrowsFromTheBody(page) {
  const [x, y, width, height] = (await shownTwips(page, ['corps'])).corps;
  const [cx, cy] = [x + width / 2, y + height / 2];
  return (await drawnShapes(page))
    .filter((shape) => shape.kind === 'Arrow' && Math.abs(shape.points[0] - cx) < 1 && Math.abs(shape.points[1] - cy) < 1)
    .sort((a, b) => a.role.localeCompare(b.role));
}

describe(`the laws drawn in ${browserName}`, () => {
  test("sheet 8's arrows and twelve areas stand where the in-memory session draws them, and are seen there", () =>
    withWindow({}, async (page) => {
      const shown = ['vecteurVitesse', 'vecteursForces', 'airesBalayees'];
      for (const item of shown) await page.$eval(`#${item}`, (element) => element.click());
      const typed = sheet8;
      await typeAll(page, typed);
      await runToTheEnd(page);
      const memory = memoryRun(...shown.flatMap((item) => ['--show', item]),
        ...Object.entries(typed).map(([name, text]) => `${name}=${text}`));
      const seen = await drawnShapes(page);
      expectSameShapes(seen, memory.drawn);
      assert.equal(seen.filter((shape) => shape.role === 'SectorText').length, 12);

      // Halfway along the velocity's arrow, its colour; a third of the way from the Sun to the
      // middle of the widest sector's arc, its light fill over the drawing's back.
      const [tailX, tailY, headX, headY] = (await arrowsFromTheBody(page)).find((arrow) => arrow.role === 'Velocity').points;
      const sector = seen.filter((shape) => shape.role === 'SectorEven')
        .reduce((widest, shape) => (shape.points.length > widest.points.length ? shape : widest));
      const [apexX, apexY] = sector.points;
      const middle = 2 * Math.floor(sector.points.length / 4);  // its middle vertex, on the arc
      const [arcX, arcY] = sector.points.slice(middle, middle + 2);
      const [onArrow, inSector] = await drawingPixels(page, [
        [(tailX + headX) / 2, (tailY + headY) / 2], [apexX + (arcX - apexX) / 3, apexY + (arcY - apexY) / 3]]);
      const colours = await page.evaluate(() => {
        const style = (selector) => getComputedStyle(document.querySelector(selector));
        return { arrow: style('#frame1 [data-role="Velocity"] path').stroke,
                 fill: style('#frame1 [data-role="SectorEven"] path').fill,
                 opacity: Number(style('#frame1 [data-role="SectorEven"] path').fillOpacity),
                 back: style('#frame1').backgroundColor };
      });
      const arrow = rgbOf(hexOf(colours.arrow));
      assert.ok(onArrow.some((pixel) => apart(pixel, arrow) <= 60), `on the arrow ${onArrow.join(' ')} against ${arrow}`);
      const [fill, back] = [rgbOf(hexOf(colours.fill)), rgbOf(hexOf(colours.back))];
      const blended = fill.map((channel, i) => colours.opacity * channel + (1 - colours.opacity) * back[i]);
      assert.ok(apart(inSector[0], blended) <= 30 && apart(inSector[0], back) > 10,
        `in the sector ${inSector[0]}, its fill over the back ${blended}, the back ${back}`);
    }));

  test('a link with couleurs=projecteur opens a white drawing with a path 4 pixels wide, the controls as they were', () =>
    withWindow({ search: '#couleurs=projecteur' }, async (page) => {
      const looks = () => page.evaluate(() => ({
        checked: document.getElementById('couleursProjecteur').getAttribute('aria-checked'),
        back: getComputedStyle(document.getElementById('frame1')).backgroundColor,
        box: getComputedStyle(document.getElementById('G1')).backgroundColor,
        path: getComputedStyle(document.querySelector('#frame1 [data-role="CurrentPath"] path')).strokeWidth,
      }));
      await typeInto(page, 'Text1', '0,1');
      await runToTheEnd(page);
      const projector = await looks();
      assert.deepEqual([projector.checked, hexOf(projector.back), projector.path], ['true', '#ffffff', '4px']);
      await page.$eval('#couleursProjecteur', (item) => item.click());
      const standard = await looks();
      assert.notEqual(hexOf(standard.back), '#ffffff');
      assert.equal(standard.box, projector.box, 'the boxes keep their colours');
    }));
});
