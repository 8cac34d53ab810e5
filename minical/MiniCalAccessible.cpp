// What assistive tools read of the month calendar: a calendar named by the month it shows,
// whose children are the days of that month (named by their full date), the held day
// selected and focused; choosing a day holds it as a click on it does.
#include <string>

#include "minical/Zyn_MiniCal.h"
#include "platform/Accessibility.h"
#include "platform/DateUtils.h"
#include "platform/SysUtils.h"

namespace zyn {

namespace {

class TMiniCalAccessible : public vcl::TItemsAccessible {
public:
    explicit TMiniCalAccessible(TMiniCal* Calendar) : TItemsAccessible(Calendar), cal_(Calendar) {}
    vcl::TAccRole GetRole() const override { return vcl::arCalendar; }

    int ItemCount() const override { return IsDefunct() ? 0 : vcl::DaysInAMonth(cal_->GetYear(), cal_->GetMonth()); }
    vcl::TAccRole ItemRole() const override { return vcl::arTableCell; }
    std::string ItemName(int Index) const override {
        return vcl::FormatDateTime("d mmmm yyyy", vcl::EncodeDate(cal_->GetYear(), cal_->GetMonth(), Index + 1));
    }
    bool ItemSelected(int Index) const override { return cal_->GetDay() == Index + 1; }
    bool ItemFocused(int Index) const override { return cal_->GetDay() == Index + 1; }
    vcl::TRect ItemRect(int Index) const override {
        vcl::TGridCoord cell = DayCell(cal_->GetMonOfs(), Index + 1);
        return cal_->CellRect(cell.X, cell.Y);
    }
    bool SelectItem(int Index) override {
        cal_->SetDay(Index + 1);
        return cal_->GetDay() == Index + 1;
    }

protected:
    // The month shown, as its title row says.
    std::string CaptionText() const override { return vcl::FormatDateTime("mmmm yyyy", cal_->GetDate()); }

private:
    TMiniCal* cal_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TMiniCal::CreateAccessible() {
    return std::make_shared<TMiniCalAccessible>(this);
}

}  // namespace zyn
