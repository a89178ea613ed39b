// The Lightbox overlay on a phone: taps open, step and close it, and a photo
// far larger than the screen is fitted into the window. The gallery is made by
// the build driver (lib/gallery.mjs).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { scenario } from './lib/harness.mjs';
import { assertFitsWindow, imageGeometry, thumbnails, waitForClosed, waitForImage, waitForLightbox } from './lib/lightbox.mjs';
import { LIGHTBOX, makeGallery } from './lib/gallery.mjs';

const phone = {
  viewport: { width: 390, height: 844 },
  deviceScaleFactor: 3,
  isMobile: true,
  hasTouch: true,
  userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/140.0.0.0 Mobile Safari/537.36',
};

scenario('lightbox_mobile', async (t) => {
  const root = path.join(t.workDir, 'www');
  fs.mkdirSync(root, { recursive: true });
  const base = await t.serve(root);
  const images = [[4000, 3000], [600, 900], [800, 600]].map(([width, height], i) => ({
    title: `Photo ${i + 1}`, tooltip: '', link: '', linkText: '', width, height,
  }));
  const { pages, photos } = makeGallery(t.workDir, path.join(root, 'gallery'), images,
    { style: LIGHTBOX, columns: 4, rows: 100, addImageLinks: 0, webTitle: 'Phone' });

  const context = await t.launch(phone);
  const page = await context.newPage();
  await page.goto(`${base}gallery/${pages[0]}`);
  await waitForLightbox(page);

  await t.step('a tap opens the overlay with the photo fitted into the window', async () => {
    await thumbnails(page).nth(0).tap();
    await waitForImage(page, photos[0], 'Image 1 of 3');
    assert.equal(await page.locator('#caption').innerText(), 'Photo 1');
    assert.equal(await page.locator('#caption a').count(), 0, 'no inner link without image links');
    assertFitsWindow(await imageGeometry(page));
    await t.screenshot(page, 'lightbox-phone');
  });

  await t.step('taps on the hover areas step both ways', async () => {
    await page.locator('#nextLink').tap();
    await waitForImage(page, photos[1], 'Image 2 of 3');
    assertFitsWindow(await imageGeometry(page));
    await page.locator('#prevLink').tap();
    await waitForImage(page, photos[0], 'Image 1 of 3');
  });

  await t.step('a tap on the close control closes', async () => {
    await page.locator('#bottomNavClose').tap();
    await waitForClosed(page);
  });

  await t.step('a tap on the overlay closes', async () => {
    await thumbnails(page).nth(2).tap();
    await waitForImage(page, photos[2], 'Image 3 of 3');
    await page.locator('#overlay').tap({ position: { x: 5, y: 5 } });
    await waitForClosed(page);
  });
});
