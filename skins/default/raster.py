"""Pixels for the skin generator: rectangles, an RGB canvas with the few drawing operations the
pictures need, BMP and PNG files, and a 5 x 7 pixel font for labels. Standard library only."""

import struct
import zlib
from collections import namedtuple

BLACK = (0, 0, 0)


# ------------------------------------------------------------------------------------------------
# Geometry. Rectangles are left, top, right, bottom with right and bottom exclusive, as in the INI.
# ------------------------------------------------------------------------------------------------

class Rect(namedtuple("Rect", "left top right bottom")):
    @property
    def w(self):
        return self.right - self.left

    @property
    def h(self):
        return self.bottom - self.top

    def moved(self, dx, dy):
        return Rect(self.left + dx, self.top + dy, self.right + dx, self.bottom + dy)

    def inset(self, dx, dy=None):
        dy = dx if dy is None else dy
        return Rect(self.left + dx, self.top + dy, self.right - dx, self.bottom - dy)

    def overlaps(self, other):
        return (self.left < other.right and other.left < self.right
                and self.top < other.bottom and other.top < self.bottom)

    def ini(self):
        return "%d,%d,%d,%d" % self


class Point(namedtuple("Point", "x y")):
    def ini(self):
        return "%d,%d" % self


NO_RECT = Rect(0, 0, 0, 0)
NO_POINT = Point(0, 0)


def rect_at(x, y, w, h):
    return Rect(x, y, x + w, y + h)


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(a, b, steps):
    """`steps` colours from a to b inclusive."""
    if steps == 1:
        return [a]
    return [mix(a, b, i / (steps - 1)) for i in range(steps)]

# ------------------------------------------------------------------------------------------------
# Canvas: an RGB raster with the few drawing operations the pictures need.
# ------------------------------------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, colour=BLACK):
        self.width, self.height = width, height
        self.pixels = [colour] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, c):
        assert 0 <= x < self.width and 0 <= y < self.height, (x, y)
        self.pixels[y * self.width + x] = c

    def fill(self, r, c):
        for y in range(r.top, r.bottom):
            for x in range(r.left, r.right):
                self.put(x, y, c)

    def fill_rows(self, r, colours):
        """Each row of r in its own colour (a vertical gradient given row by row)."""
        for y in range(r.top, r.bottom):
            self.fill(Rect(r.left, y, r.right, y + 1), colours[y - r.top])

    def fill_columns(self, r, colours):
        for x in range(r.left, r.right):
            self.fill(Rect(x, r.top, x + 1, r.bottom), colours[x - r.left])

    def vgradient(self, r, top, bottom):
        self.fill_rows(r, ramp(top, bottom, r.h))

    def hgradient(self, r, left, right):
        self.fill_columns(r, ramp(left, right, r.w))

    def hline(self, x0, x1, y, c):
        self.fill(Rect(x0, y, x1, y + 1), c)

    def vline(self, x, y0, y1, c):
        self.fill(Rect(x, y0, x + 1, y1), c)

    def frame(self, r, c):
        self.hline(r.left, r.right, r.top, c)
        self.hline(r.left, r.right, r.bottom - 1, c)
        self.vline(r.left, r.top, r.bottom, c)
        self.vline(r.right - 1, r.top, r.bottom, c)

    def tint(self, x, y, c, t):
        self.put(x, y, mix(self.get(x, y), c, t))

    def copy(self, src, src_rect, dx, dy):
        for y in range(src_rect.h):
            for x in range(src_rect.w):
                self.put(dx + x, dy + y, src.get(src_rect.left + x, src_rect.top + y))

    def crop(self, r):
        out = Canvas(r.w, r.h)
        out.copy(self, r, 0, 0)
        return out

    def colours(self):
        return set(self.pixels)

# Small pictures drawn from text: '#' is the ink, '+' a half-tone of it, '.' leaves the pixel.

def glyph_size(art):
    return len(art[0]), len(art)


def draw_art(cv, x, y, art, colour):
    for row, line in enumerate(art):
        for col, ch in enumerate(line):
            if ch == "#":
                cv.put(x + col, y + row, colour)
            elif ch == "+":
                cv.tint(x + col, y + row, colour, 0.5)


