// The published properties of the colour selector.
#include "colsel/Zyn_Colsel.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const ColSelClass =
    RegisterClass<TColSel, TCustomComboBox>("TColSel", [](TPublisher<TColSel>& p) {
        using S = TColSel;
        p.Integer("ColorBarWidth", &S::GetColorBarWidth, &S::SetColorBarWidth);
        p.Integer("NumColors", &S::GetNumColors, &S::SetNumColors).RepaintsAlways();
        // After NumColors (which selects entry 1) and before SelColor (which replaces the
        // selected entry's colour when no entry shows it).
        p.Integer("SelIx", &S::GetSelIx, &S::SetSelIx);
        p.Color("SelColor", &S::GetSelColor, &S::SetSelColor).RepaintsAlways();
        p.Boolean("Enabled", &S::GetEnabled, &S::SetEnabled).RepaintsAlways();
        p.Event("OnColorNameChange", &S::GetOnColorNameChange, &S::SetOnColorNameChange);
        // The list is built from the colour table and the selection is SelColor: the combo
        // box's own item list, choice, text, style and sorting are not written.
        p.Object("Items", &S::GetItems).Stored(false);
        p.Integer("ItemIndex", &S::GetItemIndex, &S::SetItemIndex).Stored(false);
        p.String("Text", [](S& s) { return s.GetText(); }, [](S& s, const std::string& v) { s.SetText(v); })
            .Stored(false);
        p.Enum("Style", &S::GetStyle, &S::SetStyle,
               {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"})
            .Stored(false);
        p.Boolean("Sorted", &S::GetSorted, &S::SetSorted).Stored(false);
    });

}  // namespace

}  // namespace zyn
