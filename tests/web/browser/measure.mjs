// The browser figures of docs/BENCHMARKS.md, in the system's headless
// chromium: page load to the title's first frame, a whole-canvas present,
// and the CPU the tab uses while the game waits on the map.
// usage: node measure.mjs PAGE_URL STAGE.keys (a stage that ends on the map)
import fs from 'node:fs';
import puppeteer from 'puppeteer-core';

const [url, stage] = process.argv.slice(2);
const names = {up: 'ArrowUp', down: 'ArrowDown', left: 'ArrowLeft', right: 'ArrowRight', enter: 'Enter',
               esc: 'Escape', space: 'Space', bs: 'Backspace'};
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox']});
const median = list => list.sort((a, b) => a - b)[list.length >> 1];
try {
  const loads = [];
  for (let i = 0; i < 5; ++i) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForFunction('window.Module && Module.firstFrameMs', {polling: 10});
    loads.push(await page.evaluate('Module.firstFrameMs'));
    await page.close();
  }
  console.log(`page load to the title's first frame: median ${median(loads).toFixed(0)} ms of ${loads.map(Math.round)}`);

  const page = await browser.newPage();
  await page.goto(`${url}?seed=1&paced`);
  await page.waitForFunction('window.Module && Module.calledRun', {polling: 10});
  const script = fs.readFileSync(stage, 'utf8').split('\n').filter(l => !l.startsWith('#')).join('');
  for (const [, token, char] of script.matchAll(/\{([^}]*)\}|(.)/g)) {
    const [name, times] = (token || '').split('*');
    for (let i = 0; i < (times || 1); ++i) await page.keyboard.press(char ?? names[name]);
  }
  await page.waitForFunction('Module.waitingForKey', {polling: 10, timeout: 60000});
  // A whole frame as the game presents it: 480 rows of the game's RGBA
  // pixels put on the canvas, and read back so the copy is done.
  const present = await page.evaluate(() => {
    const context = document.getElementById('canvas').getContext('2d');
    const frame = context.getImageData(0, 0, 640, 480);
    const times = [];
    for (let i = 0; i < 200; ++i) {
      const start = performance.now();
      context.putImageData(new ImageData(frame.data, 640, 480), 0, 0);
      context.getImageData(0, 0, 1, 1);
      times.push(performance.now() - start);
    }
    return times.sort((a, b) => a - b)[100];
  });
  console.log(`a whole-canvas present: median ${present.toFixed(3)} ms`);

  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const metrics = async () => Object.fromEntries((await session.send('Performance.getMetrics')).metrics.map(m => [m.name, m.value]));
  const before = await metrics();
  await new Promise(resolve => setTimeout(resolve, 10000));
  const after = await metrics();
  const busy = name => ((after[name] - before[name]) * 1000).toFixed(1);
  console.log(`waiting on the map for 10 s: script ${busy('ScriptDuration')} ms, tasks ${busy('TaskDuration')} ms, ` +
              `still waiting: ${await page.evaluate('Module.waitingForKey')}`);
} finally {
  await browser.close();
}
