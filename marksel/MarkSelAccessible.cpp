// What assistive tools read of the mark selector: a list whose items are the marks in
// view, in their order, named by their number; the chosen mark is selected, and choosing
// an item does what a click on the mark does.
#include <string>

#include "marksel/Zyn_marksel.h"
#include "platform/Accessibility.h"

namespace zyn {

class TMarkSelAccessible : public vcl::TItemsAccessible {
public:
    explicit TMarkSelAccessible(TMarkSel* Selector) : TItemsAccessible(Selector), sel_(Selector) {}
    vcl::TAccRole GetRole() const override { return vcl::arList; }

    int ItemCount() const override {
        if (IsDefunct()) return 0;
        int n = 0;
        for (bool in : InView()) n += in ? 1 : 0;
        return n;
    }
    std::string ItemName(int Index) const override { return "Mark " + std::to_string(MarkOf(Index)); }
    bool ItemSelected(int Index) const override { return sel_->GetSelected() == MarkOf(Index); }
    bool ItemFocused(int Index) const override { return sel_->GetFocusedMark() == MarkOf(Index); }
    vcl::TRect ItemRect(int Index) const override {
        sel_->Layout();
        const TMarkSelGrid g = MarkSelGrid(sel_->GetWidth(), sel_->GetHeight(), sel_->GetNrOfColumns(), sel_->GetNrOfRows());
        vcl::TPoint p = sel_->GetMarkPos(MarkOf(Index));
        return vcl::Bounds(p.X - g.MH, p.Y - g.MV, g.DH, g.DV);
    }
    bool SelectItem(int Index) override {
        int mark = MarkOf(Index);
        if (mark < 0) return false;
        sel_->Layout();
        sel_->ChooseMark(sel_->FPos[mark].X, sel_->FPos[mark].Y, mark, sel_->FOnMarkClick);
        return true;
    }
    // The item of a mark, -1 when it is not in view.
    int ItemOf(int Mark) const {
        TMarkFlags in = InView();
        if (Mark < 0 || Mark >= NumberOfMarks || !in[Mark]) return -1;
        int n = 0;
        for (int m = 0; m < Mark; ++m) n += in[m] ? 1 : 0;
        return n;
    }

private:
    TMarkFlags InView() const { return MarksInView(sel_->GetNrOfColumns(), sel_->GetNrOfRows(), sel_->FVis); }
    int MarkOf(int Index) const {
        TMarkFlags in = InView();
        for (int m = 0; m < NumberOfMarks; ++m)
            if (in[m] && Index-- == 0) return m;
        return -1;
    }
    TMarkSel* sel_;
};

std::shared_ptr<vcl::TControlAccessible> TMarkSel::CreateAccessible() {
    return std::make_shared<TMarkSelAccessible>(this);
}

void TMarkSel::MarkChosenForAccessibility(int b) {
    if (!vcl::accessibility::Listening() || !HasAccessible()) return;
    auto* acc = static_cast<TMarkSelAccessible*>(GetAccessible().get());
    vcl::NotifyItemFocus(this, acc->ItemOf(b));
}

void TMarkSel::MarkFocusedForAccessibility(int b) {
    if (!vcl::accessibility::Listening() || !HasAccessible() || !HasKeyboardFocus()) return;
    auto* acc = static_cast<TMarkSelAccessible*>(GetAccessible().get());
    if (vcl::TAccessiblePtr item = acc->GetChild(acc->ItemOf(b))) vcl::accessibility::Raise({vcl::aeFocus, item});
}

}  // namespace zyn
