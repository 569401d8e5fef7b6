#!/usr/bin/env python3
"""Draws the search dialog's own clip: an open folder with a magnifying glass
sweeping over it, 29 frames of 80 x 50 at 10 frames a second, as an
uncompressed 8-bit palettised AVI that the animation control plays.

Usage: make_clip.py OUT.avi
"""
import math
import struct
import sys

W, H = 80, 50
FRAMES = 29
FPS = 10

# The animation control takes the top-left pixel's colour as transparent, so
# the background colour is used for nothing else.
BG = (240, 240, 240)
BACK = (214, 160, 40)
BACK_EDGE = (140, 95, 15)
PAPER = (250, 250, 244)
PAPER_EDGE = (165, 165, 160)
LINE = (150, 160, 195)
FRONT = (250, 200, 70)
FRONT_TOP = (255, 228, 130)
FRONT_EDGE = (150, 100, 20)
RIM = (60, 64, 78)
RIM_LIGHT = (150, 156, 175)
HANDLE = (85, 55, 35)
HANDLE_LIGHT = (150, 105, 70)
GLINT = (255, 255, 255)
GLASS = (200, 230, 255)

LENS_INNER = 8.0
LENS_OUTER = 10.0
HANDLE_FROM, HANDLE_TO, HANDLE_HALF = 10.0, 18.0, 1.7
MAGNIFY = 1.5


def front_span(y):
    """Left and right edge of the folder's front flap, which leans to the right."""
    lean = (42 - y) * 4.0 / 23.0
    return 14 + lean, 58 + lean


def scene(x, y):
    """The still folder at a point; x and y may be fractional."""
    xi, yi = math.floor(x), math.floor(y)
    if 19 <= yi <= 42:
        left, right = front_span(yi)
        if left <= xi <= right:
            if yi == 42 or xi < left + 1 or xi > right - 1:
                return FRONT_EDGE
            return FRONT_TOP if yi <= 20 else FRONT
    if 11 <= yi <= 36 and 18 <= xi <= 54:
        if yi == 11 or xi in (18, 54):
            return PAPER_EDGE
        if yi in (15, 18, 21, 24, 27, 30) and 21 <= xi <= 51 - (yi % 4) * 3:
            return LINE
        return PAPER
    if 13 <= yi <= 41 and 14 <= xi <= 58:
        if yi == 13 or xi in (14, 58):
            return BACK_EDGE
        return BACK
    if 9 <= yi <= 12 and 15 <= xi <= 27 + (yi - 9):
        if yi == 9 or xi == 15 or xi == 27 + (yi - 9):
            return BACK_EDGE
        return BACK
    return BG


def blend(a, b, share):
    return tuple(round(a[i] * (1 - share) + b[i] * share) for i in range(3))


def glass_centre(frame):
    """The lens circles the folder once per loop, so the last frame leads into the first."""
    angle = 2 * math.pi * frame / FRAMES
    return 37 + 15 * math.cos(angle), 26 + 6 * math.sin(angle)


def handle_distance(px, py, cx, cy):
    """Distance from a point to the handle's axis, which runs down to the right."""
    d = math.sqrt(0.5)
    along = (px - cx) * d + (py - cy) * d
    along = min(max(along, HANDLE_FROM), HANDLE_TO)
    hx, hy = cx + along * d, cy + along * d
    return math.hypot(px - hx, py - hy), (px - cx) * d - (py - cy) * d


def pixel(frame, x, y):
    cx, cy = glass_centre(frame)
    px, py = x + 0.5, y + 0.5
    r = math.hypot(px - cx, py - cy)
    if r < LENS_INNER:
        seen = scene(cx + (px - cx) / MAGNIFY, cy + (py - cy) / MAGNIFY)
        angle = math.atan2(py - cy, px - cx)
        if 5.0 <= r < 6.5 and -2.6 <= angle <= -1.7:
            return GLINT
        return blend(seen, GLASS, 0.25)
    if r < LENS_OUTER:
        return RIM_LIGHT if (px - cx) + (py - cy) < -5 else RIM
    across, side = handle_distance(px, py, cx, cy)
    if across <= HANDLE_HALF:
        return HANDLE_LIGHT if side < -0.6 else HANDLE
    here = scene(px, py)
    # The glass's shadow falls on the folder only, never on the background.
    sx, sy = px - 2, py - 2
    if here != BG and (
        math.hypot(sx - cx, sy - cy) < LENS_OUTER
        and math.hypot(sx - cx, sy - cy) >= LENS_INNER
        or handle_distance(sx, sy, cx, cy)[0] <= HANDLE_HALF
    ):
        return blend(here, (0, 0, 0), 0.3)
    return here


def render(frame):
    """Rows top to bottom, each a list of RGB triples."""
    return [[pixel(frame, x, y) for x in range(W)] for y in range(H)]


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return chunk(kind, fourcc + body)


def build_avi(frames):
    colours = sorted({c for rows in frames for row in rows for c in row})
    colours.remove(BG)
    colours.insert(0, BG)
    if len(colours) > 256:
        raise SystemExit(f"{len(colours)} colours do not fit one palette")
    index = {c: i for i, c in enumerate(colours)}
    row_bytes = (W + 3) & ~3
    frame_size = row_bytes * H

    def frame_bits(rows):
        out = bytearray()
        for row in reversed(rows):  # DIBs run bottom-up
            out += bytes(index[c] for c in row)
            out += b"\0" * (row_bytes - W)
        return bytes(out)

    avih = struct.pack(
        "<14I",
        1000000 // FPS,  # microseconds per frame
        frame_size * FPS,  # max bytes per second
        0,  # padding granularity
        0x10,  # AVIF_HASINDEX
        len(frames),
        0,  # initial frames
        1,  # streams
        frame_size,
        W,
        H,
        0, 0, 0, 0,
    )
    strh = struct.pack(
        "<4s4sIHHIIIIIIII4h",
        b"vids",
        b"DIB ",
        0,  # flags
        0,  # priority
        0,  # language
        0,  # initial frames
        1,  # scale
        FPS,  # rate: FPS / 1
        0,  # start
        len(frames),
        frame_size,
        0xFFFFFFFF,  # default quality
        0,  # sample size: one frame per chunk
        0, 0, W, H,
    )
    bih = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, frame_size, 0, 0, len(colours), 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in colours)
    hdrl = riff_list(
        b"LIST",
        b"hdrl",
        chunk(b"avih", avih)
        + riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + palette)),
    )

    movi_body = b""
    index_entries = b""
    for rows in frames:
        # Offsets count from the "movi" tag, as the index expects.
        offset = 4 + len(movi_body)
        movi_body += chunk(b"00db", frame_bits(rows))
        index_entries += struct.pack("<4sIII", b"00db", 0x10, offset, frame_size)
    movi = riff_list(b"LIST", b"movi", movi_body)
    return riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index_entries))


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    frames = [render(f) for f in range(FRAMES)]
    with open(argv[1], "wb") as out:
        out.write(build_avi(frames))


if __name__ == "__main__":
    main(sys.argv)
