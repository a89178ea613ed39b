// Shared frame of the browser tests. Each scenario is one *.test.mjs file that
// calls scenario(name, async (t) => { ... }); the frame gives it a fresh work
// folder, a loopback web server, Chromium pages whose console errors, page
// errors and failed requests are collected (any of them fails the scenario),
// screenshots saved as test artifacts, and numbered steps in the output.
//
// The ctest entries set VELVARA_SOURCE_DIR, VELVARA_BINARY_DIR and
// VELVARA_BROWSER_DEPS (where install.mjs put playwright-core).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { startServer } from './server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));

export const env = {
  sourceDir: process.env.VELVARA_SOURCE_DIR || path.resolve(here, '../../..'),
  binaryDir: process.env.VELVARA_BINARY_DIR || path.resolve(here, '../../../build'),
  get depsDir() {
    return process.env.VELVARA_BROWSER_DEPS || path.join(this.binaryDir, 'browser-deps');
  },
  get artifactsDir() {
    return path.join(this.binaryDir, 'test-artifacts', 'browser');
  },
};

// Debian's Chromium, started only with local work in mind: no network
// services, no updates, no sync, a fresh profile per launch.
export const chromiumPath = '/usr/bin/chromium';
const chromiumArgs = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Generous limit for anything the page must reach; a test waits for states,
// never for a fixed time, so a slow machine only makes it take longer.
export const patience = 60_000;

function isLocal(url) {
  if (url.protocol === 'file:' || url.protocol === 'data:' || url.protocol === 'about:') return true;
  return ['127.0.0.1', 'localhost', '[::1]'].includes(url.hostname);
}

function loadPlaywright() {
  const require = createRequire(path.join(env.depsDir, 'package.json'));
  return require('playwright-core');
}

class Context {
  constructor(name) {
    this.name = name;
    this.workDir = path.join(env.binaryDir, 'browser-work', name);
    this.artifactDir = path.join(env.artifactsDir, name);
    fs.rmSync(this.workDir, { recursive: true, force: true });
    fs.rmSync(this.artifactDir, { recursive: true, force: true });
    fs.mkdirSync(this.workDir, { recursive: true });
    fs.mkdirSync(this.artifactDir, { recursive: true });
    this.problems = [];
    this.closers = [];
    this.launches = 0;
    this.stepCount = 0;
  }

  // Serves folder on 127.0.0.1 at a free port; resolves to the base URL
  // ("http://127.0.0.1:PORT/").
  async serve(folder) {
    const server = await startServer(folder);
    this.closers.push(() => server.close());
    return server.url;
  }

  // A new browser with a fresh profile. options are Playwright's context
  // options (viewport, isMobile, hasTouch, ...).
  async launch(options = {}) {
    const { chromium } = loadPlaywright();
    const profile = path.join(this.workDir, `profile-${++this.launches}`);
    const context = await chromium.launchPersistentContext(profile, {
      executablePath: chromiumPath,
      headless: true,
      args: chromiumArgs,
      ...options,
    });
    context.setDefaultTimeout(patience);
    this.closers.push(() => context.close());
    // Tests stay on this machine: any request beyond loopback and file URLs
    // is refused and counted as a problem.
    await context.route(
      (url) => !isLocal(url),
      (route) => {
        this.problems.push(`request beyond loopback refused: ${route.request().url()}`);
        return route.abort();
      },
    );
    context.on('page', (page) => this.watch(page));
    for (const page of context.pages()) this.watch(page);
    return context;
  }

  watch(page) {
    const where = () => page.url();
    page.on('console', (message) => {
      if (message.type() === 'error') this.problems.push(`console error on ${where()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => this.problems.push(`script error on ${where()}: ${error.message}`));
    page.on('requestfailed', (request) => {
      this.problems.push(`request failed on ${where()}: ${request.url()} (${request.failure()?.errorText})`);
    });
    page.on('response', (response) => {
      if (response.status() >= 400) this.problems.push(`HTTP ${response.status()} on ${where()}: ${response.url()}`);
    });
  }

  async screenshot(page, name) {
    const file = path.join(this.artifactDir, `${name}.png`);
    await page.screenshot({ path: file });
    console.log(`# screenshot: ${file}`);
    return file;
  }

  async step(title, body) {
    const number = ++this.stepCount;
    await body();
    console.log(`ok ${number} - ${title}`);
  }

  // Fails now when any page has reported a problem so far.
  assertNoProblems() {
    assert.deepEqual(this.problems, [], 'pages reported problems');
  }

  async close() {
    for (const close of this.closers.reverse()) {
      try {
        await close();
      } catch (error) {
        console.error(`# cleanup: ${error.message}`);
      }
    }
  }
}

export function scenario(name, body) {
  const t = new Context(name);
  (async () => {
    try {
      await body(t);
      t.assertNoProblems();
      console.log(`# ${name}: passed`);
    } catch (error) {
      process.exitCode = 1;
      console.error(`not ok - ${name}`);
      console.error(error.stack || error);
      if (t.problems.length) console.error(`# problems the pages reported:\n${t.problems.join('\n')}`);
    } finally {
      await t.close();
    }
  })();
}
