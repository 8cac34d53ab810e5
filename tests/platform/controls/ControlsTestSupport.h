// Shared fixture of the controls tests: a shown form on the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Clipbrd.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"

namespace zyn_test {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        vcl::Clipboard()->Clear();
        vcl::Screen->SetCursor(vcl::crDefault);
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
    }
    // A pixel of the form's back buffer (client coordinates), as 0x00BBGGRR.
    vcl::TColor Pixel(int X, int Y) {
        return form->GetBackBuffer()->GetCanvas()->GetPixels(X, Y) & 0xFFFFFF;
    }
    template <class C>
    C* Make(vcl::TWinControl* Parent, int L, int T, int W, int H, const std::string& Name = {}) {
        auto* c = new C(form.get());
        if (!Name.empty()) c->SetName(Name);
        c->SetParent(Parent);
        c->SetBounds(L, T, W, H);
        return c;
    }

    std::unique_ptr<vcl::TForm> form;
};

}  // namespace zyn_test
