#!/usr/bin/python3
"""Draws the fixed pictures of the screens that show who is playing.

artwork/player/guest.gif      the guest's mark: a small pink flower (32 x 32)
artwork/stampcard/stamp.gif   the stamp on a learned name: a red seal with a
                              flower in it (22 x 22)
artwork/stampcard/seal.gif    the same seal, large, beside the count (88 x 88)

and each of them at twice its size beside it, as name@2x.gif, for screens at 150 %
and more. Both lie on tiles of their own colour, and their soft edges are mixed
with that colour.
"""

import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

from canvas import new_canvas  # noqa: E402
from gif import write_screen_gifs  # noqa: E402
from pen import WINDOW_GREEN, Pen  # noqa: E402

ARTWORK = Path(__file__).resolve().parents[2] / "artwork"

# The guest's tile on the learner screen is this pale yellow.
GUEST_TILE = (0xFF, 0xF0, 0xB0)
GUEST_SIZE = (32, 32)
PETAL_PINK = (255, 120, 170)
PETAL_EDGE = (200, 40, 110)
HEART_YELLOW = (255, 210, 0)
LEAF_GREEN = (40, 150, 50)

# The names on the stamp card lie on this light blue-violet, the quiz board's.
CARD_TILE = (0x80, 0x80, 0xFF)
STAMP_SIDE = 22
SEAL_SIDE = 88
SEAL_RED = (220, 0, 30)


def petals(pen, centre, count, reach, width, fill, outline=None):
    """Round petals about a centre, each an ellipse turned to its angle."""
    x, y = centre
    for petal in range(count):
        angle = 2 * math.pi * petal / count - math.pi / 2
        points = []
        for step in range(24):
            t = 2 * math.pi * step / 24
            along = reach / 2 * (1 + math.cos(t))
            across = width / 2 * math.sin(t)
            points.append((x + math.cos(angle) * along - math.sin(angle) * across,
                           y + math.sin(angle) * along + math.cos(angle) * across))
        pen.polygon(points, fill)
        if outline:
            pen.outline(points, outline, 0.6)


def draw_guest():
    canvas = new_canvas(*GUEST_SIZE)
    pen = Pen(canvas)
    pen.polygon([(15, 30), (17, 30), (17, 20), (15, 20)], LEAF_GREEN)
    pen.ellipse((5, 22, 16, 28), LEAF_GREEN)
    pen.ellipse((16, 23, 27, 29), LEAF_GREEN)
    petals(pen, (16, 12), 5, 10.5, 8, PETAL_PINK, PETAL_EDGE)
    pen.circle((16, 12), 3, HEART_YELLOW)
    return canvas


def draw_stamp(side):
    """A red ring round a five-petalled flower, like a teacher's seal."""
    canvas = new_canvas(side, side)
    pen = Pen(canvas)
    unit = side / 22
    centre = (side / 2, side / 2)
    pen.circle(centre, 10.2 * unit, None, SEAL_RED, 1.8 * unit)
    petals(pen, centre, 5, 6.6 * unit, 5 * unit, SEAL_RED)
    pen.circle(centre, 1.8 * unit, (255, 255, 255))
    return canvas


def check_corners(transparent, factor):
    """Transparent in the corners, where the tile shows through."""
    height, width = transparent.shape
    for x, y in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        assert transparent[y, x], f"corner {(x, y)} is not transparent"
    assert not transparent.all(), "the picture is empty"


def main():
    write_screen_gifs(draw_guest(), ARTWORK / "player" / "guest.gif", GUEST_TILE, check_corners)
    write_screen_gifs(draw_stamp(STAMP_SIDE), ARTWORK / "stampcard" / "stamp.gif", CARD_TILE,
                      check_corners)
    write_screen_gifs(draw_stamp(SEAL_SIDE), ARTWORK / "stampcard" / "seal.gif", WINDOW_GREEN,
                      check_corners)


if __name__ == "__main__":
    main()
