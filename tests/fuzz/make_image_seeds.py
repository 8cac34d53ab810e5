#!/usr/bin/env python3
"""Writes the image decoders' seed corpus (tests/fuzz/corpus/image/) byte by byte.

Tiny files of every kind the decoders take apart: BMP with each header size, depth,
compression (RLE8, RLE4, bit fields) and orientation; PNG in each colour type, bit depth,
with transparency and interlaced; baseline JPEG in grey and colour, with restart markers.
Nothing is read from anywhere: run it again to get the same files.

    python3 tests/fuzz/make_image_seeds.py [output folder]
"""
import os
import struct
import sys
import zlib

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus", "image")


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


# ---- BMP ------------------------------------------------------------------------------

def row_pad(row):
    return row + b"\0" * (-len(row) % 4)


def bmp(header_size, width, height, bits, pixels, palette=b"", compression=0, masks=b"",
        palette_count=None):
    """pixels: the pixel array as stored (rows bottom-up unless height < 0)."""
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        count = len(palette) // 4 if palette_count is None else palette_count
        info = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, compression,
                           len(pixels), 2835, 2835, count, 0)
        if header_size > 40:
            extra = masks.ljust(16, b"\0") if compression in (3, 6) else b"\0" * 16
            info += (extra + b"\0" * (header_size - 56))[: header_size - 40]
            masks = b""          # carried by the header itself
    offset = 14 + len(info) + len(masks) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + masks + palette + pixels


def bgr0(*colours):
    return b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours)


def bmp_seeds():
    # 1 bit, 3x2, two colours; rows bottom-up.
    pal2 = bgr0((0, 0, 0), (255, 255, 255))
    px1 = row_pad(bytes([0b10100000])) + row_pad(bytes([0b01000000]))
    write("bmp1.bmp", bmp(40, 3, 2, 1, px1, pal2))
    # 4 bit and 8 bit palettes, 2x2.
    pal16 = bgr0(*[(i * 16, 255 - i * 16, i * 8) for i in range(16)])
    write("bmp4.bmp", bmp(40, 2, 2, 4, row_pad(b"\x12") + row_pad(b"\xF0"), pal16))
    pal4 = bgr0((255, 0, 0), (0, 255, 0), (0, 0, 255), (9, 9, 9))
    write("bmp8.bmp", bmp(40, 2, 2, 8, row_pad(b"\x00\x01") + row_pad(b"\x02\x03"), pal4))
    # 8 bit with the palette count left 0 (as many entries as fit).
    write("bmp8_count0.bmp", bmp(40, 2, 1, 8, row_pad(b"\x01\x00"), pal4, palette_count=0))
    # 24 bit, 3x2 (rows padded to 12 bytes), bottom-up and top-down.
    px24 = row_pad(b"\x00\x00\xff\x00\xff\x00\xff\x00\x00") + row_pad(b"\x10\x20\x30" * 3)
    write("bmp24.bmp", bmp(40, 3, 2, 24, px24))
    write("bmp24_topdown.bmp", bmp(40, 3, -2, 24, px24))
    # 32 bit plain, and with alpha bit fields in a version 5 header.
    px32 = b"\x01\x02\x03\x80\x04\x05\x06\xff"
    write("bmp32.bmp", bmp(40, 2, 1, 32, px32))
    argb = struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    write("bmp32_v5_alpha.bmp", bmp(124, 2, 1, 32, px32, compression=3, masks=argb))
    write("bmp32_v4.bmp", bmp(108, 2, 1, 32, px32, compression=3, masks=argb))
    # 16 bit 5-6-5 bit fields after a 40-byte header, and 16 bit 5-5-5 plain.
    m565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    write("bmp16_565.bmp", bmp(40, 2, 1, 16, struct.pack("<HH", 0xF800, 0x07FF), compression=3, masks=m565))
    write("bmp16_555.bmp", bmp(40, 2, 1, 16, struct.pack("<HH", 0x7C00, 0x03FF)))
    # Alpha bit fields (compression 6) after a 40-byte header.
    write("bmp32_alphabitfields.bmp", bmp(40, 2, 1, 32, px32, compression=6, masks=argb))
    # The 12-byte core header with a 3-byte palette.
    pal_core = b"\x00\x00\x00\xff\xff\xff"
    write("bmp_core.bmp", bmp(12, 3, 2, 1, px1, pal_core))
    # RLE8: a run, literal bytes, a delta, end of line, end of bitmap.
    rle8 = bytes([3, 1, 0, 3, 2, 0, 3, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1])
    write("bmp_rle8.bmp", bmp(40, 4, 3, 8, rle8, pal4, compression=1))
    # RLE4: a run of alternating nibbles, a literal of three pixels, end of bitmap.
    rle4 = bytes([4, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1])
    write("bmp_rle4.bmp", bmp(40, 4, 2, 4, rle4, pal16, compression=2))


