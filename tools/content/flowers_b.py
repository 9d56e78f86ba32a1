#!/usr/bin/python3
"""Flower pictures for entries 31-60 (ダリア ... わすれなぐさ).

Each function draws one flower on a 4x canvas and returns the image; see
drawing.py for the coordinate and angle conventions.
"""
import math
import random

from PIL import ImageDraw

from canvas import new_canvas
from drawing import (LEAF_DARK, LEAF_GREEN, LEAF_LIGHT, STEM_GREEN, blade,
                     circle, darker, ellipse_points, jagged,
                     leaf, lighter, line, mix, petal, point_at,
                     polygon, shaded_petal, smooth, stem, union)

BARK = (122, 86, 58)


def toothed_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN, depth=0.9,
                 every=3, bend=0.0, widest=0.4):
    """A pointed leaf with a finely toothed edge and a midrib."""
    shape = blade(x, y, length, width, angle, widest=widest, tip=1.2,
                  base=1.6, bend=bend, n=48)
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
    image = new_canvas(190, 212)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(178, 166)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(158, 214)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(182, 176)
    draw = ImageDraw.Draw(image)
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
    image = new_canvas(204, 176)
    draw = ImageDraw.Draw(image)
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


def shiny_leaf(draw, x, y, length, width, angle, fill=(44, 112, 52)):
    """A thick, glossy, finely toothed evergreen leaf with a light sheen."""
    toothed_leaf(draw, x, y, length, width, angle, fill, depth=0.6, every=4,
                 widest=0.45)
    sheen = point_at(x, y, length * 0.2, angle)
    polygon(draw, blade(sheen[0], sheen[1], length * 0.5, width * 0.18,
                        angle + 4, widest=0.5, tip=1.5),
            lighter(fill, 0.35), outline=False)


def camellia_flower(draw, cx, cy, r, red):
    """A camellia opening as a cup: broad round petals around a thick tuft
    of stamens, cream below and yellow at the top."""
    for a in (160, 20, 125, 55, 90):
        shaded_petal(draw, cx, cy, r, r * 1.05, a, darker(red, 0.85),
                     shade=darker(red, 0.72), widest=0.6, tip=2.2, base=1.4)
    top = cy - r * 0.5
    polygon(draw, [(cx - r * 0.18, cy), (cx - r * 0.3, top),
                   (cx + r * 0.3, top), (cx + r * 0.18, cy)], (250, 240, 204))
    polygon(draw, ellipse_points(cx, top, r * 0.32, r * 0.12),
            (255, 214, 40))
    rnd = random.Random(36)
    for _ in range(16):
        a = rnd.uniform(0, 360)
        d = rnd.uniform(0, 1)
        circle(draw, cx + r * 0.27 * d * math.cos(math.radians(a)),
               top + r * 0.1 * d * math.sin(math.radians(a)), r * 0.045,
               (238, 170, 10), outline=False)
    for a, size in ((205, 0.9), (335, 0.9), (250, 0.82), (290, 0.82)):
        shaded_petal(draw, cx, cy - r * 0.1, r * size, r * 0.95, a, red,
                     shade=lighter(red, 0.12), widest=0.6, tip=2.2, base=1.4)


def camellia():
    """つばき: a red cup-shaped flower with a yellow stamen tuft, a bud and
    dark glossy leaves on a twig."""
    image = new_canvas(198, 186)
    draw = ImageDraw.Draw(image)
    stem(draw, [(4, 170), (60, 150), (110, 120), (196, 100)], 3.4, BARK)
    stem(draw, [(60, 150), (40, 110), (36, 80)], 2.4, BARK)
    for x, y, angle in ((60, 150, 200), (150, 110, 290), (176, 104, 115),
                        (130, 116, 40), (96, 128, 210), (40, 110, 160)):
        shiny_leaf(draw, x, y, 52, 24, angle)
    polygon(draw, blade(36, 84, 28, 18, 90, widest=0.45, tip=1.4, base=2.0),
            (200, 30, 46))
    for da in (-30, 30, 0):
        polygon(draw, blade(36, 84, 13, 10, 90 + da, widest=0.5, tip=2.0),
                (108, 150, 64))
    camellia_flower(draw, 108, 80, 56, (214, 24, 42))
    return image


def rape_flower(draw, x, y, size, turn):
    """One small four-petalled yellow rape blossom."""
    for j in range(4):
        petal(draw, x, y, size, size * 0.9, turn + 90 * j, (252, 214, 20),
              widest=0.65, tip=2.0, base=1.2)
    circle(draw, x, y, size * 0.22, (232, 176, 0), outline=False)


def rape_spike(draw, tx, ty, size, seed):
    """Yellow blossoms on short stalks heaped up the top of a rape stem,
    lower ones opening first, green buds at the very tip."""
    rnd = random.Random(seed)
    rows = ((4.6, (-3.2, -1.1, 1.1, 3.2)), (3.0, (-2.8, 0.0, 2.8)),
            (1.5, (-1.6, 1.6)))
    for down, across in rows:
        for k in across:
            fx = tx + k * size + rnd.uniform(-1, 1)
            fy = ty + down * size + rnd.uniform(-1, 1)
            line(draw, [(tx, fy + size * 0.8), (fx, fy)], STEM_GREEN, 0.8)
            rape_flower(draw, fx, fy, size, rnd.uniform(0, 90))
    for i in range(5):
        bx = tx + (i - 2) * size * 0.42
        by = ty + size * abs(i - 2) * 0.3
        polygon(draw, ellipse_points(bx, by, size * 0.3, size * 0.45,
                                     (i - 2) * 15),
                (150, 190, 60) if i % 2 else (226, 214, 70))


def rape():
    """なのはな: stems topped with domes of small four-petalled yellow
    flowers, green buds above and clasping blue-green leaves."""
    image = new_canvas(166, 220)
    draw = ImageDraw.Draw(image)
    grey_green = (96, 156, 96)
    tops = ((46, 40, 8, 1), (110, 8, 8.5, 2), (132, 92, 7.5, 3))
    for tx, ty, size, _ in tops:
        stem(draw, [(tx * 0.3 + 58, 220), (tx, ty + 70), (tx, ty + size)], 3)
    for x, y, angle, length in ((80, 200, 150, 64), (86, 196, 30, 62),
                                (72, 150, 140, 44), (104, 120, 40, 42),
                                (118, 154, 20, 36)):
        leaf(draw, x, y, length, length * 0.34, angle, grey_green,
             widest=0.3, tip=1.2, base=2.5)
    for tx, ty, size, seed in tops:
        rape_spike(draw, tx, ty, size, seed)
    return image


def fringed_petal(draw, x, y, length, width, angle, colour, cuts=7):
    """A pink petal whose broad end is slashed into a fringe."""
    outer = []
    for i in range(2 * cuts + 1):
        t = i / (2 * cuts)
        a = angle - width / 2 + width * t
        r = length * (1 - 0.12 * (2 * t - 1) ** 2)
        outer.append(point_at(x, y, r if i % 2 == 0 else r * 0.66, a))
    pts = [point_at(x, y, length * 0.45, angle - width * 0.35)]
    pts += outer
    pts += [point_at(x, y, length * 0.45, angle + width * 0.35)]
    pts += [point_at(x, y, length * 0.05, angle + 90),
            point_at(x, y, length * 0.05, angle - 90)]
    polygon(draw, [pts[-1]] + pts[:-1], colour)


def pink_flower(draw, cx, cy, r, colour, turn=90):
    """A wild pink seen from above: five fringed petals, fine dark hairs
    round a pale eye."""
    for j in range(5):
        fringed_petal(draw, cx, cy, r, 66, turn + 72 * j, colour, cuts=9)
    circle(draw, cx, cy, r * 0.3, lighter(colour, 0.45), outline=False)
    for j in range(20):
        a = turn + 18 * j
        line(draw, [point_at(cx, cy, r * 0.14, a),
                    point_at(cx, cy, r * 0.34, a + 6)],
             darker(colour, 0.7), 0.6)
    for j in range(2):
        line(draw, smooth([(cx, cy), point_at(cx, cy, r * 0.2, 80 + 40 * j),
                           point_at(cx, cy, r * 0.3, 60 + 60 * j)]),
             (250, 250, 255), 0.8)


