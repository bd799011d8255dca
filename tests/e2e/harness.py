"""Runs the launcher's Windows programs under wine64 on a private Xvfb, for the scenarios and the demo.

One Session owns a temporary folder with a fresh Wine prefix, a persistent wineserver and an
Xvfb server.  Wine reads the screen mode once per wineserver (the desktop process caches it and
a new process with another DISPLAY sees a mix of old size and new depth), so changing the mode
means a new Xvfb and a restarted wineserver; the prefix itself keeps nothing of the mode.
"""

import atexit
import ctypes
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib
from pathlib import Path, PureWindowsPath

WINE64 = os.environ.get("KLENDO_WINE64", "/usr/lib/wine/wine64")
WINESERVER = os.environ.get("KLENDO_WINESERVER", "/usr/lib/wine/wineserver")

# What GetDeviceCaps(BITSPIXEL) reports for an Xvfb depth.
WINE_BPP_FOR_DEPTH = {8: 8, 15: 16, 16: 16, 24: 32}

# The wineserver outlives each Wine process by this much (seconds), and no more: a harness that
# is killed hard leaves nothing running for long.
SERVER_LINGER = 120

WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_EX_TOOLWINDOW = 0x00000080


class HarnessError(RuntimeError):
    pass


def program_paths():
    """The built programs and the picture, as CTest hands them over."""
    names = {
        "launcher": "KLENDO_LAUNCHER",
        "netstub": "KLENDO_NETSTUB",
        "probe": "KLENDO_PROBE",
        "recorder": "KLENDO_RECORDER",
        "intro_bmp": "KLENDO_INTRO_BMP",
    }
    return {key: Path(os.environ[var]) for key, var in names.items() if os.environ.get(var)}


def parse_mode(mode):
    """'1024x768x24' -> (1024, 768, 24)."""
    try:
        width, height, depth = (int(part) for part in mode.lower().split("x"))
    except ValueError:
        raise ValueError(f"screen mode must look like 1024x768x24, not {mode!r}") from None
    return width, height, depth


def parse_key_values(text):
    values = {}
    for line in text.splitlines():
        key, sep, value = line.partition("=")
        if sep:
            values[key.strip()] = value.strip()
    return values


# ---------------------------------------------------------------------------------------------
# Pictures


class Bitmap:
    """An uncompressed BMP (8-bit palette, 24 or 32 bit) read into top-down RGB rows."""

    def __init__(self, path):
        data = Path(path).read_bytes()
        if data[:2] != b"BM":
            raise HarnessError(f"{path} is not a BMP file")
        offset = struct.unpack_from("<I", data, 10)[0]
        header_size, width, height, _planes, bpp, compression = struct.unpack_from(
            "<IiiHHI", data, 14)
        if compression not in (0, 3) or bpp not in (8, 24, 32):
            raise HarnessError(f"{path}: unsupported BMP ({bpp} bpp, compression {compression})")
        self.width, self.height = width, abs(height)
        stride = (width * bpp + 31) // 32 * 4
        palette = []
        if bpp == 8:
            colours = struct.unpack_from("<I", data, 46)[0] or 256
            start = 14 + header_size
            palette = [bytes((data[start + 4 * i + 2], data[start + 4 * i + 1], data[start + 4 * i]))
                       for i in range(colours)]
        self.rows = []
        for y in range(self.height):
            src_y = self.height - 1 - y if height > 0 else y
            row = data[offset + src_y * stride: offset + src_y * stride + stride]
            if bpp == 8:
                self.rows.append(b"".join(palette[index] for index in row[:width]))
            else:
                step = bpp // 8
                rgb = bytearray(width * 3)
                rgb[0::3] = row[2:width * step:step]
                rgb[1::3] = row[1:width * step:step]
                rgb[2::3] = row[0:width * step:step]
                self.rows.append(bytes(rgb))

    def pixel(self, x, y):
        """'RRGGBB' as probe prints it."""
        return self.rows[y][3 * x: 3 * x + 3].hex().upper()

    def save_png(self, path):
        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        raw = b"".join(b"\x00" + row for row in self.rows)
        png = (b"\x89PNG\r\n\x1a\n"
               + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(raw, 6))
               + chunk(b"IEND", b""))
        Path(path).write_bytes(png)


