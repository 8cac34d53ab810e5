// PNG files through libpng: any PNG in (as 24 bit, or 32 bit when it has transparency);
// 24/32 bit true colour or 1/4/8 bit palette images out.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "platform/graphics/Colors.h"
#include "platform/graphics/codecs/CodecSupport.h"
#include "platform/graphics/codecs/ImageCodecs.h"
#include "platform/runtime/Exceptions.h"

namespace vcl::codecs {

using detail::Fail;

namespace {

constexpr const char* kFormat = "PNG";
constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Deflate cannot expand data by more than about 1032:1; a file whose compressed data is
// far too short for its declared size is refused before any pixel memory is allocated.
constexpr std::uint64_t kMaxInflateRatio = 1100;

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Walks the chunk list: checks the signature, the header, that every chunk lies inside the
// data and that there is enough compressed data for the declared size.
// Returns true for a 16-bit image without any colour-space chunk (gAMA, sRGB, iCCP, cHRM).
bool CheckStructure(std::span<const std::uint8_t> data) {
    if (data.size() < 8 || std::memcmp(data.data(), kSignature, 8) != 0)
        Fail(kFormat, "the PNG signature is missing");
    std::size_t pos = 8;
    std::uint64_t compressed = 0;
    std::uint64_t rawBytes = 0;
    bool sawHeader = false, sawEnd = false;
    bool sixteen = false, colourSpace = false;
    while (!sawEnd) {
        if (data.size() - pos < 12) Fail(kFormat, "the file is truncated");
        const std::uint32_t length = BigEndian32(data.data() + pos);
        const std::uint8_t* type = data.data() + pos + 4;
        if (length > 0x7FFFFFFFu || data.size() - pos - 12 < length)
            Fail(kFormat, "a chunk of " + std::to_string(length) + " bytes runs past the end of the file");
        const std::uint8_t* body = type + 4;
        if (!sawHeader) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13)
                Fail(kFormat, "the image header chunk is missing");
            const std::int64_t width = BigEndian32(body), height = BigEndian32(body + 4);
            const int depth = body[8], colorType = body[9];
            sixteen = depth == 16;
            detail::CheckDimensions(kFormat, width, height, 32);
            const int channels = colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
            rawBytes = std::uint64_t(height) * (1 + (std::uint64_t(width) * channels * depth + 7) / 8);
            sawHeader = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed += length;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            sawEnd = true;
        } else if (std::memcmp(type, "gAMA", 4) == 0 || std::memcmp(type, "sRGB", 4) == 0 ||
                   std::memcmp(type, "iCCP", 4) == 0 || std::memcmp(type, "cHRM", 4) == 0) {
            colourSpace = true;
        }
        pos += 12 + std::size_t(length);
    }
    if (compressed == 0) Fail(kFormat, "the image has no pixel data");
    if (rawBytes > compressed * kMaxInflateRatio + 4096)
        Fail(kFormat, "the compressed pixel data is too short for the declared image size");
    return sixteen && !colourSpace;
}

// Error handling for the writer: libpng reports through a callback that must not return;
// the message is kept and control jumps back to the writer, which raises.
struct WriteContext {
    std::vector<std::uint8_t>* out = nullptr;
    char message[128] = {};
};

