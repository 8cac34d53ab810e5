// The painted grid, probed at the coordinates the slide geometry fixes: slide squares and
// frames, empty slides, pictures scaled in both orientations, marks, and the request order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;
using vcl::TBitmap;
using vcl::TColor;

namespace {

constexpr TColor Back = 0x00D0E0F0;
constexpr TColor Cover = 0x00A0A0A0;
constexpr TColor Selected = 0x00602010;

// A 300 x 400 grid (two slides a row, three rows painted) in distinct colours.
std::unique_ptr<TThumbnails> MakeGrid() {
    auto t = std::make_unique<TThumbnails>(nullptr);
    t->SetBounds(0, 0, 300, 400);
    t->SetColorBackGnd(Back);
    t->SetColorCover(Cover);
    t->SetColorSelected(Selected);
    return t;
}

TColor Rgb(TColor C) { return C & 0xFFFFFF; }

struct Picture {
    TBitmap bmp;
    explicit Picture(TThumbnails& T) {
        bmp.SetSize(T.GetWidth(), T.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(0x00123456);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, T.GetWidth(), T.GetHeight()));
        T.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    TColor At(int X, int Y) { return Rgb(bmp.GetCanvas()->GetPixels(X, Y)); }
};

// A picture of W x H in one colour.
void Fill(TBitmap* B, int W, int H, TColor C) {
    B->SetSize(W, H);
    B->GetCanvas()->GetBrush()->SetColor(C);
    B->GetCanvas()->FillRect(vcl::Rect(0, 0, W, H));
}

}  // namespace

TEST(ThumbnailsPaint, EmptySlidesWithTheirNumbers) {
    auto t = MakeGrid();
    t->SetSlideSelected(2, true);
    Picture p(*t);
    // Slide 1: (10, 12) - (144, 146), raised frame: white top and left, gray right and bottom.
    EXPECT_EQ(p.At(10, 80), 0xFFFFFFu);
    EXPECT_EQ(p.At(144, 80), 0x808080u);
    EXPECT_EQ(p.At(13, 15), Rgb(Cover));
    EXPECT_EQ(p.At(143, 145), Rgb(Cover));    // the fill reaches the frame on both sides
    // The white box: (17, 39) - (137, 119), black outline, right and bottom edges excluded.
    EXPECT_EQ(p.At(17, 39), 0u);
    EXPECT_EQ(p.At(136, 118), 0u);
    EXPECT_EQ(p.At(20, 45), 0xFFFFFFu);
    EXPECT_EQ(p.At(137, 118), Rgb(Cover));
    EXPECT_EQ(p.At(17, 38), Rgb(Cover));
    // The number, centred on the slide: some dark pixels near (77, 79).
    vcl::TBitmap measure;
    measure.GetCanvas()->SetFont(t->GetFont());
    const int tw = measure.GetCanvas()->TextWidth("1"), th = measure.GetCanvas()->TextHeight("1");
    int dark = 0;
    for (int y = 79 - th / 2; y < 79 - th / 2 + th; ++y)
        for (int x = 77 - tw / 2; x < 77 - tw / 2 + tw; ++x) dark += p.At(x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 2);
    // Slide 2 is selected; the gap between the slides and the border stay background.
    EXPECT_EQ(p.At(149, 15), Rgb(Selected));
    EXPECT_EQ(p.At(145, 80), Rgb(Back));
    EXPECT_EQ(p.At(5, 80), Rgb(Back));
}

