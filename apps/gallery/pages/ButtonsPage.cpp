// Page "Buttons and dialogs": speed buttons as a text toolbar (exclusive alignment group,
// toggles, plain commands), a work area with a popup menu on right click, and the colour
// dialog choosing the colour of a swatch.
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "platform/Buttons.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;

namespace gallery {

namespace {

constexpr TColor kMagenta = TColor(0xFF00FF);   // transparent background of the glyphs
constexpr TColor kInk = TColor(0x5A4632);

// The ink of the glyphs and the paper they show (sheets, the printer's paper) in the theme
// in use: dark ink on white in light, light ink on a dark sheet in the dark themes, so that
// no white box is left on a dark toolbar.
TColor GlyphInk() { return ThemePick(kInk, RGB(0xE0, 0xE0, 0xE0), clWhite); }
TColor GlyphPaper() { return ThemePick(TColor(0xFFFFFF), RGB(0x3A, 0x3A, 0x3A), clBlack); }

// Draws a glyph given in the pixels of its 16 x 16 size at 96 dpi; S maps such a coordinate
// to the density the glyph is drawn for.
using GlyphScale = std::function<int(int)>;
using GlyphDrawing = std::function<void(TCanvas*, const GlyphScale& S)>;

// A glyph of 16 x 16 pixels at 96 dpi drawn with the canvas at PPI, so that a denser form
// gets a sharp picture of its own size rather than a small or stretched one. Draw paints
// the picture on a transparent ground.
std::unique_ptr<TBitmap> Glyph(const GlyphDrawing& Draw, int PPI) {
    const GlyphScale s = [PPI](int V) { return ScaleMetric(V, PPI); };
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(s(16), s(16));
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(kMagenta);
    c->FillRect(Rect(0, 0, s(16), s(16)));
    // In the ink of the theme in use; drawn again when the theme or the density changes.
    const TColor ink = GlyphInk();
    c->GetPen()->SetColor(ink);
    c->GetPen()->SetWidth(ScaleLineWidth(1, PPI));
    c->GetBrush()->SetColor(ink);
    Draw(c, s);
    b->SetTransparent(true);
    return b;
}

// Text lines of an alignment glyph: lengths alternate, aligned left, centre or right.
GlyphDrawing AlignGlyph(TAlignment Alignment) {
    return [Alignment](TCanvas* c, const GlyphScale& s) {
        for (int i = 0; i < 5; ++i) {
            int length = i % 2 == 0 ? 12 : 8;
            int left = Alignment == taLeftJustify ? 2 : Alignment == taCenter ? 8 - length / 2 : 14 - length;
            const int top = 3 + i * 2 + i / 2;
            c->FillRect(Rect(s(left), s(top), s(left + length), s(top + 1)));
        }
    };
}

class ButtonsPage {
public:
    explicit ButtonsPage(PageContext& Page) : page_(Page) {
        BuildToolbar();
        BuildWorkArea();
        BuildColourChooser();
        Page.Watch("alignment", [this] { return alignment_; });
        Page.Watch("colour", [this] { return ColorToString(swatch_->GetColor()); });
        Page.Record("menu.last", "");
    }

private:
    TSpeedButton* Button(int Left, int Width, const std::string& Caption, GlyphDrawing Draw) {
        auto* b = new TSpeedButton(page_.Form);
        b->SetParent(page_.Host);
        b->SetBounds(Left, 16, Width, 28);
        b->SetCaption(Caption);
        if (Draw) page_.FollowTheme([b, Draw] { b->SetGlyph(Glyph(Draw, b->GetCurrentPPI()).get()); });
        return b;
    }

    void BuildToolbar() {
        const std::pair<TAlignment, const char*> aligns[] = {
            {taLeftJustify, "Left"}, {taCenter, "Centre"}, {taRightJustify, "Right"}};
        int left = 20;
        for (auto [a, name] : aligns) {
            auto* b = Button(left, 28, "", AlignGlyph(a));
            b->SetGroupIndex(1);
            b->SetHint(name);
            std::string n = name;
            b->SetOnClick([this, n](TObject*) { SetAlignment(n); });
            if (a == taLeftJustify) b->SetDown(true);
            left += 30;
        }
        left += 12;
        auto* bold = Button(left, 28, "B", nullptr);
        bold->GetFont()->SetStyle({fsBold});
        bold->SetGroupIndex(2);
        bold->SetAllowAllUp(true);
        auto* italic = Button(left + 30, 28, "I", nullptr);
        italic->GetFont()->SetStyle({fsItalic});
        italic->SetGroupIndex(3);
        italic->SetAllowAllUp(true);
        left += 72;
        auto* refresh = Button(left, 96, "New", [](TCanvas* c, const GlyphScale& s) {
            // A sheet with a folded corner.
            c->GetBrush()->SetColor(GlyphPaper());
            c->Polygon({TPoint(s(3), s(1)), TPoint(s(10), s(1)), TPoint(s(13), s(4)), TPoint(s(13), s(15)),
                        TPoint(s(3), s(15))});
            c->MoveTo(s(10), s(1));
            c->LineTo(s(10), s(4));
            c->LineTo(s(13), s(4));
        });
        refresh->SetFlat(true);
        refresh->SetOnClick([this](TObject*) { Status("New sheet at " + FormatDateTime("hh:nn:ss", Now())); });
        auto* print = Button(left + 100, 96, "Print", [](TCanvas* c, const GlyphScale& s) {
            // Paper above and below a body in the ink.
            c->GetBrush()->SetColor(GlyphPaper());
            c->Rectangle(s(4), s(1), s(12), s(7));
            c->GetBrush()->SetColor(GlyphInk());
            c->Rectangle(s(1), s(6), s(15), s(12));
            c->GetBrush()->SetColor(GlyphPaper());
            c->Rectangle(s(4), s(10), s(12), s(15));
        });
        print->SetFlat(true);
        print->SetOnClick([this](TObject*) { Status("Sent to the printer queue"); });
        auto* disabled = Button(left + 200, 96, "Archive", nullptr);
        disabled->SetFlat(true);
        disabled->SetEnabled(false);

        auto* rule = new TBevel(page_.Form);
        rule->SetParent(page_.Host);
        rule->SetBounds(20, 52, 760, 2);
        rule->SetShape(bsTopLine);
    }