def pink_side(draw, x, y, length, angle, colour):
    """A wild pink seen from the side: a long green tube, fringed petals
    spreading from its mouth."""
    mouth = point_at(x, y, length, angle)
    for da in (-55, 55, -25, 25):
        fringed_petal(draw, mouth[0], mouth[1], length * 0.8, 44,
                      angle + da, colour, cuts=5)
    polygon(draw, blade(x, y, length * 1.05, length * 0.26, angle,
                        widest=0.8, tip=3.0, base=1.5), (120, 160, 90))


def pink():
    """なでしこ: frilly pink flowers with deeply cut petals on thin stems,
    narrow leaves in pairs."""
    image = new_canvas(172, 196)
    draw = ImageDraw.Draw(image)
    stem(draw, [(86, 196), (84, 150), (90, 96), (98, 72)], 2.2)
    stem(draw, [(84, 150), (60, 120), (44, 96)], 1.8)
    stem(draw, [(90, 110), (122, 100), (136, 82)], 1.8)
    for x, y in ((85, 176), (84, 140), (88, 112), (62, 122)):
        for angle in (150, 30):
            leaf(draw, x, y, 40, 6, angle + (x - 84) * 0.4, LEAF_GREEN,
                 vein=False, widest=0.3, tip=1.0, base=1.5,
                 bend=0.08 if angle > 90 else -0.08)
    colour = (240, 128, 172)
    pink_side(draw, 136, 82, 24, 60, colour)
    pink_flower(draw, 46, 92, 30, darker(colour, 0.95), turn=80)
    pink_flower(draw, 98, 58, 46, colour)
    return image


def pea_flower(draw, x, y, size, angle, colour):
    """A small butterfly-shaped pea flower: a round upright standard petal
    over a darker keel, facing angle."""
    petal(draw, x, y, size, size * 1.2, angle + 40, lighter(colour, 0.3),
          widest=0.6, tip=2.0, base=1.2)
    line(draw, [(x, y), point_at(x, y, size * 0.6, angle + 40)], colour, 0.6)
    petal(draw, x, y, size * 1.05, size * 0.6, angle - 25,
          darker(colour, 0.85), widest=0.5, tip=1.4, base=1.5)


def trefoil(draw, x, y, size, angle, fill=LEAF_GREEN):
    """Three small oval leaflets on a short stalk."""
    end = point_at(x, y, size * 0.5, angle)
    line(draw, [(x, y), end], STEM_GREEN, 0.8)
    for da in (-60, 0, 60):
        leaf(draw, end[0], end[1], size, size * 0.6, angle + da, fill,
             vein=False, widest=0.5, tip=1.8, base=1.8)


def hagi_twig(draw, curve, rnd, colour):
    """Leaves and sprays of pea flowers along one arching twig."""
    for i in range(4, len(curve) - 2, 3):
        (x0, y0), (x, y) = curve[i - 1], curve[i]
        along = math.degrees(math.atan2(y0 - y, x - x0))
        side = 1 if i % 2 else -1
        trefoil(draw, x, y, rnd.uniform(8, 10), along + side * 60,
                LEAF_GREEN if side > 0 else LEAF_LIGHT)
        if i > 6:
            spray = point_at(x, y, 16, along - 70)
            line(draw, [(x, y), spray], (130, 100, 70), 0.7)
            for k in range(4):
                fx, fy = point_at(x, y, 5 + 4 * k, along - 70)
                side_k = 1 if k % 2 else -1
                pea_flower(draw, fx + side_k * 3, fy, rnd.uniform(5.5, 6.5),
                           along - 70 + 180 + side_k * 40, colour)


def bush_clover():
    """はぎ: long arching twigs with small three-part leaves and short
    sprays of little red-purple pea flowers."""
    image = new_canvas(214, 180)
    draw = ImageDraw.Draw(image)
    rnd = random.Random(39)
    colour = (200, 60, 150)
    twigs = [[(40, 180), (44, 100), (100, 30), (170, 36), (206, 100)],
             [(46, 180), (64, 116), (120, 74), (166, 100), (180, 140)],
             [(36, 180), (30, 120), (16, 80), (8, 60)]]
    curves = [smooth(t, 10) for t in twigs]
    for curve in curves:
        stem(draw, curve, 1.4, (140, 112, 72))
    for curve in curves:
        hagi_twig(draw, curve, rnd, colour)
    return image


def lotus_leaf(draw, cx, cy, rx, ry, fill=(70, 150, 70)):
    """A big round lotus leaf seen from the side, its rim gently waved."""
    rim = ellipse_points(cx, cy, rx, ry, n=72)
    polygon(draw, [(x, y + 1.5 * math.sin(i * 0.9))
                   for i, (x, y) in enumerate(rim)], fill)
    polygon(draw, ellipse_points(cx, cy - ry * 0.15, rx * 0.82, ry * 0.62),
            lighter(fill, 0.18), outline=False)
    for j in range(12):
        a = math.radians(30 * j)
        line(draw, [(cx, cy), (cx + rx * 0.8 * math.cos(a),
                               cy + ry * 0.7 * math.sin(a))],
             darker(fill, 0.85), 0.6)
    circle(draw, cx, cy, 2, darker(fill, 0.8), outline=False)


def lotus_flower(draw, cx, cy, r):
    """A lotus flower: pointed petals, white at the base and pink at the
    tips, cupped round a flat yellow seed head."""
    pink = (236, 120, 160)
    pale = (252, 226, 234)
    for a, size in ((170, 0.85), (10, 0.85), (140, 0.98), (40, 0.98)):
        shaded_petal(draw, cx, cy, r * size, r * 0.5, a, pink, shade=pale,
                     widest=0.55, tip=1.3, base=1.5)
    polygon(draw, ellipse_points(cx, cy - r * 0.22, r * 0.3, r * 0.1),
            (240, 200, 60))
    for a, size in ((112, 1.0), (68, 1.0), (90, 1.05)):
        shaded_petal(draw, cx, cy + r * 0.08, r * size, r * 0.5, a, pink,
                     shade=pale, widest=0.55, tip=1.3, base=1.5)
    for a, size in ((125, 0.7), (55, 0.7), (100, 0.62), (80, 0.62)):
        shaded_petal(draw, cx, cy + r * 0.2, r * size, r * 0.46, a,
                     lighter(pink, 0.1), shade=pale, widest=0.55, tip=1.3,
                     base=1.5)


def lotus():
    """はす: a pink lotus raised high above a pond on its own stalk, with
    big round leaves and a bud."""
    image = new_canvas(206, 210)
    draw = ImageDraw.Draw(image)
    water = (86, 160, 214)
    polygon(draw, ellipse_points(103, 184, 101, 24), water)
    for x, y, w in ((60, 180, 22), (140, 192, 30), (110, 172, 18)):
        line(draw, [(x - w, y), (x + w, y)], lighter(water, 0.45), 1.0)
    stem(draw, [(98, 186), (96, 140), (100, 96)], 3.2)
    stem(draw, [(160, 186), (164, 140), (166, 104)], 2.6)
    stem(draw, [(48, 186), (46, 150), (46, 134)], 2.6)
    lotus_leaf(draw, 46, 132, 44, 15)
    lotus_leaf(draw, 150, 188, 32, 8)
    polygon(draw, blade(166, 104, 40, 22, 90, widest=0.45, tip=1.2, base=1.6),
            (236, 120, 160))
    polygon(draw, blade(166, 104, 26, 12, 96, widest=0.45, tip=1.3, base=1.6),
            (252, 200, 216), outline=False)
    lotus_flower(draw, 100, 100, 70)
    return image


def rose_head(draw, cx, cy, r, red):
    """A rose from the front: broad outer petals round a tight spiral of
    inner petals."""
    for j in range(5):
        shaded_petal(draw, cx, cy, r, r * 1.1, 54 + 72 * j, darker(red, 0.85),
                     shade=darker(red, 0.72), widest=0.62, tip=2.3, base=1.4)
    for j in range(5):
        shaded_petal(draw, cx, cy, r * 0.76, r * 0.95, 90 + 72 * j, red,
                     shade=darker(red, 0.85), widest=0.62, tip=2.3, base=1.4)
    circle(draw, cx, cy, r * 0.46, lighter(red, 0.08))
    spiral = [point_at(cx + r * 0.04, cy, r * 0.42 * (t / 60) ** 0.9,
                       100 + 2.6 * 360 * t / 60) for t in range(61)]
    line(draw, spiral, darker(red, 0.62), 1.0)
    for a in (215, 325):
        line(draw, smooth([point_at(cx, cy, r * 0.6, a + 30),
                           point_at(cx, cy, r * 0.7, a),
                           point_at(cx, cy, r * 0.6, a - 30)]),
             darker(red, 0.7), 0.8)


