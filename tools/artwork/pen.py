"""Drawing helpers shared by the picture book and quiz artwork generators.

Pictures are drawn on a canvas from canvas.new_canvas(); every coordinate,
length and width given to these helpers is in final pixels.
"""

import numpy
from PIL import Image, ImageDraw, ImageFont

from canvas import SCALE

# The picture book and quiz windows are this green; the pictures' soft edges
# are mixed with it.
WINDOW_GREEN = (0x80, 0xFF, 0x80)
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"


def up(*values):
    """Final-pixel coordinates scaled to the drawing canvas."""
    return [round(value * SCALE) for value in values]


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
