#!/usr/bin/python3
"""Flower pictures for entries 1-30 (あさがお ... たちあおい).

Each function draws one flower on a 4x canvas and returns the image; see
drawing.py for the coordinate and angle conventions.
"""
import math
import random

from PIL import ImageDraw

from canvas import new_canvas
from drawing import (LEAF_DARK, LEAF_GREEN, LEAF_LIGHT, STEM_GREEN,
                     blade, circle, darker, ellipse, ellipse_points,
                     heart_points, jagged, leaf, lighter, line,
                     petal, place, point_at, polygon, radial_points,
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
    image = new_canvas(190, 200)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(200, 190)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(170, 195)
    draw = ImageDraw.Draw(image)
    stem(draw, [(62, 194), (58, 150), (66, 120), (60, 88)], 3)
    stem(draw, [(112, 194), (118, 160), (124, 118)], 2.6)
    for x, y, a in ((56, 186, 160), (64, 186, 30), (110, 188, 10), (118, 186, 150)):
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
            shaded_petal(draw, cx, cy, r * (1 - 0.05 * ring), r * 0.78, start + 120 * i,
                         red, shade=darker(red, 0.8), widest=0.55, tip=1.3, base=1.5)
    for i in range(6):
        polygon(draw, blade(cx, cy, r * 0.62, r * 0.12, 90 + 30 * i, tip=1.0),
                lighter(red, 0.6), outline=False)
    circle(draw, cx, cy, r * 0.14, (150, 196, 90), outline=False)
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
    image = new_canvas(172, 222)
    draw = ImageDraw.Draw(image)
    red = (214, 30, 40)
    for x, a, bend in ((70, 115, -0.05), (80, 100, 0.03), (96, 78, 0.06),
                       (104, 60, 0.04)):
        sword_leaf(draw, x, 220, 96, 11, a, bend=bend)
    stem(draw, [(84, 221), (84, 160), (86, 110)], 7, colour=(96, 160, 70))
    polygon(draw, blade(86, 112, 22, 7, 80, tip=1.0), (170, 150, 100))
    amaryllis_side(draw, 80, 108, 64, 175, red)
    amaryllis_star(draw, 100, 64, 50, red)
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
    for a, bend in ((56, -0.12), (124, 0.12), (90, 0.0)):
        shaded_petal(draw, cx, cy, size * 0.9, size * 0.32, a, lighter(violet, 0.08),
                     widest=0.62, tip=1.6, base=1.0, bend=bend)
    falls = ((210, 0.22), (-30, -0.22), (270, 0.03))
    for a, bend in falls:
        shaded_petal(draw, cx, cy + size * 0.05, size * 1.05, size * 0.62, a, violet,
                     shade=darker(violet, 0.82), widest=0.68, tip=1.9, base=0.9,
                     bend=bend)
        start = point_at(cx, cy + size * 0.05, size * 0.16, a)
        iris_net(draw, start[0], start[1], a + bend * 40, size * 0.46, darker(violet, 0.8))
    circle(draw, cx, cy, size * 0.08, darker(violet, 0.85), outline=False)


def ayame():
    image = new_canvas(166, 216)
    draw = ImageDraw.Draw(image)
    for x, a, length, bend in ((70, 98, 150, -0.04), (78, 84, 130, 0.05),
                               (92, 78, 100, 0.04), (64, 112, 110, -0.03),
                               (98, 64, 84, 0.02)):
        sword_leaf(draw, x, 215, length, 10, a, bend=bend)
    stem(draw, [(84, 215), (83, 150), (84, 90)], 3.4)
    polygon(draw, blade(84, 104, 28, 8, 95, tip=1.0), LEAF_LIGHT)
    iris_flower(draw, 84, 70, 62, (98, 62, 184))
    return image


BARK = (92, 62, 50)


def branch(draw, points, width, colour=BARK):
    """A woody branch: a smooth dark line with a lighter streak along it."""
    stem(draw, points, width, colour)
    line(draw, smooth(points)[2:-6], lighter(colour, 0.18), width * 0.3)


def ume_flower(draw, cx, cy, r, colour, turn=90):
    """A plum blossom seen from the front: five round petals and fine stamens."""
    for i in range(5):
        petal(draw, cx, cy, r, r * 1.02, turn + 72 * i, colour, widest=0.62,
              tip=2.0, base=1.1)
    circle(draw, cx, cy, r * 0.3, darker(colour, 0.75), outline=False)
    for i in range(12):
        end = point_at(cx, cy, r * 0.68, turn + 30 * i + 8)
        line(draw, [(cx, cy), end], (250, 236, 220), 0.45)
        circle(draw, end[0], end[1], r * 0.07, (244, 206, 70), outline=False)


def ume():
    image = new_canvas(214, 164)
    draw = ImageDraw.Draw(image)
    red = (226, 58, 100)
    branch(draw, [(2, 150), (50, 126), (92, 104), (140, 70), (172, 50), (212, 12)], 7)
    branch(draw, [(92, 104), (100, 64), (104, 14)], 4)
    branch(draw, [(140, 70), (178, 96), (210, 112)], 4)
    branch(draw, [(40, 130), (34, 80)], 3)
    for x, y, r in ((34, 84, 3.5), (104, 18, 3.5), (206, 16, 3), (208, 110, 3.5),
                    (168, 56, 3), (60, 124, 3)):
        circle(draw, x, y, r, darker(red, 0.8))
    for x, y, r, turn in ((72, 112, 21, 80), (114, 90, 20, 100), (96, 40, 18, 70),
                          (184, 38, 19, 60), (182, 98, 18, 90), (34, 108, 16, 90),
                          (150, 64, 15, 110)):
        ume_flower(draw, x, y, r, red, turn)
    return image


def patrinia_cluster(draw, cx, cy, rx, ry, rng):
    """A flat-topped cluster of tiny yellow flowers."""
    spots = []
    for _ in range(42):
        a = rng.uniform(0, 2 * math.pi)
        d = math.sqrt(rng.uniform(0, 1))
        spots.append((cy + d * ry * math.sin(a), cx + d * rx * math.cos(a)))
    for y, x in sorted(spots):
        colour = (250, 216, 40) if rng.random() < 0.7 else (228, 186, 30)
        circle(draw, x, y, 2.6, colour, outline=(190, 150, 20), width=0.5)


def ominaeshi():
    image = new_canvas(168, 216)
    draw = ImageDraw.Draw(image)
    rng = random.Random(7)
    stem(draw, [(80, 215), (80, 150), (78, 96), (80, 60)], 2.6)
    tops = ((36, 50), (62, 34), (92, 28), (122, 40), (144, 58), (80, 60))
    for x, y in tops:
        stem(draw, [(80, 98), ((x + 80) / 2, (y + 98) / 2 + 4), (x, y + 6)], 1.2,
             colour=(120, 150, 70))
    for x, y, a in ((80, 176, 20), (80, 176, 160), (79, 132, 30), (79, 132, 150)):
        points = jagged(blade(x, y, 40, 17, a, tip=1.0, widest=0.5), 4.0, 4)
        polygon(draw, points, LEAF_GREEN)
        line(draw, [(x, y), point_at(x, y, 34, a)], LEAF_DARK, 0.6)
    for x, y in tops:
        patrinia_cluster(draw, x, y, 19, 9, rng)
    return image


def frilled_fan(draw, cx, cy, radius, spread, colour, rng):
    """One ruffled layer of carnation petals, fanning up from (cx, cy)."""
    edge = []
    for k in range(0, 61):
        a = 90 - spread + 2 * spread * k / 60
        edge.append(point_at(cx, cy, radius * (0.93 + 0.07 * rng.random()), a))
    points = jagged(edge + [(cx, cy + radius * 0.15)], radius * 0.07, 2)
    polygon(draw, points, colour)


def carnation_head(draw, cx, cy, size, colour, rng):
    """A carnation from the side: frilly layers of petals over a long calyx."""
    frilled_fan(draw, cx, cy, size, 85, colour, rng)
    frilled_fan(draw, cx - size * 0.2, cy - size * 0.08, size * 0.72, 60,
                darker(colour, 0.88), rng)
    frilled_fan(draw, cx + size * 0.22, cy - size * 0.1, size * 0.7, 58,
                lighter(colour, 0.15), rng)
    frilled_fan(draw, cx, cy - size * 0.05, size * 0.55, 45, colour, rng)
    calyx = [(cx - size * 0.28, cy + size * 0.12), (cx + size * 0.28, cy + size * 0.12),
             (cx + size * 0.16, cy + size * 0.8), (cx - size * 0.16, cy + size * 0.8)]
    polygon(draw, calyx, (120, 170, 120))
    for t in (-0.16, 0.0, 0.16):
        polygon(draw, blade(cx + t * size, cy + size * 0.2, size * 0.22, size * 0.14, 90,
                            tip=1.0), (120, 170, 120))
    for t in (-0.08, 0.08):
        line(draw, [(cx + t * size, cy + size * 0.3), (cx + t * size * 0.8, cy + size * 0.76)],
             (96, 140, 100), 0.6)


def carnation():
    image = new_canvas(152, 214)
    draw = ImageDraw.Draw(image)
    rng = random.Random(8)
    grey_green = (112, 160, 128)
    pink = (232, 72, 118)
    stem(draw, [(74, 213), (72, 160), (70, 100)], 3, colour=grey_green)
    stem(draw, [(72, 160), (100, 130), (116, 92)], 2.4, colour=grey_green)
    for y in (196, 168, 132):
        for a in (35, 145):
            leaf(draw, 72, y, 36, 6, a + (10 if a < 90 else -10), fill=grey_green,
                 vein=False, bend=0.06 if a < 90 else -0.06)
    polygon(draw, blade(116, 96, 24, 11, 80, widest=0.4, tip=1.2), (120, 170, 120))
    polygon(draw, blade(117, 78, 8, 7, 80, tip=1.6), pink)
    carnation_head(draw, 70, 64, 58, pink, rng)
    return image


def daisy_head(draw, cx, cy, radius, colour, count, centre, shade=None):
    """A daisy-type flower head: two rings of ray petals and a round centre."""
    for ring, scale in ((0, 1.0), (1, 0.8)):
        tone = colour if ring == 0 else (shade or darker(colour, 0.9))
        for i in range(count):
            a = 90 + (i + 0.5 * ring) * 360 / count
            petal(draw, cx, cy, radius * scale, radius * 0.27 * scale, a, tone,
                  widest=0.65, tip=2.2, base=1.0, notch=0.04)
    circle(draw, cx, cy, radius * 0.32, centre)
    circle(draw, cx, cy, radius * 0.22, darker(centre, 0.75), outline=False)


def gerbera():
    image = new_canvas(182, 204)
    draw = ImageDraw.Draw(image)
    for x, a, bend in ((84, 150, -0.1), (90, 120, -0.05), (96, 40, 0.08), (92, 15, 0.1)):
        points = jagged(blade(x, 196, 48, 20, a, tip=1.2, widest=0.6), 3.0, 4)
        polygon(draw, points, LEAF_GREEN)
    stem(draw, [(90, 202), (94, 150), (96, 80)], 3.4)
    stem(draw, [(92, 200), (130, 150), (146, 110)], 2.6)
    daisy_head(draw, 146, 102, 28, (250, 200, 40), 18, (120, 90, 40))
    daisy_head(draw, 86, 72, 62, (250, 86, 70), 22, (110, 80, 40),
               shade=(236, 60, 70))
    for i in range(16):
        x, y = point_at(86, 72, 62 * 0.27, 22.5 * i)
        circle(draw, x, y, 1.4, (250, 220, 90), outline=False)
    return image


def canna_flower(draw, cx, cy, size, colour):
    """A canna flower: a loose bunch of broad wavy petals."""
    for a, length, bend in ((160, 0.8, -0.12), (20, 0.8, 0.12), (130, 1.0, -0.1),
                            (50, 1.0, 0.1), (102, 1.15, 0.06), (78, 1.1, -0.06),
                            (265, 0.7, 0.15)):
        points = jagged(blade(cx, cy, size * length, size * 0.5, a, widest=0.66,
                              tip=2.2, base=1.2, bend=bend), size * 0.025, 3)
        polygon(draw, points, colour)
        polygon(draw, blade(cx, cy, size * length * 0.55, size * 0.22, a, bend=bend),
                darker(colour, 0.85), outline=False)
    circle(draw, cx, cy, size * 0.1, (250, 200, 60), outline=False)


def paddle_leaf(draw, x, y, length, angle, bend):
    """A big broad canna leaf with a midrib and slanting side veins."""
    vein = (52, 116, 56)
    polygon(draw, blade(x, y, length, length * 0.4, angle, widest=0.45, tip=1.3,
                        base=1.6, bend=bend), (70, 142, 70))
    slant = 35 if angle < 90 else -35
    for t in (0.25, 0.45, 0.65):
        root = point_at(x, y, length * t, angle)
        line(draw, [root, point_at(root[0], root[1], length * 0.16, angle + slant)], vein, 0.5)
    line(draw, [(x, y), point_at(x, y, length * 0.9, angle)], vein, 0.8)


def canna():
    image = new_canvas(182, 220)
    draw = ImageDraw.Draw(image)
    stem(draw, [(90, 219), (90, 140), (90, 70)], 6)
    for y, a, bend, length in ((214, 150, -0.1, 96), (206, 30, 0.1, 96),
                               (170, 130, -0.1, 84), (158, 50, 0.1, 84),
                               (122, 115, -0.08, 56)):
        paddle_leaf(draw, 90, y, length, a, bend)
    polygon(draw, blade(98, 44, 30, 9, 62, tip=1.0), (200, 40, 40))
    polygon(draw, blade(94, 46, 26, 8, 84, tip=1.0), (214, 60, 40))
    canna_flower(draw, 114, 36, 30, (236, 88, 40))
    canna_flower(draw, 86, 64, 50, (228, 46, 36))
    return image


def lobed_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN):
    """A leaf with two pairs of rounded side lobes (chrysanthemum-like)."""
    shapes = [blade(x, y, length, width * 0.55, angle, widest=0.6, tip=1.6)]
    for t, spread, scale in ((0.45, 48, 0.55), (0.2, 70, 0.4)):
        root = point_at(x, y, length * t, angle)
        for side in (-1, 1):
            shapes.append(blade(root[0], root[1], length * scale, width * 0.4,
                                angle + side * spread, widest=0.6, tip=1.6))
    union(draw, shapes, fill)
    line(draw, [(x, y), point_at(x, y, length * 0.85, angle)], darker(fill, 0.8), 0.6)