# ---- PNG ------------------------------------------------------------------------------

def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def png(width, height, bit_depth, colour_type, rows, extra=b"", interlace=0):
    """rows: the filtered scanlines (each with its filter byte), already in pass order."""
    ihdr = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def png_seeds():
    write("png_rgb.png", png(2, 2, 8, 2, [b"\0" + b"\xff\0\0\0\xff\0", b"\1" + b"\0\0\xff\x10\x10\x10"]))
    write("png_rgba.png", png(2, 1, 8, 6, [b"\0" + b"\xff\0\0\x80\0\0\xff\xff"]))
    write("png_gray8.png", png(3, 1, 8, 0, [b"\0\x00\x80\xff"]))
    write("png_gray1.png", png(5, 1, 1, 0, [b"\0\xa8"]))
    write("png_gray_alpha.png", png(1, 2, 8, 4, [b"\0\x40\xff", b"\2\x10\x00"]))
    write("png_rgb16.png", png(1, 1, 16, 2, [b"\0\xff\xff\x00\x00\x80\x00"]))
    plte = chunk(b"PLTE", b"\xff\0\0\0\xff\0\0\0\xff")
    trns = chunk(b"tRNS", b"\xff\x00")
    write("png_palette4_trns.png", png(3, 1, 4, 3, [b"\0\x01\x20"], plte + trns))
    write("png_palette8_gamma.png",
          png(2, 1, 8, 3, [b"\0\x02\x01"], chunk(b"gAMA", struct.pack(">I", 45455)) + plte))
    # Interlaced 1x1: only the first of the seven passes holds a pixel.
    write("png_interlaced.png", png(1, 1, 8, 2, [b"\0\x11\x22\x33"], interlace=1))
    # Filters 3 (average) and 4 (Paeth) on a 2x2 RGB image.
    write("png_filters.png", png(2, 2, 8, 2, [b"\3" + b"\x10\x20\x30\x01\x02\x03", b"\4" + b"\x05\x05\x05\x00\x00\x00"]))


# ---- JPEG -----------------------------------------------------------------------------

def marker(code, body=b""):
    return b"\xff" + bytes([code]) + (struct.pack(">H", len(body) + 2) + body if body is not None else b"")


def jpeg(components, restart=0):
    """A baseline 8x8 image whose blocks are all mid grey (DC difference 0, then end of block).

    Both Huffman tables hold one symbol with the one-bit code 0: DC category 0 and the AC
    end-of-block symbol; each block is the two bits 00."""
    dqt = b"\x00" + bytes([1] * 64)
    sof = struct.pack(">BHHB", 8, 8, 8, len(components))
    for cid in components:
        sof += bytes([cid, 0x11, 0])
    one_code = bytes([1] + [0] * 15)
    dht = b"\x00" + one_code + b"\x00" + b"\x10" + one_code + b"\x00"
    sos = bytes([len(components)])
    for cid in components:
        sos += bytes([cid, 0x00])
    sos += b"\x00\x3f\x00"
    bits = "00" * len(components)
    data = int(bits.ljust(8, "1"), 2).to_bytes(1, "big")
    out = b"\xff\xd8" + marker(0xE0, b"JFIF\0\x01\x01\0\0\1\0\1\0\0")
    out += marker(0xDB, dqt)
    if restart:
        out += marker(0xDD, struct.pack(">H", restart))
    out += marker(0xC0, sof) + marker(0xC4, dht) + marker(0xDA, sos) + data + b"\xff\xd9"
    return out


def jpeg_seeds():
    write("jpeg_gray.jpg", jpeg([1]))
    write("jpeg_colour.jpg", jpeg([1, 2, 3]))
    write("jpeg_restart.jpg", jpeg([1], restart=1))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    bmp_seeds()
    png_seeds()
    jpeg_seeds()
