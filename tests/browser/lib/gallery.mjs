// Makes a test gallery of the Lightbox or plain-link style: with the
// program's headless build driver when the build has one (from a project file
// written by velvara-make-test-project and source JPEGs), else with the
// stand-in writer. Either way the result is the gallery's page names and the
// address ending of each image's large photo.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { makeJpeg } from './photos.mjs';
import { pageName, writeGallery } from './standin-gallery.mjs';

export const usesDriver = () => Boolean(process.env.VELVARA_GALLERY_DRIVER);

function run(program, args) {
  const result = spawnSync(program, args, { encoding: 'utf8' });
  if (result.error) throw result.error;
  return result;
}

function buildWithDriver(workDir, folder, images, settings) {
  const sources = path.join(workDir, 'sources');
  const spec = [
    `destFolder=${folder}`,
    `webTitle=${settings.webTitle}`,
    `galleryStyle=${settings.style}`,
    `columns=${settings.columns}`,
    `rows=${settings.rows}`,
    `addImageLinks=${settings.addImageLinks}`,
    // Large photos stay large, so that the overlay has to fit them.
    'imageWidth=4000',
    'imageHeight=4000',
  ];
  images.forEach((image, i) => {
    const source = path.join(sources, `IMG_${String(i + 1).padStart(2, '0')}.jpg`);
    makeJpeg(source, image.width, image.height, i);
    spec.push(`image=${[source, image.title, image.tooltip, image.link, image.linkText].join('|')}`);
  });
  const specFile = path.join(workDir, 'project.txt');
  const project = path.join(workDir, 'project.vlr');
  fs.writeFileSync(specFile, spec.join('\n') + '\n');
  const made = run(process.env.VELVARA_TEST_PROJECT_TOOL, [specFile, project]);
  assert.equal(made.status, 0, `project file not written: ${made.stderr}`);

  const built = run(process.env.VELVARA_GALLERY_DRIVER, [project, '--answer', 'yes']);
  assert.equal(built.stderr, '', 'the build showed messages');
  assert.equal(built.status, 0, 'the build stopped');
  const pages = Math.ceil(images.length / (settings.columns * settings.rows));
  const names = Array.from({ length: pages }, (_, i) => pageName(i + 1, pages));
  assert.equal(path.resolve(built.stdout.trim()), path.resolve(folder, names[0]), 'the page to open');
  return {
    pages: names,
    photos: images.map((image) => `photos/${encodeURIComponent(image.title)}.jpg`),
  };
}

// images: [{ title, tooltip, link, linkText, width, height }]
// settings: { style, columns, rows, addImageLinks, webTitle }
export function makeGallery(workDir, folder, images, settings) {
  if (usesDriver()) return buildWithDriver(workDir, folder, images, settings);
  const named = images.map((image, i) => ({ ...image, base: `img${String(i + 1).padStart(2, '0')}` }));
  return { pages: writeGallery(folder, named, settings), photos: named.map((image) => `photos/${image.base}.jpg`) };
}
