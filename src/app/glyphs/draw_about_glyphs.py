#!/usr/bin/env python3
"""Draws the About dialog's icon (32 x 32) and OK glyph (21 x 21) as PNG files beside this script
and prints them as the hex blocks of a stored layout. Plain Python: no imaging library needed."""
import math
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).parent


def png(width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def canvas(width, height, fill):
    return [[fill] * width for _ in range(height)]


def line(pixels, x0, y0, x1, y1, color):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        if 0 <= y < len(pixels) and 0 <= x < len(pixels[0]):
            pixels[y][x] = color


BLACK, WHITE, NAVY = (0, 0, 0, 255), (255, 255, 255, 255), (0, 0, 128, 255)
RED, BLUE, YELLOW = (255, 0, 0, 255), (0, 0, 255, 255), (255, 255, 0, 255)
GREEN, DARKGREEN, CLEAR = (0, 160, 0, 255), (0, 96, 0, 255), (0, 0, 0, 0)


def icon():
    """A small chart: axes, the distance curve, a tangent and its touching point."""
    p = canvas(32, 32, CLEAR)
    for y in range(1, 31):
        for x in range(1, 31):
            p[y][x] = WHITE
    for i in range(32):
        p[0][i] = p[31][i] = p[i][0] = p[i][31] = NAVY
    line(p, 5, 4, 5, 27, BLACK)
    line(p, 5, 27, 28, 27, BLACK)
    prev = None
    for x in range(5, 28):
        t = (x - 5) / 22
        y = round(26 - 20 * (t + 0.18 * math.sin(2 * math.pi * t)))
        if prev:
            line(p, prev[0], prev[1], x, y, BLUE)
        prev = (x, y)
    line(p, 7, 24, 27, 9, RED)
    for dx, dy in [(0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)]:
        p[17 + dy][16 + dx] = YELLOW if (dx, dy) == (0, 0) else BLACK
    return png(32, 32, p)


def ok_glyph():
    """A green tick on a transparent ground."""
    p = canvas(21, 21, CLEAR)
    for w in range(3):
        line(p, 3, 10 + w, 8, 15 + w, GREEN)
        line(p, 8, 15 + w, 17, 4 + w, GREEN)
    line(p, 3, 13, 8, 18, DARKGREEN)
    line(p, 8, 18, 17, 7, DARKGREEN)
    return png(21, 21, p)


def hex_block(data, indent):
    text = data.hex().upper()
    return "\n".join(indent + text[i:i + 64] for i in range(0, len(text), 64))


if __name__ == "__main__":
    for name, data in [("abouticon.png", icon()), ("ok.png", ok_glyph())]:
        (HERE / name).write_bytes(data)
        print(f"{name}:\n{hex_block(data, '    ')}")
