// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A message box modal to the page: a <dialog> with its title, its text, the information or
// critical icon and one OK button, closed by a click, Return, Space or Escape. It stands below
// the drawing, over the buttons' column, where it hides neither the drawing nor a current value
// when the window is large enough for that; the browser centres it otherwise.
import { placeBox } from './box_placement.js';

// The icons by the names of the program's message styles.
export const ICONS = {
  Information: '<circle cx="16" cy="16" r="15" fill="#1f5fbf"/><rect x="14" y="13" width="4" height="12" fill="#fff"/><circle cx="16" cy="8.5" r="2.4" fill="#fff"/>',
  Critical: '<circle cx="16" cy="16" r="15" fill="#c42b1c"/><path d="M10 10 L22 22 M22 10 L10 22" stroke="#fff" stroke-width="3.5" stroke-linecap="round"/>',
};

let boxCount = 0;

// `style` is the program's number for the box's style, and `styleName` its name; `program` and
// `placement` (the window, what to keep clear, the buttons' column) place the box.
export function showMessageBox(text, title, { style, styleName, program, placement }) {
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
  icon.innerHTML = ICONS[styleName] ?? ICONS.Information;
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
    if (placement) placeBox(program, dialog, placement);
    ok.focus();
  });
}
