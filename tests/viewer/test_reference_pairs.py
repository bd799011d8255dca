"""Markup that must look the same in the info window's HTML control, drawn by the real control
(render_page.exe under Wine) and compared pixel for pixel.

Fonts differ between machines, so no expected picture is stored: the two pages of a pair are
drawn on the same machine and must agree. Each pair also has a foil, a near miss that must look
different, and every drawing must show something, so that neither an empty page nor a
comparison that sees nothing can pass.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
from harness import Bitmap  # noqa: E402

RENDER = os.environ.get("KLENDO_RENDER_PAGE")
WINE_RUN = os.environ.get("KLENDO_WINE_RUN")
PICTURES = os.environ.get("KLENDO_PICTURES")
DISC_INFO = os.environ.get("KLENDO_DISC_INFO")

CZECH = "Příliš žluťoučký kůň úpěl ďábelské ódy. Čtěte nás!"


def page(body, head=""):
    return f"<html><head>{head}</head><body>{body}</body></html>"


def declared(charset):
    return f'<meta http-equiv="Content-Type" content="text/html; charset={charset}">'


def entities(text):
    return "".join(c if ord(c) < 128 else f"&#{ord(c)};" for c in text)


# name: (page, the same look written otherwise, a foil); pages are bytes as written on disc.
PAIRS = {
    "centre": (page("<center>Klendo na CD</center><p>Druh&yacute; odstavec</p>"),
               page("<p align=center>Klendo na CD</p><p>Druh&yacute; odstavec</p>"),
               page("<p>Klendo na CD</p><p>Druh&yacute; odstavec</p>")),
    "relative font size": (page("Text <font size=+2>v&#283;t&scaron;&iacute;</font> text"),
                           page("Text <font size=5>v&#283;t&scaron;&iacute;</font> text"),
                           page("Text <font size=4>v&#283;t&scaron;&iacute;</font> text")),
    "copyright sign": (page("&copy 2026 Klendo"), page("&#169; 2026 Klendo"),
                       page("(c) 2026 Klendo")),
    "copyright sign with semicolon": (page("&copy; 2026"), page("&#xA9; 2026"),
                                      page("&reg; 2026")),
    "windows-1250 page": (page(CZECH, declared("windows-1250")).encode("cp1250"),
                          page(entities(CZECH)),
                          page(CZECH, declared("windows-1252")).encode("cp1250")),
    "bmp and png": (page('<img src="sample.bmp" width=40 height=20>'),
                    page('<img src="sample.png" width=40 height=20>'),
                    page('<img src="sample.png" width=40 height=18>')),
    "bmp and gif": (page('x<img src="sample.bmp" width=40 height=20>'),
                    page('x<img src="sample.gif" width=40 height=20>'),
                    page('x<img src="gray.jpg" width=40 height=20>')),
}


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Renderer:
    def __init__(self):
        self.folder = Path(tempfile.mkdtemp(prefix="klendo-pairs-"))
        for picture in Path(PICTURES).iterdir():
            shutil.copy(picture, self.folder)
        self.count = 0

    def close(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def render_file(self, html_path, size=None):
        self.count += 1
        out = self.folder / f"out{self.count}.bmp"
        args = [WINE_RUN, RENDER, windows_path(html_path), windows_path(out)]
        if size:
            args += [str(v) for v in size]
        result = subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True, timeout=120,
                                text=True)
        if result.returncode != 0:
            raise AssertionError(f"render_page failed: {result.stdout} {result.stderr}")
        return Bitmap(out)

    def render(self, html):
        self.count += 1
        path = self.folder / f"page{self.count}.htm"
        path.write_bytes(html if isinstance(html, bytes) else html.encode("ascii"))
        return self.render_file(path)


def content_pixels(bitmap):
    """How many pixels differ from the top-left corner's colour, the page background."""
    background = bitmap.rows[0][0:3]
    return sum(1 for row in bitmap.rows for x in range(0, len(row), 3)
               if row[x:x + 3] != background)


@unittest.skipUnless(RENDER and WINE_RUN and PICTURES, "render_page not given")
class ReferencePairs(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.renderer = Renderer()

    @classmethod
    def tearDownClass(cls):
        cls.renderer.close()

    def test_pairs_look_identical_and_foils_do_not(self):
        for name, (first, second, foil) in PAIRS.items():
            with self.subTest(name):
                a, b, c = (self.renderer.render(html) for html in (first, second, foil))
                self.assertEqual((a.width, a.height), (323, 186))
                self.assertGreater(content_pixels(a), 20, "the page shows something")
                self.assertTrue(a.rows == b.rows, "the pair differs")
                self.assertFalse(a.rows == c.rows, "the foil looks the same: the test sees nothing")

    @unittest.skipUnless(DISC_INFO, "the sample disc's Info folder not given")
    def test_sample_page_fits_the_window(self):
        # Drawn taller than the window: below the window's bottom margin only background.
        tall = self.renderer.render_file(Path(DISC_INFO) / "index.htm", (323, 400))
        background = tall.rows[0][0:3]
        self.assertGreater(content_pixels(tall), 500)
        last = max(y for y, row in enumerate(tall.rows)
                   if any(row[x:x + 3] != background for x in range(0, len(row), 3)))
        self.assertLess(last, 186 - 5, "the page runs past the window's bottom margin")
        right = max(x // 3 for row in tall.rows for x in range(0, len(row), 3)
                    if row[x:x + 3] != background)
        self.assertLess(right, 323 - 10 + 1, "the page runs past the right margin")


if __name__ == "__main__":
    unittest.main()