TEST(ThumbnailsPaint, PortraitAndLandscapePicturesKeepTheirShape) {
    auto t = MakeGrid();
    t->SetInnerFrameStyle(frNone);
    t->SetOnImageRequest([](vcl::TObject*, int Id, TImageRequestProcessing& How, int&, TBitmap* Buffer) {
        How = irpShowSlide;
        if (Id == 1) Fill(Buffer, 60, 120, vcl::clRed);       // portrait
        if (Id == 2) Fill(Buffer, 1024, 768, vcl::clBlue);    // landscape 4:3
        if (Id == 3) Buffer->SetSize(0, 0);                   // nothing loaded
    });
    Picture p(*t);
    // Slide 1: 60 x 120 at (47, 19) - (107, 139).
    EXPECT_EQ(p.At(47, 19), 0x0000FFu);
    EXPECT_EQ(p.At(106, 138), 0x0000FFu);
    EXPECT_EQ(p.At(46, 80), Rgb(Cover));
    EXPECT_EQ(p.At(107, 80), Rgb(Cover));
    // Slide 2 (x0 = 146): 120 x 90 at (153, 34) - (273, 124).
    EXPECT_EQ(p.At(153, 34), 0xFF0000u);
    EXPECT_EQ(p.At(272, 123), 0xFF0000u);
    EXPECT_EQ(p.At(200, 33), Rgb(Cover));
    EXPECT_EQ(p.At(200, 124), Rgb(Cover));
    // Slide 3: an empty buffer draws no picture.
    EXPECT_EQ(p.At(77, 220), Rgb(Cover));
}

TEST(ThumbnailsPaint, InnerFrameRoundThePicture) {
    auto t = MakeGrid();   // inner frame sunken: gray top and left, white bottom and right
    t->SetOnImageRequest([](vcl::TObject*, int, TImageRequestProcessing& How, int&, TBitmap* Buffer) {
        How = irpShowSlide;
        Fill(Buffer, 60, 120, vcl::clRed);
    });
    Picture p(*t);
    EXPECT_EQ(p.At(47, 80), 0x808080u);
    EXPECT_EQ(p.At(80, 19), 0x808080u);
    EXPECT_EQ(p.At(107, 80), 0xFFFFFFu);
    EXPECT_EQ(p.At(80, 139), 0xFFFFFFu);
    EXPECT_EQ(p.At(60, 60), 0x0000FFu);
}

TEST(ThumbnailsPaint, AntiAliasAveragesWhatItShrinks) {
    auto t = MakeGrid();
    t->SetInnerFrameStyle(frNone);
    // Columns alternately black and white, shrunk to half.
    t->SetOnImageRequest([](vcl::TObject*, int, TImageRequestProcessing& How, int&, TBitmap* Buffer) {
        How = irpShowSlide;
        Fill(Buffer, 240, 240, vcl::clWhite);
        Buffer->GetCanvas()->GetPen()->SetColor(vcl::clBlack);
        for (int x = 0; x < 240; x += 2) {
            Buffer->GetCanvas()->MoveTo(x, 0);
            Buffer->GetCanvas()->LineTo(x, 240);
        }
    });
    Picture sampled(*t);
    for (int x = 30; x < 40; ++x) {
        const TColor c = sampled.At(x, 80);
        EXPECT_TRUE(c == 0u || c == 0xFFFFFFu) << std::hex << c;
    }
    t->SetAntiAlias(true);
    Picture averaged(*t);
    for (int x = 30; x < 40; ++x) {
        const int g = averaged.At(x, 80) & 0xFF;
        EXPECT_NEAR(g, 128, 3) << x;
    }
}

TEST(ThumbnailsPaint, ShowNothingLeavesBackgroundButDrawsTheMark) {
    auto t = MakeGrid();
    t->SetColorMark(vcl::clRed);
    t->SetOnImageRequest([](vcl::TObject*, int Id, TImageRequestProcessing& How, int& Mark, TBitmap*) {
        if (Id == 1) {
            How = irpShowNothing;
            Mark = 12;   // a small filled circle
        } else if (Id == 2) {
            How = irpShowFrameOnly;
            Mark = 1;    // a plus
        }
    });
    Picture p(*t);
    EXPECT_EQ(p.At(20, 24), 0x0000FFu);        // the mark at (x0 + 10, y0 + 12)
    EXPECT_EQ(p.At(10, 80), Rgb(Back));        // no frame
    EXPECT_EQ(p.At(77, 79), Rgb(Back));        // no slide, no box, no number
    EXPECT_EQ(p.At(120, 130), Rgb(Back));
    // Slide 2: square and frame, the mark, but no white box.
    EXPECT_EQ(p.At(156, 24), 0x0000FFu);
    EXPECT_EQ(p.At(146, 80), 0xFFFFFFu);
    EXPECT_EQ(p.At(213, 79), Rgb(Cover));
}

