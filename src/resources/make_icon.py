#!/usr/bin/env python3
"""Writes stats.ico: a 32x32 icon of our own, a green bar chart on a pale
yellow tile. Run from this folder when the picture should change."""

import struct

SIZE = 32
BACKGROUND = (255, 250, 198)
FRAME = (96, 96, 96)
BAR = (0, 160, 0)
BAR_HEIGHTS = (10, 18, 14, 24)


def pixel(x, y):
    """Colour of pixel (x, y), y counted from the top."""
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return FRAME
    for index, height in enumerate(BAR_HEIGHTS):
        left = 4 + index * 6
        if left <= x < left + 4 and SIZE - 4 - height <= y < SIZE - 4:
            return BAR
    return BACKGROUND


def image():
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up rows
        rows.append(b"".join(bytes((b, g, r, 255)) for r, g, b in (pixel(x, y) for x in range(SIZE))))
    mask = bytes(SIZE * 4)  # 1-bit AND mask, rows padded to 32 bits: all opaque
    return header + b"".join(rows) + mask


def main():
    data = image()
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(data), 6 + 16)
    with open("stats.ico", "wb") as out:
        out.write(directory + entry + data)


if __name__ == "__main__":
    main()
