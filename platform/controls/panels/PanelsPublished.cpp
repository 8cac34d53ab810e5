// The property tables of TCustomPanel, TPanel and TBevel.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/panels/Panels.h"

namespace vcl {
namespace {

const bool registered = [] {
    const std::vector<std::string> bevelNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    RegisterClass<TCustomPanel, TCustomControl>("TCustomPanel", [=](TPublisher<TCustomPanel>& p) {
        tables::PublishCaption(p);
        p.Boolean("ParentColor", &TCustomPanel::GetParentColor, &TCustomPanel::SetParentColor);
        p.Color("Color", &TCustomPanel::GetColor, &TCustomPanel::SetColor);
        p.Enum("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment, tables::AlignmentNames());
        p.Enum("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner, bevelNames);
        p.Enum("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter, bevelNames);
        p.Integer("BevelWidth", &TCustomPanel::GetBevelWidth, &TCustomPanel::SetBevelWidth);
        p.Integer("BorderWidth", &TCustomPanel::GetBorderWidth, &TCustomPanel::SetBorderWidth);
        p.Boolean("ShowCaption", &TCustomPanel::GetShowCaption, &TCustomPanel::SetShowCaption);
    });
    RegisterClass<TPanel, TCustomPanel>("TPanel");
    RegisterClass<TBevel, TGraphicControl>("TBevel", [](TPublisher<TBevel>& p) {
        p.Enum("Shape", &TBevel::GetShape, &TBevel::SetShape,
               {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
        p.Enum("Style", &TBevel::GetStyle, &TBevel::SetStyle, {"bsLowered", "bsRaised"});
    });
    return true;
}();

}  // namespace
}  // namespace vcl
