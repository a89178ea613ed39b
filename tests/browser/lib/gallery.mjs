// Makes a test gallery with the program's headless build driver: source JPEGs
// and a project file written by velvara-make-test-project, built by
// velvara-gallery-build. The ctest entries pass both programs' paths in
// VELVARA_TEST_PROJECT_TOOL and VELVARA_GALLERY_DRIVER.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { makeJpeg } from './photos.mjs';

// The gallery styles as the project file stores them.
export const LIGHTBOX = 0;
export const SHADOWBOX = 1;
export const PLAIN_LINK = 2;

function requiredProgram(variable) {
  const program = process.env[variable];
  if (!program) {
    throw new Error(`${variable} is not set: the browser tests make their galleries with the build's own ` +
      'programs, so run them through ctest in a build folder');
  }
  return program;
}

function run(program, args) {
  const result = spawnSync(program, args, { encoding: 'utf8' });
  if (result.error) throw result.error;
  return result;
}

function pageName(page, pages) {
  const base = pages === 1 ? 'index' : 'vlr';
  return page === 1 ? `${base}.html` : `${base}${page - 1}.html`;
}

// The address each thumbnail links to, in the order of the pages.
function thumbnailLinks(folder, pages) {
  return pages.flatMap((name) => {
    const html = fs.readFileSync(path.join(folder, name), 'latin1');
    return Array.from(html.matchAll(/<a\s[^>]*\bhref='([^']*)'[^>]*>\r?\n<img class='eImage'/g), (match) => match[1]);
  });
}

// images: [{ title, tooltip, link, linkText, sameWindow, width, height }]: the
// source photo's size; sameWindow, when given, is where the image's link
// opens ("_self" or "_blank"), else the program's default for a new image.
// settings: { style, columns, rows, webTitle } and, where the program's
// default will not do, addImageLinks, imageWidth and imageHeight.
// Returns the gallery's page names, the address ending of each image's large
// photo and the address each thumbnail links to.
export function makeGallery(workDir, folder, images, settings) {
  const projectTool = requiredProgram('VELVARA_TEST_PROJECT_TOOL');
  const driver = requiredProgram('VELVARA_GALLERY_DRIVER');
  const sources = path.join(workDir, 'sources');
  const spec = [
    `destFolder=${folder}`,
    `webTitle=${settings.webTitle}`,
    `galleryStyle=${settings.style}`,
    `columns=${settings.columns}`,
    `rows=${settings.rows}`,
    // Unless a test asks for a size, large photos stay large, so that the
    // overlay has to fit them.
    `imageWidth=${settings.imageWidth ?? 4000}`,
    `imageHeight=${settings.imageHeight ?? 4000}`,
  ];
  if (settings.addImageLinks !== undefined) spec.push(`addImageLinks=${settings.addImageLinks}`);
  images.forEach((image, i) => {
    const source = path.join(sources, `IMG_${String(i + 1).padStart(2, '0')}.jpg`);
    makeJpeg(source, image.width, image.height, i);
    const fields = [source, image.title, image.tooltip, image.link ?? '', image.linkText ?? ''];
    if (image.sameWindow !== undefined) fields.push(image.sameWindow ? '_self' : '_blank');
    spec.push(`image=${fields.join('|')}`);
  });
  const specFile = path.join(workDir, 'project.txt');
  const project = path.join(workDir, 'project.vlr');
  fs.writeFileSync(specFile, spec.join('\n') + '\n');
  const made = run(projectTool, [specFile, project]);
  assert.equal(made.status, 0, `project file not written: ${made.stderr}`);

  const built = run(driver, [project, '--answer', 'yes']);
  assert.equal(built.stderr, '', 'the build showed messages');
  assert.equal(built.status, 0, 'the build stopped');
  const count = Math.ceil(images.length / (settings.columns * settings.rows));
  const pages = Array.from({ length: count }, (_, i) => pageName(i + 1, count));
  assert.equal(path.resolve(built.stdout.trim()), path.resolve(folder, pages[0]), 'the page to open');
  for (const name of pages) assert.ok(fs.existsSync(path.join(folder, name)), `page ${name} not written`);
  return {
    pages,
    photos: images.map((image) => `photos/${encodeURIComponent(image.title)}.jpg`),
    links: thumbnailLinks(folder, pages),
  };
}