def thorny_stem(draw, points, width, seed):
    """A stem with small hooked thorns along it."""
    curve = smooth(points)
    stem(draw, points, width)
    rnd = random.Random(seed)
    for i in range(6, len(curve) - 3, 7):
        x, y = curve[i]
        side = 1 if rnd.random() < 0.5 else -1
        polygon(draw, [(x, y - 2), (x + side * (width / 2 + 3), y - 1.5),
                       (x, y + 2)], (150, 110, 60))


def rose():
    """ばら: a deep red rose with its spiral heart, a bud, thorny stems and
    toothed leaves in fives."""
    image = new_canvas(180, 206)
    draw = ImageDraw.Draw(image)
    red = (208, 22, 48)
    thorny_stem(draw, [(92, 206), (90, 150), (92, 100)], 3.4, 41)
    thorny_stem(draw, [(90, 150), (130, 110), (146, 60)], 2.4, 42)
    pinnate(draw, 90, 170, 52, 165, 2, (20, 12), toothed=True, first=0.45)
    pinnate(draw, 91, 140, 46, 20, 2, (18, 11), toothed=True, first=0.45)
    polygon(draw, blade(146, 62, 28, 20, 92, widest=0.45, tip=1.4, base=2.0),
            red)
    for da in (-40, 40, 0):
        polygon(draw, blade(146, 64, 18, 6, 90 + da, widest=0.4, tip=1.0,
                            base=1.5), (96, 150, 60))
    for a in (220, 270, 320):
        polygon(draw, blade(90, 104, 26, 8, a, widest=0.4, tip=1.0, base=1.5),
                (96, 150, 60))
    rose_head(draw, 88, 76, 52, red)
    return image


def pansy_face(draw, cx, cy, r, upper, lower, blotch):
    """A pansy: two upper petals behind, two side petals and a big lower
    petal, with a dark face-like blotch and a small yellow eye."""
    for a in (118, 62):
        shaded_petal(draw, cx, cy, r, r * 0.95, a, upper,
                     shade=darker(upper, 0.88), widest=0.62, tip=2.2, base=1.4)
    for a in (172, 8):
        shaded_petal(draw, cx, cy, r * 0.85, r * 0.8, a, lower,
                     shade=lower, widest=0.62, tip=2.2, base=1.4)
    shaded_petal(draw, cx, cy, r * 0.95, r * 1.05, 270, lower, shade=lower,
                 widest=0.62, tip=2.2, base=1.4)
    for a, length, width in ((172, 0.55, 0.5), (8, 0.55, 0.5),
                             (270, 0.66, 0.8)):
        polygon(draw, blade(cx, cy, r * length, r * width, a, widest=0.6,
                            tip=1.8, base=1.2), blotch, outline=False)
    for a in (250, 262, 278, 290, 180, 164, 0, 16):
        line(draw, [point_at(cx, cy, r * 0.2, a),
                    point_at(cx, cy, r * 0.68, a)], blotch, 0.6)
    circle(draw, cx, cy, r * 0.14, (255, 220, 40), outline=False)
    circle(draw, cx, cy + r * 0.02, r * 0.06, (255, 255, 255), outline=False)


def scalloped_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN):
    """An oval leaf with a gently scalloped edge."""
    shape = blade(x, y, length, width, angle, widest=0.4, tip=1.6, base=1.8,
                  n=40)
    polygon(draw, jagged(shape, 1.0, 4), fill)
    line(draw, [(x, y), point_at(x, y, length * 0.8, angle)],
         darker(fill, 0.8), 0.6)


def pansy():
    """パンジー: three 'faces' of purple, yellow and white pansies over oval
    scalloped leaves."""
    image = new_canvas(196, 178)
    draw = ImageDraw.Draw(image)
    for x, y, angle in ((98, 166, 150), (98, 166, 30), (98, 166, 100),
                        (98, 166, 70), (60, 150, 170), (140, 150, 10)):
        scalloped_leaf(draw, x, y, 50, 28, angle)
    stem(draw, [(98, 176), (70, 130), (50, 110)], 2.2)
    stem(draw, [(98, 176), (126, 130), (146, 112)], 2.2)
    purple = (104, 46, 168)
    pansy_face(draw, 50, 96, 40, (250, 250, 250), (250, 250, 250), purple)
    pansy_face(draw, 148, 98, 40, (255, 214, 20), (255, 214, 20),
               (120, 40, 30))
    pansy_face(draw, 98, 64, 50, purple, (250, 204, 30), (70, 20, 90))
    return image


def spider_lily_flower(draw, x, y, angle, red):
    """One spider lily: narrow wavy tepals curling back and a bundle of
    very long stamens sweeping out and then up."""
    for da, bend in ((-40, -0.35), (40, 0.35), (-15, -0.3), (15, 0.3)):
        shape = blade(x, y, 30, 6, angle + da, widest=0.4, tip=1.2, base=1.5,
                      bend=bend, n=30)
        polygon(draw, jagged(shape, 0.6, 3),
                red if abs(da) > 20 else darker(red, 0.85))
    for k in range(6):
        a = angle + (k - 2.5) * 4
        reach = 34 + 3 * abs(k - 2.5)
        mid = point_at(x, y, reach, a)
        tip = point_at(mid[0], mid[1], reach * 0.9, a + (90 - a) * 0.75)
        line(draw, smooth([(x, y), mid, tip], 10), (206, 20, 36), 1.1)
        circle(draw, tip[0], tip[1], 1.5, (150, 96, 40), outline=False)


def spider_lily():
    """ひがんばな: a crown of red spidery flowers with long curving stamens
    on a bare stem, no leaves."""
    image = new_canvas(204, 214)
    draw = ImageDraw.Draw(image)
    stem(draw, [(100, 214), (98, 160), (100, 104)], 3.6)
    stem(draw, [(166, 214), (168, 180), (172, 150)], 2.8)
    polygon(draw, blade(172, 152, 20, 10, 95, widest=0.5, tip=1.4, base=2.0),
            (200, 40, 40))
    red = (220, 22, 32)
    x, y = 100, 96
    for angle in (95, 50, 140, 10, 170, -30, 210):
        base = point_at(x, y, 5, angle)
        spider_lily_flower(draw, base[0], base[1], angle, red)
    circle(draw, x, y, 5, (110, 150, 60))
    return image

def hairy_stem(draw, points, width, seed):
    """A thin wiry stem with short pale hairs standing off it."""
    stem(draw, points, width)
    rnd = random.Random(seed)
    curve = smooth(points)
    for i in range(2, len(curve) - 1, 3):
        x, y = curve[i]
        side = 1 if i % 2 else -1
        line(draw, [(x + side * width * 0.5, y),
                    (x + side * (width * 0.5 + 2.5), y - rnd.uniform(1, 2))],
             (150, 190, 110), 0.5)


def poppy_flower(draw, cx, cy, r, red):
    """A field poppy from the front: four broad papery petals with black
    blotches, a seed capsule with a dark star on top and black stamens."""
    for a in (135, 45, 225, 315):
        petal_pts = blade(cx, cy, r, r * 1.35, a, widest=0.62, tip=2.4,
                          base=1.3, n=40)
        polygon(draw, jagged(petal_pts, 0.5, 5), red)
        polygon(draw, blade(cx, cy, r * 0.6, r * 0.9, a, widest=0.7, tip=2.0,
                            base=1.3), darker(red, 0.88), outline=False)
        polygon(draw, blade(cx, cy, r * 0.36, r * 0.36, a, widest=0.6,
                            tip=2.0, base=1.3), (40, 24, 30), outline=False)
    for j in range(24):
        x, y = point_at(cx, cy, r * 0.3, 15 * j)
        circle(draw, x, y, r * 0.035, (30, 20, 30), outline=False)
    circle(draw, cx, cy, r * 0.2, (150, 176, 110))
    for j in range(8):
        line(draw, [(cx, cy), point_at(cx, cy, r * 0.18, 22.5 + 45 * j)],
             (80, 50, 90), 0.8)


