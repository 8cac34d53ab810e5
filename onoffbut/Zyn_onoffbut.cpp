// The on/off button's model: construction, the glyph pictures of the styles and of the
// user, the property setters, switching by property and by mouse, and the groups.
#include "onoffbut/Zyn_onoffbut.h"

#include <algorithm>
#include <vector>

#include "framework/Zyn_conventions.h"
#include "platform/SysUtils.h"
#include "platform/Themes.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

// =========================================================================================
// construction

TOnOffBut::TOnOffBut(TComponent* AOwner)
    : TGraphicControl(AOwner), FMask(std::make_unique<TBitmap>()), FPicture(std::make_unique<TBitmap>()) {
    for (auto& img : FStateImages) img = std::make_unique<TBitmap>();
    MakeUserImages();
    LoadStyleGlyphs(FButtonStyle);
    TGraphicControl::SetBounds(GetLeft(), GetTop(), 100, 50);
    // Installed after sizing, so that construction leaves LeftSpace and TopSpace as set.
    // A handler the user assigns to OnResize replaces it, and recentring on resize stops.
    SetOnResize([this](TObject* Sender) { ResizeHandler(Sender); });
    SetKeyboardFocusable(true);
}

TOnOffBut::~TOnOffBut() = default;

// The user pictures before any are given: a cross for "off", a circle for "on", and blank
// disabled pictures, in the window colours of the theme (black on white in light), so that
// no white box is left on a dark form.
void TOnOffBut::MakeUserImages() {
    const TColor paper = vcl::ThemeColor(vcl::trWindow), ink = vcl::ThemeColor(vcl::trWindowText);
    for (auto& img : FUserImages) {
        img = std::make_unique<TBitmap>();
        img->SetSize(20, 20);
        TCanvas* c = img->GetCanvas();
        c->GetBrush()->SetColor(paper);
        c->FillRect(vcl::Rect(0, 0, 20, 20));
        c->GetPen()->SetColor(ink);
    }
    FUserImagesDefault = true;
    TCanvas* off = FUserImages[OnOffButStateIndex(false, true)]->GetCanvas();
    off->MoveTo(0, 0);
    off->LineTo(20, 20);
    off->MoveTo(0, 20);
    off->LineTo(20, 0);
    FUserImages[OnOffButStateIndex(true, true)]->GetCanvas()->Ellipse(5, 5, 15, 15);
}

// Makes the pictures of Style the state images. Nothing changes when the style's sheet
// cannot be loaded.
void TOnOffBut::LoadStyleGlyphs(TOnOffButStyle Style) {
    TOnOffButImages images;
    TOnOffButAlphas alphas;
    TSize glyph;
    int artworkPPI = FArtworkPPI;
    TColor face = OnOffButArtworkGround;
    if (Style == oobsUser) {
        for (int i = 0; i < 4; ++i) {
            images[i] = std::make_unique<TBitmap>();
            images[i]->Assign(FUserImages[i].get());
        }
        // The glyph takes the size of the user pictures, so that the hit area and the
        // centring fit what is shown.
        glyph = TSize(images[0]->GetWidth(), images[0]->GetHeight());
    } else {
        // The artwork drawn for the form's density, with the coverage of the same size.
        artworkPPI = NearestArtworkPPI(GetCurrentPPI());
        TBitmap sheet;
        LoadResourceBitmap(&sheet, OnOffButStyleResource(Style), artworkPPI);
        // The check box and the radio button are the window's own kind of control, not a
        // picture of a lamp or a switch: they take the theme's window colours, or a light
        // box would stay on a dark form.
        const bool themed = Style == oobsCheckbox || Style == oobsRadioBut;
        if (themed) ThemeArtwork(&sheet, OnOffButKeyColor);
        face = themed ? ThemeArtworkColor(OnOffButArtworkGround) : OnOffButArtworkGround;
        glyph = CutGlyphSheet(&sheet, images);
        // The coverage beside the sheet lets the smoothed edges take any ground; a sheet
        // without one (or with one of another size) keys its pixels out as a whole.
        TBitmap coverage;
        try {
            LoadResourceBitmap(&coverage, OnOffButAlphaResource(Style), artworkPPI);
        } catch (const Exception&) {
            coverage.SetSize(0, 0);
        }
        if (coverage.GetWidth() == sheet.GetWidth() && coverage.GetHeight() == sheet.GetHeight())
            CutAlphaSheet(&coverage, alphas);
    }
    FStateImages = std::move(images);
    FStateAlphas = std::move(alphas);
    FGlyphWidth = glyph.cx;
    FGlyphHeight = glyph.cy;
    FArtworkPPI = artworkPPI;
    FArtworkFace = face;
}

