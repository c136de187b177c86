#!/usr/bin/env python3
"""Draws Velmoro's shipped skin: its seven pictures and its INI text.

    python3 skins/default/generate.py                   rewrite everything (pictures, skin.ini)
    python3 skins/default/generate.py --check           write nothing; exit 1 when a file on disk differs
    python3 skins/default/generate.py --preview OUT.png also draw the main window at 785 x 641 into OUT.png

The look: warm ivory and blush faces, a deep rose caption bar that carries white (active) or light
grey (inactive) caption text with a black shadow, a thin champagne trim around the client area, and
crisp one-pixel borders. Python 3 standard library only; the output is the same on every run.

How to read this file: the palette and the shared looks first, then one function per picture,
each with the layout of its picture drawn above it. Every rectangle the INI text names comes from
those layout tables, so a face and the key that points at it can never drift apart. The records of
the INI text follow, then the preview and the checks (the contact sheet of every face is drawn
from the packed skin by `skinview sheet`, see README.md). The generic parts live
beside it: raster.py (canvas, BMP, PNG), skinkeys.py (the keys of every record class) and
ninepart.py (the nine-part cut, for the preview and the checks).
"""

import argparse
import math
import os
import sys
from collections import namedtuple

from ninepart import (draw_frame, horizontal_bar, nine_part_image,
                      nine_part_repeats, paste, tile, uniform)
from raster import (BLACK, NO_RECT, Canvas, Point, Rect, bmp_bytes, draw_art_centred,
                    draw_text, mix, png_bytes, ramp, rect_at, rounded_box, text_width)
from skinkeys import (CONTROL_TYPES, CUSTOM_KEYS, FILE_SECTIONS, OBJECT_TYPES, Section,
                      list_section, parse_keys)

HERE = os.path.dirname(os.path.abspath(__file__))


# ------------------------------------------------------------------------------------------------
# Colours (red, green, blue). The skin keeps to one warm family: rose from deep to pale, ivory and
# white for faces, champagne for trim. The INI writes a colour as red + green * 256 + blue * 65536.
# ------------------------------------------------------------------------------------------------

ROSE_900 = (88, 30, 52)       # outermost window line
ROSE_800 = (116, 44, 70)
ROSE_700 = (138, 60, 86)
ROSE_600 = (164, 84, 110)
ROSE_500 = (186, 112, 136)
ROSE_400 = (206, 146, 164)
ROSE_300 = (226, 184, 196)
ROSE_200 = (240, 212, 220)
ROSE_100 = (248, 232, 236)
IVORY = (253, 248, 246)
WHITE = (255, 255, 255)
CLIENT = (251, 245, 243)      # window body, behind the filter panel and the tab row
PAGE = WHITE                  # result pages
INK = (70, 40, 52)            # text on light faces
INK_SOFT = (120, 92, 102)
CHAMPAGNE = (214, 180, 136)
MUTED = (128, 128, 128)       # disabled text
MUTED_LINE = (206, 196, 199)
MUTED_FILL = (242, 238, 239)
MAGENTA = (255, 0, 255)       # transparent key of the small marks drawn over other faces

# The caption bar, row by row (rows 0 to 22 of the frame picture). A glossy split at row 12 keeps
# it lively; white and light grey text with a black shadow both read well on every row.
CAPTION_ROWS = ([ROSE_900, (204, 134, 158)]
                + ramp((184, 104, 130), (168, 88, 114), 10)
                + ramp((152, 72, 98), (136, 58, 84), 10)
                + [CHAMPAGNE])
assert len(CAPTION_ROWS) == 23

# The main-menu bar, row by row; the bar items in menuitems.bmp repeat rows 2 to 19 of it.
MENUBAR_ROWS = ramp((254, 250, 250), (244, 228, 233), 21) + [ROSE_300]


# ------------------------------------------------------------------------------------------------
# Small pictures drawn from text: '#' is the ink, '+' a half-tone of it, '.' leaves the pixel.
# Window-command glyphs are 9 x 9 at most and sit centred on their 18 x 17 button.
# ------------------------------------------------------------------------------------------------

GLYPHS = {
    "close": ["##.....##",
              "###...###",
              ".###.###.",
              "..#####..",
              "...###...",
              "..#####..",
              ".###.###.",
              "###...###",
              "##.....##"],
    "maximize": ["#########",
                 "#########",
                 "#.......#",
                 "#.......#",
                 "#.......#",
                 "#.......#",
                 "#.......#",
                 "#########"],
    "restore": ["..#######",
                "..#######",
                "..#.....#",
                "#######.#",
                "#######.#",
                "#.....###",
                "#.....#..",
                "#######.."],
    "minimize": [".........",
                 ".........",
                 ".........",
                 ".........",
                 ".........",
                 ".........",
                 "#########",
                 "#########"],
    "rollup": ["....#....",
               "...###...",
               "..##+##..",
               ".##+.+##.",
               "##+...+##",
               "#+.....+#"],
    "rolldown": ["#+.....+#",
                 "##+...+##",
                 ".##+.+##.",
                 "..##+##..",
                 "...###...",
                 "....#...."],
    "tray": [".........",
             ".........",
             ".........",
             "...###...",
             "...###...",
             "...###...",
             ".........",
             "#########",
             "#########"],
    "sysmenu": ["#########",
                ".........",
                ".........",
                "#########",
                ".........",
                ".........",
                "#########"],
    # Small marks for controls.
    "check": ["......#",
              ".....##",
              "#...##.",
              "##.##..",
              ".###...",
              "..#...."],
    "ellipsis": ["#.#.#"],
}

# DrawSmallArrow's shape: 4 deep, 7 wide at its base.
ARROWS = {
    "up": ["...#...", "..###..", ".#####.", "#######"],
    "down": ["#######", ".#####.", "..###..", "...#..."],
    "left": ["...#", "..##", ".###", "####", ".###", "..##", "...#"],
    "right": ["#...", "##..", "###.", "####", "###.", "##..", "#..."],
}


# ------------------------------------------------------------------------------------------------
# Shared looks. Every control face is one of a handful of shapes in one of a handful of states, so
# a button, a combo box button and a scroll arrow look like members of one family.
# ------------------------------------------------------------------------------------------------

Look = namedtuple("Look", "border top bottom ink")

# A raised button in each of its states; most clickable faces of the skin are drawn with these.
RAISED = {
    "normal": Look(ROSE_400, WHITE, (247, 231, 236), INK),
    "hot": Look(ROSE_500, (255, 250, 252), (250, 218, 229), ROSE_800),
    "down": Look(ROSE_600, (236, 198, 210), (249, 228, 235), ROSE_900),
    "focused": Look(ROSE_600, WHITE, (247, 231, 236), INK),
    "disabled": Look(MUTED_LINE, (251, 249, 249), MUTED_FILL, (186, 176, 180)),
}

# A text field (edit, combo box, list) in its states.
FIELD = {
    "normal": Look(ROSE_300, WHITE, WHITE, INK),
    "active": Look(ROSE_500, WHITE, WHITE, INK),
    "disabled": Look(MUTED_LINE, MUTED_FILL, MUTED_FILL, MUTED),
}


def paint_raised(cv, r, state, radius=2):
    look = RAISED[state]
    rounded_box(cv, r, look.border, ramp(look.top, look.bottom, max(1, r.h - 2)), radius)


def paint_field(cv, r, state):
    look = FIELD[state]
    rounded_box(cv, r, look.border, look.top, radius=1)
    if state == "active":
        cv.frame(r.inset(1), ROSE_100)


def paint_arrow_button(cv, r, state, direction, radius=2):
    paint_raised(cv, r, state, radius)
    shift = 1 if state == "down" else 0
    draw_art_centred(cv, r, ARROWS[direction], RAISED[state].ink, shift, shift)


def plum_blossom(cv, cx, cy, size, petal, heart, supersample=4, levels=None, wrap=False):
    """A five-petal plum blossom centred on (cx, cy), petals `size` pixels from the heart.
    Coverage is measured on a fine grid so the edges blend into what lies below; `levels` rounds
    the blend to that many steps (for 8-bit pictures), `wrap` lets it cross the picture's edges."""
    reach = int(size * 2) + 2
    petal_r = size * 0.62
    centres = [(cx + size * math.cos(math.radians(-90 + 72 * k)),
                cy + size * math.sin(math.radians(-90 + 72 * k))) for k in range(5)]
    for py in range(int(cy) - reach, int(cy) + reach + 1):
        for px in range(int(cx) - reach, int(cx) + reach + 1):
            inside_petal = inside_heart = 0
            for sy in range(supersample):
                for sx in range(supersample):
                    fx = px + (sx + 0.5) / supersample
                    fy = py + (sy + 0.5) / supersample
                    if (fx - cx - 0.5) ** 2 + (fy - cy - 0.5) ** 2 <= (size * 0.42) ** 2:
                        inside_heart += 1
                    elif any((fx - x - 0.5) ** 2 + (fy - y - 0.5) ** 2 <= petal_r ** 2
                             for x, y in centres):
                        inside_petal += 1
            total = supersample * supersample
            if not inside_petal and not inside_heart:
                continue
            x, y = px, py
            if wrap:
                x, y = px % cv.width, py % cv.height
            elif not (0 <= x < cv.width and 0 <= y < cv.height):
                continue
            for colour, count in ((petal, inside_petal), (heart, inside_heart)):
                t = count / total
                if levels:
                    t = round(t * levels) / levels
                if t > 0:
                    cv.tint(x, y, colour, t)


# ================================================================================================
# main.bmp, 158 x 136, 8 bits: the window frame (FORMINFO). The window is cut from it in nine parts:
# corners keep their size, the edges between the corner points repeat, so every edge is uniform
# along its length and only the corners carry detail.
#
#    0 1 2 3 4          13                                     142         154 155 156 157
#    +--------------------------------------------------------------------------+  0 outer line
#    |                         caption bar (rows 1-21)                          |  1 highlight
#    |  captionrect 14,5,144,21: icon, caption text and buttons are laid here   |
#    |  caption1 skinrect 12,5,145,20                                           |
#    +-+-+-+--------------------------------------------------------------+-+-+-+ 22 champagne trim
#    | | | |                                                              | | | |
#    |L|L|T|  client tile: clientrect 4,23,154,131                        |T|R|R|
#    | | | |                                                              | | | |
#    +-+-+-+--------------------------------------------------------------+-+-+-+ 131 champagne trim
#    |                          bottom border, rows 132-135                     |
#    +--------------------------------------------------------------------------+ 136
#
#  Corner points LT 13,27  RT 142,26  LB 6,130  RB 152,129 (borders 4, 23, 4 and 5 pixels).
# ================================================================================================

FRAME_SIZE = (158, 136)
FRAME = {
    "lefttoppoint": Point(13, 27),
    "righttoppoint": Point(142, 26),
    "leftbottompoint": Point(6, 130),
    "rightbottompoint": Point(152, 129),
    "clientrect": Rect(4, 23, 154, 131),
    "captionrect": Rect(14, 5, 144, 21),
    "caption1": Rect(12, 5, 145, 20),
}
LEFT_BORDER = [ROSE_900, (176, 96, 122), ROSE_700, CHAMPAGNE]       # columns 0-3
RIGHT_BORDER = [CHAMPAGNE, ROSE_700, ROSE_800, ROSE_900]            # columns 154-157
BOTTOM_BORDER = [CHAMPAGNE, (156, 74, 100), ROSE_700, ROSE_800, ROSE_900]  # rows 131-135


def draw_main():
    width, height = FRAME_SIZE
    client = FRAME["clientrect"]
    cv = Canvas(width, height, CLIENT)
    cv.fill_rows(Rect(0, 0, width, client.top), CAPTION_ROWS)
    cv.fill_rows(Rect(0, client.bottom, width, height), BOTTOM_BORDER)
    sides = Rect(0, client.top - 1, width, client.bottom + 1)
    cv.fill_columns(Rect(0, sides.top, client.left, sides.bottom), LEFT_BORDER)
    cv.fill_columns(Rect(client.right, sides.top, width, sides.bottom), RIGHT_BORDER)
    # The outermost line closes all four sides.
    cv.frame(Rect(0, 0, width, height), ROSE_900)
    return cv


# ================================================================================================
# active.bmp, 58 x 102, 8 bits: the caption buttons, one row of 18 x 17 faces per window command.
# Each face repeats the caption bar behind it (rows 5-21 of main.bmp), so a button sits seamlessly
# on the bar wherever the layout puts it.
#
#        x 0      18 20     38 40     58
#   y 0  | pressed |  | hot   |  | normal |   close         (closebutton)
#    17  | pressed |  | hot   |  | normal |   maximize      (maxbutton)
#    34  | pressed |  | hot   |  | normal |   restore       (maxbutton, maximized window)
#    51  | pressed |  | hot   |  | normal |   minimize      (minbutton)
#    68  | pressed |  | hot   |  | normal |   roll up       (rollupbutton)
#    85  | pressed |  | hot   |  | normal |   roll down     (rollupbutton, rolled-up window)
# ================================================================================================

CAPTION_BUTTON_SIZE = (18, 17)
CAPTION_BUTTON_TOP = 5            # the caption buttons start on this row of the caption bar
ACTIVE_ROWS = ["close", "maximize", "restore", "minimize", "rollup", "rolldown"]
ACTIVE_COLUMNS = {"down": 0, "hot": 20, "normal": 40}


def caption_button_face(command, state):
    w, h = CAPTION_BUTTON_SIZE
    return rect_at(ACTIVE_COLUMNS[state], ACTIVE_ROWS.index(command) * h, w, h)


