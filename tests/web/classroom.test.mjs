// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on a class's screens (VIRENAST_BROWSER: chromium or firefox), in one browser that
// every test shares: the window scaled to the projector, the laptop, the tablet and the
// netbook; every text whole and apart from the others with a sheet's values typed and after a
// run; the whole value under the mouse and under a finger; the scroll bar dragged by a finger;
// the message box on the netbook clear of the time step's bar.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { launch } from './browsers.mjs';
import { browserName, closeBox, nextBox, typeInto, withPage as withSharedPage } from './window_page.mjs';

const screens = {
  projector: { width: 1920, height: 1080 },
  laptop: { width: 1366, height: 768 },
  tablet: { width: 1180, height: 820 },
  netbook: { width: 1024, height: 600 },
};
// The sixth sheet's values (a figure of eight around two equal bodies), with the longest
// lengths of run that the sheets type.
const sixthSheet = {
  G1: '3317811', x1: '1,4', y1: '1', G2: '3317811', x2: '2,4', y2: '1',
  xs: '1,9', ys: '1', vx: '14000', vy: '-24249', Text1: '0,415',
};
// The longest text each box takes in the sheets.
const longestTyped = { G1: '13271244', G2: '13271244', vx: '31354', vy: '-24249', Text1: '0,866', Text4: '1000', ys: '0,1' };

let session;
before(async () => { session = await launch(browserName, { locale: 'fr-FR' }); });
after(() => session?.close());

const withPage = (options, body) => withSharedPage(session.browser, options, body);

// A new size of the page, once the page has had its resize.
async function resize(page, viewport) {
  await page.setViewport(viewport);
  await page.waitForFunction((width) => innerWidth === width, {}, viewport.width);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0))));
}

// The window's scale, and whether it lies whole in the page.
function windowScale(page) {
  return page.$eval('.window', (window) => {
    const box = window.getBoundingClientRect();
    return {
      scale: box.width / window.offsetWidth,
      fitted: Math.min((innerWidth - 8) / window.offsetWidth, (innerHeight - 8) / window.offsetHeight),
      inside: box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight,
    };
  });
}

// Each control whose text does not fit its box, and each two controls whose texts meet, in the
// page's layout: a label's, a button's or a value's text by its range, a typed text from the
// start of its box's content as wide as it lays out in the box's font.
function textTrouble(page) {
  return page.evaluate(() => {
    const cut = [];
    const texts = [];
    const rangeRects = (element) => {
      const range = document.createRange();
      range.selectNodeContents(element);
      return [...range.getClientRects()].filter((rect) => rect.width > 0);
    };
    for (const control of document.querySelectorAll('.client > .control')) {
      const name = control.id || control.querySelector('[id]')?.id;
      let shows = control;
      let rects;
      if (control.matches('output, .current-box')) shows = control.querySelector('.number');
      if (control.matches('input')) {
        const style = getComputedStyle(control);
        const probe = document.createElement('span');
        probe.textContent = control.value;
        probe.style.cssText = `position:absolute; white-space:pre; font:${style.font}; letter-spacing:${style.letterSpacing};`
          + `left:${control.offsetLeft + control.clientLeft + parseFloat(style.paddingLeft)}px; top:${control.offsetTop}px;`;
        control.parentElement.append(probe);
        rects = [probe.getBoundingClientRect()];
        const box = control.getBoundingClientRect();
        rects[0] = { left: rects[0].left, right: rects[0].right, top: box.top, bottom: box.bottom, width: rects[0].width };
        probe.remove();
      } else if (!control.matches('.scrollBar, svg')) {
        rects = rangeRects(shows);
      }
      if (shows.scrollWidth > shows.clientWidth || shows.scrollHeight > shows.clientHeight + 1)
        cut.push(`${name}: ${shows.scrollWidth}×${shows.scrollHeight} in ${shows.clientWidth}×${shows.clientHeight}`);
      for (const rect of rects ?? []) if (rect.width > 0) texts.push({ name, rect });
    }
    const meet = [];
    for (const [at, a] of texts.entries()) {
      for (const b of texts.slice(at + 1)) {
        if (a.name === b.name) continue;
        const across = Math.min(a.rect.right, b.rect.right) - Math.max(a.rect.left, b.rect.left);
        const down = Math.min(a.rect.bottom, b.rect.bottom) - Math.max(a.rect.top, b.rect.top);
        if (across > 0.5 && down > 0.5) meet.push(`${a.name} and ${b.name}, ${across.toFixed(1)} px`);
      }
    }
    return { cut, meet, checked: texts.length };
  });
}

