// Opens the page in Debian's headless Chromium with software WebGL 2
// (SwiftShader) at 1024 × 768, from a loopback server of its own or from
// file://, waits until it is done, has failed, or has run a while, and writes
// what it saw into OUT/NAME.* for the session to check: the screenshot
// (.png), the console (.console), the page's markup without its scripts'
// text (.html), its state (.state) and its sentence (.sentence); with
// --gesture, the audio it scheduled before and after a click (.audio); with
// --readout-samples N, its frame-rate readout once a second N times (.readout).
//
//   node page_driver.js --page FILE --origin http|file --query Q --name NAME --out DIR
//                       [--no-webgl2] [--gesture] [--run-ms MS] [--timeout-ms MS] [--readout-samples N]
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const { chromium } = require('playwright-core');

const kChromiumFlags = [
  '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--ignore-gpu-blocklist',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
  '--disable-quic',
];

function options(argv) {
  const o = { origin: 'file', query: '', runMs: 0, timeoutMs: 300000, noWebgl2: false, gesture: false, samples: 0 };
  for (let i = 0; i < argv.length; ++i) {
    const flag = argv[i];
    if (flag === '--no-webgl2') o.noWebgl2 = true;
    else if (flag === '--gesture') o.gesture = true;
    else if (flag === '--page') o.page = path.resolve(argv[++i]);
    else if (flag === '--origin') o.origin = argv[++i];
    else if (flag === '--query') o.query = argv[++i];
    else if (flag === '--name') o.name = argv[++i];
    else if (flag === '--out') o.out = argv[++i];
    else if (flag === '--run-ms') o.runMs = Number(argv[++i]);
    else if (flag === '--timeout-ms') o.timeoutMs = Number(argv[++i]);
    else if (flag === '--readout-samples') o.samples = Number(argv[++i]);
    else throw new Error(`unknown argument ${flag}`);
  }
  if (!o.page || !o.name || !o.out) throw new Error('--page, --name and --out are needed');
  return o;
}

// Serves the one page, as any static server would, on a free loopback port.
function serve(page) {
  const body = fs.readFileSync(page);
  const server = http.createServer((request, response) => {
    if (new URL(request.url, 'http://localhost').pathname !== '/sorvane.html') {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
    response.end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Before the page's own script: WebGL 2 taken away, or the audio the page
// schedules counted (contexts made, buffers started, their loudest sample).
function instrument(o) {
  if (o.noWebgl2) {
    return () => {
      const getContext = HTMLCanvasElement.prototype.getContext;
      HTMLCanvasElement.prototype.getContext = function (type, ...rest) {
        return type === 'webgl2' ? null : getContext.call(this, type, ...rest);
      };
    };
  }
  return () => {
    const seen = { contexts: 0, buffers: 0, peak: 0 };
    window.sorvaneTestAudio = seen;
    const Real = window.AudioContext;
    window.AudioContext = class extends Real {
      constructor(...args) {
        super(...args);
        seen.contexts += 1;
      }
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      seen.buffers += 1;
      for (let c = 0; c < this.buffer.numberOfChannels; ++c) {
        for (const v of this.buffer.getChannelData(c)) seen.peak = Math.max(seen.peak, Math.abs(v));
      }
      return start.apply(this, args);
    };
  };
}

async function main() {
  const o = options(process.argv.slice(2));
  fs.mkdirSync(o.out, { recursive: true });
  const out = (suffix, text) => fs.writeFileSync(path.join(o.out, `${o.name}.${suffix}`), text);
  const server = o.origin === 'http' ? await serve(o.page) : null;
  const base = server ? `http://127.0.0.1:${server.address().port}/sorvane.html` : `file://${o.page}`;
  const url = o.query ? `${base}?${o.query}` : base;
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: kChromiumFlags });
  try {
    const page = await browser.newPage({ viewport: { width: 1024, height: 768 }, deviceScaleFactor: 1 });
    const lines = [];
    page.on('console', (m) => lines.push(`${m.type()}: ${m.text()}`));
    page.on('pageerror', (e) => lines.push(`pageerror: ${e.message}`));
    await page.addInitScript(instrument(o));
    await page.goto(url);
    const state = () => page.evaluate(() => document.documentElement.dataset.sorvane);
    if (o.runMs > 0) {
      await page.waitForFunction(() => document.documentElement.dataset.sorvane !== 'starting', null,
        { timeout: o.timeoutMs });
      await page.waitForTimeout(o.runMs);
    } else {
      await page.waitForFunction(() => ['done', 'failed'].includes(document.documentElement.dataset.sorvane), null,
        { timeout: o.timeoutMs, polling: 250 });
    }
    if (o.samples > 0) {
      const samples = [];
      for (let i = 0; i < o.samples; ++i) {
        await page.waitForTimeout(1000);
        samples.push(await page.evaluate(() => document.getElementById('readout').textContent));
      }
      out('readout', `${samples.join('\n')}\n`);
    }
    if (o.gesture) {
      const before = await page.evaluate(() => ({ ...window.sorvaneTestAudio }));
      await page.mouse.click(512, 384);
      await page.waitForTimeout(1500);
      const after = await page.evaluate(() => ({ ...window.sorvaneTestAudio }));
      out('audio', `before ${before.contexts} ${before.buffers} ${before.peak}\n` +
        `after ${after.contexts} ${after.buffers} ${after.peak}\n`);
    }
    await page.screenshot({ path: path.join(o.out, `${o.name}.png`) });
    out('state', `${await state()}\n`);
    out('sentence', `${await page.evaluate(() => document.getElementById('sentence').textContent)}\n`);
    // The page as it stands, without the text of its own scripts.
    out('html', await page.evaluate(() => {
      const copy = document.documentElement.cloneNode(true);
      for (const script of copy.querySelectorAll('script')) script.textContent = '';
      return copy.outerHTML;
    }));
    out('console', `${lines.join('\n')}\n`);
  } finally {
    await browser.close();
    if (server) server.close();
  }
}

main().catch((e) => {
  console.error(`page_driver: ${e.message}`);
  process.exit(1);
});
