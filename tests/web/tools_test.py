# SPDX-License-Identifier: GPL-3.0-or-later
"""The tools page in a real headless Chromium, in two halves. The forms: a
few hundred seeded random questions typed into them, each answer's text what
the native resistances-code prints for the same words; then the page as
people meet it: axe-core at desktop and phone sizes in light and dark, a
phone's screen (no sideways scroll, text of 16 px, targets of 44 px), the
keyboard, a second visit offline, and the page opened from a file. The
reader: a few hundred random codes tapped into the drawn part with touch,
each reading what the native tool reads for those colours; then one scenario
per tool.
Usage: tools_test.py BUILD_DIR/web RESISTANCES_CODE forms|reader [QUESTIONS] [SEED]"""
import base64
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from decimal import ROUND_HALF_UP, Decimal

import browser

SVG = "{http://www.w3.org/2000/svg}"

browser.require_browser()
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import Select  # noqa: E402

PAGE = "outils.html"
COLOURS = ["noir", "marron", "rouge", "orange", "jaune", "vert", "bleu", "violet", "gris",
           "blanc", "or", "argent", "brown", "red", "gold", "silver", "rose"]
problems = []


# What the page does to the tool's text, done again here: a narrow no-break
# space between a number and its unit, volts, amperes and watts to four
# significant digits (half up), a complaint without the program's name or a
# command line to type.
UNIT = r"(?:%|mm|ppm/\u00b0C|\u00b0C|Mio|[pn\u00b5mkMG]?(?:V|A|W|\u03a9|F|H))"
NUMBER_UNIT = re.compile(r"(?:(?<=\dx)|(?<![A-Za-z,\d]))(\d+(?:,\d+)?) (" + UNIT + r")(?![A-Za-z])")
NNBSP = "\u202f"


def four_digits(number):
    amount = Decimal(number.replace(",", "."))
    if len(amount.as_tuple().digits) <= 4 or amount == 0:
        return number
    rounded = amount.quantize(Decimal(1).scaleb(amount.adjusted() - 3), rounding=ROUND_HALF_UP)
    return format(rounded.normalize(), "f").replace(".", ",")


def typeset(text):
    def joined(found):
        number, unit = found.group(1), found.group(2)
        rounded = unit.rstrip("VAW") != unit and not unit.endswith("\u03a9")
        return (four_digits(number) if rounded else number) + NNBSP + unit
    return NUMBER_UNIT.sub(joined, text)


def for_form(complaint):
    lines = []
    for line in complaint.rstrip("\n").split("\n"):
        line = line.removeprefix("resistances-code : ")
        for example in (" Exemple : ", " Exemples : ", " Voyez "):
            at = line.find(example)
            if at >= 0 and "resistances-code" in line[at:]:
                line = line[:at]
        lines.append(line)
    return typeset("\n".join(lines))


def check(condition, message):
    if not condition:
        problems.append(message)


def value(draw):
    """A resistance as people write it, now and then a wrong one."""
    number = draw.choice(["4,7", "4.7", "1", "10", "22", "5,3", "49,9", "0,47", "123", "9,09"])
    return draw.choice([number + draw.choice(["", "k", "M", "R", " k\u03A9"]),
                        number.replace(",", "k"), "4k7", "-5", "0", "abc"])


def volts(draw):
    return draw.choice(["5", "3,3", "3.3", "3V3", "12V", "500mV", "1,2", "0,8", "24", "0", "x"])


def amperes(draw):
    return draw.choice(["20mA", "20m", "0,02", "50\u00b5A", "50u", "1mA", "100n", "0", "-5m", "x"])


def filled(driver, draw, form, choices):
    """Fills each shown optional field of a form, one in three left empty, in
    the page's order; the words they add."""
    words = []
    for name, picks in choices:
        field = f"{form}-{name}"
        if not driver.find_element(By.ID, field).is_displayed():
            continue
        text = draw.choice(picks) if draw.random() < 0.6 else ""
        typed(driver, field, text)
        words += [f"--{name}", text] if text else []
    return words


POWER = [("marge", ["50", "20", "0", "100"]), ("puissance", ["1/4", "1/16", "0,1", "250mW", "1/3"])]
BOARD = [("charge", ["10k", "100k", "1M", "0"]), ("tolerance-entree", ["1", "5", "0,5"]),
         ("fixe-r1", ["220", "1k", "15k"]), ("fixe-r2", ["100k", "1k", "4k7"]),
         ("courant-broche", ["50\u00b5A", "-2u", "100n", "0"]), ("courant-broche-max", ["100u", "1m"]),
         ("tolerance-reference", ["1", "2"]), ("courant-max", ["1mA", "100\u00b5", "10"]),
         ("courant-min", ["10u", "1m"]), *POWER]


def open_more(driver):
    """Opens the divider's further settings."""
    driver.execute_script("document.getElementById('diviseur-plus').open = true")


def cleared(driver):
    """Empties the divider's optional fields that show, as a new question."""
    open_more(driver)
    for name, _ in [("total-min", 0), ("total-max", 0), *BOARD]:
        if driver.find_element(By.ID, f"diviseur-{name}").is_displayed():
            typed(driver, f"diviseur-{name}", "")


