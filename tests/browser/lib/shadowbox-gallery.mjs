// Makes a one-page gallery of the Shadowbox style: with the program's headless
// build driver when the build has one (VELVARA_GALLERY_DRIVER, from a project
// file written by VELVARA_TEST_PROJECT_TOOL), else with a stand-in that lays
// the folder out as the program does: the package's "src/" tree copied from
// assets/shadowbox/src, "library/", "thumbs/", "photos/", linked local files
// copied into "gallery/", and index.html with the Shadowbox page head and
// cells. Images may differ in their open mode, so one page shows both the
// sized box ("_self") and the window-filling one ("_blank").
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { env } from './harness.mjs';
import { makeJpeg } from './photos.mjs';

const Q = '"';

export const usesDriver = () => Boolean(process.env.VELVARA_GALLERY_DRIVER && process.env.VELVARA_TEST_PROJECT_TOOL);

function writeLines(file, lines) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, lines.map((line) => line + '\r\n').join(''), 'latin1');
}

// The size a photo gets in a box: scaled down with its proportions, never up.
function fitted(width, height, boxWidth, boxHeight) {
  if (width <= boxWidth && height <= boxHeight) return [width, height];
  return width / height > boxWidth / boxHeight
    ? [boxWidth, Math.round(boxWidth / (width / height))]
    : [Math.round(boxHeight * (width / height)), boxHeight];
}

