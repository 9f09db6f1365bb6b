# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded sequence of random user actions, applied to the native model and,
through the page, to the WebAssembly model: what the user sees agrees after
every action.
Usage: differential_test.py BUILD_DIR/web MODEL_TRACE [ACTIONS] [SEED]"""
import json
import random
import subprocess
import sys

import browser

browser.require_browser()

RADIOS = ["RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
          "RadioButton4B", "RadioButton5B", "RadioButton6B"]


def actions(count, seed, list_sizes):
    draw = random.Random(seed)
    lists = sorted(list_sizes)
    for _ in range(count):
        kind = draw.random()
        if kind < 0.7:
            name = draw.choice(lists)
            yield ("select", name, draw.randrange(list_sizes[name]))
        elif kind < 0.95:
            yield ("choose", draw.choice(RADIOS), -1)
        else:
            yield ("expose", "", -1)


APPLY = """
const [steps] = arguments;
const seen = [];
for (const [action, name, row] of steps) {
    if (action === 'select') resistancesPage.select(name, row);
    else if (action === 'choose') resistancesPage.choose(name);
    else resistancesPage.expose();
    seen.push(resistancesPage.mirrored());
}
return seen;
"""


def main(folder, trace, count=3000, seed=20261208):
    with browser.served(folder) as address, browser.chromium() as driver:
        browser.open_page(driver, address)
        list_sizes = driver.execute_script(
            "return Object.fromEntries([...document.querySelectorAll('[role=listbox]')]"
            ".map(l => [l.id, l.children.length]))")
        steps = list(actions(count, seed, list_sizes))
        # The page exposed itself once when it was first shown; so does the native model.
        script = "expose\n" + "".join(
            f"{a} {n} {r}\n" if a == "select" else f"{a} {n}\n" if a == "choose" else "expose\n"
            for a, n, r in steps)
        native = [json.loads(line) for line in subprocess.run(
            [trace], input=script, capture_output=True, text=True, check=True).stdout.splitlines()]
        page = driver.execute_script(APPLY, steps)

    assert len(native) == len(steps) + 1, (len(native), len(steps))
    for number, (step, ours, theirs) in enumerate(zip(steps, page, native[1:]), start=1):
        if ours != theirs:
            for part in theirs:
                for name in theirs[part]:
                    if ours[part].get(name) != theirs[part][name]:
                        print(f"action {number} {step}: {name} is {ours[part].get(name)!r} in the "
                              f"page, {theirs[part][name]!r} in the native model", file=sys.stderr)
            print(f"differential: the page and the native model part at action {number}")
            return 1
    print(f"differential: {len(steps)} actions, seed {seed}, the page and the native model agree")
    return 0


sys.exit(main(sys.argv[1], sys.argv[2], *map(int, sys.argv[3:])))
