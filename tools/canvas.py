"""The drawing canvas every picture generator draws on.

A picture is drawn SCALE times larger than its final size, with coordinates
given in final pixels and multiplied by SCALE, and is then reduced with a
Lanczos filter, so its edges come out anti-aliased.  The same canvas reduces
to twice the final size for screens at 200 %, in register with the picture at
its own size: both keep the canvas's pixel centres.
"""
from PIL import Image

SCALE = 4
CLEAR = (0, 0, 0, 0)


def new_canvas(width, height, background=CLEAR):
    """An RGBA canvas for a picture of width x height final pixels."""
    return Image.new("RGBA", (width * SCALE, height * SCALE), background)


def reduced(canvas, factor=1):
    """The canvas (or a mask of its size) at `factor` times the final size."""
    size = (canvas.width * factor // SCALE, canvas.height * factor // SCALE)
    return canvas.resize(size, Image.LANCZOS)
