#!/usr/bin/python3
"""The web page's budget: the size of the page, which carries its script and
WebAssembly module, and the time from navigation to the first conversion
being possible, in Debian's headless Chromium, against an empty page served
the same way in the same run, and against that empty page made as long as
ours: the median of RUNS first visits, each in a fresh browser, and of RUNS
later visits, each page in a browser of its own, the pages taking turns.

Each visit starts on a machine at rest, so that neither page pays for what
the other, or its own last visit, left running: a fresh browser starts once
the last one has gone and is given a second to settle, as a browser a user
opens is before an address is typed; which page goes first alternates; and
a later visit starts once the last has finished loading.
Usage: bench/web_startup.py [SITE_FOLDER] [RUNS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

site_folder = sys.argv[1] if len(sys.argv) > 1 else "build/web/site"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
READY = "return performance.getEntriesByName('quintora-ready')[0].startTime"

# The empty page: ready as soon as its one script runs. The same page made
# as long as ours by a comment after its script shows what our page's bytes
# alone cost before its first line runs.
EMPTY = ("<!DOCTYPE html><html><head><title>empty</title></head><body><script>"
         "performance.mark('quintora-ready');document.documentElement.dataset.ready='true'"
         "</script>%s</body></html>\n")


def empty_site(padding=""):
    folder = tempfile.mkdtemp()
    with open(os.path.join(folder, "index.html"), "w") as page:
        page.write(EMPTY % padding)
    return folder


def visit(driver, site):
    driver.get(site.url)
    wait_ready(driver)
    ready = driver.execute_script(READY)
    # What the page does once it is ready (drawing it, the rest of its
    # wiring, its worker) is done before the next visit starts.
    while driver.execute_script("return document.readyState") != "complete":
        time.sleep(0.01)
    time.sleep(0.25)
    return ready


def browsers_gone():
    """Waits until no browser of an earlier visit is still running."""
    for _ in range(200):
        if subprocess.run(["pgrep", "-f", "/usr/lib/chromium/chromium"],
                          capture_output=True).returncode != 0:
            break
        time.sleep(0.05)
    time.sleep(0.2)


sizes = {name: os.path.getsize(os.path.join(site_folder, name)) for name in ("index.html",)}
padding = "<!--%s-->" % ("x" * (sizes["index.html"] - len(EMPTY % "<!---->")))
sites = {"page": Site(site_folder), "empty": Site(empty_site()),
         "empty as long": Site(empty_site(padding))}
first = {name: [] for name in sites}
later = {name: [] for name in sites}
order = list(sites)
for _ in range(runs):
    for name in order:
        browsers_gone()
        driver = browser()
        time.sleep(1)
        first[name].append(visit(driver, sites[name]))
        driver.quit()
    order.reverse()
drivers = {name: browser() for name in sites}
for name, site in sites.items():
    visit(drivers[name], site)
for _ in range(runs):
    for name in order:
        later[name].append(visit(drivers[name], sites[name]))
    order.reverse()
for driver in drivers.values():
    driver.quit()
for site in sites.values():
    site.stop()

print("sizes: " + ", ".join("%s %d B" % item for item in sizes.items()))
print("the page with its script and module: %.1f KB (budget 300 KB)" % (sizes["index.html"] / 1000))
budget = {"first visit": "1.25", "later visits": "1.1"}
for label, times in (("first visit", first), ("later visits", later)):
    page, empty = statistics.median(times["page"]), statistics.median(times["empty"])
    long = statistics.median(times["empty as long"])
    print("%s, median of %d: page %.1f ms, empty page %.1f ms, ratio %.2f (budget %s)"
          % (label, runs, page, empty, page / empty, budget[label]))
    print("  an empty page as long as ours: %.1f ms, ratio %.2f" % (long, long / empty))
    # How far single visits stray: the medians move with it from run to run.
    print("  middle half: page %s, empty page %s"
          % tuple("%.1f to %.1f ms" % (q[0], q[2]) for q in
                  (statistics.quantiles(times[name], n=4) for name in ("page", "empty"))))
