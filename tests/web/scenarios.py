#!/usr/bin/python3
"""The table of scenarios (tests/scenarios.txt) run through the page in
headless Chromium, on its desktop layout.
Usage: scenarios.py SITE_FOLDER"""
import os
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402
from scenarios import run_all  # noqa: E402

KEYS = {"Enter": Keys.ENTER, "Space": Keys.SPACE, "End": Keys.END}
CHORDS = {"Ctrl+C": (Keys.CONTROL, "c"), "Ctrl+Shift+C": (Keys.CONTROL, Keys.SHIFT, "c")}
CLIPBOARD = "const done = arguments[arguments.length - 1]; navigator.clipboard.%s.then(done, e => done(String(e)))"
FLAVOURS = CLIPBOARD % """read().then(async items => { const out = {};
  for (const type of items[0].types) out[type] = await (await items[0].getType(type)).text();
  return out; })"""
# The boxes that a note or tooltip shown lies over.
COVERED = """const shown = [...document.querySelectorAll('[role=tooltip]')].filter(n => !n.hidden)
  .map(n => n.getBoundingClientRect());
return [...document.querySelectorAll('#Form2 input')].filter(box => {
  const r = box.getBoundingClientRect();
  return shown.some(n => r.left < n.right && n.left < r.right && r.top < n.bottom && n.top < r.bottom);
}).map(box => box.id);"""


class Page:
    def __init__(self, site):
        self.url, self.driver = site.url, browser()
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": site.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    def open(self):
        self.driver.get(self.url)
        wait_ready(self.driver)

    def box(self, name):
        return self.driver.find_element(By.ID, name)

    def ended(self):
        return self.box("again").is_displayed()

    def step(self, line):
        box = self.box(line.field) if line.field else None
        if line.verb == "type":
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(Keys.DELETE + line.text)
        elif line.verb == "paste":
            self.driver.execute_async_script(CLIPBOARD % "writeText(arguments[0])", line.text)
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(Keys.CONTROL, "v")
        elif line.verb == "key":
            for key in line.text.split(" "):
                keys = CHORDS.get(key) or (KEYS.get(key, key),)
                chain = ActionChains(self.driver)
                self.driver.execute_script("arguments[0].focus()", box)  # without a click
                for held in keys[:-1]:
                    chain.key_down(held)
                chain.send_keys(keys[-1])
                for held in reversed(keys[:-1]):
                    chain.key_up(held)
                chain.perform()
        elif line.verb == "click":
            ActionChains(self.driver).move_to_element(box).click().perform()
        elif line.verb == "list":
            picker = Select(box.find_element(By.XPATH, "../select"))
            if line.text.startswith("pick "):
                picker.select_by_visible_text(line.text[5:])
            else:
                box.find_element(By.XPATH, "../select").send_keys(Keys.ESCAPE)
        elif line.verb == "dismiss":
            self.box("message").find_element(By.TAG_NAME, "button").click()
        else:
            raise AssertionError("no such step on the page: %r" % line)

    def check(self, line):
        box = self.box(line.field) if line.field and line.verb != "rows" else None
        if line.verb == "text":
            assert box.get_attribute("value") == line.text, box.get_attribute("value")
        elif line.verb == "rows":
            rows = line.text.split("|")
            got = [self.box("%s(%d)" % (line.field, i)).get_attribute("value")
                   for i in range(1, len(rows) + 1)]
            assert got == rows, got
        elif line.verb == "tint":
            tint = box.get_attribute("data-tint") or "plain"  # as tintName names them
            assert tint == line.text, tint
        elif line.verb == "reason":
            assert box.get_attribute("title") == line.text, box.get_attribute("title")
        elif line.verb in ("clipboard", "html"):
            flavours = self.driver.execute_async_script(FLAVOURS)
            if line.verb == "clipboard":
                assert flavours["text/plain"].startswith(line.text), flavours
            else:
                assert line.text in flavours["text/html"], flavours
        elif line.verb == "message":
            assert self.box("message").get_attribute("open") is not None
            assert self.box("message-text").text.endswith(line.text), self.box("message-text").text
        elif line.verb == "running":
            assert not self.ended()
        elif line.verb == "ended":
            WebDriverWait(self.driver, 5).until(lambda d: self.ended())
        elif line.verb == "note" and line.text == "none":
            assert not self.box("focus-reason").is_displayed()
        elif line.verb == "note":
            assert self.driver.execute_script(COVERED) == []
        else:
            raise AssertionError("no such check on the page: %r" % line)


def main(folder):
    site = Site(folder)
    page = Page(site)

    def run(scenario):
        page.open()
        for line in scenario.lines:
            (page.step if line.is_step else page.check)(line)

    try:
        return run_all("web", run)
    finally:
        page.driver.quit()
        site.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
