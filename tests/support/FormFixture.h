// The fixture of control tests: a shown form of a given shape on the headless backend with
// the virtual clock, the controls under test placed on it, and pixel probes of the form's
// back buffer and of a control's own picture.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Clipbrd.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"

namespace zyn_test {

// Where the fixture's form lies on the screen, its size and its border.
struct FormShape {
    int Left = 0;
    int Top = 0;
    int Width = 400;
    int Height = 300;
    vcl::TFormBorderStyle Border = vcl::bsNone;

    // A borderless 400 x 300 form at the screen's top-left corner: client = form.
    static FormShape Plain() { return {}; }
    // A framed 640 x 480 form away from the screen's edges, with room for drop-downs.
    static FormShape Framed() { return {100, 100, 640, 480, vcl::bsSizeable}; }
};

class FormFixture : public ::testing::Test {
protected:
    explicit FormFixture(FormShape Shape = FormShape::Plain()) : shape_(Shape) {}

    void SetUp() override {
        vcl::Application->SetVirtualClock(true);
        vcl::Testing::ResetInput();
        vcl::Clipboard()->Clear();
        vcl::Screen->SetCursor(vcl::crDefault);
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(shape_.Border);
        form->SetBounds(shape_.Left, shape_.Top, shape_.Width, shape_.Height);
        form->Show();
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
        vcl::Application->ProcessMessages();
    }

    // A control of class C owned by the form, on the form at the given bounds.
    template <class C>
    C* Place(int Left, int Top, int Width, int Height) {
        return PlaceOn<C>(form.get(), Left, Top, Width, Height);
    }
    // The same on another parent, with an optional name.
    template <class C>
    C* PlaceOn(vcl::TWinControl* Parent, int Left, int Top, int Width, int Height,
               const std::string& Name = {}) {
        auto* c = new C(form.get());
        if (!Name.empty()) c->SetName(Name);
        c->SetParent(Parent);
        c->SetBounds(Left, Top, Width, Height);
        return c;
    }

    // A pixel of the form's back buffer (client coordinates), as 0x00BBGGRR.
    vcl::TColor Pixel(int X, int Y) { return form->GetBackBuffer()->GetCanvas()->GetPixels(X, Y) & 0xFFFFFF; }
    // The control's picture rendered on its own (32-bit, white first).
    static std::unique_ptr<vcl::TBitmap> Render(vcl::TControl* Control) {
        auto bmp = std::make_unique<vcl::TBitmap>();
        bmp->SetPixelFormat(vcl::pf32bit);
        bmp->SetSize(Control->GetWidth(), Control->GetHeight());
        Control->PaintTo(bmp->GetCanvas(), 0, 0);
        return bmp;
    }
    static vcl::TColor Pixel(vcl::TBitmap* Bmp, int X, int Y) { return Bmp->GetCanvas()->GetPixels(X, Y); }
    static vcl::TColor RGBOf(vcl::TColor C) { return vcl::ColorToRGB(C); }

    std::unique_ptr<vcl::TForm> form;

private:
    FormShape shape_;
};

}  // namespace zyn_test