def draw_art_centred(cv, r, art, colour, dx=0, dy=0):
    w, h = glyph_size(art)
    draw_art(cv, r.left + (r.w - w) // 2 + dx, r.top + (r.h - h) // 2 + dy, art, colour)

def rounded_box(cv, r, border, fill, radius=2):
    """A box with a one-pixel border around `fill` (one colour, or a list of colours row by row).
    Its corners are cut by `radius` (0, 1 or 2) and softened towards whatever the canvas showed
    there before, so paint the background first."""
    corners = [(r.left, r.top, 1, 1), (r.right - 1, r.top, -1, 1),
               (r.left, r.bottom - 1, 1, -1), (r.right - 1, r.bottom - 1, -1, -1)]
    behind = [cv.get(x, y) for x, y, _, _ in corners]
    inner = r.inset(1)
    if inner.w > 0 and inner.h > 0:
        cv.fill_rows(inner, fill if isinstance(fill, list) else [fill] * inner.h)
    cv.frame(r, border)
    for (x, y, sx, sy), bg in zip(corners, behind):
        if radius == 1:
            cv.put(x, y, mix(border, bg, 0.5))
        elif radius == 2:
            cv.put(x, y, bg)
            cv.put(x + sx, y, mix(border, bg, 0.5))
            cv.put(x, y + sy, mix(border, bg, 0.5))
            cv.put(x + sx, y + sy, border)

# ------------------------------------------------------------------------------------------------
# BMP files. 8-bit pictures carry exactly the palette size given in PICTURES (biClrUsed), padded
# with black after the colours in use, so each file has the byte size the package layout expects.
# Rows are stored bottom-up and padded to four bytes.
# ------------------------------------------------------------------------------------------------

BMP_FILE_HEADER = struct.Struct("<2sIHHI")
BMP_INFO_HEADER = struct.Struct("<IiiHHIIiiII")
PIXELS_PER_METRE = 2835            # 72 dots per inch


def bmp_bytes(cv, bits, palette_size):
    stride = (cv.width * bits // 8 + 3) & ~3
    pad = bytes(stride - cv.width * bits // 8)
    rows = []
    palette = b""
    if bits == 8:
        colours = sorted(cv.colours())
        assert len(colours) <= palette_size, "%d colours, palette holds %d" % (len(colours),
                                                                              palette_size)
        colours += [BLACK] * (palette_size - len(colours))
        index = {}
        for i, c in enumerate(colours):
            index.setdefault(c, i)
        palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
        for y in reversed(range(cv.height)):
            rows.append(bytes(index[cv.get(x, y)] for x in range(cv.width)) + pad)
    else:
        for y in reversed(range(cv.height)):
            line = bytearray()
            for x in range(cv.width):
                r, g, b = cv.get(x, y)
                line += bytes((b, g, r))
            rows.append(bytes(line) + pad)
    data = b"".join(rows)
    offset = BMP_FILE_HEADER.size + BMP_INFO_HEADER.size + len(palette)
    file_header = BMP_FILE_HEADER.pack(b"BM", offset + len(data), 0, 0, offset)
    info = BMP_INFO_HEADER.pack(BMP_INFO_HEADER.size, cv.width, cv.height, 1, bits, 0, len(data),
                                PIXELS_PER_METRE, PIXELS_PER_METRE, palette_size, 0)
    return file_header + info + palette + data


def png_bytes(cv):
    raw = bytearray()
    for y in range(cv.height):
        raw.append(0)
        for c in cv.pixels[y * cv.width:(y + 1) * cv.width]:
            raw += bytes(c)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", cv.width, cv.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))

# ------------------------------------------------------------------------------------------------
# A 5 x 7 pixel font, enough for labels on the preview.
# ------------------------------------------------------------------------------------------------

FONT_5X7 = {
    "A": ".###. #...# #...# ##### #...# #...# #...#", "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.", "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####", "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####", "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.", "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#", "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#", "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.", "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#", "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.", "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.", "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.", "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..", "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": "..... ..... .###. ....# .#### #...# .####", "b": "#.... #.... #.##. ##..# #...# #...# ####.",
    "c": "..... ..... .###. #.... #.... #...# .###.", "d": "....# ....# .##.# #..## #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .###.", "f": "..##. .#..# .#... ###.. .#... .#... .#...",
    "g": "..... .#### #...# #...# .#### ....# .###.", "h": "#.... #.... #.##. ##..# #...# #...# #...#",
    "i": "..#.. ..... .##.. ..#.. ..#.. ..#.. .###.", "j": "...#. ..... ..##. ...#. ...#. #..#. .##..",
    "k": "#.... #.... #..#. #.#.. ##... #.#.. #..#.", "l": ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "m": "..... ..... ##.#. #.#.# #.#.# #...# #...#", "n": "..... ..... #.##. ##..# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.", "p": "..... ..... ####. #...# ####. #.... #....",
    "q": "..... ..... .##.# #..## .#### ....# ....#", "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .###. #.... .###. ....# ####.", "t": ".#... .#... ###.. .#... .#... .#..# ..##.",
    "u": "..... ..... #...# #...# #...# #..## .##.#", "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.", "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "..... ..... #...# #...# .#### ....# .###.", "z": "..... ..... ##### ...#. ..#.. .#... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.", "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####", "3": "##### ...#. ..#.. ...#. ....# #...# .###.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.", "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.", "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.", "9": ".###. #...# #...# .#### ....# ...#. .##..",
    " ": "..... ..... ..... ..... ..... ..... .....", ".": "..... ..... ..... ..... ..... .##.. .##..",
    ",": "..... ..... ..... ..... .##.. ..#.. .#...", "-": "..... ..... ..... .###. ..... ..... .....",
    "+": "..... ..#.. ..#.. ##### ..#.. ..#.. .....", "'": "..#.. ..#.. ..... ..... ..... ..... .....",
    ":": "..... .##.. .##.. ..... .##.. .##.. .....", "(": "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    ")": ".#... ..#.. ...#. ...#. ...#. ..#.. .#...", "/": "..... ....# ...#. ..#.. .#... #.... .....",
    "_": "..... ..... ..... ..... ..... ..... #####", "=": "..... ..... ##### ..... ##### ..... .....",
}


def draw_text(cv, x, y, text, colour, scale=1):
    """Pixel text, 6 x 8 cells times `scale`; returns the x after the last character."""
    for ch in text:
        rows = FONT_5X7.get(ch, FONT_5X7[" "]).split()
        for row, line in enumerate(rows):
            for col, bit in enumerate(line):
                if bit == "#":
                    cv.fill(rect_at(x + col * scale, y + row * scale, scale, scale), colour)
        x += 6 * scale
    return x


def text_width(text, scale=1):
    return len(text) * 6 * scale
