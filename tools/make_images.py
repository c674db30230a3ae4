#!/usr/bin/env python3
"""Draws the program's two pictures and writes them into res/.

quillet.ico: a 32 x 32 and a 16 x 16 image in 16 colours (a note page with a
quill across it). donate.bmp: 62 x 31 pixels, 8 bits per pixel (a heart on a
blue button face). Run it again after changing a picture; the output is
byte-for-byte reproducible.
"""
import os
import struct

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, YELLOW, BLUE, NAVY, WHITE = 0, 8, 11, 12, 4, 15


def note_pixel(x, y):
    """Colour index at (x, y) of the 32 x 32 design, or None for transparent."""
    # The quill: a band around the line from (29, 1) to (11, 25).
    dx, dy = 11 - 29, 25 - 1
    t = ((x - 29) * dx + (y - 1) * dy) / float(dx * dx + dy * dy)
    if 0.0 <= t <= 1.0:
        px, py = 29 + t * dx, 1 + t * dy
        dist = ((x - px) ** 2 + (y - py) ** 2) ** 0.5
        half = 0.6 if t > 0.8 else (2.6 * (1.0 - t) if t > 0.25 else 2.2)
        if dist <= half:
            if t > 0.8:
                return BLACK
            return NAVY if dist > half - 0.9 else BLUE
    # The note page with ruled lines.
    if 3 <= x <= 24 and 4 <= y <= 29:
        if x in (3, 24) or y in (4, 29):
            return BLACK
        if y in (10, 14, 18, 22, 26) and 6 <= x <= 21:
            return GREY
        return YELLOW if y < 7 else WHITE
    return None


def icon_image(size):
    scale = 32 // size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            row.append(note_pixel(x * scale + scale // 2, y * scale + scale // 2))
        rows.append(row)
    colour_stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(colour_stride)
        bits = bytearray(mask_stride)
        for x, c in enumerate(row):
            index = WHITE if c is None else c
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in VGA)
    return header + palette + bytes(colour) + bytes(mask)


def write_icon(path):
    images = [icon_image(32), icon_image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


def donate_pixel(x, y):
    # Heart: two circles and a triangle, centred at x 31.
    cx, cy = 31.0, 14.0
    for hx in (cx - 5.5, cx + 5.5):
        if (x - hx) ** 2 + (y - (cy - 3)) ** 2 <= 36:
            return 1
    if y >= cy - 3 and abs(x - cx) <= (cy + 11 - y) * 1.05 and y <= cy + 11:
        return 1
    if x in (0, 61) or y in (0, 30):
        return 2
    return 3 + (y * 8) // 31  # blue gradient 3..10


def write_bitmap(path):
    width, height = 62, 31
    palette = [(0, 0, 0)] * 256
    palette[1] = (200, 30, 50)   # heart
    palette[2] = (20, 40, 90)    # frame
    for i in range(8):           # button face, light to darker blue
        palette[3 + i] = (200 - i * 12, 220 - i * 10, 255)
    stride = (width + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(height)):
        line = bytearray(stride)
        for x in range(width):
            line[x] = donate_pixel(x, y)
        pixels += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    colours = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + len(info) + len(colours)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(header + info + colours + bytes(pixels))


if __name__ == '__main__':
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'res')
    write_icon(os.path.join(res, 'quillet.ico'))
    write_bitmap(os.path.join(res, 'donate.bmp'))
