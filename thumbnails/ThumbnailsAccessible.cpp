// What assistive tools read of the thumbnail grid: a list whose items are the slides Min
// .. Max, named by their number, selected as the selection mode keeps them; the slide the
// keyboard is on has the focus, and choosing an item goes to it as the keys do.
#include <cstdint>
#include <string>

#include "platform/Accessibility.h"
#include "thumbnails/Zyn_Thumbnails.h"

namespace zyn {

class TThumbnailsAccessible : public vcl::TItemsAccessible {
public:
    explicit TThumbnailsAccessible(TThumbnails* Grid) : TItemsAccessible(Grid), grid_(Grid) {}
    vcl::TAccRole GetRole() const override { return vcl::arList; }
    vcl::TAccStates GetStates() const override {
        vcl::TAccStates s = TItemsAccessible::GetStates();
        if (!IsDefunct() && grid_->GetSlideSelectMode() == ssmMultiple) s.Include(vcl::asMultiSelectable);
        return s;
    }

    int ItemCount() const override {
        if (IsDefunct()) return 0;
        long long n = (long long)grid_->GetMax() - grid_->GetMin() + 1;
        return n < 0 ? 0 : n > INT32_MAX ? INT32_MAX : int(n);
    }
    std::string ItemName(int Index) const override { return "Slide " + std::to_string(SlideOf(Index)); }
    bool ItemSelected(int Index) const override { return grid_->GetSlideSelected(SlideOf(Index)); }
    bool ItemFocused(int Index) const override { return grid_->GetCurrentSlide() == SlideOf(Index); }
    vcl::TRect ItemRect(int Index) const override {
        int x = 0, y = 0;
        grid_->CalcSlidePos(SlideOf(Index), x, y);
        const int side = grid_->GetSlideSize() + 2 * grid_->GetSlideMargin() + 1;
        return vcl::IntersectRect(vcl::Bounds(x, y, side, side), grid_->GetClientRect());
    }
    bool SelectItem(int Index) override {
        if (grid_->GetSlideSelectMode() == ssmDisabled) return false;
        grid_->GoToSlide(SlideOf(Index));
        if (grid_->GetSlideSelectMode() == ssmMultiple) grid_->SetSlideSelected(SlideOf(Index), true);
        return true;
    }

private:
    int SlideOf(int Index) const { return grid_->GetMin() + Index; }
    TThumbnails* grid_;
};

std::shared_ptr<vcl::TControlAccessible> TThumbnails::CreateAccessible() {
    return std::make_shared<TThumbnailsAccessible>(this);
}

}  // namespace zyn
