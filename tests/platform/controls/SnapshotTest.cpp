// A desktop form holding one of each standard control, saved as a picture to look at.
#include "tests/support/FormFixture.h"

#include <filesystem>

#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

TEST(SnapshotTest, FormWithEveryStandardControl) {
    Testing::ResetInput();
    TForm form(nullptr);
    form.SetCaption("Standard controls");
    form.SetBorderStyle(bsDialog);
    form.SetClientWidth(460);
    form.SetClientHeight(300);

    auto place = [&form](auto* c, int l, int t, int w, int h) {
        c->SetParent(&form);
        c->SetBounds(l, t, w, h);
        return c;
    };
    auto* nameLabel = place(new TLabel(&form), 12, 15, 60, 15);
    nameLabel->SetCaption("&Name:");
    auto* name = place(new TEdit(&form), 80, 12, 170, 21);
    name->SetText("Jane Doe — Grüße");
    nameLabel->SetFocusControl(name);
    auto* cityLabel = place(new TLabel(&form), 12, 44, 60, 15);
    cityLabel->SetCaption("City:");
    auto* city = place(new TEdit(&form), 80, 41, 170, 21);
    city->SetText("read-only");
    city->SetEnabled(false);
    auto* notesLabel = place(new TLabel(&form), 12, 73, 60, 15);
    notesLabel->SetCaption("Notes:");
    auto* notes = place(new TMemo(&form), 80, 70, 170, 70);
    notes->GetLines()->Add("First line");
    notes->GetLines()->Add("Second line, longer");
    notes->GetLines()->Add("Third");

    auto* remember = place(new TCheckBox(&form), 80, 150, 170, 17);
    remember->SetCaption("Remember me");
    remember->SetChecked(true);
    auto* disabled = place(new TCheckBox(&form), 80, 172, 170, 17);
    disabled->SetCaption("Disabled option");
    disabled->SetEnabled(false);

    auto* panel = place(new TPanel(&form), 270, 12, 178, 100);
    panel->SetCaption("Panel");
    auto* bold = new TSpeedButton(&form);
    bold->SetParent(panel);
    bold->SetBounds(8, 8, 26, 24);
    bold->SetCaption("B");
    bold->GetFont()->SetStyle({fsBold});
    auto* italic = new TSpeedButton(&form);
    italic->SetParent(panel);
    italic->SetBounds(36, 8, 26, 24);
    italic->SetCaption("I");
    italic->GetFont()->SetStyle({fsItalic});
    auto* flat = new TSpeedButton(&form);
    flat->SetParent(panel);
    flat->SetBounds(64, 8, 26, 24);
    flat->SetCaption("U");
    flat->SetFlat(true);
    for (auto* b : {bold, italic}) b->SetGroupIndex(1);
    bold->SetDown(true);
    auto* glyphButton = new TSpeedButton(&form);
    glyphButton->SetParent(panel);
    glyphButton->SetBounds(98, 8, 72, 24);
    glyphButton->SetCaption("Glyph");
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(12, 12);
    glyph.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    glyph.GetCanvas()->FillRect(Rect(0, 0, 12, 12));
    glyph.GetCanvas()->GetBrush()->SetColor(RGB(0x20, 0x90, 0x30));
    glyph.GetCanvas()->GetPen()->SetColor(RGB(0x10, 0x60, 0x20));
    glyph.GetCanvas()->Ellipse(1, 1, 11, 11);
    glyphButton->SetGlyph(&glyph);

    auto* bevel = place(new TBevel(&form), 270, 122, 178, 2);
    bevel->SetShape(bsTopLine);
    auto* info = place(new TLabel(&form), 270, 132, 178, 45);
    info->SetAutoSize(false);
    info->SetWordWrap(true);
    info->SetCaption("A label that wraps its words onto a second line.");

    auto* ok = place(new TButton(&form), 292, 262, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* cancel = place(new TButton(&form), 373, 262, 75, 25);
    cancel->SetCaption("Cancel");

    form.Show();
    name->SetFocus();
    name->SetSelStart(5);
    name->SetSelLength(3);
    Application->ProcessMessages();

    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/controls.png";
    form.SaveToPNG(file);
    EXPECT_TRUE(std::filesystem::exists(file));

    std::unique_ptr<TBitmap> shot = form.Snapshot();
    ASSERT_EQ(shot->GetWidth(), form.GetWidth());
    TCanvas* c = shot->GetCanvas();
    auto at = [&](TControl* ctl, int x, int y) {
        TPoint p = ctl->ClientToParent({x, y}, &form);
        return c->GetPixels(p.X + form.GetBorderWidth(), p.Y + form.GetCaptionHeight()) & 0xFFFFFF;
    };
    EXPECT_EQ(at(&form, 5, 5), TColor(0xF0F0F0));                      // grey face
    EXPECT_EQ(at(city, 0, 10), TColor(0xCCCCCC));                        // disabled border
    EXPECT_EQ(at(notes, 0, 30), TColor(0x7A7A7A));                       // grey border
    EXPECT_EQ(at(notes, 100, 65), TColor(clWhite));                      // white field
    EXPECT_EQ(at(name, 0, 10), TColor(RGB(0x00, 0x78, 0xD7)));           // focused: blue
    EXPECT_EQ(at(ok, 0, 12), TColor(RGB(0x00, 0x78, 0xD7)));             // default button
    EXPECT_EQ(at(cancel, 0, 12), TColor(RGB(0xAD, 0xAD, 0xAD)));
    EXPECT_EQ(at(cancel, 5, 5), TColor(RGB(0xE1, 0xE1, 0xE1)));
}

}  // namespace
