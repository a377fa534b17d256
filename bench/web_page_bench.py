#!/usr/bin/env python3
"""Times the web page in headless Chromium: a 2 MiB project from picked to its
summary shown (target: median under 50 ms), a folder of 1,000 projects to its
full catalogue against `spjinfo -r --csv` on the same files in the same run
(target: under 3x) and against the browser doing nothing but read them, and
the gzipped sizes of the page with its WebAssembly (target: under 200 KB) and
of the single-file page (target: under 300 KB).

Usage: /usr/bin/python3 bench/web_page_bench.py [BUILD_DIR]   (after scripts/build-web)
"""
import gzip
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

root = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(root / "tests" / "support"))
from web_browser import open_page, serve, start_browser  # noqa: E402

RUNS = 15
CATALOGUE_RUNS = 3
FOLDER_SIZE = 1000

# Stamps the input's change (the files picked) and the first frame after the
# element watched changes (the result shown) in the page's clock.
MEASURE = """
const [input, watched, until] = arguments;
window.picked = null; window.shown = null;
document.getElementById(input).addEventListener('change',
    () => { window.picked = performance.now(); }, {capture: true});
new MutationObserver((changes, observer) => {
  if (!document.getElementById(watched).textContent.includes(until)) return;
  observer.disconnect();
  requestAnimationFrame(() => { window.shown = performance.now(); });
}).observe(document.getElementById(watched), {childList: true, characterData: true, subtree: true});
"""

# The browser reading every file picked whole, as the catalogue does and with
# as many reads under way, and nothing else: what no page can go below.
READ_ONLY = """
const [input, done] = arguments;
const files = [...document.getElementById(input).files];
const start = performance.now();
let next = 0;
const reader = async () => { while (next < files.length) await files[next++].arrayBuffer(); };
Promise.all(Array.from({ length: 16 }, reader)).then(() => done(performance.now() - start));
"""


def gzipped_kb(files):
    return sum(len(gzip.compress(f.read_bytes(), 9)) for f in files) / 1000


def timed(browser, origin, input_id, path, watched, until):
    open_page(browser, origin)
    browser.execute_script(MEASURE, input_id, watched, until)
    browser.find_element(By.ID, input_id).send_keys(str(path))
    WebDriverWait(browser, 120).until(lambda b: b.execute_script("return window.shown !== null"))
    return browser.execute_script("return window.shown - window.picked")


def read_only(browser, origin, input_id, path):
    open_page(browser, origin)
    browser.execute_script(f"document.getElementById('{input_id}').addEventListener('change', "
                           "(event) => event.stopImmediatePropagation(), {capture: true})")
    browser.find_element(By.ID, input_id).send_keys(str(path))
    WebDriverWait(browser, 20).until(lambda b: b.execute_script(
        f"return document.getElementById('{input_id}').files.length > 0"))
    browser.set_script_timeout(120)
    return browser.execute_async_script(READ_ONLY, input_id)


def main():
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else root / "build").resolve()
    page = build / "web"
    with tempfile.TemporaryDirectory() as temp:
        temp = pathlib.Path(temp)
        project = temp / "large.spj"
        make = str(build / "fixtures" / "make_test_spj")
        subprocess.run([make, "large", str(project)], check=True)
        folder = temp / "folder"
        subprocess.run([make, "collection", str(folder), str(FOLDER_SIZE)], check=True)
        server = serve(page)
        browser = start_browser(temp)
        origin = f"http://127.0.0.1:{server.server_address[1]}"
        try:
            times = [timed(browser, origin, "spj-file", project, "spj-name", "LARGE.SPJ")
                     for _ in range(RUNS)]
            page_ms = [timed(browser, origin, "spj-folder", folder, "catalogue-progress",
                             f"{FOLDER_SIZE} files read.") for _ in range(CATALOGUE_RUNS)]
            read_ms = [read_only(browser, origin, "spj-folder", folder) for _ in range(CATALOGUE_RUNS)]
        finally:
            browser.quit()
            server.shutdown()
        cli_ms = []
        for _ in range(CATALOGUE_RUNS):
            start = time.perf_counter()
            subprocess.run([str(build / "src" / "app" / "spjinfo"), "-r", "--csv", str(folder)],
                           capture_output=True, check=False)
            cli_ms.append((time.perf_counter() - start) * 1000)
        size_mib = project.stat().st_size / (1024 * 1024)
    print(f"picked to summary shown, {size_mib:.2f} MiB project, {RUNS} runs: "
          f"median {statistics.median(times):.1f} ms, best {min(times):.1f} ms, "
          f"worst {max(times):.1f} ms (target < 50 ms)")
    page_median, cli_median = statistics.median(page_ms), statistics.median(cli_ms)
    print(f"{FOLDER_SIZE} projects to the catalogue: page {page_median:.0f} ms, "
          f"spjinfo -r --csv {cli_median:.0f} ms, ratio {page_median / cli_median:.2f} (target < 3); "
          f"the browser only reading the files {statistics.median(read_ms):.0f} ms")
    served = [f for f in page.iterdir() if f.name != "tambrelox.html"]
    print(f"page with its wasm, gzipped: {gzipped_kb(served):.1f} KB (target < 200 KB)")
    print(f"single file, gzipped: {gzipped_kb([page / 'tambrelox.html']):.1f} KB (target < 300 KB)")


if __name__ == "__main__":
    main()
