// The gallery's form loader reads a form whose speed button has a glyph: the picture is
// there, pixel for pixel, and the form writes back to the file's text.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "platform/Buttons.h"
#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

using namespace vcl;

namespace {

TEST(FormPage, AFormWithAGlyphLoadsWithItsPicture) {
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/gallery-glyph-form.dfm";
    {
        TForm form(nullptr);
        form.SetName("GlyphForm");
        auto* button = new TSpeedButton(&form);
        button->SetName("Open");
        button->SetParent(&form);
        button->SetBounds(10, 10, 40, 40);
        TBitmap* g = button->GetGlyph();
        g->SetPixelFormat(pf24bit);
        g->SetSize(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) g->GetCanvas()->SetPixels(x, y, RGB(x * 16, y * 16, 128));
        WriteFormFile(file, &form);
    }
    TFileStream in(file, fmOpenRead);
    const std::string text = in.ReadAllText();
    ASSERT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;

    auto gallery = std::make_unique<gallery::TGalleryForm>(nullptr);
    gallery->AddFormPage(file);
    ASSERT_NE(gallery->FormPage(), nullptr);
    TSpeedButton* open = nullptr;
    for (int i = 0; i < gallery->FormPage()->GetControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(gallery->FormPage()->GetControls(i))) open = b;
    ASSERT_NE(open, nullptr);
    ASSERT_EQ(open->GetGlyph()->GetWidth(), 16);
    EXPECT_EQ(open->GetGlyph()->GetPixelFormat(), pf24bit);
    EXPECT_EQ(open->GetGlyph()->GetCanvas()->GetPixels(5, 9), RGB(80, 144, 128));
    EXPECT_NE(gallery->State().Text().find("form.Open=TSpeedButton"), std::string::npos);
    std::remove(file.c_str());
}

}  // namespace
