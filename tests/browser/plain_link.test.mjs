// The plain-link style: each thumbnail is a link to its image's site, an
// image without a link has no cell, and no overlay is involved.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { scenario } from './lib/harness.mjs';
import { makeGallery, PLAIN_LINK } from './lib/gallery.mjs';

scenario('plain_link', async (t) => {
  const root = path.join(t.workDir, 'www');
  fs.mkdirSync(path.join(root, 'sites'), { recursive: true });
  const base = await t.serve(root);
  const images = Array.from({ length: 6 }, (_, i) => {
    const site = `${base}sites/site${i + 1}.html`;
    fs.writeFileSync(path.join(root, 'sites', `site${i + 1}.html`), `<!DOCTYPE html><title>Site ${i + 1}</title>`);
    return {
      title: `Photo ${i + 1}`, tooltip: `Tip ${i + 1}`,
      link: i === 2 ? '' : site, linkText: '', width: 640, height: 480,
    };
  });
  const { pages } = makeGallery(t.workDir, path.join(root, 'gallery'), images,
    { style: PLAIN_LINK, columns: 4, rows: 1, addImageLinks: 1, webTitle: 'Links' });

  const context = await t.launch({ viewport: { width: 1024, height: 700 } });
  const page = await context.newPage();

  await t.step('the thumbnails point at their sites; an image without link has no cell', async () => {
    const hrefs = [];
    for (const name of pages) {
      await page.goto(`${base}gallery/${name}`);
      const links = page.locator('td.tdImg > a');
      for (let i = 0; i < (await links.count()); i++) {
        hrefs.push(await links.nth(i).getAttribute('href'));
        assert.equal(await links.nth(i).locator('img.eImage').evaluate((img) => img.complete && img.naturalWidth > 0), true);
      }
    }
    assert.deepEqual(hrefs, images.filter((image) => image.link).map((image) => image.link));
  });

  await t.step('a click on a thumbnail opens its site, no overlay', async () => {
    await page.goto(`${base}gallery/vlr.html`);
    assert.equal(await page.evaluate(() => typeof window.Lightbox), 'undefined');
    const [site] = await Promise.all([
      context.waitForEvent('page'),
      page.locator('td.tdImg > a').nth(1).click(),
    ]);
    await site.waitForLoadState();
    assert.equal(site.url(), `${base}sites/site2.html`);
    assert.equal(await page.locator('#overlay').count(), 0);
  });
});
