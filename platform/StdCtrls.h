// Standard controls: edit fields, memo, labels, push buttons and check boxes.
//
// They draw a plain flat desktop look of their own (grey faces, white fields with a thin
// grey border, blue focus and selection) on their form's back buffer.
#pragma once

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/controls/GridScrollBar.h"

namespace vcl {

enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };

// ---- DrawText flags (labels and anything that lays out text in a rectangle) ------------
constexpr int DT_TOP = 0x0000, DT_LEFT = 0x0000, DT_CENTER = 0x0001, DT_RIGHT = 0x0002,
              DT_VCENTER = 0x0004, DT_BOTTOM = 0x0008, DT_WORDBREAK = 0x0010,
              DT_SINGLELINE = 0x0020, DT_EXPANDTABS = 0x0040, DT_NOCLIP = 0x0100,
              DT_CALCRECT = 0x0400, DT_NOPREFIX = 0x0800, DT_END_ELLIPSIS = 0x8000,
              DT_PATH_ELLIPSIS = 0x4000, DT_WORD_ELLIPSIS = 0x40000;

// Lays out Text in Rect with the canvas font as the DrawText call does: lines broken at
// line feeds (and at word boundaries with DT_WORDBREAK), aligned by the flags, "&x" shown
// as an underlined x unless DT_NOPREFIX. With DT_CALCRECT nothing is drawn and Rect's
// Right and Bottom are set to fit the text. Returns the height of the text.
int DrawText(TCanvas* Canvas, const std::string& Text, TRect& Rect, int Flags);

// =========================================================================================
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
    // Runs after every change of the text (typing, clipboard, Text, SelText); fires
    // OnChange.
    virtual void Change();
    void SetTextBuf(const std::string& Value) override;
    std::string GetTextBuf() const override;
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
    // Multi-line: scrolls the text sideways to X pixels (not while word-wrapping).
    void ScrollHorzTo(int X);
    int LineHeight();

    TNotifyEvent FOnChange;

private:
    struct LineSpan { int start; int length; };
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
    std::u32string ApplyCharCase(std::u32string_view S) const;
    int WordStart(int Pos) const;
    int WordEnd(int Pos) const;
    void DeleteSelectionOr(int From, int To);

    std::unique_ptr<TCanvas> measure_;
    std::u32string chars_;
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

// =========================================================================================
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

// =========================================================================================
// TCustomLabel: text on the parent's surface.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomLabel"; }

    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    void SetAutoSize(bool Value) override;
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool GetShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);
    TWinControl* GetFocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);

protected:
    // Draws the caption in Rect with the DrawText flags; with DT_CALCRECT only measures
    // and sets Rect's size.
    virtual void DoDrawText(TRect& Rect, int Flags);
    void Paint() override;
    // Fits the bounds to the caption when AutoSize is on.
    virtual void AdjustBounds();
    virtual std::string GetLabelText() const { return GetCaption(); }
    void Loaded() override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMDialogChar(TMessage& Message);
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TLabel"; }
};

// =========================================================================================
// TButtonControl / TButton / TCheckBox
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);
    std::string ClassName() const override { return "TButtonControl"; }

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    // Draws the dotted focus frame inside R when focused.
    void DrawFocus(TCanvas* Canvas, const TRect& R);
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }

    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool GetDefault() const { return default_; }
    void SetDefault(bool Value);
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    // Presses the button: OnClick, then the parent form's ModalResult.
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    void PaintWindow(TCanvas* Canvas) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMDialogKey(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
    bool pressed_ = false;     // drawn pushed in
    bool tracking_ = false;    // left button went down on the button
    bool spaceDown_ = false;
    bool hot_ = false;
};

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    std::string ClassName() const override { return "TCheckBox"; }

    bool GetChecked() const { return state_ == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool GetAllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
    TAlignment GetAlignment() const { return alignment_; }   // side of the text
    void SetAlignment(TAlignment Value);
    // Toggles as a click does (unchecked -> checked -> grayed when allowed -> unchecked).
    void Toggle();

protected:
    void Click() override;
    void PaintWindow(TCanvas* Canvas) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    bool pressed_ = false;
};

}  // namespace vcl
#include "platform/controls/ComboBox.h"
