// The property tables of TCustomComboBox and TComboBox.
#include "platform/controls/lists/ComboBox.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomComboBox, TWinControl>("TCustomComboBox", [](TPublisher<TCustomComboBox>& p) {
        p.Enum("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle,
               {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
        p.Integer("ItemHeight", &TCustomComboBox::GetItemHeight, &TCustomComboBox::SetItemHeight)
            .Stored(std::function<bool(TCustomComboBox&)>([](TCustomComboBox& c) {
                return c.GetStyle() == csOwnerDrawFixed || c.GetStyle() == csOwnerDrawVariable;
            }));
        p.Integer("DropDownCount", &TCustomComboBox::GetDropDownCount, &TCustomComboBox::SetDropDownCount);
        p.Boolean("Sorted", &TCustomComboBox::GetSorted, &TCustomComboBox::SetSorted);
        p.Integer("MaxLength", &TCustomComboBox::GetMaxLength, &TCustomComboBox::SetMaxLength);
        p.Object("Items", &TCustomComboBox::GetItems, &TCustomComboBox::SetItems);
        p.Integer("ItemIndex", &TCustomComboBox::GetItemIndex, &TCustomComboBox::SetItemIndex);
        p.String("Text", &TCustomComboBox::GetText, &TCustomComboBox::SetText);
        p.Event("OnChange", &TCustomComboBox::GetOnChange, &TCustomComboBox::SetOnChange);
        p.Event("OnSelect", &TCustomComboBox::GetOnSelect, &TCustomComboBox::SetOnSelect);
        p.Event("OnDropDown", &TCustomComboBox::GetOnDropDown, &TCustomComboBox::SetOnDropDown);
        p.Event("OnCloseUp", &TCustomComboBox::GetOnCloseUp, &TCustomComboBox::SetOnCloseUp);
        p.Event("OnDrawItem", &TCustomComboBox::GetOnDrawItem, &TCustomComboBox::SetOnDrawItem);
        p.Event("OnMeasureItem", &TCustomComboBox::GetOnMeasureItem, &TCustomComboBox::SetOnMeasureItem);
        p.Event("OnClick", &TCustomComboBox::GetOnClick, &TCustomComboBox::SetOnClick);
    });
    RegisterClass<TComboBox, TCustomComboBox>("TComboBox");
    return true;
}();

}  // namespace
}  // namespace vcl
