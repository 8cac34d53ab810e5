// The palette list and its icons.
#include "apps/designer/program/PaletteBox.h"

#include <cctype>
#include <cstdint>

#include "framework/Zyn_conventions.h"


namespace designer {

using namespace vcl;

namespace {
// The ground the generator smoothed the icons' edges against (the usual button face).
const std::uint32_t IconGround = 0xF0F0F0;
// The icon's size at 96 pixels per inch and the row around it.
const int IconSize = 24;
const int RowHeight = 28;
}  // namespace

std::string PaletteIconName(const std::string& ClassName) {
    std::string name = "PAL_";
    for (char c : ClassName) name += char(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string PaletteIconFor(const std::string& ClassName) {
    std::string own = PaletteIconName(ClassName);
    return FindResourceData(HInstance, own) ? own : "PAL_GENERIC";
}

TPaletteBox::TPaletteBox(TComponent* AOwner) : TListBox(AOwner) {
    SetItemHeight(MulDiv(RowHeight, GetCurrentPPI(), 96));
}

void TPaletteBox::ChangeScale(int M, int D) {
    TListBox::ChangeScale(M, D);
    icons_.clear();   // the next paint loads the size of the new PPI
}

const TPaletteBox::TIcon& TPaletteBox::Icon(const std::string& ClassName) {
    const int ppi = GetCurrentPPI();
    if (ppi != iconPPI_) {
        icons_.clear();
        iconPPI_ = ppi;
    }
    auto found = icons_.find(ClassName);
    if (found != icons_.end()) return found->second;
    TIcon icon;
    try {
        const std::string name = PaletteIconFor(ClassName);
        TBitmap colours, coverage;
        colours.LoadFromResourceName(HInstance, name, ppi);
        coverage.LoadFromResourceName(HInstance, name + "_ALPHA", ppi);
        colours.SetPixelFormat(pf32bit);
        coverage.SetPixelFormat(pf32bit);
        if (colours.GetWidth() == coverage.GetWidth() && colours.GetHeight() == coverage.GetHeight()) {
            icon.Width = colours.GetWidth();
            icon.Height = colours.GetHeight();
            for (int y = 0; y < icon.Height; ++y) {
                const std::uint8_t* c = colours.ScanLine(y);
                const std::uint8_t* a = coverage.ScanLine(y);
                for (int x = 0; x < icon.Width; ++x) {
                    icon.Bgr.insert(icon.Bgr.end(), {c[4 * x], c[4 * x + 1], c[4 * x + 2]});
                    icon.Alpha.push_back(a[4 * x + 2]);
                }
            }
        }
    } catch (const Exception&) {
        // No artwork at all: the row shows its text alone.
    }
    return icons_.emplace(ClassName, std::move(icon)).first->second;
}

void TPaletteBox::IconOf(int Index, TColor Ground, TBitmap* Out) {
    Out->SetSize(0, 0);
    if (Index < 0 || Index >= GetCount()) return;
    const std::string& item = GetItems()->Get(Index);
    if (item.rfind(GroupMark, 0) == 0) return;
    const TIcon& icon = Icon(item);
    if (icon.Width == 0) return;
    const TColor ground = ColorToRGB(Ground) & 0xFFFFFF;
    Out->SetPixelFormat(pf32bit);
    Out->SetSize(icon.Width, icon.Height);
    for (int y = 0; y < icon.Height; ++y) {
        std::uint8_t* row = Out->ScanLine(y);
        for (int x = 0; x < icon.Width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(icon.Width) + std::size_t(x);
            const int a = icon.Alpha[i];
            const std::uint8_t* bgr = &icon.Bgr[3 * i];
            // Bare ground where nothing is painted; edges smoothed against the button face
            // take the list's ground in its place.
            const std::uint32_t shown =
                a == 0 ? std::uint32_t(ground)
                       : std::uint32_t(zyn::CompositeArtworkEdge(TColor(bgr[2] | bgr[1] << 8 | bgr[0] << 16), a,
                                                                 ground, TColor(IconGround)));
            row[4 * x + 0] = std::uint8_t(shown >> 16);
            row[4 * x + 1] = std::uint8_t(shown >> 8);
            row[4 * x + 2] = std::uint8_t(shown);
            row[4 * x + 3] = 255;
        }
    }
}

void TPaletteBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect) {
    const std::string& item = GetItems()->Get(Index);
    Canvas->FillRect(Rect);
    const int pad = MulDiv(3, GetCurrentPPI(), 96);
    if (item.rfind(GroupMark, 0) == 0) {
        // A group title: bold, without its mark.
        const std::string title = item.substr(std::string(GroupMark).size());
        TFontStyles old = Canvas->GetFont()->GetStyle(), bold = old;
        bold.Include(fsBold);
        Canvas->GetFont()->SetStyle(bold);
        Canvas->TextRect(Rect, Rect.Left + pad, Rect.Top + (Rect.Height() - Canvas->TextHeight(title)) / 2, title);
        Canvas->GetFont()->SetStyle(old);
        return;
    }
    TBitmap icon;
    IconOf(Index, Canvas->GetBrush()->GetColor(), &icon);
    const int iconSide = icon.GetWidth() > 0 ? icon.GetWidth() : MulDiv(IconSize, GetCurrentPPI(), 96);
    if (icon.GetWidth() > 0) Canvas->Draw(Rect.Left + pad, Rect.Top + (Rect.Height() - icon.GetHeight()) / 2, &icon);
    const int textLeft = Rect.Left + 2 * pad + iconSide;
    Canvas->TextRect(TRect(textLeft, Rect.Top, Rect.Right, Rect.Bottom), textLeft,
                     Rect.Top + (Rect.Height() - Canvas->TextHeight(item)) / 2, item);
}

}  // namespace designer
