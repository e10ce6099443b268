#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the program's window through AT-SPI and checks what a screen reader would hear.

Usage: atspi_tree.py menu|activity|who|held|placed|quiz|page|wizard|results_es; exits 1 with the differences
       on failure.
       atspi_tree.py listen SECONDS: prints the names announced as changed meanwhile, and the name
       and description of each object that takes the focus."""
import sys
import time

import pyatspi


def window(name):
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for frame in app:
                if frame is not None and frame.name == name and \
                        frame.getState().contains(pyatspi.STATE_ACTIVE):
                    return frame
        time.sleep(0.2)
    sys.exit(f"no active window named '{name}' on the accessibility bus")


def controls(node, descriptions=None):
    """(role, name, enabled) of every object under node, depth first; their descriptions are
    added to descriptions when given."""
    found = []
    for child in node:
        if child is None:
            continue
        found.append((child.getRoleName(), child.name,
                      child.getState().contains(pyatspi.STATE_ENABLED)))
        if descriptions is not None:
            descriptions.append(child.description or "")
        found.extend(controls(child, descriptions))
    return found


GREYED = ["Galileo's Telescope", "Galileo's Experiments", "Tycho and Kepler",
          "Kepler and the Planets", "Sir Isaac Newton", "Gravity", "Magnetism", "Atoms",
          "Nuclear Forces"]
MENU = ["Teachers' Guide", "Introduction", "Electricity", "Michael Faraday",
        "Multiple Choice Wizard", "Worksheet Catalogue", "Class Results", "Acknowledgments",
        "Exit"]

# Target boxes are named by what they stand for.
BATTERY_BOX = "Box 1 of 4, beside the orange part marked plus and minus on the left of the circuit"
BULB_BOX = "Box 4 of 4, beside the glass globe at the top right of the circuit"

EXPECTED = {
    "menu": [("push button", n, True) for n in MENU] +
            [("push button", n, False) for n in GREYED] +
            [("radio button", "Sound On", True), ("radio button", "Sound Off", True),
             ("check box", "Read to me", True)],
    "activity": [("push button", n, True) for n in
                 ["battery", "switch", "wire", "bulb", "Start Again", "Exit"]] +
                [("label", f"{BATTERY_BOX}: empty", True), ("label", "Start box 2 of 4: switch", True),
                 ("push button", "Circuit switch: off", True)],
    "who": [("push button", "Play", False), ("push button", "Skip", True),
            ("combo box", "Your first name", True)],
    "held": [("push button", "switch, picked up", True)],
    "placed": [("push button", "switch", True), ("label", f"{BULB_BOX}: switch", True),
               ("label", "Start box 2 of 4: empty", True)],
    "page": [],
    "quiz": [("radio button", "A: Stores light for the bulb", True),
             ("radio button", "D: Keeps the wires cool", True)],
    "results_es": [("push button", "Imprimir diploma", True), ("push button", "Salir", True),
                   ("label", "¡Muy bien!", True),
                   ("label", "¡Excelente trabajo! Has acertado 10 de 10.", True)],
    "wizard": [("text", "Question 3", True), ("text", "Question 3, answer B", True),
               ("check box", "Question 3, answer B is right", True)],
}

# Words the window's or some object's description must hold.
DESCRIBED = {"page": "Electricity can only flow round a complete circuit.",
             "activity": "Drag the labels into the correct boxes to label the parts",
             "quiz": "Question 1: What does the cell do in a circuit?"}

# Each window is named by the screen it shows.
WINDOWS = {"menu": "Main menu", "who": None, "activity": "Electricity labelling activity",
           "quiz": "Electricity quiz", "page": "Electricity Key Facts",
           "wizard": "Multiple Choice Wizard", "results_es": "Resultados"}

# Pictures that only decorate are not in the tree.
ABSENT_ROLES = {"menu": {"image", "filler", "panel"}}


def listen(seconds):
    from gi.repository import GLib

    def changed(event):
        print(event.source.name, flush=True)

    def focused(event):
        if event.detail1:
            print(event.source.name, event.source.description, sep="\n", flush=True)

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


def main():
    which = sys.argv[1]
    if which == "listen":
        listen(float(sys.argv[2]))
        return
    for attempt in range(20):
        screen = WINDOWS.get(which, WINDOWS["activity"])
        frame = window(f"Quorvel: {screen}" if screen else "Who is playing?")
        descriptions = [frame.description or ""]
        found = controls(frame, descriptions)
        missing = [e for e in EXPECTED[which] if e not in found]
        words = DESCRIBED.get(which)
        if words and not any(words in d for d in descriptions):
            missing.append(("description", words))
        extra = [f for f in found if f[0] in ABSENT_ROLES.get(which, set())]
        if not missing and not extra:
            print(f"{which}: {len(found)} objects read")
            return
        time.sleep(0.3)
    for e in missing:
        print(f"missing {e}", file=sys.stderr)
    for f in extra:
        print(f"decorative object in the tree: {f}", file=sys.stderr)
    print("read:", *found, sep="\n  ", file=sys.stderr)
    sys.exit(1)


main()
