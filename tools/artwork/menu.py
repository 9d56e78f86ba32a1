#!/usr/bin/python3
"""Draws the menu screen's pictures and writes them to artwork/menu/ as GIF files.

background.gif       the hydrangea scene, 640 x 400, on the window's cyan
head_blue.gif        the blue flower head, cut unchanged from the background
head_pink.gif        the same head recoloured pink, in register with the background
emblem.gif           the 花 emblem
butterfly_spread.gif / butterfly_raised.gif   the butterfly, transparent around it

and each of them at twice its size beside it, as name@2x.gif, for screens at 150 %
and more; the 2x heads line up with the 2x background just as the 1x ones do.

Running it again reproduces the same files byte for byte.
"""
import sys
from pathlib import Path

import numpy as np
from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

import menu_butterfly  # noqa: E402
import menu_emblem  # noqa: E402
import menu_hydrangea  # noqa: E402
from canvas import reduced  # noqa: E402
from gif import (HIGH_DPI_FACTOR, PALETTE_SIZE, high_dpi_path, save_gif, to_palette,  # noqa: E402
                 write_screen_gifs)

OUTPUT = Path(__file__).resolve().parents[2] / "artwork" / "menu"

# Where the two heads are cut from the background: (left, top, right, bottom).
BLUE_HEAD_BOX = (99, 53, 346, 252)
PINK_HEAD_BOX = (99, 60, 343, 250)

# Butterflies are shown over the cyan window and the flower head; their soft
# edge pixels are mixed with a colour between the two.
EDGE_BACKDROP = (40, 170, 235)


def main():
    scenes = [menu_hydrangea.scene(scheme)
              for scheme in (menu_hydrangea.BLUE_SCHEME, menu_hydrangea.PINK_SCHEME)]
    for factor in (1, HIGH_DPI_FACTOR):
        write_scene(scenes, factor)
    butterflies = {"butterfly_spread": menu_butterfly.spread(),
                   "butterfly_raised": menu_butterfly.raised()}
    for name, canvas in butterflies.items():
        write_screen_gifs(canvas, OUTPUT / f"{name}.gif", EDGE_BACKDROP)
    check_sizes()


def write_scene(scenes, factor):
    """Writes the background, the two heads and the emblem at `factor` times
    their size, and checks that the heads match the background."""
    blue, pink = (rgb_of(reduced(scene, factor)) for scene in scenes)
    background = to_palette(Image.fromarray(blue), fixed=[menu_hydrangea.CYAN])
    pictures = {
        "background": background,
        "head_blue": background.crop(scaled(BLUE_HEAD_BOX, factor)),
        "head_pink": pink_head(background, blue, pink, scaled(PINK_HEAD_BOX, factor)),
        "emblem": to_palette(menu_emblem.emblem(factor), fixed=emblem_colours()),
    }
    for name, picture in pictures.items():
        save_gif(picture, path_of(name, factor))
    check_background(factor)
    check_heads(blue, pink, factor)


def path_of(name, factor):
    return high_dpi_path(OUTPUT / f"{name}.gif", factor)


def scaled(box, factor):
    return tuple(edge * factor for edge in box)


def rgb_of(picture):
    return np.asarray(picture.convert("RGB"))


def emblem_colours():
    return [*menu_emblem.GREENS, *menu_emblem.PINKS, menu_emblem.NAVY, menu_emblem.FRAME]


def pink_head(background, blue, pink, box):
    """The pink head: the background's pixels where nothing changed, new colours elsewhere.

    Untouched pixels keep their exact background colours, so the pink head sits on
    the background without a visible seam.
    """
    left, top, right, bottom = box
    around = rgb_of(background)[top:bottom, left:right]
    changed = (blue[top:bottom, left:right] != pink[top:bottom, left:right]).any(axis=2)
    head = np.where(changed[..., None], pink[top:bottom, left:right], around)
    kept = np.unique(around[~changed], axis=0)
    return to_palette(Image.fromarray(head), fixed=kept)


def check_sizes():
    """Every picture has the size its place on the screen takes, and its
    high-DPI picture exactly twice that."""
    expected = {
        "background": (640, 400), "head_blue": (247, 199), "head_pink": (244, 190),
        "emblem": (206, 207), "butterfly_spread": (63, 63), "butterfly_raised": (54, 53),
    }
    for name, (width, height) in expected.items():
        for factor in (1, HIGH_DPI_FACTOR):
            with Image.open(path_of(name, factor)) as picture:
                assert picture.size == (width * factor, height * factor), (name, picture.size)


def check_background(factor):
    background = read("background", factor)
    assert len(background.getpalette()) == 3 * PALETTE_SIZE
    assert rgb_of(background)[0, 0].tolist() == list(menu_hydrangea.CYAN)


def check_heads(blue, pink, factor):
    """The heads must match the background exactly wherever they are not recoloured."""
    background = read("background", factor)
    head_blue = read("head_blue", factor)
    assert head_blue.getpalette() == background.getpalette()
    left, top, right, bottom = scaled(BLUE_HEAD_BOX, factor)
    assert np.array_equal(np.asarray(head_blue), np.asarray(background)[top:bottom, left:right])
    left, top, right, bottom = scaled(PINK_HEAD_BOX, factor)
    changed = (blue != pink).any(axis=2)
    assert not changed[:top].any() and not changed[bottom:].any()
    assert not changed[:, :left].any() and not changed[:, right:].any()
    unchanged = ~changed[top:bottom, left:right]
    around = rgb_of(background)[top:bottom, left:right]
    assert np.array_equal(rgb_of(read("head_pink", factor))[unchanged], around[unchanged])
    check_head_inside(scaled(PINK_HEAD_BOX, factor), factor)


def read(name, factor):
    with Image.open(path_of(name, factor)) as picture:
        picture.load()
        return picture


def check_head_inside(box, factor):
    """Every pixel the flower head touches lies inside the box."""
    head = menu_hydrangea.head_only(menu_hydrangea.BLUE_SCHEME)
    alpha = np.asarray(reduced(head, factor))[..., 3]
    ys, xs = np.nonzero(alpha)
    left, top, right, bottom = box
    assert left <= xs.min() and xs.max() < right and top <= ys.min() and ys.max() < bottom, \
        (xs.min(), ys.min(), xs.max(), ys.max())


if __name__ == "__main__":
    main()
