#!/usr/bin/python3
"""Takes the screenshot of the built web page as a phone of 390 x 844 shows
it, before and after "=", side by side: docs/screenshot-web.png.
Usage: scripts/web_screenshot.py [SITE_FOLDER]"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

WIDTH, HEIGHT = 390, 844
site = Site(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
driver = browser(width=WIDTH, height=HEIGHT)
work = tempfile.mkdtemp()
try:
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": WIDTH, "height": HEIGHT, "deviceScaleFactor": 1, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    driver.get(site.url)
    wait_ready(driver)
    driver.save_screenshot(os.path.join(work, "before.png"))
    driver.find_element("id", "Command1").click()
    driver.save_screenshot(os.path.join(work, "after.png"))
finally:
    driver.quit()
    site.stop()
subprocess.run(["convert", os.path.join(work, "before.png"), os.path.join(work, "after.png"),
                "-background", "#202020", "-splice", "10x0", "+append", "-chop", "10x0",
                "docs/screenshot-web.png"], check=True)
print("docs/screenshot-web.png remade")
