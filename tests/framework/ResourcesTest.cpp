// The package's bitmaps: names, sizes and depths, the glyph sheet layout, the seven-segment
// shapes' flood fills, and a contact sheet of all artwork and plot marks for looking at.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "framework/Zyn_zynbase.h"
#include "platform/Graphics.h"
#include "platform/Win32.h"

using namespace zyn;
using vcl::TBitmap;

namespace {

struct ResourceSpec {
    const char* name;
    int w, h;
    vcl::TPixelFormat format;
    bool sheet;
};

const ResourceSpec kResources[] = {
    {"ARROWLR", 50, 50, vcl::pf24bit, true},     {"ARROWTR", 50, 50, vcl::pf24bit, true},
    {"ARROWUD", 50, 50, vcl::pf24bit, true},     {"BEVELEDLED", 34, 34, vcl::pf8bit, true},
    {"BULB", 78, 98, vcl::pf24bit, true},        {"BUTLAMP", 98, 48, vcl::pf24bit, true},
    {"CHECKBOX", 32, 32, vcl::pf4bit, true},     {"COLSLIDELR", 60, 36, vcl::pf8bit, true},
    {"COLSLIDETB", 36, 60, vcl::pf4bit, true},   {"HDLEFT", 96, 32, vcl::pf24bit, true},
    {"HDRIGHT", 96, 32, vcl::pf24bit, true},     {"LEDREDGREEN", 28, 28, vcl::pf24bit, true},
    {"RADIOBUT", 28, 28, vcl::pf8bit, true},     {"SLIDELFTRGT", 60, 36, vcl::pf8bit, true},
    {"SLIDETOPBOT", 36, 60, vcl::pf8bit, true},  {"SMILEYRG", 36, 36, vcl::pf24bit, true},
    {"SMILEYS", 36, 36, vcl::pf24bit, true},     {"TRAFFICLGT", 62, 62, vcl::pf8bit, true},
    {"USER1", 48, 48, vcl::pf24bit, true},       {"USER2", 48, 48, vcl::pf24bit, true},
    {"USER3", 48, 48, vcl::pf24bit, true},       {"USER4", 48, 48, vcl::pf24bit, true},
    {"USER5", 48, 48, vcl::pf24bit, true},       {"EMPTYBOX", 16, 16, vcl::pf8bit, false},
    {"CHECKEDBOX", 16, 16, vcl::pf8bit, false},  {"SEGVERT", 68, 190, vcl::pf1bit, false},
    {"SEGHORZ", 200, 38, vcl::pf1bit, false},    {"SEGDOT", 38, 38, vcl::pf1bit, false},
    {"SEGPLUS", 200, 190, vcl::pf24bit, false},  {"SEGDEG", 160, 138, vcl::pf24bit, false},
    {"SEGCOLON", 68, 190, vcl::pf24bit, false},
};

constexpr TColor kKey = 0xEBBEEB;   // red 235, green 190, blue 235

std::unique_ptr<TBitmap> Load(const std::string& name) {
    auto b = std::make_unique<TBitmap>();
    b->LoadFromResourceName(vcl::HInstance, name);
    return b;
}

TColor Px(TBitmap& b, int x, int y) { return b.GetCanvas()->GetPixels(x, y); }

}  // namespace

TEST(Resources, EveryBitmapHasItsSizeAndDepth) {
    for (const auto& r : kResources) {
        SCOPED_TRACE(r.name);
        auto b = Load(r.name);
        EXPECT_EQ(b->GetWidth(), r.w);
        EXPECT_EQ(b->GetHeight(), r.h);
        EXPECT_EQ(b->GetPixelFormat(), r.format);
    }
}

