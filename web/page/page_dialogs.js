// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own small dialogs for the menu "Fichier", in the look of the message boxes: a text
// (the scenario's link, the measurements, the table) shown to be copied by hand where the browser
// refuses the clipboard, and the question of which steps to save. What they show goes in as text and values only.

let dialogCount = 0;

// A modal <dialog> with its title bar, a body and the buttons; `buttons` are [text, value] of
// a form that closes it, the first the default. Resolves with the value of the button pressed,
// or '' when Escape closed it.
function showDialog(title, body, buttons, first) {
  const id = `page-dialog${++dialogCount}`;
  const dialog = document.createElement('dialog');
  dialog.className = 'message-box page-dialog';
  dialog.setAttribute('aria-labelledby', `${id}-title`);
  const titleBar = document.createElement('div');
  titleBar.className = 'title-bar';
  titleBar.id = `${id}-title`;
  titleBar.textContent = title;
  const form = document.createElement('form');
  form.method = 'dialog';
  body.classList.add('body');
  const buttonRow = document.createElement('div');
  buttonRow.className = 'buttons';
  for (const [text, value] of buttons) {
    const button = document.createElement('button');
    button.value = value;
    button.textContent = text;
    if (value === '') {  // a way out that asks nothing of the form
      button.type = 'button';
      button.addEventListener('click', () => dialog.close(''));
    }
    buttonRow.append(button);
  }
  form.append(body, buttonRow);
  dialog.append(titleBar, form);
  document.body.append(dialog);
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve(dialog.returnValue);
    }, { once: true });
    dialog.returnValue = '';
    dialog.showModal();
    (first ?? buttonRow.firstElementChild).focus();
  });
}

// Shows a text selected in a read-only box, for Ctrl+C: a link on one line under its caption, a
// table of several lines in a box of its own (`caption` may be '').
export async function showTextToCopy(title, caption, text) {
  const body = document.createElement('label');
  body.className = 'body text-to-copy';
  const words = document.createElement('span');
  words.textContent = caption;
  const box = document.createElement(text.includes('\n') ? 'textarea' : 'input');
  if (box.localName === 'input') box.type = 'text';
  else box.wrap = 'off';
  box.readOnly = true;
  box.value = text;
  box.spellcheck = false;
  if (!caption) box.setAttribute('aria-label', title);
  body.append(...(caption ? [words] : []), box);
  box.addEventListener('focus', () => box.select());
  await showDialog(title, body, [['OK', 'ok']], box);
}

// Asks every how many steps to save a row, every step by default, in the program's words
// (`everyNthStepBefore`, `everyNthStepAfter`). Resolves with that whole number, or null when
// the user cancels.
export async function askEveryNthStep(title, { everyNthStepBefore, everyNthStepAfter }) {
  const body = document.createElement('label');
  body.className = 'body every-nth';
  const before = document.createElement('span');
  before.textContent = everyNthStepBefore;
  const box = document.createElement('input');
  box.type = 'number';
  box.required = true;
  box.min = '1';
  box.max = String(2 ** 31 - 1);
  box.step = '1';
  box.value = '1';
  const after = document.createElement('span');
  after.textContent = everyNthStepAfter;
  body.append(before, box, after);
  const answer = await showDialog(title, body, [['Enregistrer', 'save'], ['Annuler', '']], box);
  return answer === 'save' ? Number(box.value) : null;
}
