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
SMOKE = "#5F6368"


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



# --- fans ----------------------------------------------------------------------------------------------

def duct_fan(c, x, y, s, body=("#F4F5F7", "#B9C0C8")):
    """A rectangular duct fan in a three-quarter view; (x, y) is the top left of the front face."""
    w, h, dx, dy = 130 * s, 96 * s, 46 * s, -28 * s
    c.poly([(x, y), (x + dx, y + dy), (x + w + dx, y + dy), (x + w, y)], steel(c, x, y + dy, x, y, "#FFFFFF", body[0]), INK, 1.5)
    c.poly([(x + w, y), (x + w + dx, y + dy), (x + w + dx, y + h + dy), (x + w, y + h)],
           steel(c, x + w, 0, x + w + dx, 0, body[1], "#8D959E"), INK, 1.5)
    c.rect(x, y, w, h, steel(c, x, y, x + w, y + h, *body), INK, 1.5)
    c.rect(x + 6 * s, y + 6 * s, w - 12 * s, h - 12 * s, "none", "#8D959E", 1)
    for px, py in ((x + 10 * s, y + 10 * s), (x + w - 10 * s, y + 10 * s), (x + 10 * s, y + h - 10 * s), (x + w - 10 * s, y + h - 10 * s)):
        c.circle(px, py, 2.2 * s, STEEL_DARK)
    cx, cy, r = x + w / 2, y + h / 2, 36 * s
    c.circle(cx, cy, r + 3 * s, "#3E454D", INK, 1.2)
    impeller(c, cx, cy, r, 7, steel(c, cx - r, cy - r, cx + r, cy + r, "#DDE6EE", "#7F95AA"))
    c.rect(x + w + 10 * s, y + 22 * s, 16 * s, 22 * s, "#5B636C", INK, 1)  # terminal box on the side


def roof_fan(c, cx, base, s, body=("#F4F5F7", "#B3BAC2"), accent=STEEL_DARK, flow=COLD):
    """A roof fan on its curb: louvred body under a dome hood; base is the bottom of the curb."""
    c.poly([(cx - 80 * s, base), (cx + 80 * s, base), (cx + 66 * s, base - 22 * s), (cx - 66 * s, base - 22 * s)],
           steel(c, cx - 80 * s, 0, cx + 80 * s, 0, "#C5CBD2", "#868E97"), INK, 1.5)
    top = base - 100 * s
    c.rect(cx - 58 * s, top, 116 * s, 78 * s, steel(c, cx - 58 * s, 0, cx + 58 * s, 0, *body), INK, 1.5)
    for k in range(1, 10):
        xx = cx - 58 * s + k * 116 * s / 10
        c.line(xx, top + 6 * s, xx, base - 28 * s, "#8D959E", 1.4)
    c.path(f"M {cx - 74 * s:.1f} {top + 4 * s:.1f} Q {cx:.1f} {top - 70 * s:.1f} {cx + 74 * s:.1f} {top + 4 * s:.1f} Z",
           steel(c, cx, top - 40 * s, cx, top + 4 * s, "#FFFFFF", body[1]), INK, 1.5)
    c.rect(cx - 76 * s, top, 152 * s, 7 * s, accent, INK, 1.2)
    for sign in (-1, 1):
        c.arrow(cx + sign * 62 * s, base - 50 * s, cx + sign * 108 * s, base - 50 * s, flow, 3 * s)


def radial_fan(c, cx, cy, s, body=("#F2F3F5", "#AEB6BF"), accent="#5B636C", flow=COLD):
    """A single-inlet centrifugal fan in a spiral casing, front view, outlet upwards on the right."""
    r0, grow = 50 * s, 0.5
    pts = []
    for k in range(0, 73):  # from the cut-off on the right, round over the top, left and bottom
        th = math.radians(-k * 5)
        r = r0 * (1 + grow * k / 72)
        pts.append((cx + r * math.cos(th), cy + r * math.sin(th)))
    rmax = r0 * (1 + grow)
    top = cy - 112 * s
    d = "M " + " L ".join(f"{px:.1f} {py:.1f}" for px, py in pts)
    d += f" L {cx + rmax:.1f} {top:.1f} L {cx + r0:.1f} {top:.1f} Z"
    end_x = cx + rmax
    c.rect(cx - 70 * s, cy + 70 * s, 150 * s, 12 * s, accent, INK, 1.2)  # frame
    c.rect(cx - 46 * s, cy + 50 * s, 12 * s, 22 * s, accent, INK, 1)
    c.rect(cx + 40 * s, cy + 50 * s, 12 * s, 22 * s, accent, INK, 1)
    c.path(d, steel(c, cx - 80 * s, cy - 80 * s, cx + 80 * s, cy + 80 * s, *body), INK, 1.8)
    c.rect(cx + r0 - 5 * s, top - 6 * s, rmax - r0 + 10 * s, 8 * s, accent, INK, 1.2)  # outlet flange
    c.circle(cx, cy, 36 * s, "#3E454D", INK, 1.5)
    impeller(c, cx, cy, 32 * s, 10, steel(c, cx - 32 * s, cy, cx + 32 * s, cy, "#DDE6EE", "#7F95AA"), sweep=-30)
    c.circle(cx, cy, 40 * s, "none", accent, 3 * s)
    c.arrow(cx + (r0 + rmax) / 2, top - 8 * s, cx + (r0 + rmax) / 2, top - 48 * s, flow, 3 * s)


