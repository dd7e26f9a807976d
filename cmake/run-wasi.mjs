// Runs a WebAssembly program built for WASI under Node, with the arguments
// and environment it is given and the files of this machine (a test reads
// the sources), and exits with its status:
//   node run-wasi.mjs PROGRAM.wasm [ARGUMENTS...]
import { readFile } from 'node:fs/promises';
import { argv, env, exit } from 'node:process';
import { WASI } from 'node:wasi';

const wasi = new WASI({ version: 'preview1', args: argv.slice(2), env, preopens: { '/': '/' },
                       returnOnExit: true });
const program = await WebAssembly.compile(await readFile(argv[2]));
const instance = await WebAssembly.instantiate(program, { wasi_snapshot_preview1: wasi.wasiImport });
exit(wasi.start(instance));
