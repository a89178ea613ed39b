// Real JPEG files for test galleries, drawn by ImageMagick's convert.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

const colours = ['#c0392b', '#2980b9', '#27ae60', '#8e44ad', '#d35400', '#16a085', '#2c3e50', '#f39c12'];

// Writes a width x height JPEG to file: a two-colour gradient with a band of
// stripes, so that each photo looks different and scaling shows.
export function makeJpeg(file, width, height, seed = 0) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  const from = colours[seed % colours.length];
  const to = colours[(seed + 3) % colours.length];
  execFileSync('convert', [
    '-size', `${width}x${height}`, `gradient:${from}-${to}`,
    '-fill', 'white', '-draw', `rectangle 0,${Math.floor(height / 3)} ${Math.floor(width / (seed + 2))},${Math.floor(height / 2)}`,
    '-quality', '85', file,
  ]);
}

// Source photos as a user would add them to a project.
export function makeSourcePhotos(folder, sizes) {
  return sizes.map(([width, height], i) => {
    const file = path.join(folder, `IMG_${String(i + 1).padStart(2, '0')}.jpg`);
    makeJpeg(file, width, height, i);
    return file;
  });
}
