// The paint buffer: a picture composed through it and shown on a clipped canvas has the
// pixels of the same picture composed in a bitmap of the whole area; the bitmap covers only
// the visible region (widened to keep hatch phases), so areas of any size compose; a picture
// kept between paints covers the whole area when it can.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Graphics.h"

using namespace vcl;

namespace {

constexpr TColor Ground = 0x808080;

std::unique_ptr<TBitmap> Surface(int W, int H) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(W, H);
    b->GetCanvas()->GetBrush()->SetColor(Ground);
    b->GetCanvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

// A picture in Area's own coordinates (shifted by its corner) whose pixels depend on the
// bitmap's alignment: a hatched box, an ellipse, a dotted line, text over a clear brush.
void DrawScene(TCanvas* C, const TRect& Area) {
    const int x = Area.Left, y = Area.Top;
    C->GetPen()->SetColor(clBlue);
    C->GetBrush()->SetColor(clOlive);
    C->GetBrush()->SetStyle(bsDiagCross);
    C->Rectangle(x + 3, y + 2, x + 90, y + 70);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clRed);
    C->Ellipse(x + 20, y + 10, x + 130, y + 95);
    C->GetPen()->SetStyle(psDot);
    C->MoveTo(x, Area.Bottom - 1);
    C->LineTo(Area.Right, y);
    C->GetBrush()->SetStyle(bsClear);
    C->GetFont()->SetColor(clGreen);
    C->TextOut(x + 40, y + 40, "Clip");
}

TEST(PaintBuffer, ThroughAClipShowsThePixelsOfTheWholePicture) {
    const TRect area = Rect(11, 6, 171, 131);
    auto whole = Surface(200, 150);
    {
        TBitmap picture;
        picture.SetSize(area.Width(), area.Height());
        DrawScene(picture.GetCanvas(), Rect(0, 0, area.Width(), area.Height()));
        whole->GetCanvas()->Draw(area.Left, area.Top, &picture);
    }
    for (const TRect clip : {Rect(37, 23, 150, 101), Rect(0, 0, 200, 150), Rect(160, 120, 199, 149)}) {
        auto clipped = Surface(200, 150);
        TCanvas* target = clipped->GetCanvas();
        target->SetClipRect(clip);
        TPaintBuffer buffer(target, area);
        const TRect shown = IntersectRect(clip, area);
        // The bitmap starts a multiple of 8 pixels from the area's corner, at most 7 before
        // the visible region, and ends with it.
        EXPECT_EQ((buffer.GetBounds().Left - area.Left) % 8, 0);
        EXPECT_EQ((buffer.GetBounds().Top - area.Top) % 8, 0);
        EXPECT_LE(shown.Left - buffer.GetBounds().Left, 7);
        EXPECT_LE(shown.Top - buffer.GetBounds().Top, 7);
        EXPECT_EQ(buffer.GetBounds().Right, shown.Right);
        EXPECT_EQ(buffer.GetBounds().Bottom, shown.Bottom);
        EXPECT_EQ(buffer.GetBitmap()->GetWidth(), buffer.GetBounds().Width());
        DrawScene(buffer.GetCanvas(), area);
        buffer.Show();
        target->ResetClipRect();
        int differences = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x) {
                const TColor expected = clip.Contains(TPoint(x, y)) ? whole->GetCanvas()->GetPixels(x, y) : Ground;
                if (clipped->GetCanvas()->GetPixels(x, y) != expected) ++differences;
            }
        EXPECT_EQ(differences, 0) << clip.Left << ", " << clip.Top;
    }
}