def poppy():
    """ひなげし: red poppies with black centres on thin hairy stems, a
    nodding bud and finely cut leaves."""
    image = new_canvas(176, 204)
    draw = ImageDraw.Draw(image)
    hairy_stem(draw, [(84, 204), (80, 150), (92, 100), (96, 80)], 2.2, 44)
    hairy_stem(draw, [(82, 170), (50, 140), (40, 110)], 1.8, 45)
    hairy_stem(draw, [(86, 180), (134, 150), (148, 108), (144, 96),
                      (138, 104)], 1.8, 46)
    for x, y, angle in ((84, 200, 150), (84, 200, 30), (82, 186, 120),
                        (84, 186, 60)):
        toothed_leaf(draw, x, y, 40, 12, angle, LEAF_GREEN, depth=2.4,
                     every=4)
    polygon(draw, ellipse_points(137, 114, 6.5, 10, 10), (120, 160, 80))
    poppy_flower(draw, 42, 98, 28, (236, 80, 40))
    poppy_flower(draw, 100, 66, 48, (224, 30, 30))
    return image


def sunflower_head(draw, cx, cy, disc, ray, yellow):
    """A sunflower head: two rings of pointed golden rays round a big
    brown disc of seeds set in spirals."""
    for ring, colour in ((0, darker(yellow, 0.9)), (1, yellow)):
        for j in range(22):
            a = (j + ring * 0.5) * 360 / 22
            shaded_petal(draw, cx, cy, disc + ray * (1 - 0.08 * ring),
                         ray * 0.5, a, colour, shade=darker(colour, 0.9),
                         widest=0.62, tip=1.3, base=1.6)
    circle(draw, cx, cy, disc, (110, 66, 30))
    golden = math.radians(137.508)
    for i in range(150):
        d = disc * 0.92 * math.sqrt((i + 0.5) / 150)
        x, y = cx + d * math.cos(i * golden), cy + d * math.sin(i * golden)
        circle(draw, x, y, 1.3, (70, 40, 20) if i % 2 else (140, 90, 40),
               outline=False)
    circle(draw, cx, cy, disc * 0.3, (96, 90, 36), outline=False)


def sunflower():
    """ひまわり: a big yellow head with a brown seed disc on a thick stem
    with large rough heart-shaped leaves."""
    image = new_canvas(214, 222)
    draw = ImageDraw.Draw(image)
    stem(draw, [(108, 222), (104, 170), (106, 120)], 6.5)
    for x, y, side, size in ((105, 194, -1, 56), (105, 168, 1, 54)):
        line(draw, [(x, y), (x + side * 16, y - 4)], STEM_GREEN, 2.4)
        x += side * 14
        angle = 90 - side * 100
        shape = blade(x, y - 4, size, size * 0.75, angle, widest=0.38,
                      tip=1.3, base=2.0, n=60)
        polygon(draw, jagged(shape, 0.9, 3), LEAF_GREEN)
        line(draw, [(x, y - 4), point_at(x, y - 4, size * 0.8, angle)],
             LEAF_DARK, 0.8)
    sunflower_head(draw, 107, 86, 40, 42, (255, 196, 10))
    return image


def zinnia_head(draw, cx, cy, r, colour):
    """A zinnia head: flat rings of rounded petals laid like roof tiles
    round a dark button ringed with tiny yellow stars."""
    for ring, (count, turn) in enumerate(((16, 0), (14, 12), (12, 4))):
        length = r * (1 - 0.2 * ring)
        tone = mix(colour, lighter(colour, 0.25), ring / 3)
        for j in range(count):
            shaded_petal(draw, cx, cy, length, r * 0.42,
                         turn + 360 * j / count, tone,
                         shade=darker(tone, 0.88), widest=0.7, tip=2.4,
                         base=1.3, notch=0.04)
    circle(draw, cx, cy, r * 0.3, (120, 40, 30))
    for j in range(10):
        x, y = point_at(cx, cy, r * 0.24, 36 * j)
        for k in range(5):
            petal(draw, x, y, r * 0.07, r * 0.05, 90 + 72 * k, (255, 220, 40),
                  outline=False, tip=1.0)
    circle(draw, cx, cy, r * 0.14, (80, 30, 20), outline=False)


def zinnia():
    """ひゃくにちそう: flat orange and pink heads of tiled round petals
    with a ring of little yellow stars, and paired leaves."""
    image = new_canvas(180, 198)
    draw = ImageDraw.Draw(image)
    stem(draw, [(96, 198), (92, 150), (96, 100)], 3.4)
    stem(draw, [(92, 160), (56, 130), (44, 110)], 2.6)
    for x, y, spread in ((94, 170, 0), (93, 136, 10), (62, 134, -20)):
        for side in (-1, 1):
            leaf(draw, x, y, 40, 15, 90 + side * (62 + spread), LEAF_GREEN,
                 widest=0.38, tip=1.2, base=2.0, bend=side * 0.05)
    zinnia_head(draw, 44, 100, 30, (232, 62, 126))
    zinnia_head(draw, 104, 70, 56, (246, 118, 30))
    return image


def hyacinth_floret(draw, x, y, size, colour):
    """One hyacinth floret: a little six-pointed star with a pale heart."""
    for k in range(6):
        petal(draw, x, y, size, size * 0.62, 90 + 60 * k, colour,
              widest=0.55, tip=1.4, base=1.5)
    circle(draw, x, y, size * 0.22, lighter(colour, 0.5), outline=False)


def hyacinth_spike(draw, cx, top, height, half, colour, seed):
    """A dense spike of florets, widest low down, narrow at the top."""
    rnd = random.Random(seed)
    rows = int(height / 9)
    for i in range(rows):
        t = i / (rows - 1)
        y = top + t * height
        w = half * (0.5 + 0.5 * math.sin(math.pi * min(1.0, 0.3 + t)))
        count, offset = (3, 0.5) if i % 2 else (4, 0.0)
        for k in range(count):
            x = cx - w + 2 * w * (k + offset) / 3 + rnd.uniform(-1.5, 1.5)
            tone = mix(colour, darker(colour, 0.8), rnd.random() * 0.6)
            hyacinth_floret(draw, x, y, 9 - 2 * (1 - t), tone)


def hyacinth():
    """ヒヤシンス: fat upright spikes packed with star-shaped blue and pink
    florets among thick strap leaves."""
    image = new_canvas(162, 214)
    draw = ImageDraw.Draw(image)
    stem(draw, [(62, 210), (62, 120)], 5)
    stem(draw, [(112, 210), (112, 110)], 4.5)
    for x, length, angle, bend in ((84, 104, 112, 0.06), (90, 98, 70, -0.06),
                                   (80, 80, 135, 0.08), (92, 76, 48, -0.08),
                                   (86, 66, 95, 0.0)):
        leaf(draw, x, 212, length, 18, angle, LEAF_GREEN, vein=False,
             widest=0.35, tip=1.3, base=2.5, bend=bend)
    hyacinth_spike(draw, 114, 44, 80, 18, (236, 110, 160), 47)
    hyacinth_spike(draw, 62, 20, 112, 26, (92, 84, 214), 48)
    return image


def wisteria_floret(draw, x, y, size, colour):
    """A hanging wisteria floret: a round upright petal with a pale spot
    over a darker keel."""
    petal(draw, x, y, size * 0.8, size * 0.7, 270, darker(colour, 0.8),
          widest=0.55, tip=1.8, base=1.4)
    petal(draw, x, y, size, size * 1.25, 90, colour, widest=0.62, tip=2.2,
          base=1.3)
    circle(draw, x, y - size * 0.25, size * 0.14, (250, 240, 180),
           outline=False)


def wisteria_raceme(draw, x, y, length, seed):
    """One hanging wisteria spray: violet florets crowded at the top,
    getting paler and smaller down to the buds at its tip."""
    rnd = random.Random(seed)
    violet = (122, 82, 200)
    drift = rnd.uniform(-8, 8)
    line(draw, smooth([(x, y), (x + drift * 0.3, y + length / 2),
                       (x + drift, y + length)]), (120, 100, 80), 0.8)
    rows = int(length / 6)
    for i in range(rows):
        t = i / (rows - 1)
        cy = y + 6 + t * (length - 6)
        cx = x + drift * t * t
        size = 8 - 4.5 * t
        across = 3 if t < 0.25 else 2 if t < 0.6 else 1
        colour = mix(violet, (216, 198, 242), t)
        for k in range(across):
            offset = (k - (across - 1) / 2) * size * 1.2 + (i % 2 - 0.5) * 2
            floret_colour = mix(colour, darker(colour, 0.85), rnd.random())
            wisteria_floret(draw, cx + offset, cy, size, floret_colour)


