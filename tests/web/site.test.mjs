// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a site to host (VIRENAST_SITE, the site/ folder): every file the page names is
// there, and its web app manifest names the program and icons that exist at the sizes it says,
// as a browser needs to offer the page as an app. And the one-file page (VIRENAST_PAGE) stays
// small enough to mail to a class.
import assert from 'node:assert/strict';
import { existsSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

const site = process.env.VIRENAST_SITE;

// A PNG's width and height, from its header.
function pngSize(file) {
  const bytes = readFileSync(file);
  assert.deepEqual([...bytes.subarray(0, 8)], [137, 80, 78, 71, 13, 10, 26, 10], `${file} is a PNG`);
  assert.equal(bytes.toString('latin1', 12, 16), 'IHDR');
  return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

test('the page names only files that the site holds', () => {
  const page = readFileSync(join(site, 'index.html'), 'utf8');
  const named = [...page.matchAll(/(?:src|href)="([^"]+)"/g)].map((match) => match[1]);
  assert.ok(named.length >= 5, named.join(' '));
  for (const file of named) {
    assert.ok(!/^[a-z]+:/.test(file), `${file} is a file of the site`);
    assert.ok(existsSync(join(site, file)), file);
  }
});

test('the manifest makes the page an app with the rocket at every size it names', () => {
  const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'Virenast');
  assert.equal(manifest.display, 'standalone');
  assert.ok(existsSync(join(site, manifest.start_url)), manifest.start_url);
  const sizes = manifest.icons.map((icon) => {
    assert.equal(icon.type, 'image/png');
    assert.equal(pngSize(join(site, icon.src)), icon.sizes, icon.src);
    return Number(icon.sizes.split('x')[0]);
  });
  assert.ok(sizes.includes(192) && sizes.includes(512), `icons of ${sizes.join(', ')} pixels`);
});

test('the one-file page takes at most 300 000 bytes', () => {
  const { size } = statSync(process.env.VIRENAST_PAGE);
  assert.ok(size <= 300000, `${size} bytes`);
});
