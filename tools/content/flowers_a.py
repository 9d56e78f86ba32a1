#!/usr/bin/python3
"""Flower pictures for entries 1-30 (あさがお ... たちあおい).

Each function draws one flower on a 4x canvas and returns the image; see
drawing.py for the coordinate and angle conventions.
"""
import math
import random

from drawing import (LEAF_DARK, LEAF_GREEN, LEAF_LIGHT, STEM_GREEN, bezier,
                     blade, circle, darker, ellipse, ellipse_points,
                     heart_points, jagged, leaf, lighter, line, mix,
                     new_canvas, petal, point_at, polygon, radial_points,
                     rosette, shaded_petal, smooth, stem, sword_leaf, union)


def morning_glory_face(draw, cx, cy, r, colour):
    """A morning glory seen from the front: a round funnel with a pale star."""
    rim = radial_points(cx, cy, lambda a: r * (1 + 0.05 * math.cos(math.radians(5 * (a - 90)))))
    polygon(draw, rim, colour)
    polygon(draw, radial_points(cx, cy, lambda a: r * 0.94), lighter(colour, 0.12),
            outline=False)
    for i in range(5):
        a = 90 + 72 * i
        polygon(draw, blade(cx, cy, r * 0.93, r * 0.22, a, widest=0.3, tip=1.0),
                lighter(colour, 0.55), outline=False)
        line(draw, [point_at(cx, cy, r * 0.3, a), point_at(cx, cy, r * 0.88, a)],
             darker(colour, 0.85), 0.7)
    circle(draw, cx, cy, r * 0.34, (250, 250, 255), outline=False)
    circle(draw, cx, cy, r * 0.1, (238, 240, 170), outline=False)


def morning_glory_side(draw, x, y, length, angle, colour):
    """A morning glory seen from the side: a thin tube opening into a funnel."""
    tube = blade(x, y, length, length * 0.9, angle, widest=1.0, base=0.55)
    polygon(draw, tube[:-1], lighter(colour, 0.35))
    mouth = point_at(x, y, length * 0.96, angle)
    polygon(draw, ellipse_points(mouth[0], mouth[1], length * 0.16, length * 0.46,
                                 angle), colour)
    polygon(draw, ellipse_points(mouth[0], mouth[1], length * 0.09, length * 0.24,
                                 angle), (245, 245, 255), outline=False)
    leaf(draw, x, y, length * 0.3, length * 0.1, angle + 30, vein=False)
    leaf(draw, x, y, length * 0.3, length * 0.1, angle - 30, vein=False)


def asagao():
    image, draw, _ = new_canvas(190, 200)
    blue = (74, 96, 214)
    stem(draw, [(30, 198), (52, 150), (40, 112), (70, 70), (60, 30), (84, 8)], 2.6)
    stem(draw, [(52, 150), (110, 160), (150, 130)], 2.0)
    for x, y, length, a in ((42, 120, 48, 200), (66, 74, 40, 160), (100, 158, 52, 300),
                            (148, 132, 44, 20), (62, 30, 34, 140)):
        polygon(draw, heart_points(x, y, length, length * 1.05, a), LEAF_GREEN)
        line(draw, [(x, y), point_at(x, y, length * 0.8, a)], LEAF_DARK, 0.6)
    morning_glory_face(draw, 120, 72, 50, blue)
    morning_glory_side(draw, 44, 150, 52, 45, (176, 88, 200))
    bud = blade(84, 10, 26, 8, -20, widest=0.5, tip=1.2, bend=0.08)
    polygon(draw, bud, (150, 120, 220))
    return image


def hydrangea_floret(draw, cx, cy, size, colour, turn):
    """One small four-petalled hydrangea floret."""
    rosette(draw, cx, cy, 4, size, size * 0.95, colour, start=turn, widest=0.62,
            tip=1.7, base=1.4)
    circle(draw, cx, cy, size * 0.16, (236, 236, 250), outline=False)


