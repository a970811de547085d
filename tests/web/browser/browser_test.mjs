// The browser build in the system's chromium, driven like a player: it types
// the keys of the playthrough's first stages on the page, compares the canvas
// pixel for pixel with the native harness's picture after the same keys,
// saves the game, reloads the page, continues the saved game from the title
// and compares again. Then a browser that refuses storage, and the page
// opened as a file.
// usage: node browser_test.mjs PAGE_URL PAGE_FOLDER NATIVE_HEADLESS DATA_DIR STAGE.keys...
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

const [url, page_folder, headless, data, ...stages] = process.argv.slice(2);
const names = {up: 'ArrowUp', down: 'ArrowDown', left: 'ArrowLeft', right: 'ArrowRight', enter: 'Enter',
               esc: 'Escape', space: 'Space', bs: 'Backspace'};
// Camp menu, game options, save, slot 1; then the key the message asks for.
const saveAsked = '{space}{down*8}{enter}{down*5}{enter}{down}{enter}', saveKeys = saveAsked + '{enter}';

// The harness's key syntax as the keys a player presses.
function keysOf(script) {
  const keys = [];
  for (const [, token, char] of script.matchAll(/\{([^}]*)\}|(.)/g)) {
    if (char !== undefined) { keys.push(char); continue; }
    const [name, times] = token.split('*');
    if (!names[name]) throw new Error(`no key {${token}} here`);
    for (let i = 0; i < (times || 1); ++i) keys.push(names[name]);
  }
  return keys;
}

const stageKeys = file => fs.readFileSync(file, 'utf8').split('\n').filter(l => !l.startsWith('#')).join('').replace(/\r/g, '');

// The native harness's picture after keys, played in folder.
function nativePicture(folder, keys) {
  execFileSync(headless, ['--seed', '1', '--keys', keys, '--shot', 'shot.png'], {cwd: folder});
  const file = fs.readFileSync(path.join(folder, 'shot.png'));
  let idat = [], width = 0, height = 0;
  for (let at = 8; at < file.length;) {
    const length = file.readUInt32BE(at), type = file.toString('latin1', at + 4, at + 8);
    if (type == 'IHDR') { width = file.readUInt32BE(at + 8); height = file.readUInt32BE(at + 12); }
    if (type == 'IDAT') idat.push(file.subarray(at + 8, at + 8 + length));
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(idat));  // rows of filter 0, as the harness writes them
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) raw.copy(rgb, y * width * 3, y * (width * 3 + 1) + 1, (y + 1) * (width * 3 + 1));
  return rgb;
}

// Waits until condition holds in the page; a fault of the page, or a
// message it shows (a missing saved game, the end of the game), ends the
// wait at once.
let pageError = null;
async function until(page, condition) {
  for (const start = Date.now(); !(await page.evaluate(condition));) {
    if (pageError) throw new Error(`the page failed: ${pageError}`);
    const message = await page.$eval('#message', box => box.hidden ? '' : box.textContent);
    if (message) throw new Error(`the page says: ${message}`);
    if (Date.now() - start > 60000) throw new Error(`still not ${condition} after a minute`);
    await new Promise(resolve => setTimeout(resolve, 20));
  }
}

async function canvasPicture(page) {
  await until(page, 'window.Module && Module.waitingForKey');
  const rgba = Buffer.from(await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    return Array.from(canvas.getContext('2d').getImageData(0, 0, 640, 480).data);
  }));
  const rgb = Buffer.alloc(640 * 480 * 3);
  for (let i = 0; i < 640 * 480; ++i) rgba.copy(rgb, i * 3, i * 4, i * 4 + 3);
  return rgb;
}

// Keys typed before the game listens would be lost.
async function type(page, script) {
  await until(page, 'window.Module && Module.calledRun');
  for (const key of keysOf(script)) await page.keyboard.press(key);
}

let failures = 0, passes = 0;
function same(what, browser, native) {
  let differing = 0;
  for (let i = 0; i < native.length; i += 3)
    if (browser[i] != native[i] || browser[i + 1] != native[i + 1] || browser[i + 2] != native[i + 2]) ++differing;
  if (differing == 0) { ++passes; console.log(`ok   ${what}`); }
  else { ++failures; console.log(`FAIL ${what}: ${differing} pixels differ from the native harness's`); }
}

const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vela-browser-'));
for (const file of fs.readdirSync(data)) fs.copyFileSync(path.join(data, file), path.join(folder, file));
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                                        args: ['--no-sandbox']});
try {
  const page = await browser.newPage();
  page.on('pageerror', error => { pageError = error.message; });
  await page.goto(`${url}?seed=1&paced`);
  let keys = '';
  for (const stage of stages) {
    await type(page, stageKeys(stage));
    keys += stageKeys(stage);
    same(`after ${path.basename(stage)}`, await canvasPicture(page), nativePicture(folder, keys));
  }
  await type(page, saveKeys);
  same('after saving in slot 1', await canvasPicture(page), nativePicture(folder, keys + saveKeys));
  // The native game's folder now holds the same save; the page's lives in
  // the browser's storage, which the reload must not lose.
  await page.reload();
  await type(page, '2');
  same('after a reload, the saved game continued', await canvasPicture(page), nativePicture(folder, '2'));

  // A browser that refuses its storage: the game plays, and the save says
  // it failed where a save that worked says so.
  const refused = await browser.createBrowserContext();
  const private_ = await refused.newPage();
  private_.on('pageerror', error => { pageError = error.message; });
  await private_.evaluateOnNewDocument(() => {
    indexedDB.open = () => { throw new DOMException('storage refused', 'SecurityError'); };
  });
  await private_.goto(`${url}?seed=1&paced`);
  await type(private_, stageKeys(stages[0]) + saveAsked);
  const failed = await canvasPicture(private_);
  let differing = 0;
  const saved = nativePicture(folder, stageKeys(stages[0]) + saveAsked);
  for (let i = 0; i < saved.length; ++i) if (failed[i] != saved[i]) ++differing;
  if (differing) { ++passes; console.log('ok   storage refused: the save says it failed and the game waits'); }
  else { ++failures; console.log('FAIL storage refused: the save looks as if it worked'); }

  // Opened as a file, the page says it must be served.
  const file = await browser.newPage();
  await file.goto(`file://${path.resolve(page_folder)}/index.html`);
  const message = await file.$eval('#message', box => box.textContent);
  if (message.includes('make web-play')) { ++passes; console.log('ok   opened as a file, the page says how to serve it'); }
  else { ++failures; console.log(`FAIL opened as a file, the page says: ${message}`); }
} finally {
  await browser.close();
  fs.rmSync(folder, {recursive: true, force: true});
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
