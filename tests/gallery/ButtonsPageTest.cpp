// The buttons page's toolbar glyphs are drawn in the ink of the theme in use, again after
// every switch, so a live change of theme leaves no light-theme ink on a dark face.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Themes.h"

using namespace vcl;

namespace {

TSpeedButton* ButtonWithHint(TComponent* Owner, const std::string& Hint) {
    for (int i = 0; i < Owner->GetComponentCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(Owner->GetComponent(i)); b != nullptr && b->GetHint() == Hint)
            return b;
    return nullptr;
}

TEST(ButtonsPage, ToolbarGlyphsFollowALiveThemeSwitch) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    int page = -1;
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "buttons") page = int(i);
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    TSpeedButton* left = ButtonWithHint(form.get(), "Left");
    ASSERT_NE(left, nullptr);
    // (2, 3) lies on the first text line of the left-alignment glyph; (15, 15) on its ground.
    auto ink = [&] { return left->GetGlyph()->GetCanvas()->GetPixels(2, 3); };
    const TColor ground = left->GetGlyph()->GetCanvas()->GetPixels(15, 15);
    EXPECT_EQ(ink(), TColor(0x5A4632));
    Application->SetTheme("dark");
    EXPECT_EQ(ink(), RGB(0xE0, 0xE0, 0xE0));
    Application->SetTheme("high-contrast");
    EXPECT_EQ(ink(), clWhite);
    Application->SetTheme("light");
    EXPECT_EQ(ink(), TColor(0x5A4632));
    EXPECT_EQ(left->GetGlyph()->GetCanvas()->GetPixels(15, 15), ground);
    EXPECT_TRUE(left->GetGlyph()->GetTransparent());
}

}  // namespace