void TOnOffBut::FollowArtworkScale() {
    if (FButtonStyle == oobsUser || NearestArtworkPPI(GetCurrentPPI()) == FArtworkPPI) return;
    LoadStyleGlyphs(FButtonStyle);
    if (FAutoCenter) Recentre();
}

void TOnOffBut::SetParent(TWinControl* AParent) {
    TGraphicControl::SetParent(AParent);
    FollowArtworkScale();
}

void TOnOffBut::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    // Set directly: the setters' limit to the size and AutoCenter's centring would act on
    // the glyph of the old density, which the next paint replaces.
    FLeftSpace = MulDiv(FLeftSpace, M, D);
    FTopSpace = MulDiv(FTopSpace, M, D);
    if (FAutoCenter) Recentre();
    Invalidate();
}

void TOnOffBut::Loaded() {
    TGraphicControl::Loaded();
    Invalidate();
}

// =========================================================================================
// copying

void TOnOffBut::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TOnOffBut*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    if (src == this) return;
    auto copyImages = [](const TOnOffButImages& From, TOnOffButImages& To) {
        for (int i = 0; i < 4; ++i) {
            auto img = std::make_unique<TBitmap>();
            img->Assign(From[i].get());
            To[i] = std::move(img);
        }
    };
    FLeftSpace = src->FLeftSpace;
    FTopSpace = src->FTopSpace;
    FAutoCenter = src->FAutoCenter;
    FBottomText = src->FBottomText;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FTopText = src->FTopText;
    FBottomTextAlignment = src->FBottomTextAlignment;
    FLeftTextAlignment = src->FLeftTextAlignment;
    FRightTextAlignment = src->FRightTextAlignment;
    FTopTextAlignment = src->FTopTextAlignment;
    FFrameStyle = src->FFrameStyle;
    FColorBackgnd = src->FColorBackgnd;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FOnOff = src->FOnOff;
    copyImages(src->FStateImages, FStateImages);
    FStateAlphas = src->FStateAlphas;
    FArtworkFace = src->FArtworkFace;
    copyImages(src->FUserImages, FUserImages);
    FUserImagesDefault = src->FUserImagesDefault;
    FButtonStyle = src->FButtonStyle;
    FMouseAction = src->FMouseAction;
    FColorText = src->FColorText;
    FGlyphWidth = src->FGlyphWidth;
    FGlyphHeight = src->FGlyphHeight;
    FTransparent = src->FTransparent;
    TGraphicControl::SetEnabled(src->GetEnabled());
    Invalidate();
}

void TOnOffBut::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TOnOffBut*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

// =========================================================================================
// setters

template <typename T>
void TOnOffBut::StoreAndInvalidate(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

template <typename T>
void TOnOffBut::StoreAndRedraw(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Redraw();
}

void TOnOffBut::Redraw() {
    if (FTransparent) Invalidate();
    else Paint();
}

void TOnOffBut::SetAllowAllOff(bool Value) {
    if (FAllowAllOff == Value) return;
    FAllowAllOff = Value;
    if (!Loading()) BroadcastGroup();
}

void TOnOffBut::SetAutoCenter(bool Value) {
    if (FAutoCenter == Value) return;
    FAutoCenter = Value;
    if (FAutoCenter) Recentre();
    Redraw();
}

void TOnOffBut::SetBottomText(const std::string& Value) { StoreAndInvalidate(FBottomText, Value); }
void TOnOffBut::SetLeftText(const std::string& Value) { StoreAndInvalidate(FLeftText, Value); }
void TOnOffBut::SetRightText(const std::string& Value) { StoreAndInvalidate(FRightText, Value); }
void TOnOffBut::SetTopText(const std::string& Value) { StoreAndInvalidate(FTopText, Value); }
void TOnOffBut::SetBottomTextAlignment(TAlignment Value) { StoreAndInvalidate(FBottomTextAlignment, Value); }
void TOnOffBut::SetLeftTextAlignment(TAlignment Value) { StoreAndInvalidate(FLeftTextAlignment, Value); }
void TOnOffBut::SetRightTextAlignment(TAlignment Value) { StoreAndInvalidate(FRightTextAlignment, Value); }
void TOnOffBut::SetTopTextAlignment(TAlignment Value) { StoreAndInvalidate(FTopTextAlignment, Value); }

void TOnOffBut::SetButtonStyle(TOnOffButStyle Value) {
    if (FButtonStyle == Value) return;
    LoadStyleGlyphs(Value);
    FButtonStyle = Value;
    if (FAutoCenter) Recentre();
    Invalidate();
}

void TOnOffBut::SetColorBackgnd(TColor Value) { StoreAndRedraw(FColorBackgnd, Value); }

void TOnOffBut::SetColorScheme(TColorScheme Value) {
    if (FColorScheme == Value) return;
    FColorScheme = Value;
    ApplyColorScheme(FColorScheme, FColBlackLine, FColGrayLine, FColWhiteLine);
    Invalidate();
}

void TOnOffBut::SetColorText(TColor Value) { StoreAndRedraw(FColorText, Value); }

// Stored without comparing: the picture is redone whatever the flag was.
void TOnOffBut::SetEnabled(bool Value) {
    TGraphicControl::SetEnabled(Value);
    Invalidate();
}

void TOnOffBut::SetFrameStyle(TFrameStyle Value) { StoreAndRedraw(FFrameStyle, Value); }

void TOnOffBut::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (!Loading()) BroadcastGroup();
}