CAPTION_GLYPH = (250, 230, 238)
CLOSE_HOT = (214, 64, 96)


def paint_caption_button(cv, r, glyph, state, hot_colour=WHITE, hot_strength=0.2):
    """One caption button face: the bar, then for hot and pressed a rounded plate, then the glyph."""
    bar = CAPTION_ROWS[CAPTION_BUTTON_TOP:CAPTION_BUTTON_TOP + r.h]
    cv.fill_rows(r, bar)
    plate = Rect(r.left + 1, r.top, r.right - 1, r.bottom)
    inner = bar[1:-1]
    if state == "hot":
        rounded_box(cv, plate, mix(bar[8], WHITE, 0.45),
                    [mix(c, hot_colour, hot_strength) for c in inner])
        draw_art_centred(cv, r, GLYPHS[glyph], WHITE)
    elif state == "down":
        rounded_box(cv, plate, ROSE_900, [mix(c, ROSE_900, 0.45) for c in inner])
        draw_art_centred(cv, r, GLYPHS[glyph], (236, 206, 216), 1, 1)
    else:
        draw_art_centred(cv, r, GLYPHS[glyph], CAPTION_GLYPH)


def draw_active():
    w, h = CAPTION_BUTTON_SIZE
    cv = Canvas(58, 102)
    cv.fill_rows(Rect(0, 0, 58, 102), CAPTION_ROWS[CAPTION_BUTTON_TOP:CAPTION_BUTTON_TOP + h] * 6)
    for command in ACTIVE_ROWS:
        for state in ACTIVE_COLUMNS:
            if command == "close":
                paint_caption_button(cv, caption_button_face(command, state), command, state,
                                     CLOSE_HOT, 0.75)
            else:
                paint_caption_button(cv, caption_button_face(command, state), command, state)
    return cv


# ================================================================================================
# pw.bmp, 61 x 40, 24 bits: the popup menu window (POPUPWINDOW). Items are drawn over the items
# area; a blush band runs down the left side with a plum blossom at its foot.
#
#    0                17                               56    61
#    +----------------+--------------------------------+-----+  0
#    |                |  top border (5 rows)           |     |
#    |   side band    +--------------------------------+     |  5
#    |   (17 wide)    |  itemsrect 17,5,56,35          |right|
#    |                |                                |     |
#    |       *        +--------------------------------+     |  35
#    |    blossom     |  bottom border (5 rows)        |     |
#    +----------------+--------------------------------+-----+  40
#
#  Corner points LT 22,10  RT 51,10  LB 24,29  RB 50,30.
# ================================================================================================

POPUP_SIZE = (61, 40)
POPUP = {
    "lefttoppoint": Point(22, 10),
    "righttoppoint": Point(51, 10),
    "leftbottompoint": Point(24, 29),
    "rightbottompoint": Point(50, 30),
    "itemsrect": Rect(17, 5, 56, 35),
}
MENU_BG = IVORY        # behind the menu items, also the normal item face


