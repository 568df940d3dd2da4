// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's page in a real browser (VIRENAST_BROWSER: chromium or firefox), opened from
// disk with the network refused: the window as it opens, its commands, the numbers it shows
// against the in-memory run of the same code, the run's yield with clicks nested in it, the
// keyboard, the accessibility tree, and the window on a small screen.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { launch } from './browsers.mjs';
import {
  browserName, closeBox, contrast, hexOf, memoryRun, nextBox, openPage, runToTheEnd, shownTexts, shownTwips, typeInto, years,
} from './window_page.mjs';

const drawn = ['corps', 'corps1', 'corps2', 'Line1', 'Line2'];
// A run long enough to click into in any browser: a body held by the two bodies for 30 years,
// some 263 000 steps.
const longRun = { vx: '1000', Text1: '30' };
const longRunTyped = Object.entries(longRun).map(([box, text]) => `${box}=${text}`);

async function typeLongRun(page) {
  for (const [box, text] of Object.entries(longRun)) await typeInto(page, box, text);
}

async function runUntilYears(page, years) {
  await page.click('#Command2');
  await page.waitForFunction((years) =>
    Number(document.getElementById('tempscourant').dataset.value.replace(',', '.')) > years, {}, years);
}
const errorText = 'Vérfier que les valeurs tapées sont correctes et quelles ne superposent pas différents corps.';

// One browser for every test, each test in a tab of its own: starting a browser costs more
// than most tests.
let session;
before(async () => { session = await launch(browserName, { locale: 'fr-FR' }); });
after(() => session?.close());

async function withWindow(options, body) {
  const window = await openPage(session.browser, options);
  try {
    await body(window.page, window);
    assert.deepEqual(window.refused, [], 'no request leaves the page');
    assert.deepEqual(window.errors, [], 'no script error');
    if (!window.closed) assert.equal(await window.page.$('dialog[open]'), null, 'no box left open');
  } finally {
    if (!window.closed) await window.close();
  }
}


// The same texts, and the same singles in twips.
function expectSameEnd(texts, twips, memory) {
  assert.deepEqual(texts, memory.texts);
  for (const [name, values] of Object.entries(twips)) assert.deepEqual(values, memory.twips[name].map(Math.fround), name);
}

