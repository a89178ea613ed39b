// A Shadowbox gallery: a thumbnail with target "_self" opens its large image
// in a box of the large-image size, one with "_blank" fills the window, a
// local HTML page opens in the frame player, a linked file copied into
// gallery/ opens, a Flash video and a video the browser cannot decode show
// their download notice, previous and next wrap round, the "skip" counter
// jumps, and Esc, the close control and the overlay close it.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { scenario } from './lib/harness.mjs';
import { makeGallery, SHADOWBOX } from './lib/gallery.mjs';

const thumbnails = (page) => page.locator("a[rel^='shadowbox']");

// Waits until the overlay shows its player for an address ending with end,
// with the box settled and every picture loaded.
async function waitForItem(page, end) {
  await page.waitForFunction((wanted) => {
    const container = document.getElementById('sb-container');
    const player = document.getElementById('sb-player');
    if (!container || container.dataset.state !== 'ready' || !player) return false;
    const current = window.Shadowbox.getCurrent();
    if (!current || !current.href.endsWith(wanted)) return false;
    if (player.tagName === 'IMG') return player.complete && player.naturalWidth > 0;
    return true;
  }, end);
}

async function waitForClosed(page) {
  await page.waitForFunction(() => {
    const container = document.getElementById('sb-container');
    return container.dataset.state === 'closed' && getComputedStyle(container).display === 'none';
  });
}

const box = (page) => page.evaluate(() => {
  const rect = document.getElementById('sb-body').getBoundingClientRect();
  const player = document.getElementById('sb-player').getBoundingClientRect();
  return {
    width: Math.round(rect.width),
    height: Math.round(rect.height),
    playerWidth: Math.round(player.width),
    playerHeight: Math.round(player.height),
    windowWidth: window.innerWidth,
    windowHeight: window.innerHeight,
    bars: document.getElementById('sb-title').offsetHeight + document.getElementById('sb-info').offsetHeight,
  };
});

const counter = (page) => page.evaluate(() => {
  const links = Array.from(document.querySelectorAll('#sb-counter a'));
  return {
    numbers: links.map((a) => a.textContent).join(' '),
    current: links.filter((a) => a.classList.contains('sb-counter-current')).map((a) => a.textContent).join(' '),
  };
});

