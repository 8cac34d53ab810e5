// libFuzzer entry: any byte string given to the image decoders must end in an image or in
// EInvalidGraphic; decoded images must encode again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/SysUtils.h"
#include "platform/graphics/codecs/ImageCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vcl::codecs;
    try {
        const RawImage image = DecodeImage(std::span<const std::uint8_t>(data, size));
        if (std::int64_t(image.width) * image.height <= (1 << 20)) {
            DecodeImage(EncodeBMP(image));
            DecodeImage(EncodePNG(image));
        }
    } catch (const vcl::EInvalidGraphic&) {
    }
    return 0;
}
