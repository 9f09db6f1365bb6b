# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in a real headless Chromium, read as a screen reader reads it (the
accessibility tree) and as a user sees it (pixels of a screenshot at the
bands): start-up, the typical event, typing into the one field that takes it,
a change of series, six and four bands, and the About box; then axe-core's
rules at desktop and phone sizes, with and without more contrast, the page on
a phone, opened from a file, a second visit offline, and installability.
Usage: page_test.py BUILD_DIR/web"""
import sys

import browser
import png

browser.require_browser()
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

problems = []


def check(condition, message):
    if not condition:
        problems.append(message)


METAL = "Résistance à couche métalique"


def tree(driver, panel=None):
    """Name -> (role, value, states) for the named nodes of the accessibility
    tree; with `panel`, only those its description puts in that panel."""
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    found = {}
    for node in nodes:
        name = node.get("name", {}).get("value")
        if not name or node.get("ignored"):
            continue
        if panel is not None and node.get("description", {}).get("value") != panel:
            continue
        states = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        found.setdefault(name, (node.get("role", {}).get("value"),
                                node.get("value", {}).get("value"), states))
    return found


def click(driver, element_id):
    driver.find_element(By.ID, element_id).click()


def choose_item(driver, list_id, row):
    item = driver.find_element(By.ID, f"{list_id}-{row}")
    driver.execute_script("arguments[0].scrollIntoView({block: 'nearest'})", item)
    ActionChains(driver).move_to_element(item).click().perform()


def expect_radios(driver, checked, when):
    names = tree(driver)
    for name in ("E12", "E24", "E48", "E96", "4 bandes", "5 bandes", "6 bandes"):
        role, _, states = names.get(name, (None, None, {}))
        check(role == "radio", f"{when}: {name!r} is a {role!r}, not a radio button")
        check(states.get("checked") == ("true" if name in checked else "false"),
              f"{when}: {name!r} checked is {states.get('checked')!r}")


def expect_readouts(driver, readouts, when):
    names = tree(driver, METAL)
    for name, value in readouts.items():
        role, shown, _ = names.get(name, (None, None, {}))
        check(role == "textbox" and shown == value,
              f"{when}: readout {name!r} is {role!r} {shown!r}, expected {value!r}")


def expect_bands(driver, bands, when):
    """Each band says what it shows, and the screenshot shows that colour there."""
    names = tree(driver)
    state = driver.execute_script("return resistancesPage.mirrored()")
    _, _, pixel = png.decode(driver.get_screenshot_as_png())
    ratio = driver.execute_script("return window.devicePixelRatio")
    for band, description in bands.items():
        check(description in names and names[description][0] == "image",
              f"{when}: no band reads {description!r}")
        colour, said = state["bands"][band]
        check(said == description, f"{when}: {band} says {said!r}, expected {description!r}")
        if colour is None:
            continue
        box = driver.execute_script(
            "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2];", band)
        seen = pixel(int(box[0] * ratio), int(box[1] * ratio))
        wanted = tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))
        check(seen == wanted, f"{when}: {band} shows {seen} on screen, expected {wanted}")


def everywhere_else(driver, address, folder):
    """axe-core's rules, a phone, a file, offline and installed."""
    for phone in (None, (375, 667), (360, 640)):
        for contrast in ("", "more"):
            browser.emulate(driver, phone, contrast)
            browser.open_page(driver, address)
            where = f"{phone or 'desktop'}, contrast {contrast or 'default'}"
            broken = browser.axe_violations(driver)
            if not contrast:  # the window's own colours are the default look
                broken.pop("color-contrast", None)
            check(not broken, f"axe-core, {where}: {broken}")
            if phone:
                sideways, cut = driver.execute_script(
                    "const seen = document.documentElement.clientWidth;"
                    "return [document.documentElement.scrollWidth - seen,"
                    " document.getElementById('window').getBoundingClientRect().right - seen]")
                check(sideways <= 0 and cut <= 0,
                      f"{where}: scrolls sideways by {sideways} px, the window cut by {cut} px")
                click(driver, "RadioButton6B")
                expect_radios(driver, {"6 bandes"}, f"{where}, after a tap on six bands")
    browser.emulate(driver)

    check(driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"] == [],
          "Chromium does not find the page installable")
    kept = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        Promise.race([navigator.serviceWorker.ready, new Promise((r) => setTimeout(r, 5000))])
            .then(() => done(navigator.serviceWorker.controller !== null));""")
    check(kept, "no service worker keeps the page")
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    for where in (address, folder):  # again offline, then from a file
        try:
            browser.open_page(driver, where, timeout=5)
            click(driver, "RadioButton2")
            expect_radios(driver, {"E24", "4 bandes"}, f"{where}: after a click on E24")
        except Exception as error:  # noqa: BLE001 (a page that never loads is the finding)
            check(False, f"{where}: {type(error).__name__} {error}".splitlines()[0])
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def main(folder):
    with browser.served(folder) as address, browser.chromium() as driver:
        browser.open_page(driver, address)
        check(driver.title.startswith("Détermination de la valeur d'une résistance"),
              f"title {driver.title!r}")

        expect_radios(driver, {"E48", "5 bandes"}, "start-up")
        expect_readouts(driver, {"1er valeur, bande 1": "1", "4) Multiplicateur, bande 4": "x0,1",
                                 "5) Tolérence, bande 5": "±2%"}, "start-up")
        expect_bands(driver, {"PaintBox21": "bande 1 : MARRON", "PaintBox22": "bande 2 : NOIR",
                              "PaintBox25": "bande 5 : ROUGE",
                              "PaintBox26": "bande 6 : aucune (image)"}, "start-up")

        # The typical event: five bands, E48, decade x1k, then 487.
        choose_item(driver, "ListBox7", 5)
        choose_item(driver, "ListBox8", 33)
        expect_readouts(driver, {"1er valeur, bande 1": "4", "2ème valeur, bande 2": "8",
                                 "3ème valeur, bande 3": "7", "4) Multiplicateur, bande 4": "000",
                                 "5) Tolérence, bande 5": "±2%"}, "487 at x1k")
        expect_bands(driver, {"PaintBox21": "bande 1 : JAUNE", "PaintBox22": "bande 2 : GRIS",
                              "PaintBox23": "bande 3 : VIOLET", "PaintBox24": "bande 4 : ORANGE",
                              "PaintBox25": "bande 5 : ROUGE"}, "487 at x1k")
        selected = driver.execute_script(
            "return ['ListBox7', 'ListBox8'].map(l => resistancesPage.mirrored().lists[l][0])")
        check(selected == [5, 33], f"487 at x1k: selections {selected}")

        # What is typed into the third digit stays until the model sets it again.
        edit = driver.find_element(By.ID, "Edit23")
        edit.click()
        edit.send_keys("\b9z")
        expect_readouts(driver, {"3ème valeur, bande 3": "9z"}, "typed into Edit23")
        choose_item(driver, "ListBox8", 0)
        expect_readouts(driver, {"3ème valeur, bande 3": "0"}, "100 after typing")

        # A change of series, then six bands, then four.
        click(driver, "RadioButton2")
        expect_radios(driver, {"E24", "4 bandes"}, "after E24")
        click(driver, "RadioButton6B")
        expect_radios(driver, {"6 bandes"}, "after six bands")
        check(tree(driver).get("bande 6 : MARRON", (None,))[0] == "image",
              "after six bands: the sixth band does not show")
        click(driver, "RadioButton4B")
        expect_radios(driver, {"4 bandes"}, "after four bands")
        expect_bands(driver, {"PaintBox26": "bande 6 : aucune (image)"}, "after four bands")

        # The About box: the popup menu, then two messages one after the other.
        ActionChains(driver).context_click(driver.find_element(By.ID, "GroupBox6")).perform()
        click(driver, "menu-about")
        texts = []
        for _ in range(2):
            # The next box opens on the closing of the one before: a moment later.
            open_now = driver.execute_async_script(
                "const done = arguments[arguments.length - 1];"
                "const d = document.getElementById('message');"
                "const read = () => d.open ? [document.getElementById('message-caption')"
                ".textContent, document.getElementById('message-text').textContent] : null;"
                "d.open ? done(read()) : setTimeout(() => done(read()), 300)")
            texts.append(open_now)
            if open_now:
                click(driver, "message-ok")
        check(texts[0] is not None and texts[0][0] == "à propos de..." and
              texts[0][1].startswith("     http"), f"About box, first message: {texts[0]!r}")
        check(texts[1] == ["à propos de...", ""], f"About box, second message: {texts[1]!r}")
        check(not driver.execute_script("return document.getElementById('message').open"),
              "the About box is still open")

        everywhere_else(driver, address, folder)

    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"page_test: {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main(sys.argv[1]))
