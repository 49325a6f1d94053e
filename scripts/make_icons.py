#!/usr/bin/env python3
"""Draws the program's two icons (32 x 32, 32-bit) and writes them as .ico
files: FRAMEICON, a page with falling bars (residues ranked by B value),
and CHILDICON, a small terminal screen with lines of text.

Usage: make_icons.py OUTDIR
"""
import struct
import sys

SIZE = 32


def frame_pixels():
    px = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    for y in range(2, 30):
        for x in range(5, 27):
            edge = x in (5, 26) or y in (2, 29)
            px[y][x] = (60, 60, 60, 255) if edge else (255, 255, 255, 255)
    for i, h in enumerate([20, 16, 13, 10, 8, 6, 4]):
        x0 = 8 + i * 3
        for y in range(27 - h, 27):
            for x in (x0, x0 + 1):
                px[y][x] = (40, 90, 200, 255)
    return px


def child_pixels():
    px = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    for y in range(3, 29):
        for x in range(1, 31):
            edge = x in (1, 30) or y in (3, 28)
            px[y][x] = (150, 150, 150, 255) if edge else (0, 0, 0, 255)
    for row, length in enumerate([20, 14, 24, 9, 17]):
        y = 7 + row * 4
        for x in range(4, 4 + length):
            px[y][x] = (230, 230, 230, 255)
    return px


def ico(pixels):
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    and_mask = b"\x00" * (4 * SIZE)  # 32 bits per row, all opaque; alpha decides
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


def main(outdir):
    with open(f"{outdir}/frame.ico", "wb") as f:
        f.write(ico(frame_pixels()))
    with open(f"{outdir}/child.ico", "wb") as f:
        f.write(ico(child_pixels()))


if __name__ == "__main__":
    main(sys.argv[1])