TEST(Resources, GlyphSheetsHoldFourDistinctStatesOnTheKeyColour) {
    for (const auto& r : kResources) {
        if (!r.sheet) continue;
        SCOPED_TRACE(r.name);
        auto b = Load(r.name);
        b->SetPixelFormat(vcl::pf32bit);
        const int gw = r.w / 2, gh = r.h / 2;
        std::vector<std::string> cells;
        for (int cell = 0; cell < 4; ++cell) {
            const int ox = (cell % 2) * gw, oy = (cell / 2) * gh;
            std::string pixels;
            int keyed = 0, grey = 0, shape = 0;
            for (int y = 0; y < gh; ++y)
                for (int x = 0; x < gw; ++x) {
                    const TColor c = Px(*b, ox + x, oy + y);
                    pixels += std::to_string(c) + ",";
                    if (c == kKey) { ++keyed; continue; }
                    ++shape;
                    const int r8 = vcl::GetRValue(c), g8 = vcl::GetGValue(c), b8 = vcl::GetBValue(c);
                    if (std::max({r8, g8, b8}) - std::min({r8, g8, b8}) <= 12) ++grey;
                }
            // The shapes stand on the key colour: the top row and the left column of every
            // cell are free (shadows fall to the bottom right).
            for (int x = 0; x < gw; ++x) EXPECT_EQ(Px(*b, ox + x, oy), kKey) << "cell " << cell << " x " << x;
            for (int y = 0; y < gh; ++y) EXPECT_EQ(Px(*b, ox, oy + y), kKey) << "cell " << cell << " y " << y;
            EXPECT_GE(keyed, gw + gh - 1) << "cell " << cell;
            EXPECT_GT(shape, gw * gh / 5) << "cell " << cell;
            // The disabled pictures (bottom row) are grey.
            if (cell >= 2) {
                EXPECT_GE(grey, shape * 9 / 10) << "cell " << cell;
            }
            cells.push_back(pixels);
        }
        EXPECT_NE(cells[0], cells[1]);   // on and off differ
        EXPECT_NE(cells[2], cells[3]);
        EXPECT_NE(cells[0], cells[2]);   // enabled and disabled differ
    }
}

namespace {

// Only black and white in a segment shape.
void ExpectBlackOnWhite(TBitmap& b) {
    for (int y = 0; y < b.GetHeight(); ++y)
        for (int x = 0; x < b.GetWidth(); ++x) {
            const TColor c = Px(b, x, y) & 0xFFFFFF;
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << x << "," << y;
        }
}

int CountColor(TBitmap& b, TColor color) {
    int n = 0;
    for (int y = 0; y < b.GetHeight(); ++y)
        for (int x = 0; x < b.GetWidth(); ++x) n += (Px(b, x, y) & 0xFFFFFF) == color;
    return n;
}

}  // namespace

TEST(Resources, SegmentShapesRecolourWithOneFloodFillFromTheirSeeds) {
    struct Seed { const char* name; std::vector<std::pair<int, int>> seeds; };
    const Seed seeds[] = {
        {"SEGVERT", {{34, 95}}}, {"SEGHORZ", {{100, 19}}}, {"SEGDOT", {{19, 19}}},
        {"SEGPLUS", {{100, 95}}}, {"SEGCOLON", {{18, 190 - 18}, {68 - 18, 18}}},
        {"SEGDEG", {{25, 69}}},
    };
    for (const auto& s : seeds) {
        SCOPED_TRACE(s.name);
        auto b = Load(s.name);
        b->SetPixelFormat(vcl::pf32bit);
        ExpectBlackOnWhite(*b);
        ASSERT_GT(CountColor(*b, 0), 0);
        b->GetCanvas()->GetBrush()->SetColor(0x0000FF);
        for (auto [x, y] : s.seeds) {
            EXPECT_EQ(Px(*b, x, y) & 0xFFFFFF, 0) << "seed " << x << "," << y;
            b->GetCanvas()->FloodFill(x, y, Px(*b, x, y), vcl::fsSurface);
        }
        EXPECT_EQ(CountColor(*b, 0), 0) << "black left after the fills";
    }
}

TEST(Resources, DigitGroundIsReachedEverywhereByOneFill) {
    auto vert = Load("SEGVERT"), horz = Load("SEGHORZ"), dot = Load("SEGDOT");
    auto plus = Load("SEGPLUS"), colon = Load("SEGCOLON"), deg = Load("SEGDEG");
    for (auto* b : {vert.get(), horz.get(), dot.get(), plus.get(), colon.get(), deg.get()})
        b->SetPixelFormat(vcl::pf32bit);
    struct Place { TBitmap* image; int x, y; };
    const std::vector<std::vector<Place>> symbols = {
        // the digit 8 with its point: every segment
        {{horz.get(), 94, 0}, {vert.get(), 37, 23}, {vert.get(), 244, 23}, {horz.get(), 57, 197},
         {vert.get(), 0, 220}, {vert.get(), 207, 220}, {horz.get(), 20, 394}, {dot.get(), 269, 394}},
        {{plus.get(), 57, 120}}, {{colon.get(), 122, 121}}, {{deg.get(), 150, 0}},
    };
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        SCOPED_TRACE(i);
        TBitmap digit;
        digit.SetSize(312, 432);
        vcl::TCanvas* c = digit.GetCanvas();
        c->GetBrush()->SetColor(vcl::clWhite);
        c->FillRect(vcl::Rect(0, 0, 312, 432));
        c->SetCopyMode(vcl::SRCAND);
        for (const Place& p : symbols[i])
            c->CopyRect(vcl::Bounds(p.x, p.y, p.image->GetWidth(), p.image->GetHeight()),
                        p.image->GetCanvas(), vcl::Rect(0, 0, p.image->GetWidth(), p.image->GetHeight()));
        const int black = CountColor(digit, 0);
        ASSERT_GT(black, 0);
        c->GetBrush()->SetColor(0x333333);
        c->FloodFill(1, 1, vcl::clWhite, vcl::fsSurface);
        EXPECT_EQ(CountColor(digit, 0xFFFFFF), 0) << "white ground the fill did not reach";
        EXPECT_EQ(CountColor(digit, 0), black);
    }
}