def kiku():
    image = new_canvas(184, 204)
    draw = ImageDraw.Draw(image)
    stem(draw, [(92, 203), (90, 160), (92, 110)], 4)
    lobed_leaf(draw, 91, 176, 52, 40, 160)
    lobed_leaf(draw, 91, 160, 50, 38, 25)
    lobed_leaf(draw, 91, 186, 44, 34, 20)
    cx, cy = 92, 82
    rings = ((30, 66, 8.5, (246, 196, 24)), (26, 54, 8.5, (250, 206, 40)),
             (22, 42, 8.0, (252, 214, 60)), (16, 30, 7.5, (250, 200, 44)),
             (10, 18, 6.5, (240, 180, 30)))
    for k, (count, length, width, colour) in enumerate(rings):
        for i in range(count):
            a = 90 + (i + 0.5 * (k % 2)) * 360 / count
            petal(draw, cx, cy, length, width, a, colour, widest=0.7, tip=2.0,
                  base=1.0)
    circle(draw, cx, cy, 7, (236, 170, 30))
    return image


def oleander_flower(draw, cx, cy, r, colour):
    """An oleander flower: five petals twisted like a pinwheel."""
    for i in range(5):
        shaded_petal(draw, cx, cy, r, r * 0.78, 100 + 72 * i, colour,
                     shade=lighter(colour, 0.3), widest=0.72, tip=2.4, base=1.1,
                     bend=0.34)
    circle(draw, cx, cy, r * 0.2, lighter(colour, 0.5), outline=darker(colour, 0.8))
    for i in range(5):
        x, y = point_at(cx, cy, r * 0.14, 136 + 72 * i)
        circle(draw, x, y, r * 0.05, darker(colour, 0.7), outline=False)


