#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Renders the XPM images of resources/images/ as enlarged PNG files.

    tools/xpm_preview.py [--scale N] [--out FILE] image.xpm [image.xpm ...]

With one image it writes FILE (default: the image's name with .png). With
several it lays them out side by side on a grey sheet, so related images
(the four suits, the five backs) can be judged together. "None" pixels are
shown black, as the program combines those images with a bitwise or.
Only the standard library is used.
"""

import argparse
import re
import struct
import sys
import zlib


def read_xpm(path):
    """Returns (width, height, rows of (r, g, b))."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    if not strings:
        raise ValueError(f"{path}: no strings")
    width, height, ncolours, cpp = (int(v) for v in strings[0].split()[:4])
    if cpp != 1:
        raise ValueError(f"{path}: only one character per pixel is supported")
    colours = {}
    for line in strings[1 : 1 + ncolours]:
        key = line[0]
        colour_entry = line[1:].split()
        value = colour_entry[colour_entry.index("c") + 1]
        if value.lower() == "none":
            colours[key] = (0, 0, 0)
        else:
            colours[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5))
    rows = []
    for line in strings[1 + ncolours : 1 + ncolours + height]:
        if len(line) != width:
            raise ValueError(f"{path}: row of {len(line)} pixels, expected {width}")
        rows.append([colours[ch] for ch in line])
    if len(rows) != height:
        raise ValueError(f"{path}: {len(rows)} rows, expected {height}")
    return width, height, rows


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def scaled(rows, scale):
    out = []
    for row in rows:
        wide = [px for px in row for _ in range(scale)]
        out.extend([wide] * scale)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scale", type=int, default=8)
    parser.add_argument("--out")
    parser.add_argument("images", nargs="+")
    args = parser.parse_args()

    images = [read_xpm(p) for p in args.images]
    if len(images) == 1:
        width, height, rows = images[0]
        out = args.out or re.sub(r"\.xpm$", "", args.images[0]) + ".png"
        write_png(out, width * args.scale, height * args.scale, scaled(rows, args.scale))
        return 0

    gap = 4
    sheet_w = sum(w for w, _, _ in images) + gap * (len(images) + 1)
    sheet_h = max(h for _, h, _ in images) + 2 * gap
    sheet = [[(96, 96, 96)] * sheet_w for _ in range(sheet_h)]
    x = gap
    for w, h, rows in images:
        for y in range(h):
            sheet[gap + y][x : x + w] = rows[y]
        x += w + gap
    out = args.out or "preview.png"
    write_png(out, sheet_w * args.scale, sheet_h * args.scale, scaled(sheet, args.scale))
    return 0


if __name__ == "__main__":
    sys.exit(main())
