#!/usr/bin/python3
"""Draws the fixed pictures of the picture book screen.

artwork/picture_book/book.gif         the open book behind the entry (640 x 400)
artwork/picture_book/arrow_left.gif   the previous-entry arrow (53 x 33)
artwork/picture_book/arrow_right.gif  the next-entry arrow (53 x 35)

and each of them at twice its size beside it, as name@2x.gif, for screens at 150 %
and more.

The book lies at (28, 79) in the window: the entry's name label and text list
sit on its left page, the entry's picture on its right page, so the spine runs
down the book at picture x 320 (window x 348), between the two.
"""

import sys
from pathlib import Path

from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

from canvas import new_canvas  # noqa: E402
from gif import write_screen_gifs  # noqa: E402
from pen import WINDOW_GREEN, Pen, fill_gradient, fill_shape, mincho, new_mask  # noqa: E402

OUTPUT = Path(__file__).resolve().parents[2] / "artwork" / "picture_book"

BOOK_SIZE = (640, 400)
# The book itself; everything around it stays transparent.
BOOK_LEFT, BOOK_TOP, BOOK_RIGHT, BOOK_BOTTOM = 15, 86, 640, 377
COVER_RADIUS = 7
BEVEL = 5
SPINE_LEFT, SPINE_RIGHT = 309, 331
SPINE_CENTRE = (SPINE_LEFT + SPINE_RIGHT) / 2
PAGE_TOP, PAGE_BOTTOM = 97, 362
LEFT_PAGE_OUTER, RIGHT_PAGE_OUTER = 27, 628
# Near the spine the pages curve down into the fold.
FOLD_WIDTH, FOLD_DEPTH = 80, 5
STACKED_SHEETS = 2
SHEET_STEP = 2

COVER_BLUE = (40, 80, 208)
COVER_LIGHT = (120, 150, 255)
COVER_LIGHTER = (150, 175, 255)
COVER_DARK = (16, 36, 120)
COVER_DARKER = (10, 24, 90)
PAGE_OUTER = (200, 255, 255)
PAGE_MIDDLE = (194, 253, 255)
PAGE_FOLD = (160, 240, 255)
PAGE_EDGE = (90, 160, 196)
SHEET_BELOW = (236, 255, 255)
SPINE_SHADE = [(0.0, (12, 34, 112)), (0.3, (60, 100, 224)), (0.5, (130, 155, 255)),
               (0.7, (60, 100, 224)), (1.0, (12, 34, 112))]
LABEL_GROUND = (238, 255, 184)
LABEL_EDGE = (140, 160, 64)
TITLE = "花の図鑑"
TITLE_RED = (224, 0, 0)
TITLE_SIZE = 21
TITLE_PITCH = 24
TITLE_STROKE = 0.25
LABEL_TOP = 116
LABEL_HALF_WIDTH = 14

ARROW_RED = [(0.0, (255, 130, 120)), (0.45, (255, 24, 16)), (1.0, (176, 0, 0))]
ARROW_OUTLINE = (64, 0, 0)
ARROW_MARGIN = 2


def fold_offset(x):
    """How far the page edge dips at x: nothing far from the spine, most at it."""
    distance = min(abs(x - SPINE_LEFT), abs(x - SPINE_RIGHT))
    closeness = max(0.0, 1.0 - distance / FOLD_WIDTH)
    return FOLD_DEPTH * closeness ** 2


def page_outline(outer, inner, shift=(0, 0)):
    """The corner points of a page from its outer edge to the spine."""
    dx, dy = shift
    step = 1 if inner > outer else -1
    xs = list(range(outer, inner, step * 2)) + [inner]
    top = [(x + dx, PAGE_TOP + fold_offset(x) + dy) for x in xs]
    bottom = [(x + dx, PAGE_BOTTOM + fold_offset(x) + dy) for x in reversed(xs)]
    return top + bottom


def draw_cover(canvas):
    """The blue cover: a rounded board with a raised bevel, light at the top left."""
    mask, pen = new_mask(canvas)
    box = (BOOK_LEFT, BOOK_TOP, BOOK_RIGHT, BOOK_BOTTOM)
    pen.rounded(box, COVER_RADIUS, 255)
    board = new_canvas(*BOOK_SIZE)
    board_pen = Pen(board)
    left, top, right, bottom = box
    inner = (left + BEVEL, top + BEVEL, right - BEVEL, bottom - BEVEL)
    board_pen.polygon([(left, top), (right, top), (inner[2], inner[1]), (inner[0], inner[1])],
                      COVER_LIGHTER)
    board_pen.polygon([(left, top), (inner[0], inner[1]), (inner[0], inner[3]), (left, bottom)],
                      COVER_LIGHT)
    board_pen.polygon([(left, bottom), (inner[0], inner[3]), (inner[2], inner[3]),
                       (right, bottom)], COVER_DARKER)
    board_pen.polygon([(right, top), (right, bottom), (inner[2], inner[3]), (inner[2], inner[1])],
                      COVER_DARK)
    board_pen.polygon([(inner[0], inner[1]), (inner[2], inner[1]), (inner[2], inner[3]),
                       (inner[0], inner[3])], COVER_BLUE)
    canvas.paste(board, (0, 0), mask)


