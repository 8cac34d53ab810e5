// The property tables of TCustomListBox and TListBox.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/lists/ListBox.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomListBox, TWinControl>("TCustomListBox", [](TPublisher<TCustomListBox>& p) {
        using L = TCustomListBox;
        p.Enum("BorderStyle", &L::GetBorderStyle, &L::SetBorderStyle, {"bsNone", "bsSingle"});
        p.Integer("ItemHeight", &L::GetItemHeight, &L::SetItemHeight);
        p.Object("Items", &L::GetItems, &L::SetItems);
        // After Items, which it indexes.
        p.Integer("ItemIndex", &L::GetItemIndex, &L::SetItemIndex);
    });
    RegisterClass<TListBox, TCustomListBox>("TListBox");
    return true;
}();

}  // namespace
}  // namespace vcl
