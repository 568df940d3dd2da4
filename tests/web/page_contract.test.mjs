// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's scripts against the program, under Node alone: the program's module
// (VIRENAST_MODULE) is loaded as the page loads it, and its description read. Every name the
// page's scripts (VIRENAST_PAGE_SOURCE) use for the program's values (a command, a message
// style, a field of the description or of a control) must be one the description has, and the
// page's own tables (an icon per message style, a handler per scroll action) must match it. The
// rules that the page calls in the program (where a box goes, how a long number is fitted) are
// run here against the desktop's cases, through the page's own packing of their numbers; and
// the choices and the colours go through the exports the page calls.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { contrast } from './window_page.mjs';

const pageDir = process.env.VIRENAST_PAGE_SOURCE;
const pageModule = (file) => import(pathToFileURL(join(pageDir, file)).href);

async function loadProgram() {
  // A classic script that defines VirenastModule, as the page's first <script> does.
  const code = readFileSync(process.env.VIRENAST_MODULE, 'utf8');
  const VirenastModule = new Function(`${code}\nreturn VirenastModule;`)();
  return VirenastModule({ wasmBinary: readFileSync(process.env.VIRENAST_MODULE.replace(/\.js$/, '.wasm')) });
}
const program = await loadProgram();
const description = JSON.parse(program.UTF8ToString(program._virenast_describe()));

// Each name that the text uses after one of the prefixes, as `prefix.name` or `prefix['name']`.
export function namesUsed(text, prefixes) {
  const names = new Set();
  for (const prefix of prefixes) {
    // (Not inside a CSS selector or a string: '.control.button' names no field.)
    const pattern = new RegExp(`(?<![\\w$]|['"][\\w.#\\s-]*)${prefix}(?:\\.(\\w+)|\\[['"](\\w+)['"]\\])`, 'g');
    for (const match of text.matchAll(pattern)) names.add(match[1] ?? match[2]);
  }
  return names;
}

const scripts = readdirSync(pageDir).filter((file) => file.endsWith('.js'))
  .map((file) => ({ file, text: readFileSync(join(pageDir, file), 'utf8') }));
const controlFields = new Set(description.controls.flatMap((control) => Object.keys(control)));
const checks = [
  { what: 'field of the description', prefixes: ['description'], known: new Set(Object.keys(description)) },
  { what: 'command', prefixes: ['commands'], known: new Set(Object.keys(description.commands)) },
  // (The page reads the styles as a whole, by their names; none is named one by one yet.)
  { what: 'message style', prefixes: ['messageStyles'], known: new Set(Object.keys(description.messageStyles)), mayBeUnused: true },
  { what: 'field of a control', prefixes: ['control'], known: controlFields },
  { what: 'field of the time step', prefixes: ['range', 'timeStep'], known: new Set(Object.keys(description.timeStep)) },
  { what: 'field of a menu row', prefixes: ['row'], known: new Set(description.menuRows.flatMap((row) => Object.keys(row))) },
  { what: 'file command', prefixes: ['fileCommands'], known: new Set(Object.keys(description.fileCommands)), mayBeUnused: true },
];

