#!/usr/bin/python3
"""The real web page in headless Chromium, served from the built site folder,
for what only the page has (what every front end does is in
tests/scenarios.txt): the decimal comma of "pt-BR" in the boxes and in a
copy, the page loading and converting offline after a first visit, a page
that cannot start saying why, the layouts' audits; and on a phone, the
layout made for a thumb.
Usage: page_test.py SITE_FOLDER"""
import os
import sys
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from browser import Site, browser, wait_ready  # noqa: E402

SITE = sys.argv.pop(1)
FORCE = "1 0.001 10 0.01"


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE)
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.stop()

    def open(self, driver=None):
        driver = driver or self.driver
        driver.get(self.site.url)
        wait_ready(driver)
        return driver

    def box(self, name, driver=None):
        return (driver or self.driver).find_element(By.ID, name)

    def rows(self, name, count, driver=None):
        return " ".join(self.box("%s(%d)" % (name, i), driver).get_attribute("value")
                        for i in range(1, count + 1))

    def test_a_brazilian_browser_gets_the_decimal_comma(self):
        driver = self.open(browser("pt-BR"))
        try:
            self.box("Command1", driver).click()
            self.assertEqual(self.rows("Text1", 4, driver), FORCE.replace(".", ","))
        finally:
            driver.quit()

    def test_a_paste_takes_one_line_and_a_copy_takes_both_flavours(self):
        driver = browser("pt-BR")
        try:
            driver.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": self.site.url.rstrip("/"),
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            self.open(driver)
            clipboard = "const done = arguments[0]; navigator.clipboard.%s.then(done, e => done(String(e)))"
            driver.execute_async_script(clipboard % "writeText('1\\n2\\n3\\n')")
            box = self.box("Text5(0)", driver)
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(Keys.CONTROL, "v")
            self.box("Command1", driver).click()
            self.assertEqual(box.get_attribute("value"), "1")
            self.assertEqual(self.box("Text5(1)", driver).get_attribute("value"), "1")  # never 123
            self.assertEqual(box.get_attribute("title"), "Colado: só a primeira de 3 linhas")
            self.assertEqual(self.box("copy-all", driver).text,
                             "Copiar todos os resultados (caixa marcada)")
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys("1", Keys.ENTER)
            self.box("copy-all", driver).click()
            flavours = driver.execute_async_script(clipboard % """read().then(async items => {
                const out = {}; for (const type of items[0].types)
                  out[type] = await (await items[0].getType(type)).text(); return out; })""")
            self.assertTrue(flavours["text/plain"].startswith("Força: 1 Kgf\n1\tKgf\n0,001\tTf\n"))
            self.assertIn('<td sdval="0.001" x:num="0.001">0,001</td>', flavours["text/html"])
        finally:
            driver.quit()

    def test_works_offline_after_a_first_visit(self):
        site, driver = Site(SITE), browser()
        try:
            driver.get(site.url)
            WebDriverWait(driver, 10).until(lambda d: d.execute_script(
                "return navigator.serviceWorker.ready.then(r => !!r.active)"))
            site.stop()
            # The first visit offline is answered from the worker's cache, the
            # next from what it keeps in memory.
            for _ in range(2):
                driver.get(site.url)
                wait_ready(driver)
                self.assertTrue(driver.execute_script("return !!navigator.serviceWorker.controller"))
                self.box("Command1", driver).click()
                self.assertEqual(self.rows("Text1", 4, driver), FORCE)
        finally:
            driver.quit()

    def test_a_page_that_cannot_start_says_why(self):
        # A host whose own policy forbids compiling WebAssembly.
        site, driver = Site(SITE, headers=[("Content-Security-Policy", "script-src 'self' 'unsafe-inline'")]), browser()
        try:
            driver.get(site.url)
            said = WebDriverWait(driver, 10).until(
                lambda d: self.box("message", d).is_displayed() and self.box("message-text", d).text)
            self.assertTrue(said.startswith("A página não pôde ser iniciada: WebAssembly"), said)
        finally:
            driver.quit()
            site.stop()


# Everything a thumb touches or an eye reads on a phone, and what is visible
# but too small for either.
SMALL_TEXT = """return [...document.querySelectorAll('#Form2 *, #Form2')].filter(e =>
  e.offsetParent && e.matches('input, select, button, h2, p, span, div') &&
  (e.value || e.textContent.trim()) && parseFloat(getComputedStyle(e).fontSize) < 16).map(e => e.id)"""
SMALL_TARGETS = """return [...document.querySelectorAll('#Form2 input, #Form2 select, #Form2 button')]
  .filter(e => e.offsetParent || getComputedStyle(e).position === 'fixed')
  .filter(e => { const r = e.getBoundingClientRect(); return r.width && (r.width < 44 || r.height < 44); })
  .map(e => e.id || e.getAttribute('aria-label'))"""


def luminance(colour):
    """The WCAG luminance of a computed "rgb(r, g, b)"."""
    channels = [int(c) / 255 for c in colour[colour.index("(") + 1:colour.index(")")].split(",")[:3]]
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


# Each focusable control's focus ring and the background it sits on: its
# own where the ring is drawn inside it, the page's where outside.
RINGS = """const out = [];
for (const e of document.querySelectorAll('#Form2 input:not([hidden]), #Form2 button')) {
  if (!e.offsetParent && getComputedStyle(e).position !== 'fixed') continue;
  e.focus({focusVisible: true});
  const s = getComputedStyle(e);
  const inside = parseFloat(s.outlineOffset) < 0;
  out.push([e.id, s.outlineColor, inside ? s.backgroundColor : getComputedStyle(document.documentElement).backgroundColor]);
}
return out;"""


