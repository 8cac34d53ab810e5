// What assistive tools read of an edit field: a text whose caption is the text typed in it
// (so a label or the hint names it), editable unless read-only. Numeric fields derive
// from it to add their value.
#pragma once

#include <string>

#include "platform/controls/base/ControlAccessible.h"

namespace vcl {

class TCustomEdit;

class TEditAccessible : public TControlAccessible, public TAccText {
public:
    explicit TEditAccessible(TCustomEdit* Edit);
    TAccRole GetRole() const override { return arText; }
    TAccStates GetStates() const override;
    TAccText* GetText() override { return this; }
    // The text as shown: a password field gives one mask character per letter.
    std::string GetAccText() const override;
    int GetCaretOffset() const override;

protected:
    bool CaptionIsName() const override { return false; }
    TCustomEdit* GetEdit() const { return IsDefunct() ? nullptr : edit_; }

private:
    TCustomEdit* edit_;
};

}  // namespace vcl
