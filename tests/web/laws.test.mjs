// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The laws as the page draws them, in a real browser (VIRENAST_BROWSER) opened from disk with the
// network refused: the arrows and the swept areas where the in-memory session puts them, seen in
// the screen's pixels; sheet 3's twelve areas; four arrows from the body's centre; and a link
// that opens the page in the colours for a projector.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { launch } from './browsers.mjs';
import { browserName, hexOf, memoryRun, runToTheEnd, shownTwips, typeInto, withPage } from './window_page.mjs';

// Sheet 3's ellipse: the Sun alone, the body at 0,9 AU above it, slower than the circle.
const sheet3 = { G1: '13271244', x1: '1,9', y1: '1', G2: '0', x2: '3,6', y2: '1,9',
                 xs: '1,9', ys: '0,1', vx: '25000', vy: '0', Text1: '1' };
const sheet3Link = `#${Object.entries(sheet3).map(([name, text]) => `${name}=${text}`).join('&')}&HScroll1=1`;
const arrowRoles = ['Velocity', 'Force1', 'Force2', 'ForceSum'];

let session;
before(async () => { session = await launch(browserName, { locale: 'fr-FR' }); });
after(() => session?.close());

const withWindow = (options, body) => withPage(session.browser, options, body, { clearStorage: true });

async function typeAll(page, typed) {
  for (const [name, text] of Object.entries(typed)) await typeInto(page, name, text);
}

// What the drawing holds but the paths, as the in-memory session prints it: role, kind, points
// in twips (an arrow's tail and head, a polygon's vertices, a text's centre) and text.
const drawnShapes = (page) => page.$$eval('#frame1 [data-kind]:not([data-kind="Polyline"])', (shapes) =>
  shapes.map((shape) => {
    const { role, kind } = shape.dataset;
    const numbers = (d) => [...d.matchAll(/-?[\d.]+(?:e-?\d+)?/g)].map(Number);
    if (kind === 'Text') {
      const text = shape.querySelector('text');
      return { role, kind, points: [Number(text.getAttribute('x')), Number(text.getAttribute('y'))], text: text.textContent };
    }
    if (kind === 'Dots') {
      const points = [...shape.querySelectorAll('circle')].flatMap((dot) => [Number(dot.getAttribute('cx')), Number(dot.getAttribute('cy'))]);
      return { role, kind, points, text: '' };
    }
    const d = numbers(shape.querySelector('path').getAttribute('d'));
    return { role, kind, points: kind === 'Polygon' ? d : d.slice(0, 4), text: '' };
  }));

// The same shapes in an order of their own on both sides: the page keeps a redrawn shape where it stood.
const inOrder = (shapes) => [...shapes].sort((a, b) =>
  `${a.role} ${a.kind} ${a.points.slice(0, 4)}`.localeCompare(`${b.role} ${b.kind} ${b.points.slice(0, 4)}`));

function expectSameShapes(seen, wanted) {
  assert.equal(seen.length, wanted.length, 'as many shapes');
  const [ours, theirs] = [inOrder(seen), inOrder(wanted)];
  ours.forEach((shape, i) => {
    const other = theirs[i];
    assert.deepEqual([shape.role, shape.kind, shape.text, shape.points.length], [other.role, other.kind, other.text, other.points.length]);
    shape.points.forEach((value, at) =>
      assert.ok(Math.abs(value - other.points[at]) < 0.01, `${shape.role} ${shape.kind}: ${value} against ${other.points[at]}`));
  });
}

