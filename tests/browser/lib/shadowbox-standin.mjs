// Writes a one-page gallery of the Shadowbox style the way the program lays it
// out: the package's "src/" tree copied from assets/shadowbox/src, the
// "library", "gallery", "thumbs" and "photos" folders, and index.html with the
// Shadowbox page head and cells. Each image may carry its own target, so one
// page shows both the sized box ("_self") and the window-filling one
// ("_blank"). Used until the headless driver can build such a gallery.
import fs from 'node:fs';
import path from 'node:path';
import { env } from './harness.mjs';
import { makeJpeg } from './photos.mjs';

const Q = '"';

function writeLines(file, lines) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, lines.map((line) => line + '\r\n').join(''), 'latin1');
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
  const link = image.link || `photos/${image.base}.jpg`;
  const size = image.target === '_blank' ? '' : `width=${settings.imageWidth};height=${settings.imageHeight}`;
  return [
    `<!-- Image:${image.title} -->`,
    "<td class='tdImg'>",
    `<a rel=${Q}shadowbox[vlr];${size} options={counterType:'skip',continuous:true,animSequence:'sync'}${Q}` +
      ` class=${Q}option${Q} title=${Q}${image.tooltip}${Q} href='${link}'>`,
    `<img class='eImage' src=${Q}thumbs/${image.base}.jpg${Q} alt=${Q}${image.title}${Q} title=${Q}${image.tooltip}${Q}></a>`,
    `<p align=center><font class='tdTitle'>${image.title}</font></p>`,
    '</td>',
  ];
}

// images: [{ base, title, tooltip, link, target, width, height }]; a photo is
// made for each (width x height), a thumbnail fitted into 100 x 100.
// settings: { columns, imageWidth, imageHeight, webTitle }
export function writeShadowboxGallery(folder, images, settings) {
  fs.cpSync(path.join(env.sourceDir, 'assets', 'shadowbox', 'src'), path.join(folder, 'src'), { recursive: true });
  for (const name of ['library', 'gallery']) fs.mkdirSync(path.join(folder, name), { recursive: true });
  writeLines(path.join(folder, 'library', 'ktvlr.css'), [
    'body{background-color:#7F7F7F;}',
    '#divVLR {text-align:center; font: 11px Verdana,Arial, Helvetica, sans-serif;}',
    'td.tdImg {width:120px; height:140px; vertical-align: top; text-align:center;background-color:#DDDDDD}',
  ]);
  images.forEach((image, i) => {
    makeJpeg(path.join(folder, 'photos', `${image.base}.jpg`), image.width, image.height, i);
    const scale = Math.min(1, 100 / image.width, 100 / image.height);
    makeJpeg(path.join(folder, 'thumbs', `${image.base}.jpg`),
      Math.round(image.width * scale), Math.round(image.height * scale), i);
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
  return 'index.html';
}
