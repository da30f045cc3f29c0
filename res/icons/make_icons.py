#!/usr/bin/env python3
"""Draws the magnifier's icons (a magnifying glass) as 16-colour .ico files.

app.ico: the file's own icon, 32x32 and 16x16. tray.ico: the notification icon, 32x32.
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
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_row = ((size * 4 + 31) // 32) * 4
    and_row = ((size + 31) // 32) * 4
    xor, mask = b'', b''
    for row in reversed(pixels):  # bottom-up
        nibbles = [(p if p is not None else 0) for p in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += data.ljust(xor_row, b'\0')
        bits = 0
        out = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                out.append(bits)
                bits = 0
        mask += bytes(out).ljust(and_row, b'\0')
    return header + palette + xor + mask


def write_ico(path, sizes):
    images = [dib(glass(size)) for size in sizes]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, 'app.ico'), [32, 16])
    write_ico(os.path.join(here, 'tray.ico'), [32])