def kyouchikutou():
    image = new_canvas(196, 186)
    draw = ImageDraw.Draw(image)
    pink = (240, 118, 160)
    stem(draw, [(98, 185), (96, 130), (98, 96)], 3.6)
    for y, angles in ((168, (150, 30, 265)), (126, (160, 20, 100))):
        for a in angles:
            leaf(draw, 97, y, 74 if a != 100 else 50, 13, a, fill=LEAF_DARK,
                 bend=0.05 if 90 < a < 270 else -0.05)
    for a in (120, 90, 60):
        stem(draw, [(97, 104), point_at(97, 104, 26, a)], 1.6)
    for x, y, r in ((60, 78, 24), (138, 76, 24), (98, 46, 25), (70, 34, 20),
                    (128, 30, 21), (100, 88, 22)):
        oleander_flower(draw, x, y, r, pink)
    for x, y, a in ((52, 50, 125), (146, 50, 55)):
        polygon(draw, blade(x, y, 16, 7, a, widest=0.6, tip=1.5, bend=0.1), pink)
    return image


def kinsenka():
    image = new_canvas(172, 184)
    draw = ImageDraw.Draw(image)
    pale = (120, 176, 90)
    stem(draw, [(86, 183), (86, 140), (84, 100)], 3.6, colour=pale)
    stem(draw, [(86, 160), (124, 130), (140, 102)], 2.6, colour=pale)
    for y, a in ((176, 160), (170, 20), (146, 150), (130, 35)):
        leaf(draw, 86, y, 50, 18, a, fill=pale, tip=2.0, widest=0.7,
             bend=0.06 if a > 90 else -0.06)
    polygon(draw, blade(140, 106, 22, 16, 90, widest=0.55, tip=1.6), pale)
    for i in range(5):
        polygon(draw, blade(140, 90, 10, 5, 60 + 15 * i, tip=1.6), (250, 150, 30),
                outline=(200, 100, 20))
    cx, cy = 80, 72
    for k, (count, length, width, colour) in enumerate(
            ((26, 62, 13, (248, 136, 20)), (24, 50, 12, (250, 152, 30)),
             (20, 38, 11, (244, 126, 16)))):
        for i in range(count):
            a = 90 + (i + 0.5 * k) * 360 / count
            petal(draw, cx, cy, length, width, a, colour, widest=0.7, tip=2.4,
                  notch=0.03)
    circle(draw, cx, cy, 16, (196, 100, 20))
    circle(draw, cx, cy, 10, (150, 74, 20), outline=False)
    return image


def gardenia_flower(draw, cx, cy, r):
    """A gardenia: six thick creamy white petals twisted round a small centre."""
    cream = (252, 250, 236)
    for ring, (scale, start) in enumerate(((1.0, 90), (0.66, 120))):
        for i in range(6):
            shaded_petal(draw, cx, cy, r * scale, r * scale * 0.62, start + 60 * i, cream,
                         shade=(236, 234, 214), outline=(180, 178, 150), widest=0.62,
                         tip=1.8, base=1.2, bend=0.14)
    circle(draw, cx, cy, r * 0.1, (240, 220, 140), outline=(200, 180, 100))


def glossy_leaf(draw, x, y, length, width, angle, fill=LEAF_DARK):
    """A thick glossy leaf with a light midrib and curved side veins."""
    leaf(draw, x, y, length, width, angle, fill=fill, vein=False, tip=1.2,
         widest=0.48, base=1.4)
    vein = lighter(fill, 0.3)
    line(draw, [(x, y), point_at(x, y, length * 0.9, angle)], vein, 0.7)
    for t in (0.25, 0.45, 0.65):
        root = point_at(x, y, length * t, angle)
        for side in (-1, 1):
            line(draw, [root, point_at(root[0], root[1], width * 0.4, angle + side * 45)],
                 vein, 0.45)


def kuchinashi():
    image = new_canvas(188, 180)
    draw = ImageDraw.Draw(image)
    stem(draw, [(30, 170), (70, 140), (100, 110)], 3.4, colour=(110, 120, 70))
    stem(draw, [(70, 140), (130, 142), (170, 120)], 2.6, colour=(110, 120, 70))
    for x, y, a, length in ((70, 140, 225, 40), (70, 140, 185, 48), (130, 142, 300, 38),
                            (130, 142, 80, 48), (100, 112, 160, 48), (100, 112, 20, 48),
                            (166, 122, 30, 26)):
        glossy_leaf(draw, x, y, length, 22, a)
    polygon(draw, blade(160, 124, 32, 14, 80, widest=0.5, tip=1.4),
            (244, 244, 226), outline=(170, 170, 140))
    for t in (0.3, 0.55):
        low = point_at(160, 124, 32 * t, 80)
        high = point_at(160, 124, 32 * (t + 0.2), 80)
        line(draw, [(low[0] - 5, low[1]), (high[0] + 5, high[1])], (200, 200, 170), 0.6)
    polygon(draw, blade(160, 124, 12, 12, 80, widest=0.6, tip=1.2), LEAF_GREEN)
    gardenia_flower(draw, 92, 70, 56)
    return image


