// The canvas state saver: pen, brush, font, copy mode, clip and origin come back when its
// scope ends, through an exception too, and nested savers each restore their own state.
#include <gtest/gtest.h>

#include <stdexcept>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

// Everything the saver keeps, in one comparable value.
struct State {
    TColor penColor;
    int penWidth;
    TPenStyle penStyle;
    TPenMode penMode;
    TColor brushColor;
    TBrushStyle brushStyle;
    std::string fontName;
    int fontHeight;
    TColor fontColor;
    TFontStyles fontStyle;
    int fontOrientation;
    TCopyMode copyMode;
    bool hasClip;
    TRect clip;
    TPoint origin;
    bool operator==(const State&) const = default;
};

State Of(TCanvas* c) {
    return {c->GetPen()->GetColor(),    c->GetPen()->GetWidth(),       c->GetPen()->GetStyle(),
            c->GetPen()->GetMode(),     c->GetBrush()->GetColor(),     c->GetBrush()->GetStyle(),
            c->GetFont()->GetName(),    c->GetFont()->GetHeight(),     c->GetFont()->GetColor(),
            c->GetFont()->GetStyle(),   c->GetFont()->GetOrientation(), c->GetCopyMode(),
            c->HasClipRect(),           c->GetClipRect(),              c->GetOrigin()};
}

// Changes every part of the state.
void ChangeAll(TCanvas* c, int Step) {
    c->GetPen()->SetColor(RGB(10 * Step, 0, 0));
    c->GetPen()->SetWidth(2 + Step);
    c->GetPen()->SetStyle(psDot);
    c->GetPen()->SetMode(pmXor);
    c->GetBrush()->SetColor(RGB(0, 10 * Step, 0));
    c->GetBrush()->SetStyle(bsCross);
    c->GetFont()->SetName("Courier New");
    c->GetFont()->SetHeight(-20 - Step);
    c->GetFont()->SetColor(RGB(0, 0, 10 * Step));
    c->GetFont()->SetStyle({fsBold, fsItalic});
    c->GetFont()->SetOrientation(900);
    c->SetCopyMode(SRCINVERT);
    c->SetOrigin(TPoint(Step, 2 * Step));
    c->IntersectClipRect(TRect(Step, Step, 30, 30));
}

TEST(CanvasStateSaver, RestoresEverythingAtTheEndOfItsScopeAndThroughAThrow) {
    auto bmp = WhiteBitmap(40, 40);
    TCanvas* c = bmp->GetCanvas();
    c->GetPen()->SetColor(clRed);
    c->GetBrush()->SetColor(clYellow);
    const State before = Of(c);
    ASSERT_FALSE(before.hasClip);
    {
        TCanvasStateSaver saved(c);
        ChangeAll(c, 3);
        EXPECT_NE(Of(c), before);
    }
    EXPECT_EQ(Of(c), before);
    EXPECT_FALSE(c->HasClipRect());   // no clip before: none after, not the surface's rectangle

    EXPECT_THROW(
        {
            TCanvasStateSaver saved(c);
            ChangeAll(c, 5);
            throw std::runtime_error("drawing failed");
        },
        std::runtime_error);
    EXPECT_EQ(Of(c), before);
}

TEST(CanvasStateSaver, NestedSaversRestoreTheirOwnState) {
    auto bmp = WhiteBitmap(40, 40);
    TCanvas* c = bmp->GetCanvas();
    c->SetClipRect(TRect(2, 2, 38, 38));
    const State outside = Of(c);
    {
        TCanvasStateSaver outer(c);
        ChangeAll(c, 1);
        const State middle = Of(c);
        {
            TCanvasStateSaver inner(c);
            ChangeAll(c, 2);
            EXPECT_EQ(Of(c).clip, IntersectRect(middle.clip, TRect(2, 2, 30, 30)));
        }
        EXPECT_EQ(Of(c), middle);
    }
    EXPECT_EQ(Of(c), outside);
}

TEST(CanvasStateSaver, TheRestoredClipAndOriginHoldForDrawing) {
    // The clip is kept in logical coordinates, so it is restored after the origin: drawing
    // after the scope is clipped exactly as before it.
    auto bmp = WhiteBitmap(30, 30);
    TCanvas* c = bmp->GetCanvas();
    c->SetOrigin(TPoint(5, 5));
    c->SetClipRect(TRect(0, 0, 10, 10));   // device 5..14
    {
        TCanvasStateSaver saved(c);
        c->SetOrigin(TPoint(0, 0));
        c->SetClipRect(TRect(20, 20, 30, 30));
    }
    c->GetBrush()->SetColor(clBlack);
    c->FillRect(TRect(-5, -5, 25, 25));
    c->SetOrigin(TPoint(0, 0));
    c->ResetClipRect();
    EXPECT_EQ(InkBounds(c, TRect(0, 0, 30, 30)), TRect(5, 5, 15, 15));
}

}  // namespace
