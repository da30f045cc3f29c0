#!/usr/bin/env python3
"""Draws the magnifier's icons (a magnifying glass) as .ico files of 32-bit images.

app.ico: the file's own icon; tray.ico: the notification icon. Each has an image for every
size the shell asks for at 100 % to 200 %, so that none is stretched.
Run it from anywhere; it writes beside itself.
"""
import os
import struct

# The standard 16-colour VGA palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, LIGHT_GREY, CYAN, WHITE, BROWN = 0, 8, 7, 14, 15, 3
TRANSPARENT = None


def glass(size):
    """Pixels (palette index or None) of a magnifying glass in a size x size square."""
    s = size / 32.0
    cx, cy, r = 12.5 * s, 12.5 * s, 9.5 * s
    ring = max(1.0, 2.2 * s)
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            d = ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5
            if d <= r - ring:
                # The lens, with a highlight towards the top left.
                hx, hy = cx - r * 0.35, cy - r * 0.35
                pixels[y][x] = WHITE if ((px - hx) ** 2 + (py - hy) ** 2) ** 0.5 < r * 0.3 else CYAN
            elif d <= r:
                pixels[y][x] = BLACK
            # The handle, a thick diagonal from the rim to the bottom right.
            t = (px + py - 2 * (cx + r * 0.7)) / 2
            off = abs(px - py)
            if t >= 0 and px <= size - 1.5 * s and py <= size - 1.5 * s and off <= 2.6 * s:
                pixels[y][x] = BROWN if off <= 1.4 * s else BLACK
    return pixels


def dib(pixels):
    """A 32-bit image with alpha (what every shell since XP shows best) and its AND mask."""
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    and_row = ((size + 31) // 32) * 4
    colour, mask = b'', b''
    for row in reversed(pixels):  # bottom-up
        for p in row:
            if p is None:
                colour += b'\0\0\0\0'
            else:
                r, g, b = PALETTE[p]
                colour += struct.pack('BBBB', b, g, r, 255)
        bits = 0
        out = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                out.append(bits)
                bits = 0
        if size % 8:
            out.append(bits << (8 - size % 8))
        mask += bytes(out).ljust(and_row, b'\0')
    return header + colour + mask


def write_ico(path, sizes):
    images = [dib(glass(size)) for size in sizes]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(data + b''.join(images))


# The sizes Windows asks for: 16 and 32 at 100 %, 20 at 125 %, 24 at 150 %, 32 and 48 at 200 %
# (notification area and title bar, and the larger icons of Explorer and Alt+Tab).
SIZES = [16, 20, 24, 32, 48]

if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, 'app.ico'), SIZES)
    write_ico(os.path.join(here, 'tray.ico'), SIZES)
