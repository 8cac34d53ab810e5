#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "CanvasTestSupport.h"
#include "platform/Classes.h"
#include "platform/graphics/resources/Resources.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

TEST(BitmapTest, NewBitmapsAreEmptyAndGrowWhite) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.GetPixelFormat(), pf32bit);
    b.SetSize(3, 2);
    EXPECT_EQ(b.GetCanvas()->GetPixels(2, 1), clWhite);
    b.GetCanvas()->SetPixels(0, 0, clRed);
    b.SetWidth(5);   // the old picture stays at the top-left
    EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clRed);
    EXPECT_EQ(b.GetCanvas()->GetPixels(4, 1), clWhite);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
}

TEST(BitmapTest, ScanLinesAreTopDownRowsOfABottomUpBuffer) {
    struct Case {
        TPixelFormat format;
        int stride;   // for a 5-pixel row
    };
    for (Case k : {Case{pf1bit, 4}, Case{pf4bit, 4}, Case{pf8bit, 8}, Case{pf15bit, 12}, Case{pf16bit, 12},
                   Case{pf24bit, 16}, Case{pf32bit, 20}}) {
        TBitmap b;
        b.SetPixelFormat(k.format);
        b.SetSize(5, 3);
        EXPECT_EQ(b.BytesPerLine(), k.stride) << int(k.format);
        EXPECT_EQ(b.ScanLine(1), b.ScanLine(0) - k.stride) << int(k.format);
        EXPECT_EQ(b.ScanLine(2), b.ScanLine(1) - k.stride) << int(k.format);
        EXPECT_THROW(b.ScanLine(3), EInvalidGraphicOperation);
        EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
    }
}

TEST(BitmapTest, ScanLineBytesAreWhatTheCanvasDraws) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(4, 3);
    b.GetCanvas()->SetPixels(1, 2, RGB(10, 20, 30));
    const std::uint8_t* row = b.ScanLine(2);
    EXPECT_EQ(row[3], 30);   // B, G, R
    EXPECT_EQ(row[4], 20);
    EXPECT_EQ(row[5], 10);
    std::uint8_t* top = b.ScanLine(0);
    top[0] = 0;
    top[1] = 0;
    top[2] = 255;
    EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clRed);

    TBitmap m;
    m.SetPixelFormat(pf1bit);
    m.SetSize(10, 2);
    m.GetCanvas()->SetPixels(1, 0, clBlack);
    m.GetCanvas()->SetPixels(9, 0, clBlack);
    EXPECT_EQ(m.ScanLine(0)[0], 0xBF);   // MSB = leftmost pixel; white is 1
    EXPECT_EQ(m.ScanLine(0)[1] & 0xC0, 0x80);
}

TEST(BitmapTest, DefaultPalettesAndConversion) {
    TBitmap b;
    b.SetSize(4, 1);
    b.GetCanvas()->SetPixels(0, 0, clRed);
    b.GetCanvas()->SetPixels(1, 0, RGB(250, 250, 5));
    b.GetCanvas()->SetPixels(2, 0, RGB(20, 20, 20));
    b.SetPixelFormat(pf4bit);
    ASSERT_EQ(b.GetPalette().size(), 16u);
    EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clRed);
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 0), clYellow);   // nearest entry
    EXPECT_EQ(b.GetCanvas()->GetPixels(2, 0), clBlack);
    b.SetPixelFormat(pf8bit);
    EXPECT_EQ(b.GetPalette().size(), 256u);
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 0), clYellow);
    b.SetPixelFormat(pf1bit);
    EXPECT_EQ(b.GetPalette(), (std::vector<TColor>{clBlack, clWhite}));
    EXPECT_TRUE(b.GetMonochrome());
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 0), clWhite);
    EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clBlack);
    b.SetPixelFormat(pfDevice);   // the screen depth
    EXPECT_EQ(b.GetPixelFormat(), pf32bit);
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 0), clWhite);
    EXPECT_THROW(b.SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(BitmapTest, DrawingOnPaletteBitmapsUsesTheNearestEntry) {
    // Artwork drawn on a 1-bit bitmap and then flood filled.
    TBitmap art;
    art.SetPixelFormat(pf1bit);
    art.SetSize(12, 12);
    TCanvas* c = art.GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    c->GetPen()->SetColor(clNavy);   // nearest to black
    c->Ellipse(0, 0, 12, 12);
    c->GetBrush()->SetColor(clSilver);   // nearest to white
    EXPECT_TRUE(c->FloodFill(6, 6, clWhite, fsSurface));
    c->GetBrush()->SetColor(clMaroon);   // nearest to black
    EXPECT_TRUE(c->FloodFill(6, 6, clWhite, fsSurface));
    EXPECT_EQ(c->GetPixels(6, 6), clBlack);
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
    EXPECT_EQ(c->GetPixels(0, 5), clBlack);

    TBitmap eight;
    eight.SetPixelFormat(pf8bit);
    eight.SetSize(6, 6);
    TCanvas* e = eight.GetCanvas();
    e->GetBrush()->SetColor(clTeal);
    e->Rectangle(0, 0, 6, 6);
    EXPECT_EQ(e->GetPixels(2, 2), clTeal);
    EXPECT_EQ(e->GetPixels(0, 0), clBlack);
    e->GetPen()->SetMode(pmNot);   // mixes act on palette indexes
    e->MoveTo(0, 3);
    e->LineTo(6, 3);
    e->MoveTo(0, 3);
    e->LineTo(6, 3);
    EXPECT_EQ(e->GetPixels(2, 3), clTeal);
}

TEST(BitmapTest, SetPaletteKeepsIndexes) {
    TBitmap b;
    b.SetPixelFormat(pf1bit);
    b.SetSize(2, 1);
    b.GetCanvas()->SetPixels(0, 0, clBlack);
    b.SetPalette({clRed, clLime, clBlue});   // only two entries fit
    EXPECT_EQ(b.GetPalette().size(), 2u);
    EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clRed);
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 0), clLime);
    EXPECT_FALSE(b.GetMonochrome() && b.GetPalette()[0] == clBlack);
}

