// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The speed of both front-ends and of the core, measured in one go on this machine, and printed
// as one table (scripts/benchmark.sh builds what it needs and starts this under xvfb-run):
//   - steps per second of the default run at "Vitesse maximale": the desktop window on the X
//     server, the page in headless Chromium opened from disk, the path shown and hidden, and the
//     in-memory run natively and in WebAssembly under Node;
//   - the wall time of a one-year run (364,75 days at a 1 h step) at each pace, from the click on
//     "Lancer le calcul" to the "Fin de calcul" box, and whether it ends with the same texts as at
//     the maximal pace and as the in-memory run.
// The path and the pace are chosen as a user chooses them: on the desktop by the settings the
// program reads at its start (a settings folder of its own for each run), in the page by a click
// on the menu's item.
//
//   node benchmark.mjs --window TIMER --page PAGE.html --memory NATIVE_RUN --node-memory RUN.js
//                      [--quick | --smoke]
// --quick leaves out the 20 s and 60 s paces; --smoke makes every run a few hundred steps and
// every measurement one round, to check that the table comes out and the texts agree.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { cpus, loadavg, tmpdir } from 'node:os';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

const { values: options } = parseArgs({
  options: {
    window: { type: 'string' }, page: { type: 'string' }, memory: { type: 'string' },
    'node-memory': { type: 'string' }, quick: { type: 'boolean' }, smoke: { type: 'boolean' },
  },
});
for (const name of ['window', 'page', 'memory', 'node-memory'])
  if (!options[name]) throw new Error(`--${name} is needed`);
process.env.VIRENAST_PAGE = options.page;
process.env.VIRENAST_BROWSER = 'chromium';
const { launch } = await import('../web/browsers.mjs');
const { openPage, shownTexts, typeInto } = await import('../web/window_page.mjs');

const HOURS_PER_YEAR = 364.75 * 24;
const ROUNDS = options.smoke ? 1 : 5;  // the best of several: a shared machine disturbs some of them
const SPEED_YEARS = options.smoke ? '0,05' : null;  // null: the window's own length, to the right edge
const PACE_YEARS = options.smoke ? '0,05' : '1';
const PACES = [
  { item: 'vitesseMax', name: 'Vitesse maximale', seconds: null },
  { item: 'vitesse5', name: '1 an en 5 secondes', seconds: 5 },
  ...(options.quick || options.smoke ? [] : [
    { item: 'vitesse20', name: '1 an en 20 secondes', seconds: 20 },
    { item: 'vitesse60', name: '1 an en 1 minute', seconds: 60 },
  ]),
];
const FINAL_TEXTS = ['tempscourant', 'xsc', 'ysc'];
// A long run round the sun, the second sheet's circle for 30 years: its path grows all the way (to
// 16 384 points, then thinned), and drawing it must not slow the run down as it grows.
const LONG_RUN = {
  G1: '13271244', x1: '1,9', y1: '1', G2: '0', x2: '3,6', y2: '1,9', xs: '1,9', ys: '0,1', vx: '31354', vy: '0',
  Text1: options.smoke ? '0,05' : '30',
};
const LONG_ROUNDS = options.smoke ? 1 : 3;

// Every run must end as asked, with the choices asked; a figure from any other run is no figure.
function checked(run, { trajectoire, pace, graphs = false }, where) {
  if (run.box !== 'Fin de calcul') throw new Error(`${where}: the run ended with "${run.box}"`);
  if (run.trajectoire !== trajectoire || run.pace !== pace || run.graphs !== graphs)
    throw new Error(`${where}: the menu shows trajectoire=${run.trajectoire}, graphiques=${run.graphs} and ${run.pace}, ` +
                    `not ${trajectoire}, ${graphs} and ${pace}`);
  return run;
}

