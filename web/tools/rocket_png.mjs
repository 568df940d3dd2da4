// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rocket as PNG images, from the window icon's own XPM picture: each pixel of the picture
// becomes a square of pixels, so that every size shows the same rocket.
import { deflateSync } from 'node:zlib';

// Reads an XPM picture (one character per pixel): its width, height and RGBA pixels.
export function readXpm(text) {
  const rows = [...text.matchAll(/"([^"]*)"/g)].map((match) => match[1]);
  const [width, height, colourCount] = rows[0].trim().split(/\s+/).map(Number);
  const colours = new Map();
  for (const row of rows.slice(1, 1 + colourCount)) {
    const value = row.slice(1).trim().split(/\s+/)[1];
    colours.set(row[0], value === 'None' ? [0, 0, 0, 0]
      : [1, 3, 5].map((at) => parseInt(value.slice(at, at + 2), 16)).concat(255));
  }
  const pixels = rows.slice(1 + colourCount, 1 + colourCount + height);
  return { width, height, rgba: (x, y) => colours.get(pixels[y][x]) };
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = CRC_TABLE[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

// The picture as a PNG of `size` × `size` pixels (a whole multiple of the picture's size).
export function pngOf(picture, size) {
  const scale = size / picture.width;
  const raw = Buffer.alloc(size * (1 + 4 * size));
  for (let y = 0; y < size; ++y) {
    const row = y * (1 + 4 * size);
    for (let x = 0; x < size; ++x)
      Buffer.from(picture.rgba(Math.floor(x / scale), Math.floor(y / scale))).copy(raw, row + 1 + 4 * x);
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8 bits, RGBA, no interlace
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}