// Every glyph bitmap enlarged three times (the large segment shapes at half size), each also
// at its own size, then the 52 plot marks enlarged, as one PNG to look at.
TEST(Resources, ContactSheet) {
    const int scale = 3, pad = 12, width = 1280;
    TBitmap sheet;
    const int height = 1560;
    sheet.SetSize(width, height);
    vcl::TCanvas* c = sheet.GetCanvas();
    c->GetBrush()->SetColor(0xF0F0F0);
    c->FillRect(vcl::Rect(0, 0, width, height));
    int x = pad, y = pad, rowHeight = 0;
    for (const auto& r : kResources) {
        auto b = Load(r.name);
        const bool large = r.w > 100 || r.h > 100 || r.format == vcl::pf1bit;
        const int w = large ? r.w / 2 : r.w * scale, h = large ? r.h / 2 : r.h * scale;
        vcl::SetStretchBltMode(c, large ? vcl::HALFTONE : vcl::COLORONCOLOR);
        if (x + w > width - pad) {
            x = pad;
            y += rowHeight + pad;
            rowHeight = 0;
        }
        vcl::StretchBlt(c, x, y, w, h, b->GetCanvas(), 0, 0, r.w, r.h, vcl::SRCCOPY);
        if (!large) c->Draw(x, y + h + 3, b.get());   // and at its own size
        x += w + pad;
        rowHeight = std::max(rowHeight, large ? h : h + r.h + 3);
    }
    y += rowHeight + 2 * pad;
    // The marks: each in a 28-pixel cell, drawn with a navy pen on a white brush, then the
    // whole grid enlarged.
    TBitmap marks;
    marks.SetSize(13 * 28, 4 * 28);
    vcl::TCanvas* m = marks.GetCanvas();
    m->GetBrush()->SetColor(vcl::clWhite);
    m->FillRect(vcl::Rect(0, 0, marks.GetWidth(), marks.GetHeight()));
    m->GetPen()->SetColor(0x800000);
    for (int i = 0; i < NumberOfMarks; ++i) DrawMarkOnCanvas(m, i, (i % 13) * 28 + 14, (i / 13) * 28 + 14);
    vcl::SetStretchBltMode(c, vcl::COLORONCOLOR);
    vcl::StretchBlt(c, pad, y, marks.GetWidth() * scale, marks.GetHeight() * scale, m, 0, 0,
                    marks.GetWidth(), marks.GetHeight(), vcl::SRCCOPY);
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/contact_sheet.png";
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    sheet.SaveToFile(file);
    TBitmap check;
    check.LoadFromFile(file);
    EXPECT_EQ(check.GetWidth(), width);
    EXPECT_LE(y + marks.GetHeight() * scale, height);   // everything fits on the sheet
}

// ---- the larger sizes --------------------------------------------------------------------

namespace {

bool IsSegment(const ResourceSpec& r) { return std::string(r.name).rfind("SEG", 0) == 0; }

// The size of a resource drawn at Scale: each glyph of a sheet rounds on its own.
vcl::TSize ScaledSize(const ResourceSpec& r, double Scale) {
    if (!r.sheet) return {int(std::lround(r.w * Scale)), int(std::lround(r.h * Scale))};
    return {2 * int(std::lround(r.w / 2 * Scale)), 2 * int(std::lround(r.h / 2 * Scale))};
}

}  // namespace

TEST(Resources, EveryGlyphComesAtOneAndAHalfAndTwiceItsSizeWithItsCoverage) {
    for (const auto& r : kResources) {
        if (IsSegment(r)) continue;
        for (const auto& [suffix, scale] : {std::pair{"@150", 1.5}, std::pair{"@200", 2.0}}) {
            const std::string name = std::string(r.name) + suffix;
            SCOPED_TRACE(name);
            auto b = Load(name);
            const vcl::TSize size = ScaledSize(r, scale);
            EXPECT_EQ(b->GetWidth(), size.cx);
            EXPECT_EQ(b->GetHeight(), size.cy);
            EXPECT_EQ(b->GetPixelFormat(), r.format);
            if (!r.sheet) continue;
            auto alpha = Load(std::string(r.name) + "_ALPHA" + suffix);
            EXPECT_EQ(alpha->GetWidth(), size.cx);
            EXPECT_EQ(alpha->GetHeight(), size.cy);
            // The coverage is 0 exactly where the sheet shows the key colour.
            b->SetPixelFormat(vcl::pf32bit);
            alpha->SetPixelFormat(vcl::pf32bit);
            int mismatched = 0;
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x)
                    mismatched += ((Px(*b, x, y) & 0xFFFFFF) == kKey) != ((Px(*alpha, x, y) & 0xFF) == 0);
            EXPECT_EQ(mismatched, 0);
        }
    }
}

