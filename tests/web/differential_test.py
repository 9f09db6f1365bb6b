# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded sequence of random user actions, applied to the native model and,
through the page, to the WebAssembly model: what the user sees agrees after
every action. Then Tab walks the page in the window's own tab order.
Usage: differential_test.py BUILD_DIR/web MODEL_TRACE [ACTIONS] [SEED]"""
import json
import random
import subprocess
import sys

import browser

browser.require_browser()

RADIOS = ["RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
          "RadioButton4B", "RadioButton5B", "RadioButton6B"]


# What a user may type into the one field that takes it.
TYPED = "0123456789 ,.xkéΩ±%"


def actions(count, seed, list_sizes):
    draw = random.Random(seed)
    lists = sorted(list_sizes)
    for _ in range(count):
        kind = draw.random()
        if kind < 0.65:
            name = draw.choice(lists)
            yield ("select", name, draw.randrange(list_sizes[name]))
        elif kind < 0.88:
            yield ("choose", draw.choice(RADIOS), -1)
        elif kind < 0.95:
            yield ("type", "Edit23", "".join(draw.choices(TYPED, k=draw.randrange(5))))
        else:
            yield ("expose", "", -1)


APPLY = """
const [steps] = arguments;
const seen = [];
for (const [action, name, row] of steps) {
    if (action === 'select') resistancesPage.select(name, row);
    else if (action === 'choose') resistancesPage.choose(name);
    else if (action === 'type') resistancesPage.type(name, row);
    else resistancesPage.expose();
    seen.push(resistancesPage.mirrored());
}
return seen;
"""


def tab_walk(driver):
    """The controls Tab visits from the top of the page, once round."""
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys

    driver.execute_script("document.activeElement.blur(); window.focus()")
    visited = []
    for _ in range(100):
        ActionChains(driver).send_keys(Keys.TAB).perform()
        focused = driver.execute_script(
            "const e = document.activeElement;"
            "return document.getElementById('window').contains(e) ? e.id : null")
        if not focused or focused in visited:
            break
        visited.append(focused)
    return visited


def main(folder, trace, count=3000, seed=20261208):
    with browser.served(folder) as address, browser.chromium() as driver:
        browser.open_page(driver, address)
        list_sizes = driver.execute_script(
            "return Object.fromEntries([...document.querySelectorAll('[role=listbox]')]"
            ".map(l => [l.id, l.children.length]))")
        steps = list(actions(count, seed, list_sizes))
        # The page exposed itself once when it was first shown; so does the native model.
        script = "expose\n" + "".join(
            f"{a} {n} {r}\n" if a in ("select", "type") else f"{a} {n}\n" if a == "choose"
            else "expose\n" for a, n, r in steps) + "tabs\n"
        native = [json.loads(line) for line in subprocess.run(
            [trace], input=script, capture_output=True, text=True, check=True).stdout.splitlines()]
        page = driver.execute_script(APPLY, steps)
        walked = tab_walk(driver)

    tab_order = native.pop()
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
    enabled = page[-1]["lists"]
    expected = [name for name in tab_order if enabled.get(name, [0, True])[1]]
    if walked != expected:
        print(f"differential: Tab walks {walked}, the window's order is {expected}")
        return 1
    print(f"differential: {len(steps)} actions, seed {seed}, the page and the native model agree;"
          f" Tab visits {len(walked)} controls in the window's order")
    return 0


sys.exit(main(sys.argv[1], sys.argv[2], *map(int, sys.argv[3:])))