def gladiolus_flower(draw, cx, cy, size, colour, tilt):
    """One open gladiolus flower: three broad upper tepals, three narrow lower ones."""
    for a, scale, width in ((tilt + 35, 0.92, 0.62), (tilt + 145, 0.92, 0.62),
                            (tilt + 90, 1.0, 0.7), (tilt - 35, 0.72, 0.46),
                            (tilt - 145, 0.72, 0.46), (tilt - 90, 0.78, 0.5)):
        points = jagged(blade(cx, cy, size * scale, size * width, a, widest=0.62,
                              tip=1.7, base=1.2), size * 0.025, 3)
        polygon(draw, points, colour)
        polygon(draw, blade(cx, cy, size * scale * 0.45, size * width * 0.5, a),
                darker(colour, 0.88), outline=False)
    for a in (tilt - 35, tilt - 145, tilt - 90):
        polygon(draw, blade(cx, cy, size * 0.55, size * 0.16, a, tip=1.2),
                lighter(colour, 0.6), outline=False)
    circle(draw, cx, cy, size * 0.1, darker(colour, 0.8), outline=False)


def gladiolus():
    image = new_canvas(150, 222)
    draw = ImageDraw.Draw(image)
    salmon = (246, 96, 96)
    for x, a, length, bend in ((84, 96, 120, -0.03), (92, 80, 100, 0.04),
                               (78, 108, 90, -0.05), (98, 66, 74, 0.03)):
        sword_leaf(draw, x, 221, length, 11, a, bend=bend)
    stem(draw, [(96, 221), (98, 150), (102, 80), (108, 6)], 3.4)
    for y, size in ((22, 6), (36, 7), (50, 8)):
        x = 108 - (y - 6) * 0.08
        polygon(draw, blade(x, y + 8, size * 2.2, size, 110, tip=1.0, widest=0.5),
                salmon)
        polygon(draw, blade(x, y + 8, size * 1.2, size * 0.9, 115, widest=0.7, tip=1.0),
                LEAF_LIGHT)
    for y, size in ((72, 26), (104, 30), (138, 33), (174, 35)):
        x = 102 - (y - 70) * 0.06
        polygon(draw, blade(x, y + 6, 16, 10, 200, tip=1.0), LEAF_LIGHT)
        gladiolus_flower(draw, x - size * 0.62, y, size, salmon, 12)
    return image


def crocus_cup(draw, x, y, height, colour):
    """A crocus goblet, orange stigma peeping out between the tepals."""
    polygon(draw, blade(x, y, height, height * 0.5, 90, widest=0.62, tip=1.7,
                        base=1.3), darker(colour, 0.82))
    for da in (-8, 0, 8):
        end = point_at(x, y, height * 1.02, 90 + da)
        line(draw, [point_at(x, y, height * 0.5, 90), end], (250, 140, 20), 1.0)
    for da in (-12, 12):
        petal(draw, x, y, height * 0.96, height * 0.42, 90 + da, colour,
              widest=0.6, tip=1.7, base=1.3, bend=da / 200)
    petal(draw, x, y, height * 0.92, height * 0.44, 90, lighter(colour, 0.1),
          widest=0.6, tip=1.7, base=1.3)
    for dx in (-0.07, 0.0, 0.07):
        line(draw, [(x + dx * height, y - height * 0.2),
                    (x + dx * height * 1.5, y - height * 0.7)], darker(colour, 0.7), 0.55)


def crocus():
    image = new_canvas(178, 150)
    draw = ImageDraw.Draw(image)
    rng = random.Random(16)
    cups = ((38, 112, 50, (250, 206, 30)), (142, 110, 52, (244, 240, 250)),
            (110, 98, 60, (150, 90, 206)), (70, 96, 62, (130, 76, 196)))
    for x, y, height, _ in cups:
        line(draw, [(x, 148), (x, y)], (226, 236, 206), height * 0.11)
    for k in range(13):
        x = 26 + k * 10.5 + rng.uniform(-4, 4)
        a = 90 + rng.uniform(-26, 26)
        length = rng.uniform(40, 70)
        leaf(draw, x, 148, length, 7, a, fill=LEAF_DARK, vein=False, tip=0.9,
             widest=0.3, bend=rng.uniform(-0.06, 0.06))
        line(draw, [point_at(x, 148, length * t, a) for t in (0.05, 0.7)],
             (220, 240, 210), 0.7)
    for x, y, height, colour in cups:
        crocus_cup(draw, x, y, height, colour)
    return image


def comb_lobe(draw, cx, cy, r, colour, rng):
    """Wavy velvet folds inside one lobe of a cockscomb crest."""
    for k in (0.75, 0.5, 0.25):
        points = []
        for i in range(25):
            a = 15 + 150 * i / 24
            wave = 1 + 0.1 * math.sin(math.radians(6 * a) + rng.uniform(0, 0.6))
            points.append(point_at(cx, cy + r * (1 - k) * 0.6, r * k * wave, a))
        line(draw, points, colour, 0.7)


def keitou():
    image = new_canvas(186, 200)
    draw = ImageDraw.Draw(image)
    red = (206, 20, 70)
    rng = random.Random(17)
    stem(draw, [(92, 199), (90, 150), (92, 110)], 8, colour=(120, 150, 60))
    for y, a in ((188, 155), (176, 25), (150, 150), (138, 30)):
        leaf(draw, 91, y, 54, 17, a, fill=(96, 150, 60), tip=1.1,
             bend=0.08 if a > 90 else -0.08)
    lobes = ((22, 76, 20), (44, 54, 24), (74, 40, 26), (108, 38, 27), (138, 50, 25),
             (162, 72, 20), (60, 76, 22), (96, 68, 24), (128, 78, 22))
    wedge = [(80, 118), (104, 118), (170, 86), (150, 40), (40, 40), (14, 90)]
    shapes = [wedge] + [radial_points(x, y, lambda a, r=r: r) for x, y, r in lobes]
    union(draw, shapes, red, outline=darker(red, 0.6))
    for x, y, r in lobes:
        comb_lobe(draw, x, y, r, darker(red, 0.74), rng)
    for x, y, r in lobes[:6]:
        line(draw, [point_at(x, y, r * 0.88, a) for a in range(40, 141, 10)],
             lighter(red, 0.35), 1.2)
    return image