def tolerance_chosen(driver, draw, form):
    """The parts' tolerance, or the series' own; the words' value."""
    tolerance = draw.choice(["", "1%", "5%"])
    select = Select(driver.find_element(By.ID, f"{form}-tolerance"))
    if tolerance:
        select.select_by_visible_text(tolerance)
    else:
        select.select_by_index(0)
    return tolerance


def stock(draw):
    lines = [draw.choice(["4k7", "10k", "1,2 k", "220", "2k2", "47", "100k", "330 # vrac", ""])
             for _ in range(draw.randrange(1, 8))]
    return "\n".join(lines + draw.choice([[], ["# fin"], ["quatre"]]))


# A field's text set at once, with the events typing sends: the forms listen
# to nothing finer, and one WebDriver keystroke costs as much as this whole
# script. The scenarios below type for real.
FILL = """
const field = document.getElementById(arguments[0]);
field.value = arguments[1];
field.dispatchEvent(new Event('input', {bubbles: true}));
field.dispatchEvent(new Event('change', {bubbles: true}));
"""


def typed(driver, field, text):
    driver.execute_script(FILL, field, text)


def choose(driver, name, choice):
    """A radio button of the name, or the option of the list of that id."""
    lists = driver.find_elements(By.CSS_SELECTOR, f"select#{name}")
    if lists:
        Select(lists[0]).select_by_value(choice)
        return
    driver.find_element(By.CSS_SELECTOR, f'input[name="{name}"][value="{choice}"]').click()


def unfold(driver, section):
    """A section a phone shows folded, opened from the table of contents."""
    if driver.find_element(By.ID, f"{section}-corps").get_attribute("hidden") is not None:
        driver.find_element(By.CSS_SELECTOR, f'#sommaire a[href="#{section}-section"]').click()


def source(driver, draw, form):
    """Fills the parts' source; the words it adds and the stock's text."""
    if draw.random() < 0.3:
        choose(driver, f"{form}-source", "stock")
        text = stock(draw)
        typed(driver, f"{form}-stock", text)
        return ["--stock", "coll\u00e9"], text
    choose(driver, f"{form}-source", "serie")
    series = draw.choice(["E3", "E6", "E12", "E24", "E48"])
    Select(driver.find_element(By.ID, f"{form}-serie")).select_by_visible_text(series)
    words = ["--serie", series]
    if form == "combiner":
        for option, field, choices in (("--de", "combiner-de", ["", "10", "1k"]),
                                       ("--a", "combiner-a", ["", "100k", "1M"])):
            bound = draw.choice(choices)
            typed(driver, field, bound)
            words += [option, bound] if bound else []
    return words, None


CAPACITOR_MARKINGS = ["104", "0R25", "229", "1R2", "2A473J", "473J 2A", "107C", "A475", ".1K63",
                      "4n7", "n47", "4\u00b57", "0,1\u00b5", "470\u00b5F 25V", "4.7uF/25V", "100",
                      "105J", "A5", "b3", "KA2", "1045", "104X", "5A104", "2X", "J", ""]
INDUCTOR_MARKINGS = ["101", "4R7", "R47", "47N", "2N2", "989", "4,7\u00b5H", "10mH", ""]


def component(driver, draw):
    """A capacitor's marking or an inductor's bands, code or value, read by
    the tools page's section; the form and the tool's words."""
    kind = draw.choice(["condensateur", "inductance"])
    Select(driver.find_element(By.ID, "composant-sorte")).select_by_value(kind)
    driver.execute_script("document.getElementById('composant-plus').open = true")
    if kind == "condensateur":
        marking = draw.choice(CAPACITOR_MARKINGS)
        typed(driver, "composant-marquage", marking)
        more = filled(driver, draw, "composant", [("tolerance", ["J", "5", "0,25pF", "7"]),
                                                  ("tension", ["25V", "2A", "30", "2X"])])
        chip = draw.random() < 0.3
        driver.execute_script("document.getElementById('composant-cms').checked = arguments[0]",
                              chip)
        return "composant", [kind, marking, *more, *(["--cms"] if chip else [])], None
    marking = draw.choice([" ".join(draw.choice(COLOURS) for _ in range(draw.randrange(3, 6))),
                           *INDUCTOR_MARKINGS])
    typed(driver, "composant-marquage", marking)
    more = filled(driver, draw, "composant", [("tolerance", ["5", "10", "7"])])
    return "composant", [kind, *marking.split(), *more], None


