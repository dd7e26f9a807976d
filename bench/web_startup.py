#!/usr/bin/python3
"""The web page's budget: the size of its WebAssembly module and script, and
the time from navigation to the first conversion being possible, in Debian's
headless Chromium: the median of RUNS first visits, each in a fresh browser,
and of RUNS later visits in one browser.
Usage: bench/web_startup.py [SITE_FOLDER] [RUNS]"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

site_folder = sys.argv[1] if len(sys.argv) > 1 else "build/web/site"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
READY = "return performance.getEntriesByName('quintora-ready')[0].startTime"


def visit(driver, site):
    driver.get(site.url)
    wait_ready(driver)
    return driver.execute_script(READY)


sizes = {name: os.path.getsize(os.path.join(site_folder, name))
         for name in ("quintora.wasm", "quintora.js", "index.html", "quintora.css")}
budget = sizes["quintora.wasm"] + sizes["quintora.js"]
site = Site(site_folder)
first = []
for _ in range(runs):
    driver = browser()
    first.append(visit(driver, site))
    driver.quit()
driver = browser()
visit(driver, site)
later = [visit(driver, site) for _ in range(runs)]
driver.quit()
site.stop()

print("sizes: " + ", ".join("%s %d B" % item for item in sizes.items()))
print("module and script: %.1f KB (budget 300 KB)" % (budget / 1000))
print("navigation to first conversion possible, median of %d: first visit %.1f ms, "
      "later visits %.1f ms (budget 150 ms)"
      % (runs, statistics.median(first), statistics.median(later)))
