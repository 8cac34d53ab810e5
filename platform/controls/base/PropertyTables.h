// What the property tables of the controls share: the identifiers of enumerations that
// several classes publish, and the Caption property.
#pragma once

#include <string>
#include <vector>

#include "platform/core/PropInfo.h"

namespace vcl::tables {

// Identifiers of TAlignment, TFormBorderStyle and TScrollStyle in ordinal order.
inline const std::vector<std::string>& AlignmentNames() {
    static const std::vector<std::string> names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}
inline const std::vector<std::string>& BorderStyleNames() {
    static const std::vector<std::string> names{"bsNone", "bsSingle", "bsSizeable", "bsDialog",
                                                "bsToolWindow", "bsSizeToolWin"};
    return names;
}
inline const std::vector<std::string>& ScrollStyleNames() {
    static const std::vector<std::string> names{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    return names;
}

// The bevels of a windowed control's frame, in the order the controls publish them.
template <class C>
void PublishBevels(TPublisher<C>& p) {
    static const std::vector<std::string> cuts{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    p.Set("BevelEdges", &C::GetBevelEdges, &C::SetBevelEdges, {"beLeft", "beTop", "beRight", "beBottom"});
    p.Enum("BevelInner", &C::GetBevelInner, &C::SetBevelInner, cuts);
    p.Enum("BevelKind", &C::GetBevelKind, &C::SetBevelKind, {"bkNone", "bkTile", "bkSoft", "bkFlat"});
    p.Enum("BevelOuter", &C::GetBevelOuter, &C::SetBevelOuter, cuts);
    p.Integer("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth);
}

// The Caption of a control (the same string as its Text).
template <class C>
void PublishCaption(TPublisher<C>& p) {
    p.String("Caption", [](C& c) { return c.GetCaption(); }, [](C& c, const std::string& v) { c.SetCaption(v); });
}

}  // namespace vcl::tables
