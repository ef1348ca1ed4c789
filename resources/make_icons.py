#!/usr/bin/env python3
"""Draws Orbanil's three 32x32 icons and writes them as PNG (standard library only).

program.png - true colour with alpha: a passenger wagon on its rails.
about.png   - 256-colour palette: an information sign with a small rail.
ayuda.png   - 16-colour palette (the classic VGA colours): a book with a question mark.

Run once after changing a drawing; the build uses the committed PNG files.
orbanil.ico is made from program.png with ImageMagick: convert program.png orbanil.ico
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, color_type, bit_depth, rows, palette=None, trns=None):
    raw = b"".join(b"\x00" + row for row in rows)
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, color_type, 0, 0, 0))
    if palette is not None:
        data += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if trns is not None:
        data += png_chunk(b"tRNS", trns)
    data += png_chunk(b"IDAT", zlib.compress(raw, 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(data)


def rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def disc(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


# ---- program icon: true colour, drawn with 4x4 supersampling ------------------------------

def wagon(x, y):
    """Colour (r, g, b) or None at a point of the 32x32 canvas."""
    # wheels over everything below the body
    for wx in (7.0, 11.5, 20.5, 25.0):
        if disc(x, y, wx, 25.5, 2.6):
            if disc(x, y, wx, 25.5, 0.9):
                return (190, 190, 200)
            return (30, 30, 36)
    # rails and sleepers
    if 28.2 <= y <= 29.6 and 0.5 <= x <= 31.5:
        return (150, 150, 160)
    if 29.6 < y <= 31.0 and 0.5 <= x <= 31.5 and int(x) % 5 in (1, 2):
        return (120, 80, 40)
    # roof
    if rounded_rect(x, y, 2.0, 4.0, 30.0, 9.0, 2.5):
        return (95, 100, 110) if y < 6.0 else (125, 130, 140)
    # body
    if 2.0 <= x <= 30.0 and 8.0 <= y <= 22.0:
        if x < 3.0 or x > 29.0 or y > 21.0:
            return (110, 20, 25)
        # windows with a sky reflection
        for left in (4.5, 11.0, 17.5, 24.0):
            if left <= x <= left + 4.0 and 10.0 <= y <= 15.5:
                if y - 10.0 < (x - left) * 0.7 + 1.0 and y < 12.5:
                    return (225, 245, 255)
                return (110, 180, 230)
        if 17.0 <= y <= 18.5:
            return (245, 200, 40)
        return (190, 35, 40)
    # underframe
    if 4.0 <= x <= 28.0 and 22.0 < y <= 23.5:
        return (50, 50, 55)
    return None


def draw_program(path):
    rows = []
    n = 4
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    c = wagon(px + (sx + 0.5) / n, py + (sy + 0.5) / n)
                    if c is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits:
                row += bytes(round(acc[i] / hits) for i in range(3))
                row.append(round(255 * hits / (n * n)))
            else:
                row += b"\x00\x00\x00\x00"
        rows.append(bytes(row))
    write_png(path, SIZE, SIZE, 6, 8, rows)


# ---- palette icons -----------------------------------------------------------------------

def write_palette_png(path, pixels, palette, bit_depth):
    """pixels: 32 lists of palette indices; index 0 is transparent."""
    rows = []
    per_byte = 8 // bit_depth
    for line in pixels:
        row = bytearray()
        for i in range(0, SIZE, per_byte):
            value = 0
            for j in range(per_byte):
                value = (value << bit_depth) | line[i + j]
            row.append(value)
        rows.append(bytes(row))
    write_png(path, SIZE, SIZE, 3, bit_depth, rows, palette=palette, trns=b"\x00")


class Palette:
    def __init__(self, limit):
        self.colours = [(0, 0, 0)]  # transparent
        self.limit = limit

    def index(self, colour):
        if colour not in self.colours:
            if len(self.colours) == self.limit:
                sys.exit("too many colours")
            self.colours.append(colour)
        return self.colours.index(colour)


def draw_about(path):
    # blue disc shaded from top left, white "i", a short rail below the disc
    pal = Palette(256)
    pixels = []
    for py in range(SIZE):
        line = []
        for px in range(SIZE):
            x, y = px + 0.5, py + 0.5
            colour = None
            if disc(x, y, 16.0, 14.5, 13.5):
                if disc(x, y, 16.0, 14.5, 12.5):
                    shade = math.hypot(x - 11.0, y - 9.0) / 20.0
                    colour = (int(40 + 60 * (1 - shade)), int(90 + 90 * (1 - shade)),
                              int(170 + 80 * (1 - shade)))
                else:
                    colour = (20, 50, 120)
                if disc(x, y, 16.0, 8.0, 2.3):
                    colour = (255, 255, 255)
                if 13.5 <= x <= 18.5 and 12.0 <= y <= 22.5 and not (x < 14.5 and y < 13.5):
                    colour = (255, 255, 255)
                if 12.5 <= x <= 19.5 and 21.0 <= y <= 22.5:
                    colour = (255, 255, 255)
            elif 29.0 <= y <= 30.0 and 2.0 <= x <= 30.0:
                colour = (140, 140, 150)
            elif 30.0 < y <= 31.0 and 2.0 <= x <= 30.0 and px % 4 in (1, 2):
                colour = (120, 80, 40)
            line.append(0 if colour is None else pal.index(colour))
        pixels.append(line)
    palette = pal.colours + [(0, 0, 0)] * (256 - len(pal.colours))
    write_palette_png(path, pixels, palette, 8)


QUESTION = [
    "..######..",
    ".########.",
    "###....###",
    "##......##",
    "........##",
    ".......###",
    "......###.",
    ".....###..",
    "....###...",
    "....##....",
    "....##....",
    "..........",
    "....##....",
    "....##....",
]


def draw_ayuda(path):
    # a closed book (blue cover, white pages) with a yellow question mark on the cover
    vga = [(0, 0, 0), (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
           (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0),
           (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (255, 255, 255)]
    black, navy, grey, silver, yellow, blue, white = 1, 5, 9, 8, 12, 13, 15
    pixels = [[0] * SIZE for _ in range(SIZE)]

    def fill(left, top, right, bottom, index):
        for py in range(top, bottom + 1):
            for px in range(left, right + 1):
                pixels[py][px] = index

    fill(7, 27, 27, 29, white)       # page edges below the cover
    for px in range(8, 27, 2):
        pixels[28][px] = silver
    fill(27, 4, 28, 29, silver)      # pages on the right side
    fill(5, 2, 26, 27, blue)         # cover
    fill(5, 2, 7, 27, navy)          # spine
    fill(5, 29, 28, 30, black)       # back cover
    for py in range(2, 28):
        pixels[py][4] = black
    fill(4, 1, 26, 1, black)
    for py in range(1, 30):
        pixels[py][29] = grey
    for row, text in enumerate(QUESTION):
        for col, ch in enumerate(text):
            if ch == "#":
                pixels[7 + row][11 + col] = yellow
    write_palette_png(path, pixels, vga, 4)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "icons")
    os.makedirs(out, exist_ok=True)
    draw_program(os.path.join(out, "program.png"))
    draw_about(os.path.join(out, "about.png"))
    draw_ayuda(os.path.join(out, "ayuda.png"))


if __name__ == "__main__":
    main()