describe('the page uses only the names that the program describes', () => {
  test('the scanner finds a name that is not described', () => {
    assert.deepEqual([...namesUsed("raise(description.commands.Stop); x.commands['None']", ['commands'])],
      ['Stop', 'None']);
    assert.deepEqual([...namesUsed("querySelector('.control.button'); control.text", ['control'])], ['text']);
  });

  for (const { what, prefixes, known, mayBeUnused } of checks) {
    test(`each ${what} the page names`, () => {
      let used = 0;
      for (const { file, text } of scripts) {
        for (const name of namesUsed(text, prefixes)) {
          assert.ok(known.has(name), `${file} uses the ${what} "${name}", which the description lacks`);
          ++used;
        }
      }
      assert.ok(used > 0 || mayBeUnused, `the page names no ${what}: the check would check nothing`);
    });
  }

  test('no number stands for a command, a style or an attribute in the page', () => {
    for (const { file, text } of scripts) {
      assert.doesNotMatch(text, /^\s*\d+\s*:/m, `${file} keys a table by a number`);
      assert.doesNotMatch(text, /\['x1?', 'y1?', '(width|x2)', '(height|y2)'\]/, `${file} lists the attributes itself`);
      assert.doesNotMatch(text, /\?\?\s*\d/, `${file} falls back on a number`);
    }
  });

  test('an icon for each message style, and a handler for each action of the scroll keys', async () => {
    const { ICONS } = await pageModule('message_box.js');
    assert.deepEqual(Object.keys(ICONS).sort(), Object.keys(description.messageStyles).sort());
    const { SCROLL_ACTIONS } = await pageModule('scroll_bar.js');
    for (const [key, action] of Object.entries(description.scrollKeys)) assert.ok(SCROLL_ACTIONS[action], `${key}: ${action}`);
    const { FILE_ACTIONS } = await pageModule('file_menu.js');
    assert.deepEqual(Object.keys(FILE_ACTIONS).sort(),
      description.menuRows.filter((row) => row.fileCommand !== 'None').map((row) => row.fileCommand).sort());
    // The words the page's own dialogs and downloads take from the program.
    assert.equal(description.fileTexts.everyNthStepBefore, 'Une ligne toutes les');
    assert.match(description.fileTexts.linkToCopyCaption, /^Copiez ce lien/);
  });

  test('the numbers that the description gives are those the program works with', () => {
    // A second statement of the few facts the page relies on, so that a slip in the description
    // fails here: no command is 0 but None, and the two styles are the classic ones.
    assert.equal(description.commands.None, 0);
    assert.equal(new Set(Object.values(description.commands)).size, Object.keys(description.commands).length);
    assert.deepEqual(description.messageStyles, { Critical: 16, Information: 64 });
    assert.deepEqual(description.shapeAttributes, ['x', 'y', 'width', 'height']);
    assert.deepEqual(description.lineAttributes, ['x1', 'y1', 'x2', 'y2']);
    assert.equal(description.scrollKeys.ArrowUp, 'SmallDecrease', 'Up lowers the value, as on Windows');
    assert.equal(description.scrollKeys.ArrowDown, 'SmallIncrease');
  });
});

describe('the menu bar, its choices and the colours, as the program gives them', () => {
  // The program started on a page that keeps its choices in `store` and draws nothing.
  function startWith(store) {
    program.page = {
      readChoice: (key) => store[key] ?? null,
      writeChoice: (key, value) => { store[key] = value; },
      draw: () => {},
      showThirdLaw: () => {},
    };
    program.ccall('virenast_start', null, ['string'], [',']);
  }
  const checkedNames = () => {
    const checked = program.UTF8ToString(program._virenast_checked());
    return description.menuRows.filter((row, index) => checked[index] === '1').map((row) => row.name);
  };
  const choose = (name) => program._virenast_choose(description.menuRows.findIndex((row) => row.name === name));

  test('each row is a menu or a view, a choice, or an item that does one thing', () => {
    const holders = new Set(description.menuRows.filter((row) => ['menu', 'view'].includes(row.kind)).map((row) => row.name));
    for (const row of description.menuRows) {
      const actions = [row.command, row.fileCommand].filter((action) => action !== 'None');
      assert.equal(actions.length, row.kind === 'item' ? 1 : 0, row.name);
      if (row.command !== 'None') assert.ok(description.commands[row.command] > 0, row.name);
      assert.ok(holders.has(row.name) || !row.parent || holders.has(row.parent), `${row.name} in ${row.parent}`);
      assert.ok(row.accessKey < row.text.length, `${row.name}: its access key`);
    }
    // The access key counted in the text's characters, an accented letter before it or not.
    const keys = [['copierMesures', 'p'], ['courbeEnergieCinetique', 'c'], ['courbeEcartEnergie', 'a']];
    for (const [name, key] of keys) {
      const row = description.menuRows.find((each) => each.name === name);
      assert.equal(row.text[row.accessKey], key, name);
    }
    // "A propos", the window's own item, stands in the menu bar itself.
    const about = description.menuRows.find((row) => row.command === 'ShowAbout');
    assert.deepEqual([about.name, about.parent, about.text], ['apropos', '', 'A propos']);
  });

  test('the program takes the stored choices, garbage as the defaults, and stores what is chosen', () => {
    const curves = ['courbeDistance1', 'courbeEnergieMecanique'];  // the graphs' curves checked by default
    startWith({});
    assert.deepEqual(checkedNames(), ['trajectoire', 'vitesseMax', ...curves]);
    startWith({ 'affichage/trajectoire': 'false', 'affichage/vitesse': 'vitesse20' });
    assert.deepEqual(checkedNames(), ['vitesse20', ...curves]);
    const store = { 'affichage/trajectoire': 'oui', 'affichage/vitesse': 'vitesse7' };
    startWith(store);
    assert.deepEqual(checkedNames(), ['trajectoire', 'vitesseMax', ...curves], 'garbage: the defaults');
    choose('trajectoire');
    choose('vitesse60');
    assert.deepEqual([store['affichage/trajectoire'], store['affichage/vitesse']], ['false', 'vitesse60']);
    assert.deepEqual(checkedNames(), ['vitesse60', ...curves]);
  });

  test("the path stands out from the drawing's back by 3:1 on a light page and on a dark one", () => {
    startWith({});
    for (const [face, text] of [['#f0f0f0', '#000000'], ['#202124', '#e8eaed']]) {
      const number = (hex) => parseInt(hex.slice(1), 16);
      const palette = JSON.parse(program.UTF8ToString(program._virenast_palette(number(face), number(text))));
      assert.equal(palette.DrawingBack, face);
      assert.equal(palette.Outline, text);
      for (const role of ['CurrentPath', 'PreviousPath'])
        assert.ok(contrast(palette[role], face) >= 3, `${role} ${palette[role]} on ${face}`);
    }
  });
});

