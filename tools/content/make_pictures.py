#!/usr/bin/python3
"""Write the flower pictures data/画像/h<k>.gif from the flower modules.

    make_pictures.py            regenerate every picture that has a drawing
    make_pictures.py 31 32 ...  regenerate only the given entries
"""
import importlib
import sys
from pathlib import Path

from drawing import S, save_gif

ROOT = Path(__file__).resolve().parents[2]
PICTURE_DIR = ROOT / "data" / "画像"
FLOWER_MODULES = ("flowers_a", "flowers_b")
MAX_WIDTH, MAX_HEIGHT = 218, 225


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
    image = draw_function()
    width, height = image.width // S, image.height // S
    if width > MAX_WIDTH or height > MAX_HEIGHT:
        raise SystemExit(f"h{entry}: {width}x{height} is larger than "
                         f"{MAX_WIDTH}x{MAX_HEIGHT}")
    path = PICTURE_DIR / f"h{entry}.gif"
    save_gif(image, path)
    print(f"{path.relative_to(ROOT)} {width}x{height}")


def main(args):
    flowers = load_flowers()
    entries = [int(a) for a in args] if args else sorted(flowers)
    missing = [k for k in entries if k not in flowers]
    if missing:
        raise SystemExit(f"no drawing for entries {missing}")
    PICTURE_DIR.mkdir(parents=True, exist_ok=True)
    for entry in entries:
        render(entry, flowers[entry])


if __name__ == "__main__":
    main(sys.argv[1:])
