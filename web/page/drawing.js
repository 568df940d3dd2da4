// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program draws over the drawing area besides its circles and lines (the body's path),
// as SVG under them: one element for each of the program's shapes, keyed by the shape's id,
// coloured by its role. The program hands over only what changed: a shape anew, the points a
// path gained, or a shape gone. A path that grows gets its new points in pieces of a few hundred,
// each its own <path>, so that neither adding to it nor painting a part of the drawing costs
// more as the path grows.
const SVG = 'http://www.w3.org/2000/svg';

// How many points a piece of a growing path holds before the next piece starts.
const PIECE_POINTS = 256;
// What the program says of each shape: see WebPlatform::handOverDrawing.
const FIELDS = 9;
const [ANEW, ADDED, GONE] = [0, 1, 2];
// Sizes in twips, at 15 to a pixel: an arrow's head of 9 pixels, the bar across a cut one, a
// dot's radius, an 11-pixel font.
const ARROW_HEAD = 135;
const CUT_BAR = 90;
const DOT_RADIUS = 45;
const FONT_SIZE = 165;
const TWIPS_PER_PIXEL = 15;

function pathData(points, from = 0, close = false) {
  const parts = [];
  for (let i = from; i + 1 < points.length; i += 2) parts.push(`${i > from ? 'L' : 'M'}${points[i]} ${points[i + 1]}`);
  return parts.join('') + (close ? 'Z' : '');
}

function element(name, attributes = {}) {
  const made = document.createElementNS(SVG, name);
  for (const [attribute, value] of Object.entries(attributes)) made.setAttribute(attribute, value);
  return made;
}

// A line of 1.5 pixels at any scale.
const path = (d, attributes = {}) => element('path', { d, 'vector-effect': 'non-scaling-stroke', ...attributes });

// An arrow's shaft and head, from (x1, y1) to (x2, y2); a cut arrow's bar across its end.
function arrowData([x1, y1, x2, y2], cut) {
  const length = Math.hypot(x2 - x1, y2 - y1);
  if (length === 0) return { shaft: `M${x1} ${y1}` };  // a vector of zero: where it stands, nothing drawn
  const [ux, uy] = [(x1 - x2) / length, (y1 - y2) / length];
  const shaft = `M${x1} ${y1}L${x2} ${y2}`;
  if (cut) return { shaft: `${shaft}M${x2 - uy * CUT_BAR} ${y2 + ux * CUT_BAR}L${x2 + uy * CUT_BAR} ${y2 - ux * CUT_BAR}` };
  const head = Math.min(ARROW_HEAD, length);
  const side = (angle) => {
    const [c, s] = [Math.cos(angle), Math.sin(angle)];
    return `${x2 + head * (ux * c - uy * s)} ${y2 + head * (ux * s + uy * c)}`;
  };
  const turn = (25 * Math.PI) / 180;
  return { shaft, head: `M${x2} ${y2}L${side(turn)}L${side(-turn)}Z` };
}

export class Drawing {
  // `svg` is the drawing area; the shapes go into a group under what it already holds.
  constructor(svg, description) {
    this.group = element('g', { class: 'drawing', 'stroke-width': '1.5', 'stroke-linejoin': 'round' });
    svg.prepend(this.group);
    this.kinds = description.drawnKinds;
    this.roles = description.drawnRoles;
    this.styles = description.lineStyles;
    this.shapes = new Map();  // id → { element, kind, role, style, piece: the points of its last piece }
    this.palette = {};
  }

  // What the program handed over: `header` holds FIELDS numbers a shape, `points` their twips,
  // `text(start, length)` their texts.
  apply(header, points, text) {
    for (let at = 0; at < header.length; at += FIELDS) {
      const [id, kind, role, style, handing, start, count, textStart, textLength] = header.subarray(at, at + FIELDS);
      const own = points.subarray(start, start + count);
      if (handing === GONE) this.remove(id);
      else if (handing === ADDED) this.add(this.shapes.get(id), own);
      else this.draw(id, this.kinds[kind], this.roles[role], this.styles[style], own, text(textStart, textLength));
    }
  }

  remove(id) {
    this.shapes.get(id)?.element.remove();
    this.shapes.delete(id);
  }

  draw(id, kind, role, style, points, text) {
    const shape = { kind, role, style, element: element('g', { 'data-role': role, 'data-kind': kind }) };
    const old = this.shapes.get(id);
    if (old) old.element.replaceWith(shape.element);
    else this.group.append(shape.element);
    this.shapes.set(id, shape);
    if (style === 'Dashed') shape.element.setAttribute('stroke-dasharray', '4 3');
    switch (kind) {
      case 'Polyline':
        if (points.length) shape.element.append(path(pathData(points)));
        shape.piece = Infinity;  // the first points added start a piece of their own
        break;
      case 'Polygon':
        shape.element.append(path(pathData(points, 0, true)));
        break;
      case 'Arrow':
      case 'CutArrow': {
        const { shaft, head } = arrowData(points, kind === 'CutArrow');
        shape.element.append(path(shaft));
        if (head) shape.element.append(path(head, { class: 'head' }));
        break;
      }
      case 'Dots':
        for (let i = 0; i + 1 < points.length; i += 2)
          shape.element.append(element('circle', { cx: points[i], cy: points[i + 1], r: DOT_RADIUS }));
        break;
      case 'Text': {
        const words = element('text', {
          x: points[0], y: points[1], 'font-size': FONT_SIZE, 'text-anchor': 'middle', 'dominant-baseline': 'central',
        });
        words.textContent = text;
        shape.element.append(words);
        break;
      }
    }
    this.colour(shape);
  }

  // Points added at the end of a path, the first of them its last point so far.
  add(shape, points) {
    if (!shape) return;
    let piece = shape.element.lastElementChild;
    if (!piece || shape.piece + points.length / 2 > PIECE_POINTS) {
      piece = path(pathData(points));
      shape.element.append(piece);
      shape.piece = 0;
    } else {
      piece.setAttribute('d', piece.getAttribute('d') + pathData(points, 2).replace(/^M/, 'L'));
    }
    shape.piece += points.length / 2;
  }

  // The colours of every role, from the program's palette ({ CurrentPath: "#...", widths: {...},
  // fillOpacity }).
  setColours(palette) {
    this.palette = palette;
    for (const shape of this.shapes.values()) this.colour(shape);
  }

  colour(shape) {
    const { palette } = this;
    const colour = palette[shape.role] ?? 'currentColor';
    const width = palette.widths?.[shape.role];
    const set = (name, value) => (value === undefined ? shape.element.removeAttribute(name) : shape.element.setAttribute(name, value));
    const filled = { Polygon: colour, Dots: colour, Text: colour }[shape.kind] ?? 'none';
    set('fill', filled);
    set('fill-opacity', shape.kind === 'Polygon' ? palette.fillOpacity : undefined);
    set('stroke', shape.kind === 'Dots' || shape.kind === 'Text' ? 'none' : colour);
    set('stroke-width', shape.kind === 'Polygon' ? 1 : width);
    if (shape.kind === 'Dots' && width)
      for (const dot of shape.element.children) dot.setAttribute('r', width * TWIPS_PER_PIXEL);
    for (const head of shape.element.querySelectorAll('.head')) head.setAttribute('fill', colour);
  }
}
