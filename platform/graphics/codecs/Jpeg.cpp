// JPEG files through libjpeg: grey, colour and CMYK images in, always as 24 bit.
#include <cstdio>
#include <csetjmp>
#include <cstring>

#include "platform/core/WinTypes.h"
#include "platform/graphics/codecs/CodecSupport.h"
#include "platform/graphics/codecs/ImageCodecs.h"
// Last: jpeglib.h defines TRUE and FALSE as macros, which would clash with the constants of
// the project headers; it also needs size_t and FILE declared first.
#include <jpeglib.h>
#include <jerror.h>

namespace vcl::codecs {

using detail::Fail;

namespace {

constexpr const char* kFormat = "JPEG";

// libjpeg reports fatal errors through error_exit, which must not return: the message is
// kept and control jumps back to the decoder, which cleans up and raises.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnFatalError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are ignored except a premature end of the data: libjpeg would pad the missing
// part with grey, but a truncated file is refused.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnFatalError(cinfo);
}

// Converts one decoded row (grey, RGB-ordered or CMYK) into B,G,R.
void ToBGR(const std::uint8_t* src, std::uint8_t* dst, int width, J_COLOR_SPACE space, bool invertedCMYK) {
    for (int x = 0; x < width; ++x, dst += 3) {
        switch (space) {
        case JCS_GRAYSCALE:
            dst[0] = dst[1] = dst[2] = src[x];
            break;
        case JCS_CMYK: {
            const std::uint8_t* p = src + 4 * x;
            int c = p[0], m = p[1], y = p[2], k = p[3];
            if (!invertedCMYK) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
            // Stored values are the inverted inks: C' * K' / 255 gives the remaining light.
            dst[0] = std::uint8_t((y * k + 127) / 255);
            dst[1] = std::uint8_t((m * k + 127) / 255);
            dst[2] = std::uint8_t((c * k + 127) / 255);
            break;
        }
        default: {
            const std::uint8_t* p = src + 3 * x;
            dst[0] = p[2];
            dst[1] = p[1];
            dst[2] = p[0];
            break;
        }
        }
    }
}

}  // namespace

RawImage DecodeJPEG(std::span<const std::uint8_t> data) {
    if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF)
        Fail(kFormat, "the JPEG start marker is missing");
    // Everything the error path needs exists before setjmp, so the jump skips no
    // constructors or destructors; the guard releases libjpeg's memory on every way out.
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    RawImage image;
    std::vector<std::uint8_t> row;
    std::memset(&cinfo, 0, sizeof cinfo);
    struct Guard {
        jpeg_decompress_struct* cinfo;
        ~Guard() { jpeg_destroy_decompress(cinfo); }
    } guard{&cinfo};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.emit_message = OnMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) Fail(kFormat, errors.message);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);

    const J_COLOR_SPACE source = cinfo.jpeg_color_space;
    J_COLOR_SPACE decoded = JCS_RGB;
    if (source == JCS_GRAYSCALE) decoded = JCS_GRAYSCALE;
    else if (source == JCS_CMYK || source == JCS_YCCK) decoded = JCS_CMYK;
    cinfo.out_color_space = decoded;
    detail::CheckDimensions(kFormat, cinfo.image_width, cinfo.image_height, 24);
    const bool invertedCMYK = cinfo.saw_Adobe_marker != 0;
    image = detail::MakeImage(int(cinfo.image_width), int(cinfo.image_height), 24);
    jpeg_start_decompress(&cinfo);
    row.resize(std::size_t(cinfo.output_width) * std::size_t(cinfo.output_components));
    const std::size_t stride = std::size_t(image.BytesPerLine());
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t y = cinfo.output_scanline;
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        ToBGR(row.data(), image.bits.data() + stride * y, image.width, decoded, invertedCMYK);
    }
    jpeg_finish_decompress(&cinfo);
    return image;
}

}  // namespace vcl::codecs