describe("the program's layout rules, as the page calls them", () => {
  test('each placement case of the desktop', async () => {
    const { placementNumbers } = await pageModule('box_placement.js');
    const { cases } = JSON.parse(readFileSync(process.env.VIRENAST_BOX_PLACEMENT_CASES, 'utf8'));
    assert.ok(cases.length >= 9);
    for (const placement of cases) {
      const place = program.ccall('virenast_place_box', 'string', ['string'], [placementNumbers(placement)]);
      assert.deepEqual(place === '' ? null : place.split(' ').map(Number), placement.place, placement.name);
    }
    assert.equal(program.ccall('virenast_place_box', 'string', ['string'], ['300 130 0 0']), '', 'numbers missing');
  });

  test('a long number keeps its sign, a digit and its exponent', () => {
    program.textWidth = (text) => 10 * [...text].length;  // every character ten units wide
    const fit = (text, width) => program.ccall('virenast_fit_number', 'string', ['string', 'number'], [text, width]);
    assert.equal(fit('1,0000115286423E-05', 190), '1,0000115286423E-05');
    assert.equal(fit('1,0000115286423E-05', 90), '1,00…E-05');
    assert.equal(fit('-2,5E+300', 10), '-2…E+300');
    assert.equal(fit('8,24674434544208', 100), '8,2467443…');
    assert.equal(fit('2٫25', 30), '2٫…', 'a two-byte separator is never cut in half');
  });
});

