#!/usr/bin/python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Virenast window as a screen reader does, over AT-SPI with pyatspi (the
library Orca uses): presses "Réinitialiser le graphique" through its action, then checks that
each result, each input box and the time step's scroll bar give their caption and their value,
and that the items of the menu "Affichage" give their name and whether they are checked.
Exits 0 when every check holds, 1 otherwise; prints what it heard."""
import sys
import time

import pyatspi


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    return None


def walk(accessible):
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def text_of(accessible):
    try:
        text = accessible.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def value_of(accessible):
    try:
        return accessible.queryValue().currentValue
    except NotImplementedError:
        return None


MENU_ITEM_ROLES = (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM)


def main():
    application = find_application("virenast", 30)
    if application is None:
        print("no application named virenast on the AT-SPI bus")
        return 1
    everything = list(walk(application))
    by_name = {}
    for accessible in everything:
        by_name.setdefault(accessible.name, []).append(accessible)

    reset = [a for a in by_name.get("Réinitialiser le graphique", []) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if not reset:
        print("no button 'Réinitialiser le graphique'")
        return 1
    reset[0].queryAction().doAction(0)
    time.sleep(1)

    failures = []

    def expect(caption, value, role=None):
        candidates = [a for a in by_name.get(caption, []) if role is None or a.getRole() == role]
        heard = [text_of(a) for a in candidates]
        print(f"{caption!r}: {heard}")
        if value not in heard:
            failures.append(f"{caption!r} gives {heard}, not {value!r}")

    # The results after a reset with the default texts under a French locale (the elapsed time
    # is not written by a reset), and each result's caption label, which reads its own caption.
    expect("Distance corps1 corps [UA]", "0,5")
    expect("Distance corps2 corps [UA]", "0,707106781186548")
    expect("Action corps1 corps [N]", "0,00622222222222222")
    expect("Action corps2 corps [N]", "0,00311111111111111")
    expect("Temps courant [années]", "0")
    # Input boxes: caption as the name, the typed text as the text.
    expect("Corps céleste 1, constante de gravitation [10^4km3/s²]", "3500", pyatspi.ROLE_TEXT)
    expect("Corps céleste 2, position x [UA]", "1,8", pyatspi.ROLE_TEXT)
    expect("Corps valeurs initiales, vitesse x [m/s]", "1900", pyatspi.ROLE_TEXT)
    expect("Corps valeurs courantes, position y [UA]", "1,5", pyatspi.ROLE_TEXT)
    expect("Nombre d'années de calcul", "10", pyatspi.ROLE_TEXT)

    scroll_bars = [a for a in by_name.get("Finesse du calcul", []) if a.getRole() == pyatspi.ROLE_SCROLL_BAR]
    hours = [value_of(a) for a in scroll_bars]
    descriptions = [a.description for a in scroll_bars]
    print(f"'Finesse du calcul': {hours} {descriptions}")
    if hours != [1.0] or "heures" not in "".join(descriptions):
        failures.append(f"the scroll bar gives {hours} {descriptions}, not 1 hour")

    # The menu "Affichage": each item by its name, with whether it is checked, menu closed.
    def checked(name):
        items = [a for a in by_name.get(name, []) if a.getRole() in MENU_ITEM_ROLES]
        states = [a.getState().contains(pyatspi.STATE_CHECKED) for a in items]
        print(f"{name!r}: checked {states}")
        return states

    for name, expected in (("Trajectoire", True), ("Vitesse maximale", True), ("1 an en 5 secondes", False),
                           ("1 an en 20 secondes", False), ("1 an en 1 minute", False)):
        if checked(name) != [expected]:
            failures.append(f"the menu item {name!r} is not heard {'checked' if expected else 'unchecked'}")

    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(failures) == 0 and 'every value heard' or str(len(failures)) + ' values not heard'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
