// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus of the menu bar ("Fichier", "Affichage"), each built from the program's rows of it:
// the menu's button, and under it its items, each the element whose id is the row's name: a
// plain item, or a checkbox or a radio of a group for a screen reader, with its checked state
// in aria-checked. An item acts on a click even while its menu is closed (a script, a test or
// an assistive tool may click it); one that cannot act now is marked aria-disabled and does
// nothing. The menu bar is reached with Alt or F10 and walked with the arrows, a letter choosing
// the item whose access key it is, as in a desktop window. The menu bar raises "leave" when the
// focus should go back to the window.

// The text with its access key underlined, the text itself unchanged.
function labelWithAccessKey(element, text, index) {
  if (index < 0) {
    element.textContent = text;
    return;
  }
  const key = document.createElement('u');
  key.textContent = text[index];
  element.append(text.slice(0, index), key, text.slice(index + 1));
}

function accessKeyOf(row) {
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

// Each menu: its `rows`, the element of the menu bar it stands `before` (null: at the end),
// `choose(row)` for an item chosen, and `enabled(row)`, whether an item can act now (always,
// when it is not given).
export function buildMenus(menuBar, menus) {
  const popups = [];
  const items = new Map();  // name → its element
  const keys = new Map();   // element → its access key, in lower case
  const enabledOf = new Map();  // element → whether it can act now
  let containerOf = null;   // the element the rows of the current menu go into

  const close = () => {
    for (const { button, popup } of popups) {
      popup.hidden = true;
      button.setAttribute('aria-expanded', 'false');
    }
  };
  const refreshEnabled = () => {
    for (const [element, enabled] of enabledOf) element.setAttribute('aria-disabled', String(!enabled()));
  };
  const open = ({ button, popup }) => {
    close();
    refreshEnabled();
    popup.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    popup.querySelector('[role^="menuitem"]')?.focus();
  };

  const allRows = menus.flatMap(({ rows, ...menu }) => rows.map((row) => ({ row, ...menu })));
  for (const { row, before, choose, enabled } of allRows) {
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
      menuBar.insertBefore(holder, before);
      const menu = { button: element, popup };
      popups.push(menu);
      element.addEventListener('click', () => (popup.hidden ? open(menu) : close()));
      containerOf = new Map([['', popup]]);
    } else {
      element = menuItem(row);
      const group = row.group ?? '';
      let container = containerOf.get(group);
      if (!container) {  // a group of exclusive items, apart from what stands above it
        container = document.createElement('div');
        container.setAttribute('role', 'group');
        container.className = 'menu-group';
        containerOf.get('').append(container);
        containerOf.set(group, container);
      }
      container.append(element);
      const canAct = enabled ? () => enabled(row) : () => true;
      if (enabled) enabledOf.set(element, canAct);
      element.addEventListener('click', () => {
        if (!canAct()) return;
        close();
        // Chosen from the menu bar: the focus goes back to the window, as on the desktop.
        if (menuBar.contains(document.activeElement)) menuBar.dispatchEvent(new CustomEvent('leave'));
        choose(row);
      });
    }
    element.id = row.name;
    labelWithAccessKey(element, row.text, row.accessKey);
    element.setAttribute('aria-label', row.spokenName);
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
    // Shows the program's choices: which items are checked.
    showChecked(checked) {
      for (const [name, state] of Object.entries(checked)) items.get(name)?.setAttribute('aria-checked', String(state));
    },
    // Marks again which items can act now, as the program's state changed.
    refreshEnabled,
    firstMenu: popups[0]?.button,
  };
}
