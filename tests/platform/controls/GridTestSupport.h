// Shared fixture of the grid, combo box, tree view and date picker tests: a shown form on
// the headless backend with the virtual clock, and pixel probes of a control's picture.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"

namespace gridtest {

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Application->SetVirtualClock(true);
        vcl::Testing::ResetInput();
        form_ = std::make_unique<vcl::TForm>(nullptr);
        form_->SetBounds(100, 100, 640, 480);
        form_->Show();
    }
    void TearDown() override {
        form_.reset();
        vcl::Testing::ResetInput();
        vcl::Application->ProcessMessages();
    }

    // Creates a control of type T on the form at the given bounds.
    template <class T>
    T* Place(int Left, int Top, int Width, int Height) {
        auto* c = new T(form_.get());
        c->SetParent(form_.get());
        c->SetBounds(Left, Top, Width, Height);
        return c;
    }

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

    std::unique_ptr<vcl::TForm> form_;
};

}  // namespace gridtest