// The same on every screen of the class, the window refitted to each.
async function expectWholeTextsOnEveryScreen(page, when) {
  for (const [screen, viewport] of Object.entries(screens)) {
    await resize(page, viewport);
    const { cut, meet, checked } = await textTrouble(page);
    assert.deepEqual({ cut, meet }, { cut: [], meet: [] }, `${when}, on the ${screen}`);
    assert.ok(checked >= 40, `${checked} texts checked`);
  }
}

async function runToTheEnd(page) {
  await page.click('#Command2');
  const box = await nextBox(page);
  assert.equal(box.text, 'Fin de calcul');
  return box;
}

async function tipText(page) {
  return page.$eval('.value-tip', (tip) => (tip.hidden ? null : tip.textContent));
}

describe(`the page on a class's screens, in ${browserName}`, () => {
  test('the window fills each screen, up and down, and refits when the screen changes', () =>
    withPage({ viewport: screens.projector }, async (page) => {
      const measured = {};
      for (const [screen, viewport] of Object.entries(screens)) {
        await resize(page, viewport);
        const { scale, fitted, inside } = await windowScale(page);
        measured[screen] = scale.toFixed(3);
        assert.ok(inside, `${screen}: the whole window in the page`);
        assert.ok(Math.abs(scale - fitted) < 0.002, `${screen}: ${scale}, the largest that fits being ${fitted}`);
      }
      assert.ok(Number(measured.projector) >= 1.4, `projector ${measured.projector}`);
      assert.ok(Number(measured.netbook) < 1, `netbook ${measured.netbook}`);
      test.diagnostic?.(`scales ${JSON.stringify(measured)}`);
      console.log(`# window scale in ${browserName}: ${JSON.stringify(measured)}`);
    }));

  test('"?scale=1" keeps the window at its own size on a large screen', () =>
    withPage({ viewport: screens.projector, search: '?scale=1' }, async (page) => {
      const { scale, inside } = await windowScale(page);
      assert.equal(scale, 1);
      assert.ok(inside);
    }));

  test('no text is cut or overlapped with the sheets\' values typed, before and after a run', () =>
    withPage({}, async (page) => {
      for (const [box, text] of Object.entries(longestTyped)) await typeInto(page, box, text);
      await expectWholeTextsOnEveryScreen(page, 'the longest values typed');
      for (const [box, text] of Object.entries(sixthSheet)) await typeInto(page, box, text);
      await page.click('#Command1');
      await expectWholeTextsOnEveryScreen(page, 'the sixth sheet reset');
      await runToTheEnd(page);
      await closeBox(page);
      await expectWholeTextsOnEveryScreen(page, 'the sixth sheet run');
    }));

  test('after the default run every text is whole, and the mouse over a value shows it whole', () =>
    withPage({}, async (page) => {
      await runToTheEnd(page);
      await closeBox(page);
      await expectWholeTextsOnEveryScreen(page, 'after the default run');
      const whole = await page.$eval('#xsc', (box) => box.value);
      assert.ok(whole.length > 10, whole);
      await page.hover('#xsc');
      assert.equal(await tipText(page), `Corps valeurs courantes, position x [UA] : ${whole}`);
      const tip = await page.$eval('.value-tip', (element) => {
        const box = element.getBoundingClientRect();
        return { inside: box.left >= 0 && box.right <= innerWidth && box.bottom <= innerHeight, whole: element.scrollWidth <= element.clientWidth };
      });
      assert.deepEqual(tip, { inside: true, whole: true });
      await page.hover('#DC1C');
      assert.match(await tipText(page), /^Distance corps1 corps \[UA\] : \d,\d{10,}/);
      await page.hover('#frame1');
      assert.equal(await tipText(page), null, 'the tip goes with the mouse');
      await page.hover('#HScroll1');
      assert.equal(await tipText(page), 'Finesse du calcul : 1 heure');
      await page.focus('#HScroll1');
      await page.keyboard.press('End');
      assert.equal(await tipText(page), 'Finesse du calcul : 24 heures');
      assert.equal(await page.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuetext')), '24 heures');
    }));

  test('on the netbook, the end report stands clear of the drawing, the values and the time step', () =>
    withPage({ viewport: screens.netbook }, async (page) => {
      await typeInto(page, 'Text1', '0,01');
      await runToTheEnd(page);
      const boxes = await page.evaluate(() => {
        const rect = (element) => element.getBoundingClientRect().toJSON();
        return {
          box: rect(document.querySelector('dialog[open]')),
          clear: [document.getElementById('frame1'), document.getElementById('HScroll1'),
            ...[...document.querySelectorAll('[data-value]')].map((element) => element.closest('.current-box') ?? element)].map(rect),
        };
      });
      const { box, clear } = boxes;
      assert.ok(box.left >= 0 && box.top >= 0 && box.right <= 1024 && box.bottom <= 600, JSON.stringify(box));
      for (const kept of clear) {
        const apart = box.right <= kept.left || box.left >= kept.right || box.bottom <= kept.top || box.top >= kept.bottom;
        assert.ok(apart, `${JSON.stringify(box)} clear of ${JSON.stringify(kept)}`);
      }
      await closeBox(page);
    }));

  test('a finger drags the thumb end to end, reaches the small controls and taps a value whole', () =>
    withPage({ viewport: { ...screens.netbook, hasTouch: true } }, async (page) => {
      const centre = (selector) => page.$eval(selector, (element) => {
        const box = element.getBoundingClientRect();
        return { x: box.left + box.width / 2, y: box.top + box.height / 2, top: box.top, bottom: box.bottom, left: box.left, right: box.right };
      });
      const step = () => page.$eval('#HScroll1', (bar) => [bar.getAttribute('aria-valuenow'), bar.getAttribute('aria-valuetext')]);
      const drag = async (to) => {
        const thumb = await centre('#HScroll1 .thumb');
        await page.touchscreen.touchStart(thumb.x, thumb.y);
        for (let i = 1; i <= 10; ++i) await page.touchscreen.touchMove(thumb.x + ((to - thumb.x) * i) / 10, thumb.y);
        await page.touchscreen.touchEnd();
      };
      const bar = await centre('#HScroll1');
      await drag(bar.right + 20);
      assert.deepEqual(await step(), ['24', '24 heures'], 'one gesture from 1 h to 24 h');
      assert.equal(await tipText(page), 'Finesse du calcul : 24 heures', 'and the finger sees the step');
      await drag(bar.left - 20);
      assert.deepEqual(await step(), ['1', '1 heure']);
      const raise = await centre('#HScroll1 .raise');
      await page.touchscreen.touchStart(raise.x, raise.y);
      await new Promise((resolve) => setTimeout(resolve, 1000));
      await page.touchscreen.touchEnd();
      const held = Number((await step())[0]);
      assert.ok(held >= 5 && held < 24, `the arrow held for a second repeats: ${held}`);
      await page.focus('#HScroll1');
      await page.keyboard.press('Home');
      // Beside the small controls, within a finger's breadth: the raise arrow, then a button.
      await page.touchscreen.tap(bar.right - 4, bar.bottom + 5);
      assert.deepEqual(await step(), ['2', '2 heures'], 'below the raise arrow');
      const command1 = await centre('#Command1');
      await page.touchscreen.tap(command1.x, command1.top - 6);
      assert.equal(await page.$eval('#DC1C', (value) => value.dataset.value), '0,5', 'above the reset button');

      await typeInto(page, 'Text1', '0,01');
      await runToTheEnd(page);
      await closeBox(page);
      const whole = await page.$eval('#tempscourant', (value) => value.dataset.value);
      const time = await centre('#tempscourant');
      await page.touchscreen.tap(time.x, time.y);
      assert.equal(await tipText(page), `Temps courant [années] : ${whole}`);
      await new Promise((resolve) => setTimeout(resolve, 500));
      assert.equal(await tipText(page), `Temps courant [années] : ${whole}`, 'the bubble stays');
      const focused = await page.evaluate(() => document.activeElement.id);
      const xsc = await centre('#xsc');
      await page.touchscreen.tap(xsc.x, xsc.y);
      assert.match(await tipText(page), /^Corps valeurs courantes, position x \[UA\] : \d,\d{8,}/);
      assert.equal(await page.evaluate(() => document.activeElement.id), focused, 'no focus, no keyboard');
      assert.equal(await page.$('dialog[open]'), null, 'nothing started');
      const drawing = await centre('#frame1');
      await page.touchscreen.tap(drawing.x, drawing.y);
      assert.equal(await tipText(page), null, 'a tap elsewhere puts the bubble away');
    }));
});