def axial_fan(c, cx, cy, s, body=("#F2F3F5", "#AEB6BF"), accent="#5B636C", flow=COLD):
    """An axial fan in a cylindrical casing with flanges, three-quarter view from the inlet."""
    length = 90 * s
    c.rect(cx, cy - 62 * s, length, 124 * s, steel(c, 0, cy - 62 * s, 0, cy + 62 * s, body[0], body[1]), INK, 1.5)
    c.ellipse(cx + length, cy, 20 * s, 66 * s, steel(c, 0, cy - 66 * s, 0, cy + 66 * s, "#C9CED4", "#7D8590"), INK, 1.5)
    c.rect(cx + 20 * s, cy + 62 * s, 50 * s, 18 * s, accent, INK, 1)  # foot
    c.ellipse(cx, cy, 26 * s, 70 * s, accent, INK, 1.5)  # inlet flange
    c.ellipse(cx, cy, 20 * s, 60 * s, "#3E454D", INK, 1)
    for k in range(6):  # blades seen at an angle
        a = math.radians(k * 60 + 15)
        px, py = cx + 18 * s * math.cos(a), cy + 56 * s * math.sin(a)
        qx, qy = cx + 16 * s * math.cos(a + 0.5), cy + 54 * s * math.sin(a + 0.5)
        c.poly([(cx, cy), (px, py), (qx, qy)], steel(c, cx, cy - 56 * s, cx, cy + 56 * s, "#DDE6EE", "#7F95AA"), INK, 1)
    c.ellipse(cx, cy, 6 * s, 16 * s, STEEL, INK, 1)
    c.arrow(cx - 70 * s, cy, cx - 32 * s, cy, flow, 3 * s)


def flame(c, x, y, s):
    """A fire sign: the fans that carry hot smoke."""
    c.path(f"M {x:.1f} {y:.1f} C {x - 16 * s:.1f} {y - 10 * s:.1f} {x - 12 * s:.1f} {y - 30 * s:.1f} {x - 2 * s:.1f} {y - 44 * s:.1f} "
           f"C {x:.1f} {y - 30 * s:.1f} {x + 8 * s:.1f} {y - 28 * s:.1f} {x + 10 * s:.1f} {y - 36 * s:.1f} "
           f"C {x + 18 * s:.1f} {y - 22 * s:.1f} {x + 16 * s:.1f} {y - 8 * s:.1f} {x:.1f} {y:.1f} Z", "#E65100", "#8E2A00", 1)
    c.path(f"M {x:.1f} {y - 2 * s:.1f} C {x - 7 * s:.1f} {y - 8 * s:.1f} {x - 5 * s:.1f} {y - 18 * s:.1f} {x + 1 * s:.1f} {y - 26 * s:.1f} "
           f"C {x + 8 * s:.1f} {y - 16 * s:.1f} {x + 8 * s:.1f} {y - 8 * s:.1f} {x:.1f} {y - 2 * s:.1f} Z", "#FFC107")


def smoke_puffs(c, x, y, s):
    for k, (dx, dy, r) in enumerate(((0, 0, 9), (12, -14, 11), (2, -30, 13), (16, -46, 10))):
        c.circle(x + dx * s, y + dy * s, r * s, ("#9EA3A8", "#B5B9BD", "#C9CCCF", "#DADCDE")[k])


