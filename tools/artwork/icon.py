#!/usr/bin/python3
"""The program's desktop icon: a pink flower growing out of an open picture
book on a light green rounded tile.

One list of shapes, in the 256 x 256 units of the SVG viewBox, drives both
outputs: it is written out as `hana.svg` and drawn with PIL, on a canvas larger
than each size and then reduced, as `hana-48.png`, `hana-128.png` and
`hana-256.png`.
Every shape is a filled outline with an optional stroke centred on its edge,
as SVG draws it, so the pictures match the SVG.

Usage: tools/artwork/icon.py [output folder]   (default: artwork/icon)
"""
import math
import sys
from pathlib import Path
from typing import NamedTuple

from PIL import ImageDraw

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas

from canvas import SCALE, new_canvas, reduced  # noqa: E402

VIEW = 256
PNG_SIZES = (48, 128, 256)
CURVE_STEPS = 32
ELLIPSE_STEPS = 96

OUTPUT = Path(__file__).resolve().parents[2] / "artwork" / "icon"


class Paint(NamedTuple):
    fill: str
    stroke: str = ""
    width: float = 0


def number(value):
    """A coordinate as SVG text: at most two decimals, no trailing zeros."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def arc(cx, cy, rx, ry, start, end, steps):
    """Points from angle `start` to `end` (radians) on an axis-aligned ellipse."""
    return [(cx + rx * math.cos(start + (end - start) * i / steps),
             cy + ry * math.sin(start + (end - start) * i / steps))
            for i in range(steps + 1)]


class RoundRect(NamedTuple):
    left: float
    top: float
    right: float
    bottom: float
    radius: float
    paint: Paint

    def svg(self):
        return "rect", {"x": self.left, "y": self.top,
                        "width": self.right - self.left, "height": self.bottom - self.top,
                        "rx": self.radius}

    def outline(self):
        r = self.radius
        quarter = math.pi / 2
        corners = [(self.right - r, self.top + r, -quarter),
                   (self.right - r, self.bottom - r, 0),
                   (self.left + r, self.bottom - r, quarter),
                   (self.left + r, self.top + r, 2 * quarter)]
        points = []
        for cx, cy, start in corners:
            points += arc(cx, cy, r, r, start, start + quarter, ELLIPSE_STEPS // 4)
        return points


class Ellipse(NamedTuple):
    """An ellipse whose x radius points along `angle` degrees."""
    cx: float
    cy: float
    rx: float
    ry: float
    angle: float
    paint: Paint

    def svg(self):
        if self.rx == self.ry:
            return "circle", {"cx": self.cx, "cy": self.cy, "r": self.rx}
        attributes = {"cx": self.cx, "cy": self.cy, "rx": self.rx, "ry": self.ry}
        if self.angle:
            attributes["transform"] = (f"rotate({number(self.angle)} "
                                       f"{number(self.cx)} {number(self.cy)})")
        return "ellipse", attributes

    def outline(self):
        turn = math.radians(self.angle)
        cos, sin = math.cos(turn), math.sin(turn)
        points = arc(0, 0, self.rx, self.ry, 0, 2 * math.pi, ELLIPSE_STEPS)[:-1]
        return [(self.cx + x * cos - y * sin, self.cy + x * sin + y * cos) for x, y in points]


def circle(cx, cy, r, paint):
    return Ellipse(cx, cy, r, r, 0, paint)


class Outline(NamedTuple):
    """A closed outline: a start point, then ("L", point) lines and
    ("Q", control, point) quadratic curves."""
    start: tuple
    segments: tuple
    paint: Paint

    def svg(self):
        words = ["M", *map(number, self.start)]
        for kind, *points in self.segments:
            words.append(kind)
            words += [number(v) for point in points for v in point]
        return "path", {"d": " ".join(words + ["Z"])}

    def outline(self):
        points = [self.start]
        for kind, *ends in self.segments:
            if kind == "L":
                points.append(ends[0])
            else:
                points += quadratic(points[-1], *ends)
        return points


def quadratic(start, control, end):
    """Points along a quadratic curve, without its start point."""
    points = []
    for i in range(1, CURVE_STEPS + 1):
        t = i / CURVE_STEPS
        a, b, c = (1 - t) ** 2, 2 * t * (1 - t), t * t
        points.append((a * start[0] + b * control[0] + c * end[0],
                       a * start[1] + b * control[1] + c * end[1]))
    return points


def flipped(point):
    """The point reflected across the icon's vertical middle line."""
    return VIEW - point[0], point[1]