def draw_page(canvas, outer, inner):
    """One page with the edges of the sheets below it showing along its outer side
    and its foot, shaded darker where it curves into the fold."""
    outward = -1 if outer < inner else 1
    for sheet in range(STACKED_SHEETS, 0, -1):
        shift = (outward * SHEET_STEP * sheet, SHEET_STEP * sheet)
        points = page_outline(outer, inner, shift)
        mask, pen = new_mask(canvas)
        pen.polygon(points, 255)
        fill_shape(canvas, mask, SHEET_BELOW + (255,))
        Pen(canvas).outline(points, PAGE_EDGE, 0.75)
    points = page_outline(outer, inner)
    mask, pen = new_mask(canvas)
    pen.polygon(points, 255)
    shade = [(0.0, PAGE_OUTER), (0.8, PAGE_MIDDLE), (1.0, PAGE_FOLD)]
    if outer > inner:
        shade = [(1.0 - position, colour) for position, colour in reversed(shade)]
    box = (min(outer, inner), PAGE_TOP, max(outer, inner), PAGE_BOTTOM + FOLD_DEPTH + 1)
    fill_gradient(canvas, mask, box, shade, horizontal=True)
    Pen(canvas).outline(points, PAGE_EDGE, 0.75)


def draw_spine(canvas):
    """The rounded spine down the middle, shaded like a cylinder."""
    box = (SPINE_LEFT, BOOK_TOP, SPINE_RIGHT, BOOK_BOTTOM)
    mask, pen = new_mask(canvas)
    pen.rounded(box, 6, 255)
    fill_gradient(canvas, mask, box, SPINE_SHADE, horizontal=True)


def draw_spine_label(canvas):
    """The pale label on the spine with the book's title written top to bottom."""
    pen = Pen(canvas)
    bottom = LABEL_TOP + TITLE_PITCH * len(TITLE) + 6
    box = (SPINE_CENTRE - LABEL_HALF_WIDTH, LABEL_TOP,
           SPINE_CENTRE + LABEL_HALF_WIDTH, bottom)
    pen.rounded(box, 3, LABEL_GROUND, LABEL_EDGE, 1)
    font = mincho(TITLE_SIZE)
    for row, character in enumerate(TITLE):
        centre_y = LABEL_TOP + 3 + TITLE_PITCH * (row + 0.5)
        pen.text_centred((SPINE_CENTRE, centre_y), character, font, TITLE_RED, TITLE_STROKE)


def draw_book():
    canvas = new_canvas(*BOOK_SIZE)
    draw_cover(canvas)
    draw_page(canvas, LEFT_PAGE_OUTER, SPINE_LEFT)
    draw_page(canvas, RIGHT_PAGE_OUTER, SPINE_RIGHT)
    draw_spine(canvas)
    draw_spine_label(canvas)
    return canvas


def arrow_points(width, height):
    """A block arrow pointing left that fills a width x height picture."""
    middle = height / 2
    head_base = width * 0.45
    shaft_half = height * 0.23
    end = width - ARROW_MARGIN
    return [(ARROW_MARGIN, middle), (head_base, ARROW_MARGIN),
            (head_base, middle - shaft_half), (end, middle - shaft_half),
            (end, middle + shaft_half), (head_base, middle + shaft_half),
            (head_base, height - ARROW_MARGIN)]


def draw_arrow(width, height, pointing_right):
    canvas = new_canvas(width, height)
    points = arrow_points(width, height)
    mask, pen = new_mask(canvas)
    pen.polygon(points, 255)
    fill_gradient(canvas, mask, (0, 0, width, height), ARROW_RED, horizontal=False)
    Pen(canvas).outline(points, ARROW_OUTLINE, 2)
    if pointing_right:
        canvas = canvas.transpose(Image.Transpose.FLIP_LEFT_RIGHT)
    return canvas


def check_book_margins(transparent, factor):
    """The margins around the book are wholly transparent and the book reaches
    right up to them on every side."""
    top, bottom, left, right = (edge * factor for edge in
                                (BOOK_TOP, BOOK_BOTTOM, BOOK_LEFT, BOOK_RIGHT))
    assert transparent[:top].all(), "rows above the book are not transparent"
    assert transparent[bottom:].all(), "rows below the book are not transparent"
    assert transparent[:, :left].all(), "columns left of the book are not transparent"
    for edge in (transparent[top], transparent[bottom - 1],
                 transparent[:, left], transparent[:, right - 1]):
        assert not edge.all(), "the book does not reach its stated edge"


def check_arrow(transparent, factor):
    """Transparent in the corners, solid along the arrow's middle."""
    height, width = transparent.shape
    for x, y in ((0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)):
        assert transparent[y, x], f"arrow corner {(x, y)} is not transparent"
    margin = (ARROW_MARGIN + 1) * factor
    assert not transparent[height // 2, margin:width - margin].any(), \
        "the arrow has a gap along its middle"


def main():
    write_screen_gifs(draw_book(), OUTPUT / "book.gif", WINDOW_GREEN, check_book_margins)
    for name, size, pointing_right in (("arrow_left", (53, 33), False),
                                       ("arrow_right", (53, 35), True)):
        write_screen_gifs(draw_arrow(*size, pointing_right), OUTPUT / f"{name}.gif",
                          WINDOW_GREEN, check_arrow)


if __name__ == "__main__":
    main()