# ---------------------------------------------------------------------------------------------
# Processes


def _die_with_parent():
    # Xvfb goes when the harness goes, even when it is killed with SIGKILL.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def _exit_on_sigterm():
    # CTest and users stop a run with SIGTERM; turning it into SystemExit runs the clean-up.
    if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))


def _wait(proc, timeout):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None


class WineProcess:
    """A Windows program started asynchronously; its exit code is the wine64 loader's."""

    def __init__(self, popen, name, log_path):
        self.popen, self.name, self.log_path = popen, name, log_path

    def wait(self, timeout):
        """Exit code, or None if it is still running after timeout seconds."""
        return _wait(self.popen, timeout)

    def running(self):
        return self.popen.poll() is None

    def kill(self):
        if self.running():
            self.popen.kill()
            _wait(self.popen, 5)

    def output(self):
        try:
            return Path(self.log_path).read_text(errors="replace")
        except OSError:
            return ""


class Xvfb:
    def __init__(self, mode, log_path):
        self.mode = mode
        self.width, self.height, self.depth = parse_mode(mode)
        read_end, write_end = os.pipe()
        with open(log_path, "ab") as log:
            # -displayfd picks a free display number, so other servers on the machine do not matter.
            self.popen = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", mode, "-nolisten", "tcp",
                 "-noreset"],
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, pass_fds=(write_end,),
                preexec_fn=_die_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        try:
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise HarnessError(f"Xvfb {mode} did not start (see {log_path})")
                part = os.read(read_end, 16)
                if not part:
                    raise HarnessError(f"Xvfb {mode} refused to start (see {log_path})")
                number += part
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()

    def stop(self):
        if self.popen.poll() is None:
            self.popen.terminate()
            if _wait(self.popen, 5) is None:
                self.popen.kill()
                _wait(self.popen, 5)


# ---------------------------------------------------------------------------------------------
# Paths and disc folders


class Disc:
    """A disc folder inside drive_c; `win` ends in a backslash, as the launcher sees its folder."""

    def __init__(self, session, win_folder):
        self.session = session
        self.win = str(PureWindowsPath(win_folder)).rstrip("\\") + "\\"
        self.unix = session.unix_path(self.win)

    def put(self, source, relative):
        target = self.unix / PureWindowsPath(relative).as_posix()
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        return self.win + str(PureWindowsPath(relative))

    def starts(self):
        """Every recorded start below the folder: {relative log path: [command lines]}."""
        records = {}
        for log in sorted(self.unix.rglob("*.log")):
            lines = log.read_text(errors="replace").splitlines()
            records[log.relative_to(self.unix).as_posix()] = lines
        return records

    def wait_for_starts(self, timeout, settle=0.5):
        """Polls until something was recorded, then gives late starts `settle` seconds more."""
        deadline = time.monotonic() + timeout
        while not self.starts() and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(settle)
        return self.starts()


# ---------------------------------------------------------------------------------------------
# The session


