"""The codec installation of Klendo.exe under Wine: the system folder, system.ini and the registry
after a start, for the NT family and for the Windows 95 family (Wine's win98 mode)."""

import copy
import os
import sys
import unittest
from pathlib import Path

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

PROGRAMS = harness.program_paths()
INSTALL_PROBE = os.environ.get("KLENDO_INSTALL_PROBE")
CODEC_DIR = os.environ.get("KLENDO_CODEC_DIR")
SESSION = None
TOOL = None

# The disc's codec folder: fixtures with version resources, no real codec.
CODEC_FILES = ("ir41_32.ax", "ir41_kt.dll")
UNREADABLE = "ir41_zz.ax"
DISC = "C:\\Klendo"

NT = "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\"
DRIVERS_DESC = NT + "drivers.desc"
DRIVERS32 = NT + "Drivers32"
MEDIA_RESOURCES = "HKLM\\System\\CurrentControlSet\\control\\MediaResources"
ICM_CODEC = MEDIA_RESOURCES + "\\icm\\VIDC.IV41"
KEYS = (DRIVERS_DESC, DRIVERS32, ICM_CODEC)
APP_DEFAULTS = "HKCU\\Software\\Wine\\AppDefaults\\Klendo.exe"

REG_SZ = 1
DESCRIPTION = b"Indeo\xae Video Interactive R4.5"
DRIVER_LINE = b"VIDC.IV41=ir41_32.ax\r\n"

ORIGINAL = None
MEDIA_RESOURCES_EXISTED = False
FOLDERS = {}


def setUpModule():
    global SESSION, TOOL, ORIGINAL, MEDIA_RESOURCES_EXISTED
    missing = {"launcher", "netstub", "probe", "recorder"} - PROGRAMS.keys()
    if missing or not INSTALL_PROBE or not CODEC_DIR:
        raise unittest.SkipTest(f"not given: {', '.join(sorted(missing)) or 'install probe, codec'}")
    SESSION = harness.Session(PROGRAMS["probe"])
    SESSION.use_mode("1024x768x24")
    SESSION.set_sound(True)
    TOOL = SESSION.install(INSTALL_PROBE, "C:\\klendo-e2e\\install_probe.exe")
    code, folders = tool("folders")
    if code != 0:
        raise harness.HarnessError("install_probe folders failed")
    FOLDERS.update(windows=SESSION.unix_path(folders["windows"]),
                   system=SESSION.unix_path(folders["system"]))
    set_win98(False)
    MEDIA_RESOURCES_EXISTED = registry_values(MEDIA_RESOURCES) is not None
    ORIGINAL = system_state()


def tearDownModule():
    if SESSION:
        SESSION.close()


# ---------------------------------------------------------------------------------------------
# Small helpers on top of the harness


def tool(*args, timeout=60):
    """Runs install_probe; returns (exit code, {key: value})."""
    return SESSION.run_tool(TOOL, *args, timeout=timeout)


def reg(*args):
    proc = SESSION.start("reg", *args)
    if proc.wait(60) is None:
        proc.kill()
        raise harness.HarnessError(f"reg {args} did not finish")


def set_win98(on):
    if on:
        reg("add", APP_DEFAULTS, "/v", "Version", "/d", "win98", "/f")
    else:
        reg("delete", APP_DEFAULTS, "/f")


def registry_values(key):
    """{name: (type, data)} with names and data as bytes, or None when the key is missing."""
    code, lines = tool("values", key)
    if code == 1:
        return None
    if code != 0:
        raise harness.HarnessError(f"install_probe values {key} failed")
    values = {}
    for name, value in lines.items():
        if name.startswith("value."):
            kind, _, data = value.partition(" ")
            values[bytes.fromhex(name[len("value."):])] = (int(kind), bytes.fromhex(data))
    return values


def file_state(path):
    if path.is_dir():
        return "folder"
    return path.read_bytes() if path.exists() else None


def system_state():
    """What the installation may change, byte for byte, and the names of everything else."""
    system = FOLDERS["system"]
    ours = CODEC_FILES + (UNREADABLE,)
    return {
        "files": {name: file_state(system / name) for name in ours},
        "other files": sorted(set(os.listdir(system)) - set(ours)),
        "system.ini": (FOLDERS["windows"] / "system.ini").read_bytes(),
        "registry": {key: registry_values(key) for key in KEYS},
    }