TEST(ThumbnailsPaint, BorderBandsAndControlFrame) {
    auto t = MakeGrid();
    Picture unscrolled(*t);                              // row 3 reaches 418
    EXPECT_EQ(unscrolled.At(12, 389), Rgb(Cover));
    EXPECT_EQ(unscrolled.At(12, 390), Rgb(Back));        // the bottom band covers it
    t->SetFirstThumbIdx(3.5);                            // row 1 starts at -56
    Picture p(*t);
    EXPECT_EQ(p.At(12, 9), Rgb(Back));                   // the top band covers it
    EXPECT_EQ(p.At(12, 10), Rgb(Cover));
    // Sunken frame on (0, 0) - (298, 398): gray top and left, white bottom and right.
    EXPECT_EQ(p.At(0, 200), 0x808080u);
    EXPECT_EQ(p.At(150, 0), 0x808080u);
    EXPECT_EQ(p.At(298, 200), 0xFFFFFFu);
    EXPECT_EQ(p.At(150, 398), 0xFFFFFFu);
    EXPECT_EQ(p.At(299, 200), Rgb(Back));
}

TEST(ThumbnailsPaint, RequestsEveryVisibleSlideColumnByColumn) {
    auto t = MakeGrid();
    t->SetMax(5);
    std::vector<std::string> log;
    t->SetOnFirstImageRequest([&](vcl::TObject*) { log.push_back("first"); });
    t->SetOnLastImageRequest([&](vcl::TObject*) { log.push_back("last"); });
    t->SetOnImageRequest([&](vcl::TObject*, int Id, TImageRequestProcessing&, int&, TBitmap*) {
        log.push_back(std::to_string(Id));
    });
    t->SetOnSlideRendered([&](vcl::TObject*, vcl::TCanvas*, int X, int Y, int Id) {
        log.push_back(std::to_string(Id) + "@" + std::to_string(X) + "," + std::to_string(Y));
    });
    Picture p(*t);
    const std::vector<std::string> want{"first", "1", "1@10,12",   "3", "3@10,148", "5", "5@10,284",
                                        "2",     "2@146,12",      "4", "4@146,148", "last"};
    EXPECT_EQ(log, want);
    EXPECT_EQ(t->GetNumSlidesHoriz(), 2);
    EXPECT_EQ(t->GetNumSlidesVert(), 3);
}

TEST(ThumbnailsPaint, MinAboveMaxShowsNothing) {
    auto t = MakeGrid();
    t->SetMin(50);
    t->SetMax(10);
    int requests = 0;
    t->SetOnImageRequest([&](vcl::TObject*, int, TImageRequestProcessing&, int&, TBitmap*) { ++requests; });
    Picture p(*t);
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(p.At(77, 79), Rgb(Back));
    EXPECT_EQ(t->CalcSlideIndex(77, 79), 0);
}

TEST(ThumbnailsPaint, WiderControlReflowsAndKeepsTheRowOfTheScrollPosition) {
    auto t = MakeGrid();
    t->SetFirstThumbIdx(4);                 // 3.5 with two slides a row
    ASSERT_DOUBLE_EQ(t->GetFirstThumbIdx(), 3.5);
    t->SetBounds(0, 0, 440, 400);           // three slides a row
    Picture p(*t);
    EXPECT_EQ(t->GetNumSlidesHoriz(), 3);
    // 3.5 is slide 3.5 of the row 1..3: 1 + 2.5 / 3.
    EXPECT_DOUBLE_EQ(t->GetFirstThumbIdx(), 1 + 2.5 / 3);
}