// What the page links to: the photo when there is no link, gallery/<name> for
// a local file that is not a page, else the link as it stands.
function pageLink(image) {
  if (!image.link) return `photos/${image.title}.jpg`;
  if (/^http:\/\//i.test(image.link) || /\.html?$/i.test(image.link) || !fs.existsSync(image.link)) return image.link;
  return `gallery/${path.basename(image.link)}`;
}

const head = [
  `<!DOCTYPE HTML PUBLIC ${Q}-//W3C//DTD HTML 4.01 Transitional//EN${Q}>`,
  '<html>',
  '<head>',
  `<meta http-equiv=${Q}Content-Type${Q} content=${Q}text/html; charset=ISO-8859-1${Q}>`,
  '<title>Image Gallery</title>',
  `<meta name=${Q}generator${Q} content=${Q}Oren Talvik: Velvara${Q}>`,
  '',
  '<!--Include this rows in your header: START-->',
  `<script type=${Q}text/javascript${Q} src=${Q}src/skin/classic/skin.js${Q}></script>`,
  '<!-- To use Shadowbox in standalone mode, you only need to include the base adapter-->',
  `<script type=${Q}text/javascript${Q} src=${Q}src/adapter/shadowbox-base.js${Q}></script>`,
  `<script type=${Q}text/javascript${Q} src=${Q}src/shadowbox.js${Q}></script>`,
  `<script type=${Q}text/javascript${Q}>`,
  "Shadowbox.loadSkin('classic', 'src/skin'); // use the  'classic' skin",
  "Shadowbox.loadLanguage('en', 'src/lang'); // use the English language",
  "Shadowbox.loadPlayer(['flv', 'html', 'iframe', 'img', 'qt', 'swf', 'wmp'], 'src/player');",
  'window.onload = function()',
  '{Shadowbox.init();};',
  '</script>',
  `<link rel=${Q}stylesheet${Q} href=${Q}library/ktvlr.css${Q} type=${Q}text/css${Q}>`,
  '<!--Include this rows in your header: END-->',
  '</head>',
  '',
  '<body>',
];

function cell(image, settings) {
  const size = image.sameWindow ? `width=${settings.imageWidth};height=${settings.imageHeight}` : '';
  return [
    `<!-- Image:${image.title} -->`,
    "<td class='tdImg'>",
    `<a rel=${Q}shadowbox[vlr];${size} options={counterType:'skip',continuous:true,animSequence:'sync'}${Q}` +
      ` class=${Q}option${Q} title=${Q}${image.tooltip}${Q} href='${pageLink(image)}'>`,
    `<img class='eImage' src=${Q}thumbs/${image.title}.jpg${Q} alt=${Q}${image.title}${Q} title=${Q}${image.tooltip}${Q}></a>`,
    `<p align=center><font class='tdTitle'>${image.title}</font></p>`,
    '</td>',
  ];
}

function writeStandIn(folder, images, settings) {
  fs.cpSync(path.join(env.sourceDir, 'assets', 'shadowbox', 'src'), path.join(folder, 'src'), { recursive: true });
  fs.mkdirSync(path.join(folder, 'gallery'), { recursive: true });
  writeLines(path.join(folder, 'library', 'ktvlr.css'), [
    'body{background-color:#7F7F7F;}',
    '#divVLR {text-align:center; font: 11px Verdana,Arial, Helvetica, sans-serif;}',
    'td.tdImg {width:120px; height:140px; vertical-align: top; text-align:center;background-color:#DDDDDD}',
  ]);
  images.forEach((image, i) => {
    const [width, height] = fitted(image.width, image.height, settings.imageWidth, settings.imageHeight);
    makeJpeg(path.join(folder, 'photos', `${image.title}.jpg`), width, height, i);
    const [thumbWidth, thumbHeight] = fitted(image.width, image.height, 160, 120);
    makeJpeg(path.join(folder, 'thumbs', `${image.title}.jpg`), thumbWidth, thumbHeight, i);
    const link = pageLink(image);
    if (link.startsWith('gallery/')) fs.copyFileSync(image.link, path.join(folder, link));
  });

  const lines = [...head,
    '<!--Gallery START-->',
    "<div id='divVLR'>",
    `<table id=${Q}tblThumbsLayout${Q} cellpadding=${Q}0${Q} cellspacing=${Q}4${Q}>`,
    '<tr>',
    `<td id='topCell' colspan='${settings.columns}'>`,
    `<table id='tblGalleryName' cellpadding=0 cellspacing=0 border=0 width=${Q}100%${Q}>`,
    '<tr>',
    `<td id='galleryNameCell'>${settings.webTitle}</td>`,
    '</tr>',
    '</table>',
    '</td>',
    '</tr>',
  ];
  for (let start = 0; start < images.length; start += settings.columns) {
    lines.push('<tr>');
    for (const image of images.slice(start, start + settings.columns)) lines.push(...cell(image, settings));
    lines.push('</tr>');
  }
  lines.push('<tr>', `<td id='pnCell' colspan='${settings.columns}'>`,
    "<a class='pn' href='https://velvara.example/'>Created using Velvara</a>",
    '</td>', '</tr>', '</table>', '</div>', '<!-- Gallery END -->', '</body>', '</html>');
  writeLines(path.join(folder, 'index.html'), lines);
}

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
    'galleryStyle=1',
    `columns=${settings.columns}`,
    `rows=${Math.ceil(images.length / settings.columns)}`,
    `imageWidth=${settings.imageWidth}`,
    `imageHeight=${settings.imageHeight}`,
  ];
  images.forEach((image, i) => {
    const source = path.join(sources, `IMG_${String(i + 1).padStart(2, '0')}.jpg`);
    makeJpeg(source, image.width, image.height, i);
    const target = image.sameWindow ? '_self' : '_blank';
    spec.push(`image=${[source, image.title, image.tooltip, image.link || '', '', target].join('|')}`);
  });
  const specFile = path.join(workDir, 'project.txt');
  const project = path.join(workDir, 'project.vlr');
  fs.writeFileSync(specFile, spec.join('\n') + '\n');
  const made = run(process.env.VELVARA_TEST_PROJECT_TOOL, [specFile, project]);
  assert.equal(made.status, 0, `project file not written: ${made.stderr}`);

  const built = run(process.env.VELVARA_GALLERY_DRIVER, [project, '--answer', 'yes']);
  assert.equal(built.stderr, '', 'the build showed messages');
  assert.equal(built.status, 0, 'the build stopped');
  assert.equal(path.resolve(built.stdout.trim()), path.resolve(folder, 'index.html'), 'the page to open');
}

// images: [{ title, tooltip, sameWindow, link, width, height }]: the source
// photo's size; a link may be a page relative to the gallery or a local file.
// settings: { columns, imageWidth, imageHeight, webTitle }
// Returns the address each image's cell links to.
export function makeShadowboxGallery(workDir, folder, images, settings) {
  if (usesDriver()) buildWithDriver(workDir, folder, images, settings);
  else writeStandIn(folder, images, settings);
  return images.map(pageLink);
}