def question(driver, draw):
    """Types one random question into a form; the form and the tool's words."""
    tool = draw.choice(["lire", "verifier", "combiner", "diviseur", "led", "composant"])
    if tool == "composant":
        return component(driver, draw)
    if tool == "lire":
        typed(driver, "en-main", draw.choice([
            " ".join(draw.choice(COLOURS) for _ in range(draw.randrange(3, 7))),
            draw.choice(["472", "4701", "4R7", "R47", "01C", "68X", "106", "47R", "000", "00C"]),
            value(draw)]))
        return tool, None, None
    if tool == "verifier":
        colours = " ".join(draw.choice(COLOURS) for _ in range(draw.randrange(3, 6)))
        measured = value(draw)
        typed(driver, "verifier-couleurs", colours)
        typed(driver, "verifier-mesure", measured)
        return tool, ["verifier", *colours.split(), "--mesure", measured], None
    if tool == "combiner":
        target = value(draw)
        typed(driver, "combiner-valeur", target)
        parts, count = str(draw.randrange(1, 5)), str(draw.randrange(1, 4))
        Select(driver.find_element(By.ID, "combiner-parties")).select_by_visible_text(parts)
        typed(driver, "combiner-nombre", count)
        power = filled(driver, draw, "combiner", [("tension", ["12V", "5", "0,5"]),
                                                  ("courant", ["10mA", "1"]), *POWER])
        words, text = source(driver, draw, "combiner")
        return tool, ["combiner", *target.split(), "--parties", parts, "--nombre", count,
                      *power, *words], text
    if tool == "led":
        supply, forward, current = volts(draw), volts(draw), amperes(draw)
        typed(driver, "led-alimentation", supply)
        typed(driver, "led-tension", forward)
        typed(driver, "led-courant", current)
        leds = str(draw.randrange(1, 5))
        typed(driver, "led-leds", leds)
        tolerance = tolerance_chosen(driver, draw, "led")
        more = filled(driver, draw, "led", [("tolerance-entree", ["5", "10"]), *POWER])
        words, text = source(driver, draw, "led")
        return tool, ["led", *supply.split(), *forward.split(), *current.split(), "--leds", leds,
                      *(["--tolerance", tolerance] if tolerance else []), *more, *words], text
    way = draw.choice(["diviseur", "reference", "ajustable", "gain", "rapport"])
    choose(driver, "diviseur-sorte", way)
    open_more(driver)
    if way == "diviseur":
        given, wanted = volts(draw), volts(draw)
        typed(driver, "diviseur-entree", given)
        typed(driver, "diviseur-sortie", wanted)
        asked = [*given.split(), *wanted.split()]
    elif way in ("reference", "ajustable"):
        given, wanted = volts(draw), volts(draw)
        typed(driver, "diviseur-reference", given)
        typed(driver, "diviseur-sortie", wanted)
        asked = [f"--{way}", given, *wanted.split()]
    else:
        number = draw.choice(["11", "4,7", "2.5", "1", "0,3", "-2", "100"])
        typed(driver, f"diviseur-{way}", number)
        asked = [f"--{way}", number]
    parts, count = draw.choice(["1", "2"]), str(draw.randrange(1, 6))
    Select(driver.find_element(By.ID, "diviseur-parties")).select_by_visible_text(parts)
    words = ["diviseur", *asked, "--parties", parts]
    for option, field, choices in (("--total-min", "diviseur-total-min", ["", "1k", "10k"]),
                                   ("--total-max", "diviseur-total-max", ["", "100k", "1M"])):
        bound = draw.choice(choices)
        typed(driver, field, bound)
        words += [option, bound] if bound else []
    tolerance = tolerance_chosen(driver, draw, "diviseur")
    typed(driver, "diviseur-nombre", count)
    words += (["--tolerance", tolerance] if tolerance else []) + ["--nombre", count]
    words += filled(driver, draw, "diviseur", BOARD)
    stock_words, text = source(driver, draw, "diviseur")
    return tool, words + stock_words, text


def answers(driver, tool):
    """What a form answered: the complaints under its fields, then its answer."""
    return driver.execute_script(
        "const form = document.getElementById(arguments[0]);"
        "return [...form.querySelectorAll('.problem-of-field'),"
        "        ...form.parentElement.querySelectorAll(':scope > .answer .text')]"
        ".map((b) => [JSON.parse(b.dataset.arguments), Number(b.dataset.status), b.textContent])",
        tool)


def native(program, words, stock_text):
    """The tool's status and text, as the page shows it."""
    with tempfile.TemporaryDirectory() as folder:
        if stock_text is not None:
            with open(os.path.join(folder, "coll\u00e9"), "w", encoding="utf-8") as file:
                file.write(stock_text)
        done = subprocess.run([program, *words], cwd=folder, capture_output=True, text=True)
        if done.stdout.startswith("<"):
            return done.returncode, done.stdout
        return done.returncode, typeset(done.stdout) if done.stdout else for_form(done.stderr)


# Each number of an answer with its unit: joined by a narrow no-break space,
# and on one rendered line; those that are not.
SPLIT_UNITS = r"""
const found = [];
for (const block of document.querySelectorAll('.answer .text, .problem-of-field')) {
    const walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        if (node.parentElement.closest('.indent')) continue;
        for (const m of node.textContent.matchAll(/\d+(?:,\d+)?[\u202f ][pn\u00b5mkMG]?(?:V|A|W|\u03a9|F|H|%)(?![A-Za-z])/g)) {
            const range = document.createRange();
            range.setStart(node, m.index);
            range.setEnd(node, m.index + m[0].length);
            const tops = new Set([...range.getClientRects()].map((r) => Math.round(r.top)));
            if (tops.size > 1 || m[0].includes(' ')) found.push(m[0]);
        }
    }
}
return found;
"""


