#!/usr/bin/env python3
"""Draws the program's icon: a grey key lying diagonally on a near-white ground.

Writes, next to this script, zolvenar.png (32 x 32, the window icon's own size),
zolvenar-N.png for the other sizes desktops ask for (8-bit grey each: a
third of the bytes of RGB to inflate at start, the same pixels) and
zolvenar.svg, the same drawing as a vector for the scalable icon. Run it again
after changing the drawing; the files are committed so the build needs no Python.
"""

import math
import os
import struct
import zlib

DESIGN = 32  # the drawing's own grid; every size scales it
SIZES = (16, 24, 32, 48, 64, 128, 256)
SAMPLES = 4  # per axis, for smooth edges
GROUND = 244
KEY = 96
OUTLINE = 56

# The key in a frame turned by 45 degrees: u runs along the shaft, v across.
BOW_U, BOW_R, HOLE_R = 12.0, 6.5, 2.6
SHAFT_START, SHAFT_END, SHAFT_HALF = BOW_U + BOW_R - 1, 40.5, 1.6
TEETH_U, TOOTH_HALF, TOOTH_DEPTH = (34.0, 38.5), 1.3, 5.0


def inside_key(x, y):
    u = (x + y) / math.sqrt(2)
    v = (y - x) / math.sqrt(2)
    d = math.hypot(u - BOW_U, v)
    if HOLE_R < d <= BOW_R:
        return True
    if SHAFT_START <= u <= SHAFT_END and abs(v) <= SHAFT_HALF:
        return True
    for tooth_u in TEETH_U:
        if tooth_u - TOOTH_HALF <= u <= tooth_u + TOOTH_HALF and 0 <= v <= TOOTH_DEPTH:
            return True
    return False


def coverage(size, px, py):
    scale = DESIGN / size
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside_key((px + (sx + 0.5) / SAMPLES) * scale, (py + (sy + 0.5) / SAMPLES) * scale):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def near_edge_map(cover, size, reach):
    """True within reach pixels (a disc; the 3 x 3 square at reach 1) of a mostly-outside pixel."""
    outside = [[c < 0.5 for c in row] for row in cover]
    offsets = [(dx, dy) for dy in range(-reach, reach + 1) for dx in range(-reach, reach + 1)
               if dx * dx + dy * dy <= reach * reach + 1]
    edge = [row[:] for row in outside]
    for y in range(size):
        for x in range(size):
            if not outside[y][x]:
                continue
            neighbours = [outside[j][i] for j in range(max(0, y - 1), min(size, y + 2))
                          for i in range(max(0, x - 1), min(size, x + 2))]
            if all(neighbours):
                continue  # deep in the ground: nothing inside to mark
            for dx, dy in offsets:
                if 0 <= x + dx < size and 0 <= y + dy < size:
                    edge[y + dy][x + dx] = True
    return edge


def pixels(size):
    cover = [[coverage(size, x, y) for x in range(size)] for y in range(size)]
    # A darker rim where the key meets the ground gives it an edge; it keeps its
    # width relative to the key at every size.
    edge = near_edge_map(cover, size, max(1, round(size / DESIGN)))
    rows = []
    for y in range(size):
        row = bytearray([0])  # PNG filter: none
        for x in range(size):
            c = cover[y][x]
            shade = OUTLINE if edge[y][x] else KEY
            grey = round(GROUND * (1 - c) + shade * c)
            row.append(grey)
        rows.append(bytes(row))
    return b"".join(rows)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(size):
    header = struct.pack(">IIBBBBB", size, size, 8, 0, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels(size), 9))
            + chunk(b"IEND", b""))


def svg():
    """The same key as one outline (ring, shaft and teeth joined, the hole cut out),
    so its rim is drawn only where the key meets the ground."""
    joint = BOW_U + math.sqrt(BOW_R ** 2 - SHAFT_HALF ** 2)  # where the shaft leaves the ring
    outline = [(joint, -SHAFT_HALF), (SHAFT_END, -SHAFT_HALF), (SHAFT_END, SHAFT_HALF)]
    for tooth_u in sorted(TEETH_U, reverse=True):
        high, low = tooth_u + TOOTH_HALF, tooth_u - TOOTH_HALF
        outline += [(high, SHAFT_HALF), (high, TOOTH_DEPTH), (low, TOOTH_DEPTH), (low, SHAFT_HALF)]
    outline.append((joint, SHAFT_HALF))

    def point(p):
        return "%g,%g" % (round(p[0], 3), round(p[1], 3))

    d = "M" + " L".join(point(p) for p in outline)
    d += " A%g,%g 0 1 1 %s Z" % (BOW_R, BOW_R, point(outline[0]))
    d += " M%s A%g,%g 0 1 0 %s A%g,%g 0 1 0 %s Z" % (
        point((BOW_U + HOLE_R, 0)), HOLE_R, HOLE_R, point((BOW_U - HOLE_R, 0)),
        HOLE_R, HOLE_R, point((BOW_U + HOLE_R, 0)))
    grey = "#{0:02x}{0:02x}{0:02x}".format
    return """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <defs>
    <path id="key" transform="rotate(45)" fill-rule="evenodd" clip-rule="evenodd" d="{d}"/>
    <clipPath id="inside"><use xlink:href="#key"/></clipPath>
  </defs>
  <rect width="{size}" height="{size}" fill="{ground}"/>
  <use xlink:href="#key" fill="{key}"/>
  <use xlink:href="#key" fill="none" stroke="{outline}" stroke-width="2" clip-path="url(#inside)"/>
</svg>
""".format(size=DESIGN, d=d, ground=grey(GROUND), key=grey(KEY), outline=grey(OUTLINE))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for size in SIZES:
        name = "zolvenar.png" if size == DESIGN else "zolvenar-%d.png" % size
        with open(os.path.join(here, name), "wb") as f:
            f.write(png(size))
    with open(os.path.join(here, "zolvenar.svg"), "w") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
