// Switching by property and by mouse, groups, speed-button mode, placement, user glyphs
// and copying of the on/off button.
#include <filesystem>
#include <string>

#include "OnOffButTestSupport.h"
#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"

using namespace zyn;
using namespace vcl;
using zyn_test::CountingOnOffBut;
using zyn_test::OnOffButTest;

// ---- groups ---------------------------------------------------------------------------------

TEST_F(OnOffButTest, GroupThatMayNotBeAllOffKeepsExactlyOneOn) {
    auto* a = MakeButton(0, 0);
    auto* b = MakeButton(100, 0);
    auto* c = MakeButton(200, 0);
    for (auto* x : {a, b, c}) x->SetAllowAllOff(false);
    // Buttons start on; each one joining the group announces itself, so the last one wins.
    for (auto* x : {a, b, c}) x->SetGroupIndex(1);
    EXPECT_FALSE(a->GetOnOff());
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_TRUE(c->GetOnOff());

    ClickGlyph(c);   // the one that is on stays on
    EXPECT_TRUE(c->GetOnOff());
    c->SetOnOff(false);   // and cannot be switched off
    EXPECT_TRUE(c->GetOnOff());

    ClickGlyph(a);
    EXPECT_TRUE(a->GetOnOff());
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_FALSE(c->GetOnOff());
    b->SetOnOff(true);
    EXPECT_FALSE(a->GetOnOff());
    EXPECT_TRUE(b->GetOnOff());
}

TEST_F(OnOffButTest, GroupThatMayBeAllOffAndSharingAllowAllOff) {
    auto* a = MakeButton(0, 0);
    auto* b = MakeButton(100, 0);
    a->SetGroupIndex(2);
    b->SetGroupIndex(2);   // switches a off
    ASSERT_FALSE(a->GetOnOff());
    ClickGlyph(b);         // AllowAllOff (the default): the last one may go off
    EXPECT_FALSE(b->GetOnOff());
    b->SetOnOff(true);
    b->SetOnOff(false);
    EXPECT_FALSE(b->GetOnOff());

    // A member that joins while it has no parent is on together with a.
    a->SetOnOff(true);
    auto* late = new CountingOnOffBut(form.get());
    late->SetGroupIndex(2);
    late->SetParent(form.get());
    late->SetBounds(200, 0, 100, 50);
    ASSERT_TRUE(a->GetOnOff());
    ASSERT_TRUE(late->GetOnOff());
    // Setting AllowAllOff on one member copies it to all, and the other one that is on
    // switches off.
    late->SetAllowAllOff(false);
    EXPECT_FALSE(a->GetAllowAllOff());
    EXPECT_FALSE(b->GetAllowAllOff());
    EXPECT_FALSE(a->GetOnOff());
    EXPECT_TRUE(late->GetOnOff());
    a->SetOnOff(true);
    EXPECT_FALSE(late->GetOnOff());
}

TEST_F(OnOffButTest, GroupsAreKeptApartByIndexParentAndKind) {
    // Negative indexes never match: such buttons are independent.
    auto* n1 = MakeButton(0, 0);
    auto* n2 = MakeButton(100, 0);
    n1->SetGroupIndex(-1);
    n2->SetGroupIndex(-1);
    n1->SetOnOff(false);
    n1->SetOnOff(true);
    EXPECT_TRUE(n1->GetOnOff());
    EXPECT_TRUE(n2->GetOnOff());

    // Another index, or the same index under another parent, is another group.
    auto* g3 = MakeButton(0, 60);
    g3->SetGroupIndex(3);
    auto* panel = PlaceOn<TPanel>(form.get(), 0, 120, 300, 60);
    auto* elsewhere = PlaceOn<CountingOnOffBut>(panel, 0, 0, 100, 50);
    elsewhere->SetGroupIndex(4);
    auto* g4 = MakeButton(100, 60);
    g4->SetGroupIndex(4);
    EXPECT_TRUE(g3->GetOnOff());
    EXPECT_TRUE(elsewhere->GetOnOff());
    EXPECT_TRUE(g4->GetOnOff());

    // Speed buttons use the same message for their groups; the two kinds ignore each other.
    auto* speed = PlaceOn<TSpeedButton>(form.get(), 200, 60, 40, 25);
    speed->SetGroupIndex(4);
    speed->SetDown(true);
    EXPECT_TRUE(g4->GetOnOff());
    g4->SetOnOff(false);
    g4->SetOnOff(true);
    EXPECT_TRUE(speed->GetDown());
}

