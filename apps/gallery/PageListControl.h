// The gallery's page list: a column of page titles, one selected, chosen by click or by
// the arrow keys.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace gallery {

class TPageList : public vcl::TCustomControl {
public:
    explicit TPageList(vcl::TComponent* AOwner);
    std::string ClassName() const override { return "TPageList"; }

    void AddItem(const std::string& Title) { items_.push_back(Title); Invalidate(); }
    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetItemIndex() const { return itemIndex_; }
    // Selects an item (clamped; -1 for none) and fires OnChange when it changed.
    void SetItemIndex(int Value);
    int ItemHeight();
    // Rectangle of an item in client coordinates.
    vcl::TRect ItemRect(int Index);

    vcl::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void WMGetDlgCode(vcl::TMessage& Message) override;
    void WMSetFocus(vcl::TMessage& Message) override;
    void WMKillFocus(vcl::TMessage& Message) override;

private:
    static constexpr int HeadingHeight = 34;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace gallery
