#!/usr/bin/env python3
"""Draws the design dialog's logo: the product name in plain block letters over a small
splayed column of cabinets on a blue field. Writes a 24-bit BMP; run it again to regenerate
tarnwick_logo.bmp beside this script."""
import os
import struct

WIDTH, HEIGHT = 78, 78
FIELD = (0x1F, 0x4E, 0x79)
INK = (0xFF, 0xFF, 0xFF)
CABINET = (0x9D, 0xC3, 0xE6)

# 5 x 7 block letters, one string per row, '#' = ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
}


def draw_text(pixels, text, top, scale):
    advance = 6 * scale
    left = (WIDTH - (len(text) * advance - scale)) // 2
    for n, letter in enumerate(text):
        for row, line in enumerate(GLYPHS[letter]):
            for col, mark in enumerate(line):
                if mark != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[top + row * scale + dy][left + n * advance + col * scale + dx] = INK


def draw_cabinets(pixels, top):
    # Four boxes hung one below the other, each splayed a little further back.
    for box in range(4):
        y = top + box * 6
        x = 27 + box * box
        for dy in range(4):
            for dx in range(24 - 2 * box):
                pixels[y + dy][x + dx] = CABINET


def write_bmp(path, pixels):
    row_bytes = (WIDTH * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):  # a BMP stores its rows bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        image += line + bytes(row_bytes - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + image)


def main():
    pixels = [[FIELD] * WIDTH for _ in range(HEIGHT)]
    draw_text(pixels, "ORLEX", 6, 2)
    draw_cabinets(pixels, 28)
    draw_text(pixels, "TARNWICK", 60, 1)
    write_bmp(os.path.join(os.path.dirname(os.path.abspath(__file__)), "tarnwick_logo.bmp"), pixels)


if __name__ == "__main__":
    main()