def general_fans(out):
    c = Canvas(1000, 410)
    c.rect(0, 330, 1000, 2, "#D5DAE0")
    duct_fan(c, 40, 170, 1.2)
    roof_fan(c, 390, 322, 1.15)
    radial_fan(c, 620, 215, 1.1)
    axial_fan(c, 820, 215, 1.05)
    for x, text in ((130, "Канальные"), (390, "Крышные"), (630, "Радиальные"), (860, "Осевые")):
        c.text(x, 362, text, 16, INK, True, "middle")
    caption(c, "Вентиляторы общеобменной вентиляции и подпора воздуха")
    c.save(out / "Manual.bmp")


def smoke_fans(out):
    c = Canvas(1000, 410)
    c.rect(0, 330, 1000, 2, "#D5DAE0")
    graphite = ("#8A9199", "#444B53")
    roof_fan(c, 170, 322, 1.2, graphite, MAKER_RED, SMOKE)
    smoke_puffs(c, 60, 180, 1.2)
    smoke_puffs(c, 280, 180, 1.2)
    radial_fan(c, 480, 215, 1.1, graphite, MAKER_RED, SMOKE)
    smoke_puffs(c, 505, 50, 0.9)
    axial_fan(c, 760, 215, 1.05, graphite, MAKER_RED, SMOKE)
    smoke_puffs(c, 930, 160, 1.1)
    for x, y in ((330, 300), (640, 300), (930, 300)):
        flame(c, x, y, 1.2)
    for x, text in ((170, "Крышные"), (490, "Радиальные"), (800, "Осевые")):
        c.text(x, 362, text, 16, INK, True, "middle")
    caption(c, "Вентиляторы дымоудаления")
    c.save(out / "Manualsmk.bmp")



# --- the assembled ventilation unit -------------------------------------------------------------------

def unit_module(c, x, y, w, h):
    c.rect(x, y, w, h, steel(c, x, y, x, y + h, "#FAFBFC", "#D3D8DE"), INK, 1.5)
    c.rect(x - 2, y - 4, 4, h + 8, STEEL_DARK)  # flanges
    c.rect(x + w - 2, y - 4, 4, h + 8, STEEL_DARK)


