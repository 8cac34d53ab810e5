// The property tables of TCustomTreeView and TTreeView.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/lists/TreeView.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomTreeView, TWinControl>("TCustomTreeView", [](TPublisher<TCustomTreeView>& p) {
        p.Boolean("ReadOnly", &TCustomTreeView::GetReadOnly, &TCustomTreeView::SetReadOnly);
        p.Boolean("MultiSelect", &TCustomTreeView::GetMultiSelect, &TCustomTreeView::SetMultiSelect);
        p.Boolean("ShowButtons", &TCustomTreeView::GetShowButtons, &TCustomTreeView::SetShowButtons);
        p.Boolean("ShowLines", &TCustomTreeView::GetShowLines, &TCustomTreeView::SetShowLines);
        p.Boolean("ShowRoot", &TCustomTreeView::GetShowRoot, &TCustomTreeView::SetShowRoot);
        p.Integer("Indent", &TCustomTreeView::GetIndent, &TCustomTreeView::SetIndent);
        p.Boolean("HideSelection", &TCustomTreeView::GetHideSelection, &TCustomTreeView::SetHideSelection);
        p.Boolean("RowSelect", &TCustomTreeView::GetRowSelect, &TCustomTreeView::SetRowSelect);
        p.Boolean("HotTrack", &TCustomTreeView::GetHotTrack, &TCustomTreeView::SetHotTrack);
        p.Enum("BorderStyle", &TCustomTreeView::GetBorderStyle, &TCustomTreeView::SetBorderStyle,
               tables::BorderStyleNames());
        tables::PublishBevels(p);
        p.Integer("BorderWidth", &TCustomTreeView::GetBorderWidth, &TCustomTreeView::SetBorderWidth);
        p.Event("OnChange", &TCustomTreeView::GetOnChange, &TCustomTreeView::SetOnChange);
        p.Event("OnChanging", &TCustomTreeView::GetOnChanging, &TCustomTreeView::SetOnChanging);
        p.Event("OnExpanding", &TCustomTreeView::GetOnExpanding, &TCustomTreeView::SetOnExpanding);
        p.Event("OnExpanded", &TCustomTreeView::GetOnExpanded, &TCustomTreeView::SetOnExpanded);
        p.Event("OnCollapsing", &TCustomTreeView::GetOnCollapsing, &TCustomTreeView::SetOnCollapsing);
        p.Event("OnCollapsed", &TCustomTreeView::GetOnCollapsed, &TCustomTreeView::SetOnCollapsed);
        p.Event("OnDeletion", &TCustomTreeView::GetOnDeletion, &TCustomTreeView::SetOnDeletion);
        p.Event("OnEditing", &TCustomTreeView::GetOnEditing, &TCustomTreeView::SetOnEditing);
        p.Event("OnEdited", &TCustomTreeView::GetOnEdited, &TCustomTreeView::SetOnEdited);
        p.Event("OnClick", &TCustomTreeView::GetOnClick, &TCustomTreeView::SetOnClick);
        p.Event("OnDblClick", &TCustomTreeView::GetOnDblClick, &TCustomTreeView::SetOnDblClick);
    });
    RegisterClass<TTreeView, TCustomTreeView>("TTreeView");
    return true;
}();

}  // namespace
}  // namespace vcl
