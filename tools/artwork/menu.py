#!/usr/bin/python3
"""Draws the menu screen's pictures and writes them to artwork/menu/ as GIF files.

background.gif       the hydrangea scene, 640 x 400, on the window's cyan
head_blue.gif        the blue flower head, cut unchanged from the background
head_pink.gif        the same head recoloured pink, in register with the background
emblem.gif           the 花 emblem
butterfly_spread.gif / butterfly_raised.gif   the butterfly, transparent around it

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
from gif import PALETTE_SIZE, save_gif, to_palette, write_gif  # noqa: E402

OUTPUT = Path(__file__).resolve().parents[2] / "artwork" / "menu"

# Where the two heads are cut from the background: (left, top, right, bottom).
BLUE_HEAD_BOX = (99, 53, 346, 252)
PINK_HEAD_BOX = (99, 60, 343, 250)

# Butterflies are shown over the cyan window and the flower head; their soft
# edge pixels are mixed with a colour between the two.
EDGE_BACKDROP = (40, 170, 235)


def main():
    blue = rgb_of(reduced(menu_hydrangea.scene(menu_hydrangea.BLUE_SCHEME)))
    pink = rgb_of(reduced(menu_hydrangea.scene(menu_hydrangea.PINK_SCHEME)))
    background = to_palette(Image.fromarray(blue), fixed=[menu_hydrangea.CYAN])
    pictures = {
        "background": background,
        "head_blue": background.crop(BLUE_HEAD_BOX),
        "head_pink": pink_head(background, blue, pink),
        "emblem": to_palette(menu_emblem.emblem(), fixed=emblem_colours()),
    }
    for name, picture in pictures.items():
        save_gif(picture, OUTPUT / f"{name}.gif")
    butterflies = {"butterfly_spread": menu_butterfly.spread(),
                   "butterfly_raised": menu_butterfly.raised()}
    for name, canvas in butterflies.items():
        write_gif(reduced(canvas), OUTPUT / f"{name}.gif", behind=EDGE_BACKDROP)
    check_files(blue, pink)


def rgb_of(picture):
    return np.asarray(picture.convert("RGB"))


def emblem_colours():
    return [*menu_emblem.GREENS, *menu_emblem.PINKS, menu_emblem.NAVY, menu_emblem.FRAME]


def pink_head(background, blue, pink):
    """The pink head: the background's pixels where nothing changed, new colours elsewhere.

    Untouched pixels keep their exact background colours, so the pink head sits on
    the background without a visible seam.
    """
    left, top, right, bottom = PINK_HEAD_BOX
    around = rgb_of(background)[top:bottom, left:right]
    changed = (blue[top:bottom, left:right] != pink[top:bottom, left:right]).any(axis=2)
    head = np.where(changed[..., None], pink[top:bottom, left:right], around)
    kept = np.unique(around[~changed], axis=0)
    return to_palette(Image.fromarray(head), fixed=kept)


def check_files(blue, pink):
    """Reads the written files back and checks what the program relies on."""
    expected = {
        "background": (640, 400), "head_blue": (247, 199), "head_pink": (244, 190),
        "emblem": (206, 207), "butterfly_spread": (63, 63), "butterfly_raised": (54, 53),
    }
    for name, size in expected.items():
        with Image.open(OUTPUT / f"{name}.gif") as picture:
            assert picture.size == size, (name, picture.size)
    check_background()
    check_heads(blue, pink)


def check_background():
    background = read("background")
    assert len(background.getpalette()) == 3 * PALETTE_SIZE
    assert rgb_of(background)[0, 0].tolist() == list(menu_hydrangea.CYAN)


def check_heads(blue, pink):
    """The heads must match the background exactly wherever they are not recoloured."""
    background = read("background")
    head_blue = read("head_blue")
    assert head_blue.getpalette() == background.getpalette()
    left, top, right, bottom = BLUE_HEAD_BOX
    assert np.array_equal(np.asarray(head_blue), np.asarray(background)[top:bottom, left:right])
    left, top, right, bottom = PINK_HEAD_BOX
    changed = (blue != pink).any(axis=2)
    assert not changed[:top].any() and not changed[bottom:].any()
    assert not changed[:, :left].any() and not changed[:, right:].any()
    unchanged = ~changed[top:bottom, left:right]
    around = rgb_of(background)[top:bottom, left:right]
    assert np.array_equal(rgb_of(read("head_pink"))[unchanged], around[unchanged])
    check_head_inside(PINK_HEAD_BOX)


def read(name):
    with Image.open(OUTPUT / f"{name}.gif") as picture:
        picture.load()
        return picture


def check_head_inside(box):
    """Every pixel the flower head touches lies inside the box."""
    alpha = np.asarray(reduced(menu_hydrangea.head_only(menu_hydrangea.BLUE_SCHEME)))[..., 3]
    ys, xs = np.nonzero(alpha)
    left, top, right, bottom = box
    assert left <= xs.min() and xs.max() < right and top <= ys.min() and ys.max() < bottom, \
        (xs.min(), ys.min(), xs.max(), ys.max())


if __name__ == "__main__":
    main()
