#!/usr/bin/python3
"""Shows how the menu pictures sit together in the 687 x 491 window.

Usage: menu_preview.py OUTPUT.png [pink] [2x]

With 2x the window is drawn at twice its size from the name@2x.gif pictures.

The buttons are drawn as plain orange boxes only to show where they cover the scene.
"""
import sys
from pathlib import Path

from PIL import Image

ARTWORK = Path(__file__).resolve().parents[2] / "artwork" / "menu"
WINDOW = (687, 491)
BUTTON_BOXES = [(464, 277, 592, 317), (464, 339, 592, 379), (464, 402, 592, 442)]


def window(head, factor):
    suffix = f"@{factor}x" if factor > 1 else ""
    screen = Image.new("RGBA", (WINDOW[0] * factor, WINDOW[1] * factor), (0, 255, 255, 255))
    head_place = (123, 104) if head == "head_blue" else (123, 111)
    placements = [("background", (24, 51)), (head, head_place), ("emblem", (421, 35)),
                  ("butterfly_spread", (35, 18)), ("butterfly_raised", (108, 65)),
                  ("butterfly_spread", (168, 108))]
    for name, place in placements:
        with Image.open(ARTWORK / f"{name}{suffix}.gif") as picture:
            screen.alpha_composite(picture.convert("RGBA"), (place[0] * factor, place[1] * factor))
    for box in BUTTON_BOXES:
        screen.paste((255, 150, 30, 255), tuple(edge * factor for edge in box))
    return screen.convert("RGB")


if __name__ == "__main__":
    options = sys.argv[2:]
    head = "head_pink" if "pink" in options else "head_blue"
    window(head, 2 if "2x" in options else 1).save(sys.argv[1])