// ---- mouse ----------------------------------------------------------------------------------

TEST_F(OnOffButTest, FocusedPressesCountOnlyInsideTheGlyph) {
    auto* b = MakeButton(0, 0);
    ASSERT_EQ(b->GetMouseAction(), oomaFocused);
    const int LS = b->GetLeftSpace(), TS = b->GetTopSpace(), gw = b->GetGlyphWidth(), gh = b->GetGlyphHeight();
    int downs = 0, clicks = 0;
    b->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
    b->SetOnClick([&](TObject* s) {
        EXPECT_EQ(s, b);
        ++clicks;
    });
    Input::Click(b, LS, TS + gh / 2);   // one pixel left of the glyph
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 0);
    Input::Click(b, LS + gw / 2, TS);   // one pixel above
    EXPECT_TRUE(b->GetOnOff());
    Input::Click(b, LS + 1, TS + 1);    // the glyph's first pixel
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);
    Input::Click(b, LS + gw - 1, TS + gh - 1);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_EQ(clicks, 2);
    Input::Click(b, LS + gw / 2, TS + gh / 2, {}, mbRight);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_EQ(downs, 5);

    // A press on the glyph released beside it switches, but is no click.
    Input::MouseDown(b, mbLeft, {}, LS + 5, TS + 5);
    Input::MouseUp(b, mbLeft, {}, 2, 2);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 2);
}

TEST_F(OnOffButTest, PlainPressesCountAnywhereAndNoneNever) {
    auto* b = MakeButton(0, 0);
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    b->SetMouseAction(oomaPlain);
    Input::Click(b, 2, 2);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);
    b->SetMouseAction(oomaNone);
    ClickGlyph(b);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);
    // A disabled button takes no presses.
    b->SetMouseAction(oomaPlain);
    b->SetEnabled(false);
    Input::Click(b, 2, 2);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);
}

TEST_F(OnOffButTest, SpeedButtonIsOnOnlyWhileHeld) {
    auto* a = MakeButton(0, 0);
    auto* b = MakeButton(100, 0);
    a->SetGroupIndex(5);
    b->SetGroupIndex(5);
    a->SetOnOff(true);
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    b->SetMode(oobmSpeedBut);   // switches off at once, without telling the group
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_TRUE(a->GetOnOff());

    const TPoint p = GlyphCentre(b);
    Input::MouseDown(b, mbLeft, {}, p.X, p.Y);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_FALSE(a->GetOnOff());   // switching on tells the group
    EXPECT_EQ(clicks, 0);
    Input::MouseUp(b, mbLeft, {}, p.X, p.Y);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);

    // Released away from the glyph: off all the same, but no click.
    Input::MouseDown(b, mbLeft, {}, p.X, p.Y);
    Input::MouseMove(b, 150, 80, {ssLeft});
    Input::MouseUp(b, mbLeft, {}, 150, 80);
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_EQ(clicks, 1);

    // Back to normal: presses toggle again.
    b->SetMode(oobmNormalBut);
    ClickGlyph(b);
    EXPECT_TRUE(b->GetOnOff());
    EXPECT_EQ(clicks, 2);
}

// ---- placement ------------------------------------------------------------------------------

TEST_F(OnOffButTest, RecentringOnResizeAndStyleAndTheSpaceLimits) {
    auto* b = MakeButton(0, 0);
    EXPECT_EQ(b->GetGlyphWidth(), 30);   // the 60 x 36 sheet of the default style
    EXPECT_EQ(b->GetGlyphHeight(), 18);
    // As constructed: the size did not change on the form, so nothing was recentred yet.
    EXPECT_EQ(b->GetLeftSpace(), 35);
    EXPECT_EQ(b->GetTopSpace(), 18);
    b->SetBounds(0, 0, 201, 81);
    EXPECT_EQ(b->GetLeftSpace(), 85);
    EXPECT_EQ(b->GetTopSpace(), 31);
    b->SetButtonStyle(oobsBulb);   // 78 x 98 sheet
    EXPECT_EQ(b->GetGlyphWidth(), 39);
    EXPECT_EQ(b->GetGlyphHeight(), 49);
    EXPECT_EQ(b->GetLeftSpace(), 81);
    EXPECT_EQ(b->GetTopSpace(), 16);

    b->SetBounds(0, 0, 100, 50);
    b->SetLeftSpace(500);   // AutoCenter: centred instead
    EXPECT_EQ(b->GetLeftSpace(), 30);
    b->SetAutoCenter(false);
    b->SetLeftSpace(500);
    EXPECT_EQ(b->GetLeftSpace(), 100);
    b->SetTopSpace(500);
    EXPECT_EQ(b->GetTopSpace(), 50);
    b->SetTopSpace(-3);
    EXPECT_EQ(b->GetTopSpace(), 50);
    b->SetTopSpace(4);
    EXPECT_EQ(b->GetTopSpace(), 4);
    b->SetBounds(0, 0, 120, 60);   // no recentring without AutoCenter
    EXPECT_EQ(b->GetLeftSpace(), 100);
    b->SetAutoCenter(true);
    EXPECT_EQ(b->GetLeftSpace(), 40);
    EXPECT_EQ(b->GetTopSpace(), 5);

    // A handler of the user's replaces the recentring one.
    int resizes = 0;
    b->SetOnResize([&](TObject*) { ++resizes; });
    b->SetBounds(0, 0, 200, 60);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(b->GetLeftSpace(), 40);
}