// The desktop window: one process per run, with the choices written in its own settings file.
function windowRun({ trajectoire, pace, years, typed, graphs = false }) {
  const home = mkdtempSync(join(tmpdir(), 'virenast-bench-'));
  try {
    mkdirSync(join(home, 'Virenast'));
    writeFileSync(join(home, 'Virenast', 'Virenast.conf'),
                  `[affichage]\ntrajectoire=${trajectoire}\nvitesse=${pace}\ngraphiques=${graphs}\n`);
    const boxes = typed ? Object.entries(typed).map(([box, text]) => `${box}=${text}`) : [];
    const output = execFileSync(options.window, years ? [years] : boxes, {
      encoding: 'utf8',
      stdio: ['ignore', 'pipe', 'pipe'],  // Qt's remarks on stderr stay out of the table
      env: { ...process.env, XDG_CONFIG_HOME: home, QT_QPA_PLATFORM: 'xcb' },
    });
    return checked(JSON.parse(output), { trajectoire, pace, graphs }, 'desktop');
  } finally {
    rmSync(home, { recursive: true, force: true });
  }
}

// The page: a new tab, then one run after another in it, as a class makes them. For each, the
// choices clicked on the menu's items (which act even while the menu is closed), the run
// clicked, and the clock stopped when the end box is put into the document (a watch on the
// body's children, which a run itself never changes).
async function pageRuns(browser, choices) {
  const opened = await openPage(browser);
  const runs = [];
  try {
    const { page } = opened;
    for (const { trajectoire, pace, years, typed, graphs = false } of choices) {
      for (const [box, text] of Object.entries(typed ?? { Text1: years ?? '10' })) await typeInto(page, box, text);
      const run = await page.evaluate(async (trajectoire, pace, graphs) => {
        const item = (name) => document.getElementById(name);
        if ((item('trajectoire').getAttribute('aria-checked') === 'true') !== trajectoire) item('trajectoire').click();
        if ((item('graphiques').getAttribute('aria-checked') === 'true') !== graphs) item('graphiques').click();
        item(pace).click();
        const checkedPace = ['vitesseMax', 'vitesse5', 'vitesse20', 'vitesse60']
          .find((name) => item(name).getAttribute('aria-checked') === 'true') ?? '';
        const hours = Number(document.getElementById('HScroll1').getAttribute('aria-valuenow'));
        // The browser's turns that came more than 250 ms late, the machine busy elsewhere: a paced run
        // does not make up such a gap, so they tell why a run was slower than its pace.
        const late = { turns: 0, seconds: 0, last: 0, running: true };
        const tick = () => {
          const now = performance.now();
          if (now - late.last > 250) {
            ++late.turns;
            late.seconds += (now - late.last) / 1000;
          }
          late.last = now;
          if (late.running) setTimeout(tick, 5);
        };
        const ended = new Promise((resolve) => {
          const watch = new MutationObserver(() => {
            const box = document.querySelector('dialog[open]');
            if (!box) return;
            const seconds = (performance.now() - start) / 1000;
            watch.disconnect();
            late.running = false;
            resolve({ seconds, box: document.getElementById(box.getAttribute('aria-describedby')).textContent,
                      lateTurns: late.turns, lateSeconds: late.seconds });
          });
          watch.observe(document.body, { childList: true });
        });
        const start = performance.now();
        late.last = start;
        setTimeout(tick, 5);
        item('Command2').click();
        return { trajectoire: item('trajectoire').getAttribute('aria-checked') === 'true',
                 graphs: item('graphiques').getAttribute('aria-checked') === 'true', pace: checkedPace, hours,
                 ...(await ended) };
      }, trajectoire, pace, graphs);
      const texts = await shownTexts(page);
      run.texts = Object.fromEntries(FINAL_TEXTS.map((name) => [name, texts[name]]));
      run.steps = Math.round(simulatedYears(run) * HOURS_PER_YEAR / run.hours);
      await page.click('dialog[open] button');
      await page.waitForFunction(() => !document.querySelector('dialog[open]'));
      runs.push(checked(run, { trajectoire, pace, graphs }, 'page'));
    }
    return runs;
  } finally {
    await opened.close();
  }
}

function memoryRun(tool, extra) {
  const [command, start] = tool.endsWith('.js') ? [process.execPath, [tool]] : [tool, []];
  return JSON.parse(execFileSync(command, [...start, ...extra], { encoding: 'utf8' }));
}

const simulatedYears = (run) => Number(run.texts.tempscourant.replace(',', '.'));
const stepsPerSecond = (run) => run.steps / run.seconds;
const best = (runs) => runs.reduce((a, b) => (stepsPerSecond(b) > stepsPerSecond(a) ? b : a));
const thousands = (n) => Math.round(n).toLocaleString('en-US').replaceAll(',', ' ');
const percent = (n) => `${n >= 0 ? '+' : ''}${n.toFixed(2)} %`;