// The colours on the screen at these places of the drawing, in twips: the drawing's own pixels,
// taken from a screenshot of its box and decoded by the browser.
async function drawingPixels(page, points) {
  const box = await page.$eval('#frame1', (svg) => {
    const rect = svg.getBoundingClientRect();
    const scale = rect.width / (svg.clientWidth + 2 * svg.clientLeft);  // the window's own scale
    return { x: rect.left + scale * svg.clientLeft, y: rect.top + scale * svg.clientTop, width: scale * svg.clientWidth,
             height: scale * svg.clientHeight, twips: svg.viewBox.baseVal.width };
  });
  const shot = await page.screenshot({ encoding: 'base64', clip: { x: box.x, y: box.y, width: box.width, height: box.height } });
  return page.evaluate(async (shot, points, twips) => {
    const bytes = Uint8Array.from(atob(shot), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const perTwip = bitmap.width / twips;
    return points.map(([x, y]) => [...context.getImageData(Math.floor(x * perTwip), Math.floor(y * perTwip), 1, 1).data.slice(0, 3)]);
  }, shot, points, box.twips);
}

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
const rolesOf = (shapes) => shapes.map((shape) => shape.role);

const sectorAreas = (page) => page.$$eval('#frame1 [data-role="SectorText"] text', (texts) =>
  texts.map((text) => Number(text.textContent.replace(/[^\d,]/g, '').replace(',', '.'))));
const spread = (areas) => Math.max(...areas) / Math.min(...areas) - 1;

describe(`the laws drawn in ${browserName}`, () => {
  test('the arrows and the areas stand where the in-memory session draws them, and are seen there', () =>
    withWindow({}, async (page) => {
      const shown = ['vecteurVitesse', 'vecteursForces', 'airesBalayees'];
      for (const item of shown) await page.$eval(`#${item}`, (element) => element.click());
      const typed = { ...sheet3, G2: '3981373', Text1: '0,3' };
      await typeAll(page, typed);
      await runToTheEnd(page);
      const memory = memoryRun(...shown.flatMap((item) => ['--show', item]),
        ...Object.entries(typed).map(([name, text]) => `${name}=${text}`));
      const seen = await drawnShapes(page);
      expectSameShapes(seen, memory.drawn);

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
      assert.ok(apart(onArrow, rgbOf(hexOf(colours.arrow))) <= 60, `on the arrow ${onArrow} against ${colours.arrow}`);
      const [fill, back] = [rgbOf(hexOf(colours.fill)), rgbOf(hexOf(colours.back))];
      const blended = fill.map((channel, i) => colours.opacity * channel + (1 - colours.opacity) * back[i]);
      assert.ok(apart(inSector, blended) <= 30 && apart(inSector, back) > 10,
        `in the sector ${inSector}, its fill over the back ${blended}, the back ${back}`);
    }));

  test("sheet 3's link with both arrows: four arrows from the body's centre after its reset and after 0,1 year", () =>
    withWindow({ search: `${sheet3Link}&vecteurVitesse=oui&vecteursForces=oui` }, async (page) => {
      assert.deepEqual(rolesOf(await arrowsFromTheBody(page)), [...arrowRoles].sort(), 'the link opened places the body');
      await typeInto(page, 'Text1', '0,1');
      await runToTheEnd(page);
      assert.deepEqual(rolesOf(await arrowsFromTheBody(page)), [...arrowRoles].sort());
      assert.match(await page.$eval('#frame1', (svg) => svg.getAttribute('aria-description')),
        /^Vitesse : [\d ]+(,\d+)? m\/s\. Action du corps céleste 1 : .* N ; du corps céleste 2 : 0 N ;/);
    }));

  test("sheet 3's twelve areas agree within 1,5 %, and differ by more than 5 % with body 2 pulling", () =>
    withWindow({ search: `${sheet3Link}&airesBalayees=oui` }, async (page) => {
      await runToTheEnd(page);
      const alone = await sectorAreas(page);
      assert.equal(alone.length, 12);
      assert.ok(spread(alone) <= 0.015, `${alone}`);
      await typeInto(page, 'G2', '3981373');
      await runToTheEnd(page);
      const pulled = await sectorAreas(page);
      assert.equal(pulled.length, 12);
      assert.ok(spread(pulled) > 0.05, `${pulled}`);
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