TEST(PaintBuffer, AnAreaOutOfSightComposesNothing) {
    auto target = Surface(100, 100);
    target->GetCanvas()->SetClipRect(Rect(0, 0, 50, 50));
    TPaintBuffer buffer(target->GetCanvas(), Rect(60, 10, 90, 40));
    EXPECT_TRUE(buffer.Empty());
    EXPECT_EQ(buffer.GetBitmap()->GetWidth(), 0);
    buffer.GetCanvas()->GetBrush()->SetColor(clRed);
    buffer.GetCanvas()->FillRect(Rect(60, 10, 90, 40));   // taken and dropped
    buffer.Show();
    target->GetCanvas()->ResetClipRect();
    EXPECT_EQ(target->GetCanvas()->GetPixels(70, 20), Ground);
    // A canvas without a surface shows nothing either.
    TCanvas bare;
    EXPECT_TRUE(TPaintBuffer(&bare, Rect(0, 0, 10, 10)).Empty());
}

// An area of 20,000 x 20,000 pixels (far past what a bitmap holds) ending inside the
// target: its visible corner is composed in a bitmap of about the target's size.
TEST(PaintBuffer, AHugeAreaComposesItsVisiblePart) {
    auto target = Surface(400, 300);
    const TRect area = Rect(300 - 20000, 200 - 20000, 300, 200);
    ASSERT_FALSE(TBitmap::CanHold(area.Width(), area.Height()));
    TPaintBuffer buffer(target->GetCanvas(), area);
    EXPECT_LE(buffer.GetBitmap()->GetWidth(), 300 + 7);
    EXPECT_LE(buffer.GetBitmap()->GetHeight(), 200 + 7);
    TCanvas* c = buffer.GetCanvas();
    c->GetPen()->SetColor(clBlue);
    c->GetBrush()->SetColor(clLime);
    c->Rectangle(area);                               // right and bottom edges at 299 and 199
    c->GetPen()->SetColor(clRed);
    c->MoveTo(area.Right - 50, area.Bottom - 60);     // a line near the area's far corner
    c->LineTo(area.Right - 10, area.Bottom - 60);
    buffer.Show();
    TCanvas* t = target->GetCanvas();
    EXPECT_EQ(t->GetPixels(0, 0), clLime);
    EXPECT_EQ(t->GetPixels(298, 198), clLime);
    EXPECT_EQ(t->GetPixels(299, 100), clBlue);
    EXPECT_EQ(t->GetPixels(150, 199), clBlue);
    EXPECT_EQ(t->GetPixels(250, 140), clRed);
    EXPECT_EQ(t->GetPixels(289, 140), clRed);
    EXPECT_EQ(t->GetPixels(290, 140), clLime);        // the line's last pixel is not drawn
    EXPECT_EQ(t->GetPixels(300, 100), Ground);
    EXPECT_EQ(t->GetPixels(100, 200), Ground);
}

TEST(PaintBuffer, AKeptPictureCoversTheWholeAreaWhenItCan) {
    auto target = Surface(400, 300);
    target->GetCanvas()->SetClipRect(Rect(0, 0, 50, 40));
    TBitmap kept;
    {
        TPaintBuffer buffer(target->GetCanvas(), Rect(0, 0, 160, 100), &kept);
        EXPECT_EQ(buffer.GetBitmap(), &kept);
        EXPECT_EQ(kept.GetWidth(), 160);
        EXPECT_EQ(kept.GetHeight(), 100);
    }
    {
        TPaintBuffer buffer(target->GetCanvas(), Rect(0, 0, 20000, 20000), &kept);
        EXPECT_EQ(kept.GetWidth(), 50);
        EXPECT_EQ(kept.GetHeight(), 40);
        kept.GetCanvas()->GetBrush()->SetColor(clRed);
        kept.GetCanvas()->FillRect(Rect(10, 10, 20, 20));
        buffer.Show();
    }
    target->GetCanvas()->ResetClipRect();
    EXPECT_EQ(target->GetCanvas()->GetPixels(15, 15), clRed);
    // The picture's canvas is back at its own origin.
    EXPECT_EQ(kept.GetCanvas()->GetOrigin(), TPoint(0, 0));
}

}  // namespace
