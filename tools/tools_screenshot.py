# SPDX-License-Identifier: GPL-3.0-or-later
"""The tools page on a phone-sized screen (360 × 640 CSS px at 2×), for the
README: a value's answer, then the resistor read by its bands with the
palette of its third band open.
Usage: tools_screenshot.py BUILD_DIR/web OUTPUT.png READER.png"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import browser  # noqa: E402

browser.require_browser()
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402


def main(folder, output, reader):
    with browser.served(folder) as address, browser.chromium() as driver:
        browser.emulate(driver, (360, 640))
        browser.open_page(driver, address, page="outils.html")
        driver.find_element(By.ID, "en-main").send_keys("4,7k", Keys.ENTER)
        driver.execute_script("document.querySelector('#lire').scrollIntoView()")
        driver.save_screenshot(output)
        browser.open_page(driver, address, page="outils.html#bagues=jaune,violet,rouge,or")
        driver.find_elements(By.CSS_SELECTOR, "#lecteur .band")[2].click()
        driver.execute_script("document.querySelector('#lire-titre').scrollIntoView()")
        driver.save_screenshot(reader)


main(sys.argv[1], sys.argv[2], sys.argv[3])