def reset_system():
    """Takes away whatever an installation left, back to the prefix's own state."""
    for name in CODEC_FILES + (UNREADABLE,):
        path = FOLDERS["system"] / name
        if path.is_dir():
            path.rmdir()
        elif path.exists():
            path.unlink()
    (FOLDERS["windows"] / "system.ini").write_bytes(ORIGINAL["system.ini"])
    if ORIGINAL["registry"][DRIVERS_DESC] is None:
        reg("delete", DRIVERS_DESC, "/f")
    else:
        reg("delete", DRIVERS_DESC, "/v", "ir41_32.ax", "/f")
    reg("delete", DRIVERS32, "/v", "VIDC.IV41", "/f")
    reg("delete", ICM_CODEC if MEDIA_RESOURCES_EXISTED else MEDIA_RESOURCES, "/f")
    if system_state() != ORIGINAL:
        raise harness.HarnessError("the prefix could not be brought back to its own state")


def codec_bytes(name):
    return (Path(CODEC_DIR) / name).read_bytes()


def with_files_copied(state):
    state["files"].update({name: codec_bytes(name) for name in CODEC_FILES})
    return state


def installed_nt():
    state = with_files_copied(copy.deepcopy(ORIGINAL))
    registry = state["registry"]
    registry[DRIVERS_DESC] = {**(registry[DRIVERS_DESC] or {}),
                              b"ir41_32.ax": (REG_SZ, b"ir41_32.ax\0")}
    registry[DRIVERS32] = {**(registry[DRIVERS32] or {}), b"VIDC.IV41": (REG_SZ, b"ir41_32.ax\0")}
    return state


def with_driver_line(ini):
    """system.ini with the codec's line at the end of its [drivers32] section."""
    lines = ini.splitlines(keepends=True)
    heads = [i for i, line in enumerate(lines) if line.strip().lower() == b"[drivers32]"]
    if not heads:
        return ini + b"[drivers32]\r\n" + DRIVER_LINE
    end = heads[0] + 1
    while end < len(lines) and not lines[end].startswith(b"["):
        end += 1
    while end > heads[0] + 1 and not lines[end - 1].strip():
        end -= 1
    return b"".join(lines[:end] + [DRIVER_LINE] + lines[end:])


def installed_95():
    state = with_files_copied(copy.deepcopy(ORIGINAL))
    state["system.ini"] = with_driver_line(ORIGINAL["system.ini"])
    state["registry"][ICM_CODEC] = {
        b"Description": (REG_SZ, DESCRIPTION + b"\0"),
        b"Driver": (REG_SZ, b"ir41_32.ax\0"),
        b"FriendlyName": (REG_SZ, DESCRIPTION + b"\0"),
    }
    return state


def lay_out_disc(codec="folder"):
    """Launcher, stub, both editions as recorders, and the codec folder: a folder of fixtures,
    a file of that name, or nothing."""
    disc = SESSION.disc(DISC)
    disc.put(PROGRAMS["launcher"], "Klendo.exe")
    disc.put(PROGRAMS["netstub"], "Klendo_LAN.exe")
    disc.put(PROGRAMS["recorder"], "Aplikace\\Klendo.exe")
    disc.put(PROGRAMS["recorder"], "Aplikace\\Klendo_ns.exe")
    if codec == "folder":
        for name in CODEC_FILES:
            disc.put(Path(CODEC_DIR) / name, "Aplikace\\Instal\\" + name)
    elif codec == "file":
        (disc.unix / "Aplikace" / "Instal").write_bytes(b"not a folder")
    return disc


def run(disc, command_line=None, program="Klendo.exe"):
    """Starts the launcher (by a verbatim command line when given), or the stub that starts it,
    and waits for the intro screen, by which time the installation is over; then closes it. Returns (window seen, the
    starts the editions recorded in this run)."""
    for log in disc.unix.rglob("*.log"):
        log.unlink()
    if command_line is None:
        SESSION.start(disc.win + program)
    elif tool("run", command_line)[0] != 0:
        raise harness.HarnessError(f"could not start {command_line}")
    window = SESSION.find_window("TUvod", "Uvod")
    starts = disc.wait_for_starts(10) if window else disc.starts()
    SESSION.close_window("TUvod", "Uvod")
    if not SESSION.window_gone("TUvod", "Uvod", 10000):
        raise harness.HarnessError("the intro screen did not close")
    return window is not None, starts