// A 2x bitmap stretched from the 1x one repeats each pixel in a 2 x 2 block; drawn at its
// own size, the smoothed edges of every glyph break many blocks up.
TEST(Resources, TheTwiceSizeIsDrawnNotStretched) {
    for (const auto& r : kResources) {
        if (IsSegment(r)) continue;
        SCOPED_TRACE(r.name);
        auto b = Load(std::string(r.name) + "@200");
        b->SetPixelFormat(vcl::pf32bit);
        int blocks = 0, uneven = 0;
        for (int y = 0; y + 1 < b->GetHeight(); y += 2)
            for (int x = 0; x + 1 < b->GetWidth(); x += 2) {
                const TColor c = Px(*b, x, y);
                ++blocks;
                uneven += Px(*b, x + 1, y) != c || Px(*b, x, y + 1) != c || Px(*b, x + 1, y + 1) != c;
            }
        EXPECT_GT(uneven * 10, blocks) << uneven << " of " << blocks;
    }
}

// The check mark of the enabled "on" check box, across its long stroke (row 8 of the 1x
// glyph, the 0.085-wide capsule of a 13-pixel box): about twice as many white pixels at 2x.
TEST(Resources, TheCheckMarkStrokeGrowsWithTheSize) {
    auto whiteRun = [](const std::string& name, int row) {
        auto b = Load(name);
        b->SetPixelFormat(vcl::pf32bit);
        int best = 0, run = 0;
        for (int x = 0; x < b->GetWidth() / 2; ++x) {
            const TColor c = Px(*b, x, row);
            run = (vcl::GetRValue(c) > 0xE0 && vcl::GetGValue(c) > 0xE0 && vcl::GetBValue(c) > 0xE0) ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    };
    const int one = whiteRun("CHECKBOX", 5), two = whiteRun("CHECKBOX@200", 10), half = whiteRun("CHECKBOX@150", 7);
    EXPECT_GE(one, 1);
    EXPECT_GE(two, 2 * one - 1);
    EXPECT_LE(two, 2 * one + 1);
    EXPECT_GT(half, one - 1);
    EXPECT_LT(half, two + 1);
}

TEST(Resources, APixelsPerInchPicksTheNearestArtworkSize) {
    const struct {
        int ppi, art;
    } cases[] = {{24, 96}, {96, 96}, {120, 96}, {121, 144}, {144, 144}, {168, 144}, {169, 192}, {192, 192}, {960, 192}};
    for (const auto& c : cases) EXPECT_EQ(vcl::NearestArtworkPPI(c.ppi), c.art) << c.ppi;
    EXPECT_EQ(vcl::ArtworkResourceName("BULB", 96), "BULB");
    EXPECT_EQ(vcl::ArtworkResourceName("BULB", 144), "BULB@150");
    EXPECT_EQ(vcl::ArtworkResourceName("BULB", 192), "BULB@200");
    EXPECT_THROW(vcl::ArtworkResourceName("BULB", 120), std::invalid_argument);
    // A name with no larger size (the segment master) gives its one size at every density.
    EXPECT_EQ(vcl::NearestArtworkResource(vcl::HInstance, "SEGVERT", 192), "SEGVERT");
    EXPECT_EQ(vcl::NearestArtworkResource(vcl::HInstance, "CHECKBOX", 192), "CHECKBOX@200");
    EXPECT_EQ(vcl::NearestArtworkResource(vcl::HInstance, "CHECKBOX", 150), "CHECKBOX@150");
    TBitmap b;
    b.LoadFromResourceName(vcl::HInstance, "RADIOBUT", 192);
    EXPECT_EQ(b.GetWidth(), 56);
    b.LoadFromResourceName(vcl::HInstance, "RADIOBUT", 96);
    EXPECT_EQ(b.GetWidth(), 28);
    b.LoadFromResourceName(vcl::HInstance, "RADIOBUT");   // the plain call stays 1x
    EXPECT_EQ(b.GetWidth(), 28);
    EXPECT_THROW(b.LoadFromResourceName(vcl::HInstance, "NO_SUCH_RESOURCE_NAME", 192), vcl::EResNotFound);
}
