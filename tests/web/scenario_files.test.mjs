// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Fichier" of the page in a real browser (VIRENAST_BROWSER), opened from disk with the
// network refused: a scenario in the address, a scenario file opened and saved (the same bytes
// as the desktop's, VIRENAST_SCENARIO_FIXTURE), the link copied, hostile scenarios, and the
// last run's measurements downloaded. Downloads and files are where the browsers differ most.
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { randomBytes } from 'node:crypto';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, afterEach, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launch } from './browsers.mjs';
import {
  browserName, closeBox, csvRows, downloadedFile, memoryRun, nextBox, openPage, pagePath, shownTexts, typeInto,
} from './window_page.mjs';

const fixture = readFileSync(process.env.VIRENAST_SCENARIO_FIXTURE);
const inputs = ['G1', 'x1', 'y1', 'G2', 'x2', 'y2', 'xs', 'ys', 'Text4', 'vx', 'vy', 'Text1'];
// The sixth practical sheet, as the sheet gives it: two equal bodies, a figure of eight.
const sheet6 = { G1: '3317811', x1: '1,4', y1: '1', G2: '3317811', x2: '2,4', y2: '1',
                 xs: '1,9', ys: '1', vx: '14000', vy: '-24249', Text1: '2' };
const sheet6Fragment = `#${Object.entries(sheet6).map(([name, text]) => `${name}=${text}`).join('&')}&HScroll1=1`;

let session;
let downloads;
before(async () => {
  downloads = mkdtempSync(join(tmpdir(), 'virenast-downloads-'));
  session = await launch(browserName, { locale: 'fr-FR', downloads });
});
after(async () => {
  await session?.close();
  rmSync(downloads, { recursive: true, force: true });
});
afterEach(() => { for (const file of readdirSync(downloads)) rmSync(join(downloads, file), { force: true }); });

async function withWindow(options, body) {
  const window = await openPage(session.browser, options);
  try {
    await body(window.page);
    assert.deepEqual(window.refused, [], 'no request leaves the page');
    assert.deepEqual(window.errors, [], 'no script error');
    assert.equal(await window.page.$('dialog[open]'), null, 'no box left open');
  } finally {
    await window.close();
  }
}

const boxes = (page) => shownTexts(page).then((texts) => Object.fromEntries(inputs.map((name) => [name, texts[name]])));
const timeStep = (page) => page.$eval('#HScroll1', (bar) => Number(bar.getAttribute('aria-valuenow')));

const downloaded = (name) => downloadedFile(downloads, name);

// A file given to the page's file input, as the browser's file dialog gives it.
async function chooseFile(page, path) {
  const input = await page.$('input[type="file"]');
  await input.uploadFile(path);
  await input.dispose();
}

// The window still works: a reset computes the start distances.
async function expectUsable(page) {
  await page.click('#Command1');
  await page.waitForFunction(() => document.getElementById('DC1C').dataset.value !== '');
}

