#!/usr/bin/env python3
"""Draws the demonstration pictures of the reference server and writes them beside this
script: product pictures by part group (JPEG), announcements and opening advertisements
(JPEG), the header banner and the top strip (animated GIF) and the bottom strip (8-bit BMP).

The files are kept in the repository; run this script only to change them. It needs
nothing but Python 3: the JPEG, GIF and BMP writers are the minimal ones below.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------------------
# Canvas


class Canvas:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [colour] * (width * height)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            row = y * self.width
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[row + x] = colour

    def vertical_gradient(self, top, bottom):
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.rect(0, y, self.width, y + 1, colour)

    def ellipse(self, cx, cy, rx, ry, colour, inner=0.0):
        """A filled ellipse; with inner > 0 a ring whose hole has that share of the radii."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if d <= 1.0 and d >= inner * inner:
                    self.put(x, y, colour)

    def circle(self, cx, cy, r, colour, inner=0.0):
        self.ellipse(cx, cy, r, r, colour, inner)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(steps + 1):
            t = i / steps
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            self.rect(int(x - width / 2), int(y - width / 2), int(x + width / 2) + 1,
                      int(y + width / 2) + 1, colour)

    def text(self, x, y, text, colour, scale, shadow=None):
        if shadow is not None:
            draw_text(self, x + max(1, scale // 2), y + max(1, scale // 2), text, shadow, scale)
        draw_text(self, x, y, text, colour, scale)

    def centred_text(self, y, text, colour, scale, shadow=None):
        self.text((self.width - text_width(text, scale)) // 2, y, text, colour, scale, shadow)


# ---------------------------------------------------------------------------------------
# A 5x7 pixel font with the Turkish capitals; marks are drawn above or below the body.

GLYPHS = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'B': ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'D': ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'F': ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    'G': ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    'H': ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    'I': ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    'J': ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    'K': ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'N': ["10001", "10001", "11001", "10101", "10011", "10001", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'P': ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'U': ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'Y': ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    'Z': ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    'W': ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    'X': ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    '0': ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    '1': ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    '3': ["11111", "00010", "00100", "00010", "00001", "10001", "01110"],
    '4': ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    '5': ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    '6': ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    '7': ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    '8': ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    '9': ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    '%': ["11000", "11001", "00010", "00100", "01000", "10011", "00011"],
    "'": ["00100", "00100", "01000", "00000", "00000", "00000", "00000"],
    '!': ["00100", "00100", "00100", "00100", "00100", "00000", "00100"],
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    '.': ["00000", "00000", "00000", "00000", "00000", "01100", "01100"],
    ',': ["00000", "00000", "00000", "00000", "01100", "00100", "01000"],
    ':': ["00000", "01100", "01100", "00000", "01100", "01100", "00000"],
    '/': ["00000", "00001", "00010", "00100", "01000", "10000", "00000"],
    '+': ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    '*': ["00000", "00100", "10101", "01110", "10101", "00100", "00000"],
    ' ': ["00000"] * 7,
}

# Turkish capitals: the base letter and the mark that goes with it.
MARKED = {'Ç': ('C', 'cedilla'), 'Ş': ('S', 'cedilla'), 'Ğ': ('G', 'breve'),
          'İ': ('I', 'dot'), 'Ö': ('O', 'dots'), 'Ü': ('U', 'dots')}
MARKS = {'cedilla': (8, ["00100", "01000"]), 'breve': (-2, ["10001", "01110"]),
         'dot': (-2, ["00000", "00100"]), 'dots': (-2, ["00000", "01010"])}


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def draw_text(canvas, x, y, text, colour, scale):
    """Draws upper-case text; y is the top of the letter bodies (marks go 2 rows above)."""
    for index, char in enumerate(text.upper()):
        left = x + index * 6 * scale
        base, mark = MARKED.get(char, (char, None))
        rows = [(0, GLYPHS.get(base, GLYPHS[' ']))]
        if mark:
            rows.append(MARKS[mark])
        for top, glyph in rows:
            for row, bits in enumerate(glyph):
                for column, bit in enumerate(bits):
                    if bit == '1':
                        canvas.rect(left + column * scale, y + (top + row) * scale,
                                    left + (column + 1) * scale, y + (top + row + 1) * scale, colour)


# ---------------------------------------------------------------------------------------
# Baseline JPEG writer (4:4:4, standard tables)

ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48,
          41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15,
          23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63]

LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24,
          40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77,
          24, 35, 55, 64, 81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95,
          98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99,
            99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32

DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d], [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
    0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52,
    0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25,
    0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45,
    0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64,
    0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
    0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6,
    0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3,
    0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8,
    0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa])
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], [
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61,
    0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33,
    0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1, 0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18,
    0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44,
    0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63,
    0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
    0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97,
    0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4,
    0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca,
    0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7,
    0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa])

COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0) / 2
        for x in range(8)] for u in range(8)]


def huffman_codes(table):
    counts, symbols = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_table(table, quality):
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in table]


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.bits = 0

    def write(self, code, length):
        self.acc = (self.acc << length) | code
        self.bits += length
        while self.bits >= 8:
            self.bits -= 8
            byte = (self.acc >> self.bits) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)
        self.acc &= (1 << self.bits) - 1

    def flush(self):
        if self.bits:
            self.write((1 << (8 - self.bits)) - 1, 8 - self.bits)


def magnitude(value):
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def fdct(block):
    rows = [[sum(block[y * 8 + x] * COS[u][x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(rows[y][u] * COS[v][y] for y in range(8)) for v in range(8) for u in range(8)]


def encode_block(writer, block, quant, previous_dc, dc_codes, ac_codes):
    coefficients = fdct(block)
    quantised = [int(round(coefficients[ZIGZAG[i]] / quant[ZIGZAG[i]])) for i in range(64)]
    dc = quantised[0]
    size, bits = magnitude(dc - previous_dc)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for value in quantised[1:]:
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(value)
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return dc


def jpeg(canvas, quality=82):
    luma_q = scaled_table(LUMA_Q, quality)
    chroma_q = scaled_table(CHROMA_Q, quality)
    tables = [(huffman_codes(DC_LUMA), huffman_codes(AC_LUMA), luma_q),
              (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA), chroma_q),
              (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA), chroma_q)]
    w, h = canvas.width, canvas.height
    planes = [[0.0] * (w * h) for _ in range(3)]
    for i, (r, g, b) in enumerate(canvas.pixels):
        planes[0][i] = 0.299 * r + 0.587 * g + 0.114 * b - 128
        planes[1][i] = -0.168736 * r - 0.331264 * g + 0.5 * b
        planes[2][i] = 0.5 * r - 0.418688 * g - 0.081312 * b
    writer = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, h, 8):
        for bx in range(0, w, 8):
            for c in range(3):
                block = [planes[c][min(by + y, h - 1) * w + min(bx + x, w - 1)]
                         for y in range(8) for x in range(8)]
                dc_codes, ac_codes, quant = tables[c]
                previous[c] = encode_block(writer, block, quant, previous[c], dc_codes, ac_codes)
    writer.flush()

    def segment(marker, payload):
        return struct.pack('>HH', marker, len(payload) + 2) + payload

    def dht(table_class, table_id, table):
        counts, symbols = table
        return segment(0xFFC4, bytes([table_class << 4 | table_id]) + bytes(counts) + bytes(symbols))

    out = bytearray(b'\xff\xd8')
    out += segment(0xFFE0, b'JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00')
    out += segment(0xFFDB, bytes([0]) + bytes(luma_q[ZIGZAG[i]] for i in range(64)))
    out += segment(0xFFDB, bytes([1]) + bytes(chroma_q[ZIGZAG[i]] for i in range(64)))
    out += segment(0xFFC0, struct.pack('>BHHB', 8, h, w, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    out += dht(0, 0, DC_LUMA) + dht(1, 0, AC_LUMA) + dht(0, 1, DC_CHROMA) + dht(1, 1, AC_CHROMA)
    out += segment(0xFFDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.out + b'\xff\xd9'
    return bytes(out)


# ---------------------------------------------------------------------------------------
# GIF (animated, flat colours) and 8-bit BMP writers


def palette_of(canvases):
    colours = sorted({p for canvas in canvases for p in canvas.pixels})
    if len(colours) > 256:
        raise ValueError('more than 256 colours in a GIF or BMP picture')
    while len(colours) < 256:
        colours.append((0, 0, 0))
    return colours


def lzw(indices):
    clear, end = 256, 257
    table = {bytes([i]): i for i in range(256)}
    next_code, size = 258, 9
    out, acc, bits = bytearray(), 0, 0

    def emit(code):
        nonlocal acc, bits
        acc |= code << bits
        bits += size
        while bits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            bits -= 8

    emit(clear)
    current = b''
    for index in indices:
        candidate = current + bytes([index])
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table = {bytes([i]): i for i in range(256)}
            next_code, size = 258, 9
        current = bytes([index])
    emit(table[current])
    emit(end)
    if bits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(frames, delay_cs):
    colours = palette_of(frames)
    index = {c: i for i, c in enumerate(colours)}
    w, h = frames[0].width, frames[0].height
    out = bytearray(b'GIF89a' + struct.pack('<HHBBB', w, h, 0xF7, 0, 0))
    out += bytes(v for colour in colours for v in colour)
    out += b'\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00'
    for frame in frames:
        out += b'\x21\xf9\x04\x00' + struct.pack('<H', delay_cs) + b'\x00\x00'
        out += b'\x2c' + struct.pack('<HHHHB', 0, 0, w, h, 0)
        data = lzw([index[p] for p in frame.pixels])
        out.append(8)
        for start in range(0, len(data), 255):
            chunk = data[start:start + 255]
            out.append(len(chunk))
            out += chunk
        out.append(0)
    out.append(0x3B)
    return bytes(out)


def bmp(canvas):
    colours = palette_of([canvas])
    index = {c: i for i, c in enumerate(colours)}
    stride = (canvas.width + 3) & ~3
    rows = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytes(index[canvas.pixels[y * canvas.width + x]] for x in range(canvas.width))
        rows += row + bytes(stride - canvas.width)
    palette = bytes(v for r, g, b in colours for v in (b, g, r, 0))
    offset = 14 + 40 + len(palette)
    header = b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 8, 0, len(rows),
                       2835, 2835, 256, 0)
    return header + info + palette + bytes(rows)


# ---------------------------------------------------------------------------------------
# The pictures

RED = (183, 28, 28)
DARK = (45, 48, 56)
WHITE = (255, 255, 255)
STEEL = (150, 156, 165)
LIGHT_STEEL = (205, 210, 216)
YELLOW = (255, 193, 7)


def product_canvas(title):
    canvas = Canvas(200, 150, WHITE)
    canvas.vertical_gradient((250, 250, 252), (214, 219, 226))
    canvas.rect(0, 132, 200, 150, RED)
    canvas.centred_text(137, title, WHITE, 1)
    return canvas


def brake(canvas):
    canvas.circle(85, 66, 52, STEEL, 0.32)
    canvas.circle(85, 66, 16, DARK)
    for k in range(5):
        a = k * 2 * math.pi / 5
        canvas.circle(85 + 26 * math.cos(a), 66 + 26 * math.sin(a), 4, LIGHT_STEEL)
    canvas.rect(140, 30, 168, 104, (70, 70, 70))
    canvas.rect(144, 34, 164, 100, (120, 92, 60))


def filter_(canvas):
    canvas.rect(60, 28, 140, 112, (230, 120, 20))
    canvas.ellipse(100, 28, 40, 10, (250, 160, 60))
    canvas.ellipse(100, 28, 16, 5, DARK)
    for y in range(44, 104, 10):
        canvas.rect(60, y, 140, y + 3, (200, 95, 10))
    canvas.ellipse(100, 112, 40, 10, (200, 95, 10))


def clutch(canvas):
    canvas.circle(100, 66, 55, (90, 90, 95), 0.45)
    canvas.circle(100, 66, 40, (160, 120, 80), 0.62)
    for k in range(6):
        a = k * math.pi / 3
        canvas.rect(int(100 + 18 * math.cos(a)) - 4, int(66 + 18 * math.sin(a)) - 3,
                    int(100 + 18 * math.cos(a)) + 4, int(66 + 18 * math.sin(a)) + 3, YELLOW)
    canvas.circle(100, 66, 9, DARK)


def shock(canvas):
    canvas.rect(92, 10, 108, 122, DARK)
    canvas.rect(96, 4, 104, 12, STEEL)
    for k in range(9):
        y = 26 + k * 10
        canvas.line(78, y, 122, y + 5, (200, 30, 30), 3)
    canvas.circle(100, 122, 8, STEEL, 0.5)


def spark_plug(canvas):
    canvas.rect(92, 12, 108, 50, WHITE)
    canvas.rect(90, 50, 110, 62, STEEL)
    canvas.rect(86, 62, 114, 80, (110, 110, 115))
    canvas.rect(93, 80, 107, 110, LIGHT_STEEL)
    for y in range(82, 110, 5):
        canvas.rect(93, y, 107, y + 2, STEEL)
    canvas.rect(98, 110, 102, 120, DARK)


def headlight(canvas):
    canvas.ellipse(100, 66, 70, 42, DARK)
    canvas.ellipse(100, 66, 64, 36, (230, 236, 245))
    canvas.circle(72, 66, 24, (250, 250, 200))
    canvas.circle(128, 66, 20, (200, 215, 235))


def belt(canvas):
    canvas.ellipse(100, 66, 75, 45, (30, 30, 30), 0.82)
    canvas.circle(50, 66, 24, STEEL, 0.3)
    canvas.circle(150, 66, 18, STEEL, 0.3)


def radiator(canvas):
    canvas.rect(34, 22, 166, 112, DARK)
    canvas.rect(40, 28, 160, 106, STEEL)
    for x in range(44, 160, 6):
        canvas.rect(x, 28, x + 2, 106, (110, 115, 125))
    canvas.rect(150, 10, 160, 24, DARK)


def engine(canvas):
    canvas.rect(45, 40, 155, 110, (80, 84, 92))
    for x in range(55, 150, 24):
        canvas.rect(x, 24, x + 16, 42, STEEL)
    canvas.rect(60, 56, 140, 64, LIGHT_STEEL)
    canvas.rect(60, 76, 140, 84, LIGHT_STEEL)


def exhaust(canvas):
    canvas.ellipse(100, 66, 62, 26, (120, 124, 130))
    canvas.rect(10, 60, 40, 72, STEEL)
    canvas.rect(160, 60, 192, 72, STEEL)
    canvas.ellipse(100, 60, 50, 10, LIGHT_STEEL)


PRODUCTS = [
    ('parca_fren.jpg', 'FREN', brake),
    ('parca_filtre.jpg', 'FİLTRE', filter_),
    ('parca_debriyaj.jpg', 'DEBRİYAJ', clutch),
    ('parca_suspansiyon.jpg', 'SÜSPANSİYON', shock),
    ('parca_atesleme.jpg', 'ATEŞLEME', spark_plug),
    ('parca_aydinlatma.jpg', 'AYDINLATMA', headlight),
    ('parca_kayis.jpg', 'KAYIŞ', belt),
    ('parca_sogutma.jpg', 'SOĞUTMA', radiator),
    ('parca_motor.jpg', 'MOTOR', engine),
    ('parca_egzoz.jpg', 'EGZOZ', exhaust),
]

# Announcements and opening advertisements: file, colours, three lines of text.
POSTERS = [
    ('duyuru_kampanya.jpg', (183, 28, 28), (120, 10, 10), ['KAMPANYALI ÜRÜNLER', "%25'E VARAN", 'İNDİRİM']),
    ('duyuru_yeni.jpg', (21, 101, 192), (10, 50, 110), ['YENİ ÜRÜNLER', 'STOKLARIMIZDA', 'GÖZ ATIN!']),
    ('duyuru_balata.jpg', (46, 125, 50), (20, 70, 25), ['FREN BALATASI', 'TÜM MODELLER', 'AYNI GÜN KARGO']),
    ('reklam_kampanya.jpg', (230, 81, 0), (150, 40, 0), ['BAHAR KAMPANYASI', 'SEÇİLİ ÜRÜNLERDE', "%20 İNDİRİM"]),
    ('reklam_yeni.jpg', (69, 39, 160), (35, 15, 90), ['YENİ GELENLER', 'DEBRİYAJ SETLERİ', 'STOKTA']),
    ('reklam_filtre.jpg', (0, 121, 107), (0, 60, 55), ['FİLTRE HAFTASI', 'YAĞ VE HAVA FİLTRESİ', 'UYGUN FİYAT']),
]


def poster(top, bottom, lines):
    canvas = Canvas(600, 400, WHITE)
    canvas.vertical_gradient(top, bottom)
    canvas.rect(0, 0, 600, 56, WHITE)
    canvas.text(24, 14, 'ZORVAT OTO', RED, 4)
    canvas.rect(0, 362, 600, 400, WHITE)
    canvas.centred_text(374, 'WWW.ZORVATOTO.COM.TR', RED, 2)
    for i, line in enumerate(lines):
        scale = 6 if len(line) <= 14 else 4
        canvas.centred_text(100 + i * 80, line, WHITE, scale, shadow=(0, 0, 0))
    return canvas


def header_banner(line):
    canvas = Canvas(409, 100, RED)
    canvas.rect(0, 84, 409, 100, DARK)
    canvas.centred_text(16, 'ZORVAT OTO', WHITE, 6)
    canvas.centred_text(66, line, YELLOW, 2)
    return canvas


def strip(text, colour):
    canvas = Canvas(1200, 48, DARK)
    canvas.rect(0, 0, 1200, 4, colour)
    canvas.rect(0, 44, 1200, 48, colour)
    canvas.centred_text(14, text, WHITE, 3)
    return canvas


def bottom_strip():
    canvas = Canvas(1000, 40, (240, 240, 240))
    canvas.rect(0, 0, 1000, 3, RED)
    canvas.text(12, 12, 'ZORVAT OTO * FREN * FİLTRE * DEBRİYAJ * SÜSPANSİYON * ATEŞLEME * AYDINLATMA', DARK, 2)
    return canvas


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as out:
        out.write(data)
    print(f'{name}: {len(data)} bytes')


def main():
    for name, title, draw in PRODUCTS:
        canvas = product_canvas(title)
        draw(canvas)
        write(name, jpeg(canvas))
    for name, top, bottom, lines in POSTERS:
        write(name, jpeg(poster(top, bottom, lines), quality=75))
    write('banner_ust.gif', gif([header_banner('YEDEK PARÇA B2B'), header_banner('7/24 SİPARİŞ')], 150))
    write('banner_serit.gif', gif([strip("KAMPANYALI ÜRÜNLERDE %25'E VARAN İNDİRİM", RED),
                                   strip('YENİ ÜRÜNLER SAYFAMIZA GÖZ ATIN', YELLOW)], 300))
    write('banner_alt.bmp', bmp(bottom_strip()))


if __name__ == '__main__':
    main()
