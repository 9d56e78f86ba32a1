#!/usr/bin/python3
"""Drawing helpers for the menu pictures.

Shapes are given in final-picture pixels (floats) and drawn on a canvas from
canvas.new_canvas(), SCALE times larger; reducing it gives smooth anti-aliased
edges.
"""
import math

from PIL import ImageDraw

from canvas import SCALE, new_canvas


class Pen:
    """Draws on an RGBA canvas for a picture of `size` final pixels, with every
    coordinate and width in final pixels; the canvas is `image`."""

    def __init__(self, size, background):
        self.image = new_canvas(*size, background)
        self.draw = ImageDraw.Draw(self.image)

    def polygon(self, points, fill, outline=None, width=1.0):
        self.draw.polygon(_scaled(points), fill=fill)
        if outline:
            self.line(list(points) + [points[0]], outline, width)

    def line(self, points, fill, width):
        """A polyline with round joints and round ends."""
        self.draw.line(_scaled(points), fill=fill, width=round(width * SCALE), joint="curve")
        for end in (points[0], points[-1]):
            self.disc(end, width / 2, fill)

    def disc(self, centre, radius, fill):
        self.ellipse(centre, radius, radius, fill)

    def ellipse(self, centre, rx, ry, fill, outline=None, width=1.0):
        self.polygon(ellipse_points(centre, rx, ry), fill, outline, width)


def _scaled(points):
    return [(x * SCALE, y * SCALE) for x, y in points]


def ellipse_points(centre, rx, ry, steps=72):
    cx, cy = centre
    angles = [2 * math.pi * i / steps for i in range(steps)]
    return [(cx + rx * math.cos(a), cy + ry * math.sin(a)) for a in angles]


def rotated(points, angle):
    """Points turned by `angle` radians about the origin."""
    c, s = math.cos(angle), math.sin(angle)
    return [(x * c - y * s, x * s + y * c) for x, y in points]


def translated(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


def lerp(a, b, t):
    return a + (b - a) * t


def mix(colour_a, colour_b, t):
    """An RGB colour part way from colour_a to colour_b."""
    return tuple(round(lerp(a, b, t)) for a, b in zip(colour_a, colour_b))


def shade(colour, factor):
    """A colour made darker (factor < 1) or lighter (factor > 1), kept in range."""
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def smooth_closed(points, steps=12):
    """A closed Catmull-Rom curve through the given points."""
    n = len(points)
    curve = []
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k) % n] for k in (-1, 0, 1, 2))
        curve.extend(_catmull_rom(p0, p1, p2, p3, steps))
    return curve


def smooth_open(points, steps=12):
    """An open Catmull-Rom curve through the given points, ends included."""
    padded = [points[0]] + list(points) + [points[-1]]
    curve = []
    for i in range(1, len(padded) - 2):
        curve.extend(_catmull_rom(*padded[i - 1:i + 3], steps))
    curve.append(points[-1])
    return curve


def _catmull_rom(p0, p1, p2, p3, steps):
    result = []
    for k in range(steps):
        t = k / steps
        t2, t3 = t * t, t * t * t
        result.append(tuple(
            0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2
                   + (-a + 3 * b - 3 * c + d) * t3)
            for a, b, c, d in zip(p0, p1, p2, p3)))
    return result