// The scenario and the measurements as the page hands them to the program and takes them back,
// on a page held in memory that keeps the boxes' texts and the bar's value as the window does.
describe('the scenario and the measurements, through the exports the page calls', () => {
  const boxIndex = new Map(description.controls.filter((control) => control.logicList === 'textBoxes')
    .map((control) => [control.name, control.logicIndex]));
  const inputs = ['G1', 'x1', 'y1', 'G2', 'x2', 'y2', 'xs', 'ys', 'Text4', 'vx', 'vy', 'Text1'];
  // The sixth practical sheet: two equal bodies and a figure of eight, at 1 hour a step.
  const sheet6 = { G1: '3317811', x1: '1,4', y1: '1', G2: '3317811', x2: '2,4', y2: '1',
                   xs: '1,9', ys: '1', vx: '14000', vy: '-24249', Text1: '2' };
  const sheet6Link = `virenast.html#${Object.entries(sheet6).map(([name, text]) => `${name}=${text}`).join('&')}&HScroll1=1`;
  const fixture = readFileSync(process.env.VIRENAST_SCENARIO_FIXTURE);

  function freshWindow() {
    const window = { texts: new Map(), bar: 24 };
    program.page = {
      readText: (box) => window.texts.get(box) ?? '',
      setText: (box, text) => window.texts.set(box, text),
      scrollValue: () => window.bar,
      setScrollValue: (value) => { window.bar = value; },
      readChoice: () => null,
      writeChoice: () => {},
      draw: () => {},
      showThirdLaw: () => {},
    };
    program.ccall('virenast_start', null, ['string'], [',']);
    for (const name of inputs) window.texts.set(boxIndex.get(name), `typed ${name}`);
    window.boxes = () => Object.fromEntries(inputs.map((name) => [name, window.texts.get(boxIndex.get(name))]));
    return window;
  }
  // As the page hands them over: the first bytes, up to the program's limit.
  const write = (bytes) => {
    const read = bytes.subarray(0, program._virenast_scenario_read_limit());
    const buffer = program._virenast_scenario_buffer(read.length);
    program.HEAPU8.set(read, buffer);
  };
  const openLink = (link) => { write(Buffer.from(link)); return program._virenast_open_scenario_link(); };
  const openFile = (bytes) => { write(bytes); return program._virenast_open_scenario_file(); };
  const messages = () => program.UTF8ToString(program._virenast_scenario_messages());
  const output = (pointer) => Buffer.from(program.HEAPU8.slice(pointer, pointer + program._virenast_output_size()));

  test("the sixth sheet's link fills the boxes and the bar, and gives the file the fixture holds", () => {
    const window = freshWindow();
    assert.equal(openLink(sheet6Link), 0, messages());
    assert.deepEqual(window.boxes(), { ...sheet6, Text4: 'typed Text4' }, 'a box the link leaves out keeps its text');
    assert.equal(window.bar, 1);
    window.texts.set(boxIndex.get('Text4'), '1000');
    assert.deepEqual(output(program._virenast_scenario_file()), fixture);
    // The fixture opens into a window with other texts, link and file giving the same boxes.
    const fromFile = freshWindow();
    assert.equal(openFile(fixture), 0, messages());
    assert.deepEqual(fromFile.boxes(), { ...sheet6, Text4: '1000' });
    const link = program.UTF8ToString(program._virenast_scenario_link());
    const fromLink = freshWindow();
    assert.equal(openLink(`#${link}`), 0, messages());
    assert.deepEqual([fromLink.boxes(), fromLink.bar], [fromFile.boxes(), 1]);
  });

  test('hostile scenarios each give their message, and change nothing they did not take', () => {
    const random = new Uint8Array(10 * 1024 * 1024);
    for (let i = 0; i < random.length; ++i) random[i] = (i * 2654435761 >>> 13) & 0xff;
    const cases = [
      // [what, open, outcome, a piece of the message, the boxes it changed]
      ['an unknown name alone', () => openLink('#frobnicate=1'), 2, 'Aucune valeur', {}],
      ['an unknown name beside a known one', () => openLink('#frobnicate=1&G1=5'), 1, 'frobnicate', { G1: '5' }],
      ['a broken escape', () => openLink('#G1=%ZZ&x1=2'), 1, '%', { x1: '2' }],
      ['an escape cut short', () => openLink('#x1=2&G1=7%2'), 1, '%', { x1: '2' }],
      ['a repeated name, the first one counting', () => openLink('#G1=1&G1=2'), 1, 'G1', { G1: '1' }],
      ['an overlong text', () => openLink(`#G1=${'9'.repeat(201)}&x1=3`), 1, 'G1', { x1: '3' }],
      ['a time step out of range', () => openLink('#HScroll1=25&x1=4'), 1, '« 25 »', { x1: '4' }],
      ['markup, taken as a typed text', () => openLink('#G1=%3Cimg%20src%3Dx%3E&HScroll1=24'), 0, '', { G1: '<img src=x>' }],
      ['10 MB of random bytes', () => openFile(random), 2, 'dépasse', {}],
      ['an address of 3 MB', () => openLink(`#G1=1&x1=${'1'.repeat(3 * 1024 * 1024)}`), 2, 'dépasse', {}],
      ['a file with a NUL byte', () => openFile(Buffer.from('G1=1\n\0\n')), 2, 'UTF-8', {}],
      ['a file with an unknown line', () => openFile(Buffer.from('# un essai\nvitesse=3\nxs=2\n')), 1, 'Ligne 2', { xs: '2' }],
    ];
    for (const [what, open, outcome, piece, changed] of cases) {
      const window = freshWindow();
      const before = window.boxes();
      assert.equal(open(), outcome, what);
      assert.ok(messages().includes(piece), `${what}: ${messages()}`);
      if (outcome === 0) assert.equal(messages(), '', what);
      assert.deepEqual(window.boxes(), { ...before, ...changed }, what);
      assert.equal(window.bar, 24, `${what}: the bar keeps its value`);
    }
    assert.equal(program._virenast_scenario_buffer(program._virenast_scenario_read_limit() + 1), 0,
      'no room beyond the read limit');
  });
});
