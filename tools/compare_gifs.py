#!/usr/bin/python3
"""Compares the pictures in the work tree with the ones committed at a revision.

Usage: tools/compare_gifs.py [REVISION]   (default: HEAD)

For every GIF and PNG under artwork/ and data/画像/ that the revision holds, the
committed and the present file are decoded and compared for what shows on
screen: size, which pixels are transparent, the colour of every opaque pixel
and, for palette pictures, which palette indices are used and how many, and
the GIF version.  Byte differences that change none of these (a reordered
palette entry no pixel uses, different compression) count as the same.

Prints one line per picture and a closing count, and exits with status 1 if
any picture differs or is missing.
"""
import io
import subprocess
import sys
from pathlib import Path

import numpy as np
from PIL import Image

REPOSITORY = Path(__file__).resolve().parents[1]
FOLDERS = ("artwork", "data/画像")
SUFFIXES = (".gif", ".png")


def git(*arguments):
    return subprocess.run(["git", "-C", str(REPOSITORY), *arguments], check=True,
                          capture_output=True).stdout


def committed_paths(revision):
    listing = git("ls-tree", "-r", "-z", "--name-only", revision, "--", *FOLDERS)
    names = [name.decode("utf-8") for name in listing.split(b"\0") if name]
    return [name for name in names if name.lower().endswith(SUFFIXES)]


class Decoded:
    """What a picture file shows: its RGBA pixels and, for palette pictures,
    the palette indices its pixels use."""

    def __init__(self, data):
        self.version = data[:6] if data[:3] == b"GIF" else None
        with Image.open(io.BytesIO(data)) as picture:
            picture.load()
            self.size = picture.size
            self.indices = np.asarray(picture) if picture.mode == "P" else None
            self.rgba = np.asarray(picture.convert("RGBA"))

    @property
    def transparent(self):
        return self.rgba[..., 3] == 0

    def used_indices(self):
        return None if self.indices is None else set(np.unique(self.indices).tolist())


def differences(old, new):
    """Short descriptions of how the new picture differs from the old one."""
    if old.size != new.size:
        return [f"size {old.size} -> {new.size}"]
    found = []
    if old.version != new.version:
        found.append(f"{old.version.decode()} -> {new.version.decode()}")
    moved = old.transparent != new.transparent
    if moved.any():
        found.append(f"transparency of {moved.sum()} pixels")
    both = ~old.transparent & ~new.transparent
    change = np.abs(old.rgba[..., :3].astype(int) - new.rgba[..., :3].astype(int)).max(axis=2)
    changed = both & (change > 0)
    if changed.any():
        found.append(f"colour of {changed.sum()} of {both.sum()} opaque pixels "
                     f"(largest step {change[changed].max()}, "
                     f"mean {change[changed].mean():.1f})")
    old_used, new_used = old.used_indices(), new.used_indices()
    if old_used != new_used:
        if old_used is None or new_used is None:
            found.append("palette picture <-> true colour")
        else:
            found.append(f"palette indices used: {len(old_used)} -> {len(new_used)}"
                         + ("" if len(old_used) != len(new_used) else ", other indices"))
    return found


def main(arguments):
    revision = arguments[0] if arguments else "HEAD"
    paths = committed_paths(revision)
    differing = 0
    for path in paths:
        present = REPOSITORY / path
        if not present.exists():
            print(f"{path}: missing")
            differing += 1
            continue
        old = Decoded(git("show", f"{revision}:{path}"))
        found = differences(old, Decoded(present.read_bytes()))
        print(f"{path}: " + ("; ".join(found) if found else "same"))
        differing += bool(found)
    print(f"{len(paths) - differing} same, {differing} differ")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