    void BuildWorkArea() {
        area_ = new TPanel(page_.Form);
        area_->SetParent(page_.Host);
        area_->SetBounds(20, 68, 480, 300);
        area_->SetBevelOuter(bvLowered);
        area_->SetColor(clWindow);
        area_->SetCaption("Right-click here for the context menu");
        area_->GetFont()->SetColor(clGrayText);
        auto item = [this](const char* Caption, TShortCut Key) {
            std::string name = Caption;
            return NewItem(Caption, Key, false, true,
                           [this, name](TObject*) {
                               page_.Record("menu.last", name);
                               Status("Menu: " + name);
                           },
                           0, "");
        };
        auto* menu = NewPopupMenu(page_.Form, "AreaMenu", paLeft, true,
                                  {item("Cut", ShortCut('X', {ssCtrl})),
                                   item("Copy", ShortCut('C', {ssCtrl})),
                                   item("Paste", ShortCut('V', {ssCtrl})), NewLine(),
                                   NewSubMenu("Sort", 0, "", {item("Ascending", 0), item("Descending", 0)}),
                                   NewLine(), item("Properties...", 0)});
        area_->SetPopupMenu(menu);
        status_ = new TLabel(page_.Form);
        status_->SetParent(page_.Host);
        status_->SetBounds(20, 378, 480, 18);
        status_->GetFont()->SetColor(clGrayText);
        status_->SetCaption("Alignment: Left");
    }

    void BuildColourChooser() {
        auto* heading = new TLabel(page_.Form);
        heading->SetParent(page_.Host);
        heading->SetBounds(530, 68, 250, 20);
        heading->SetCaption("Highlight colour");
        heading->GetFont()->SetStyle({fsBold});
        swatch_ = new TPanel(page_.Form);
        swatch_->SetParent(page_.Host);
        swatch_->SetBounds(530, 96, 120, 72);
        swatch_->SetBevelOuter(bvLowered);
        swatch_->SetCaption("");
        swatch_->SetColor(TColor(0xE89B3D));
        value_ = new TLabel(page_.Form);
        value_->SetParent(page_.Host);
        value_->SetBounds(662, 100, 120, 18);
        auto* choose = new TButton(page_.Form);
        choose->SetParent(page_.Host);
        choose->SetBounds(530, 180, 120, 28);
        choose->SetCaption("Choose...");
        dialog_ = new TColorDialog(page_.Form);
        choose->SetOnClick([this](TObject*) {
            dialog_->SetColor(swatch_->GetColor());
            if (dialog_->Execute()) {
                swatch_->SetColor(dialog_->GetColor());
                ShowColourValue();
            }
        });
        ShowColourValue();
    }

    void ShowColourValue() {
        TColor c = ColorToRGB(swatch_->GetColor());
        value_->SetCaption("RGB " + IntToStr(c & 0xFF) + ", " + IntToStr((c >> 8) & 0xFF) + ", " +
                           IntToStr((c >> 16) & 0xFF));
    }

    void SetAlignment(const std::string& Name) {
        alignment_ = Name;
        area_->SetAlignment(Name == "Left" ? taLeftJustify : Name == "Right" ? taRightJustify : taCenter);
        Status("Alignment: " + Name);
    }

    void Status(const std::string& Text) { status_->SetCaption(Text); }

    PageContext page_;
    TPanel* area_ = nullptr;
    TLabel* status_ = nullptr;
    TPanel* swatch_ = nullptr;
    TLabel* value_ = nullptr;
    TColorDialog* dialog_ = nullptr;
    std::string alignment_ = "Left";
};

}  // namespace

void BuildButtonsPage(PageContext& Page) { Page.Keep(std::make_unique<ButtonsPage>(Page)); }

}  // namespace gallery
