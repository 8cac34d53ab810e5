// Fixtures of the dot-matrix label's tests: a picture of a label rendered off-screen, and a
// shown form on the virtual clock that records reported exceptions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"
#include "rasterlab/Zyn_RasterLab.h"

namespace rasterlab_test {

// The label painted into a bitmap of its size, prefilled with a colour it never uses.
struct Picture {
    static constexpr vcl::TColor Untouched = 0x00123456;
    mutable vcl::TBitmap bmp;
    explicit Picture(zyn::TRasterLab& L) {
        bmp.SetSize(L.GetWidth(), L.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(Untouched);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, L.GetWidth(), L.GetHeight()));
        L.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    vcl::TColor At(int X, int Y) const { return bmp.GetCanvas()->GetPixels(X, Y); }
};

// A shown form with one label on it, the virtual clock running and exceptions reported
// through the application collected instead of shown.
class ShownLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        wasVirtual_ = vcl::Application->GetVirtualClock();
        vcl::Application->SetVirtualClock(true);
        savedHandler_ = vcl::Application->GetOnException();
        vcl::Application->SetOnException([this](vcl::TObject* Sender, vcl::Exception& E) {
            reportedSender = Sender;
            reported.push_back(E.Message());
        });
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 500, 200);
        label = new zyn::TRasterLab(form.get());
        label->SetName("Board");
        label->SetParent(form.get());
        label->SetBounds(10, 10, 400, 68);
        form->Show();
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::FailNextTimers(0);
        vcl::Application->SetOnException(savedHandler_);
        vcl::Application->SetVirtualClock(wasVirtual_);
    }
    // Paints what is pending and answers how often the label was painted since the last call.
    int Repaints() {
        vcl::Application->ProcessMessages();
        const int n = vcl::Testing::PaintCount(label) - lastPaints_;
        lastPaints_ = vcl::Testing::PaintCount(label);
        return n;
    }

    std::unique_ptr<vcl::TForm> form;
    zyn::TRasterLab* label = nullptr;
    vcl::TObject* reportedSender = nullptr;
    std::vector<std::string> reported;

private:
    bool wasVirtual_ = false;
    int lastPaints_ = 0;
    vcl::TExceptionEvent savedHandler_;
};

}  // namespace rasterlab_test
