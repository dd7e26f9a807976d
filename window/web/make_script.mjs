// Writes the site's page: the page make_page made, with its stylesheet, its
// script and the WebAssembly module put inside it, so that a first visit
// fetches one file before it can start. The module goes as base64 in a data
// block of its own in the head, which the script reads and the JavaScript
// engine never parses; the script comes last in the body, read in the same
// stretch as the boxes it wires, so that it starts the module before the
// browser first styles and draws the page. The page's
// Content-Security-Policy allows the stylesheet and the script by their
// hashes.
//   node make_script.mjs SCRIPT_TEMPLATE MODULE PAGE STYLESHEET OUT
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [template, module, made, stylesheet, out] = process.argv.slice(2);
// Comments and indentation are for the reader of the sources, not for the
// browser, which has them to read on every visit.
const script = readFileSync(template, 'utf8').split('\n').map(line => line.trim())
  .filter(line => line && !line.startsWith('//')).join('\n');
const block = '<script type="application/wasm;base64" id="module">';
const bytes = `${block}${readFileSync(module).toString('base64')}</script>`;
const style = readFileSync(stylesheet, 'utf8').replace(/\/\*[\s\S]*?\*\//g, '').replace(/\s+/g, ' ').trim();
const hash = text => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
let page = readFileSync(made, 'utf8');
for (const [tag, inline] of [[`${block}</script>`, bytes],
  ['<script src="quintora.js"></script>', `<script>${script}</script>`],
  ['<link rel="stylesheet" href="quintora.css">', `<style>${style}</style>`]]) {
  if (page.split(tag).length !== 2) throw new Error(`${made}: not once: ${tag}`);
  page = page.replace(tag, () => inline);
}
for (const [directive, text] of [['script-src', script], ['style-src', style]]) {
  if (page.split(`${directive} 'self'`).length !== 2) throw new Error(`${made}: not once: ${directive}`);
  page = page.replace(`${directive} 'self'`, `${directive} 'self' ${hash(text)}`);
}
writeFileSync(out, page);
