#!/usr/bin/env python3
"""Drives the web page in headless Chromium and checks it shows what spjinfo prints.

Usage: web_page_test.py PAGE_DIR SPJINFO DEMO_SPJ SCREENSHOT_DIR
"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "support"))
from web_browser import open_page, serve, start_browser  # noqa: E402

PAGE, SPJINFO, DEMO, SCREENSHOTS = (pathlib.Path(arg).resolve() for arg in sys.argv[1:5])


def spjinfo(*args):
    return subprocess.run([str(SPJINFO), *args], capture_output=True, check=False)


TABLE_CELLS = """return [...document.querySelectorAll(arguments[0] + ' tbody tr')]
                   .map(row => [...row.cells].map(cell => cell.textContent));"""


class WebPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve(PAGE)
        cls.origin = f"http://127.0.0.1:{cls.server.server_address[1]}"
        cls.temp = pathlib.Path(tempfile.mkdtemp())
        cls.downloads = cls.temp / "downloads"
        cls.browser = start_browser(cls.downloads)
        open_page(cls.browser, cls.origin)
        cls.open(DEMO)
        cls.wait_for("document.getElementById('spj-name').textContent === 'DEMO.SPJ'")

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        shutil.rmtree(cls.temp)

    @classmethod
    def wait_for(cls, condition):
        WebDriverWait(cls.browser, 20).until(lambda b: b.execute_script("return " + condition))

    @classmethod
    def open(cls, path):
        cls.browser.find_element(By.ID, "spj-file").send_keys(str(path))

    def script(self, text, *args):
        return self.browser.execute_script(text, *args)

    def bytes_of(self, expression):
        """The bytes of a Uint8Array the page's script gives."""
        return bytes(self.script(f"return Array.from({expression})"))

    def test_summary_cells_are_those_spjinfo_prints(self):
        printed = json.loads(spjinfo("--json", str(DEMO)).stdout)
        self.assertEqual(self.script(TABLE_CELLS, "#summary-table"), printed["rows"])
        headings = spjinfo(str(DEMO)).stdout.decode().splitlines()[4].split("\t")
        self.assertEqual(self.script("""return [...document.querySelectorAll(
            '#summary-table thead th')].map(th => th.textContent);"""), headings)
        shown = [self.browser.find_element(By.ID, id).text
                 for id in ("spj-name", "spj-author", "spj-requirement")]
        self.assertEqual(shown, [printed["file"], printed["author"], printed["requirement"]])

    def test_cv_rows_and_text_are_those_spjinfo_prints(self):
        rows = [line.split("\t") for line in spjinfo("--cvs", str(DEMO)).stdout.decode().splitlines()]
        self.assertEqual(len(rows), 255)
        self.assertEqual(self.script(TABLE_CELLS, "#cv-table"), rows)
        text = spjinfo("--text", str(DEMO)).stdout.decode("cp1252").replace("\r\n", "\n")
        self.assertEqual(self.script("return document.getElementById('descriptive-text').textContent"),
                         text)

    def test_corrupt_file_shows_the_message_and_keeps_the_project(self):
        corrupt = self.temp / "corrupt.spj"
        damaged = bytearray(DEMO.read_bytes())
        damaged[7] = 1  # the fourth byte of a header field
        corrupt.write_bytes(damaged)
        expected = spjinfo(str(corrupt)).stderr.decode().strip().split(": ", 2)[2]
        self.assertIn("corrupt", expected)
        self.open(corrupt)
        self.wait_for("!document.getElementById('message').hidden")
        self.assertEqual(self.browser.find_element(By.ID, "message").text, expected)
        self.assertEqual(self.browser.find_element(By.ID, "spj-name").text, "DEMO.SPJ")
        self.assertEqual(len(self.script(TABLE_CELLS, "#summary-table")),
                         len(json.loads(spjinfo("--json", str(DEMO)).stdout)["rows"]))

    def play(self, button):
        self.script("""window.played = null;
            addEventListener('tambrelox-play', e => { window.played = e.detail; }, {once: true});""")
        self.browser.find_element(By.ID, button).click()
        self.wait_for("window.played !== null")

    def test_sound_buttons_play_and_save_what_spjinfo_writes(self):
        clips = [line.split("\t") for line in spjinfo("--clips", str(DEMO)).stdout.decode().splitlines()]
        Select(self.browser.find_element(By.ID, "clip-list")).select_by_index(0)

        self.play("play-once")
        self.assertAlmostEqual(self.script("return window.played.seconds"), float(clips[0][3]),
                               delta=0.001)

        self.play("play-repeat")
        self.assertTrue(self.browser.find_element(By.ID, "stop").is_displayed())
        repeat = spjinfo("--repeat", "0", "-", str(DEMO)).stdout
        self.assertEqual(self.bytes_of("window.played.wave"), repeat)
        self.browser.find_element(By.ID, "stop").click()
        self.assertTrue(self.browser.find_element(By.ID, "play-repeat").is_displayed())

        extracted = self.temp / "clips"
        spjinfo("--extract", str(extracted), str(DEMO))
        link = self.browser.find_element(By.ID, "save-clip")
        name = link.get_attribute("download")
        self.assertTrue((extracted / name).exists(), name)
        link.click()
        WebDriverWait(self.browser, 20).until(lambda _: (self.downloads / name).exists())
        self.assertEqual((self.downloads / name).read_bytes(), (extracted / name).read_bytes())

    def printed(self, button):
        self.script("window.print = () => {}")  # the print dialog is the browser's own
        self.browser.find_element(By.ID, button).click()
        return self.script("""return [...document.querySelectorAll('#print-pages .print-page')]
                                  .map(page => page.textContent).join('\\n\\f\\n') + '\\n';""")

    def test_printouts_are_the_reports_spjinfo_writes(self):
        # The page knows no folder (the title line naming the file centres on
        # what it names), and the print time differs by the second.
        def comparable(report):
            lines = report.replace(str(DEMO.parent).lower() + "/", "").splitlines()
            return [line.strip() if line.endswith("demo.spj") else line for line in lines
                    if "Printed:" not in line]
        for button, report in (("print-summary", "summary"), ("print-cvs", "cvs")):
            expected = spjinfo("--report", report, str(DEMO)).stdout.decode()
            self.assertEqual(comparable(self.printed(button)), comparable(expected), report)

    def test_zz_no_request_leaves_the_page_origin_and_a_screenshot(self):
        requests = [json.loads(entry["message"])["message"]
                    for entry in self.browser.get_log("performance")]
        urls = [r["params"]["request"]["url"] for r in requests
                if r["method"] == "Network.requestWillBeSent"]
        self.assertTrue(any(url.endswith("tambrelox_core.wasm") for url in urls), urls)
        outside = [url for url in urls
                   if not url.startswith((self.origin + "/", "blob:" + self.origin, "data:"))]
        self.assertEqual(outside, [])
        self.script("document.getElementById('message').hidden = true; scrollTo(0, 0)")
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        self.assertTrue(self.browser.save_screenshot(str(SCREENSHOTS / "web_page_demo.png")))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
