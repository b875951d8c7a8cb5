#!/usr/bin/env python3
"""Draws the program's logo and the pictures of the description and report forms into data/files/.

Usage: pictures.py [OUTPUT_DIR]   (needs ImageMagick's convert; pictures are 24-bit BMP)
"""
import math
import pathlib
import sys

from canvas import Canvas

MAKER_RED = "#580C0C"
INK = "#24313F"
NAVY = "#1F3A5F"
STEEL_LIGHT = "#F2F4F6"
STEEL = "#C9CED4"
STEEL_DARK = "#7D8590"
COLD = "#2F6DB5"
WARM = "#D9531E"
WATER_IN = "#C62828"
WATER_OUT = "#1E5AA8"


def steel(c, x1, y1, x2, y2, light=STEEL_LIGHT, dark=STEEL):
    return c.gradient(x1, y1, x2, y2, (0, light), (1, dark))


def label(c, x, y, text, to=None, anchor="start", size=13):
    """A caption with an optional leader line to the part it names."""
    if to:
        c.line(x + (-4 if anchor == "end" else 4), y - 4, to[0], to[1], STEEL_DARK, 1)
        c.circle(to[0], to[1], 2.2, INK)
    c.text(x, y, text, size, INK, anchor=anchor)


def caption(c, text, size=17):
    c.text(c.width / 2, c.height - 16, text, size, NAVY, bold=True, anchor="middle")


def impeller(c, cx, cy, r, blades, colour, hub=None, sweep=35):
    """Front view of an impeller: curved blades around a hub."""
    for k in range(blades):
        a = 2 * math.pi * k / blades
        b = a + math.radians(sweep)
        p0 = (cx + 0.28 * r * math.cos(a), cy + 0.28 * r * math.sin(a))
        p1 = (cx + r * math.cos(b), cy + r * math.sin(b))
        p2 = (cx + r * math.cos(b + 0.45), cy + r * math.sin(b + 0.45))
        ctrl = (cx + 0.75 * r * math.cos(a + 0.05), cy + 0.75 * r * math.sin(a + 0.05))
        c.path(f"M {p0[0]:.1f} {p0[1]:.1f} Q {ctrl[0]:.1f} {ctrl[1]:.1f} {p1[0]:.1f} {p1[1]:.1f} "
               f"L {p2[0]:.1f} {p2[1]:.1f} Q {cx + 0.5 * r * math.cos(a + 0.6):.1f} "
               f"{cy + 0.5 * r * math.sin(a + 0.6):.1f} {p0[0]:.1f} {p0[1]:.1f} Z", colour, INK, 1)
    c.circle(cx, cy, r * 0.3, hub or STEEL, INK, 1.5)
    c.circle(cx, cy, r * 0.1, STEEL_DARK)


def hatch(c, x, y, w, h, step=12):
    """A wall section: grey band with diagonal hatching."""
    c.rect(x, y, w, h, "#E3E0DA", INK, 1.5)
    k = -h
    while k < w:
        x1, y1 = x + max(k, 0), y + (max(k, 0) - k)
        x2, y2 = x + min(k + h, w), y + (min(k + h, w) - k)
        c.line(x1, y1, x2, y2, "#A39E95", 1)
        k += step


# --- the logo ------------------------------------------------------------------------------------------

