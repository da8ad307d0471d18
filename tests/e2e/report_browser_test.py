#!/usr/bin/env python3
"""The migration report in a real browser: headless Chromium, driven over its DevTools pipe.

    report_browser_test.py CLI RESULTS WORKDIR [--shots DIR]

Makes the report of RESULTS with `CLI report`, opens it, and fails when the page throws, logs an
error or fetches anything; when sorting by a column or filtering does not give the rows the
results call for; when an item's diagnostics do not read as in the results; or when the page
without scripts does not show the same rows and messages. Takes screenshots (light, dark,
print) into DIR (default WORKDIR). Exits 77, which ctest counts as skipped, when no Chromium is
installed.
"""

import base64
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import time

SKIP = 77


class Browser:
    """Chromium with --remote-debugging-pipe: JSON messages ended by NUL on fds 3 and 4."""

    def __init__(self, exe, profile):
        to_r, self.to_w = os.pipe()
        self.from_r, from_w = os.pipe()

        def fds():  # the child reads commands on 3 and writes answers on 4
            a = fcntl.fcntl(to_r, fcntl.F_DUPFD, 10)
            b = fcntl.fcntl(from_w, fcntl.F_DUPFD, 10)
            os.dup2(a, 3)
            os.dup2(b, 4)

        args = [exe, "--headless", "--remote-debugging-pipe", "--user-data-dir=" + profile,
                "--disable-gpu", "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check", "--disable-extensions",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--hide-scrollbars", "--mute-audio", "about:blank"]
        if os.geteuid() == 0:
            args.insert(1, "--no-sandbox")  # Chromium refuses to run as root with its sandbox
        self.proc = subprocess.Popen(args, preexec_fn=fds, close_fds=False, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_r)
        os.close(from_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            self.send("Browser.close", session=False)
        except Exception:  # noqa: BLE001 - the browser may be gone already
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_w, json.dumps(message).encode() + b"\0")
        return self.next_id

    def _read(self, deadline):
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_r], [], [], left)[0]:
                raise TimeoutError("the browser did not answer")
            chunk = os.read(self.from_r, 1 << 20)
            if not chunk:
                raise RuntimeError("the browser ended")
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(raw)

    def call(self, method, params=None, session=True, timeout=60):
        wanted = self.send(method, params, session)
        deadline = time.monotonic() + timeout
        while True:
            message = self._read(deadline)
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            if "method" in message:
                self.events.append(message)

    def wait_event(self, method, timeout=60):
        deadline = time.monotonic() + timeout
        while True:
            for i, e in enumerate(self.events):
                if e["method"] == method:
                    return self.events.pop(i)
            message = self._read(deadline)
            if "method" in message:
                self.events.append(message)

    def evaluate(self, expression, timeout=60):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, timeout=timeout)
        if "exceptionDetails" in result:
            raise RuntimeError(f"evaluation failed: {result['exceptionDetails']}")
        return result["result"].get("value")

    def open_page(self, url, scripts=True, dark=False, media="", timeout=120):
        target = self.call("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        for domain in ("Runtime", "Log", "Page", "Network"):
            self.call(domain + ".enable")
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": 1280, "height": 900, "deviceScaleFactor": 1, "mobile": False})
        self.call("Emulation.setEmulatedMedia",
                  {"media": media, "features": [{"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})
        if not scripts:
            self.call("Emulation.setScriptExecutionDisabled", {"value": True})
        self.events.clear()
        self.call("Page.navigate", {"url": url})
        self.wait_event("Page.loadEventFired", timeout)

    def problems(self, page_url):
        """Errors the page showed so far: exceptions, console and log errors, fetches."""
        found = []
        for e in self.events:
            p = e.get("params", {})
            if e["method"] == "Runtime.exceptionThrown":
                found.append("exception: " + json.dumps(p.get("exceptionDetails", {}))[:500])
            elif e["method"] == "Runtime.consoleAPICalled" and p.get("type") in ("error", "assert", "warning"):
                found.append("console " + p["type"] + ": " + json.dumps(p.get("args", []))[:500])
            elif e["method"] == "Log.entryAdded" and p.get("entry", {}).get("level") in ("error", "warning"):
                found.append("log: " + p["entry"].get("text", ""))
            elif e["method"] == "Network.requestWillBeSent":
                url = p.get("request", {}).get("url", "")
                if url != page_url and not url.startswith("data:"):
                    found.append("fetched " + url)
        return found

    def screenshot(self, path):
        """The whole page: the view made as tall as the page, then two frames for the rows that
        are laid out only when in view."""
        frames = "new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))"
        height = 0
        for _ in range(5):  # rows laid out at last may change the height once more
            size = self.call("Page.getLayoutMetrics")["cssContentSize"]
            if int(size["height"]) == height:
                break
            height = min(int(size["height"]), 8000)
            self.call("Emulation.setDeviceMetricsOverride",
                      {"width": 1280, "height": height, "deviceScaleFactor": 1, "mobile": False})
            self.evaluate(frames)
        shot = self.call("Page.captureScreenshot", {"format": "png"})
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": 1280, "height": 900, "deviceScaleFactor": 1, "mobile": False})
        with open(path, "wb") as f:
            f.write(base64.b64decode(shot["data"]))


def find_chromium():
    for name in (os.environ.get("TOVALO_CHROMIUM", ""), "chromium", "chromium-browser", "google-chrome"):
        if name and shutil.which(name):
            return shutil.which(name)
    return None


ROWS = """Array.from(document.querySelectorAll('#item-table tbody')).filter(b => !b.hidden).map(b => {
  const c = b.rows[0].cells;
  return {path: c[0].textContent, status: c[1].textContent, exit: c[2].textContent,
          time: c[3].getAttribute('data-v'), diagnostics: Number(c[4].textContent)};
})"""


def relative(path, folder):
    return path[len(folder):] if folder and path.startswith(folder) and len(path) > len(folder) else path


def common_folder(paths):
    folder = None
    for p in paths:
        if folder is None:
            folder = p[:max(p.rfind("/"), p.rfind("\\")) + 1]
            continue
        n = 0
        while n < min(len(folder), len(p)) and folder[n] == p[n]:
            n += 1
        while n > 0 and folder[n - 1] not in "/\\":
            n -= 1
        folder = folder[:n]
    return folder or ""


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    cli, results_file, work = sys.argv[1:4]
    shots = sys.argv[sys.argv.index("--shots") + 1] if "--shots" in sys.argv else work
    exe = find_chromium()
    if not exe:
        print("chromium is not installed: the browser test is skipped (./dev.sh deps installs it)")
        return SKIP
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.makedirs(shots, exist_ok=True)
    page = os.path.join(work, "report.html")
    subprocess.run([cli, "report", results_file, "-o", page], check=True, stdout=subprocess.DEVNULL)
    url = "file://" + page

    with open(results_file, encoding="utf-8") as f:
        results = json.load(f)
    items = results["items"]
    folder = common_folder([i["path"] for i in items])
    paths = [relative(i["path"], folder) for i in items]
    failures = []

    def check(name, actual, expected):
        if actual != expected:
            failures.append(f"{name}: got {actual!r}, expected {expected!r}")

    browser = Browser(exe, os.path.join(work, "profile"))
    try:
        # 1. Loaded: no errors, every item in list order, the tools the script adds.
        browser.open_page(url)
        rows = browser.evaluate(ROWS)
        check("rows in list order", [r["path"] for r in rows], paths)
        check("shown", browser.evaluate("document.getElementById('item-shown').textContent"),
              f"Items shown: {len(items)} of {len(items)}")
        check("sort buttons", browser.evaluate("document.querySelectorAll('#item-table th button').length"), 5)
        check("no element from a file name", browser.evaluate("document.querySelectorAll('img').length"), 0)

        # 2. Sorting: by time, largest first, the items that did not run last; again: smallest
        #    first; by status: failures first; by diagnostics, most first.
        def sort(column):
            browser.evaluate(f"document.querySelectorAll('#item-table th button')[{column}].click()")
            return browser.evaluate(ROWS)

        timed = sorted((i["elapsedMs"] for i in items if i["elapsedMs"] >= 0), reverse=True)
        untimed = sum(1 for i in items if i["elapsedMs"] < 0)
        rows = sort(3)
        check("time, largest first", [r["time"] for r in rows], [str(t) for t in timed] + [None] * untimed)
        check("sort mark", browser.evaluate("document.querySelectorAll('#item-table th')[3].getAttribute('aria-sort')"),
              "descending")
        rows = sort(3)
        check("time, smallest first", [r["time"] for r in rows], [str(t) for t in sorted(timed)] + [None] * untimed)
        order = {"ng": 0, "syntax-error": 1, "converting": 2, "waiting": 3, "none": 4, "ok": 5}
        expected = [paths[n] for n in sorted(range(len(items)), key=lambda n: (order[items[n]["status"]], n))]
        check("status, failures first", [r["path"] for r in sort(1)], expected)
        expected = [paths[n] for n in sorted(range(len(items)), key=lambda n: (-len(items[n]["diagnostics"]), n))]
        check("diagnostics, most first", [r["path"] for r in sort(4)], expected)

        # 3. Filtering (typed into the field, as a user would), kept through a sort.
        def type_filter(text):
            browser.evaluate("(() => { const f = document.getElementById('item-filter'); f.value = ''; f.focus(); })()")
            if text:
                browser.call("Input.insertText", {"text": text})
            else:
                browser.evaluate("document.getElementById('item-filter').dispatchEvent(new Event('input'))")
            browser.evaluate("new Promise(r => setTimeout(r, 400))")
            return [r["path"] for r in browser.evaluate(ROWS)]

        code = "DPCT1008"
        with_code = {paths[n] for n, i in enumerate(items) if any(d["code"] == code for d in i["diagnostics"])}
        shown = type_filter(code.lower())
        check("filter by code", sorted(shown), sorted(with_code))
        if not with_code:
            failures.append(f"the results hold no {code}: the filter check proves nothing")
        check("filter count", browser.evaluate("document.getElementById('item-shown').textContent"),
              f"Items shown: {len(with_code)} of {len(items)}")
        shown = type_filter("KERNELS/ ok")
        check("filter by two words", sorted(shown),
              sorted(p for n, p in enumerate(paths) if "kernels/" in p.lower() and items[n]["status"] == "ok"))
        check("filter through a sort", sorted(r["path"] for r in sort(0)), sorted(shown))
        check("cleared filter", len(type_filter("")), len(items))

        # 4. An item's diagnostics read as in the results once opened (repeated messages too).
        target = max(range(len(items)), key=lambda n: len(items[n]["diagnostics"]))
        expected_lines = [f"{relative(d['file'], folder)}:{d['line']}:{d['column']} {d['code'] or d['severity']} "
                          f"{d['message']}" for d in items[target]["diagnostics"]]
        lines = browser.evaluate(f"""(async () => {{
            const body = Array.from(document.querySelectorAll('#item-table tbody'))
                .find(b => b.rows[0].cells[0].textContent === {json.dumps(paths[target])});
            body.querySelector('summary').click();
            await new Promise(r => setTimeout(r, 100));
            return Array.from(body.querySelectorAll('li')).map(li => li.textContent);
        }})()""")
        check("diagnostics of the item", lines, expected_lines)
        browser.evaluate("window.scrollTo(0, 0)")
        browser.screenshot(os.path.join(shots, "report-light.png"))
        problems = browser.problems(url)

        # 5. Dark and print looks (screenshots to look at), no errors either.
        browser.open_page(url, dark=True)
        sort(3)
        browser.evaluate(f"""Array.from(document.querySelectorAll('#item-table tbody'))
            .find(b => b.rows[0].cells[0].textContent === {json.dumps(paths[target])})
            .querySelector('summary').click()""")
        browser.screenshot(os.path.join(shots, "report-dark.png"))
        problems += browser.problems(url)
        browser.open_page(url, media="print")
        browser.screenshot(os.path.join(shots, "report-print.png"))
        problems += browser.problems(url)

        # 6. Without scripts: the same rows in list order, no tools, repeated messages shown by
        #    the style sheet.
        browser.open_page(url, scripts=False)
        check("rows without scripts", [r["path"] for r in browser.evaluate(ROWS)], paths)
        check("tools without scripts", browser.evaluate("document.getElementById('item-tools').hidden"), True)
        shown_text = browser.evaluate(f"""(() => {{
            const body = Array.from(document.querySelectorAll('#item-table tbody'))
                .find(b => b.rows[0].cells[0].textContent === {json.dumps(paths[target])});
            return Array.from(body.querySelectorAll('li')).map(li => {{
                const after = getComputedStyle(li, '::after').content;
                return li.textContent + (after === 'none' || after === 'normal' ? '' : JSON.parse(after));
            }});
        }})()""")
        check("diagnostics without scripts", shown_text, expected_lines)
        problems += browser.problems(url)
        for p in problems:
            failures.append("page problem: " + p)
    finally:
        browser.close()

    for f in failures:
        print("FAIL:", f, file=sys.stderr)
    if failures:
        return 1
    print(f"report browser checks passed; screenshots in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
