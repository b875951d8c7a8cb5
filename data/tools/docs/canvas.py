"""A small vector canvas that writes ImageMagick drawing scripts (MVG) and renders them to 24-bit BMP."""
import math
import pathlib
import subprocess
import tempfile

SANS = "Liberation-Sans"
SANS_BOLD = "Liberation-Sans-Bold"


def _pts(points):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


class Canvas:
    def __init__(self, width, height, background="#FFFFFF"):
        self.width = width
        self.height = height
        self.defs = []
        self.body = []
        self.gradients = 0
        self.rect(0, 0, width, height, background)

    # --- paints ---------------------------------------------------------------------------------------
    def gradient(self, x1, y1, x2, y2, *stops):
        """A linear gradient between two points; stops are (offset, colour). Returns a fill value."""
        self.gradients += 1
        name = f"g{self.gradients}"
        self.defs.append(f"push gradient '{name}' linear {x1:.1f},{y1:.1f} {x2:.1f},{y2:.1f}")
        for offset, colour in stops:
            self.defs.append(f"stop-color '{colour}' {offset}")
        self.defs.append("pop gradient")
        return f"url(#{name})"

    def _style(self, fill, stroke, width):
        fill_text = fill if fill.startswith("url(") else f"'{fill}'" if fill != "none" else "none"
        lines = [f"fill {fill_text}"]
        if stroke:
            lines.append(f"stroke '{stroke}'")
            lines.append(f"stroke-width {width}")
            lines.append("stroke-linejoin round")
            lines.append("stroke-linecap round")
        else:
            lines.append("stroke none")
        return lines

    def _shape(self, fill, stroke, width, primitive):
        self.body.append("push graphic-context")
        self.body.extend(self._style(fill, stroke, width))
        self.body.append(primitive)
        self.body.append("pop graphic-context")

    # --- shapes ---------------------------------------------------------------------------------------
    def rect(self, x, y, w, h, fill, stroke=None, width=1, radius=0):
        if radius:
            prim = f"roundrectangle {x:.1f},{y:.1f} {x + w:.1f},{y + h:.1f} {radius},{radius}"
        else:
            prim = f"rectangle {x:.1f},{y:.1f} {x + w:.1f},{y + h:.1f}"
        self._shape(fill, stroke, width, prim)

    def poly(self, points, fill, stroke=None, width=1):
        self._shape(fill, stroke, width, f"polygon {_pts(points)}")

    def polyline(self, points, stroke, width=1):
        self._shape("none", stroke, width, f"polyline {_pts(points)}")

    def path(self, d, fill, stroke=None, width=1):
        self._shape(fill, stroke, width, f"path '{d}'")

    def circle(self, cx, cy, r, fill, stroke=None, width=1):
        self.ellipse(cx, cy, r, r, fill, stroke, width)

    def ellipse(self, cx, cy, rx, ry, fill, stroke=None, width=1):
        self._shape(fill, stroke, width, f"ellipse {cx:.1f},{cy:.1f} {rx:.1f},{ry:.1f} 0,360")

    def line(self, x1, y1, x2, y2, stroke, width=1):
        self._shape("none", stroke, width, f"line {x1:.1f},{y1:.1f} {x2:.1f},{y2:.1f}")

    def arrow(self, x1, y1, x2, y2, colour, width=3, head=None):
        """A straight arrow from (x1, y1) to (x2, y2)."""
        head = head or width * 4
        angle = math.atan2(y2 - y1, x2 - x1)
        bx, by = x2 - head * math.cos(angle), y2 - head * math.sin(angle)
        self.line(x1, y1, bx, by, colour, width)
        left = (bx + head * 0.5 * math.sin(angle), by - head * 0.5 * math.cos(angle))
        right = (bx - head * 0.5 * math.sin(angle), by + head * 0.5 * math.cos(angle))
        self.poly([(x2, y2), left, right], colour)

    def curved_arrow(self, points, colour, width=3, head=None):
        """An arrow along a smooth quadratic curve through three points (start, control, end)."""
        (x1, y1), (cx, cy), (x2, y2) = points
        self._shape("none", colour, width, f"path 'M {x1:.1f} {y1:.1f} Q {cx:.1f} {cy:.1f} {x2:.1f} {y2:.1f}'")
        head = head or width * 4
        angle = math.atan2(y2 - cy, x2 - cx)
        bx, by = x2 - head * math.cos(angle), y2 - head * math.sin(angle)
        left = (bx + head * 0.5 * math.sin(angle), by - head * 0.5 * math.cos(angle))
        right = (bx - head * 0.5 * math.sin(angle), by + head * 0.5 * math.cos(angle))
        self.poly([(x2 + math.cos(angle), y2 + math.sin(angle)), left, right], colour)

    def text(self, x, y, text, size=14, fill="#1F2D3D", bold=False, anchor="start"):
        safe = text.replace("\\", "\\\\").replace("'", "\u2019")
        self.body.append("push graphic-context")
        self.body.append(f"font '{SANS_BOLD if bold else SANS}'")
        self.body.append(f"font-size {size}")
        self.body.append(f"fill '{fill}'")
        self.body.append("stroke none")
        self.body.append(f"text-anchor {anchor}")
        self.body.append(f"text {x:.1f},{y:.1f} '{safe}'")
        self.body.append("pop graphic-context")

    # --- output ---------------------------------------------------------------------------------------
    def mvg(self):
        lines = [f"viewbox 0 0 {self.width} {self.height}"]
        if self.defs:
            lines += ["push defs", *self.defs, "pop defs"]
        lines += self.body
        return "\n".join(lines) + "\n"

    def save(self, path):
        path = pathlib.Path(path)
        with tempfile.TemporaryDirectory() as folder:
            script = pathlib.Path(folder) / "picture.mvg"
            script.write_text(self.mvg(), encoding="utf-8")
            fmt = "BMP3" if path.suffix.lower() == ".bmp" else "PNG24"
            subprocess.run(["convert", "-size", f"{self.width}x{self.height}", f"mvg:{script}",
                            "-alpha", "off", "-type", "TrueColor", f"{fmt}:{path}"], check=True)
