// BMP files: every header variant, 1 to 32 bits per pixel, RLE4/RLE8 and bit fields in;
// the 40-byte header with the image's own depth and palette out (the 108-byte one with bit
// fields for 32 bits with alpha, so that readers know the fourth byte is alpha).
#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/graphics/Colors.h"
#include "platform/graphics/codecs/CodecSupport.h"
#include "platform/graphics/codecs/ImageCodecs.h"

namespace vcl::codecs {

using detail::Fail;

namespace {

constexpr const char* kFormat = "BMP";
constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3,
                        BI_JPEG = 4, BI_PNG = 5, BI_ALPHABITFIELDS = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kV4HeaderSize = 108;
constexpr std::int64_t kMaxRunLengthRatio = 65536;   // pixels per compressed byte

// What the headers say, normalised across the header variants.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0;        // always positive; see topDown
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t sizeImage = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0};   // red, green, blue, alpha (bit fields only)
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
};

void ReadCoreHeader(const detail::LittleEndianReader& in, BmpLayout& bmp) {
    in.Require(kFileHeaderSize, 12, "header");
    bmp.width = in.U16(18);
    bmp.height = in.U16(20);
    bmp.bitCount = in.U16(24);
    bmp.paletteOffset = kFileHeaderSize + 12;
    bmp.paletteEntrySize = 3;
}

void ReadInfoHeader(const detail::LittleEndianReader& in, std::uint32_t headerSize, BmpLayout& bmp) {
    in.Require(kFileHeaderSize, headerSize, "header");
    bmp.width = in.I32(18);
    const std::int64_t height = in.I32(22);
    bmp.topDown = height < 0;
    bmp.height = height < 0 ? -height : height;
    bmp.bitCount = in.U16(28);
    bmp.compression = in.U32(30);
    bmp.sizeImage = in.U32(34);
    std::size_t afterHeader = kFileHeaderSize + headerSize;
    const bool bitFields = bmp.compression == BI_BITFIELDS || bmp.compression == BI_ALPHABITFIELDS;
    if (headerSize == 64 && bmp.compression > BI_RLE4)
        Fail(kFormat, "unsupported compression (" + std::to_string(bmp.compression) + ")");
    if (bitFields) {
        if (headerSize >= 52) {
            // Version 2 and later headers carry the masks themselves.
            for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i) bmp.masks[i] = in.U32(54 + 4 * i);
        } else {
            const int count = bmp.compression == BI_ALPHABITFIELDS ? 4 : 3;
            in.Require(afterHeader, 4 * std::size_t(count), "colour masks");
            for (int i = 0; i < count; ++i) bmp.masks[i] = in.U32(afterHeader + 4 * i);
            afterHeader += 4 * std::size_t(count);
        }
    }
    bmp.paletteOffset = afterHeader;
    // The declared palette size; checked against the data below.
    bmp.paletteCount = in.U32(46);
}

void CheckFormat(const BmpLayout& bmp) {
    const int bits = bmp.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Fail(kFormat, "unsupported bit depth (" + std::to_string(bits) + " bits per pixel)");
    const std::uint32_t c = bmp.compression;
    const bool ok = c == BI_RGB || (c == BI_RLE8 && bits == 8) || (c == BI_RLE4 && bits == 4) ||
                    ((c == BI_BITFIELDS || c == BI_ALPHABITFIELDS) && (bits == 16 || bits == 32));
    if (!ok)
        Fail(kFormat, "unsupported compression (" + std::to_string(c) + ") for " +
                          std::to_string(bits) + " bits per pixel");
    if ((c == BI_RLE8 || c == BI_RLE4) && bmp.topDown)
        Fail(kFormat, "a compressed image cannot be stored top-down");
}

// Works out how many palette entries there are and where the pixels start.
void LocatePaletteAndPixels(const detail::LittleEndianReader& in, std::uint32_t pixelOffset,
                            bool coreHeader, BmpLayout& bmp) {
    if (pixelOffset < bmp.paletteOffset || pixelOffset > in.Size())
        Fail(kFormat, "the pixel data offset (" + std::to_string(pixelOffset) +
                          ") lies outside the file or inside the header");
    bmp.pixelOffset = pixelOffset;
    if (bmp.bitCount > 8) {
        bmp.paletteCount = 0;   // an optional colour table for true-colour files is not needed
        return;
    }
    const std::size_t maxEntries = std::size_t{1} << bmp.bitCount;
    const std::size_t room = (pixelOffset - bmp.paletteOffset) / bmp.paletteEntrySize;
    std::size_t declared = coreHeader ? 0 : bmp.paletteCount;
    if (declared > maxEntries)
        Fail(kFormat, "the colour table claims " + std::to_string(declared) + " entries for " +
                          std::to_string(bmp.bitCount) + " bits per pixel");
    if (declared == 0) {
        declared = std::min(maxEntries, room);
        if (declared == 0) Fail(kFormat, "the colour table is missing");
    } else if (declared > room) {
        Fail(kFormat, "the colour table of " + std::to_string(declared) +
                          " entries runs into the pixel data");
    }
    bmp.paletteCount = declared;
}