def differential(driver, program, count, seed):
    draw = random.Random(seed)
    for number in range(1, count + 1):
        tool, words, text = question(driver, draw)
        driver.find_element(By.CSS_SELECTOR, f"#{tool} button:not([type=button])").click()
        shown = answers(driver, tool)
        check(shown, f"question {number}: {tool} gave no answer")
        split = driver.execute_script(SPLIT_UNITS)
        check(not split, f"question {number}: numbers apart from their units: {split}")
        # A field left empty shows an example, and sends nothing.
        examples = driver.execute_script(
            "return [...document.querySelectorAll(`#${arguments[0]} [placeholder]`)]"
            ".filter((e) => e.value === '').map((e) => e.dataset.option)", tool)
        sent = [word for asked, _, _ in shown for word in asked]
        check(not set(examples) & set(sent), f"question {number}: empty {examples} sent {sent}")
        if words is not None and shown:
            check(shown[0][0] == words, f"question {number}: the page asked {shown[0][0]}, "
                                        f"the form says {words}")
        for asked, status, said in shown:
            expected = native(program, asked, text)
            if (status, said) != expected:
                check(False, f"question {number}: {asked}: the page says {status} {said!r}, "
                             f"the tool {expected[0]} {expected[1]!r}")
                return


# Each element found, scrolled into view: its data-colour and its middle.
PLACES = """
arguments[0] && document.querySelector(arguments[0]).scrollIntoView({block: 'center'});
return [...document.querySelectorAll(arguments[1])].map((e) => {
    const r = e.getBoundingClientRect();
    return [e.dataset.colour, r.x + r.width / 2, r.y + r.height / 2]; });
"""


def tap(driver, place):
    """A finger's tap at (x, y) in the window."""
    for kind, points in (("touchStart", [{"x": place[1], "y": place[2]}]), ("touchEnd", [])):
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})


def reader_text(driver):
    return driver.execute_script("return document.querySelector('#lecteur .answer').textContent")


def reader_differential(driver, program, count, seed):
    """Codes tapped in band by band on a phone: the page reads what the tool
    reads, and the address holds the colours."""
    draw = random.Random(seed)
    browser.emulate(driver, (360, 640))
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    for number in range(1, count + 1):
        # One code in three is an inductor's, 4 bands or the military 5.
        kind = "inductance" if draw.random() < 1 / 3 else "resistance"
        switch = f"input[name=lecteur-sorte][value={kind}]"
        tap(driver, driver.execute_script(PLACES, switch, switch)[0])
        bands = draw.randrange(4, 6) if kind == "inductance" else draw.randrange(3, 7)
        Select(driver.find_element(By.ID, "bagues-nombre")).select_by_visible_text(str(bands))
        tap(driver, driver.execute_script(PLACES, "#lecteur", "#lecteur .band")[0])
        names = []
        for _ in range(bands):  # each choice opens the next band's palette
            option = draw.choice(driver.execute_script(PLACES, "#palette", "#palette [role=option]"))
            names.append(option[0])
            tap(driver, option)
        said = reader_text(driver)
        expected = native(program, ["inductance" if kind == "inductance" else "lire", *names],
                          None)
        address = driver.execute_script("return decodeURIComponent(location.hash)")
        named = "#inductance=" if kind == "inductance" else "#bagues="
        # Every resistor's code the palettes allow reads; an inductor's
        # military code may not (two commas), and then says why.
        wrong = (said != expected[1] if kind == "inductance"
                 else (expected[0], said) != (0, expected[1]))
        if wrong or address != named + ",".join(names):
            check(False, f"code {number}: {names} at {address}: the page says {said!r}, "
                         f"the tool {expected[0]} {expected[1]!r}")
            return
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    browser.emulate(driver)