def wisteria():
    """ふじ: long violet flower sprays hanging from a twisted vine among
    feathery compound leaves."""
    image = new_canvas(212, 222)
    draw = ImageDraw.Draw(image)
    stem(draw, [(0, 22), (60, 14), (120, 24), (212, 12)], 4, BARK)
    for x, length, seed in ((40, 150, 1), (106, 196, 2), (170, 170, 3),
                            (74, 116, 4), (140, 128, 5)):
        wisteria_raceme(draw, x, 20, length, seed)
    for x, y, angle in ((14, 20, 250), (90, 18, -25), (122, 22, 210),
                        (198, 14, -70)):
        pinnate(draw, x, y, 46, angle, 4, (15, 6.5), spread=60, first=0.2)
    return image


def palmate_leaf(draw, x, y, size, angle, fill=LEAF_GREEN):
    """A broad leaf with five shallow pointed lobes, like a maple's."""
    shapes = [blade(x, y, size * k, size * 0.55 * k, angle + da, widest=0.5,
                    tip=1.2, base=1.6)
              for da, k in ((-70, 0.7), (70, 0.7), (-35, 0.9), (35, 0.9),
                            (0, 1.0))]
    union(draw, [jagged(p, 0.6, 3) for p in shapes], fill)
    for da in (-70, -35, 0, 35, 70):
        line(draw, [(x, y), point_at(x, y, size * 0.6, angle + da)],
             darker(fill, 0.8), 0.6)


def rose_mallow_flower(draw, cx, cy, r, colour):
    """A cotton rose: five broad veined petals round a long pale column of
    stamens."""
    for j in range(5):
        a = 100 + 72 * j
        shaded_petal(draw, cx, cy, r, r * 1.2, a, colour,
                     shade=lighter(colour, 0.3), widest=0.68, tip=2.2,
                     base=1.3)
        for dv in (-18, 0, 18):
            line(draw, [point_at(cx, cy, r * 0.3, a + dv * 0.5),
                        point_at(cx, cy, r * 0.8, a + dv)],
                 darker(colour, 0.88), 0.5)
    circle(draw, cx, cy, r * 0.18, darker(colour, 0.8), outline=False)
    tip = point_at(cx, cy, r * 0.5, 60)
    line(draw, [(cx, cy), tip], (250, 246, 220), 2.6)
    for k in range(9):
        x, y = point_at(cx, cy, r * (0.2 + 0.034 * k), 60)
        side = 1 if k % 2 else -1
        circle(draw, x + side * 2, y - side * 1, 1.1, (250, 214, 60),
               outline=False)
    for k in range(5):
        sx, sy = point_at(tip[0], tip[1], 3, 20 + 20 * k)
        circle(draw, sx, sy, 1.0, (220, 120, 150), outline=False)


def rose_mallow():
    """ふよう: a large pale pink five-petalled flower with a pale stamen
    column, a bud and broad lobed leaves."""
    image = new_canvas(198, 198)
    draw = ImageDraw.Draw(image)
    stem(draw, [(98, 198), (96, 150), (100, 110)], 3.6, (120, 150, 70))
    stem(draw, [(97, 150), (140, 130), (160, 106)], 2.4, (120, 150, 70))
    for x, y, size, angle in ((96, 158, 52, 185), (98, 150, 50, -15),
                              (130, 136, 36, 60)):
        palmate_leaf(draw, x, y, size, angle)
    polygon(draw, ellipse_points(160, 100, 9, 12, 10), (240, 190, 206))
    for da in (-40, 0, 40):
        polygon(draw, blade(160, 108, 10, 5, 90 + da, widest=0.5, tip=1.0),
                (110, 150, 70))
    rose_mallow_flower(draw, 90, 76, 60, (248, 190, 208))
    return image


def freesia_flower(draw, x, y, size, angle, colour):
    """A freesia seen from the side: a slim tube opening into a funnel of
    round lobes, facing angle."""
    throat = point_at(x, y, size, angle)
    polygon(draw, blade(x, y, size * 1.1, size * 0.42, angle, widest=0.95,
                        tip=3.0, base=0.7, bend=0.08), darker(colour, 0.9))
    for da in (-55, 55, -20, 20):
        shaded_petal(draw, throat[0], throat[1], size * 0.66, size * 0.62,
                     angle + da, colour, shade=lighter(colour, 0.3),
                     widest=0.6, tip=2.2, base=1.3)
    circle(draw, throat[0], throat[1], size * 0.1, darker(colour, 0.8),
           outline=False)


def freesia_spray(draw, points, sizes, colour, bud):
    """An arching stem with flowers all standing up along one side, large
    open ones near the bend and small buds toward the tip."""
    stem(draw, points, 2.2)
    curve = smooth(points, 16)
    start = len(curve) * 2 // 5
    for k, size in enumerate(sizes):
        i = start + k * (len(curve) - 1 - start) // (len(sizes) - 1)
        x, y = curve[i]
        if size > 12:
            freesia_flower(draw, x, y, size, 80 - 6 * k, colour)
        else:
            polygon(draw, blade(x, y, size * 1.8, size * 0.6, 55, widest=0.5,
                                tip=1.2, base=1.5, bend=0.1), bud)


def freesia():
    """フリージア: arching stems with a one-sided row of yellow funnel
    flowers turning up, buds at the tips, and narrow sword leaves."""
    image = new_canvas(200, 192)
    draw = ImageDraw.Draw(image)
    for x, length, angle, bend in ((44, 140, 92, -0.03), (50, 120, 78, 0.06),
                                   (40, 100, 104, -0.06)):
        leaf(draw, x, 192, length, 8, angle, LEAF_GREEN, vein=False,
             widest=0.3, tip=1.0, base=2.0, bend=bend)
    freesia_spray(draw, [(52, 192), (60, 140), (84, 124), (140, 132),
                         (190, 124)], (26, 23, 19, 16, 10, 8, 6),
                  (232, 150, 214), (190, 200, 110))
    freesia_spray(draw, [(46, 192), (50, 100), (70, 74), (134, 80),
                         (188, 68)], (34, 31, 27, 23, 19, 10, 8, 6),
                  (252, 206, 30), (170, 200, 80))
    return image

def ruffle(points, depth, waves):
    """Outline points pushed in and out along the outline normal in waves,
    for a soft frilly edge."""
    n = len(points)
    out = []
    for i, (x, y) in enumerate(points):
        (x0, y0), (x1, y1) = points[i - 1], points[(i + 1) % n]
        d = math.hypot(x1 - x0, y1 - y0) or 1.0
        k = depth * math.sin(2 * math.pi * waves * i / n)
        out.append((x + (y1 - y0) / d * k, y - (x1 - x0) / d * k))
    return out


def ruffled_petal(draw, x, y, length, width, angle, colour, shade):
    """A broad petal with a crinkled, wavy edge and a darker base."""
    shape = blade(x, y, length, width, angle, widest=0.65, tip=2.4, base=1.3,
                  n=60)
    polygon(draw, ruffle(shape, length * 0.04, 7), colour)
    polygon(draw, blade(x, y, length * 0.55, width * 0.6, angle, widest=0.65,
                        tip=2.0, base=1.3), shade, outline=False)


def three_lobed_leaf(draw, x, y, size, angle, fill=LEAF_GREEN):
    """A leaf split into three broad pointed lobes."""
    union(draw, [blade(x, y, size * k, size * 0.5 * k, angle + da, widest=0.5,
                       tip=1.3, base=1.6)
                 for da, k in ((-40, 0.8), (40, 0.8), (0, 1.0))], fill)
    for da in (-40, 0, 40):
        line(draw, [(x, y), point_at(x, y, size * 0.6, angle + da)],
             darker(fill, 0.8), 0.6)


