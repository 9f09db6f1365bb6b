# SPDX-License-Identifier: GPL-3.0-or-later
"""See bench/web. The yardstick of each page is the page itself once it has
drawn its first frame, saved as plain HTML without a script: the same
markup, pictures, fonts and style, and no WebAssembly."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import browser  # noqa: E402

browser.require_browser()

MARK = "resistances-first-frame"
READY = "resistances-model-ready"
TIMING = f"""
const at = (name) => (performance.getEntriesByName(name)[0] || {{}}).startTime ?? null;
const entries = [...performance.getEntriesByType('navigation'),
                 ...performance.getEntriesByType('resource')];
return [at('{MARK}'), at('{READY}'),
        Object.fromEntries(entries.map((e) => [e.name, e.transferSize]))];
"""
TARGETS = ("1,7 4,3 12,9 33,3 75 180 470 1,23k 2,71k 5,3k 9,09k 22,2k 47,5k 101k 262k 555k "
           "1,11M 2,9M 6,66M 9,5M").split()


def plain_copy(driver, folder, page):
    """The page as drawn, without its scripts, marking its own first frame."""
    html = driver.execute_script("""
        const page = document.documentElement.cloneNode(true);
        page.querySelectorAll('script, link[rel=preload]').forEach(s => s.remove());
        return '<!DOCTYPE html>' + page.outerHTML;""")
    marker = (f"<script>requestAnimationFrame(() => {{ performance.mark('{MARK}');"
              " window.resistancesReady = true; });</script></body>")
    with open(os.path.join(folder, "plain-" + page), "w", encoding="utf-8") as file:
        file.write(html.replace("</body>", marker))


def load(driver, address, page, model):
    """(first frame, model ready or None, bytes by address), once settled."""
    driver.get(f"{address}/{page}")
    for _ in range(500):
        first, ready, sizes = driver.execute_script(TIMING)
        if first is not None and (ready is not None or not model):
            return first, ready, sizes
        time.sleep(0.01)
    raise RuntimeError(f"{page} never marked its first frame")


def first_frames(driver, address, page, pairs):
    ours, plain, ratios = [], [], []
    for pair in range(pairs + 1):  # the first pair warms up
        # Alternately first, so that neither always follows the other.
        order = [(ours, page, True), (plain, "plain-" + page, False)]
        for runs, name, model in order if pair % 2 == 0 else reversed(order):
            runs.append(load(driver, address, name, model))
        ratios.append(ours[-1][0] / plain[-1][0])
    ours, plain, ratios = ours[1:], plain[1:], ratios[1:]
    print(f"{page}: {pairs} pairs, navigation to the first frame (ms), median (min-max):")
    for name, runs in (("page", ours), ("plain page", plain)):
        times = [t for t, _, _ in runs]
        print(f"  {name:10} {statistics.median(times):7.1f} ({min(times):.1f}-{max(times):.1f}),"
              f" {sum(runs[0][2].values()) / 1024:.1f} KiB transferred")
    print(f"  ratio      {statistics.median(ratios):.3f} (median of the pairs' ratios)")
    ready = [r for _, r, _ in ours]
    print(f"  its WebAssembly ready, median {statistics.median(ready):.1f} ms "
          f"({min(ready):.1f}-{max(ready):.1f}) after navigation")
    return ours[0][2]


def combiner_speed(driver, address, program):
    """combiner E96, four parts, in the page and as the native command."""
    browser.open_page(driver, address, page="outils.html")
    words = [["combiner", target, "--serie", "E96", "--parties", "4"] for target in TARGETS]
    page = driver.execute_script("""return arguments[0].map((words) => {
        const start = performance.now();
        toolsPage.run(words, '', new Uint8Array());
        return performance.now() - start; })""", words)
    native = []
    for command in words:
        start = time.perf_counter()
        subprocess.run([program, *command], capture_output=True, check=True)
        native.append((time.perf_counter() - start) * 1000)
    print(f"combiner E96, 4 parts, {len(words)} targets (ms), median (min-max):")
    for name, times in (("page", page), ("native", native)):
        print(f"  {name:10} {statistics.median(times):7.1f} ({min(times):.1f}-{max(times):.1f})")
    print(f"  ratio      {statistics.median(page) / statistics.median(native):.3f}")


def reader_ready(driver, folder, loads=15):
    """The tools page opened from a file on a CPU slowed four times, as a
    mid-range phone: from navigation to the frame that shows the reader's
    bands, ready to tap, and to its WebAssembly loaded."""
    page = "file://" + os.path.abspath(folder) + "/outils.html"
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
    ready, loaded = [], []
    for _ in range(loads + 1):  # the first warms up
        driver.get(page)
        for _ in range(1000):
            times = driver.execute_script(
                "return ['resistances-reader-ready', 'resistances-model-ready'].map((name) =>"
                " (performance.getEntriesByName(name)[0] || {}).startTime ?? null)")
            if None not in times:
                break
            time.sleep(0.01)
        ready.append(times[0])
        loaded.append(times[1])
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
    ready, loaded = ready[1:], loaded[1:]
    print(f"outils.html from a file, CPU slowed 4x, {loads} loads (ms), median (min-max):")
    print(f"  reader ready to tap {statistics.median(ready):7.1f} ({min(ready):.1f}-{max(ready):.1f})")
    print(f"  WebAssembly loaded  {statistics.median(loaded):7.1f} ({min(loaded):.1f}-{max(loaded):.1f})")


def tap_speed(driver, address, taps=200):
    """A colour tapped in the drawn resistor's palette: from the tap to the new
    reading laid out, ready to paint, in the page's own clock."""
    browser.open_page(driver, address, page="outils.html")
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
    times = driver.execute_script("""
        const times = [];
        document.querySelector('#lecteur .band').click();
        for (let tap = 0; tap < arguments[0]; ++tap) {
            const options = document.querySelectorAll('#palette [role=option]');
            if (options.length === 0) {
                document.querySelector('#lecteur .band').click();
                continue;
            }
            const start = performance.now();
            options[(tap * 7) % options.length].click();
            void document.querySelector('#lecteur .answer').getBoundingClientRect().height;
            times.push(performance.now() - start);
        }
        return times;""", taps)
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
    print(f"a tap on a band's colour to its reading laid out, CPU slowed 4x, {len(times)} taps (ms): median "
          f"{statistics.median(times):.2f} ({min(times):.2f}-{max(times):.2f})")


def main(folder, pairs):
    work = tempfile.mkdtemp()
    try:
        shutil.copytree(folder, work, dirs_exist_ok=True)
        with browser.served(work) as address, browser.chromium() as driver:
            for page in ("index.html", "outils.html"):
                browser.open_page(driver, address, page=page)
                plain_copy(driver, work, page)
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            # Every load as a first visit: the offline copy would answer otherwise.
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            both = {}
            for page in ("index.html", "outils.html"):
                both.update(first_frames(driver, address, page, pairs))
            print(f"both pages and all they load: {sum(both.values()) / 1024:.1f} KiB transferred")
            program = os.path.join(folder, "..", "cli", "resistances-code")
            combiner_speed(driver, address, program)
            tap_speed(driver, address)
            reader_ready(driver, work)
    finally:
        shutil.rmtree(work)


main(sys.argv[1], int(sys.argv[2]))