describe(`scenarios in ${browserName}`, () => {
  test("the sixth sheet's link fills exactly its texts, places the bodies, runs nothing, and saves the desktop's file", () =>
    withWindow({ search: sheet6Fragment }, async (page) => {
      assert.deepEqual(await boxes(page), { ...sheet6, Text4: '1000' });
      assert.equal(await timeStep(page), 1);
      await page.waitForFunction(() => document.getElementById('DC1C').dataset.value !== '');
      const shown = await shownTexts(page);
      assert.deepEqual([shown.tempscourant, shown.DC1C], ['0', '0,5'], 'placed as by a reset, no run');
      await page.$eval('#enregistrerScenario', (item) => item.click());  // its menu closed
      assert.deepEqual(await downloaded('scenario.virenast'), fixture);
    }));

  test('"Fichier" comes first, with its items named for a screen reader, and the keys walk it', () =>
    withWindow({ search: sheet6Fragment }, async (page) => {
      const menu = () => page.evaluate(() => ({
        bar: [...document.querySelectorAll('[role="menubar"] > [role="menuitem"], [role="menubar"] > .menu > [role="menuitem"]')]
          .map((item) => item.id),
        items: [...document.querySelectorAll('#fichier-menu [role^="menuitem"]')].map((item) =>
          [item.id, item.getAttribute('role'), item.textContent, item.getAttribute('aria-label')]),
        open: !document.getElementById('fichier-menu').hidden,
        focus: document.activeElement.id,
      }));
      const opened = await menu();
      assert.deepEqual(opened.bar, ['fichier', 'affichage', 'apropos']);
      assert.deepEqual(opened.items, [
        ['ouvrirScenario', 'menuitem', 'Ouvrir un scénario…', 'Ouvrir un scénario'],
        ['enregistrerScenario', 'menuitem', 'Enregistrer le scénario…', 'Enregistrer le scénario'],
        ['copierLien', 'menuitem', 'Copier le lien du scénario', 'Copier le lien du scénario'],
        ['enregistrerMesures', 'menuitem', 'Enregistrer les mesures…', 'Enregistrer les mesures'],
        ['copierMesures', 'menuitem', 'Copier les mesures', 'Copier les mesures'],
        ['enregistrerImage', 'menuitem', "Enregistrer l'image…", "Enregistrer l'image"],
      ]);
      assert.equal(await page.$eval('#fichier', (item) => item.innerHTML), '<u>F</u>ichier');
      await page.keyboard.down('Alt');
      await page.keyboard.press('f');
      await page.keyboard.up('Alt');
      assert.deepEqual(await menu().then(({ open, focus }) => [open, focus]), [true, 'ouvrirScenario']);
      await page.keyboard.press('ArrowDown');
      assert.equal((await menu()).focus, 'enregistrerScenario');
      await page.keyboard.press('ArrowUp');
      await page.keyboard.press('ArrowUp');
      assert.equal((await menu()).focus, 'enregistrerImage', 'round the menu');
      await page.keyboard.press('ArrowRight');
      assert.deepEqual(await menu().then(({ open, focus }) => [open, focus]), [false, 'affichage']);
      await page.keyboard.press('F10');
      await page.keyboard.press('Enter');
      await page.keyboard.press('e');  // the access key of "Enregistrer le scénario…"
      assert.deepEqual(await downloaded('scenario.virenast'), fixture);
      assert.deepEqual(await menu().then(({ open, focus }) => [open, focus]), [false, 'HScroll1'], 'back to the window');
    }));

  test('the menu opens a file; a file saved by the page opens again with the same boxes and step', () =>
    withWindow({}, async (page) => {
      if (browserName === 'chromium') {  // the menu's item opens the browser's file dialog
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#fichier').then(() => page.click('#ouvrirScenario'))]);
        assert.equal(chooser.isMultiple(), false);
        await chooser.accept([process.env.VIRENAST_SCENARIO_FIXTURE]);
      } else {
        await chooseFile(page, process.env.VIRENAST_SCENARIO_FIXTURE);
      }
      await page.waitForFunction(() => document.getElementById('G1').value === '3317811');
      assert.deepEqual(await boxes(page), { ...sheet6, Text4: '1000' });
      // Texts as a student types them, good and bad, and another step.
      const typed = { G1: '3 317 811', x1: '1.5', vx: '1,5e3', vy: 'abc', Text1: ' 0,5 ', Text4: 'é €' };
      for (const [name, text] of Object.entries(typed)) await typeInto(page, name, text);
      await page.focus('#HScroll1');
      for (let i = 0; i < 6; ++i) await page.keyboard.press('ArrowRight');
      const before = [await boxes(page), await timeStep(page)];
      assert.equal(before[1], 7);
      await page.$eval('#enregistrerScenario', (item) => item.click());
      const saved = await downloaded('scenario.virenast');
      await page.reload();
      await page.waitForSelector('html[data-ready]');
      const path = join(downloads, 'saved.virenast');
      writeFileSync(path, saved);
      await chooseFile(page, path);
      await page.waitForFunction(() => document.getElementById('vy').value === 'abc');
      assert.deepEqual([await boxes(page), await timeStep(page)], before);
      // The bodies are placed as the boxes say: the bad texts give "Erreur", as at a reset.
      assert.equal((await nextBox(page)).title, 'Erreur');
      await closeBox(page);
    }));

  test('hostile scenarios give their message and leave the window as it was, and usable', () =>
    withWindow({ search: '#frobnicate=1&G1=%ZZ&x1=2,5&HScroll1=99' }, async (page) => {
      const opened = await nextBox(page);  // over the page as it opens
      assert.equal(opened.style, 64, 'part of it was taken: information');
      for (const piece of ['frobnicate', '%ZZ', '« 99 »']) assert.ok(opened.text.includes(piece), opened.text);
      await closeBox(page);
      assert.equal((await boxes(page)).x1, '2,5');
      const opening = memoryRun('Text1=-1').texts;  // what the window holds as it opens
      assert.equal((await boxes(page)).G1, opening.G1, 'a pair with a broken escape is left out whole');
      assert.equal(await timeStep(page), 1);
      await expectUsable(page);
      const before = [await boxes(page), await timeStep(page)];
      // 10 MB of random bytes as a scenario file: refused for its size, nothing changed.
      const random = join(downloads, 'random.virenast');
      writeFileSync(random, randomBytes(10 * 1024 * 1024));
      await chooseFile(page, random);
      const refused = await nextBox(page);
      assert.equal(refused.style, 16, 'refused: an error');
      assert.match(refused.text, /^Le scénario n'a pas été ouvert/);
      await closeBox(page);
      // Markup in the address is a typed text, nothing else; unknown names alone change nothing.
      await page.evaluate(() => { location.hash = '#zz=1&yy=2'; });
      const unknown = await nextBox(page);
      assert.ok(unknown.text.includes('zz') && unknown.text.includes('yy'), unknown.text);
      await closeBox(page);
      assert.deepEqual([await boxes(page), await timeStep(page)], before);
      await page.evaluate(() => { location.hash = '#G1=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&HScroll1=1'; });
      await page.waitForFunction(() => document.getElementById('G1').value.startsWith('<img'));
      assert.equal(await page.$('img[src="x"]'), null, 'no element made of it');
      await page.click('#Command1');
      const bad = await nextBox(page);
      assert.equal(bad.title, 'Erreur', 'a bad text gives "Erreur" at the next reset, as typed');
      await closeBox(page);
      await typeInto(page, 'G1', opening.G1);
      await expectUsable(page);
    }));

  test('the link copied is the page with its scenario, shown to copy by hand where the clipboard is refused', () =>
    withWindow({ search: sheet6Fragment }, async (page) => {
      await typeInto(page, 'Text4', '1,5');
      await page.evaluate(() => {
        window.copied = [];
        Object.defineProperty(navigator.clipboard, 'writeText', { configurable: true, value: (text) => {
          window.copied.push(text);
          return Promise.resolve();
        } });
      });
      await page.$eval('#copierLien', (item) => item.click());
      await page.waitForFunction(() => window.copied.length === 1);
      const link = await page.evaluate(() => window.copied[0]);
      assert.ok(link.startsWith(`${pathToFileURL(pagePath).href}#`), link);
      assert.equal(await page.$('dialog[open]'), null);
      await page.evaluate(() => {
        Object.defineProperty(navigator.clipboard, 'writeText', { configurable: true,
          value: () => Promise.reject(new DOMException('refusé', 'NotAllowedError')) });
      });
      await page.$eval('#copierLien', (item) => item.click());
      await page.waitForSelector('dialog[open] input[readonly]');
      const shown = await page.$eval('dialog[open] input', (box) =>
        ({ value: box.value, selected: box.selectionEnd - box.selectionStart, focused: document.activeElement === box }));
      assert.deepEqual(shown, { value: link, selected: link.length, focused: true });
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => !document.querySelector('dialog[open]'));
      // The link opens the same boxes in another tab.
      const other = await openPage(session.browser, { search: link.slice(link.indexOf('#')) });
      try {
        assert.deepEqual(await boxes(other.page), { ...sheet6, Text4: '1,5' });
        assert.equal(await timeStep(other.page), 1);
      } finally {
        await other.close();
      }
    }));
});

