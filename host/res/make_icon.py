#!/usr/bin/env python3
"""Writes Varno.ico: the program's icon, drawn here pixel by pixel.

Two 16-colour images, 32x32 and 16x16: a text page with tab gaps, an arrow,
and the converted page with even lines. Run it again after a change:
    python3 host/res/make_icon.py
"""
import os
import struct

# The standard 16-colour palette, as (blue, green, red) like the bitmap wants it.
PALETTE = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0x80), (0x00, 0x80, 0x00), (0x00, 0x80, 0x80),
    (0x80, 0x00, 0x00), (0x80, 0x00, 0x80), (0x80, 0x80, 0x00), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0x00, 0x00, 0xFF), (0x00, 0xFF, 0x00), (0x00, 0xFF, 0xFF),
    (0xFF, 0x00, 0x00), (0xFF, 0x00, 0xFF), (0xFF, 0xFF, 0x00), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def page(self, left, top, right, bottom, fold):
        """A sheet with a black edge and a folded top-right corner."""
        self.fill(left, top, right, bottom, WHITE)
        for x in range(left, right + 1):
            self.put(x, bottom, BLACK)
        for y in range(top, bottom + 1):
            self.put(left, y, BLACK)
            self.put(right, y, BLACK)
        for x in range(left, right - fold + 1):
            self.put(x, top, BLACK)
        # Cut the corner off and draw the fold.
        for i in range(fold):
            for x in range(right - fold + 1 + i, right + 1):
                self.put(x, top + i, CLEAR)
            self.put(right - fold + i, top + i, BLACK)
        for i in range(fold + 1):
            self.put(right - fold, top + i, BLACK)
            self.put(right - fold + i, top + fold, BLACK)
        for i in range(1, fold):
            for j in range(1, i + 1):
                self.put(right - fold + j, top + i, SILVER)
        self.put(right, top + fold, BLACK)

    def arrow(self, left, right, middle, half, shaft, colour, edge):
        """A right-pointing arrow: a shaft and a triangular head."""
        head = right - half
        self.fill(left, middle - shaft, head, middle + shaft, colour)
        for i in range(half + 1):
            for y in range(middle - half + i, middle + half - i + 1):
                self.put(head + i, y, colour)
        for x in range(left, head + 1):
            self.put(x, middle - shaft - 1, edge)
            self.put(x, middle + shaft + 1, edge)
        self.put(left - 1, middle, edge)
        for i in range(half + 1):
            self.put(head + i, middle - half + i - 1, edge)
            self.put(head + i, middle + half - i + 1, edge)


def large():
    c = Canvas(32)
    # Source page: text lines broken by tab gaps.
    c.page(1, 1, 16, 22, 4)
    for y, pieces in ((5, [(3, 6), (10, 12)]), (8, [(3, 5), (9, 13)]), (11, [(7, 13)]),
                      (14, [(3, 6), (9, 11)]), (17, [(7, 10)])):
        for a, b in pieces:
            c.fill(a, y, b, y, GRAY)
    # Destination page: even lines.
    c.page(15, 9, 30, 30, 4)
    for y, (a, b) in ((13, (17, 24)), (16, (17, 28)), (19, (17, 26)), (22, (17, 28)), (25, (17, 23))):
        c.fill(a, y, b, y, NAVY)
    c.arrow(6, 22, 21, 5, 2, RED, MAROON)
    return c


def small():
    c = Canvas(16)
    c.page(0, 0, 8, 11, 2)
    for y, pieces in ((3, [(2, 3), (5, 6)]), (5, [(4, 6)]), (7, [(2, 3), (5, 6)])):
        for a, b in pieces:
            c.fill(a, y, b, y, GRAY)
    c.page(7, 4, 15, 15, 2)
    for y in (8, 10, 12):
        c.fill(9, y, 13, y, NAVY)
    c.arrow(3, 11, 11, 3, 1, RED, MAROON)
    return c


def image_bytes(canvas):
    size = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    colour_row = (size * 4 + 31) // 32 * 4
    mask_row = (size + 31) // 32 * 4
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bitmaps run bottom-up
        row = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            index = canvas.pixels[y][x]
            if index is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += row
        mask += bits
    return header + palette + bytes(colour) + bytes(mask)


def icon_file(canvases):
    images = [image_bytes(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.size, canvas.size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


if __name__ == '__main__':
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'Varno.ico')
    with open(path, 'wb') as f:
        f.write(icon_file([large(), small()]))
    print(path)
