"""Serves a folder on localhost and drives headless Chromium, for the web page's tests and benchmark."""
import functools
import http.server
import importlib.machinery
import importlib.util
import pathlib
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


# The handler scripts/serve-web serves the page with, security headers and all.
_loader = importlib.machinery.SourceFileLoader(
    "serve_web", str(pathlib.Path(__file__).resolve().parents[2] / "scripts" / "serve-web"))
serve_web = importlib.util.module_from_spec(importlib.util.spec_from_loader("serve_web", _loader))
_loader.exec_module(serve_web)


def serve(folder):
    """An HTTP server for `folder` on a free localhost port, running until shut down."""
    handler = functools.partial(serve_web.SecureHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_browser(downloads):
    """Debian's Chromium, headless, saving downloads into `downloads` and logging every request."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--autoplay-policy=no-user-gesture-required", "--window-size=1280,2200"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                              "download.prompt_for_download": False})
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def open_page(browser, origin):
    """Loads the page and waits until its core is ready."""
    browser.get(origin + "/index.html")
    WebDriverWait(browser, 20).until(
        lambda b: b.execute_script("return document.body.dataset.ready === 'true'"))