def draw_pw():
    width, height = POPUP_SIZE
    items = POPUP["itemsrect"]
    cv = Canvas(width, height, MENU_BG)
    band = Rect(1, 1, items.left - 1, height - 1)
    cv.hgradient(band, (232, 180, 196), (246, 222, 229))
    cv.vline(items.left - 1, 1, height - 1, ROSE_200)
    plum_blossom(cv, band.left + band.w // 2 - 1, height - 6, 2.3, WHITE, CHAMPAGNE)
    cv.frame(Rect(0, 0, width, height), ROSE_500)
    return cv


# ================================================================================================
# menuitems.bmp, 54 x 100, 8 bits: main-menu bar items and popup menu items (MENUITEM and
# mainmenubaritem1). The fixed ends (8 pixels for popup items, 6 for bar items) carry the rounded
# corners; the middle repeats.
#
#   y  0..18   bar item, normal           mainmenubaritem1 skinrect
#     18..36   bar item, highlighted      activeskinrect
#     36..54   bar item, its menu open    downrect
#     54..74   popup item, normal         MENUITEM skinrect
#     75..95   popup item, highlighted    activeskinrect
#     96..99   separator, 53 wide         dividerrect (line from x 18, in line with the captions)
# ================================================================================================

MENU_FACES = {
    "bar.normal": Rect(0, 0, 54, 18),
    "bar.hot": Rect(0, 18, 54, 36),
    "bar.down": Rect(0, 36, 54, 54),
    "item.normal": Rect(0, 54, 54, 74),
    "item.hot": Rect(0, 75, 54, 95),
    "item.divider": Rect(0, 96, 53, 99),
}
MENU_ITEM_ENDS = 8
MENU_DIVIDER_ENDS = (18, 4)
MENUBAR_ITEM_ENDS = 6
MENUBAR_ITEM_TOP = 2            # bar items sit two rows below the top of the main-menu bar


def draw_menuitems():
    cv = Canvas(54, 100, MENU_BG)
    bar_rows = MENUBAR_ROWS[MENUBAR_ITEM_TOP:MENUBAR_ITEM_TOP + 18]
    for state in ("normal", "hot", "down"):
        cv.fill_rows(MENU_FACES["bar." + state], bar_rows)
    rounded_box(cv, MENU_FACES["bar.hot"], ROSE_400, ramp((255, 246, 249), (248, 222, 230), 16))
    rounded_box(cv, MENU_FACES["bar.down"], ROSE_500, ramp((234, 194, 206), (246, 222, 230), 16))

    rounded_box(cv, MENU_FACES["item.hot"], ROSE_300, ramp((252, 236, 241), (245, 212, 223), 18))

    divider = MENU_FACES["item.divider"]
    left, right = MENU_DIVIDER_ENDS
    line_y = divider.top + 1
    cv.hline(left, divider.right - right, line_y, ROSE_200)
    for i, t in enumerate((0.35, 0.7)):
        cv.put(left - 2 + i, line_y, mix(MENU_BG, ROSE_200, t))
        cv.put(divider.right - right + 1 - i, line_y, mix(MENU_BG, ROSE_200, t))
    return cv


# ================================================================================================
# hw.bmp, 47 x 21, 8 bits (nine colours at most): the hint window (HINTWINDOW). A cream card with
# a rose border and a short rose accent at its left.
#
#    0   3 5  8                                 39       47
#    +---------------------------------------------------+  0
#    |   |a|  |  top border (3 rows)            |        |
#    |   |c|  +---------------------------------+        |  3
#    |   |c|  |  text: clientrect 8,3,39,18     |        |
#    |   |e|  +---------------------------------+        |  18
#    |   |n|  |  bottom border (3 rows)         |        |
#    +---------------------------------------------------+  21
#
#  Corner points LT 9,7  RT 38,7  LB 9,13  RB 36,13.
# ================================================================================================

HINT_SIZE = (47, 21)
HINT = {
    "lefttoppoint": Point(9, 7),
    "righttoppoint": Point(38, 7),
    "leftbottompoint": Point(9, 13),
    "rightbottompoint": Point(36, 13),
    "clientrect": Rect(8, 3, 39, 18),
}
HINT_FILL = (255, 250, 246)


def draw_hw():
    width, height = HINT_SIZE
    cv = Canvas(width, height, HINT_FILL)
    rounded_box(cv, Rect(0, 0, width, height), ROSE_400, HINT_FILL, radius=1)
    accent = Rect(3, 3, 5, height - 3)
    cv.fill(accent, ROSE_300)
    for x in (accent.left, accent.right - 1):
        cv.put(x, accent.top, mix(ROSE_300, HINT_FILL, 0.5))
        cv.put(x, accent.bottom - 1, mix(ROSE_300, HINT_FILL, 0.5))
    return cv


# ================================================================================================
# mdibg.bmp, 100 x 100, 8 bits: the tile behind MDI child windows. A faint plum branch with
# blossoms on blush; it runs off one edge and back in at the opposite one, so tiles join unseen.
# ================================================================================================

MDI_BG = (246, 236, 238)


def draw_mdibg():
    size = 100
    cv = Canvas(size, size, MDI_BG)
    branch = (232, 214, 218)
    for i in range(size):
        # A gentle diagonal that wraps: it leaves at the right edge where it enters at the left.
        y = (size - 1 - i + int(4 * math.sin(i * 2 * math.pi / size))) % size
        cv.put(i, y, branch)
        cv.tint(i, (y + 1) % size, branch, 0.5)
    for cx, cy, size_ in ((24, 72, 4.2), (63, 33, 5.0), (88, 6, 3.4), (44, 57, 2.6)):
        plum_blossom(cv, cx, cy, size_, (238, 206, 216), (226, 196, 160), levels=8, wrap=True)
    return cv


# ================================================================================================
# controls.bmp, 539 x 362, 24 bits: the faces of every skinned control, of the result tab strip
# and of the caption buttons that are not in active.bmp. The table below is the whole layout:
# each line is a strip of same-sized faces running right (or down) from its origin, one pixel
# apart. `python3 generate.py --map` prints a map of the picture and every rectangle by name.
#
#   region (x, y)              holds
#   0-355,     0-70            buttons, tool buttons, chips, resize and track buttons, grips, fields
#   356-425,   11-67           the result tabs' page frame; 357-395, 69-86 their row background
#   427-537,   0-59            system-menu and tray caption buttons, main-menu bar buttons
#   3-86,      72-107          the result tabs: selected, normal, selected with focus
#   88-355,    72-170          field buttons, spin edit, gauges, check and radio marks,
#                              the horizontal up-down (142-219, 131-189)
#   0-140,     109-337         big tool buttons, expanding panel, panels, group box, bars
#   142-355,   191-357         lists, grid, memo, scroll box, control bar, labels, list items
#   356-478,   88-269          scroll bars, track bars, splitters, slider rulers
#   480-517,   117-192         the vertical up-down
#
# The result tab strip's faces sit where the form data of the main window expects them:
# tabs at 3,72 (selected), 45,72 (normal) and 45,90 (selected with focus); the page frame at
# 356,11,425,67 and the tab row background at 357,69,395,86; the up-down scrollers around
# 142,131 (horizontal) and 480,117 (vertical).
# ================================================================================================

CONTROLS_SIZE = (539, 362)


class Atlas:
    """Named rectangles of one picture, checked to stay inside it and apart from each other."""

    def __init__(self, size):
        self.size = size
        self.faces = {}

    def add(self, name, rect):
        assert name not in self.faces, name
        assert 0 <= rect.left < rect.right <= self.size[0], (name, rect)
        assert 0 <= rect.top < rect.bottom <= self.size[1], (name, rect)
        for other, r in self.faces.items():
            assert not rect.overlaps(r), "%s %s overlaps %s %s" % (name, rect, other, r)
        self.faces[name] = rect

    def strip(self, group, x, y, size, states, down=False):
        w, h = size
        for i, state in enumerate(states):
            dx, dy = (0, i * (h + 1)) if down else (i * (w + 1), 0)
            self.add(group + "." + state, rect_at(x + dx, y + dy, w, h))

    def __getitem__(self, name):
        return self.faces[name]

    def group(self, group):
        prefix = group + "."
        return {k[len(prefix):]: v for k, v in self.faces.items() if k.startswith(prefix)}


BUTTON_STATES = ["normal", "hot", "down", "focused", "disabled"]
SHORT_STATES = ["normal", "hot", "down", "disabled"]
PRESS_STATES = ["normal", "hot", "down"]
CHECK_STATES = ["checked", "unchecked", "hotchecked", "hotunchecked",
                "disabledchecked", "disabledunchecked", "grayed", "hotgrayed"]

C = Atlas(CONTROLS_SIZE)
# -- top band: buttons ----------------------------------------------------------------------------
C.strip("button", 0, 0, (54, 24), BUTTON_STATES)
C.strip("vtracktoolbutton", 276, 0, (22, 12), PRESS_STATES)
C.strip("menumarker", 276, 13, (9, 6), ["flat", "normal", "hot", "down"])
C.strip("slider", 317, 13, (16, 11), ["vthumb"])
C.strip("slider", 345, 0, (11, 16), ["hthumb"])
C.strip("toolbutton", 0, 26, (23, 22), BUTTON_STATES)
C.strip("resizetoolbutton", 121, 26, (20, 20), SHORT_STATES)
C.strip("resizebutton", 206, 26, (17, 17), SHORT_STATES)
C.strip("htracktoolbutton", 279, 26, (12, 22), PRESS_STATES)
C.strip("vsplitter", 319, 26, (4, 16), ["gripper"])
C.strip("hsplitter", 325, 26, (16, 4), ["gripper"])
C.strip("controlbar", 325, 32, (18, 5), ["vgrip"])
C.strip("controlbar", 343, 26, (5, 18), ["hgrip"])
C.strip("toolpanel", 350, 26, (5, 20), ["gripper"])
# -- fields ---------------------------------------------------------------------------------------
C.strip("edit", 0, 50, (40, 20), ["normal", "active"])
C.strip("buttonedit", 83, 50, (60, 20), ["normal", "active"])
C.strip("combobox", 206, 50, (60, 20), ["normal", "active"])
C.strip("spinup", 329, 50, (12, 8), ["hot", "down"])
C.strip("spindown", 329, 59, (12, 8), ["hot", "down"])
C.strip("editbutton", 88, 72, (16, 16), ["hot", "down", "disabled"])
C.strip("combobutton", 140, 72, (16, 16), ["hot", "down", "disabled"])
C.strip("spinedit", 192, 72, (50, 20), ["normal", "active"])
C.strip("statusgauge", 295, 72, (60, 14), ["trough"])
C.strip("check", 88, 93, (13, 13), CHECK_STATES)
C.strip("radio", 88, 107, (13, 13), CHECK_STATES)
C.strip("checkradio", 201, 112, (70, 20), ["normal"])
C.strip("checkradio", 201, 133, (70, 20), ["active"])
C.strip("gauge", 201, 94, (60, 16), ["trough"])
C.strip("gauge", 263, 94, (24, 12), ["progress"])
C.strip("statusgauge", 289, 94, (24, 10), ["progress"])
C.strip("vgauge", 339, 88, (16, 60), ["trough"])
C.strip("vgauge", 325, 94, (12, 24), ["progress"])
# -- the result tab strip (positions fixed by the main window's form data) ------------------------
C.add("tab.active", Rect(3, 72, 44, 89))
C.add("tab.normal", Rect(45, 72, 86, 89))
C.add("tab.focused", Rect(45, 90, 86, 107))
C.add("tab.page", Rect(356, 11, 425, 67))
C.add("tab.rowbg", Rect(357, 69, 395, 86))
C.add("hupdown.normal", Rect(142, 171, 178, 189))
C.add("hupdown.uphot", Rect(180, 171, 198, 189))
C.add("hupdown.updown", Rect(201, 171, 219, 189))
C.add("hupdown.downhot", Rect(142, 131, 160, 149))
C.add("hupdown.downdown", Rect(142, 151, 160, 169))
C.add("vupdown.normal", Rect(480, 117, 498, 153))
C.add("vupdown.uphot", Rect(480, 174, 498, 192))
C.add("vupdown.updown", Rect(480, 154, 498, 172))
C.add("vupdown.downhot", Rect(499, 117, 517, 135))
C.add("vupdown.downdown", Rect(499, 136, 517, 154))
# -- caption extras: system-menu and tray buttons, main-menu bar buttons -------------------------
C.strip("sysmenubutton", 427, 0, CAPTION_BUTTON_SIZE, PRESS_STATES)
C.strip("traybutton", 427, 18, CAPTION_BUTTON_SIZE, PRESS_STATES)
C.strip("barsysmenu", 484, 0, (16, 14), PRESS_STATES)
C.strip("barclose", 484, 15, (16, 14), PRESS_STATES)
C.strip("barrestore", 484, 30, (16, 14), PRESS_STATES)
C.strip("barminimize", 484, 45, (16, 14), PRESS_STATES)
# -- big buttons, panels, expanding panel ---------------------------------------------------------
C.strip("bigtoolbutton", 0, 109, (40, 40), ["normal", "hot"])
C.strip("bigtoolbutton", 0, 150, (40, 40), ["down", "disabled"])
C.strip("expanel", 83, 122, (56, 48), ["body"])
C.strip("expanel", 83, 171, (56, 18), ["rollh"])
C.strip("expanel", 0, 191, (20, 56), ["rollv"])
C.strip("expclose", 21, 191, (12, 12), PRESS_STATES)
C.strip("exphroll", 21, 204, (12, 12), PRESS_STATES)
C.strip("exphrestore", 21, 217, (12, 12), PRESS_STATES)
C.strip("expvroll", 21, 230, (12, 12), PRESS_STATES)
C.strip("expvrestore", 21, 243, (12, 12), PRESS_STATES)
C.strip("panel", 61, 191, (40, 40), ["face"])
C.strip("bevel", 103, 191, (20, 20), ["face"])
C.strip("groupbox", 61, 233, (48, 18), ["frame"])
C.strip("groupbox", 0, 257, (60, 50), ["face"])
C.strip("bigtoolpanel", 61, 257, (40, 48), ["face"])
C.strip("toolpanel", 0, 309, (40, 28), ["face"])
C.strip("statusbar", 41, 309, (40, 22), ["face"])
C.strip("mainmenubar", 83, 309, (40, 22), ["face"])
# -- lists, grid, memo, bars, labels --------------------------------------------------------------
C.strip("listbox", 142, 191, (44, 44), ["face"])
C.strip("captionlistbox", 188, 191, (70, 62), ["face"])
C.strip("listitem", 142, 339, (40, 18), ["normal", "active", "focused"])
C.strip("lbup", 260, 191, (14, 14), ["hot", "down"])
C.strip("lbdown", 260, 206, (14, 14), ["hot", "down"])
C.strip("lbcheck", 260, 221, (14, 14), ["hot", "down"])
C.strip("lbbuttons", 260, 236, (44, 14), ["disabled"])
C.strip("grid", 307, 191, (40, 40), ["face"])
C.strip("gridcell", 142, 255, (40, 18), ["fixed", "selected", "focused"], down=True)
C.strip("memo", 184, 255, (40, 40), ["normal", "active"])
C.strip("scrollbox", 267, 255, (40, 40), ["face"])
C.strip("controlbar", 184, 297, (60, 40), ["face"])
C.strip("controlbar", 246, 297, (40, 26), ["item"])
C.strip("label", 288, 297, (40, 18), ["face"])
C.strip("statuspanel", 288, 316, (40, 18), ["face"])
# -- scroll bars, track bars, splitters, sliders --------------------------------------------------
C.strip("hscrollbar", 356, 88, (80, 16), ["face"])
C.strip("hscrollup", 438, 88, (16, 16), ["hot", "down"])
C.strip("hscrolldown", 356, 105, (16, 16), ["hot", "down"])
C.strip("hthumb", 390, 105, (28, 16), PRESS_STATES)
C.strip("hglyph", 356, 122, (8, 8), PRESS_STATES)
C.strip("vglyph", 384, 122, (8, 8), PRESS_STATES)
C.strip("vscrollbar", 356, 132, (16, 80), ["face"])
C.strip("vscrollup", 374, 132, (16, 16), ["hot", "down"], down=True)
C.strip("vscrolldown", 391, 132, (16, 16), ["hot", "down"], down=True)
C.strip("vthumb", 374, 167, (16, 28), PRESS_STATES)
C.strip("trackbar", 426, 134, (22, 60), ["normal", "active"])
C.strip("trackthumb", 412, 122, (20, 11), ["normal", "active"])
C.strip("htrackbar", 356, 214, (60, 22), ["normal", "active"], down=True)
C.strip("htrackthumb", 418, 214, (11, 20), ["normal", "active"])
C.strip("vsplitter", 443, 197, (6, 40), ["face"])
C.strip("hsplitter", 418, 239, (40, 6), ["face"])
C.strip("slider", 356, 261, (60, 8), ["hruler"])
C.strip("slider", 461, 197, (8, 60), ["vruler"])

# Places inside a face, relative to its top-left corner (the INI names them too).
FIELD_BUTTON = Rect(42, 2, 58, 18)          # the button of a button edit or combo box (60 x 20)
SPIN_UP = Rect(36, 2, 48, 10)               # the arrows of a spin edit (50 x 20)
SPIN_DOWN = Rect(36, 10, 48, 18)
CAPTIONLIST_CAPTION = 18                    # caption bar height of the caption list box
CAPTIONLIST_BUTTONS = {"check": Rect(25, 2, 39, 16), "down": Rect(40, 2, 54, 16),
                       "up": Rect(55, 2, 69, 16)}
EXPANEL_CAPTION = 18                        # caption bar height of the expanding panel
GROUPBOX_LINE = 8                           # the group box frame line runs this far down
HSCROLL = {"down": Rect(0, 0, 16, 16), "track": Rect(16, 0, 64, 16), "up": Rect(64, 0, 80, 16)}
VSCROLL = {"down": Rect(0, 0, 16, 16), "track": Rect(0, 16, 16, 64), "up": Rect(0, 64, 16, 80)}
TRACK_GROOVE = 4                            # width of a track bar's groove

TOOLBAR_ROWS = ramp((254, 250, 251), (242, 228, 232), 27) + [ROSE_200]   # a 28-row tool bar
BIGTOOLBAR_ROWS = ramp((254, 250, 251), (242, 228, 232), 47) + [ROSE_200]
TOOL_MARGIN = 3                             # tool buttons sit 3 rows below the top of their bar
BIGTOOL_MARGIN = 4
EXP_CAPTION = ROSE_200
ATLAS_BG = (228, 222, 224)                  # unused parts of controls.bmp

SMALL_GLYPHS = {
    "close": ["##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##"],
    "restore": ["..#####", "..#####", "#####.#", "#####.#", "#...###", "#...#..", "#####.."],
    "minimize": [".......", ".......", ".......", ".......", ".......", "#######", "#######"],
    "sysmenu": ["#######", ".......", ".......", "#######", ".......", ".......", "#######"],
    "x5": ["#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "up5": ["..#..", ".###.", "#####"],
    "down5": ["#####", ".###.", "..#.."],
    "left5": ["..#", ".##", "###", ".##", "..#"],
    "right5": ["#..", "##.", "###", "##.", "#.."],
}


def faces(group):
    return C.group(group)


def paint_push_buttons(cv):
    for state, r in faces("button").items():
        cv.fill(r, CLIENT)
        paint_raised(cv, r, state)
    for state, r in faces("toolbutton").items():
        cv.fill_rows(r, TOOLBAR_ROWS[TOOL_MARGIN:TOOL_MARGIN + r.h])
        if state != "normal" and state != "disabled":
            paint_raised(cv, r, "hot" if state == "focused" else state)
    for state, r in faces("bigtoolbutton").items():
        cv.fill_rows(r, BIGTOOLBAR_ROWS[BIGTOOL_MARGIN:BIGTOOL_MARGIN + r.h])
        if state in ("hot", "down"):
            paint_raised(cv, r, state)
    for state, r in faces("resizebutton").items():
        cv.fill(r, CLIENT)
        paint_raised(cv, r, state)


# The tab close boxes are cut from these, so even the normal face is a visible chip.
CHIP = {
    "normal": Look(ROSE_500, ROSE_100, ROSE_200, ROSE_800),
    "hot": Look(ROSE_700, ROSE_500, ROSE_600, WHITE),
    "down": Look(ROSE_800, ROSE_700, ROSE_600, WHITE),
    "disabled": Look(MUTED_LINE, MUTED_FILL, MUTED_FILL, (186, 176, 180)),
}


def paint_chip_buttons(cv):
    for state, r in faces("resizetoolbutton").items():
        look = CHIP[state]
        cv.fill(r, ROSE_300)
        rounded_box(cv, r, look.border, ramp(look.top, look.bottom, r.h - 2), radius=1)


def paint_track_buttons(cv):
    """The narrow drop-down parts of menu tool buttons, and the marks they show."""
    for group in ("htracktoolbutton", "vtracktoolbutton"):
        for state, r in faces(group).items():
            cv.fill_rows(r, TOOLBAR_ROWS[TOOL_MARGIN:TOOL_MARGIN + r.h])
            if state != "normal":
                paint_raised(cv, r, state)
            draw_art_centred(cv, r, SMALL_GLYPHS["down5"], RAISED[state].ink)
    for state, r in faces("menumarker").items():
        cv.fill(r, MAGENTA)
        ink = {"flat": INK_SOFT, "normal": INK, "hot": ROSE_800, "down": ROSE_900}[state]
        draw_art_centred(cv, r, SMALL_GLYPHS["down5"], ink)


def paint_caption_extras(cv):
    for state, r in faces("sysmenubutton").items():
        paint_caption_button(cv, r, "sysmenu", state)
    for state, r in faces("traybutton").items():
        paint_caption_button(cv, r, "tray", state)
    # Main-menu bar buttons of a maximized MDI child: small, on the light bar.
    for group, glyph in (("barsysmenu", "sysmenu"), ("barclose", "close"),
                         ("barrestore", "restore"), ("barminimize", "minimize")):
        for state, r in faces(group).items():
            cv.fill_rows(r, MENUBAR_ROWS[4:4 + r.h])
            if state != "normal":
                paint_raised(cv, r, state)
            shift = 1 if state == "down" else 0
            draw_art_centred(cv, r, SMALL_GLYPHS[glyph], RAISED[state].ink, shift, shift)


def paint_fields(cv):
    for state, r in faces("edit").items():
        cv.fill(r, CLIENT)
        paint_field(cv, r, state)
    for group, glyph in (("buttonedit", "ellipsis"), ("combobox", "down")):
        art = GLYPHS[glyph] if glyph == "ellipsis" else SMALL_GLYPHS["down5"]
        for state, r in faces(group).items():
            cv.fill(r, CLIENT)
            paint_field(cv, r, state)
            button = FIELD_BUTTON.moved(r.left, r.top)
            paint_raised(cv, button, "normal", radius=1)
            draw_art_centred(cv, button, art, INK)
    for group, glyph in (("editbutton", GLYPHS["ellipsis"]), ("combobutton", SMALL_GLYPHS["down5"])):
        for state, r in faces(group).items():
            cv.fill(r, WHITE)
            paint_raised(cv, r, state, radius=1)
            shift = 1 if state == "down" else 0
            draw_art_centred(cv, r, glyph, RAISED[state].ink, shift, shift)
    for state, r in faces("spinedit").items():
        cv.fill(r, CLIENT)
        paint_field(cv, r, state)
        for place, arrow in ((SPIN_UP, "up5"), (SPIN_DOWN, "down5")):
            button = place.moved(r.left, r.top)
            paint_raised(cv, button, "normal", radius=1)
            draw_art_centred(cv, button, SMALL_GLYPHS[arrow], INK)
    for group, arrow in (("spinup", "up5"), ("spindown", "down5")):
        for state, r in faces(group).items():
            cv.fill(r, WHITE)
            paint_raised(cv, r, state, radius=1)
            draw_art_centred(cv, r, SMALL_GLYPHS[arrow], RAISED[state].ink)


def paint_checks(cv):
    for r in faces("checkradio").values():
        cv.fill(r, CLIENT)
    active = C["checkradio.active"]
    rounded_box(cv, active, ROSE_100, ramp((253, 243, 245), ROSE_100, active.h - 2))
    for state, r in faces("check").items():
        hot = state.startswith("hot")
        disabled = state.startswith("disabled")
        look = RAISED["disabled" if disabled else "hot" if hot else "normal"]
        cv.fill(r, CLIENT)
        border = MUTED_LINE if disabled else ROSE_600 if hot else ROSE_500
        rounded_box(cv, r, border, ramp(look.top, look.bottom, r.h - 2), radius=1)
        mark = MUTED if disabled else ROSE_700
        if state.endswith("grayed"):
            cv.fill(r.inset(3), ROSE_300 if not hot else ROSE_400)
        elif state.endswith("checked") and not state.endswith("unchecked"):
            draw_art_centred(cv, r, GLYPHS["check"], mark)
    for state, r in faces("radio").items():
        hot = state.startswith("hot")
        disabled = state.startswith("disabled")
        cv.fill(r, CLIENT)
        ring = MUTED_LINE if disabled else ROSE_600 if hot else ROSE_500
        fill = MUTED_FILL if disabled else ROSE_100 if hot else WHITE
        checked = state.endswith("checked") and not state.endswith("unchecked")
        dot = (MUTED if disabled else ROSE_700) if checked else (
            ROSE_300 if state.endswith("grayed") else None)
        paint_disc(cv, r, ring, fill, dot)


def paint_disc(cv, r, ring, fill, dot=None, n=4):
    """A round face filling r: a one-pixel ring, its fill and an optional dot, each pixel blended
    by how much of it each part covers (measured on an n x n grid)."""
    cx, cy = r.left + r.w / 2, r.top + r.h / 2
    outer = r.w / 2
    for y in range(r.top, r.bottom):
        for x in range(r.left, r.right):
            parts = []
            for sy in range(n):
                for sx in range(n):
                    d = math.hypot(x + (sx + 0.5) / n - cx, y + (sy + 0.5) / n - cy)
                    if dot and d <= 2.4:
                        parts.append(dot)
                    elif d <= outer - 1.2:
                        parts.append(fill)
                    elif d <= outer:
                        parts.append(ring)
                    else:
                        parts.append(cv.get(x, y))
            cv.put(x, y, tuple(int(round(sum(p[i] for p in parts) / len(parts))) for i in range(3)))


def paint_gauges(cv):
    for group in ("gauge", "statusgauge", "vgauge"):
        trough = C[group + ".trough"]
        cv.fill(trough, CLIENT)
        rounded_box(cv, trough, ROSE_300, ramp(ROSE_100, WHITE, trough.h - 2), radius=1)
    # Progress pieces repeat along the bar; a light last column splits them into segments.
    for group in ("gauge", "statusgauge"):
        piece = C[group + ".progress"]
        cv.fill_rows(piece, [ROSE_300] + ramp(ROSE_400, ROSE_600, piece.h - 1))
        cv.vline(piece.right - 1, piece.top, piece.bottom, mix(ROSE_400, WHITE, 0.5))
    piece = C["vgauge.progress"]
    cv.fill_columns(piece, [ROSE_300] + ramp(ROSE_400, ROSE_600, piece.w - 1))
    cv.hline(piece.left, piece.right, piece.bottom - 1, mix(ROSE_400, WHITE, 0.5))


def paint_grip(cv, r, background, vertical):
    """A row of dots along the middle of r, one pixel apart, on `background` (one colour or a
    list of colours row by row)."""
    cv.fill_rows(r, background if isinstance(background, list) else [background] * r.h)
    if vertical:
        for y in range(r.top + 1, r.bottom - 1, 2):
            cv.put(r.left + r.w // 2, y, ROSE_400)
    else:
        for x in range(r.left + 1, r.right - 1, 2):
            cv.put(x, r.top + r.h // 2, ROSE_400)


def paint_bars(cv):
    """Splitters, track bars and slider rulers."""
    for group, vertical in (("vsplitter", True), ("hsplitter", False)):
        cv.fill(C[group + ".face"], CLIENT)
        paint_grip(cv, C[group + ".gripper"], CLIENT, vertical)
    for group, vertical in (("trackbar", True), ("htrackbar", False)):
        for state, r in faces(group).items():
            cv.fill(r, CLIENT)
            if vertical:
                groove = Rect(r.left + (r.w - TRACK_GROOVE) // 2, r.top + 4,
                              r.left + (r.w + TRACK_GROOVE) // 2, r.bottom - 4)
            else:
                groove = Rect(r.left + 4, r.top + (r.h - TRACK_GROOVE) // 2,
                              r.right - 4, r.top + (r.h + TRACK_GROOVE) // 2)
            rounded_box(cv, groove, ROSE_400 if state == "active" else ROSE_300, ROSE_100, 1)
    for group in ("trackthumb", "htrackthumb"):
        for state, r in faces(group).items():
            cv.fill(r, CLIENT)
            paint_raised(cv, r, "hot" if state == "active" else "normal")
    hruler, vruler = C["slider.hruler"], C["slider.vruler"]
    cv.fill(hruler, CLIENT)
    cv.fill(vruler, CLIENT)
    for i in range(0, hruler.w, 5):
        cv.vline(hruler.left + i, hruler.top + (0 if i % 10 == 0 else 3), hruler.bottom, ROSE_300)
    for i in range(0, vruler.h, 5):
        cv.hline(vruler.left + (0 if i % 10 == 0 else 3), vruler.right, vruler.top + i, ROSE_300)
    for name, arrow in (("slider.hthumb", "down"), ("slider.vthumb", "right")):
        r = C[name]
        cv.fill(r, CLIENT)
        paint_raised(cv, r, "normal", radius=1)
        draw_art_centred(cv, r, SMALL_GLYPHS[arrow + "5"], ROSE_500)


def paint_panels(cv):
    panel = C["panel.face"]
    cv.fill(panel, CLIENT)
    rounded_box(cv, panel, ROSE_200, ramp((254, 250, 250), (249, 240, 241), panel.h - 2))
    bevel = C["bevel.face"]
    cv.fill(bevel, CLIENT)
    cv.frame(bevel, ROSE_300)
    cv.hline(bevel.left + 1, bevel.right - 1, bevel.top + 1, WHITE)
    cv.vline(bevel.left + 1, bevel.top + 1, bevel.bottom - 1, WHITE)
    group = C["groupbox.face"]
    cv.fill(group, CLIENT)
    rounded_box(cv, Rect(group.left, group.top + GROUPBOX_LINE, group.right, group.bottom),
                ROSE_300, CLIENT)
    tab = C["groupbox.frame"]
    cv.fill(tab, CLIENT)
    rounded_box(cv, tab, ROSE_300, ramp(WHITE, ROSE_100, tab.h - 2))
    for name, rows in (("toolpanel.face", TOOLBAR_ROWS), ("bigtoolpanel.face", BIGTOOLBAR_ROWS)):
        cv.fill_rows(C[name], rows)
    grip = C["toolpanel.gripper"]
    paint_grip(cv, grip, TOOLBAR_ROWS[4:4 + grip.h], vertical=True)
    status = C["statusbar.face"]
    cv.fill_rows(status, [ROSE_300, WHITE] + ramp(ROSE_100, (243, 226, 231), status.h - 2))
    cv.fill_rows(C["mainmenubar.face"], MENUBAR_ROWS)
    bar = C["controlbar.face"]
    rounded_box(cv, bar, ROSE_200, ramp(TOOLBAR_ROWS[0], TOOLBAR_ROWS[-2], bar.h - 2), radius=0)
    item = C["controlbar.item"]
    cv.fill(item, TOOLBAR_ROWS[10])
    rounded_box(cv, item, ROSE_200, TOOLBAR_ROWS[TOOL_MARGIN - 1:TOOL_MARGIN - 1 + item.h - 2])
    paint_grip(cv, C["controlbar.hgrip"], TOOLBAR_ROWS[10], vertical=True)
    paint_grip(cv, C["controlbar.vgrip"], TOOLBAR_ROWS[10], vertical=False)
    label = C["label.face"]
    cv.fill(label, CLIENT)
    status_panel = C["statuspanel.face"]
    cv.fill(status_panel, ROSE_100)
    cv.hline(status_panel.left, status_panel.right, status_panel.top, ROSE_300)
    cv.vline(status_panel.left, status_panel.top, status_panel.bottom, ROSE_300)
    cv.hline(status_panel.left, status_panel.right, status_panel.bottom - 1, WHITE)
    cv.vline(status_panel.right - 1, status_panel.top, status_panel.bottom, WHITE)


def paint_small_caption_button(cv, r, glyph, state, bg):
    cv.fill(r, bg)
    if state != "normal":
        paint_raised(cv, r, state, radius=1)
    shift = 1 if state == "down" else 0
    draw_art_centred(cv, r, SMALL_GLYPHS[glyph], RAISED[state].ink, shift, shift)


def paint_expanel(cv):
    body, rollh, rollv = C["expanel.body"], C["expanel.rollh"], C["expanel.rollv"]
    for r in (body, rollh, rollv):
        cv.fill(r, CLIENT)
    rounded_box(cv, body, ROSE_400, CLIENT)
    cv.fill(Rect(body.left + 1, body.top + 1, body.right - 1, body.top + EXPANEL_CAPTION), EXP_CAPTION)
    cv.hline(body.left + 1, body.right - 1, body.top + 1, WHITE)
    cv.hline(body.left + 1, body.right - 1, body.top + EXPANEL_CAPTION, ROSE_300)
    rounded_box(cv, rollh, ROSE_400, [WHITE] + [EXP_CAPTION] * (rollh.h - 3))
    rounded_box(cv, rollv, ROSE_400, EXP_CAPTION)
    cv.vline(rollv.left + 1, rollv.top + 1, rollv.bottom - 1, WHITE)
    for group, glyph in (("expclose", "x5"), ("exphroll", "up5"), ("exphrestore", "down5"),
                         ("expvroll", "left5"), ("expvrestore", "right5")):
        for state, r in faces(group).items():
            paint_small_caption_button(cv, r, glyph, state, EXP_CAPTION)


def paint_lists(cv):
    for name in ("listbox.face", "grid.face", "memo.normal"):
        cv.fill(C[name], CLIENT)
        paint_field(cv, C[name], "normal")
    cv.fill(C["memo.active"], CLIENT)
    paint_field(cv, C["memo.active"], "active")
    box = C["scrollbox.face"]
    cv.fill(box, CLIENT)
    rounded_box(cv, box, ROSE_200, CLIENT, radius=1)
    framed = C["captionlistbox.face"]
    cv.fill(framed, CLIENT)
    paint_field(cv, framed, "normal")
    caption = Rect(framed.left + 1, framed.top + 1, framed.right - 1, framed.top + CAPTIONLIST_CAPTION)
    cv.fill(caption, EXP_CAPTION)
    cv.hline(caption.left, caption.right, caption.top, WHITE)
    cv.hline(caption.left, caption.right, caption.bottom, ROSE_300)
    for kind, glyph in (("check", "check"), ("down", "down5"), ("up", "up5")):
        place = CAPTIONLIST_BUTTONS[kind].moved(framed.left, framed.top)
        art = GLYPHS["check"] if glyph == "check" else SMALL_GLYPHS[glyph]
        draw_art_centred(cv, place, art, INK)
        for state, r in faces("lb" + kind).items():
            cv.fill(r, EXP_CAPTION)
            paint_raised(cv, r, state, radius=1)
            draw_art_centred(cv, r, art, RAISED[state].ink)
    disabled = C["lbbuttons.disabled"]
    cv.fill(disabled, EXP_CAPTION)
    for i, glyph in enumerate((GLYPHS["check"], SMALL_GLYPHS["down5"], SMALL_GLYPHS["up5"])):
        draw_art_centred(cv, rect_at(disabled.left + i * 15, disabled.top, 14, 14), glyph, MUTED)
    items = faces("listitem")
    cv.fill(items["normal"], WHITE)
    for state in ("active", "focused"):
        r = items[state]
        cv.fill(r, WHITE)
        rounded_box(cv, r, ROSE_300 if state == "active" else ROSE_500,
                    ramp((252, 236, 241), (245, 214, 224), r.h - 2), radius=1)
    cells = faces("gridcell")
    fixed = cells["fixed"]
    cv.fill_rows(fixed, ramp(WHITE, ROSE_100, fixed.h))
    for state in ("selected", "focused"):
        cv.fill(cells[state], ROSE_200)
    for r in cells.values():
        cv.hline(r.left, r.right, r.bottom - 1, ROSE_300)
        cv.vline(r.right - 1, r.top, r.bottom, ROSE_300)
    cv.frame(cells["focused"].inset(1, 1), ROSE_500)


def paint_scrollbars(cv):
    for group, parts, vertical in (("hscrollbar", HSCROLL, False), ("vscrollbar", VSCROLL, True)):
        face = C[group + ".face"]
        track = parts["track"].moved(face.left, face.top)
        if vertical:
            cv.fill_columns(track, ramp(ROSE_100, (252, 244, 246), track.w))
        else:
            cv.fill_rows(track, ramp(ROSE_100, (252, 244, 246), track.h))
        arrows = ("up", "down") if vertical else ("left", "right")
        for part, arrow in (("down", arrows[0]), ("up", arrows[1])):
            button = parts[part].moved(face.left, face.top)
            cv.fill(button, ROSE_100)
            paint_arrow_button(cv, button, "normal", arrow)
        prefix = "v" if vertical else "h"
        for part, arrow in (("down", arrows[0]), ("up", arrows[1])):
            for state, r in faces(prefix + "scroll" + part).items():
                cv.fill(r, ROSE_100)
                paint_arrow_button(cv, r, state, arrow)
        for state, r in faces(prefix + "thumb").items():
            cv.fill(r, ROSE_100)
            paint_raised(cv, r, state)
        grip = ["#.#.#"] * 5 if not vertical else ["#####", ".....", "#####", ".....", "#####"]
        for state, r in faces(prefix + "glyph").items():
            cv.fill(r, MAGENTA)
            draw_art_centred(cv, r, grip, {"normal": ROSE_400, "hot": ROSE_500,
                                           "down": ROSE_600}[state])


# The result tab strip. Normal tabs are mid rose, so that both their black caption and the white
# caption of the tab under the pointer read; the selected tab is white and opens into the page.
TAB_ENDS = 10                                # fixed ends of a tab face; the middle repeats
TAB_NORMAL_ROWS = ramp((190, 126, 148), (170, 102, 126), 15)
PAGE_FRAME = {
    "clientrect": Rect(3, 2, 66, 54),
    "lefttoppoint": Point(5, 3),
    "righttoppoint": Point(62, 5),
    "leftbottompoint": Point(5, 50),
    "rightbottompoint": Point(62, 50),
}
TAB_FONT_COLOURS = {"fontcolor": BLACK, "activefontcolor": BLACK, "focusfontcolor": BLACK,
                    "mouseinfontcolor": WHITE}


# The buttons of the up-down scrollers: "up" steps up ("upbuttonrect"), "down" steps down
# ("downbuttonrect"); each with its place in the scroller's face and its arrow. The tab strip's
# horizontal scroller steps down on the left.
UPDOWN_BUTTONS = {
    "hupdown": {"down": (Rect(0, 0, 18, 18), "left"), "up": (Rect(18, 0, 36, 18), "right")},
    "vupdown": {"up": (Rect(0, 0, 18, 18), "up"), "down": (Rect(0, 18, 18, 36), "down")},
}


def tab_shape(cv, r, border, rows, closed):
    """A tab: rounded top corners, sides down to the bottom, a bottom line only when `closed`."""
    behind = [cv.get(r.left, r.top), cv.get(r.right - 1, r.top)]
    cv.fill_rows(Rect(r.left + 1, r.top + 1, r.right - 1, r.bottom), rows[:r.h - 1])
    cv.hline(r.left, r.right, r.top, border)
    cv.vline(r.left, r.top, r.bottom, border)
    cv.vline(r.right - 1, r.top, r.bottom, border)
    if closed:
        cv.hline(r.left, r.right, r.bottom - 1, border)
    for (x, sx), bg in zip(((r.left, 1), (r.right - 1, -1)), behind):
        cv.put(x, r.top, bg)
        cv.put(x + sx, r.top, mix(border, bg, 0.5))
        cv.put(x, r.top + 1, mix(border, bg, 0.5))
        cv.put(x + sx, r.top + 1, border)


def paint_tab(cv, r, selected, focused):
    cv.fill(r, CLIENT)
    if not selected:
        tab_shape(cv, r, ROSE_500, [(206, 150, 170)] + TAB_NORMAL_ROWS, closed=True)
        return
    tab_shape(cv, r, ROSE_500, [WHITE] * r.h, closed=False)
    if focused:
        cv.fill(Rect(r.left + 2, r.top + 1, r.right - 2, r.top + 3), ROSE_600)
        cv.put(r.left + 1, r.top + 2, mix(ROSE_600, ROSE_500, 0.5))
        cv.put(r.right - 2, r.top + 2, mix(ROSE_600, ROSE_500, 0.5))


def paint_tab_strip(cv):
    paint_tab(cv, C["tab.normal"], False, False)
    paint_tab(cv, C["tab.active"], True, False)
    paint_tab(cv, C["tab.focused"], True, True)
    cv.fill(C["tab.rowbg"], CLIENT)
    page = C["tab.page"]
    cv.fill(page, CLIENT)
    rounded_box(cv, page, ROSE_500, ROSE_100, radius=1)
    inner = PAGE_FRAME["clientrect"].moved(page.left, page.top)
    cv.fill(Rect(inner.left - 1, inner.top, inner.right + 1, inner.bottom), WHITE)
    cv.fill(inner, PAGE)
    # Up-down scrollers: both buttons in the normal face, each hot and pressed face apart.
    for group, buttons in UPDOWN_BUTTONS.items():
        normal = C[group + ".normal"]
        cv.fill(normal, CLIENT)
        for button, (place, arrow) in buttons.items():
            paint_arrow_button(cv, place.moved(normal.left, normal.top), "normal", arrow)
            for state in ("hot", "down"):
                r = C[group + "." + button + state]
                cv.fill(r, CLIENT)
                paint_arrow_button(cv, r, state, arrow)


def draw_controls():
    cv = Canvas(*CONTROLS_SIZE, colour=ATLAS_BG)
    paint_push_buttons(cv)
    paint_chip_buttons(cv)
    paint_track_buttons(cv)
    paint_caption_extras(cv)
    paint_fields(cv)
    paint_checks(cv)
    paint_gauges(cv)
    paint_bars(cv)
    paint_panels(cv)
    paint_expanel(cv)
    paint_lists(cv)
    paint_scrollbars(cv)
    paint_tab_strip(cv)
    return cv


# The pictures in package order: the frame picture, then the active pictures 0 to 5. An 8-bit
# picture always carries the palette size given here, however few colours it uses, so that every
# file has the byte size (and every picture the place in the package) the main window expects.
PICTURES = [
    # file, bits per pixel, palette entries, painter
    ("main.bmp", 8, 255, draw_main),
    ("active.bmp", 8, 210, draw_active),
    ("pw.bmp", 24, 0, draw_pw),
    ("menuitems.bmp", 8, 255, draw_menuitems),
    ("controls.bmp", 24, 0, draw_controls),
    ("hw.bmp", 8, 9, draw_hw),
    ("mdibg.bmp", 8, 256, draw_mdibg),
]


# ================================================================================================
# The INI text: this skin's records. The keys each record class reads, and the writer, are in
# skinkeys.py; here are the values, taken from the layout tables above.
# ================================================================================================

def nine_part(size, corner, stretch=True, client=None):
    """Corner points and client rectangle of a face whose corners are `corner` pixels; edges
    and client stretch (so gradients follow the size) unless `stretch` is false."""
    w, h = size
    values = {
        "lefttoppoint": Point(corner, corner), "righttoppoint": Point(w - corner, corner),
        "leftbottompoint": Point(corner, h - corner),
        "rightbottompoint": Point(w - corner, h - corner),
        "clientrect": client or Rect(corner, corner, w - corner, h - corner),
    }
    if stretch:
        values.update(leftstretch=True, topstretch=True, rightstretch=True, bottomstretch=True,
                      stretcheffect=True, stretchtype="stfull")
    return values


def size_of(r):
    return (r.w, r.h)


# ------------------------------------------------------------------------------------------------
# File-level sections.
# ------------------------------------------------------------------------------------------------

PICTURE_INDEX = {name: i for i, name in enumerate(n for n, _, _, _ in PICTURES[1:])}
ACTIVE_PICTURE = PICTURE_INDEX["active.bmp"]
POPUP_PICTURE = PICTURE_INDEX["pw.bmp"]
MENU_PICTURE = PICTURE_INDEX["menuitems.bmp"]
CONTROLS_PICTURE = PICTURE_INDEX["controls.bmp"]
HINT_PICTURE = PICTURE_INDEX["hw.bmp"]
MDI_PICTURE = PICTURE_INDEX["mdibg.bmp"]

CAPTION_INACTIVE_TEXT = (192, 192, 192)
DISABLED_TEXT = (128, 128, 128)
SOFT_DISABLED_TEXT = (176, 164, 169)


def file_sections():
    version = Section("VERSION", parse_keys(
        "ver s, skinname s, skinauthor s, authoremail s, authorurl s, skincomments s"), {
            "ver": "1.0", "skinname": "Velmoro Blush", "skinauthor": "Velmoro",
            "skincomments": "Deep rose caption, blush faces, champagne trim"},
        comment="Velmoro's own skin. Made by generate.py beside it: change that, not this file.")
    names = [n for n, _, _, _ in PICTURES]
    pictures = Section("PICTURES", parse_keys(
        "picture s, inactivepicture s, mask s, activepicturescount i, "
        + ", ".join("%d s" % i for i in range(len(names) - 1))),
        dict({"picture": names[0], "activepicturescount": len(names) - 1},
             **{str(i): n for i, n in enumerate(names[1:])}),
        comment="The frame picture, then the pictures that the *pictureindex keys count from 0.")
    forminfo = Section("FORMINFO", parse_keys(FILE_SECTIONS["FORMINFO"]), {
            "lefttoppoint": FRAME["lefttoppoint"], "righttoppoint": FRAME["righttoppoint"],
            "leftbottompoint": FRAME["leftbottompoint"],
            "rightbottompoint": FRAME["rightbottompoint"], "clientrect": FRAME["clientrect"],
            "mdibgpictureindex": MDI_PICTURE, "maskrectarea": Rect(7, 10, 198, 163),
            "hittestlefttoppoint": Point(7, 8), "hittestrighttoppoint": Point(150, 5),
            "hittestleftbottompoint": Point(5, 130), "hittestrightbottompoint": Point(152, 130),
            "captionrect": FRAME["captionrect"], "buttonsoffset": 2, "borderwidth": 4,
            "inactiveeffect": "ieinvert"},
        absent={"stretcheffect", "stretchtype", "mdibgstretcheffect", "mdibgstretchtype",
                "formminheight", "mditabstransparent", "mainmenubartransparent"},
        comment="The window frame, cut from main.bmp in nine parts; the client area shows the\n"
                "middle of main.bmp, repeated. Caption buttons are laid out from the right of\n"
                "captionrect, two pixels apart.")
    skincolors = Section("SKINCOLORS", parse_keys(FILE_SECTIONS["SKINCOLORS"]), {
            "cbtnface": 14739166, "cbtntext": 0, "cwindow": 16777215, "cwindowtext": 0,
            "chighlight": 12182953, "chighlighttext": 0, "cbtnhighlight": 16777215,
            "cbtnshadow": 8374134},
        comment="Colours offered to standard controls that follow the skin.")
    popup = Section("POPUPWINDOW", parse_keys(FILE_SECTIONS["POPUPWINDOW"]),
        dict(POPUP, windowpictureindex=POPUP_PICTURE, scrollmarkercolor=0,
             scrollmarkeractivecolor=16777215),
        absent={"stretcheffect", "stretchtype"},
        comment="Popup menus: pw.bmp cut in nine parts, the items laid into itemsrect.")
    hint = Section("HINTWINDOW", parse_keys(FILE_SECTIONS["HINTWINDOW"]),
        dict(HINT, windowpictureindex=HINT_PICTURE, fontcolor=BLACK),
        absent={"stretcheffect", "stretchtype"},
        comment="Hints: hw.bmp cut in nine parts around the text.")
    return [version, pictures, forminfo, skincolors, popup, hint]


# ------------------------------------------------------------------------------------------------
# Skin objects: the menu item, the caption and the caption buttons.
# ------------------------------------------------------------------------------------------------

def caption_button(name, kind, hint, command, faces_of, picture, restore_faces=None, comment=None):
    values = {"hint": hint, "activepictureindex": picture, "skinrectinapicture": True,
              "skinrect": faces_of["normal"], "activeskinrect": faces_of["hot"],
              "downrect": faces_of["down"], "morphing": True, "command": command}
    if restore_faces:
        values.update(restorerect=restore_faces["normal"],
                      restoreactiverect=restore_faces["hot"],
                      restoredownrect=restore_faces["down"])
    # Without a restore hint of its own a button derives one from its hint.
    return name, kind, Section(name, parse_keys(OBJECT_TYPES[kind]), values,
                               absent={"restorehint"}, comment=comment)


def active_faces(command):
    return {state: caption_button_face(command, state) for state in ACTIVE_COLUMNS}


def skin_objects():
    menuitem = Section("MENUITEM", parse_keys(OBJECT_TYPES["menuitem"]), {
        "activepictureindex": MENU_PICTURE, "skinrectinapicture": True,
        "skinrect": MENU_FACES["item.normal"], "activeskinrect": MENU_FACES["item.hot"],
        "morphing": True, "itemleftoffset": MENU_ITEM_ENDS, "itemrightoffset": MENU_ITEM_ENDS,
        "dividerrect": MENU_FACES["item.divider"],
        "dividerleftoffset": MENU_DIVIDER_ENDS[0], "dividerrightoffset": MENU_DIVIDER_ENDS[1],
        "textrect": Rect(2, 2, 52, 18), "fontcolor": INK, "activefontcolor": ROSE_800,
        "unenabledfontcolor": DISABLED_TEXT, "animateinterval": 20},
        # No check, radio or arrow faces: menus draw their built-in marks in the text colour.
        absent={"checkimagerect", "activecheckimagerect", "radioimagerect",
                "activeradioimagerect", "arrowimagerect", "activearrowimagerect"},
        comment="Popup menu items (menuitems.bmp): normal and highlighted faces, separator.")
    caption = Section("caption1", parse_keys(OBJECT_TYPES["caption"]), {
        "skinrect": FRAME["caption1"], "textrect": Rect(3, 0, 130, 15), "fontheight": 16,
        "fontstyle": ("fsbold",), "fontcolor": CAPTION_INACTIVE_TEXT, "activefontcolor": WHITE,
        "shadow": True, "shadowcolor": BLACK, "activeshadowcolor": BLACK},
        absent={"vistagloweffect", "vistaglowinactiveeffect", "gloweffect", "glowinactiveeffect",
                "glowsize", "glowcolor", "glowactivecolor", "glowoffset"},
        comment="The caption text, drawn straight onto the caption bar of main.bmp:\n"
                "white on an active window, light grey on an inactive one, with a black shadow.")
    bar_item = Section("mainmenubaritem1", parse_keys(OBJECT_TYPES["mainmenubaritem"]), {
        "activepictureindex": MENU_PICTURE, "skinrectinapicture": True,
        "skinrect": MENU_FACES["bar.normal"], "activeskinrect": MENU_FACES["bar.hot"],
        "morphing": True, "itemleftoffset": MENUBAR_ITEM_ENDS,
        "itemrightoffset": MENUBAR_ITEM_ENDS, "downrect": MENU_FACES["bar.down"],
        "textrect": Rect(4, 2, 50, 16), "fontcolor": INK, "activefontcolor": ROSE_800,
        "downfontcolor": ROSE_900, "unenabledfontColor": DISABLED_TEXT},
        comment="Items of a main-menu bar (menuitems.bmp, top three faces).")
    extras = C.group
    return [
        ("MENUITEM", "menuitem", menuitem),
        ("caption1", "caption", caption),
        caption_button("closebutton", "stdbutton", "Close", "cmclose", active_faces("close"),
                       ACTIVE_PICTURE, comment="Caption buttons (active.bmp): one row each,\n"
                       "pressed, hot and normal faces from left to right."),
        caption_button("minbutton", "stdbutton", "Minimize", "cmminimize",
                       active_faces("minimize"), ACTIVE_PICTURE, active_faces("restore")),
        caption_button("maxbutton", "stdbutton", "Maximize", "cmmaximize",
                       active_faces("maximize"), ACTIVE_PICTURE, active_faces("restore")),
        caption_button("rollupbutton", "stdbutton", "RollUp", "cmrollup", active_faces("rollup"),
                       ACTIVE_PICTURE, active_faces("rolldown")),
        ("mainmenubaritem1", "mainmenubaritem", bar_item),
        caption_button("systemmenubutton", "stdbutton", "System menu", "cmsysmenu",
                       extras("sysmenubutton"), CONTROLS_PICTURE,
                       comment="The system-menu button (controls.bmp); a window that shows its\n"
                       "icon shows the icon here instead."),
        caption_button("menubarsysmenubutton", "mainmenubarbutton", "System menu", "cmsysmenu",
                       extras("barsysmenu"), CONTROLS_PICTURE,
                       comment="Buttons on a main-menu bar that carries a maximized MDI child\n"
                       "(controls.bmp, small faces on the light bar)."),
        caption_button("menubarclosebutton", "mainmenubarbutton", "Close", "cmclose",
                       extras("barclose"), CONTROLS_PICTURE),
        caption_button("menubarmaxbutton", "mainmenubarbutton", "Maximize", "cmmaximize",
                       extras("barrestore"), CONTROLS_PICTURE, extras("barrestore")),
        caption_button("menubarminbutton", "mainmenubarbutton", "Minimize", "cmminimize",
                       extras("barminimize"), CONTROLS_PICTURE, extras("barrestore")),
        caption_button("traybutton", "stdbutton", "Minimize to Tray", "cmminimizetotray",
                       extras("traybutton"), CONTROLS_PICTURE,
                       comment="Minimize to the notification area (controls.bmp)."),
    ]


# ------------------------------------------------------------------------------------------------
# Skin controls, in list order. Several records share faces where the controls look alike
# (an edit in a status bar is an edit).
# ------------------------------------------------------------------------------------------------

# Every control section lists these keys; other keys appear only where this skin sets them.
CONTROL_CORE_KEYS = {k for k, _, _ in parse_keys(CUSTOM_KEYS)} | {
    "fontname", "fontheight", "fontstyle", "fontcolor"}


def control(name, kind, values, comment=None, absent=(), complete=False):
    """One control record; `complete` writes every key of its class (but those in `absent`)."""
    values = dict(values)
    values.setdefault("pictureindex", CONTROLS_PICTURE)
    return name, kind, Section(name, parse_keys(CONTROL_TYPES[kind]), values, absent, comment,
                               core=None if complete else CONTROL_CORE_KEYS)


def button_values(group, corner, colours=None):
    f = C.group(group)
    values = nine_part(size_of(f["normal"]), corner)
    values.update(skinrect=f["normal"], activeskinrect=f["hot"], downskinrect=f["down"],
                  focusedskinrect=f.get("focused", f["hot"]),
                  disabledskinrect=f.get("disabled", f["normal"]), morphing=True)
    values.update(colours or {"fontcolor": INK, "activefontcolor": ROSE_800,
                              "downfontcolor": ROSE_900, "disabledfontcolor": SOFT_DISABLED_TEXT})
    return values


def menu_button_values(group, corner, track=NO_RECT):
    values = button_values(group, corner)
    markers = C.group("menumarker")
    values.update(menumarkerflatrect=markers["flat"], menumarkerrect=markers["normal"],
                  menumarkeractiverect=markers["hot"], menumarkerdownrect=markers["down"],
                  menumarkertransparentcolor=MAGENTA, trackbuttonrect=track)
    return values


def box_values(face, corner):
    values = nine_part(size_of(C[face]), corner)
    values.update(skinrect=C[face])
    return values


def panel_values(face, corner):
    return dict(box_values(face, corner), fontcolor=INK)


def field_values(normal, active, right_end=None):
    """An edit-like face: 2-pixel corners; `right_end` keeps a button at the right in one piece."""
    size = size_of(C[normal])
    values = nine_part(size, 2)
    if right_end:
        w, h = size
        values.update(righttoppoint=Point(w - right_end, 2),
                      rightbottompoint=Point(w - right_end, h - 2),
                      clientrect=Rect(2, 2, w - right_end, h - 2))
    values.update(skinrect=C[normal], activeskinrect=C[active], fontcolor=INK,
                  activefontcolor=INK, disabledfontcolor=SOFT_DISABLED_TEXT)
    return values


def edit_values(with_button):
    if not with_button:
        return field_values("edit.normal", "edit.active")
    values = field_values("buttonedit.normal", "buttonedit.active",
                          right_end=C["buttonedit.normal"].w - FIELD_BUTTON.left + 2)
    b = C.group("editbutton")
    values.update(buttonrect=FIELD_BUTTON, activebuttonrect=b["hot"], downbuttonrect=b["down"],
                  unenabledbuttonrect=b["disabled"])
    return values


def spin_values():
    values = field_values("spinedit.normal", "spinedit.active",
                          right_end=C["spinedit.normal"].w - SPIN_UP.left + 2)
    up, down = C.group("spinup"), C.group("spindown")
    values.update(upbuttonrect=SPIN_UP, activeupbuttonrect=up["hot"], downupbuttonrect=up["down"],
                  downbuttonrect=SPIN_DOWN, activedownbuttonrect=down["hot"],
                  downdownbuttonrect=down["down"])
    return values


def combo_values():
    values = field_values("combobox.normal", "combobox.active",
                          right_end=C["combobox.normal"].w - FIELD_BUTTON.left + 2)
    del values["disabledfontcolor"]
    items, b = C.group("listitem"), C.group("combobutton")
    values.update(itemrect=items["normal"], activeitemrect=items["active"],
                  focusitemrect=items["focused"], itemleftoffset=3, itemrightoffset=3,
                  itemtextrect=Rect(3, 1, 37, 17), focusfontcolor=ROSE_900, listboxname="listbox",
                  buttonrect=FIELD_BUTTON, activebuttonrect=b["hot"], downbuttonrect=b["down"],
                  unenabledbuttonrect=b["disabled"])
    return values


def list_values(with_caption, with_checks):
    items = C.group("listitem")
    if with_caption:
        face = C["captionlistbox.face"]
        w, h = size_of(face)
        edge = CAPTIONLIST_BUTTONS["check"].left - 1     # the caption repeats left of the buttons
        values = {"lefttoppoint": Point(4, CAPTIONLIST_CAPTION + 3),
                  "righttoppoint": Point(edge, CAPTIONLIST_CAPTION + 3),
                  "leftbottompoint": Point(4, h - 4), "rightbottompoint": Point(edge, h - 4),
                  "clientrect": Rect(2, CAPTIONLIST_CAPTION + 1, w - 2, h - 2)}
        buttons = {k: C.group("lb" + k) for k in ("up", "down", "check")}
        values.update(
            captionrect=Rect(4, 0, edge, CAPTIONLIST_CAPTION), captionfontcolor=INK,
            upbuttonrect=CAPTIONLIST_BUTTONS["up"], activeupbuttonrect=buttons["up"]["hot"],
            downupbuttonrect=buttons["up"]["down"], downbuttonrect=CAPTIONLIST_BUTTONS["down"],
            activedownbuttonrect=buttons["down"]["hot"], downdownbuttonrect=buttons["down"]["down"],
            checkbuttonrect=CAPTIONLIST_BUTTONS["check"],
            activecheckbuttonrect=buttons["check"]["hot"],
            downcheckbuttonrect=buttons["check"]["down"],
            disabledbuttonsrect=C["lbbuttons.disabled"],
            buttonsarea=Rect(CAPTIONLIST_BUTTONS["check"].left, CAPTIONLIST_BUTTONS["check"].top,
                             CAPTIONLIST_BUTTONS["up"].right, CAPTIONLIST_BUTTONS["up"].bottom))
    else:
        face = C["listbox.face"]
        values = nine_part(size_of(face), 2, stretch=False)
    values.update(skinrect=face, itemrect=items["normal"], activeitemrect=items["active"],
                  focusitemrect=items["focused"], itemleftoffset=3, itemrightoffset=3,
                  itemtextrect=Rect(3, 1, 37, 17), fontcolor=INK, activefontcolor=ROSE_900,
                  focusfontcolor=ROSE_900)
    if with_checks:
        values.update(itemcheckrect=Rect(3, 2, 16, 15), itemtextrect=Rect(19, 1, 37, 17),
                      checkimagerect=C["check.checked"], uncheckimagerect=C["check.unchecked"])
    return values


def scrollbar_values(vertical):
    prefix, parts = ("v", VSCROLL) if vertical else ("h", HSCROLL)
    face = C[prefix + "scrollbar.face"]
    track = parts["track"]
    values = {"skinrect": face}
    # Only the track stretches: the arrow buttons at both ends keep their size.
    if vertical:
        values.update(lefttoppoint=Point(0, track.top), leftbottompoint=Point(0, track.bottom))
    else:
        values.update(lefttoppoint=Point(track.left, 0), righttoppoint=Point(track.right, 0))
    up, down = C.group(prefix + "scrollup"), C.group(prefix + "scrolldown")
    thumb, glyph = C.group(prefix + "thumb"), C.group(prefix + "glyph")
    values.update(trackarea=track, upbuttonrect=parts["up"], activeupbuttonrect=up["hot"],
                  downupbuttonrect=up["down"], downbuttonrect=parts["down"],
                  activedownbuttonrect=down["hot"], downdownbuttonrect=down["down"],
                  thumbrect=thumb["normal"], activethumbrect=thumb["hot"],
                  downthumbrect=thumb["down"], thumboffset1=4, thumboffset2=4, thumbminsize=12,
                  glyphrect=glyph["normal"], activeglyphrect=glyph["hot"],
                  downglyphrect=glyph["down"], glyphtransparent=True,
                  glyphtransparentcolor=MAGENTA)
    return values


def gauge_values(group, vertical):
    trough = C[group + ".trough"]
    values = nine_part(size_of(trough), 2)
    values.update(skinrect=trough, progressarea=Rect(2, 2, trough.w - 2, trough.h - 2),
                  progressrect=C[group + ".progress"], vertical=vertical, fontcolor=INK)
    return values


def track_values(group, thumb, vertical):
    f, t = C.group(group), C.group(thumb)
    normal = f["normal"]
    if vertical:
        values = {"lefttoppoint": Point(0, 6), "leftbottompoint": Point(0, normal.h - 6),
                  "trackarea": Rect(0, 6, normal.w, normal.h - 6)}
    else:
        values = {"lefttoppoint": Point(6, 0), "righttoppoint": Point(normal.w - 6, 0),
                  "trackarea": Rect(6, 0, normal.w - 6, normal.h)}
    values.update(skinrect=normal, activeskinrect=f["active"], buttonrect=t["normal"],
                  activebuttonrect=t["active"], vertical=vertical)
    return values


def splitter_values(group, vertical):
    face = C[group + ".face"]
    if vertical:
        values = {"lefttoppoint": Point(0, 2), "leftbottompoint": Point(0, face.h - 2)}
    else:
        values = {"lefttoppoint": Point(2, 0), "righttoppoint": Point(face.w - 2, 0)}
    values.update(skinrect=face, gripperrect=C[group + ".gripper"])
    return values


def updown_values(group):
    """The scroller faces: the whole control in its normal state, then each button's place in
    it and its hot and pressed faces. Corner points and client rectangle stay 0: an up-down face
    keeps its size."""
    buttons = UPDOWN_BUTTONS[group]
    return {"skinrect": C[group + ".normal"], "upbuttonrect": buttons["up"][0],
            "activeupbuttonrect": C[group + ".uphot"], "downupbuttonrect": C[group + ".updown"],
            "downbuttonrect": buttons["down"][0], "activedownbuttonrect": C[group + ".downhot"],
            "downdownbuttonrect": C[group + ".downdown"]}


def tab_values():
    values = dict(PAGE_FRAME)
    values.update(TAB_FONT_COLOURS)
    values.update(skinrect=C["tab.page"], tabrect=C["tab.normal"], activetabrect=C["tab.active"],
                  focustabrect=C["tab.focused"], mouseintabrect=NO_RECT,
                  tableftoffset=TAB_ENDS, tabrightoffset=TAB_ENDS, tabsbgrect=C["tab.rowbg"],
                  updown="hupdown")
    return values


# The result tab strip takes these keys' defaults: this skin gives no close-button, divider or
# MDI faces of its own in "tab", so the tabs' close boxes are cut from "resizetoolbutton".
TAB_ABSENT = {"stretcheffect", "stretchtype", "closebuttonrect", "closebuttonactiverect",
              "closebuttondownrect", "buttontransparent", "buttontransparentcolor",
              "dividerrect", "dividertransparent", "dividertransparentcolor", "mdicloserect",
              "mdicloseactiverect", "mdiclosedownrect", "mdirestorerect", "mdirestoreactiverect",
              "mdirestoredownrect", "mdiminrect", "mdiminactiverect", "mdimindownrect",
              "mdibuttonstransparent", "mdibuttonstransparentcolor"}


def skin_controls():
    chip = {"fontcolor": CHIP["normal"].ink, "activefontcolor": CHIP["hot"].ink,
            "downfontcolor": CHIP["down"].ink, "disabledfontcolor": CHIP["disabled"].ink}
    groupbox = panel_values("groupbox.face", 3)
    groupbox.update(
        lefttoppoint=Point(6, GROUPBOX_LINE + 4), righttoppoint=Point(54, GROUPBOX_LINE + 4),
        leftbottompoint=Point(6, 44), rightbottompoint=Point(54, 44),
        clientrect=Rect(3, GROUPBOX_LINE + 3, 57, 47), captionrect=Rect(8, 0, 52, 16),
        alignment="taleftjustify", checkimagerect=C["check.checked"],
        uncheckimagerect=C["check.unchecked"], framerect=C["groupbox.frame"],
        frametextrect=Rect(6, 1, 42, 17), frameleftoffset=6, framerightoffset=6)
    toolpanel = dict(panel_values("toolpanel.face", 2), gripperrect=C["toolpanel.gripper"])
    expanel = panel_values("expanel.body", 4)
    expanel.update(
        lefttoppoint=Point(4, EXPANEL_CAPTION + 3), righttoppoint=Point(52, EXPANEL_CAPTION + 3),
        clientrect=Rect(2, EXPANEL_CAPTION + 1, 54, 46),
        rollhskinrect=C["expanel.rollh"], rollvskinrect=C["expanel.rollv"], rollleftoffset=4,
        rollrightoffset=4, rolltopoffset=4, rollbottomoffset=4,
        rollvcaptionrect=Rect(0, 4, 20, 52), rollhcaptionrect=Rect(4, 0, 52, 18),
        captionrect=Rect(4, 0, 52, EXPANEL_CAPTION))
    for key, group in (("closebutton", "expclose"), ("hrollbutton", "exphroll"),
                       ("hrestorebutton", "exphrestore"), ("vrollbutton", "expvroll"),
                       ("vrestorebutton", "expvrestore")):
        f = C.group(group)
        expanel.update({key + "rect": f["normal"], key + "activerect": f["hot"],
                        key + "downrect": f["down"]})
    statusbar = panel_values("statusbar.face", 2)
    statusbar.update(lefttoppoint=Point(2, 3), righttoppoint=Point(38, 3),
                     clientrect=Rect(2, 3, 38, 20))
    checkbox = nine_part(size_of(C["checkradio.normal"]), 2, stretch=False)
    checkbox.update(skinrect=C["checkradio.normal"], activeskinrect=C["checkradio.active"],
                    checkimagearea=Rect(2, 3, 15, 16), textarea=Rect(18, 0, 70, 20),
                    fontcolor=INK, activefontcolor=ROSE_800, unenabledfontcolor=DISABLED_TEXT,
                    framefontcolor=INK)
    marks = {}
    for kind in ("check", "radio"):
        f = C.group(kind)
        marks[kind] = dict(checkbox, checkimagerect=f["checked"], uncheckimagerect=f["unchecked"],
                           activecheckimagerect=f["hotchecked"],
                           activeuncheckimagerect=f["hotunchecked"],
                           unenabledcheckimagerect=f["disabledchecked"],
                           unenableduncheckimagerect=f["disabledunchecked"],
                           grayedcheckimagerect=f["grayed"],
                           activegrayedcheckimagerect=f["hotgrayed"])
    cells = C.group("gridcell")
    grid = {"skinrect": C["grid.face"], "fixedcellrect": cells["fixed"],
            "selectcellrect": cells["selected"], "focuscellrect": cells["focused"],
            "fixedcellleftoffset": 3, "fixedcellrightoffset": 3,
            "fixedcelltextrect": Rect(3, 1, 37, 17), "cellleftoffset": 2, "cellrightoffset": 2,
            "celltextrect": Rect(3, 1, 37, 17), "linescolor": ROSE_200, "bgcolor": WHITE,
            "fontcolor": INK, "selectfontcolor": ROSE_900, "focusfontcolor": ROSE_900,
            "fixedfontcolor": INK}
    controlbar = box_values("controlbar.face", 2)
    controlbar.update(itemrect=C["controlbar.item"], hgriprect=C["controlbar.hgrip"],
                      vgriprect=C["controlbar.vgrip"], gripoffset1=2, gripoffset2=2)
    mainmenubar = {"skinrect": C["mainmenubar.face"],
                   "itemsrect": Rect(2, MENUBAR_ITEM_TOP, 38, MENUBAR_ITEM_TOP + 18),
                   "menubaritem": "mainmenubaritem1", "closebutton": "menubarclosebutton",
                   "minbutton": "menubarminbutton", "maxbutton": "menubarmaxbutton",
                   "sysmenubutton": "menubarsysmenubutton", "trackmarkcolor": ROSE_300,
                   "trackmarkactivecolor": ROSE_600}
    memo = dict(field_values("memo.normal", "memo.active"), bgcolor=WHITE, activebgcolor=WHITE)
    plain_text = {"skinrect": C["memo.normal"], "fontcolor": INK, "bgcolor": WHITE}
    slider = {"skinrect": C["slider.hruler"], "bgcolor": CLIENT, "hrulerrect": C["slider.hruler"],
              "hthumbrect": C["slider.hthumb"], "vrulerrect": C["slider.vruler"],
              "vthumbrect": C["slider.vthumb"], "edgesize": 4, "pointscolor": ROSE_400}

    return [
        control("button", "button", button_values("button", 4),
                comment="Buttons (controls.bmp, top rows): normal, hot, pressed, focused and\n"
                        "disabled faces, cut in nine parts so they fit any size."),
        control("toolbutton", "button", button_values("toolbutton", 3)),
        control("resizebutton", "button", button_values("resizebutton", 3),
                comment="Arrow buttons of an up-down that does not keep the skin's size."),
        control("bigtoolbutton", "button", button_values("bigtoolbutton", 4)),
        control("resizetoolbutton", "button", button_values("resizetoolbutton", 3, colours=chip),
                comment="Small chips; the result tabs cut their close boxes from these, and the\n"
                        "close cross takes the font colour of the chip's state."),
        control("htracktoolbutton", "button", button_values("htracktoolbutton", 3)),
        control("vtracktoolbutton", "button", button_values("vtracktoolbutton", 3)),
        control("bigtoolmenubutton", "menubutton", menu_button_values("bigtoolbutton", 4),
                comment="Tool buttons that open a menu; the track variants open it from their\n"
                        "right (or lower) part only."),
        control("bigtoolmenutrackbutton", "menubutton",
                menu_button_values("bigtoolbutton", 4, Rect(0, 28, 40, 40))),
        control("toolmenubutton", "menubutton", menu_button_values("toolbutton", 3)),
        control("toolmenutrackbutton", "menubutton",
                menu_button_values("toolbutton", 3, Rect(11, 0, 23, 22))),
        control("mainmenubar", "mainmenubar", mainmenubar,
                comment="Main-menu bar; its items and buttons are the skin objects it names."),
        control("tab", "tab", tab_values(), absent=TAB_ABSENT, complete=True,
                comment="The result tab strip of the main window: page frame, tab faces with\n"
                        "10-pixel ends, the row behind the tabs, and the scroller \"hupdown\"."),
        control("toolpanel", "panel", toolpanel, comment="Panels and bars."),
        control("panel", "panel", panel_values("panel.face", 3)),
        control("groupbox", "panel", groupbox),
        control("statusbar", "panel", statusbar),
        control("bigtoolpanel", "panel", panel_values("bigtoolpanel.face", 2)),
        control("resizetoolpanel", "panel", dict(toolpanel)),
        control("expanel", "expanel", expanel,
                comment="A panel that rolls up to its caption (across or down)."),
        control("vsplitter", "splitter", splitter_values("vsplitter", True),
                comment="Splitters and scroll bars: only the middle stretches."),
        control("hsplitter", "splitter", splitter_values("hsplitter", False)),
        control("hscrollbar", "scrollbar", scrollbar_values(False)),
        control("vscrollbar", "scrollbar", scrollbar_values(True)),
        control("bothhscrollbar", "scrollbar", scrollbar_values(False)),
        control("vupdown", "updown", updown_values("vupdown"), complete=True,
                comment="Up-down scrollers: faces of a fixed size, both buttons in the normal\n"
                        "face; \"hupdown\" pages through the result tabs."),
        control("hupdown", "updown", updown_values("hupdown"), complete=True),
        control("checkbox", "checkradio", marks["check"],
                comment="Check boxes and radio buttons: eight mark faces each."),
        control("radiobox", "checkradio", marks["radio"]),
        control("gauge", "gauge", gauge_values("gauge", False),
                comment="Progress bars: a trough and a segment that repeats along it."),
        control("vgauge", "gauge", gauge_values("vgauge", True)),
        control("statusgauge", "gauge", gauge_values("statusgauge", False)),
        control("trackbar", "trackbar", track_values("trackbar", "trackthumb", True)),
        control("htrackbar", "trackbar", track_values("htrackbar", "htrackthumb", False)),
        control("label", "label", panel_values("label.face", 2), comment="Labels."),
        control("statuspanel", "label", panel_values("statuspanel.face", 2)),
        control("stdlabel", "stdlabel", {"skinrect": C["label.face"], "fontcolor": INK,
                                         "activefontcolor": ROSE_600}),
        control("edit", "edit", edit_values(False),
                comment="Text fields; the button variants carry a button at their right."),
        control("buttonedit", "edit", edit_values(True)),
        control("statusedit", "edit", edit_values(False)),
        control("statusbuttonedit", "edit", edit_values(True)),
        control("tooledit", "edit", edit_values(False)),
        control("toolbuttonedit", "edit", edit_values(True)),
        control("memo", "memo", memo),
        control("spinedit", "spinedit", spin_values()),
        control("statusspinedit", "spinedit", spin_values()),
        control("toolspinedit", "spinedit", spin_values()),
        control("combobox", "combobox", combo_values(),
                comment="Combo boxes; their lists use the list item faces."),
        control("captioncombobox", "combobox", combo_values()),
        control("statuscombobox", "combobox", combo_values()),
        control("toolcombobox", "combobox", combo_values()),
        control("listbox", "listbox", list_values(False, False),
                comment="Lists; the caption variants carry a caption bar with three buttons."),
        control("captionlistbox", "listbox", list_values(True, False)),
        control("checklistbox", "checklistbox", list_values(False, True)),
        control("captionchecklistbox", "checklistbox", list_values(True, True)),
        control("grid", "grid", grid, comment="Grids, trees, list views and rich text."),
        control("treeview", "treeview", plain_text),
        control("listview", "listview", plain_text),
        control("richedit", "richedit", plain_text),
        control("controlbar", "controlbar", controlbar, comment="Odds and ends."),
        control("scrollbox", "scrollbox", box_values("scrollbox.face", 2)),
        control("bevel", "bevel", {"skinrect": C["bevel.face"], "lightcolor": WHITE,
                                   "darkcolor": ROSE_300}),
        control("slider", "slider", slider),
    ]


def ini_lines():
    objects, controls = skin_objects(), skin_controls()
    sections = file_sections()
    sections.append(list_section("SKINOBJECTS", objects,
                                 "Skin objects: each entry is section name : record type."))
    sections.append(list_section("SKINCONTROLS", controls,
                                 "Skin controls, found by their section names."))
    sections += [s for _, _, s in objects] + [s for _, _, s in controls]
    # The text opens with the line "[VERSION]", so its comment goes below the header.
    lines = sections[0].text(comment_below=True)
    for s in sections[1:]:
        lines += s.text()
    return lines


# ------------------------------------------------------------------------------------------------
# Preview: the main window as a shopper sees it, 785 x 641, composed from the pictures with a
# plain re-implementation of the nine-part cut (edges repeat, corners keep their size). Rough on
# purpose: pixel-font text, a mock filter panel and result page. Only for looking at the skin.
# ------------------------------------------------------------------------------------------------

def shadowed_text(cv, x, y, text, colour, scale=1):
    draw_text(cv, x + 1, y + 1, text, BLACK, scale)
    draw_text(cv, x, y, text, colour, scale)


def draw_close_cross(cv, x, y, colour):
    for k in range(8):
        for dx in (1 + k, 2 + k, 9 - k, 8 - k):
            cv.put(x + dx, y + 1 + k, colour)


def preview(pictures):
    width, height = 785, 641
    main, controls = pictures["main.bmp"], pictures["controls.bmp"]
    cv = Canvas(width, height, (120, 124, 130))
    client = FRAME["clientrect"]
    draw_frame(cv, main, FRAME, client, 0, 0, width, height)
    inner = Rect(client.left, client.top, width - (main.width - client.right),
                 height - (main.height - client.bottom))
    tile(cv, main, client, inner, (inner.left, inner.top))
    preview_caption(cv, pictures, width)
    panel = rect_at(inner.left + 3, inner.top + 3, 770, 62)
    preview_filter_panel(cv, controls, panel)
    preview_tabs(cv, controls, rect_at(inner.left + 3, inner.top + 71, 770, 537))
    preview_menu(cv, pictures, 14, 22)
    preview_hint(cv, pictures, "Close", 740, 30)
    return cv


def preview_caption(cv, pictures, width):
    active = pictures["active.bmp"]
    caption_right = FRAME["captionrect"].right + width - FRAME_SIZE[0]
    close = caption_button_face("close", "normal")
    paste(cv, active, close, caption_right - close.w, 5)
    paste(cv, active, caption_button_face("minimize", "hot"), caption_right - 2 * close.w - 2, 5)
    icon = rect_at(14, 5, 16, 16)
    rounded_box(cv, icon, ROSE_100, ramp(WHITE, ROSE_200, 14))
    plum_blossom(cv, 21, 12, 2.6, ROSE_500, CHAMPAGNE)
    title = "Velmoro V1.0"
    text_area = Rect(33, 5, caption_right - 2 * close.w - 2 - 3, 20)
    x = text_area.left + (text_area.w - text_width(title, 2)) // 2
    shadowed_text(cv, x, 6, title, WHITE, 2)


def preview_filter_panel(cv, controls, panel):
    cv.fill(panel, (240, 240, 240))
    cv.frame(panel, (160, 160, 160))
    fields = [(47, 7, 133, "keyword"), (181, 7, 170, "category"), (408, 7, 67, "0"),
              (477, 7, 67, "99999999"), (47, 31, 72, "area"), (251, 31, 100, "sort"),
              (408, 31, 67, "1 heart"), (477, 31, 67, "5 crowns")]
    for x, y, w, text in fields:
        box = rect_at(panel.left + x, panel.top + y, w, 21)
        cv.fill(box, WHITE)
        cv.frame(box, (122, 122, 122))
        draw_text(cv, box.left + 4, box.top + 7, text, (40, 40, 40))
    for x, y, text in ((7, 10, "Key"), (357, 10, "Price"), (7, 34, "Area"), (197, 34, "Sort"),
                       (357, 34, "Credit")):
        draw_text(cv, panel.left + x, panel.top + y + 2, text, (40, 40, 40))
    for y, text in ((6, "Search"), (30, "Fitting")):
        button = rect_at(panel.left + 690, panel.top + y, 73, 24)
        cv.fill(button, (225, 225, 225))
        cv.frame(button, (112, 112, 112))
        draw_text(cv, button.left + (73 - text_width(text)) // 2, button.top + 8, text, (20, 20, 20))


def preview_tabs(cv, controls, area):
    """The result tab strip: row background, three tabs (one hot) with close boxes, the
    scroller, then the page frame around a mock result page."""
    row_height = 19
    tile(cv, controls, C["tab.rowbg"], Rect(area.left, area.top, area.right, area.top + row_height),
         (area.left, area.top))
    frame_top = area.top + row_height - 2
    page = Rect(area.left, frame_top, area.right, area.bottom)
    draw_frame(cv, controls.crop(C["tab.page"]), PAGE_FRAME, PAGE_FRAME["clientrect"],
               page.left, page.top, page.w, page.h)
    content = Rect(page.left + 3, page.top + 2, page.right - 3, page.bottom - 2)
    cv.fill(content, PAGE)
    for i in range(4):
        card = rect_at(content.left + 16 + i * 186, content.top + 40, 170, 210)
        cv.fill(card, (246, 243, 244))
        cv.fill(rect_at(card.left + 10, card.top + 10, 150, 150), (232, 226, 228))
        draw_text(cv, card.left + 10, card.top + 172, "Silk dress", (60, 60, 60))
        draw_text(cv, card.left + 10, card.top + 186, "199.00", ROSE_700)
    tabs = [("Dress - Skirts", "focused"), ("Coats", "normal"), ("Shoes", "hot"),
            ("Bags - Summer", "normal")]
    x = area.left + 1
    selected = None
    for caption, state in tabs:
        w = text_width(caption) + 2 * TAB_ENDS + 16 + 6
        r = rect_at(x, area.top + 2, w, C["tab.normal"].h)
        if state == "focused":
            selected = (r, caption)
        else:
            preview_tab(cv, controls, r, caption, state)
        x += w
    preview_tab(cv, controls, selected[0], selected[1], "focused")
    updown = C["hupdown.normal"]
    paste(cv, controls, updown, area.right - updown.w, area.top)


def preview_tab(cv, controls, r, caption, state):
    face = C["tab.focused" if state == "focused" else "tab.normal"]
    paste(cv, horizontal_bar(controls, face, TAB_ENDS, TAB_ENDS, r.w),
          Rect(0, 0, r.w, face.h), r.left, r.top)
    ink = WHITE if state == "hot" else BLACK
    box_size = 14
    close_x = r.right - (box_size + 2) - 3
    draw_text(cv, r.left + (close_x - r.left - text_width(caption)) // 2, r.top + 5, caption, ink)
    chip = C["resizetoolbutton.hot" if state == "hot" else "resizetoolbutton.normal"]
    keys = dict(nine_part(size_of(chip), 3))
    box = nine_part_image(controls, chip, keys, box_size, box_size)
    top = r.top + r.h // 2 - box_size // 2
    draw_close_cross(box, 2, 2, CHIP["hot" if state == "hot" else "normal"].ink)
    paste(cv, box, Rect(0, 0, box_size, box_size), close_x, top)


def preview_menu(cv, pictures, x, y):
    pw, items = pictures["pw.bmp"], pictures["menuitems.bmp"]
    entries = [("Restore", "disabled"), ("Minimize", "hot"), ("-", "normal"),
               ("Close    Alt+F4", "normal")]
    item_w = max(text_width(t) for t, _ in entries) + 2 + 19 + 16
    cl = POPUP["itemsrect"]
    heights = [MENU_FACES["item.divider"].h if t == "-" else MENU_FACES["item.normal"].h
               for t, _ in entries]
    width = item_w + POPUP_SIZE[0] - cl.w
    height = sum(heights) + POPUP_SIZE[1] - cl.h
    window = nine_part_image(pw, Rect(0, 0, *POPUP_SIZE), POPUP, width, height, draw_client=False)
    top = cl.top
    for (text, state), h in zip(entries, heights):
        if text == "-":
            face, ends = MENU_FACES["item.divider"], MENU_DIVIDER_ENDS
        else:
            face = MENU_FACES["item.hot" if state == "hot" else "item.normal"]
            ends = (MENU_ITEM_ENDS, MENU_ITEM_ENDS)
        bar = horizontal_bar(items, face, ends[0], ends[1], item_w)
        paste(window, bar, Rect(0, 0, item_w, face.h), cl.left, top)
        if text != "-":
            ink = {"hot": ROSE_800, "disabled": DISABLED_TEXT}.get(state, INK)
            draw_text(window, cl.left + 18, top + 7, text, ink)
        top += h
    paste(cv, window, Rect(0, 0, width, height), x, y)


def preview_hint(cv, pictures, text, x, y):
    hw = pictures["hw.bmp"]
    c = HINT["clientrect"]
    tw, th = text_width(text), 14
    w = tw + c.left + HINT_SIZE[0] - c.right + 5
    h = th + c.top + HINT_SIZE[1] - c.bottom
    card = nine_part_image(hw, Rect(0, 0, *HINT_SIZE), HINT, w, h)
    draw_text(card, c.left + (w - c.left - (HINT_SIZE[0] - c.right) - tw) // 2, 6, text, BLACK)
    paste(cv, card, Rect(0, 0, w, h), min(x, cv.width - w - 2), y)


# ------------------------------------------------------------------------------------------------
# Self-check: every part of a face that repeats must look the same along its repeat direction,
# or the joins would show (the frame's edges even start repeating at a different phase than
# the picture suggests). Corners are free to carry detail.
# ------------------------------------------------------------------------------------------------

def repeating_parts():
    """(picture, area, along_x) for every part of the skin that repeats."""
    parts = [("main.bmp", r, d) for r, d in nine_part_repeats(Rect(0, 0, *FRAME_SIZE), FRAME)]
    parts += [("pw.bmp", r, d) for r, d in nine_part_repeats(Rect(0, 0, *POPUP_SIZE), POPUP)]
    parts += [("hw.bmp", r, d) for r, d in nine_part_repeats(Rect(0, 0, *HINT_SIZE), HINT)]
    parts += [("hw.bmp", HINT["clientrect"], True), ("hw.bmp", HINT["clientrect"], False)]
    parts += [("controls.bmp", r, d) for r, d in nine_part_repeats(C["tab.page"], PAGE_FRAME)]
    for name in ("tab.normal", "tab.active", "tab.focused"):
        f = C[name]
        parts.append(("controls.bmp", Rect(f.left + TAB_ENDS, f.top, f.right - TAB_ENDS, f.bottom),
                      True))
    parts += [("controls.bmp", C["tab.rowbg"], True), ("controls.bmp", C["tab.rowbg"], False)]
    for name in ("item.normal", "item.hot"):
        f = MENU_FACES[name]
        parts.append(("menuitems.bmp", f.inset(MENU_ITEM_ENDS, 0), True))
    for name in ("bar.normal", "bar.hot", "bar.down"):
        f = MENU_FACES[name]
        parts.append(("menuitems.bmp", f.inset(MENUBAR_ITEM_ENDS, 0), True))
    f = MENU_FACES["item.divider"]
    parts.append(("menuitems.bmp", Rect(f.left + MENU_DIVIDER_ENDS[0], f.top,
                                        f.right - MENU_DIVIDER_ENDS[1], f.bottom), True))
    return parts


def check_repeats(pictures):
    bad = ["%s %s" % (name, area.ini()) for name, area, along_x in repeating_parts()
           if not uniform(pictures[name], area, along_x)]
    assert not bad, "parts that repeat are not uniform: " + "; ".join(bad)


# ------------------------------------------------------------------------------------------------
# Driver.
# ------------------------------------------------------------------------------------------------

def ini_bytes():
    lines = ini_lines()
    while lines and lines[-1] == "":
        lines.pop()
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def build():
    """Every output file: name (relative to this folder) -> bytes, and the pictures."""
    pictures = {name: draw() for name, _, _, draw in PICTURES}
    check_repeats(pictures)
    files = {name: bmp_bytes(pictures[name], bits, palette)
             for name, bits, palette, _ in PICTURES}
    files["skin.ini"] = ini_bytes()
    return files, pictures


def print_map(cell=4):
    """The faces of controls.bmp: a character map (one character per `cell` x `cell` pixels,
    one letter per face group, '.' for free room) and the rectangles by name."""
    groups = []
    for name in C.faces:
        group = name.split(".")[0]
        if group not in groups:
            groups.append(group)
    letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@$%^&*=+<>?"
    width, height = CONTROLS_SIZE
    rows = [["."] * ((width + cell - 1) // cell) for _ in range((height + cell - 1) // cell)]
    for name, r in C.faces.items():
        letter = letters[groups.index(name.split(".")[0]) % len(letters)]
        for y in range(r.top, r.bottom):
            for x in range(r.left, r.right):
                rows[y // cell][x // cell] = letter
    print("\n".join("".join(row) for row in rows))
    print("  ".join("%s %s" % (letters[i % len(letters)], g) for i, g in enumerate(groups)))
    for name in sorted(C.faces, key=lambda n: (C.faces[n].top, C.faces[n].left)):
        print("%-28s %s" % (name, C.faces[name].ini()))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 when a file on disk differs")
    parser.add_argument("--preview", metavar="PNG", help="also draw the main window into PNG")
    parser.add_argument("--map", action="store_true", help="list the faces of controls.bmp")
    args = parser.parse_args(argv)
    if args.map:
        print_map()
        return 0
    files, pictures = build()
    return write_outputs(HERE, files, args.check,
                         (args.preview, lambda: preview(pictures)) if args.preview else None)


def write_outputs(folder, files, check, preview_png=None):
    """Writes the files that differ into `folder` (with `check`, writes nothing and lists them),
    and the preview (path, painter) when given; returns the exit status."""
    stale = []
    for name, data in sorted(files.items()):
        path = os.path.join(folder, name)
        current = open(path, "rb").read() if os.path.exists(path) else None
        if current != data:
            stale.append(name)
            if not check:
                with open(path, "wb") as f:
                    f.write(data)
    if preview_png:
        path, painter = preview_png
        with open(path, "wb") as f:
            f.write(png_bytes(painter()))
    if check:
        for name in stale:
            print("out of date: %s" % name)
        return 1 if stale else 0
    for name in stale:
        print("wrote %s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