def reader_ways_in(driver, address):
    """From an address, Back, the keyboard, and a value typed in the field."""
    browser.open_page(driver, address, page=PAGE + "#bagues=jaune,violet,rouge,or")
    check(reader_text(driver).startswith("4,7\u202fk\u03a9 \u00b15\u202f%"), f"address: {reader_text(driver)!r}")
    bands = driver.find_elements(By.CSS_SELECTOR, "#lecteur .band")
    labels = [band.get_attribute("aria-label") for band in bands]
    check(labels[2] == "Bague 3 : rouge, multiplicateur", f"labels {labels}")
    # The keyboard: Tab reaches each band, Enter opens, arrows move, Enter picks.
    driver.find_element(By.ID, "bagues-nombre").send_keys(Keys.TAB)
    reached = []
    for _ in bands:
        reached.append(driver.switch_to.active_element.get_attribute("aria-label"))
        driver.switch_to.active_element.send_keys(Keys.TAB)
    check(reached == labels, f"Tab reached {reached}")
    bands[2].send_keys(Keys.ENTER)
    palette = driver.switch_to.active_element
    check(palette.get_attribute("id") == "palette", "Enter opened no palette")
    palette.send_keys(Keys.HOME, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ENTER)
    check(driver.execute_script("return location.hash") == "#bagues=jaune,violet,orange,or",
          f"keyboard: {driver.execute_script('return location.hash')}")
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    check(driver.find_element(By.CSS_SELECTOR, ".palette-box").get_attribute("hidden") is not None
          and driver.switch_to.active_element.get_attribute("aria-label").startswith("Bague 4"),
          "Escape did not close the palette back onto its band")
    check(reader_text(driver).startswith("47\u202fk\u03a9"), f"orange: {reader_text(driver)!r}")
    driver.back()
    check(reader_text(driver).startswith("4,7\u202fk\u03a9") and driver.execute_script(
        "return location.hash") == "#bagues=jaune,violet,rouge,or", "Back did not step back")
    # A code halfway says what is missing, as a reading and not a complaint.
    Select(driver.find_element(By.ID, "bagues-nombre")).select_by_visible_text("5")
    check(reader_text(driver).startswith("Encore \u00e0 choisir : bague 5 (tol\u00e9rance)")
          and not driver.find_elements(By.CSS_SELECTOR, "#lecteur .problem"),
          f"halfway: {reader_text(driver)!r}")
    # The other way round: a typed marking paints its bands.
    typed(driver, "en-main", "68X")
    driver.find_element(By.CSS_SELECTOR, "#lire button").click()
    painted = [band.get_attribute("data-colour")
               for band in driver.find_elements(By.CSS_SELECTOR, "#lecteur .band")]
    check(painted == ["jaune", "blanc", "blanc", "or", "marron"], f"68X painted {painted}")


