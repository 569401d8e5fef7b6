#!/usr/bin/env python3
"""Draws the program icon: one 32 x 32, 24-bit image (a bin with a star-shaped pattern mark)."""
import struct
import sys

W = H = 32


def pixel(x, y):
    # Bin body: a slightly tapering blue-grey box with ribs; lid on top; a gold "*" badge.
    if 5 <= y <= 7 and 6 <= x <= 25:
        return (70, 90, 120)
    if 3 <= y <= 4 and 13 <= x <= 18:
        return (70, 90, 120)
    if 8 <= y <= 28:
        inset = (y - 8) // 7
        if 8 + inset <= x <= 23 - inset:
            if x in (12, 16, 20) and 10 <= y <= 26:
                return (60, 75, 100)
            return (150, 175, 210)
    cx, cy = 24, 22
    if abs(x - cx) + abs(y - cy) <= 5 and (x == cx or y == cy or abs(x - cx) == abs(y - cy)):
        return (230, 170, 20)
    return (255, 255, 255)


def main(out):
    rows = []
    for y in range(H - 1, -1, -1):  # bottom-up DIB
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in (pixel(x, y) for x in range(W)))
        rows.append(row)
    xor = b"".join(rows)
    and_mask = b"\x00" * (4 * H)  # fully opaque, rows padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, W, H * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", W, H, 0, 0, 1, 24, len(image), 6 + 16)
    with open(out, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app/tavrix.ico")