def cosmos_petal(draw, x, y, length, width, angle, colour):
    """A broad cosmos ray petal with three little teeth at its end."""
    w = width / 2
    local = [(0, 0), (length * 0.25, -w * 0.5), (length * 0.7, -w * 0.95),
             (length * 0.93, -w), (length, -w * 0.62), (length * 0.94, -w * 0.34),
             (length, 0), (length * 0.94, w * 0.34), (length, w * 0.62),
             (length * 0.93, w), (length * 0.7, w * 0.95), (length * 0.25, w * 0.5)]
    polygon(draw, place(local, x, y, angle), colour)
    for v in (-0.3, 0.0, 0.3):
        line(draw, place([(length * 0.2, 0), (length * 0.8, v * w)], x, y, angle),
             darker(colour, 0.9), 0.45)


def cosmos_flower(draw, cx, cy, r, colour, turn=90):
    for i in range(8):
        cosmos_petal(draw, cx, cy, r, r * 0.5, turn + 45 * i, colour)
    circle(draw, cx, cy, r * 0.22, (250, 200, 30), outline=(200, 140, 20))
    for i in range(10):
        x, y = point_at(cx, cy, r * 0.14, 36 * i)
        circle(draw, x, y, r * 0.03, (200, 130, 20), outline=False)


def feathery_leaf(draw, x, y, length, angle, colour=LEAF_GREEN):
    """A leaf cut into thread-like segments, as on cosmos."""
    line(draw, [(x, y), point_at(x, y, length, angle)], colour, 0.9)
    for k in range(1, 6):
        root = point_at(x, y, length * k / 6, angle)
        for side in (-1, 1):
            line(draw, [root, point_at(root[0], root[1], length * 0.35 * (1 - k / 9),
                                       angle + side * 50)], colour, 0.8)


def cosmos():
    image = new_canvas(192, 204)
    draw = ImageDraw.Draw(image)
    stem(draw, [(96, 203), (92, 150), (80, 110), (72, 80)], 2.2)
    stem(draw, [(92, 150), (120, 110), (142, 74)], 1.8)
    stem(draw, [(96, 190), (132, 172), (168, 150)], 1.6)
    for x, y, a, length in ((92, 160, 30, 34), (92, 156, 160, 30), (84, 120, 10, 26),
                            (82, 118, 170, 30), (118, 112, 40, 24), (130, 172, 100, 22),
                            (95, 188, 140, 32)):
        feathery_leaf(draw, x, y, length, a)
    polygon(draw, blade(168, 152, 14, 11, 70, widest=0.6, tip=1.8), (200, 60, 130))
    cosmos_flower(draw, 142, 70, 30, (206, 40, 130), 80)
    cosmos_flower(draw, 70, 72, 46, (246, 150, 190), 100)
    return image


def kobushi_flower(draw, cx, cy, size, turn):
    """A kobushi magnolia: six loose narrow white tepals, pink at the base."""
    white = (252, 252, 246)
    for a, scale, bend in ((turn + 70, 1.0, 0.1), (turn + 110, 1.0, -0.1),
                           (turn + 30, 0.9, 0.12), (turn + 150, 0.9, -0.12),
                           (turn - 5, 0.8, 0.14), (turn + 185, 0.8, -0.14)):
        shaded_petal(draw, cx, cy, size * scale, size * 0.34, a, white,
                     shade=(248, 220, 230), outline=(180, 180, 170), widest=0.6,
                     tip=1.8, base=1.1, bend=bend)
    circle(draw, cx, cy, size * 0.1, (200, 190, 140), outline=False)


def kobushi():
    image = new_canvas(214, 178)
    draw = ImageDraw.Draw(image)
    bark = (120, 104, 96)
    branch(draw, [(2, 160), (60, 140), (110, 118), (160, 104), (212, 96)], 6, bark)
    branch(draw, [(60, 140), (56, 100), (48, 66)], 3.6, bark)
    branch(draw, [(130, 112), (140, 80), (150, 50)], 3.6, bark)
    branch(draw, [(180, 100), (196, 76)], 2.8, bark)
    for x, y, a in ((52, 78, 200), (146, 60, 340), (196, 84, 320)):
        leaf(draw, x, y, 16, 7, a, fill=LEAF_LIGHT, vein=False)
    for x, y, a in ((100, 116, 60), (24, 154, 100)):
        polygon(draw, blade(x, y, 16, 9, a, widest=0.45, tip=1.2), (170, 178, 150),
                outline=(120, 124, 100))
    kobushi_flower(draw, 48, 62, 40, 90)
    kobushi_flower(draw, 150, 46, 40, 80)
    kobushi_flower(draw, 196, 74, 26, 70)
    return image


def sakura_flower(draw, cx, cy, r, turn):
    """A cherry blossom: five pale pink notched petals and a pink centre."""
    pink = (252, 214, 226)
    for i in range(5):
        shaded_petal(draw, cx, cy, r, r * 0.8, turn + 72 * i, pink,
                     shade=(248, 186, 206), outline=(222, 140, 170), widest=0.66,
                     tip=2.0, base=1.2, notch=0.14)
    circle(draw, cx, cy, r * 0.22, (232, 110, 150), outline=False)
    for i in range(10):
        end = point_at(cx, cy, r * 0.5, turn + 36 * i)
        line(draw, [(cx, cy), end], (230, 120, 160), 0.45)
        circle(draw, end[0], end[1], r * 0.06, (240, 200, 90), outline=False)


def sakura_cluster(draw, x, y, flowers):
    """Cherry blossoms hanging together on long stalks from one point of a branch."""
    for fx, fy, r, turn in flowers:
        line(draw, smooth([(x, y), ((x + fx) / 2 + 2, (y + fy) / 2), (fx, fy)]),
             (120, 160, 80), 0.9)
    circle(draw, x, y, 3, (150, 90, 70))
    for fx, fy, r, turn in flowers:
        sakura_flower(draw, fx, fy, r, turn)


def sakura():
    image = new_canvas(214, 172)
    draw = ImageDraw.Draw(image)
    bark = (84, 56, 54)
    branch(draw, [(2, 60), (60, 58), (120, 40), (176, 30), (212, 36)], 7, bark)
    branch(draw, [(120, 40), (150, 58), (200, 90)], 4, bark)
    branch(draw, [(60, 58), (40, 36)], 3, bark)
    sakura_cluster(draw, 70, 60, ((48, 100, 20, 90), (84, 112, 20, 70),
                                  (66, 132, 20, 100)))
    sakura_cluster(draw, 150, 58, ((128, 94, 20, 80), (160, 104, 21, 100),
                                   (146, 134, 20, 90)))
    sakura_cluster(draw, 190, 84, ((196, 120, 17, 60),))
    sakura_cluster(draw, 110, 44, ((102, 20, 18, 90), (132, 20, 16, 110)))
    sakura_cluster(draw, 26, 60, ((20, 90, 16, 70),))
    return image


def primrose_flower(draw, cx, cy, r, colour, turn):
    """A primrose: five heart-shaped petals round a white eye."""
    for i in range(5):
        petal(draw, cx, cy, r, r * 0.86, turn + 72 * i, colour, widest=0.7,
              tip=2.0, base=1.3, notch=0.2)
    circle(draw, cx, cy, r * 0.3, (252, 246, 250), outline=False)
    circle(draw, cx, cy, r * 0.1, (240, 200, 80), outline=False)


