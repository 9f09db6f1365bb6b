# SPDX-License-Identifier: GPL-3.0-or-later
"""The page served on loopback and opened in a real headless Chromium, for the
page's tests and its benchmark."""
import contextlib
import functools
import http.server
import os
import shutil
import sys
import threading
import time

SKIP = 77


def require_browser():
    """Leaves with the skip status where Chromium or its driver is missing."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("SKIPPED: python3-selenium is missing; scripts/install-deps brings it")
        sys.exit(SKIP)
    for program in ("chromium", "chromedriver"):
        if shutil.which(program) is None:
            print(f"SKIPPED: {program} is missing; scripts/install-deps brings it")
            sys.exit(SKIP)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass


@contextlib.contextmanager
def served(folder):
    """Serves `folder` on a free loopback port; yields the base address."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}"
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(scale=1):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    # Headless, and nothing that would reach beyond this machine.
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage",
                 "--window-size=800,760", f"--force-device-scale-factor={scale}",
                 "--force-renderer-accessibility"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    try:
        yield driver
    finally:
        driver.quit()


def open_page(driver, address, timeout=20.0, page="index.html"):
    """Opens a page, served (an http address) or as a file (a folder), and
    waits for its WebAssembly to take over."""
    driver.get(f"{address}/{page}" if address.startswith("http") else
               "file://" + os.path.abspath(address) + "/" + page)
    deadline = time.time() + timeout
    while time.time() < deadline:
        if driver.execute_script("return window.resistancesReady === true"):
            return
        time.sleep(0.05)
    raise RuntimeError("the page never showed its first frame")


def axe_violations(driver):
    """The rules of axe-core, the version the lock file pins, that the page
    breaks: rule -> the elements that break it."""
    script = os.path.join(os.path.dirname(__file__), "node_modules", "axe-core", "axe.min.js")
    if not os.path.exists(script):
        raise RuntimeError("axe-core is missing; scripts/install-deps brings it")
    with open(script, encoding="utf-8") as file:
        driver.execute_script(file.read())
    return driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        axe.run(document).then((found) => done(Object.fromEntries(found.violations.map(
            (v) => [v.id, v.nodes.map((n) => n.target.join(' '))]))));""")


def emulate(driver, phone=None, contrast=""):
    """A phone's screen of (width, height) CSS pixels, or the desktop window;
    asking for more contrast or not."""
    if phone:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": phone[0], "height": phone[1], "deviceScaleFactor": 2, "mobile": True})
    else:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-contrast", "value": contrast}]})
