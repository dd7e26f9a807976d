"""The built site on a local port, and headless Chromium to open it: shared by
the page test and the page's start-up benchmark."""
import functools
import http.server
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


class Site:
    """A site folder on a local port, as a static host serves it."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        headers_added = ()

        def end_headers(self):
            # Nothing from the browser's own cache: offline, only the page's
            # worker can answer.
            self.send_header("Cache-Control", "no-store")
            for name, value in self.headers_added:
                self.send_header(name, value)
            super().end_headers()

        def log_message(self, *args):
            pass

    class Server(http.server.ThreadingHTTPServer):
        def handle_error(self, request, client_address):
            # A browser that quits or moves on drops the requests it no
            # longer needs; that is no fault of the page.
            if not isinstance(sys.exc_info()[1], ConnectionError):
                super().handle_error(request, client_address)

    def __init__(self, folder, headers=()):
        """`headers`: (name, value) pairs the host adds to every answer."""
        handler = functools.partial(type("Handler", (Site.Handler,), {"headers_added": headers}),
                                    directory=folder)
        self.server = Site.Server(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.server.server_port
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def browser(language="en-US", width=1280, height=800):
    """Debian's headless Chromium, with a fresh profile in `language`."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--lang=" + language):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_window_size(width, height)
    return driver


def wait_ready(driver, timeout=10):
    """Waits until the page can convert: its WebAssembly module has started."""
    WebDriverWait(driver, timeout).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready"))
