#!/usr/bin/python3
"""Reducing pictures to 256-colour palettes and writing them as GIF files."""
import numpy as np
from PIL import Image

PALETTE_SIZE = 256


def median_cut(pixels, count):
    """Up to `count` representative colours (k x 3) for an n x 3 array of pixels."""
    strip = Image.fromarray(np.ascontiguousarray(pixels.reshape(1, -1, 3)), "RGB")
    reduced = strip.quantize(colors=count, method=Image.Quantize.MEDIANCUT)
    used = np.unique(np.asarray(reduced))
    table = np.array(reduced.getpalette()[:3 * PALETTE_SIZE], dtype=np.uint8).reshape(-1, 3)
    return table[used]


def build_palette(fixed, pixels):
    """A full palette: the fixed colours first, then colours chosen for `pixels`."""
    fixed = np.array(fixed, dtype=np.uint8).reshape(-1, 3)
    chosen = median_cut(pixels, PALETTE_SIZE - len(fixed)) if len(pixels) else fixed[:0]
    palette = np.concatenate([fixed, chosen])
    padding = np.repeat(palette[:1], PALETTE_SIZE - len(palette), axis=0)
    return np.concatenate([palette, padding])


def nearest_indices(rgb, palette, allowed=None):
    """Index of the nearest palette colour for each pixel of an h x w x 3 array.

    `allowed` limits the search to a range of palette indices (start, stop).
    Equal distances go to the lowest index, so the result is reproducible.
    """
    start, stop = allowed or (0, len(palette))
    candidates = palette[start:stop].astype(np.int32)
    flat = rgb.reshape(-1, 3).astype(np.int32)
    keys = (flat[:, 0] << 16) | (flat[:, 1] << 8) | flat[:, 2]
    unique, inverse = np.unique(keys, return_inverse=True)
    colours = np.stack([(unique >> 16) & 255, (unique >> 8) & 255, unique & 255], axis=1)
    best = np.empty(len(colours), dtype=np.int32)
    for first in range(0, len(colours), 4096):
        block = colours[first:first + 4096]
        distance = ((block[:, None, :] - candidates[None, :, :]) ** 2).sum(axis=2)
        best[first:first + 4096] = distance.argmin(axis=1) + start
    return best[inverse].reshape(rgb.shape[:2]).astype(np.uint8)


def paletted(indices, palette):
    """A mode "P" picture from an index array and a 256-entry palette."""
    picture = Image.fromarray(indices, "P")
    picture.putpalette(palette.astype(np.uint8).tobytes())
    return picture


def reduce(rgb, fixed=()):
    """An RGB array reduced to a paletted picture; fixed colours keep exact entries."""
    flat = rgb.reshape(-1, 3)
    fixed_array = np.array(fixed, dtype=np.uint8).reshape(-1, 3)
    is_fixed = (flat[:, None, :] == fixed_array[None, :, :]).all(axis=2).any(axis=1)
    palette = build_palette(fixed, flat[~is_fixed])
    return paletted(nearest_indices(rgb, palette), palette)


def save_gif(picture, path, transparency=None):
    """Write a paletted picture unchanged: no palette reordering.

    Without a transparent colour the file is GIF87a; with one it is GIF89a.
    """
    options = {"optimize": False}
    if transparency is not None:
        options["transparency"] = transparency
    picture.save(path, "GIF", **options)


def rgb_of(picture):
    return np.asarray(picture.convert("RGB"))
