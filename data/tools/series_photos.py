#!/usr/bin/env python3
"""Draws the series pictures of the bundled fan catalogue into data/files/<series>.bmp.

Each picture is a clean technical illustration of the kind of fan the series is (round duct fan,
rectangular duct box, roof fan, axial fan, radial fan with a volute, wall fan), drawn with ImageMagick's
vector primitives and saved as a 24-bit BMP of 500 x 350 pixels.

    data/tools/series_photos.py [OUTPUT_DIR]      (default: data/files beside this folder)
"""

import math
import os
import subprocess
import sys

WIDTH, HEIGHT = 500, 350
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

STEEL = ("#c9d1d9", "#8d99a6", "#5b6773")   # light, mid, dark
PLASTIC = ("#e9eef2", "#b8c4cf", "#7d8b98")
BLUE = ("#a9c6e8", "#5f8fc4", "#2f5f94")
GREEN = ("#b9dcb9", "#6fae70", "#3d7a3f")
RED = ("#f0b8a8", "#d4694e", "#9a3b25")
GRAPHITE = ("#9aa3ab", "#5d666e", "#353c42")
INK = "#1f2328"


class Canvas:
    """MVG primitives collected into one drawing."""

    def __init__(self):
        self.ops = []

    def style(self, fill, stroke=INK, width=2):
        self.ops.append(f"fill '{fill}' stroke '{stroke}' stroke-width {width}")

    def rect(self, x0, y0, x1, y1, fill, stroke=INK, width=2):
        self.style(fill, stroke, width)
        self.ops.append(f"rectangle {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f}")

    def rounded(self, x0, y0, x1, y1, r, fill, stroke=INK, width=2):
        self.style(fill, stroke, width)
        self.ops.append(f"roundrectangle {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f} {r},{r}")

    def ellipse(self, cx, cy, rx, ry, fill, stroke=INK, width=2, a0=0, a1=360):
        self.style(fill, stroke, width)
        self.ops.append(f"ellipse {cx:.1f},{cy:.1f} {rx:.1f},{ry:.1f} {a0},{a1}")

    def circle(self, cx, cy, r, fill, stroke=INK, width=2):
        self.ellipse(cx, cy, r, r, fill, stroke, width)

    def polygon(self, points, fill, stroke=INK, width=2):
        self.style(fill, stroke, width)
        self.ops.append("polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in points))

    def line(self, x0, y0, x1, y1, stroke=INK, width=2):
        self.ops.append(f"fill none stroke '{stroke}' stroke-width {width}")
        self.ops.append(f"line {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f}")

    def polyline(self, points, stroke=INK, width=2):
        self.ops.append(f"fill none stroke '{stroke}' stroke-width {width}")
        self.ops.append("polyline " + " ".join(f"{x:.1f},{y:.1f}" for x, y in points))

    def text(self, x, y, text, size=15, bold=False, fill=INK, gravity="NorthWest"):
        """Text at (x, y): the baseline start, or with another gravity the offset from that corner."""
        font = FONT_BOLD if bold else FONT
        safe = text.replace("'", "\u2019")
        self.ops.append(f"gravity {gravity} fill '{fill}' stroke none font '{font}' font-size {size}")
        self.ops.append(f"text {x:.1f},{y:.1f} '{safe}'")
        self.ops.append("gravity NorthWest")

    def arrow(self, x0, y0, x1, y1, color="#1b6ac9"):
        self.line(x0, y0, x1, y1, color, 4)
        angle = math.atan2(y1 - y0, x1 - x0)
        head = [(x1, y1),
                (x1 - 16 * math.cos(angle - 0.4), y1 - 16 * math.sin(angle - 0.4)),
                (x1 - 16 * math.cos(angle + 0.4), y1 - 16 * math.sin(angle + 0.4))]
        self.polygon(head, color, color, 1)


def cylinder_x(c, x0, x1, cy, r, colors):
    """A horizontal cylinder seen from the side, shaded top to bottom, with its near end as an ellipse."""
    light, mid, dark = colors
    c.rect(x0, cy - r, x1, cy + r, mid)
    c.rect(x0 + 1, cy - r + 2, x1 - 1, cy - r * 0.35, light, light, 0)
    c.rect(x0 + 1, cy + r * 0.45, x1 - 1, cy + r - 2, dark, dark, 0)
    c.line(x0, cy - r, x1, cy - r)
    c.line(x0, cy + r, x1, cy + r)


def flange_x(c, x, cy, r, colors, depth=8):
    c.rect(x - depth / 2, cy - r, x + depth / 2, cy + r, colors[2])


def blades(c, cx, cy, r_hub, r_tip, count, colors, sweep=0.45, phase=0.0):
    """Axial impeller seen from the front."""
    light, mid, dark = colors
    for i in range(count):
        a = phase + 2 * math.pi * i / count
        pts = []
        for k in range(7):
            t = k / 6
            rr = r_hub + (r_tip - r_hub) * t
            aa = a + sweep * t
            pts.append((cx + rr * math.cos(aa), cy + rr * math.sin(aa)))
        for k in range(6, -1, -1):
            t = k / 6
            rr = r_hub + (r_tip - r_hub) * t
            aa = a + sweep * t + 0.55 - 0.15 * t
            pts.append((cx + rr * math.cos(aa), cy + rr * math.sin(aa)))
        c.polygon(pts, mid if i % 2 else light, dark, 1.5)
    c.circle(cx, cy, r_hub, dark)
    c.circle(cx, cy, r_hub * 0.4, light)


def guard(c, cx, cy, r, rings=4):
    for k in range(1, rings + 1):
        c.ellipse(cx, cy, r * k / rings, r * k / rings, "none", "#444c55", 1.2)
    for k in range(8):
        a = math.pi * k / 4
        c.line(cx + r * 0.15 * math.cos(a), cy + r * 0.15 * math.sin(a),
               cx + r * math.cos(a), cy + r * math.sin(a), "#444c55", 1.2)


def terminal_box(c, x, y, w=44, h=24):
    c.rect(x, y, x + w, y + h, "#3c4650")
    c.circle(x + w / 2, y + h / 2, 5, "#9aa5b0", "#1f2328", 1)


# --- kinds of fan ---------------------------------------------------------------------------------------

def round_duct(c, colors, body="straight", brackets=False):
    cy = 160
    cylinder_x(c, 60, 130, cy, 44, STEEL)                 # inlet spigot
    cylinder_x(c, 370, 440, cy, 44, STEEL)                # outlet spigot
    if body == "mixed":
        light, mid, dark = colors
        c.polygon([(130, cy - 50), (180, cy - 78), (320, cy - 78), (370, cy - 50),
                   (370, cy + 50), (320, cy + 78), (180, cy + 78), (130, cy + 50)], mid)
        c.polygon([(182, cy - 74), (318, cy - 74), (318, cy - 30), (182, cy - 30)], light, light, 0)
        c.polygon([(182, cy + 40), (318, cy + 40), (318, cy + 74), (182, cy + 74)], dark, dark, 0)
        c.line(180, cy - 78, 180, cy + 78)
        c.line(320, cy - 78, 320, cy + 78)
    else:
        cylinder_x(c, 130, 370, cy, 78, colors)
        c.line(130, cy - 78, 130, cy + 78)
        c.line(370, cy - 78, 370, cy + 78)
    c.ellipse(60, cy, 14, 44, "#dfe4e8")
    c.ellipse(60, cy, 9, 32, "#3a424a")
    c.ellipse(440, cy, 14, 44, STEEL[1])
    terminal_box(c, 228, cy - 102)
    for x in (165, 335):
        c.line(x, cy - 78, x, cy + 78, "#00000055", 1)
    if brackets:
        for x in (170, 330):
            c.polygon([(x - 20, cy + 78), (x + 20, cy + 78), (x + 30, cy + 104), (x - 30, cy + 104)], "#4a535c")
            c.rect(x - 42, cy + 104, x + 42, cy + 112, "#2f363d")
    c.arrow(70, 285, 430, 285)


def axial_duct(c, colors, foot=False, vanes=False):
    cy = 150
    # side view of the casing with its two flanges
    cylinder_x(c, 40, 200, cy, 92, colors)
    flange_x(c, 40, cy, 104, colors, 10)
    flange_x(c, 200, cy, 104, colors, 10)
    c.rect(84, cy - 40, 156, cy + 40, GRAPHITE[1])       # motor seen through the casing outline
    c.line(84, cy - 40, 156, cy - 40, "#ffffff66", 1)
    terminal_box(c, 98, cy - 122, 44, 20)
    if foot:
        c.polygon([(60, cy + 92), (180, cy + 92), (196, cy + 122), (44, cy + 122)], "#4a535c")
    # front view with the impeller
    fx, fy = 350, cy
    c.circle(fx, fy, 112, colors[2])
    c.circle(fx, fy, 100, "#e8edf1")
    for k in range(8):
        a = math.pi * k / 4 + math.pi / 8
        c.circle(fx + 106 * math.cos(a), fy + 106 * math.sin(a), 3.5, "#d0d6dc", "#1f2328", 1)
    blades(c, fx, fy, 34, 96, 9 if vanes else 6, colors)
    c.arrow(30, 300, 210, 300)


def box_duct(c, colors, square=False, insulated=False, fc=False):
    # a box in cabinet projection: front face, top and right side
    x0, y0, w, h, d = 80, 90, 250 if not square else 200, 170 if not square else 200, 90
    if square:
        y0 = 70
    light, mid, dark = colors
    c.polygon([(x0, y0), (x0 + d, y0 - d * 0.5), (x0 + w + d, y0 - d * 0.5), (x0 + w, y0)], light)
    c.polygon([(x0 + w, y0), (x0 + w + d, y0 - d * 0.5), (x0 + w + d, y0 + h - d * 0.5), (x0 + w, y0 + h)], dark)
    c.rect(x0, y0, x0 + w, y0 + h, mid)
    # rectangular outlet flange on the front face
    fw, fh = w * 0.72, h * (0.55 if not square else 0.72)
    fx0, fy0 = x0 + (w - fw) / 2, y0 + (h - fh) / 2
    c.rect(fx0 - 8, fy0 - 8, fx0 + fw + 8, fy0 + fh + 8, STEEL[1])
    c.rect(fx0, fy0, fx0 + fw, fy0 + fh, "#2b3137")
    # impeller seen through the outlet
    cx, cy, r = fx0 + fw / 2, fy0 + fh / 2, min(fw, fh) * 0.42
    c.circle(cx, cy, r, "#59636d", "#8d99a6", 1.5)
    n = 24 if fc else 9
    for k in range(n):
        a = 2 * math.pi * k / n
        r0 = r * (0.78 if fc else 0.45)
        c.line(cx + r0 * math.cos(a), cy + r0 * math.sin(a),
               cx + r * math.cos(a + (0.12 if fc else -0.5)), cy + r * math.sin(a + (0.12 if fc else -0.5)),
               "#c9d1d9", 2 if not fc else 1.5)
    c.circle(cx, cy, r * (0.75 if fc else 0.42), "#7d8b98", "#c9d1d9", 1.5)
    c.circle(cx, cy, r * 0.16, "#c9d1d9", "#1f2328", 1)
    if insulated:
        for k in range(1, 6):
            yy = y0 + h * k / 6 - d * 0.5
            c.line(x0 + w + 8, y0 + h * k / 6 - 4, x0 + w + d - 8, yy + 4, "#ffffff88", 1)
        c.text(x0 + w + 14, y0 + h - 18 - d * 0.5, "шумоизоляция", 10, fill="#ffffff")
    # terminal box on the side and feet
    terminal_box(c, x0 + w + 22, y0 + h * 0.45 - d * 0.3, 34, 22)
    for xx in (x0 + 20, x0 + w - 40):
        c.rect(xx, y0 + h, xx + 20, y0 + h + 14, "#2f363d")
    c.arrow(60, 310, 420, 310)


def roof_radial(c, colors, pressurization=False, smoke=False):
    light, mid, dark = colors
    base_y = 235
    # roof curb and square base plate in perspective
    c.polygon([(70, base_y), (430, base_y), (400, base_y + 40), (100, base_y + 40)], "#6b747c")
    c.polygon([(110, base_y - 22), (390, base_y - 22), (430, base_y), (70, base_y)], STEEL[0])
    # inlet cone and discharge gap with louvres
    c.rect(150, base_y - 62, 350, base_y - 22, "#2b3137")
    for x in range(158, 350, 12):
        c.line(x, base_y - 60, x + 6, base_y - 24, "#8d99a6", 2)
    # hood
    c.ellipse(250, base_y - 62, 150, 24, dark)
    c.polygon([(100, base_y - 62), (150, base_y - 150), (350, base_y - 150), (400, base_y - 62)], mid)
    c.polygon([(156, base_y - 146), (344, base_y - 146), (330, base_y - 120), (170, base_y - 120)], light, light, 0)
    c.ellipse(250, base_y - 150, 100, 16, light)
    # motor cap
    c.rect(205, base_y - 200, 295, base_y - 150, GRAPHITE[1])
    c.ellipse(250, base_y - 200, 45, 10, GRAPHITE[0])
    for x in range(212, 292, 10):
        c.line(x, base_y - 195, x, base_y - 155, GRAPHITE[2], 1.5)
    if pressurization:
        # outdoor air is drawn in under the hood and pushed down into the building
        c.arrow(40, base_y - 42, 140, base_y - 42, "#1b6ac9")
        c.arrow(460, base_y - 42, 360, base_y - 42, "#1b6ac9")
        c.arrow(250, base_y + 44, 250, 314, "#1b6ac9")
    else:
        # air leaves sideways, under the hood
        c.arrow(140, base_y - 42, 40, base_y - 42, "#1b6ac9")
        c.arrow(360, base_y - 42, 460, base_y - 42, "#1b6ac9")
    if smoke:
        c.text(175, base_y + 28, "400 °C / 600 °C, 2 ч", 13, True, "#ffffff")


def roof_axial(c, colors, smoke=False, pressurization=False):
    light, mid, dark = colors
    base_y = 250
    c.polygon([(80, base_y), (420, base_y), (390, base_y + 40), (110, base_y + 40)], "#6b747c")
    c.polygon([(120, base_y - 20), (380, base_y - 20), (420, base_y), (80, base_y)], STEEL[0])
    # vertical casing
    c.rect(160, base_y - 170, 340, base_y - 20, mid)
    c.rect(162, base_y - 168, 210, base_y - 22, light, light, 0)
    c.rect(300, base_y - 168, 338, base_y - 22, dark, dark, 0)
    c.ellipse(250, base_y - 20, 90, 14, "none")
    # top opening: impeller seen from above in perspective
    c.ellipse(250, base_y - 170, 90, 26, "#2b3137")
    for k in range(6):
        a = 2 * math.pi * k / 6
        c.polygon([(250, base_y - 170),
                   (250 + 86 * math.cos(a), base_y - 170 + 24 * math.sin(a)),
                   (250 + 86 * math.cos(a + 0.5), base_y - 170 + 24 * math.sin(a + 0.5))], STEEL[0], dark, 1)
    c.ellipse(250, base_y - 170, 18, 6, GRAPHITE[1])
    if smoke:
        # flaps that open under the jet
        c.polygon([(160, base_y - 172), (110, base_y - 230), (125, base_y - 236), (176, base_y - 178)], light)
        c.polygon([(340, base_y - 172), (390, base_y - 230), (375, base_y - 236), (324, base_y - 178)], light)
    terminal_box(c, 345, base_y - 120, 30, 22)
    if pressurization:
        # outdoor air is drawn in at the top and pushed down into the building
        c.arrow(250, 20, 250, base_y - 200, "#1b6ac9")
        c.arrow(250, base_y + 44, 250, 314, "#1b6ac9")
    else:
        c.arrow(250, base_y - 200, 250, 25, "#1b6ac9")


def wall_axial(c, colors):
    light, mid, dark = colors
    cx, cy = 250, 165
    c.rect(95, 10, 405, 320, mid)
    c.rect(103, 18, 397, 312, light, light, 0)
    for x, y in ((115, 30), (385, 30), (115, 300), (385, 300)):
        c.circle(x, y, 6, "#5b6773", INK, 1)
    c.circle(cx, cy, 136, dark)
    c.circle(cx, cy, 124, "#e8edf1")
    blades(c, cx, cy, 40, 118, 7, STEEL)
    guard(c, cx, cy, 124)


def radial_volute(c, colors, heavy=False):
    light, mid, dark = colors
    cx, cy = 200, 175
    # spiral casing: radius grows with the angle up to the tangential outlet
    pts = []
    for k in range(0, 73):
        a = math.radians(-90 + 5 * k)
        r = 92 * (1 + 0.42 * k / 72)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    outlet_top = cy - 92 * 1.42
    c.polygon(pts + [(cx, outlet_top), (cx + 130, outlet_top), (cx + 130, cy - 92)], mid)
    # outlet flange
    c.rect(cx + 126, outlet_top - 10, cx + 140, cy - 82, dark)
    # inlet cone and impeller
    c.circle(cx, cy, 70, "#2b3137")
    for k in range(12):
        a = 2 * math.pi * k / 12
        c.line(cx + 30 * math.cos(a), cy + 30 * math.sin(a),
               cx + 66 * math.cos(a - 0.55), cy + 66 * math.sin(a - 0.55), "#c9d1d9", 3)
    c.circle(cx, cy, 28, "#7d8b98", "#c9d1d9", 2)
    c.circle(cx, cy, 80, "none", light, 5)
    # frame and motor
    c.rect(70, 312, 440, 326, "#2f363d")
    c.polygon([(150, 290), (250, 290), (262, 312), (138, 312)], "#4a535c")
    mx = 330
    c.rect(mx, 215, mx + (110 if heavy else 90), 300, GRAPHITE[1])
    for y in range(222, 296, 9):
        c.line(mx + 6, y, mx + (104 if heavy else 84), y, GRAPHITE[2], 1.5)
    terminal_box(c, mx + 25, 193, 40, 22)
    c.rect(mx - 10, 300, mx + (120 if heavy else 100), 312, "#2f363d")
    c.arrow(cx + 150, cy - 92 * 1.21, 470, cy - 92 * 1.21)


# --- the bundled series ---------------------------------------------------------------------------------

SERIES = {
    "ДЮНА": ("канальный круглый вентилятор", lambda c: round_duct(c, PLASTIC)),
    "ДЮНАb": ("канальный круглый, трехфазное исполнение",
              lambda c: round_duct(c, STEEL, brackets=True)),
    "ВКК-СКАТ": ("канальный круглый, вперед загнутые лопатки", lambda c: round_duct(c, BLUE)),
    "ОСВ-ЖЭСТ": ("осевой канальный вентилятор", lambda c: axial_duct(c, PLASTIC)),
    "ВКМ-ЛИНИЯ": ("канальный диагональный вентилятор", lambda c: round_duct(c, GREEN, body="mixed")),
    "ВКПИ-КУБ": ("канальный шумоизолированный", lambda c: box_duct(c, BLUE, square=True, insulated=True)),
    "ВКП-ТЕРМ": ("канальный прямоугольный вентилятор", lambda c: box_duct(c, STEEL)),
    "ВКП-ВЕКТОР": ("прямоугольный, вперед загнутые лопатки", lambda c: box_duct(c, GREEN, fc=True)),
    "ВКР-ГЭСТ": ("крышный радиальный вентилятор", lambda c: roof_radial(c, STEEL)),
    "КРЫША-ЛТМЖ": ("крышный радиальный ЛТМЖ, низкошумный", lambda c: roof_radial(c, GREEN)),
    "ВКО-ГЭСТ": ("крышный осевой вентилятор", lambda c: roof_axial(c, STEEL)),
    "ОСП-ЖЭСТ": ("осевой вентилятор подпора воздуха", lambda c: axial_duct(c, RED, foot=True, vanes=True)),
    "ВРП-ЩИТ": ("радиальный вентилятор подпора воздуха", lambda c: radial_volute(c, RED)),
    "КРП-ГЭСТ": ("крышный вентилятор подпора воздуха", lambda c: roof_radial(c, RED, pressurization=True)),
    "КОП-ГЭСТ": ("крышный осевой подпора воздуха", lambda c: roof_axial(c, RED, pressurization=True)),
    "КДУ-ГЭСТ": ("крышный радиальный дымоудаления", lambda c: roof_radial(c, GRAPHITE, smoke=True)),
    "КДО-ГЭСТ": ("крышный осевой дымоудаления", lambda c: roof_axial(c, GRAPHITE, smoke=True)),
    "ВДН-ЖЭСТ": ("настенный осевой дымоудаления", lambda c: wall_axial(c, GRAPHITE)),
    "ВРД-ВИХРЬ": ("радиальный вентилятор дымоудаления", lambda c: radial_volute(c, GRAPHITE)),
    "ОСД-ЖЭСТ": ("осевой вентилятор дымоудаления", lambda c: axial_duct(c, GRAPHITE, foot=True, vanes=True)),
    "ВРДМ-ТИТАН": ("радиальный дымоудаления, тяжелый", lambda c: radial_volute(c, GRAPHITE, heavy=True)),
}


def draw(name, caption, painter, path):
    c = Canvas()
    painter(c)
    c.rect(0, 318, WIDTH, HEIGHT, "#26303a", "#26303a", 0)
    title = name[:-1] if name.endswith("b") else name
    c.text(12, 8, title, 16, True, "#ffffff", "SouthWest")
    c.text(12, 9, caption, 13, False, "#d6dde3", "SouthEast")
    subprocess.run(["convert", "-size", f"{WIDTH}x{HEIGHT}", "gradient:#ffffff-#e3e9ee",
                    "-draw", "\n".join(c.ops), "-type", "TrueColor", "-depth", "8", f"BMP3:{path}"], check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "files")
    os.makedirs(out, exist_ok=True)
    for name, (caption, painter) in SERIES.items():
        draw(name, caption, painter, os.path.join(out, name + ".bmp"))
        print(os.path.join(out, name + ".bmp"))


if __name__ == "__main__":
    main()
