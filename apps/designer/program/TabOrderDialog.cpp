// The tab order editor.
#include "apps/designer/program/TabOrderDialog.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace designer {

using namespace vcl;

bool EditTabOrder(TComponent* Owner, TDesignModel& Model) {
    TWinControl* container = Model.TabOrderContainer();
    std::vector<std::string> names;
    for (TWinControl* w : TDesignModel::TabOrderOf(container)) names.push_back(w->GetName());

    auto* dialog = new TForm(Owner);
    dialog->SetCaption("Tab order of " + container->GetName());
    dialog->SetBorderStyle(bsDialog);
    dialog->SetBounds(0, 0, 340, 300);
    dialog->SetPosition(poOwnerFormCenter);
    auto* list = new TListBox(dialog);
    list->SetParent(dialog);
    list->SetBounds(12, 12, 220, 240);
    auto fill = [&](int chosen) {
        list->GetItems()->Clear();
        for (const std::string& n : names) list->GetItems()->Add(n + ": " + Model.Find(n)->ClassName());
        list->SetItemIndex(chosen);
    };
    // Moves the chosen entry by Delta places.
    auto move = [&](int Delta) {
        int i = list->GetItemIndex(), j = i + Delta;
        if (i < 0 || j < 0 || j >= int(names.size())) return;
        std::swap(names[std::size_t(i)], names[std::size_t(j)]);
        fill(j);
    };
    fill(names.empty() ? -1 : 0);
    list->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState Shift) {
        if (!Shift.Contains(ssCtrl) || (Key != VK_UP && Key != VK_DOWN)) return;
        move(Key == VK_UP ? -1 : 1);
        Key = 0;
    });
    auto button = [&](const char* caption, int top, TModalResult result, TNotifyEvent click) {
        auto* b = new TButton(dialog);
        b->SetParent(dialog);
        b->SetCaption(caption);
        b->SetBounds(244, top, 84, 26);
        if (result != mrNone) b->SetModalResult(result);
        if (click) b->SetOnClick(std::move(click));
        return b;
    };
    button("&Up", 12, mrNone, [&](TObject*) { move(-1); });
    button("&Down", 44, mrNone, [&](TObject*) { move(1); });
    button("OK", 194, mrOk, {})->SetDefault(true);
    button("Cancel", 226, mrCancel, {})->SetCancel(true);
    dialog->SetActiveControl(list);
    TModalResult result = dialog->ShowModal();
    delete dialog;
    if (result != mrOk) return false;
    Model.SetTabOrder(container, names);
    return true;
}

}  // namespace designer