def assembled_unit(out):
    c = Canvas(1000, 400)
    y, h = 125, 140
    x = 92
    parts = []

    def louvre(x, w):
        for k in range(8):
            yy = y + 10 + k * 16
            c.poly([(x + 8, yy), (x + w - 8, yy + 8), (x + w - 8, yy + 12), (x + 8, yy + 4)], "#8D959E", INK, 0.8)

    def damper(x, w):
        for k in range(4):
            cy = y + 22 + k * 32
            c.ellipse(x + w / 2, cy, 8, 15, "#AEB6BF", INK, 1)
            c.circle(x + w / 2, cy, 2.5, INK)

    def pocket_filter(x, w):
        pts = []
        for k in range(9):
            pts.append((x + 8 if k % 2 == 0 else x + w - 10, y + 8 + k * (h - 16) / 8))
        c.polyline(pts, "#B08D57", 3)
        c.rect(x + 4, y + 4, 6, h - 8, "#9C7A45")

    def heater(x, w):
        for xx in range(int(x + 8), int(x + w - 6), 5):
            c.line(xx, y + 8, xx, y + h - 8, "#C98C5A", 1)
        for k in range(6):
            c.circle(x + w / 2, y + 18 + k * 21, 5, "#B9652E", INK, 0.8)
        c.rect(x + 18, y - 34, 10, 30, WATER_IN, INK, 1)
        c.rect(x + w - 28, y - 34, 10, 30, WATER_OUT, INK, 1)

    def cooler(x, w):
        for xx in range(int(x + 8), int(x + w - 6), 5):
            c.line(xx, y + 8, xx, y + h - 22, "#6E9CC8", 1)
        c.rect(x + 6, y + h - 16, w - 12, 10, "#9DB8D3", INK, 1)
        for k, dx in enumerate((0.3, 0.55, 0.8)):
            c.circle(x + w * dx, y + h - 26 + (k % 2) * 4, 2.6, COLD)
        c.rect(x + 20, y - 28, 10, 24, "#6EA0DC", INK, 1)
        c.rect(x + w - 30, y - 28, 10, 24, "#6EA0DC", INK, 1)

    def connector(x, w):
        pts = [(x + w / 2 + (5 if k % 2 else -5), y + k * h / 14) for k in range(15)]
        c.polyline(pts, "#3E454D", 2)

    def fan(x, w):
        cx, cy = x + w / 2 - 10, y + h / 2
        c.circle(cx, cy, 50, "#3E454D", INK, 1.2)
        impeller(c, cx, cy, 45, 11, steel(c, cx - 45, cy, cx + 45, cy, "#DDE6EE", "#7F95AA"), sweep=-30)
        c.rect(x + w - 26, cy - 24, 20, 48, steel(c, 0, cy - 24, 0, cy + 24, "#8E969F", "#4B535C"), INK, 1)

    def silencer(x, w):
        for k in range(3):
            bx = x + 14 + k * (w - 28) / 3
            c.rect(bx, y + 8, (w - 28) / 3 - 14, h - 16, "#E4DCC8", "#A89A79", 1)
            for yy in range(int(y + 14), int(y + h - 12), 10):
                for xx in range(int(bx + 4), int(bx + (w - 28) / 3 - 16), 8):
                    c.circle(xx, yy, 1.2, "#A89A79")

    modules = [("Жалюзи", 58, louvre), ("Клапан", 62, damper), ("Фильтр", 110, pocket_filter),
               ("Воздухонагреватель", 86, heater), ("Воздухоохладитель", 96, cooler),
               ("Гибкая вставка", 26, connector), ("Вентилятор", 140, fan), ("Гибкая вставка", 26, connector),
               ("Шумоглушитель", 150, silencer)]
    for k, (name, w, draw) in enumerate(modules):
        unit_module(c, x, y, w, h)
        draw(x, w)
        above = k % 2 == 1
        ty = 72 if above else 305
        tip = (x + w / 2, y - (38 if draw in (heater, cooler) else 6) if above else y + h + 6)
        c.line(x + w / 2, ty + (6 if above else -16), tip[0], tip[1], STEEL_DARK, 1)
        c.text(x + w / 2, ty, name, 13, INK, anchor="middle")
        x += w
    c.arrow(20, y + h / 2, 84, y + h / 2, COLD, 5)
    c.arrow(x + 8, y + h / 2, x + 72, y + h / 2, WARM, 5)
    c.line(92, 340, x, 340, STEEL_DARK, 1)
    c.line(92, 334, 92, 346, STEEL_DARK, 1)
    c.line(x, 334, x, 346, STEEL_DARK, 1)
    c.text((92 + x) / 2, 336, "L — длина агрегата", 12, STEEL_DARK, anchor="middle")
    caption(c, "Агрегат вентиляционный сборный (модульная система)")
    c.save(out / "УМКw.bmp")


# --- air curtains --------------------------------------------------------------------------------------

def gate_wall(c, x0, y0, x1, y1):
    """An inside wall with an open gate; the street is seen through it."""
    c.rect(0, 40, c.width, y1 - 40, "#EEE9E1")
    for yy in range(52, int(y1), 24):  # masonry joints
        c.line(0, yy, c.width, yy, "#DDD6CA", 1)
    c.rect(x0, y0, x1 - x0, y1 - y0, c.gradient(0, y0, 0, y1, (0, "#CFE3F5"), (0.75, "#EAF3FB"), (1, "#FFFFFF")), INK, 2.5)
    c.rect(x0 + 1, y1 - 30, x1 - x0 - 2, 30, "#F7FAFC")  # snow outside
    c.rect(x0, y0, x1 - x0, y1 - y0, "none", INK, 2.5)
    for k, (fx, fy) in enumerate(((0.2, 0.25), (0.5, 0.18), (0.8, 0.3), (0.35, 0.45), (0.65, 0.5))):
        cx, cy = x0 + (x1 - x0) * fx, y0 + (y1 - y0) * fy
        for a in range(3):
            ang = math.radians(a * 60)
            c.line(cx - 6 * math.cos(ang), cy - 6 * math.sin(ang), cx + 6 * math.cos(ang), cy + 6 * math.sin(ang), "#8FB3D6", 1.5)
    c.rect(0, y1, c.width, 8, "#B8B0A2")  # floor
    c.text((x0 + x1) / 2, y0 + 22, "Улица", 13, "#5B7FA6", anchor="middle")


