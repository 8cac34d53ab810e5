// What assistive tools read of the colour selector: a combo box whose children are its
// colour swatches, each named as the list names it, the chosen one selected.
#include "colsel/Zyn_Colsel.h"
#include "platform/Accessibility.h"

namespace zyn {

namespace {

class TColSelAccessible : public vcl::TComboBoxAccessible {
public:
    explicit TColSelAccessible(TColSel* Selector) : TComboBoxAccessible(Selector), selector_(Selector) {}
    int ItemCount() const override { return IsDefunct() ? 0 : selector_->GetNumColors(); }
    std::string ItemName(int Index) const override { return selector_->GetArrayColorName(Index + 1); }
    bool ItemSelected(int Index) const override { return selector_->GetSelIx() == Index + 1; }
    // Through the selector's own choice, so that SelColor follows.
    bool SelectItem(int Index) override {
        selector_->SetSelIx(Index + 1);
        return selector_->GetSelIx() == Index + 1;
    }

private:
    TColSel* selector_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TColSel::CreateAccessible() {
    return std::make_shared<TColSelAccessible>(this);
}

}  // namespace zyn