scenario('shadowbox_gallery', async (t) => {
  const root = path.join(t.workDir, 'www');
  const folder = path.join(root, 'gallery');
  // Local files that images link to: the build copies them into gallery/.
  const docs = path.join(t.workDir, 'docs');
  fs.mkdirSync(docs, { recursive: true });
  fs.mkdirSync(root, { recursive: true });
  execFileSync('convert', ['-size', '400x300', 'xc:#2c3e50', '-fill', 'white', '-draw', 'rectangle 40,40 360,260',
    path.join(docs, 'floorplan.png')]);
  fs.writeFileSync(path.join(docs, 'clip.flv'), 'FLV');

  const images = [
    { title: 'Beach', tooltip: 'The beach at noon', sameWindow: true, width: 1500, height: 1000 },
    { title: 'Tower', tooltip: 'The old tower', sameWindow: true, width: 666, height: 1000 },
    { title: 'Harbour', tooltip: 'The harbour', sameWindow: false, width: 1500, height: 1000 },
    { title: 'About', tooltip: 'About the trip', sameWindow: true, width: 640, height: 480, link: 'pages/about.html' },
    { title: 'Plan', tooltip: 'Floor plan', sameWindow: true, width: 640, height: 480,
      link: path.join(docs, 'floorplan.png') },
    { title: 'Clip', tooltip: 'A video clip', sameWindow: true, width: 640, height: 480,
      link: path.join(docs, 'clip.flv') },
  ];
  const { links } = makeGallery(t.workDir, folder, images,
    { style: SHADOWBOX, columns: 4, rows: 2, imageWidth: 750, imageHeight: 500, webTitle: 'Trip' });
  assert.deepEqual(links, ['photos/Beach.jpg', 'photos/Tower.jpg', 'photos/Harbour.jpg', 'pages/about.html',
    'gallery/floorplan.png', 'gallery/clip.flv']);
  fs.mkdirSync(path.join(folder, 'pages'), { recursive: true });
  fs.writeFileSync(path.join(folder, 'pages', 'about.html'),
    '<!DOCTYPE html><html><head><title>About</title></head><body><h1>About this trip</h1></body></html>');
  // Served as WebM but no video at all.
  fs.writeFileSync(path.join(folder, 'gallery', 'broken.webm'), 'not a video');

  const base = await t.serve(root);
  const context = await t.launch({ viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  await page.goto(`${base}gallery/index.html`);
  await page.waitForFunction(() => window.Shadowbox && document.getElementById('sb-container'));

  await t.step('links are read by their rel and address', async () => {
    const read = await page.evaluate(() => ({
      sized: Shadowbox.parseRel("shadowbox[vlr];width=750;height=500 options={counterType:'skip',continuous:true}"),
      unsized: Shadowbox.parseRel("shadowbox[vlr]; options={animSequence:'sync'}"),
      plain: Shadowbox.parseRel('shadowbox'),
      other: Shadowbox.parseRel('lightbox[id0]'),
      players: ['a.JPG', 'b.png?x=1', 'c.htm', 'd.php', 'e.pdf', 'f.flv', 'g.mp4', 'h.mov', 'i.wmv', 'j.swf', '#box', 'k']
        .map((href) => Shadowbox.playerFor(href)).join(' '),
    }));
    assert.deepEqual(read.sized, { gallery: 'vlr', width: 750, height: 500, player: '',
      options: { counterType: 'skip', continuous: true } });
    assert.deepEqual(read.unsized, { gallery: 'vlr', width: 0, height: 0, player: '', options: { animSequence: 'sync' } });
    assert.deepEqual(read.plain, { gallery: '', width: 0, height: 0, player: '', options: {} });
    assert.equal(read.other, null);
    assert.equal(read.players, 'img img iframe iframe iframe flv flv qt wmp swf html iframe');
  });

  await t.step('the loading indicator shows until the picture is there', async () => {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/photos/Tower.jpg', async (route) => {
      await held;
      await route.continue();
    });
    await thumbnails(page).nth(1).click();
    await page.waitForFunction(() => document.getElementById('sb-container').dataset.state === 'loading');
    assert.equal(await page.locator('#sb-loading').isVisible(), true);
    assert.equal(await page.locator('#sb-loading-inner').innerText(), 'loading');
    await t.screenshot(page, 'shadowbox-loading');
    release();
    await waitForItem(page, 'photos/Tower.jpg');
    assert.equal(await page.locator('#sb-loading').isVisible(), false);
    await page.unroute('**/photos/Tower.jpg');
    await page.keyboard.press('Escape');
    await waitForClosed(page);
  });

  await t.step('"_self" opens the large image in a box of the large-image size', async () => {
    await thumbnails(page).nth(0).click();
    await waitForItem(page, 'photos/Beach.jpg');
    const natural = await page.locator('#sb-player').evaluate((img) => [img.naturalWidth, img.naturalHeight]);
    assert.deepEqual(natural, [750, 500]);
    const size = await box(page);
    assert.equal(size.width, 750);
    assert.equal(size.height, 500);
    assert.equal(await page.locator('#sb-title-inner').innerText(), 'The beach at noon');
    assert.deepEqual(await counter(page), { numbers: '1 2 3 4 5 6', current: '1' });
    assert.equal(page.url(), `${base}gallery/index.html`, 'the thumbnail link must not navigate');
    await t.screenshot(page, 'shadowbox-self');
  });

  await t.step('"_blank" fills the window', async () => {
    await page.keyboard.press('ArrowRight');
    await waitForItem(page, 'photos/Tower.jpg');
    await page.locator('#sb-nav-next').click();
    await waitForItem(page, 'photos/Harbour.jpg');
    const size = await box(page);
    assert.equal(size.width, size.windowWidth - 40);
    assert.equal(size.height, size.windowHeight - 40 - size.bars);
    assert.deepEqual(await counter(page), { numbers: '1 2 3 4 5 6', current: '3' });
    await t.screenshot(page, 'shadowbox-blank');
  });

  await t.step('a local HTML page opens in the frame player', async () => {
    await page.keyboard.press('ArrowRight');
    await waitForItem(page, 'pages/about.html');
    assert.equal(await page.locator('#sb-player').evaluate((el) => el.tagName), 'IFRAME');
    const frame = page.frameLocator('#sb-player');
    assert.equal(await frame.locator('h1').innerText(), 'About this trip');
    const size = await box(page);
    assert.equal(size.playerWidth, 750);
    assert.equal(size.playerHeight, 500);
    await t.screenshot(page, 'shadowbox-frame');
  });

  await t.step('a linked file copied into gallery/ opens', async () => {
    await page.keyboard.press('ArrowRight');
    await waitForItem(page, 'gallery/floorplan.png');
    const natural = await page.locator('#sb-player').evaluate((img) => [img.naturalWidth, img.naturalHeight]);
    assert.deepEqual(natural, [400, 300]);
  });

  await t.step('a Flash video the browser cannot play shows a notice with a download link', async () => {
    await page.keyboard.press('ArrowRight');
    await waitForItem(page, 'gallery/clip.flv');
    assert.equal(await page.locator('#sb-player a').getAttribute('href'), 'gallery/clip.flv');
    assert.match(await page.locator('#sb-player').innerText(), /Flash video/);
    await t.screenshot(page, 'shadowbox-media-notice');
  });

  await t.step('next after the last comes the first, previous before the first the last', async () => {
    await page.locator('#sb-nav-next').click();
    await waitForItem(page, 'photos/Beach.jpg');
    await page.keyboard.press('ArrowLeft');
    await waitForItem(page, 'gallery/clip.flv');
    await page.locator('#sb-nav-previous').click();
    await waitForItem(page, 'gallery/floorplan.png');
  });

  await t.step('the "skip" counter jumps to the number clicked', async () => {
    await page.locator('#sb-counter a', { hasText: '2' }).click();
    await waitForItem(page, 'photos/Tower.jpg');
    assert.equal((await counter(page)).current, '2');
  });

  await t.step('a window smaller than the box shrinks it, keeping its proportions', async () => {
    await page.locator('#sb-counter a', { hasText: '1' }).click();
    await waitForItem(page, 'photos/Beach.jpg');
    await page.setViewportSize({ width: 600, height: 500 });
    await page.waitForFunction(() => document.getElementById('sb-body').getBoundingClientRect().width === 560);
    const size = await box(page);
    assert.equal(size.height, Math.round((500 * 560) / 750));
    assert.equal(size.playerWidth, 560);
    await page.setViewportSize({ width: 1280, height: 900 });
    await page.waitForFunction(() => document.getElementById('sb-body').getBoundingClientRect().width === 750);
  });

  await t.step('Esc closes', async () => {
    await page.keyboard.press('Escape');
    await waitForClosed(page);
  });

  await t.step('the close control and a click on the dark page close too', async () => {
    await thumbnails(page).nth(1).click();
    await waitForItem(page, 'photos/Tower.jpg');
    await page.locator('#sb-nav-close').click();
    await waitForClosed(page);
    await thumbnails(page).nth(4).click();
    await waitForItem(page, 'gallery/floorplan.png');
    await page.locator('#sb-overlay').click({ position: { x: 5, y: 5 } });
    await waitForClosed(page);
    await t.screenshot(page, 'shadowbox-closed');
  });

  await t.step('a video the browser takes but cannot decode turns into the download notice', async () => {
    const takes = await page.evaluate(() => [Shadowbox.playerFor('clip.webm'),
      document.createElement('video').canPlayType('video/webm') !== '']);
    assert.deepEqual(takes, ['flv', true], 'the browser must offer to play WebM for this check');
    await page.evaluate(() => Shadowbox.open({ href: 'gallery/broken.webm', title: 'Broken clip' }));
    await page.waitForFunction(() => {
      const player = document.getElementById('sb-player');
      return player && player.tagName === 'DIV' && document.getElementById('sb-container').dataset.state === 'ready';
    });
    assert.equal(await page.locator('#sb-player a').getAttribute('href'), 'gallery/broken.webm');
    assert.match(await page.locator('#sb-player').innerText(), /Flash video/);
    const size = await box(page);
    assert.equal(size.playerWidth, size.windowWidth - 40, 'an item without a size fills the window');
    await page.keyboard.press('Escape');
    await waitForClosed(page);
  });

  await t.step('with a slideshow, pause and play swap and space toggles them', async () => {
    // An hour between pictures: the controls are checked, never the timing.
    await page.evaluate(() => { Shadowbox.defaults.slideshowDelay = 3600; });
    await thumbnails(page).nth(0).click();
    await waitForItem(page, 'photos/Beach.jpg');
    const shown = () => page.evaluate(() => ['play', 'pause']
      .filter((name) => document.getElementById(`sb-nav-${name}`).offsetParent !== null).join(' '));
    assert.equal(await shown(), 'pause');
    await page.locator('#sb-nav-pause').click();
    assert.equal(await shown(), 'play');
    await page.keyboard.press(' ');
    assert.equal(await shown(), 'pause');
    await page.locator('#sb-nav-pause').click();
    await page.locator('#sb-nav-play').click();
    assert.equal(await shown(), 'pause');
    await page.keyboard.press('Escape');
    await waitForClosed(page);
  });
});
