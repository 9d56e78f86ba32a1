#!/usr/bin/python3
"""The emblem: a large pink 花 with a thick dark-blue outline on a pale green square."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from canvas import SCALE, reduced

SIZE = (206, 207)
FONT = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
CHARACTER = "花"
GLYPH_HEIGHT = 168  # pixels from the top of the character to its bottom

GREENS = ((214, 246, 196), (196, 236, 178))
PINKS = ((255, 150, 200), (255, 118, 178))
NAVY = (20, 30, 110)
FRAME = (120, 190, 120)

OUTLINE_WIDTH = 5.5  # final pixels of dark blue around the pink
THICKENING = 1.6  # final pixels added to the font's strokes, so the pink reads well

BAYER = np.array([[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]) / 16 + 1 / 32


def emblem(factor=1):
    """The emblem as an RGB picture, `factor` times its size."""
    outline, fill = glyph_coverage(factor)
    height, width = outline.shape
    ground = dithered(GREENS, width, height, slope=(0.25, 0.55))
    pink = dithered(PINKS, width, height, slope=(0.2, 0.7))
    picture = blend(ground, np.array(NAVY, float), outline)
    picture = blend(picture, pink, fill)
    draw_frame(picture, factor)
    return Image.fromarray(np.rint(picture).astype(np.uint8), "RGB")


def glyph_coverage(factor):
    """How much of each pixel the outlined glyph and its pink fill cover (0..1)."""
    big = (SIZE[0] * SCALE, SIZE[1] * SCALE)
    font = ImageFont.truetype(FONT, GLYPH_HEIGHT * SCALE * 1000 // 880)
    left, top, right, bottom = font.getbbox(CHARACTER)
    origin = ((big[0] - (right - left)) / 2 - left, (big[1] - (bottom - top)) / 2 - top)
    masks = []
    for extra in (THICKENING + OUTLINE_WIDTH, THICKENING):
        mask = Image.new("L", big, 0)
        ImageDraw.Draw(mask).text(origin, CHARACTER, font=font, fill=255,
                                  stroke_width=round(extra * SCALE), stroke_fill=255)
        masks.append(np.asarray(reduced(mask, factor), float) / 255)
    return masks


def dithered(pair, width, height, slope):
    """A surface of two close tones mixed by an ordered dither along a gentle gradient."""
    ys, xs = np.mgrid[0:height, 0:width]
    level = 0.25 + slope[0] * xs / width + slope[1] * ys / height
    level = np.clip(level * 0.75, 0, 1)
    threshold = BAYER[ys % 4, xs % 4]
    first, second = (np.array(c, float) for c in pair)
    return np.where((threshold < level)[..., None], second, first)


def blend(under, over, coverage):
    return under + (over - under) * coverage[..., None]


def draw_frame(picture, factor):
    """A thin green line just inside the edge gives the square a finished border:
    one final pixel wide, two pixels in from the edge."""
    inner, outer = 2 * factor, 3 * factor
    picture[inner:outer, inner:-inner] = picture[-outer:-inner, inner:-inner] = FRAME
    picture[inner:-inner, inner:outer] = picture[inner:-inner, -outer:-inner] = FRAME