// A negative value or the current one is ignored; with AutoCenter the glyph is centred
// instead of moved; otherwise the value is limited to the width.
void TOnOffBut::SetLeftSpace(int Value) {
    if (Value < 0 || Value == FLeftSpace) return;
    if (FAutoCenter) Recentre();
    else FLeftSpace = std::min(Value, GetWidth());
    Invalidate();
}

void TOnOffBut::SetTopSpace(int Value) {
    if (Value < 0 || Value == FTopSpace) return;
    if (FAutoCenter) Recentre();
    else FTopSpace = std::min(Value, GetHeight());
    Invalidate();
}

// Stored without comparing; a speed button starts off (its group is not told). While a
// form file is read the state it gives stands: OnOff is left out of the file when it is on
// (its default), so switching off here would lose it.
void TOnOffBut::SetMode(TOOButMode Value) {
    FMode = Value;
    if (FMode == oobmSpeedBut && !Loading()) FOnOff = false;
    FHeld = false;
    Invalidate();
}

void TOnOffBut::SetMouseAction(TOOButMouseAction Value) { FMouseAction = Value; }

// The last button of a group that may not be all off cannot be switched off. Switching on
// switches the rest of the group off.
void TOnOffBut::SetOnOff(bool Value) {
    if (FOnOff == Value) return;
    if (Loading()) {
        FOnOff = Value;   // the group's states are restored one by one as they were saved
        return;
    }
    if (FGroupIndex != 0 && !FAllowAllOff && !Value) return;
    FOnOff = Value;
    vcl::NotifyAccessible(this, vcl::aeState, vcl::asChecked);
    Redraw();
    if (FOnOff) BroadcastGroup();
}

void TOnOffBut::SetTransparent(bool Value) { StoreAndRedraw(FTransparent, Value); }

// =========================================================================================
// user glyphs

void TOnOffBut::SetUserGlyph(TBitmap* Img) {
    if (Img == nullptr || Img->Empty())
        RaiseComponentError<EZynOnOffButError>(this, "the user glyph sheet is empty");
    const int w = Img->GetWidth(), h = Img->GetHeight();
    if (w % 2 != 0 || h % 2 != 0)
        RaiseComponentError<EZynOnOffButError>(
            this, "a user glyph sheet needs an even width and height, not " + std::to_string(w) + " x " +
                      std::to_string(h));
    TOnOffButImages images;
    CutGlyphSheet(Img, images);
    FUserImages = std::move(images);
    FUserImagesDefault = false;
    if (FButtonStyle != oobsUser) return;
    LoadStyleGlyphs(oobsUser);
    if (FAutoCenter) Recentre();
    Invalidate();
}

void TOnOffBut::LoadUserGlyph(const std::string& FName) {
    TBitmap sheet;
    try {
        sheet.LoadFromFile(FName);
    } catch (const Exception& e) {
        RaiseComponentError<EZynOnOffButError>(
            this, "cannot read the user glyph file \"" + FName + "\": " + e.Message());
    }
    SetUserGlyph(&sheet);
}

// =========================================================================================
// placement

TOnOffButPlacement TOnOffBut::Placement() const {
    return {FLeftSpace, FTopSpace, FGlyphWidth, FGlyphHeight, GetWidth(), GetHeight(), GetCurrentPPI()};
}

void TOnOffBut::Recentre() {
    const TPoint p = CenteredGlyphSpaces(Placement());
    FLeftSpace = p.X;
    FTopSpace = p.Y;
}

void TOnOffBut::ResizeHandler(TObject* Sender) {
    (void)Sender;
    if (GetParent() != nullptr && FAutoCenter) Recentre();
    // The move or resize has invalidated the control already: paint that now, once.
    Repaint();
}

// =========================================================================================
// mouse

bool TOnOffBut::PressQualifies(TMouseButton Button, int X, int Y) const {
    if (Button != mbLeft || FMouseAction == oomaNone) return false;
    return FMouseAction == oomaPlain || OnOffButGlyphHit(X, Y, Placement());
}

