#!/usr/bin/env python3
"""Where a piece of one screenshot lies in another.

    locate.py FROM.ppm TO.ppm X Y WIDTH HEIGHT

Cuts the rectangle (X, Y, WIDTH, HEIGHT) out of FROM and prints "DX DY",
the step that carries it onto the one place in TO with the very same pixels.
Exit 1 when the piece is nowhere in TO or in more than one place: then the
two screens do not show the same spot unambiguously.

The two editors draw the map with the same code from the same pictures, so
the map's pixels agree while the frames around it (fonts, style, window
decorations) do not.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1 : pos + 1 + width * height * 3]


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    fw, fh, src = read_ppm(sys.argv[1])
    tw, th, dst = read_ppm(sys.argv[2])
    x, y, w, h = map(int, sys.argv[3:7])
    if x < 0 or y < 0 or x + w > fw or y + h > fh:
        sys.exit("the rectangle is not inside the first screenshot")
    rows = [src[((y + r) * fw + x) * 3 : ((y + r) * fw + x + w) * 3] for r in range(h)]
    found = []
    start = 0
    while True:
        at = dst.find(rows[0], start)
        if at < 0:
            break
        start = at + 1
        if at % 3:
            continue
        px, py = (at // 3) % tw, (at // 3) // tw
        if px + w > tw or py + h > th:
            continue
        if all(dst[((py + r) * tw + px) * 3 : ((py + r) * tw + px + w) * 3] == rows[r] for r in range(1, h)):
            found.append((px - x, py - y))
    if len(found) != 1:
        print(f"the piece is found {len(found)} times: {found[:8]}", file=sys.stderr)
        sys.exit(1)
    print(*found[0])


if __name__ == "__main__":
    main()