std::vector<TColor> ReadPalette(const detail::LittleEndianReader& in, const BmpLayout& bmp) {
    std::vector<TColor> palette;
    palette.reserve(bmp.paletteCount);
    for (std::size_t i = 0; i < bmp.paletteCount; ++i) {
        const std::size_t at = bmp.paletteOffset + i * bmp.paletteEntrySize;
        palette.push_back(detail::ColorFromBGR(in.U8(at), in.U8(at + 1), in.U8(at + 2)));
    }
    return palette;
}

// A colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 0;
    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        max = std::uint64_t(m) >> shift;
    }
    std::uint8_t Get(std::uint32_t pixel) const {
        if (max == 0) return 0;
        return std::uint8_t(((std::uint64_t(pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

// Row `y` of the stored pixel array, counting in storage order.
const std::uint8_t* StoredRow(std::span<const std::uint8_t> data, const BmpLayout& bmp,
                              std::size_t stride, std::int64_t y) {
    return data.data() + bmp.pixelOffset + stride * std::size_t(y);
}

std::int64_t TargetRow(const BmpLayout& bmp, std::int64_t storedRow) {
    return bmp.topDown ? storedRow : bmp.height - 1 - storedRow;
}

RawImage DecodeUncompressed(std::span<const std::uint8_t> data, const BmpLayout& bmp) {
    const int width = int(bmp.width), height = int(bmp.height);
    const std::size_t stride = std::size_t(detail::CheckDimensions(kFormat, width, height, bmp.bitCount));
    const std::size_t needed = stride * std::size_t(height);
    if (needed > data.size() - bmp.pixelOffset)
        Fail(kFormat, "the file is truncated: the pixels need " + std::to_string(needed) +
                          " bytes but only " + std::to_string(data.size() - bmp.pixelOffset) +
                          " are present");

    const bool bitFields = bmp.compression == BI_BITFIELDS || bmp.compression == BI_ALPHABITFIELDS;
    if (bmp.bitCount <= 8 || bmp.bitCount == 24 ||
        (bmp.bitCount == 32 && (!bitFields || (bmp.masks[0] == 0xFF0000 &&
                                               bmp.masks[1] == 0xFF00 && bmp.masks[2] == 0xFF)))) {
        // Stored exactly as the raw image keeps it: copy the rows.
        RawImage image = detail::MakeImage(width, height, bmp.bitCount);
        for (std::int64_t y = 0; y < height; ++y)
            std::memcpy(image.bits.data() + stride * std::size_t(TargetRow(bmp, y)),
                        StoredRow(data, bmp, stride, y), stride);
        if (bmp.bitCount == 32 && bitFields && bmp.masks[3] == 0xFF000000u) {
            // Alpha counts only when some pixel uses it (many writers leave it all zero).
            for (std::size_t i = 3; i < image.bits.size(); i += 4)
                if (image.bits[i] != 0) { image.hasAlpha = true; break; }
        }
        return image;
    }

    // 16 bit and unusual 32 bit layouts: unpack the channels.
    std::uint32_t masks[4] = {bmp.masks[0], bmp.masks[1], bmp.masks[2], bmp.masks[3]};
    if (!bitFields) {
        masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; masks[3] = 0;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const Channel alpha(bmp.bitCount == 32 ? masks[3] : 0);
    const int outBits = alpha.mask ? 32 : 24;
    RawImage image = detail::MakeImage(width, height, outBits);
    const std::size_t outStride = std::size_t(image.BytesPerLine());
    const int inBytes = bmp.bitCount / 8, outBytes = outBits / 8;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* src = StoredRow(data, bmp, stride, y);
        std::uint8_t* dst = image.bits.data() + outStride * std::size_t(TargetRow(bmp, y));
        for (int x = 0; x < width; ++x, src += inBytes, dst += outBytes) {
            std::uint32_t pixel = src[0] | (src[1] << 8);
            if (inBytes == 4) pixel |= (std::uint32_t(src[2]) << 16) | (std::uint32_t(src[3]) << 24);
            dst[0] = blue.Get(pixel);
            dst[1] = green.Get(pixel);
            dst[2] = red.Get(pixel);
            if (outBytes == 4) dst[3] = alpha.Get(pixel);
        }
    }
    image.hasAlpha = alpha.mask != 0;
    return image;
}

// Stores a palette index into a 4 or 8 bit raw image row.
void PutIndex(RawImage& image, int x, int y, unsigned index) {
    std::uint8_t* row = image.bits.data() + std::size_t(image.BytesPerLine()) * std::size_t(y);
    if (image.bitsPerPixel == 8) {
        row[x] = std::uint8_t(index);
    } else if (x % 2 == 0) {
        row[x / 2] = std::uint8_t((row[x / 2] & 0x0F) | ((index & 0x0F) << 4));
    } else {
        row[x / 2] = std::uint8_t((row[x / 2] & 0xF0) | (index & 0x0F));
    }
}

RawImage DecodeRunLength(std::span<const std::uint8_t> data, const BmpLayout& bmp) {
    const int width = int(bmp.width), height = int(bmp.height);
    detail::CheckDimensions(kFormat, width, height, bmp.bitCount);
    const bool rle4 = bmp.compression == BI_RLE4;
    std::size_t pos = bmp.pixelOffset;
    std::size_t end = data.size();
    if (bmp.sizeImage != 0 && bmp.sizeImage < end - pos) end = pos + bmp.sizeImage;
    // Runs and skips make any ratio possible in theory, but real files never describe more
    // than a few thousand pixels per byte; a tiny file claiming a huge picture is refused
    // before the picture is allocated.
    if (std::int64_t(width) * height > kMaxRunLengthRatio * std::int64_t(end - pos + 1))
        Fail(kFormat, "the compressed pixel data is too short for a " + std::to_string(width) +
                          " x " + std::to_string(height) + " image");
    auto next = [&]() -> unsigned {
        if (pos >= end) Fail(kFormat, "the compressed pixel data ends before the end-of-bitmap mark");
        return data[pos++];
    };

    RawImage image = detail::MakeImage(width, height, bmp.bitCount);
    // x and y count from the bottom-left corner as the stored rows do; pixels that fall
    // outside the image are skipped.
    std::int64_t x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (x < width && y < height) PutIndex(image, int(x), int(height - 1 - y), index);
        ++x;
    };
    while (y < height) {
        const unsigned count = next(), value = next();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(rle4 ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {            // end of line
            x = 0;
            ++y;
        } else if (value == 1) {     // end of bitmap
            break;
        } else if (value == 2) {     // move right and up
            x += next();
            y += next();
        } else {                     // a literal run, padded to an even byte count
            const unsigned bytes = rle4 ? (value + 1) / 2 : value;
            unsigned byte = 0;
            for (unsigned i = 0; i < value; ++i) {
                if (!rle4) {
                    put(next());
                } else {
                    if (i % 2 == 0) byte = next();
                    put(i % 2 == 0 ? byte >> 4 : byte & 0x0F);
                }
            }
            if (bytes % 2 == 1) next();
        }
    }
    return image;
}

// Extends a palette so that every index the pixels use has a colour (black).
void CoverUsedIndexes(RawImage& image) {
    const int highest = detail::MaxPaletteIndex(image);
    if (highest >= int(image.palette.size())) image.palette.resize(std::size_t(highest) + 1, clBlack);
}

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = std::uint8_t(v);
    out[at + 1] = std::uint8_t(v >> 8);
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    PutU16(out, at, v & 0xFFFF);
    PutU16(out, at + 2, v >> 16);
}

}  // namespace

// A bitmap whose pixels are a whole JPEG or PNG file (compression 4 and 5): the bytes from
// the pixel offset (SizeImage of them when given) go to that format's reader. The header's
// bit count is 0 for these; the embedded file's size must agree with the header's.
static RawImage DecodeEmbedded(std::span<const std::uint8_t> data, std::uint32_t pixelOffset, const BmpLayout& bmp) {
    const bool jpeg = bmp.compression == BI_JPEG;
    const char* what = jpeg ? "JPEG" : "PNG";
    if (bmp.topDown) Fail(kFormat, std::string("an embedded ") + what + " image cannot be stored top-down");
    if (pixelOffset < kFileHeaderSize + kInfoHeaderSize || pixelOffset >= data.size())
        Fail(kFormat, "the pixel data offset (" + std::to_string(pixelOffset) + ") lies outside the file");
    std::size_t length = data.size() - pixelOffset;
    if (bmp.sizeImage != 0) {
        if (bmp.sizeImage > length)
            Fail(kFormat, std::string("the embedded ") + what + " image runs past the end of the file");
        length = bmp.sizeImage;
    }
    const std::span<const std::uint8_t> inner = data.subspan(pixelOffset, length);
    RawImage image = jpeg ? DecodeJPEG(inner) : DecodePNG(inner);
    if (image.width != bmp.width || image.height != bmp.height)
        Fail(kFormat, std::string("the embedded ") + what + " image is " + std::to_string(image.width) + " x " +
                          std::to_string(image.height) + " but the header says " + std::to_string(bmp.width) +
                          " x " + std::to_string(bmp.height));
    return image;
}

RawImage DecodeBMP(std::span<const std::uint8_t> data) {
    const detail::LittleEndianReader in(data, kFormat);
    if (data.size() < 2 || data[0] != 'B' || data[1] != 'M')
        Fail(kFormat, "the \"BM\" signature is missing");
    in.Require(0, kFileHeaderSize + 4, "file header");
    const std::uint32_t pixelOffset = in.U32(10);
    const std::uint32_t headerSize = in.U32(14);

    BmpLayout bmp;
    const bool coreHeader = headerSize == 12;
    if (coreHeader) {
        ReadCoreHeader(in, bmp);
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
               headerSize == 108 || headerSize == 124) {
        ReadInfoHeader(in, headerSize, bmp);
    } else {
        Fail(kFormat, "unknown header size (" + std::to_string(headerSize) + " bytes)");
    }
    if (!coreHeader && headerSize != 64 && (bmp.compression == BI_JPEG || bmp.compression == BI_PNG))
        return DecodeEmbedded(data, pixelOffset, bmp);
    CheckFormat(bmp);
    detail::CheckDimensions(kFormat, bmp.width, bmp.height, bmp.bitCount);
    LocatePaletteAndPixels(in, pixelOffset, coreHeader, bmp);

    RawImage image = bmp.compression == BI_RLE8 || bmp.compression == BI_RLE4
                         ? DecodeRunLength(data, bmp)
                         : DecodeUncompressed(data, bmp);
    if (image.bitsPerPixel <= 8) {
        image.palette = ReadPalette(in, bmp);
        CoverUsedIndexes(image);
    }
    return image;
}

std::vector<std::uint8_t> EncodeBMP(const RawImage& image) {
    detail::CheckEncodable(kFormat, image);
    const int bpp = image.bitsPerPixel;
    const std::vector<TColor> palette = bpp <= 8 ? detail::PaletteForEncoding(image) : std::vector<TColor>{};
    const std::size_t stride = std::size_t(image.BytesPerLine());
    const bool alpha = bpp == 32 && image.hasAlpha;
    const std::size_t headerSize = alpha ? kV4HeaderSize : kInfoHeaderSize;
    const std::size_t pixelOffset = kFileHeaderSize + headerSize + 4 * palette.size();
    const std::size_t pixelBytes = stride * std::size_t(image.height);
    if (pixelOffset + pixelBytes > 0xFFFFFFFFu) Fail(kFormat, "the image is too large for a BMP file");

    std::vector<std::uint8_t> out(pixelOffset + pixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, std::uint32_t(out.size()));
    PutU32(out, 10, std::uint32_t(pixelOffset));
    PutU32(out, 14, std::uint32_t(headerSize));
    PutU32(out, 18, std::uint32_t(image.width));
    PutU32(out, 22, std::uint32_t(image.height));   // positive: bottom-up rows
    PutU16(out, 26, 1);
    PutU16(out, 28, std::uint32_t(bpp));
    PutU32(out, 30, alpha ? BI_BITFIELDS : BI_RGB);
    PutU32(out, 34, std::uint32_t(pixelBytes));
    PutU32(out, 38, 3780);                          // 96 pixels per inch
    PutU32(out, 42, 3780);
    PutU32(out, 46, std::uint32_t(palette.size()));
    if (alpha) {
        // The channels where the raw image keeps them (B, G, R, A), in sRGB.
        PutU32(out, 54, 0x00FF0000u);
        PutU32(out, 58, 0x0000FF00u);
        PutU32(out, 62, 0x000000FFu);
        PutU32(out, 66, 0xFF000000u);
        PutU32(out, 70, 0x73524742u);                // 'sRGB'
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const TColor c = palette[i];
        out[54 + 4 * i] = std::uint8_t(GetBValue(c));
        out[55 + 4 * i] = std::uint8_t(GetGValue(c));
        out[56 + 4 * i] = std::uint8_t(GetRValue(c));
    }
    // Rows bottom-up; the bytes after the last pixel of a row stay zero.
    const std::size_t used = (std::size_t(image.width) * std::size_t(bpp) + 7) / 8;
    const unsigned tailBits = unsigned(image.width * bpp) % 8;
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* dst = out.data() + pixelOffset + stride * std::size_t(image.height - 1 - y);
        std::memcpy(dst, image.bits.data() + stride * std::size_t(y), used);
        if (tailBits != 0) dst[used - 1] &= std::uint8_t(0xFF << (8 - tailBits));
    }
    return out;
}

}  // namespace vcl::codecs