def crinkled_leaf(draw, x, y, length, width, angle, fill):
    """An oval leaf with a scalloped edge and deep, wrinkled veins."""
    points = jagged(blade(x, y, length, width, angle, widest=0.55, tip=2.0,
                          base=1.4), 1.2, 2)
    polygon(draw, points, fill)
    vein = darker(fill, 0.8)
    line(draw, [point_at(x, y, length * t, angle) for t in (0.05, 0.9)], vein, 0.6)
    for t in (0.3, 0.5, 0.7):
        root = point_at(x, y, length * t, angle)
        for side in (-1, 1):
            line(draw, [root, point_at(root[0], root[1], width * 0.38, angle + side * 55)],
                 vein, 0.45)


def sakurasou():
    image = new_canvas(172, 176)
    draw = ImageDraw.Draw(image)
    pink = (238, 110, 168)
    for a, length in ((165, 62), (15, 62), (130, 58), (50, 58), (95, 40)):
        crinkled_leaf(draw, 86, 162, length, length * 0.55, a, LEAF_LIGHT)
    stem(draw, [(86, 164), (86, 120), (86, 78)], 2.4)
    heads = ((52, 62, 150), (86, 44, 90), (120, 58, 30), (66, 92, 210), (108, 90, 330),
             (86, 72, 90))
    for x, y, _ in heads:
        line(draw, smooth([(86, 80), ((86 + x) / 2, (80 + y) / 2 - 4), (x, y)]), STEM_GREEN, 1.0)
    for x, y, turn in heads:
        primrose_flower(draw, x, y, 21, pink, turn + 90)
    return image


def sazanka_flower(draw, cx, cy, r, colour):
    """A sasanqua camellia: a flat ring of wavy petals round loose yellow stamens."""
    for i in range(7):
        a = 90 + 360 * i / 7 + (8 if i % 2 else 0)
        points = jagged(blade(cx, cy, r * (1 - 0.06 * (i % 2)), r * 0.78, a, widest=0.7,
                              tip=2.2, base=1.2, notch=0.06), r * 0.02, 3)
        polygon(draw, points, colour)
        polygon(draw, blade(cx, cy, r * 0.55, r * 0.4, a, widest=0.7, tip=2.0),
                lighter(colour, 0.55), outline=False)
    for i in range(30):
        a = 12 * i
        end = point_at(cx, cy, r * (0.3 + 0.08 * (i % 3)), a)
        line(draw, [(cx, cy), end], (250, 240, 200), 0.5)
        circle(draw, end[0], end[1], r * 0.045, (246, 200, 40), outline=False)


def serrated_leaf(draw, x, y, length, width, angle, fill=LEAF_DARK):
    """A small glossy elliptic leaf with a finely toothed edge."""
    points = jagged(blade(x, y, length, width, angle, widest=0.5, tip=1.3, base=1.4),
                    0.8, 2)
    polygon(draw, points, fill)
    line(draw, [point_at(x, y, length * t, angle) for t in (0.05, 0.9)],
         lighter(fill, 0.3), 0.6)


def sazanka():
    image = new_canvas(210, 184)
    draw = ImageDraw.Draw(image)
    bark = (100, 84, 66)
    branch(draw, [(6, 176), (60, 150), (110, 130), (190, 110)], 5, bark)
    branch(draw, [(110, 130), (150, 90), (160, 50)], 3.5, bark)
    for x, y, a in ((40, 160, 225), (60, 150, 120), (84, 140, 290), (130, 124, 300),
                    (176, 114, 30), (150, 90, 10), (156, 70, 150), (116, 126, 70),
                    (30, 166, 140)):
        serrated_leaf(draw, x, y, 34, 16, a)
    polygon(draw, blade(160, 54, 18, 14, 80, widest=0.55, tip=1.8), (220, 70, 120))
    sazanka_flower(draw, 72, 84, 50, (232, 78, 130))
    sazanka_flower(draw, 160, 140, 32, (232, 78, 130))
    return image


def salvia_spike(draw, x0, y0, x1, y1, count, red):
    """A dense spike of scarlet tubes sticking out of red cups."""
    stem(draw, [(x0, y0), (x1, y1)], 3.0, colour=darker(red, 0.8))
    for k in range(count):
        t = k / count
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        size = 1.0 - 0.5 * t
        for side in (-1, 1):
            a = 90 + side * (55 + 10 * (k % 2))
            polygon(draw, blade(x, y, 26 * size, 11 * size, a, widest=0.78, tip=2.0,
                                base=0.8, bend=-side * 0.18), red)
            polygon(draw, blade(x, y, 12 * size, 10 * size, a, widest=0.7, tip=1.6),
                    darker(red, 0.8))
    polygon(draw, blade(x1, y1 + 4, 14, 9, 90, widest=0.5, tip=1.3), darker(red, 0.85))


def salvia():
    image = new_canvas(164, 212)
    draw = ImageDraw.Draw(image)
    red = (232, 30, 30)
    stem(draw, [(82, 211), (80, 160), (82, 130)], 3.2)
    for x, y, a in ((81, 198, 160), (81, 198, 20), (81, 172, 150), (81, 172, 30),
                    (81, 146, 140), (81, 146, 40)):
        points = jagged(blade(x, y, 44, 30, a, widest=0.4, tip=1.4, base=1.8), 1.0, 2)
        polygon(draw, points, LEAF_GREEN)
        line(draw, [point_at(x, y, 38 * t, a) for t in (0, 1)], LEAF_DARK, 0.6)
    salvia_spike(draw, 46, 146, 38, 44, 9, (222, 36, 36))
    salvia_spike(draw, 120, 146, 128, 46, 9, (222, 36, 36))
    salvia_spike(draw, 82, 136, 82, 12, 11, red)
    return image


def marbled_heart(draw, x, y, length, angle):
    """A heart-shaped cyclamen leaf with its silvery pattern."""
    polygon(draw, heart_points(x, y, length, length * 1.05, angle), (44, 100, 56))
    polygon(draw, heart_points(x, y, length * 0.68, length * 0.7, angle),
            (130, 168, 130), outline=False)
    polygon(draw, heart_points(x, y, length * 0.45, length * 0.45, angle),
            (60, 116, 66), outline=False)


def cyclamen_flower(draw, x, y, size, colour, lean):
    """A nodding cyclamen flower, its petals swept back upward like flames."""
    for da, scale in ((-24, 0.85), (24, 0.85), (-8, 1.0), (9, 0.96)):
        shaded_petal(draw, x, y, size * scale, size * 0.36, 90 + lean + da, colour,
                     shade=darker(colour, 0.85), widest=0.55, tip=1.4, base=1.0,
                     bend=0.14 if da < 0 else -0.14)
    ellipse(draw, x, y + 2, size * 0.14, size * 0.1, darker(colour, 0.6))