def logo(out):
    """The maker's emblem: a four-blade impeller in a ring on the maker's dark red."""
    c = Canvas(128, 128, MAKER_RED)
    cx = cy = 64
    c.circle(cx, cy, 54, "#FFFFFF")
    c.circle(cx, cy, 49, "none", MAKER_RED, 5)
    r = 44
    for k in range(4):
        a = math.pi / 2 * k
        def pt(px, py):
            return (cx + px * math.cos(a) - py * math.sin(a), cy + px * math.sin(a) + py * math.cos(a))
        p = [pt(0, 0), pt(r * 0.15, -r * 0.55), pt(r * 0.75, -r * 0.75), pt(r * 0.8, -r * 0.2),
             pt(r * 0.55, -r * 0.3), pt(r * 0.3, -r * 0.15)]
        c.path(f"M {p[0][0]:.1f} {p[0][1]:.1f} C {p[1][0]:.1f} {p[1][1]:.1f} {p[2][0]:.1f} {p[2][1]:.1f} "
               f"{p[3][0]:.1f} {p[3][1]:.1f} C {p[4][0]:.1f} {p[4][1]:.1f} {p[5][0]:.1f} {p[5][1]:.1f} "
               f"{p[0][0]:.1f} {p[0][1]:.1f} Z", MAKER_RED)
    c.circle(cx, cy, 7, MAKER_RED)
    c.circle(cx, cy, 3, "#FFFFFF")
    c.save(out / "Logo.bmp")


# --- the air-heating unit ------------------------------------------------------------------------------

