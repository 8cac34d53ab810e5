// Memos: multi-line edit fields whose Lines view the text line by line.
#pragma once

#include <memory>

#include "platform/controls/base/Control.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// TCustomMemo: multi-line editing; Lines views the text line by line.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;
    std::string ClassName() const override { return "TCustomMemo"; }

    TStrings* GetLines() const { return lines_.get(); }
    void SetLines(TStrings* Value);
    // Word wrapping (on by default) and scroll bars (none by default).
    using TCustomEdit::GetWordWrap;
    using TCustomEdit::SetWordWrap;
    using TCustomEdit::GetScrollBars;
    using TCustomEdit::SetScrollBars;
    using TCustomEdit::GetWantReturns;
    using TCustomEdit::SetWantReturns;
    using TCustomEdit::GetWantTabs;
    using TCustomEdit::SetWantTabs;
    using TCustomEdit::GetVertScrollBar;
    using TCustomEdit::GetHorzScrollBar;
    using TCustomEdit::GetTopRow;
    using TCustomEdit::GetRowCount;
    // First visible line of the text (scrolling).
    int GetTopLine() const;
    // The caret as column (X) and line (Y) of Lines.
    TPoint GetCaretPos() const;

protected:
    // The wheel scrolls three lines a notch.
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    class TMemoStrings;
    std::unique_ptr<TStrings> lines_;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* AOwner);
    std::string ClassName() const override { return "TMemo"; }
};

}  // namespace vcl