class Session:
    """A fresh prefix, a persistent wineserver and an Xvfb of the chosen mode (or a given display)."""

    def __init__(self, probe, keep=None):
        self.probe_exe = Path(probe)
        self.keep = os.environ.get("KLENDO_E2E_KEEP") == "1" if keep is None else keep
        self.root = Path(tempfile.mkdtemp(prefix="klendo-e2e-"))
        self.prefix = self.root / "prefix"
        self.logs = self.root / "logs"
        self.logs.mkdir()
        self.alsa_conf = self.root / "alsa-null.conf"
        # One wave-out device without any sound card.
        self.alsa_conf.write_text("pcm.!default { type null }\n")
        self.xvfb = None
        self.display = None
        self.mode = None
        self.server_running = False
        self.booted = False
        self.processes = []
        self._counter = 0
        self.probe_win = None
        atexit.register(self.close)
        _exit_on_sigterm()

    # -- environment --------------------------------------------------------------------------

    def env(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith("WINE") and key not in ("DISPLAY", "ALSA_CONFIG_PATH")}
        env.update(WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=", ALSA_CONFIG_PATH=str(self.alsa_conf))
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def _log(self, stem):
        self._counter += 1
        return self.logs / f"{self._counter:03d}-{stem}.log"

    def _run_quiet(self, args, timeout, what):
        # Wine's helpers and a persistent wineserver keep inherited pipes open: never give them one.
        with open(self._log(what), "wb") as log:
            proc = subprocess.Popen(args, env=self.env(), stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=log, cwd=self.root)
            if _wait(proc, timeout) is None:
                proc.kill()
                _wait(proc, 5)
                raise HarnessError(f"{what} did not finish in {timeout} s")
            return proc.returncode

    # -- wineserver and display ---------------------------------------------------------------

    def _start_server(self):
        # The persistent server comes first, its output on /dev/null: wineboot and everything
        # after it use this one instead of starting one that would hold our files and linger.
        self.prefix.mkdir(exist_ok=True)
        subprocess.run([WINESERVER, f"-p{SERVER_LINGER}"], env=self.env(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.server_running = True
        if not self.booted:
            self._run_quiet([WINE64, "wineboot", "-i"], 300, "wineboot")
            self.booted = True
            self.probe_win = self.install(self.probe_exe, "C:\\klendo-e2e\\probe.exe")

    def _stop_server(self):
        if self.server_running and self.prefix.exists():
            subprocess.run([WINESERVER, "-k"], env=self.env(), stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self._run_quiet([WINESERVER, "-w"], 30, "wineserver-wait")
        self.server_running = False

    def use_mode(self, mode):
        """Runs everything from now on on an Xvfb screen of `mode` (WxHxD)."""
        if self.mode == mode and self.server_running:
            return self.caps()
        width, height, depth = parse_mode(mode)
        self._stop_server()
        if self.xvfb:
            self.xvfb.stop()
        self.xvfb = Xvfb(mode, self._log(f"xvfb-{mode}"))
        self.display, self.mode = self.xvfb.display, mode
        self._start_server()
        caps = self.caps()
        seen = (int(caps["width"]), int(caps["height"]), int(caps["bpp"]))
        wanted = (width, height, WINE_BPP_FOR_DEPTH.get(depth, depth))
        if seen != wanted:
            raise HarnessError(f"Wine sees {seen} (width, height, bpp) on Xvfb {mode}")
        return caps

    def use_display(self, display):
        """Runs everything on an existing X display (the user's)."""
        self._stop_server()
        if self.xvfb:
            self.xvfb.stop()
            self.xvfb = None
        self.display, self.mode = display, None
        self._start_server()
        return self.caps()

    def set_sound(self, on):
        """One wave-out device (ALSA null) or none (Wine's audio driver switched off)."""
        key = "HKCU\\Software\\Wine\\Drivers"
        if on:
            self._run_quiet([WINE64, "reg", "delete", key, "/v", "Audio", "/f"], 60, "reg")
        else:
            self._run_quiet([WINE64, "reg", "add", key, "/v", "Audio", "/d", "", "/f"], 60, "reg")
        devices = int(self.caps()["wave_out_devs"])
        if (devices > 0) != on:
            raise HarnessError(f"wanted sound {'on' if on else 'off'}, waveOutGetNumDevs is {devices}")
        return devices

    # -- paths --------------------------------------------------------------------------------

    def unix_path(self, win_path):
        """C:\\a b\\c -> <prefix>/drive_c/a b/c (drive C only: everything lives there)."""
        path = PureWindowsPath(win_path)
        if path.drive.upper() != "C:":
            raise ValueError(f"only drive C: paths are mapped, not {win_path!r}")
        return self.prefix.joinpath("drive_c", *path.parts[1:])

    def win_path(self, unix_path):
        relative = Path(unix_path).resolve().relative_to((self.prefix / "drive_c").resolve())
        return str(PureWindowsPath("C:\\", *relative.parts))

    def install(self, source, win_path):
        target = self.unix_path(win_path)
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        return win_path

    def disc(self, win_folder, fresh=True):
        disc = Disc(self, win_folder)
        if fresh and disc.unix.exists():
            shutil.rmtree(disc.unix)
        disc.unix.mkdir(parents=True, exist_ok=True)
        return disc

    # -- programs -----------------------------------------------------------------------------

    def start(self, win_exe, *args, cwd=None):
        """Starts a Windows program (given by its C:\\ path) and returns at once."""
        name = PureWindowsPath(win_exe).name
        log_path = self._log(name)
        with open(log_path, "wb") as log:
            popen = subprocess.Popen([WINE64, win_exe, *args], env=self.env(),
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                     cwd=cwd or self.root)
        proc = WineProcess(popen, name, log_path)
        self.processes.append(proc)
        return proc

    def run_tool(self, win_exe, *args, timeout=60):
        """Runs a helper program that prints key=value lines; returns (exit code, {key: value})."""
        proc = self.start(win_exe, *args)
        code = proc.wait(timeout)
        if code is None:
            proc.kill()
            raise HarnessError(f"{PureWindowsPath(win_exe).name} {' '.join(args)} "
                               f"did not finish in {timeout} s")
        return code, parse_key_values(proc.output())

    def probe(self, *args, timeout=60):
        """Runs probe; returns (exit code, {key: value})."""
        return self.run_tool(self.probe_win, *args, timeout=timeout)

    def caps(self):
        code, values = self.probe("caps")
        if code != 0:
            raise HarnessError("probe caps failed")
        return values

    def find_window(self, cls, text, timeout_ms=20000):
        """The window's properties (ints where they are numbers), or None."""
        code, values = self.probe("find", cls, text, str(timeout_ms))
        if code != 0:
            return None
        for key, value in values.items():
            if key in ("class", "text", "owner_class"):
                continue
            values[key] = int(value, 16) if value.startswith("0x") else int(value)
        return values

    def visible_windows(self):
        """One line per visible top-level window, for failure messages."""
        return [f"{hwnd} {desc}" for hwnd, desc in self.probe("list")[1].items()]

    def window_gone(self, cls, text, timeout_ms=10000):
        return self.probe("gone", cls, text, str(timeout_ms))[0] == 0

    def close_window(self, cls, text):
        return self.probe("close", cls, text)[0] == 0

    def pixels(self, points):
        """{(x, y): 'RRGGBB'} for the given screen points."""
        args = [str(v) for point in points for v in point]
        code, values = self.probe("pixels", *args)
        if code != 0:
            raise HarnessError(f"probe pixels failed: {values}")
        return {tuple(int(v) for v in key.split(",")): value for key, value in values.items()}

    def wait_for_pixels(self, expected, timeout=10):
        """Samples until the screen shows `expected` ({(x, y): 'RRGGBB'}); returns the last sample."""
        deadline = time.monotonic() + timeout
        while True:
            seen = self.pixels(list(expected))
            if seen == expected or time.monotonic() >= deadline:
                return seen
            time.sleep(0.1)

    def screenshot(self, out_bmp):
        win = "C:\\klendo-e2e\\screenshot.bmp"
        code, _ = self.probe("screenshot", win)
        if code != 0:
            raise HarnessError("probe screenshot failed")
        shutil.move(self.unix_path(win), out_bmp)
        return Path(out_bmp)

    # -- cleaning up --------------------------------------------------------------------------

    def close(self):
        self._stop_server()
        for proc in self.processes:
            proc.kill()
        self.processes = []
        if self.xvfb:
            self.xvfb.stop()
            self.xvfb = None
        if self.root.exists() and not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)

    def detach(self):
        """Leaves wineserver, display and prefix running for the user; returns the prefix."""
        atexit.unregister(self.close)
        return self.prefix

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