def ajisai():
    image, draw, _ = new_canvas(200, 190)
    stem(draw, [(100, 188), (98, 150), (100, 110)], 4)
    for a, bend in ((195, -0.06), (-15, 0.06)):
        points = jagged(blade(99, 160, 78, 44, a, widest=0.42, tip=1.5, base=1.6,
                              bend=bend), 1.4)
        polygon(draw, points, LEAF_GREEN)
        line(draw, blade(99, 160, 68, 0.1, a, bend=bend)[:12], LEAF_DARK, 0.7)
    palette = [(96, 120, 222), (128, 110, 214), (150, 120, 220), (110, 150, 230),
               (176, 130, 214)]
    ellipse(draw, 100, 80, 56, 50, (76, 80, 170))
    rng = random.Random(2)
    florets = []
    for _ in range(70):
        a = rng.uniform(0, 2 * math.pi)
        d = 56 * math.sqrt(rng.uniform(0, 1))
        florets.append((d, 100 + d * math.cos(a) * 1.05, 80 + d * math.sin(a) * 0.92))
    for d, x, y in sorted(florets, reverse=True):
        colour = darker(rng.choice(palette), 0.8 + 0.2 * (1 - d / 56))
        hydrangea_floret(draw, x, y, 15 - d / 56 * 3, colour, rng.uniform(0, 90))
    return image


def anemone_flower(draw, cx, cy, r, colour, petals=6):
    for i in range(petals):
        shaded_petal(draw, cx, cy, r, r * 0.95, 90 + 360 * i / petals + 15, colour,
                     shade=lighter(colour, 0.25), widest=0.62, tip=2.2, base=1.3)
    circle(draw, cx, cy, r * 0.36, (38, 30, 60))
    for i in range(18):
        x, y = point_at(cx, cy, r * 0.42, 20 * i)
        circle(draw, x, y, r * 0.05, (60, 44, 90), outline=False)
    circle(draw, cx, cy, r * 0.2, (64, 60, 96), outline=False)


def anemone_ruff(draw, x, y, width):
    """The ring of finely cut leaves just below an anemone flower."""
    for i in range(7):
        a = 200 + 140 * i / 6
        points = jagged(blade(x, y, width, width * 0.34, a, widest=0.5, tip=1.0), 1.6)
        polygon(draw, points, LEAF_GREEN if i % 2 else LEAF_LIGHT)


def anemone():
    image, draw, _ = new_canvas(170, 195)
    stem(draw, [(62, 194), (58, 150), (66, 120), (60, 88)], 3)
    stem(draw, [(112, 194), (118, 160), (124, 118)], 2.6)
    for x, y, a in ((56, 190, 160), (64, 190, 30), (110, 192, 10), (118, 190, 150)):
        polygon(draw, jagged(blade(x, y, 36, 16, a, tip=1.0), 2.0, 3), LEAF_DARK)
    anemone_ruff(draw, 63, 128, 26)
    anemone_flower(draw, 124, 104, 30, (132, 82, 196))
    anemone_ruff(draw, 120, 134, 18)
    anemone_flower(draw, 62, 72, 44, (222, 38, 54))
    return image


def amaryllis_star(draw, cx, cy, r, red):
    """An amaryllis flower facing us: six broad pointed tepals with a pale star."""
    for ring, start in ((0, 90), (1, 120)):
        for i in range(3):
            a = start + 120 * i
            shaded_petal(draw, cx, cy, r * (1 - 0.05 * ring), r * 0.78, a, red,
                         shade=darker(red, 0.8), widest=0.55, tip=1.3, base=1.5)
            polygon(draw, blade(cx, cy, r * 0.62, r * 0.12, a, tip=1.0),
                    lighter(red, 0.6), outline=False)
    circle(draw, cx, cy, r * 0.22, (150, 196, 90), outline=False)
    for a in (240, 255, 270, 285, 300, 315):
        end = point_at(cx, cy, r * 0.7, a)
        line(draw, [(cx, cy), end], (250, 236, 200), 0.7)
        circle(draw, end[0], end[1], 1.3, (246, 220, 120), outline=False)


