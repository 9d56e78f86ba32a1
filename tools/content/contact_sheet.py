#!/usr/bin/python3
"""Make one PNG showing all 60 flower pictures with their numbers and names.

    contact_sheet.py OUT.png

Names come from texts/names.txt (one per line, entry 1 first); without that
file only the numbers are shown.  A missing picture leaves its cell empty.
"""
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
PICTURE_DIR = HERE.parents[1] / "data" / "画像"
NAMES_FILE = HERE / "texts" / "names.txt"
FONT_FILE = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
ENTRIES = 60
COLUMNS = 10
CELL_W, CELL_H = 230, 262
PICTURE_H = 228
GROUND = (0x80, 0xF0, 0xF0)
DISC = (0x00, 0xFF, 0xFF)


def read_names():
    """Return {entry: name} from names.txt, or {} when it is not there yet."""
    if not NAMES_FILE.exists():
        return {}
    lines = NAMES_FILE.read_text(encoding="utf-8").splitlines()
    return {k: name.strip() for k, name in enumerate(lines, start=1)}


def paste_picture(sheet, entry, left, top):
    """Paste h<entry>.gif centred in the picture area of its cell."""
    path = PICTURE_DIR / f"h{entry}.gif"
    if not path.exists():
        return
    picture = Image.open(path).convert("RGBA")
    x = left + (CELL_W - picture.width) // 2
    y = top + (PICTURE_H - picture.height) // 2
    sheet.alpha_composite(picture, (x, y))


def draw_cell(sheet, draw, font, entry, name):
    left = (entry - 1) % COLUMNS * CELL_W
    top = (entry - 1) // COLUMNS * CELL_H
    draw.ellipse([left + 8, top + 6, left + CELL_W - 8, top + PICTURE_H - 2],
                 fill=DISC)
    paste_picture(sheet, entry, left, top)
    label = f"{entry} {name}".strip()
    width = draw.textlength(label, font=font)
    draw.text((left + (CELL_W - width) / 2, top + PICTURE_H + 4), label,
              fill=(0, 0, 0), font=font)


def main(out_path):
    rows = (ENTRIES + COLUMNS - 1) // COLUMNS
    sheet = Image.new("RGBA", (COLUMNS * CELL_W, rows * CELL_H), GROUND + (255,))
    draw = ImageDraw.Draw(sheet)
    font = ImageFont.truetype(FONT_FILE, 22)
    names = read_names()
    for entry in range(1, ENTRIES + 1):
        draw_cell(sheet, draw, font, entry, names.get(entry, ""))
    sheet.convert("RGB").save(out_path)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit("usage: contact_sheet.py OUT.png")
    main(sys.argv[1])