def mirrored(path):
    """The path reflected across the icon's vertical middle line."""
    segments = tuple((kind, *map(flipped, points)) for kind, *points in path.segments)
    return Outline(flipped(path.start), segments, path.paint)


# The picture, back to front.

TILE = Paint("#84FA84", "#52C052", 8)
STEM = Paint("#3FAA48", "#236E2C", 6)
LEAF = Paint("#4CBF4C", "#236E2C", 6)
COVER = Paint("#3F74DA", "#2A4FA6", 6)
PAGE = Paint("#FFFFFF", "#2A4FA6", 6)
PETAL = Paint("#FF8DC8", "#D9468E", 8)
HEART = Paint("#FFD83A", "#E8960F", 8)
SHINE = Paint("#FFF4B0")

FLOWER_X, FLOWER_Y = 128, 90
PETAL_DISTANCE = 34


def tile():
    return [RoundRect(8, 8, 248, 248, 48, TILE)]


def stem_and_leaves():
    left_leaf = Outline((126, 188), (("Q", (96, 188), (80, 158)),
                                     ("Q", (112, 160), (126, 188))), LEAF)
    return [RoundRect(121, 130, 135, 208, 7, STEM), left_leaf, mirrored(left_leaf)]


def book():
    cover = Outline((36, 194), (("L", (36, 226)), ("Q", (88, 220), (128, 234)),
                                ("Q", (168, 220), (220, 226)), ("L", (220, 194)),
                                ("L", (128, 206))), COVER)
    left_page = Outline((128, 202), (("Q", (92, 184), (44, 190)), ("L", (44, 220)),
                                     ("Q", (92, 214), (128, 228))), PAGE)
    return [cover, left_page, mirrored(left_page)]


def petal(angle):
    """One petal pointing away from the flower's heart along `angle` degrees.

    Its centre is rounded to the two decimals the SVG keeps, so the PNGs draw
    exactly the petals the SVG describes.
    """
    turn = math.radians(angle)
    return Ellipse(round(FLOWER_X + PETAL_DISTANCE * math.cos(turn), 2),
                   round(FLOWER_Y + PETAL_DISTANCE * math.sin(turn), 2),
                   31, 24, angle, PETAL)


def flower():
    petals = [petal(angle) for angle in range(-90, 270, 72)]
    return petals + [circle(FLOWER_X, FLOWER_Y, 26, HEART),
                     circle(FLOWER_X - 9, FLOWER_Y - 9, 7, SHINE)]


def shapes():
    return tile() + stem_and_leaves() + book() + flower()


# Writing the SVG.

def svg_element(shape):
    tag, attributes = shape.svg()
    paint = shape.paint
    attributes = dict(attributes, fill=paint.fill)
    if paint.stroke:
        attributes.update({"stroke": paint.stroke, "stroke-width": paint.width,
                           "stroke-linejoin": "round"})
    text = " ".join(f'{key}="{number(value) if isinstance(value, (int, float)) else value}"'
                    for key, value in attributes.items())
    return f"  <{tag} {text}/>"


def svg_document(picture):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<svg xmlns="http://www.w3.org/2000/svg" width="{VIEW}" height="{VIEW}" '
             f'viewBox="0 0 {VIEW} {VIEW}">',
             *map(svg_element, picture),
             "</svg>"]
    return "\n".join(lines) + "\n"


# Drawing the PNGs.

def stroke(draw, points, colour, width):
    """A closed stroke of `width` centred on the outline, with round joins."""
    half = width / 2
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        length = math.hypot(x1 - x0, y1 - y0)
        if length:
            nx, ny = (y0 - y1) / length * half, (x1 - x0) / length * half
            draw.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                          (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], fill=colour)
        draw.ellipse((x0 - half, y0 - half, x0 + half, y0 + half), fill=colour)


def render(picture, size):
    """The picture as a size x size RGBA image, transparent outside the tile."""
    scale = size * SCALE / VIEW
    canvas = new_canvas(size, size)
    draw = ImageDraw.Draw(canvas)
    for shape in picture:
        points = [(x * scale, y * scale) for x, y in shape.outline()]
        draw.polygon(points, fill=shape.paint.fill)
        if shape.paint.stroke:
            stroke(draw, points, shape.paint.stroke, shape.paint.width * scale)
    return reduced(canvas)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else OUTPUT
    folder.mkdir(parents=True, exist_ok=True)
    picture = shapes()
    (folder / "hana.svg").write_text(svg_document(picture), encoding="utf-8")
    for size in PNG_SIZES:
        render(picture, size).save(folder / f"hana-{size}.png")


if __name__ == "__main__":
    main()
