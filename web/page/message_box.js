// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A message box modal to the page: a <dialog> with its title, its text, the information or
// critical icon and one OK button, closed by a click, Return, Space or Escape. It stands below
// the drawing, over the buttons' column, where it hides neither the drawing nor a current value
// when the window is large enough for that; the browser centres it otherwise.
'use strict';

const ICONS = {
  64: '<circle cx="16" cy="16" r="15" fill="#1f5fbf"/><rect x="14" y="13" width="4" height="12" fill="#fff"/><circle cx="16" cy="8.5" r="2.4" fill="#fff"/>',
  16: '<circle cx="16" cy="16" r="15" fill="#c42b1c"/><path d="M10 10 L22 22 M22 10 L10 22" stroke="#fff" stroke-width="3.5" stroke-linecap="round"/>',
};

let boxCount = 0;

// Just below the drawing, over the buttons' column; or as low as the page allows there.
function placeBox(dialog, keepClear, column) {
  const box = dialog.getBoundingClientRect();
  const columnBox = column.getBoundingClientRect();
  const left = columnBox.left + columnBox.width / 2 - box.width / 2;
  const clear = (top) => {
    const wanted = { left, top, right: left + box.width, bottom: top + box.height };
    const overlaps = (element) => {
      const other = element.getBoundingClientRect();
      return !(wanted.right <= other.left || wanted.left >= other.right || wanted.bottom <= other.top
        || wanted.top >= other.bottom);
    };
    return wanted.left >= 0 && wanted.top >= 0 && wanted.right <= innerWidth && wanted.bottom <= innerHeight
      && !keepClear.some(overlaps);
  };
  const top = [keepClear[0].getBoundingClientRect().bottom + 4, innerHeight - box.height].find(clear);
  if (top === undefined) return;  // the browser's place: the middle of the page
  dialog.style.margin = '0';
  dialog.style.left = `${left}px`;
  dialog.style.top = `${top}px`;
}

function showMessageBox(text, title, style, placement) {
  const id = `box${++boxCount}`;
  const dialog = document.createElement('dialog');
  dialog.className = 'message-box';
  dialog.setAttribute('role', 'alertdialog');
  dialog.setAttribute('aria-labelledby', `${id}-title`);
  dialog.setAttribute('aria-describedby', `${id}-text`);
  dialog.dataset.style = String(style);
  const titleBar = document.createElement('div');
  titleBar.className = 'title-bar';
  titleBar.id = `${id}-title`;
  titleBar.textContent = title;
  const body = document.createElement('div');
  body.className = 'body';
  const icon = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  icon.setAttribute('viewBox', '0 0 32 32');
  icon.setAttribute('aria-hidden', 'true');
  icon.classList.add('icon');
  icon.innerHTML = ICONS[style] ?? ICONS[64];
  const message = document.createElement('p');
  message.id = `${id}-text`;
  message.textContent = text;
  body.append(icon, message);
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => dialog.close());
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  buttons.append(ok);
  dialog.append(titleBar, body, buttons);
  document.body.append(dialog);
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve();
    }, { once: true });
    dialog.showModal();
    if (placement) placeBox(dialog, placement.keepClear, placement.column);
    ok.focus();
  });
}