def scenarios(driver, address, folder, program):
    # What is in hand, typed and sent with Enter: each colour named, with its swatch.
    field = driver.find_element(By.ID, "en-main")
    field.clear()
    field.send_keys("brown black red gold", Keys.ENTER)
    said = driver.execute_script(
        "return [...document.querySelectorAll('#lire + .answer .swatch')]"
        ".map((s) => [s.nextSibling.textContent.slice(0, 6), getComputedStyle(s).backgroundColor])")
    check([name for name, _ in said] == ["MARRON", "NOIR", "ROUGE", "OR"] or not said,
          f"in hand: swatches {said}")
    # A value: its bands and its markings.
    field.clear()
    field.send_keys("49,9", Keys.ENTER)
    texts = [text for _, _, text in answers(driver, "lire")]
    check(len(texts) == 2 and "EIA-96 (\u00b11\u202f%) : 68X" in texts[1], f"49,9: {texts}")
    # A check out of tolerance says so.
    typed(driver, "verifier-couleurs", "marron noir rouge or")
    typed(driver, "verifier-mesure", "1100")
    driver.find_element(By.CSS_SELECTOR, "#verifier button:not([type=button])").click()
    check(answers(driver, "verifier")[0][1] == 1, "verifier: 1,1 kΩ is not out of tolerance")
    # A stock picked from a file is named by its file.
    choose(driver, "combiner-source", "stock")
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as file:
        file.write("4k7\n1,2k\n")
    driver.find_element(By.ID, "combiner-fichier").send_keys(file.name)
    typed(driver, "combiner-valeur", "5,3k")
    for name in ("tension", "courant", "marge", "puissance"):
        typed(driver, f"combiner-{name}", "")
    Select(driver.find_element(By.ID, "combiner-parties")).select_by_visible_text("3")
    typed(driver, "combiner-nombre", "1")
    driver.execute_script("return new Promise((done) => setTimeout(done, 200))")
    driver.find_element(By.CSS_SELECTOR, "#combiner button").click()
    text = answers(driver, "combiner")[0][2]
    check(f"le stock {os.path.basename(file.name)}" in text and "exact" in text,
          f"combiner from a file: {text!r}")
    os.unlink(file.name)
    # A gain shows only its own field; the worst case is a range.
    choose(driver, "diviseur-sorte", "gain")
    open_more(driver)
    check(not driver.find_element(By.ID, "diviseur-sortie").is_displayed(),
          "diviseur: the output voltage still shows for a gain")
    choose(driver, "diviseur-source", "serie")
    cleared(driver)
    typed(driver, "diviseur-gain", "11")
    driver.find_element(By.CSS_SELECTOR, "#diviseur button").click()
    text = answers(driver, "diviseur")[0][2]
    check("au pire \u00e0 \u00b1" in text and " : de " in text, f"diviseur: no range in {text!r}")
    # An LM317 with R1 = 220 \u03a9 and its adjust current; the board fields of
    # a divider stay out of its question.
    choose(driver, "diviseur-sorte", "diviseur")
    typed(driver, "diviseur-charge", "10k")
    choose(driver, "diviseur-sorte", "ajustable")
    cleared(driver)
    Select(driver.find_element(By.ID, "diviseur-parties")).select_by_visible_text("1")
    Select(driver.find_element(By.ID, "diviseur-serie")).select_by_visible_text("E24")
    Select(driver.find_element(By.ID, "diviseur-tolerance")).select_by_index(0)
    typed(driver, "diviseur-reference", "1,25")
    typed(driver, "diviseur-sortie", "8,5")
    typed(driver, "diviseur-fixe-r1", "220")
    typed(driver, "diviseur-courant-broche", "50\u00b5A")
    driver.find_element(By.CSS_SELECTOR, "#diviseur button").click()
    asked, _, text = answers(driver, "diviseur")[0]
    check("--charge" not in asked and "R2 = 1,3\u202fk\u03a9\n   8,701\u202fV" in text,
          f"LM317: {asked} {text!r}")
    # 20 mA from 5 V through a red LED, on a phone's keyboard.
    choose(driver, "led-source", "serie")
    Select(driver.find_element(By.ID, "led-serie")).select_by_visible_text("E24")
    Select(driver.find_element(By.ID, "led-tolerance")).select_by_index(0)
    for name in ("leds", "tolerance-entree", "marge", "puissance"):
        typed(driver, f"led-{name}", "1" if name == "leds" else "")
    typed(driver, "led-alimentation", "5")
    typed(driver, "led-tension", "2")
    field = driver.find_element(By.ID, "led-courant")
    field.clear()
    field.send_keys("20 mA", Keys.ENTER)
    text = answers(driver, "led")[0][2]
    check("1. 150\u202f\u03a9 (la plus proche au-dessus) : 20\u202fmA" in text, f"led: {text!r}")
    # Labels of a pasted bill of materials: the tool's own SVG to download,
    # a picture a page at its true size for the printer, the bill's text as
    # text, its notes said.
    choose(driver, "etiquettes-source", "nomenclature")
    bill = "Designator;Comment\nR6 <script>&;220\nR1-R3;4k7\nC1;100n\nR9;<b>x</b>\n"
    typed(driver, "etiquettes-stock", bill)
    typed(driver, "etiquettes-taille", "48x17")
    driver.find_element(By.CSS_SELECTOR, "#etiquettes button").click()
    shown = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const pages = [...document.querySelectorAll('#feuille svg')];
        fetch(document.getElementById('telecharger').href).then((r) => r.text()).then((whole) =>
            done([whole, pages.map((p) => [p.getAttribute('width'), p.getAttribute('height')]),
                pages.flatMap((p) => [...p.querySelectorAll('text')].map((t) => t.textContent)),
                document.querySelectorAll('#feuille script').length,
                document.querySelector('#etiquettes ~ .answer').textContent,
                [...document.styleSheets].flatMap((s) => [...s.cssRules]).map((r) => r.cssText)
                    .find((rule) => rule.startsWith('@page'))]));""")
    whole, sizes, texts, scripts, notes, page = shown
    status, sheet = native(program, ["etiquettes", "--nomenclature", "coll\u00e9", "--page", "A4",
                                     "--taille", "48x17"], bill)
    check(status == 0 and whole == sheet, "etiquettes: the download is not the tool's sheet")
    check(sizes == [["210mm", "297mm"]] and "size: 210mm 297mm" in (page or ""),
          f"etiquettes: pages {sizes}, {page}")
    check("R6 (1)" in texts and "R1-R3 (3)" in texts and scripts == 0,
          f"etiquettes: texts {texts[:12]}")
    check("1 ligne ignor\u00e9e" in notes and "<b>" in notes, f"etiquettes: notes {notes!r}")
    # A bill picked as EasyEDA saves it, in UTF-16: shown and read as the tool reads it.
    easyeda = os.path.join(os.path.dirname(__file__), "..", "cli", "bills", "easyeda_bom.csv")
    driver.find_element(By.ID, "etiquettes-fichier").send_keys(os.path.abspath(easyeda))
    picked = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const wait = () => document.getElementById('etiquettes-stock').value
            ? done(document.getElementById('etiquettes-stock').value) : setTimeout(wait, 50);
        wait();""")
    driver.find_element(By.CSS_SELECTOR, "#etiquettes button").click()
    texts = driver.execute_script(
        "return [...document.querySelectorAll('#feuille text')].map((t) => t.textContent)")
    check(picked.startswith("ID\tName\tDesignator") and "10k\u03a9" in picked
          and "R11-R13 (3)" in texts, f"etiquettes: a UTF-16 bill picked: {texts[:12]}")
    true_size(driver, program)
    check(driver.execute_script(
        "return [...document.querySelectorAll('.answer')].every("
        "(a) => a.getAttribute('role') === 'status' && a.getAttribute('aria-live') === 'polite')"),
        "an answer is not announced")


