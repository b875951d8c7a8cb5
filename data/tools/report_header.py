#!/usr/bin/env python3
"""Draws the header picture of the calculation report pages (src/pages/ReportHeader.jpg, 1125 x 954
pixels, 150 pixels per inch) with ImageMagick: the maker's emblem, name and web address in a band at the
top. The text of a page starts 150 pixels down, so the rest of the picture stays white."""
import math
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "src", "pages", "ReportHeader.jpg")
RED = "#580c0c"

# The emblem: a ring with four curved blades round a hub, as the program draws its logo.
cx, cy, r = 92, 68, 52
blades = []
for turn in range(4):
    c, s = round(math.cos(turn * math.pi / 2)), round(math.sin(turn * math.pi / 2))

    def at(x, y):
        return f"{cx + c * x - s * y},{cy + s * x + c * y}"

    blades.append(f"path 'M {at(0, 0)} Q {at(10, -36)} {at(40, -24)} Q {at(24, -10)} {at(0, 0)} Z'")

command = [
    "convert", "-size", "1125x954", "xc:white",
    "-fill", RED, "-stroke", RED,
    "-strokewidth", "6", "-fill", "none", "-draw", f"circle {cx},{cy} {cx + r - 3},{cy}",
    "-strokewidth", "1", "-fill", RED,
]
for blade in blades:
    command += ["-draw", blade]
command += [
    "-draw", f"circle {cx},{cy} {cx + 9},{cy}",
    "-stroke", "none",
    "-font", "Liberation-Sans-Bold", "-pointsize", "34", "-fill", RED,
    "-annotate", "+170+62", "Производственное объединение ЗЕФИРОН",
    "-font", "Liberation-Sans", "-pointsize", "22", "-fill", "#333333",
    "-annotate", "+172+100", "Вентиляторы и оборудование систем вентиляции и дымоудаления",
    "-font", "Liberation-Sans-Bold", "-pointsize", "22", "-fill", RED,
    "-annotate", "+930+100", "www.zefiron.ru",
    "-fill", RED, "-draw", "rectangle 24,128 1101,131",
    "-density", "150", "-units", "PixelsPerInch", "-quality", "90",
    OUT,
]
subprocess.run(command, check=True)
