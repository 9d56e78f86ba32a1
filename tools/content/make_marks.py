#!/usr/bin/python3
"""Draw the quiz's answer marks and medals into data/画像/.

maru.gif (right: a red ring), batu.gif (wrong: a blue cross) and the
gold, silver and copper medals shown on the result screen. Everything is
drawn on a canvas larger than the final size and scaled down, so edges
come out smooth; the GIFs keep one transparent palette index for the
background.

    /usr/bin/python3 tools/content/make_marks.py
"""

import pathlib
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

from canvas import SCALE, new_canvas, reduced  # noqa: E402
from gif import write_gif  # noqa: E402

OUT_DIR = pathlib.Path(__file__).resolve().parents[2] / "data" / "画像"

# Half-transparent edge pixels are mixed with this light grey before the
# alpha is cut to on/off, so no dark fringe shows on the light screens.
EDGE_BLEND = (236, 240, 236)

MARK_SIZE = (200, 200)
RED = (224, 0, 0, 255)
BLUE = (0, 48, 224, 255)
WHITE = (255, 255, 255, 255)

MEDAL_SIZE = (199, 239)
MEDAL_CENTRE = (99.5, 150.0)
MEDAL_RADIUS = 84.0
RIM_WIDTH = 13.0
LIGHT = np.array([-0.55, -0.75, 0.9]) / np.linalg.norm([-0.55, -0.75, 0.9])

# Dark, middle and bright tones of each metal, from shadow to highlight.
METALS = {
    "gold": ((122, 78, 0), (218, 165, 32), (255, 243, 168)),
    "silver": ((92, 98, 106), (184, 190, 198), (252, 253, 255)),
    "copper": ((96, 42, 14), (190, 108, 58), (255, 204, 160)),
}
RIBBONS = {
    "gold": (214, 24, 36),
    "silver": (28, 72, 200),
    "copper": (20, 150, 60),
}


def scaled(*values):
    return [v * SCALE for v in values]


def ring_mark():
    """A thick red ring with a thin white edge, so it reads on red flowers too."""
    image = new_canvas(*MARK_SIZE)
    draw = ImageDraw.Draw(image)
    draw.ellipse(scaled(1, 1, 199, 199), fill=WHITE)
    draw.ellipse(scaled(3, 3, 197, 197), fill=RED)
    draw.ellipse(scaled(27, 27, 173, 173), fill=WHITE)
    draw.ellipse(scaled(29, 29, 171, 171), fill=(0, 0, 0, 0))
    return image


def round_line(draw, start, end, width, colour):
    """A straight stroke with round ends."""
    draw.line(scaled(*start, *end), fill=colour, width=width * SCALE)
    for x, y in (start, end):
        r = width / 2
        draw.ellipse(scaled(x - r, y - r, x + r, y + r), fill=colour)


def cross_mark():
    """Two thick blue strokes with round ends, edged in white like the ring."""
    image = new_canvas(*MARK_SIZE)
    draw = ImageDraw.Draw(image)
    strokes = [((22, 22), (178, 178)), ((178, 22), (22, 178))]
    for start, end in strokes:
        round_line(draw, start, end, 38, WHITE)
    for start, end in strokes:
        round_line(draw, start, end, 34, BLUE)
    return image


def star_radius(theta, outer, inner):
    """Distance from the centre to the edge of a five-pointed star (point up)."""
    step = np.pi / 5
    angle = (theta + np.pi / 2) % (2 * np.pi)
    index = np.floor(angle / step)
    a0, a1 = index * step, (index + 1) * step
    even = index % 2 == 0
    r0 = np.where(even, outer, inner)
    r1 = np.where(even, inner, outer)
    ax, ay = r0 * np.cos(a0), r0 * np.sin(a0)
    bx, by = r1 * np.cos(a1), r1 * np.sin(a1)
    dx, dy = np.cos(angle), np.sin(angle)
    return (ax * by - ay * bx) / (dx * (by - ay) - dy * (bx - ax))


def medal_height(x, y):
    """Height map of the medal face: a rounded rim, a slight dome and a star.

    The star rises to a ridge along each arm, so its facets catch the light
    on one side and fall into shadow on the other.
    """
    r = np.hypot(x, y)
    inner = MEDAL_RADIUS - RIM_WIDTH
    u = (r - (MEDAL_RADIUS - RIM_WIDTH / 2)) / (RIM_WIDTH / 2)
    rim = np.where(np.abs(u) <= 1, 5.0 * (1 - u ** 2), 0.0)
    dome = np.where(r < inner, 3.0 * (1 - (r / inner) ** 2), 0.0)
    edge = star_radius(np.arctan2(y, x), 50.0, 20.0)
    star = np.where(r < edge, 1.5 + 9.0 * (1 - r / edge), 0.0)
    return rim + dome + star