def cyclamen():
    image = new_canvas(176, 206)
    draw = ImageDraw.Draw(image)
    pot = [(44, 160), (132, 160), (122, 205), (54, 205)]
    polygon(draw, pot, (200, 110, 70))
    polygon(draw, [(40, 154), (136, 154), (136, 166), (40, 166)], (214, 124, 80))
    stalk = (130, 80, 80)
    flowers = ((36, 84, 50, (226, 40, 120), 14), (90, 62, 56, (236, 60, 140), -2),
               (142, 80, 50, (214, 30, 80), -14), (66, 110, 40, (240, 110, 170), 8),
               (116, 112, 38, (226, 40, 120), -8))
    for x, y, _, _, _ in flowers:
        top = (x + (88 - x) * 0.25, y - 12)
        line(draw, smooth([(88, 150), ((88 + x) / 2, (150 + y) / 2), top, (x, y)]),
             stalk, 1.3)
    for x, y, a, length in ((60, 150, 150, 38), (116, 150, 30, 38), (88, 146, 100, 34),
                            (72, 154, 195, 32), (104, 154, -15, 32)):
        marbled_heart(draw, x, y, length, a)
    for x, y, size, colour, lean in flowers:
        cyclamen_flower(draw, x, y, size, colour, lean)
    return image


def rhododendron_flower(draw, cx, cy, r, colour, turn):
    """One rhododendron funnel seen from the front, freckles on the top lobe."""
    for i in range(5):
        petal(draw, cx, cy, r, r * 0.9, turn + 72 * i, colour, widest=0.66,
              tip=2.0, base=1.2)
    circle(draw, cx, cy, r * 0.3, lighter(colour, 0.4), outline=False)
    for k in range(5):
        x, y = point_at(cx, cy, r * (0.3 + 0.1 * (k % 3)), turn - 10 + 10 * k)
        circle(draw, x, y, r * 0.05, darker(colour, 0.6), outline=False)


def shakunage():
    image = new_canvas(204, 192)
    draw = ImageDraw.Draw(image)
    stem(draw, [(102, 191), (102, 150), (102, 120)], 5, colour=(110, 100, 70))
    for a, length in ((200, 74), (-20, 74), (235, 60), (-55, 60), (170, 70), (10, 70),
                      (150, 60), (30, 60)):
        glossy_leaf(draw, 102, 120, length, 20, a, fill=(48, 104, 52))
    pink = (238, 120, 170)
    flowers = ((64, 82, 24), (140, 82, 24), (102, 96, 24), (80, 50, 24), (124, 50, 24),
               (102, 28, 22), (50, 58, 20), (154, 58, 20), (102, 66, 25))
    for k, (x, y, r) in enumerate(flowers):
        tone = darker(pink, 0.9) if y < 60 else pink
        rhododendron_flower(draw, x, y, r, tone, 90 + 17 * k)
    return image


def daphne_flower(draw, cx, cy, r, turn):
    """A daphne floret: four pointed lobes, white inside, purple-pink at the edges."""
    rim = (204, 80, 140)
    for i in range(4):
        a = turn + 90 * i
        petal(draw, cx, cy, r, r * 0.7, a, rim, widest=0.5, tip=1.3, base=1.2)
        polygon(draw, blade(cx, cy, r * 0.78, r * 0.42, a, widest=0.5, tip=1.3),
                (252, 240, 246), outline=False)
    circle(draw, cx, cy, r * 0.16, (236, 200, 120), outline=False)


def jinchouge():
    image = new_canvas(184, 170)
    draw = ImageDraw.Draw(image)
    rng = random.Random(26)
    stem(draw, [(92, 169), (92, 140), (92, 110)], 5, colour=(110, 90, 70))
    for a in (195, 215, 240, 300, 325, 345, 170, 10):
        leaf(draw, 92, 112, 66, 16, a, fill=(46, 106, 52), widest=0.5, tip=1.2,
             bend=0.06 if 90 < a < 270 else -0.06)
        line(draw, blade(92, 112, 60, 0.1, a)[:20], (220, 210, 120), 0.5)
    ellipse(draw, 92, 78, 42, 34, (170, 56, 112))
    florets = []
    for k in range(40):
        a = rng.uniform(0, 2 * math.pi)
        d = 40 * math.sqrt(rng.uniform(0, 1))
        florets.append((d, 92 + d * math.cos(a) * 1.1, 76 + d * math.sin(a) * 0.85))
    for d, x, y in sorted(florets, reverse=True):
        if d > 35:
            circle(draw, x, y, 6, (190, 64, 128))
        else:
            daphne_flower(draw, x, y, 14, rng.uniform(0, 90))
    return image


def narcissus_front(draw, cx, cy, r):
    """A daffodil-type flower facing us: six white tepals and a yellow cup."""
    white = (252, 252, 246)
    for i in range(6):
        shaded_petal(draw, cx, cy, r, r * 0.62, 90 + 60 * i, white, shade=(238, 238, 222),
                     outline=(176, 176, 150), widest=0.55, tip=1.5, base=1.2)
    cup = jagged(radial_points(cx, cy, lambda a: r * 0.4, n=48), r * 0.04, 2)
    polygon(draw, cup, (250, 204, 30), outline=(214, 150, 20))
    circle(draw, cx, cy, r * 0.25, (246, 170, 20), outline=False)
    circle(draw, cx, cy, r * 0.08, (250, 230, 120), outline=False)


def narcissus_side(draw, x, y, r, facing):
    """A narcissus seen from the side: tepals flaring back from a yellow cup."""
    white = (252, 252, 246)
    for da in (-70, 70, -35, 35):
        shaded_petal(draw, x, y, r, r * 0.5, facing + 180 + da * 0.9, white,
                     shade=(238, 238, 222), outline=(176, 176, 150), widest=0.55,
                     tip=1.5)
    cup = blade(x, y, r * 0.6, r * 0.62, facing, widest=1.0, base=1.6)
    polygon(draw, cup[:-1], (250, 204, 30), outline=(214, 150, 20))
    mouth = point_at(x, y, r * 0.58, facing)
    polygon(draw, ellipse_points(mouth[0], mouth[1], r * 0.12, r * 0.32, facing),
            (246, 170, 20), outline=(214, 150, 20))


def suisen():
    image = new_canvas(172, 212)
    draw = ImageDraw.Draw(image)
    blue_green = (92, 150, 120)
    for x, a, length, bend in ((80, 100, 150, -0.04), (90, 84, 140, 0.05),
                               (74, 116, 110, -0.06), (98, 70, 110, 0.06)):
        leaf(draw, x, 211, length, 10, a, fill=blue_green, vein=False, tip=2.0,
             widest=0.5, base=4.0, bend=bend)
    stem(draw, [(86, 211), (86, 140), (86, 74)], 3, colour=(100, 160, 110))
    polygon(draw, blade(86, 80, 26, 10, 70, tip=1.2), (210, 196, 150))
    for x, y in ((32, 98), (140, 90), (86, 50)):
        line(draw, smooth([(86, 78), ((86 + x) / 2, (78 + y) / 2 - 6), (x, y)]),
             (100, 160, 110), 1.2)
    narcissus_side(draw, 32, 98, 28, 215)
    narcissus_side(draw, 140, 90, 28, -35)
    narcissus_front(draw, 86, 50, 42)
    return image


