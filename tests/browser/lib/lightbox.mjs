// Helpers for driving the Lightbox overlay of a gallery page.
import assert from 'node:assert/strict';

export const thumbnails = (page) => page.locator("a[rel^='lightbox']");

// Waits until the page's overlay script has set itself up.
export async function waitForLightbox(page) {
  await page.waitForFunction(() => window.lightbox && document.getElementById('overlay'));
}

// Waits until the overlay shows a large image whose address ends with
// photoEnd and whose counter reads numberText ('' when none is shown), with
// every animation of the box finished.
export async function waitForImage(page, photoEnd, numberText) {
  await page.waitForFunction(
    ([end, text]) => {
      const image = document.getElementById('lightboxImage');
      const number = document.getElementById('numberDisplay');
      const visible = (id) => document.getElementById(id).offsetParent !== null;
      return (
        visible('lightbox') &&
        visible('lightboxImage') &&
        visible('imageDataContainer') &&
        !visible('loading') &&
        image.complete &&
        image.naturalWidth > 0 &&
        image.src.endsWith(end) &&
        getComputedStyle(image).opacity === '1' &&
        (text ? number.textContent === text && visible('numberDisplay') : !visible('numberDisplay')) &&
        window.Effect.Queues.get('lightbox').effects.length === 0 &&
        window.Effect.Queues.get('lightboxOverlay').effects.length === 0
      );
    },
    [photoEnd, numberText],
  );
}

export async function waitForClosed(page) {
  await page.waitForFunction(() => {
    const hidden = (id) => getComputedStyle(document.getElementById(id)).display === 'none';
    return hidden('lightbox') && hidden('overlay');
  });
}

// The displayed size of the large image, the window's size and the image's
// own size.
export async function imageGeometry(page) {
  return page.evaluate(() => {
    const image = document.getElementById('lightboxImage');
    const box = image.getBoundingClientRect();
    return {
      width: box.width,
      height: box.height,
      top: box.top + window.scrollY,
      left: box.left + window.scrollX,
      naturalWidth: image.naturalWidth,
      naturalHeight: image.naturalHeight,
      windowWidth: document.documentElement.clientWidth,
      windowHeight: document.documentElement.clientHeight,
      scrollY: window.scrollY,
    };
  });
}

// Asserts that the image lies wholly inside the window and keeps its shape.
export function assertFitsWindow(geometry) {
  const g = geometry;
  assert.ok(g.width <= g.windowWidth && g.height <= g.windowHeight,
    `image ${g.width}x${g.height} larger than the window ${g.windowWidth}x${g.windowHeight}`);
  assert.ok(g.left >= 0 && g.top - g.scrollY >= 0 && g.top - g.scrollY + g.height <= g.windowHeight,
    `image not inside the window: ${JSON.stringify(g)}`);
  const shape = (g.width / g.height) / (g.naturalWidth / g.naturalHeight);
  assert.ok(Math.abs(shape - 1) < 0.02, `image distorted: ${JSON.stringify(g)}`);
}
