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

function options(name, profile, locale) {
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
    return { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', userDataDir: profile, extraPrefsFirefox: language };
  }
  throw new Error(`no such browser: ${name}`);
}

// Starts the named browser, in the given language if any; close() ends it and removes its profile.
export async function launch(name, { locale } = {}) {
  const profile = mkdtempSync(join(tmpdir(), `virenast-${name}-`));
  try {
    const browser = await puppeteer.launch({ ...options(name, profile, locale), headless: true, timeout: 120000 });
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
