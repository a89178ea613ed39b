// Writes a gallery folder the way the program lays it out: the Lightbox
// package files (our overlay script and images, Debian's Prototype and
// script.aculo.us), lightbox.css with the default Lightbox style, the paged
// HTML with the page head, top block, cells, paging cell and footer of the
// Lightbox and plain-link styles, and thumbs/ and photos/ as real JPEGs.
// It lets the overlay be tested on the markup the program writes without
// needing the program itself.
import fs from 'node:fs';
import path from 'node:path';
import { env } from './harness.mjs';
import { makeJpeg } from './photos.mjs';

export const LIGHTBOX = 0;
export const PLAIN_LINK = 2;

const Q = '"';

const debianScripts = {
  'prototype.js': '/usr/share/javascript/prototype/prototype.js',
  'scriptaculous.js': '/usr/share/javascript/scriptaculous/scriptaculous.js',
  'effects.js': '/usr/share/javascript/scriptaculous/effects.js',
  'builder.js': '/usr/share/javascript/scriptaculous/builder.js',
};

const lightboxCss = [
  '#lightbox{ position: absolute; left: 0; width: 100%; z-index: 100; text-align: center; line-height: 0;}',
  '#lightbox img{ width: auto; height: auto;}',
  '#lightbox a img{ border: none; }',
  '#outerImageContainer{ position: relative; background-color: #ffffff; width: 250px; height: 250px; margin: 0 auto;}',
  '#imageContainer{ padding: 10px; }',
  '#loading{ position: absolute; top: 40%; left: 0%; height: 25%; width: 100%; text-align: center; line-height: 0;}',
  '#hoverNav{ position: absolute; top: 0; left: 0; height: 100%; width: 100%; z-index: 10;}',
  '#imageContainer>#hoverNav{ left: 0;}',
  '#hoverNav a{ outline: none;}',
  '#prevLink, #nextLink{ width: 49%; height: 100%; background-image: url(data:image/gif;base64,AAAA); /* Trick IE into showing hover */ display: block;}',
  '#prevLink { left: 0; float: left;}',
  '#nextLink { right: 0; float: right;}',
  '#prevLink:hover, #prevLink:visited:hover { background: url(images/prevlabel.gif) left 15% no-repeat; }',
  '#nextLink:hover, #nextLink:visited:hover { background: url(images/nextlabel.gif) right 15% no-repeat; }',
  '#imageDataContainer{ font: 10px Verdana, Helvetica, sans-serif; background-color: #ffffff; margin: 0 auto; line-height: 1.4em; overflow: auto; width: 100%;}',
  '#imageData{ padding:0 10px; color: #666666; }',
  '#imageData #imageDetails{ width: 70%; float: left; text-align: left; }',
  '#imageData #caption{ font-weight: bold;}',
  '#imageData #numberDisplay{ font: 10px Verdana; display: block; clear: left; padding-bottom: 1.0em; }',
  '#imageData #bottomNavClose{ width: 66px; float: right;  padding-bottom: 0.7em; outline: none;}',
  '#overlay{ position: absolute; top: 0; left: 0; z-index: 90; width: 100%; height: 500px; background-color: #000000; }',
];

const galleryCss = [
  'body{background-color:#7F7F7F;}',
  "#divVLR {text-align:center; font: 11px Verdana,Arial, Helvetica, sans-serif;}",
  'td.tdImg {width:120px; height:140px; border: 1px solid; border-color:#fff #fff #fff #fff; vertical-align: top; text-align:center;background-color:#DDDDDD}',
  'img.eImage {border:1px solid; border-color:#000000;}',
];

function writeLines(file, lines) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, lines.map((line) => line + '\r\n').join(''), 'latin1');
}

export function pageName(page, pages) {
  const base = pages === 1 ? 'index' : 'vlr';
  return page === 1 ? `${base}.html` : `${base}${page - 1}.html`;
}

function head(style) {
  const lines = [
    `<!DOCTYPE HTML PUBLIC ${Q}-//W3C//DTD HTML 4.01 Transitional//EN${Q}>`,
    '<html>',
    '<head>',
    `<meta http-equiv=${Q}Content-Type${Q} content=${Q}text/html; charset=ISO-8859-1${Q}>`,
    '<title>Image Gallery</title>',
    `<meta name=${Q}generator${Q} content=${Q}Oren Talvik: Velvara${Q}>`,
    '',
    '<!--Include this rows in your header: START-->',
  ];
  if (style === LIGHTBOX) {
    lines.push(
      `<script type=${Q}text/javascript${Q} src=${Q}prototype.js${Q}></script>`,
      `<script type=${Q}text/javascript${Q} src=${Q}scriptaculous.js?load=effects,builder${Q}></script>`,
      `<script type=${Q}text/javascript${Q} src=${Q}lightbox.js${Q}></script>`,
      `<link rel=${Q}stylesheet${Q} href=${Q}lightbox.css${Q} type=${Q}text/css${Q} media=${Q}screen${Q}>`,
    );
  }
  lines.push(
    `<link rel=${Q}stylesheet${Q} href=${Q}library/ktvlr.css${Q} type=${Q}text/css${Q}>`,
    '<!--Include this rows in your header: END-->',
    '</head>',
    '',
    '<body>',
  );
  return lines;
}

