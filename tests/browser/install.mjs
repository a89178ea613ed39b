// Installs the browser tests' npm dependencies (playwright-core only; it never
// downloads a browser, the tests drive Debian's /usr/bin/chromium) into the
// folder given as argument, normally inside the build folder so that the
// source tree stays clean. Does nothing when that folder already holds what
// package-lock.json asks for.
//
//   node tests/browser/install.mjs DEPS_FOLDER
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const target = process.argv[2];
if (!target) {
  console.error('usage: node install.mjs DEPS_FOLDER');
  process.exit(2);
}

const lockText = fs.readFileSync(path.join(here, 'package-lock.json'), 'utf8');
const lock = JSON.parse(lockText);

function installed() {
  try {
    if (fs.readFileSync(path.join(target, 'package-lock.json'), 'utf8') !== lockText) return false;
    for (const [key, entry] of Object.entries(lock.packages)) {
      if (!key) continue;
      const manifest = JSON.parse(fs.readFileSync(path.join(target, key, 'package.json'), 'utf8'));
      if (manifest.version !== entry.version) return false;
    }
    return true;
  } catch {
    return false;
  }
}

if (installed()) process.exit(0);

fs.mkdirSync(target, { recursive: true });
for (const name of ['package.json', 'package-lock.json']) {
  fs.copyFileSync(path.join(here, name), path.join(target, name));
}
const result = spawnSync('npm', ['ci', '--no-audit', '--no-fund', '--ignore-scripts'], {
  cwd: target,
  stdio: 'inherit',
  env: { ...process.env, PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD: '1' },
});
if (result.error) {
  console.error(`npm could not be started: ${result.error.message}`);
  process.exit(1);
}
process.exit(result.status ?? 1);
