// The self-drawn controls compose their picture in a buffer over the region the canvas shows:
// painted through a clip a control shows the pixels it shows painted whole, and one of
// 20,000 x 20,000 pixels paints its visible region the same through different clips.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "tests/generic/HostileSupport.h"
#include "tests/support/FormFixture.h"

namespace {

using namespace vcl;
using namespace zyn_test;

constexpr TColor Ground = 0x5A6B7C;

class ClippedPaint : public FormFixture, public ::testing::WithParamInterface<std::string> {
protected:
    // The control painted onto a fresh 400 x 300 surface at (0, 0) through Clip.
    std::unique_ptr<TBitmap> PaintThrough(TControl* Control, const TRect& Clip) {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(400, 300);
        TCanvas* c = b->GetCanvas();
        c->GetBrush()->SetColor(Ground);
        c->FillRect(Rect(0, 0, 400, 300));
        c->SetClipRect(Clip);
        Control->PaintTo(c, 0, 0);
        c->ResetClipRect();
        return b;
    }
    // Pixels inside Clip that differ between A and B, and pixels outside it left other than
    // the ground in B.
    static int Differences(TBitmap* A, TBitmap* B, const TRect& Clip) {
        int n = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const TColor b = B->GetCanvas()->GetPixels(x, y);
                if (Clip.Contains(TPoint(x, y)) ? b != A->GetCanvas()->GetPixels(x, y) : b != Ground) ++n;
            }
        return n;
    }
    TControl* Make() {
        const TClassInfo* cls = GetClass(GetParam());
        EXPECT_NE(cls, nullptr);
        auto* ctl = dynamic_cast<TControl*>(PlaceInstance(*cls, form.get()));
        EXPECT_NE(ctl, nullptr);
        return ctl;
    }
};

TEST_P(ClippedPaint, ThroughAClipShowsThePixelsOfTheWholePicture) {
    TControl* ctl = Make();
    ASSERT_NE(ctl, nullptr);
    ctl->SetBounds(0, 0, 160, 100);
    Application->ProcessMessages();
    const TRect whole = Rect(0, 0, 400, 300);
    std::unique_ptr<TBitmap> reference = PaintThrough(ctl, whole);
    for (const TRect clip : {Rect(37, 29, 121, 83), Rect(3, 61, 150, 97), Rect(150, 0, 400, 300)}) {
        std::unique_ptr<TBitmap> clipped = PaintThrough(ctl, clip);
        EXPECT_EQ(Differences(reference.get(), clipped.get(), clip), 0) << clip.Left << ", " << clip.Top;
    }
}

TEST_P(ClippedPaint, AControlOfTwentyThousandPixelsPaintsItsVisiblePart) {
    TControl* ctl = Make();
    ASSERT_NE(ctl, nullptr);
    ctl->SetBounds(0, 0, 20000, 20000);
    Application->ProcessMessages();
    std::unique_ptr<TBitmap> reference = PaintThrough(ctl, Rect(0, 0, 400, 300));
    // The picture starts at the control's corner: its top-left pixel is painted.
    EXPECT_NE(reference->GetCanvas()->GetPixels(0, 0), Ground);
    for (const TRect clip : {Rect(131, 77, 290, 260), Rect(5, 3, 60, 299)}) {
        std::unique_ptr<TBitmap> clipped = PaintThrough(ctl, clip);
        EXPECT_EQ(Differences(reference.get(), clipped.get(), clip), 0) << clip.Left << ", " << clip.Top;
    }
    // Seen from its far corner (the control placed up and left of the surface).
    ctl->SetBounds(400 - 20000, 300 - 20000, 20000, 20000);
    std::unique_ptr<TBitmap> corner = PaintThrough(ctl, Rect(0, 0, 400, 300));
    std::unique_ptr<TBitmap> clipped = PaintThrough(ctl, Rect(213, 141, 400, 300));
    EXPECT_EQ(Differences(corner.get(), clipped.get(), Rect(213, 141, 400, 300)), 0);
}

INSTANTIATE_TEST_SUITE_P(SelfDrawn, ClippedPaint,
                         ::testing::Values("TGradFill", "TMarkSel", "TMeter", "TNumIO2", "TNumLab", "TOnOffBut",
                                           "TProgBar", "TRasterLab", "TSevenSeg", "TThumbnails"),
                         ParamName);

}  // namespace
