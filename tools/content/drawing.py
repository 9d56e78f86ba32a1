#!/usr/bin/python3
"""Shared drawing toolkit for the flower pictures.

Every picture is drawn on a canvas from canvas.new_canvas(), SCALE times its
final size, and reduced to a small transparent GIF by make_pictures.py.  The
shape helpers below take coordinates, lengths and widths in FINAL pixels
(floats are fine) and scale them by SCALE themselves; only direct ImageDraw
calls need coordinates multiplied by SCALE.

Angles are in degrees, 0 pointing right and 90 pointing UP on the screen
(counter-clockwise), so a petal at angle 90 stands upright.

Colours are (r, g, b) tuples.  A shape is outlined in a darker shade of its
own fill unless an outline colour is given; outline=False draws no outline.

A flower module exposes FLOWERS = {entry_number: function}; each function
takes no arguments and returns the finished RGBA image at SCALE times the
final size (for example the image from new_canvas()).
"""
import math

from canvas import SCALE

OUTLINE_WIDTH = 0.8

LEAF_GREEN = (86, 160, 62)
LEAF_DARK = (52, 118, 44)
LEAF_LIGHT = (140, 196, 92)
STEM_GREEN = (78, 146, 58)


def darker(colour, factor=0.7):
    """Return colour scaled toward black (factor 1 keeps it)."""
    return tuple(int(round(c * factor)) for c in colour)


def lighter(colour, amount=0.35):
    """Return colour moved toward white by amount (0 keeps it, 1 is white)."""
    return tuple(int(round(c + (255 - c) * amount)) for c in colour)