// A handler that raises for one slide: that slide shows the error mark (a red cross over a
// white picture area), the others paint, and the error reaches the caller once the picture
// is shown (it used to leave the whole control unpainted).
TEST(ThumbnailsPaint, AHandlerRaisingForOneSlideMarksThatSlideOnly) {
    auto t = MakeGrid();
    std::vector<int> requested;
    t->SetOnImageRequest([&](vcl::TObject*, int Id, TImageRequestProcessing&, int&, TBitmap*) {
        requested.push_back(Id);
        if (Id == 3) throw vcl::Exception("slide 3 cannot be read");
    });
    TBitmap bmp;
    bmp.SetSize(300, 400);
    bmp.GetCanvas()->GetBrush()->SetColor(0x00123456);
    bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, 300, 400));
    try {
        t->PaintTo(bmp.GetCanvas(), 0, 0);
        ADD_FAILURE() << "the handler's error was lost";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.Message(), "slide 3 cannot be read");
    }
    auto at = [&](int X, int Y) { return Rgb(bmp.GetCanvas()->GetPixels(X, Y)); };
    EXPECT_EQ(requested, (std::vector<int>{1, 3, 5, 2, 4, 6}));
    // Slides 1, 2, 4 and 5 as ever: their white boxes, their covers.
    EXPECT_EQ(at(20, 45), 0xFFFFFFu);
    EXPECT_EQ(at(149, 15), Rgb(Cover));
    EXPECT_EQ(at(160, 185), 0xFFFFFFu);
    EXPECT_EQ(at(20, 320), 0xFFFFFFu);
    // Slide 3, (10, 148) - (144, 282): its cover and frame, the cross through the middle of
    // its picture area (17, 155) - (137, 275), white beside the cross.
    EXPECT_EQ(at(13, 151), Rgb(Cover));
    EXPECT_EQ(at(10, 200), 0xFFFFFFu);   // the raised frame's light edge
    EXPECT_EQ(at(77, 215), Rgb(vcl::clRed));
    EXPECT_EQ(at(40, 178), Rgb(vcl::clRed));
    EXPECT_EQ(at(114, 178), Rgb(vcl::clRed));
    EXPECT_EQ(at(77, 170), 0xFFFFFFu);
    // The border and the frame are painted too.
    EXPECT_EQ(at(77, 395), Rgb(Back));
}

// Scrolled by half a row, a fourth row of slides reaches above the bottom band: it is
// requested and painted (the count of rows used to stop at Height div pitch + 1, leaving a
// strip of background at the bottom).
TEST(ThumbnailsPaint, AScrolledGridPaintsTheRowThatReachesTheBottom) {
    auto t = MakeGrid();
    t->SetFirstThumbIdx(4);   // 3.5: slides 3 and 4 on top, 68 pixels scrolled out
    std::vector<int> requested;
    t->SetOnImageRequest([&](vcl::TObject*, int Id, TImageRequestProcessing&, int&, TBitmap*) {
        requested.push_back(Id);
    });
    Picture p(*t);
    EXPECT_EQ(t->GetNumSlidesVert(), 4);
    EXPECT_EQ(requested, (std::vector<int>{3, 5, 7, 9, 4, 6, 8, 10}));
    // Slide 9: (10, 352) - (144, 486), its white box from y = 379; the bottom band stays.
    EXPECT_EQ(p.At(77, 365), Rgb(Cover));
    EXPECT_EQ(p.At(20, 385), 0xFFFFFFu);
    EXPECT_EQ(p.At(200, 365), Rgb(Cover));
    EXPECT_EQ(p.At(77, 395), Rgb(Back));
    // Not scrolled, three rows fill the same height.
    t->SetFirstThumbIdx(1);
    requested.clear();
    Picture q(*t);
    EXPECT_EQ(t->GetNumSlidesVert(), 3);
    EXPECT_EQ(requested, (std::vector<int>{1, 3, 5, 2, 4, 6}));
}
