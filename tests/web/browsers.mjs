// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's browsers, headless, driven by puppeteer-core: Chromium over the DevTools protocol and
// Firefox ESR over WebDriver BiDi, each on a fresh profile that closing removes. Firefox has no
// DevTools protocol, so page.metrics(), page.coverage, page.accessibility and CDP sessions throw
// UnsupportedOperation there: tests meant for both browsers keep to the rest.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const browserNames = ['chromium', 'firefox'];

function options(name, profile, locale, downloads) {
  if (name === 'chromium') {
    return {
      browser: 'chrome',
      executablePath: '/usr/bin/chromium',
      args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
             '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
    };
  }
  if (name === 'firefox') {
    // The page's language; Chromium's is set on the page itself, over its DevTools protocol.
    const language = locale ? { 'intl.accept_languages': locale, 'intl.locale.requested': locale } : {};
    // Downloads saved into that folder without a question; Chromium's are set after launch.
    const saving = downloads ? {
      'browser.download.dir': downloads, 'browser.download.folderList': 2, 'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false, 'browser.download.start_downloads_in_tmp_dir': false,
      'browser.helperApps.neverAsk.saveToDisk': 'text/csv,application/octet-stream',
    } : {};
    return { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', userDataDir: profile,
             extraPrefsFirefox: { ...language, ...saving } };
  }
  throw new Error(`no such browser: ${name}`);
}

// Starts the named browser, in the given language if any, saving downloads into the folder
// `downloads` if given; close() ends it and removes its profile.
export async function launch(name, { locale, downloads } = {}) {
  const profile = mkdtempSync(join(tmpdir(), `virenast-${name}-`));
  try {
    const browser = await puppeteer.launch({ ...options(name, profile, locale, downloads), headless: true, timeout: 120000 });
    if (downloads && name === 'chromium') {
      const cdp = await browser.target().createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    }
    return {
      browser,
      async close() {
        await browser.close();
        rmSync(profile, { recursive: true, force: true });
      },
    };
  } catch (error) {
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
}