def true_size(driver, program):
    """A named sheet on A4 and one on Letter, printed by Chromium's own print
    to PDF: each label's outline within 0.2 mm of where the tool puts it."""
    choose(driver, "etiquettes-source", "serie")
    choose(driver, "etiquettes-sorte", "planche")
    if not driver.find_element(By.ID, "etiquettes-contours").is_selected():
        driver.find_element(By.ID, "etiquettes-contours").click()
    for code in ("L7160", "5160"):
        Select(driver.find_element(By.ID, "etiquettes-planche")).select_by_value(code)
        driver.find_element(By.CSS_SELECTOR, "#etiquettes button").click()
        printed = base64.b64decode(driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True})["data"])
        status, svg = native(program, ["etiquettes", "--serie", "E12", "--planche", code,
                                       "--contours"], None)
        shapes = ElementTree.fromstring(svg).find(f"{SVG}g")
        boxes = [{k: float(shape.get(k)) for k in ("x", "y", "width", "height")}
                 for shape in shapes if shape.get("fill") == "none"]
        widest = max(box["width"] for box in boxes)
        labels = [box for box in boxes if box["width"] == widest]
        pgm = subprocess.run(["pdftoppm", "-gray", "-r", "300", "-f", "1", "-l", "1",
                              "-singlefile", "-"], input=printed, capture_output=True).stdout
        _, width, height, _, pixels = pgm.split(maxsplit=4)
        width, height = int(width), int(height)

        def grey(x, y):
            column, row = int(x / 25.4 * 300), int(y / 25.4 * 300)
            return pixels[row * width + column] if 0 <= column < width and 0 <= row < height else 255

        astray = []
        for box in labels:
            for x, y, across in ((box["x"], box["y"] + box["height"] / 2, True),
                                 (box["x"] + box["width"] / 2, box["y"], False)):
                at = lambda d: grey(x + d, y) if across else grey(x, y + d)
                if not (min(at(d / 20) for d in range(-4, 5)) < 160
                        and all(at(d) > 200 for d in (-0.4, 0.4))):
                    astray.append((round(x, 2), round(y, 2)))
        page = (round(width / 300 * 25.4), round(height / 300 * 25.4))
        check(status == 0 and len(labels) > 10 and not astray
              and page == {"L7160": (210, 297), "5160": (216, 279)}[code],
              f"printed {code} on {page} mm: outlines off at {astray[:4]} of {len(labels)}")


def luminance(css):
    red, green, blue = (int(part) / 255 for part in re.findall(r"\d+", css)[:3])
    linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in (red, green, blue)]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    darker, lighter = sorted((luminance(a), luminance(b)))
    return (lighter + 0.05) / (darker + 0.05)


ASKED_AT_THE_BENCH = {
    "lire": [("en-main", "4k7")],
    "verifier": [("verifier-couleurs", "jaune violet rouge or"), ("verifier-mesure", "4,6k")],
    "combiner": [("combiner-valeur", "5,3k")],
    "diviseur": [("diviseur-entree", "5"), ("diviseur-sortie", "1,2")],
    "led": [("led-alimentation", "5"), ("led-tension", "2"), ("led-courant", "20mA")],
    "etiquettes": [],
}
FOCUSED = """
const e = document.activeElement;
const r = e.getBoundingClientRect();
return [e.className, e.closest('section') && e.closest('section').id, r.top, innerHeight];
"""
PAINTS = """
return [getComputedStyle(document.querySelector('#lecteur .body')).fill,
        [...document.querySelectorAll('#palette .swatch')].map((s) => [s.dataset.colour,
            getComputedStyle(s).backgroundColor, getComputedStyle(s).borderTopColor,
            getComputedStyle(s).backgroundImage])];
"""


def at_the_bench(driver, address):
    """On a 360 x 640 touch screen: after each form's button its answer's top
    is in view and focused; the palette closes on a tap outside and with its
    button, the reading in view above it; the band paints stand apart from
    the body and from each other, or are outlined in an ink that stands out
    from their own paint, in light and dark."""
    browser.emulate(driver, (360, 640))
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    browser.open_page(driver, address, page=PAGE)
    height = driver.execute_script("return document.documentElement.scrollHeight")
    check(height < 3 * 640, f"a phone opens on a page of over three screens: {height} px")
    for form, fields in ASKED_AT_THE_BENCH.items():
        unfold(driver, form)
        for field, text in fields:
            typed(driver, field, text)
        button = f"#{form} button:not([type=button])"
        if form == "diviseur":
            common = driver.execute_script(
                "return document.querySelector(arguments[0]).getBoundingClientRect().bottom"
                " - document.getElementById('diviseur-titre').getBoundingClientRect().top", button)
            check(common <= 640, f"the divider's common case takes {common} px")
        tap(driver, driver.execute_script(PLACES, button, button)[0])
        kind, section, top, height = driver.execute_script(FOCUSED)
        check(section == f"{form}-section" and ("answer" in kind or "sheet" in kind)
              and -1 <= top < height, f"{form}: after its button, {kind} of {section} at {top}")
    tap(driver, driver.execute_script(PLACES, "#lecteur", "#lecteur .band")[1])
    reading = driver.execute_script(
        "const r = document.querySelector('#lecteur .answer').getBoundingClientRect();"
        "return [r.top, r.bottom, innerHeight]")
    check(0 <= reading[0] and reading[1] <= reading[2], f"the reading out of view: {reading}")
    tap(driver, driver.execute_script(PLACES, None, "#lecteur .answer")[0])
    closed = ".palette-box[hidden]"
    check(driver.find_elements(By.CSS_SELECTOR, closed), "a tap outside left the palette open")
    tap(driver, driver.execute_script(PLACES, "#lecteur", "#lecteur .band")[1])
    tap(driver, driver.execute_script(PLACES, None, "#palette-fermer")[0])
    check(driver.find_elements(By.CSS_SELECTOR, closed), "its button left the palette open")
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    for scheme in ("light", "dark"):
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        for band in range(4):
            driver.find_elements(By.CSS_SELECTOR, "#lecteur .band")[band].click()
            body, paints = driver.execute_script(PAINTS)
            outlined = {name for name, paint, ink, _ in paints if contrast(paint, ink) >= 3}
            for name, paint, _, _ in paints:
                check(contrast(paint, body) >= 1.5 or name in outlined,
                      f"{scheme}, band {band + 1}: {name} lost on the body")
                for other, second, _, _ in paints:
                    check(name == other or contrast(paint, second) >= 1.5
                          or {name, other} <= outlined,
                          f"{scheme}, band {band + 1}: {name} and {other} too alike")
            metals = [image for name, _, _, image in paints if name in ("or", "argent")]
            check(all("gradient" in image for image in metals), f"{scheme}: flat metals {metals}")
            driver.find_element(By.ID, "palette-fermer").click()
    browser.emulate(driver)