TEST_F(OnOffButTest, UserStyleAndUserGlyphs) {
    auto* b = MakeButton(0, 0, "Switch1");
    // The pictures before any are given: 20 x 20, a cross for off and a circle for on.
    const TBitmap* off = b->GetUserImage(false, true);
    ASSERT_EQ(off->GetWidth(), 20);
    EXPECT_EQ(const_cast<TBitmap*>(off)->GetCanvas()->GetPixels(10, 10), clBlack);
    EXPECT_EQ(const_cast<TBitmap*>(b->GetUserImage(true, true))->GetCanvas()->GetPixels(10, 5), clBlack);
    EXPECT_EQ(const_cast<TBitmap*>(b->GetUserImage(true, false))->GetCanvas()->GetPixels(10, 10), clWhite);
    b->SetButtonStyle(oobsUser);
    EXPECT_EQ(b->GetGlyphWidth(), 20);
    EXPECT_EQ(b->GetGlyphHeight(), 20);
    EXPECT_EQ(b->GetLeftSpace(), 40);
    EXPECT_EQ(b->GetTopSpace(), 15);

    // A sheet with odd sides is refused and changes nothing.
    TBitmap odd;
    odd.SetSize(61, 37);
    try {
        b->SetUserGlyph(&odd);
        FAIL() << "no exception";
    } catch (const EZynOnOffButError& e) {
        EXPECT_EQ(e.Message(), "Component \"Switch1\": a user glyph sheet needs an even width and height, not 61 x 37");
    }
    EXPECT_THROW(b->SetUserGlyph(nullptr), EZynOnOffButError);
    EXPECT_EQ(b->GetGlyphWidth(), 20);
    EXPECT_EQ(b->GetUserImage(true, true)->GetWidth(), 20);

    // A good sheet: cut in four, shown at once while the user style is selected.
    auto sheet = zyn_test::MakeTestSheet();
    b->SetUserGlyph(sheet.get());
    EXPECT_EQ(b->GetGlyphWidth(), 20);
    EXPECT_EQ(b->GetGlyphHeight(), 10);
    EXPECT_EQ(b->GetTopSpace(), 20);
    EXPECT_EQ(const_cast<TBitmap*>(b->GetStateImage(false, false))->GetCanvas()->GetPixels(9, 4),
              zyn_test::SheetOffDisabled);
    sheet.reset();   // the button keeps its own copy
    EXPECT_EQ(const_cast<TBitmap*>(b->GetStateImage(true, true))->GetCanvas()->GetPixels(9, 4),
              zyn_test::SheetOnEnabled);

    // From a file; a file that cannot be read changes nothing.
    const std::string dir = std::string(ZYN_TEST_OUTPUT_DIR) + "/onoffbut";
    std::filesystem::create_directories(dir);
    TBitmap big;
    big.SetSize(48, 30);
    big.SaveToFile(dir + "/sheet.bmp");
    try {
        b->LoadUserGlyph(dir + "/missing.bmp");
        FAIL() << "no exception";
    } catch (const EZynOnOffButError& e) {
        const std::string start = "Component \"Switch1\": cannot read the user glyph file \"" + dir + "/missing.bmp\": ";
        EXPECT_EQ(e.Message().substr(0, start.size()), start);
    }
    EXPECT_EQ(b->GetGlyphWidth(), 20);
    b->LoadUserGlyph(dir + "/sheet.bmp");
    EXPECT_EQ(b->GetGlyphWidth(), 24);
    EXPECT_EQ(b->GetGlyphHeight(), 15);

    // With another style selected, new user glyphs wait until the user style is chosen.
    b->SetButtonStyle(oobsCheckbox);
    b->SetUserGlyph(zyn_test::MakeTestSheet().get());
    EXPECT_EQ(b->GetGlyphWidth(), 16);
    b->SetButtonStyle(oobsUser);
    EXPECT_EQ(b->GetGlyphWidth(), 20);
}

