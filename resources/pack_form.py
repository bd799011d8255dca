"""Packs a form description for the resource compiler: every {file NAME}
becomes {SIZE:bytes} with the named file's bytes inline."""
import pathlib
import re
import sys


def pack(source: pathlib.Path, search: list[pathlib.Path]) -> bytes:
    text = source.read_bytes()

    def inline(match: re.Match) -> bytes:
        name = match.group(1).decode()
        for folder in search:
            path = folder / name
            if path.exists():
                data = path.read_bytes()
                return b"{%d:" % len(data) + data + b"}"
        sys.exit(f"{source}: {name} not found")

    return re.sub(rb"\{file ([^}]+)\}", inline, text)


if __name__ == "__main__":
    src, out, *folders = sys.argv[1:]
    pathlib.Path(out).write_bytes(pack(pathlib.Path(src), [pathlib.Path(f) for f in folders]))
