"""Reducing pictures to 256-colour palettes and writing them as GIF files.

A transparent picture is made from an RGBA picture and the colour it will be
shown over.  Its soft edge pixels are mixed with that colour first, and only
then is each pixel cut to opaque (at least half covered) or transparent, so
the edges already carry the colour behind them and show no dark or light
fringe.  Its opaque pixels get up to 255 colours; the last palette index,
coloured like the ground, is the transparent one, and the file is GIF89a.
An opaque picture, made from an RGB picture, gets up to 256 colours and is
written as GIF87a.

The colours are chosen by median cut, without dithering, and each pixel takes
the nearest of them.  Colours named as fixed keep exact entries at the front
of the palette, and the pixels of exactly those colours keep them, so that a
picture can match the window's colour, or another picture, pixel for pixel.

Running a generator again writes the same files byte for byte.
"""
import numpy as np
from PIL import Image

from canvas import reduced

PALETTE_SIZE = 256
TRANSPARENT_INDEX = PALETTE_SIZE - 1
# Screens at 150 % and more show a screen's fixed pictures drawn at this factor.
HIGH_DPI_FACTOR = 2


def flattened(picture, behind):
    """The RGB pixels of an RGBA picture laid over the colour behind it, and
    the mask of the pixels that stay opaque."""
    layers = np.asarray(picture, float)
    alpha = layers[..., 3:] / 255
    rgb = np.rint(layers[..., :3] * alpha + np.array(behind, float) * (1 - alpha))
    return rgb.astype(np.uint8), alpha[..., 0] >= 0.5


def to_palette(picture, behind=None, fixed=()):
    """A palette picture of an RGBA picture shown over `behind`, or of an RGB
    picture when `behind` is None."""
    if behind is None:
        rgb = np.asarray(picture.convert("RGB"))
        indices, palette = palette_indices(rgb.reshape(-1, 3), fixed, PALETTE_SIZE)
        return paletted(indices.reshape(rgb.shape[:2]), padded(palette, PALETTE_SIZE))
    rgb, opaque = flattened(picture, behind)
    if opaque.any():
        # Transparent pixels bring no colour of their own into the choice.
        rgb = np.where(opaque[..., None], rgb, rgb[opaque][0])
    indices, palette = palette_indices(rgb.reshape(-1, 3), fixed, TRANSPARENT_INDEX)
    indices = indices.reshape(rgb.shape[:2])
    indices[~opaque] = TRANSPARENT_INDEX
    result = paletted(indices, np.vstack([padded(palette, TRANSPARENT_INDEX), behind]))
    result.info["transparency"] = TRANSPARENT_INDEX
    return result


def padded(palette, size):
    """The palette filled up with black to `size` entries."""
    return np.vstack([palette, np.zeros((size - len(palette), 3), np.uint8)])


def paletted(indices, palette):
    picture = Image.fromarray(indices, "P")
    picture.putpalette(palette.astype(np.uint8).tobytes())
    return picture


def palette_indices(pixels, fixed, colours):
    """Palette indices for n x 3 pixels, and a palette of at most `colours`
    entries: the fixed colours, then the median-cut colours of the rest."""
    fixed = np.array(fixed, np.uint8).reshape(-1, 3)
    is_fixed = np.isin(colour_keys(pixels), colour_keys(fixed))
    indices = np.zeros(len(pixels), np.uint8)
    distance = np.full(len(pixels), np.inf)
    palette = fixed
    others = pixels[~is_fixed]
    if len(others):
        strip = Image.fromarray(np.ascontiguousarray(others.reshape(1, -1, 3)), "RGB")
        chosen = strip.quantize(colors=colours - len(fixed), method=Image.Quantize.MEDIANCUT,
                                dither=Image.Dither.NONE)
        table = np.array(chosen.getpalette(), np.uint8).reshape(-1, 3)[:colours - len(fixed)]
        nearest = np.asarray(chosen).ravel()
        indices[~is_fixed] = len(fixed) + nearest
        distance[~is_fixed] = squared_distance(others, table[nearest])
        palette = np.concatenate([fixed, table])
    # A pixel takes a fixed colour when it is that colour, or lies nearer to it
    # than to any colour chosen for the rest.
    for index, colour in enumerate(fixed):
        to_fixed = squared_distance(pixels, colour)
        nearer = to_fixed < distance
        indices[nearer] = index
        distance[nearer] = to_fixed[nearer]
    return indices, palette


def colour_keys(pixels):
    """One integer for each RGB colour of an n x 3 array."""
    wide = pixels.astype(np.int32)
    return (wide[:, 0] << 16) | (wide[:, 1] << 8) | wide[:, 2]


def squared_distance(pixels, colours):
    return ((pixels.astype(np.int32) - colours.astype(np.int32)) ** 2).sum(axis=-1)


def save_gif(picture, path):
    """Writes a palette picture unchanged (no palette reordering), then reads
    the file back and returns where it is transparent."""
    options = {"optimize": False}
    if "transparency" in picture.info:
        options["transparency"] = picture.info["transparency"]
    path.parent.mkdir(parents=True, exist_ok=True)
    picture.save(path, "GIF", **options)
    return read_back(path, picture.size, "transparency" in options)


def write_gif(picture, path, behind=None, fixed=()):
    """Reduces a final-size picture to a palette and writes it as a GIF."""
    return save_gif(to_palette(picture, behind, fixed), path)


def write_screen_gifs(canvas, path, behind, check=None):
    """Writes a screen's fixed picture from its canvas at its own size and, beside
    it, at HIGH_DPI_FACTOR times that size; check(transparent, factor), when
    given, is run on each file's transparency as read back."""
    for factor in (1, HIGH_DPI_FACTOR):
        transparent = write_gif(reduced(canvas, factor), high_dpi_path(path, factor), behind)
        if check:
            check(transparent, factor)


def high_dpi_path(path, factor):
    """Where the picture drawn at `factor` times its size is kept: beside the
    picture itself, named as Qt looks for it (name@2x.gif)."""
    return path if factor == 1 else path.with_name(f"{path.stem}@{factor}x{path.suffix}")


def read_back(path, size, transparent):
    """Where a written GIF is transparent, failing if it is not a 256-colour
    GIF of the expected size and version."""
    version = b"GIF89a" if transparent else b"GIF87a"
    assert path.read_bytes()[:6] == version, f"{path} is not {version.decode()}"
    with Image.open(path) as written:
        assert written.size == size, f"{path} is {written.size}, not {size}"
        assert len(written.getpalette()) == 3 * PALETTE_SIZE, f"{path} has no 256-colour palette"
        index = written.info.get("transparency")
        assert (index is not None) == transparent, f"{path}: transparent colour is wrong"
        return np.asarray(written) == index
