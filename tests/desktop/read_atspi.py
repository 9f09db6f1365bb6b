# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the resistances window on the AT-SPI bus and checks what a screen
reader would announce: every control's name and each readout's text."""
import sys
import time

import pyatspi

EXPECTED_NAMES = [
    "Les valeurs normalisées :", "Résistance à couche carbone :",
    "Résistance à couche métalique :", "Multiples ou décades :",
    "Choisir la série :", "Choisir le nombre de bandes :",
    "Série E12", "Série E24", "Série E48", "Série E96", "Choisir la décades",
    "1er valeur", "2ème valeur", "3ème valeur", "3) Multiplicateur", "4) Multiplicateur",
    "4) Tolérence", "5) Tolérence", "6) Temp. Coeff.",
    "E12", "E24", "E48", "E96", "4 bandes", "5 bandes", "6 bandes",
    "bande 1 : MARRON", "bande 2 : NOIR", "bande 3 : NOIR", "bande 3 : or (image)",
    "bande 4 : or (image)", "bande 5 : ROUGE", "bande 6 : aucune (image)",
]

# Readouts: name, text, how many (both panels have some of the same).
EXPECTED_READOUTS = [
    ("1er valeur, bande 1", "1", 2),
    ("2ème valeur, bande 2", "0", 2),
    ("3) Multiplicateur, bande 3", "x0,1", 1),
    ("4) Tolérence, bande 4", "±5%", 1),
    ("3ème valeur, bande 3", "0", 1),
    ("4) Multiplicateur, bande 4", "x0,1", 1),
    ("5) Tolérence, bande 5", "±2%", 1),
    ("6) Temp. Coeff., bande 6", "", 1),
]


def find_application(timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.name == "resistances" \
                    and application.childCount > 0:
                return application
        time.sleep(0.2)
    return None


# The seven radio buttons and which are checked: at start-up, after E24 (which
# also takes four bands), then after six bands (which drops E24: no series).
RADIO_BUTTONS = ["E12", "E24", "E48", "E96", "4 bandes", "5 bandes", "6 bandes"]
CHECKED_AFTER = [
    (None, {"E48", "5 bandes"}),
    ("E24", {"E24", "4 bandes"}),
    ("6 bandes", {"6 bandes"}),
]


def walk(node, found, nodes=None):
    try:
        text = node.queryText().getText(0, -1)
    except NotImplementedError:
        text = None
    found.append((node.getRoleName(), node.name, text))
    if nodes is not None and node.name in RADIO_BUTTONS and node.getRoleName() != "label":
        nodes[node.name] = node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, found, nodes)


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == "Press":
            action.doAction(index)
            return True
    return False


def radio_problems(application):
    """What a screen reader would get wrong about the radio buttons."""
    problems = []
    for pressed, expected in CHECKED_AFTER:
        nodes = {}
        walk(application, [], nodes)
        if pressed is not None:
            if pressed not in nodes or not press(nodes[pressed]):
                return problems + [f"cannot press {pressed!r}"]
            time.sleep(0.5)
            nodes = {}
            walk(application, [], nodes)
        for name in RADIO_BUTTONS:
            node = nodes.get(name)
            if node is None:
                problems.append(f"no radio button {name!r}")
                continue
            if node.getRoleName() != "radio button":
                problems.append(f"{name!r} is announced as {node.getRoleName()!r}")
            checked = node.getState().contains(pyatspi.STATE_CHECKED)
            if checked != (name in expected):
                problems.append(f"after {pressed!r}, {name!r} checked={checked}")
    return problems


def main():
    application = find_application()
    if application is None:
        print("no 'resistances' application on the accessibility bus", file=sys.stderr)
        return 1
    found = []
    walk(application, found)
    names = [name for _, name, _ in found]
    problems = [f"no control named {name!r}" for name in EXPECTED_NAMES if name not in names]
    for name, text, count in EXPECTED_READOUTS:
        texts = [t for _, n, t in found if n == name and t is not None]
        if texts != [text] * count:
            problems.append(f"readout {name!r}: {texts!r}, expected {[text] * count!r}")
    problems += radio_problems(application)
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"read_atspi: {len(found)} accessible objects, {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main())
