# SPDX-License-Identifier: GPL-3.0-or-later
"""See bench/web. The yardstick is our own page once it has drawn its first
frame, saved as plain HTML without a script: the same controls, pictures,
font and style, and no model."""
import os
import shutil
import statistics
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
return [at('{MARK}'), at('{READY}'), entries.reduce((sum, e) => sum + e.transferSize, 0)];
"""


def plain_copy(driver, folder):
    """The page as drawn, without its scripts, marking its own first frame."""
    html = driver.execute_script("""
        const page = document.documentElement.cloneNode(true);
        page.querySelectorAll('script, link[rel=preload]').forEach(s => s.remove());
        return '<!DOCTYPE html>' + page.outerHTML;""")
    marker = (f"<script>requestAnimationFrame(() => {{ performance.mark('{MARK}');"
              " window.resistancesReady = true; });</script></body>")
    with open(os.path.join(folder, "plain.html"), "w", encoding="utf-8") as file:
        file.write(html.replace("</body>", marker))


def load(driver, address, page, model):
    """(first frame, model ready or None, bytes), once the page has settled."""
    driver.get(f"{address}/{page}")
    for _ in range(500):
        first, ready, size = driver.execute_script(TIMING)
        if first is not None and (ready is not None or not model):
            return first, ready, size
        time.sleep(0.01)
    raise RuntimeError(f"{page} never marked its first frame")


def main(folder, pairs):
    work = tempfile.mkdtemp()
    try:
        shutil.copytree(folder, work, dirs_exist_ok=True)
        with browser.served(work) as address, browser.chromium() as driver:
            browser.open_page(driver, address)
            plain_copy(driver, work)
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            # Every load as a first visit: the offline copy would answer otherwise.
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            ours, plain, ratios = [], [], []
            for pair in range(pairs + 1):  # the first pair warms up
                # Alternately first, so that neither always follows the other.
                if pair % 2 == 0:
                    ours.append(load(driver, address, "index.html", True))
                    plain.append(load(driver, address, "plain.html", False))
                else:
                    plain.append(load(driver, address, "plain.html", False))
                    ours.append(load(driver, address, "index.html", True))
                ratios.append(ours[-1][0] / plain[-1][0])
    finally:
        shutil.rmtree(work)
    ours, plain, ratios = ours[1:], plain[1:], ratios[1:]
    print(f"{pairs} pairs, navigation to the first frame with every band (ms), median (min-max):")
    for name, runs in (("page", ours), ("plain page", plain)):
        times = [t for t, _, _ in runs]
        print(f"  {name:10} {statistics.median(times):7.1f} ({min(times):.1f}-{max(times):.1f}),"
              f" {runs[0][2] / 1024:.1f} KiB transferred")
    print(f"  ratio      {statistics.median(ratios):.3f} (median of the pairs' ratios)")
    ready = [r for _, r, _ in ours]
    print(f"  the page's model ready, median {statistics.median(ready):.1f} ms "
          f"({min(ready):.1f}-{max(ready):.1f}) after navigation")


main(sys.argv[1], int(sys.argv[2]))