const loadBefore = loadavg()[0];
const session = await launch('chromium');
// Each front-end's runs by what they show: the path, nothing, or the path and the graphs.
const SHOWN = [
  { key: 'path', trajectoire: true, graphs: false },
  { key: 'none', trajectoire: false, graphs: false },
  { key: 'graphs', trajectoire: true, graphs: true },
];
const byShown = () => Object.fromEntries(SHOWN.map(({ key }) => [key, []]));
const speed = { desktop: byShown(), page: byShown() };
const long = { desktop: byShown(), page: byShown() };
const firstInPage = [];  // the first run of a freshly opened page, which compiles the WebAssembly
const paced = [];
try {
  // Alternating, so that a burst of load on the shared machine falls on both front-ends alike.
  for (let round = 0; round < ROUNDS; ++round) {
    for (const { key, trajectoire, graphs } of SHOWN) {
      const choice = { trajectoire, graphs, pace: 'vitesseMax', years: SPEED_YEARS };
      speed.desktop[key].push(windowRun(choice));
      const [first, second] = await pageRuns(session.browser, [choice, choice]);
      if (key === 'path') firstInPage.push(first);
      speed.page[key].push(second);
    }
  }
  for (let round = 0; round < LONG_ROUNDS; ++round) {
    for (const { key, trajectoire, graphs } of SHOWN) {
      const choice = { trajectoire, graphs, pace: 'vitesseMax', typed: LONG_RUN };
      long.desktop[key].push(windowRun(choice));
      long.page[key].push((await pageRuns(session.browser, [choice, choice]))[1]);
    }
  }
  for (const pace of PACES) {
    const choice = { trajectoire: true, pace: pace.item, years: PACE_YEARS };
    const [, page] = await pageRuns(session.browser, [{ ...choice, pace: 'vitesseMax' }, choice]);
    paced.push({ pace, desktop: windowRun(choice), page });
  }
} finally {
  await session.close();
}
const memoryArguments = SPEED_YEARS ? [`Text1=${SPEED_YEARS}`] : [];
const native = memoryRun(options.memory, ['--repeat', options.smoke ? '1' : '10', ...memoryArguments]);
const underNode = memoryRun(options['node-memory'], ['--repeat', options.smoke ? '1' : '3', ...memoryArguments]);
const reference = memoryRun(options.memory, [`Text1=${PACE_YEARS}`]);

// The table.
const lines = [];
const say = (line = '') => lines.push(line);
const stepsOf = best(speed.desktop.path).steps;
say(`Virenast benchmark, ${new Date().toISOString().slice(0, 16).replace('T', ' ')} UTC, ${cpus()[0].model.trim()}, ${cpus().length} cores`);
// Other programs on the machine slow any of these runs down: the load says how busy it was.
say(`load average (1 min) ${loadBefore.toFixed(2)} before, ${loadavg()[0].toFixed(2)} after`);
say();
say(`Steps per second at "Vitesse maximale": the default run (${thousands(stepsOf)} steps, 1 h step), best of ${ROUNDS}`);
say('  (desktop: a fresh window each run; page: a second run in a tab, the first one, which compiles the');
say('  WebAssembly, on its own row)');
// The columns of both runs' tables: what each shows, and what the path and the graphs cost.
const columns = `${''.padEnd(40)}${'path shown'.padStart(12)}${'path hidden'.padStart(13)}${'+ graphs'.padStart(11)}` +
  `${'path adds'.padStart(11)}${'graphs add'.padStart(12)}`;
