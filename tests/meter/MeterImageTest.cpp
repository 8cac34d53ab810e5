// Background and anchor images of the meter.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "meter/Zyn_Meter.h"

using namespace zyn;
using vcl::TColor;

namespace {

std::string WriteBitmap(const std::string& Name, int W, int H, TColor Fill, TColor Inner) {
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    vcl::TBitmap b;
    b.SetSize(W, H);
    b.GetCanvas()->GetBrush()->SetColor(Fill);
    b.GetCanvas()->FillRect(vcl::Rect(0, 0, W, H));
    b.GetCanvas()->GetBrush()->SetColor(Inner);
    b.GetCanvas()->FillRect(vcl::Rect(W / 4, H / 4, W - W / 4, H - H / 4));
    std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/" + Name;
    b.SaveToFile(path);
    return path;
}

TColor Probe(TMeter& m, int X, int Y) {
    vcl::TBitmap bmp;
    bmp.SetSize(m.GetWidth(), m.GetHeight());
    m.PaintTo(bmp.GetCanvas(), 0, 0);
    return bmp.GetCanvas()->GetPixels(X, Y);
}

}  // namespace

TEST(MeterImage, BackgroundModes) {
    const std::string path = WriteBitmap("meter_tile.bmp", 40, 40, 0x00336699, 0x00CCEEFF);
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetBackGroundImg(path);
    ASSERT_EQ(m.GetBackGroundImg(), path);
    // At its own size: the image's top-left 40 x 40, white beyond it.
    EXPECT_EQ(Probe(m, 15, 29), 0x00CCEEFFu);
    EXPECT_EQ(Probe(m, 70, 60), 0xFFFFFFu);
    m.SetBkgndFillMode(bfTile);   // repeated every 40 pixels
    EXPECT_EQ(Probe(m, 60, 60), 0x00CCEEFFu);
    EXPECT_EQ(Probe(m, 42, 42), 0x00336699u);
    m.SetBkgndFillMode(bfStretch);   // the inner square now spans the middle half
    EXPECT_EQ(Probe(m, 148, 100), 0x00CCEEFFu);
    EXPECT_EQ(Probe(m, 40, 150), 0x00336699u);
    m.SetBackGroundImg("");
    EXPECT_EQ(Probe(m, 148, 100), 0xFFFFFFu);
}

TEST(MeterImage, AnchorImageIsMaskedOnTheHub) {
    // Black pixels of a true-colour anchor image let the dial show through.
    const std::string path = WriteBitmap("meter_anchor.bmp", 20, 20, 0x000000, 0x000000FF);
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetColorBakG(0x00F0F0F0);
    m.SetAnchorImage(path);
    ASSERT_EQ(m.GetAnchorImage(), path);
    const int cx = m.GetCenterX(), cy = m.GetCenterY();
    EXPECT_EQ(Probe(m, cx, cy - 2), 0x000000FFu);
    EXPECT_EQ(Probe(m, cx + 8, cy - 8), 0x00F0F0F0u);
}

TEST(MeterImage, PaletteAnchorsAreClearWherePaletteIndexZeroIs) {
    // A 4-bit anchor whose palette index 0 is white: the white pixels let the dial show,
    // the black ones (index 1) cover it.
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    vcl::TBitmap b;
    b.SetPixelFormat(vcl::pf4bit);
    b.SetSize(20, 20);
    b.SetPalette({0xFFFFFF, 0x000000, 0x0000FF});
    for (int y = 0; y < 20; ++y) {
        std::uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < 20; x += 2) {
            const int left = x < 10 ? 0 : 1, right = x + 1 < 10 ? 0 : 1;   // left half index 0
            row[x / 2] = std::uint8_t(left << 4 | right);
        }
    }
    const std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/meter_anchor4.bmp";
    b.SaveToFile(path);
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    m.SetColorBakG(0x00F0F0F0);
    m.SetAnchorImage(path);
    ASSERT_EQ(m.GetAnchorImage(), path);
    const int cx = m.GetCenterX(), cy = m.GetCenterY();
    EXPECT_EQ(Probe(m, cx - 6, cy + 5), 0x00F0F0F0u);   // index 0 (white): the dial
    EXPECT_EQ(Probe(m, cx + 6, cy + 5), 0x000000u);     // index 1 (black): the image
}

// A small tile on a large meter: the tiles in sight are drawn, in the phase the whole tiling
// puts them (every tile of the control used to be drawn, whatever was shown: a 1 x 1 tile
// on a meter of 20,000 x 20,000 pixels took minutes).
TEST(MeterImage, TilesOfALargeMeterKeepTheirPhaseWhereTheyShow) {
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    vcl::TBitmap tile;
    tile.SetPixelFormat(vcl::pf24bit);
    tile.SetSize(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) tile.GetCanvas()->SetPixels(x, y, TColor(0x010203 * (1 + x + 7 * y)));
    const std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/meter_tile7x5.bmp";
    tile.SaveToFile(path);
    TMeter m(nullptr);
    m.SetBounds(0, 0, 20000, 20000);
    m.SetBackGroundImg(path);
    m.SetBkgndFillMode(bfTile);
    // A 64 x 48 view near the top-right corner, clear of the dial, the rims and the lamps.
    vcl::TBitmap view;
    view.SetSize(64, 48);
    m.PaintTo(view.GetCanvas(), -19000, -100);
    for (int y = 0; y < 48; y += 7)
        for (int x = 0; x < 64; x += 5)
            ASSERT_EQ(view.GetCanvas()->GetPixels(x, y), tile.GetCanvas()->GetPixels((19000 + x) % 7, (100 + y) % 5))
                << x << ", " << y;
}