TEST(BitmapTest, AssignIsADeepCopy) {
    auto a = WhiteBitmap(3, 3, pf24bit);
    a->GetCanvas()->SetPixels(1, 1, clRed);
    a->SetTransparent(true);
    TBitmap b;
    b.Assign(a.get());
    EXPECT_EQ(b.GetWidth(), 3);
    EXPECT_EQ(b.GetPixelFormat(), pf24bit);
    EXPECT_TRUE(b.GetTransparent());
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 1), clRed);
    a->GetCanvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(b.GetCanvas()->GetPixels(1, 1), clRed);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    TPen pen;
    EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(BitmapTest, OnChangeFollowsSizeFormatAndDrawing) {
    TBitmap b;
    int changes = 0;
    b.SetOnChange([&](TObject*) { ++changes; });
    b.SetSize(4, 4);
    b.SetSize(4, 4);
    b.SetPixelFormat(pf24bit);
    b.GetCanvas()->FillRect(TRect(0, 0, 2, 2));
    b.GetCanvas()->LineTo(3, 3);
    EXPECT_EQ(changes, 4);
}

TEST(BitmapTest, TransparentColourModes) {
    auto b = WhiteBitmap(3, 3);
    b->GetCanvas()->SetPixels(0, 2, clLime);
    EXPECT_EQ(b->GetTransparentMode(), tmAuto);
    EXPECT_EQ(b->GetTransparentColor(), clLime);
    b->SetTransparentColor(clRed);
    EXPECT_EQ(b->GetTransparentMode(), tmFixed);
    EXPECT_EQ(b->GetTransparentColor(), clRed);
    b->SetTransparentColor(clDefault);
    EXPECT_EQ(b->GetTransparentMode(), tmAuto);
}

TEST(BitmapTest, FilesRoundTripThroughTheCodecs) {
    const std::filesystem::path dir = ZYN_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
        auto b = WhiteBitmap(7, 5, format);
        b->GetCanvas()->SetPixels(0, 0, clBlack);
        b->GetCanvas()->SetPixels(6, 4, clBlack);
        b->GetCanvas()->SetPixels(3, 1, format == pf1bit ? clBlack : clRed);
        for (const char* ext : {".bmp", ".png"}) {
            if (format != pf24bit && format != pf32bit && std::string(ext) == ".png") continue;
            const std::string file = (dir / ("bitmap_roundtrip_" + std::to_string(int(format)) + ext)).string();
            b->SaveToFile(file);
            TBitmap loaded;
            loaded.LoadFromFile(file);
            EXPECT_EQ(loaded.GetWidth(), 7);
            EXPECT_EQ(loaded.GetHeight(), 5);
            EXPECT_EQ(loaded.GetCanvas()->GetPixels(0, 0), clBlack) << file;
            EXPECT_EQ(loaded.GetCanvas()->GetPixels(6, 4), clBlack) << file;
            EXPECT_EQ(loaded.GetCanvas()->GetPixels(3, 1), format == pf1bit ? clBlack : clRed) << file;
            EXPECT_EQ(loaded.GetCanvas()->GetPixels(1, 1), clWhite) << file;
            if (std::string(ext) == ".bmp") {
                EXPECT_EQ(loaded.GetPixelFormat(), format) << file;
            }
        }
    }
}

TEST(BitmapTest, BadInputRaisesClearErrors) {
    TBitmap b;
    EXPECT_THROW(b.LoadFromFile(std::string(ZYN_TEST_OUTPUT_DIR) + "/no/such/file.bmp"), Exception);
    TMemoryStream garbage;
    garbage.WriteText("this is not an image");
    garbage.SetPosition(0);
    EXPECT_THROW(b.LoadFromStream(&garbage), EInvalidGraphic);
    EXPECT_THROW(b.LoadFromResourceName(HInstance, "NO_SUCH_RESOURCE_NAME"), EResNotFound);
    EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, StreamsCarryBmpData) {
    auto b = WhiteBitmap(3, 2, pf8bit);
    b->GetCanvas()->SetPixels(2, 1, clBlue);
    TMemoryStream stream;
    b->SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.GetPixelFormat(), pf8bit);
    EXPECT_EQ(loaded.GetCanvas()->GetPixels(2, 1), clBlue);
}

}  // namespace
