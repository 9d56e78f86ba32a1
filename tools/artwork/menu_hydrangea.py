#!/usr/bin/python3
"""The menu background: a hydrangea with two leaves and a snail on cyan.

The flower head is drawn in one of two colour schemes; everything else is the
same in both, so the two heads line up pixel for pixel.
"""
import math
import random

from canvas import CLEAR
from menu_draw import (Pen, ellipse_points, lerp, mix, rotated, shade, smooth_closed,
                       smooth_open, translated)

SIZE = (640, 400)
CYAN = (0, 255, 255)

HEAD_CENTRE = (221.0, 155.0)
HEAD_RADII = (106.0, 80.0)  # where floret centres may lie
FLORET_RADIUS = 12.5
FLORET_SPACING = 13.0

BLUE_SCHEME = {
    "colours": [(70, 120, 240), (95, 160, 250), (130, 100, 225)],
    "core": (240, 245, 255),
    "under": (45, 60, 160),
}
PINK_SCHEME = {
    "colours": [(245, 120, 185), (250, 160, 205), (175, 85, 205)],
    "core": (255, 245, 200),
    "under": (110, 35, 100),
}
LIGHT = (-0.45, -0.55, 0.70)

LEAF_BASES = ((206, 288), (236, 288))  # where the two leaf stalks meet their leaves

LEAF_LIGHT = (125, 205, 70)
LEAF_MID = (70, 160, 50)
LEAF_VEIN = (40, 110, 35)
LEAF_EDGE = (25, 80, 25)


def scene(scheme):
    """The canvas of the whole background picture with the given head colours."""
    pen = Pen(SIZE, CYAN + (255,))
    draw_stem(pen)
    draw_leaf(pen, base=LEAF_BASES[0], tip=(26, 322), half_width=60, bend=-10)
    draw_leaf(pen, base=LEAF_BASES[1], tip=(428, 312), half_width=58, bend=8)
    draw_snail(pen, origin=(84, 257))
    draw_head(pen, scheme)
    return pen.image


def head_only(scheme):
    """Just the flower head on a transparent ground, to measure where it lies."""
    pen = Pen(SIZE, CLEAR)
    draw_head(pen, scheme)
    return pen.image


# The stem and the leaves

def draw_stem(pen):
    stem = smooth_open([(221, 230), (223, 290), (220, 330), (223, 360)])
    pen.line(stem, LEAF_EDGE, 10)
    pen.line(stem, LEAF_MID, 7)
    pen.line(translated(stem, -1.5, 0)[2:-2], LEAF_LIGHT, 2.5)
    for base in LEAF_BASES:
        pen.line([(221, 296), base], LEAF_EDGE, 6)
        pen.line([(221, 296), base], LEAF_MID, 3.5)


def draw_leaf(pen, base, tip, half_width, bend):
    """A broad toothed hydrangea leaf, lit on its upper half, with veins."""
    axis, upper, lower = leaf_geometry(base, tip, half_width, bend)
    outline = upper + lower[::-1]
    pen.polygon(outline, LEAF_MID)
    pen.polygon(upper + axis[::-1], LEAF_LIGHT)
    for edge in (upper, lower):
        for vein in lateral_veins(axis, edge):
            pen.line(vein, LEAF_VEIN, 1.1)
    pen.line(axis[:-3], LEAF_VEIN, 2.0)
    pen.line(outline + [outline[0]], LEAF_EDGE, 1.6)


def leaf_geometry(base, tip, half_width, bend, samples=160):
    """Points along the midrib and along the upper and lower toothed edges."""
    (bx, by), (tx, ty) = base, tip
    length = math.hypot(tx - bx, ty - by)
    dx, dy = (tx - bx) / length, (ty - by) / length
    nx, ny = (-dy, dx) if dx < 0 else (dy, -dx)  # the normal pointing upwards
    axis, upper, lower = [], [], []
    for i in range(samples + 1):
        t = i / samples
        sag = bend * math.sin(math.pi * t)
        px, py = bx + dx * length * t + nx * sag, by + dy * length * t + ny * sag
        width = half_width * math.sin(math.pi * t ** 0.8) ** 0.85 + leaf_tooth(t)
        axis.append((px, py))
        upper.append((px + nx * width, py + ny * width))
        lower.append((px - nx * width, py - ny * width))
    return axis, upper, lower


