// A shown form on the headless backend with one numeric label, and pixel reads of the form's
// back buffer in the label's coordinates.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "numlab/Zyn_NumLab.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

namespace zyn_test {

class NumLabTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 300, 100);
        form->SetColor(vcl::clYellow);
        form->Show();
        lab = new zyn::TNumLab(form.get());
        lab->SetName("Reading");
        lab->SetParent(form.get());
        lab->SetBounds(Left, Top, 200, 28);
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
    }
    vcl::TColor Pixel(int X, int Y) {
        vcl::Application->ProcessMessages();
        return form->GetBackBuffer()->GetCanvas()->GetPixels(Left + X, Top + Y) & 0xFFFFFF;
    }
    // Whether some pixel of [L, R) x [T, B) differs from Ground.
    bool Ink(int L, int T, int R, int B, vcl::TColor Ground) {
        for (int y = T; y < B; ++y)
            for (int x = L; x < R; ++x)
                if (Pixel(x, y) != Ground) return true;
        return false;
    }
    // Whether a pixel of [L, R) x [T, B) is within 40 of C in every channel (text is drawn
    // with smoothed edges, so its colour shows near, not always at, full strength).
    bool Any(int L, int T, int R, int B, vcl::TColor C) {
        const auto near = [](vcl::TColor A, vcl::TColor B) {
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > 40) return false;
            return true;
        };
        for (int y = T; y < B; ++y)
            for (int x = L; x < R; ++x)
                if (near(Pixel(x, y), C)) return true;
        return false;
    }
    int TextWidth(const std::string& S) {
        probe.GetCanvas()->SetFont(lab->GetFont());
        return probe.GetCanvas()->TextWidth(S);
    }
    int TextHeight() {
        probe.GetCanvas()->SetFont(lab->GetFont());
        return probe.GetCanvas()->TextHeight("(8g]}ÜÄ§");
    }

    static constexpr int Left = 20, Top = 30;
    std::unique_ptr<vcl::TForm> form;
    zyn::TNumLab* lab = nullptr;
    vcl::TBitmap probe;
};

}  // namespace zyn_test
