#!/usr/bin/python3
"""Write the flower pictures data/画像/h<k>.gif from the flower modules.

    make_pictures.py            regenerate every picture that has a drawing
    make_pictures.py 31 32 ...  regenerate only the given entries
"""
import importlib
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))  # the canvas and GIF writer

from canvas import reduced  # noqa: E402
from gif import write_gif  # noqa: E402

ROOT = Path(__file__).resolve().parents[2]
PICTURE_DIR = ROOT / "data" / "画像"
FLOWER_MODULES = ("flowers_a", "flowers_b")
MAX_WIDTH, MAX_HEIGHT = 218, 225
# Soft edge pixels are mixed with a light cyan, close to the book's pages and the
# quiz's disc that the pictures are shown on.
SHOWN_ON = (0x80, 0xF0, 0xF0)


def load_flowers():
    """Collect FLOWERS from each flower module that exists so far."""
    flowers = {}
    for name in FLOWER_MODULES:
        try:
            module = importlib.import_module(name)
        except ModuleNotFoundError as error:
            if error.name != name:
                raise
            continue
        flowers.update(module.FLOWERS)
    return flowers


def render(entry, draw_function):
    """Draw one entry, check its size and write its GIF."""
    picture = reduced(draw_function())
    width, height = picture.size
    if width > MAX_WIDTH or height > MAX_HEIGHT:
        raise SystemExit(f"h{entry}: {width}x{height} is larger than "
                         f"{MAX_WIDTH}x{MAX_HEIGHT}")
    path = PICTURE_DIR / f"h{entry}.gif"
    write_gif(picture, path, behind=SHOWN_ON)
    print(f"{path.relative_to(ROOT)} {width}x{height}")


def main(args):
    flowers = load_flowers()
    entries = [int(a) for a in args] if args else sorted(flowers)
    missing = [k for k in entries if k not in flowers]
    if missing:
        raise SystemExit(f"no drawing for entries {missing}")
    for entry in entries:
        render(entry, flowers[entry])


if __name__ == "__main__":
    main(sys.argv[1:])
