// The property tables of TCustomMemo and TMemo.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/text/Memo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomMemo, TCustomEdit>("TCustomMemo", [](TPublisher<TCustomMemo>& p) {
        // The text is written as Lines.
        p.String("Text", [](TCustomMemo& m) { return m.GetText(); },
                 [](TCustomMemo& m, const std::string& v) { m.SetText(v); })
            .Stored(false);
        p.Boolean("AutoSelect", &TCustomMemo::GetAutoSelect, &TCustomMemo::SetAutoSelect);
        p.Object("Lines", &TCustomMemo::GetLines, &TCustomMemo::SetLines);
        p.Enum("ScrollBars", &TCustomMemo::GetScrollBars, &TCustomMemo::SetScrollBars, tables::ScrollStyleNames());
        p.Boolean("WantReturns", &TCustomMemo::GetWantReturns, &TCustomMemo::SetWantReturns);
        p.Boolean("WantTabs", &TCustomMemo::GetWantTabs, &TCustomMemo::SetWantTabs);
        p.Boolean("WordWrap", &TCustomMemo::GetWordWrap, &TCustomMemo::SetWordWrap);
    });
    RegisterClass<TMemo, TCustomMemo>("TMemo");
    return true;
}();

}  // namespace
}  // namespace vcl