describe(`measurements in ${browserName}`, () => {
  test('saved after the default run: one row for the start and one per step, the last as the window shows it', () =>
    withWindow({}, async (page) => {
      const item = () => page.$eval('#enregistrerMesures', (element) => element.getAttribute('aria-disabled'));
      await page.click('#fichier');
      assert.equal(await item(), 'true', 'nothing to save before a run');
      await page.$eval('#enregistrerMesures', (element) => element.click());
      assert.equal(await page.$('dialog[open]'), null, 'a disabled item does nothing');
      await page.click('#Command2');
      assert.equal((await nextBox(page)).text, 'Fin de calcul');
      await closeBox(page);
      assert.equal(await item(), 'false');
      await page.$eval('#enregistrerMesures', (element) => element.click());
      await page.waitForSelector('dialog[open] .every-nth input');
      assert.equal(await page.$eval('dialog[open] .every-nth input', (box) => box.value), '1', 'every step by default');
      await page.keyboard.press('Enter');
      // Named after the run's start, as the program names it.
      const named = /^mesures-\d{4}-\d\d-\d\d-\d\dh\d\dm\d\d\.csv$/;
      const [header, ...rows] = csvRows(await downloaded(named));
      for (const file of readdirSync(downloads)) rmSync(join(downloads, file));
      assert.equal(header.length, 14);
      assert.deepEqual([header[0], header[13]], ['temps [années]', 'énergie mécanique [J]']);
      const shown = await shownTexts(page);
      const last = rows[rows.length - 1];
      assert.deepEqual([last[0], last[2], last[3]], [shown.tempscourant, shown.xsc, shown.ysc]);
      // A row every hour from the start; the window's distances and forces are those of the
      // position the last step started from.
      rows.forEach((row, step) => assert.equal(row[1], String(3600 * step), `row ${step}`));
      assert.ok(rows.length > 1000, `${rows.length} rows`);
      const beforeLast = rows[rows.length - 2];
      assert.deepEqual(beforeLast.slice(6, 10), [shown.DC1C, shown.DC2C, shown.AC1C, shown.AC2C]);
      assert.deepEqual(last.slice(6, 10), ['', '', '', ''], 'the last position has no attraction computed yet');
      assert.deepEqual(last.slice(11), ['', '', ''], 'nor energies');
      // Every 1000th step, with the start and the last step.
      await page.$eval('#enregistrerMesures', (element) => element.click());
      await page.waitForSelector('dialog[open] .every-nth input');
      await page.$eval('dialog[open] .every-nth input', (box) => { box.value = '1000'; });
      await page.click('dialog[open] button[value="save"]');
      const thinned = await downloaded(named);
      const thinnedRows = csvRows(thinned).slice(1);
      const expected = rows.filter((row, step) => step % 1000 === 0 || step === rows.length - 1);
      assert.deepEqual(thinnedRows, expected);
      // Cancelled, nothing is saved.
      await page.$eval('#enregistrerMesures', (element) => element.click());
      await page.waitForSelector('dialog[open] .every-nth input');
      await page.keyboard.press('Escape');
      await page.waitForFunction(() => !document.querySelector('dialog[open]'));
    }));
});
