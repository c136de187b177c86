#!/usr/bin/env python3
"""Draws Velmoro Dusk, the second skin: the shipped skin's faces in dusk colours, a window with
rounded top corners and a soft drop shadow around it.

    python3 skins/dusk/generate.py                   rewrite everything (pictures, skin.ini)
    python3 skins/dusk/generate.py --check           write nothing; exit 1 when a file on disk differs
    python3 skins/dusk/generate.py --preview OUT.png also draw the window with its shadow into OUT.png

The look: every rose of the shipped skin turned to a deep dusk indigo (the champagne trim, the
ivory faces and the greys stay as they are), the window's two top corners rounded by a mask, and
around the window a soft shadow that falls a little further below it than to its sides; an
inactive window's shadow is lighter. The shadow is a LAYERFRAME: the program draws it in four
translucent windows around its own.

How to read this file: the shipped skin's generator (../default/generate.py) draws the faces and
the records; this file recolours its pictures, draws the mask and the shadow pictures, and changes
the few records that differ. Python 3 standard library only; the output is the same on every run.
"""

import argparse
import colorsys
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "default"))

import generate as base  # noqa: E402  (the shipped skin's generator, beside this folder)
from raster import Canvas, Point, Rect, bmp_bytes  # noqa: E402
from skinkeys import FILE_SECTIONS, Section, parse_keys  # noqa: E402
from ninepart import draw_frame, tile  # noqa: E402


# ------------------------------------------------------------------------------------------------
# Colours: the rose family becomes dusk indigo; every other colour stays.
# ------------------------------------------------------------------------------------------------

ROSE_HUES = (0.80, 1.03)     # hues (0 .. 1, wrapping) that count as rose
HUE_TURN = -0.29             # rose (about 340 degrees) to indigo (about 235 degrees)
KEEP = {base.MAGENTA}        # the transparent key of marks drawn over other faces


def dusk(c):
    if c in KEEP:
        return c
    h, l, s = colorsys.rgb_to_hls(*(v / 255 for v in c))
    if s < 0.08 or not (ROSE_HUES[0] <= h or h <= ROSE_HUES[1] - 1):
        return c
    r, g, b = colorsys.hls_to_rgb((h + HUE_TURN) % 1.0, l * 0.92, min(1.0, s * 0.9))
    return (round(r * 255), round(g * 255), round(b * 255))


def recoloured(cv):
    out = Canvas(cv.width, cv.height)
    cache = {}
    out.pixels = [cache.setdefault(c, dusk(c)) for c in cv.pixels]
    return out


# ------------------------------------------------------------------------------------------------
# mask.bmp, 158 x 136 like main.bmp: black where the window is, white where it is cut away. Only
# the two top corners are cut, on a quarter circle of radius CORNER_RADIUS:
#
#   ..####.........####..      '.' white (outside)   '#' black (the window)
#   .#####.........#####.
#   #####################
# ------------------------------------------------------------------------------------------------

CORNER_RADIUS = 8
MASK_AREA = Rect(4, 23, 154, 131)   # the frame's client rectangle: only the bands around it are cut


def inside_corner(x, y, r):
    """Whether pixel (x, y) of a top-left corner of radius r is inside the rounded window."""
    if x >= r or y >= r:
        return True
    dx, dy = r - (x + 0.5), r - (y + 0.5)
    return dx * dx + dy * dy <= r * r


def draw_mask():
    width, height = base.FRAME_SIZE
    cv = Canvas(width, height, base.BLACK)
    for y in range(CORNER_RADIUS):
        for x in range(CORNER_RADIUS):
            if not inside_corner(x, y, CORNER_RADIUS):
                cv.put(x, y, base.WHITE)
                cv.put(width - 1 - x, y, base.WHITE)
    return cv