PHONE_CHECK = """
const seen = document.documentElement.clientWidth;
const small = [...document.querySelectorAll('body *')].filter((e) =>
    e.offsetParent !== null && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim())
    && parseFloat(getComputedStyle(e).fontSize) < 16).map((e) => e.tagName + '#' + e.id);
const targets = [...document.querySelectorAll('a, button, input, select, textarea, [role=option]')]
    .filter((e) => e.offsetParent !== null)
    .map((e) => [e, ['radio', 'checkbox'].includes(e.type) ? e.closest('label') : e])
    .filter(([, t]) => t.getBoundingClientRect().height < 44 || t.getBoundingClientRect().width < 44)
    .map(([e]) => e.tagName + '#' + (e.id || e.value));
return [document.documentElement.scrollWidth - seen, small, targets];
"""


def everywhere(driver, address, folder):
    for phone in (None, (360, 640)):
        for scheme in ("light", "dark"):
            browser.emulate(driver, phone)
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": scheme}]})
            browser.open_page(driver, address, page=PAGE)
            where = f"{phone or 'desktop'}, {scheme}"
            broken = browser.axe_violations(driver)
            check(not broken, f"axe-core, {where}: {broken}")
            driver.find_element(By.CSS_SELECTOR, "#lecteur .band").click()
            broken = browser.axe_violations(driver)
            check(not broken, f"axe-core, palette open, {where}: {broken}")
            if phone:
                unfold(driver, "diviseur")
                for sorte in ("diviseur", "reference", "ajustable"):
                    choose(driver, "diviseur-sorte", sorte)
                    sideways, small, targets = driver.execute_script(PHONE_CHECK)
                    check(sideways <= 0, f"{where}: scrolls sideways by {sideways} px")
                    check(not small, f"{where}: text under 16 px in {small}")
                    check(not targets, f"{where}: targets under 44 px: {targets}")
    browser.emulate(driver)
    driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "Promise.race([navigator.serviceWorker.ready, new Promise((r) => setTimeout(r, 5000))])"
        ".then(done)")
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    for where in (address, folder):  # again offline, then from a file
        try:
            browser.open_page(driver, where, timeout=5, page=PAGE)
            typed(driver, "en-main", "472")
            driver.find_element(By.CSS_SELECTOR, "#lire button").click()
            said = answers(driver, "lire")
            check(said and "4,7\u202fk\u03a9" in said[0][2], f"{where}: 472 answered {said}")
        except Exception as error:  # noqa: BLE001 (a page that never loads is the finding)
            check(False, f"{where}: {type(error).__name__} {error}".splitlines()[0])
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def forms(driver, address, folder, program, count, seed):
    """The forms against the tool, then the page at the bench and everywhere."""
    differential(driver, program, count, seed)
    at_the_bench(driver, address)
    everywhere(driver, address, folder)


def reader(driver, address, folder, program, count, seed):
    """The reader tapped against the tool, every way into it, then the
    scenarios, which go on from where it stands."""
    reader_differential(driver, program, count, seed)
    reader_ways_in(driver, address)
    scenarios(driver, address, folder, program)


# Two halves, each in its own browser, that ctest runs side by side.
PARTS = {"forms": forms, "reader": reader}


def main(folder, program, part, count=240, seed=20261208):
    with browser.served(folder) as address, browser.chromium() as driver:
        browser.open_page(driver, address, page=PAGE)
        PARTS[part](driver, address, folder, os.path.abspath(program), count, seed)
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"tools_test {part}: {count} questions, seed {seed}; {len(problems)} problems")
    return 1 if problems else 0


sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3], *map(int, sys.argv[4:])))
