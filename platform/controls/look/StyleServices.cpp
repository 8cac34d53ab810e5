// Style services without an active style: the classic system colours.
#include "platform/controls/look/StyleServices.h"

#include "platform/graphics/Colors.h"

namespace vcl {

TColor TCustomStyleServices::GetStyleColor(TStyleColor Color) const {
    switch (Color) {
    case scBorder: return clWindowFrame;
    case scEdit:
    case scComboBox:
    case scListBox:
    case scListView:
    case scTreeView:
    case scGrid:
    case scWindow: return clWindow;
    case scEditDisabled:
    case scComboBoxDisabled:
    case scListBoxDisabled:
    case scPanelDisabled: return clBtnFace;
    case scSplitter: return clBtnFace;
    default: return clBtnFace;
    }
}

TColor TCustomStyleServices::GetStyleFontColor(TStyleFont Font) const {
    switch (Font) {
    case sfButtonTextDisabled:
    case sfEditBoxTextDisabled:
    case sfPanelTextDisabled:
    case sfWindowTextDisabled: return clGrayText;
    case sfGridItemSelected:
    case sfListItemTextSelected:
    case sfTreeItemTextSelected: return clHighlightText;
    case sfButtonTextNormal:
    case sfButtonTextFocused:
    case sfButtonTextHot:
    case sfButtonTextPressed: return clBtnText;
    default: return clWindowText;
    }
}

TCustomStyleServices* StyleServices() {
    static TCustomStyleServices services;
    return &services;
}

}  // namespace vcl