def luma(out):
    c = Canvas(900, 500)
    # Section through the unit hung on the wall.
    hatch(c, 28, 40, 30, 390)
    c.text(43, 455, "Стена", 12, STEEL_DARK, anchor="middle")
    x0, y0, x1, y1 = 92, 120, 332, 340
    c.poly([(58, 128), (110, 128), (110, 136), (72, 136), (58, 160)], STEEL_DARK, INK, 1)  # brackets
    c.poly([(58, 330), (110, 330), (110, 322), (72, 322), (58, 298)], STEEL_DARK, INK, 1)
    c.rect(x0, y0, x1 - x0, y1 - y0, steel(c, x0, y0, x0, y1, "#F7F6F2", "#DAD7CF"), INK, 3)
    c.rect(x0 + 6, y0 + 6, x1 - x0 - 12, y1 - y0 - 12, "#FFFFFF", "#B8B4AA", 1)
    # rear inlet grille
    for y in range(y0 + 20, y1 - 10, 14):
        c.line(x0 - 2, y, x0 + 4, y, INK, 2)
    # axial fan: motor, hub and blades in side view inside a short ring
    c.rect(104, 205, 30, 50, steel(c, 104, 205, 104, 255, "#8E969F", "#4B535C"), INK, 1.5)
    c.rect(134, 222, 10, 16, STEEL_DARK, INK, 1)
    c.ellipse(152, 182, 9, 48, steel(c, 143, 134, 161, 134, "#9FB4C8", "#4F6F8E"), INK, 1.5)
    c.ellipse(152, 278, 9, 48, steel(c, 143, 230, 161, 230, "#9FB4C8", "#4F6F8E"), INK, 1.5)
    c.rect(144, 218, 16, 24, STEEL, INK, 1.5)
    c.rect(140, 126, 26, 8, STEEL_DARK, INK, 1)
    c.rect(140, 326, 26, 8, STEEL_DARK, INK, 1)
    # heat exchanger: fins and two rows of tubes
    c.rect(200, 132, 52, 196, "#F3E7DC", INK, 1.5)
    for y in range(136, 326, 4):
        c.line(202, y, 250, y, "#C9A27E", 1)
    for row_x in (214, 238):
        for k in range(8):
            yy = 146 + k * 24 + (12 if row_x == 238 else 0)
            if yy < 322:
                c.circle(row_x, yy, 6, steel(c, row_x - 6, yy - 6, row_x + 6, yy + 6, "#E8A06A", "#9C4A1C"), INK, 1)
    # water connections
    c.rect(209, 62, 12, 70, steel(c, 209, 0, 221, 0, "#E57373", WATER_IN), INK, 1.2)
    c.rect(233, 78, 12, 54, steel(c, 233, 0, 245, 0, "#6EA0DC", WATER_OUT), INK, 1.2)
    c.rect(205, 58, 20, 9, STEEL_DARK, INK, 1)
    c.rect(229, 74, 20, 9, STEEL_DARK, INK, 1)
    c.arrow(215, 22, 215, 54, WATER_IN, 3)
    c.arrow(239, 70, 239, 34, WATER_OUT, 3)
    # outlet louvres
    for y in range(136, 330, 20):
        c.poly([(298, y), (332, y + 10), (332, y + 15), (298, y + 5)],
               steel(c, 298, y, 298, y + 15, "#E9EBEE", "#8C939B"), INK, 1)
    # air: room air drawn in at the back, warm air blown out down and forward
    c.curved_arrow([(72, 72), (86, 150), (122, 150)], COLD, 3)
    c.curved_arrow([(72, 392), (86, 310), (122, 310)], COLD, 3)
    for k, (dx, dy) in enumerate(((118, 52), (112, 82), (96, 112))):
        y = 180 + k * 55
        c.arrow(340, y, 340 + dx, y + dy, WARM, 4)
    label(c, 150, 400, "Осевой вентилятор", (150, 330))
    label(c, 205, 430, "Теплообменник", (225, 326))
    label(c, 355, 150, "Жалюзи", (330, 160))
    label(c, 120, 105, "Корпус", (110, 122))
    c.text(262, 40, "Вход воды", 13, WATER_IN, anchor="start")
    c.text(262, 60, "Выход воды", 13, WATER_OUT, anchor="start")
    c.text(212, 470, "Разрез", 14, NAVY, True, "middle")

    # Front view.
    fx0, fy0, fx1, fy1 = 540, 118, 820, 368
    c.rect(fx0 + 8, fy1, fx1 - fx0 - 16, 8, "#D0CCC2")  # shadow
    c.rect(fx0, fy0, fx1 - fx0, fy1 - fy0, steel(c, fx0, fy0, fx1, fy1, "#F7F6F2", "#D8D4CA"), INK, 3)
    c.rect(fx0 + 22, fy0 + 22, fx1 - fx0 - 44, fy1 - fy0 - 44, "#4A5058", INK, 1.5)
    for y in range(fy0 + 26, fy1 - 30, 20):
        c.rect(fx0 + 24, y, fx1 - fx0 - 48, 15, steel(c, 0, y, 0, y + 15, "#FBFBFC", "#9BA2AA"), "#6E757D", 1)
    for x in (fx0 + 60, fx1 - 60):  # louvre adjustment rods
        c.line(x, fy0 + 24, x, fy1 - 24, "#5E656D", 2)
    c.rect(fx0 + 14, fy0 - 12, 28, 12, STEEL_DARK, INK, 1)
    c.rect(fx1 - 42, fy0 - 12, 28, 12, STEEL_DARK, INK, 1)
    c.rect(fx1, fy0 + 40, 18, 44, steel(c, fx1, 0, fx1 + 18, 0, "#E5E2DA", "#A9A59C"), INK, 1.5)  # terminal box
    c.line(fx1 + 18, fy0 + 62, fx1 + 40, fy0 + 62, INK, 2.5)
    c.text(fx1 + 9, fy0 + 102, "~380 В", 12, STEEL_DARK, anchor="middle")
    for x, colour, y_top, down in ((600, WATER_IN, 70, True), (640, WATER_OUT, 84, False)):
        c.rect(x - 6, y_top, 12, fy0 - y_top, steel(c, x - 6, 0, x + 6, 0, "#F0F0F0", colour), INK, 1.2)
        c.rect(x - 10, y_top - 8, 20, 10, STEEL_DARK, INK, 1)
        if down:
            c.arrow(x, y_top - 46, x, y_top - 12, colour, 3)
        else:
            c.arrow(x, y_top - 12, x, y_top - 46, colour, 3)
    c.text(fx0 + (fx1 - fx0) / 2, fy1 + 26, "ЛУМА", 16, MAKER_RED, True, "middle")
    c.text(680, 470, "Вид спереди", 14, NAVY, True, "middle")
    c.save(out / "LUMAw.bmp")


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent.parent / "files"
    for draw in (logo, luma):
        draw(out)
        print(draw.__name__)


if __name__ == "__main__":
    main()
