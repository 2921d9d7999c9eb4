#!/usr/bin/env python3
"""Draws the example sprite sheet (walker.bmp, 8-bit BMP, and the same picture as
walker.png, 8-bit palette PNG) and its documents (walker.pxo and walker-png.pxo)
byte by byte. Run from anywhere: python3 examples/make_example.py

The sheet holds a 16x24 figure: four walking frames facing right, the same four
mirrored facing left, and two idle frames (the second blinks). Heads and bodies
are symmetric and repeat from frame to frame, so the export stores them once and
refers to them with mirror bits."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Index: colour (red, green, blue). Index 0, the top-left pixel, is the transparent colour.
PALETTE = [
    (255, 0, 255),   # . transparent
    (16, 16, 24),    # k outline
    (248, 200, 152), # s skin
    (120, 72, 24),   # h hair
    (40, 88, 216),   # b shirt
    (24, 40, 120),   # p trousers
    (160, 96, 40),   # o shoes
]
KEYS = ".kshbpo"

HEAD = [
    ".....kkkkkk.....",
    "....khhhhhhk....",
    "...khhhhhhhhk...",
    "...khsssssshk...",
    "...kskssssksk...",
    "...kssssssssk...",
    "....kssssssk....",
    ".....kkkkkk.....",
]
HEAD_BLINK = HEAD[:4] + ["...kssssssssk..."] + HEAD[5:]
BODY = [
    "....kbbbbbbk....",
    "...kbbbbbbbbk...",
    "..kbbbbbbbbbbk..",
    "..ksbbbbbbbbsk..",
    "..ksbbbbbbbbsk..",
    "...kbbbbbbbbk...",
    "...kbbbbbbbbk...",
    "....kkkkkkkk....",
]
LEGS_STAND = [
    "....kppkkppk....",
    "....kppkkppk....",
    "....kppkkppk....",
    "....kppkkppk....",
    "....kppkkppk....",
    "...koookkoook...",
    "...koookkoook...",
    "...kkkkkkkkkk...",
]
LEGS_STRIDE = [
    "....kppkkppk....",
    "...kppk..kppk...",
    "...kppk...kppk..",
    "..kppk....kppk..",
    "..kppk.....kppk.",
    ".koook.....koook",
    ".koook.....koook",
    ".kkkkk.....kkkkk",
]


def mirrored(rows):
    return [row[::-1] for row in rows]


WALK_RIGHT = [
    HEAD + BODY + LEGS_STAND,
    HEAD + BODY + LEGS_STRIDE,
    HEAD + BODY + LEGS_STAND,
    HEAD + BODY + mirrored(LEGS_STRIDE),
]
WALK_LEFT = [mirrored(frame) for frame in WALK_RIGHT]
IDLE = [HEAD + BODY + LEGS_STAND, HEAD_BLINK + BODY + LEGS_STAND]

WIDTH, HEIGHT = 128, 48


def draw_sheet():
    pixels = [[0] * WIDTH for _ in range(HEIGHT)]
    placements = []  # (x, y, frame rows)
    for i, frame in enumerate(WALK_RIGHT):
        placements.append((16 * i, 0, frame))
    for i, frame in enumerate(WALK_LEFT):
        placements.append((64 + 16 * i, 0, frame))
    for i, frame in enumerate(IDLE):
        placements.append((16 * i, 24, frame))
    for x0, y0, frame in placements:
        for y, row in enumerate(frame):
            assert len(row) == 16, row
            for x, key in enumerate(row):
                pixels[y0 + y][x0 + x] = KEYS.index(key)
    return pixels


def bmp_bytes(pixels):
    colours = len(PALETTE)
    row_size = (WIDTH + 3) & ~3
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    rows = b"".join(bytes(pixels[y]) + b"\0" * (row_size - WIDTH) for y in reversed(range(HEIGHT)))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(rows), 2835, 2835, colours, colours)
    return header + info + table + rows


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(pixels):
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 3, 0, 0, 0)  # 8-bit palette, not interlaced
    palette = b"".join(struct.pack("BBB", *rgb) for rgb in PALETTE)
    rows = b"".join(b"\0" + bytes(row) for row in pixels)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"PLTE", palette)
            + png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def pxo_string(text):
    data = text.encode("ascii") + b"\0"
    return struct.pack("<I", len(data)) + data


def pxo_bytes(sheet):
    out = b"PXOV1.01" + pxo_string(sheet)
    out += struct.pack("<iii", 160, 144, 4)
    out += struct.pack("<iiii", 0, 0, 16, 24) + b"\x01"
    out += struct.pack("<i", 1)
    animations = [
        ("Walk Right", [(16 * i, 0) for i in range(4)]),
        ("Walk Left", [(64 + 16 * i, 0) for i in range(4)]),
        ("Idle", [(0, 24), (16, 24)]),
    ]
    out += struct.pack("<i", len(animations))
    for name, frames in animations:
        out += pxo_string(name) + struct.pack("<I", len(frames))
        for x, y in frames:
            # flag, offset x, offset y, then the source rectangle
            out += struct.pack("<Iii", 1, -8, -12) + struct.pack("<iiii", x, y, x + 16, y + 24)
    out += struct.pack("<i", 0)
    return out


def main():
    pixels = draw_sheet()
    outputs = {
        "walker.bmp": bmp_bytes(pixels),
        "walker.pxo": pxo_bytes("walker.bmp"),
        "walker.png": png_bytes(pixels),
        "walker-png.pxo": pxo_bytes("walker.png"),
    }
    for name, data in outputs.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
