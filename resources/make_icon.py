#!/usr/bin/env python3
"""Draws the window icon: a grey key lying diagonally on a near-white ground.

Writes zolvenar.png (32 x 32, 24-bit RGB) next to this script. Run it again
after changing the drawing; the PNG is committed so the build needs no Python.
"""

import math
import os
import struct
import zlib

SIZE = 32
SAMPLES = 4  # per axis, for smooth edges
GROUND = 244
KEY = 96
OUTLINE = 56


def inside_key(x, y):
    """Key shape in a frame turned by 45 degrees: u runs along the shaft, v across."""
    u = (x + y) / math.sqrt(2)
    v = (y - x) / math.sqrt(2)
    bow_u, bow_r, hole_r = 12.0, 6.5, 2.6
    d = math.hypot(u - bow_u, v)
    if hole_r < d <= bow_r:
        return True
    if bow_u + bow_r - 1 <= u <= 40.5 and abs(v) <= 1.6:
        return True  # shaft
    for tooth_u in (34.0, 38.5):
        if tooth_u - 1.3 <= u <= tooth_u + 1.3 and 0 <= v <= 5.0:
            return True  # bits
    return False


def coverage(px, py):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside_key(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def pixels():
    cover = [[coverage(x, y) for x in range(SIZE)] for y in range(SIZE)]
    rows = []
    for y in range(SIZE):
        row = bytearray([0])  # PNG filter: none
        for x in range(SIZE):
            c = cover[y][x]
            # A darker rim where the key meets the ground gives it an edge.
            near_edge = any(cover[j][i] < 0.5 for j in range(max(0, y - 1), min(SIZE, y + 2))
                            for i in range(max(0, x - 1), min(SIZE, x + 2)))
            shade = OUTLINE if near_edge else KEY
            grey = round(GROUND * (1 - c) + shade * c)
            row += bytes([grey, grey, grey])
        rows.append(bytes(row))
    return b"".join(rows)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels(), 9)) + chunk(b"IEND", b"")
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "zolvenar.png"), "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
