#!/usr/bin/env python3
"""Writes raw VS_VERSIONINFO blocks that no resource compiler would make:

  unterminated.bin  fixed info, and a 040904E4 table whose values lack their
                    terminating zeros or claim more than the block holds, the
                    last one at the very end of the block
  nofixed.bin       a 040904E4 table but no fixed file information

Usage: gen_version_blocks.py <output folder>
"""
import os
import struct
import sys


def pad(data, fill=b"\0"):
    return data + fill * (-len(data) % 4)


def node(key, value=b"", value_length=None, text=True, children=()):
    """One version-information node. value_length is what the header claims
    (characters for text, bytes otherwise); by default the real length."""
    if value_length is None:
        value_length = len(value) // 2 if text else len(value)
    body = (key + "\0").encode("utf-16-le")
    body = pad(b"\0" * 6 + body)
    if value:
        body += value
    for child in children:
        body = pad(body) + child
    return struct.pack("<HHH", len(body), value_length, 1 if text else 0) + body[6:]


def fixed_info(file_version, product_version, file_os=0x4, file_type=2, subtype=0):
    def halves(v):
        a, b, c, d = v
        return (a << 16) | b, (c << 16) | d

    return struct.pack(
        "<13I", 0xFEEF04BD, 0x00010000, *halves(file_version), *halves(product_version),
        0x3F, 0, file_os, file_type, subtype, 0, 0)


def text(s, terminated=True):
    return (s + ("\0" if terminated else "")).encode("utf-16-le")


def version_info(fixed, table):
    strings = node("StringFileInfo", children=[node("040904E4", children=table)])
    return node("VS_VERSION_INFO", fixed, value_length=len(fixed), text=False,
                children=[strings])


def unterminated():
    table = [
        # Raw bytes rather than text are handed over as they stand; here the
        # padding after them is not zero either.
        pad(node("CompanyName", b"Klendo", text=False), b"X"),
        # Claims far more than the block holds; the zero ends it.
        node("LegalCopyright", b"(c) Klendo\0", value_length=0x7FFF, text=False),
        node("ProductName", text("Klendo CD", terminated=False)),
        node("Comment", text("first line")),
        # The block's last bytes, without a zero.
        node("ProductVersion", b"2, 0, beta", text=False),
    ]
    return version_info(fixed_info((1, 2, 3, 4), (1, 2, 0, 0)), table)


def nofixed():
    table = [
        node("CompanyName", text("Klendo")),
        node("ProductVersion", text("3.0.0.0")),
    ]
    return version_info(b"", table)


def main():
    out = sys.argv[1]
    for name, block in (("unterminated.bin", unterminated()), ("nofixed.bin", nofixed())):
        with open(os.path.join(out, name), "wb") as f:
            f.write(block)


if __name__ == "__main__":
    main()