SOUND_EDITION_STARTED = {"Aplikace/Klendo.exe.log": [f'"{DISC}\\Aplikace\\Klendo.exe"']}


class InstallationCase(unittest.TestCase):
    WIN98 = False

    @classmethod
    def setUpClass(cls):
        set_win98(cls.WIN98)

    @classmethod
    def tearDownClass(cls):
        set_win98(False)
        reset_system()

    def setUp(self):
        reset_system()

    def assertStartedAsUsual(self, seen, starts):
        self.assertTrue(seen, "no intro screen")
        self.assertEqual(starts, SOUND_EDITION_STARTED)

    def assertState(self, expected):
        """Compares part by part, so a failure names the part."""
        state = system_state()
        for part in expected:
            self.assertEqual(state[part], expected[part], part)


class NtFamily(InstallationCase):
    def test_first_and_second_start_copy_and_register(self):
        disc = lay_out_disc()
        self.assertStartedAsUsual(*run(disc))
        self.assertState(installed_nt())
        times = {name: (FOLDERS["system"] / name).stat().st_mtime_ns for name in CODEC_FILES}
        self.assertStartedAsUsual(*run(disc))
        self.assertState(installed_nt())
        # Equal versions: nothing is copied again.
        self.assertEqual(
            {name: (FOLDERS["system"] / name).stat().st_mtime_ns for name in CODEC_FILES}, times)

    ARGUMENTS = [  # what follows the quoted program path, and whether the codec is installed
        ("s", False), ("S", False), ('"s"', False),
        ("-s", True), ("/s", True), ("ss", True), ("x s", True)]

    def test_only_s_as_first_argument_suppresses_it(self):
        for arguments, installs in self.ARGUMENTS:
            with self.subTest(arguments=arguments):
                reset_system()
                disc = lay_out_disc()
                self.assertStartedAsUsual(*run(disc, f'"{disc.win}Klendo.exe" {arguments}'))
                self.assertState(installed_nt() if installs else ORIGINAL)

    def test_start_by_the_network_stub_does_not_install(self):
        disc = lay_out_disc()
        self.assertStartedAsUsual(*run(disc, program="Klendo_LAN.exe"))
        self.assertState(ORIGINAL)

    def test_without_a_codec_folder_nothing_happens(self):
        for codec in (None, "file"):
            with self.subTest(codec=codec):
                disc = lay_out_disc(codec)
                self.assertStartedAsUsual(*run(disc))
                self.assertState(ORIGINAL)

    def test_failed_copy_registers_nothing(self):
        def folder_in_place_of_a_codec_file(disc):
            (FOLDERS["system"] / CODEC_FILES[1]).mkdir()

        def unreadable_codec_file(disc):
            # Wine opens the link's target, which fails every read.
            (disc.unix / "Aplikace" / "Instal" / UNREADABLE).symlink_to("/proc/self/mem")

        for spoil in (folder_in_place_of_a_codec_file, unreadable_codec_file):
            with self.subTest(spoil.__name__):
                reset_system()
                disc = lay_out_disc()
                spoil(disc)
                self.assertStartedAsUsual(*run(disc))
                state = system_state()
                self.assertEqual(state["registry"], ORIGINAL["registry"])
                self.assertEqual(state["system.ini"], ORIGINAL["system.ini"])
                # An unreadable file is never passed off as a complete copy.
                self.assertIn(state["files"][UNREADABLE], (None, b""))


class Windows95Family(InstallationCase):
    WIN98 = True

    def test_first_and_second_start_copy_and_register(self):
        disc = lay_out_disc()
        self.assertStartedAsUsual(*run(disc))
        self.assertState(installed_95())
        self.assertStartedAsUsual(*run(disc))
        self.assertState(installed_95())


if __name__ == "__main__":
    unittest.main()
