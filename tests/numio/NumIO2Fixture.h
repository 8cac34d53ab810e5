// A shown form on the headless backend with one numeric control, keys typed as the window
// backend sends them, and pixel reads of the form's back buffer in the control's coordinates.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "numio/Zyn_NumIO2.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

namespace zyn_test {

class NumIO2Test : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        vcl::Clipboard()->Clear();
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 400, 200);
        form->Show();
        n = new zyn::TNumIO2(form.get());
        n->SetName("Field");
        n->SetParent(form.get());
        n->SetBounds(Left, Top, 200, 28);
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
    }

    // The virtual key that types Ch (digits, A..F, "+", "-", ",", ".").
    static vcl::WORD KeyOf(char Ch) {
        switch (Ch) {
            case '.': return 190;
            case ',': return 188;
            case '-': return 189;
            case '+': return 187;
            default: return vcl::WORD(Ch >= 'a' && Ch <= 'z' ? Ch - 32 : Ch);
        }
    }
    void Key(vcl::WORD K, vcl::TShiftState Shift = {}) {
        vcl::Input::KeyDown(n, K, Shift);
        vcl::Input::KeyUp(n, K, Shift);
    }
    void Type(const std::string& Keys) {
        for (char c : Keys) Key(KeyOf(c));
    }
    // Buffer and caret after typing into a buffer set through Text (caret at the end).
    void Start(const std::string& Text) {
        n->SetText(Text);
        n->SetFocus();
        Key(vcl::VK_END);
    }
    // A pixel of the control (client coordinates) as 0x00BBGGRR, after pending repaints.
    vcl::TColor Pixel(int X, int Y) {
        vcl::Application->ProcessMessages();
        return form->GetBackBuffer()->GetCanvas()->GetPixels(Left + X, Top + Y) & 0xFFFFFF;
    }

    static constexpr int Left = 10, Top = 20;
    std::unique_ptr<vcl::TForm> form;
    zyn::TNumIO2* n = nullptr;
};

}  // namespace zyn_test