def column_unit(c, x, y0, y1, slot_right=True, blocks=1):
    """A side curtain post: blocks with a fan grille at the bottom and a slot along the gate."""
    w = 48
    c.rect(x + 6, y0 + 4, w, y1 - y0, "#CFC8BC")  # shadow
    step = (y1 - y0) / blocks
    for b in range(blocks):
        by = y0 + b * step
        c.rect(x, by, w, step, steel(c, x, 0, x + w, 0, "#FFFFFF", "#BFC6CE"), INK, 1.8)
        cy = by + step - 34
        c.circle(x + w / 2, cy, 17, "#3E454D", INK, 1)
        for r in (13, 9, 5):
            c.circle(x + w / 2, cy, r, "none", "#9AA3AD", 1)
    sx = x + w - 5 if slot_right else x + 1
    c.rect(sx, y0 + 8, 4, y1 - y0 - 16, "#2B3138")
    c.rect(x - 2, y0 - 6, w + 4, 6, MAKER_RED)


def jets(c, x_from, x_to, y0, y1, n=6):
    for k in range(n):
        y = y0 + (y1 - y0) * (k + 0.5) / n
        c.curved_arrow([(x_from, y), ((x_from + x_to) / 2, y - 10), (x_to, y + 14)], WARM, 3.2)


def curtain_ork(out):
    c = Canvas(1000, 400)
    gate_wall(c, 330, 90, 700, 340)
    column_unit(c, 276, 84, 340)
    jets(c, 330, 690, 110, 320, 7)
    label(c, 258, 150, "Воздушная завеса", (278, 160), "end")
    label(c, 258, 300, "Вентиляторный агрегат", (280, 306), "end")
    label(c, 720, 150, "Плоская струя", (690, 160))
    label(c, 720, 250, "Проем ворот B·H", (700, 250))
    caption(c, "Воздушная завеса ОРК: боковая одностоечная")
    c.save(out / "ОРКw.bmp")


def curtain_tem(out):
    c = Canvas(1000, 400)
    gate_wall(c, 340, 90, 660, 340)
    column_unit(c, 286, 84, 340, True, 2)
    column_unit(c, 660, 84, 340, False, 2)
    jets(c, 340, 500, 110, 320, 6)
    for k in range(6):
        y = 110 + 210 * (k + 0.5) / 6
        c.curved_arrow([(660, y), (580, y - 10), (500, y + 14)], WARM, 3.2)
    label(c, 268, 140, "Блок завесы", (288, 150), "end")
    label(c, 268, 230, "Блок завесы", (288, 240), "end")
    label(c, 730, 140, "Вторая стойка", (712, 150))
    caption(c, "Воздушная завеса ТЕМ: блоки, боковая двухстоечная установка")
    c.save(out / "ТЕМw.bmp")


def curtain_pln(out):
    c = Canvas(1000, 400)
    gate_wall(c, 320, 110, 680, 340)
    y, h = 66, 40
    x = 306
    for name, w in (("Б", 150), ("Б", 150), ("А", 88)):
        c.rect(x + 4, y + 4, w, h, "#CFC8BC")
        c.rect(x, y, w, h, steel(c, 0, y, 0, y + h, "#FFFFFF", "#BFC6CE"), INK, 1.8)
        for k in range(int(w // 50)):
            c.circle(x + 25 + k * 50, y + 18, 11, "#3E454D", INK, 1)
        c.text(x + w / 2, y - 8, f"Блок {name}", 12, INK, anchor="middle")
        x += w
    c.rect(306, y + h - 5, x - 306, 5, "#2B3138")  # slot
    for k in range(8):
        xx = 330 + k * 44
        c.curved_arrow([(xx, y + h + 4), (xx + 6, 230), (xx + 24, 322)], WARM, 3.2)
    label(c, 290, 90, "Верхняя завеса", (306, 90), "end")
    label(c, 700, 200, "Струя завесы", (660, 200))
    caption(c, "Воздушная завеса ПЛН «Тэрна»: модули над проемом ворот")
    c.save(out / "ПЛНw.bmp")


def photo_versions(out):
    """The photo window shows the same drawings, framed and at screen size."""
    import subprocess
    for name in ("УМК", "ОРК", "ТЕМ", "ПЛН"):
        subprocess.run(["convert", str(out / f"{name}w.bmp"), "-resize", "620x", "-bordercolor", "#C9CED4",
                        "-border", "6", "-alpha", "off", "-type", "TrueColor", f"BMP3:{out / (name + '.bmp')}"],
                       check=True)


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent.parent / "files"
    for draw in (logo, luma, general_fans, smoke_fans, assembled_unit, curtain_ork, curtain_tem,
                 curtain_pln, photo_versions):
        draw(out)
        print(draw.__name__)


if __name__ == "__main__":
    main()