class Browsing:
    """The site, and pages opened in it at a size, with touch or a scheme."""

    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE)

    @classmethod
    def tearDownClass(cls):
        cls.site.stop()

    def page(self, width=1280, height=800, touch=False, media=()):
        driver = browser(width=width, height=height)
        if touch:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        if media:
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": n, "value": v} for n, v in media]})
        driver.get(self.site.url)
        wait_ready(driver)
        self.addCleanup(driver.quit)
        return driver


class Layouts(Browsing, unittest.TestCase):
    """What the audits and a keyboard ask of both layouts."""

    def test_every_desktop_target_is_24_px_or_more(self):
        driver = self.page()
        small = driver.execute_script(SMALL_TARGETS.replace("44", "24"))
        self.assertEqual(small, [])

    def test_one_h1_and_each_group_reads_heading_input_units_results(self):
        driver = self.page()
        self.assertEqual(len(driver.find_elements(By.TAG_NAME, "h1")), 1)
        order = driver.execute_script("""return [...document.querySelectorAll('section.group')].map(g =>
            [...g.querySelectorAll('h2, input, select')].slice(0, 5).map(e => e.tagName + (e.id || '')))""")
        self.assertEqual(order[1], ["H2Label2", "INPUTText3(0)", "INPUTCombo2", "SELECT", "INPUTText3(1)"])

    def test_sai_ends_the_program_on_both_layouts(self):
        for driver in (self.page(), self.page(844, 390, touch=True)):
            driver.find_element(By.ID, "Command2").click()
            WebDriverWait(driver, 5).until(lambda d: d.find_element(By.ID, "again").is_displayed())
            shown = driver.execute_script("""return [...document.querySelectorAll('input, select, button')]
                .filter(e => e.getClientRects().length).map(e => e.id)""")
            self.assertEqual(shown, ["again"])

    def test_focus_rings_stand_out_in_dark_and_forced_colours(self):
        for media in ((("prefers-color-scheme", "dark"),), (("forced-colors", "active"),)):
            driver = self.page(media=media)
            driver.find_element(By.ID, "Command1").click()
            driver.find_element(By.ID, "Text1(0)").send_keys("1")  # greyed results
            for name, ring, background in driver.execute_script(RINGS):
                self.assertGreaterEqual(contrast(ring, background), 3, (media, name, ring, background))


class Phone(Browsing, unittest.TestCase):
    """The phone layout, at 390 x 844 and 320 x 640 with touch."""

    def phone(self, width, height):
        return self.page(width, height, touch=True)

    def test_fits_the_screen_and_a_thumb(self):
        for width, height in ((390, 844), (320, 640), (844, 390)):
            driver = self.phone(width, height)
            driver.find_element(By.ID, "Command1").click()
            self.assertEqual(driver.execute_script(
                "return document.documentElement.scrollWidth"), width, "scrolls sideways")
            self.assertEqual(driver.execute_script(SMALL_TEXT), [], "text under 16 px")
            self.assertEqual(driver.execute_script(SMALL_TARGETS), [], "targets under 44 px")

    def test_the_keypad_converts_and_a_picked_unit_greys_until_equals(self):
        driver = self.phone(390, 844)
        value = driver.find_element(By.ID, "Text3(0)")
        self.assertEqual(value.get_attribute("inputmode"), "decimal")
        value.send_keys(Keys.BACKSPACE, "25", Keys.ENTER)  # the keypad's "go"
        self.assertEqual(driver.find_element(By.ID, "Text3(1)").get_attribute("value"), "25")
        self.assertTrue(driver.find_element(By.ID, "Text3(1)").get_attribute("readonly"))
        Select(driver.find_element(By.CSS_SELECTOR, "#Combo2-picker select")).select_by_visible_text("KN.m")
        self.assertIsNotNone(driver.find_element(By.ID, "Text3(1)").get_attribute("data-out-of-date"))
        self.assertEqual(driver.find_element(By.ID, "reason-1").text, "Desatualizado: aperte = ou Ir")
        driver.find_element(By.ID, "Command1").click()
        self.assertEqual(driver.find_element(By.ID, "Text3(1)").get_attribute("value"), "2500000")
        self.assertEqual(driver.find_element(By.ID, "reason-1").text, "")

    def test_a_long_result_keeps_its_unit_in_its_row(self):
        driver = self.phone(320, 640)
        value = driver.find_element(By.ID, "Text3(0)")
        value.send_keys(Keys.BACKSPACE, "-1.23456789012345e-200", Keys.ENTER)
        apart = driver.execute_script("""return [...document.querySelectorAll('.row')].filter(row => {
            const r = row.getBoundingClientRect();
            return [...row.children].some(box => { const b = box.getBoundingClientRect();
              return b.top < r.top - 0.5 || b.bottom > r.bottom + 0.5; }); }).length""")
        self.assertEqual(apart, 0)
        self.assertGreaterEqual(int(driver.find_element(By.CSS_SELECTOR, "#Combo2-picker select")
                                    .get_attribute("tabIndex")), 0)

    def test_a_marked_box_says_why_in_words(self):
        driver = self.phone(320, 640)
        value = driver.find_element(By.ID, "Text1(0)")
        value.send_keys(Keys.BACKSPACE, "12.5kN", Keys.ENTER)
        reason = driver.find_element(By.ID, "reason-0")
        self.assertEqual(reason.text, "Lido como 12.5")
        self.assertTrue(reason.is_displayed())
        self.assertEqual(value.get_attribute("aria-describedby"), "reason-0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
