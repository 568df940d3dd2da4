// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Steps per second of the default run in headless Chromium, next to a bare page that does only
// what every step must do on screen (bare_page.html). With --check, fails when the program's
// step costs more than the bare page's, beyond the given margin (0.1 by default: a tenth): a
// ratio of two runs on the same machine, not a wall time. The figures of both front-ends, the
// core and the paces are scripts/benchmark.sh's.
//
//   node measure_speed.mjs PAGE.html BARE.html [--check [MARGIN]]
import { pathToFileURL } from 'node:url';
import { launch } from '../browsers.mjs';

const checkAt = process.argv.indexOf('--check');
const margin = checkAt < 0 ? null : Number(process.argv[checkAt + 1] ?? 0.1) || 0.1;
const [pagePath, barePath] = process.argv.slice(2, checkAt < 0 ? undefined : checkAt);
const STEPS = 72192;  // the default run, to the right edge

async function pageSpeed(browser, path, measure) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(pathToFileURL(path).href);
  const seconds = await measure(page);
  await page.close();
  return STEPS / seconds;
}

// Until the end report opens; looked for between steps, so that watching costs the run nothing.
const programRun = (page) => page.waitForSelector('html[data-ready]').then(() => page.evaluate(() => new Promise((resolve) => {
  const start = performance.now();
  const watch = setInterval(() => {
    if (!document.querySelector('dialog[open]')) return;
    clearInterval(watch);
    resolve((performance.now() - start) / 1000);
  }, 20);
  document.getElementById('Command2').click();
})));
const bareRun = (page) => page.evaluate((steps) => run(steps), STEPS);

const session = await launch('chromium');
const program = [];
const bare = [];
try {
  for (let round = 0; round < 2; ++round) {
    program.push(await pageSpeed(session.browser, pagePath, programRun));
    bare.push(await pageSpeed(session.browser, barePath, bareRun));
  }
} finally {
  await session.close();
}
const best = (speeds) => Math.max(...speeds);
const figures = {
  chromiumProgram: best(program),
  chromiumBarePage: best(bare),
};
for (const [name, speed] of Object.entries(figures))
  console.log(`${name.padEnd(18)} ${Math.round(speed).toLocaleString('en-US').padStart(10)} steps/s`);
if (margin !== null) {
  const ratio = figures.chromiumProgram / figures.chromiumBarePage;
  console.log(`program / bare page: ${ratio.toFixed(3)} (at least ${(1 - margin).toFixed(2)} wanted)`);
  if (ratio < 1 - margin) process.exit(1);
}