def leaf_tooth(t, count=17):
    """Saw teeth along the edge, each rising slowly and dropping sharply."""
    if t < 0.12 or t > 0.97:
        return 0.0
    phase = (t - 0.12) / 0.85 * count % 1.0
    return 2.2 * phase ** 2


def lateral_veins(axis, edge, count=6):
    """Curved side veins leaving the midrib towards the leaf tip."""
    n = len(axis) - 1
    veins = []
    for k in range(count):
        start = int(n * (0.10 + 0.13 * k))
        end = min(n, start + int(n * 0.14))
        sx, sy = axis[start]
        ex, ey = edge[end]
        ex, ey = lerp(sx, ex, 0.88), lerp(sy, ey, 0.88)
        mx, my = axis[(start + end) // 2]
        bow = (lerp(sx, ex, 0.5) * 0.6 + lerp(mx, ex, 0.7) * 0.4,
               lerp(sy, ey, 0.5) * 0.6 + lerp(my, ey, 0.7) * 0.4)
        veins.append(smooth_open([(sx, sy), bow, (ex, ey)], steps=6))
    return veins


# The snail

SHELL = (255, 214, 40)
SHELL_DARK = (232, 160, 20)
SHELL_LINE = (135, 75, 15)
BODY = (255, 240, 150)
BODY_DARK = (235, 205, 100)
BODY_LINE = (160, 115, 40)


def draw_snail(pen, origin, size=1.2):
    """A small yellow snail crawling left; `origin` is the top-left of its drawing."""
    ox, oy = origin

    def at(points):
        return [(ox + x * size, oy + y * size) for x, y in points]

    pen.ellipse(at([(33, 45)])[0], 29 * size, 3.5 * size, shade(LEAF_MID, 0.8))
    for stalk_end, stalk_base in (((3, 9), (9, 26)), ((15, 7), (15, 25))):
        pen.line(at([stalk_base, stalk_end]), BODY_LINE, 3.4)
        pen.line(at([stalk_base, stalk_end]), BODY, 1.8)
        pen.disc(at([stalk_end])[0], 2.8 * size, (40, 30, 20))
        pen.disc(at([(stalk_end[0] - 0.8, stalk_end[1] - 0.9)])[0], size, (255, 255, 255))
    body = smooth_closed(at([(62, 44), (34, 45), (8, 45), (2, 39), (3, 30), (10, 24),
                             (18, 26), (23, 33), (30, 37), (50, 38)]), steps=8)
    pen.polygon(body, BODY, BODY_LINE, 1.3)
    pen.line(at([(10, 43), (58, 43)]), BODY_DARK, 1.8)
    pen.line(smooth_open(at([(6, 35), (9, 37.5), (12, 36)]), steps=6), BODY_LINE, 1.1)
    pen.disc(at([(14, 34)])[0], 1.6 * size, (255, 170, 150))
    draw_shell(pen, at([(39, 23)])[0], 17 * size)


def draw_shell(pen, centre, radius):
    cx, cy = centre
    pen.ellipse(centre, radius, radius, SHELL_DARK, SHELL_LINE, 1.4)
    pen.ellipse((cx - 2, cy - 2), radius * 0.78, radius * 0.78, SHELL)
    pen.ellipse((cx - 5, cy - 6), radius * 0.28, radius * 0.2, (255, 245, 180))
    spiral = []
    for i in range(111):
        angle = i / 110 * 2.4 * 2 * math.pi
        r = 1.0 + (radius - 3.0) * i / 110
        spiral.append((cx + 1 + r * math.cos(angle + math.pi), cy + r * math.sin(angle + math.pi)))
    pen.line(spiral, SHELL_LINE, 1.6)


# The flower head

def draw_head(pen, scheme):
    """A ball of four-petalled florets, darker in the gaps between them."""
    under = ellipse_points(HEAD_CENTRE, HEAD_RADII[0] - 2, HEAD_RADII[1] - 2)
    pen.polygon(under, scheme["under"])
    for floret in florets():
        draw_floret(pen, floret, scheme)


def florets():
    """Floret positions, sizes and tints; the rim first so nearer florets overlap it."""
    rng = random.Random(20240607)
    cx, cy = HEAD_CENTRE
    rx, ry = HEAD_RADII
    placed = []
    for _ in range(30000):
        u, v = rng.uniform(-1, 1), rng.uniform(-1, 1)
        if u * u + v * v > 1:
            continue
        x, y = cx + u * rx, cy + v * ry
        if all(math.hypot(x - f["x"], y - f["y"]) >= FLORET_SPACING for f in placed):
            placed.append(floret_at(x, y, u, v, rng))
    return sorted(placed, key=lambda f: -f["depth"])


def floret_at(x, y, u, v, rng):
    """One floret at (x, y); (u, v) is its place on the ball, from -1 to 1 across it."""
    z = math.sqrt(max(0.0, 1 - u * u - v * v))
    lx, ly, lz = LIGHT
    norm = math.sqrt(lx * lx + ly * ly + lz * lz)
    light = (u * lx + v * ly + z * lz) / norm
    return {
        "x": x, "y": y,
        "depth": u * u + v * v,
        "radius": FLORET_RADIUS * (0.85 + 0.15 * z) * rng.uniform(0.92, 1.08),
        "angle": rng.uniform(0, math.pi / 2),
        "squash": 0.62 + 0.38 * z,
        "tilt": math.atan2(v, u),
        "brightness": 0.74 + 0.44 * light + rng.uniform(-0.04, 0.04),
        "tint": tint(u, v, rng),
        "keeps_blue": rng.random() < 0.09,
    }


def tint(u, v, rng):
    """Which of the scheme's colours a floret takes: patches rather than noise."""
    patch = math.sin(4.2 * u + 1.3) * math.cos(3.4 * v - 0.4) + rng.uniform(-0.45, 0.45)
    if patch > 0.2:
        return 2
    return 1 if patch < -0.55 else 0


def draw_floret(pen, floret, scheme):
    colours = BLUE_SCHEME["colours"] if floret["keeps_blue"] else scheme["colours"]
    core = BLUE_SCHEME["core"] if floret["keeps_blue"] else scheme["core"]
    base = shade(colours[floret["tint"]], floret["brightness"])
    for k in range(4):
        draw_petal(pen, floret, floret["angle"] + k * math.pi / 2, base)
    centre = (floret["x"], floret["y"])
    pen.disc(centre, floret["radius"] * 0.2, shade(base, 0.55))
    pen.disc(centre, floret["radius"] * 0.12, mix(core, base, 0.2))


def draw_petal(pen, floret, angle, base):
    """One petal: its colour with a dark edge, and a paler patch towards the tip."""
    r = floret["radius"]
    petal = translated(petal_shape(r * 0.56, r * 0.44), r * 0.5, 0)
    sheen = translated(petal_shape(r * 0.40, r * 0.30), r * 0.57, 0)
    pen.polygon(placed_on_floret(petal, floret, angle), base, shade(base, 0.5), 0.9)
    pen.polygon(placed_on_floret(sheen, floret, angle), mix(base, (255, 255, 255), 0.28))


def petal_shape(half_length, half_width, steps=28):
    """A rounded petal, wider towards its tip (+x) than at its base."""
    points = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        c = math.cos(t)
        points.append((half_length * c, half_width * math.sin(t) * (0.78 + 0.22 * c)))
    return points


def placed_on_floret(points, floret, angle):
    """Petal points turned into place, foreshortened towards the rim of the ball."""
    turned = rotated(points, angle - floret["tilt"])
    squashed = [(x * floret["squash"], y) for x, y in turned]
    return translated(rotated(squashed, floret["tilt"]), floret["x"], floret["y"])
