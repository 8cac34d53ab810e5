// png_check FILE: whether the picture of a form shows more than an empty form would.
// The window frame and the title bar are left out (they are drawn on every form); in the
// rest, no colour may cover more than MaxShare of the pixels, and there must be at least
// MinColours colours (controls, text and frames make many).
#include <cstdio>
#include <map>

#include "platform/Graphics.h"
#include "platform/SysUtils.h"

namespace {
constexpr int FrameMargin = 12;     // past the border on the left, right and bottom
constexpr int TitleHeight = 40;     // past the title bar
constexpr double MaxShare = 0.97;
constexpr std::size_t MinColours = 8;
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: png_check FILE.png\n");
        return 2;
    }
    try {
        vcl::TBitmap picture;
        picture.LoadFromFile(argv[1]);
        picture.SetPixelFormat(vcl::pf32bit);
        const int w = picture.GetWidth(), h = picture.GetHeight();
        if (w <= 2 * FrameMargin || h <= TitleHeight + FrameMargin) {
            std::fprintf(stderr, "%s: %d x %d pixels is too small for a form\n", argv[1], w, h);
            return 1;
        }
        std::map<unsigned, long> counts;
        long total = 0;
        for (int y = TitleHeight; y < h - FrameMargin; ++y) {
            const std::uint8_t* row = picture.ScanLine(y);
            for (int x = FrameMargin; x < w - FrameMargin; ++x, ++total) {
                const std::uint8_t* p = row + 4 * x;
                ++counts[unsigned(p[0]) | unsigned(p[1]) << 8 | unsigned(p[2]) << 16];
            }
        }
        long largest = 0;
        for (const auto& [colour, n] : counts) largest = std::max(largest, n);
        const double share = double(largest) / double(total);
        std::printf("%s: %d x %d, %zu colours, the commonest covers %.1f %%\n", argv[1], w, h,
                    counts.size(), share * 100);
        if (counts.size() < MinColours || share > MaxShare) {
            std::fprintf(stderr, "%s looks blank\n", argv[1]);
            return 1;
        }
    } catch (const vcl::Exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.Message().c_str());
        return 1;
    }
    return 0;
}
