// A calendar on a shown form of the headless backend, with "today" fixed at Friday,
// March 15, 2024, and pictures of it taken with PaintTo.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

namespace minical_test {

inline const double Today = vcl::EncodeDateTime(2024, 3, 15, 10, 30, 0, 0);

class MiniCalFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        vcl::Testing::SetNow(Today);
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 400, 300);
        // The form's first focus goes to this field, so that pictures show the calendar
        // without the keyboard (and its focus cue) unless a test gives it the focus.
        other = new vcl::TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(320, 10, 60, 21);
        cal = new zyn::TMiniCal(form.get());
        cal->SetName("Cal");
        cal->SetParent(form.get());
        cal->SetBounds(10, 10, 300, 180);
        // Glyph pixels take the text colour exactly.
        cal->GetFont()->SetQuality(vcl::fqNonAntialiased);
        cal->SetOnChange([this](vcl::TObject*) { ++changes; });
        form->Show();
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Application->SetOnException(nullptr);
        vcl::Testing::ResetInput();
        vcl::Testing::ResetNow();
    }
    void SetDate(int Y, int M, int D) {
        cal->SetDate(vcl::EncodeDate(Y, M, D));
        changes = 0;
    }
    bool Is(int Y, int M, int D) const { return cal->GetDate() == vcl::EncodeDate(Y, M, D); }
    // The middle of a cell, in the calendar's client coordinates.
    vcl::TPoint Centre(int Col, int Row) const {
        const vcl::TRect r = cal->CellRect(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickCell(int Col, int Row, vcl::TMouseButton Button = vcl::mbLeft) {
        const vcl::TPoint p = Centre(Col, Row);
        vcl::Input::Click(cal, p.X, p.Y, {}, Button);
    }

    std::unique_ptr<vcl::TForm> form;
    zyn::TMiniCal* cal = nullptr;
    vcl::TEdit* other = nullptr;
    int changes = 0;
};

// The calendar painted into a bitmap of its size over a colour it never uses. At takes
// client coordinates (those of CellRect); Frame the window's, border included.
struct Picture {
    static constexpr vcl::TColor Under = 0x00123456;
    mutable vcl::TBitmap bmp;
    vcl::TPoint client;   // the client area's top-left in the picture
    explicit Picture(zyn::TMiniCal& Cal) {
        bmp.SetSize(Cal.GetWidth(), Cal.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(Under);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, Cal.GetWidth(), Cal.GetHeight()));
        Cal.PaintTo(bmp.GetCanvas(), 0, 0);
        client = {Cal.NonClientInsets().Left, Cal.NonClientInsets().Top};
    }
    vcl::TColor At(int X, int Y) const { return Frame(X + client.X, Y + client.Y); }
    vcl::TColor Frame(int X, int Y) const { return bmp.GetCanvas()->GetPixels(X, Y) & 0xFFFFFF; }
};

}  // namespace minical_test
