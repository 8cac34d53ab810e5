// The property table of TSpeedButton.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/buttons/SpeedButton.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TSpeedButton, TGraphicControl>("TSpeedButton", [](TPublisher<TSpeedButton>& p) {
        tables::PublishCaption(p);
        p.Object("Glyph", &TSpeedButton::GetGlyph, &TSpeedButton::SetGlyph);
        p.Integer("NumGlyphs", &TSpeedButton::GetNumGlyphs, &TSpeedButton::SetNumGlyphs);
        p.Integer("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex);
        p.Boolean("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown);
        p.Boolean("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp);
        p.Boolean("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat);
        p.Enum("Layout", &TSpeedButton::GetLayout, &TSpeedButton::SetLayout,
               {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
        p.Integer("Margin", &TSpeedButton::GetMargin, &TSpeedButton::SetMargin);
        p.Integer("Spacing", &TSpeedButton::GetSpacing, &TSpeedButton::SetSpacing);
        p.Boolean("Transparent", &TSpeedButton::GetTransparent, &TSpeedButton::SetTransparent);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
