#!/usr/bin/env python3
"""Makes the active viewer's two default backgrounds, data/photoA.jpg (a sheet
of hand-made paper) and data/photoB.jpg (a sky in ink wash), 512 x 512.

Both are drawn from fixed seeds and written by the small baseline JPEG encoder
below (standard library only), so the same files come out on every run. The
viewer recognises them by the sum of their decoded bytes; after changing this
script, put the new sums (the test that reads the shipped files prints them)
into src/io/ViewerBackground.h.

Credit: pictures by the Zol editor project.
"""

import math
import os
import struct
import sys

SIZE = 512
CREDIT = b"Zol editor project: made by scripts/make_viewer_photos.py"


# --- deterministic noise ---------------------------------------------------

class Lcg:
    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0


def value_noise(seed, cells):
    """A smooth noise of SIZE x SIZE values in 0..1: random values on a
    (cells + 1)^2 lattice, blended with a smooth step; wraps around."""
    rng = Lcg(seed)
    lattice = [[rng.next() for _ in range(cells)] for _ in range(cells)]
    step = SIZE / cells
    out = []
    for y in range(SIZE):
        gy = y / step
        y0 = int(gy) % cells
        y1 = (y0 + 1) % cells
        fy = gy - int(gy)
        fy = fy * fy * (3 - 2 * fy)
        row0, row1 = lattice[y0], lattice[y1]
        line = []
        for x in range(SIZE):
            gx = x / step
            x0 = int(gx) % cells
            x1 = (x0 + 1) % cells
            fx = gx - int(gx)
            fx = fx * fx * (3 - 2 * fx)
            a = row0[x0] + (row0[x1] - row0[x0]) * fx
            b = row1[x0] + (row1[x1] - row1[x0]) * fx
            line.append(a + (b - a) * fy)
        out.append(line)
    return out


def fractal(seed, octaves):
    total = [[0.0] * SIZE for _ in range(SIZE)]
    weight = 0.0
    amplitude = 1.0
    for k, cells in enumerate(octaves):
        layer = value_noise(seed + 7919 * k, cells)
        for y in range(SIZE):
            t, l = total[y], layer[y]
            for x in range(SIZE):
                t[x] += amplitude * l[x]
        weight += amplitude
        amplitude *= 0.55
    return [[v / weight for v in row] for row in total]


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def paper():
    """Warm off-white paper with cloudy density and long fibres."""
    cloud = fractal(11, [4, 8, 16, 32, 64])
    rng = Lcg(12345)
    fibre = [[0.0] * SIZE for _ in range(SIZE)]
    for _ in range(900):
        x, y = rng.next() * SIZE, rng.next() * SIZE
        angle = rng.next() * math.pi
        length = 10 + rng.next() * 40
        dx, dy = math.cos(angle), math.sin(angle)
        shade = 0.4 + 0.6 * rng.next()
        for s in range(int(length)):
            px, py = int(x + dx * s) % SIZE, int(y + dy * s) % SIZE
            fibre[py][px] = max(fibre[py][px], shade)
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            d = cloud[y][x] - 0.5
            f = fibre[y][x]
            row.append((clamp(236 + 26 * d - 18 * f), clamp(226 + 26 * d - 20 * f), clamp(204 + 30 * d - 24 * f)))
        pixels.append(row)
    return pixels


def sky():
    """Ink wash: a pale sky darkening upward, soft grey clouds, a misty hill line."""
    wash = fractal(23, [2, 4, 8, 16, 32])
    grain = fractal(29, [64, 128])
    pixels = []
    for y in range(SIZE):
        v = y / (SIZE - 1)
        row = []
        for x in range(SIZE):
            hill = 0.72 + 0.06 * math.sin(x / 61.0) + 0.04 * math.sin(x / 23.0 + 1.3)
            ink = 0.55 * (1 - v) ** 1.6 + 0.55 * max(0.0, wash[y][x] - 0.45)
            if v > hill:
                ink += 0.35 + 0.25 * min(1.0, (v - hill) * 8)
            ink += 0.06 * (grain[y][x] - 0.5)
            ink = min(1.0, max(0.0, ink))
            row.append((clamp(238 - 190 * ink), clamp(240 - 182 * ink), clamp(244 - 160 * ink)))
        pixels.append(row)
    return pixels


# --- baseline JPEG encoder ---------------------------------------------------

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21,
    28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61,
    54, 47, 55, 62, 63]

LUMA_Q = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51,
    87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99,
    99, 99, 99] + [99] * 32

# The standard tables: code counts per length 1..16, then the symbols.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a343536"
    "3738393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a9293949596979899"
    "9aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5"
    "f6f7f8f9fa"))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a"
    "35363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a9293949596"
    "9798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4"
    "f5f6f7f8f9fa"))


def scaled_table(table, quality):
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in table]


def huffman_codes(table):
    counts, symbols = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def write(self, code, length):
        self.acc = (self.acc << length) | code
        self.n += length
        while self.n >= 8:
            self.n -= 8
            byte = (self.acc >> self.n) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)
        self.acc &= (1 << self.n) - 1

    def flush(self):
        if self.n:
            self.write((1 << (8 - self.n)) - 1, 8 - self.n)


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0) / 2 for x in range(8)]
       for u in range(8)]


def fdct(block):
    rows = [[sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def magnitude(value):
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def encode_block(writer, block, quant, dc_codes, ac_codes, previous_dc):
    coefficients = fdct(block)
    q = [int(round(coefficients[ZIGZAG[k]] / quant[k])) for k in range(64)]
    diff = q[0] - previous_dc
    size, bits = magnitude(diff)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for k in range(1, 64):
        if q[k] == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(q[k])
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return q[0]


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def encode_jpeg(pixels, quality=90):
    luma_q = scaled_table(LUMA_Q, quality)
    chroma_q = scaled_table(CHROMA_Q, quality)
    codes = [huffman_codes(DC_LUMA), huffman_codes(AC_LUMA), huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA)]
    planes = [[], [], []]
    for row in pixels:
        for c in range(3):
            planes[c].append([])
        for r, g, b in row:
            planes[0][-1].append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            planes[1][-1].append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2][-1].append(0.5 * r - 0.418688 * g - 0.081312 * b)
    writer = BitWriter()
    dc = [0, 0, 0]
    for by in range(0, SIZE, 8):
        for bx in range(0, SIZE, 8):
            for c in range(3):
                block = [planes[c][by + y][bx + x] for y in range(8) for x in range(8)]
                quant = luma_q if c == 0 else chroma_q
                dc_codes, ac_codes = (codes[0], codes[1]) if c == 0 else (codes[2], codes[3])
                dc[c] = encode_block(writer, block, quant, dc_codes, ac_codes, dc[c])
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    out += segment(0xFE, CREDIT)
    out += segment(0xDB, bytes([0]) + bytes(luma_q) + bytes([1]) + bytes(chroma_q))
    out += segment(0xC0, struct.pack(">BHHB", 8, SIZE, SIZE, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for table_class, table_id, (counts, symbols) in [(0, 0, DC_LUMA), (1, 0, AC_LUMA), (0, 1, DC_CHROMA),
                                                     (1, 1, AC_CHROMA)]:
        out += segment(0xC4, bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.out
    out += b"\xFF\xD9"
    return bytes(out)


def main():
    data = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")
    for name, draw in [("photoA.jpg", paper), ("photoB.jpg", sky)]:
        path = os.path.normpath(os.path.join(data, name))
        with open(path, "wb") as f:
            f.write(encode_jpeg(draw()))
        print("wrote", path, file=sys.stderr)


if __name__ == "__main__":
    main()
