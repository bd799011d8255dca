#!/usr/bin/env python3
"""Starts Klendo.exe from a disc folder under Wine and saves screenshots of what it shows.

Uses the X display in DISPLAY when there is one; otherwise (or with --mode) a private Xvfb,
once at 1024x768x24 (the intro screen) and once at 640x480x16 (the info window) unless --mode
names the modes.

    demo.py OUTDIR [--disc DIR] [--mode WxHxD] [--silent] [--keep]
"""

import argparse
import os
import shutil
import sys
import time
from pathlib import Path

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

BUILD = Path(__file__).resolve().parents[2] / "build" / "win64-test"
DISC_WIN = "C:\\Klendo CD"
WINDOWS = [("TUvod", "Uvod"), ("THlaska", "Info")]
INFO_PAGE = "<html><body><p>This display shows too few colours or pixels.</p></body></html>\n"


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir", nargs="?", type=Path, help="where the screenshots go")
    parser.add_argument("--out", type=Path, help="the same as OUTDIR")
    parser.add_argument("--disc", type=Path, default=BUILD / "disc",
                        help="disc folder to copy into the prefix (default: the build's sample disc)")
    parser.add_argument("--mode", action="append",
                        help="Xvfb screen mode WxHxD, e.g. 640x480x16; may be given more than "
                             "once (default: 1024x768x24 and 640x480x16, both screens)")
    parser.add_argument("--silent", action="store_true", help="no wave-out device")
    parser.add_argument("--keep", action="store_true",
                        help="leave the launcher running in your display")
    parser.add_argument("--launcher", type=Path, default=BUILD / "launcher" / "Klendo.exe",
                        help="used when there is no disc folder")
    parser.add_argument("--recorder", type=Path,
                        default=BUILD / "tests" / "helpers" / "recorder.exe",
                        help="stands in for the editions when there is no disc folder")
    parser.add_argument("--probe", type=Path, default=BUILD / "tests" / "helpers" / "probe.exe")
    parser.add_argument("--timeout", type=float, default=30, help="seconds to wait for a window")
    args = parser.parse_args()
    args.outdir = args.out or args.outdir
    if not args.outdir:
        parser.error("give OUTDIR (or --out)")
    for mode in args.mode or []:
        harness.parse_mode(mode)
    return args


def lay_out(session, args):
    disc = session.disc(DISC_WIN)
    if args.disc and args.disc.is_dir():
        shutil.rmtree(disc.unix)
        shutil.copytree(args.disc, disc.unix)
        print(f"disc: {args.disc} -> {disc.win}")
    else:
        # No sample disc: the launcher, recorders as editions and a plain info page.
        disc.put(args.launcher, "Klendo.exe")
        disc.put(args.recorder, "Aplikace\\Klendo.exe")
        disc.put(args.recorder, "Aplikace\\Klendo_ns.exe")
        (disc.unix / "Info").mkdir(exist_ok=True)
        (disc.unix / "Info" / "index.htm").write_text(INFO_PAGE)
        print(f"disc: {args.launcher} with recorders as editions -> {disc.win}")
    return disc


def wait_for_window(session, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for cls, text in WINDOWS:
            window = session.find_window(cls, text, 300)
            if window:
                return window
    return None


def save_png(session, outdir, name):
    bmp = session.screenshot(session.root / "screenshot.bmp")
    png = outdir / f"{name}.png"
    harness.Bitmap(bmp).save_png(png)
    print(f"screenshot: {png}")
    return png


def main():
    args = parse_args()
    for exe in (args.probe, args.launcher if not args.disc.is_dir() else None):
        if exe and not exe.is_file():
            sys.exit(f"missing {exe}: build the win64-test preset first")
    args.outdir.mkdir(parents=True, exist_ok=True)

    display = os.environ.get("DISPLAY")
    user_display = bool(display) and not args.mode
    # Under Xvfb both screens by default: the intro screen and the info window.
    modes = [None] if user_display else (args.mode or ["1024x768x24", "640x480x16"])
    for mode in modes:
        if show(args, display if user_display else None, mode):
            return


def show(args, display, mode):
    """One launcher run on one screen; True when it was left running."""
    session = harness.Session(args.probe, keep=False)
    kept = False
    try:
        print("making a fresh Wine prefix ...")
        caps = session.use_display(display) if display else session.use_mode(mode)
        session.set_sound(not args.silent)
        where = f"display {display}" if display else f"Xvfb {mode}"
        print(f"{where}: {caps['width']}x{caps['height']}, {caps['bpp']} bpp, "
              f"{'no' if args.silent else 'one'} wave-out device")

        disc = lay_out(session, args)
        launcher = session.start(disc.win + "Klendo.exe")
        window = wait_for_window(session, args.timeout)
        if not window:
            save_png(session, args.outdir, "klendo-no-window")
            sys.exit(f"no launcher window after {args.timeout} s; exit code {launcher.wait(0)}; "
                     f"visible: {session.visible_windows()}")
        print(f"window: class {window['class']}, text {window['text']}, "
              f"rect {window['left']},{window['top']},{window['right']},{window['bottom']}")
        tag = f"klendo-{caps['width']}x{caps['height']}x{caps['bpp']}"
        time.sleep(1.0)  # let it paint
        save_png(session, args.outdir, f"{tag}-{window['class']}")
        time.sleep(3.0)  # whatever it started has had time to show up
        save_png(session, args.outdir, f"{tag}-later")
        for log, lines in disc.starts().items():
            print(f"started ({log}): {lines}")

        if args.keep and display:
            kept = True
            prefix = session.detach()
            print(f"left running; to stop: WINEPREFIX='{prefix}' {harness.WINESERVER} -k; "
                  f"rm -rf '{session.root}'")
            return True
        if args.keep:
            print("--keep applies to your own display only; closing the Xvfb run")
        session.close_window(window["class"], window["text"])
        print(f"launcher exit code after WM_CLOSE: {launcher.wait(15)}")
        return False
    finally:
        if not kept:
            session.close()

if __name__ == "__main__":
    main()
