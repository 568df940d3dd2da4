// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Puts the page together from the program (the module's script and its WebAssembly beside it),
// the page's style and scripts and the rocket icon, in two forms:
//   OUT/virenast.html   one file with everything inside, that opens from disk, offline: the
//                       WebAssembly in it compressed (DEFLATE, then base64), which the page
//                       unpacks as it starts (start.js);
//   OUT/site/           the same page as files for a web server, with a web app manifest and
//                       the icons, so that it can be installed as an app; the page's modules
//                       are there as the same one script as in virenast.html, the WebAssembly
//                       as a file of its own.
//
// The page's ES modules are bundled from start.js into one module script, and every script and
// the style sheet are minified, by esbuild (pinned in package-lock.json); the page's licence
// stays in the comments at the top of its HTML.
//
//   node assemble.mjs MODULE.js PAGE_DIR ICON.xpm OUT
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { deflateRawSync } from 'node:zlib';
import { build, transform } from 'esbuild';
import { pngOf, readXpm } from './rocket_png.mjs';

const [moduleFile, pageDir, iconFile, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, 'utf8');

// Modern browsers only: the page already needs WebAssembly, <dialog> and ES modules.
const target = ['chrome100', 'firefox100', 'safari15'];
const template = read(join(pageDir, 'virenast.html'));
const style = (await transform(read(join(pageDir, 'virenast.css')), { loader: 'css', minify: true, target })).code;
// The program's own script is a classic one that defines VirenastModule, run before the page's.
const program = (await transform(read(moduleFile), { minify: true, target })).code;
const page = (await build({
  entryPoints: [join(pageDir, 'start.js')], bundle: true, format: 'esm', minify: true, target, write: false,
  legalComments: 'none', banner: { js: '/*! fflate (inflate): MIT licence, Copyright (c) 2023 Arjun Barrett */' },
})).outputFiles[0].text;
const wasmFile = moduleFile.replace(/\.js$/, '.wasm');
const packedProgram = deflateRawSync(readFileSync(wasmFile), { level: 9 }).toString('base64');
const rocket = readXpm(read(iconFile));
const png = (size) => pngOf(rocket, size);
const iconUrl = `data:image/png;base64,${png(32).toString('base64')}`;

// An inline script must not close its own element early.
const inline = (script) => script.replaceAll('</script', '<\\/script');
const fill = (fields) => template.replace(/\{\{(\w+)\}\}/g, (_, name) => fields[name]);

writeFileSync(join(out, 'virenast.html'), fill({
  ICON: iconUrl,
  HEAD: `<link rel="icon" href="${iconUrl}">\n<style>\n${style}</style>`,
  SCRIPTS: `<script id="virenast-program" type="application/octet-stream">${packedProgram}</script>\n`
    + `<script>\n${inline(program)}</script>\n<script type="module">\n${inline(page)}</script>`,
}));

const site = join(out, 'site');
mkdirSync(site, { recursive: true });
const sizes = [32, 192, 512];
for (const size of sizes) writeFileSync(join(site, `rocket-${size}.png`), png(size));
writeFileSync(join(site, 'virenast.css'), style);
writeFileSync(join(site, 'virenast-module.js'), program);
copyFileSync(wasmFile, join(site, 'virenast-module.wasm'));
writeFileSync(join(site, 'virenast-page.js'), page);
writeFileSync(join(site, 'manifest.webmanifest'), `${JSON.stringify({
  name: 'Virenast',
  short_name: 'Virenast',
  lang: 'fr',
  start_url: './index.html',
  scope: './',
  display: 'standalone',
  background_color: '#5a6b7b',
  theme_color: '#1e3f6f',
  icons: sizes.map((size) => ({ src: `rocket-${size}.png`, sizes: `${size}x${size}`, type: 'image/png' })),
}, null, 2)}\n`);
writeFileSync(join(site, 'index.html'), fill({
  ICON: 'rocket-32.png',
  HEAD: '<link rel="icon" href="rocket-32.png">\n<link rel="manifest" href="manifest.webmanifest">\n'
    + '<link rel="stylesheet" href="virenast.css">',
  SCRIPTS: '<script src="virenast-module.js"></script>\n<script type="module" src="virenast-page.js"></script>',
}));
