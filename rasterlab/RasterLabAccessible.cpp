// What assistive tools read of the dot-matrix label: a label whose name and text are the
// text it shows (the whole text, also while it scrolls).
#include "platform/Accessibility.h"
#include "rasterlab/Zyn_RasterLab.h"

namespace zyn {

namespace {

class TRasterLabAccessible : public vcl::TControlAccessible, public vcl::TAccText {
public:
    explicit TRasterLabAccessible(TRasterLab* Label) : TControlAccessible(Label), label_(Label) {}
    vcl::TAccRole GetRole() const override { return vcl::arLabel; }
    vcl::TAccText* GetText() override { return this; }
    std::string GetAccText() const override { return IsDefunct() ? std::string() : label_->GetText(); }

private:
    TRasterLab* label_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TRasterLab::CreateAccessible() {
    return std::make_shared<TRasterLabAccessible>(this);
}

}  // namespace zyn
