// Edit fields: TCustomEdit, a text field with caret, selection, undo and clipboard keys
// (one line, or several for the memo), and TEdit.
//
// It draws the plain flat look of the standard controls (a white field with a thin grey
// border, blue focus and selection) on its form's back buffer.
#pragma once

#include <cstdint>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };

// TCustomEdit: a one-line text field with caret, selection and clipboard keys. Positions
// (SelStart, SelLength) count code points.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;
    std::string ClassName() const override { return "TCustomEdit"; }

    // ---- text and selection
    int GetSelStart() const;
    void SetSelStart(int Value);            // also collapses the selection there
    int GetSelLength() const;
    void SetSelLength(int Value);           // extends from SelStart (negative: backwards)
    std::string GetSelText() const;
    void SetSelText(const std::string& Value);  // replaces the selection (Change fires)
    void SelectAll();
    void ClearSelection();
    void Clear();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // One level of undo, as the system's edit field: the last change by the user or by
    // SelText; undoing again redoes it. Setting Text forgets it.
    bool CanUndo() const { return canUndo_; }
    void Undo();
    void ClearUndo() { canUndo_ = false; undoText_.clear(); }
    // Number of code points of the text.
    int GetTextLength() const;

    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    int GetMaxLength() const { return maxLength_; }
    // Most code points the user can enter (0: no limit); text set by code is not cut.
    void SetMaxLength(int Value);
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    bool GetAutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool Value) { autoSelect_ = Value; }
    bool GetHideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    TEditCharCase GetCharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase Value);
    char32_t GetPasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t Value);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    bool GetModified() const { return modified_; }
    void SetModified(bool Value) { modified_ = Value; }
    // Whether the caret is visible now (it blinks every 530 ms while focused).
    bool GetCaretVisible() const { return caretOn_; }
    // Caret rectangle in client coordinates (where it is drawn when visible).
    TRect GetCaretRect() const;
    // Code point position nearest to a client x (one-line edits) or point (memos).
    int PositionFromPoint(TPoint P) const;

    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    void WndProc(TMessage& Message) override;

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    // Runs after every change of the text (typing, clipboard, Text, SelText); fires
    // OnChange.
    virtual void Change();
    void SetTextBuf(const std::string& Value) override;
    std::string GetTextBuf() const override;
    // Counts the changes of the text: equal counts, equal text (views of the text cache by it).
    std::uint64_t TextVersion() const { return textVersion_; }
    void CreateWnd() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas* Canvas) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void Resize() override;

    // Multi-line editing (TCustomMemo turns it on). With WordWrap the lines are broken
    // at word boundaries to the text area's width; caret keys, selection and the mouse
    // work on these display rows while the text keeps its own line breaks.
    void SetMultiLine(bool Value) { multiLine_ = Value; }
    bool GetMultiLine() const { return multiLine_; }
    bool GetWantReturns() const { return wantReturns_; }
    void SetWantReturns(bool Value) { wantReturns_ = Value; }
    bool GetWantTabs() const { return wantTabs_; }
    void SetWantTabs(bool Value) { wantTabs_ = Value; }
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    // Scroll bars of a multi-line edit: shown whenever asked for, disabled while there is
    // nothing to scroll.
    TScrollStyle GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    const TInnerScrollBar& GetVertScrollBar() const { LayoutBars(); return vbar_; }
    const TInnerScrollBar& GetHorzScrollBar() const { LayoutBars(); return hbar_; }
    // Multi-line: the first display row shown, and the number of display rows.
    int GetTopRow() const { return topLine_; }
    int GetRowCount() const { return int(Rows().size()); }
    // The text as code points, and a replacement that keeps caret and selection valid.
    const std::u32string& Chars() const { return chars_; }
    void ReplaceChars(int Start, int Length, std::u32string_view With, bool Notify);
    // Area inside the border (and scroll bars) where text is drawn.
    TRect TextArea() const;
    // The caret's position (the moving end of the selection).
    int CaretIndex() const { return caret_; }
    // Multi-line: moves the first visible row by Delta (the caret stays where it is).
    void ScrollLines(int Delta);
    // S folded to CharCase; applied to every text that comes in (typed, set, pasted) and to
    // the whole text when CharCase changes.
    virtual std::u32string ApplyCharCase(std::u32string_view S) const;
    // Multi-line: scrolls the text sideways to X pixels (not while word-wrapping).
    void ScrollHorzTo(int X);
    int LineHeight();

    TNotifyEvent FOnChange;

private:
    struct LineSpan { int start; int length; };
    // The visible rows with the selection and the caret, clipped to the text area.
    void PaintText(TCanvas* Canvas);
    // What the edit itself does with a key or character nobody consumed.
    void DefaultKeyDown(WORD Key, TShiftState Shift);
    void DefaultChar(char32_t Ch);
    TCanvas* Measure();
    // The display rows (one per line, more with WordWrap), cached until the text, font,
    // width or wrapping changes.
    const std::vector<LineSpan>& Rows() const;
    std::vector<LineSpan> LineSpans() const { return Rows(); }
    void InvalidateLayout() { rowsValid_ = false; }
    void RelayoutRange(int Start, int OldLength, int NewLength);
    void WrapLine(int Start, int End, int Width, std::vector<LineSpan>& Out) const;
    // Last caret column of row Index: a wrapped row's end is the next row's start.
    int RowLimit(const std::vector<LineSpan>& Rows, int Index) const;
    int LineOf(int Pos) const;
    // Scroll bars: placed inside the border, ranges from the rows.
    TRect BarArea() const;
    void LayoutBars() const;
    void ScrollVert(int Code, int Pos);
    void ScrollHorz(int Code, int Pos);
    TPoint PosToPoint(int Pos);             // client position of the caret at Pos
    int XToColumn(const LineSpan& Line, int X);
    void MoveCaret(int Pos, bool Extend);
    void ScrollCaretIntoView();
    void RestartCaretBlink();
    void StopCaretBlink();
    void InsertTyped(std::u32string_view Text);
    std::u32string Displayed(int Start, int Length) const;
    int WordStart(int Pos) const;
    int WordEnd(int Pos) const;
    void DeleteSelectionOr(int From, int To);

    std::unique_ptr<TCanvas> measure_;
    std::u32string chars_;
    std::uint64_t textVersion_ = 0;   // raised by every change of chars_
    std::u32string undoText_;
    int undoCaret_ = 0;
    bool canUndo_ = false;
    int caret_ = 0;                // caret position (code points)
    int anchor_ = 0;               // other end of the selection
    int scrollX_ = 0;              // one-line: pixels scrolled to the left
    int topLine_ = 0;              // multi-line: first visible line
    bool readOnly_ = false;
    int maxLength_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    TEditCharCase charCase_ = ecNormal;
    char32_t passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool modified_ = false;
    bool multiLine_ = false;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool caretOn_ = false;
    bool timerRunning_ = false;
    bool selecting_ = false;       // left button held: drag selects
    bool focusedByClick_ = false;
    bool wordWrap_ = false;
    TScrollStyle scrollBars_ = ssNone;
    mutable std::vector<LineSpan> rows_;
    mutable bool rowsValid_ = false;
    mutable int rowsWidth_ = -1;   // wrapping width the rows were made for
    mutable int rowsMaxWidth_ = 0; // widest row (pixels)
    mutable TInnerScrollBar vbar_{true};
    mutable TInnerScrollBar hbar_{false};
    TInnerScrollBar* trackingBar_ = nullptr;
    bool barCursor_ = false;       // the arrow is shown over the scroll bars
    TCursor savedCursor_ = crIBeam;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TEdit"; }
};

}  // namespace vcl
