#!/usr/bin/env python3
"""Renders the pictures and icons from the SVG sources beside this script.

Needs rsvg-convert (librsvg2-bin). The pictures come out as 24-bit PNG; the red band of the page
picture is drawn here pixel by pixel, so its edge colours are exact whatever the SVG renderer
does with gradients. Run it after editing an SVG and commit the PNG files with it.
"""
import pathlib
import struct
import subprocess
import tempfile
import zlib

HERE = pathlib.Path(__file__).resolve().parent
BAND_ROWS = 48
BAND_LEFT = (122, 0, 1)
BAND_RIGHT = (210, 26, 8)
ICON_SIZES = {"icon-16.png": 16, "icon-32.png": 32, "icon-48.png": 48, "icon.png": 64,
              "icon-256.png": 256}


def render(svg, width, height, out):
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), str(svg), "-o", str(out)],
                   check=True)


def read_rgba(path):
    """Decodes an 8-bit, non-interlaced RGB or RGBA PNG (what rsvg-convert writes) into RGBA
    rows."""
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, (depth, colour, interlace)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    bpp = 4 if colour == 6 else 3
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = previous[i]
            c = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        rows.append(line if bpp == 4 else with_alpha(line))
        previous = line
    return width, height, rows


def with_alpha(line):
    out = bytearray()
    for i in range(0, len(line), 3):
        out += line[i:i + 3] + b"\xff"
    return out


def on_white(rows, width):
    """RGBA rows to RGB pixel rows, composited over white."""
    out = []
    for line in rows:
        pixels = []
        for x in range(width):
            r, g, b, a = line[4 * x:4 * x + 4]
            pixels.append(tuple((v * a + 255 * (255 - a) + 127) // 255 for v in (r, g, b)))
        out.append(pixels)
    return out


def write_rgb(path, width, pixels):
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, len(pixels), 8, 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                     chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def band_colour(x, width):
    t = x / (width - 1)
    return tuple(round(l + (r - l) * t) for l, r in zip(BAND_LEFT, BAND_RIGHT))


def draw_band(pixels, width):
    for y in range(BAND_ROWS):
        pixels[y] = [band_colour(x, width) for x in range(width)]
    # The one transition row: the band colour half-way to the white beneath.
    pixels[BAND_ROWS] = [tuple((v + 255 + 1) // 2 for v in band_colour(x, width))
                         for x in range(width)]


def picture(name, width, height, tmp, band=False):
    rendered = tmp / (name + ".rgba.png")
    render(HERE / (name + ".svg"), width, height, rendered)
    w, _, rows = read_rgba(rendered)
    pixels = on_white(rows, w)
    if band:
        draw_band(pixels, w)
    write_rgb(HERE / (name + ".png"), w, pixels)


def main():
    with tempfile.TemporaryDirectory() as tmp:
        picture("welcome", 559, 352, pathlib.Path(tmp))
        picture("page", 559, 354, pathlib.Path(tmp), band=True)
    for name, size in ICON_SIZES.items():
        render(HERE / "icon.svg", size, size, HERE / name)


if __name__ == "__main__":
    main()
