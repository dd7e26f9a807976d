#!/usr/bin/python3
"""The web page's budget: the size of the page, which carries its script and
WebAssembly module, and the time from navigation to the first conversion being possible,
in Debian's headless Chromium, against an empty page served the same way in
the same run: the median of RUNS first visits, each in a fresh browser, and
of RUNS later visits in one browser, the two pages taking turns.
Usage: bench/web_startup.py [SITE_FOLDER] [RUNS]"""
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

site_folder = sys.argv[1] if len(sys.argv) > 1 else "build/web/site"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
READY = "return performance.getEntriesByName('quintora-ready')[0].startTime"

# The empty page: ready as soon as its one script runs.
empty_folder = tempfile.mkdtemp()
with open(os.path.join(empty_folder, "index.html"), "w") as page:
    page.write("<!DOCTYPE html><html><head><title>empty</title></head><body><script>"
               "performance.mark('quintora-ready');document.documentElement.dataset.ready='true'"
               "</script></body></html>\n")


def visit(driver, site):
    driver.get(site.url)
    wait_ready(driver)
    return driver.execute_script(READY)


sizes = {name: os.path.getsize(os.path.join(site_folder, name)) for name in ("index.html",)}
sites = {"page": Site(site_folder), "empty": Site(empty_folder)}
first = {name: [] for name in sites}
later = {name: [] for name in sites}
for _ in range(runs):
    for name, site in sites.items():
        driver = browser()
        first[name].append(visit(driver, site))
        driver.quit()
drivers = {name: browser() for name in sites}
for name, site in sites.items():
    visit(drivers[name], site)
for _ in range(runs):
    for name, site in sites.items():
        later[name].append(visit(drivers[name], site))
for driver in drivers.values():
    driver.quit()
for site in sites.values():
    site.stop()

print("sizes: " + ", ".join("%s %d B" % item for item in sizes.items()))
print("the page with its script and module: %.1f KB (budget 300 KB)" % (sizes["index.html"] / 1000))
budget = {"first visit": "1.25", "later visits": "1.1"}
for label, times in (("first visit", first), ("later visits", later)):
    page, empty = statistics.median(times["page"]), statistics.median(times["empty"])
    print("%s, median of %d: page %.1f ms, empty page %.1f ms, ratio %.2f (budget %s)"
          % (label, runs, page, empty, page / empty, budget[label]))