def tree_peony():
    """ぼたん: a huge pink flower of many ruffled petals round a golden
    crown of stamens, with three-lobed leaves."""
    image = new_canvas(212, 208)
    draw = ImageDraw.Draw(image)
    stem(draw, [(106, 208), (104, 160), (106, 130)], 3.6, (112, 120, 70))
    for x, y, size, angle in ((104, 170, 50, 195), (105, 160, 48, -15),
                              (104, 150, 40, 150), (106, 148, 40, 30)):
        line(draw, [(105, y + 10), (x, y)], STEM_GREEN, 1.4)
        three_lobed_leaf(draw, x, y, size, angle)
    pink = (232, 80, 134)
    cx, cy = 106, 84
    for ring, (count, length, turn) in enumerate(((7, 72, 0), (6, 56, 30),
                                                  (5, 40, 10))):
        tone = mix(pink, lighter(pink, 0.35), ring / 2)
        for j in range(count):
            ruffled_petal(draw, cx, cy, length, length * 0.85,
                          turn + 360 * j / count, tone, darker(tone, 0.85))
    rnd = random.Random(51)
    for _ in range(70):
        a = rnd.uniform(0, 360)
        d = 16 * math.sqrt(rnd.random())
        x, y = point_at(cx, cy, d, a)
        circle(draw, x, y, 2.0, (255, 206, 40), (220, 160, 20), 0.5)
    for a in (0, 120, 240):
        x, y = point_at(cx, cy, 4, a)
        circle(draw, x, y, 3, (200, 70, 110))
    return image


def fine_leaf(draw, x, y, length, angle, fill=(104, 160, 90)):
    """A finely cut leaf: a midrib with many narrow lobes."""
    line(draw, [(x, y), point_at(x, y, length, angle)], fill, 1.2)
    for k in range(6):
        px, py = point_at(x, y, length * (0.25 + 0.13 * k), angle)
        size = length * (0.32 - 0.03 * k)
        for side in (-1, 1):
            polygon(draw, blade(px, py, size, 3, angle + side * 50, widest=0.5,
                                tip=1.0, base=1.5), fill)


def daisy_head(draw, cx, cy, r, ray=(252, 252, 250)):
    """A white daisy-like head: narrow round-tipped rays round a domed
    yellow disc."""
    for j in range(22):
        shaded_petal(draw, cx, cy, r, r * 0.28, 360 * j / 22, ray,
                     shade=(236, 238, 232), outline=(176, 186, 186),
                     widest=0.7, tip=2.2, base=1.2, notch=0.04)
    circle(draw, cx, cy, r * 0.3, (252, 200, 20))
    rnd = random.Random(52)
    for _ in range(18):
        x, y = point_at(cx, cy, r * 0.24 * math.sqrt(rnd.random()),
                        rnd.uniform(0, 360))
        circle(draw, x, y, r * 0.035, (220, 150, 10), outline=False)


def marguerite():
    """マーガレット: white flowers with yellow centres on long stems, over
    finely cut blue-green leaves."""
    image = new_canvas(194, 182)
    draw = ImageDraw.Draw(image)
    stem(draw, [(94, 182), (92, 130), (100, 80)], 2.6)
    stem(draw, [(94, 170), (60, 130), (44, 100)], 2.2)
    stem(draw, [(95, 160), (136, 130), (152, 106)], 2.2)
    for x, y, angle in ((92, 176, 160), (96, 176, 20), (92, 156, 140),
                        (96, 150, 45), (70, 142, 120), (126, 138, 70)):
        fine_leaf(draw, x, y, 38, angle)
    daisy_head(draw, 44, 98, 28)
    daisy_head(draw, 152, 104, 26)
    daisy_head(draw, 100, 64, 40)
    return image


def portulaca_flower(draw, cx, cy, r, colour, turn=0):
    """A moss rose: five silky round petals with a small notch and a tuft
    of yellow stamens."""
    for j in range(5):
        shaded_petal(draw, cx, cy, r, r * 1.05, turn + 90 + 72 * j, colour,
                     shade=lighter(colour, 0.2), widest=0.65, tip=2.3,
                     base=1.3, notch=0.06)
    circle(draw, cx, cy, r * 0.2, (255, 222, 60), outline=False)
    for j in range(10):
        x, y = point_at(cx, cy, r * 0.16, 36 * j)
        circle(draw, x, y, r * 0.06, (240, 180, 20), outline=False)


def needle_tuft(draw, x, y, angle, count, length):
    """A tuft of fleshy needle-like leaves fanning out from one point."""
    for k in range(count):
        a = angle + (k - (count - 1) / 2) * 24
        polygon(draw, blade(x, y, length, 3.2, a, widest=0.6, tip=2.0,
                            base=1.5), (128, 190, 80))


def moss_rose():
    """まつばぼたん: bright magenta, yellow, orange and white flowers on
    sprawling red stems with fleshy needle leaves."""
    image = new_canvas(200, 166)
    draw = ImageDraw.Draw(image)
    red_stem = (176, 80, 70)
    stems = [[(100, 156), (70, 130), (40, 96)],
             [(100, 156), (110, 110), (104, 66)],
             [(100, 156), (140, 130), (160, 98)],
             [(100, 156), (60, 146), (24, 136)],
             [(100, 156), (150, 150), (178, 134)]]
    for points in stems:
        stem(draw, points, 2.4, red_stem)
    for points in stems:
        (x0, y0), (x1, y1) = points[-2], points[-1]
        angle = math.degrees(math.atan2(y0 - y1, x1 - x0))
        needle_tuft(draw, x1, y1, angle + 180, 9, 20)
        mx, my = points[1]
        needle_tuft(draw, mx, my, angle + 90, 4, 15)
        needle_tuft(draw, mx, my, angle - 90, 4, 15)
    for (x, y), colour, r in (((40, 94), (255, 200, 20), 20),
                              ((160, 96), (250, 120, 40), 21),
                              ((24, 134), (252, 250, 246), 17),
                              ((178, 132), (232, 40, 60), 17),
                              ((104, 62), (224, 40, 150), 26)):
        portulaca_flower(draw, x, y, r, colour, turn=x)
    return image


def marsh_ground(draw, cx, cy, rx, ry):
    """A patch of wet meadow with a little stream through it."""
    polygon(draw, ellipse_points(cx, cy, rx, ry), (150, 204, 110))
    polygon(draw, ellipse_points(cx + rx * 0.2, cy + ry * 0.3, rx * 0.55,
                                 ry * 0.32), (110, 176, 220))
    rnd = random.Random(54)
    for _ in range(14):
        x = cx + rnd.uniform(-0.85, 0.85) * rx
        y = cy + rnd.uniform(-0.5, 0.1) * ry
        line(draw, [(x, y), (x + rnd.uniform(-2, 2), y - rnd.uniform(4, 7))],
             (90, 150, 70), 0.8)


def skunk_cabbage(draw, x, y, size):
    """A water arum flower: a white pointed hood cupped round a
    yellow-green club, on a short thick stalk at (x, y)."""
    stem(draw, [(x, y), (x, y - size * 0.4)], size * 0.12, (130, 180, 90))
    base = (x, y - size * 0.35)
    shape = blade(base[0], base[1], size * 1.2, size * 0.75, 92, widest=0.45,
                  tip=1.2, base=1.6, n=40)
    polygon(draw, shape, (252, 252, 246), outline=(180, 190, 180))
    polygon(draw, blade(base[0] + size * 0.02, base[1] - size * 0.02,
                        size * 0.85, size * 0.46, 92, widest=0.45, tip=1.4,
                        base=1.6), (226, 236, 220), outline=False)
    cx, cy = base[0] + size * 0.02, base[1] - size * 0.4
    polygon(draw, ellipse_points(cx, cy, size * 0.12, size * 0.26),
            (226, 206, 70))
    rnd = random.Random(int(size))
    for _ in range(14):
        dx, dy = rnd.uniform(-0.8, 0.8), rnd.uniform(-0.85, 0.85)
        if dx * dx + dy * dy < 0.8:
            circle(draw, cx + dx * size * 0.12, cy + dy * size * 0.26,
                   size * 0.02, (190, 170, 40), outline=False)


def water_arum():
    """みずばしょう: white hoods round yellow clubs rising from a wet
    meadow, with broad bright green leaves."""
    image = new_canvas(184, 204)
    draw = ImageDraw.Draw(image)
    marsh_ground(draw, 92, 185, 90, 17)
    for x, length, angle in ((70, 120, 104), (118, 110, 76), (96, 130, 92)):
        leaf(draw, x, 186, length, length * 0.4, angle, LEAF_LIGHT,
             widest=0.62, tip=1.4, base=1.1)
    skunk_cabbage(draw, 136, 190, 44)
    skunk_cabbage(draw, 66, 192, 62)
    return image


