#!/usr/bin/python3
"""Flower pictures for entries 31-60 (ダリア ... わすれなぐさ).

Each function draws one flower on a 4x canvas and returns the image; see
drawing.py for the coordinate and angle conventions.
"""
import math
import random

from drawing import (LEAF_DARK, LEAF_GREEN, LEAF_LIGHT, STEM_GREEN, blade,
                     circle, darker, ellipse_points, jagged, leaf, lighter,
                     line, mix, new_canvas, petal, point_at, polygon,
                     shaded_petal, smooth, stem)

BARK = (122, 86, 58)


def toothed_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN, depth=0.9,
                 every=3, bend=0.0, widest=0.4):
    """A pointed leaf with a finely toothed edge and a midrib."""
    shape = blade(x, y, length, width, angle, widest=widest, tip=1.0,
                  bend=bend, n=48)
    polygon(draw, jagged(shape, depth, every), fill)
    line(draw, blade(x, y, length * 0.85, 0.1, angle, bend=bend, n=12)[:13],
         darker(fill, 0.8), 0.6)


def runcinate_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN,
                   lobes=5, depth=0.55):
    """A straight leaf cut into sharp lobes that point back to its stalk,
    like a dandelion leaf."""
    cos_a, sin_a = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    cut = []
    for px, py in blade(x, y, length, width, angle, widest=0.65, tip=1.2,
                        n=80):
        along = (px - x) * cos_a - (py - y) * sin_a
        across_x = px - x - along * cos_a
        across_y = py - y + along * sin_a
        k = 1 - depth * ((along / length * lobes) % 1)
        cut.append((x + along * cos_a + across_x * k,
                    y - along * sin_a + across_y * k))
    polygon(draw, cut, fill)
    line(draw, [(x, y), point_at(x, y, length * 0.85, angle)],
         darker(fill, 0.8), 0.7)


def pinnate(draw, x, y, length, angle, pairs, leaflet, fill=LEAF_GREEN,
            spread=55, first=0.3, toothed=False):
    """A compound leaf: a stalk toward angle with pairs of leaflets and one
    at its end; leaflet = (length, width) of each leaflet."""
    stem(draw, [(x, y), point_at(x, y, length, angle)], 1.4)
    ll, lw = leaflet
    for i in range(pairs):
        along = length * (first + (0.9 - first) * i / max(pairs - 1, 1))
        px, py = point_at(x, y, along, angle)
        for side in (-1, 1):
            pinnule(draw, px, py, ll, lw, angle + side * spread, fill, toothed)
    px, py = point_at(x, y, length, angle)
    pinnule(draw, px, py, ll * 1.1, lw, angle, fill, toothed)


def pinnule(draw, x, y, length, width, angle, fill, toothed):
    """One leaflet of a compound leaf, plain or toothed."""
    if toothed:
        toothed_leaf(draw, x, y, length, width, angle, fill, depth=0.7)
    else:
        leaf(draw, x, y, length, width, angle, fill, vein=length > 9,
             widest=0.45, tip=1.3, base=1.8)


def crescent(cx, cy, r, offset, n=40):
    """Outline of a crescent moon: the disc at (cx, cy) minus the same disc
    moved right by offset."""
    half = math.sqrt(r * r - offset * offset / 4)
    outer = math.degrees(math.atan2(half, offset / 2))
    inner = math.degrees(math.atan2(half, -offset / 2))
    pts = [point_at(cx, cy, r, outer + (360 - 2 * outer) * i / n)
           for i in range(n + 1)]
    pts += [point_at(cx + offset, cy, r, -inner - (360 - 2 * inner) * i / n)
            for i in range(n + 1)]
    return pts


def dahlia():
    """ダリア: a big flower of broad, keeled crimson petals in rings."""
    image, draw, _ = new_canvas(190, 212)
    stem(draw, [(95, 120), (91, 165), (97, 212)], 4.5)
    pinnate(draw, 93, 170, 62, 160, 2, (20, 11))
    pinnate(draw, 95, 150, 58, 25, 2, (19, 10))
    red = (206, 28, 70)
    rings = [(16, 68, 30, 0), (16, 57, 26, 11), (14, 45, 22, 4),
             (12, 33, 17, 16), (10, 22, 12, 2)]
    cx, cy = 95, 80
    for i, (count, length, width, turn) in enumerate(rings):
        colour = mix(red, (240, 74, 116), i / len(rings))
        for j in range(count):
            a = turn + 360 * j / count
            shaded_petal(draw, cx, cy, length, width, a, colour,
                         widest=0.6, tip=1.4, base=1.3)
            line(draw, [point_at(cx, cy, length * 0.35, a),
                        point_at(cx, cy, length * 0.85, a)],
                 darker(colour, 0.75), 0.8)
    circle(draw, cx, cy, 7, (176, 20, 56))
    return image


