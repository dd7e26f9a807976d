// Writes the page's script and page: the script with the WebAssembly module
// put in as base64, so that the page has one file to fetch before it can
// start, and the page asking for the script and the stylesheet at addresses
// that carry a hash of their content, so that a browser may keep them.
//   node make_script.mjs SCRIPT_TEMPLATE MODULE PAGE SITE
// PAGE is the page make_page made; SITE holds its stylesheet and gets the
// script and the page.
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [template, module, made, site] = process.argv.slice(2);
const script = readFileSync(template, 'utf8').replace('@MODULE@', readFileSync(module).toString('base64'));
writeFileSync(join(site, 'quintora.js'), script);
let page = readFileSync(made, 'utf8');
for (const [attribute, file, content] of [['src', 'quintora.js', script],
  ['href', 'quintora.css', readFileSync(join(site, 'quintora.css'))]]) {
  const address = `${attribute}="${file}"`;
  if (page.split(address).length !== 2) throw new Error(`${made}: not once: ${address}`);
  const version = createHash('sha256').update(content).digest('hex').slice(0, 12);
  page = page.replace(address, `${attribute}="${file}?v=${version}"`);
}
writeFileSync(join(site, 'index.html'), page);