const row = (label, runs) => {
  const [shown, hidden, graphs] = ['path', 'none', 'graphs'].map((key) => stepsPerSecond(best(runs[key])));
  return `  ${label.padEnd(38)}${thousands(shown).padStart(12)}${thousands(hidden).padStart(13)}${thousands(graphs).padStart(11)}` +
    `${percent(100 * (hidden / shown - 1)).padStart(11)}${percent(100 * (shown / graphs - 1)).padStart(12)}`;
};
const frontEnds = [['desktop', 'desktop window (Xvfb, xcb)'], ['page', 'page (headless Chromium, file://)']];
say(columns);
for (const [key, label] of frontEnds) say(row(label, speed[key]));
say(`  ${'page, first run after opening it'.padEnd(38)}${thousands(stepsPerSecond(best(firstInPage))).padStart(12)}`);
say(`  ${'in-memory core, native'.padEnd(38)}${thousands(native.stepsPerSecond).padStart(12)}`);
say(`  ${'in-memory core, Node (WebAssembly)'.padEnd(38)}${thousands(underNode.stepsPerSecond).padStart(12)}`);
const ratio = stepsPerSecond(best(speed.desktop.path)) / stepsPerSecond(best(speed.page.path));
say(`  desktop / page, path shown: ${ratio.toFixed(2)}${ratio < 1 ? '  (the desktop is the slower)' : ''}`);
say();
say(`Steps per second at "Vitesse maximale": the second sheet's circle for ${LONG_RUN.Text1} years ` +
    `(${thousands(best(long.page.path).steps)} steps, 1 h step), best of ${LONG_ROUNDS}: what the path and the graphs`);
say('  add here, against the shorter run above, is what drawing them costs as they grow');
say(columns);
for (const [key, label] of frontEnds) say(row(label, long[key]));
for (const key of ['desktop', 'page']) {
  const runs = Object.values(speed[key]).flat();
  if (runs.some((run) => run.steps !== stepsOf)) throw new Error(`${key}: runs of ${runs.map((run) => run.steps)} steps`);
}
say();
const paceSteps = reference.steps;
say(`A run of Text1 = ${PACE_YEARS} year (of 364,75 days) at a 1 h step: ${thousands(paceSteps)} steps, ${reference.texts.tempscourant} years simulated; path shown`);
say('  seconds from the click on "Lancer le calcul" to "Fin de calcul", and how far off the pace (against the years simulated);');
say('  in the page, each paced run follows a run at the maximal pace in the same tab');
say('  late: the turns of the event loop that came over 250 ms late (the machine busy elsewhere), how many and');
say('  how long in all; a paced run does not make such a gap up');
say(`  ${'pace'.padEnd(22)}${'desktop'.padStart(10)}${'off pace'.padStart(10)}${'late'.padStart(12)}` +
    `${'page'.padStart(10)}${'off pace'.padStart(10)}${'late'.padStart(12)}   final texts as at the maximal pace`);
const atMaximal = paced[0];
const sameTexts = (a, b) => FINAL_TEXTS.every((name) => a.texts[name] === b.texts[name]);
let allSame = true;
for (const { pace, desktop, page } of paced) {
  // Against the simulated time the run made: its last step may end a little past the length typed.
  const off = (run) => (pace.seconds === null ? '' : percent(100 * (run.seconds / (pace.seconds * simulatedYears(run)) - 1)));
  const same = [sameTexts(desktop, atMaximal.desktop), sameTexts(page, atMaximal.page)];
  allSame &&= same.every(Boolean);
  const late = (run) => `${run.lateTurns}, ${run.lateSeconds.toFixed(2)} s`;
  say(`  ${pace.name.padEnd(22)}${desktop.seconds.toFixed(3).padStart(10)}${off(desktop).padStart(10)}${late(desktop).padStart(12)}` +
      `${page.seconds.toFixed(3).padStart(10)}${off(page).padStart(10)}${late(page).padStart(12)}   ` +
      `desktop ${same[0] ? 'same' : 'DIFFERENT'}, page ${same[1] ? 'same' : 'DIFFERENT'}`);
}
const coreAgrees = [atMaximal.desktop, atMaximal.page].every((run) => sameTexts(run, reference));
allSame &&= coreAgrees;
say(`  final texts at the maximal pace: ${FINAL_TEXTS.map((name) => `${name} ${atMaximal.desktop.texts[name]}`).join(', ')}`);
say(`  desktop, page and in-memory run: ${coreAgrees ? 'the same texts' : 'DIFFERENT texts'}`);
for (const { pace, desktop, page } of paced)
  for (const run of [desktop, page])
    if (run.steps !== paceSteps) throw new Error(`${pace.item}: a run of ${run.steps} steps, not ${paceSteps}`);
console.log(lines.join('\n'));
if (!allSame) {
  console.error('The final texts differ: see the table.');
  process.exitCode = 1;
}