// ---- setters, copying -----------------------------------------------------------------------

TEST_F(OnOffButTest, SettersRepaintAsDocumented) {
    auto* b = MakeButton(0, 0);
    Application->ProcessMessages();
    auto paintsAfter = [&](auto&& change) {
        const int before = b->paints;
        change();
        Application->ProcessMessages();
        return b->paints - before;
    };
    EXPECT_EQ(paintsAfter([&] { b->SetColorBackgnd(b->GetColorBackgnd()); }), 0);
    EXPECT_EQ(paintsAfter([&] { b->SetColorBackgnd(0x123456); }), 1);
    EXPECT_EQ(paintsAfter([&] { b->SetLeftText("On"); }), 1);
    EXPECT_EQ(paintsAfter([&] { b->SetLeftText("On"); }), 0);
    EXPECT_EQ(paintsAfter([&] { b->SetOnOff(true); }), 0);
    EXPECT_EQ(paintsAfter([&] { b->SetOnOff(false); }), 1);
    EXPECT_EQ(paintsAfter([&] { b->SetFrameStyle(frRaised); }), 1);
    EXPECT_EQ(paintsAfter([&] { b->SetEnabled(true); }), 1);   // always repaints
    EXPECT_EQ(paintsAfter([&] { b->SetMode(oobmNormalBut); }), 1);
    EXPECT_EQ(paintsAfter([&] { b->SetAllowAllOff(false); }), 0);
    EXPECT_EQ(paintsAfter([&] { b->SetColorScheme(schSystem); }), 1);
    EXPECT_EQ(b->GetColGrayLine(), clBtnShadow);
    EXPECT_EQ(b->GetColWhiteLine(), clBtnHighlight);
    EXPECT_EQ(b->GetColBlackLine(), clBlack);
}

TEST_F(OnOffButTest, AssignCopiesLookAndStateButNotTheGroup) {
    auto* a = MakeButton(0, 0);
    a->SetUserGlyph(zyn_test::MakeTestSheet().get());
    a->SetButtonStyle(oobsUser);
    a->SetLeftText("L");
    a->SetTopTextAlignment(taLeftJustify);
    a->SetColorScheme(schSystem);
    a->SetTransparent(true);
    a->SetOnOff(false);
    a->SetEnabled(false);
    a->SetGroupIndex(7);
    a->SetAllowAllOff(false);
    a->SetMode(oobmSpeedBut);
    a->SetMouseAction(oomaPlain);

    auto* b = MakeButton(0, 60);
    b->Assign(a);
    EXPECT_EQ(b->GetButtonStyle(), oobsUser);
    EXPECT_EQ(b->GetGlyphHeight(), 10);
    EXPECT_EQ(b->GetLeftText(), "L");
    EXPECT_EQ(b->GetTopTextAlignment(), taLeftJustify);
    EXPECT_EQ(b->GetColGrayLine(), clBtnShadow);
    EXPECT_TRUE(b->GetTransparent());
    EXPECT_FALSE(b->GetOnOff());
    EXPECT_FALSE(b->GetEnabled());
    EXPECT_EQ(b->GetMouseAction(), oomaPlain);
    // Group and mode stay the button's own.
    EXPECT_EQ(b->GetGroupIndex(), 0);
    EXPECT_TRUE(b->GetAllowAllOff());
    EXPECT_EQ(b->GetMode(), oobmNormalBut);
    EXPECT_EQ(const_cast<TBitmap*>(b->GetStateImage(true, false))->GetCanvas()->GetPixels(9, 4),
              zyn_test::SheetOnDisabled);
    EXPECT_NE(b->GetStateImage(true, false), a->GetStateImage(true, false));   // copies

    // Other classes are refused.
    TBitmap bmp;
    EXPECT_THROW(b->Assign(&bmp), Exception);
}
