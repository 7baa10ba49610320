#!/usr/bin/env python3
"""Writes the small seed packages of the theme-package fuzzer (run by hand; output committed).

Each seed is a tiny but well-formed package, so the fuzzer starts inside def.ini parsing,
button sections and BMP decoding instead of at the ZIP signature."""
import struct
import zipfile
from pathlib import Path


def bmp(width, height, colour):
    row = bytes(colour) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return header + info + pixels


DEF_INI = b"""[about]
name=Seed
info=A tiny theme
[grid]
cell_width=$2
cell_height=0x2
left=1
top=1
pen_color=255
[words]
order=1
[sysButtons]
btnNew=1
btnExit=1
[opt_btnNew]
x1=0
y1=0
x2=1
y2=1
"""


def write(path, members):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 12, 0, 0))
            archive.writestr(info, data, zipfile.ZIP_DEFLATED)


here = Path(__file__).resolve().parent / "fuzz_theme_package"
write(here / "minimal.tvt", [("def.ini", DEF_INI), ("normal.bmp", bmp(4, 4, (10, 20, 30))),
                             ("MASK.BMP", bmp(4, 4, (255, 255, 255)))])
write(here / "pictures.tvt", [("Def.ini", DEF_INI), ("font.bmp", bmp(8, 26, (1, 2, 3))),
                              ("exp.bmp", bmp(15, 1, (9, 9, 9))), ("sub/def.ini", b"[x]")])
