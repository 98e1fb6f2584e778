#!/usr/bin/env python3
"""Writes the program's artwork from the text drawings beside this script.

    python3 app/art/make_art.py [OUTDIR]

OUTDIR defaults to this folder, where the binaries are committed; the build
embeds those, so Python is needed only to change a drawing. Output is
byte-for-byte reproducible.

Drawing format (Scindora.txt, Glyphs.txt): legend lines `X = colour` (colour
is a name from COLOURS, `none` for transparent, or #rrggbb), then a line
`--`, then one row of pixels per line. Blanks inside a row are ignored, so a
strip can be laid out as panels. `#` starts a comment line before the `--`.

Font.txt holds the pixel font of the About header: `[c]` opens the glyph of
character c, then rows of `#` (ink) and `.` (paper).
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour VGA palette, in the order 4-bit bitmaps use it.
VGA = [
    ("black", (0, 0, 0)), ("maroon", (128, 0, 0)), ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)), ("navy", (0, 0, 128)), ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)), ("silver", (192, 192, 192)), ("grey", (128, 128, 128)),
    ("red", (255, 0, 0)), ("lime", (0, 255, 0)), ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)), ("fuchsia", (255, 0, 255)), ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
COLOURS = dict(VGA)
VGA_INDEX = {rgb: i for i, (_, rgb) in enumerate(VGA)}

# clFuchsia: the image list's mask colour.
KEY = (255, 0, 255)


def parse_colour(text):
    text = text.strip()
    if text == "none":
        return None
    if text.startswith("#") and len(text) == 7:
        return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))
    if text in COLOURS:
        return COLOURS[text]
    raise ValueError("unknown colour %r" % text)


def read_drawing(name):
    """Returns rows of pixels, each an (r, g, b) tuple or None (transparent)."""
    path = os.path.join(HERE, name)
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    legend = {}
    at = 0
    while lines[at].strip() != "--":
        line = lines[at]
        at += 1
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        key, equals, value = line.partition("=")
        key = key.strip()
        if len(key) != 1 or not equals or not value.split():
            raise ValueError("%s:%d: bad legend line" % (name, at))
        legend[key] = parse_colour(value.split()[0])
    rows = []
    for number, line in enumerate(lines[at + 1:], at + 2):
        cells = line.replace(" ", "")
        if not cells:
            continue
        try:
            rows.append([legend[c] for c in cells])
        except KeyError as e:
            raise ValueError("%s:%d: %s not in the legend" % (name, number, e))
    if any(len(r) != len(rows[0]) for r in rows):
        raise ValueError("%s: rows differ in width" % name)
    return rows


def bmp_rows_24(rows):
    """Bottom-up 24-bit rows, each padded to four bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (-len(line) % 4)
        out += line
    return bytes(out)


def bitmap_info(width, height, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 0, 0, colours, 0)


def write_bmp24(path, rows):
    pixels = bmp_rows_24(rows)
    info = bitmap_info(len(rows[0]), len(rows), 24, len(pixels))
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pixels)


def write_ico4(path, rows):
    """One 32 x 32 image, 4 bits per pixel with the VGA palette, AND mask."""
    width, height = len(rows[0]), len(rows)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        nibbles = [0 if p is None else VGA_INDEX[p] for p in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, width, 2))
        xor += line + b"\0" * (-len(line) % 4)
        bits = bytearray((width + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits + b"\0" * (-len(bits) % 4)
    palette = b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in VGA)
    # An icon's header counts the XOR and AND bitmaps together: twice the height.
    image = bitmap_info(width, 2 * height, 4, len(xor) + len(mask), 16) + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def read_font():
    glyphs = {}
    current = None
    with open(os.path.join(HERE, "Font.txt"), encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith("[") and line.endswith("]") and len(line) == 3:
                current = glyphs.setdefault(line[1], [])
            elif current is not None and line.strip():
                current.append([c == "#" for c in line.strip()])
    return glyphs


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def about_header(icon):
    """298 x 81: a blue band with the icon and the product name.

    The dialog shows the picture at (-4, -4), so the first four columns and
    rows are hidden; everything of note sits inside the remaining 294 x 77.
    """
    width, height = 298, 81
    dark, light = (0, 0, 96), (24, 96, 176)
    # Mostly horizontal, a little vertical: lightest at the bottom right.
    rows = [[mix(dark, light, 0.75 * x / (width - 1) + 0.25 * y / (height - 1))
             for x in range(width)] for y in range(height)]
    # Two-pixel rule along the bottom edge, like a raised panel's lower bevel.
    for x in range(width):
        rows[height - 2][x] = mix(rows[height - 2][x], (255, 255, 255), 0.35)
        rows[height - 1][x] = (0, 0, 64)

    def paint(left, top, cells, cell_width, cell_height, colour_of):
        """Draws each cell as a block; colour_of(cell, old) gives its colour or None."""
        for y, line in enumerate(cells):
            for x, cell in enumerate(line):
                for py in range(top + y * cell_height, top + (y + 1) * cell_height):
                    for px in range(left + x * cell_width, left + x * cell_width + cell_width):
                        if 0 <= px < width and 0 <= py < height:
                            colour = colour_of(cell, rows[py][px])
                            if colour is not None:
                                rows[py][px] = colour

    # The icon at twice its size, over a soft shadow that lifts it off the band.
    for offset, alpha in ((2, 0.45), (3, 0.25)):
        paint(12 + offset, 10 + offset, icon, 2, 2,
              lambda p, old, alpha=alpha: None if p is None else mix(old, (0, 0, 0), alpha))
    paint(12, 10, icon, 2, 2, lambda p, old: p)

    # The name in the pixel font at three times its size, white over a dark
    # shadow; a cell one column wider than tall gives a bolder stroke.
    font = read_font()
    left, top = 92, 28
    for offset, ink in ((2, (0, 0, 48)), (0, (255, 255, 255))):
        x = left
        for c in "Scindora":
            glyph = font[c]
            paint(x + offset, top + offset, glyph, 3, 3, lambda on, old: ink if on else None)
            paint(x + 1 + offset, top + offset, glyph, 3, 3, lambda on, old: ink if on else None)
            x += (len(glyph[0]) + 1) * 3 + 1

    # A row of pieces under the name, fading out to the right: a file in fragments.
    for i in range(12):
        x = left + i * 14
        piece = mix((255, 255, 255), rows[63][x], 0.2 + 0.065 * i)
        paint(x, 61, [[True]], 10, 6, lambda on, old: piece)
    return rows


def main(argv):
    out = argv[1] if len(argv) > 1 else HERE
    os.makedirs(out, exist_ok=True)
    icon = read_drawing("Scindora.txt")
    if (len(icon[0]), len(icon)) != (32, 32):
        raise ValueError("the icon is 32 x 32")
    if any(p is not None and p not in VGA_INDEX for row in icon for p in row):
        raise ValueError("the icon uses the VGA palette only")
    write_ico4(os.path.join(out, "Scindora.ico"), icon)

    glyphs = read_drawing("Glyphs.txt")
    if (len(glyphs[0]), len(glyphs)) != (96, 16):
        raise ValueError("the glyph strip is 96 x 16")
    if any(p == KEY for row in glyphs for p in row):
        raise ValueError("fuchsia is the mask colour; draw with `none` instead")
    write_bmp24(os.path.join(out, "Glyphs.bmp"),
                [[KEY if p is None else p for p in row] for row in glyphs])

    write_bmp24(os.path.join(out, "AboutHeader.bmp"), about_header(icon))


if __name__ == "__main__":
    main(sys.argv)
