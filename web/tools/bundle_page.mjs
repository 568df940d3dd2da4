// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's ES modules as one script, for a page that must open from disk with no request:
// an inline module cannot import another by URL. Starting from the entry, the imports are
// followed, each file comes after the files it imports, and each becomes a scope of its own
// that takes its imports from those before it and gives back its exports. Only the forms the
// page's scripts use are known; any other is an error, never a silent miss:
//   import { a, b as c } from './file.js';           (on one line)
//   export function f / export async function f / export class C / export const K / export let v
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const IMPORT = /^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w.-]+\.js)';[ \t]*$/;
const EXPORT = /^export\s+((?:async\s+)?function\*?|class|const|let)\s+([\w$]+)/;

// A module's imports ({ file, bindings: [[exported, local]] }), exports and body without them.
export function parseModule(file, text) {
  const imports = [];
  const exports = [];
  const body = text.split('\n').map((line, index) => {
    const where = `${file}:${index + 1}`;
    if (/^import\b/.test(line)) {
      const match = IMPORT.exec(line);
      if (!match) throw new Error(`${where}: an import of a form the page's bundler does not know: ${line}`);
      const bindings = match[1].split(',').map((name) => name.trim()).filter(Boolean).map((name) => {
        const [exported, local = exported] = name.split(/\s+as\s+/);
        return [exported, local];
      });
      imports.push({ file: match[2], bindings });
      return '';
    }
    if (/^export\b/.test(line)) {
      const match = EXPORT.exec(line);
      if (!match) throw new Error(`${where}: an export of a form the page's bundler does not know: ${line}`);
      exports.push(match[2]);
      return line.replace(/^export\s+/, '');
    }
    return line;
  });
  return { file, imports, exports, body: body.join('\n') };
}

const scopeName = (file) => `module_${file.replace(/\W/g, '_')}`;

// The files in the order in which they run: each after every file it imports.
export function orderModules(entry, read) {
  const ordered = [];
  const state = new Map();  // file → 'open' while its imports are followed, then 'done'
  const visit = (file, from) => {
    if (state.get(file) === 'done') return;
    if (state.get(file) === 'open') throw new Error(`${from} and ${file} import each other`);
    state.set(file, 'open');
    const module = parseModule(file, read(file));
    for (const imported of module.imports) visit(imported.file, file);
    state.set(file, 'done');
    ordered.push(module);
  };
  visit(entry, entry);
  return ordered;
}

// One script of every module that the entry needs, the entry's own code last.
export function bundleModules(entry, read) {
  const modules = orderModules(entry, read);
  const exportsOf = new Map(modules.map((module) => [module.file, module.exports]));
  return modules.map((module) => {
    const imports = module.imports.map(({ file, bindings }) => {
      for (const [name] of bindings)
        if (!exportsOf.get(file).includes(name)) throw new Error(`${module.file} imports ${name}, which ${file} does not export`);
      const names = bindings.map(([exported, local]) => (exported === local ? local : `${exported}: ${local}`));
      return `const { ${names.join(', ')} } = ${scopeName(file)};\n`;
    }).join('');
    return `// ${module.file}\nconst ${scopeName(module.file)} = (() => {\n${imports}${module.body}\n`
      + `return { ${module.exports.join(', ')} };\n})();\n`;
  }).join('\n');
}

export function bundlePage(pageDir, entry) {
  return bundleModules(entry, (file) => readFileSync(join(pageDir, file), 'utf8'));
}
