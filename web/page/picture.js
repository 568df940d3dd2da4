// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing, and the graphs beside it, as one PNG picture for a report. Each SVG is copied with
// the colours, widths and fonts that the page's style gives it written on its elements, since an
// SVG drawn as a picture sees no style sheet, then drawn side by side onto a canvas at `scale`
// times its size at the window's own scale. Its lines keep their width on the screen (they do
// not scale with the drawing): in the picture they are `scale` times as wide, as all else.

const STYLED = ['fill', 'fill-opacity', 'stroke', 'stroke-width', 'stroke-dasharray', 'stroke-linejoin', 'display',
                'font-family', 'font-size', 'font-weight', 'letter-spacing', 'text-anchor', 'dominant-baseline'];

// A copy of the SVG that draws alone as it is shown, `width` by `height` pixels over its back.
function standalone(svg, width, height, scale) {
  const copy = svg.cloneNode(true);
  const shown = [svg, ...svg.querySelectorAll('*')];
  [copy, ...copy.querySelectorAll('*')].forEach((element, index) => {
    const style = getComputedStyle(shown[index]);
    for (const name of STYLED) element.style.setProperty(name, style.getPropertyValue(name));
    if (style.getPropertyValue('vector-effect') === 'non-scaling-stroke')
      element.style.setProperty('stroke-width', `${parseFloat(style.strokeWidth) * scale}px`);
  });
  const back = document.createElementNS(svg.namespaceURI, 'rect');
  const box = svg.viewBox.baseVal;
  for (const [name, value] of Object.entries({ x: box.x, y: box.y, width: box.width, height: box.height }))
    back.setAttribute(name, value);
  back.setAttribute('fill', getComputedStyle(svg).backgroundColor);
  copy.prepend(back);
  copy.setAttribute('width', width);
  copy.setAttribute('height', height);
  copy.removeAttribute('style');
  return copy;
}

function image(svg) {
  const picture = new Image();
  picture.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(new XMLSerializer().serializeToString(svg))}`;
  return picture.decode().then(() => picture);
}

// The SVGs side by side, each at `scale` times its viewBox in `twipsPerPixel`, as PNG bytes.
export async function picture(svgs, scale, twipsPerPixel) {
  const sizes = svgs.map((svg) => [svg.viewBox.baseVal.width, svg.viewBox.baseVal.height].map((twips) => Math.round((twips / twipsPerPixel) * scale)));
  const canvas = document.createElement('canvas');
  canvas.width = sizes.reduce((sum, [width]) => sum + width, 0);
  canvas.height = Math.max(...sizes.map(([, height]) => height));
  const context = canvas.getContext('2d');
  let left = 0;
  for (const [index, svg] of svgs.entries()) {
    const [width, height] = sizes[index];
    context.drawImage(await image(standalone(svg, width, height, scale)), left, 0, width, height);
    left += width;
  }
  const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  return new Uint8Array(await blob.arrayBuffer());
}
