"""Klendo.exe under Wine: the intro screen on a good display, the info window on a poor one."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import (WS_CAPTION, WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_POPUP,  # noqa: E402
                     WS_SYSMENU, WS_THICKFRAME, WS_EX_TOOLWINDOW)

PROGRAMS = harness.program_paths()
SESSION = None

PICTURE_W, PICTURE_H = 400, 269
SOUND_EDITION = "Aplikace\\Klendo.exe"
SILENT_EDITION = "Aplikace\\Klendo_ns.exe"
# The info window shows Info\index.htm and complains when it is missing.
INFO_PAGE = "<html><body><p>This display shows too few colours or pixels.</p></body></html>\n"


def setUpModule():
    global SESSION
    missing = {"launcher", "probe", "recorder", "intro_bmp"} - PROGRAMS.keys()
    if missing:
        raise unittest.SkipTest(f"not given: {', '.join(sorted(missing))}")
    SESSION = harness.Session(PROGRAMS["probe"])


def tearDownModule():
    if SESSION:
        SESSION.close()


def lay_out_disc(win_folder):
    """The launcher, both editions as recorders (every start shows up in a log), the info page."""
    disc = SESSION.disc(win_folder)
    disc.put(PROGRAMS["launcher"], "Klendo.exe")
    disc.put(PROGRAMS["recorder"], SOUND_EDITION)
    disc.put(PROGRAMS["recorder"], SILENT_EDITION)
    (disc.unix / "Info").mkdir()
    (disc.unix / "Info" / "index.htm").write_text(INFO_PAGE)
    return disc


def log_of(edition):
    return edition.replace("\\", "/") + ".log"


class LauncherRun:
    """One launcher run: waits for its window, lets the caller look, then closes it."""

    def __init__(self, win_folder, cls, text):
        self.disc = lay_out_disc(win_folder)
        self.cls, self.text = cls, text
        self.proc = SESSION.start(self.disc.win + "Klendo.exe")
        self.window = SESSION.find_window(cls, text)
        if self.window is None:
            code = self.proc.wait(1)
            windows = SESSION.visible_windows()
            self.proc.kill()
            raise AssertionError(f"no {cls!r}/{text!r} window appeared; launcher exit code {code}, "
                                 f"starts {self.disc.starts()}, visible windows {windows}")

    def close(self):
        """Posts WM_CLOSE; returns (exit code or None, window gone, starts recorded by then)."""
        SESSION.close_window(self.cls, self.text)
        code = self.proc.wait(15)
        gone = SESSION.window_gone(self.cls, self.text, 5000)
        self.proc.kill()
        time.sleep(0.3)  # a start made while closing would still be writing its log
        return code, gone, self.disc.starts()


class IntroScreenAt1024x768x24(unittest.TestCase):
    """A run with sound in C:\\Klendo\\ looked at from every side, then the edition choice."""

    MODE = "1024x768x24"

    @classmethod
    def setUpClass(cls):
        cls.width, cls.height, _ = harness.parse_mode(cls.MODE)
        SESSION.use_mode(cls.MODE)
        SESSION.set_sound(True)
        cls.picture = harness.Bitmap(PROGRAMS["intro_bmp"])
        cls.left = (cls.width - PICTURE_W) // 2
        cls.top = (cls.height - PICTURE_H) // 2
        run = LauncherRun("C:\\Klendo", "TUvod", "Uvod")
        cls.window = run.window
        cls.starts_while_open = run.disc.wait_for_starts(10)
        cls.screen = SESSION.wait_for_pixels(cls.expected_screen())
        cls.exit_code, cls.gone, cls.starts_at_end = run.close()

    @classmethod
    def expected_screen(cls):
        l, t, r, b = cls.left, cls.top, cls.left + PICTURE_W - 1, cls.top + PICTURE_H - 1
        w, h = cls.width, cls.height
        black = [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1), (w // 2, 10), (10, h // 2),
                 # one pixel outside each edge of the picture
                 (l - 1, t), (r + 1, t), (l, t - 1), (l, b + 1), (l - 1, b), (r + 1, b),
                 (r, t - 1), (r, b + 1)]
        inside = [(0, 0), (PICTURE_W - 1, 0), (0, PICTURE_H - 1), (PICTURE_W - 1, PICTURE_H - 1),
                  (1, 1), (PICTURE_W // 2, PICTURE_H // 2), (100, 120), (57, 100), (300, 150),
                  (PICTURE_W - 2, PICTURE_H - 2), (200, 200)]
        expected = {point: "000000" for point in black}
        for x, y in inside:
            expected[(l + x, t + y)] = cls.picture.pixel(x, y)
        return expected

    def test_picture_is_the_bitmap_centred_on_black(self):
        self.assertEqual((self.left, self.top), (312, 249))
        self.assertNotEqual(self.picture.pixel(0, 0), "000000", "fixture: corners must not be black")
        self.assertEqual(self.screen, self.expected_screen())

    def test_window_is_a_borderless_popup_covering_the_screen(self):
        w = self.window
        self.assertEqual(w["visible"], 1)
        self.assertTrue(w["style"] & WS_POPUP, hex(w["style"]))
        self.assertEqual(w["style"] & (WS_CAPTION | WS_THICKFRAME), 0, hex(w["style"]))
        self.assertEqual((w["left"], w["top"], w["right"], w["bottom"]),
                         (0, 0, self.width, self.height))
        self.assertEqual((w["client_width"], w["client_height"]), (self.width, self.height))

    def test_owner_is_the_tool_window_application_window(self):
        self.assertNotEqual(self.window["owner"], 0)
        self.assertEqual(self.window["owner_exstyle"], WS_EX_TOOLWINDOW,
                         f"owner exstyle {self.window['owner_exstyle']:#x}, "
                         f"style {self.window['owner_style']:#x}")

    def test_sound_edition_started_once_with_quoted_path(self):
        expected = {log_of(SOUND_EDITION): ['"C:\\Klendo\\Aplikace\\Klendo.exe"']}
        self.assertEqual(self.starts_while_open, expected)
        self.assertEqual(self.starts_at_end, expected)

    def test_close_ends_launcher_with_zero(self):
        self.assertEqual(self.exit_code, 0)
        self.assertTrue(self.gone, "intro window still there after the launcher ended")

    EDITION_CASES = [  # folder, sound, edition; the run above covers C:\Klendo with sound
        ("C:\\Klendo", False, SILENT_EDITION),
        ("C:\\Disc Copy", True, SOUND_EDITION),
        ("C:\\Disc Copy", False, SILENT_EDITION),
    ]

    def test_edition_follows_sound_and_folder_is_quoted_as_is(self):
        for folder, sound, edition in self.EDITION_CASES:
            with self.subTest(folder=folder, sound=sound):
                SESSION.set_sound(sound)
                run = LauncherRun(folder, "TUvod", "Uvod")
                first = run.disc.wait_for_starts(10)
                code, _, starts = run.close()
                expected = {log_of(edition): [f'"{run.disc.win}{edition}"']}
                self.assertEqual(first, expected)
                self.assertEqual(starts, expected)
                self.assertEqual(code, 0)


class InfoWindowCases:
    """A display the title cannot use: the info window, and nothing is started."""

    MODE = None

    @classmethod
    def setUpClass(cls):
        cls.width, cls.height, depth = harness.parse_mode(cls.MODE)
        try:
            SESSION.use_mode(cls.MODE)
        except harness.HarnessError as error:
            if depth == 8:
                raise unittest.SkipTest(f"8-bit screen not available here: {error}")
            raise
        SESSION.set_sound(True)
        run = LauncherRun("C:\\Klendo", "THlaska", "Info")
        cls.window = run.window
        cls.starts_while_open = run.disc.wait_for_starts(1.5, settle=0)
        cls.exit_code, cls.gone, cls.starts_at_end = run.close()

    def test_tool_window_with_close_box_only(self):
        w = self.window
        self.assertEqual(w["visible"], 1)
        self.assertTrue(w["exstyle"] & WS_EX_TOOLWINDOW, hex(w["exstyle"]))
        self.assertEqual(w["style"] & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU,
                         hex(w["style"]))
        self.assertEqual(w["style"] & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0,
                         hex(w["style"]))
        self.assertNotEqual(w["owner"], 0)

    def test_client_size_and_centred(self):
        w = self.window
        self.assertEqual((w["client_width"], w["client_height"]), (323, 186))
        outer_w, outer_h = w["right"] - w["left"], w["bottom"] - w["top"]
        self.assertEqual((w["left"], w["top"]),
                         ((self.width - outer_w) // 2, (self.height - outer_h) // 2))

    def test_nothing_started(self):
        self.assertEqual(self.starts_while_open, {})
        self.assertEqual(self.starts_at_end, {})

    def test_close_ends_launcher_with_zero(self):
        self.assertEqual(self.exit_code, 0)
        self.assertTrue(self.gone, "info window still there after the launcher ended")


class InfoWindowAt640x480x16(InfoWindowCases, unittest.TestCase):
    MODE = "640x480x16"


class InfoWindowAt800x600x8(InfoWindowCases, unittest.TestCase):
    MODE = "800x600x8"


if __name__ == "__main__":
    unittest.main()