def seed_ball(draw, cx, cy, r):
    """Dandelion clock: fine white seed hairs around a small centre."""
    grey = (196, 212, 212)
    rnd = random.Random(32)
    circle(draw, cx, cy, r, (248, 252, 252), grey)
    for i in range(36):
        x, y = point_at(cx, cy, r * 0.92, i * 10 + rnd.uniform(-3, 3))
        line(draw, [(cx, cy), (x, y)], grey, 0.6)
        circle(draw, x, y, 1.4, (255, 255, 255), grey, 0.5)
    circle(draw, cx, cy, 3, (170, 150, 110), outline=False)


def dandelion_head(draw, cx, cy, r):
    """Rings of narrow, slightly ragged yellow rays, longest outside."""
    rnd = random.Random(7)
    yellow = (255, 204, 16)
    for ring, (count, width) in enumerate(((38, 5.5), (30, 5.5), (22, 5),
                                           (14, 4.5))):
        length = r * (1 - 0.22 * ring)
        colour = mix(yellow, (255, 226, 60), ring / 4)
        for j in range(count):
            petal(draw, cx, cy, length * rnd.uniform(0.9, 1.0), width,
                  360 * (j + rnd.uniform(-0.2, 0.2) + ring * 0.37) / count,
                  colour, widest=0.8, tip=2.0, base=1.0, notch=0.06)
    circle(draw, cx, cy, r * 0.12, (236, 168, 10))


def dandelion():
    """たんぽぽ: a yellow many-rayed head on a bare stalk, a seed ball, and a
    rosette of jagged leaves at the ground."""
    image, draw, _ = new_canvas(178, 166)
    stem(draw, [(34, 150), (30, 100), (34, 50)], 2.6, (150, 180, 90))
    seed_ball(draw, 33, 38, 24)
    stem(draw, [(100, 150), (110, 110), (114, 66)], 3.2)
    for angle, length in ((170, 72), (10, 74), (140, 66), (40, 66),
                          (115, 50), (70, 52)):
        runcinate_leaf(draw, 92, 158, length, 19, angle)
    dandelion_head(draw, 116, 60, 46)
    return image


def tulip_cup(draw, x, y, size, colour):
    """A tulip flower: a closed cup of pointed tepals standing on the stem
    at (x, y)."""
    petal(draw, x, y, size * 1.05, size * 0.6, 90, darker(colour, 0.8),
          widest=0.6, tip=1.4, base=1.3)
    for da, bend in ((14, 0.06), (-14, -0.06)):
        petal(draw, x - da * size * 0.004, y, size, size * 0.7, 90 + da,
              darker(colour, 0.9), widest=0.5, tip=1.5, base=1.3, bend=bend)
    petal(draw, x, y + size * 0.02, size * 0.94, size * 0.74, 90, colour,
          widest=0.5, tip=1.7, base=1.4)
    polygon(draw, blade(x - size * 0.1, y - size * 0.12, size * 0.6,
                        size * 0.14, 96, widest=0.5, tip=1.5),
            lighter(colour, 0.3), outline=False)


def tulip():
    """チューリップ: red and yellow cups on straight stems with broad leaves."""
    image, draw, _ = new_canvas(158, 214)
    grey_green = (116, 170, 96)
    stem(draw, [(52, 210), (50, 100)], 4)
    stem(draw, [(92, 210), (92, 84)], 4.5)
    for x, length, width, angle, bend in ((88, 110, 30, 122, -0.09),
                                          (96, 104, 30, 60, 0.1),
                                          (90, 78, 22, 96, 0.05)):
        leaf(draw, x, 208, length, width, angle, grey_green, vein=False,
             widest=0.3, tip=1.2, base=2.2, bend=bend)
    tulip_cup(draw, 50, 108, 48, (250, 206, 30))
    tulip_cup(draw, 92, 92, 62, (228, 38, 36))
    return image


