#!/usr/bin/python3
"""A yellow butterfly with black markings: wings spread (from above) and raised (from the side)."""
import math

from canvas import CLEAR
from menu_draw import Pen, rotated, shade, smooth_closed, smooth_open, translated

YELLOW = (255, 222, 40)
YELLOW_LIGHT = (255, 240, 120)
BLACK = (25, 20, 20)
BODY = (55, 40, 35)
ORANGE = (255, 120, 30)

FOREWING = [(1.5, -3), (8, -12), (18, -20), (27, -24), (28.5, -17), (25, -8), (18, -1.5),
            (8, 0), (2, 0)]
HINDWING = [(1.5, 1), (10, 0), (19, 3), (23.5, 9), (21, 16), (17.5, 21), (16.5, 28),
            (13.5, 27.5), (12.5, 21.5), (7, 18), (2, 9)]
FOREWING_ROOT = (3, -2)
HINDWING_ROOT = (3, 2)
SIDE_FOREWING = [(-1, -2), (0, -13), (3, -25), (9, -34), (15, -35), (18.5, -27), (18.5, -17),
                 (14.5, -7), (6, -0.5)]
SIDE_HINDWING = [(2, -1), (11, -9), (21, -13), (27, -7), (25, 0), (29, 6), (26, 8), (19, 4),
                 (8, 1.5)]


def spread():
    """The canvas of the butterfly seen from above, wings open, slightly turned
    (63 x 63 final pixels)."""
    pen = Pen((63, 63), CLEAR)
    for flip in (1, -1):
        side = _placer(origin=(31.5, 29.5), turn=math.radians(-10), flip=flip)
        draw_wing(pen, [side(p) for p in HINDWING], side(HINDWING_ROOT),
                  eyespot=side((10.5, 15)))
        draw_wing(pen, [side(p) for p in FOREWING], side(FOREWING_ROOT),
                  spots=[side(p) for p in ((10, -9), (15, -12))])
    draw_body_from_above(pen, _placer(origin=(31.5, 29.5), turn=math.radians(-10)))
    return pen.image


def raised():
    """The canvas of the butterfly seen from the side, wings raised together
    (54 x 53 final pixels)."""
    pen = Pen((54, 53), CLEAR)
    place = _placer(origin=(21, 41), turn=math.radians(-8))
    far = [place(p) for p in translated(SIDE_FOREWING, -2.5, -1)]
    pen.polygon(smooth_closed(far, 8), shade(YELLOW, 0.75), BLACK, 1.1)
    draw_wing(pen, [place(p) for p in SIDE_HINDWING], place((3, -1)),
              eyespot=place((20, -2)))
    draw_wing(pen, [place(p) for p in SIDE_FOREWING], place((1, -1)),
              spots=[place(p) for p in ((9, -17), (12, -22))])
    draw_body_from_side(pen, place)
    return pen.image


def _placer(origin, turn, flip=1):
    """Maps butterfly coordinates (thorax at 0, 0) into the picture; flip=-1 mirrors them."""
    def place(point):
        (x, y), = rotated([(flip * point[0], point[1])], turn)
        return x + origin[0], y + origin[1]
    return place


def draw_wing(pen, control_points, root, spots=(), eyespot=None):
    """A yellow wing with a black margin, yellow dots in the margin and black veins."""
    outline = smooth_closed(control_points, 8)
    pen.polygon(outline, BLACK)
    pen.polygon(towards(root, outline, 0.8), YELLOW)
    pen.polygon(towards(root, outline, 0.45), YELLOW_LIGHT)
    rim = outer_edge(root, outline)
    step = max(1, len(rim) // 5)
    for point in rim[step // 2::step]:
        pen.line(towards(root, [point], 0.3) + towards(root, [point], 0.84), BLACK, 0.8)
    for point in rim[step::step]:
        pen.disc(towards(root, [point], 0.9)[0], 1.0, YELLOW_LIGHT)
    for spot in spots:
        pen.disc(spot, 1.6, BLACK)
    if eyespot:
        pen.disc(eyespot, 2.4, BLACK)
        pen.disc(eyespot, 1.6, ORANGE)
    pen.line(outline + [outline[0]], BLACK, 1.1)


def towards(root, points, factor):
    """Points pulled towards the wing root, keeping `factor` of their distance."""
    rx, ry = root
    return [(rx + (x - rx) * factor, ry + (y - ry) * factor) for x, y in points]


def outer_edge(root, outline):
    """The run of outline points far from the root: the wing's outer margin."""
    distances = [math.hypot(x - root[0], y - root[1]) for x, y in outline]
    far = max(distances) * 0.62
    start = min(range(len(outline)), key=lambda i: distances[i])
    ordered = outline[start:] + outline[:start]
    ordered_distances = distances[start:] + distances[:start]
    return [p for p, d in zip(ordered, ordered_distances) if d > far]


def draw_body_from_above(pen, place):
    for tip in ((-7, -23), (7, -23)):
        bend = (tip[0] * 0.35, -16)
        antenna = [place(p) for p in smooth_open([(0, -10), bend, tip], 6)]
        pen.line(antenna, BLACK, 0.8)
        pen.disc(antenna[-1], 1.4, BLACK)
    body = [place(p) for p in smooth_closed([(0, -8), (2.2, -4), (2, 4), (1.2, 14), (0, 17),
                                             (-1.2, 14), (-2, 4), (-2.2, -4)], 6)]
    pen.polygon(body, BODY, BLACK, 0.8)
    pen.disc(place((0, -9.5)), 2.6, BODY)
    for eye in ((-1.4, -10.3), (1.4, -10.3)):
        pen.disc(place(eye), 0.7, (240, 240, 240))


def draw_body_from_side(pen, place):
    for foot in ((-6, 8), (-1, 9), (4, 8)):
        pen.line([place((foot[0] * 0.5, 1)), place(foot)], BLACK, 1.0)
    for tip in ((-15, -15), (-11, -18)):
        antenna = [place(p) for p in smooth_open([(-5, -3), (tip[0] * 0.6, tip[1] * 0.55), tip], 6)]
        pen.line(antenna, BLACK, 0.8)
        pen.disc(antenna[-1], 1.3, BLACK)
    body = [place(p) for p in smooth_closed([(-3, -2), (3, -2.5), (10, 0), (17, 3.5), (18, 5.5),
                                             (15, 6), (8, 4), (1, 3), (-3, 2)], 6)]
    pen.polygon(body, BODY, BLACK, 0.8)
    pen.disc(place((-5, -1)), 2.8, BODY)
    pen.disc(place((-6, -1.8)), 0.8, (240, 240, 240))
