"""Drawing and GIF writing shared by the picture book and quiz artwork generators.

Every picture is drawn SCALE times larger than its final size on a transparent
RGBA canvas, with coordinates given in final pixels, then reduced with LANCZOS
so that edges come out anti-aliased.  The reduced picture is laid over the
colour that lies behind it in the window, and only then cut to a hard 1-bit
transparency, so the soft edge pixels already carry the window's colour and
show no dark or white fringe.  The result is a 256-colour GIF89a whose last
palette index is the transparent colour.
"""

from pathlib import Path

import numpy
from PIL import Image, ImageDraw, ImageFont

SCALE = 4
WINDOW_GREEN = (0x80, 0xFF, 0x80)
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
TRANSPARENT_INDEX = 255
REPOSITORY = Path(__file__).resolve().parents[2]


def up(*values):
    """Final-pixel coordinates scaled to the drawing canvas."""
    return [round(value * SCALE) for value in values]


def new_canvas(width, height):
    """A fully transparent drawing canvas for a picture of width x height pixels."""
    return Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))


def new_mask(canvas):
    """An empty shape mask the size of the canvas, and a pen that draws on it."""
    mask = Image.new("L", canvas.size, 0)
    return mask, Pen(mask)


def mincho(size):
    """IPA Mincho at a size given in final pixels."""
    return ImageFont.truetype(MINCHO, up(size)[0])


class Pen:
    """ImageDraw with every coordinate and width given in final pixels."""

    def __init__(self, image):
        self.draw = ImageDraw.Draw(image)

    def polygon(self, points, fill):
        self.draw.polygon([tuple(up(x, y)) for x, y in points], fill=fill)

    def outline(self, points, fill, width):
        """A closed line through the points with rounded joints."""
        closed = list(points) + [points[0], points[1]]
        self.draw.line([tuple(up(x, y)) for x, y in closed], fill=fill,
                       width=up(width)[0], joint="curve")

    def line(self, points, fill, width):
        self.draw.line([tuple(up(x, y)) for x, y in points], fill=fill,
                       width=up(width)[0], joint="curve")

    def ellipse(self, box, fill, outline=None, width=0):
        self.draw.ellipse(up(*box), fill=fill, outline=outline, width=up(width)[0])

    def circle(self, centre, radius, fill, outline=None, width=0):
        x, y = centre
        self.ellipse((x - radius, y - radius, x + radius, y + radius), fill, outline, width)

    def rounded(self, box, radius, fill, outline=None, width=0):
        self.draw.rounded_rectangle(up(*box), radius=up(radius)[0], fill=fill,
                                    outline=outline, width=up(width)[0])

    def text_centred(self, centre, text, font, fill, stroke=0):
        """Text whose ink box is centred on the given point."""
        x, y = up(*centre)
        stroke_width = up(stroke)[0]
        left, top, right, bottom = self.draw.textbbox((0, 0), text, font=font,
                                                      stroke_width=stroke_width)
        origin = (x - (left + right) / 2, y - (top + bottom) / 2)
        self.draw.text(origin, text, font=font, fill=fill,
                       stroke_width=stroke_width, stroke_fill=fill)


def gradient(size, stops, horizontal):
    """An RGBA image shading through colour stops [(position 0..1, (r, g, b)), ...]."""
    width, height = size
    length = width if horizontal else height
    positions = numpy.linspace(0.0, 1.0, length)
    points = [position for position, _ in stops]
    channels = [numpy.interp(positions, points, [colour[c] for _, colour in stops])
                for c in range(3)]
    line = numpy.stack(channels + [numpy.full(length, 255.0)], axis=1)
    if horizontal:
        pixels = numpy.broadcast_to(line[numpy.newaxis, :, :], (height, width, 4))
    else:
        pixels = numpy.broadcast_to(line[:, numpy.newaxis, :], (height, width, 4))
    return Image.fromarray(numpy.round(pixels).astype(numpy.uint8), "RGBA")


def fill_gradient(canvas, mask, box, stops, horizontal):
    """Fills the shape of mask, within box (final pixels), with a colour gradient."""
    left, top, right, bottom = up(*box)
    shade = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    shade.paste(gradient((right - left, bottom - top), stops, horizontal), (left, top))
    canvas.paste(shade, (0, 0), mask)


def fill_shape(canvas, mask, colour):
    """Fills the shape of mask with one colour (RGBA colours blend over the canvas)."""
    layer = Image.new("RGBA", canvas.size, colour)
    empty = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    canvas.alpha_composite(Image.composite(layer, empty, mask))


def reduce_over(canvas, background):
    """The canvas reduced to its final size and laid over the background colour,
    with the mask of the pixels that stay opaque."""
    size = (canvas.width // SCALE, canvas.height // SCALE)
    small = canvas.resize(size, Image.LANCZOS)
    ground = Image.new("RGBA", size, background + (255,))
    flat = Image.alpha_composite(ground, small).convert("RGB")
    opaque = numpy.asarray(small)[:, :, 3] >= 128
    return flat, opaque


def to_palette(flat, opaque, background):
    """A 256-colour palette picture: 255 colours for the opaque pixels, the last
    index, coloured like the background, for the transparent ones."""
    paletted = flat.quantize(colors=TRANSPARENT_INDEX, method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    indices = numpy.asarray(paletted).copy()
    indices[~opaque] = TRANSPARENT_INDEX
    palette = paletted.getpalette()[:3 * TRANSPARENT_INDEX]
    palette += [0] * (3 * TRANSPARENT_INDEX - len(palette)) + list(background)
    picture = Image.fromarray(indices, "P")
    picture.putpalette(palette)
    return picture


def write_gif(canvas, relative_path, background=WINDOW_GREEN):
    """Reduces, quantises and saves the canvas as a transparent GIF under the
    repository, then returns the transparency mask read back from the file."""
    flat, opaque = reduce_over(canvas, background)
    path = REPOSITORY / relative_path
    path.parent.mkdir(parents=True, exist_ok=True)
    picture = to_palette(flat, opaque, background)
    picture.save(path, format="GIF", transparency=TRANSPARENT_INDEX, optimize=False)
    return read_transparency(path, flat.size)


def read_transparency(path, size):
    """Reads a written GIF back and returns where it is transparent, failing if
    the file is not a 256-colour GIF89a of the expected size with a transparent
    colour."""
    assert path.read_bytes()[:6] == b"GIF89a", f"{path} is not GIF89a"
    with Image.open(path) as picture:
        assert picture.size == size, f"{path} is {picture.size}, not {size}"
        assert len(picture.getpalette()) == 3 * 256, f"{path} has no 256-colour palette"
        transparent = picture.info.get("transparency")
        assert transparent is not None, f"{path} has no transparent colour"
        return numpy.asarray(picture) == transparent