def evening_primrose_flower(draw, cx, cy, r, colour, turn=0):
    """Four broad heart-shaped petals around a cross-shaped stigma."""
    for j in range(4):
        shaded_petal(draw, cx, cy, r, r * 1.15, turn + 45 + 90 * j, colour,
                     shade=mix(colour, (250, 240, 170), 0.4), widest=0.7,
                     tip=2.2, base=1.2, notch=0.13)
    circle(draw, cx, cy, r * 0.22, (226, 232, 150))
    for j in range(8):
        x, y = point_at(cx, cy, r * 0.3, turn + 22.5 + 45 * j)
        circle(draw, x, y, r * 0.06, (240, 200, 40), outline=False)
    for j in range(4):
        line(draw, [(cx, cy), point_at(cx, cy, r * 0.3, turn + 90 * j)],
             (236, 226, 170), r * 0.045)


def evening_primrose():
    """つきみそう: white four-petalled flowers that open at moonrise and
    fade pink, under a crescent moon."""
    image, draw, _ = new_canvas(182, 176)
    polygon(draw, crescent(30, 30, 24, 14), (255, 236, 120))
    stem(draw, [(108, 176), (102, 130), (108, 84)], 3)
    stem(draw, [(104, 150), (80, 138), (56, 128)], 2.2)
    stem(draw, [(105, 128), (140, 118), (160, 110)], 2.2)
    for x, y, angle in ((104, 160, 160), (106, 158, 20), (104, 138, 20),
                        (84, 144, 210), (130, 121, 300)):
        toothed_leaf(draw, x, y, 42, 12, angle, bend=0.05)
    petal(draw, 160, 110, 32, 8, 70, (200, 120, 110), widest=0.4, tip=1.0,
          base=2.0)
    evening_primrose_flower(draw, 50, 124, 28, (244, 150, 180), turn=20)
    evening_primrose_flower(draw, 110, 72, 52, (255, 253, 238))
    return image


def azalea_flower(draw, cx, cy, r, colour, turn=0):
    """An azalea seen from the front: five round lobes, dark spots on the
    top lobe and long stamens curving upward."""
    for j in range(5):
        shaded_petal(draw, cx, cy, r, r * 0.78, turn + 90 + 72 * j, colour,
                     shade=darker(colour, 0.88), widest=0.6, tip=1.5,
                     base=1.3)
    for j in range(7):
        x, y = point_at(cx, cy, r * (0.3 + 0.08 * (j % 3)),
                        turn + 90 + (j - 3) * 10)
        circle(draw, x, y, r * 0.05, darker(colour, 0.65), outline=False)
    circle(draw, cx, cy, r * 0.16, darker(colour, 0.8), outline=False)
    for j in range(6):
        a = turn + 140 - 20 * j
        tip = point_at(cx, cy, r * 1.15, a)
        line(draw, smooth([(cx, cy), point_at(cx, cy, r * 0.6, a - 12), tip]),
             lighter(colour, 0.3), 0.8)
        circle(draw, tip[0], tip[1], 1.3, (120, 60, 90), outline=False)


def azalea():
    """つつじ: funnel-shaped magenta flowers in a bunch at a twig tip, small
    oval leaves around them."""
    image, draw, _ = new_canvas(204, 176)
    stem(draw, [(10, 172), (60, 150), (100, 110)], 3.5, BARK)
    stem(draw, [(44, 154), (36, 140), (28, 128)], 2.2, BARK)
    for angle in (170, 120, 60, 10, -30, -150, -100):
        leaf(draw, 100, 104, 44, 18, angle, LEAF_DARK, widest=0.55, tip=1.4,
             base=1.8)
    leaf(draw, 28, 128, 30, 13, 120, LEAF_DARK, widest=0.55, tip=1.4, base=1.8)
    leaf(draw, 28, 128, 28, 12, 40, LEAF_GREEN, widest=0.55, tip=1.4, base=1.8)
    colour = (232, 70, 150)
    azalea_flower(draw, 56, 80, 36, darker(colour, 0.95), turn=25)
    azalea_flower(draw, 150, 80, 36, darker(colour, 0.95), turn=-25)
    azalea_flower(draw, 102, 58, 40, colour)
    return image


FLOWERS = {
    31: dahlia,
    32: dandelion,
    33: tulip,
    34: evening_primrose,
    35: azalea,
}
