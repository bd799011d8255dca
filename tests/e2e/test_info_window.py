"""The info window under Wine on a display too weak for the intro screen: the sample disc's page
as it shows, the links of a test page clicked one by one, and a missing page.

Clicks are posted to the window's HTML control by viewer_driver.exe. The test page's links are
pictures of distinct colours, found on a screenshot, so no position depends on fonts.
"""

import os
import shutil
import struct
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

PROGRAMS = harness.program_paths()
DRIVER = os.environ.get("KLENDO_VIEWER_DRIVER")
DISC_INFO = os.environ.get("KLENDO_DISC_INFO")
SESSION = None
DRIVER_WIN = "C:\\klendo-e2e\\viewer_driver.exe"
MAIL_WIN = "C:\\klendo-e2e\\handlers\\mail.exe"
WEB_WIN = "C:\\klendo-e2e\\handlers\\web.exe"
FOLDER = "C:\\Klendo"
TITLE = "Klendo"  # the error report's caption: the launcher's name
APPLET = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3"
WS_VSCROLL, WS_HSCROLL = 0x00200000, 0x00100000

# Colours of the link pictures: apart by far more than a 16-bit screen rounds away.
RED, GREEN, MAGENTA, CYAN, YELLOW, ORANGE, BLUE = (
    (255, 0, 0), (0, 255, 0), (255, 0, 255), (0, 255, 255), (255, 255, 0), (255, 128, 0),
    (0, 0, 255))


def setUpModule():
    global SESSION
    missing = {"launcher", "probe", "recorder"} - PROGRAMS.keys()
    if missing or not DRIVER or not DISC_INFO:
        raise unittest.SkipTest("programs or the sample disc not given")
    SESSION = harness.Session(PROGRAMS["probe"])
    SESSION.use_mode("640x480x16")
    SESSION.install(DRIVER, DRIVER_WIN)
    for handler, scheme in ((MAIL_WIN, "mailto"), (WEB_WIN, "http")):
        SESSION.install(PROGRAMS["recorder"], handler)
        reg = SESSION.start("reg", "add", f"HKCR\\{scheme}\\shell\\open\\command", "/ve", "/d",
                            f'"{handler}" "%1"', "/f")
        if reg.wait(60) != 0:
            raise harness.HarnessError(f"could not register the {scheme}: handler")


def tearDownModule():
    if SESSION:
        SESSION.close()


def drive(*args, timeout=30):
    return SESSION.run_tool(DRIVER_WIN, *args, timeout=timeout)


def bmp(width, height, rgb):
    """A solid 24-bit BMP."""
    stride = (width * 3 + 3) & ~3
    row = bytes((rgb[2], rgb[1], rgb[0])) * width + b"\0" * (stride - width * 3)
    body = row * height
    return (struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0,
                          0) + body)


def close_to(pixel, rgb, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(pixel, rgb))


class View:
    """The control's client area on a screenshot: pixels by client coordinates."""

    def __init__(self, name):
        code, where = drive("where")
        if code != 0:
            raise AssertionError("no info window with its HTML control")
        self.where = {k: int(v, 16) if v.startswith("0x") else int(v) for k, v in where.items()}
        shot = SESSION.screenshot(SESSION.root / f"{name}.bmp")
        self.bitmap = harness.Bitmap(shot)
        self.left, self.top = self.where["left"], self.where["top"]
        self.width, self.height = self.where["width"], self.where["height"]

    def pixel(self, x, y):
        row = self.bitmap.rows[self.top + y]
        i = 3 * (self.left + x)
        return tuple(row[i:i + 3])

    def points(self, rgb, tolerance=10):
        return [(x, y) for y in range(self.height) for x in range(self.width)
                if close_to(self.pixel(x, y), rgb, tolerance)]

    def box(self, rgb):
        """Centre and bounds of the pixels of that colour, or None."""
        found = self.points(rgb)
        if not found:
            return None
        xs, ys = [p[0] for p in found], [p[1] for p in found]
        return {"centre": ((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2),
                "bounds": (min(xs), min(ys), max(xs), max(ys)), "count": len(found)}

    def runs(self, rgb, length):
        """Where runs of at least `length` pixels of the colour start, row by row: underlines."""
        found = []
        for y in range(self.height):
            run = 0
            for x in range(self.width):
                run = run + 1 if close_to(self.pixel(x, y), rgb) else 0
                if run == length:
                    found.append((x - length + 1, y))
        return found


class Launch:
    """The launcher started from a disc folder, with a stand-in rundll32.exe beside it."""

    def __init__(self, pages=None, info_folder=None):
        self.disc = SESSION.disc(FOLDER)
        self.disc.put(PROGRAMS["launcher"], "Klendo.exe")
        self.disc.put(PROGRAMS["recorder"], "rundll32.exe")
        if info_folder:
            shutil.copytree(info_folder, self.disc.unix / "Info")
        for name, data in (pages or {}).items():
            path = self.disc.unix / "Info" / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data if isinstance(data, bytes) else data.encode("ascii"))
        for log in (MAIL_WIN, WEB_WIN):
            SESSION.unix_path(log + ".log").unlink(missing_ok=True)
        self.proc = SESSION.start(self.disc.win + "Klendo.exe")

    def wait_window(self):
        window = SESSION.find_window("THlaska", "Info")
        if window is None:
            self.proc.kill()
            raise AssertionError(f"no info window; exit code {self.proc.wait(1)}")
        time.sleep(0.5)  # the first paint
        return window

    def applet_starts(self):
        return self.disc.starts().get("rundll32.exe.log", [])

    def ended(self, timeout=15):
        code = self.proc.wait(timeout)
        self.proc.kill()
        return code

    def close(self):
        SESSION.close_window("THlaska", "Info")
        return self.ended()


