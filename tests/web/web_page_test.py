#!/usr/bin/env python3
"""Drives the web page in headless Chromium, and its single file in Firefox too, and
checks it shows what spjinfo prints.

Usage: web_page_test.py PAGE_DIR SPJINFO DEMO_SPJ MAKE_TEST_SPJ SCREENSHOT_DIR
"""
import base64
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "support"))
from web_browser import Firefox, open_page, serve, start_browser  # noqa: E402

PAGE, SPJINFO, DEMO, MAKE_TEST_SPJ, SCREENSHOTS = (pathlib.Path(a).resolve() for a in sys.argv[1:6])


def spjinfo(*args, cwd=None):
    return subprocess.run([str(SPJINFO), *args], capture_output=True, check=False, cwd=cwd)


def refusal(result):
    """The message of spjinfo's complaint, without the program and file names before it."""
    return result.stderr.decode().strip().split(": ", 2)[2]


def escaped(cell):
    """A cell as spjinfo's TAB-separated output writes it."""
    named = {ord("\\"): "\\\\", ord("\t"): "\\t", ord("\r"): "\\r", ord("\n"): "\\n"}
    controls = {c: f"\\x{c:02x}" for c in [*range(0x20), 0x7F] if c not in named}
    return cell.translate(named | controls)


# Every script the test runs may name an element by its id as $(id).
DOLLAR = "const $ = (id) => document.getElementById(id);\n"

# Everything the page shows of the project on show, in one call.
SHOWN = """
const text = (id) => ($(id).hidden ? null : $(id).textContent);
const cells = (table) => [...document.querySelectorAll(table + ' tbody tr')]
  .map((row) => [...row.cells].map((cell) => cell.textContent));
return {
  message: text('message'), file: text('spj-name'), author: text('spj-author'), requirement: text('spj-requirement'),
  headings: [...document.querySelectorAll('#summary-table thead th')].map((th) => th.textContent),
  rows: cells('#summary-table'), cvMessage: text('cv-message'), cvs: cells('#cv-table'), text: text('descriptive-text'),
  clips: [...document.querySelectorAll('#clip-list li')].map((li) => [li.textContent, li.dataset.playTime]),
};"""

# The pixels of a PNG screenshot, and for each text on show the contrast of its
# most distant pixel against the colour most of its box has.
CONTRAST = """
const [png, done] = [arguments[0], arguments[arguments.length - 1]];
const image = new Image();
image.onload = () => {
  const canvas = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height });
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  const luminance = (key) => [key >> 16, (key >> 8) & 255, key & 255].map((c) => c / 255)
    .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
    .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
  const ratio = (a, b) => (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
  const onTop = (element, box) => [document.elementFromPoint(box.left + Math.min(box.width / 2, 8),
    box.top + box.height / 2)].some((hit) => hit && (hit === element || element.contains(hit)));
  const texts = [...document.querySelectorAll('body *')].filter((element) => element.checkVisibility()
    && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim())
    && !element.closest('#waveform') && onTop(element, element.getBoundingClientRect()));
  done(texts.map((element) => {
    const box = element.getBoundingClientRect();
    const x = Math.max(0, Math.floor(box.left)), y = Math.max(0, Math.floor(box.top));
    const w = Math.min(Math.ceil(box.width), canvas.width - x);
    const h = Math.min(Math.ceil(box.height), 60, canvas.height - y);
    if (w <= 0 || h <= 0) return [element.id || element.tagName, 21];
    const data = context.getImageData(x, y, w, h).data;
    const counts = new Map();
    for (let i = 0, key; i < data.length; i += 4) {
      counts.set(key = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2], (counts.get(key) ?? 0) + 1);
    }
    const background = luminance([...counts].sort((a, b) => b[1] - a[1])[0][0]);
    return [`${element.tagName}#${element.id}.${element.className}: ${element.textContent.slice(0, 30)}`,
      Math.max(...[...counts.keys()].map((key) => ratio(luminance(key), background)))];
  }));
};
image.src = 'data:image/png;base64,' + png;
"""


class WebPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve(PAGE)
        cls.origin = f"http://127.0.0.1:{cls.server.server_address[1]}"
        cls.temp = pathlib.Path(tempfile.mkdtemp())
        cls.downloads = cls.temp / "downloads"
        cls.collection = cls.temp / "collection"
        subprocess.run([str(MAKE_TEST_SPJ), "collection", str(cls.collection), "120"], check=True)
        cls.browser = start_browser(cls.downloads)
        cls.reopen()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        shutil.rmtree(cls.temp)

    @classmethod
    def wait_for(cls, condition):
        WebDriverWait(cls.browser, 20).until(lambda b: b.execute_script(DOLLAR + "return " + condition))

    @classmethod
    def show(cls, path):
        """Picks a file and waits until the page has shown or refused it."""
        opened = cls.browser.execute_script("return Number(document.body.dataset.opened ?? 0)")
        cls.browser.find_element(By.ID, "spj-file").send_keys(str(path))
        cls.wait_for(f"Number(document.body.dataset.opened ?? 0) > {opened}")

    @classmethod
    def reopen(cls, origin=None):
        """The page, fresh from `origin` (the test server's), with the demo on show."""
        open_page(cls.browser, origin or cls.origin)
        cls.show(DEMO)

    def script(self, text, *args):
        return self.browser.execute_script(DOLLAR + text, *args)

    def element(self, id_):
        return self.browser.find_element(By.ID, id_)

    def pick_clip(self, line):
        self.script(f"$('clip-list').children[{line}].click()")

    def errors(self):
        """What the page logged as errors since last asked."""
        return [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]

    def cdp(self, command, **parameters):
        return self.browser.execute_cdp_cmd(command, parameters)

    def network(self, offline=False, latency=0):
        self.cdp("Network.emulateNetworkConditions", offline=offline, latency=latency,
                 downloadThroughput=-1, uploadThroughput=-1)

    def pdf_text(self):
        """What the browser's own Print prints."""
        pdf = self.temp / "printed.pdf"
        pdf.write_bytes(base64.b64decode(self.cdp("Page.printToPDF")["data"]))
        return subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True, check=True).stdout.decode()

    def test_a_file_picked_before_the_core_loads_is_opened_and_print_says_no_project(self):
        # The service worker's own fetches are not slowed down.
        self.script("""return navigator.serviceWorker.getRegistrations()
                           .then((all) => Promise.all(all.map((one) => one.unregister())))""")
        self.network(latency=1500)
        try:
            self.browser.get(self.origin + "/index.html")
            self.assertIn("No project is open.", self.pdf_text())
            self.element("spj-file").send_keys(str(DEMO))
            self.assertEqual(self.element("loading").text, "Loading…")
            self.wait_for("$('spj-name').textContent === 'DEMO.SPJ'")
            self.assertFalse(self.element("loading").is_displayed())
        finally:
            self.network()

    def test_every_fixture_project_shows_what_spjinfo_prints(self):
        refused = 0
        for project in sorted(self.collection.iterdir()):
            with self.subTest(project.name):
                self.show(project)
                shown = self.script(SHOWN)
                printed = spjinfo("--json", str(project))
                if printed.returncode != 0:
                    refused += 1
                    self.assertEqual(shown["message"], refusal(printed))
                    continue
                expected = json.loads(printed.stdout)
                text = spjinfo("--text", str(project)).stdout.decode("cp1252").replace("\r\n", "\n")
                self.assertEqual(
                    [shown[k] for k in ("message", "file", "author", "requirement", "rows", "headings", "text")],
                    [None, *(expected[k] for k in ("file", "author", "requirement", "rows")),
                     spjinfo(str(project)).stdout.decode().splitlines()[4].split("\t"), text])
                cvs = spjinfo("--cvs", str(project))
                if cvs.returncode != 0:
                    self.assertEqual(shown["cvMessage"], refusal(cvs))
                else:
                    self.assertEqual([[escaped(c) for c in row] for row in shown["cvs"]],
                                     [line.split("\t") for line in cvs.stdout.decode().splitlines()])
                clips = [line.split("\t") for line in spjinfo("--clips", str(project)).stdout.decode().splitlines()]
                self.assertEqual([escaped(name) for name, _ in shown["clips"]], [c[1] for c in clips])
                self.assertTrue(all(c[3] in time for (_, time), c in zip(shown["clips"], clips)))
        self.assertGreater(refused, 5)

    def test_what_the_desktop_shows_is_on_the_page(self):
        self.show(DEMO)
        self.pick_clip(0)
        shown = self.script("""const align = (table, col) => getComputedStyle($(table).tBodies[0].rows[0].cells[col])
              .textAlign;
            return [$('title-line').textContent, $('about').textContent.includes('are not changed.'),
                    $('budget-text').textContent, $('cv-note').textContent, align('summary-table', 1),
                    align('summary-table', 4), align('cv-table', 0), getComputedStyle($('clip-name')).textAlign,
                    $('size-note').hidden];""")
        self.assertEqual(shown, [
            "Tambrelox V1.0", True, "114,432 of 524,888 bytes (22%)",
            "CV Names are listed for 'custom' CVs 140 and greater if available in the SPJ.  "
            "These names show in Quenderlith.", "left", "right", "center", "center", True])
        self.show(self.collection / "project0005.spj")  # its first clip, "  lead", plays 12.5 s
        self.pick_clip(0)
        self.assertEqual(self.script("return [$('size-note').textContent, $('clip-name').textContent]"), [
            "Max sound file play time for 4 mbits decoders is 11.8 sec,  95 sec for 16 mbit "
            "'Premium' decoders", "  lead.wav"])
        (self.temp / "notes.txt").write_text("not a sound project")
        self.show(self.temp / "notes.txt")
        self.assertEqual(self.element("message").text, "No Sound Project File (.spj) was selected!")
        huge = self.temp / "huge.spj"  # read no further than enough to refuse it
        with huge.open("wb") as file:
            file.truncate(65 * 1024 * 1024)
        self.show(huge)
        self.assertEqual(self.element("message").text, "Problem reading huge.spj: the file is far too large "
                         "to be a sound project. Cannot continue.")
        self.show(DEMO)

    def play(self, button):
        self.script("""window.played = null;
            addEventListener('tambrelox-play', e => { window.played = e.detail; }, {once: true});""")
        self.element(button).click()
        self.wait_for("window.played !== null")

    def buttons(self):
        """The focused element and which of Repeat, Stop and the playing indicator are on show."""
        return [self.script("return document.activeElement.id"),
                *(self.element(id_).is_displayed() for id_ in ("play-repeat", "stop", "playing"))]

    def test_sound_buttons_play_save_and_keep_the_focus_where_the_desktop_puts_it(self):
        self.show(DEMO)
        self.pick_clip(0)
        self.play("play-repeat")
        self.assertEqual(bytes(self.script("return Array.from(window.played.wave)")),
                         spjinfo("--repeat", "0", "-", str(DEMO)).stdout)
        self.assertEqual(self.buttons(), ["stop", False, True, True])
        # The play position moves over the waveform.
        frame = "return $('waveform').toDataURL()"
        before = self.script(frame)
        time.sleep(0.2)
        self.assertNotEqual(self.script(frame), before)
        self.element("stop").click()
        self.assertEqual(self.buttons(), ["play-repeat", True, False, False])
        self.play("play-once")
        clips = [line.split("\t") for line in spjinfo("--clips", str(DEMO)).stdout.decode().splitlines()]
        self.assertAlmostEqual(self.script("return window.played.seconds"), float(clips[0][3]), delta=0.001)
        self.wait_for("document.activeElement.id === 'clip-list'")
        extracted = self.temp / "clips"
        spjinfo("--extract", str(extracted), str(DEMO))
        name = self.element("save-clip").get_attribute("download")
        self.element("save-clip").click()
        WebDriverWait(self.browser, 20).until(lambda _: (self.downloads / name).exists())
        self.assertEqual((self.downloads / name).read_bytes(), (extracted / name).read_bytes())

    def test_a_clip_with_nothing_to_play_gives_the_buttons_back_and_raises_nothing(self):
        self.errors()
        # The second clip of one holds no sound; the first of the other is too long to repeat.
        for project, line, button in (("project0013.spj", 1, "play-once"), ("project0005.spj", 0, "play-repeat")):
            with self.subTest(project=project, button=button):
                self.show(self.collection / project)
                self.pick_clip(line)
                self.play(button)
                self.assertEqual(self.script("return window.played.seconds"), 0)
                self.assertEqual(self.buttons(), ["clip-list", True, False, False])
        self.assertEqual(self.errors(), [])

    def test_printouts_are_the_reports_spjinfo_writes(self):
        # The page knows no folder (the title line naming the file centres on
        # what it names), and the print time differs by the second.
        def comparable(report):
            lines = report.replace(str(DEMO.parent).lower() + "/", "").splitlines()
            return [line.strip() if line.endswith("demo.spj") else line for line in lines
                    if "Printed:" not in line]
        self.show(DEMO)
        self.script("window.print = () => {}")  # the print dialog is the browser's own
        printed = """return [...document.querySelectorAll('#print-pages .print-page')]
                     .map(page => page.textContent).join('\\n\\f\\n') + '\\n';"""
        for button, report in (("print-summary", "summary"), ("print-cvs", "cvs")):
            self.element(button).click()
            expected = spjinfo("--report", report, str(DEMO)).stdout.decode()
            self.assertEqual(comparable(self.script(printed)), comparable(expected), report)
        self.element("print-text").click()
        self.assertEqual(self.script(printed).rstrip("\n"), self.script(
            "return $('descriptive-text').textContent").rstrip("\n"))
        # The browser's own Print, after another file is opened, prints that file's summary.
        self.show(self.collection / "project0001.spj")
        self.script("dispatchEvent(new Event('afterprint'))")
        pdf = self.pdf_text()
        self.assertIn("project0001.spj", pdf)
        self.assertNotIn("demo.spj", pdf)

    def test_the_core_failing_is_said_in_a_plain_sentence(self):
        self.script("WebAssembly.Memory.prototype.grow = () => { throw new RangeError('no'); }")
        # More than the core's memory holds at first, so that it must grow.
        large = self.temp / "large.spj"
        large.write_bytes(bytes(20 * 1024 * 1024))
        self.show(large)
        self.assertEqual(self.element("message").text, "Tambrelox met an internal fault and could not "
                         "finish. The page has been reset: please open the file again.")
        self.reopen()

    def test_installable_working_offline_and_from_the_disk_as_one_file(self):
        open_page(self.browser, self.origin)
        self.script("return navigator.serviceWorker.ready")
        if not self.script("return Boolean(navigator.serviceWorker.controller)"):
            open_page(self.browser, self.origin)
        self.assertEqual(self.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        for page, offline in ((self.origin + "/index.html", True), ((PAGE / "tambrelox.html").as_uri(), False)):
            with self.subTest(page):
                self.errors()
                self.network(offline=offline)
                try:
                    self.browser.get(page)
                    self.wait_for("document.body.dataset.ready === 'true'")
                    self.show(DEMO)
                    self.assertEqual(self.element("spj-name").text, "DEMO.SPJ")
                finally:
                    self.network()
                if not offline:
                    self.assertEqual(self.errors(), [])
        self.reopen()

    def test_the_single_file_shows_the_demo_in_firefox_too(self):
        firefox = Firefox(self.temp / "firefox")
        try:
            firefox.call("WebDriver:Navigate", {"url": (PAGE / "tambrelox.html").as_uri()})
            firefox.wait_for("document.body.dataset.ready === 'true'")
            picker = firefox.call("WebDriver:FindElement", {"using": "css selector", "value": "#spj-file"})
            firefox.call("WebDriver:ElementSendKeys", {"id": next(iter(picker.values())), "text": str(DEMO)})
            firefox.wait_for("document.getElementById('spj-name').textContent === 'DEMO.SPJ'")
        finally:
            firefox.close()

    def test_a_new_build_replaces_the_cached_one(self):
        site = self.temp / "site"
        shutil.copytree(PAGE, site)
        server = serve(site)
        origin = f"http://127.0.0.1:{server.server_address[1]}"
        try:
            open_page(self.browser, origin)
            self.wait_for("navigator.serviceWorker.ready.then((r) => r.active.state === 'activated')")
            worker = site / "service_worker.js"
            worker.write_text(worker.read_text().replace("kCache = 'tambrelox-", "kCache = 'tambrelox-next-"))
            (site / "style.css").write_text((site / "style.css").read_text() + "/* next build */\n")
            open_page(self.browser, origin)
            self.wait_for("caches.keys().then((names) => names.length === 1 && names[0].startsWith('tambrelox-next-'))")
            self.wait_for("caches.match('style.css').then((r) => r.text()).then((t) => t.includes('next build'))")
        finally:
            server.shutdown()
            self.browser.get_log("performance")  # that origin's requests are this test's own
            self.reopen()

    def test_every_text_stands_out_in_both_colour_schemes(self):
        self.show(DEMO)
        self.pick_clip(0)
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        for scheme, end in (("light", "top"), ("light", "bottom"), ("dark", "top"), ("dark", "bottom")):
            self.cdp("Emulation.setEmulatedMedia", features=[{"name": "prefers-color-scheme", "value": scheme}])
            self.script(f"scrollTo(0, {0 if end == 'top' else 'document.body.scrollHeight'})")
            self.script("return new Promise((done) => requestAnimationFrame(() => done()))")
            self.browser.save_screenshot(str(SCREENSHOTS / f"web_page_{scheme}_{end}.png"))
            measured = self.browser.execute_async_script(CONTRAST, self.browser.get_screenshot_as_base64())
            self.assertGreater(len(measured), 10)
            self.assertEqual([(text, round(ratio, 2)) for text, ratio in measured if ratio < 4.5], [], scheme)
        self.cdp("Emulation.setEmulatedMedia", features=[])

    def test_a_folder_gives_the_csv_spjinfo_writes_and_two_rows_compare(self):
        folder = self.temp / "folder"
        subprocess.run([str(MAKE_TEST_SPJ), "collection", str(folder), "200"], check=True)
        self.element("spj-folder").send_keys(str(folder))
        self.wait_for("$('catalogue-progress').textContent === '200 files read.'")
        # Each filter keeps the rows it names.
        shown = """const filter = $('catalogue-filter');
            filter.value = arguments[0]; filter.dispatchEvent(new Event('change'));
            return [...document.querySelectorAll('#catalogue-table tbody tr')]
              .map((row) => row.cells[row.cells.length > 3 ? 4 : 2].textContent);"""
        for choice, count, requirements in (("refused", 25, None), ("small", 150, {"any SFX Decoder"}),
                                            ("large", 25, {"Series-6 Premium Decoders Only"}), ("all", 200, None)):
            cells = self.script(shown, choice)
            self.assertEqual((len(cells), requirements and set(cells)), (count, requirements), choice)
        self.element("save-catalogue").click()
        saved = self.downloads / "catalogue.csv"
        WebDriverWait(self.browser, 20).until(lambda _: saved.exists())
        self.assertEqual(saved.read_bytes(), spjinfo("-r", "--csv", "folder", cwd=self.temp).stdout)
        for line in (0, 1):
            self.browser.find_element(By.CSS_SELECTOR, f"#catalogue-table tr[data-line='{line}'] input").click()
        self.element("compare").click()
        self.wait_for("!$('comparison').hidden")
        shown = self.script("""return [...document.querySelectorAll('#comparison-changes li')]
            .map((li) => li.textContent + '\\n').join('')
            + $('comparison-text').textContent;""")
        self.assertEqual(shown, spjinfo("--diff", "folder/project0000.spj", "folder/project0001.spj",
                                        cwd=self.temp).stdout.decode())
        # Choosing a row opens its project.
        self.browser.find_element(By.CSS_SELECTOR, "#catalogue-table tr[data-line='4'] td:nth-child(3)").click()
        self.wait_for("$('spj-name').textContent === 'PROJECT0004.SPJ'")
        self.script("[...document.querySelectorAll('#catalogue-table button.sort')][9].click()")
        totals = self.script("""return [...document.querySelectorAll('#catalogue-table tbody tr')]
            .filter((row) => row.cells.length > 3).map((row) => Number(row.cells[10].textContent));""")
        self.assertEqual(totals, sorted(totals))

    def test_a_file_gone_before_it_is_read_is_listed_as_refused(self):
        folder = self.temp / "going"
        folder.mkdir()
        for name in ("project0000.spj", "project0001.spj"):
            shutil.copy(self.collection / name, folder)
        self.script("$('spj-folder').addEventListener('change', (event) => "
                    "event.stopImmediatePropagation(), {capture: true, once: true})")
        self.element("spj-folder").send_keys(str(folder))
        (folder / "project0001.spj").unlink()
        self.script("$('spj-folder').dispatchEvent(new Event('change'))")
        self.wait_for("$('catalogue-progress').textContent === '2 files read.'")
        self.assertEqual(self.script("return document.querySelector('#catalogue-table .refusal').textContent"),
                         "Problem reading project0001.spj: the browser could not read the file. Cannot continue.")

    def test_zz_no_request_leaves_the_page_origin(self):
        requests = [json.loads(entry["message"])["message"] for entry in self.browser.get_log("performance")]
        urls = [r["params"]["request"]["url"] for r in requests if r["method"] == "Network.requestWillBeSent"]
        self.assertTrue(any(url.endswith("tambrelox_core.wasm") for url in urls), urls)
        self.assertEqual([url for url in urls if not url.startswith(
            (self.origin + "/", "blob:" + self.origin, "data:", PAGE.as_uri()))], [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