def amaryllis_side(draw, x, y, length, angle, red):
    """An amaryllis trumpet seen from the side, its mouth flaring open."""
    for da, scale in ((-34, 0.9), (34, 0.9), (-12, 1.0), (12, 1.0)):
        shaded_petal(draw, x, y, length * scale, length * 0.44, angle + da, red,
                     shade=darker(red, 0.8), widest=0.7, tip=1.3, bend=-da / 200)
    polygon(draw, blade(x, y, length * 0.42, length * 0.3, angle, widest=0.95),
            (120, 170, 80))


def amaryllis():
    image, draw, _ = new_canvas(172, 222)
    red = (214, 30, 40)
    for x, a, bend in ((70, 115, -0.05), (80, 100, 0.03), (96, 78, 0.06),
                       (104, 60, 0.04)):
        sword_leaf(draw, x, 220, 96, 11, a, bend=bend)
    stem(draw, [(84, 221), (84, 160), (86, 110)], 7, colour=(96, 160, 70))
    polygon(draw, blade(86, 112, 22, 7, 80, tip=1.0), (170, 150, 100))
    amaryllis_side(draw, 92, 108, 66, 28, red)
    amaryllis_star(draw, 74, 70, 52, red)
    return image


def iris_net(draw, x, y, angle, length, violet):
    """The yellow and white net pattern at the base of an iris fall."""
    polygon(draw, blade(x, y, length, length * 0.5, angle, widest=0.5, tip=1.4),
            (250, 214, 70), outline=False)
    for k in range(1, 5):
        t = k / 5
        cx, cy = point_at(x, y, length * t, angle)
        half = length * 0.22 * math.sin(math.pi * t)
        line(draw, [point_at(cx, cy, half, angle + 90), point_at(cx, cy, half, angle - 90)],
             violet, 0.7)
    line(draw, [(x, y), point_at(x, y, length * 0.95, angle)], (255, 255, 240), 1.0)
    for side in (-1, 1):
        line(draw, [point_at(x, y, length * 0.1, angle),
                    point_at(x, y, length * 0.9, angle + side * 9)], (255, 250, 230), 0.6)


def iris_flower(draw, cx, cy, size, violet):
    """An iris: three upright standards and three drooping falls."""
    for a in (70, 110, 90):
        shaded_petal(draw, cx, cy, size * 0.95, size * 0.42, a, lighter(violet, 0.08),
                     widest=0.6, tip=1.6, base=1.2)
    falls = ((222, 0.1), (-42, -0.1), (268, 0.03))
    for a, bend in falls:
        shaded_petal(draw, cx, cy + size * 0.05, size * 1.05, size * 0.62, a, violet,
                     shade=darker(violet, 0.82), widest=0.65, tip=1.9, base=1.3,
                     bend=bend)
        iris_net(draw, cx, cy + size * 0.05, a, size * 0.5, darker(violet, 0.8))
    circle(draw, cx, cy, size * 0.08, darker(violet, 0.85), outline=False)


def ayame():
    image, draw, _ = new_canvas(166, 216)
    for x, a, length, bend in ((70, 98, 150, -0.04), (78, 84, 130, 0.05),
                               (92, 78, 100, 0.04), (64, 112, 110, -0.03),
                               (98, 64, 84, 0.02)):
        sword_leaf(draw, x, 215, length, 10, a, bend=bend)
    stem(draw, [(84, 215), (83, 150), (84, 90)], 3.4)
    polygon(draw, blade(84, 104, 28, 8, 95, tip=1.0), LEAF_LIGHT)
    iris_flower(draw, 84, 70, 62, (98, 62, 184))
    return image


FLOWERS = {
    1: asagao,
    2: ajisai,
    3: anemone,
    4: amaryllis,
    5: ayame,
}