def kerria_flower(draw, cx, cy, r, turn=0):
    """A kerria flower: five oval golden petals with small gaps between
    them round a tuft of stamens."""
    gold = (252, 190, 10)
    for j in range(5):
        shaded_petal(draw, cx, cy, r, r * 0.78, turn + 90 + 72 * j, gold,
                     shade=darker(gold, 0.92), widest=0.62, tip=2.2, base=1.5)
    circle(draw, cx, cy, r * 0.22, (236, 160, 0), outline=False)
    for j in range(12):
        x, y = point_at(cx, cy, r * 0.2, 30 * j)
        circle(draw, x, y, r * 0.06, (255, 224, 80), outline=False)


def veined_leaf(draw, x, y, length, width, angle, fill=LEAF_LIGHT):
    """A pointed toothed leaf with pairs of straight side veins."""
    toothed_leaf(draw, x, y, length, width, angle, fill, depth=0.8, every=3)
    for k in range(4):
        px, py = point_at(x, y, length * (0.2 + 0.16 * k), angle)
        for side in (-1, 1):
            line(draw, [(px, py), point_at(px, py, width * 0.35,
                                           angle + side * 50)],
                 darker(fill, 0.8), 0.5)


def kerria():
    """やまぶき: golden yellow five-petalled flowers along arching green
    twigs with bright toothed leaves."""
    image = new_canvas(204, 170)
    draw = ImageDraw.Draw(image)
    twigs = [[(10, 170), (40, 80), (110, 40), (186, 64)],
             [(20, 170), (60, 120), (130, 110), (180, 140)]]
    for points in twigs:
        stem(draw, points, 2.0, (96, 160, 70))
    for points in twigs:
        curve = smooth(points, 12)
        for i in range(5, len(curve) - 6, 6):
            (x0, y0), (x, y) = curve[i - 1], curve[i]
            along = math.degrees(math.atan2(y0 - y, x - x0))
            side = 1 if (i // 6) % 2 else -1
            veined_leaf(draw, x, y, 34, 16, along + side * 50)
    for x, y, r, turn in ((180, 64, 19, 10), (112, 40, 26, 0),
                          (48, 84, 22, 30), (170, 136, 19, 20),
                          (104, 113, 17, 40)):
        kerria_flower(draw, x, y, r, turn)
    return image


def lily_trumpet(draw, x, y, length, angle, white):
    """A lily seen from the side: a long trumpet flaring into tepals that
    curl back, with stamens carrying brown pollen sticking out."""
    tube = blade(x, y, length, length * 0.5, angle, widest=1.0, tip=4.0,
                 base=0.7, n=30)
    polygon(draw, tube[:-1], mix(white, (200, 226, 150), 0.35))
    mouth = point_at(x, y, length * 0.96, angle)
    for k in range(4):
        a = angle + (k - 1.5) * 5
        tip = point_at(mouth[0], mouth[1], length * 0.45, a)
        line(draw, [point_at(x, y, length * 0.6, angle), tip],
             (200, 220, 150), 0.7)
        polygon(draw, ellipse_points(tip[0], tip[1], 3.2, 1.4, a + 90),
                (190, 100, 30), outline=False)
    for da, bend in ((-68, -0.25), (68, 0.25), (-28, -0.2), (28, 0.2)):
        shaded_petal(draw, mouth[0], mouth[1], length * 0.55, length * 0.28,
                     angle + da, white, shade=(236, 242, 220), widest=0.45,
                     tip=1.2, base=1.5, bend=bend)


def lily_face(draw, cx, cy, r, white):
    """A lily opening toward us: six pointed tepals with a pale green
    midline and long brown-tipped stamens."""
    for j in range(6):
        a = 90 + 60 * j
        shaded_petal(draw, cx, cy, r, r * 0.5, a, white,
                     shade=(222, 238, 196), widest=0.45, tip=1.3, base=1.5)
        line(draw, [(cx, cy), point_at(cx, cy, r * 0.6, a)],
             (214, 226, 180), 0.8)
    circle(draw, cx, cy, r * 0.14, (196, 220, 140), outline=False)
    for j in range(6):
        a = 120 + 60 * j
        tip = point_at(cx, cy, r * 0.62, a)
        line(draw, [(cx, cy), tip], (200, 220, 150), 0.7)
        polygon(draw, ellipse_points(tip[0], tip[1], 3, 1.4, a + 90),
                (190, 100, 30), outline=False)


def lily():
    """ゆり: big white lilies on a tall leafy stem, one as a trumpet from
    the side, one opening toward us, and a long bud."""
    image = new_canvas(196, 222)
    draw = ImageDraw.Draw(image)
    white = (254, 254, 248)
    stem(draw, [(118, 222), (116, 150), (120, 100), (124, 80)], 3.2)
    stem(draw, [(118, 130), (104, 110), (100, 98)], 2.4)
    stem(draw, [(119, 110), (150, 84), (164, 56)], 2.2)
    for k in range(7):
        y = 210 - 14 * k
        side = 1 if k % 2 else -1
        leaf(draw, 117, y, 40 - 2 * k, 8, 90 - side * 62, LEAF_GREEN,
             widest=0.35, tip=1.0, base=1.6, bend=side * 0.08)
    polygon(draw, blade(164, 58, 46, 13, 80, widest=0.62, tip=1.5, base=1.2,
                        bend=0.05), mix(white, (180, 210, 130), 0.3))
    lily_trumpet(draw, 100, 100, 54, 162, white)
    lily_face(draw, 128, 62, 50, white)
    return image


def orchid_flower(draw, cx, cy, r, colour, lip):
    """A moth orchid: three sepals, two broad round petals and a small
    dark three-lobed lip in the middle."""
    for a, k in ((90, 1.0), (225, 0.92), (315, 0.92)):
        shaded_petal(draw, cx, cy, r * k, r * 0.55, a, colour,
                     shade=lighter(colour, 0.3), widest=0.55, tip=1.7,
                     base=1.4)
    for a in (160, 20):
        shaded_petal(draw, cx, cy, r * 1.02, r * 1.05, a, colour,
                     shade=lighter(colour, 0.3), widest=0.62, tip=2.4,
                     base=1.3)
        for dv in (-12, 0, 12):
            line(draw, [point_at(cx, cy, r * 0.25, a + dv * 0.5),
                        point_at(cx, cy, r * 0.8, a + dv)],
                 darker(colour, 0.85), 0.5)
    for a in (215, 325):
        petal(draw, cx, cy - r * 0.04, r * 0.4, r * 0.28, a, lip, widest=0.6,
              tip=2.0, base=1.3)
    petal(draw, cx, cy, r * 0.62, r * 0.42, 270, lip, widest=0.7, tip=2.0,
          base=1.2, notch=0.12)
    polygon(draw, ellipse_points(cx, cy - r * 0.12, r * 0.12, r * 0.1),
            (255, 214, 40))
    polygon(draw, ellipse_points(cx, cy + r * 0.05, r * 0.09, r * 0.16),
            (252, 250, 250))


def orchid():
    """らん: an arching spray of moth orchids, each with its little lip,
    over broad thick leaves."""
    image = new_canvas(206, 198)
    draw = ImageDraw.Draw(image)
    spray = [(74, 168), (66, 110), (90, 50), (150, 30), (196, 56)]
    stem(draw, spray, 2.2, (110, 130, 70))
    for angle, length in ((190, 74), (-10, 76), (160, 62), (20, 62)):
        leaf(draw, 76, 170, length, 30, angle, (60, 130, 60), widest=0.55,
             tip=1.8, base=1.4, bend=-0.05 if 90 < angle < 270 else 0.05)
    curve = smooth(spray, 16)
    for i, r in ((58, 12), (50, 10)):
        x, y = curve[i]
        polygon(draw, ellipse_points(x, y + 3, r * 0.45, r * 0.6),
                (236, 180, 220))
    colour, lip = (244, 150, 206), (190, 30, 110)
    for i, r in ((44, 24), (36, 28), (26, 32)):
        x, y = curve[i]
        orchid_flower(draw, x, y + r * 0.4, r, colour, lip)
    return image


def gentian_flower(draw, x, y, size, angle, blue, open_=True):
    """An upright gentian bell: a long tube whose mouth opens into five
    pointed lobes, or a closed twisted bud."""
    if not open_:
        polygon(draw, blade(x, y, size, size * 0.36, angle, widest=0.6,
                            tip=1.2, base=1.4), blue)
        line(draw, [point_at(x, y, size * 0.3, angle + 4),
                    point_at(x, y, size * 0.9, angle - 2)],
             darker(blue, 0.8), 0.6)
        return
    polygon(draw, blade(x, y, size, size * 0.5, angle, widest=0.85, tip=3.0,
                        base=1.2), blue)
    mouth = point_at(x, y, size * 0.92, angle)
    for da in (-62, 62, -22, 22):
        petal(draw, mouth[0], mouth[1], size * 0.42, size * 0.3, angle + da,
              lighter(blue, 0.1), widest=0.5, tip=1.1, base=1.4)
    polygon(draw, ellipse_points(mouth[0], mouth[1], size * 0.22,
                                 size * 0.08, angle - 90),
            darker(blue, 0.7), outline=False)
    for k in range(3):
        sx, sy = point_at(x, y, size * (0.5 + 0.12 * k), angle)
        circle(draw, sx + (k - 1) * 1.5, sy, 0.8, lighter(blue, 0.5),
               outline=False)


def gentian():
    """りんどう: upright blue-violet bell flowers crowded at the top of a
    stem and in the upper leaf pairs, narrow leaves in pairs."""
    image = new_canvas(170, 214)
    draw = ImageDraw.Draw(image)
    blue = (62, 76, 200)
    for sx, top, lean in ((70, 52, -4), (122, 88, 6)):
        stem(draw, [(sx, 214), (sx + lean * 0.5, 140), (sx + lean, top)], 2.6)
        for k in range(5):
            y = 200 - (200 - top - 40) * k / 4
            for side in (-1, 1):
                leaf(draw, sx + lean * (200 - y) / (214 - top), y, 34, 9,
                     90 - side * 55, LEAF_GREEN, widest=0.35, tip=1.0,
                     base=1.6, bend=side * 0.06)
    for x, y, size, angle, open_ in (
            (64, 86, 34, 112, True), (70, 84, 34, 70, True),
            (66, 58, 40, 90, True), (67, 124, 26, 128, True),
            (68, 122, 24, 58, False), (126, 118, 30, 112, True),
            (127, 118, 28, 70, True), (128, 92, 32, 90, True),
            (125, 150, 22, 124, False)):
        gentian_flower(draw, x, y, size, angle, blue, open_)
    return image


def vetch_floret(draw, x, y, size, outward, colour):
    """One floret of a milk vetch head: a pale keel pointing outward and a
    round flag petal standing up behind it, white at its base."""
    tilt = math.cos(math.radians(outward))
    petal(draw, x, y, size * 0.75, size * 0.4, outward, lighter(colour, 0.55),
          widest=0.55, tip=1.8, base=1.3)
    shaded_petal(draw, x, y, size, size * 0.95, 90 - 35 * tilt, colour,
                 shade=(250, 232, 246), widest=0.65, tip=2.3, base=1.3)


def milk_vetch_head(draw, cx, cy, r, colour):
    """A Chinese milk vetch head: a ring of little pea flowers round the
    top of its stalk, their flags standing up like a crown."""
    ring = []
    for k in range(10):
        a = 36 * k + 12
        x = cx + r * 0.62 * math.cos(math.radians(a))
        y = cy - r * 0.28 * math.sin(math.radians(a))
        outward = math.degrees(math.atan2(0.45 * math.sin(math.radians(a)),
                                          math.cos(math.radians(a))))
        ring.append((y, x, outward))
    for y, x, outward in sorted(ring):
        vetch_floret(draw, x, y, r * 0.55, outward, colour)


def round_leaflets(draw, x, y, length, angle, pairs):
    """A compound leaf of small round leaflets in pairs along a stalk."""
    line(draw, [(x, y), point_at(x, y, length, angle)], STEM_GREEN, 1.0)
    for k in range(pairs):
        px, py = point_at(x, y, length * (0.35 + 0.65 * k / pairs), angle)
        for side in (-1, 1):
            end = point_at(px, py, 5.5, angle + side * 70)
            polygon(draw, ellipse_points(end[0], end[1], 4.2, 3.2,
                                         angle + side * 70), LEAF_LIGHT)
    end = point_at(x, y, length + 4, angle)
    polygon(draw, ellipse_points(end[0], end[1], 4.2, 3.2, angle), LEAF_LIGHT)


def milk_vetch():
    """れんげ: crowns of small purple-pink pea flowers on slender stalks
    over a spring field with round-leafleted leaves."""
    image = new_canvas(200, 176)
    draw = ImageDraw.Draw(image)
    polygon(draw, ellipse_points(100, 158, 98, 17), (160, 210, 110))
    colour = (206, 74, 170)
    heads = ((46, 74, 28), (110, 44, 32), (164, 86, 26), (136, 118, 18))
    for hx, hy, _ in heads:
        stem(draw, [(hx * 0.5 + 50, 160), (hx, (hy + 160) / 2), (hx, hy)],
             2.0)
    for x, y, length, angle in ((30, 156, 34, 120), (80, 154, 36, 60),
                                (126, 156, 36, 110), (170, 156, 30, 60),
                                (104, 150, 30, 150), (60, 150, 26, 40)):
        round_leaflets(draw, x, y, length, angle, 4)
    for hx, hy, r in heads:
        milk_vetch_head(draw, hx, hy, r, colour)
    return image


def forget_me_not_flower(draw, cx, cy, r, turn=0):
    """A forget-me-not: five round sky-blue petals, a white ring and a
    yellow eye."""
    blue = (96, 160, 240)
    for j in range(5):
        petal(draw, cx, cy, r, r * 0.95, turn + 90 + 72 * j, blue,
              widest=0.62, tip=2.4, base=1.3)
    circle(draw, cx, cy, r * 0.36, (255, 255, 255), outline=False)
    circle(draw, cx, cy, r * 0.2, (250, 210, 40), outline=False)


def forget_me_not_spray(draw, points, seed):
    """A stem ending in a curled spray: open flowers below, pink and blue
    buds rolled up at the tip."""
    rnd = random.Random(seed)
    stem(draw, points, 1.6)
    tx, ty = points[-1]
    for k in range(6):
        a = 90 + 60 * k
        r = 2.4 + 0.4 * k
        bx, by = point_at(tx, ty, 3 + k * 1.2, a)
        circle(draw, bx, by, r, (236, 150, 190) if k % 2 else (140, 180, 240))
    curve = smooth(points, 10)
    for k, i in enumerate(range(len(curve) - 3, len(curve) // 3, -3)):
        x, y = curve[i]
        side = 1 if k % 2 else -1
        forget_me_not_flower(draw, x + side * 7, y, 7.5,
                             rnd.uniform(0, 72))


def forget_me_not():
    """わすれなぐさ: sprays of tiny sky-blue flowers with yellow eyes,
    pink buds curled at the tips, and soft oblong leaves."""
    image = new_canvas(186, 164)
    draw = ImageDraw.Draw(image)
    for x, y, angle in ((92, 162, 150), (92, 162, 30), (90, 150, 120),
                        (96, 146, 60), (70, 130, 150), (120, 120, 20)):
        leaf(draw, x, y, 40, 14, angle, LEAF_LIGHT, widest=0.55, tip=1.6,
             base=1.6)
    forget_me_not_spray(draw, [(92, 164), (70, 110), (50, 60), (40, 30)], 1)
    forget_me_not_spray(draw, [(94, 164), (100, 110), (98, 50), (104, 20)], 2)
    forget_me_not_spray(draw, [(96, 164), (130, 110), (150, 70), (164, 46)], 3)
    return image


FLOWERS = {
    31: dahlia,
    32: dandelion,
    33: tulip,
    34: evening_primrose,
    35: azalea,
    36: camellia,
    37: rape,
    38: pink,
    39: bush_clover,
    40: lotus,
    41: rose,
    42: pansy,
    43: spider_lily,
    44: poppy,
    45: sunflower,
    46: zinnia,
    47: hyacinth,
    48: wisteria,
    49: rose_mallow,
    50: freesia,
    51: tree_peony,
    52: marguerite,
    53: moss_rose,
    54: water_arum,
    55: kerria,
    56: lily,
    57: orchid,
    58: gentian,
    59: milk_vetch,
    60: forget_me_not,
}
