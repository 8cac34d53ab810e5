// The palette list: the classes a form can hold, each beside its icon, under group titles.
// The icons are the resources PAL_<CLASS> (drawn by the resource generator, 24 x 24 at 1x,
// with their coverage in PAL_<CLASS>_ALPHA); a class without one shows PAL_GENERIC.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace designer {

// The resource name of ClassName's own icon (PAL_TBUTTON), whether or not it exists.
std::string PaletteIconName(const std::string& ClassName);
// The icon the palette shows for ClassName: its own, else the generic one.
std::string PaletteIconFor(const std::string& ClassName);

class TPaletteBox : public vcl::TListBox {
public:
    // Items starting with GroupMark are group titles; the others are class names.
    static constexpr const char* GroupMark = "-- ";
    explicit TPaletteBox(vcl::TComponent* AOwner);
    std::string ClassName() const override { return "TPaletteBox"; }
    // The icon of item Index composited on Ground, as shown at the list's PPI; an empty
    // bitmap for a group title.
    void IconOf(int Index, vcl::TColor Ground, vcl::TBitmap* Icon);

protected:
    void DrawItem(vcl::TCanvas* Canvas, int Index, const vcl::TRect& Rect) override;
    void ChangeScale(int M, int D) override;

private:
    // An icon's colours (B,G,R per pixel) and coverage (0..255), loaded once per PPI.
    struct TIcon {
        int Width = 0, Height = 0;
        std::vector<std::uint8_t> Bgr, Alpha;
    };
    const TIcon& Icon(const std::string& ClassName);
    std::map<std::string, TIcon> icons_;
    int iconPPI_ = 0;
};

}  // namespace designer
