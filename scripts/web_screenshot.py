#!/usr/bin/python3
"""Takes a screenshot of the built web page as a phone shows it, after "=":
docs/screenshot-web.png. Usage: scripts/web_screenshot.py [SITE_FOLDER]"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

site = Site(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
driver = browser(width=360, height=400)
try:
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 400, "deviceScaleFactor": 2, "mobile": True})
    driver.get(site.url)
    wait_ready(driver)
    driver.find_element("id", "Command1").click()
    driver.save_screenshot("docs/screenshot-web.png")
finally:
    driver.quit()
    site.stop()
print("docs/screenshot-web.png remade")
