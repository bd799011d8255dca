"""Klendo_LAN.exe under Wine: starts klendo.exe from its own folder with "s", and ends at once."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

PROGRAMS = harness.program_paths()
SESSION = None

# The stub's own arguments must not reach the program it starts.
STUB_ARGS = ["/x", "two words", "s"]


def setUpModule():
    global SESSION
    missing = {"netstub", "probe", "recorder"} - PROGRAMS.keys()
    if missing:
        raise unittest.SkipTest(f"not given: {', '.join(sorted(missing))}")
    SESSION = harness.Session(PROGRAMS["probe"])
    SESSION.use_mode("1024x768x24")


def tearDownModule():
    if SESSION:
        SESSION.close()


class NetworkStub(unittest.TestCase):
    def run_stub(self, folder, with_program):
        disc = SESSION.disc(folder)
        stub = disc.put(PROGRAMS["netstub"], "Klendo_LAN.exe")
        if with_program:
            disc.put(PROGRAMS["recorder"], "klendo.exe")
        proc = SESSION.start(stub, *STUB_ARGS, cwd=SESSION.root)
        code = proc.wait(10)
        proc.kill()
        return disc, code

    def test_starts_klendo_with_s_from_its_own_folder(self):
        for folder in ("C:\\Net", "C:\\Net Copy"):
            with self.subTest(folder=folder):
                disc, code = self.run_stub(folder, with_program=True)
                self.assertEqual(code, 0)
                self.assertEqual(disc.wait_for_starts(10),
                                 {"klendo.exe.log": [f'"{disc.win}klendo.exe" s']})

    def test_ends_with_zero_when_klendo_is_missing(self):
        disc, code = self.run_stub("C:\\Lonely Stub", with_program=False)
        self.assertEqual(code, 0)
        self.assertEqual(disc.wait_for_starts(1, settle=0), {})


if __name__ == "__main__":
    unittest.main()
