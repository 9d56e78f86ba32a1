#!/usr/bin/python3
"""Draws the fixed pictures of the name quiz screen.

artwork/quiz/disc.gif    the cyan disc behind the flower picture (267 x 265)
artwork/quiz/banner.gif  the title banner with a dandelion (211 x 53)

and each of them at twice its size beside it, as name@2x.gif, for screens at 150 %
and more.

The disc lies at (25, 78) in the window and the flower picture frame, 177 x 184
at (70, 120), is centred on it with its corners just touching the blue rim.
"""

import math
import sys
from pathlib import Path

from PIL import ImageChops

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

from canvas import new_canvas  # noqa: E402
from gif import write_screen_gifs  # noqa: E402
from pen import WINDOW_GREEN, Pen, fill_gradient, mincho, new_mask  # noqa: E402

OUTPUT = Path(__file__).resolve().parents[2] / "artwork" / "quiz"

DISC_SIZE = (267, 265)
# The picture frame in disc coordinates.
FRAME_LEFT, FRAME_TOP, FRAME_WIDTH, FRAME_HEIGHT = 45, 42, 177, 184
DISC_CENTRE = (FRAME_LEFT + FRAME_WIDTH / 2, FRAME_TOP + FRAME_HEIGHT / 2)
RIM_INNER = math.hypot(FRAME_WIDTH, FRAME_HEIGHT) / 2
DISC_RADIUS = 130.5
DISC_CYAN = (0, 255, 255)
RIM_BLUE = (0, 32, 232)

BANNER_SIZE = (211, 53)
BANNER_RADIUS = 8
SKY = [(0.0, (64, 160, 255)), (1.0, (190, 232, 255))]
MEADOW = [(0.0, (130, 214, 80)), (1.0, (48, 146, 40))]
HORIZON = 35
BANNER_EDGE = (30, 100, 40)
TITLE = "花の名前"
TITLE_RED = (232, 0, 0)
TITLE_SIZE = 36
TITLE_CENTRE = (78, 27)
TITLE_STROKE = 0.9
TITLE_HALO = 2.4

STEM_GREEN = (56, 130, 30)
LEAF_GREEN = (40, 120, 36)
PETAL_YELLOW = (255, 222, 0)
FLOWER_CENTRE = (250, 170, 0)
# (reach as a share of the head's radius, colour, number of petals), outer ring first.
PETAL_RINGS = [(1.0, (244, 196, 0), 18), (0.72, PETAL_YELLOW, 14)]
SEED_WHITE = (255, 255, 255)
SEED_LINE = (200, 208, 216)
# (head x, head y, radius) of the flowering heads; the stems rise from the grass.
FLOWER_HEADS = [(166, 28, 8), (180, 38, 6.5)]
SEED_HEAD = (195, 15, 10)
GRASS_LINE = 50


def draw_disc():
    canvas = new_canvas(*DISC_SIZE)
    pen = Pen(canvas)
    pen.circle(DISC_CENTRE, DISC_RADIUS, RIM_BLUE)
    pen.circle(DISC_CENTRE, RIM_INNER, DISC_CYAN)
    return canvas


def horizon_at(x):
    """The top of the meadow: two gentle hills."""
    return HORIZON + 2.5 * math.cos(x / 24) - 1.5 * math.sin(x / 13)


def draw_landscape(canvas):
    """Sky above and meadow below, cut to the banner's rounded outline."""
    width, height = BANNER_SIZE
    outline = (0, 0, width, height)
    banner, pen = new_mask(canvas)
    pen.rounded(outline, BANNER_RADIUS, 255)
    fill_gradient(canvas, banner, outline, SKY, horizontal=False)
    hills, hill_pen = new_mask(canvas)
    xs = [x / 2 for x in range(0, 2 * width + 1)]
    hill_pen.polygon([(x, horizon_at(x)) for x in xs] + [(width, height), (0, height)], 255)
    meadow = ImageChops.darker(banner, hills)
    fill_gradient(canvas, meadow, (0, HORIZON - 5, width, height), MEADOW, horizontal=False)
    Pen(canvas).rounded((0.5, 0.5, width - 0.5, height - 0.5), BANNER_RADIUS,
                        None, BANNER_EDGE, 1)


def toothed_leaf(base, length, angle, width):
    """A dandelion leaf: a long blade with deep teeth along one side."""
    dx, dy = math.cos(angle), math.sin(angle)
    nx, ny = -dy, dx
    upper, lower = [], []
    steps = 10
    for step in range(steps + 1):
        t = step / steps
        along = (base[0] + dx * length * t, base[1] + dy * length * t)
        half = width * math.sin(math.pi * t) ** 0.8
        tooth = 1.0 if step % 2 else 0.45
        upper.append((along[0] + nx * half * tooth, along[1] + ny * half * tooth))
        lower.append((along[0] - nx * half * 0.7, along[1] - ny * half * 0.7))
    return upper + list(reversed(lower))


