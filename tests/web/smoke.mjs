// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks that puppeteer-core drives each browser: a file:// page whose script writes into it
// is opened, read back, and its alert box answered. `npm ci && npm run smoke [browser...]`.
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { browserNames, launch } from './browsers.mjs';

const folder = mkdtempSync(join(tmpdir(), 'virenast-smoke-'));
const pagePath = join(folder, 'smoke.html');
writeFileSync(pagePath, `<!doctype html><html lang="fr"><meta charset="utf-8"><title>Virenast</title>
<p id="out"></p><script>
// A WebAssembly module of one function, add(a, b), compiled and run by the page.
const add = new WebAssembly.Instance(new WebAssembly.Module(new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, 0x01, 0x07, 0x01, 0x60, 0x02, 0x7f, 0x7f, 0x01, 0x7f,
  0x03, 0x02, 0x01, 0x00, 0x07, 0x07, 0x01, 0x03, 0x61, 0x64, 0x64, 0x00, 0x00,
  0x0a, 0x09, 0x01, 0x07, 0x00, 0x20, 0x00, 0x20, 0x01, 0x6a, 0x0b]))).exports.add;
document.getElementById('out').textContent = String(add(2, 3));
</script>`);

let failed = false;
for (const name of process.argv.length > 2 ? process.argv.slice(2) : browserNames) {
  let session;
  try {
    session = await launch(name);
    const page = await session.browser.newPage();
    await page.goto(pathToFileURL(pagePath).href);
    const text = await page.$eval('#out', (element) => element.textContent);
    const answered = new Promise((resolve) => page.once('dialog', async (box) => {
      await box.accept();
      resolve(box.message());
    }));
    await page.evaluate(() => setTimeout(() => alert('Fin de calcul'), 0));
    const message = await answered;
    if (text !== '5' || message !== 'Fin de calcul') throw new Error(`read "${text}" and "${message}"`);
    console.log(`${name}: ${await session.browser.version()} opens a file:// page and runs WebAssembly`);
  } catch (error) {
    failed = true;
    console.error(`${name}: ${error.message}`);
  } finally {
    await session?.close();
  }
}
rmSync(folder, { recursive: true, force: true });
process.exitCode = failed ? 1 : 0;
