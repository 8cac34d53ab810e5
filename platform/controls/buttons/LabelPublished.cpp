// The property tables of TCustomLabel and TLabel.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/buttons/Label.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomLabel, TGraphicControl>("TCustomLabel", [](TPublisher<TCustomLabel>& p) {
        tables::PublishCaption(p);
        p.Component("FocusControl", &TCustomLabel::GetFocusControl, &TCustomLabel::SetFocusControl);
        p.Enum("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment, tables::AlignmentNames());
        p.Enum("Layout", &TCustomLabel::GetLayout, &TCustomLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"});
        p.Boolean("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize);
        p.Boolean("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap);
        p.Boolean("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent);
        p.Boolean("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar);
    });
    RegisterClass<TLabel, TCustomLabel>("TLabel");
    return true;
}();

}  // namespace
}  // namespace vcl