def handler_log(handler):
    try:
        return SESSION.unix_path(handler + ".log").read_text().splitlines()
    except OSError:
        return []


def wait_for(check, timeout=10):
    deadline = time.monotonic() + timeout
    while not check() and time.monotonic() < deadline:
        time.sleep(0.1)
    return check()


def link_page(links, tail=""):
    """One picture link per target, each picture of its own colour; `tail` goes below them."""
    body = "".join(f'<a href="{target}"><img src="{name}.bmp" width=140 height=16 border=0></a>'
                   f"<br>" for target, name in links)
    return f"<html><body bgcolor=#FFFFFF>{body}{tail}</body></html>"


PICTURES = {"red": RED, "green": GREEN, "magenta": MAGENTA, "cyan": CYAN, "yellow": YELLOW,
            "orange": ORANGE}


def picture_files():
    return {f"{name}.bmp": bmp(8, 8, rgb) for name, rgb in PICTURES.items()}


class SamplePage(unittest.TestCase):
    """The sample disc's Info folder as the launcher shows it."""

    @classmethod
    def setUpClass(cls):
        cls.launch = Launch(info_folder=DISC_INFO)
        cls.window = cls.launch.wait_window()
        cls.view = View("sample")
        cls.code = cls.launch.close()

    def test_page_shows_on_its_background_with_blue_underlined_links(self):
        v = self.view
        self.assertEqual((v.width, v.height), (323, 186))
        background = (0xFF, 0xFF, 0xE8)  # the page's bgcolor
        for x, y in ((0, 0), (v.width - 1, 0), (0, v.height - 1), (v.width - 1, v.height - 1),
                     (5, v.height // 2), (v.width - 5, v.height // 2)):
            self.assertTrue(close_to(v.pixel(x, y), background), (x, y, v.pixel(x, y)))
        self.assertGreater(len(v.points((0, 0, 0), 40)), 300, "black text")
        underlines = v.runs(BLUE, 20)
        self.assertGreaterEqual(len({y for _, y in underlines}), 2, "links on two lines at least")
        self.assertGreaterEqual(len(underlines), 4, "four links, underlined")
        self.assertGreater(len(v.points((0, 0, 160), 12)), 200, "the monitor picture's screen")

    def test_no_scroll_bars(self):
        self.assertEqual(self.view.where["style"] & (WS_VSCROLL | WS_HSCROLL), 0)

    def test_close_box_ends_with_zero(self):
        self.assertEqual(self.code, 0)


class LinksThatKeepTheWindow(unittest.TestCase):
    """One run: the shell's links, links the control follows itself, and the errors they give."""

    MAIL = "mailto:Info@Klendo.example?subject=Dotaz"
    WEB = "http://www.Klendo.example/Info.htm"
    SECURE = "HTTPS://www.klendo.example/page.htm"

    @classmethod
    def setUpClass(cls):
        links = [(cls.MAIL, "red"), (cls.WEB, "green"), (cls.SECURE, "magenta"),
                 ("nic.htm", "cyan"), ("#dole", "yellow")]
        tail = ("<br>" * 30 + '<a name="dole"></a><img src="orange.bmp" width=140 height=16>'
                + "<br>" * 30)
        pages = dict(picture_files(), **{"index.htm": link_page(links, tail)})
        cls.launch = Launch(pages)
        cls.launch.wait_window()

    @classmethod
    def tearDownClass(cls):
        cls.code = cls.launch.close()

    def click(self, rgb):
        box = View("before-click").box(rgb)
        self.assertIsNotNone(box, f"link picture {rgb} not on the screen")
        code, _ = drive("click", *(str(v) for v in box["centre"]))
        self.assertEqual(code, 0)
        return box

    def no_error_box(self):
        code, values = drive("msgbox", TITLE, "1500")
        self.assertEqual(code, 1, f"unexpected error box: {values}")

    def test_1_shell_links_reach_their_handlers_unchanged(self):
        for rgb, handler, target in ((RED, MAIL_WIN, self.MAIL), (GREEN, WEB_WIN, self.WEB)):
            with self.subTest(target):
                self.click(rgb)
                self.assertTrue(wait_for(lambda: handler_log(handler)), "handler not started")
                self.assertEqual(handler_log(handler), [f'"{handler}" "{target}"'])
                # Handled: the control leaves the target alone, or "Info.htm" would be missing.
                self.no_error_box()
                self.assertTrue(self.launch.proc.running())
        self.assertEqual(self.launch.applet_starts(), [])

    def test_2_missing_files_are_reported_and_the_page_stays(self):
        web_before = handler_log(WEB_WIN)
        for rgb, target in ((MAGENTA, self.SECURE), (CYAN, "nic.htm")):
            with self.subTest(target):
                before = View("before-error").box(RED)
                self.click(rgb)
                code, box = drive("msgbox", TITLE, "10000")
                self.assertEqual(code, 0, "no error box")
                self.assertEqual(box["text"], f"Can't locate file: {FOLDER}\\Info\\{target}.")
                self.assertEqual(box["info_visible"], "1")
                drive("dismiss", TITLE)
                self.assertTrue(wait_for(lambda: drive("msgbox", TITLE, "100")[0] == 1))
                time.sleep(0.3)
                self.assertEqual(View("after-error").box(RED), before, "the page stays")
        self.assertEqual(handler_log(WEB_WIN), web_before, "HTTPS: is no web link here")

    def test_3_anchor_moves_the_view(self):
        top = View("before-anchor")
        self.assertIsNone(top.box(ORANGE), "fixture: the anchor starts out of view")
        self.click(YELLOW)
        time.sleep(0.5)
        moved = View("after-anchor")
        box = moved.box(ORANGE)
        self.assertIsNotNone(box, "the anchor's picture came into view")
        self.assertIsNone(moved.box(RED), "the links scrolled away")
        self.assertTrue(self.launch.proc.running())


class LinksThatEndTheLauncher(unittest.TestCase):
    def click_only_link(self, target):
        run = Launch(dict(picture_files(), **{"index.htm": link_page([(target, "red")])}))
        run.wait_window()
        box = View("end").box(RED)
        self.assertIsNotNone(box)
        drive("click", *(str(v) for v in box["centre"]))
        return run

    def test_each_ending_link(self):
        cases = [  # target, the applet started, the web handler started
            ("KONEC", False, False),
            ("obrazovka", True, False),
            ("http://www.klendo.example/?OBRAZOVKA", True, True),
        ]
        for target, applet, web in cases:
            with self.subTest(target):
                run = self.click_only_link(target)
                self.assertEqual(run.ended(), 0, "the launcher ends with exit code 0")
                self.assertTrue(SESSION.window_gone("THlaska", "Info", 5000))
                if applet or web:
                    wait_for(lambda: (not applet or run.applet_starts())
                             and (not web or handler_log(WEB_WIN)))
                time.sleep(0.5)
                self.assertEqual(run.applet_starts(), [APPLET] if applet else [])
                self.assertEqual(handler_log(WEB_WIN), [f'"{WEB_WIN}" "{target}"'] if web else [])


class MissingPage(unittest.TestCase):
    def test_error_box_first_then_an_empty_window_that_the_close_box_ends(self):
        run = Launch()  # no Info folder at all
        code, box = drive("msgbox", TITLE, "20000")
        self.assertEqual(code, 0, "no error box")
        self.assertEqual(box["text"], f"Can't locate file: {FOLDER}\\Info\\index.htm.")
        self.assertEqual(box["info_visible"], "0", "the box comes before the window")
        drive("dismiss", TITLE)
        run.wait_window()
        _, colours = drive("colors")
        face = tuple(bytes.fromhex(colours["btnface"]))
        view = View("empty")
        self.assertEqual(len(view.points(face)), view.width * view.height, "only the background")
        self.assertEqual(drive("closebox")[0], 0)
        self.assertEqual(run.ended(), 0)
        self.assertTrue(SESSION.window_gone("THlaska", "Info", 5000))


if __name__ == "__main__":
    unittest.main()
