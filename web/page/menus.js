// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar built from the program's rows of it, in their order: each menu's button and under
// it its items, and the items that stand in the menu bar itself ("A propos"), each the element
// whose id is the row's name: a plain item, or a checkbox or a radio of a group for a screen
// reader, with its checked state in aria-checked. An item acts on a click even while its menu is closed (a script, a test or
// an assistive tool may click it); one that cannot act now is marked aria-disabled and does
// nothing. The menu bar is reached with Alt or F10 and walked with the arrows, a letter choosing
// the item whose access key it is, as in a desktop window. The menu bar raises "leave" when the
// focus should go back to the window. A view's rows (the graphs' view and its controls) are not
// the menu bar's: the view builds them (graph_view.js).

// The text with its access key underlined, the text itself unchanged.
export function labelWithAccessKey(element, text, index) {
  if (index < 0) {
    element.textContent = text;
    return;
  }
  const key = document.createElement('u');
  key.textContent = text[index];
  element.append(text.slice(0, index), key, text.slice(index + 1));
}

export function accessKeyOf(row) {
  return row.accessKey < 0 ? '' : row.text[row.accessKey].toLowerCase();
}

function menuButton(row) {
  const button = document.createElement('button');
  button.type = 'button';
  button.setAttribute('role', 'menuitem');
  button.setAttribute('aria-haspopup', 'menu');
  button.setAttribute('aria-expanded', 'false');
  button.tabIndex = -1;  // reached with Alt or F10, as a menu bar is
  return button;
}

// An item's role by its row's kind: a plain command, or a choice that is checked or not.
const ITEM_ROLES = { item: 'menuitem', checkable: 'menuitemcheckbox', exclusive: 'menuitemradio' };

function menuItem(row) {
  const item = document.createElement('button');
  item.type = 'button';
  item.setAttribute('role', ITEM_ROLES[row.kind]);
  if (row.kind !== 'item') item.setAttribute('aria-checked', 'false');
  item.tabIndex = -1;
  return item;
}

// The `rows` of the menu bar; `choose(row)` for an item chosen, and `enabled(row)`, whether an
// item can act now.
export function buildMenus(menuBar, rows, { choose, enabled }) {
  const popups = [];
  const items = new Map();  // name → its element
  const keys = new Map();   // element → its access key, in lower case
  const enabledOf = new Map();  // element → whether it can act now
  const containers = new Map();  // menu name → (group → the element its rows go into)

  const close = () => {
    for (const { button, popup } of popups) {
      popup.hidden = true;
      button.setAttribute('aria-expanded', 'false');
    }
  };
  const refreshEnabled = () => {
    for (const [element, row] of enabledOf) element.setAttribute('aria-disabled', String(!enabled(row)));
  };
  const open = ({ button, popup }) => {
    close();
    refreshEnabled();
    popup.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    popup.querySelector('[role^="menuitem"]')?.focus();
  };

  const views = new Set(rows.filter((row) => row.kind === 'view').map((row) => row.name));
  const inBar = rows.filter((row) => row.kind !== 'view' && !views.has(row.parent));
  for (const row of inBar) {
    let element;
    if (row.kind === 'menu') {
      element = menuButton(row);
      const popup = document.createElement('div');
      popup.setAttribute('role', 'menu');
      popup.id = `${row.name}-menu`;
      popup.className = 'menu-popup';
      popup.hidden = true;
      popup.setAttribute('aria-label', row.spokenName);
      element.setAttribute('aria-controls', popup.id);
      const holder = document.createElement('div');
      holder.className = 'menu';
      holder.append(element, popup);
      menuBar.append(holder);
      const menu = { button: element, popup };
      popups.push(menu);
      element.addEventListener('click', () => (popup.hidden ? open(menu) : close()));
      containers.set(row.name, new Map([['', popup]]));
    } else {
      element = menuItem(row);
      if (row.parent) {
        const containerOf = containers.get(row.parent);
        let container = containerOf.get(row.group);
        if (!container) {  // a group of exclusive items, apart from what stands above it
          container = document.createElement('div');
          container.setAttribute('role', 'group');
          container.className = 'menu-group';
          containerOf.get('').append(container);
          containerOf.set(row.group, container);
        }
        container.append(element);
        if (row.kind === 'item') enabledOf.set(element, row);
      } else {
        menuBar.append(element);  // an item of the menu bar itself
      }
      element.addEventListener('click', () => {
        if (enabledOf.has(element) && !enabled(row)) return;
        close();
        // Chosen from the menu bar: the focus goes back to the window, as on the desktop.
        if (menuBar.contains(document.activeElement)) menuBar.dispatchEvent(new CustomEvent('leave'));
        choose(row);
      });
    }
    element.id = row.name;
    labelWithAccessKey(element, row.text, row.accessKey);
    if (row.spokenName) element.setAttribute('aria-label', row.spokenName);
    if (row.spokenDescription) element.setAttribute('aria-description', row.spokenDescription);
    items.set(row.name, element);
    keys.set(element, accessKeyOf(row));
  }

  const topLevel = () => [...menuBar.querySelectorAll(':scope > button, :scope > .menu > button')];
  const step = (list, from, by) => list[(list.indexOf(from) + by + list.length) % list.length];
  menuBar.addEventListener('keydown', (event) => {
    const target = event.target;
    const popup = target.closest('.menu-popup');
    const tops = topLevel();
    const across = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
    if (!popup) {
      const menu = popups.find((entry) => entry.button === target);
      if (across) step(tops, target, across).focus();
      else if (menu && ['ArrowDown', 'Enter', ' '].includes(event.key)) open(menu);
      else if (event.key === 'Escape') menuBar.dispatchEvent(new CustomEvent('leave'));
      else return;
      event.preventDefault();
      return;
    }
    const entries = [...popup.querySelectorAll('[role^="menuitem"]')];
    const owner = popups.find((entry) => entry.popup === popup).button;
    const down = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    const keyed = entries.find((entry) => keys.get(entry) === event.key.toLowerCase());
    if (down) step(entries, target, down).focus();
    else if (across) {
      close();
      step(tops, owner, across).focus();
    } else if (event.key === 'Escape') {
      close();
      owner.focus();
    } else if (keyed && !event.altKey && !event.ctrlKey) keyed.click();
    else return;
    event.preventDefault();
  });
  // A press anywhere else closes the open menu, as on the desktop.
  document.addEventListener('pointerdown', (event) => {
    if (!event.target.closest?.('.menu')) close();
  });

  return {
    // Alt and a menu's access key opens that menu.
    openByKey(key) {
      const menu = popups.find(({ button }) => keys.get(button) === key.toLowerCase());
      if (menu) open(menu);
      return Boolean(menu);
    },
    // Shows the program's choices: which items are checked, by their rows' places ("0110...").
    showChecked(checked) {
      rows.forEach((row, index) => {
        if (items.has(row.name) && (row.kind === 'checkable' || row.kind === 'exclusive'))
          items.get(row.name).setAttribute('aria-checked', String(checked[index] === '1'));
      });
    },
    // Marks again which items can act now, as the program's state changed.
    refreshEnabled,
    firstMenu: popups[0]?.button,
  };
}
