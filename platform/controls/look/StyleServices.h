// Style services: the platform's visual styles. No style is active in this framework, so
// components take their classic colours; the queries answer with the system colours.
#pragma once

#include <string>

#include "platform/graphics/Colors.h"

namespace vcl {

enum TStyleColor : std::uint8_t {
    scBorder, scButtonDisabled, scButtonFocused, scButtonHot, scButtonNormal, scButtonPressed,
    scCategoryButtons, scCategoryButtonsGradientBase, scCategoryButtonsGradientEnd,
    scCategoryPanelGroup, scComboBox, scComboBoxDisabled, scEdit, scEditDisabled, scGrid,
    scGenericBackground, scGenericGradientBase, scGenericGradientEnd, scHintGradientBase,
    scHintGradientEnd, scListBox, scListBoxDisabled, scListView, scPanel, scPanelDisabled,
    scSplitter, scToolBarGradientBase, scToolBarGradientEnd, scTreeView, scWindow
};

enum TStyleFont : std::uint8_t {
    sfButtonTextDisabled, sfButtonTextFocused, sfButtonTextHot, sfButtonTextNormal,
    sfButtonTextPressed, sfEditBoxTextNormal, sfEditBoxTextDisabled, sfPanelTextNormal,
    sfPanelTextDisabled, sfWindowTextNormal, sfWindowTextDisabled, sfGridItemNormal,
    sfGridItemSelected, sfListItemTextNormal, sfListItemTextSelected, sfTreeItemTextNormal,
    sfTreeItemTextSelected
};

class TCustomStyleServices {
public:
    // Whether a style other than the plain system look is active: never here.
    bool Enabled() const { return false; }
    bool Available() const { return true; }
    bool IsSystemStyle() const { return true; }
    std::string Name() const { return "Windows"; }
    // The system colour the style maps Color to (unchanged without a style).
    TColor GetSystemColor(TColor Color) const { return Color; }
    TColor GetStyleColor(TStyleColor Color) const;
    TColor GetStyleFontColor(TStyleFont Font) const;
};

TCustomStyleServices* StyleServices();

}  // namespace vcl
