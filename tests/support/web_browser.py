"""Serves a folder on localhost and drives headless Chromium and Firefox, for the web
page's tests and benchmark."""
import functools
import http.server
import importlib.machinery
import importlib.util
import json
import os
import pathlib
import socket
import subprocess
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


class Firefox:
    """Debian's Firefox ESR, headless, driven over its own Marionette protocol, which
    needs no geckodriver (Debian has none)."""

    def __init__(self, profile):
        profile.mkdir(parents=True)
        (profile / "user.js").write_text('user_pref("marionette.port", 0);\n')
        self._process = subprocess.Popen(
            ["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile", str(profile)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env={**os.environ, "HOME": str(profile)})
        port_file = profile / "MarionetteActivePort"
        WebDriverWait(port_file, 60).until(lambda port: port.exists() and port.read_text().strip(),
                                           "Firefox did not start Marionette")
        self._socket = socket.create_connection(("127.0.0.1", int(port_file.read_text())))
        self._replies = self._socket.makefile("rb")
        self._last_id = 0
        self._receive()  # the greeting
        self.call("WebDriver:NewSession", {})

    def _receive(self):
        length = b""
        while (digit := self._replies.read(1)) != b":":
            length += digit
        return json.loads(self._replies.read(int(length)))

    def call(self, command, parameters):
        """The value of a WebDriver command; a browser error raises."""
        self._last_id += 1
        body = json.dumps([0, self._last_id, command, parameters]).encode()
        self._socket.sendall(str(len(body)).encode() + b":" + body)
        _, _, error, result = self._receive()
        if error:
            raise RuntimeError(f"{command}: {error}")
        return result.get("value") if isinstance(result, dict) else result

    def wait_for(self, condition):
        WebDriverWait(self, 20).until(
            lambda firefox: firefox.call("WebDriver:ExecuteScript", {"script": "return " + condition, "args": []}),
            condition)

    def close(self):
        self._socket.close()
        self._process.kill()
        self._process.wait()
