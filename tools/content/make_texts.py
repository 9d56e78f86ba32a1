#!/usr/bin/python3
"""Convert the flower names and explanations into the files the program reads.

Reads UTF-8 sources from tools/content/texts/ (names.txt, s1.txt ... s60.txt)
and writes data/説明/name.txt and s1.txt ... s60.txt in Shift-JIS (code page
932) with CR LF after every line.

The picture book shows each text line as one unwrapped row of a list box that
fits 13 full-width characters, and has room for 4 to 9 rows, so every line is
checked before anything is written. In Shift-JIS a full-width character takes
two bytes and a half-width one a single byte, so the encoded length of a line
is its width in half-width units.
"""
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SOURCE_DIR = ROOT / "tools" / "content" / "texts"
OUTPUT_DIR = ROOT / "data" / "説明"
ENCODING = "cp932"
FLOWER_COUNT = 60
MIN_LINES = 4
MAX_LINES = 9
MAX_WIDTH = 26


def read_source(path):
    """Return the lines of a UTF-8 source file, without line ends."""
    text = path.read_text(encoding="utf-8")
    if text.endswith("\n"):
        text = text[:-1]
    return text.split("\n")


def line_problems(line):
    """Describe everything wrong with one line, or return an empty list."""
    if not line:
        return ["empty line"]
    problems = []
    if line != line.rstrip():
        problems.append("trailing space")
    if any(ord(ch) < 0x20 for ch in line):
        problems.append("control character")
    try:
        encoded = line.encode(ENCODING)
    except UnicodeEncodeError as error:
        return problems + [f"{line[error.start]!r} has no {ENCODING} code"]
    if encoded.decode(ENCODING) != line:
        problems.append(f"does not survive {ENCODING} unchanged (e.g. use ～ U+FF5E)")
    if len(encoded) > MAX_WIDTH:
        problems.append(f"{len(encoded)} half-width units wide, at most {MAX_WIDTH} fit")
    return problems


def file_problems(path, lines, min_lines, max_lines):
    """Check a whole source file; return messages naming file and line."""
    messages = []
    if not min_lines <= len(lines) <= max_lines:
        messages.append(f"{path}: {len(lines)} lines, expected {min_lines} to {max_lines}")
    for number, line in enumerate(lines, start=1):
        for problem in line_problems(line):
            messages.append(f"{path}:{number}: {problem}: {line!r}")
    return messages


def name_problems(path, names):
    """Names are single words: the quiz board and the book title use them as is."""
    return [f"{path}:{number}: name contains a space: {name!r}"
            for number, name in enumerate(names, start=1)
            if any(ch.isspace() for ch in name)]


def load_all():
    """Read and check every source; return {output file name: lines}."""
    names_path = SOURCE_DIR / "names.txt"
    names = read_source(names_path)
    outputs = {"name.txt": names}
    messages = file_problems(names_path, names, FLOWER_COUNT, FLOWER_COUNT)
    messages += name_problems(names_path, names)
    for number in range(1, FLOWER_COUNT + 1):
        path = SOURCE_DIR / f"s{number}.txt"
        if not path.exists():
            messages.append(f"{path}: missing")
            continue
        lines = read_source(path)
        messages += file_problems(path, lines, MIN_LINES, MAX_LINES)
        outputs[path.name] = lines
    if messages:
        sys.exit("make_texts: nothing written:\n" + "\n".join(messages))
    return outputs


def write_all(outputs):
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    for file_name, lines in outputs.items():
        data = "".join(line + "\r\n" for line in lines).encode(ENCODING)
        (OUTPUT_DIR / file_name).write_bytes(data)


def main():
    write_all(load_all())


if __name__ == "__main__":
    main()
