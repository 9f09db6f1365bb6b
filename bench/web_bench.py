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
TIMING = f"""
const mark = performance.getEntriesByName('{MARK}')[0];
const entries = [...performance.getEntriesByType('navigation'),
                 ...performance.getEntriesByType('resource')];
return [mark ? mark.startTime : null, entries.reduce((sum, e) => sum + e.transferSize, 0)];
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


def load(driver, address, page):
    driver.get(f"{address}/{page}")
    driver.execute_script("return 0")
    for _ in range(400):
        start, size = driver.execute_script(TIMING)
        if start is not None:
            return start, size
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
            ours, plain, ratios = [], [], []
            for _ in range(pairs + 1):  # the first pair warms up
                ours.append(load(driver, address, "index.html"))
                plain.append(load(driver, address, "plain.html"))
                ratios.append(ours[-1][0] / plain[-1][0])
    finally:
        shutil.rmtree(work)
    ours, plain, ratios = ours[1:], plain[1:], ratios[1:]
    print(f"{pairs} pairs, navigation to the first frame with every band (ms), median (min-max):")
    for name, runs in (("page", ours), ("plain page", plain)):
        times = [t for t, _ in runs]
        print(f"  {name:10} {statistics.median(times):7.1f} ({min(times):.1f}-{max(times):.1f}),"
              f" {runs[0][1] / 1024:.1f} KiB transferred")
    print(f"  ratio      {statistics.median(ratios):.3f} (median of the pairs' ratios)")


main(sys.argv[1], int(sys.argv[2]))