# ------------------------------------------------------------------------------------------------
# The shadow: shadow.bmp (its colour) and two masks (its alpha, active and inactive), 96 x 98.
# The window sits at SHADOW_CLIENT; the shadow is the window's rectangle reaching SHADOW_DROP rows
# further down, blurred over SHADOW_REACH pixels. The corner points cut it like a frame: the top
# strip is rows 0 .. 12, the bottom strip rows 76 .. 98. Between the corner columns the top and
# bottom strips are the same in every column, and the side strips' rows 12 .. 76 the same in every
# row, so the program may stretch or repeat them without seams.
#
#   0   LT.X=34              RT.X=62   96
#   +-----------------------------------+ 0
#   |      faint shadow above           |
#   |   +---------------------------+   | 12 = Cl.Top
#   |   |                           |   |
#   |   |   SHADOW_CLIENT: the      |   |
#   |   |   window's own place      |   |
#   |   +---------------------------+   | 76 = Cl.Bottom
#   |      deeper shadow below          |
#   +-----------------------------------+ 98
#  0   16                          80   96
# ------------------------------------------------------------------------------------------------

SHADOW_SIZE = (96, 98)
SHADOW_CLIENT = Rect(16, 12, 80, 76)
SHADOW_DROP = 5
SHADOW_REACH = 15
SHADOW_COLOUR = (18, 12, 34)
SHADOW_STRENGTH = {"active": 0.55, "inactive": 0.28}
SHADOW_CORNERS = {"lefttoppoint": Point(34, 12), "righttoppoint": Point(62, 12),
                  "leftbottompoint": Point(34, 76), "rightbottompoint": Point(62, 76)}


def shadow_alpha(x, y, strength):
    """The shadow's opacity (0 .. 1) at the centre of pixel (x, y)."""
    r = SHADOW_CLIENT
    cx, cy = x + 0.5, y + 0.5
    dx = max(r.left + 2 - cx, 0, cx - (r.right - 2))
    dy = max(r.top - cy, 0, cy - (r.bottom + SHADOW_DROP))
    d = math.hypot(dx, dy) / SHADOW_REACH
    if d >= 1:
        return 0.0
    fall = 1 - d
    return strength * fall * fall * (3 - 2 * fall)


def draw_shadow():
    return Canvas(*SHADOW_SIZE, SHADOW_COLOUR)


def draw_shadow_mask(state):
    cv = Canvas(*SHADOW_SIZE, base.BLACK)
    for y in range(SHADOW_SIZE[1]):
        for x in range(SHADOW_SIZE[0]):
            v = round(255 * shadow_alpha(x, y, SHADOW_STRENGTH[state]))
            cv.put(x, y, (v, v, v))
    return cv


# ------------------------------------------------------------------------------------------------
# The pictures: the shipped skin's, recoloured, then this skin's own.
# ------------------------------------------------------------------------------------------------

OWN_PICTURES = [
    # file, bits per pixel, palette entries, painter
    ("mask.bmp", 8, 2, draw_mask),
    ("shadow.bmp", 24, 0, draw_shadow),
    ("shadowmask.bmp", 8, 256, lambda: draw_shadow_mask("active")),
    ("shadowinactivemask.bmp", 8, 256, lambda: draw_shadow_mask("inactive")),
]
ACTIVE_NAMES = [n for n, _, _, _ in base.PICTURES[1:]] + [n for n, _, _, _ in OWN_PICTURES[1:]]
INDEX = {name: i for i, name in enumerate(ACTIVE_NAMES)}


# ------------------------------------------------------------------------------------------------
# The INI text: the shipped skin's records with this skin's name, pictures, mask and shadow.
# ------------------------------------------------------------------------------------------------

def set_line(section, key, value):
    lines = [line for line in section.lines if not line.startswith(key + "=")]
    lines.append("%s=%s" % (key, value))
    section.lines = lines