def mix(a, b, t):
    """Return the colour t of the way from a to b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def _scaled(points):
    return [(x * SCALE, y * SCALE) for x, y in points]


def _outline_colour(fill, outline):
    if outline is None:
        return darker(fill)
    return outline


def polygon(draw, points, fill, outline=None, width=OUTLINE_WIDTH):
    """Fill a closed polygon given in final pixels and outline it."""
    pts = _scaled(points)
    draw.polygon(pts, fill=fill)
    if outline is not False:
        line_width = max(1, int(round(width * SCALE)))
        draw.line(pts + pts[:1], fill=_outline_colour(fill, outline),
                  width=line_width, joint="curve")


def ellipse(draw, cx, cy, rx, ry, fill, outline=None, width=OUTLINE_WIDTH):
    """Fill an axis-aligned ellipse centred at (cx, cy) with radii rx, ry."""
    box = [(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE, (cy + ry) * SCALE]
    if outline is False:
        draw.ellipse(box, fill=fill)
    else:
        draw.ellipse(box, fill=fill, outline=_outline_colour(fill, outline),
                     width=max(1, int(round(width * SCALE))))


def circle(draw, cx, cy, r, fill, outline=None, width=OUTLINE_WIDTH):
    """Fill a circle of radius r centred at (cx, cy)."""
    ellipse(draw, cx, cy, r, r, fill, outline, width)


def ellipse_points(cx, cy, rx, ry, angle=0.0, n=48):
    """Return n points around an ellipse turned by angle (for polygon())."""
    cos_a, sin_a = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    points = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        points.append((cx + x * cos_a + y * sin_a, cy - x * sin_a + y * cos_a))
    return points


def line(draw, points, colour, width):
    """Draw a polyline in final pixels with round joints and round ends."""
    pts = _scaled(points)
    w = width * SCALE
    draw.line(pts, fill=colour, width=max(1, int(round(w))), joint="curve")
    r = w / 2
    for x, y in (pts[0], pts[-1]):
        draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)


def smooth(points, steps=12):
    """Return a smooth curve through points (Catmull-Rom), sampled densely."""
    pts = [points[0]] + list(points) + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(steps):
            t = s / steps
            out.append(tuple(
                0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t * t
                       + (-a + 3 * b - 3 * c + d) * t ** 3)
                for a, b, c, d in zip(p0, p1, p2, p3)))
    out.append(points[-1])
    return out


def stem(draw, points, width, colour=STEM_GREEN, outline=None,
         outline_width=OUTLINE_WIDTH * 0.75):
    """Draw a smooth stem through points with a darker edge on both sides."""
    curve = smooth(points)
    if outline is not False:
        line(draw, curve, _outline_colour(colour, outline), width + 2 * outline_width)
    line(draw, curve, colour, width)


def blade(x, y, length, width, angle, widest=0.45, tip=2.0, base=1.0,
          bend=0.0, notch=0.0, n=24):
    """Return the outline of a petal or leaf growing from (x, y).

    length and width are in final pixels; widest is where along the length
    the blade is broadest (0..1).  tip shapes the far end: 2 gives a round
    end, 1 a straight point, below 1 a long fine point.  base shapes the near
    end the same way (1 tapers straight, 2 is round, below 1 a thin claw).  bend curves
    the midline sideways (a fraction of the length, positive bends to the
    left of the growing direction).  notch cuts a V into the tip (a fraction
    of the length), as in cherry petals.
    """
    left, right = [], []
    for i in range(n + 1):
        t = i / n
        if t <= widest:
            u = t / widest
            half = max(0.0, 1 - (1 - u) ** base) ** (1 / base)
        else:
            u = (t - widest) / (1 - widest)
            half = max(0.0, 1 - u ** tip) ** (1 / tip)
        half *= width / 2
        along = t * length
        side = bend * length * 4 * t * (1 - t) if bend else 0.0
        left.append((along, side + half))
        right.append((along, side - half))
    outline = right[:-1] + [(length * (1 - notch), 0.0)] + left[-2::-1]
    return place(outline, x, y, angle)


def place(local_points, x, y, angle):
    """Turn local points (u along, v to its left) to angle, moved to (x, y)."""
    cos_a, sin_a = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    return [(x + u * cos_a - v * sin_a, y - u * sin_a - v * cos_a)
            for u, v in local_points]


def point_at(x, y, distance, angle):
    """Return the point distance away from (x, y) in direction angle."""
    return (x + distance * math.cos(math.radians(angle)),
            y - distance * math.sin(math.radians(angle)))


def petal(draw, x, y, length, width, angle, fill, outline=None, **shape):
    """Draw one petal from (x, y); shape keywords are those of blade()."""
    points = blade(x, y, length, width, angle, **shape)
    polygon(draw, points, fill, outline)
    return points


def leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN, outline=None,
         vein=True, **shape):
    """Draw a pointed leaf from (x, y) with an optional midrib vein."""
    shape.setdefault("tip", 1.0)
    shape.setdefault("widest", 0.4)
    points = blade(x, y, length, width, angle, **shape)
    polygon(draw, points, fill, outline)
    if vein:
        bend = shape.get("bend", 0.0)
        mid = [(t * length, bend * length * 4 * t * (1 - t))
               for t in (0.0, 0.25, 0.5, 0.75, 0.9)]
        line(draw, place(mid, x, y, angle), darker(fill, 0.8), 0.6)
    return points


def rosette(draw, cx, cy, count, length, width, fill, start=90.0, outline=None,
            **shape):
    """Draw count equal petals evenly around (cx, cy), starting at angle start."""
    for i in range(count):
        petal(draw, cx, cy, length, width, start + 360.0 * i / count, fill,
              outline, **shape)


def sword_leaf(draw, x, y, length, width, angle, fill=LEAF_GREEN, bend=0.0,
               outline=None):
    """Draw a long narrow grass- or sword-shaped leaf rising from (x, y)."""
    leaf(draw, x, y, length, width, angle, fill, outline, vein=False,
         widest=0.2, tip=0.9, base=3.0, bend=bend)


def shaded_petal(draw, x, y, length, width, angle, fill, shade=None,
                 outline=None, **shape):
    """Draw a petal with a second tone (darker by default) toward its base."""
    points = petal(draw, x, y, length, width, angle, fill, outline, **shape)
    inner = dict(shape, notch=0.0)
    polygon(draw, blade(x, y, length * 0.5, width * 0.55, angle, **inner),
            shade if shade else darker(fill, 0.85), outline=False)
    return points


def union(draw, shapes, fill, outline=None, width=OUTLINE_WIDTH):
    """Fill several overlapping polygons as one shape with one outline."""
    colour = _outline_colour(fill, outline)
    for points in shapes:
        pts = _scaled(points)
        draw.line(pts + pts[:1], fill=colour,
                  width=max(1, int(round(2 * width * SCALE))), joint="curve")
    for points in shapes:
        draw.polygon(_scaled(points), fill=fill)


def heart_points(x, y, length, width, angle, n=64):
    """Return a heart-shaped leaf outline with its notch at (x, y).

    The point of the heart is length away in direction angle; the two lobes
    reach a little behind (x, y).
    """
    local = []
    for i in range(n):
        t = 2 * math.pi * i / n
        hx = 16 * math.sin(t) ** 3
        hy = (13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t)
              - math.cos(4 * t))
        local.append(((5 - hy) / 22 * length, hx / 32 * width))
    return place(local, x, y, angle)


def jagged(points, depth, every=2):
    """Return a closed outline with every n-th point pushed outward by depth.

    Gives a toothed or frilled edge to a densely sampled outline such as
    blade() or radial_points() return.
    """
    n = len(points)
    area = sum(points[i][0] * points[(i + 1) % n][1]
               - points[(i + 1) % n][0] * points[i][1] for i in range(n))
    sign = 1.0 if area > 0 else -1.0
    out = []
    for i, (px, py) in enumerate(points):
        if i % every == 0:
            tx = points[(i + 1) % n][0] - points[i - 1][0]
            ty = points[(i + 1) % n][1] - points[i - 1][1]
            d = math.hypot(tx, ty) or 1.0
            px, py = px + sign * ty / d * depth, py - sign * tx / d * depth
        out.append((px, py))
    return out


def radial_points(cx, cy, radius_at, n=96, start=0.0):
    """Return a closed outline around (cx, cy) whose radius at angle a is radius_at(a)."""
    points = []
    for i in range(n):
        a = start + 360.0 * i / n
        points.append(point_at(cx, cy, radius_at(a), a))
    return points