def stem(pen, root, head, bend):
    """A slightly bowed stem from the grass up to a flower head."""
    middle = ((root[0] + head[0]) / 2 + bend, (root[1] + head[1]) / 2)
    pen.line([root, middle, head], STEM_GREEN, 1.1)


def flower_head(pen, x, y, radius):
    """A yellow dandelion flower: two rings of narrow petals round an orange heart."""
    for ring, (reach, colour, count) in enumerate(PETAL_RINGS):
        for petal in range(count):
            angle = 2 * math.pi * (petal + ring / 2) / count
            spread = math.pi / count
            tip = (x + math.cos(angle) * radius * reach, y + math.sin(angle) * radius * reach)
            side = radius * 0.35
            left = (x + math.cos(angle - spread) * side, y + math.sin(angle - spread) * side)
            right = (x + math.cos(angle + spread) * side, y + math.sin(angle + spread) * side)
            pen.polygon([(x, y), left, tip, right], colour)
    pen.circle((x, y), radius * 0.28, FLOWER_CENTRE)


def seed_head(pen, x, y, radius):
    """The white seed ball: fine rays from the middle, each ending in a tuft."""
    pen.circle((x, y), radius * 0.92, (236, 244, 250))
    rays = 28
    for ray in range(rays):
        angle = 2 * math.pi * ray / rays
        tip = (x + math.cos(angle) * radius, y + math.sin(angle) * radius)
        pen.line([(x, y), tip], SEED_LINE, 0.35)
        pen.circle(tip, 0.9, SEED_WHITE)
    pen.circle((x, y), radius * 0.18, (150, 130, 90))


def draw_dandelion(canvas):
    pen = Pen(canvas)
    for base, length, angle in (((176, GRASS_LINE), 17, math.radians(195)),
                                ((179, GRASS_LINE), 18, math.radians(-20)),
                                ((178, GRASS_LINE + 1), 12, math.radians(-110))):
        pen.polygon(toothed_leaf(base, length, angle, 3.2), LEAF_GREEN)
    x, y, radius = SEED_HEAD
    stem(pen, (181, GRASS_LINE), (x, y + radius * 0.2), 3)
    for (head_x, head_y, _), bend in zip(FLOWER_HEADS, (-1.5, 1.0)):
        stem(pen, (177, GRASS_LINE), (head_x, head_y), bend)
    seed_head(pen, x, y, radius)
    for head_x, head_y, head_radius in FLOWER_HEADS:
        flower_head(pen, head_x, head_y, head_radius)


def draw_title(canvas):
    """The title in large red letters, thickened with a stroke of the same red
    and set off from sky and grass by a thin white edge."""
    pen = Pen(canvas)
    font = mincho(TITLE_SIZE)
    pen.text_centred(TITLE_CENTRE, TITLE, font, (255, 255, 255), TITLE_HALO)
    pen.text_centred(TITLE_CENTRE, TITLE, font, TITLE_RED, TITLE_STROKE)


def draw_banner():
    canvas = new_canvas(*BANNER_SIZE)
    draw_landscape(canvas)
    draw_dandelion(canvas)
    draw_title(canvas)
    return canvas


def check_disc(transparent, factor):
    """Transparent in the corners only; the whole picture frame lies on the disc."""
    height, width = transparent.shape
    for x, y in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        assert transparent[y, x], f"disc corner {(x, y)} is not transparent"
    left, top, right, bottom = (edge * factor for edge in
                                (FRAME_LEFT, FRAME_TOP, FRAME_LEFT + FRAME_WIDTH,
                                 FRAME_TOP + FRAME_HEIGHT))
    assert not transparent[top:bottom, left:right].any(), "the picture frame reaches past the disc"


def check_banner(transparent, factor):
    """Transparent in the rounded corners only."""
    height, width = transparent.shape
    for x, y in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        assert transparent[y, x], f"banner corner {(x, y)} is not transparent"
    inset = BANNER_RADIUS * factor
    assert not transparent[inset:-inset, :].any(), "the banner has holes along its sides"
    assert not transparent[:, inset:-inset].any(), "the banner has holes along its ends"


def main():
    write_screen_gifs(draw_disc(), OUTPUT / "disc.gif", WINDOW_GREEN, check_disc)
    write_screen_gifs(draw_banner(), OUTPUT / "banner.gif", WINDOW_GREEN, check_banner)


if __name__ == "__main__":
    main()