def dusk_sections(shipped):
    version, pictures, forminfo = shipped[0], shipped[1], shipped[2]
    version.comment = "Velmoro Dusk, the second skin. Made by generate.py beside it: change that, not this file."
    set_line(version, "skinname", "Velmoro Dusk")
    set_line(version, "skincomments", "Dusk indigo caption, rounded top corners, a soft drop shadow")
    set_line(pictures, "mask", "mask.bmp")
    set_line(pictures, "activepicturescount", len(ACTIVE_NAMES))
    for i, name in enumerate(ACTIVE_NAMES):
        set_line(pictures, str(i), name)
    set_line(forminfo, "maskrectarea", MASK_AREA.ini())
    layer = Section("LAYERFRAME", parse_keys(FILE_SECTIONS["LAYERFRAME"]), dict(
        SHADOW_CORNERS, pictureindex=INDEX["shadow.bmp"], maskpictureindex=INDEX["shadowmask.bmp"],
        inactivepictureindex=INDEX["shadow.bmp"],
        inactivemaskpictureindex=INDEX["shadowinactivemask.bmp"], clientrect=SHADOW_CLIENT,
        alphablendvalue=255, inactivealphablendvalue=230),
        comment="The drop shadow around the window, drawn by four translucent windows of its own.\n"
                "No borderrect: every click on the shadow reaches what lies below it.")
    return shipped[:3] + [layer] + shipped[3:]


def build():
    pictures = {name: recoloured(draw()) for name, _, _, draw in base.PICTURES}
    pictures.update({name: draw() for name, _, _, draw in OWN_PICTURES})
    files = {name: bmp_bytes(pictures[name], bits, palette)
             for name, bits, palette, _ in base.PICTURES + OWN_PICTURES}
    shipped_sections = base.file_sections
    base.file_sections = lambda: dusk_sections(shipped_sections())
    try:
        files["skin.ini"] = base.ini_bytes()
    finally:
        base.file_sections = shipped_sections
    return files, pictures


# ------------------------------------------------------------------------------------------------
# Preview: the window (rounded, caption and body only) with its shadow over a light grey desk.
# ------------------------------------------------------------------------------------------------

def preview(pictures, width=480, height=320):
    desk = (222, 224, 228)
    pad = 40
    cv = Canvas(width + 2 * pad, height + 2 * pad, desk)
    mask = pictures["shadowmask.bmp"]
    # The shadow as the program places it: the window's place in the picture at the window's.
    sw, sh = SHADOW_SIZE
    cl = SHADOW_CLIENT
    outer = Rect(pad - cl.left, pad - cl.top, pad + width + sw - cl.right, pad + height + sh - cl.bottom)
    for y in range(outer.top, outer.bottom):
        sy = y - outer.top if y - outer.top < cl.top else (
            sh - (outer.bottom - y) if outer.bottom - y <= sh - cl.bottom else cl.top + 1)
        for x in range(outer.left, outer.right):
            sx = x - outer.left if x - outer.left < cl.left else (
                sw - (outer.right - x) if outer.right - x <= sw - cl.right else cl.left + 1)
            a = mask.get(sx, sy)[0] / 255
            c = cv.get(x, y)
            cv.put(x, y, tuple(round(c[i] * (1 - a) + SHADOW_COLOUR[i] * a) for i in range(3)))
    main = pictures["main.bmp"]
    window = Canvas(width, height)
    client = base.FRAME["clientrect"]
    draw_frame(window, main, base.FRAME, client, 0, 0, width, height)
    inner = Rect(client.left, client.top, width - (main.width - client.right),
                 height - (main.height - client.bottom))
    tile(window, main, client, inner, (inner.left, inner.top))
    for y in range(height):
        for x in range(width):
            corner_x = x if x < CORNER_RADIUS else width - 1 - x
            if y < CORNER_RADIUS and corner_x < CORNER_RADIUS and not inside_corner(corner_x, y, CORNER_RADIUS):
                continue
            cv.put(pad + x, pad + y, window.get(x, y))
    return cv


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 when a file on disk differs")
    parser.add_argument("--preview", metavar="PNG", help="also draw the window with its shadow into PNG")
    args = parser.parse_args(argv)
    files, pictures = build()
    return base.write_outputs(HERE, files, args.check,
                              (args.preview, lambda: preview(pictures)) if args.preview else None)

if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