describe(`the window in ${browserName}`, () => {
  test('opens as the description says, with the focus on the time step', () => withWindow({}, async (page) => {
    assert.equal(await page.title(), 'Virenast');
    const memory = memoryRun('Text1=-1');  // a run of no step: the start texts
    const texts = await shownTexts(page);
    for (const name of ['G1', 'G2', 'x1', 'y1', 'x2', 'y2', 'xs', 'ys', 'Text4', 'vx', 'vy', 'xsc', 'ysc'])
      assert.equal(texts[name], memory.texts[name], name);
    assert.equal(texts.Text1, '10');
    assert.deepEqual([texts.DC1C, texts.AC1C, texts.DC2C, texts.AC2C, texts.tempscourant], ['', '', '', '', '0']);
    const state = await page.evaluate(() => ({
      focus: document.activeElement.id,
      disabled: ['xsc', 'ysc'].filter((id) => document.getElementById(id).disabled),
      value: document.getElementById('HScroll1').getAttribute('aria-valuenow'),
      menu: document.getElementById('apropos').textContent,
      corps: ['x', 'y', 'width', 'height'].map((name) => document.getElementById('corps').getAttribute(name)),
      line1: ['x1', 'y1', 'x2', 'y2'].map((name) => document.getElementById('Line1').getAttribute(name)),
      cursor: getComputedStyle(document.querySelector('.client')).cursor,
      command1: document.getElementById('Command1').offsetLeft,  // in the window's own pixels, at any scale
    }));
    assert.deepEqual(state, {
      focus: 'HScroll1', disabled: ['xsc', 'ysc'], value: '1', menu: 'A propos',
      corps: ['5160', '6120', '105', '105'], line1: ['5280', '4080', '5160', '6120'], cursor: 'crosshair',
      command1: 6480 / 15,
    });
  }));

  test('shows the texts of the window as they are, none of them cut', () => withWindow({}, async (page) => {
    // Stated here again, apart from the description that the page is built from: a wrong text
    // there fails this test.
    const texts = {
      Command1: 'Réinitialiser le graphique', Command2: 'Lancer le calcul', Command3: 'Pause', apropos: 'A propos',
      Label7: "Nombre d'années de calcul :", Label8: 'Remarque : 1UA = 1,5.10^8 km', Label15: 'Finesse du calcul',
      Label20: 'Temps courant [années]', Label16: 'Distance corps1 corps [UA]', Label19: 'Action corps2 corps [N]',
    };
    const shown = await page.evaluate((names) => Object.fromEntries(names.map((name) => {
      const element = document.getElementById(name);
      return [name, { text: element.textContent, cut: element.scrollWidth > element.clientWidth }];
    })), Object.keys(texts));
    for (const [name, text] of Object.entries(texts)) assert.deepEqual(shown[name], { text, cut: false }, name);
    assert.equal(await page.$eval('.caption', (caption) => caption.textContent), 'Virenast');
    // A caption's text keeps 4 pixels (at the window's scale) from the value on its right.
    await page.evaluate(() => document.fonts.ready);
    const gaps = await page.evaluate(() => ['Label16', 'Label17', 'Label18', 'Label19', 'Label20'].map((name) => {
      const range = document.createRange();
      range.selectNodeContents(document.getElementById(name));
      const value = document.querySelector(`#${{ Label16: 'DC1C', Label17: 'DC2C', Label18: 'AC1C', Label19: 'AC2C', Label20: 'tempscourant' }[name]}`);
      const scale = Number(getComputedStyle(document.documentElement).getPropertyValue('--window-scale')) || 1;
      return [name, (value.getBoundingClientRect().left - range.getBoundingClientRect().right) / scale];
    }));
    for (const [name, gap] of gaps) assert.ok(gap >= 3.9, `${name}: ${gap} pixels from its value`);
  }));

  test('a message box stands below the drawing, over the buttons, clear of every current value and the time step', () =>
    withWindow({}, async (page) => {
      await page.click('#Command1');
      await page.click('#Command3');
      await nextBox(page);
      const boxes = await page.evaluate(() => {
        const rect = (element) => element.getBoundingClientRect().toJSON();
        return {
          box: rect(document.querySelector('dialog[open]')),
          drawing: rect(document.getElementById('frame1')),
          column: rect(document.getElementById('Command1')),
          bar: rect(document.getElementById('HScroll1')),
          values: [...document.querySelectorAll('[data-value]')].map((element) => rect(element.closest('.current-box') ?? element)),
          page: { width: innerWidth, height: innerHeight },
        };
      });
      const { box, drawing, column, bar, values } = boxes;
      assert.ok(box.top >= drawing.bottom && box.top <= drawing.bottom + 5, `${box.top} just below ${drawing.bottom}`);
      // Centred over the buttons, or, where that would hide the bar, moved just clear of it.
      const centred = Math.abs(box.left + box.width / 2 - (column.left + column.width / 2)) <= 1;
      const besideTheBar = box.right <= bar.left && bar.left - box.right <= 8;  // (a box's gap, and whole pixels)
      assert.ok(centred || besideTheBar, `${JSON.stringify(box)} over ${JSON.stringify(column)}`);
      assert.ok(box.left <= column.left && box.right >= column.right, 'over the buttons');
      assert.ok(box.left >= 0 && box.right <= boxes.page.width && box.bottom <= boxes.page.height);
      for (const value of [...values, bar]) {
        const apart = box.right <= value.left || box.left >= value.right || box.bottom <= value.top || box.top >= value.bottom;
        assert.ok(apart, `clear of ${JSON.stringify(value)}`);
      }
      await closeBox(page);
    }));

  test('a current value too long for its box keeps its first digit, marks the cut and fits', () =>
    withWindow({}, async (page) => {
      await typeInto(page, 'Text1', '0,01');
      assert.deepEqual(await runToTheEnd(page), ['Information']);
      const shown = await page.evaluate(() => ['xsc', 'ysc'].map((name) => {
        const display = document.getElementById(name).nextElementSibling;
        return { whole: document.getElementById(name).value, shown: display.textContent, fits: display.scrollWidth <= display.clientWidth };
      }));
      for (const { whole, shown: text, fits } of shown) {
        assert.ok(whole.length > 8, whole);  // more than its 41 pixels hold
        assert.ok(fits, text);
        const [mantissa, exponent = ''] = whole.split('E');
        assert.ok(text.endsWith(`…${exponent ? `E${exponent}` : ''}`), `${text} of ${whole}`);
        assert.ok(text.length >= 3 && mantissa.startsWith(text.slice(0, text.indexOf('…'))), `${text} of ${whole}`);
      }
    }));

  test('resets, then runs the default values to the same end as the in-memory window', () =>
    withWindow({}, async (page) => {
      await page.click('#Command1');
      const reset = await shownTexts(page);
      assert.deepEqual([reset.DC1C, reset.DC2C, reset.AC1C, reset.AC2C],
        ['0,5', '0,707106781186548', '0,00622222222222222', '0,00311111111111111']);
      assert.deepEqual(await shownTwips(page, ['corps']), { corps: [5147.5, 5947.5, 105, 105] });
      assert.deepEqual(await runToTheEnd(page), ['Information']);
      const memory = memoryRun();
      assert.equal(memory.steps, 72192);
      const texts = await shownTexts(page);
      assert.equal(texts.tempscourant, '8,24674434544208');
      expectSameEnd(texts, await shownTwips(page, drawn), memory);
    }));

  test('a bad value shows the "Erreur" box, closed by Escape, then the end report', () =>
    withWindow({}, async (page) => {
      await typeInto(page, 'G2', 'abc');
      await page.click('#Command1');
      assert.deepEqual(await nextBox(page), {
        title: 'Erreur', text: errorText, style: 16, buttons: ['OK'], role: 'alertdialog',
      });
      await closeBox(page, 'Escape');
      assert.deepEqual((await shownTexts(page)).AC2C, '');  // no force shown
      assert.deepEqual(await runToTheEnd(page), ['Erreur', 'Erreur', 'Information']);
    }));

  test('Pause holds a run, and the run ends as if it had never paused', () => withWindow({}, async (page) => {
    await typeLongRun(page);
    await runUntilYears(page, 1);
    await page.click('#Command3');
    assert.deepEqual(await nextBox(page), {
      title: 'Pause', text: 'Pause', style: 64, buttons: ['OK'], role: 'alertdialog',
    });
    const held = await shownTexts(page);
    const heldTwips = await shownTwips(page, drawn);
    await new Promise((resolve) => setTimeout(resolve, 700));
    assert.deepEqual(await shownTexts(page), held, 'nothing moves while the box is open');
    assert.deepEqual(await shownTwips(page, drawn), heldTwips);
    assert.ok(years(held.tempscourant) < 30);
    await closeBox(page, 'Enter');
    const box = await nextBox(page);
    assert.equal(box.text, 'Fin de calcul');
    expectSameEnd(await shownTexts(page), await shownTwips(page, drawn), memoryRun(...longRunTyped));
    await closeBox(page);
  }));

  test('a reset and a complete nested run inside a run leave the run to its own end', () =>
    withWindow({}, async (page) => {
      await typeLongRun(page);
      await runUntilYears(page, 1);
      await page.click('#Command1');  // resets the drawing, which the run's next step redraws
      await page.click('#Command2');  // a whole run of its own, nested in the first
      const memory = memoryRun(...longRunTyped);
      assert.equal((await nextBox(page)).text, 'Fin de calcul');
      assert.equal((await shownTexts(page)).tempscourant, memory.texts.tempscourant);
      await closeBox(page);
      assert.equal((await nextBox(page)).text, 'Fin de calcul');
      expectSameEnd(await shownTexts(page), await shownTwips(page, drawn), memory);
      await closeBox(page);
    }));

  test('closing the page during a run ends it at once, without asking', () => withWindow({}, async (page, window) => {
    await typeLongRun(page);
    await runUntilYears(page, 1);
    let asked = false;
    page.on('dialog', async (dialog) => { asked = true; await dialog.dismiss(); });
    const closed = new Promise((resolve) => page.once('close', resolve));
    await page.close({ runBeforeUnload: true });
    await closed;
    assert.equal(page.isClosed(), true);
    assert.equal(asked, false);
    window.closed = true;
  }));

  test('thirty runs nested in one another unwind, each to its own end', () => withWindow({}, async (page) => {
    await typeInto(page, 'Text1', '0,1');
    // Thirty-one clicks at once: the first starts a run, each of the others a run inside the
    // run before it, at that run's first step.
    await page.$eval('#Command2', (button) => { for (let i = 0; i < 31; ++i) button.click(); });
    const memory = memoryRun('Text1=0,1');
    for (let run = 0; run < 31; ++run) {
      const box = await nextBox(page);
      assert.equal(box.text, 'Fin de calcul', `run ${run}`);
      assert.equal((await shownTexts(page)).tempscourant, memory.texts.tempscourant);
      await closeBox(page, 'Enter');
    }
    expectSameEnd(await shownTexts(page), await shownTwips(page, drawn), memory);
    await page.click('#Command3');  // and the program is idle again, ready for a click
    assert.equal((await nextBox(page)).title, 'Pause');
    await closeBox(page, ' ');
  }));

  test('the keyboard moves the time step and presses the focused button', () => withWindow({}, async (page) => {
    const value = () => page.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuenow'));
    const keys = [['ArrowRight', '2'], ['ArrowDown', '3'], ['ArrowLeft', '2'], ['ArrowUp', '1'], ['ArrowUp', '1'],
      ['PageDown', '6'], ['PageUp', '1'], ['End', '24'], ['ArrowRight', '24'], ['Home', '1']];
    for (const [key, expected] of keys) {
      await page.keyboard.press(key);
      assert.equal(await value(), expected, key);
    }
    const order = [];
    for (let i = 0; i < 17; ++i) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(order, ['Command2', 'Command1', 'y1', 'x1', 'Text4', 'ys', 'xs', 'Text1', 'y2', 'x2',
      'vy', 'vx', 'G2', 'G1', 'Command3', 'HScroll1', 'Command2']);
    await page.keyboard.press('Tab');  // Command1
    await page.keyboard.press('Enter');
    assert.equal((await shownTexts(page)).DC1C, '0,5');
    await page.focus('#Command3');
    await page.keyboard.press(' ');
    assert.equal((await nextBox(page)).title, 'Pause');
    await closeBox(page, 'Escape');
  }));

  test('shrinks to fit a small screen, keeping its layout', () =>
    withWindow({ viewport: { width: 1024, height: 600 } }, async (page) => {
      const boxes = await page.evaluate(() => Object.fromEntries(['.window', '#frame1', '#Command1', '#tempscourant']
        .map((selector) => [selector, document.querySelector(selector).getBoundingClientRect().toJSON()])));
      const window = boxes['.window'];
      assert.ok(window.left >= 0 && window.top >= 0 && window.right <= 1024 && window.bottom <= 600);
      const scale = boxes['#frame1'].width / (15255 / 15);
      assert.ok(scale < 0.85 && scale > 0.5, `scale ${scale}`);
      const client = boxes['#frame1'];  // the drawing area's corner is the client area's
      assert.ok(Math.abs(boxes['#Command1'].left - client.left - scale * 6480 / 15) < 1);
      assert.ok(Math.abs(boxes['#tempscourant'].top - client.top - scale * 9960 / 15) < 1);
    }));

  test('a screen reader finds every control by its spoken name', { skip: browserName !== 'chromium' && 'no accessibility tree through WebDriver BiDi' }, () =>
    withWindow({}, async (page) => {
      await page.click('#Command1');
      const snapshot = await page.accessibility.snapshot({ interestingOnly: false });
      const nodes = [];
      const walk = (node) => { nodes.push(node); (node.children ?? []).forEach(walk); };
      walk(snapshot);
      const named = (name, role) => nodes.find((node) => node.name === name && (!role || node.role === role));
      assert.equal(named('Corps céleste 1, constante de gravitation [10^4km3/s²]')?.role, 'textbox');
      assert.equal(named('Corps valeurs courantes, position x [UA]')?.disabled, true);
      assert.equal(named('Finesse du calcul')?.role, 'scrollbar');
      assert.equal(named('Réinitialiser le graphique')?.role, 'button');
      assert.equal(named('A propos')?.role, 'menuitem');
      assert.equal(named('Affichage', 'menuitem')?.haspopup, 'menu');
      // The items of "Affichage" are read with their checked state once the menu is open.
      await page.click('#affichage');
      const menu = [];
      const walkMenu = (node) => { menu.push(node); (node.children ?? []).forEach(walkMenu); };
      walkMenu(await page.accessibility.snapshot({ interestingOnly: false }));
      const item = (name) => menu.find((node) => node.name === name);
      assert.deepEqual([item('Trajectoire')?.role, item('Trajectoire')?.checked], ['menuitemcheckbox', true]);
      assert.deepEqual([item('1 an en 5 secondes')?.role, item('1 an en 5 secondes')?.checked], ['menuitemradio', false]);
      assert.equal(item('Vitesse maximale')?.checked, true);
      await page.keyboard.press('Escape');
      // The results, each by its caption, and their numbers as the text they hold.
      for (const name of ['Distance corps1 corps [UA]', 'Action corps2 corps [N]', 'Temps courant [années]'])
        assert.ok(named(name, 'status'), name);
      const distance = named('Distance corps1 corps [UA]', 'status');
      assert.ok(JSON.stringify(distance).includes('0,5'), JSON.stringify(distance));
      await page.click('#Command3');
      await nextBox(page);
      const box = (await page.accessibility.snapshot()).children?.find((node) => node.role === 'alertdialog');
      assert.equal(box?.name, 'Pause');
      await closeBox(page);
    }));
});