void TOnOffBut::PressSwitch() {
    if (FGroupIndex != 0 && !FAllowAllOff && FOnOff) return;
    FOnOff = !FOnOff;
    FHeld = FMode == oobmSpeedBut && FOnOff;
    vcl::NotifyAccessible(this, vcl::aeState, vcl::asChecked);
    Redraw();
    if (FOnOff) BroadcastGroup();
}

void TOnOffBut::ReleaseSwitch(bool Over) {
    // A speed button that a press switched on goes off on its release, wherever the
    // pointer is then; it never stays on after the button is let go.
    const bool held = FHeld;
    FHeld = false;
    if (FMode == oobmSpeedBut && (Over || held)) {
        FOnOff = false;
        vcl::NotifyAccessible(this, vcl::aeState, vcl::asChecked);
        Redraw();
    }
    if (Over && FOnClick) FOnClick(this);
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!PressQualifies(Button, X, Y)) return;
    PressSwitch();
}

void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || FMouseAction == oomaNone) return;
    ReleaseSwitch(PressQualifies(Button, X, Y));
}

// =========================================================================================
// keyboard

LRESULT TOnOffBut::DialogCode() const { return FGroupIndex != 0 ? DLGC_WANTARROWS : 0; }

TOnOffBut* TOnOffBut::GroupNeighbour(bool Forward) const {
    if (FGroupIndex == 0 || GetParent() == nullptr) return nullptr;
    std::vector<TOnOffBut*> group;
    for (int i = 0, n = GetParent()->GetControlCount(); i < n; ++i) {
        auto* b = dynamic_cast<TOnOffBut*>(GetParent()->GetControls(i));
        if (b != nullptr && b->FGroupIndex == FGroupIndex && (b == this || b->CanFocus())) group.push_back(b);
    }
    std::stable_sort(group.begin(), group.end(),
                     [](const TOnOffBut* a, const TOnOffBut* b) { return a->GetTabOrder() < b->GetTabOrder(); });
    auto it = std::find(group.begin(), group.end(), this);
    if (it == group.end() || group.size() < 2) return nullptr;
    const std::size_t i = std::size_t(it - group.begin()), n = group.size();
    return group[Forward ? (i + 1) % n : (i + n - 1) % n];
}

void TOnOffBut::KeyDown(WORD& Key, TShiftState Shift) {
    TGraphicControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE:
        Key = 0;
        // Auto-repeat of a held Space switches nothing more.
        if (FMouseAction == oomaNone || FSpaceDown) return;
        FSpaceDown = true;
        PressSwitch();
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        if (FGroupIndex == 0) return;
        const bool forward = Key == VK_RIGHT || Key == VK_DOWN;
        Key = 0;
        if (TOnOffBut* next = GroupNeighbour(forward)) {
            next->SetFocus();
            next->SetOnOff(true);
        }
        return;
    }
    default: return;
    }
}

void TOnOffBut::KeyUp(WORD& Key, TShiftState Shift) {
    TGraphicControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE || !FSpaceDown) return;
    Key = 0;
    FSpaceDown = false;
    ReleaseSwitch(true);
}

// Losing the focus with Space still down ends the press without a click.
void TOnOffBut::DoExit() {
    if (FSpaceDown) {
        FSpaceDown = false;
        ReleaseSwitch(false);
    }
    TGraphicControl::DoExit();
}

// =========================================================================================
// groups

// Tells the buttons of the same parent and group that this one is on (or that its group
// settings changed). LParam carries this button as a TControl*.
void TOnOffBut::BroadcastGroup() {
    if (FGroupIndex == 0 || GetParent() == nullptr) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
    GetParent()->Broadcast(m);
}

void TOnOffBut::GroupMessage(TMessage& Message) {
    auto* sender = dynamic_cast<TOnOffBut*>(reinterpret_cast<TControl*>(Message.LParam));
    if (sender == nullptr || sender == this) return;
    // A negative group index never matches, so such buttons stay independent.
    if (FGroupIndex < 0 || static_cast<int>(Message.WParam) != FGroupIndex) return;
    if (sender->FOnOff && FOnOff) {
        FOnOff = false;
        vcl::NotifyAccessible(this, vcl::aeState, vcl::asChecked);
        Redraw();
    }
    FAllowAllOff = sender->FAllowAllOff;
}

void TOnOffBut::WndProc(TMessage& Message) {
    if (Message.Msg == CM_BUTTONPRESSED) {
        GroupMessage(Message);
        return;   // Result stays 0 so that every sibling hears it
    }
    TGraphicControl::WndProc(Message);
}

}  // namespace zyn