function pagingCell(current, pages) {
  const file = (k) => `vlr${k === 1 ? '' : k - 1}.html`;
  const lines = ["<td id='pagingCell'>", `<span class=${Q}titlePages${Q}>Pages:</span>`];
  if (current > 1) lines.push(`<a id='linkPrev' href='${file(current - 1)}'>&laquo;&nbsp;Prev</a>`);
  for (let i = 1; i <= pages; i++) {
    lines.push(i === current
      ? `<span class=${Q}currentPage${Q}>${i}</span>`
      : `<a href=${Q}${file(i)}${Q} class=${Q}otherPage${Q}>${i}</a>`);
  }
  if (current < pages) lines.push(`<a id='linkNext' href='${file(current + 1)}'>Next&nbsp;&raquo;</a>`);
  lines.push('</td>', '</tr>');
  return lines;
}

function cell(style, image, settings) {
  const link = settings.addImageLinks ? image.link : '';
  const linkText = settings.addImageLinks ? image.linkText : '';
  const target = '_blank';
  const thumb = `thumbs/${image.base}.jpg`;
  const photo = `photos/${image.base}.jpg`;
  if (style === PLAIN_LINK) {
    if (!link) return [];
    return [
      `<!-- Image:${image.title} -->`,
      "<td class='tdImg'>",
      `<a href='${link}' target='${target}'>`,
      `<img class='eImage' alt=${Q}${image.title}${Q} title=${Q}${image.tooltip}${Q} src=${Q}${thumb}${Q}></a>`,
      `<p align=center><font class='tdTitle'>${image.title}</font></p>`,
      '</td>',
    ];
  }
  const inner = link ? ` <a class='linkDevalVr' href='${link}' target='${target}'>${linkText || '&gt;&gt;'}</a>` : '';
  return [
    `<!-- Image:${image.title} -->`,
    "<td class='tdImg'>",
    `<a href='${photo}' rel='lightbox[id0]' title=${Q}${image.title}${inner}${Q}>`,
    `<img class='eImage' alt=${Q}${image.title}${Q} title=${Q}${image.tooltip}${Q} src=${Q}${thumb}${Q}></a>`,
    `<p align=center><font class='tdTitle'>${image.title}${inner}</font></p>`,
    '</td>',
  ];
}

// images: [{ base, title, tooltip, link, linkText, width, height }]
// settings: { style, columns, rows, addImageLinks, webTitle }
// Returns the page file names in order.
export function writeGallery(folder, images, settings) {
  const { style, columns, rows } = settings;
  const per = columns * rows;
  const pages = Math.ceil(images.length / per);

  fs.mkdirSync(folder, { recursive: true });
  for (const [name, source] of Object.entries(debianScripts)) fs.copyFileSync(source, path.join(folder, name));
  const assets = path.join(env.sourceDir, 'assets', 'lightbox');
  fs.copyFileSync(path.join(assets, 'lightbox.js'), path.join(folder, 'lightbox.js'));
  fs.mkdirSync(path.join(folder, 'images'), { recursive: true });
  for (const name of ['close', 'closelabel', 'nextlabel', 'prevlabel', 'loading']) {
    fs.copyFileSync(path.join(assets, `${name}.gif`), path.join(folder, 'images', `${name}.gif`));
  }
  writeLines(path.join(folder, 'lightbox.css'), lightboxCss);
  writeLines(path.join(folder, 'library', 'ktvlr.css'), galleryCss);

  images.forEach((image, i) => {
    makeJpeg(path.join(folder, 'photos', `${image.base}.jpg`), image.width, image.height, i);
    const scale = Math.min(1, 100 / image.width, 100 / image.height);
    makeJpeg(path.join(folder, 'thumbs', `${image.base}.jpg`),
      Math.round(image.width * scale), Math.round(image.height * scale), i);
  });

  const names = [];
  let index = 0;
  for (let page = 1; page <= pages; page++) {
    const lines = [...head(style),
      '<!--Gallery START-->',
      "<div id='divVLR'>",
      `<table id=${Q}tblThumbsLayout${Q} cellpadding=${Q}0${Q} cellspacing=${Q}4${Q}>`,
      '<tr>',
      `<td id='topCell' colspan='${columns}'>`,
      `<table id='tblGalleryName' cellpadding=0 cellspacing=0 border=0 width=${Q}100%${Q}>`,
      '<tr>',
      `<td id='galleryNameCell'>${settings.webTitle}</td>`,
      ...(pages > 1 ? pagingCell(page, pages) : ['</tr>']),
      '</table>',
      '</td>',
      '</tr>',
    ];
    for (let row = 1; row <= rows && index < images.length; row++) {
      lines.push('<tr>');
      for (let column = 1; column <= columns && index < images.length; column++) {
        lines.push(...cell(style, images[index++], settings));
      }
      lines.push('</tr>');
    }
    lines.push('<tr>', `<td id='pnCell' colspan='${columns}'>`,
      "<a class='pn' href='https://velvara.example/'>Created using Velvara</a>",
      '</td>', '</tr>', '</table>', '</div>', '<!-- Gallery END -->', '</body>', '</html>');
    names.push(pageName(page, pages));
    writeLines(path.join(folder, names.at(-1)), lines);
  }
  return names;
}