def shading(height, pixel):
    """Light falling on the height map from the upper left: (diffuse, glint)."""
    gy, gx = np.gradient(height, pixel)
    normal = np.stack([-gx, -gy, np.ones_like(gx)], axis=-1)
    normal /= np.linalg.norm(normal, axis=-1, keepdims=True)
    diffuse = normal @ LIGHT
    half = (LIGHT + [0, 0, 1]) / np.linalg.norm(LIGHT + [0, 0, 1])
    glint = np.clip(normal @ half, 0, 1) ** 60
    return diffuse, glint


def metal_colour(level, tones):
    """Map a light level (0 dark .. 1 bright) onto a metal's three tones."""
    dark, mid, bright = (np.array(t, float) for t in tones)
    level = np.clip(level, 0, 1)[..., None]
    low = dark + (mid - dark) * np.clip(level * 2, 0, 1)
    return np.where(level < 0.5, low, mid + (bright - mid) * (level * 2 - 1))


def medal_disc(tones):
    """The metal disc as a 4x RGBA image, shaded from its height map."""
    width, height = MEDAL_SIZE[0] * SCALE, MEDAL_SIZE[1] * SCALE
    pixel = 1.0 / SCALE
    ys, xs = np.mgrid[0:height, 0:width]
    x = (xs + 0.5) * pixel - MEDAL_CENTRE[0]
    y = (ys + 0.5) * pixel - MEDAL_CENTRE[1]
    diffuse, glint = shading(medal_height(x, y), pixel)
    level = 0.5 + 1.1 * (diffuse - LIGHT[2]) + 0.12 * np.exp(-((x + y + 40) / 30) ** 2)
    rgb = metal_colour(level, tones) + 255 * 0.7 * glint[..., None]
    r = np.hypot(x, y)
    outline = r > MEDAL_RADIUS - 1.2
    rgb[outline] = np.array(tones[0]) * 0.7
    alpha = np.where(r <= MEDAL_RADIUS, 255, 0)
    pixels = np.dstack([np.clip(rgb, 0, 255), alpha]).astype(np.uint8)
    return Image.fromarray(pixels, "RGBA")


def ribbon_band(draw, top, bottom, colour):
    """One ribbon tail, a slanted band with a white stripe down its middle."""
    (tl, tr), (bl, br) = top, bottom
    y0, y1 = 3, 118
    dark = tuple(int(c * 0.6) for c in colour) + (255,)
    draw.polygon(scaled(tl, y0, tr, y0, br, y1, bl, y1), fill=dark)
    draw.polygon(scaled(tl + 1.5, y0 + 1.5, tr - 1.5, y0 + 1.5, br - 1.5, y1, bl + 1.5, y1),
                 fill=colour + (255,))

    def across(t, y):
        left = tl + (bl - tl) * (y - y0) / (y1 - y0)
        right = tr + (br - tr) * (y - y0) / (y1 - y0)
        return left + (right - left) * t

    stripe = [across(0.4, y0 + 1.5), y0 + 1.5, across(0.6, y0 + 1.5), y0 + 1.5,
              across(0.6, y1), y1, across(0.4, y1), y1]
    draw.polygon(scaled(*stripe), fill=WHITE)


def ribbon(colour):
    """Two ribbon tails in a V, meeting behind the top of the medal."""
    image = new_canvas(*MEDAL_SIZE)
    draw = ImageDraw.Draw(image)
    shade = tuple(int(c * 0.85) for c in colour)
    ribbon_band(draw, (128, 182), (72, 126), shade)
    ribbon_band(draw, (17, 71), (73, 127), colour)
    return image


def disc_shadow(disc):
    """A soft shadow of the disc, cast down and to the right onto the ribbon."""
    mask = disc.getchannel("A").filter(ImageFilter.GaussianBlur(4 * SCALE))
    shifted = Image.new("L", mask.size, 0)
    shifted.paste(mask, (3 * SCALE, 4 * SCALE))
    return np.asarray(shifted, float)[..., None] / 255.0


def medal(metal):
    disc = medal_disc(METALS[metal])
    back = ribbon(RIBBONS[metal])
    pixels = np.asarray(back).astype(float)
    pixels[..., :3] *= 1.0 - 0.45 * disc_shadow(disc)
    image = Image.fromarray(pixels.astype(np.uint8), "RGBA")
    return Image.alpha_composite(image, disc)


def main():
    pictures = {"maru": ring_mark(), "batu": cross_mark()}
    pictures.update((metal, medal(metal)) for metal in METALS)
    for name, canvas in pictures.items():
        write_gif(reduced(canvas), OUT_DIR / f"{name}.gif", behind=EDGE_BLEND)


if __name__ == "__main__":
    main()