void OnError(png_structp png, png_const_charp message) {
    auto* ctx = static_cast<WriteContext*>(png_get_error_ptr(png));
    std::snprintf(ctx->message, sizeof ctx->message, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnWrite(png_structp png, png_bytep bytes, png_size_t length) {
    auto* ctx = static_cast<WriteContext*>(png_get_io_ptr(png));
    try {
        ctx->out->insert(ctx->out->end(), bytes, bytes + length);
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

void OnFlush(png_structp) {}

// The reader's side: the file in memory, and the message of a libpng error.
struct ReadContext {
    std::span<const std::uint8_t> data;
    std::size_t pos = 0;
    char message[128] = {};
};

void OnReadError(png_structp png, png_const_charp message) {
    auto* ctx = static_cast<ReadContext*>(png_get_error_ptr(png));
    std::snprintf(ctx->message, sizeof ctx->message, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void OnRead(png_structp png, png_bytep bytes, png_size_t length) {
    auto* ctx = static_cast<ReadContext*>(png_get_io_ptr(png));
    if (ctx->data.size() - ctx->pos < length) png_error(png, "the file is truncated");
    std::memcpy(bytes, ctx->data.data() + ctx->pos, length);
    ctx->pos += length;
}

// 16-bit samples without a colour-space chunk are sRGB-encoded like 8-bit ones: each is
// scaled to 8 bits (v * 255 / 65535, rounded) with no gamma step. The simplified reader
// would take them as linear light and lighten them.
RawImage DecodeSixteenBitAsEncoded(std::span<const std::uint8_t> data) {
    ReadContext ctx;
    ctx.data = data;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &ctx, OnReadError, OnWarning);
    if (!png) throw EInvalidGraphic("Cannot read PNG image: out of memory");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw EInvalidGraphic("Cannot read PNG image: out of memory");
    }
    // Kept on the heap so that a jump back from libpng finds them intact.
    auto image = std::make_unique<RawImage>();
    auto rows = std::make_unique<std::vector<png_bytep>>();
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        Fail(kFormat, ctx.message);
    }
    png_set_read_fn(png, &ctx, OnRead);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    png_set_scale_16(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    int stride = 0;
    try {
        stride = detail::CheckDimensions(kFormat, width, height, alpha ? 32 : 24);
        *image = detail::MakeImage(int(width), int(height), alpha ? 32 : 24);
        rows->resize(height);
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    if (png_get_rowbytes(png, info) > png_size_t(stride)) {
        png_destroy_read_struct(&png, &info, nullptr);
        Fail(kFormat, "unexpected row layout");
    }
    for (png_uint_32 y = 0; y < height; ++y)
        (*rows)[y] = image->bits.data() + std::size_t(y) * std::size_t(stride);
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    image->hasAlpha = alpha;
    return std::move(*image);
}

}  // namespace

RawImage DecodePNG(std::span<const std::uint8_t> data) {
    if (CheckStructure(data)) return DecodeSixteenBitAsEncoded(data);
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.data(), data.size())) {
        const std::string why = png.message;
        png_image_free(&png);
        Fail(kFormat, why);
    }
    const bool alpha = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    RawImage image;
    try {
        const int stride = detail::CheckDimensions(kFormat, png.width, png.height, alpha ? 32 : 24);
        image = detail::MakeImage(int(png.width), int(png.height), alpha ? 32 : 24);
        // The row stride is counted in components, which are bytes for 8 bit channels.
        if (!png_image_finish_read(&png, nullptr, image.bits.data(), stride, nullptr)) {
            const std::string why = png.message;
            png_image_free(&png);
            Fail(kFormat, why);
        }
    } catch (...) {
        png_image_free(&png);
        throw;
    }
    png_image_free(&png);
    image.hasAlpha = alpha;
    return image;
}

std::vector<std::uint8_t> EncodePNG(const RawImage& image) {
    detail::CheckEncodable(kFormat, image);
    const int bpp = image.bitsPerPixel;
    std::vector<png_color> colors;
    if (bpp <= 8) {
        for (TColor c : detail::PaletteForEncoding(image))
            colors.push_back(png_color{png_byte(GetRValue(c)), png_byte(GetGValue(c)), png_byte(GetBValue(c))});
    }
    std::vector<std::uint8_t> out;
    WriteContext ctx;
    ctx.out = &out;

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &ctx, OnError, OnWarning);
    if (!png) throw EInvalidGraphic("Cannot write PNG image: out of memory");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw EInvalidGraphic("Cannot write PNG image: out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw EInvalidGraphic(std::string("Cannot write PNG image: ") + ctx.message);
    }
    png_set_write_fn(png, &ctx, OnWrite, OnFlush);
    const int colorType = bpp <= 8 ? PNG_COLOR_TYPE_PALETTE
                          : bpp == 32 && image.hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA
                                                        : PNG_COLOR_TYPE_RGB;
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), bpp <= 8 ? bpp : 8,
                 colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (bpp <= 8) png_set_PLTE(png, info, colors.data(), int(colors.size()));
    png_write_info(png, info);
    if (bpp > 8) png_set_bgr(png);
    if (bpp == 32 && !image.hasAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);   // drops the 4th byte
    const std::size_t stride = std::size_t(image.BytesPerLine());
    for (int y = 0; y < image.height; ++y)
        png_write_row(png, const_cast<png_bytep>(image.bits.data() + stride * std::size_t(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace vcl::codecs