def lily_bell(draw, x, y, size):
    """One hanging lily-of-the-valley bell with a scalloped rim."""
    white = (252, 252, 244)
    body = radial_points(x, y + size * 0.45, lambda a: size * 0.5, n=40)
    rim = [(x - size * 0.62, y + size * 0.78), (x - size * 0.4, y + size * 0.98),
           (x - size * 0.2, y + size * 0.82), (x, y + size), (x + size * 0.2, y + size * 0.82),
           (x + size * 0.4, y + size * 0.98), (x + size * 0.62, y + size * 0.78),
           (x + size * 0.45, y + size * 0.5), (x - size * 0.45, y + size * 0.5)]
    union(draw, [body, rim], white, outline=(160, 172, 150))
    ellipse(draw, x - size * 0.15, y + size * 0.35, size * 0.12, size * 0.2,
            (236, 240, 230), outline=False)


def suzuran():
    image = new_canvas(174, 184)
    draw = ImageDraw.Draw(image)
    for a, length, bend in ((96, 160, 0.1), (70, 146, -0.06)):
        leaf(draw, 108, 183, length, 50, a, fill=LEAF_GREEN, widest=0.5, tip=1.6,
             bend=bend)
    arch = smooth([(100, 183), (96, 130), (84, 80), (60, 50), (32, 44), (14, 54)])
    stem(draw, [(100, 183), (96, 130), (84, 80), (60, 50), (32, 44), (14, 54)], 1.8)
    bells = []
    for k in range(7):
        px, py = arch[int(22 + 6.2 * k)]
        size = 17 - 1.3 * k
        bells.append((px, py + 8 + size * 0.15, size))
        line(draw, smooth([(px, py), (px + 2, py + 4), (px, py + 8 + size * 0.15)]),
             STEM_GREEN, 0.9)
    for bx, by, size in bells:
        lily_bell(draw, bx, by, size)
    return image


def violet_flower(draw, x, y, r, colour, lean):
    """A violet from the front: two upper, two side and one larger lower petal."""
    for a, scale, width in ((lean + 60, 0.9, 0.62), (lean + 120, 0.9, 0.62),
                            (lean + 10, 0.85, 0.55), (lean + 170, 0.85, 0.55),
                            (lean - 90, 1.0, 0.8)):
        petal(draw, x, y, r * scale, r * width, a, colour, widest=0.66, tip=2.0,
              base=1.2)
    polygon(draw, blade(x, y, r * 0.55, r * 0.4, lean - 90, widest=0.4, tip=1.4),
            (250, 250, 250), outline=False)
    for da in (-14, 0, 14):
        line(draw, [(x, y), point_at(x, y, r * 0.6, lean - 90 + da)], darker(colour, 0.6),
             0.5)
    circle(draw, x, y, r * 0.1, (250, 220, 80), outline=False)


def sumire():
    image = new_canvas(152, 150)
    draw = ImageDraw.Draw(image)
    violet = (108, 52, 170)
    for a, length in ((110, 66), (70, 66), (140, 54), (40, 54), (90, 48)):
        leaf(draw, 76, 148, length, 20, a, fill=LEAF_GREEN, widest=0.25, tip=1.3,
             base=2.0)
    for x, y in ((40, 64), (82, 40), (118, 70)):
        top = (x + 6, y - 12)
        line(draw, smooth([(76, 148), ((76 + x) / 2, (148 + y) / 2), top, (x + 3, y - 4)]),
             STEM_GREEN, 1.2)
    violet_flower(draw, 38, 66, 26, violet, 100)
    violet_flower(draw, 118, 72, 24, (126, 66, 186), 80)
    violet_flower(draw, 80, 38, 28, violet, 90)
    return image


def hollyhock_flower(draw, cx, cy, r, colour):
    """A big open hollyhock flower: five broad overlapping petals, dark centre."""
    for i in range(5):
        shaded_petal(draw, cx, cy, r, r * 1.05, 90 + 72 * i, colour,
                     shade=darker(colour, 0.82), widest=0.68, tip=2.0, base=1.0)
    for i in range(5):
        line(draw, [(cx, cy), point_at(cx, cy, r * 0.75, 126 + 72 * i)],
             darker(colour, 0.75), 0.5)
    circle(draw, cx, cy, r * 0.2, (250, 240, 200), outline=darker(colour, 0.8))


def round_leaf(draw, x, y, size, angle):
    """A round leaf with shallow lobes on a short stalk."""
    centre = point_at(x, y, size * 0.9, angle)
    outline = radial_points(centre[0], centre[1],
                            lambda a: size * (0.9 + 0.1 * math.cos(math.radians(5 * a))))
    polygon(draw, outline, LEAF_GREEN)
    for k in range(5):
        line(draw, [point_at(centre[0], centre[1], size * 0.15, angle + 180),
                    point_at(centre[0], centre[1], size * 0.75, angle - 60 + 30 * k)],
             LEAF_DARK, 0.5)


def tachiaoi():
    image = new_canvas(164, 222)
    draw = ImageDraw.Draw(image)
    pink = (236, 90, 150)
    stem(draw, [(82, 221), (82, 120), (82, 10)], 3.6)
    for x, y, a in ((80, 188, 200), (84, 184, -20), (80, 160, 170), (84, 152, 10)):
        round_leaf(draw, x, y, 22, a)
    for y, size in ((14, 5), (26, 6), (38, 7)):
        circle(draw, 82, y, size, LEAF_LIGHT)
    for x, y in ((74, 44), (91, 50)):
        circle(draw, x, y, 7, (240, 150, 190))
    for x, y, r, colour in ((58, 64, 22, (226, 70, 140)), (106, 78, 24, pink),
                            (56, 106, 26, pink), (108, 124, 26, (226, 70, 140)),
                            (60, 148, 26, pink)):
        line(draw, [(82, y + 6), (x, y)], STEM_GREEN, 1.4)
        hollyhock_flower(draw, x, y, r, colour)
    return image


FLOWERS = {
    1: asagao,
    2: ajisai,
    3: anemone,
    4: amaryllis,
    5: ayame,
    6: ume,
    7: ominaeshi,
    8: carnation,
    9: gerbera,
    10: canna,
    11: kiku,
    12: kyouchikutou,
    13: kinsenka,
    14: kuchinashi,
    15: gladiolus,
    16: crocus,
    17: keitou,
    18: cosmos,
    19: kobushi,
    20: sakura,
    21: sakurasou,
    22: sazanka,
    23: salvia,
    24: cyclamen,
    25: shakunage,
    26: jinchouge,
    27: suisen,
    28: suzuran,
    29: sumire,
    30: tachiaoi,
}
