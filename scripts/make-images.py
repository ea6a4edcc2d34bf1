#!/usr/bin/env python3
"""Draws the program's pictures and writes them under app/resources/.

PrintBtn.bmp, ExitBtn.bmp  button glyphs: 32 x 16, 4 bits per pixel, 16-colour palette, uncompressed;
                           two 16 x 16 images side by side (enabled, disabled). Olive pixels are
                           drawn transparent, the bottom-left pixel must be one.
ostrameda.ico              application icon: one 32 x 32 image, 16 colours (Windows resource).
ostrameda.png              the same picture for the window icon elsewhere (needs no image plugin).

Standard library only, so that the pictures can be redrawn anywhere: python3 scripts/make-images.py
"""
import math
import pathlib
import struct
import zlib

# The 16-colour palette of Windows, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# One letter per palette entry in the glyph drawings; '.' is the transparent olive.
LETTERS = {'k': BLACK, 'm': MAROON, 'g': GREEN, '.': OLIVE, 'n': NAVY, 's': SILVER,
           'd': GREY, 'r': RED, 'y': YELLOW, 'w': WHITE}

PRINTER = [
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwkkkkwk....",
    "....kwwwwwwk....",
    "..kkkkkkkkkkkk..",
    ".kwwwwwwwwwwwwk.",
    ".kssssssssssssk.",
    ".kssssssssssgsk.",
    ".kssssssssssssk.",
    ".kddddddddddddk.",
    ".kkkkkkkkkkkkkk.",
    "...kwwwwwwwwk...",
    "...kwkkkkkkwk...",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
]

EXIT_DOOR = [
    "................",
    ".kkkkkkkk.......",
    ".kmmmmmmk.......",
    ".kmmmmmmk.......",
    ".kmmmmmmk.......",
    ".kmmmmmmk....g..",
    ".kmmmmmmk....gg.",
    ".kmmmmmykggggggg",
    ".kmmmmmykggggggg",
    ".kmmmmmmk....gg.",
    ".kmmmmmmk....g..",
    ".kmmmmmmk.......",
    ".kmmmmmmk.......",
    ".kmmmmmmk.......",
    ".kkkkkkkk.......",
    "................",
]


def parse_drawing(rows):
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), "a glyph image is 16 x 16"
    return [[LETTERS[c] for c in row] for row in rows]


def greyed(image):
    """The disabled image: every drawn pixel becomes grey or white by its brightness."""
    def grey(index):
        if index == OLIVE:
            return OLIVE
        r, g, b = PALETTE[index]
        return GREY if 0.299 * r + 0.587 * g + 0.114 * b < 160 else WHITE
    return [[grey(i) for i in row] for row in image]


def bmp_4bit(pixels):
    """An uncompressed 4-bit BMP with the 16-colour palette; pixels[y][x] top-down."""
    height, width = len(pixels), len(pixels[0])
    row_bytes = ((width * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytearray()
        for x in range(0, width, 2):
            packed.append((row[x] << 4) | (row[x + 1] if x + 1 < width else 0))
        data += packed.ljust(row_bytes, b"\0")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 3780, 3780, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def glyph(drawing):
    enabled = parse_drawing(drawing)
    disabled = greyed(enabled)
    pixels = [e + d for e, d in zip(enabled, disabled)]
    assert pixels[-1][0] == OLIVE, "the bottom-left pixel gives the transparent colour"
    return bmp_4bit(pixels)


def scapula():
    """A stylised right scapula seen from behind: 32 x 32 palette indices, None = transparent."""
    superior, inferior, lateral = (5.0, 3.0), (9.0, 29.5), (26.5, 8.0)

    def side(p, a, b):
        return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])

    def edge_distance(p, a, b):
        ax, ay = b[0] - a[0], b[1] - a[1]
        t = max(0.0, min(1.0, ((p[0] - a[0]) * ax + (p[1] - a[1]) * ay) / (ax * ax + ay * ay)))
        return math.hypot(p[0] - a[0] - t * ax, p[1] - a[1] - t * ay)

    def inside_body(p):
        s1 = side(p, superior, inferior)
        s2 = side(p, inferior, lateral)
        s3 = side(p, lateral, superior)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)

    edges = [(superior, inferior), (inferior, lateral), (lateral, superior)]
    spine = [(6.0, 11.0), (29.0, 3.5)]  # from the medial border up to the acromion
    image = [[None] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            p = (x + 0.5, y + 0.5)
            if inside_body(p) or min(edge_distance(p, a, b) for a, b in edges) < 0.9:
                near_edge = min(edge_distance(p, a, b) for a, b in edges)
                if near_edge < 0.9:
                    image[y][x] = NAVY
                elif side(p, spine[0], spine[1]) < 0:
                    image[y][x] = WHITE  # supraspinous fossa, lit
                else:
                    image[y][x] = SILVER  # infraspinous fossa
            if edge_distance(p, *spine) < 1.1:
                image[y][x] = GREY
            if math.hypot((p[0] - 26.0) / 1.6, (p[1] - 10.0) / 2.6) < 1.0:
                image[y][x] = MAROON  # glenoid cavity
    return image


def ico_4bit(image):
    """An .ico holding one 32 x 32, 16-colour image with its transparency mask."""
    size = len(image)
    # The AND mask: 1 bit per pixel, set where the picture is transparent; rows bottom-up, 4-byte aligned.
    xor = bmp_4bit([[BLACK if i is None else i for i in row] for row in image])[14 + 40 + 64:]
    mask = bytearray()
    for row in reversed(image):
        bits = 0
        for x, i in enumerate(row):
            if i is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    body = info + palette + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(body), 6 + 16)
    return directory + entry + body


def png_rgba(image):
    """The same picture as an RGBA PNG."""
    raw = bytearray()
    for row in image:
        raw.append(0)  # filter: none
        for i in row:
            raw += bytes((0, 0, 0, 0)) if i is None else bytes(PALETTE[i] + (255,))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    size = len(image)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "app" / "resources"
    out.mkdir(parents=True, exist_ok=True)
    (out / "PrintBtn.bmp").write_bytes(glyph(PRINTER))
    (out / "ExitBtn.bmp").write_bytes(glyph(EXIT_DOOR))
    icon = scapula()
    (out / "ostrameda.ico").write_bytes(ico_4bit(icon))
    (out / "ostrameda.png").write_bytes(png_rgba(icon))


if __name__ == "__main__":
    main()
