// A three-page Lightbox gallery with image links: the overlay opens from a
// thumbnail with its image and caption (inner link included), steps by its
// hover areas and by key, fits a photo larger than the window, closes every
// way it offers, and the paging links reach every page. The gallery is made
// by the build driver (lib/gallery.mjs).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { scenario } from './lib/harness.mjs';
import { assertFitsWindow, imageGeometry, thumbnails, waitForClosed, waitForImage, waitForLightbox } from './lib/lightbox.mjs';
import { LIGHTBOX, makeGallery } from './lib/gallery.mjs';

const HOSTILE_QUERY = "?q=&#39; onmouseover=&#39;window.hacked=1";

scenario('lightbox_gallery', async (t) => {
  const root = path.join(t.workDir, 'www');
  fs.mkdirSync(path.join(root, 'sites'), { recursive: true });
  const base = await t.serve(root);

  // Ten photos at 4 x 1 make three pages of 4, 4 and 2; photo 2 is far
  // larger than the window.
  const images = Array.from({ length: 10 }, (_, i) => {
    const n = String(i + 1).padStart(2, '0');
    fs.writeFileSync(path.join(root, 'sites', `site${n}.html`), `<!DOCTYPE html><title>Site ${n}</title><p>Site ${n}`);
    return {
      title: `Photo ${n}`,
      tooltip: `Tooltip ${n}`,
      // Photo 03's link tries to break out of the caption's attribute once
      // the overlay parses the title it has read.
      link: `${base}sites/site${n}.html${i === 2 ? HOSTILE_QUERY : ''}`,
      linkText: i === 0 ? '' : `Visit ${n}`,
      width: i === 1 ? 3000 : 640,
      height: i === 1 ? 2000 : 480,
    };
  });
  const { pages, photos } = makeGallery(t.workDir, path.join(root, 'gallery'), images,
    { style: LIGHTBOX, columns: 4, rows: 1, addImageLinks: 1, webTitle: 'Holiday' });
  assert.deepEqual(pages, ['vlr.html', 'vlr1.html', 'vlr2.html']);

  const context = await t.launch({ viewport: { width: 1024, height: 700 } });
  const page = await context.newPage();
  const requested = [];
  page.on('request', (request) => requested.push(request.url()));
  await page.goto(`${base}gallery/vlr.html`);
  await waitForLightbox(page);

  await t.step('a thumbnail opens the overlay with its image, caption and inner link', async () => {
    await thumbnails(page).nth(0).click();
    await waitForImage(page, photos[0], 'Image 1 of 4');
    assert.equal(await page.locator('#overlay').isVisible(), true);
    assert.equal(await page.locator('#caption').innerText(), 'Photo 01 >>');
    const inner = page.locator('#caption a.linkDevalVr');
    assert.equal(await inner.getAttribute('href'), `${base}sites/site01.html`);
    assert.equal(await inner.getAttribute('target'), '_blank');
    assert.equal(page.url(), `${base}gallery/vlr.html`, 'the thumbnail link must not navigate');
  });

  await t.step('a link cannot add an attribute to the caption', async () => {
    await page.keyboard.press('Escape');
    await waitForClosed(page);
    await thumbnails(page).nth(2).click();
    await waitForImage(page, photos[2], 'Image 3 of 4');
    const inner = page.locator('#caption a.linkDevalVr');
    const names = await inner.evaluate((link) => link.getAttributeNames());
    assert.deepEqual(names, ['class', 'href', 'target']);
    assert.equal(await inner.getAttribute('href'), `${base}sites/site03.html?q=' onmouseover='window.hacked=1`);
    await inner.hover();
    assert.equal(await page.evaluate(() => window.hacked), undefined);
    await page.keyboard.press('Escape');
    await waitForClosed(page);
    await thumbnails(page).nth(0).click();
    await waitForImage(page, photos[0], 'Image 1 of 4');
  });

  await t.step('the neighbour is preloaded and the first image has no way back', async () => {
    await page.waitForFunction((photo) => performance.getEntriesByType('resource')
      .some((entry) => entry.name.endsWith(photo)), photos[1]);
    assert.equal(await page.locator('#prevLink').isVisible(), false);
    assert.equal(await page.locator('#nextLink').isVisible(), true);
    await page.keyboard.press('ArrowLeft');
    await waitForImage(page, photos[0], 'Image 1 of 4');
  });

  await t.step('next by click shows "Image 2 of 4", fitted into the window', async () => {
    await page.locator('#nextLink').click();
    await waitForImage(page, photos[1], 'Image 2 of 4');
    assert.equal(await page.locator('#caption').innerText(), 'Photo 02 Visit 02');
    const geometry = await imageGeometry(page);
    assert.equal(geometry.naturalWidth, 3000);
    assertFitsWindow(geometry);
    await t.screenshot(page, 'lightbox-open');
  });

  await t.step('keys step both ways: right arrow, "p", left arrow, "n"', async () => {
    await page.keyboard.press('ArrowRight');
    await waitForImage(page, photos[2], 'Image 3 of 4');
    await page.keyboard.press('p');
    await waitForImage(page, photos[1], 'Image 2 of 4');
    await page.keyboard.press('ArrowLeft');
    await waitForImage(page, photos[0], 'Image 1 of 4');
    await page.keyboard.press('n');
    await waitForImage(page, photos[1], 'Image 2 of 4');
  });

  await t.step('previous by click, and the last image has no way on', async () => {
    await page.locator('#prevLink').click();
    await waitForImage(page, photos[0], 'Image 1 of 4');
    for (const n of [2, 3, 4]) {
      await page.keyboard.press('ArrowRight');
      await waitForImage(page, photos[n - 1], `Image ${n} of 4`);
    }
    assert.equal(await page.locator('#nextLink').isVisible(), false);
    await page.keyboard.press('n');
    await waitForImage(page, photos[3], 'Image 4 of 4');
  });

  await t.step('the caption link opens its site', async () => {
    const [popup] = await Promise.all([
      context.waitForEvent('page'),
      page.locator('#caption a.linkDevalVr').click(),
    ]);
    await popup.waitForLoadState();
    assert.equal(popup.url(), `${base}sites/site04.html`);
    await popup.close();
  });

  await t.step('Esc closes', async () => {
    await page.keyboard.press('Escape');
    await waitForClosed(page);
  });

  const closers = {
    'a click on the overlay': () => page.locator('#overlay').click({ position: { x: 5, y: 5 } }),
    'a click beside the image': () => page.locator('#lightbox').click({ position: { x: 5, y: 5 } }),
    'the close control': () => page.locator('#bottomNavClose').click(),
    'the key "x"': () => page.keyboard.press('x'),
    'the key "c"': () => page.keyboard.press('c'),
  };
  for (const [how, close] of Object.entries(closers)) {
    await t.step(`${how} closes`, async () => {
      await thumbnails(page).nth(2).click();
      await waitForImage(page, photos[2], 'Image 3 of 4');
      await close();
      await waitForClosed(page);
    });
  }

  await t.step('a key does nothing while the overlay is closed', async () => {
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('n');
    assert.equal(await page.locator('#lightbox').isVisible(), false);
    assert.equal(page.url(), `${base}gallery/vlr.html`);
  });

  const goTo = async (locator, name) => {
    await Promise.all([page.waitForURL(`${base}gallery/${name}`), locator.click()]);
    await waitForLightbox(page);
  };

  await t.step('Next and Prev reach every page', async () => {
    await goTo(page.locator('#linkNext'), 'vlr1.html');
    await goTo(page.locator('#linkNext'), 'vlr2.html');
    assert.equal(await page.locator('#linkNext').count(), 0);
    await goTo(page.locator('#linkPrev'), 'vlr1.html');
    await goTo(page.locator('#linkPrev'), 'vlr.html');
    assert.equal(await page.locator('#linkPrev').count(), 0);
  });

  await t.step('the page numbers reach every page and each page is its own group', async () => {
    const expected = [['3', 'vlr2.html', photos[8], 2], ['2', 'vlr1.html', photos[4], 4], ['1', 'vlr.html', photos[0], 4]];
    for (const [label, name, first, count] of expected) {
      await goTo(page.locator('a.otherPage', { hasText: label }), name);
      assert.equal(await page.locator('span.currentPage').innerText(), label);
      await thumbnails(page).nth(0).click();
      await waitForImage(page, first, `Image 1 of ${count}`);
      await page.keyboard.press('Escape');
      await waitForClosed(page);
    }
  });

  assert.ok(requested.every((url) => url.startsWith(base)), 'only the loopback server was asked');
});
