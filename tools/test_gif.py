#!/usr/bin/python3
"""Tests of the drawing canvas and the GIF writer.

    /usr/bin/python3 -m unittest discover -s tools
"""
import tempfile
import unittest
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw

from canvas import SCALE, new_canvas, reduced
from gif import HIGH_DPI_FACTOR, TRANSPARENT_INDEX, high_dpi_path, to_palette, write_gif

ARTWORK = Path(__file__).resolve().parents[1] / "artwork"
SCREENS = ("menu", "picture_book", "quiz")
WHITE = (255, 255, 255)
CYAN = (0, 255, 255)


def decoded(path):
    with Image.open(path) as picture:
        return np.asarray(picture.convert("RGBA"))


def many_colours(width, height):
    """An RGB picture with a different colour in almost every pixel."""
    ys, xs = np.mgrid[0:height, 0:width]
    rgb = np.stack([xs * 255 // width, ys * 255 // height, (xs * 7 + ys * 3) % 256], axis=2)
    return rgb.astype(np.uint8)


class WrittenGif(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = Path(self.folder.name) / "picture.gif"

    def tearDown(self):
        self.folder.cleanup()

    def test_transparent_picture_cuts_at_half_cover_and_mixes_edges_with_the_ground(self):
        rgba = np.zeros((1, 4, 4), np.uint8)
        rgba[0, 0] = (255, 0, 0, 255)
        rgba[0, 1] = (255, 0, 0, 128)
        rgba[0, 2] = (255, 0, 0, 127)
        transparent = write_gif(Image.fromarray(rgba, "RGBA"), self.path, behind=WHITE)
        self.assertEqual(transparent.tolist(), [[False, False, True, True]])
        self.assertEqual(self.path.read_bytes()[:6], b"GIF89a")
        pixels = decoded(self.path)
        self.assertEqual(pixels[0, 0].tolist(), [255, 0, 0, 255])
        self.assertEqual(pixels[0, 1].tolist(), [255, 127, 127, 255])
        self.assertEqual(pixels[0, 3, 3], 0)
        with Image.open(self.path) as picture:
            self.assertEqual(picture.info["transparency"], TRANSPARENT_INDEX)
            self.assertEqual(picture.getpalette()[3 * TRANSPARENT_INDEX:], list(WHITE))

    def test_opaque_picture_is_gif87a_without_a_transparent_colour(self):
        transparent = write_gif(Image.fromarray(many_colours(40, 30), "RGB"), self.path)
        self.assertFalse(transparent.any())
        self.assertEqual(self.path.read_bytes()[:6], b"GIF87a")
        with Image.open(self.path) as picture:
            self.assertNotIn("transparency", picture.info)
            self.assertEqual(len(picture.getpalette()), 3 * 256)
            self.assertLessEqual(len(np.unique(np.asarray(picture))), 256)

    def test_few_colours_come_back_exactly(self):
        rgb = np.zeros((8, 10, 3), np.uint8)
        rgb[..., 0] = np.arange(10) * 25
        rgb[..., 2] = np.arange(8)[:, None] * 30
        write_gif(Image.fromarray(rgb, "RGB"), self.path)
        self.assertTrue(np.array_equal(decoded(self.path)[..., :3], rgb))

    def test_transparent_picture_keeps_the_last_index_for_the_ground(self):
        rgba = np.dstack([many_colours(64, 64), np.full((64, 64), 255, np.uint8)])
        rgba[:4, :4, 3] = 0
        write_gif(Image.fromarray(rgba, "RGBA"), self.path, behind=WHITE)
        with Image.open(self.path) as picture:
            indices = np.asarray(picture)
        self.assertTrue((indices[:4, :4] == TRANSPARENT_INDEX).all())
        self.assertFalse((indices[4:, 4:] == TRANSPARENT_INDEX).any())

    def test_fixed_colours_keep_exact_entries_among_many_near_colours(self):
        # 300 close colours do not fit in 256 entries; every 15th must survive.
        rgb = np.stack([np.zeros(300, int), np.arange(300) // 2, np.arange(300) % 256], axis=1)
        rgb = rgb.astype(np.uint8).reshape(15, 20, 3)
        fixed = rgb.reshape(-1, 3)[::15]
        picture = to_palette(Image.fromarray(rgb, "RGB"), fixed=fixed)
        palette = np.array(picture.getpalette(), np.uint8).reshape(-1, 3)
        self.assertTrue(np.array_equal(palette[:len(fixed)], fixed))
        colours = palette[np.asarray(picture)].reshape(-1, 3)
        self.assertTrue(np.array_equal(colours[::15], fixed))

    def test_a_picture_with_no_opaque_pixel_is_wholly_transparent(self):
        transparent = write_gif(new_canvas(3, 2), self.path, behind=WHITE)
        self.assertTrue(transparent.all())

    def test_writing_again_gives_the_same_bytes(self):
        picture = Image.fromarray(many_colours(50, 40), "RGB")
        write_gif(picture, self.path)
        first = self.path.read_bytes()
        write_gif(picture, self.path)
        self.assertEqual(self.path.read_bytes(), first)


class Canvas(unittest.TestCase):
    def square_canvas(self):
        """A 40 x 30 canvas with a black square over final pixels 10 to 20."""
        canvas = new_canvas(40, 30)
        ImageDraw.Draw(canvas).rectangle((10 * SCALE, 10 * SCALE, 20 * SCALE - 1, 20 * SCALE - 1),
                                         fill=(0, 0, 0, 255))
        return canvas

    def test_reduces_to_the_final_size_and_to_twice_it(self):
        canvas = self.square_canvas()
        self.assertEqual(canvas.size, (40 * SCALE, 30 * SCALE))
        self.assertEqual(reduced(canvas).size, (40, 30))
        self.assertEqual(reduced(canvas, 2).size, (80, 60))

    def test_both_sizes_are_in_register(self):
        canvas = self.square_canvas()
        for factor in (1, 2):
            alpha = np.asarray(reduced(canvas, factor))[..., 3]
            ys, xs = np.nonzero(alpha >= 128)
            self.assertEqual((xs.min(), xs.max() + 1), (10 * factor, 20 * factor))
            self.assertEqual((ys.min(), ys.max() + 1), (10 * factor, 20 * factor))

    def test_high_dpi_picture_lies_beside_the_picture(self):
        path = Path("artwork/menu/background.gif")
        self.assertEqual(high_dpi_path(path, 1), path)
        self.assertEqual(high_dpi_path(path, 2), Path("artwork/menu/background@2x.gif"))


def box_reduced(rgba, factor):
    """An RGBA array averaged over factor x factor blocks, colours weighted by
    their cover."""
    height, width = rgba.shape[0] // factor, rgba.shape[1] // factor
    blocks = rgba.astype(float).reshape(height, factor, width, factor, 4)
    alpha = blocks[..., 3:] / 255
    cover = alpha.mean(axis=(1, 3))
    colour = (blocks[..., :3] * alpha).mean(axis=(1, 3)) / np.maximum(cover, 1e-9)
    return colour, cover[..., 0]


class HighDpiArtwork(unittest.TestCase):
    """The committed screen pictures and their high-DPI pictures."""

    def pairs(self):
        for screen in SCREENS:
            for path in sorted((ARTWORK / screen).glob("*.gif")):
                if "@" not in path.stem:
                    yield path, high_dpi_path(path, HIGH_DPI_FACTOR)

    def test_every_picture_has_one_twice_its_size_in_the_same_format(self):
        pairs = list(self.pairs())
        self.assertEqual(len(pairs), 11)
        for one, two in pairs:
            with self.subTest(picture=one.name), Image.open(one) as small, Image.open(two) as big:
                self.assertEqual(big.size, (small.width * HIGH_DPI_FACTOR,
                                            small.height * HIGH_DPI_FACTOR))
                self.assertEqual(two.read_bytes()[:6], one.read_bytes()[:6])
                self.assertEqual("transparency" in big.info, "transparency" in small.info)
                self.assertEqual(len(big.getpalette()), 3 * 256)

    def test_every_high_dpi_picture_is_in_register_with_its_picture(self):
        for one, two in self.pairs():
            with self.subTest(picture=one.name):
                small, big = decoded(one).astype(float), decoded(two)
                misfit = {}
                for shift in ((0, 0), (0, 1), (1, 0), (0, -1), (-1, 0)):
                    colour, cover = box_reduced(np.roll(big, shift, axis=(0, 1)), HIGH_DPI_FACTOR)
                    solid = (cover == 1) & (small[..., 3] > 0)
                    misfit[shift] = np.abs(colour - small[..., :3])[solid].mean()
                self.assertEqual(min(misfit, key=misfit.get), (0, 0), misfit)
                transparent_there = box_reduced(big, HIGH_DPI_FACTOR)[1] < 0.5
                disagree = (transparent_there != (small[..., 3] == 0)).mean()
                self.assertLess(disagree, 0.05)


if __name__ == "__main__":
    unittest.main()