// The menu "Affichage", the body's path and the pace of a run. The choices are kept by the
// browser for every page from disk: each test forgets them when it is done.
describe(`the display choices in ${browserName}`, () => {
  const tinyRun = ['Text1', '0,1'];  // a tenth of a year: some 880 steps, half a second at 1 year in 5 s

  async function withChoices(body) {
    await withWindow({}, async (page, window) => {
      try {
        await body(page, window);
      } finally {
        await window.page.evaluate(() => localStorage.clear());
      }
    });
  }

  const menuState = (page) => page.evaluate(() => ({
    bar: [...document.querySelector('[role="menubar"]').querySelectorAll(':scope > [role="menuitem"], :scope > .menu > [role="menuitem"]')]
      .map((item) => item.id),
    items: [...document.querySelectorAll('#affichage-menu [role^="menuitem"]')].map((item) =>
      [item.id, item.getAttribute('role'), item.getAttribute('aria-checked'), item.textContent]),
    open: !document.getElementById('affichage-menu').hidden,
    focus: document.activeElement.id,
    pathShown: document.querySelector('#frame1 [data-role="CurrentPath"]') ? 'visible' : 'hidden',
  }));

  // The points of a drawn path, as [x, y] pairs of twips: its pieces in order, each piece after
  // the first starting where the one before it ended.
  const pathPoints = (page, role) => page.$$eval(`#frame1 [data-role="${role}"] path`, (pieces) =>
    pieces.flatMap((piece, index) => [...piece.getAttribute('d').matchAll(/[ML]([-\d.e]+) ([-\d.e]+)/g)]
      .slice(index ? 1 : 0).map((match) => [Number(match[1]), Number(match[2])])));

  test('"Affichage" stands between "Fichier" and "A propos" with its items checked by default, and the keys walk it', () =>
    withChoices(async (page) => {
      const opened = await menuState(page);
      assert.deepEqual(opened.bar, ['fichier', 'affichage', 'apropos']);
      assert.deepEqual(opened.items, [
        ['trajectoire', 'menuitemcheckbox', 'true', 'Trajectoire'],
        ['vecteurVitesse', 'menuitemcheckbox', 'false', 'Vecteur vitesse'],
        ['vecteursForces', 'menuitemcheckbox', 'false', 'Forces'],
        ['airesBalayees', 'menuitemcheckbox', 'false', 'Aires balayées'],
        ['reperesTemps', 'menuitemcheckbox', 'false', 'Repères de temps'],
        ['graduations', 'menuitemcheckbox', 'false', 'Graduations'],
        ['couleursProjecteur', 'menuitemcheckbox', 'false', 'Couleurs pour projecteur'],
        ['graphiques', 'menuitemcheckbox', 'false', 'Graphiques'],
        ['vitesseMax', 'menuitemradio', 'true', 'Vitesse maximale'],
        ['vitesse5', 'menuitemradio', 'false', '1 an en 5 secondes'],
        ['vitesse20', 'menuitemradio', 'false', '1 an en 20 secondes'],
        ['vitesse60', 'menuitemradio', 'false', '1 an en 1 minute'],
      ]);
      assert.equal(opened.open, false);
      assert.equal(opened.pathShown, 'visible');
      const press = async (key) => { await page.keyboard.press(key); return menuState(page); };
      assert.equal((await press('F10')).focus, 'fichier', 'the first menu');
      assert.equal((await press('ArrowRight')).focus, 'affichage');
      assert.equal((await press('ArrowRight')).focus, 'apropos');
      assert.equal((await press('ArrowRight')).focus, 'fichier', 'round the menu bar');
      assert.equal((await press('ArrowLeft')).focus, 'apropos');
      assert.equal((await press('ArrowLeft')).focus, 'affichage');
      assert.deepEqual(await press('ArrowDown').then(({ open, focus }) => [open, focus]), [true, 'trajectoire']);
      assert.equal((await press('ArrowUp')).focus, 'vitesse60', 'round the menu');
      assert.equal((await press('ArrowDown')).focus, 'trajectoire');
      const toggled = await press('Enter');
      assert.deepEqual([toggled.open, toggled.items[0][2], toggled.pathShown], [false, 'false', 'hidden']);
      // Alt and the menu's letter opens it; an item's letter chooses it.
      assert.equal((await page.keyboard.down('Alt'), await press('a')).open, true);
      await page.keyboard.up('Alt');
      const chosen = await press('2');
      const paces = (state) => state.items.slice(-4).map((item) => item[2]);
      assert.deepEqual(paces(chosen), ['false', 'false', 'true', 'false']);
      assert.equal(chosen.items[0][2], 'false');
      assert.equal(chosen.open, false);
      await page.keyboard.press('F10');
      assert.equal((await press('Escape')).focus, 'HScroll1', 'Escape goes back to the window');
      // A click on an item acts while its menu is closed.
      await page.$eval('#vitesse5', (item) => item.click());
      await page.$eval('#trajectoire', (item) => item.click());
      const clicked = await menuState(page);
      assert.deepEqual([clicked.items[0][2], ...paces(clicked)], ['true', 'false', 'true', 'false', 'false']);
      assert.equal(clicked.pathShown, 'visible');
    }));

  test("each run draws its path to the body, the run before stays beside it, and a reset clears both", () =>
    withChoices(async (page) => {
      await typeInto(page, ...tinyRun);
      assert.deepEqual(await runToTheEnd(page), ['Information']);
      const first = await pathPoints(page, 'CurrentPath');
      assert.ok(first.length > 10, `${first.length} points`);
      const [x, y, width, height] = (await shownTwips(page, ['corps'])).corps;
      const [lastX, lastY] = first[first.length - 1];
      assert.ok(Math.abs(lastX - (x + width / 2)) <= 1 && Math.abs(lastY - (y + height / 2)) <= 1,
        `the path ends at the body: ${lastX} ${lastY} against ${x + width / 2} ${y + height / 2}`);
      assert.deepEqual(await pathPoints(page, 'PreviousPath'), []);
      await runToTheEnd(page);
      assert.deepEqual(await pathPoints(page, 'PreviousPath'), first, 'the first run, now the previous one');
      assert.equal(await page.$eval('#frame1 [data-role="PreviousPath"]', (path) => path.hasAttribute('stroke-dasharray')), true);
      // Under the circles and lines, and standing out from the drawing's back by 3:1.
      assert.equal(await page.$eval('#frame1', (frame) => frame.firstElementChild.classList.contains('drawing')), true);
      const [stroke, back] = await page.$eval('#frame1', (frame) => [
        getComputedStyle(frame.querySelector('[data-role="CurrentPath"] path')).stroke,
        getComputedStyle(frame).backgroundColor]);
      assert.ok(contrast(hexOf(stroke), hexOf(back)) >= 3, `the path ${stroke} on ${back}`);
      await page.click('#Command1');
      assert.deepEqual(await pathPoints(page, 'PreviousPath'), []);
      assert.ok((await pathPoints(page, 'CurrentPath')).length <= 1, 'a reset clears the paths');
    }));

  test('a run at 1 year in 5 seconds takes its time and ends as at the maximal pace', () =>
    withChoices(async (page) => {
      await page.$eval('#vitesse5', (item) => item.click());
      await typeInto(page, ...tinyRun);
      const start = Date.now();
      assert.deepEqual(await runToTheEnd(page), ['Information']);
      const seconds = (Date.now() - start) / 1000;
      const memory = memoryRun(`${tinyRun[0]}=${tinyRun[1]}`);
      const texts = await shownTexts(page);
      expectSameEnd(texts, await shownTwips(page, drawn), memory);
      // Never faster than its pace (a slow machine may well be slower).
      assert.ok(seconds >= 0.9 * 5 * years(texts.tempscourant), `${seconds} s for ${texts.tempscourant} years`);
    }));

  test('a pace chosen during a run takes effect in that run, which still ends as at the maximal pace', () =>
    withChoices(async (page) => {
      await page.$eval('#vitesse60', (item) => item.click());
      await typeInto(page, ...tinyRun);  // six seconds at 1 year in 1 minute
      await page.click('#Command2');
      await new Promise((resolve) => setTimeout(resolve, 500));
      const held = years((await shownTexts(page)).tempscourant);
      assert.ok(held > 0 && held < 0.05, `${held} years after half a second`);
      await page.$eval('#vitesseMax', (item) => item.click());
      const box = await nextBox(page, 3000);  // no longer the five seconds left at the slow pace
      assert.equal(box.text, 'Fin de calcul');
      await closeBox(page);
      expectSameEnd(await shownTexts(page), await shownTwips(page, drawn), memoryRun(`${tinyRun[0]}=${tinyRun[1]}`));
    }));

  test('the choices are kept from one opening of the page to the next', () => withChoices(async (page) => {
    await page.$eval('#vitesse60', (item) => item.click());
    await page.$eval('#trajectoire', (item) => item.click());
    await page.reload();
    await page.waitForSelector('html[data-ready]', { timeout: 60000 });
    const reopened = await menuState(page);
    assert.deepEqual([reopened.items[0][2], ...reopened.items.slice(-4).map((item) => item[2])],
      ['false', 'false', 'false', 'false', 'true']);
    assert.equal(reopened.pathShown, 'hidden');
  }));
});
